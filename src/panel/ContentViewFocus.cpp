// The panel's keyboard side and the hover that follows a resting pointer: which row has the focus, where the arrow
// keys take it, what a row's keys ask of the panel, and which row lies under the pointer after the rows moved.
#include "panel/ContentView.h"

#include "model/RemindersViewModel.h"
#include "panel/HoverManager.h"
#include "panel/PanelSizing.h"
#include "panel/ReminderListSection.h"
#include "panel/SearchBar.h"
#include "panel/SubtaskQuestion.h"
#include "rows/ReminderRow.h"

#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScrollArea>
#include <QTimer>

namespace tolvik {

void ContentView::scheduleHoverCheck()
{
    if (m_hoverCheckPending) {
        return;
    }
    m_hoverCheckPending = true;
    QTimer::singleShot(0, this, &ContentView::reevaluateHover);
}

ReminderRow* ContentView::rowUnderPointer() const
{
    const QPoint global = QCursor::pos();
    QWidget* viewport = m_scrollArea->viewport();
    if (!viewport->rect().contains(viewport->mapFromGlobal(global))) {
        return nullptr;
    }
    for (QWidget* widget = m_listContent->childAt(m_listContent->mapFromGlobal(global));
         widget != nullptr && widget != m_listContent; widget = widget->parentWidget()) {
        if (auto* row = qobject_cast<ReminderRow*>(widget)) {
            return row;
        }
    }
    return nullptr;
}

void ContentView::reevaluateHover()
{
    m_hoverCheckPending = false;
    if (!isVisible() || m_hoverManager->editingItemID() || m_hoverManager->isPointerHoverHeld()) {
        return;
    }
    QWidget* viewport = m_scrollArea->viewport();
    if (!viewport->rect().contains(viewport->mapFromGlobal(QCursor::pos()))) {
        // The pointer is elsewhere: its leave events already ended its hover, and a focused row keeps its bubble.
        return;
    }
    // The rows must stand where they will be drawn before asking which one is under the pointer.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    if (ReminderRow* row = rowUnderPointer()) {
        m_hoverManager->beginHover(row->reminder().id);
    } else {
        m_hoverManager->setHoveredItemID(std::nullopt);
    }
}

void ContentView::revealReminder(const QString& reminderID)
{
    renderIfPending();
    // The panel opened wherever the pointer happened to rest (often where the notification was): the row under
    // it is not what the user asked for, so it shows no bubble until the pointer moves.
    if (!m_hoverManager->isPointerHoverHeld()) {
        m_hoverManager->setPointerHoverHeld(true);
        m_heldPointer = QCursor::pos();
        qApp->installEventFilter(this);
    }
    if (m_hoverManager->hoveredItemID() != reminderID) {
        m_hoverManager->setHoveredItemID(std::nullopt);
    }
    const QList<ReminderRow*> rows = rowsInOrder();
    for (ReminderRow* row : rows) {
        if (row->reminder().id == reminderID) {
            focusRow(row);
            return;
        }
    }
    // Not on screen yet (the model is still loading it): it takes the focus once it shows.
    m_pendingFocusID = reminderID;
}

bool ContentView::releasePointerHoldOnMove(QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseMove && type != QEvent::HoverMove && type != QEvent::Enter) {
        return false;
    }
    if (QCursor::pos() == m_heldPointer) {
        return false;
    }
    qApp->removeEventFilter(this);
    m_hoverManager->setPointerHoverHeld(false);
    scheduleHoverCheck();
    return true;
}

void ContentView::restoreFocus(const std::optional<QString>& focusedID, qsizetype focusedIndex)
{
    const QList<ReminderRow*> rows = rowsInOrder();
    const auto rowWithID = [&rows](const QString& id) -> ReminderRow* {
        for (ReminderRow* row : rows) {
            if (row->reminder().id == id) {
                return row;
            }
        }
        return nullptr;
    };
    if (m_pendingFocusID) {
        if (ReminderRow* moved = rowWithID(*m_pendingFocusID)) {
            m_pendingFocusID.reset();
            focusRow(moved);
            return;
        }
    }
    if (!focusedID || rowWithID(*focusedID) != nullptr || m_pendingFocusID) {
        return;
    }
    if (rows.isEmpty()) {
        setFocus(Qt::OtherFocusReason);
    } else {
        focusRow(rows.at(qBound<qsizetype>(0, focusedIndex, rows.size() - 1)));
    }
}

QList<ReminderRow*> ContentView::rowsInOrder() const
{
    QList<ReminderRow*> rows;
    if (m_shownPlaceholder) {
        return rows;
    }
    for (ReminderListSection* section : m_order) {
        // A list a search found nothing in is hidden, and so are the rows it left out.
        if (!section->isHidden()) {
            rows.append(section->shownRows());
        }
    }
    return rows;
}

ReminderRow* ContentView::focusedRow() const
{
    for (QWidget* widget = QApplication::focusWidget(); widget != nullptr; widget = widget->parentWidget()) {
        if (auto* row = qobject_cast<ReminderRow*>(widget)) {
            return isAncestorOf(row) ? row : nullptr;
        }
    }
    return nullptr;
}

void ContentView::focusRow(ReminderRow* row)
{
    if (row == nullptr) {
        return;
    }
    // A row a search left waiting cannot take the focus while it is hidden.
    if (row->isHidden()) {
        showEveryDeferredRow();
    }
    row->setFocus(Qt::OtherFocusReason);
    m_scrollArea->ensureWidgetVisible(row, 0, PanelSizing::spacing);
}

void ContentView::beginAddFor(ReminderRow* row)
{
    ReminderListSection* target = nullptr;
    for (ReminderListSection* section : std::as_const(m_order)) {
        if (row != nullptr && section->rows().contains(row)) {
            target = section;
        }
    }
    if (target == nullptr && !m_order.isEmpty() && !m_shownPlaceholder) {
        target = m_order.first();
    }
    if (target != nullptr) {
        target->beginAdd();
    }
}

bool ContentView::navigate(int key)
{
    const QList<ReminderRow*> rows = rowsInOrder();
    if (rows.isEmpty()) {
        return false;
    }
    ReminderRow* current = focusedRow();
    const qsizetype index = rows.indexOf(current);
    switch (key) {
    case Qt::Key_Down:
        focusRow(index < 0 ? rows.first() : rows.at(qMin(index + 1, rows.size() - 1)));
        return true;
    case Qt::Key_Up:
        focusRow(index < 0 ? rows.last() : rows.at(qMax<qsizetype>(index - 1, 0)));
        return true;
    case Qt::Key_Home:
        focusRow(rows.first());
        return true;
    case Qt::Key_End:
        focusRow(rows.last());
        return true;
    default:
        return false;
    }
}

void ContentView::runRowCommand(ReminderRow* row, ReminderRow::KeyCommand command)
{
    using Command = ReminderRow::KeyCommand;
    switch (command) {
    case Command::previousRow:
    case Command::nextRow:
    case Command::firstRow:
    case Command::lastRow: {
        const QList<ReminderRow*> rows = rowsInOrder();
        const qsizetype index = rows.indexOf(row);
        // Above the first result lies the search field, where the user came from.
        if (command == Command::previousRow && index == 0 && m_search->isOpen()) {
            m_search->edit()->setFocus(Qt::OtherFocusReason);
            return;
        }
        const qsizetype target = command == Command::firstRow  ? 0
                                 : command == Command::lastRow ? rows.size() - 1
                                 : command == Command::nextRow ? qMin(index + 1, rows.size() - 1)
                                                               : qMax<qsizetype>(index - 1, 0);
        focusRow(rows.value(target));
        return;
    }
    case Command::moveToPreviousList:
    case Command::moveToNextList: {
        // The keyboard's drag: to the list shown above or below, keeping the focus on the moved reminder.
        qsizetype index = -1;
        for (qsizetype at = 0; at < m_order.size(); ++at) {
            if (m_order.at(at)->rows().contains(row)) {
                index = at;
            }
        }
        const qsizetype target = index + (command == Command::moveToNextList ? 1 : -1);
        if (index < 0 || target < 0 || target >= m_order.size()) {
            return;
        }
        const QString targetListID = m_order.at(target)->list().id;
        const QString fileName = row->reminder().id.section(QLatin1Char('/'), -1);
        m_pendingFocusID = targetListID + QLatin1Char('/') + fileName;
        m_model.moveReminder(row->reminder().id, targetListID);
        return;
    }
    case Command::addToList:
        beginAddFor(row);
        return;
    case Command::foldSubtasks:
    case Command::unfoldSubtasks:
        setFolded(row->reminder().id, command == Command::foldSubtasks);
        return;
    }
}

void ContentView::setFolded(const QString& reminderID, bool folded)
{
    if (folded == m_foldedIDs.contains(reminderID)) {
        return;
    }
    if (folded) {
        m_foldedIDs.insert(reminderID);
    } else {
        m_foldedIDs.remove(reminderID);
    }
    // The focus stays on the reminder that folded, not on a sub-task that went with the fold.
    ReminderRow* focused = focusedRow();
    if (focused != nullptr && focused->reminder().id != reminderID && folded) {
        m_pendingFocusID = reminderID;
    }
    render();
}

void ContentView::askAboutSubtasks(ReminderRow* row, int openSubtasks)
{
    m_subtaskQuestion->ask(row->reminder().id, row->reminder().title, openSubtasks);
}

void ContentView::returnFocusTo(const QString& reminderID)
{
    for (ReminderRow* row : rowsInOrder()) {
        if (row->reminder().id == reminderID) {
            focusRow(row);
            return;
        }
    }
}

void ContentView::keyPressEvent(QKeyEvent* event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (modifiers == Qt::NoModifier && navigate(event->key())) {
        return;
    }
    if (event->key() == Qt::Key_N && modifiers == Qt::NoModifier) {
        beginAddFor(nullptr);
        return;
    }
    if (event->key() == Qt::Key_Escape && modifiers == Qt::NoModifier) {
        // The innermost open thing closes first: drop-downs and popovers are windows of their own and take their
        // Escape themselves, a search closes next, and an Escape that reaches the panel after that closes it.
        if (m_search->isOpen()) {
            closeSearch();
            return;
        }
        Q_EMIT closeRequested();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace tolvik
