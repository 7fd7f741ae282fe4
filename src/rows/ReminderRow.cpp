#include "rows/ReminderRow.h"

#include "appearance/DateTexts.h"
#include "appearance/LocalizationManager.h"
#include "appearance/Preferences.h"
#include "appearance/SymbolIcons.h"
#include "model/RemindersViewModel.h"
#include "rows/ElidedTextLabel.h"
#include "rows/PopoverSurface.h"
#include "rows/PopoverWindow.h"
#include "rows/PriorityBadge.h"
#include "rows/ReminderFormView.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QDrag>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleOptionMenuItem>
#include <QVBoxLayout>

#include <tuple>

namespace tolvik {

namespace {

constexpr int rowSpacing = 8;
constexpr int stackSpacing = 4;
constexpr int titleSpacing = 4;
constexpr qreal focusRadius = 6;

/// Draws the menu item whose action is marked destructive in red, as the menu has no role for it.
class DestructiveItemStyle : public QProxyStyle
{
public:
    explicit DestructiveItemStyle(QString destructiveText, QObject* owner)
        : m_text(std::move(destructiveText))
    {
        setParent(owner);
    }

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override
    {
        const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
        if (element == CE_MenuItem && item != nullptr && item->text == m_text && !(item->state & State_Selected)) {
            QStyleOptionMenuItem red(*item);
            const QColor color = RowStyle::alertRed(red.palette);
            red.palette.setColor(QPalette::ButtonText, color);
            red.palette.setColor(QPalette::WindowText, color);
            red.palette.setColor(QPalette::Text, color);
            QProxyStyle::drawControl(element, &red, painter, widget);
            return;
        }
        QProxyStyle::drawControl(element, option, painter, widget);
    }

private:
    QString m_text;
};

} // namespace

ReminderRow::ReminderRow(const ReminderItem& reminder, RemindersViewModel* model, Clock clock, QWidget* parent)
    : QWidget(parent)
    , m_reminder(reminder)
    , m_model(model)
    , m_clock(std::move(clock))
    , m_editState(ReminderFormState::from(reminder, m_clock()))
    , m_repeat(new QLabel(this))
    , m_title(new ElidedTextLabel(maximumTitleLines, this))
    , m_due(new QLabel(this))
    , m_badge(new PriorityBadge(this))
{
    m_editOpenedWith = m_editState;
    setAttribute(Qt::WA_Hover);
    // Rows take the focus from a click or from the panel's arrow keys; Tab keeps to the buttons.
    setFocusPolicy(Qt::ClickFocus);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    m_repeat->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_due->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_due->setFont(RowStyle::smallCaptionFont(font()));

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(rowSpacing);
    auto* stack = new QVBoxLayout;
    stack->setSpacing(stackSpacing);
    auto* titleLine = new QHBoxLayout;
    titleLine->setSpacing(titleSpacing);
    titleLine->addWidget(m_repeat, 0, Qt::AlignVCenter);
    titleLine->addWidget(m_title, 1);
    stack->addLayout(titleLine);
    stack->addWidget(m_due);
    row->addLayout(stack, 1);
    // The badge sits on the first line, next to the start of the title.
    row->addWidget(m_badge, 0, Qt::AlignTop);

    connect(&Preferences::shared(), &Preferences::changed, this, [this](const QString& key) {
        if (key == PreferenceKey::languagePreference) {
            refresh();
        }
    });
    refresh();
}

ReminderRow::~ReminderRow()
{
    // Deleting a shown popover hides it, and its close must not reach this half-destroyed row.
    if (m_editPopover != nullptr) {
        m_editPopover->disconnect(this);
        delete m_editPopover;
    }
}

void ReminderRow::setReminder(const ReminderItem& reminder)
{
    const bool identityChanged = reminder.id != m_reminder.id;
    m_reminder = reminder;
    if (identityChanged) {
        m_editState = ReminderFormState::from(reminder, m_clock());
        m_editOpenedWith = m_editState;
        if (m_editForm != nullptr) {
            m_editForm->reload();
        }
    }
    refresh();
}

Urgency ReminderRow::urgency() const
{
    return RowStyle::urgency(m_reminder.overdueAt(), m_clock());
}

QColor ReminderRow::titleColor() const
{
    return m_title->textColor();
}

void ReminderRow::refreshUrgency()
{
    const Urgency now = urgency();
    m_title->setTextColor(RowStyle::urgencyColor(now, palette()));
    if (now != m_shownUrgency) {
        m_shownUrgency = now;
        setAccessibleDescription(accessibleSummary());
    }
}

void ReminderRow::refresh()
{
    const QPalette& own = palette();
    m_title->setText(m_reminder.title);
    refreshUrgency();

    const QColor secondary = RowStyle::secondaryText(own);
    const bool repeats = m_reminder.recurrence != RecurrenceOption::none;
    m_repeat->setVisible(repeats);
    if (repeats) {
        const int side = QFontMetrics(RowStyle::smallCaptionFont(font())).height();
        m_repeat->setPixmap(
            SymbolIcons::pixmap(QStringLiteral("repeat"), secondary, QSize(side, side), devicePixelRatioF()));
    }

    m_due->setVisible(m_reminder.dueDate.has_value());
    if (m_reminder.dueDate) {
        m_due->setText(dueText());
        QPalette duePalette = m_due->palette();
        duePalette.setColor(QPalette::WindowText, secondary);
        m_due->setPalette(duePalette);
    }

    const std::optional<PriorityLevel> level = RowStyle::priorityLevel(m_reminder.priority);
    m_badge->setLevel(level);
    m_badge->setText(level ? localizedString(RowStyle::priorityLabelKey(*level)) : QString());
    setAccessibleName(m_reminder.title);
    setAccessibleDescription(accessibleSummary());
}

QString ReminderRow::dueText() const
{
    if (!m_reminder.dueDate) {
        return {};
    }
    return m_reminder.dueIsAllDay ? DateTexts::rowDueDay(m_reminder.dueDate->date())
                                  : DateTexts::rowDueDate(*m_reminder.dueDate);
}

QString ReminderRow::accessibleSummary() const
{
    QStringList parts;
    parts.append(m_reminder.dueDate ? localizedString(QStringLiteral("panel.a11y.rowDue")).arg(dueText())
                                    : localizedString(QStringLiteral("panel.a11y.rowNoDue")));
    if (urgency() == Urgency::overdue) {
        parts.append(localizedString(QStringLiteral("panel.a11y.rowOverdue")));
    }
    if (const std::optional<PriorityLevel> level = RowStyle::priorityLevel(m_reminder.priority)) {
        parts.append(localizedString(QStringLiteral("panel.a11y.rowPriority"))
                         .arg(localizedString(RowStyle::priorityLabelKey(*level))));
    }
    if (m_reminder.recurrence != RecurrenceOption::none) {
        parts.append(localizedString(QStringLiteral("panel.a11y.rowRepeat"))
                         .arg(recurrenceWords(m_reminder.recurrence, m_reminder.repeatRule)));
    }
    return parts.join(QStringLiteral(", "));
}

void ReminderRow::setEditPresented(bool presented)
{
    if (presented == m_editPresented) {
        return;
    }
    m_editPresented = presented;
    if (presented) {
        ensureEditPopover();
        m_editForm->reload();
        Q_EMIT editPresentationChanged(m_reminder.id, true);
        m_editPopover->present(this, PopoverWindow::Side::trailing);
    } else {
        if (m_editPopover != nullptr) {
            m_editPopover->dismiss();
        }
        Q_EMIT editPresentationChanged(m_reminder.id, false);
    }
}

void ReminderRow::edit()
{
    m_editState = ReminderFormState::from(m_reminder, m_clock());
    m_editOpenedWith = m_editState;
    if (m_editForm != nullptr) {
        m_editForm->reload();
    }
    setEditPresented(true);
}

void ReminderRow::save()
{
    const QString title = m_editState.trimmedTitle();
    if (title.isEmpty()) {
        return;
    }
    if (m_editForm != nullptr) {
        m_editForm->clearError();
    }
    QCoro::connect(
        m_model->updateReminder(m_reminder.id, title, m_editState.trimmedNotes(), m_editState.effectiveDueDate(),
                                m_editState.priority, m_editState.recurrence,
                                ReminderFields{m_editOpenedWith.trimmedTitle(), m_editOpenedWith.trimmedNotes(),
                                               m_editOpenedWith.effectiveDueDate(), m_editOpenedWith.priority,
                                               m_editOpenedWith.recurrence, m_editOpenedWith.effectiveAllDay()},
                                m_editState.effectiveAllDay()),
        this, [this](bool saved) {
            if (saved) {
                setEditPresented(false);
            } else if (m_editForm != nullptr) {
                // The popover stays open with what was typed, and says why nothing changed.
                m_editForm->showError(failureText(*m_model));
            }
        });
}

void ReminderRow::ensureEditPopover()
{
    if (m_editPopover != nullptr) {
        return;
    }
    std::tie(m_editPopover, m_editForm) = makeFormPopover(
        this, &m_editState, QStringLiteral("button.save"), editPopoverWidth, [this] { setEditPresented(false); },
        [this] { save(); });
}

QMenu* ReminderRow::createContextMenu()
{
    auto* menu = new QMenu(this);
    // A menu is a window of its own and would show the desktop's colours on a night panel.
    menu->setPalette(PopoverSurface::explicitPalette(palette()));
    const QString id = m_reminder.id;
    QPointer<RemindersViewModel> model = m_model;
    QAction* completeAction = menu->addAction(localizedString(QStringLiteral("button.complete")));
    connect(completeAction, &QAction::triggered, this, [model, id] {
        if (model) {
            model->completeReminder(id);
        }
    });
    const QString deleteText = localizedString(QStringLiteral("button.delete"));
    QAction* removeAction = menu->addAction(deleteText);
    removeAction->setProperty("destructive", true);
    connect(removeAction, &QAction::triggered, this, [model, id] {
        if (model) {
            model->deleteReminder(id);
        }
    });
    QAction* editAction = menu->addAction(localizedString(QStringLiteral("button.edit")));
    connect(editAction, &QAction::triggered, this, &ReminderRow::edit);
    menu->setStyle(new DestructiveItemStyle(deleteText, menu));
    return menu;
}

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

void ReminderRow::openContextMenu(const std::optional<QPoint>& globalPosition)
{
    QMenu* menu = createContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    if (globalPosition) {
        menu->popup(*globalPosition);
        return;
    }
    // From the keyboard: under the title, with the first command selected so that arrows and Return work at once.
    menu->popup(m_title->mapToGlobal(QPoint(0, m_title->height())));
    menu->setActiveAction(menu->actions().value(0));
}

void ReminderRow::complete()
{
    m_model->completeReminder(m_reminder.id);
}

void ReminderRow::remove()
{
    m_model->deleteReminder(m_reminder.id);
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
            complete();
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
        complete();
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

void ReminderRow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    refreshUrgency();
}

void ReminderRow::paintEvent(QPaintEvent* event)
{
    // The row paints before its title does, so a due time that passed while the panel was open shows in this frame.
    refreshUrgency();
    QWidget::paintEvent(event);
    if (hasFocus() && m_showsFocusRing) {
        QPainter painter(this);
        RowStyle::paintFocusRing(painter, rect(), focusRadius, palette(), true);
    }
}

void ReminderRow::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange) {
        refresh();
    } else if (event->type() == QEvent::FontChange) {
        m_due->setFont(RowStyle::smallCaptionFont(font()));
        m_badge->setFont(RowStyle::smallCaptionFont(font()));
        refresh();
    }
}

} // namespace tolvik
