#include "alarms/AlarmTriggers.h"

#include <QVarLengthArray>

#include <algorithm>
#include <limits>

namespace tolvik {

namespace {

// Bounds the rings of one VALARM, so that a REPEAT of millions in a file cannot stall the scheduler.
constexpr int maximumRepeats = 100;
// Bounds the occurrences of a series looked at for one question.
constexpr int maximumOccurrences = 1000;
constexpr qint64 daySeconds = 24 * 60 * 60;
// How far ahead the next ring of a series is looked for, in ever longer steps.
constexpr qint64 nextRingHorizons[] = {2 * daySeconds, 35 * daySeconds, 400 * daySeconds, 3660 * daySeconds};

// Seconds since the epoch throughout: QDateTime arithmetic in local time asks the C library for the zone on every
// step, which costs far more than the whole computation.
std::optional<qint64> wallClockSeconds(const QDate& date, const QTime& clock, const QTimeZone& zone,
                                       const TriggerContext& context)
{
    if (!date.isValid() || !clock.isValid()) {
        return std::nullopt;
    }
    const QByteArray zoneID = zone.id();
    if (zoneID == "UTC") {
        return QDateTime(date, clock, Qt::UTC).toSecsSinceEpoch();
    }
    const qint64 local = date.toJulianDay() * daySeconds + clock.msecsSinceStartOfDay() / 1000;
    QHash<qint64, qint64>& known = context.conversions[zoneID];
    if (const auto hit = known.constFind(local); hit != known.cend()) {
        return *hit;
    }
    const std::optional<QDateTime> moment = DueDateComponents::wallClockMoment(date, clock, zone);
    if (!moment) {
        return std::nullopt;
    }
    return known.insert(local, moment->toSecsSinceEpoch()).value();
}

// A whole day or a floating time is a moment of the user's own calendar, wherever they are.
const QTimeZone& zoneOf(const DueDateComponents& components, const TriggerContext& context)
{
    return components.time && components.timeZone.isValid() ? components.timeZone : context.localZone;
}

// What an alarm is measured from, moved by whole calendar days: a day without a time counts from its start.
std::optional<qint64> anchorSeconds(const DueDateComponents& components, int days, const TriggerContext& context)
{
    return wallClockSeconds(components.date.addDays(days), components.time.value_or(QTime(0, 0)),
                            zoneOf(components, context), context);
}

// When a reminder without alarms of its own rings: its due time, or the chosen time on a day without one.
std::optional<qint64> dueRingSeconds(const DueDateComponents& components, const TriggerContext& context)
{
    const QTime allDay = context.allDayTime.isValid() ? context.allDayTime : QTime(9, 0);
    return wallClockSeconds(components.date, components.time.value_or(allDay), zoneOf(components, context), context);
}

std::optional<qint64> secondsOf(const std::optional<QDateTime>& moment)
{
    if (!moment || !moment->isValid()) {
        return std::nullopt;
    }
    return moment->toSecsSinceEpoch();
}

bool rings(const StoreAlarm& alarm)
{
    return alarm.action == AlarmAction::display || alarm.action == AlarmAction::audio;
}

// One occurrence as the rings see it: a reminder that does not repeat is its own only occurrence.
struct OccurrenceView
{
    const std::optional<DueDateComponents>& due;
    const std::optional<DueDateComponents>& start;
    const QList<StoreAlarm>& alarms;
    QString key;
    std::optional<qint64> snooze;
    /// A series rings its master's absolute alarms once, not at every occurrence.
    bool withAbsoluteAlarms = true;
    /// The user chose no alert: without alarms of its own, the occurrence does not ring at its due time either.
    bool silenced = false;
};

struct Acknowledgements
{
    std::optional<qint64> last;
    /// A snooze of the whole reminder holds back every ring before its end, whichever client set it.
    std::optional<qint64> heldUntil;
};

// Calls `ring(seconds, alarmIndex, key)` for every pending ring of the occurrence, unordered; index -1 for rings
// without a VALARM.
template <typename Ring>
void ringOccurrence(const OccurrenceView& occurrence, const Acknowledgements& acks, const TriggerContext& context,
                    Ring&& ring)
{
    struct Planned
    {
        qint64 at;
        int index;
        std::optional<qint64> acknowledged;
    };
    QVarLengthArray<Planned, 8> planned;
    bool hasAlarm = false;
    for (qsizetype i = 0; i < occurrence.alarms.size(); ++i) {
        const StoreAlarm& alarm = occurrence.alarms[i];
        if (!rings(alarm)) {
            continue;
        }
        // An alarm of its own, even one that cannot ring, replaces the ring at the due time.
        hasAlarm = true;
        std::optional<qint64> first;
        if (alarm.anchor == AlarmAnchor::absolute) {
            if (!occurrence.withAbsoluteAlarms) {
                continue;
            }
            first = secondsOf(alarm.absoluteTime);
        } else {
            // RFC 5545 requires the property an alarm is related to; without it the alarm has no time.
            const std::optional<DueDateComponents>& anchor =
                alarm.anchor == AlarmAnchor::start ? occurrence.start : occurrence.due;
            first = anchor ? anchorSeconds(*anchor, alarm.offsetDays, context) : std::nullopt;
            if (first) {
                *first += alarm.offsetSeconds;
            }
        }
        if (!first) {
            continue;
        }
        const std::optional<qint64> acknowledged = secondsOf(alarm.acknowledged);
        const int repeats = std::clamp(alarm.repeat, 0, maximumRepeats);
        for (int r = 0; r <= repeats; ++r) {
            planned.append(Planned{*first + alarm.repeatIntervalSeconds * r, int(i), acknowledged});
        }
    }
    if (!hasAlarm && occurrence.due && !occurrence.silenced) {
        if (const std::optional<qint64> at = dueRingSeconds(*occurrence.due, context)) {
            planned.append(Planned{*at, -1, std::nullopt});
        }
    }
    if (planned.isEmpty()) {
        return;
    }
    const qint64 firstRing = std::min_element(planned.cbegin(), planned.cend(), [](const Planned& a, const Planned& b) {
                                 return a.at < b.at;
                             })->at;
    // A snooze that ends before the occurrence first rings is left from an earlier one: it holds nothing back.
    const std::optional<qint64> snooze =
        occurrence.snooze && *occurrence.snooze > firstRing ? occurrence.snooze : std::nullopt;
    const auto silenced = [&](qint64 at, const std::optional<qint64>& own) {
        return (acks.last && at <= *acks.last) || (own && at <= *own) || (snooze && at < *snooze) ||
               (acks.heldUntil && at < *acks.heldUntil);
    };
    for (const Planned& p : planned) {
        if (!silenced(p.at, p.acknowledged)) {
            ring(p.at, p.index, occurrence.key);
        }
    }
    if (snooze && !(acks.last && *snooze <= *acks.last)) {
        ring(*snooze, -1, occurrence.key);
    }
}

// How far an occurrence's rings may lie from its start: its alarms' offsets and repeats, and its due's distance.
qint64 ringReach(const StoreReminder& reminder, const TriggerContext& context)
{
    qint64 reach = 2 * daySeconds;
    for (const StoreAlarm& alarm : reminder.alarms) {
        const qint64 span = qAbs(qint64(alarm.offsetDays)) * daySeconds + daySeconds + qAbs(alarm.offsetSeconds) +
                            qint64(std::clamp(alarm.repeat, 0, maximumRepeats)) * alarm.repeatIntervalSeconds;
        reach = std::max(reach, span);
    }
    if (reminder.due && reminder.start) {
        const std::optional<qint64> due = anchorSeconds(*reminder.due, 0, context);
        const std::optional<qint64> start = anchorSeconds(*reminder.start, 0, context);
        if (due && start) {
            reach += qAbs(*due - *start);
        }
    }
    return reach;
}

QDateTime utcOf(qint64 seconds)
{
    return QDateTime::fromSecsSinceEpoch(seconds, Qt::UTC);
}

// Calls `ring(seconds, alarmIndex, key)` for every pending ring within [from, to], unordered.
template <typename Ring>
void forEachPending(const StoreReminder& reminder, qint64 from, qint64 to, const TriggerContext& context, Ring&& ring)
{
    if (reminder.isCompleted) {
        return;
    }
    const auto inWindow = [&](qint64 at, int index, const QString& key) {
        if (at >= from && at <= to) {
            ring(at, index, key);
        }
    };
    Acknowledgements acks{secondsOf(reminder.lastAcknowledged), std::nullopt};
    if (!reminder.series) {
        OccurrenceView view{reminder.due, reminder.start, reminder.alarms, QString(), secondsOf(reminder.snoozedUntil)};
        view.silenced = reminder.alertSilenced;
        ringOccurrence(view, acks, context, inWindow);
        return;
    }
    // A snooze written for the whole series (by an older version of this app, say) holds back every occurrence
    // and rings once.
    acks.heldUntil = secondsOf(reminder.snoozedUntil);
    const qint64 reach = ringReach(reminder, context);
    const QList<StoreOccurrence> occurrences = reminder.series->occurrences(
        utcOf(std::max(from, std::numeric_limits<qint64>::min() / 2) - reach),
        utcOf(std::min(to, std::numeric_limits<qint64>::max() / 2) + reach), maximumOccurrences);
    for (const StoreOccurrence& occurrence : occurrences) {
        if (occurrence.isCompleted) {
            continue;
        }
        const auto snooze = reminder.occurrenceSnoozes.constFind(occurrence.key);
        OccurrenceView view{occurrence.due, occurrence.start, occurrence.alarms, occurrence.key,
                            snooze == reminder.occurrenceSnoozes.cend() ? std::nullopt : secondsOf(*snooze)};
        view.withAbsoluteAlarms = occurrence.alarms != reminder.alarms;
        view.silenced = reminder.alertSilenced;
        ringOccurrence(view, acks, context, inWindow);
    }
    // The master's absolute alarms and the series' own snooze, once.
    QList<StoreAlarm> absolute;
    for (const StoreAlarm& alarm : reminder.alarms) {
        if (alarm.anchor == AlarmAnchor::absolute) {
            absolute.append(alarm);
        }
    }
    const std::optional<DueDateComponents> none;
    ringOccurrence(OccurrenceView{none, none, absolute, QString(), std::nullopt}, acks, context, inWindow);
    if (acks.heldUntil && !(acks.last && *acks.heldUntil <= *acks.last)) {
        inWindow(*acks.heldUntil, -1, QString());
    }
}

std::optional<qint64> nextRingAfter(const StoreReminder& reminder, qint64 after, const TriggerContext& context)
{
    std::optional<qint64> next;
    const auto earliest = [&](qint64 at, int, const QString&) {
        if (at > after && (!next || at < *next)) {
            next = at;
        }
    };
    if (!reminder.series) {
        forEachPending(reminder, after + 1, std::numeric_limits<qint64>::max(), context, earliest);
        return next;
    }
    for (const qint64 horizon : nextRingHorizons) {
        forEachPending(reminder, after + 1, after + horizon, context, earliest);
        if (next) {
            break;
        }
    }
    return next;
}

} // namespace

std::optional<QDateTime> ringMoment(const DueDateComponents& components, const TriggerContext& context)
{
    const std::optional<qint64> seconds = dueRingSeconds(components, context);
    return seconds ? std::optional<QDateTime>(utcOf(*seconds)) : std::nullopt;
}

QList<AlarmTrigger> pendingTriggers(const StoreReminder& reminder, const QDateTime& from, const QDateTime& to,
                                    const TriggerContext& context)
{
    struct Ring
    {
        qint64 at;
        int index;
        QString key;
    };
    QList<Ring> found;
    forEachPending(reminder, from.toSecsSinceEpoch(), to.toSecsSinceEpoch(), context,
                   [&](qint64 at, int index, const QString& key) {
                       found.append(Ring{at, index, key});
                   });
    std::sort(found.begin(), found.end(), [](const Ring& a, const Ring& b) {
        return std::tie(a.at, a.index, a.key) < std::tie(b.at, b.index, b.key);
    });
    QList<AlarmTrigger> triggers;
    for (const Ring& ring : std::as_const(found)) {
        if (triggers.isEmpty() || triggers.last().at.toSecsSinceEpoch() != ring.at) {
            triggers.append(AlarmTrigger{utcOf(ring.at), {}, ring.key});
        }
        if (ring.index >= 0 && !triggers.last().alarmIndexes.contains(ring.index)) {
            triggers.last().alarmIndexes.append(ring.index);
        }
    }
    return triggers;
}

bool hasPendingBetween(const StoreReminder& reminder, const QDateTime& from, const QDateTime& to,
                       const TriggerContext& context)
{
    bool found = false;
    forEachPending(reminder, from.toSecsSinceEpoch(), to.toSecsSinceEpoch(), context,
                   [&](qint64, int, const QString&) { found = true; });
    return found;
}

std::optional<QDateTime> nextTriggerAfter(const QList<StoreReminder>& reminders, const QDateTime& after,
                                          const TriggerContext& context)
{
    const qint64 from = after.toSecsSinceEpoch();
    std::optional<qint64> next;
    for (const StoreReminder& reminder : reminders) {
        const std::optional<qint64> candidate = nextRingAfter(reminder, from, context);
        if (candidate && (!next || *candidate < *next)) {
            next = candidate;
        }
    }
    return next ? std::optional<QDateTime>(utcOf(*next)) : std::nullopt;
}

} // namespace tolvik
