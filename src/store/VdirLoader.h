#pragma once

#include "model/StoreReminderBatch.h"
#include "store/VdirFolderSnapshot.h"

#include <QHash>
#include <QList>
#include <QSet>

#include <functional>
#include <optional>

namespace tolvik {

/// One list folder to read, with its snapshot from the last read (or none).
struct VdirFolderRequest
{
    QString listID;
    QString path;
    std::shared_ptr<const VdirFolderSnapshot> previous;
    /// Whether a quiet folder may be trusted without looking at its files: only while a watch on it is known to
    /// have seen every change since `previous` was made.
    bool mayTrust = true;
    /// The names of the only entries that can have changed since `previous` was made, as a watch on the folder
    /// saw them: the other files, still the same inode, are taken over without looking at their status, while
    /// the last full check is recent. Nothing when that is not known.
    std::optional<QSet<QString>> changedNames;
};

/// The outcome of reading a set of list folders: their new snapshots and all their reminders, in folder order.
struct VdirFetchResult
{
    QList<std::shared_ptr<const VdirFolderSnapshot>> folders;
    StoreReminderBatch reminders;
    int parsedFiles = 0;
};

/// Reads list folders on a worker thread, parsing only files that are new or changed.
namespace VdirLoader {

/// An unchanged folder is trusted this long without checking each file: a file edited in place leaves its
/// folder untouched, so every file is checked again at least this often.
constexpr qint64 trustFolderMs = 60 * 1000;
/// A folder that changed this shortly before it was checked may change again within the same timestamp tick,
/// so it is not trusted yet.
constexpr qint64 racyMarginMs = 2000;

/// Last reads saved before, by list id.
using SavedFolders = QHash<QString, std::shared_ptr<const VdirFolderSnapshot>>;

/// Reads the folders, spreading the parsing over the thread pool. An unchanged folder keeps its snapshot, whose
/// reminders are shared, not copied. A folder without a last read takes the one `loadSaved` gives for its list
/// and path, which is never trusted: each of its files is checked against its identity. Safe on any thread;
/// touches nothing but the files and what `loadSaved` reads.
VdirFetchResult load(QList<VdirFolderRequest> requests, const std::function<SavedFolders()>& loadSaved = {});

/// The reminders of `folders`, in order, sharing each folder's records.
StoreReminderBatch collect(const QList<std::shared_ptr<const VdirFolderSnapshot>>& folders);

} // namespace VdirLoader
} // namespace tolvik
