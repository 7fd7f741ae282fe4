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
    std::optional<QDateTime> dueDate;
    std::optional<QString> notes;
    int priority = 0;
    RecurrenceOption recurrence = RecurrenceOption::none;
    bool isCompleted = false;
    QString listID;
};

} // namespace tolvik
