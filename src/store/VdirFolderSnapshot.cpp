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

std::shared_ptr<const VdirFolderSnapshot> vdirIndexed(std::shared_ptr<VdirFolderSnapshot> snapshot)
{
    snapshot->byReminderID.clear();
    snapshot->byReminderID.reserve(snapshot->files.size());
    snapshot->run.clear();
    for (qsizetype i = 0; i < snapshot->files.size(); ++i) {
        if (const auto& reminder = snapshot->files.at(i).reminder) {
            snapshot->byReminderID.insert(reminder->id, i);
            snapshot->run.append(*reminder);
        }
    }
    return snapshot;
}

QString vdirReminderID(const QString& listID, const QString& fileName)
{
    return listID + QLatin1Char('/') + VdirScanner::encodeIdPart(fileName);
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

VdirFileEntry vdirEntryOf(const QString& fileName, const VdirFileKey& key, const QByteArray& bytes,
                          const QString& listID)
{
    VdirFileEntry entry;
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
        entry.reminder = std::move(reminder);
        entry.uid = document->uid();
        entry.otherTodos = document->otherTodoCount();
    } else {
        entry.skipped = TodoDocument::nestingDepth(bytes) > TodoDocument::maximumNesting
                            ? VdirSkipReason::tooDeeplyNested
                            : VdirSkipReason::notATodo;
    }
    return entry;
}

VdirFileEntry vdirSkipped(const QString& fileName, VdirSkipReason reason, const VdirFileKey& key)
{
    VdirFileEntry entry;
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

std::shared_ptr<const VdirFolderSnapshot> VdirFolderSnapshot::with(VdirFileEntry entry) const
{
    auto copy = std::make_shared<VdirFolderSnapshot>(*this);
    // An own write changes the folder: the next refresh checks every file again.
    copy->verifiedAtMs = 0;
    copy->revision = vdirNewRevision();
    const auto at = std::lower_bound(copy->files.begin(), copy->files.end(), entry.fileName,
                                     [](const VdirFileEntry& e, const QString& name) { return e.fileName < name; });
    if (at != copy->files.end() && at->fileName == entry.fileName) {
        *at = std::move(entry);
    } else {
        copy->files.insert(at, std::move(entry));
    }
    return vdirIndexed(std::move(copy));
}

std::shared_ptr<const VdirFolderSnapshot> VdirFolderSnapshot::without(const QString& fileName) const
{
    auto copy = std::make_shared<VdirFolderSnapshot>(*this);
    copy->verifiedAtMs = 0;
    copy->revision = vdirNewRevision();
    copy->files.removeIf([&fileName](const VdirFileEntry& e) { return e.fileName == fileName; });
    return vdirIndexed(std::move(copy));
}

} // namespace tolvik
