#pragma once

#include <QColor>
#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QTime>
#include <QTimeZone>

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
    /// Nothing when the components denote no point in time.
    std::optional<QDateTime> toDateTime() const;
    /// The components of `moment` to the minute, in the user's current time zone.
    static DueDateComponents fromDateTime(const QDateTime& moment);

    friend bool operator==(const DueDateComponents&, const DueDateComponents&) = default;
};

/// One recurrence rule: frequency daily 0, weekly 1, monthly 2, yearly 3 (other numbers are possible).
struct RecurrenceRule
{
    int frequency = 0;
    int interval = 1;
    bool hasEnd = false;

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
    /// Seconds from the anchor for relative triggers; negative means before it.
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

/// A reminder in the store. A new, unsaved reminder has an empty id.
struct StoreReminder
{
    QString id;
    QString title;
    std::optional<QString> listID;
    bool isCompleted = false;
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
};

} // namespace tolvik
