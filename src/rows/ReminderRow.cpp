#include "rows/ReminderRow.h"

#include "appearance/DateTexts.h"
#include "appearance/LocalizationManager.h"
#include "appearance/Preferences.h"
#include "appearance/SymbolIcons.h"
#include "model/RemindersViewModel.h"
#include "rows/ElidedTextLabel.h"
#include "rows/PopoverWindow.h"
#include "rows/PriorityBadge.h"
#include "rows/ReminderFormView.h"
#include "rows/RowBadges.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QToolButton>
#include <QVBoxLayout>

namespace tolvik {

namespace {

constexpr int rowSpacing = 8;
constexpr int stackSpacing = 4;
constexpr int titleSpacing = 4;
constexpr qreal focusRadius = 6;
constexpr int foldSide = 16;

/// The control that folds the sub-tasks under a row: a chevron pointing down while they show, to the side when
/// they are hidden. Drawn here so that it takes the row's text colour in either theme.
class FoldButton : public QToolButton
{
public:
    explicit FoldButton(QWidget* parent)
        : QToolButton(parent)
    {
        setObjectName(QStringLiteral("foldButton"));
        setFixedSize(foldSide, foldSide);
        setAutoRaise(true);
        setCursor(Qt::PointingHandCursor);
        // The row's Left and Right keys fold and unfold; Tab keeps to the lists' buttons.
        setFocusPolicy(Qt::NoFocus);
    }
    bool folded = false;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const QColor color = underMouse() ? palette().color(QPalette::WindowText) : RowStyle::secondaryText(palette());
        painter.setPen(QPen(color, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        const QPointF c = QRectF(rect()).center();
        const qreal arm = 3.5;
        QPainterPath path;
        if (folded) {
            // Points towards the text, whichever way the text runs.
            const qreal dir = layoutDirection() == Qt::RightToLeft ? -1 : 1;
            path.moveTo(c.x() - dir * arm / 2, c.y() - arm);
            path.lineTo(c.x() + dir * arm / 2, c.y());
            path.lineTo(c.x() - dir * arm / 2, c.y() + arm);
        } else {
            path.moveTo(c.x() - arm, c.y() - arm / 2);
            path.lineTo(c.x(), c.y() + arm / 2);
            path.lineTo(c.x() + arm, c.y() - arm / 2);
        }
        painter.drawPath(path);
    }
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
    , m_progress(new QLabel(this))
    , m_badges(new RowBadges(this))
    , m_hint(new ElidedTextLabel(1, this))
    , m_fold(new FoldButton(this))
    , m_check(createCheckButton(this))
{
    m_editOpenedWith = m_editState;
    cacheOverdueAt();
    setAttribute(Qt::WA_Hover);
    // Rows take the focus from a click or from the panel's arrow keys; Tab keeps to the buttons.
    setFocusPolicy(Qt::ClickFocus);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    m_repeat->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_due->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_due->setFont(RowStyle::smallCaptionFont(font()));
    m_progress->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_progress->setObjectName(QStringLiteral("subtaskProgress"));
    m_progress->setFont(RowStyle::smallCaptionFont(font()));
    m_hint->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_hint->setObjectName(QStringLiteral("parentHint"));
    m_hint->setFont(RowStyle::smallCaptionFont(font()));
    connect(m_fold, &QToolButton::clicked, this, [this] { Q_EMIT foldRequested(m_reminder.id, !m_folded); });
    connect(m_check, &QToolButton::clicked, this, &ReminderRow::reopen);

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(rowSpacing);
    auto* stack = new QVBoxLayout;
    stack->setSpacing(stackSpacing);
    auto* titleLine = new QHBoxLayout;
    titleLine->setSpacing(titleSpacing);
    titleLine->addWidget(m_check, 0, Qt::AlignTop);
    titleLine->addWidget(m_fold, 0, Qt::AlignTop);
    titleLine->addWidget(m_repeat, 0, Qt::AlignVCenter);
    titleLine->addWidget(m_title, 1);
    stack->addLayout(titleLine);
    auto* dueLine = new QHBoxLayout;
    dueLine->setSpacing(rowSpacing);
    dueLine->addWidget(m_due);
    dueLine->addWidget(m_progress);
    dueLine->addWidget(m_badges);
    dueLine->addStretch(1);
    stack->addLayout(dueLine);
    stack->addWidget(m_hint);
    row->addLayout(stack, 1);
    // The badge sits on the first line, next to the start of the title.
    row->addWidget(m_badge, 0, Qt::AlignTop);

    connect(&Preferences::shared(), &Preferences::changed, this, [this](const QString& key) {
        if (key == PreferenceKey::languagePreference) {
            refresh();
        }
    });
    if (m_model != nullptr) {
        connect(m_model, &RemindersViewModel::otherVersionsChanged, this, &ReminderRow::refresh);
    }
    refresh();
}

ReminderRow::~ReminderRow()
{
    // Deleting a shown popover hides it, and its close must not reach this half-destroyed row.
    for (PopoverWindow* popover : {m_editPopover, m_subtaskPopover}) {
        if (popover != nullptr) {
            popover->disconnect(this);
            delete popover;
        }
    }
}

void ReminderRow::setReminder(const ReminderItem& reminder)
{
    const bool identityChanged = reminder.id != m_reminder.id;
    m_reminder = reminder;
    cacheOverdueAt();
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
    if (m_reminder.isCompleted) {
        return Urgency::normal;
    }
    return RowStyle::urgency(m_overdueAtMSecs, m_clock().toMSecsSinceEpoch());
}

void ReminderRow::cacheOverdueAt()
{
    const std::optional<QDateTime> overdueAt = m_reminder.overdueAt();
    m_overdueAtMSecs =
        overdueAt && overdueAt->isValid() ? std::optional<qint64>(overdueAt->toMSecsSinceEpoch()) : std::nullopt;
}

QColor ReminderRow::titleColor() const
{
    return m_title->textColor();
}

void ReminderRow::refreshUrgency()
{
    const Urgency now = urgency();
    // A completed reminder is greyed, whenever it was due.
    m_title->setTextColor(m_reminder.isCompleted ? RowStyle::secondaryText(palette())
                                                 : RowStyle::urgencyColor(now, palette()));
    if (now != m_shownUrgency) {
        m_shownUrgency = now;
        setAccessibleDescription(accessibleSummary());
    }
}

void ReminderRow::setSearchQuery(const SearchQuery& query)
{
    m_searchQuery = query;
    // Finding the marks is most of what a keystroke costs a row: a row out of view finds them when it is shown or
    // painted.
    if (!isVisible() || visibleRegion().isEmpty()) {
        m_highlightsStale = true;
        return;
    }
    applyHighlights();
}

void ReminderRow::applyHighlights()
{
    m_highlightsStale = false;
    m_title->setHighlights(m_searchQuery.matchedSpans(m_reminder.title));
}

void ReminderRow::refresh()
{
    const QPalette& own = palette();
    m_title->setText(m_reminder.title);
    applyHighlights();
    refreshUrgency();

    const QColor secondary = RowStyle::secondaryText(own);
    const bool repeats = m_reminder.recurrence != RecurrenceOption::none;
    m_repeat->setVisible(repeats);
    if (repeats) {
        const int side = QFontMetrics(RowStyle::smallCaptionFont(font())).height();
        m_repeat->setPixmap(
            SymbolIcons::pixmap(QStringLiteral("repeat"), secondary, QSize(side, side), devicePixelRatioF()));
    }

    // A completed reminder says when it was completed where an open one says when it is due.
    const QString detail = m_reminder.isCompleted ? completedText() : dueText();
    m_due->setVisible(!detail.isEmpty());
    if (!detail.isEmpty()) {
        m_due->setText(detail);
        QPalette duePalette = m_due->palette();
        duePalette.setColor(QPalette::WindowText, secondary);
        m_due->setPalette(duePalette);
    }

    QPalette captionPalette = m_progress->palette();
    captionPalette.setColor(QPalette::WindowText, secondary);
    m_progress->setPalette(captionPalette);
    m_progress->setText(progressText());
    m_progress->setVisible(!m_progress->text().isEmpty());
    m_badges->setReminder(m_reminder, m_model != nullptr && m_model->hasOtherVersion(m_reminder));
    m_hint->setTextColor(secondary);
    m_hint->setText(hintText());
    m_hint->setVisible(!m_hint->text().isEmpty());
    m_fold->setVisible(m_reminder.shownSubtaskCount > 0);
    static_cast<FoldButton*>(m_fold)->folded = m_folded;
    m_fold->setAccessibleName(
        localizedString(m_folded ? QStringLiteral("subtasks.a11y.unfold") : QStringLiteral("subtasks.a11y.fold"))
            .arg(m_reminder.title));
    m_fold->setToolTip(m_fold->accessibleName());
    m_fold->update();

    const std::optional<PriorityLevel> level = RowStyle::priorityLevel(m_reminder.priority);
    m_badge->setLevel(m_reminder.isCompleted ? std::nullopt : level);
    m_badge->setText(level ? localizedString(RowStyle::priorityLabelKey(*level)) : QString());
    refreshCompletion();
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

void ReminderRow::setFolded(bool folded)
{
    if (folded == m_folded) {
        return;
    }
    m_folded = folded;
    refresh();
}

void ReminderRow::setReservesFoldSpace(bool reserves)
{
    QSizePolicy policy = m_fold->sizePolicy();
    if (policy.retainSizeWhenHidden() == reserves) {
        return;
    }
    policy.setRetainSizeWhenHidden(reserves);
    m_fold->setSizePolicy(policy);
}

QString ReminderRow::progressText() const
{
    if (m_reminder.subtaskCount <= 0) {
        return {};
    }
    return localizedString(QStringLiteral("subtasks.progress"))
        .arg(m_reminder.completedSubtaskCount)
        .arg(m_reminder.subtaskCount);
}

QString ReminderRow::hintText() const
{
    using Hint = ReminderItem::ParentHint;
    switch (m_reminder.parentHint) {
    case Hint::none:
        return {};
    case Hint::missing:
        return localizedString(QStringLiteral("subtasks.hint.missing"));
    case Hint::otherList:
        return localizedString(QStringLiteral("subtasks.hint.otherList")).arg(m_reminder.parentTitle);
    case Hint::notShown:
        return localizedString(QStringLiteral("subtasks.hint.notShown")).arg(m_reminder.parentTitle);
    case Hint::loop:
        return localizedString(QStringLiteral("subtasks.hint.loop"));
    }
    return {};
}

QString ReminderRow::accessibleSummary() const
{
    QStringList parts;
    if (m_reminder.isCompleted) {
        parts.append(completedText());
    } else {
        parts.append(m_reminder.dueDate ? localizedString(QStringLiteral("panel.a11y.rowDue")).arg(dueText())
                                        : localizedString(QStringLiteral("panel.a11y.rowNoDue")));
    }
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
    if (m_reminder.depth > 0) {
        parts.append(localizedString(QStringLiteral("subtasks.a11y.subtaskOf")).arg(m_reminder.parentTitle));
    }
    for (const QString& caption : {m_badges->accessibleText(), progressText(), hintText()}) {
        if (!caption.isEmpty()) {
            parts.append(caption);
        }
    }
    if (m_folded && m_reminder.shownSubtaskCount > 0) {
        parts.append(localizedString(QStringLiteral("subtasks.a11y.folded")));
    }
    return parts.join(QStringLiteral(", "));
}

void ReminderRow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    refreshUrgency();
    if (m_highlightsStale) {
        applyHighlights();
    }
}

void ReminderRow::paintEvent(QPaintEvent* event)
{
    // The row paints before its title does, so a due time that passed while the panel was open shows in this frame.
    refreshUrgency();
    if (m_highlightsStale) {
        applyHighlights();
    }
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
        m_progress->setFont(RowStyle::smallCaptionFont(font()));
        m_hint->setFont(RowStyle::smallCaptionFont(font()));
        m_badge->setFont(RowStyle::smallCaptionFont(font()));
        refresh();
    }
}

} // namespace tolvik
