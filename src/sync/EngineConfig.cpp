#include "sync/EngineConfig.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSaveFile>
#include <QUrl>

namespace tolvik {

namespace EngineConfig {

namespace {

QString list(const QStringList& values)
{
    QStringList parts;
    for (const QString& value : values) {
        parts.append(quoted(value));
    }
    return QLatin1Char('[') + parts.join(QStringLiteral(", ")) + QLatin1Char(']');
}

QString configText(const SyncAccount& account, const QString& storeRoot, const QString& program,
                   const QString& conflictResolution)
{
    const QString id = account.id;
    QStringList entries;
    for (const SyncedCollection& collection : account.collections) {
        // A folder paired with a server list of another name (one of the same display name made elsewhere)
        // names both sides; the engine keeps its status under the first.
        const QString remote = collection.url.path().section(QLatin1Char('/'), -1, -1, QString::SectionSkipEmpty);
        entries.append(remote.isEmpty() || remote == collection.name
                           ? quoted(collection.name)
                           : list({collection.name, collection.name, remote}));
    }
    QString text;
    text +=
        QStringLiteral("# Written by TolvikReminder for the account \"%1\"; changes here are overwritten.\n").arg(id);
    text += QStringLiteral("[general]\nstatus_path = %1\n\n")
                .arg(quoted(SyncPaths::stateFolder(id) + QStringLiteral("/status/")));
    text += QStringLiteral("[pair %1]\na = %2\nb = %3\ncollections = %4\nmetadata = [\"displayname\", \"color\"]\n")
                .arg(id, quoted(id + QStringLiteral("_local")), quoted(id + QStringLiteral("_remote")),
                     QLatin1Char('[') + entries.join(QStringLiteral(", ")) + QLatin1Char(']'));
    if (!conflictResolution.isEmpty()) {
        text += QStringLiteral("conflict_resolution = %1\n").arg(conflictResolution);
    }
    text += QStringLiteral("\n[storage %1_local]\ntype = \"filesystem\"\npath = %2\nfileext = \".ics\"\n\n")
                .arg(id, quoted(QDir::cleanPath(storeRoot + QLatin1Char('/') + id) + QLatin1Char('/')));
    text += QStringLiteral("[storage %1_remote]\ntype = \"caldav\"\nurl = %2\nusername = %3\npassword.fetch = %4\n")
                .arg(id, quoted(QString::fromUtf8(account.homeUrl.toEncoded())), quoted(account.userName),
                     list({QStringLiteral("command"), program, QStringLiteral("--sync-password"), id}));
    if (!account.pinnedFingerprint.isEmpty()) {
        text += QStringLiteral("verify_fingerprint = %1\n").arg(quoted(account.pinnedFingerprint));
    }
    return text;
}

bool writeFile(const QString& path, const QString& text)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    // The temp file gets the final mode before a byte is in it, so the config is never readable by others.
    file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    file.write(text.toUtf8());
    return file.commit();
}

} // namespace

QString quoted(const QString& value)
{
    const QByteArray json = QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact);
    // "[...]" around the one string.
    return QString::fromUtf8(json.mid(1, json.size() - 2));
}

QString itemsText(const SyncAccount& account, const QString& storeRoot, const QString& program)
{
    return configText(
        account, storeRoot, program,
        list({QStringLiteral("command"), program, QStringLiteral("--resolve-sync-conflict"), account.id}));
}

QString metadataText(const SyncAccount& account, const QString& storeRoot, const QString& program)
{
    return configText(account, storeRoot, program, quoted(QStringLiteral("b wins")));
}

bool write(const SyncAccount& account, const QString& storeRoot, const QString& program)
{
    const QString folder = SyncPaths::configFolder();
    if (!QDir().mkpath(folder)) {
        return false;
    }
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    return writeFile(SyncPaths::itemsConfig(account.id), itemsText(account, storeRoot, program)) &&
           writeFile(SyncPaths::metadataConfig(account.id), metadataText(account, storeRoot, program));
}

} // namespace EngineConfig

} // namespace tolvik
