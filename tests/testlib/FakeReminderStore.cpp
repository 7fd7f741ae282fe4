#include "FakeReminderStore.h"

#include <utility>

namespace tolvik::test {

// Suspends a fetch until a test releases it.
struct FakeReminderStore::FetchGate
{
    FakeReminderStore* store;

    bool await_ready() const noexcept { return false; }
    void await_suspend(std::coroutine_handle<> fetch) noexcept { store->m_waitingFetches.append(fetch); }
    void await_resume() const noexcept {}
};

FakeReminderStore::FakeReminderStore(QObject* parent)
    : ReminderStore(parent)
{}

FakeReminderStore::~FakeReminderStore()
{
    // Let held fetches finish rather than leave their coroutines suspended forever.
    m_holdFetches = false;
    releaseFetches();
}

void FakeReminderStore::setAccessAnswer(AccessResult result, AuthorizationStatus statusAfter)
{
    m_accessResult = std::move(result);
    m_statusAfterAccess = statusAfter;
}

QCoro::Task<AccessResult> FakeReminderStore::requestAccess()
{
    ++m_accessRequests;
    m_status = m_statusAfterAccess;
    co_return AccessResult(m_accessResult);
}

void FakeReminderStore::addList(const StoreList& list)
{
    m_lists.append(list);
}

QString FakeReminderStore::addReminder(StoreReminder reminder)
{
    if (reminder.id.isEmpty()) {
        reminder.id = QStringLiteral("fake-%1").arg(m_nextID++);
    }
    m_reminders.append(reminder);
    return reminder.id;
}

void FakeReminderStore::dropReminder(const QString& id)
{
    m_reminders.removeIf([&id](const StoreReminder& reminder) { return reminder.id == id; });
}

void FakeReminderStore::releaseFetches()
{
    // Taken first: a resumed fetch may start (and hold) another one.
    const QList<std::coroutine_handle<>> waiting = std::exchange(m_waitingFetches, {});
    for (std::coroutine_handle<> fetch : waiting) {
        fetch.resume();
    }
}

void FakeReminderStore::releaseOldestFetch()
{
    if (!m_waitingFetches.isEmpty()) {
        m_waitingFetches.takeFirst().resume();
    }
}

void FakeReminderStore::releaseNewestFetch()
{
    if (!m_waitingFetches.isEmpty()) {
        m_waitingFetches.takeLast().resume();
    }
}

QCoro::Task<StoreReminderBatch> FakeReminderStore::fetchReminders(QStringList listIDs)
{
    ++m_fetches;
    const auto matching = [this, listIDs] {
        QList<StoreReminder> result;
        for (const StoreReminder& reminder : std::as_const(m_reminders)) {
            if (reminder.listID && listIDs.contains(*reminder.listID)) {
                result.append(reminder);
            }
        }
        return result;
    };
    const QList<StoreReminder> atStart = m_snapshotAtFetchStart ? matching() : QList<StoreReminder>();
    const bool snapshot = m_snapshotAtFetchStart;
    if (m_holdFetches) {
        co_await FetchGate{this};
    }
    co_return snapshot ? atStart : matching();
}

std::optional<StoreReminder> FakeReminderStore::reminderWithID(const QString& id)
{
    for (const StoreReminder& reminder : std::as_const(m_reminders)) {
        if (reminder.id == id) {
            return reminder;
        }
    }
    return std::nullopt;
}

std::optional<StoreList> FakeReminderStore::listWithID(const QString& id)
{
    for (const StoreList& list : std::as_const(m_lists)) {
        if (list.id == id) {
            return list;
        }
    }
    return std::nullopt;
}

WriteResult FakeReminderStore::saveReminder(const StoreReminder& reminder)
{
    ++m_saves;
    if (m_saveError) {
        return WriteResult{m_saveError};
    }
    for (StoreReminder& stored : m_reminders) {
        if (!reminder.id.isEmpty() && stored.id == reminder.id) {
            stored = reminder;
            return {};
        }
    }
    addReminder(reminder);
    return {};
}

WriteResult FakeReminderStore::removeReminder(const StoreReminder& reminder)
{
    ++m_removes;
    if (m_removeError) {
        return WriteResult{m_removeError};
    }
    dropReminder(reminder.id);
    return {};
}

} // namespace tolvik::test
