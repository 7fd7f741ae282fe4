#pragma once

#include "model/StoreRecords.h"

#include <QDateTime>
#include <QList>

#include <optional>

namespace tolvik {

/// The alert of a reminder as the form's picker shows and sets it: what its first alarm says, or that it has none.
struct ReminderAlert
{
    enum class Kind
    {
        /// No alarm of its own: the app rings at the due time. Never written; choosing "At due time" is `relative`.
        byDefault,
        /// `secondsBefore` before the due time (0: at it).
        relative,
        /// At `moment`.
        absolute,
        /// The user silenced it: no alarm, and no ring at the due time.
        none,
        /// An alarm the picker cannot set (a repeat, relative to the start, after the due time, its own sound, or
        /// not shown on the desktop); it stays as it is.
        other,
    };

    Kind kind = Kind::byDefault;
    qint64 secondsBefore = 0;
    QDateTime moment;

    static ReminderAlert before(qint64 seconds) { return {Kind::relative, seconds, {}}; }
    static ReminderAlert at(const QDateTime& moment) { return {Kind::absolute, 0, moment}; }
    static ReminderAlert silenced() { return {Kind::none, 0, {}}; }

    friend bool operator==(const ReminderAlert&, const ReminderAlert&) = default;
};

/// The picker's ready choices, as seconds before the due time: at it, 5, 15 and 30 minutes, an hour and a day.
const QList<qint64>& alertPresets();

/// The alert a reminder's alarms show: its first alarm, else silenced or the default ring.
ReminderAlert alertOf(const QList<StoreAlarm>& alarms, bool silenced);

/// What the store writes for a chosen alert; nothing for the kinds that change nothing (`byDefault`, `other`).
std::shared_ptr<const AlertEdit> alertEditOf(const ReminderAlert& alert);

/// When an alarm rings for a reminder due at `due` that starts at `start` (days counted on the calendar); nothing
/// when it is measured from what the reminder lacks.
std::optional<QDateTime> alarmMoment(const StoreAlarm& alarm, const std::optional<QDateTime>& due,
                                     const std::optional<QDateTime>& start);

} // namespace tolvik
