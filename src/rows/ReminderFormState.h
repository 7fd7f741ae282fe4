#pragma once

#include "model/RecurrenceOption.h"
#include "model/ReminderAlert.h"
#include "model/ReminderItem.h"

#include <QDateTime>
#include <QString>

#include <optional>

namespace tolvik {

/// The values a reminder form edits. The form's owner keeps one and the form writes every change into it at once,
/// so the values survive the form closing.
struct ReminderFormState
{
    QString title;
    bool includeDueDate = false;
    QDateTime dueDate;
    /// Due on the day of `dueDate` without a time; the time picker keeps its value for when this is switched off.
    bool allDay = false;
    QString notes;
    int priority = 0;
    RecurrenceOption recurrence = RecurrenceOption::none;
    /// The reminder's custom rule, which the repeat picker offers as one more choice while the form is open.
    std::optional<RecurrenceRule> customRule;
    /// The alert the picker shows: the reminder's first alarm, or the user's choice. The first alarm itself (for
    /// its words) and how many alarms follow it, which no choice changes.
    ReminderAlert alert;
    std::optional<StoreAlarm> firstAlarm;
    int moreAlarmCount = 0;
    /// The tags (CATEGORIES), and those in use elsewhere that the tag field offers while typing.
    QStringList tags;
    QStringList knownTags;

    /// An empty form: no due date switched on, the date picker at `now`, no priority, no repeat.
    static ReminderFormState fresh(const QDateTime& now)
    {
        ReminderFormState state;
        state.dueDate = now;
        return state;
    }

    /// The reminder's current values; without a due date the picker starts at `now`.
    static ReminderFormState from(const ReminderItem& reminder, const QDateTime& now)
    {
        ReminderFormState state;
        state.title = reminder.title;
        state.includeDueDate = reminder.dueDate.has_value();
        state.dueDate = reminder.dueDate.value_or(now);
        state.allDay = reminder.dueDate && reminder.dueIsAllDay;
        if (state.allDay) {
            // Switching "all day" off then offers the time of day it is now, not midnight.
            state.dueDate.setTime(now.toLocalTime().time());
        }
        state.notes = reminder.notes.value_or(QString());
        state.priority = reminder.priority;
        state.recurrence = reminder.recurrence;
        if (reminder.recurrence == RecurrenceOption::custom) {
            state.customRule = reminder.repeatRule;
        }
        state.tags = reminder.categories;
        state.alert = alertOf(reminder.alarms, reminder.alertSilenced);
        if (!reminder.alarms.isEmpty()) {
            state.firstAlarm = reminder.alarms.first();
            state.moreAlarmCount = int(reminder.alarms.size()) - 1;
        }
        return state;
    }

    /// The title without surrounding white space and newlines; empty means the form cannot be submitted.
    QString trimmedTitle() const { return title.trimmed(); }
    /// The notes to store: trimmed, and none when nothing is left.
    std::optional<QString> trimmedNotes() const
    {
        const QString trimmed = notes.trimmed();
        return trimmed.isEmpty() ? std::nullopt : std::optional<QString>(trimmed);
    }
    /// The due date to store: none while the switch is off, whatever the picker shows; the day's start when it
    /// is due all day.
    std::optional<QDateTime> effectiveDueDate() const
    {
        if (!includeDueDate) {
            return std::nullopt;
        }
        return allDay ? QDateTime(dueDate.toLocalTime().date(), QTime(0, 0)) : dueDate;
    }
    /// Whether the due date to store is a day without a time.
    bool effectiveAllDay() const { return includeDueDate && allDay; }
};

} // namespace tolvik
