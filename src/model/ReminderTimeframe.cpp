#include "model/ReminderTimeframe.h"

namespace tolvik {

QList<ReminderTimeframe> allReminderTimeframes()
{
    return {ReminderTimeframe::oneMonth, ReminderTimeframe::threeMonths, ReminderTimeframe::sixMonths,
            ReminderTimeframe::oneYear, ReminderTimeframe::unlimited};
}

int rawValue(ReminderTimeframe timeframe)
{
    return static_cast<int>(timeframe);
}

std::optional<ReminderTimeframe> reminderTimeframeFromRawValue(int raw)
{
    for (ReminderTimeframe timeframe : allReminderTimeframes()) {
        if (rawValue(timeframe) == raw) {
            return timeframe;
        }
    }
    return std::nullopt;
}

std::optional<QDateTime> cutOff(ReminderTimeframe timeframe, const QDateTime& now)
{
    if (timeframe == ReminderTimeframe::unlimited) {
        return std::nullopt;
    }
    // addMonths works on the local calendar date and clamps to the month's last day (Jan 31 + 1 = Feb 28/29).
    const QDateTime result = now.addMonths(rawValue(timeframe));
    if (!result.isValid()) {
        return std::nullopt;
    }
    return result;
}

} // namespace tolvik
