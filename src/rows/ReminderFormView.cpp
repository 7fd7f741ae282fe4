#include "rows/ReminderFormView.h"

#include "appearance/LocalizationManager.h"
#include "appearance/Preferences.h"
#include "model/RemindersViewModel.h"
#include "rows/AlertPicker.h"
#include "rows/ElidedTextLabel.h"
#include "rows/FormFields.h"
#include "rows/PopoverWindow.h"
#include "rows/RowStyle.h"
#include "rows/TagField.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextCharFormat>
#include <QTextEdit>
#include <QTimeEdit>
#include <QTimer>
#include <QVBoxLayout>

namespace tolvik {

namespace {

constexpr int formInset = 16 + 16;
constexpr int itemSpacing = 12;
constexpr int captionSpacing = 4;
constexpr qreal calendarFontScale = 0.85;
// A store's message names the file's whole path before the reason, which comes last and matters most: it wraps
// anywhere, and only a message longer than this many lines ends in "…" (the tooltip still holds all of it).
constexpr int errorLines = 8;

/// The priority choices in picker order, with the number each writes.
const QList<std::pair<QString, int>>& priorityChoices()
{
    static const QList<std::pair<QString, int>> choices = {
        {QStringLiteral("priority.none"), 0},
        {QStringLiteral("reminder.priority.low"), 9},
        {QStringLiteral("reminder.priority.medium"), 5},
        {QStringLiteral("reminder.priority.high"), 1},
    };
    return choices;
}

QString recurrenceKey(RecurrenceOption option)
{
    return QStringLiteral("recurrence.") + rawValue(option);
}

QLabel* captionLabel(QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setFont(RowStyle::captionFont(parent->font()));
    return label;
}

} // namespace

ReminderFormView::ReminderFormView(ReminderFormState* state, QString primaryButtonKey, QWidget* parent)
    : QWidget(parent)
    , m_state(state)
    , m_primaryButtonKey(std::move(primaryButtonKey))
{
    build();
    bind();
    connect(&Preferences::shared(), &Preferences::changed, this, [this](const QString& key) {
        if (key == PreferenceKey::languagePreference) {
            retranslate();
        }
    });
    retranslate();
    applyColors();
    reload();
}

void ReminderFormView::build()
{
    auto* stack = new QVBoxLayout(this);
    stack->setContentsMargins(formInset, formInset, formInset, formInset);
    stack->setSpacing(itemSpacing);

    m_title = new QLineEdit(this);
    m_title->setClearButtonEnabled(false);
    stack->addWidget(m_title);

    m_dueToggle = new QCheckBox(this);
    stack->addWidget(m_dueToggle);

    m_dueGroup = new QWidget(this);
    auto* due = new QVBoxLayout(m_dueGroup);
    due->setContentsMargins(0, 0, 0, 0);
    due->setSpacing(captionSpacing);
    m_dueLabel = captionLabel(m_dueGroup);
    m_calendar = new QCalendarWidget(m_dueGroup);
    m_calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    m_calendar->setGridVisible(false);
    auto* timeRow = new QHBoxLayout;
    timeRow->setSpacing(8);
    m_timeLabel = captionLabel(m_dueGroup);
    m_allDay = new QCheckBox(m_dueGroup);
    m_time = new TimeField(m_dueGroup);
    m_time->setButtonSymbols(QAbstractSpinBox::UpDownArrows);
    m_time->setLocale(QLocale::system());
    m_time->setDisplayFormat(timeFieldFormat(QLocale::system()));
    timeRow->addWidget(m_timeLabel);
    timeRow->addStretch();
    timeRow->addWidget(m_allDay);
    timeRow->addWidget(m_time);
    due->addWidget(m_dueLabel);
    due->addWidget(m_calendar);
    due->addSpacing(captionSpacing);
    due->addLayout(timeRow);
    stack->addWidget(m_dueGroup);

    m_alertPicker = new AlertPicker(this);
    stack->addWidget(m_alertPicker);

    auto* pickers = new QHBoxLayout;
    pickers->setSpacing(itemSpacing);
    for (int column = 0; column < 2; ++column) {
        auto* stackColumn = new QVBoxLayout;
        stackColumn->setSpacing(captionSpacing);
        QLabel* caption = captionLabel(this);
        auto* picker = new FormPicker(this);
        picker->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        picker->setMinimumContentsLength(4);
        picker->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        stackColumn->addWidget(caption);
        stackColumn->addWidget(picker);
        pickers->addLayout(stackColumn, 1);
        (column == 0 ? m_priorityCaption : m_recurrenceCaption) = caption;
        (column == 0 ? m_priority : m_recurrence) = picker;
    }
    pickers->setAlignment(Qt::AlignTop);
    stack->addLayout(pickers);
    for (const auto& [key, value] : priorityChoices()) {
        m_priority->addItem(QString(), value);
    }
    const QList<RecurrenceOption> options = allRecurrenceOptions();
    for (RecurrenceOption option : options) {
        m_recurrence->addItem(QString(), rawValue(option));
    }

    m_tags = new TagField(this);
    stack->addWidget(m_tags);

    m_notes = new GrowingTextEdit(this);
    stack->addWidget(m_notes);

    auto* buttons = new QHBoxLayout;
    m_cancel = new FormButton(this);
    m_submit = new FormButton(this);
    // As in a dialog: Return on a focused button presses it, and elsewhere (outside the notes) it submits, which
    // the default button shows.
    for (QPushButton* button : {m_cancel, m_submit}) {
        button->setAutoDefault(true);
    }
    m_submit->setDefault(true);
    buttons->addWidget(m_cancel);
    buttons->addStretch();
    buttons->addWidget(m_submit);
    stack->addLayout(buttons);

    m_errorLine = new QWidget(this);
    auto* error = new QHBoxLayout(m_errorLine);
    error->setContentsMargins(0, 0, 0, 0);
    error->setSpacing(captionSpacing + 2);
    m_errorIcon = new QLabel(m_errorLine);
    m_errorText = new ElidedTextLabel(errorLines, m_errorLine);
    m_errorText->setFont(RowStyle::captionFont(font()));
    error->addWidget(m_errorIcon, 0, Qt::AlignTop);
    error->addWidget(m_errorText, 1);
    m_errorLine->hide();
    stack->addWidget(m_errorLine);
    updateMinimumWidth();
}

void ReminderFormView::bind()
{
    connect(m_title, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (!m_reloading) {
            m_state->title = text;
            Q_EMIT edited();
        }
        updateSubmitEnabled();
    });
    connect(m_dueToggle, &QCheckBox::toggled, this, [this](bool on) {
        if (m_reloading) {
            return;
        }
        m_state->includeDueDate = on;
        // A repeat counts from a date: without one, other clients drop the rule and the series cannot move on.
        if (!on && m_state->recurrence != RecurrenceOption::none) {
            m_state->recurrence = RecurrenceOption::none;
            m_recurrence->setCurrentIndex(m_recurrence->findData(rawValue(RecurrenceOption::none)));
        }
        showDueDate();
        Q_EMIT edited();
    });
    connect(m_allDay, &QCheckBox::toggled, this, [this](bool on) {
        m_time->setEnabled(!on);
        if (m_reloading) {
            return;
        }
        m_state->allDay = on;
        showAlertDue();
        Q_EMIT edited();
    });
    connect(m_calendar, &QCalendarWidget::selectionChanged, this, [this] {
        QDateTime due = m_state->dueDate;
        due.setDate(m_calendar->selectedDate());
        writeDueDate(due);
    });
    connect(m_time, &QTimeEdit::timeChanged, this, [this](QTime time) {
        QDateTime due = m_state->dueDate;
        due.setTime(QTime(time.hour(), time.minute()));
        writeDueDate(due);
    });
    // `activated` fires only on the user's choice, so a priority the picker cannot show stays as it is.
    connect(m_priority, &QComboBox::activated, this, [this](int index) {
        m_state->priority = m_priority->itemData(index).toInt();
        Q_EMIT edited();
    });
    connect(m_recurrence, &QComboBox::activated, this, [this](int index) {
        m_state->recurrence =
            recurrenceOptionFromRawValue(m_recurrence->itemData(index).toString()).value_or(RecurrenceOption::none);
        if (m_state->recurrence != RecurrenceOption::none && !m_state->includeDueDate) {
            m_state->includeDueDate = true;
            m_reloading = true;
            m_dueToggle->setChecked(true);
            m_reloading = false;
            showDueDate();
        }
        Q_EMIT edited();
    });
    connect(m_notes, &QTextEdit::textChanged, this, [this] {
        if (!m_reloading) {
            m_state->notes = m_notes->toPlainText();
            Q_EMIT edited();
        }
    });
    connect(m_tags, &TagField::tagsEdited, this, [this](const QStringList& tags) {
        m_state->tags = tags;
        Q_EMIT edited();
    });
    connect(m_alertPicker, &AlertPicker::alertChosen, this, [this](const ReminderAlert& alert) {
        m_state->alert = alert;
        Q_EMIT edited();
    });
    // The error speaks of the values that failed; once the user changes them it no longer applies.
    connect(this, &ReminderFormView::edited, this, &ReminderFormView::clearError);
    connect(m_cancel, &QPushButton::clicked, this, &ReminderFormView::cancelRequested);
    connect(m_submit, &QPushButton::clicked, this, &ReminderFormView::requestSubmit);
}

void ReminderFormView::requestSubmit()
{
    if (!m_state->trimmedTitle().isEmpty()) {
        Q_EMIT submitRequested();
    }
}

void ReminderFormView::keyPressEvent(QKeyEvent* event)
{
    // Return that no field took for itself (the notes take it for a new line, a focused button presses itself)
    // submits, as in every desktop dialog.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (enter && (modifiers == Qt::NoModifier || modifiers == Qt::ControlModifier)) {
        event->accept();
        requestSubmit();
        return;
    }
    QWidget::keyPressEvent(event);
}

void ReminderFormView::showError(const QString& text)
{
    const int side = QFontMetrics(m_errorText->font()).height();
    m_errorIcon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning, nullptr, this).pixmap(side, side));
    m_errorText->setText(text);
    m_errorText->setToolTip(text);
    m_errorText->setTextColor(RowStyle::secondaryText(palette()));
    m_errorLine->setAccessibleName(text);
    m_errorLine->show();
}

void ReminderFormView::clearError()
{
    m_errorText->setText(QString());
    m_errorLine->hide();
}

QString ReminderFormView::errorText() const
{
    return m_errorLine->isHidden() ? QString() : m_errorText->text();
}

void ReminderFormView::showCustomRepeat()
{
    // The custom rule stays on offer after the user picks another repeat, so that the choice can be taken back.
    const int custom = m_recurrence->findData(rawValue(RecurrenceOption::custom));
    if (!m_state->customRule) {
        if (custom >= 0) {
            m_recurrence->removeItem(custom);
        }
        return;
    }
    const QString words = recurrenceWords(RecurrenceOption::custom, *m_state->customRule);
    if (custom >= 0) {
        m_recurrence->setItemText(custom, words);
    } else {
        m_recurrence->addItem(words, rawValue(RecurrenceOption::custom));
    }
}

void ReminderFormView::reload()
{
    m_reloading = true;
    if (m_title->text() != m_state->title) {
        m_title->setText(m_state->title);
    }
    m_dueToggle->setChecked(m_state->includeDueDate);
    m_priority->setCurrentIndex(m_priority->findData(m_state->priority));
    showCustomRepeat();
    m_recurrence->setCurrentIndex(m_recurrence->findData(rawValue(m_state->recurrence)));
    if (m_notes->toPlainText() != m_state->notes) {
        m_notes->setPlainText(m_state->notes);
    }
    m_tags->setTags(m_state->tags);
    m_tags->setSuggestions(m_state->knownTags);
    m_alertPicker->showAlert(m_state->alert, m_state->firstAlarm, m_state->moreAlarmCount, m_state->effectiveDueDate());
    m_reloading = false;
    showDueDate();
    updateSubmitEnabled();
}

void ReminderFormView::showAlertDue()
{
    m_alertPicker->setDueDate(m_state->effectiveDueDate());
}

void ReminderFormView::showDueDate()
{
    showAlertDue();
    m_dueGroup->setVisible(m_state->includeDueDate);
    if (!m_state->includeDueDate) {
        return;
    }
    // Turning the switch on shows whatever the owner holds; the pickers write back only on the user's change.
    m_reloading = true;
    const QSignalBlocker calendarBlocker(m_calendar);
    const QSignalBlocker timeBlocker(m_time);
    m_calendar->setSelectedDate(m_state->dueDate.date());
    m_time->setTime(m_state->dueDate.time());
    m_allDay->setChecked(m_state->allDay);
    m_time->setEnabled(!m_state->allDay);
    m_reloading = false;
}

void ReminderFormView::writeDueDate(const QDateTime& dueDate)
{
    if (m_reloading || !dueDate.isValid()) {
        return;
    }
    m_state->dueDate = dueDate;
    showAlertDue();
    Q_EMIT edited();
}

void ReminderFormView::updateMinimumWidth()
{
    // A compact calendar, and a width that already fits it, so that the form does not widen when it appears.
    QFont compact = font();
    compact.setPointSizeF(font().pointSizeF() * calendarFontScale);
    m_calendar->setFont(compact);
    setMinimumWidth(qMax(minimumFormWidth, m_calendar->minimumSizeHint().width() + 2 * formInset));
}

void ReminderFormView::updateSubmitEnabled()
{
    m_submit->setEnabled(!m_title->text().trimmed().isEmpty());
}

void ReminderFormView::retranslate()
{
    m_title->setPlaceholderText(localizedString(QStringLiteral("form.title")));
    m_dueToggle->setText(localizedString(QStringLiteral("form.setDueDate")));
    m_dueLabel->setText(localizedString(QStringLiteral("form.dueLabel")));
    m_timeLabel->setText(localizedString(QStringLiteral("form.timeLabel")));
    m_allDay->setText(localizedString(QStringLiteral("form.allDay")));
    m_priorityCaption->setText(localizedString(QStringLiteral("form.priority")));
    m_recurrenceCaption->setText(localizedString(QStringLiteral("form.recurrence")));
    m_title->setAccessibleName(m_title->placeholderText());
    m_calendar->setAccessibleName(m_dueLabel->text());
    m_time->setAccessibleName(m_timeLabel->text());
    m_priority->setAccessibleName(m_priorityCaption->text());
    m_recurrence->setAccessibleName(m_recurrenceCaption->text());
    for (int index = 0; index < priorityChoices().size(); ++index) {
        m_priority->setItemText(index, localizedString(priorityChoices().at(index).first));
    }
    const QList<RecurrenceOption> options = allRecurrenceOptions();
    for (int index = 0; index < options.size(); ++index) {
        m_recurrence->setItemText(index, localizedString(recurrenceKey(options.at(index))));
    }
    showCustomRepeat();
    // The pickers measure their entries again, in the new language's script.
    m_priority->updateGeometry();
    m_recurrence->updateGeometry();
    m_tags->setPlaceholderText(localizedString(QStringLiteral("form.tags.placeholder")));
    m_tags->setAccessibleName(localizedString(QStringLiteral("form.tags")));
    m_notes->setPlaceholderText(localizedString(QStringLiteral("form.notes")));
    m_notes->setAccessibleName(m_notes->placeholderText());
    m_cancel->setText(localizedString(QStringLiteral("button.cancel")));
    m_submit->setText(localizedString(m_primaryButtonKey));
}

void ReminderFormView::applyColors()
{
    const QPalette own = palette();
    const QColor secondary = RowStyle::secondaryText(own);
    for (QLabel* caption : {m_dueLabel, m_timeLabel, m_priorityCaption, m_recurrenceCaption}) {
        QPalette captionPalette = caption->palette();
        captionPalette.setColor(QPalette::WindowText, secondary);
        caption->setPalette(captionPalette);
    }
    // The prominent button: filled with the accent colour, its caption in the accent's text colour.
    QPalette prominent = m_submit->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        prominent.setColor(group, QPalette::Button, own.color(QPalette::Active, QPalette::Highlight));
        prominent.setColor(group, QPalette::ButtonText, own.color(QPalette::Active, QPalette::HighlightedText));
    }
    m_submit->setPalette(prominent);
    m_errorText->setTextColor(secondary);
    // Weekend days in a red that stays readable on both light and dark popovers.
    QTextCharFormat weekend = m_calendar->weekdayTextFormat(Qt::Saturday);
    weekend.setForeground(RowStyle::alertRed(own));
    m_calendar->setWeekdayTextFormat(Qt::Saturday, weekend);
    m_calendar->setWeekdayTextFormat(Qt::Sunday, weekend);
    QFont bold = m_submit->font();
    bold.setWeight(QFont::DemiBold);
    m_submit->setFont(bold);
}

void ReminderFormView::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // Typing goes straight into the title, a moment after the form appears.
    QTimer::singleShot(titleFocusDelayMs, this, [this] {
        if (isVisible()) {
            m_title->setFocus(Qt::OtherFocusReason);
        }
    });
}

void ReminderFormView::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange) {
        applyColors();
    } else if (event->type() == QEvent::FontChange) {
        for (QLabel* caption : {m_dueLabel, m_timeLabel, m_priorityCaption, m_recurrenceCaption}) {
            caption->setFont(RowStyle::captionFont(font()));
        }
        m_errorText->setFont(RowStyle::captionFont(font()));
        updateMinimumWidth();
    }
}

QString failureText(const RemindersViewModel& model)
{
    const std::optional<QString> error = model.lastOperationError();
    return error && !error->isEmpty() ? *error : localizedString(QStringLiteral("panel.form.saveFailed"));
}

std::pair<PopoverWindow*, ReminderFormView*> makeFormPopover(QWidget* owner, ReminderFormState* state,
                                                             const QString& primaryButtonKey, int width,
                                                             const std::function<void()>& close,
                                                             const std::function<void()>& submit)
{
    auto* popover = new PopoverWindow(PopoverWindow::Kind::popup, owner);
    auto* form = new ReminderFormView(state, primaryButtonKey);
    popover->setContent(form);
    popover->setContentWidth(width);
    QObject::connect(form, &ReminderFormView::cancelRequested, owner, close);
    QObject::connect(form, &ReminderFormView::submitRequested, owner, submit);
    QObject::connect(popover, &PopoverWindow::closed, owner, close);
    return {popover, form};
}

} // namespace tolvik
