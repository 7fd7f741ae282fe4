#include "model/StoreRecords.h"

namespace tolvik {

std::optional<QDateTime> DueDateComponents::toDateTime() const
{
    if (!date.isValid()) {
        return std::nullopt;
    }
    const QTime clock = time.value_or(QTime(0, 0));
    if (!clock.isValid()) {
        return std::nullopt;
    }
    QDateTime result = time && timeZone.isValid() ? QDateTime(date, clock, timeZone) : QDateTime(date, clock);
    if (!result.isValid()) {
        return std::nullopt;
    }
    return result;
}

DueDateComponents DueDateComponents::fromDateTime(const QDateTime& moment)
{
    const QDateTime local = moment.toLocalTime();
    const QTime clock = local.time();
    return DueDateComponents{local.date(), QTime(clock.hour(), clock.minute()), QTimeZone::systemTimeZone()};
}

} // namespace tolvik
