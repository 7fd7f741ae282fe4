#pragma once

#include "sync/AccountDiscovery.h"
#include "sync/SyncState.h"

#include <QDateTime>
#include <QString>

namespace tolvik {

/// The sync's texts for people: what went wrong in plain words with the next step, and how long ago an account
/// last synced.
namespace SyncTexts {

QString discoveryProblem(DiscoveryOutcome outcome);
QString certificateDetails(const CertificateInfo& certificate);
/// The account row's status: syncing with counts, the problem with its next step, or when it last synced.
QString status(const AccountSyncState& state, const QDateTime& now);
/// The problem alone, with its next step; empty without one.
QString problem(const AccountSyncState& state);
/// The panel footer's short line while a problem lasts; empty when there is none.
QString footerLine(const AccountSyncState& state);

} // namespace SyncTexts

} // namespace tolvik
