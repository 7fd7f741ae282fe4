#pragma once

#include "sync/DavClient.h"
#include "sync/SyncAccount.h"
#include "sync/SyncState.h"

#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <optional>

#include <QCoro/QCoroTask>

namespace tolvik {

/// One reminder the engine saw on both sides at the end of its last sync of a list.
struct EngineStatusEntry
{
    QString ident;
    /// The file's name in the list's folder.
    QString localHref;
    /// The item's path on the server, as the engine wrote it (percent-encoded).
    QString remoteHref;
    /// The engine's tag of the local file: "<mtime in ns, rounded to a double>.000000000;<inode>".
    QString localEtag;
};

/// Knows before a sync what it would delete here: the engine deletes a local file when the item is in its status
/// (it was on both sides after the last sync), the server's listing lacks it, and the file is unchanged since. The
/// app asks the server for the same listing the engine asks for and compares, so that a server that lists too
/// little (an outage, a half-restored backup, a wrong account) is caught before a file is gone.
namespace DeletionGuard {

/// The engine's status file of one list of an account.
QString statusFile(const QString& accountID, const QString& list);
/// The entries of a status file; empty when the list was never synced, nothing when the file cannot be read.
std::optional<QList<EngineStatusEntry>> readStatus(const QString& path);
/// Makes the engine forget `idents`, so that its next sync takes the local files for new ones and uploads them.
bool forget(const QString& path, const QStringList& idents);

/// The decoded paths of the items (not collections, and only with an entity tag) in a Depth-1 listing.
QSet<QString> listedItems(const QByteArray& multistatus, const QUrl& collection);
/// Whether the file of `entry` in `listFolder` is the one the engine last saw.
bool unchangedHere(const EngineStatusEntry& entry, const QString& listFolder);
/// The entries the engine would delete here, given the server's listing.
QList<EngineStatusEntry> wouldDelete(const QList<EngineStatusEntry>& status, const QSet<QString>& listed,
                                     const QString& listFolder);
/// Whether removing `removals` of the `known` reminders of a list asks the user first: more than ten, or a fifth
/// of the list. One or two at a time are everyday use on another device and go through.
bool tooMany(int removals, int known);

/// What the app's own look at one list before a sync found.
struct ListCheck
{
    /// The server's answer when the listing failed; the list then stays out of the run.
    std::optional<DavReply> failure;
    /// The reminders the engine knows on both sides.
    int known = 0;
    /// Set when the sync would remove too many, or the server lists none while the engine knows some.
    std::optional<HeldDeletion> held;
};

/// Lists `collection` on the server as the engine would and compares it with the engine's status.
QCoro::Task<ListCheck> check(DavClient& client, QString accountID, SyncedCollection collection, QString listFolder,
                             QString snapshot);
/// The name the user knows a list by: its display name, else its folder name.
QString displayName(const QString& listFolder, const QString& list);

} // namespace DeletionGuard

} // namespace tolvik
