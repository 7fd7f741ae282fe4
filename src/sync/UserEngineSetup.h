#pragma once

#include <QString>
#include <QStringList>

namespace tolvik {

/// The user's own vdirsyncer configuration, next to the app's accounts: the folders it pairs with a server are
/// synced by it, and the app never adds a second pair for them (two pairs on one folder duplicate and delete).
namespace UserEngineSetup {

/// The user's config file, found as the engine finds it ($VDIRSYNCER_CONFIG, ~/.vdirsyncer/config,
/// $XDG_CONFIG_HOME/vdirsyncer/config); empty when there is none.
QString configPath();
/// The folders (absolute, clean) of the filesystem storages that a pair in `config` uses.
QStringList pairedFolders(const QString& config);
/// Whether the store folder `folder` is paired by one of `paired`: it is one, lies inside one, or holds one.
bool isPaired(const QStringList& paired, const QString& folder);
/// The folders under `storeRoot` that the user's own config pairs.
QStringList pairedStoreFolders(const QString& storeRoot);

} // namespace UserEngineSetup

} // namespace tolvik
