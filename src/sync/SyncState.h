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

    static AccountSyncState load(const QString& accountID);
    bool save(const QString& accountID) const;
};

} // namespace tolvik
