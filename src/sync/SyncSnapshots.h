#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

namespace tolvik {

/// Copies of an account's folder from before its syncs, kept in the account's state folder for a few days. Files
/// are hard links: the engine and the store replace a file by renaming a new one over it and delete by unlinking,
/// so a link keeps the old bytes at no cost and leaves the live file (and the engine's view of it) as it was.
namespace SyncSnapshots {

/// <state folder>/snapshots: one folder per snapshot, named after its UTC time.
QString folder(const QString& accountID);
/// The snapshots' names, oldest first.
QStringList names(const QString& accountID);
/// Links every file under `accountFolder` into a new snapshot. When nothing changed since the newest snapshot,
/// that one is returned instead of making another. Empty when the snapshot could not be made.
QString take(const QString& accountID, const QString& accountFolder, const QDateTime& now);
/// Removes the snapshots older than `keepDays`, but never the newest one nor any named in `keep`.
void prune(const QString& accountID, const QDateTime& now, const QStringList& keep, int keepDays = 3);
/// The names of the reminder files in `list` of snapshot `name` that are missing from `listFolder` now.
QStringList missingNow(const QString& accountID, const QString& name, const QString& list, const QString& listFolder);
/// Copies `fileNames` of `list` back from snapshot `name` into `listFolder` where they are missing, byte for byte;
/// files still there are left as they are. False when one could not be restored.
bool restore(const QString& accountID, const QString& name, const QString& list, const QString& listFolder,
             const QStringList& fileNames);

} // namespace SyncSnapshots

} // namespace tolvik
