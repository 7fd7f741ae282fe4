#pragma once

#include <QString>

namespace tolvik {

/// Settles a reminder changed on both sides, as the engine asks: it passes the two versions as files and wants
/// both to hold the same bytes afterwards. The newer version (LAST-MODIFIED, then DTSTAMP; a tie goes to the
/// server) wins, and the other is kept in the account's conflicts folder, so that nothing is lost.
namespace ConflictResolver {

/// Returns the process exit code: 0 when settled, 1 when a file could not be read or written.
int resolve(const QString& accountID, const QString& localPath, const QString& remotePath);
/// The account's folder of versions that lost a conflict.
QString conflictsFolder(const QString& accountID);
/// The UID of the to-do in `ics` (folded lines joined); empty when it has none.
QString uidOf(const QByteArray& ics);

} // namespace ConflictResolver

} // namespace tolvik
