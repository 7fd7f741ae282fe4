#pragma once

#include "store/VdirFolderSnapshot.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>

namespace tolvik {

/// The outcome of one file operation: the new file's key, or a readable text naming the file and the reason.
struct VdirFileResult
{
    std::optional<QString> error;
    VdirFileKey key;
    /// True when an exclusive create or move found the name taken.
    bool nameTaken = false;
    /// True when a move cannot be done in one step: another file system, or one without exclusive renames.
    bool cannotMoveAtomically = false;
    /// True when a conditional replace found the file changed since it was read, and left it alone.
    bool changedSince = false;

    bool ok() const { return !error.has_value(); }
};

/// File operations that never leave a half-written item behind: every write goes to a file that no reader
/// takes for an item until it is complete and on disk.
namespace VdirWriter {

/// Creates `folder/fileName` only if no such entry exists, writes `bytes`, and syncs it to disk.
/// `mode` gives the new file's permission bits.
VdirFileResult createExclusive(const QString& folder, const QString& fileName, const QByteArray& bytes,
                               unsigned mode = 0600);
/// Replaces the file at `path` with `bytes`: a temp file in the same folder, synced, then renamed over it.
/// The old file stays byte for byte when anything fails. The file keeps its permission bits.
/// An item that is a symlink is written through: its target is replaced in the target's folder and the link stays.
VdirFileResult replace(const QString& path, const QByteArray& bytes);
/// Like `replace`, but only while the file is still the version `expected` (checked just before the rename);
/// otherwise nothing changes and the result says `changedSince`, so that the caller can read it again. A change
/// that lands between that check and the rename is noticed too, where the file system can swap two files.
VdirFileResult replaceIfUnchanged(const QString& path, const QByteArray& bytes, const VdirFileKey& expected);
/// For tests: called with the path between writing the temp file and the rename, to change the file meanwhile.
/// An empty function removes the hook.
void setBeforeReplaceHook(std::function<void(const QString& path)> hook);
/// For tests: called after the last look at the file and just before it is replaced, to change it there.
void setAfterCheckHook(std::function<void(const QString& path)> hook);
/// Moves the file at `path` into `folder` as `fileName` in one atomic step, only if no such entry exists there,
/// so that a crash leaves the file in exactly one of the two places. The key is the moved file's.
VdirFileResult moveExclusive(const QString& path, const QString& folder, const QString& fileName);
/// Creates the folder and its missing parents (mode 0700 for the ones it creates).
std::optional<QString> makeFolder(const QString& path);
/// Removes the file at `path`. A file that is already gone counts as removed.
std::optional<QString> remove(const QString& path);
/// The key of the file at `path` as it is now (through a symlink), or nothing when it cannot be looked at.
std::optional<VdirFileKey> currentKey(const QString& path);

/// The file's bytes for an update, and the version they are of. Fails with a readable text when it cannot be
/// read, is no regular file, or exceeds `limit`. Never blocks on a FIFO or device.
struct ReadResult
{
    std::optional<QString> error;
    QByteArray bytes;
    unsigned mode = 0600;
    VdirFileKey key;
};
ReadResult read(const QString& path, qint64 limit);

} // namespace VdirWriter
} // namespace tolvik
