#pragma once

#include <QList>
#include <QString>

#include <optional>

namespace tolvik {

/// The repeat choice the forms offer; the raw value is the case name.
enum class RecurrenceOption
{
    none,
    daily,
    weekly,
    monthly,
    yearly,
};

/// Every case, in the order the forms present them.
QList<RecurrenceOption> allRecurrenceOptions();
/// The stored string of an option ("none", "daily", ...).
QString rawValue(RecurrenceOption option);
/// The option with that raw value, or nothing.
std::optional<RecurrenceOption> recurrenceOptionFromRawValue(const QString& raw);

/// Reads the first recurrence rule's frequency (daily 0, weekly 1, monthly 2, yearly 3); no rule or any other
/// number means none.
RecurrenceOption recurrenceOptionFromFrequency(std::optional<int> firstRuleFrequency);
/// The frequency of the one rule an option writes, or nothing for `none`.
std::optional<int> frequencyOf(RecurrenceOption option);

} // namespace tolvik
