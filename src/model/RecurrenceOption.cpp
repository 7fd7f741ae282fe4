#include "model/RecurrenceOption.h"

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

} // namespace tolvik
