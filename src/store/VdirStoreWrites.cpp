#include "store/VdirStore.h"

#include "store/TodoDocument.h"
#include "store/VdirWatcher.h"
#include "store/VdirWriter.h"

#include <QDateTime>

// The store's writes: every one re-reads the file, makes only the caller's edit on what it finds, and replaces
// the file atomically, so that nothing another client wrote meanwhile is lost.
namespace tolvik {

namespace {

// A random UID that collides with an existing file name is simply drawn again; a few tries are plenty.
constexpr int nameAttempts = 4;
// How often an edit is made again on a file that another program changed while it was being saved.
constexpr int rewriteAttempts = 8;

WriteResult failed(QString text)
{
    return WriteResult{std::move(text)};
}

QString uidOfFile(const QString& path)
{
    const VdirWriter::ReadResult read = VdirWriter::read(path, TodoDocument::maximumFileSize);
    const auto document = read.error ? std::nullopt : TodoDocument::parse(read.bytes);
    return document ? document->uid() : QString();
}

bool holdsSameItem(const QString& path, const QString& otherPath)
{
    const QString uid = uidOfFile(path);
    return !uid.isEmpty() && uid == uidOfFile(otherPath);
}

QString quoted(const QString& text)
{
    return QStringLiteral("\u201c%1\u201d").arg(text);
}

} // namespace

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
    // The version removed, so that an undo can tell whether its snapshot is of exactly this file.
    const VdirFileKey removed = VdirWriter::currentKey(located->path()).value_or(VdirFileKey{});
    if (auto error = VdirWriter::remove(located->path())) {
        return failed(*error);
    }
    WriteResult result;
    result.written = changeLeft(*located, {}, removed, true);
    recordRemoval(located->folder->listID, located->entry->fileName);
    return result;
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

VdirStore::Rewritten VdirStore::rewrite(const QString& path, const StoreReminder& base, const StoreReminder& changed)
{
    const auto refuse = [](QString text) { return Rewritten{failed(std::move(text)), {}, {}, {}}; };
    // Another client may rewrite the file between our read and our rename. Then its version is read again and
    // the same edit is made on it, so that both changes survive; a file that keeps changing wins after a while.
    for (int attempt = 0; attempt < rewriteAttempts; ++attempt) {
        const VdirWriter::ReadResult current = VdirWriter::read(path, TodoDocument::maximumFileSize);
        if (current.error) {
            return refuse(*current.error);
        }
        auto document = TodoDocument::parse(current.bytes);
        if (!document) {
            return refuse(
                QStringLiteral("%1 can no longer be read as a reminder; it was left unchanged.").arg(quoted(path)));
        }
        if (document->hasParseErrors()) {
            // Rewriting would drop what libical could not understand, so the file is not touched at all.
            return refuse(QStringLiteral("%1 contains values that could not be read; it was left unchanged so that "
                                         "nothing in it is lost.")
                              .arg(quoted(path)));
        }
        document->applyChanges(base, changed, QDateTime::currentDateTimeUtc());
        const TodoDocument::Edited edited = document->editedBytes();
        if (edited.tooLarge) {
            return refuse(QStringLiteral("Could not save %1: the reminder would grow past %2 MiB, the largest file "
                                         "that can be read back. It was left unchanged.")
                              .arg(quoted(path))
                              .arg(TodoDocument::maximumFileSize / (1024 * 1024)));
        }
        if (!edited.bytes) {
            return refuse(QStringLiteral("Could not save %1 without changing other content in it; it was left "
                                         "unchanged.")
                              .arg(quoted(path)));
        }
        const VdirFileResult written = VdirWriter::replaceIfUnchanged(path, *edited.bytes, current.key);
        if (written.changedSince) {
            continue;
        }
        if (!written.ok()) {
            return refuse(*written.error);
        }
        return {{}, written.key, *edited.bytes, current.key};
    }
    return refuse(
        QStringLiteral("Could not save %1: another program kept changing it. Please try again.").arg(quoted(path)));
}

WriteResult VdirStore::updateReminder(const StoreReminder& reminder, const Located& located)
{
    const StoreReminder base = *located.entry->reminder;
    const QString sourceListID = located.folder->listID;
    const QString targetListID = reminder.listID && !reminder.listID->isEmpty() ? *reminder.listID : sourceListID;
    if (targetListID != sourceListID) {
        const VdirListFolder* target = findList(targetListID);
        if (target == nullptr) {
            return failed(QStringLiteral("The list %1 is no longer in the store.").arg(quoted(targetListID)));
        }
        return moveReminder(located, *target, base, reminder);
    }
    const Rewritten written = rewrite(located.path(), base, reminder);
    if (!written.result.ok()) {
        return written.result;
    }
    WriteResult result;
    result.written = changeLeft(located, written.key, written.replaced, false);
    recordWrite(sourceListID, located.folder->path, located.entry->fileName, written.key, written.bytes);
    return result;
}

WriteResult VdirStore::moveReminder(const Located& located, const VdirListFolder& target, const StoreReminder& base,
                                    const StoreReminder& changed)
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
        // The same name there may be this very item (a copy left by an earlier sync); a second file with its
        // UID would make two reminders of one for every client.
        if (attempt == 0 && holdsSameItem(located.path(), target.path + QLatin1Char('/') + oldName)) {
            return failed(QStringLiteral("The list %1 already holds this reminder as %2; it was left where it was.")
                              .arg(quoted(target.list.title), quoted(oldName)));
        }
    }
    if (moved.cannotMoveAtomically) {
        return copyReminder(located, target, base, changed);
    }
    if (!moved.ok()) {
        return failed(*moved.error);
    }
    const QString movedPath = target.path + QLatin1Char('/') + fileName;
    const Rewritten written = rewrite(movedPath, base, changed);
    if (!written.result.ok()) {
        if (!VdirWriter::moveExclusive(movedPath, located.folder->path, oldName).ok()) {
            // It could not go back: it stays, unchanged, in the target list, which the next refresh reads.
            recordRemoval(sourceListID, oldName);
        }
        return written.result;
    }
    recordWrite(target.list.id, target.path, fileName, written.key, written.bytes);
    recordRemoval(sourceListID, oldName);
    return {};
}

WriteResult VdirStore::copyReminder(const Located& located, const VdirListFolder& target, const StoreReminder& base,
                                    const StoreReminder& changed)
{
    const VdirWriter::ReadResult current = VdirWriter::read(located.path(), TodoDocument::maximumFileSize);
    if (current.error) {
        return failed(*current.error);
    }
    auto document = TodoDocument::parse(current.bytes);
    if (!document || document->hasParseErrors()) {
        return failed(QStringLiteral("%1 could not be moved: it cannot be fully read; it was left unchanged.")
                          .arg(quoted(located.path())));
    }
    document->applyChanges(base, changed, QDateTime::currentDateTimeUtc());
    const TodoDocument::Edited edited = document->editedBytes();
    if (!edited.bytes) {
        return failed(QStringLiteral("%1 could not be moved without changing other content in it; it was left "
                                     "unchanged.")
                          .arg(quoted(located.path())));
    }
    const QByteArray& bytes = *edited.bytes;
    const unsigned mode = current.mode;
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
        if (attempt == 0 && holdsSameItem(located.path(), target.path + QLatin1Char('/') + fileName)) {
            return failed(QStringLiteral("The list %1 already holds this reminder as %2; it was left where it was.")
                              .arg(quoted(target.list.title), quoted(fileName)));
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

} // namespace tolvik
