#include "store/VdirStore.h"

#include "store/TodoDocument.h"
#include "store/VdirWatcher.h"
#include "store/VdirWriter.h"

#include <QDateTime>
#include <QThread>

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

// Titles and notes as the form stores them: without surrounding white space, and notes of only white space as
// none. Only a field the caller changed is touched, so that a title another client wrote with a space stays.
void trimChangedTexts(StoreReminder& changed, const StoreReminder* base)
{
    if (base == nullptr || changed.title != base->title) {
        changed.title = changed.title.trimmed();
    }
    if (changed.notes && (base == nullptr || changed.notes != base->notes)) {
        const QString notes = changed.notes->trimmed();
        changed.notes = notes.isEmpty() ? std::nullopt : std::optional(notes);
    }
}

// How often, and after how long at first (doubling each time), a file that reads as no reminder just after it
// changed is read again: another program may be rewriting it in place, truncated for an instant.
constexpr int retryReads = 4;
constexpr unsigned long retryReadMs = 5;
constexpr qint64 recentChangeMs = 2000;

struct ReadDocument
{
    VdirWriter::ReadResult file;
    std::optional<TodoDocument> document;
};

ReadDocument readDocument(const QString& path)
{
    ReadDocument read;
    for (int attempt = 0;; ++attempt) {
        read.file = VdirWriter::read(path, TodoDocument::maximumFileSize);
        read.document = read.file.error ? std::nullopt : TodoDocument::parse(read.file.bytes);
        const qint64 age = QDateTime::currentMSecsSinceEpoch() - read.file.key.mtimeNs / 1000000;
        if (read.document || read.file.error || attempt == retryReads || age > recentChangeMs) {
            return read;
        }
        QThread::msleep(retryReadMs << attempt);
    }
}

QString otherReminderText(const QString& path)
{
    return QStringLiteral("%1 now holds a different reminder: another program put it there. It was left unchanged.")
        .arg(quoted(path));
}

QString seriesUndeterminedText(const QString& path)
{
    return QStringLiteral("Could not work out the next date of the repeating reminder in %1 in time. It was left "
                          "unchanged; please try again.")
        .arg(quoted(path));
}

} // namespace

WriteResult VdirStore::saveReminder(const StoreReminder& reminder)
{
    StoreReminder changed = reminder;
    if (reminder.id.isEmpty()) {
        trimChangedTexts(changed, nullptr);
        return createReminder(changed);
    }
    const auto located = locate(reminder.id);
    if (!located) {
        return failed(QStringLiteral("The reminder %1 is no longer in the store.").arg(quoted(reminder.id)));
    }
    trimChangedTexts(changed, located->reminder());
    return updateReminder(changed, *located);
}

WriteResult VdirStore::removeReminder(const StoreReminder& reminder)
{
    const auto located = locate(reminder.id);
    if (!located) {
        return failed(QStringLiteral("The reminder %1 is no longer in the store.").arg(quoted(reminder.id)));
    }
    // Only the reminder the user saw goes: another program may have put a different one under its name. The
    // version removed is kept, so that an undo can tell whether its snapshot is of exactly this file.
    VdirFileKey removed;
    for (int attempt = 0;; ++attempt) {
        const ReadDocument current = readDocument(located->path());
        if (current.file.error) {
            return failed(*current.file.error);
        }
        if (!current.document) {
            return failed(QStringLiteral("%1 can no longer be read as a reminder; it was left unchanged.")
                              .arg(quoted(located->path())));
        }
        if (current.document->uid() != located->entry->uid) {
            return failed(otherReminderText(located->path()));
        }
        const VdirFileResult gone = VdirWriter::removeIfUnchanged(located->path(), current.file.key);
        if (gone.changedSince && attempt < rewriteAttempts) {
            continue;
        }
        if (!gone.ok()) {
            return failed(*gone.error);
        }
        removed = current.file.key;
        break;
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

VdirStore::Rewritten VdirStore::rewrite(const QString& path, const QString& uid, const StoreReminder& base,
                                        const StoreReminder& changed)
{
    const auto refuse = [](QString text) { return Rewritten{failed(std::move(text)), {}, {}, {}, {}}; };
    // Another client may rewrite the file between our read and our rename. Then its version is read again and
    // the same edit is made on it, so that both changes survive; a file that keeps changing wins after a while.
    for (int attempt = 0; attempt < rewriteAttempts; ++attempt) {
        ReadDocument read = readDocument(path);
        const VdirWriter::ReadResult& current = read.file;
        if (current.error) {
            return refuse(*current.error);
        }
        auto& document = read.document;
        if (!document) {
            return refuse(
                QStringLiteral("%1 can no longer be read as a reminder; it was left unchanged.").arg(quoted(path)));
        }
        // A different UID under the same name is a different reminder: the edit was meant for another one.
        if (document->uid() != uid) {
            return refuse(otherReminderText(path));
        }
        if (document->hasParseErrors()) {
            // Rewriting would drop what libical could not understand, so the file is not touched at all.
            return refuse(QStringLiteral("%1 contains values that could not be read; it was left unchanged so that "
                                         "nothing in it is lost.")
                              .arg(quoted(path)));
        }
        if (!document->applyChanges(base, changed, QDateTime::currentDateTimeUtc())) {
            return refuse(seriesUndeterminedText(path));
        }
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
        const VdirFileResult written = VdirWriter::replaceIfUnchanged(path, *edited.bytes, current.key, current.bytes);
        if (written.changedSince) {
            continue;
        }
        if (!written.ok()) {
            return refuse(*written.error);
        }
        return {{}, written.key, *edited.bytes, current.key, current.bytes};
    }
    return refuse(
        QStringLiteral("Could not save %1: another program kept changing it. Please try again.").arg(quoted(path)));
}

WriteResult VdirStore::updateReminder(const StoreReminder& reminder, const Located& located)
{
    const StoreReminder base = *located.reminder();
    const QString sourceListID = located.folder->listID;
    const QString targetListID = reminder.listID && !reminder.listID->isEmpty() ? *reminder.listID : sourceListID;
    if (targetListID != sourceListID) {
        const VdirListFolder* target = findList(targetListID);
        if (target == nullptr) {
            return failed(QStringLiteral("The list %1 is no longer in the store.").arg(quoted(targetListID)));
        }
        return moveReminder(located, *target, base, reminder);
    }
    const Rewritten written = rewrite(located.path(), located.entry->uid, base, reminder);
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
    // The edit is made where the file is, and then one atomic rename takes it into the target folder: until the
    // rename, the reminder is in its source list, whatever happens to the target folder meanwhile (another program
    // may remove it), and a crash at any moment leaves it in exactly one list. A rename that fails puts the old
    // bytes back, so that a failed move changes nothing.
    const QString sourceListID = located.folder->listID;
    const QString oldName = located.entry->fileName;
    if (!VdirWriter::sameFileSystem(located.folder->path, target.path)) {
        return copyReminder(located, target, base, changed);
    }
    const Rewritten written = rewrite(located.path(), located.entry->uid, base, changed);
    if (!written.result.ok()) {
        return written.result;
    }
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
            moved.error = QStringLiteral("The list %1 already holds this reminder as %2; it was left where it was.")
                              .arg(quoted(target.list.title), quoted(oldName));
            break;
        }
    }
    if (!moved.ok()) {
        const QString sourceFolder = located.folder->path;
        const VdirFileResult restored =
            VdirWriter::replaceIfUnchanged(located.path(), written.replacedBytes, written.key);
        recordWrite(sourceListID, sourceFolder, oldName, restored.ok() ? restored.key : written.key,
                    restored.ok() ? written.replacedBytes : written.bytes);
        if (moved.cannotMoveAtomically && restored.ok()) {
            // A file system without exclusive renames: a copy that is complete before the old file goes.
            const auto again = locate(vdirReminderID(sourceListID, oldName));
            return again ? copyReminder(*again, target, base, changed) : failed(*moved.error);
        }
        return failed(*moved.error);
    }
    recordWrite(target.list.id, target.path, fileName, moved.key, written.bytes);
    recordRemoval(sourceListID, oldName);
    return {};
}

WriteResult VdirStore::copyReminder(const Located& located, const VdirListFolder& target, const StoreReminder& base,
                                    const StoreReminder& changed)
{
    ReadDocument read = readDocument(located.path());
    const VdirWriter::ReadResult& current = read.file;
    if (current.error) {
        return failed(*current.error);
    }
    auto& document = read.document;
    if (!document || document->hasParseErrors()) {
        return failed(QStringLiteral("%1 could not be moved: it cannot be fully read; it was left unchanged.")
                          .arg(quoted(located.path())));
    }
    if (document->uid() != located.entry->uid) {
        return failed(otherReminderText(located.path()));
    }
    if (!document->applyChanges(base, changed, QDateTime::currentDateTimeUtc())) {
        return failed(seriesUndeterminedText(located.path()));
    }
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
    const QString copyPath = target.path + QLatin1Char('/') + fileName;
    if (VdirWriter::currentKey(copyPath) != std::optional(written.key)) {
        VdirWriter::removeIfUnchanged(copyPath, written.key);
        return failed(QStringLiteral("Could not move %1 to the list %2: the list's folder changed while the reminder "
                                     "was being moved. It was left where it was.")
                          .arg(quoted(located.path()), quoted(target.list.title)));
    }
    const VdirFileResult removed = VdirWriter::removeIfUnchanged(located.path(), current.key);
    if (!removed.ok()) {
        // Take the copy back, so that a failed move leaves one item where it was.
        VdirWriter::removeIfUnchanged(copyPath, written.key);
        return failed(*removed.error);
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
    m_folders.insert(listID, folder->with(vdirEntryOf(fileName, key, bytes, listID)));
    m_writtenAt.insert(listID, ++m_writeCount);
    m_watcher->noteChange();
    indexChanged();
}

void VdirStore::recordRemoval(const QString& listID, const QString& fileName)
{
    if (const auto folder = m_folders.value(listID)) {
        m_folders.insert(listID, folder->without(fileName));
    }
    m_writtenAt.insert(listID, ++m_writeCount);
    m_watcher->noteChange();
    indexChanged();
}

} // namespace tolvik
