#include "model/RecurrenceOption.h"

#include "appearance/LocalizationManager.h"

#include <QLocale>
#include <QStringList>

#include <algorithm>

namespace tolvik {

QList<RecurrenceOption> allRecurrenceOptions()
{
    return {RecurrenceOption::none, RecurrenceOption::daily, RecurrenceOption::weekly, RecurrenceOption::monthly,
            RecurrenceOption::yearly};
}

QString rawValue(RecurrenceOption option)
{
    switch (option) {
    case RecurrenceOption::none:
        return QStringLiteral("none");
    case RecurrenceOption::daily:
        return QStringLiteral("daily");
    case RecurrenceOption::weekly:
        return QStringLiteral("weekly");
    case RecurrenceOption::monthly:
        return QStringLiteral("monthly");
    case RecurrenceOption::yearly:
        return QStringLiteral("yearly");
    case RecurrenceOption::custom:
        return QStringLiteral("custom");
    }
    return QStringLiteral("none");
}

std::optional<RecurrenceOption> recurrenceOptionFromRawValue(const QString& raw)
{
    for (RecurrenceOption option : allRecurrenceOptions()) {
        if (rawValue(option) == raw) {
            return option;
        }
    }
    if (raw == rawValue(RecurrenceOption::custom)) {
        return RecurrenceOption::custom;
    }
    return std::nullopt;
}

RecurrenceOption recurrenceOptionFromFrequency(std::optional<int> firstRuleFrequency)
{
    if (!firstRuleFrequency) {
        return RecurrenceOption::none;
    }
    switch (*firstRuleFrequency) {
    case 0:
        return RecurrenceOption::daily;
    case 1:
        return RecurrenceOption::weekly;
    case 2:
        return RecurrenceOption::monthly;
    case 3:
        return RecurrenceOption::yearly;
    default:
        return RecurrenceOption::none;
    }
}

std::optional<int> frequencyOf(RecurrenceOption option)
{
    switch (option) {
    case RecurrenceOption::none:
    case RecurrenceOption::custom:
        return std::nullopt;
    case RecurrenceOption::daily:
        return 0;
    case RecurrenceOption::weekly:
        return 1;
    case RecurrenceOption::monthly:
        return 2;
    case RecurrenceOption::yearly:
        return 3;
    }
    return std::nullopt;
}

namespace {

bool isMondayToFriday(const QList<int>& weekdays)
{
    return weekdays == QList<int>{1, 2, 3, 4, 5};
}

// "Every 2 Weeks": the plain word for one period, a word of its own for two (Swedish says "varannan", not "var
// 2:a"), and the plural form of the table for more.
QString everyWords(int frequency, int interval)
{
    static const QString plain[] = {QStringLiteral("recurrence.daily"), QStringLiteral("recurrence.weekly"),
                                    QStringLiteral("recurrence.monthly"), QStringLiteral("recurrence.yearly")};
    static const QString other[] = {
        QStringLiteral("recurrence.everyOtherDays"), QStringLiteral("recurrence.everyOtherWeeks"),
        QStringLiteral("recurrence.everyOtherMonths"), QStringLiteral("recurrence.everyOtherYears")};
    static const QString counted[] = {QStringLiteral("recurrence.everyDays"), QStringLiteral("recurrence.everyWeeks"),
                                      QStringLiteral("recurrence.everyMonths"),
                                      QStringLiteral("recurrence.everyYears")};
    if (interval <= 1) {
        return localizedString(plain[frequency]);
    }
    if (interval == 2) {
        return localizedString(other[frequency]);
    }
    return localizedString(counted[frequency], interval);
}

} // namespace

RecurrenceOption recurrenceOptionOf(const std::optional<RecurrenceRule>& firstRule)
{
    if (!firstRule) {
        return RecurrenceOption::none;
    }
    const RecurrenceOption plain = recurrenceOptionFromFrequency(firstRule->frequency);
    if (plain != RecurrenceOption::none && (firstRule->interval > 1 || !firstRule->weekdays.isEmpty())) {
        return RecurrenceOption::custom;
    }
    return plain;
}

std::optional<RecurrenceRule> customRule(RecurrenceOption base, int interval, QList<int> weekdays)
{
    const std::optional<int> frequency = frequencyOf(base);
    if (!frequency) {
        return std::nullopt;
    }
    std::sort(weekdays.begin(), weekdays.end());
    weekdays.erase(std::unique(weekdays.begin(), weekdays.end()), weekdays.end());
    weekdays.removeIf([](int day) { return day < 1 || day > 7; });
    if (base != RecurrenceOption::weekly && base != RecurrenceOption::daily) {
        weekdays.clear();
    }
    if (base == RecurrenceOption::weekly && weekdays.size() == 1) {
        weekdays.clear();
    }
    if (interval <= 1 && weekdays.isEmpty()) {
        return std::nullopt;
    }
    // Chosen weekdays repeat week by week, however the phrase named them.
    const int written = weekdays.isEmpty() ? *frequency : 1;
    return RecurrenceRule{written, qBound(1, interval, 1000), false, weekdays, false};
}

QString recurrenceWords(RecurrenceOption option, const RecurrenceRule& rule)
{
    if (option != RecurrenceOption::custom) {
        return localizedString(QStringLiteral("recurrence.") + rawValue(option));
    }
    if (rule.frequency < 0 || rule.frequency > 3) {
        return localizedString(QStringLiteral("recurrence.none"));
    }
    // Weekdays matter only to a daily or weekly rule; a monthly BYDAY is left to the frequency's words.
    const bool byWeekday = !rule.weekdays.isEmpty() && rule.frequency <= 1;
    if (byWeekday && rule.interval <= 1 && isMondayToFriday(rule.weekdays)) {
        return localizedString(QStringLiteral("recurrence.weekdays"));
    }
    if (!byWeekday) {
        return everyWords(rule.frequency, rule.interval);
    }
    // A daily rule limited to some weekdays repeats on those days of every week, as a weekly one does.
    const int frequency = rule.interval > 1 ? rule.frequency : 1;
    const QLocale locale = LocalizationManager::shared().textLocale();
    QStringList days;
    for (int weekday : rule.weekdays) {
        days.append(locale.dayName(weekday, QLocale::ShortFormat));
    }
    // The language's own list: "Mon and Thu", "Mo. und Do.", "周一、周三和周五".
    return localizedString(QStringLiteral("recurrence.onWeekdays"))
        .arg(everyWords(frequency, rule.interval), locale.createSeparatedList(days));
}

} // namespace tolvik
