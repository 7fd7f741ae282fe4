#include "store/VdirStore.h"

#include "store/TodoDocument.h"
#include "store/VdirWriter.h"

// Undo of a completion or removal: the file's exact old bytes go back under its old name, but only over the very
// version our own change left, so that nothing another program wrote since is ever lost.
namespace tolvik {

namespace {

QString quoted(const QString& text)
{
    return QStringLiteral("\u201c%1\u201d").arg(text);
}

WriteResult changedSince(const QString& path)
{
    WriteResult result;
    result.error = QStringLiteral("%1 was changed since, so the change can no longer be undone.").arg(quoted(path));
    result.changedSince = true;
    return result;
}

} // namespace

std::shared_ptr<VdirStore::Version> VdirStore::versionAt(const Located& located) const
{
    auto version = std::make_shared<Version>();
    version->root = m_root;
    version->listID = located.folder->listID;
    version->folderPath = located.folder->path;
    version->fileName = located.entry->fileName;
    return version;
}

std::shared_ptr<const StoredVersion> VdirStore::changeLeft(const Located& located, const VdirFileKey& key,
                                                           const VdirFileKey& replaced, bool removed) const
{
    std::shared_ptr<Version> version = versionAt(located);
    version->key = key;
    version->replaced = replaced;
    version->removed = removed;
    return version;
}

std::optional<ReminderSnapshot> VdirStore::snapshotReminder(const QString& reminderID)
{
    const auto located = locate(reminderID);
    if (!located) {
        return std::nullopt;
    }
    const VdirWriter::ReadResult read = VdirWriter::read(located->path(), TodoDocument::maximumFileSize);
    if (read.error) {
        return std::nullopt;
    }
    std::shared_ptr<Version> version = versionAt(*located);
    version->key = read.key;
    version->bytes = read.bytes;
    version->mode = read.mode;
    return ReminderSnapshot{std::move(version), nullptr};
}

WriteResult VdirStore::restoreReminder(const ReminderSnapshot& snapshot)
{
    // Only a snapshot this store made names a file; nothing else is ever turned into a path.
    const auto before = std::dynamic_pointer_cast<const Version>(snapshot.before);
    const auto after = std::dynamic_pointer_cast<const Version>(snapshot.after);
    if (!before || !after || before->root != m_root || after->root != m_root ||
        before->folderPath != after->folderPath || before->fileName != after->fileName) {
        return WriteResult{QStringLiteral("This change was not recorded by this reminder store and cannot be undone.")};
    }
    const QString path = before->folderPath + QLatin1Char('/') + before->fileName;
    // Another program may have rewritten the file between the snapshot and our change; its bytes would then
    // throw that program's edit away.
    if (after->replaced != before->key) {
        return changedSince(path);
    }
    VdirFileResult written;
    if (after->removed) {
        // Exclusive: whatever appeared under the old name meanwhile is someone else's and stays.
        written = VdirWriter::createExclusive(before->folderPath, before->fileName, before->bytes, before->mode);
        if (written.nameTaken) {
            return changedSince(path);
        }
    } else {
        if (VdirWriter::currentKey(path) != std::optional(after->key)) {
            return changedSince(path);
        }
        written = VdirWriter::replaceIfUnchanged(path, before->bytes, after->key);
        if (written.changedSince) {
            return changedSince(path);
        }
    }
    if (!written.ok()) {
        return WriteResult{written.error};
    }
    recordWrite(before->listID, before->folderPath, before->fileName, written.key, before->bytes);
    return {};
}

} // namespace tolvik
