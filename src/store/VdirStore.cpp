#include "store/VdirStore.h"

#include <QFileInfo>

#include "store/TodoDocument.h"
#include "store/VdirLoader.h"
#include "store/VdirWatcher.h"
#include "store/VdirWriter.h"

#include <QCoro/QCoroFuture>
#include <QDir>
#include <QFile>
#include <QPointer>
#include <QSet>
#include <QtConcurrent/QtConcurrentRun>

#include <sys/stat.h>
#include <unistd.h>

namespace tolvik {

namespace {

// A random UID that collides with an existing file name is simply drawn again; a few tries are plenty.
constexpr int nameAttempts = 4;

WriteResult failed(QString text)
{
    return WriteResult{std::move(text)};
}

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
    connect(m_watcher, &VdirWatcher::settled, this, [this] {
        rewatch();
        Q_EMIT changed();
    });
    rewatch();
}

VdirStore::~VdirStore() = default;

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
    if (canRead && canWrite) {
        return AuthorizationStatus::fullAccess;
    }
    return canWrite ? AuthorizationStatus::writeOnly : AuthorizationStatus::denied;
}

QCoro::Task<AccessResult> VdirStore::requestAccess()
{
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
    rewatch();
    m_watcher->noteChange();
    if (authorizationStatus() != AuthorizationStatus::fullAccess) {
        co_return AccessResult{false,
                               QStringLiteral("The folder %1 cannot be both read and written.").arg(quoted(m_root))};
    }
    co_return AccessResult{true, std::nullopt};
}

void VdirStore::rescan()
{
    m_lists = VdirScanner::scanLists(m_root, m_kinds);
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

void VdirStore::rewatch()
{
    m_watcher->setFolders(VdirScanner::watchFolders(m_root));
}

const VdirListFolder* VdirStore::findList(const QString& id)
{
    if (!m_scanned) {
        rescan();
    }
    const auto found = m_listIndex.constFind(id);
    return found == m_listIndex.cend() ? nullptr : &m_lists.at(*found);
}

QList<StoreList> VdirStore::lists()
{
    rescan();
    rewatch();
    QList<StoreList> result;
    result.reserve(m_lists.size());
    for (const VdirListFolder& folder : std::as_const(m_lists)) {
        result.append(folder.list);
    }
    return result;
}

QCoro::Task<QList<StoreReminder>> VdirStore::fetchReminders(QStringList listIDs)
{
    QList<VdirFolderRequest> requests;
    QSet<QString> seen;
    for (const QString& id : std::as_const(listIDs)) {
        const VdirListFolder* list = findList(id);
        if (list != nullptr && !seen.contains(id)) {
            seen.insert(id);
            requests.append(VdirFolderRequest{id, list->path, m_folders.value(id)});
        }
    }
    const quint64 startedAt = m_writeCount;
    const QPointer<VdirStore> self(this);

    // The worker sees only these copies and immutable snapshots; it never touches the store.
    // The future is named: g++ 12 destroys a temporary closure inside a co_await expression twice.
    QFuture<VdirFetchResult> future =
        QtConcurrent::run([requests, previous = m_lastFetch] { return VdirLoader::load(requests, previous); });
    VdirFetchResult result = co_await future;
    if (!self) {
        co_return result.reminders;
    }

    bool overtaken = false;
    int skipped = 0;
    for (auto& folder : result.folders) {
        const QString& id = folder->listID;
        if (m_writtenAt.value(id) > startedAt && m_folders.contains(id)) {
            // An own write landed while this fetch ran: its snapshot is newer than what the worker saw.
            folder = m_folders.value(id);
            overtaken = true;
        } else if (const VdirListFolder* list = findList(id); list != nullptr && list->path == folder->path) {
            m_folders.insert(id, folder);
        }
        skipped += folder->skippedCount();
    }
    if (overtaken) {
        result.reminders = VdirLoader::collect(result.folders, m_lastFetch);
    }
    m_parsedFiles += result.parsedFiles;
    m_skippedFiles = skipped;
    m_lastFetch = result;
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
    return located->entry->reminder;
}

std::optional<StoreList> VdirStore::listWithID(const QString& id)
{
    const VdirListFolder* list = findList(id);
    if (list == nullptr) {
        return std::nullopt;
    }
    return list->list;
}

WriteResult VdirStore::saveReminder(const StoreReminder& reminder)
{
    if (reminder.id.isEmpty()) {
        return createReminder(reminder);
    }
    const auto located = locate(reminder.id);
    if (!located) {
        return failed(QStringLiteral("The reminder %1 is no longer in the store.").arg(quoted(reminder.id)));
    }
    return updateReminder(reminder, *located);
}

WriteResult VdirStore::removeReminder(const StoreReminder& reminder)
{
    const auto located = locate(reminder.id);
    if (!located) {
        return failed(QStringLiteral("The reminder %1 is no longer in the store.").arg(quoted(reminder.id)));
    }
    if (auto error = VdirWriter::remove(located->path())) {
        return failed(*error);
    }
    recordRemoval(located->folder->listID, located->entry->fileName);
    return {};
}

WriteResult VdirStore::createReminder(const StoreReminder& reminder)
{
    const QString listID = reminder.listID.value_or(QString());
    const VdirListFolder* list = findList(listID);
    if (list == nullptr) {
        return failed(QStringLiteral("The list %1 is no longer in the store.").arg(quoted(listID)));
    }
    const VdirListFolder target = *list;
    const QDateTime now = QDateTime::currentDateTimeUtc();
    VdirFileResult written;
    for (int attempt = 0; attempt < nameAttempts; ++attempt) {
        const QString uid = TodoDocument::generateUid();
        const auto bytes = TodoDocument::create(reminder, uid, now).serialize();
        if (!bytes) {
            return failed(QStringLiteral("Could not write the new reminder in %1: it could not be turned into "
                                         "iCalendar text.")
                              .arg(quoted(target.path)));
        }
        const QString fileName = uid + QLatin1String(".ics");
        written = VdirWriter::createExclusive(target.path, fileName, *bytes);
        if (written.ok()) {
            recordWrite(target.list.id, target.path, fileName, written.key, *bytes);
            return {};
        }
        if (!written.nameTaken) {
            break;
        }
    }
    return failed(written.error.value_or(QString()));
}

WriteResult VdirStore::updateReminder(const StoreReminder& reminder, const Located& located)
{
    const QString path = located.path();
    const StoreReminder base = *located.entry->reminder;
    const VdirWriter::ReadResult current = VdirWriter::read(path, TodoDocument::maximumFileSize);
    if (current.error) {
        return failed(*current.error);
    }
    auto document = current.bytes.contains('\0') ? std::nullopt : TodoDocument::parse(current.bytes);
    if (!document) {
        return failed(
            QStringLiteral("%1 can no longer be read as a reminder; it was left unchanged.").arg(quoted(path)));
    }
    if (document->hasParseErrors()) {
        // Rewriting would drop what libical could not understand, so the file is not touched at all.
        return failed(QStringLiteral("%1 contains values that could not be read; it was left unchanged so that "
                                     "nothing in it is lost.")
                          .arg(quoted(path)));
    }
    document->applyChanges(base, reminder, QDateTime::currentDateTimeUtc());
    const auto bytes = document->serialize();
    if (!bytes) {
        return failed(QStringLiteral("Could not save %1: the reminder could not be turned into iCalendar text.")
                          .arg(quoted(path)));
    }

    const QString sourceListID = located.folder->listID;
    const QString targetListID = reminder.listID && !reminder.listID->isEmpty() ? *reminder.listID : sourceListID;
    if (targetListID != sourceListID) {
        const VdirListFolder* target = findList(targetListID);
        if (target == nullptr) {
            return failed(QStringLiteral("The list %1 is no longer in the store.").arg(quoted(targetListID)));
        }
        return moveReminder(located, *target, *bytes, current.mode);
    }
    const VdirFileResult written = VdirWriter::replace(path, *bytes);
    if (!written.ok()) {
        return failed(*written.error);
    }
    recordWrite(sourceListID, located.folder->path, located.entry->fileName, written.key, *bytes);
    return {};
}

WriteResult VdirStore::moveReminder(const Located& located, const VdirListFolder& target, const QByteArray& bytes,
                                    unsigned mode)
{
    // One atomic rename takes the file into the target folder, and only then is it rewritten there: a crash at
    // any moment leaves the item in exactly one list, and a failure leaves it as it was.
    const QString sourceListID = located.folder->listID;
    const QString oldName = located.entry->fileName;
    QString fileName = oldName;
    VdirFileResult moved;
    for (int attempt = 0; attempt <= nameAttempts; ++attempt) {
        if (attempt > 0) {
            fileName = TodoDocument::generateUid() + QLatin1String(".ics");
        }
        moved = VdirWriter::moveExclusive(located.path(), target.path, fileName);
        if (!moved.nameTaken) {
            break;
        }
    }
    if (moved.cannotMoveAtomically) {
        return copyReminder(located, target, bytes, mode);
    }
    if (!moved.ok()) {
        return failed(*moved.error);
    }
    const QString movedPath = target.path + QLatin1Char('/') + fileName;
    const VdirFileResult written = VdirWriter::replace(movedPath, bytes);
    if (!written.ok()) {
        if (!VdirWriter::moveExclusive(movedPath, located.folder->path, oldName).ok()) {
            // It could not go back: it stays, unchanged, in the target list, which the next refresh reads.
            recordRemoval(sourceListID, oldName);
        }
        return failed(*written.error);
    }
    recordWrite(target.list.id, target.path, fileName, written.key, bytes);
    recordRemoval(sourceListID, oldName);
    return {};
}

WriteResult VdirStore::copyReminder(const Located& located, const VdirListFolder& target, const QByteArray& bytes,
                                    unsigned mode)
{
    // Across file systems: the new copy is complete on disk before the old file goes, so a failure in between
    // never loses the item.
    QString fileName = located.entry->fileName;
    VdirFileResult written;
    for (int attempt = 0; attempt <= nameAttempts; ++attempt) {
        if (attempt > 0) {
            fileName = TodoDocument::generateUid() + QLatin1String(".ics");
        }
        written = VdirWriter::createExclusive(target.path, fileName, bytes, mode);
        if (!written.nameTaken) {
            break;
        }
    }
    if (!written.ok()) {
        return failed(*written.error);
    }
    if (auto error = VdirWriter::remove(located.path())) {
        // Take the copy back, so that a failed move leaves one item where it was.
        VdirWriter::remove(target.path + QLatin1Char('/') + fileName);
        return failed(*error);
    }
    const QString sourceListID = located.folder->listID;
    const QString oldName = located.entry->fileName;
    recordWrite(target.list.id, target.path, fileName, written.key, bytes);
    recordRemoval(sourceListID, oldName);
    return {};
}

void VdirStore::recordWrite(const QString& listID, const QString& folderPath, const QString& fileName,
                            const VdirFileKey& key, const QByteArray& bytes)
{
    std::shared_ptr<const VdirFolderSnapshot> folder = m_folders.value(listID);
    if (!folder) {
        auto empty = std::make_shared<VdirFolderSnapshot>();
        empty->listID = listID;
        empty->path = folderPath;
        folder = std::move(empty);
    }
    m_folders.insert(listID, folder->with(VdirFileEntry{fileName, key, parseVdirItem(bytes, listID, fileName)}));
    m_writtenAt.insert(listID, ++m_writeCount);
    m_watcher->noteChange();
}

void VdirStore::recordRemoval(const QString& listID, const QString& fileName)
{
    if (const auto folder = m_folders.value(listID)) {
        m_folders.insert(listID, folder->without(fileName));
    }
    m_writtenAt.insert(listID, ++m_writeCount);
    m_watcher->noteChange();
}

int VdirStore::parsedFileCount() const
{
    return m_parsedFiles;
}

int VdirStore::skippedFileCount() const
{
    return m_skippedFiles;
}

} // namespace tolvik
