#include "sync/DeletionGuard.h"
#include "sync/SyncService.h"
#include "sync/SyncSnapshots.h"

#include <QFile>

// The sync's safety net: a snapshot before each run, a look at each list before the engine may delete anything,
// and the user's two answers when it would delete too much.

namespace tolvik {

QString SyncService::listFolder(const QString& accountID, const QString& list) const
{
    return m_storeRoot + QLatin1Char('/') + accountID + QLatin1Char('/') + list;
}

QCoro::Task<SyncService::GuardOutcome> SyncService::guardLists(SyncAccount account, QString password, QStringList lists,
                                                               QList<HeldDeletion> previous)
{
    GuardOutcome outcome;
    const QDateTime now = QDateTime::currentDateTimeUtc();
    outcome.snapshot = SyncSnapshots::take(account.id, m_storeRoot + QLatin1Char('/') + account.id, now);
    if (outcome.snapshot.isEmpty()) {
        qWarning("No snapshot of the account %s before its sync", qPrintable(account.id));
    }
    QStringList keep;
    keep << outcome.snapshot;
    for (const HeldDeletion& held : previous) {
        keep << held.snapshot;
    }
    SyncSnapshots::prune(account.id, now, keep);

    QList<std::pair<SyncedCollection, QString>> targets;
    for (const SyncedCollection& collection : account.collections) {
        const bool checked = lists.isEmpty() || lists.contains(collection.name);
        // Removals made already wait for the user's word; so does a question about a list not looked at now.
        for (const HeldDeletion& held : previous) {
            if (held.list == collection.name && (held.alreadyRemoved || !checked)) {
                outcome.held.append(held);
            }
        }
        if (checked) {
            targets.append({collection, listFolder(account.id, collection.name)});
        }
    }
    DavClient client;
    client.setCredentials(account.userName, password);
    client.setPinnedFingerprint(account.pinnedFingerprint);
    client.setTimeout(30000);
    for (const auto& [collection, folder] : targets) {
        const DeletionGuard::ListCheck check =
            co_await DeletionGuard::check(client, account.id, collection, folder, outcome.snapshot);
        if (check.failure) {
            if (!outcome.failure) {
                outcome.failure = check.failure;
                outcome.failedList = DeletionGuard::displayName(folder, collection.name);
            }
            continue;
        }
        outcome.known.insert(collection.name, check.known);
        if (check.held) {
            outcome.held.append(*check.held);
        } else {
            outcome.allowed.append(collection.name);
        }
    }
    co_return outcome;
}

void SyncService::noteRemovals(const SyncAccount& account, const EngineOutput& output, GuardOutcome& guard) const
{
    for (const QString& list : std::as_const(guard.allowed)) {
        const QString folder = listFolder(account.id, list);
        HeldDeletion held;
        held.list = list;
        held.displayName = DeletionGuard::displayName(folder, list);
        held.snapshot = guard.snapshot;
        if (output.emptiedCollections.contains(list)) {
            // The engine stopped by itself before removing anything: the same question as the guard's.
            held.serverEmpty = true;
            const auto status = DeletionGuard::readStatus(DeletionGuard::statusFile(account.id, list));
            for (const EngineStatusEntry& entry :
                 DeletionGuard::wouldDelete(status.value_or(QList<EngineStatusEntry>()), {}, folder)) {
                held.files.append(entry.localHref);
                held.idents.append(entry.ident);
            }
        } else {
            const int removed = output.deletedLocally.value(list);
            const int known = guard.known.value(list);
            if (removed == 0 || (!DeletionGuard::tooMany(removed, known) && removed < known)) {
                continue;
            }
            held.alreadyRemoved = true;
            held.files = SyncSnapshots::missingNow(account.id, guard.snapshot, list, folder);
        }
        if (!held.files.isEmpty()) {
            guard.held.append(held);
        }
    }
}

QCoro::Task<bool> SyncService::restoreHeld(QString accountID)
{
    if (EngineRunner* engine = m_runners.value(accountID); engine && engine->isRunning()) {
        co_return false;
    }
    AccountSyncState state = m_states.value(accountID);
    bool ok = true;
    QStringList lists;
    for (const HeldDeletion& held : std::as_const(state.held)) {
        const QString folder = listFolder(accountID, held.list);
        ok = SyncSnapshots::restore(accountID, held.snapshot, held.list, folder, held.files) && ok;
        // Forgotten by the engine, the files count as new here and go up to the server again.
        ok = DeletionGuard::forget(DeletionGuard::statusFile(accountID, held.list), held.idents) && ok;
        if (!lists.contains(held.list)) {
            lists.append(held.list);
        }
    }
    if (!ok) {
        co_return false;
    }
    state.held.clear();
    setState(accountID, state);
    if (!lists.isEmpty()) {
        co_await sync(accountID, lists);
    }
    co_return true;
}

QCoro::Task<bool> SyncService::deleteHeld(QString accountID)
{
    if (EngineRunner* engine = m_runners.value(accountID); engine && engine->isRunning()) {
        co_return false;
    }
    AccountSyncState state = m_states.value(accountID);
    QStringList lists;
    for (const HeldDeletion& held : std::as_const(state.held)) {
        if (!lists.contains(held.list)) {
            lists.append(held.list);
        }
        if (held.alreadyRemoved) {
            continue;
        }
        const QString folder = listFolder(accountID, held.list);
        const auto status = DeletionGuard::readStatus(DeletionGuard::statusFile(accountID, held.list));
        for (const EngineStatusEntry& entry : status.value_or(QList<EngineStatusEntry>())) {
            // A reminder changed here since is the user's newer word: the engine uploads it instead.
            if (held.idents.contains(entry.ident) && DeletionGuard::unchangedHere(entry, folder)) {
                QFile::remove(folder + QLatin1Char('/') + entry.localHref);
            }
        }
    }
    state.held.clear();
    setState(accountID, state);
    if (!lists.isEmpty()) {
        co_await sync(accountID, lists);
    }
    co_return true;
}

} // namespace tolvik
