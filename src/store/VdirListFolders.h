#pragma once

#include <QColor>
#include <QString>

#include <optional>

namespace tolvik {

/// Creating, renaming, recolouring and removing list folders. The metadata files are written as sync tools write
/// them: `displayname` as UTF-8 and `color` as `#RRGGBB`, each without a trailing newline, each replaced atomically.
namespace VdirListFolders {

/// A folder name for a new list called `name` inside `accountFolder`: ASCII letters and digits in lower case with
/// single dashes between words ("list" when nothing is left), and a number added when that name is taken.
QString uniqueFolderName(const QString& accountFolder, const QString& name);

/// The outcome of making a list folder: its path, or a readable text naming the folder and the reason.
struct Created
{
    std::optional<QString> error;
    QString path;
};

/// Makes the list folder with its metadata files. It is built under a hidden name and renamed into place only
/// once complete, so that no reader ever sees a half-made list and a failure leaves nothing behind.
Created create(const QString& accountFolder, const QString& name, const QColor& color);

/// Replaces the folder's `displayname` file.
std::optional<QString> writeDisplayName(const QString& folder, const QString& name);
/// Replaces the folder's `color` file.
std::optional<QString> writeColor(const QString& folder, const QColor& color);
/// Moves the folder to the desktop's trash, from where the file manager can restore it.
std::optional<QString> moveToTrash(const QString& folder);

} // namespace VdirListFolders
} // namespace tolvik
