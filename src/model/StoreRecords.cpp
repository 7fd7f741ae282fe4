#include "model/StoreRecords.h"

namespace tolvik {

// Qt calls a time the clocks skip invalid and takes the second instance of a time they repeat.
qint64 secondsOfWallClock(const QDate& date, const QTime& time, const std::function<int(qint64)>& offsetAtUtc)
{
    const qint64 local = (date.toJulianDay() - 2440588) * 86400 + time.msecsSinceStartOfDay() / 1000;
    const int before = offsetAtUtc(local - 86400);
    const int after = offsetAtUtc(local + 86400);
    std::optional<qint64> moment;
    for (const int offset : {before, after}) {
        const qint64 candidate = local - offset;
        if (offsetAtUtc(candidate) == offset && (!moment || candidate < *moment)) {
            moment = candidate;
        }
    }
    return moment.value_or(local - before);
}

std::optional<QDateTime> DueDateComponents::toDateTime() const
{
    if (!date.isValid()) {
        return std::nullopt;
    }
    const QTime clock = time.value_or(QTime(0, 0));
    if (!clock.isValid()) {
        return std::nullopt;
    }
    if (time && timeZone.isValid()) {
        return wallClockMoment(date, clock, timeZone);
    }
    // The user's own clock, without looking up the system zone: that reads files each time.
    const qint64 seconds = secondsOfWallClock(
        date, clock, [](qint64 utc) { return QDateTime::fromSecsSinceEpoch(utc, Qt::LocalTime).offsetFromUtc(); });
    return QDateTime::fromSecsSinceEpoch(seconds, Qt::LocalTime);
}

std::optional<QDateTime> DueDateComponents::wallClockMoment(const QDate& date, const QTime& time, const QTimeZone& zone)
{
    if (!date.isValid() || !time.isValid() || !zone.isValid()) {
        return std::nullopt;
    }
    const qint64 seconds = secondsOfWallClock(
        date, time, [&zone](qint64 utc) { return zone.offsetFromUtc(QDateTime::fromSecsSinceEpoch(utc, Qt::UTC)); });
    return QDateTime::fromSecsSinceEpoch(seconds, zone);
}

DueDateComponents DueDateComponents::fromDateTime(const QDateTime& moment)
{
    const QDateTime local = moment.toLocalTime();
    const QTime clock = local.time();
    return DueDateComponents{local.date(), QTime(clock.hour(), clock.minute()), QTimeZone::systemTimeZone()};
}

} // namespace tolvik
