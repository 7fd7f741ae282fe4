#include "sync/SyncScheduler.h"

#include "sync/SyncService.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileSystemWatcher>
#include <QTimer>

#include <algorithm>

namespace tolvik {

SyncScheduler::SyncScheduler(SyncService& service, QObject* parent)
    : QObject(parent)
    , m_service(service)
    , m_periodic(new QTimer(this))
    , m_quiet(new QTimer(this))
    , m_watcher(new QFileSystemWatcher(this))
{
    m_periodic->setInterval(periodMs);
    connect(m_periodic, &QTimer::timeout, this, [this] { syncAll(false); });
    m_periodic->start();
    m_quiet->setSingleShot(true);
    connect(m_quiet, &QTimer::timeout, this, &SyncScheduler::startDue);
    connect(m_watcher, &QFileSystemWatcher::directoryChanged, this, [this](const QString& path) {
        const QString root = QDir(m_service.storeRoot()).absolutePath() + QLatin1Char('/');
        const QString relative = QDir(path).absolutePath().mid(root.size());
        const QString accountID = relative.section(QLatin1Char('/'), 0, 0);
        if (!relative.contains(QLatin1Char('/'))) {
            // The account's own folder changed: a list made here gets a list on the server with the next sync.
            for (const SyncAccount& account : m_service.accounts()) {
                if (account.id == accountID) {
                    for (const QString& name : m_service.newListFolders(account)) {
                        listChanged(accountID, name);
                    }
                }
            }
            return;
        }
        listChanged(accountID, relative.section(QLatin1Char('/'), 1, 1));
    });
    connect(&m_service, &SyncService::accountsChanged, this, &SyncScheduler::watchFolders);
    connect(&m_service, &SyncService::stateChanged, this, &SyncScheduler::onStateChanged);
    connect(&m_service, &SyncService::panelOpened, this, &SyncScheduler::panelOpened);
    connect(&m_service, &SyncService::runStarted, this, [this](const QString& accountID, const QStringList& lists) {
        for (const SyncAccount& account : m_service.accounts()) {
            if (account.id != accountID) {
                continue;
            }
            for (const SyncedCollection& collection : account.collections) {
                if (lists.isEmpty() || lists.contains(collection.name)) {
                    m_seen.insert(accountID + QLatin1Char('/') + collection.name,
                                  fingerprint(accountID, collection.name));
                }
            }
        }
    });
    watchFolders();
}

void SyncScheduler::watchFolders()
{
    if (!m_watcher->directories().isEmpty()) {
        m_watcher->removePaths(m_watcher->directories());
    }
    for (const SyncAccount& account : m_service.accounts()) {
        const QString accountFolder = m_service.storeRoot() + QLatin1Char('/') + account.id;
        if (QFileInfo(accountFolder).isDir()) {
            m_watcher->addPath(accountFolder);
        }
        for (const SyncedCollection& collection : account.collections) {
            const QString folder =
                m_service.storeRoot() + QLatin1Char('/') + account.id + QLatin1Char('/') + collection.name;
            if (QFileInfo(folder).isDir()) {
                m_watcher->addPath(folder);
            }
            const QString key = account.id + QLatin1Char('/') + collection.name;
            if (!m_seen.contains(key)) {
                m_seen.insert(key, fingerprint(account.id, collection.name));
            }
        }
    }
}

QByteArray SyncScheduler::fingerprint(const QString& accountID, const QString& listName) const
{
    // Names, sizes and times of the items: cheap, and it changes with every write (they are atomic renames).
    QCryptographicHash hash(QCryptographicHash::Sha1);
    const QDir folder(m_service.storeRoot() + QLatin1Char('/') + accountID + QLatin1Char('/') + listName);
    for (const QFileInfo& file : folder.entryInfoList({QStringLiteral("*.ics")}, QDir::Files, QDir::Name)) {
        hash.addData(file.fileName().toUtf8());
        hash.addData(QByteArray::number(file.size()) + ' ' +
                     QByteArray::number(file.lastModified().toMSecsSinceEpoch()) + '\n');
    }
    return hash.result();
}

void SyncScheduler::listChanged(const QString& accountID, const QString& listName)
{
    if (accountID.isEmpty() || listName.isEmpty()) {
        return;
    }
    if (m_pending.isEmpty()) {
        m_firstPending = QDateTime::currentDateTimeUtc();
    }
    m_pending[accountID].insert(listName);
    // Quiet for a moment, but never waiting longer than the longest wait after the first change.
    const qint64 waited = m_firstPending.msecsTo(QDateTime::currentDateTimeUtc());
    m_quiet->start(int(std::clamp<qint64>(std::min<qint64>(quietMs, longestWaitMs - waited), 0, quietMs)));
}

void SyncScheduler::startDue()
{
    const QHash<QString, QSet<QString>> pending = std::exchange(m_pending, {});
    for (auto it = pending.begin(); it != pending.end(); ++it) {
        QStringList lists;
        for (const QString& list : it.value()) {
            // The engine's own downloads change the folder too; only a change since the last run counts.
            if (fingerprint(it.key(), list) != m_seen.value(it.key() + QLatin1Char('/') + list)) {
                lists.append(list);
            }
        }
        if (!lists.isEmpty() && mayRunAutomatically(it.key())) {
            lists.sort();
            m_service.syncNow(it.key(), lists);
        }
    }
}

bool SyncScheduler::mayRunAutomatically(const QString& accountID) const
{
    const QDateTime until = m_backoffUntil.value(accountID);
    return !until.isValid() || until <= QDateTime::currentDateTimeUtc();
}

void SyncScheduler::syncAll(bool onlyStale)
{
    const QDateTime now = QDateTime::currentDateTimeUtc();
    for (const SyncAccount& account : m_service.accounts()) {
        const AccountSyncState state = m_service.state(account.id);
        const bool stale = !state.lastSuccess.isValid() || state.lastSuccess.secsTo(now) > staleSeconds;
        if (!state.running && (!onlyStale || stale) && mayRunAutomatically(account.id)) {
            m_service.syncNow(account.id);
        }
    }
}

void SyncScheduler::resumed()
{
    syncAll(false);
}

void SyncScheduler::networkCameBack()
{
    // The network is a fresh chance: waiting out a back-off that the missing network caused helps nobody.
    m_backoffUntil.clear();
    syncAll(false);
}

void SyncScheduler::panelOpened()
{
    syncAll(true);
}

void SyncScheduler::onStateChanged(const QString& accountID)
{
    const AccountSyncState state = m_service.state(accountID);
    if (state.running) {
        return;
    }
    if (state.problem == SyncProblem::none) {
        m_failures.remove(accountID);
        m_backoffUntil.remove(accountID);
        m_notified.remove(accountID);
        return;
    }
    const int failures = ++m_failures[accountID];
    const int minutes = std::min(60, 1 << std::min(failures, 6));
    m_backoffUntil.insert(accountID, QDateTime::currentDateTimeUtc().addSecs(qint64(minutes) * 60));
    if (state.problemSince.isValid() && state.problemSince.secsTo(QDateTime::currentDateTimeUtc()) >= 24 * 3600 &&
        !m_notified.contains(accountID)) {
        m_notified.insert(accountID);
        Q_EMIT failingForADay(accountID);
    }
}

} // namespace tolvik
