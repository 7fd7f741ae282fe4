#pragma once

#include <QDateTime>
#include <QList>

#include <optional>

namespace tolvik {

/// How far ahead the panel looks for due dates; the raw value is the number of months, 0 for no limit.
enum class ReminderTimeframe
{
    oneMonth = 1,
    threeMonths = 3,
    sixMonths = 6,
    oneYear = 12,
    unlimited = 0,
};

/// Every case, in the order the settings window presents them.
QList<ReminderTimeframe> allReminderTimeframes();
/// The stored integer of a timeframe.
int rawValue(ReminderTimeframe timeframe);
/// The timeframe with that raw value, or nothing.
std::optional<ReminderTimeframe> reminderTimeframeFromRawValue(int raw);
/// The latest due date the timeframe keeps, counted in calendar months from `now`; nothing for unlimited.
std::optional<QDateTime> cutOff(ReminderTimeframe timeframe, const QDateTime& now);

} // namespace tolvik
