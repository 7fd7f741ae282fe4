#pragma once

#include "store/VdirFolderSnapshot.h"

#include <QHash>
#include <QList>
#include <QString>

#include <memory>
#include <optional>

namespace tolvik {

/// The store's saved index: what the last run parsed, with each file's identity, kept in one file so that a
/// start-up parses only the files that changed since. It is a cache and never a source: every entry is checked
/// against its file's identity before it is used, and an index that is damaged, truncated, written by another
/// version, for another root or time zone data, or that is not a regular file, is ignored.
namespace VdirIndexFile {

/// Bumped whenever what is saved changes shape.
constexpr quint32 formatVersion = 1;

/// The loaded folders of a store, by list id.
using Folders = QHash<QString, std::shared_ptr<const VdirFolderSnapshot>>;

/// Writes the folders' entries to `path` atomically (a temp file renamed over it, readable by the user only),
/// making its folder when there is none. Repeating reminders are
/// left out (they are parsed again), and so is every entry whose identity is unknown. False when it could not
/// be written; the old index then stays as it was.
bool save(const QString& path, const QString& root, const QList<std::shared_ptr<const VdirFolderSnapshot>>& folders);

/// The folders saved for `root`, each with entries to check against the files, or nothing when there is no usable
/// index at `path`.
std::optional<Folders> load(const QString& path, const QString& root);

} // namespace VdirIndexFile
} // namespace tolvik
