#pragma once

#include "appearance/Preferences.h"
#include "model/Clock.h"
#include "model/KeptVersions.h"
#include "model/RecurrenceOption.h"
#include "model/ReminderAccount.h"
#include "model/ReminderAlert.h"
#include "model/ReminderItem.h"
#include "model/ReminderList.h"
#include "model/ReminderStore.h"
#include "model/ReminderTimeframe.h"
#include "model/StoreRecords.h"

#include <QColor>
#include <QCoro/QCoroTask>
#include <QDateTime>
#include <QList>
#include <QMetaObject>
#include <QObject>
#include <QString>

#include <optional>

namespace tolvik {

/// The fields of a reminder that the edit form shows, as the form was opened with them.
struct ReminderFields
{
    QString title;
    std::optional<QString> notes;
    std::optional<QDateTime> dueDate;
    int priority = 0;
    RecurrenceOption recurrence = RecurrenceOption::none;
    bool dueIsAllDay = false;
    ReminderAlert alert{};
    QStringList tags{};
};

/// A completion or removal that can be undone: the reminder's id and title as they were, and the store's snapshot
/// of it from just before the change.
struct UndoableChange
{
    enum class Kind
    {
        completed,
        deleted,
    };
    Kind kind = Kind::completed;
    QString reminderID;
    QString title;
    ReminderSnapshot snapshot;
    /// The sub-tasks completed along with it, undone with it.
    QList<ReminderSnapshot> subtaskSnapshots{};
};

/// The one observable reminders model: it owns the store, asks for access, publishes the accounts, lists and
/// open reminders within the timeframe, performs the mutations and follows the store's changes.
/// Everything runs on the main thread. Each published field has its own NOTIFY signal, emitted on every
/// assignment; the published lists are only ever replaced whole.
class RemindersViewModel : public QObject
{
    Q_OBJECT
    Q_PROPERTY(
        tolvik::AuthorizationStatus authorizationStatus READ authorizationStatus NOTIFY authorizationStatusChanged)
    Q_PROPERTY(QList<tolvik::ReminderAccount> accounts READ accounts NOTIFY accountsChanged)
    Q_PROPERTY(QList<tolvik::ReminderList> lists READ lists NOTIFY listsChanged)
    Q_PROPERTY(QList<tolvik::ReminderItem> reminders READ reminders NOTIFY remindersChanged)
    Q_PROPERTY(bool isSyncing READ isSyncing NOTIFY isSyncingChanged)
    Q_PROPERTY(std::optional<QDateTime> lastRefreshDate READ lastRefreshDate NOTIFY lastRefreshDateChanged)
    Q_PROPERTY(bool isAutoRefreshEnabled READ isAutoRefreshEnabled WRITE setAutoRefreshEnabled NOTIFY
                   isAutoRefreshEnabledChanged)
    Q_PROPERTY(tolvik::ReminderTimeframe reminderTimeframe READ reminderTimeframe WRITE setReminderTimeframe NOTIFY
                   reminderTimeframeChanged)
    Q_PROPERTY(std::optional<QString> lastOperationError READ lastOperationError NOTIFY lastOperationErrorChanged)

public:
    /// The colour of a list that has none of its own.
    static QColor fallbackListColor();

    /// Takes ownership of `store` (it becomes a child). `preferences` must outlive the model.
    /// Reads the status and the two stored options, subscribes to the store's changes, and schedules the
    /// start-up task: refresh with access, ask for access when never asked, else nothing.
    RemindersViewModel(ReminderStore* store, Preferences& preferences, Clock clock = systemClock(),
                       QObject* parent = nullptr);
    ~RemindersViewModel() override;

    AuthorizationStatus authorizationStatus() const { return m_authorizationStatus; }
    /// Accounts that own at least one list, by name (code point order, stable).
    QList<ReminderAccount> accounts() const { return m_accounts; }
    /// Every list of every account, by name (code point order, stable).
    QList<ReminderList> lists() const { return m_lists; }
    /// The open reminders inside the timeframe: by due date, then title, undated ones last; each sub-task that
    /// nests follows its parent (see `arrangeReminders`).
    QList<ReminderItem> reminders() const { return m_reminders; }
    /// Every open reminder whatever the timeframe, in display order without nesting; published with `reminders`.
    QList<ReminderItem> openReminders() const { return m_openReminders; }
    /// The reminders completed in the last seven days, newest first; published with `reminders`.
    QList<ReminderItem> recentlyCompleted() const { return m_recentlyCompleted; }
    /// The tags of the reminders published now, open or recently completed, each once whatever its case, in
    /// the order of their case-folded text: what the form's tag field completes from.
    QStringList tagsInUse() const;
    /// The open sub-tasks below a reminder in its list, at every depth, each once.
    QStringList openSubtaskIDs(const QString& id) const;
    bool isSyncing() const { return m_isSyncing; }
    std::optional<QDateTime> lastRefreshDate() const { return m_lastRefreshDate; }
    bool isAutoRefreshEnabled() const { return m_isAutoRefreshEnabled; }
    ReminderTimeframe reminderTimeframe() const { return m_reminderTimeframe; }
    /// The store's text from the last failed mutation; absent after a successful one.
    std::optional<QString> lastOperationError() const { return m_lastOperationError; }

    /// Stores the option; the next store change follows it. Does not refresh.
    void setAutoRefreshEnabled(bool enabled);
    /// Stores the option and starts a refresh, even when the value is the one already held.
    void setReminderTimeframe(ReminderTimeframe timeframe);

    /// Asks for access, re-reads the status, and refreshes when access was granted.
    QCoro::Task<> requestAccess();
    /// Reloads accounts, lists and reminders while access is granted; does nothing otherwise.
    QCoro::Task<> refresh();
    /// Publishes the accounts and lists as the store has them now.
    QCoro::Task<> loadCalendars();

    /// Adds a reminder to a list. The caller passes a trimmed, non-empty title and absent notes for none. With
    /// `dueIsAllDay` the reminder is due on the day of `dueDate`, without a time. A `custom` recurrence writes
    /// `customRule` (see customRule()); without one it writes none.
    /// True when the reminder was written; false when the list is gone or the write failed (see lastOperationError).
    /// An `alert` other than the default is written as the reminder's alarm (see `updateReminder`).
    QCoro::Task<bool> addReminder(QString title, std::optional<QString> notes, std::optional<QDateTime> dueDate,
                                  int priority, RecurrenceOption recurrence, QString listID, bool dueIsAllDay = false,
                                  std::optional<RecurrenceRule> customRule = std::nullopt,
                                  ReminderAlert alert = ReminderAlert{}, QStringList tags = {});
    /// Adds a sub-task of `parentID` in the parent's list, linked with RELATED-TO;RELTYPE=PARENT; otherwise as
    /// `addReminder`. False when the parent is gone or the write failed.
    QCoro::Task<bool> addSubtask(QString parentID, QString title, std::optional<QString> notes,
                                 std::optional<QDateTime> dueDate, int priority, RecurrenceOption recurrence,
                                 bool dueIsAllDay = false, std::optional<RecurrenceRule> customRule = std::nullopt,
                                 ReminderAlert alert = ReminderAlert{}, QStringList tags = {});
    /// Makes a reminder a sub-task of another in its list, changing only its parent link. False, with nothing written,
    /// when either is gone, they lie in different lists, or the new parent is the reminder itself or one of its
    /// sub-tasks.
    QCoro::Task<bool> makeSubtask(QString id, QString parentID);
    /// Moves a sub-task to the top level: removes its parent link, and the parent's RELTYPE=CHILD line naming it.
    QCoro::Task<bool> moveToTopLevel(QString id);
    /// Reopens a completed reminder: STATUS:NEEDS-ACTION, without COMPLETED and PERCENT-COMPLETE.
    QCoro::Task<bool> reopenReminder(QString id);
    /// Rewrites a reminder's title, notes, due date, priority and repeat rule; leaves the rest alone. Given the
    /// values the form was opened with, writes only the fields the user changed, so that another client's change
    /// to any other field since then survives. True when the change was written; false when the reminder is gone
    /// or the write failed. A changed `alert` replaces only the reminder's first alarm (or adds one); "none" removes
    /// its alarms and silences the ring at the due time. Changed `tags` rewrite only the CATEGORIES lines that changed.
    QCoro::Task<bool> updateReminder(QString id, QString title, std::optional<QString> notes,
                                     std::optional<QDateTime> dueDate, int priority, RecurrenceOption recurrence,
                                     std::optional<ReminderFields> openedWith = std::nullopt, bool dueIsAllDay = false,
                                     std::optional<ReminderAlert> alert = std::nullopt,
                                     std::optional<QStringList> tags = std::nullopt);
    /// Moves a reminder to another list; a move onto its own list does nothing.
    QCoro::Task<> moveReminder(QString id, QString toListID);
    /// Marks a reminder completed now (a repeating one moves on to its next occurrence in the store). Returns, and
    /// announces with `undoableChangeMade`, what undoing it needs; a failure is announced with `changeFailed`.
    /// With `withSubtasks`, its open sub-tasks (`openSubtaskIDs`) are completed too, as one change that one undo
    /// takes back; when one of them cannot be written, those already written are put back and nothing is completed.
    QCoro::Task<std::optional<UndoableChange>> completeReminder(QString id, bool withSubtasks = false);
    /// Removes a reminder; returns and announces like `completeReminder`.
    QCoro::Task<std::optional<UndoableChange>> deleteReminder(QString id);
    /// Puts the reminder (and the sub-tasks completed with it) back exactly as it was before `change` and
    /// refreshes. Fails with `changedSince` when anyone changed one of them since; the others are still put back.
    QCoro::Task<WriteResult> undo(UndoableChange change);

    /// Makes a list in the account and selects it, with its account when accounts are filtered. The caller passes a
    /// trimmed, non-empty name; an invalid colour means none.
    QCoro::Task<ListCreation> createList(QString accountID, QString name, QColor color);
    /// Renames a list; the caller passes a trimmed, non-empty name.
    QCoro::Task<WriteResult> renameList(QString id, QString name);
    QCoro::Task<WriteResult> recolorList(QString id, QColor color);
    /// Removes a list with its reminders and drops it from the selection.
    QCoro::Task<WriteResult> deleteList(QString id);
    /// How many reminders, open or completed, the list holds.
    QCoro::Task<int> reminderCountOfList(QString id);

    /// Where a sync sets aside the other version of a reminder changed on two devices; none by default. Must
    /// outlive the model.
    void setKeptVersions(KeptVersions* versions);
    /// Whether the reminder was changed on two devices and the other version is set aside.
    bool hasOtherVersion(const ReminderItem& reminder) const;
    /// The other version of the reminder, read as a reminder, to show what it says.
    std::optional<ReminderItem> otherVersion(const ReminderItem& reminder) const;
    /// Keeps the reminder as it is and lets the other version go.
    QCoro::Task<bool> keepThisVersion(ReminderItem reminder);
    /// Puts the other version into the reminder's file byte for byte, over the version shown (the user chose to
    /// replace it), and lets it go. False, with `versionChoiceFailed`, when nothing changed.
    QCoro::Task<bool> useOtherVersion(ReminderItem reminder);

Q_SIGNALS:
    void authorizationStatusChanged();
    void accountsChanged();
    void listsChanged();
    /// `reminders`, `openReminders` and `recentlyCompleted` changed (always together).
    void remindersChanged();
    void isSyncingChanged();
    void lastRefreshDateChanged();
    void isAutoRefreshEnabledChanged();
    void reminderTimeframeChanged();
    void lastOperationErrorChanged();
    /// A completion or removal was written and can be undone.
    void undoableChangeMade(tolvik::UndoableChange change);
    /// A completion or removal of the reminder titled `title` failed, with the store's text.
    void changeFailed(tolvik::UndoableChange::Kind kind, QString title, QString error);
    /// Versions set aside by a sync came or went.
    void otherVersionsChanged();
    /// Choosing a version of the reminder titled `title` failed, with the reason.
    void versionChoiceFailed(QString title, QString error);

private:
    void readStoredOptions();
    /// Writes a new reminder with the given fields; the shared body of `addReminder` and `addSubtask`.
    QCoro::Task<bool> addToList(StoreReminder reminder, QString title, std::optional<QString> notes,
                                std::optional<QDateTime> dueDate, int priority, RecurrenceOption recurrence,
                                bool dueIsAllDay, std::optional<RecurrenceRule> customRule, ReminderAlert alert,
                                QStringList tags);
    /// Puts back the given snapshots; the first failure's result, else success.
    WriteResult restoreAll(const QList<ReminderSnapshot>& snapshots);
    QCoro::Task<> startUp();
    QCoro::Task<> refreshAfterStoreChange();
    void publishCalendars(const QList<StoreList>& storeLists);
    /// Fetches every reminder of these lists and publishes the open ones inside the timeframe, in display order.
    QCoro::Task<> reloadReminders(QList<StoreList> storeLists);
    /// The common ending of every mutation: clear the error and refresh, or publish the store's text. Returns
    /// whether the write succeeded, so that the caller knows its own operation failed whatever happens meanwhile.
    QCoro::Task<bool> finish(WriteResult result);
    /// `finish` for a completion or removal: on success, what undoing it needs.
    QCoro::Task<std::optional<UndoableChange>> finishUndoable(UndoableChange::Kind kind, StoreReminder reminder,
                                                              std::optional<ReminderSnapshot> snapshot,
                                                              WriteResult result,
                                                              QList<ReminderSnapshot> subtaskSnapshots = {});

    /// The account of the reminder's list; empty when the list is not published.
    QString accountOfList(const QString& listID) const;

    void setAuthorizationStatus(AuthorizationStatus status);
    void setIsSyncing(bool syncing);
    void setLastOperationError(std::optional<QString> error);

    ReminderStore* m_store;
    KeptVersions* m_keptVersions = nullptr;
    Preferences& m_preferences;
    Clock m_clock;
    QMetaObject::Connection m_changeObserver;

    AuthorizationStatus m_authorizationStatus;
    QList<ReminderAccount> m_accounts;
    QList<ReminderList> m_lists;
    QList<ReminderItem> m_reminders;
    QList<ReminderItem> m_openReminders;
    QList<ReminderItem> m_recentlyCompleted;
    bool m_isSyncing = false;
    std::optional<QDateTime> m_lastRefreshDate;
    bool m_isAutoRefreshEnabled = true;
    ReminderTimeframe m_reminderTimeframe = ReminderTimeframe::oneMonth;
    std::optional<QString> m_lastOperationError;
    /// Fetches started, and the latest of them that published: refreshes overlap and their fetches may finish out
    /// of order, and an older fetch's files must not replace what a newer one already showed.
    quint64 m_fetchesStarted = 0;
    quint64 m_newestPublishedFetch = 0;
};

} // namespace tolvik

Q_DECLARE_METATYPE(tolvik::UndoableChange)
