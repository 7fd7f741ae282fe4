#include "store/VdirStore.h"

#include <QFileInfo>

#include "model/WorkerPriority.h"
#include "store/TodoDocument.h"
#include "store/VdirIndexFile.h"
#include "store/VdirLoader.h"
#include "store/VdirWatcher.h"
#include "store/VdirWriter.h"

#include <QCoro/QCoroFuture>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QPointer>
#include <QSet>
#include <QThreadPool>
#include <QTimer>
#include <QtConcurrent/QtConcurrentRun>

#include <csignal>
#include <utility>

#include <sys/stat.h>
#include <unistd.h>

namespace tolvik {

namespace {

// Freeing the records of a fetch of thousands of reminders takes milliseconds that the main thread, which only
// drops its reference, should spend on input.
void releaseOnWorker(VdirFetchResult previous)
{
    QThreadPool::globalInstance()->start([previous = std::move(previous)]() mutable {
        lowerWorkerPriority();
        previous = {};
    });
}

// How long the store stays unchanged before it saves its index: long enough that a sync's burst of changes is
// saved once.
constexpr int indexQuietMs = 30 * 1000;

QString quoted(const QString& text)
{
    return QStringLiteral("\u201c%1\u201d").arg(text);
}

} // namespace

QString VdirStore::Located::path() const
{
    return folder->path + QLatin1Char('/') + entry->fileName;
}

VdirStore::VdirStore(QString rootPath, QObject* parent)
    : ReminderStore(parent)
    , m_root(QDir::cleanPath(rootPath))
    , m_watcher(new VdirWatcher(this))
{
    // A file size limit (ulimit -f) would kill the process on a large write; as EFBIG it is one more failed save
    // that leaves the old file intact.
    std::signal(SIGXFSZ, SIG_IGN);
    // New folders are watched before anyone hears of the change, so that what lands in them next is seen; the
    // listing runs off the main thread.
    connect(m_watcher, &VdirWatcher::settled, this, [this] { (void)rewatchAndSignal(); });
    m_watcher->setFolders(VdirScanner::watchFolders(m_root));
}

VdirStore::~VdirStore()
{
    m_indexSaving.waitForFinished();
    if (m_indexDirty) {
        saveIndex();
    }
}

QString VdirStore::defaultIndexPath(const QString& root)
{
    QString cacheHome = qEnvironmentVariable("XDG_CACHE_HOME");
    if (cacheHome.isEmpty() || QDir::isRelativePath(cacheHome)) {
        cacheHome = QDir::homePath() + QLatin1String("/.cache");
    }
    const QByteArray name =
        QCryptographicHash::hash(QFile::encodeName(QDir::cleanPath(root)), QCryptographicHash::Sha256).toHex().left(16);
    return QDir::cleanPath(cacheHome) + QLatin1String("/Tolvik/store-index-") + QLatin1String(name) +
           QLatin1String(".bin");
}

void VdirStore::setIndexPath(const QString& path)
{
    m_indexPath = path;
    if (m_indexTimer == nullptr) {
        m_indexTimer = new QTimer(this);
        m_indexTimer->setSingleShot(true);
        m_indexTimer->setInterval(indexQuietMs);
        connect(m_indexTimer, &QTimer::timeout, this, [this] {
            if (m_indexSaving.isRunning()) {
                m_indexTimer->start();
                return;
            }
            m_indexDirty = false;
            QList<std::shared_ptr<const VdirFolderSnapshot>> folders = m_folders.values();
            m_indexSaving = QtConcurrent::run([path = m_indexPath, root = m_root, folders = std::move(folders)] {
                lowerWorkerPriority();
                return VdirIndexFile::save(path, root, folders);
            });
        });
    }
}

bool VdirStore::saveIndex()
{
    if (m_indexPath.isEmpty()) {
        return false;
    }
    m_indexDirty = false;
    return VdirIndexFile::save(m_indexPath, m_root, m_folders.values());
}

void VdirStore::indexChanged()
{
    if (!m_indexPath.isEmpty()) {
        m_indexDirty = true;
        m_indexTimer->start();
    }
}

QString VdirStore::defaultRoot()
{
    // Relative values are invalid and must be ignored.
    QString dataHome = qEnvironmentVariable("XDG_DATA_HOME");
    if (dataHome.isEmpty() || QDir::isRelativePath(dataHome)) {
        dataHome = QDir::homePath() + QLatin1String("/.local/share");
    }
    return QDir::cleanPath(dataHome + QLatin1String("/calendars"));
}

QString VdirStore::rootPath() const
{
    return m_root;
}

AuthorizationStatus VdirStore::authorizationStatus() const
{
    const QByteArray path = QFile::encodeName(m_root);
    struct stat info
    {
    };
    if (m_root.isEmpty() || ::stat(path.constData(), &info) != 0) {
        return errno == ENOENT || m_root.isEmpty() ? AuthorizationStatus::notDetermined : AuthorizationStatus::denied;
    }
    if (!S_ISDIR(info.st_mode)) {
        return AuthorizationStatus::denied;
    }
    const bool canWrite = ::access(path.constData(), W_OK | X_OK) == 0;
    const bool canRead = ::access(path.constData(), R_OK | X_OK) == 0;
    // A root that reads but cannot be written (a read-only mount, say) still shows everything; each write then
    // fails with the system's reason.
    if (canRead) {
        return AuthorizationStatus::fullAccess;
    }
    return canWrite ? AuthorizationStatus::writeOnly : AuthorizationStatus::denied;
}

QCoro::Task<AccessResult> VdirStore::requestAccess()
{
    struct stat link
    {
    };
    if (authorizationStatus() == AuthorizationStatus::notDetermined &&
        ::lstat(QFile::encodeName(m_root).constData(), &link) == 0 && S_ISLNK(link.st_mode)) {
        co_return AccessResult{false, QStringLiteral("The folder %1 is a symbolic link to %2, which does not exist.")
                                          .arg(quoted(m_root), quoted(QFile::symLinkTarget(m_root)))};
    }
    if (authorizationStatus() == AuthorizationStatus::notDetermined) {
        if (auto error = VdirWriter::makeFolder(m_root)) {
            co_return AccessResult{false, error};
        }
    }
    rescan();
    // A store without any list would leave nowhere to add a reminder: make the default one.
    m_listCreatedForAccess.reset();
    if (authorizationStatus() == AuthorizationStatus::fullAccess && m_lists.isEmpty()) {
        const QString folder = m_root + QLatin1String("/local/reminders");
        if (auto error = VdirWriter::makeFolder(folder)) {
            co_return AccessResult{false, error};
        }
        VdirWriter::createExclusive(folder, QStringLiteral("displayname"), QByteArrayLiteral("Reminders"), 0644);
        rescan();
        for (const VdirListFolder& list : std::as_const(m_lists)) {
            if (list.path == folder) {
                m_listCreatedForAccess = list.list.id;
            }
        }
    }
    m_watcher->setFolders(VdirScanner::watchFolders(m_root));
    m_watcher->noteChange();
    if (authorizationStatus() != AuthorizationStatus::fullAccess) {
        co_return AccessResult{false, QStringLiteral("The folder %1 cannot be read.").arg(quoted(m_root))};
    }
    co_return AccessResult{true, std::nullopt};
}

void VdirStore::rescan()
{
    adoptScan(VdirScanner::scanLists(m_root, m_kinds));
}

void VdirStore::adoptScan(VdirScan scan)
{
    m_lists = std::move(scan.lists);
    m_skippedFolders = scan.skippedFolders;
    m_scanned = true;
    m_listIndex.clear();
    for (qsizetype i = 0; i < m_lists.size(); ++i) {
        m_listIndex.insert(m_lists.at(i).list.id, i);
    }
    // A list that is gone, or whose id now names another folder, takes its index with it.
    m_folders.removeIf([this](const auto& folder) {
        const VdirListFolder* list = findList(folder.key());
        return list == nullptr || list->path != folder.value()->path;
    });
}

QCoro::Task<> VdirStore::rewatchAndSignal()
{
    const QPointer<VdirStore> self(this);
    QFuture<QStringList> future = QtConcurrent::run([root = m_root] {
        lowerWorkerPriority();
        return VdirScanner::watchFolders(root);
    });
    const QStringList folders = co_await future;
    if (self) {
        m_watcher->setFolders(folders);
        Q_EMIT changed();
    }
}

const VdirListFolder* VdirStore::findList(const QString& id)
{
    if (!m_scanned) {
        rescan();
    }
    const auto found = m_listIndex.constFind(id);
    return found == m_listIndex.cend() ? nullptr : &m_lists.at(*found);
}

namespace {

struct FolderScan
{
    VdirScan found;
    VdirFolderKinds kinds;
};

} // namespace

QCoro::Task<QList<StoreList>> VdirStore::lists()
{
    const QPointer<VdirStore> self(this);
    // The worker works on a copy of the folder verdicts and hands them back with the lists.
    QFuture<FolderScan> future = QtConcurrent::run([root = m_root, kinds = m_kinds]() mutable {
        lowerWorkerPriority();
        FolderScan scan;
        scan.found = VdirScanner::scanLists(root, kinds);
        scan.kinds = std::move(kinds);
        return scan;
    });
    FolderScan scan = co_await future;
    QList<StoreList> result;
    result.reserve(scan.found.lists.size());
    for (const VdirListFolder& folder : std::as_const(scan.found.lists)) {
        result.append(folder.list);
    }
    if (self) {
        m_kinds = std::move(scan.kinds);
        m_watcher->setFolders(scan.found.watched);
        adoptScan(std::move(scan.found));
    }
    co_return result;
}

QCoro::Task<StoreReminderBatch> VdirStore::fetchReminders(QStringList listIDs)
{
    m_watcher->poll();
    QList<VdirFolderRequest> requests;
    QSet<QString> seen;
    for (const QString& id : std::as_const(listIDs)) {
        const VdirListFolder* list = findList(id);
        if (list != nullptr && !seen.contains(id)) {
            seen.insert(id);
            const quint64 verified = m_verifiedMark.value(id);
            requests.append(VdirFolderRequest{id, list->path, m_folders.value(id),
                                              m_watcher->isQuietSince(list->path, verified),
                                              m_watcher->changedSince(list->path, verified)});
        }
    }
    const quint64 startedAt = m_writeCount;
    const quint64 mark = m_watcher->currentMark();
    const QPointer<VdirStore> self(this);

    // The worker sees only these copies and immutable snapshots; it never touches the store.
    // The future is named: g++ 12 destroys a temporary closure inside a co_await expression twice.
    // The first fetch starts from the saved index, if there is one: every file it names is checked against its
    // identity, never trusted on the folder's word.
    const QString indexPath = m_indexRead ? QString() : m_indexPath;
    m_indexRead = m_indexRead || !m_indexPath.isEmpty();
    QFuture<VdirFetchResult> future = QtConcurrent::run([requests, indexPath, root = m_root]() mutable {
        lowerWorkerPriority();
        if (indexPath.isEmpty() || !QFileInfo::exists(indexPath)) {
            return VdirLoader::load(std::move(requests));
        }
        return VdirLoader::load(std::move(requests), [&indexPath, &root] {
            return VdirIndexFile::load(indexPath, root).value_or(VdirLoader::SavedFolders());
        });
    });
    VdirFetchResult result = co_await future;
    if (!self) {
        co_return result.reminders;
    }

    bool overtaken = false;
    int skipped = 0;
    QList<std::pair<QString, VdirSkipReason>> reasons;
    for (auto& folder : result.folders) {
        const QString& id = folder->listID;
        if (m_writtenAt.value(id) > startedAt && m_folders.contains(id)) {
            // An own write landed while this fetch ran: its snapshot is newer than what the worker saw.
            folder = m_folders.value(id);
            overtaken = true;
        } else if (const VdirListFolder* list = findList(id); list != nullptr && list->path == folder->path) {
            const auto known = m_folders.constFind(id);
            if (known == m_folders.cend() || (*known)->revision != folder->revision) {
                indexChanged();
            }
            m_folders.insert(id, folder);
            m_verifiedMark.insert(id, mark);
        }
        skipped += folder->skippedCount();
        if (folder->skippedCount() == 0) {
            continue;
        }
        for (const VdirFileEntry& entry : folder->files) {
            if (entry.reminderAt >= 0 && entry.otherTodos == 0) {
                continue;
            }
            const QString path = folder->path + QLatin1Char('/') + entry.fileName;
            if (entry.reminderAt < 0) {
                reasons.append({path, entry.skipped});
            }
            for (int other = 0; other < entry.otherTodos; ++other) {
                reasons.append({path, VdirSkipReason::otherTodo});
            }
        }
    }
    if (overtaken) {
        result.reminders = VdirLoader::collect(result.folders);
    }
    m_parsedFiles += result.parsedFiles;
    m_skippedFiles = skipped;
    m_skippedReasons = std::move(reasons);
    releaseOnWorker(std::exchange(m_lastFetch, result));
    co_return result.reminders;
}

std::optional<VdirStore::Located> VdirStore::locate(const QString& reminderID) const
{
    // Only what the index holds can be found: the id is a key here, never a path.
    const qsizetype slash = reminderID.lastIndexOf(QLatin1Char('/'));
    if (slash <= 0) {
        return std::nullopt;
    }
    const auto folder = m_folders.constFind(reminderID.left(slash));
    if (folder == m_folders.cend()) {
        return std::nullopt;
    }
    const VdirFileEntry* entry = (*folder)->entryForReminder(reminderID);
    if (entry == nullptr) {
        return std::nullopt;
    }
    return Located{*folder, entry};
}

std::optional<StoreReminder> VdirStore::reminderWithID(const QString& id)
{
    const auto located = locate(id);
    // A file another program removed since the last load is gone for the caller too: the operation on it
    // then ends quietly instead of acting on a ghost.
    if (!located || !QFileInfo::exists(located->path())) {
        return std::nullopt;
    }
    const StoreReminder* reminder = located->reminder();
    return reminder != nullptr ? std::optional<StoreReminder>(*reminder) : std::nullopt;
}

std::optional<StoreList> VdirStore::listWithID(const QString& id)
{
    const VdirListFolder* list = findList(id);
    if (list == nullptr) {
        return std::nullopt;
    }
    return list->list;
}

int VdirStore::parsedFileCount() const
{
    return m_parsedFiles;
}

int VdirStore::skippedFileCount() const
{
    return m_skippedFiles;
}

QList<std::pair<QString, VdirSkipReason>> VdirStore::skippedFiles() const
{
    return m_skippedReasons;
}

int VdirStore::skippedFolderCount() const
{
    return m_skippedFolders;
}

} // namespace tolvik
