// How a row takes the pointer and the keyboard: hover, drag, the context-menu event, keys and focus.
#include "rows/ReminderRow.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QDrag>
#include <QKeyEvent>
#include <QMimeData>

namespace tolvik {

QMimeData* ReminderRow::createDragData() const
{
    auto* data = new QMimeData;
    data->setText(m_reminder.id);
    return data;
}

void ReminderRow::enterEvent(QEnterEvent* event)
{
    QWidget::enterEvent(event);
    Q_EMIT pointerEntered(m_reminder.id);
}

void ReminderRow::leaveEvent(QEvent* event)
{
    QWidget::leaveEvent(event);
    Q_EMIT pointerLeft(m_reminder.id);
}

void ReminderRow::mousePressEvent(QMouseEvent* event)
{
    m_pressed = event->button() == Qt::LeftButton;
    m_pressPosition = event->position().toPoint();
    if (m_showsFocusRing) {
        m_showsFocusRing = false;
        update();
    }
    QWidget::mousePressEvent(event);
}

void ReminderRow::mouseMoveEvent(QMouseEvent* event)
{
    if (m_pressed && (event->buttons() & Qt::LeftButton) &&
        (event->position().toPoint() - m_pressPosition).manhattanLength() >= QApplication::startDragDistance()) {
        m_pressed = false;
        startDrag();
        return;
    }
    QWidget::mouseMoveEvent(event);
}

void ReminderRow::startDrag()
{
    auto* drag = new QDrag(this);
    drag->setMimeData(createDragData());
    drag->setPixmap(grab());
    drag->setHotSpot(m_pressPosition);
    Q_EMIT dragStarted(m_reminder.id);
    // The drop may refresh the model and delete this row inside exec(): nothing touches `this` afterwards.
    drag->exec(Qt::MoveAction | Qt::CopyAction, Qt::MoveAction);
}

void ReminderRow::contextMenuEvent(QContextMenuEvent* event)
{
    openContextMenu(event->reason() == QContextMenuEvent::Keyboard ? std::nullopt
                                                                   : std::optional<QPoint>(event->globalPos()));
    event->accept();
}

void ReminderRow::keyPressEvent(QKeyEvent* event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    const bool control = modifiers == Qt::ControlModifier;
    const bool plain = modifiers == Qt::NoModifier;
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (control) {
            m_reminder.isCompleted ? reopen() : complete();
        } else if (plain) {
            edit();
        } else {
            break;
        }
        return;
    case Qt::Key_E:
        if (!plain) {
            break;
        }
        edit();
        return;
    case Qt::Key_Space:
        if (!plain) {
            break;
        }
        m_reminder.isCompleted ? reopen() : complete();
        return;
    case Qt::Key_Delete:
        if (!plain) {
            break;
        }
        remove();
        return;
    case Qt::Key_Menu:
        openContextMenu();
        return;
    case Qt::Key_F10:
        if (modifiers != Qt::ShiftModifier) {
            break;
        }
        openContextMenu();
        return;
    case Qt::Key_Up:
    case Qt::Key_Down: {
        const bool up = event->key() == Qt::Key_Up;
        if (control) {
            Q_EMIT keyCommand(up ? KeyCommand::moveToPreviousList : KeyCommand::moveToNextList);
        } else if (plain) {
            Q_EMIT keyCommand(up ? KeyCommand::previousRow : KeyCommand::nextRow);
        } else {
            break;
        }
        return;
    }
    case Qt::Key_Home:
    case Qt::Key_End:
        if (!plain) {
            break;
        }
        Q_EMIT keyCommand(event->key() == Qt::Key_Home ? KeyCommand::firstRow : KeyCommand::lastRow);
        return;
    case Qt::Key_N:
        if (!plain && !control) {
            break;
        }
        Q_EMIT keyCommand(KeyCommand::addToList);
        return;
    case Qt::Key_S:
        if (!plain) {
            break;
        }
        beginAddSubtask();
        return;
    case Qt::Key_Left:
    case Qt::Key_Right: {
        if (!plain || m_reminder.shownSubtaskCount <= 0) {
            break;
        }
        // Towards the text's start folds, as in a tree, whichever way the text runs.
        const bool towardsStart = (event->key() == Qt::Key_Left) == (layoutDirection() == Qt::LeftToRight);
        Q_EMIT keyCommand(towardsStart ? KeyCommand::foldSubtasks : KeyCommand::unfoldSubtasks);
        return;
    }
    default:
        break;
    }
    QWidget::keyPressEvent(event);
}

void ReminderRow::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    // A click that focuses the row needs no ring: the pointer already shows where the user is. A return of the
    // focus (the window or a popover closing) keeps whatever the row showed before.
    if (event->reason() == Qt::MouseFocusReason) {
        m_showsFocusRing = false;
    } else if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason) {
        m_showsFocusRing = true;
    }
    update();
    Q_EMIT keyboardFocusChanged(m_reminder.id, true);
}

void ReminderRow::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    update();
    Q_EMIT keyboardFocusChanged(m_reminder.id, false);
}

} // namespace tolvik
