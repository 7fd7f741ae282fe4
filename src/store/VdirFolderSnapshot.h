#pragma once

#include "model/StoreRecords.h"

#include <QHash>
#include <QList>
#include <QString>

#include <memory>

struct stat;
#include <optional>

namespace tolvik {

/// What identifies one version of a file without reading it: size, mtime in ns, inode and device, and the
/// change time, which no program can set back, so that a rewrite that keeps size and mtime is seen too. A writer
/// compares it just before replacing a file, to notice another program's change since the file was read.
struct VdirFileKey
{
    qint64 size = -1;
    qint64 mtimeNs = 0;
    quint64 inode = 0;
    quint64 device = 0;
    qint64 ctimeNs = 0;

    friend bool operator==(const VdirFileKey&, const VdirFileKey&) = default;
};

/// Why something in a list folder shows as no reminder.
enum class VdirSkipReason
{
    none,
    /// It could not be opened or read (permissions, an I/O error).
    unreadable,
    /// A FIFO, device or socket.
    notAFile,
    /// A symlink that leads back to itself.
    symlinkLoop,
    /// A symlink whose target does not exist.
    danglingLink,
    /// A symlink to a folder.
    linkToFolder,
    /// A folder with an item's name (`x.ics`).
    folder,
    /// A name that is not valid text here, which could not be opened again by it.
    undecodableName,
    tooLarge,
    empty,
    /// It holds NUL bytes.
    binary,
    /// Its components nest deeper than any calendar file does.
    tooDeeplyNested,
    /// It holds no to-do that can be read.
    notATodo,
    /// A further to-do with a UID other than the shown one's, in the same file.
    otherTodo,
};

/// One file of a list folder as last read. A file that was skipped (too large, empty, binary, not a to-do)
/// has no reminder; its key is kept so that it is not read again until it changes.
struct VdirFileEntry
{
    QString fileName;
    VdirFileKey key;
    /// Where its reminder is in its snapshot's `run`, or -1 when it has none. The record is kept there only,
    /// so that a store of many reminders holds each one once.
    qsizetype reminderAt = -1;
    /// Why there is no reminder, when there is none.
    VdirSkipReason skipped = VdirSkipReason::none;
    /// To-dos in the file with UIDs other than the shown one's; they are not shown, and counted as skipped.
    int otherTodos = 0;
    /// The shown to-do's UID, so that a write can tell that the file still holds the same reminder.
    QString uid;
};

/// A file as just read, with its reminder, before it takes its place in a snapshot.
struct VdirReadFile : VdirFileEntry
{
    std::optional<StoreReminder> reminder;
};

/// The index and parse cache of one list folder: immutable once built, so that it can be handed between the
/// worker and the main thread without locks. A change makes a new snapshot.
struct VdirFolderSnapshot
{
    QString listID;
    QString path;
    /// The folder's own key when its files were last all checked, and when that was (ms since the epoch).
    VdirFileKey folderKey;
    qint64 verifiedAtMs = 0;
    /// Changes whenever the entries change, so that an unchanged folder is recognised in a new snapshot.
    quint64 revision = 0;
    /// Entries sorted by file name, which is the order reminders are delivered in.
    QList<VdirFileEntry> files;
    /// Reminder id -> position in `files`, for the files that loaded.
    QHash<QString, qsizetype> byReminderID;
    /// The loaded reminders in file-name order, made once per revision and shared by every fetch that hands
    /// them over, so that a fetch does not copy the records of folders that did not change.
    QList<StoreReminder> run;

    /// The reminder of one of `files`, or nothing when it has none.
    const StoreReminder* reminderOf(const VdirFileEntry& entry) const
    {
        return entry.reminderAt >= 0 ? &run.at(entry.reminderAt) : nullptr;
    }
    /// The file at `index` of `files` with its reminder.
    VdirReadFile readFileAt(qsizetype index) const;

    /// The loaded reminders, in file-name order.
    const QList<StoreReminder>& reminders() const { return run; }
    /// How many files (and further to-dos in files) were skipped.
    int skippedCount() const;
    /// The entry of a loaded reminder, or nothing.
    const VdirFileEntry* entryForReminder(const QString& reminderID) const;

    /// A copy with `file` added, or replacing the entry of the same file name.
    std::shared_ptr<const VdirFolderSnapshot> with(VdirReadFile file) const;
    /// A copy without the file of that name.
    std::shared_ptr<const VdirFolderSnapshot> without(const QString& fileName) const;
};

/// The reminder id of a file in a list: the list id, a slash, the encoded file name.
QString vdirReminderID(const QString& listID, const QString& fileName);

/// Parses one file's bytes into a reminder of the list, or nothing when it is not a readable to-do.
std::optional<StoreReminder> parseVdirItem(const QByteArray& bytes, const QString& listID, const QString& fileName);
/// The entry of a file with these bytes: its reminder and UID, or why it shows none.
VdirReadFile vdirEntryOf(const QString& fileName, const VdirFileKey& key, const QByteArray& bytes,
                         const QString& listID);
/// The entry of a file that was skipped without being parsed.
VdirReadFile vdirSkipped(const QString& fileName, VdirSkipReason reason, const VdirFileKey& key = {});

/// What identifies a version of a file or folder, from its status.
VdirFileKey vdirKeyOf(const struct stat& info);
/// A revision number not handed out before. Safe on any thread.
quint64 vdirNewRevision();
/// `snapshot` holding `files` (in file-name order), with its reminders and index made from them.
std::shared_ptr<const VdirFolderSnapshot> vdirAssembled(std::shared_ptr<VdirFolderSnapshot> snapshot,
                                                        QList<VdirReadFile> files);

} // namespace tolvik
