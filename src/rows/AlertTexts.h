#pragma once

#include "model/ReminderAlert.h"
#include "model/StoreRecords.h"

#include <QString>

#include <optional>

// The words for a reminder's alerts, shared by the form's picker, the row's bell and the bubble.
namespace tolvik::AlertTexts {

/// "At due time", "15 minutes before", "2 hours before", "1 day before" (a negative count is after it), in the
/// largest unit that divides the offset.
QString relativeToDue(qint64 secondsBefore);
/// One alarm as a person says it: when it rings (a moment, or before or after the due time or the start) and what
/// sets it apart (its own sound, a repeat, not shown on this computer).
QString alarmWords(const StoreAlarm& alarm);
/// The alert the picker shows, in words; `firstAlarm` supplies the words of an alarm it cannot set.
QString alertWords(const ReminderAlert& alert, const std::optional<StoreAlarm>& firstAlarm);

} // namespace tolvik::AlertTexts
