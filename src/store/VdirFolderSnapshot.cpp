#include "store/VdirFolderSnapshot.h"

#include "store/TodoDocument.h"
#include "store/VdirScanner.h"

#include <algorithm>
#include <atomic>

#include <sys/stat.h>

namespace tolvik {

VdirFileKey vdirKeyOf(const struct stat& info)
{
    return VdirFileKey{qint64(info.st_size), qint64(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec,
                       quint64(info.st_ino), quint64(info.st_dev),
                       qint64(info.st_ctim.tv_sec) * 1000000000 + info.st_ctim.tv_nsec};
}

quint64 vdirNewRevision()
{
    static std::atomic<quint64> last{0};
    return ++last;
}

std::shared_ptr<const VdirFolderSnapshot> vdirAssembled(std::shared_ptr<VdirFolderSnapshot> snapshot,
                                                        QList<VdirReadFile> files)
{
    snapshot->files.clear();
    snapshot->files.reserve(files.size());
    snapshot->byReminderID.clear();
    snapshot->byReminderID.reserve(files.size());
    snapshot->run.clear();
    snapshot->run.reserve(std::count_if(files.cbegin(), files.cend(),
                                        [](const VdirReadFile& file) { return file.reminder.has_value(); }));
    for (VdirReadFile& file : files) {
        VdirFileEntry entry = std::move(static_cast<VdirFileEntry&>(file));
        entry.reminderAt = -1;
        if (file.reminder) {
            snapshot->byReminderID.insert(file.reminder->id, snapshot->files.size());
            entry.reminderAt = snapshot->run.size();
            snapshot->run.append(std::move(*file.reminder));
        }
        snapshot->files.append(std::move(entry));
    }
    return snapshot;
}

VdirReadFile VdirFolderSnapshot::readFileAt(qsizetype index) const
{
    VdirReadFile file;
    static_cast<VdirFileEntry&>(file) = files.at(index);
    if (const StoreReminder* reminder = reminderOf(files.at(index))) {
        file.reminder = *reminder;
    }
    return file;
}

QString vdirReminderID(const QString& listID, const QString& fileName)
{
    // Built to its exact size: a store holds one per reminder.
    const QString part = VdirScanner::encodeIdPart(fileName);
    QString id;
    id.reserve(listID.size() + 1 + part.size());
    id.append(listID).append(QLatin1Char('/')).append(part);
    return id;
}

std::optional<StoreReminder> parseVdirItem(const QByteArray& bytes, const QString& listID, const QString& fileName)
{
    const auto document = TodoDocument::parse(bytes);
    if (!document) {
        return std::nullopt;
    }
    StoreReminder reminder = document->toReminder();
    reminder.id = vdirReminderID(listID, fileName);
    reminder.listID = listID;
    return reminder;
}

VdirReadFile vdirEntryOf(const QString& fileName, const VdirFileKey& key, const QByteArray& bytes,
                         const QString& listID)
{
    VdirReadFile entry;
    entry.fileName = fileName;
    entry.key = key;
    if (bytes.isEmpty()) {
        entry.skipped = VdirSkipReason::empty;
    } else if (bytes.size() > TodoDocument::maximumFileSize) {
        entry.skipped = VdirSkipReason::tooLarge;
    } else if (bytes.contains('\0')) {
        entry.skipped = VdirSkipReason::binary;
    } else if (const auto document = TodoDocument::parse(bytes)) {
        StoreReminder reminder = document->toReminder();
        reminder.id = vdirReminderID(listID, fileName);
        reminder.listID = listID;
        entry.uid = document->uid();
        // One string for both: the record and the entry hold the same UID.
        if (reminder.uid == entry.uid) {
            reminder.uid = entry.uid;
        }
        entry.reminder = std::move(reminder);
        entry.otherTodos = document->otherTodoCount();
    } else {
        entry.skipped = TodoDocument::nestingDepth(bytes) > TodoDocument::maximumNesting
                            ? VdirSkipReason::tooDeeplyNested
                            : VdirSkipReason::notATodo;
    }
    return entry;
}

VdirReadFile vdirSkipped(const QString& fileName, VdirSkipReason reason, const VdirFileKey& key)
{
    VdirReadFile entry;
    entry.fileName = fileName;
    entry.key = key;
    entry.skipped = reason;
    return entry;
}

int VdirFolderSnapshot::skippedCount() const
{
    int others = 0;
    for (const VdirFileEntry& entry : files) {
        others += entry.otherTodos;
    }
    return int(files.size() - byReminderID.size()) + others;
}

const VdirFileEntry* VdirFolderSnapshot::entryForReminder(const QString& reminderID) const
{
    const auto found = byReminderID.constFind(reminderID);
    return found == byReminderID.cend() ? nullptr : &files.at(*found);
}

namespace {

// A copy of `snapshot`'s place and identity, without its files: an own write changes the folder, so the next
// refresh checks every file again.
std::shared_ptr<VdirFolderSnapshot> changedCopy(const VdirFolderSnapshot& snapshot)
{
    auto copy = std::make_shared<VdirFolderSnapshot>();
    copy->listID = snapshot.listID;
    copy->path = snapshot.path;
    copy->folderKey = snapshot.folderKey;
    copy->verifiedAtMs = 0;
    copy->revision = vdirNewRevision();
    return copy;
}

} // namespace

std::shared_ptr<const VdirFolderSnapshot> VdirFolderSnapshot::with(VdirReadFile file) const
{
    QList<VdirReadFile> changed;
    changed.reserve(files.size() + 1);
    bool placed = false;
    for (qsizetype i = 0; i < files.size(); ++i) {
        const QString& name = files.at(i).fileName;
        if (!placed && !(name < file.fileName)) {
            placed = true;
            changed.append(std::move(file));
            if (name == changed.constLast().fileName) {
                continue;
            }
        }
        changed.append(readFileAt(i));
    }
    if (!placed) {
        changed.append(std::move(file));
    }
    return vdirAssembled(changedCopy(*this), std::move(changed));
}

std::shared_ptr<const VdirFolderSnapshot> VdirFolderSnapshot::without(const QString& fileName) const
{
    QList<VdirReadFile> kept;
    kept.reserve(files.size());
    for (qsizetype i = 0; i < files.size(); ++i) {
        if (files.at(i).fileName != fileName) {
            kept.append(readFileAt(i));
        }
    }
    return vdirAssembled(changedCopy(*this), std::move(kept));
}

} // namespace tolvik
