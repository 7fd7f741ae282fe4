#pragma once

#include "model/StoreRecords.h"

#include <QByteArray>
#include <QDateTime>
#include <QHash>
#include <QList>
#include <QTime>
#include <QTimeZone>

#include <optional>

namespace tolvik {

/// One moment at which a reminder rings, and the VALARMs (by position) that ring then. An empty list means the
/// reminder rings without a VALARM of its own: at its due time, or at the end of a snooze. `occurrence` names the
/// occurrence of a repeating reminder that rings (its key), and is empty for one that does not repeat.
struct AlarmTrigger
{
    QDateTime at;
    QList<int> alarmIndexes;
    QString occurrence;

    friend bool operator==(const AlarmTrigger&, const AlarmTrigger&) = default;
};

/// What the computation needs besides the reminders; made once for a whole batch, because looking up the user's
/// time zone is costly.
struct TriggerContext
{
    /// The time of day at which reminders due on a day without a time, and without alarms of their own, ring.
    QTime allDayTime{9, 0};
    QTimeZone localZone = QTimeZone::systemTimeZone();
    /// Local moments already turned into seconds since the epoch, by zone id: most reminders share a few zones
    /// and dates, and each conversion through the zone database is slow.
    mutable QHash<QByteArray, QHash<qint64, qint64>> conversions;
};

/// The moments within [from, to] at which a reminder rings that no client has acknowledged yet, in time order.
/// A completed reminder, or a completed occurrence, rings never. A reminder with no display or audio VALARM
/// rings at its due time, or, when it is due on a day without a time, at `allDayTime` that day, unless the user
/// chose no alert for it (`alertSilenced`). An alarm relative
/// to a day without a time counts from the day's start, and one relative to a property the to-do lacks does not
/// ring. A repeating reminder rings at each of its occurrences. An acknowledgement (X-MOZ-LASTACK, or a VALARM's
/// ACKNOWLEDGED) silences every ring at or before it; a snooze rings once more at its end, unless it ends before
/// the alarm it would hold back. Moments are in UTC.
QList<AlarmTrigger> pendingTriggers(const StoreReminder& reminder, const QDateTime& from, const QDateTime& to,
                                    const TriggerContext& context);

/// Whether any pending trigger of the reminder falls within [from, to]; cheaper than listing them.
bool hasPendingBetween(const StoreReminder& reminder, const QDateTime& from, const QDateTime& to,
                       const TriggerContext& context);

/// The earliest pending trigger moment later than `after` among `reminders`, or nothing.
std::optional<QDateTime> nextTriggerAfter(const QList<StoreReminder>& reminders, const QDateTime& after,
                                          const TriggerContext& context);

/// The moment a reminder's due components denote for ringing: a day without a time rings at the context's
/// all-day time, a floating time is the user's local time.
std::optional<QDateTime> ringMoment(const DueDateComponents& components, const TriggerContext& context);

} // namespace tolvik
