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
};

} // namespace tolvik
