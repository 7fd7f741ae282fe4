#pragma once

#include "model/StoreRecords.h"

#include <QCoro/QCoroTask>
#include <QObject>
#include <QStringList>

#include <optional>

namespace tolvik {

/// The outcome of an access request: granted, or a failure with the store's text.
struct AccessResult
{
    bool granted = false;
    std::optional<QString> error;
};

/// The outcome of a write: success, or the store's readable reason.
struct WriteResult
{
    std::optional<QString> error;

    bool ok() const { return !error.has_value(); }
};

/// The reminder store the model reads and writes. Every call is made on the main thread.
class ReminderStore : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;
    ~ReminderStore() override = default;

    /// The current authorization status, answered at once.
    virtual AuthorizationStatus authorizationStatus() const = 0;
    /// Asks for access; resumes on the main thread with granted or an error.
    virtual QCoro::Task<AccessResult> requestAccess() = 0;

    /// Every reminder list of every account, in the store's order. Looks at the folders off the main thread;
    /// the result arrives on the main thread.
    virtual QCoro::Task<QList<StoreList>> lists() = 0;
    /// Every reminder, completed or not, in the given lists. The result arrives on the main thread.
    virtual QCoro::Task<QList<StoreReminder>> fetchReminders(QStringList listIDs) = 0;

    /// The reminder with that id, as last loaded, or nothing.
    virtual std::optional<StoreReminder> reminderWithID(const QString& id) = 0;
    /// The list with that id, or nothing.
    virtual std::optional<StoreList> listWithID(const QString& id) = 0;
    /// A new, unsaved reminder.
    virtual StoreReminder newReminder() { return StoreReminder{}; }

    /// Saves a new or changed reminder. A changed `listID` moves it; setting `isCompleted` completes it.
    /// Only the fields that differ from the reminder as last loaded are written.
    virtual WriteResult saveReminder(const StoreReminder& reminder) = 0;
    /// Removes the reminder.
    virtual WriteResult removeReminder(const StoreReminder& reminder) = 0;

Q_SIGNALS:
    /// The store's content changed, through this process or elsewhere. Delivered on the main thread.
    void changed();
};

} // namespace tolvik
