#include "rows/AlertTexts.h"

#include "appearance/DateTexts.h"
#include "appearance/LocalizationManager.h"

namespace tolvik::AlertTexts {

namespace {

constexpr qint64 minute = 60;
constexpr qint64 hour = 3600;
constexpr qint64 day = 86400;

QString joined(const QString& first, const QString& second)
{
    return localizedString(QStringLiteral("alert.joined")).arg(first, second);
}

int clampedCount(qint64 count)
{
    return int(std::min<qint64>(count, std::numeric_limits<int>::max()));
}

} // namespace

QString relativeToDue(qint64 secondsBefore)
{
    if (secondsBefore == 0) {
        return localizedString(QStringLiteral("alert.atDueTime"));
    }
    struct Unit
    {
        qint64 seconds;
        const char* before;
        const char* after;
    };
    static const Unit units[] = {{day, "alert.daysBefore", "alert.daysAfter"},
                                 {hour, "alert.hoursBefore", "alert.hoursAfter"},
                                 {minute, "alert.minutesBefore", "alert.minutesAfter"}};
    const qint64 seconds = secondsBefore > 0 ? secondsBefore : -secondsBefore;
    for (const Unit& unit : units) {
        // Seconds are below what a person sets: what is not whole hours or days rounds to the nearest minute.
        if (seconds % unit.seconds == 0 || unit.seconds == minute) {
            const QString key = QString::fromLatin1(secondsBefore > 0 ? unit.before : unit.after);
            return localizedString(key, clampedCount((seconds + unit.seconds / 2) / unit.seconds));
        }
    }
    return QString();
}

QString alarmWords(const StoreAlarm& alarm)
{
    QString words;
    const qint64 before = -(qint64(alarm.offsetDays) * day + alarm.offsetSeconds);
    switch (alarm.anchor) {
    case AlarmAnchor::absolute:
        words = alarm.absoluteTime ? DateTexts::rowDueDate(*alarm.absoluteTime) : QString();
        break;
    case AlarmAnchor::due:
        words = relativeToDue(before);
        break;
    case AlarmAnchor::start:
        words = before == 0 ? localizedString(QStringLiteral("alert.atStart"))
                            : localizedString(QStringLiteral("alert.relativeToStart")).arg(relativeToDue(before));
        break;
    }
    if (alarm.action == AlarmAction::other) {
        words = joined(words, localizedString(QStringLiteral("alert.notShownHere")));
    } else if (alarm.hasAttachment) {
        words = joined(words, localizedString(QStringLiteral("alert.ownSound")));
    }
    if (alarm.repeat > 0) {
        words = joined(words, localizedString(QStringLiteral("alert.repeats"), alarm.repeat));
    }
    return words;
}

QString alertWords(const ReminderAlert& alert, const std::optional<StoreAlarm>& firstAlarm)
{
    switch (alert.kind) {
    case ReminderAlert::Kind::byDefault:
        return localizedString(QStringLiteral("alert.atDueTime"));
    case ReminderAlert::Kind::relative:
        return relativeToDue(alert.secondsBefore);
    case ReminderAlert::Kind::absolute:
        return alert.moment.isValid() ? DateTexts::rowDueDate(alert.moment) : QString();
    case ReminderAlert::Kind::none:
        return localizedString(QStringLiteral("alert.none"));
    case ReminderAlert::Kind::other:
        return firstAlarm ? alarmWords(*firstAlarm) : localizedString(QStringLiteral("alert.custom"));
    }
    return QString();
}

} // namespace tolvik::AlertTexts
