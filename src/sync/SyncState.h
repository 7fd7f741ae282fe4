#pragma once

#include "sync/DavClient.h"

#include <QDateTime>
#include <QString>

#include <optional>

namespace tolvik {

/// Why an account's last sync failed, found by the app's own check of the server.
enum class SyncProblem
{
    none,
    signInAgain,
    keyringUnavailable,
    certificateChanged,
    hostNotFound,
    offline,
    unreachable,
    serverTrouble,
    timedOut,
    listGone,
    serverEmptied,
    conflicts,
    engineMissing,
    unknown,
    /// A sync would remove many reminders here (or did, before the app could tell): the user decides.
    deletionsHeld,
    /// The server did not let the app make a list that was made here; the list stays on this computer.
    listNotMade,
};

/// Reminders of one list that a sync would remove here, held back until the user restores or deletes them.
struct HeldDeletion
{
    /// The list's folder name, and the name the user knows it by.
    QString list;
    QString displayName;
    /// The server lists none of the list's reminders.
    bool serverEmpty = false;
    /// The engine removed them already (the server listed less to it than to the app a moment before); the
    /// snapshot has them.
    bool alreadyRemoved = false;
    /// The snapshot taken before the sync.
    QString snapshot;
    /// The reminders' file names in the list's folder, and the engine's ids of them.
    QStringList files;
    QStringList idents;

    friend bool operator==(const HeldDeletion&, const HeldDeletion&) = default;
};

/// What an account's sync is doing and how it last went. Kept per account in its state folder, so the settings
/// show the last sync after a restart.
struct AccountSyncState
{
    bool running = false;
    bool discovered = false;
    QDateTime lastAttempt;
    QDateTime lastSuccess;
    SyncProblem problem = SyncProblem::none;
    QDateTime problemSince;
    /// The list a problem concerns, when it concerns one.
    QString problemList;
    /// The certificate the server shows now, when it is not the trusted one.
    std::optional<CertificateInfo> certificate;
    /// Changes moved so far in the running sync.
    int progressCount = 0;
    /// Local files changed since the last successful sync.
    int pendingChanges = 0;
    /// Removals waiting for the user's word, per list.
    QList<HeldDeletion> held;

    /// How many reminders `held` holds.
    int heldCount() const;

    static AccountSyncState load(const QString& accountID);
    bool save(const QString& accountID) const;
};

} // namespace tolvik
