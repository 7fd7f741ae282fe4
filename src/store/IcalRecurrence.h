#pragma once

#include "model/StoreRecords.h"

#include <libical/ical.h>

#include <QDateTime>
#include <QList>

// Reading, writing and advancing a to-do's recurrence rules. Internal to src/store.
namespace tolvik::ical {

/// The store's reading of an RRULE: frequency daily 0, weekly 1, monthly 2, yearly 3, hourly 4, minutely 5,
/// secondly 6; an end when it has COUNT or UNTIL.
RecurrenceRule ruleOf(const icalrecurrencetype& recurrence);
/// Every RRULE of the to-do, in file order.
QList<RecurrenceRule> rulesOf(icalcomponent* todo);
/// Replaces the to-do's RRULEs with `rules`. An existing RRULE that reads as the same rule is kept verbatim, so
/// its BYDAY, COUNT or UNTIL survive; rules with a frequency libical cannot express are skipped.
void writeRules(icalcomponent* todo, const QList<RecurrenceRule>& rules);
/// What completing an occurrence did to its series.
enum class SeriesAdvance
{
    /// Moved on to the next occurrence.
    advanced,
    /// Nothing changed: the to-do does not repeat (an RRULE without DTSTART or DUE does not) or has no further
    /// occurrence, so the to-do itself is complete.
    ended,
    /// Nothing changed: the time allowed ran out before the next occurrence was known.
    undetermined,
};

/// How long completing an occurrence may spend on its series before it gives up and changes nothing.
constexpr int completionMilliseconds = 1000;

/// Moves DUE, and DTSTART when present, from the occurrence current at `now` to the next one that is not done,
/// keeping their wall-clock time and their distance, and counting down COUNT.
SeriesAdvance advanceToNextOccurrence(icalcomponent* root, icalcomponent* todo, const QDateTime& now,
                                      int milliseconds = completionMilliseconds);

} // namespace tolvik::ical
