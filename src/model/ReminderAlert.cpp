#include "model/ReminderAlert.h"

namespace tolvik {

namespace {

constexpr qint64 secondsPerDay = 86400;

} // namespace

const QList<qint64>& alertPresets()
{
    static const QList<qint64> presets = {0, 5 * 60, 15 * 60, 30 * 60, 3600, secondsPerDay};
    return presets;
}

ReminderAlert alertOf(const QList<StoreAlarm>& alarms, bool silenced)
{
    if (alarms.isEmpty()) {
        return silenced ? ReminderAlert::silenced() : ReminderAlert{};
    }
    const StoreAlarm& first = alarms.first();
    const bool plain = first.action != AlarmAction::other && !first.hasAttachment && first.repeat == 0;
    if (plain && first.anchor == AlarmAnchor::absolute && first.absoluteTime) {
        return ReminderAlert::at(*first.absoluteTime);
    }
    // Days are calendar days in the file; a day before is 24 hours in the picker's terms.
    const qint64 before = -(qint64(first.offsetDays) * secondsPerDay + first.offsetSeconds);
    if (plain && first.anchor == AlarmAnchor::due && before >= 0) {
        return ReminderAlert::before(before);
    }
    return {ReminderAlert::Kind::other, 0, {}};
}

std::shared_ptr<const AlertEdit> alertEditOf(const ReminderAlert& alert)
{
    switch (alert.kind) {
    case ReminderAlert::Kind::byDefault:
    case ReminderAlert::Kind::other:
        return nullptr;
    case ReminderAlert::Kind::none:
        return std::make_shared<const AlertEdit>(AlertEdit{});
    case ReminderAlert::Kind::absolute: {
        if (!alert.moment.isValid()) {
            return nullptr;
        }
        StoreAlarm alarm;
        alarm.anchor = AlarmAnchor::absolute;
        alarm.absoluteTime = alert.moment;
        return std::make_shared<const AlertEdit>(AlertEdit{alarm});
    }
    case ReminderAlert::Kind::relative: {
        StoreAlarm alarm;
        alarm.anchor = AlarmAnchor::due;
        // Whole days are written as days, which keep the time of day when the clocks change in between.
        if (alert.secondsBefore > 0 && alert.secondsBefore % secondsPerDay == 0) {
            alarm.offsetDays = int(-alert.secondsBefore / secondsPerDay);
        } else {
            alarm.offsetSeconds = -alert.secondsBefore;
        }
        return std::make_shared<const AlertEdit>(AlertEdit{alarm});
    }
    }
    return nullptr;
}

std::optional<QDateTime> alarmMoment(const StoreAlarm& alarm, const std::optional<QDateTime>& due,
                                     const std::optional<QDateTime>& start)
{
    if (alarm.anchor == AlarmAnchor::absolute) {
        return alarm.absoluteTime;
    }
    const std::optional<QDateTime>& anchor = alarm.anchor == AlarmAnchor::start ? start : due;
    if (!anchor) {
        return std::nullopt;
    }
    return anchor->addDays(alarm.offsetDays).addSecs(alarm.offsetSeconds);
}

} // namespace tolvik
