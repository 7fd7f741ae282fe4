#pragma once

#include "model/StoreRecords.h"

#include <libical/ical.h>

// Reading and writing a to-do's alarms and the acknowledgements clients leave on them. Internal to src/store.
namespace tolvik::ical {

/// The to-do's VALARMs, in file order.
QList<StoreAlarm> alarmsOf(icalcomponent* todo);

/// Fills `reminder`'s DTSTART, VALARMs, X-MOZ-LASTACK (the latest of several), X-MOZ-SNOOZE-TIME and the
/// snoozes of single occurrences (X-MOZ-SNOOZE-TIME-<key>) from the master VTODO.
void readAlarms(icalcomponent* todo, StoreReminder& reminder);

/// Writes the acknowledgements in which `changed` differs from `base`: X-MOZ-LASTACK, X-MOZ-SNOOZE-TIME and
/// X-MOZ-SNOOZE-TIME-<key>, and
/// ACKNOWLEDGED on each VALARM (which gains a UID where it has none). Every other property is left alone.
void writeAlarmState(icalcomponent* todo, const StoreReminder& base, const StoreReminder& changed);

} // namespace tolvik::ical
