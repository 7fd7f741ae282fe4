#pragma once

#include "model/StoreRecords.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace tolvik {

/// One reminder list found under the root: its record and the folder that holds its files.
struct VdirListFolder
{
    StoreList list;
    QString path;
};

/// The reminder lists found under the root, and how many account and list folders were left out because their
/// names are not valid UTF-8 (they are never read or written).
struct VdirScan
{
    QList<VdirListFolder> lists;
    int skippedFolders = 0;
    /// The folders to watch, as `watchFolders` gives them, found on the same walk.
    QStringList watched;
};

/// Remembers, per folder, whether it held to-dos when its modification time was last seen, so that a folder of
/// events is not read again on every refresh.
class VdirFolderKinds
{
public:
    /// True when the folder holds calendar items but no to-do. Reads files only when the folder changed.
    bool holdsOnlyOtherItems(const QString& folderPath);

private:
    struct Verdict
    {
        qint64 mtimeNs = 0;
        bool onlyOtherItems = false;
    };
    QHash<QString, Verdict> m_verdicts;
};

/// Reads the vdir layout: `<root>/<account>/<list>/<item>.ics`, with first-level folders that hold `.ics` files
/// as lists of the built-in account `local`.
namespace VdirScanner {

/// The id of the built-in account and its display name.
inline const QString localAccountID = QStringLiteral("local");
inline const QString localAccountName = QStringLiteral("On this computer");

/// Percent-encodes `%` and `,` (the preferences join ids with commas).
QString encodeIdPart(const QString& name);

/// Whether a directory entry of a list folder may be a to-do file: `.ics`, not hidden, not a temp file.
bool isItemFileName(const QString& name);
/// Whether a folder name names an account or a list (hidden folders are skipped).
bool isFolderName(const QString& name);

/// Every reminder list under `root`, sorted by id, and the folders to watch. Folders that hold only events are left
/// out of the lists.
VdirScan scanLists(const QString& root, VdirFolderKinds& kinds);
/// The folders to watch for changes: the root, and every folder on the first and second level under it.
QStringList watchFolders(const QString& root);

/// The trimmed UTF-8 text of the folder's `displayname` file, or nothing when absent or blank.
std::optional<QString> readDisplayName(const QString& folderPath);
/// The folder's `color` file as a colour (`#RRGGBB` or `#RRGGBBAA`), or nothing when absent or malformed.
std::optional<QColor> readColor(const QString& folderPath);
/// Parses `#RRGGBB` or `#RRGGBBAA`.
std::optional<QColor> parseColor(const QString& text);

} // namespace VdirScanner
} // namespace tolvik
