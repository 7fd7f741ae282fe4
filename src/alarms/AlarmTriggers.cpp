#include "alarms/AlarmTriggers.h"

#include <algorithm>

namespace tolvik {

namespace {

// Bounds the rings of one VALARM, so that a REPEAT of millions in a file cannot stall the scheduler.
constexpr int maximumRepeats = 100;

// Seconds since the epoch throughout: QDateTime arithmetic in local time asks the C library for the zone on every
// step, which costs far more than the whole computation.
std::optional<qint64> secondsOf(const DueDateComponents& components, const TriggerContext& context)
{
    if (!components.date.isValid()) {
        return std::nullopt;
    }
    const QTime clock = components.time.value_or(context.allDayTime.isValid() ? context.allDayTime : QTime(9, 0));
    if (!clock.isValid()) {
        return std::nullopt;
    }
    // A whole day or a floating time is a moment of the user's own calendar, wherever they are.
    const bool zoned = components.time && components.timeZone.isValid();
    const QTimeZone& zone = zoned ? components.timeZone : context.localZone;
    const QByteArray zoneID = zone.id();
    if (zoneID == "UTC") {
        return QDateTime(components.date, clock, Qt::UTC).toSecsSinceEpoch();
    }
    const qint64 local = components.date.toJulianDay() * 86400 + clock.msecsSinceStartOfDay() / 1000;
    QHash<qint64, qint64>& known = context.conversions[zoneID];
    if (const auto hit = known.constFind(local); hit != known.cend()) {
        return *hit;
    }
    const QDateTime moment(components.date, clock, zone);
    if (!moment.isValid()) {
        return std::nullopt;
    }
    return known.insert(local, moment.toSecsSinceEpoch()).value();
}

std::optional<qint64> secondsOf(const std::optional<QDateTime>& moment)
{
    if (!moment || !moment->isValid()) {
        return std::nullopt;
    }
    return moment->toSecsSinceEpoch();
}

std::optional<qint64> anchorOf(const StoreReminder& reminder, AlarmAnchor anchor, const TriggerContext& context)
{
    // An alarm measured from a property the to-do lacks is measured from the other one.
    const std::optional<DueDateComponents>& first = anchor == AlarmAnchor::start ? reminder.start : reminder.due;
    const std::optional<DueDateComponents>& second = anchor == AlarmAnchor::start ? reminder.due : reminder.start;
    if (first) {
        return secondsOf(*first, context);
    }
    if (second) {
        return secondsOf(*second, context);
    }
    return std::nullopt;
}

bool rings(const StoreAlarm& alarm)
{
    return alarm.action == AlarmAction::display || alarm.action == AlarmAction::audio;
}

// Calls `ring(seconds, alarmIndex)` for every pending trigger, unordered; index -1 for rings without a VALARM.
template <typename Ring> void forEachPending(const StoreReminder& reminder, const TriggerContext& context, Ring&& ring)
{
    if (reminder.isCompleted) {
        return;
    }
    const std::optional<qint64> lastAck = secondsOf(reminder.lastAcknowledged);
    const std::optional<qint64> snooze = secondsOf(reminder.snoozedUntil);
    // A snooze holds back every ring before its end, whichever client set it.
    const auto silenced = [&](qint64 at, const std::optional<qint64>& own) {
        return (lastAck && at <= *lastAck) || (own && at <= *own) || (snooze && at < *snooze);
    };

    bool hasRingingAlarm = false;
    for (qsizetype i = 0; i < reminder.alarms.size(); ++i) {
        const StoreAlarm& alarm = reminder.alarms[i];
        if (!rings(alarm)) {
            continue;
        }
        hasRingingAlarm = true;
        std::optional<qint64> first = alarm.anchor == AlarmAnchor::absolute ? secondsOf(alarm.absoluteTime)
                                                                            : anchorOf(reminder, alarm.anchor, context);
        if (!first) {
            continue;
        }
        if (alarm.anchor != AlarmAnchor::absolute) {
            *first += alarm.offsetSeconds;
        }
        const std::optional<qint64> acknowledged = secondsOf(alarm.acknowledged);
        const int repeats = std::clamp(alarm.repeat, 0, maximumRepeats);
        for (int r = 0; r <= repeats; ++r) {
            const qint64 at = *first + alarm.repeatIntervalSeconds * r;
            if (!silenced(at, acknowledged)) {
                ring(at, int(i));
            }
        }
    }
    if (!hasRingingAlarm && reminder.due) {
        const std::optional<qint64> at = secondsOf(*reminder.due, context);
        if (at && !silenced(*at, std::nullopt)) {
            ring(*at, -1);
        }
    }
    if (snooze && !silenced(*snooze, std::nullopt)) {
        ring(*snooze, -1);
    }
}

} // namespace

std::optional<QDateTime> ringMoment(const DueDateComponents& components, const TriggerContext& context)
{
    const std::optional<qint64> seconds = secondsOf(components, context);
    return seconds ? std::optional<QDateTime>(QDateTime::fromSecsSinceEpoch(*seconds, Qt::UTC)) : std::nullopt;
}

QList<AlarmTrigger> pendingTriggers(const StoreReminder& reminder, const TriggerContext& context)
{
    QList<std::pair<qint64, int>> rings;
    forEachPending(reminder, context, [&](qint64 at, int index) { rings.append({at, index}); });
    std::sort(rings.begin(), rings.end());
    QList<AlarmTrigger> triggers;
    for (const auto& [at, index] : rings) {
        if (triggers.isEmpty() || triggers.last().at.toSecsSinceEpoch() != at) {
            triggers.append(AlarmTrigger{QDateTime::fromSecsSinceEpoch(at, Qt::UTC), {}});
        }
        if (index >= 0) {
            triggers.last().alarmIndexes.append(index);
        }
    }
    return triggers;
}

bool hasPendingBetween(const StoreReminder& reminder, const QDateTime& from, const QDateTime& to,
                       const TriggerContext& context)
{
    const qint64 first = from.toSecsSinceEpoch();
    const qint64 last = to.toSecsSinceEpoch();
    bool found = false;
    forEachPending(reminder, context, [&](qint64 at, int) { found = found || (at >= first && at <= last); });
    return found;
}

std::optional<QDateTime> nextTriggerAfter(const QList<StoreReminder>& reminders, const QDateTime& after,
                                          const TriggerContext& context)
{
    const qint64 from = after.toSecsSinceEpoch();
    std::optional<qint64> next;
    for (const StoreReminder& reminder : reminders) {
        forEachPending(reminder, context, [&](qint64 at, int) {
            if (at > from && (!next || at < *next)) {
                next = at;
            }
        });
    }
    return next ? std::optional<QDateTime>(QDateTime::fromSecsSinceEpoch(*next, Qt::UTC)) : std::nullopt;
}

} // namespace tolvik
