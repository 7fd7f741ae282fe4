// VdirStore's list operations: the list folders and their metadata files.

#include "store/VdirListFolders.h"
#include "store/VdirStore.h"
#include "store/VdirWatcher.h"

#include <QFileInfo>

namespace tolvik {

namespace {

QString unknownList(const QString& listID)
{
    return QStringLiteral("The list %1 is no longer in the store.").arg(listID);
}

WriteResult fromError(const std::optional<QString>& error)
{
    return WriteResult{error};
}

} // namespace

void VdirStore::listsChanged()
{
    rescan();
    m_watcher->setFolders(VdirScanner::watchFolders(m_root));
    m_watcher->noteChange();
}

std::optional<QString> VdirStore::accountFolder(const QString& accountID)
{
    if (!m_scanned) {
        rescan();
    }
    // The built-in account keeps its lists in a folder of its own, made with its first list.
    if (accountID == VdirScanner::localAccountID) {
        return m_root + QLatin1Char('/') + VdirScanner::localAccountID;
    }
    for (const VdirListFolder& list : std::as_const(m_lists)) {
        const QString parent = QFileInfo(list.path).absolutePath();
        if (list.list.account.id == accountID && parent != QFileInfo(m_root).absoluteFilePath()) {
            return parent;
        }
    }
    return std::nullopt;
}

ListCreation VdirStore::createList(const QString& accountID, const QString& name, const QColor& color)
{
    const std::optional<QString> folder = accountFolder(accountID);
    if (!folder) {
        return {QStringLiteral("The account %1 is no longer in the store.").arg(accountID), {}};
    }
    const VdirListFolders::Created created = VdirListFolders::create(*folder, name, color);
    if (created.error) {
        return {created.error, {}};
    }
    listsChanged();
    for (const VdirListFolder& list : std::as_const(m_lists)) {
        if (QFileInfo(list.path).absoluteFilePath() == QFileInfo(created.path).absoluteFilePath()) {
            return {std::nullopt, list.list.id};
        }
    }
    return {QStringLiteral("The new list %1 could not be read back.").arg(created.path), {}};
}

WriteResult VdirStore::renameList(const QString& listID, const QString& name)
{
    const VdirListFolder* list = findList(listID);
    if (list == nullptr) {
        return {unknownList(listID)};
    }
    const WriteResult result = fromError(VdirListFolders::writeDisplayName(list->path, name));
    listsChanged();
    return result;
}

WriteResult VdirStore::recolorList(const QString& listID, const QColor& color)
{
    const VdirListFolder* list = findList(listID);
    if (list == nullptr) {
        return {unknownList(listID)};
    }
    const WriteResult result = fromError(VdirListFolders::writeColor(list->path, color));
    listsChanged();
    return result;
}

WriteResult VdirStore::deleteList(const QString& listID)
{
    const VdirListFolder* list = findList(listID);
    if (list == nullptr) {
        return {unknownList(listID)};
    }
    const WriteResult result = fromError(VdirListFolders::moveToTrash(list->path));
    listsChanged();
    return result;
}

} // namespace tolvik
