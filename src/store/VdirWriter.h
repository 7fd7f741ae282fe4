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
    /// True when the file is marked read-only (no write permission), and was left alone.
    bool readOnly = false;

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
/// The old file stays byte for byte when anything fails. The file keeps its permission bits, extended attributes
/// and, where the process may set them, its owner and group. A file without write permission is refused.
/// An item that is a symlink is written through: its target is replaced in the target's folder and the link stays.
VdirFileResult replace(const QString& path, const QByteArray& bytes);
/// Like `replace`, and makes the file (with permission bits `mode`) when there is none yet, the same way: no
/// reader ever sees it half written.
VdirFileResult write(const QString& path, const QByteArray& bytes, unsigned mode);
/// Like `replace`, but only while the file is still the version `expected` (checked just before the rename);
/// otherwise nothing changes and the result says `changedSince`, so that the caller can read it again. A change
/// that lands between that check and the rename is noticed too, where the file system can swap two files.
/// `expectedContent`, when given, is the file's content as it was read: while the file is fenced against writers
/// just before the swap, it is compared too, since a write within one timestamp tick leaves the key as it was.
VdirFileResult replaceIfUnchanged(const QString& path, const QByteArray& bytes, const VdirFileKey& expected,
                                  const std::optional<QByteArray>& expectedContent = std::nullopt);
/// For tests: called with the path between writing the temp file and the rename, to change the file meanwhile.
/// An empty function removes the hook.
void setBeforeReplaceHook(std::function<void(const QString& path)> hook);
/// For tests: called after the last look at the file and just before it is replaced, to change it there.
void setAfterCheckHook(std::function<void(const QString& path)> hook);
/// How a replace went with other programs that write files in place (for the stress measurement): how often the
/// file was fenced against writers while it was replaced, how often a writer kept it open past the wait so that
/// it was replaced unfenced, and how often a writer that was about to open the old file made the replace stand
/// back and start again.
struct FenceCounts
{
    quint64 fenced = 0;
    quint64 unfenced = 0;
    quint64 stoodBack = 0;
};
FenceCounts fenceCounts();
/// Moves the file at `path` into `folder` as `fileName` in one atomic step, only if no such entry exists there,
/// so that a crash leaves the file in exactly one of the two places. The key is the moved file's.
VdirFileResult moveExclusive(const QString& path, const QString& folder, const QString& fileName);
/// Whether both folders lie on one file system, so that a file can be renamed from one into the other.
bool sameFileSystem(const QString& folder, const QString& otherFolder);
/// Creates the folder and its missing parents (mode 0700 for the ones it creates).
std::optional<QString> makeFolder(const QString& path);
/// Removes the file at `path`. A file that is already gone counts as removed.
std::optional<QString> remove(const QString& path);
/// Removes the file at `path` only while it is still the version `expected` and may be written; otherwise
/// nothing changes and the result says `changedSince` or `readOnly`.
VdirFileResult removeIfUnchanged(const QString& path, const VdirFileKey& expected);
/// A readable text when the file at `path` is marked read-only (no write permission for anyone, or none for
/// this user), so that it is neither edited nor removed; nothing when it may be written or cannot be looked at.
std::optional<QString> readOnlyReason(const QString& path);

/// A temp file this old belongs to no save in progress: a save takes milliseconds.
constexpr qint64 staleTempSeconds = 10 * 60;
/// A fresh name for a temp file or folder that readers skip and `sweepStaleTemps` recognises.
QString tempName();
/// Whether `name` is one of this writer's temp files (made by `replace` or a list folder being built).
bool isOwnTempName(const QByteArray& name);
/// Removes this writer's temp files in `folder` that are older than `minimumAgeSeconds`: what a crash, or a
/// folder moved during a save, left behind. Returns how many it removed.
int sweepStaleTemps(const QString& folder, qint64 minimumAgeSeconds = staleTempSeconds);
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
