#pragma once

#include "model/RecurrenceOption.h"

#include <QDateTime>
#include <QString>

#include <optional>

namespace tolvik {

/// One reminder, as the store held it at the last load. Identified by `id`; deliberately without equality.
struct ReminderItem
{
    QString id;
    QString title;
    /// For a reminder due on a day without a time (all day), the local midnight that starts the day.
    std::optional<QDateTime> dueDate;
    bool dueIsAllDay = false;
    std::optional<QString> notes;
    int priority = 0;
    RecurrenceOption recurrence = RecurrenceOption::none;
    /// The first rule as the file has it, when `recurrence` is custom; what its words are made from.
    RecurrenceRule repeatRule;
    bool isCompleted = false;
    QString listID;

    /// The moment from which the reminder is overdue: its due time, or the end of its day when it is due all day.
    std::optional<QDateTime> overdueAt() const
    {
        if (!dueDate || !dueIsAllDay) {
            return dueDate;
        }
        return QDateTime(dueDate->date().addDays(1), QTime(0, 0));
    }
};

} // namespace tolvik
