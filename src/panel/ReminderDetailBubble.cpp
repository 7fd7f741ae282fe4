#include "panel/ReminderDetailBubble.h"

#include "appearance/DateTexts.h"
#include "appearance/LocalizationManager.h"
#include "appearance/Preferences.h"
#include "appearance/SymbolIcons.h"
#include "rows/AlertTexts.h"
#include "rows/ElidedTextLabel.h"
#include "rows/RowStyle.h"

#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace tolvik {

namespace {

constexpr int margin = 12;
constexpr int spacing = 8;
constexpr int iconSpacing = 6;
// Enough for any title and for notes far longer than a bubble should be read in; beyond that they end in "…".
constexpr int titleLines = 12;
constexpr int notesLines = 30;

QLabel* wrappingLabel(QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeading | Qt::AlignTop);
    return label;
}

/// A line of a symbol and a caption text.
QWidget* iconLine(QWidget* parent, QLabel*& icon, QLabel*& text)
{
    auto* line = new QWidget(parent);
    auto* layout = new QHBoxLayout(line);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(iconSpacing);
    icon = new QLabel(line);
    text = wrappingLabel(line);
    layout->addWidget(icon, 0, Qt::AlignTop);
    layout->addWidget(text, 1);
    return line;
}

} // namespace

ReminderDetailBubble::ReminderDetailBubble(QWidget* parent)
    : QWidget(parent)
{
    auto* stack = new QVBoxLayout(this);
    stack->setContentsMargins(margin, margin, margin, margin);
    stack->setSpacing(spacing);
    m_title = new ElidedTextLabel(titleLines, this);
    m_dateLine = iconLine(this, m_dateIcon, m_dateText);
    m_repeatLine = iconLine(this, m_repeatIcon, m_repeatText);
    m_alertLine = iconLine(this, m_alertIcon, m_alertText);
    m_tagsLine = iconLine(this, m_tagsIcon, m_tagsText);
    m_divider = new QFrame(this);
    m_divider->setFixedHeight(1);
    m_divider->setAutoFillBackground(true);
    m_notes = new ElidedTextLabel(notesLines, this);
    m_notes->setKeepsLineBreaks(true);
    stack->addWidget(m_title);
    stack->addWidget(m_dateLine);
    stack->addWidget(m_repeatLine);
    stack->addWidget(m_alertLine);
    stack->addWidget(m_tagsLine);
    stack->addWidget(m_divider);
    stack->addWidget(m_notes);

    connect(&Preferences::shared(), &Preferences::changed, this, [this](const QString& key) {
        if (key == PreferenceKey::languagePreference) {
            refresh();
        }
    });
    refresh();
}

void ReminderDetailBubble::setReminder(const ReminderItem& reminder)
{
    m_reminder = reminder;
    refresh();
}

void ReminderDetailBubble::refresh()
{
    const QPalette& own = palette();
    const QColor secondary = RowStyle::secondaryText(own);
    const QFont caption = RowStyle::captionFont(font());
    const int iconSide = QFontMetrics(caption).height();

    m_title->setFont(RowStyle::headlineFont(font()));
    m_title->setText(m_reminder.title);

    for (QLabel* text : {m_dateText, m_repeatText, m_alertText, m_tagsText}) {
        text->setFont(caption);
        QPalette dimmed = text->palette();
        dimmed.setColor(QPalette::WindowText, secondary);
        text->setPalette(dimmed);
    }
    m_dateLine->setVisible(m_reminder.dueDate.has_value());
    if (m_reminder.dueDate) {
        m_dateIcon->setPixmap(
            SymbolIcons::pixmap(QStringLiteral("calendar"), secondary, QSize(iconSide, iconSide), devicePixelRatioF()));
        m_dateText->setText(m_reminder.dueIsAllDay ? DateTexts::bubbleDay(m_reminder.dueDate->date())
                                                   : DateTexts::bubbleDate(*m_reminder.dueDate));
    }
    const bool repeats = m_reminder.recurrence != RecurrenceOption::none;
    m_repeatLine->setVisible(repeats);
    if (repeats) {
        m_repeatIcon->setPixmap(
            SymbolIcons::pixmap(QStringLiteral("repeat"), secondary, QSize(iconSide, iconSide), devicePixelRatioF()));
        m_repeatText->setText(recurrenceWords(m_reminder.recurrence, m_reminder.repeatRule));
    }
    // Every alarm, one a line: the form shows only the first.
    QStringList alarms;
    for (const StoreAlarm& alarm : std::as_const(m_reminder.alarms)) {
        alarms.append(alarm.anchor == AlarmAnchor::absolute && alarm.absoluteTime
                          ? DateTexts::bubbleDate(*alarm.absoluteTime)
                          : AlertTexts::alarmWords(alarm));
    }
    const bool silenced = m_reminder.alertSilenced && alarms.isEmpty();
    m_alertLine->setVisible(silenced || !alarms.isEmpty());
    if (silenced || !alarms.isEmpty()) {
        m_alertIcon->setPixmap(SymbolIcons::pixmap(silenced ? QStringLiteral("bell.slash") : QStringLiteral("bell"),
                                                   secondary, QSize(iconSide, iconSide), devicePixelRatioF()));
        m_alertText->setText(silenced ? localizedString(QStringLiteral("alert.silenced"))
                                      : alarms.join(QLatin1Char('\n')));
    }
    m_tagsLine->setVisible(!m_reminder.categories.isEmpty());
    if (!m_reminder.categories.isEmpty()) {
        m_tagsIcon->setPixmap(
            SymbolIcons::pixmap(QStringLiteral("tag"), secondary, QSize(iconSide, iconSide), devicePixelRatioF()));
        // Not a comma between them: a tag may hold one ("Errands, town").
        m_tagsText->setText(m_reminder.categories.join(QStringLiteral(" \u00B7 ")));
    }

    const bool hasNotes = m_reminder.notes.has_value() && !m_reminder.notes->isEmpty();
    m_divider->setVisible(hasNotes && m_reminder.dueDate.has_value());
    QPalette rule = m_divider->palette();
    rule.setColor(QPalette::Window, RowStyle::rowSeparator(own));
    m_divider->setPalette(rule);
    m_notes->setVisible(hasNotes);
    m_notes->setFont(caption);
    m_notes->setText(hasNotes ? *m_reminder.notes : QString());
    updateGeometry();
}

QSize ReminderDetailBubble::sizeHint() const
{
    // The widest line as one unwrapped line, capped: short details make a small bubble, long ones wrap at 260.
    int natural = QFontMetrics(m_title->font()).horizontalAdvance(m_reminder.title);
    const int iconSide = QFontMetrics(m_dateText->font()).height();
    if (m_dateLine->isVisibleTo(this)) {
        natural =
            qMax(natural, iconSide + iconSpacing + m_dateText->fontMetrics().horizontalAdvance(m_dateText->text()));
    }
    for (QLabel* text : {m_repeatText, m_alertText, m_tagsText}) {
        if (text->parentWidget()->isVisibleTo(this)) {
            for (const QString& line : text->text().split(QLatin1Char('\n'))) {
                natural = qMax(natural, iconSide + iconSpacing + text->fontMetrics().horizontalAdvance(line));
            }
        }
    }
    if (m_notes->isVisibleTo(this)) {
        const QStringList lines = m_notes->text().split(QLatin1Char('\n'));
        for (const QString& line : lines) {
            natural = qMax(natural, m_notes->fontMetrics().horizontalAdvance(line));
        }
    }
    const int width = qMin(maximumWidth, natural + 2 * margin + 2);
    return {width, heightForWidth(width)};
}

void ReminderDetailBubble::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::FontChange) {
        refresh();
    }
}

} // namespace tolvik
