#pragma once

#include "sync/SyncAccount.h"

#include <QString>

namespace tolvik {

/// Writes the engine's two config files of an account: one for items, one for list names and colours (the
/// engine cannot hand metadata conflicts to a command, so that file lets the server's name win a tie). Never an
/// item type filter or a date window: both make the engine delete local files it merely did not fetch.
namespace EngineConfig {

/// The text of the items config. `program` is this app's binary, which answers the password question.
QString itemsText(const SyncAccount& account, const QString& storeRoot, const QString& program);
QString metadataText(const SyncAccount& account, const QString& storeRoot, const QString& program);
/// Both files, each written to a temp file with mode 0600 and renamed into place. False when either failed; a
/// failed write leaves the old file as it was.
bool write(const SyncAccount& account, const QString& storeRoot, const QString& program);
/// A JSON string, as the engine reads every value.
QString quoted(const QString& value);

} // namespace EngineConfig

} // namespace tolvik
