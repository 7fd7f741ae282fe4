#pragma once

#include <QColor>
#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTime>
#include <QTimeZone>

#include <QMap>

#include <functional>
#include <memory>
#include <optional>

namespace tolvik {

/// Whether the store may be read: 0 not determined, 1 restricted, 2 denied, 3 full access, 4 write only.
enum class AuthorizationStatus
{
    notDetermined = 0,
    restricted = 1,
    denied = 2,
    fullAccess = 3,
    writeOnly = 4,
};

/// The id of the store's built-in account, the lists kept on this computer. The app names it in its own language.
inline const QString builtInAccountID = QStringLiteral("local");

/// An account (a source of lists) in the store.
struct StoreAccount
{
    QString id;
    QString title;

    friend bool operator==(const StoreAccount&, const StoreAccount&) = default;
};

/// A reminder list in the store. Its colour is absent when the list has none.
struct StoreList
{
    QString id;
    QString title;
    std::optional<QColor> color;
    StoreAccount account;

    friend bool operator==(const StoreList&, const StoreList&) = default;
};

/// A due date as calendar components. Without a time it is a whole day; an invalid zone means floating time.
struct DueDateComponents
{
    QDate date;
    std::optional<QTime> time;
    QTimeZone timeZone;

    /// The point in time the components denote: a whole day is local midnight, floating time is local time.
    /// A time the clocks skip is read with the offset before the change, a time they repeat as its first instance.
    /// Nothing when the components denote no point in time.
    std::optional<QDateTime> toDateTime() const;
    /// The moment a wall-clock time denotes in `zone`, read as `toDateTime` reads it.
    static std::optional<QDateTime> wallClockMoment(const QDate& date, const QTime& time, const QTimeZone& zone);
    /// The components of `moment` to the minute, in the user's current time zone.
    static DueDateComponents fromDateTime(const QDateTime& moment);

    friend bool operator==(const DueDateComponents&, const DueDateComponents&) = default;
};

/// Seconds since the epoch of a wall-clock time in a zone given by its UTC offset at each moment, read as RFC 5545
/// says: a time the clocks skip with the offset before the change, a time they repeat as its first instance.
qint64 secondsOfWallClock(const QDate& date, const QTime& time, const std::function<int(qint64)>& offsetAtUtc);

/// One recurrence rule: frequency daily 0, weekly 1, monthly 2, yearly 3 (other numbers are possible).
struct RecurrenceRule
{
    int frequency = 0;
    int interval = 1;
    bool hasEnd = false;
    /// The days of a plain BYDAY (no position), Monday 1 to Sunday 7, in ascending order.
    QList<int> weekdays{};
    /// Parts the fields above do not describe (BYMONTHDAY, BYSETPOS, a positioned BYDAY, ...).
    bool hasOtherParts = false;

    friend bool operator==(const RecurrenceRule&, const RecurrenceRule&) = default;
};

/// What a VALARM does when it fires; only display and audio alarms ring on the desktop.
enum class AlarmAction
{
    display,
    audio,
    other,
};

/// What a VALARM's trigger is measured from.
enum class AlarmAnchor
{
    absolute,
    start,
    due,
};

/// One VALARM of a reminder, in the order the file lists them.
struct StoreAlarm
{
    AlarmAction action = AlarmAction::display;
    AlarmAnchor anchor = AlarmAnchor::due;
    /// Calendar days (weeks counted as seven) and then seconds from the anchor for relative triggers; negative
    /// means before it. A day is nominal: one day before 10:00 is 10:00 the day before, whatever the clocks did.
    int offsetDays = 0;
    /// An AUDIO alarm with its own sound (ATTACH), which the app cannot choose for the user.
    bool hasAttachment = false;
    qint64 offsetSeconds = 0;
    /// The moment of an absolute trigger.
    std::optional<QDateTime> absoluteTime;
    /// How many more times it rings after the first, and the seconds between rings.
    int repeat = 0;
    qint64 repeatIntervalSeconds = 0;
    /// When a client last acknowledged it (ACKNOWLEDGED).
    std::optional<QDateTime> acknowledged;

    friend bool operator==(const StoreAlarm&, const StoreAlarm&) = default;
};

/// The alert the user chose for a reminder, to be written: with an alarm, the first VALARM becomes that alarm (one
/// is added when there is none) and the silenced default ring sounds again; without one, every VALARM goes and the
/// ring at the due time is silenced (X-TOLVIK-ALERT:NONE).
struct AlertEdit
{
    std::optional<StoreAlarm> alarm;

    friend bool operator==(const AlertEdit&, const AlertEdit&) = default;
};

/// One occurrence of a repeating reminder, with what an override of it (RECURRENCE-ID) gives it of its own.
struct StoreOccurrence
{
    /// The occurrence's recurrence id as microseconds since the epoch (a day as its midnight in UTC): the suffix
    /// that names its own snooze, X-MOZ-SNOOZE-TIME-<key>.
    QString key;
    std::optional<DueDateComponents> due;
    std::optional<DueDateComponents> start;
    QList<StoreAlarm> alarms;
    /// Completed or cancelled on its own.
    bool isCompleted = false;
};

/// The occurrences of a repeating reminder, computed by the store from its recurrence rules, dates, exceptions
/// and overrides. Safe to call from any one thread at a time.
class ReminderSeries
{
public:
    virtual ~ReminderSeries() = default;
    /// The occurrences that begin within [from, to] or that an override moved there, in time order, completed
    /// ones included; at most `limit`. Expansion is bounded, so a rule that never matches answers quickly.
    virtual QList<StoreOccurrence> occurrences(const QDateTime& from, const QDateTime& to, int limit) const = 0;
    /// The occurrence current at `now`: the latest that began by then unless it is done, else the first after it
    /// that is not. Nothing when no such occurrence is found.
    virtual std::optional<StoreOccurrence> current(const QDateTime& now) const = 0;
};

/// A reminder in the store. A new, unsaved reminder has an empty id.
struct StoreReminder
{
    QString id;
    QString title;
    std::optional<QString> listID;
    bool isCompleted = false;
    /// The user silenced the ring at the due time (X-TOLVIK-ALERT:NONE): a reminder without alarms then rings never.
    bool alertSilenced = false;
    std::optional<QDateTime> completionDate;
    std::optional<DueDateComponents> due;
    std::optional<QString> notes;
    int priority = 0;
    QList<RecurrenceRule> recurrenceRules;
    /// DTSTART, which alarms relative to the start are measured from.
    std::optional<DueDateComponents> start;
    QList<StoreAlarm> alarms;
    /// When a client last acknowledged the reminder's alarms (X-MOZ-LASTACK), and until when one snoozed them
    /// (X-MOZ-SNOOZE-TIME). Saving writes a changed value; LASTACK is never removed.
    std::optional<QDateTime> lastAcknowledged;
    std::optional<QDateTime> snoozedUntil;
    /// Snoozes of single occurrences of a repeating reminder (X-MOZ-SNOOZE-TIME-<key>), by occurrence key. Saving
    /// writes the entries that changed and removes those that were dropped.
    QMap<QString, QDateTime> occurrenceSnoozes;
    /// An alert chosen in the form, written by the next save; never read from a file. Held by pointer: a store
    /// holds many records, and only one being saved carries an edit.
    std::shared_ptr<const AlertEdit> alertEdit;
    /// The occurrences, for a reminder that repeats. `due` and `start` stay those the file holds (the first
    /// occurrence, or the current one for clients that move them on); the series tells the current occurrence.
    std::shared_ptr<const ReminderSeries> series;
    /// The to-do's UID, which other reminders' RELATED-TO names; a new reminder gets one when it is saved.
    QString uid;
    /// The CATEGORIES values (tags), in file order. Saving a change rewrites only the lines whose values changed.
    QStringList categories;
    /// The parent's UID (RELATED-TO with RELTYPE=PARENT, or without RELTYPE). Saving a change rewrites only that
    /// line, or adds or removes it.
    std::optional<QString> parentUID;
    /// The sub-tasks a parent names itself (RELATED-TO;RELTYPE=CHILD). Saving removes the lines of those dropped
    /// and adds one for each added.
    QStringList childUIDs;
};

} // namespace tolvik
