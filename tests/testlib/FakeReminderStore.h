#pragma once

#include "model/ReminderStore.h"

#include <QList>
#include <QString>

#include <coroutine>
#include <optional>

namespace tolvik::test {

/// An in-memory reminder store for the states real files cannot produce: a status such as restricted or
/// write only, a scripted access answer, a fetch held open, and writes that fail with a given text.
/// Its own writes do not emit `changed()`; a test emits it when it wants a change to be seen.
class FakeReminderStore : public ReminderStore
{
    Q_OBJECT

public:
    explicit FakeReminderStore(QObject* parent = nullptr);
    ~FakeReminderStore() override;

    void setStatus(AuthorizationStatus status) { m_status = status; }
    /// What the next access requests yield, and the status they leave behind.
    void setAccessAnswer(AccessResult result, AuthorizationStatus statusAfter);
    int accessRequestCount() const { return m_accessRequests; }

    /// Appends a list; its order is the store's order.
    void addList(const StoreList& list);
    /// Appends a reminder and returns its id ("fake-<n>" when it has none).
    QString addReminder(StoreReminder reminder);
    /// Every reminder held, completed ones included, in the store's order.
    QList<StoreReminder> storedReminders() const { return m_reminders; }
    /// Forgets a reminder without counting a removal, as if another program deleted it.
    void dropReminder(const QString& id);

    /// While held, fetches wait until released; they then deliver what the store holds at that time.
    void holdFetches(bool hold) { m_holdFetches = hold; }
    /// Lets every waiting fetch finish, oldest first.
    void releaseFetches();
    /// Lets only the oldest waiting fetch finish.
    void releaseOldestFetch();
    /// Lets only the newest waiting fetch finish.
    void releaseNewestFetch();
    /// Makes each fetch take what the store holds when it starts rather than when it is released, the way a slow
    /// read of the files can deliver a state that newer writes have already replaced.
    void setSnapshotAtFetchStart(bool snapshot) { m_snapshotAtFetchStart = snapshot; }
    int pendingFetchCount() const { return int(m_waitingFetches.size()); }
    int fetchCount() const { return m_fetches; }

    /// Makes every save (or removal) fail with this text until it is set back to nothing.
    void setSaveError(std::optional<QString> text) { m_saveError = std::move(text); }
    void setRemoveError(std::optional<QString> text) { m_removeError = std::move(text); }
    /// Attempted saves and removals, failed ones included.
    int saveCount() const { return m_saves; }
    int removeCount() const { return m_removes; }

    AuthorizationStatus authorizationStatus() const override { return m_status; }
    QCoro::Task<AccessResult> requestAccess() override;
    // A copy: QCoro moves from what `co_return` names, which would empty the member.
    QCoro::Task<QList<StoreList>> lists() override { co_return QList<StoreList>(m_lists); }
    QCoro::Task<StoreReminderBatch> fetchReminders(QStringList listIDs) override;
    std::optional<StoreReminder> reminderWithID(const QString& id) override;
    std::optional<StoreList> listWithID(const QString& id) override;
    WriteResult saveReminder(const StoreReminder& reminder) override;
    WriteResult removeReminder(const StoreReminder& reminder) override;

private:
    AuthorizationStatus m_status = AuthorizationStatus::fullAccess;
    AccessResult m_accessResult{true, std::nullopt};
    AuthorizationStatus m_statusAfterAccess = AuthorizationStatus::fullAccess;
    int m_accessRequests = 0;

    QList<StoreList> m_lists;
    QList<StoreReminder> m_reminders;
    int m_nextID = 1;

    struct FetchGate;
    bool m_holdFetches = false;
    bool m_snapshotAtFetchStart = false;
    QList<std::coroutine_handle<>> m_waitingFetches;
    int m_fetches = 0;

    std::optional<QString> m_saveError;
    std::optional<QString> m_removeError;
    int m_saves = 0;
    int m_removes = 0;
};

} // namespace tolvik::test
