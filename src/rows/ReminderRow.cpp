#include "rows/ReminderRow.h"

#include "appearance/DateTexts.h"
#include "appearance/LocalizationManager.h"
#include "appearance/Preferences.h"
#include "appearance/SymbolIcons.h"
#include "rows/ElidedTextLabel.h"
#include "rows/PopoverWindow.h"
#include "rows/PriorityBadge.h"
#include "rows/ReminderFormView.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

namespace tolvik {

namespace {

constexpr int rowSpacing = 8;
constexpr int stackSpacing = 4;
constexpr int titleSpacing = 4;
constexpr qreal focusRadius = 6;

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

void ReminderRow::setSearchQuery(const SearchQuery& query)
{
    m_searchQuery = query;
    m_title->setHighlights(query.matchedSpans(m_reminder.title));
}

void ReminderRow::refresh()
{
    const QPalette& own = palette();
    m_title->setText(m_reminder.title);
    m_title->setHighlights(m_searchQuery.matchedSpans(m_reminder.title));
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
