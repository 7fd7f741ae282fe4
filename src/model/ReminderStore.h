#pragma once

#include "model/StoreRecords.h"
#include "model/StoreReminderBatch.h"

#include <QCoro/QCoroTask>
#include <QObject>
#include <QStringList>

#include <memory>
#include <optional>

namespace tolvik {

/// One stored version of a reminder in the store's own terms (where it lies, which version it is, its bytes).
/// Only the store that made it reads it; the model merely carries it from a change to that change's undo.
struct StoredVersion
{
    virtual ~StoredVersion() = default;
};

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
    /// Set when a restore found the reminder changed by someone since the change it would undo; nothing was
    /// written.
    bool changedSince = false;
    /// What a successful save or removal left behind, for the snapshot taken just before it; empty when the store
    /// keeps no such record.
    std::shared_ptr<const StoredVersion> written = nullptr;

    bool ok() const { return !error.has_value(); }
};

/// The outcome of making a list: its id, or the store's readable reason.
struct ListCreation
{
    std::optional<QString> error;
    QString listID;
};

/// A reminder as stored just before a change, and what that change left, so that the change can be undone.
struct ReminderSnapshot
{
    std::shared_ptr<const StoredVersion> before = nullptr;
    std::shared_ptr<const StoredVersion> after = nullptr;
};

/// A reminder's file as stored when it was read, byte for byte, with the version it was, so that a later write can
/// replace exactly that version.
struct StoredFile
{
    QByteArray bytes;
    std::shared_ptr<const StoredVersion> version = nullptr;
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
    /// The list the last granted access request made because the store had none, so that a new user finds it
    /// shown; nothing when the store already existed.
    virtual std::optional<QString> listCreatedForAccess() const { return std::nullopt; }

    /// Every reminder list of every account, in the store's order. Looks at the folders off the main thread;
    /// the result arrives on the main thread.
    virtual QCoro::Task<QList<StoreList>> lists() = 0;
    /// Every reminder, completed or not, in the given lists. The result arrives on the main thread.
    virtual QCoro::Task<StoreReminderBatch> fetchReminders(QStringList listIDs) = 0;

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

    /// The reminder as stored now, taken just before a change so that the change can be undone; nothing when the
    /// store cannot undo changes or does not hold the reminder.
    virtual std::optional<ReminderSnapshot> snapshotReminder(const QString& reminderID);
    /// Puts the reminder back exactly as `snapshot.before` holds it, under its old name, unless anyone changed it
    /// since the change recorded in `snapshot.after`; then nothing is written and the result says `changedSince`.
    virtual WriteResult restoreReminder(const ReminderSnapshot& snapshot);

    /// The reminder's file as stored now; nothing when the store does not hold it or keeps no files.
    virtual std::optional<StoredFile> readReminderFile(const QString& reminderID);
    /// Replaces the file `current` was read from with `bytes`, another version of the same reminder (the same UID),
    /// unless anyone changed it since it was read; then nothing is written and the result says `changedSince`.
    virtual WriteResult replaceReminderFile(const StoredFile& current, const QByteArray& bytes);
    /// The reminder that `bytes` hold, read as the store reads its files; nothing when they hold none.
    virtual std::optional<StoreReminder> readReminderBytes(const QByteArray& bytes) const;

    /// Makes a list named `name` in the account, with `color` unless it is invalid.
    virtual ListCreation createList(const QString& accountID, const QString& name, const QColor& color);
    /// Gives the list a new name.
    virtual WriteResult renameList(const QString& listID, const QString& name);
    /// Gives the list a new colour.
    virtual WriteResult recolorList(const QString& listID, const QColor& color);
    /// Removes the list with its reminders, where the user can still get it back.
    virtual WriteResult deleteList(const QString& listID);

Q_SIGNALS:
    /// The store's content changed, through this process or elsewhere. Delivered on the main thread.
    void changed();
};

} // namespace tolvik
