#include "store/VdirStore.h"

#include "store/TodoDocument.h"
#include "store/VdirWriter.h"

// Another version of a reminder, such as the one a sync kept when both devices changed it, goes into the file byte
// for byte, and only over the very version the user saw, so that nothing written since is lost.
namespace tolvik {

std::optional<StoredFile> VdirStore::readReminderFile(const QString& reminderID)
{
    std::optional<ReminderSnapshot> snapshot = snapshotReminder(reminderID);
    if (!snapshot) {
        return std::nullopt;
    }
    const auto version = std::dynamic_pointer_cast<const Version>(snapshot->before);
    return StoredFile{version->bytes, version};
}

WriteResult VdirStore::replaceReminderFile(const StoredFile& current, const QByteArray& bytes)
{
    // Only a version this store read names a file; nothing else is ever turned into a path.
    const auto version = std::dynamic_pointer_cast<const Version>(current.version);
    if (!version || version->root != m_root) {
        return WriteResult{QStringLiteral("This reminder was not read by this reminder store.")};
    }
    const QString path = version->folderPath + QLatin1Char('/') + version->fileName;
    const std::optional<TodoDocument> wanted = TodoDocument::parse(bytes);
    const std::optional<TodoDocument> held = TodoDocument::parse(version->bytes);
    // A file holds one reminder: bytes of another one would replace it under its name.
    if (!wanted || wanted->hasParseErrors() || !held || wanted->uid().isEmpty() || wanted->uid() != held->uid()) {
        return WriteResult{QStringLiteral("The other version is not a readable version of this reminder.")};
    }
    WriteResult changed;
    changed.error = QStringLiteral("\u201c%1\u201d was changed since it was read; nothing was written.").arg(path);
    changed.changedSince = true;
    if (VdirWriter::currentKey(path) != std::optional(version->key)) {
        return changed;
    }
    const VdirFileResult written = VdirWriter::replaceIfUnchanged(path, bytes, version->key);
    if (written.changedSince) {
        return changed;
    }
    if (!written.ok()) {
        return WriteResult{written.error};
    }
    recordWrite(version->listID, version->folderPath, version->fileName, written.key, bytes);
    return {};
}

std::optional<StoreReminder> VdirStore::readReminderBytes(const QByteArray& bytes) const
{
    if (bytes.size() > TodoDocument::maximumFileSize) {
        return std::nullopt;
    }
    const std::optional<TodoDocument> document = TodoDocument::parse(bytes);
    if (!document) {
        return std::nullopt;
    }
    return document->toReminder();
}

} // namespace tolvik
