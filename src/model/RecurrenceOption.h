#pragma once

#include "model/StoreRecords.h"

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
    /// A rule the four plain choices cannot say: an interval ("every 2 weeks") or chosen weekdays ("weekdays").
    /// The rule itself travels alongside; the forms offer this choice only while a reminder has such a rule.
    custom,
};

/// The plain cases, in the order the forms present them; `custom` is not among them.
QList<RecurrenceOption> allRecurrenceOptions();
/// The stored string of an option ("none", "daily", ...).
QString rawValue(RecurrenceOption option);
/// The option with that raw value, or nothing.
std::optional<RecurrenceOption> recurrenceOptionFromRawValue(const QString& raw);

/// Reads the first recurrence rule's frequency (daily 0, weekly 1, monthly 2, yearly 3); no rule or any other
/// number means none.
RecurrenceOption recurrenceOptionFromFrequency(std::optional<int> firstRuleFrequency);
/// The frequency of the one rule an option writes, or nothing for `none` and `custom`.
std::optional<int> frequencyOf(RecurrenceOption option);

/// What a first recurrence rule reads as: a plain choice, `custom` for a daily, weekly, monthly or yearly rule
/// with an interval or chosen weekdays, `none` for no rule or a frequency the app does not offer.
RecurrenceOption recurrenceOptionOf(const std::optional<RecurrenceRule>& firstRule);
/// The rule to write for a repeat of `base` every `interval` periods on `weekdays` (Monday 1), or nothing when
/// the plain `base` says it all. A single weekday of a weekly repeat is the due date's own day and needs no rule.
std::optional<RecurrenceRule> customRule(RecurrenceOption base, int interval, QList<int> weekdays);
/// The repeat in words in the current language: "Every Week", "Every 2 Weeks", "Weekdays",
/// "Every 2 Weeks on Mon, Thu". `rule` is read for `custom` only.
QString recurrenceWords(RecurrenceOption option, const RecurrenceRule& rule = {});

} // namespace tolvik
