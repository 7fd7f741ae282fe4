#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>

namespace tolvik {

/// What the engine's log says about a run of one account (pair). It says that something failed and where; why it
/// failed comes from the app's own check of the server, since the engine's texts are English and vary.
struct EngineOutput
{
    int uploaded = 0;
    int downloaded = 0;
    int updated = 0;
    int deletedRemotely = 0;
    /// Local files the run removed, per collection: the mass-deletion guard counts these.
    QHash<QString, int> deletedLocally;
    QStringList failedCollections;
    QStringList emptiedCollections;
    QStringList conflictCollections;
    /// An error that names no collection (the whole run failed).
    bool failedOverall = false;
    /// The engine wants discovery again (the config or the password changed).
    bool needsDiscovery = false;
    /// The password helper's exit status, when the engine reported one.
    int passwordHelperStatus = 0;

    int changes() const;
};

namespace EngineOutputParser {

/// Reads a whole log (stderr) of `pair`.
EngineOutput parse(const QByteArray& log, const QString& pair);
/// Adds one line to `output`.
void addLine(EngineOutput& output, const QString& line, const QString& pair);

} // namespace EngineOutputParser

} // namespace tolvik
