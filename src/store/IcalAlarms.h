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

/// Writes the alert the user chose: the first VALARM becomes a display alarm at the new trigger (one is added when
/// there is none, with `title` as its text), or every VALARM goes and X-TOLVIK-ALERT:NONE silences the ring at the
/// due time. Choosing an alarm removes that mark. The other VALARMs stay as they are.
void writeAlertEdit(icalcomponent* todo, const AlertEdit& edit, const QString& title);

} // namespace tolvik::ical
