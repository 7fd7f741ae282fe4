#include "sync/SyncAccount.h"

#include "sync/UserEngineSetup.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStandardPaths>

namespace tolvik {

namespace {

QString xdgFolder(const char* variable, const QString& fallback)
{
    const QString value = qEnvironmentVariable(variable);
    // The XDG rules ignore a relative value.
    return !value.isEmpty() && QDir::isAbsolutePath(value) ? value : QDir::homePath() + fallback;
}

QJsonObject toJson(const SyncAccount& account)
{
    QJsonArray collections;
    for (const SyncedCollection& collection : account.collections) {
        collections.append(QJsonObject{{QStringLiteral("name"), collection.name},
                                       {QStringLiteral("url"), QString::fromUtf8(collection.url.toEncoded())}});
    }
    return QJsonObject{{QStringLiteral("id"), account.id},
                       {QStringLiteral("home"), QString::fromUtf8(account.homeUrl.toEncoded())},
                       {QStringLiteral("user"), account.userName},
                       {QStringLiteral("collections"), collections},
                       {QStringLiteral("fingerprint"), account.pinnedFingerprint},
                       {QStringLiteral("secretInFile"), account.secretInFile}};
}

std::optional<SyncAccount> fromJson(const QJsonObject& object)
{
    static const QRegularExpression validID(QStringLiteral("^[A-Za-z0-9_]+$"));
    SyncAccount account;
    account.id = object.value(QStringLiteral("id")).toString();
    account.homeUrl = QUrl(object.value(QStringLiteral("home")).toString());
    if (!validID.match(account.id).hasMatch() || !account.homeUrl.isValid()) {
        return std::nullopt;
    }
    account.userName = object.value(QStringLiteral("user")).toString();
    account.pinnedFingerprint = object.value(QStringLiteral("fingerprint")).toString();
    account.secretInFile = object.value(QStringLiteral("secretInFile")).toBool();
    for (const QJsonValue& value : object.value(QStringLiteral("collections")).toArray()) {
        const QJsonObject collection = value.toObject();
        const QString name = collection.value(QStringLiteral("name")).toString();
        // A name that would leave the account's folder is never used as a path.
        if (name.isEmpty() || name.contains(QLatin1Char('/')) || name == QLatin1String(".") ||
            name == QLatin1String("..")) {
            continue;
        }
        account.collections.append({name, QUrl(collection.value(QStringLiteral("url")).toString())});
    }
    return account;
}

QString accountsFile()
{
    return SyncPaths::configFolder() + QStringLiteral("/accounts.json");
}

} // namespace

QString SyncPaths::configFolder()
{
    return xdgFolder("XDG_CONFIG_HOME", QStringLiteral("/.config")) + QStringLiteral("/tolvik-reminder/sync");
}

QString SyncPaths::stateFolder(const QString& accountID)
{
    return xdgFolder("XDG_STATE_HOME", QStringLiteral("/.local/state")) + QStringLiteral("/tolvik-reminder/sync/") +
           accountID;
}

QString SyncPaths::secretFile(const QString& accountID)
{
    return xdgFolder("XDG_DATA_HOME", QStringLiteral("/.local/share")) + QStringLiteral("/tolvik-reminder/secrets/") +
           accountID;
}

QString SyncPaths::itemsConfig(const QString& accountID)
{
    return configFolder() + QLatin1Char('/') + accountID + QStringLiteral(".conf");
}

QString SyncPaths::metadataConfig(const QString& accountID)
{
    return configFolder() + QLatin1Char('/') + accountID + QStringLiteral(".meta.conf");
}

QList<SyncAccount> SyncAccountRegistry::load()
{
    QFile file(accountsFile());
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    QList<SyncAccount> accounts;
    for (const QJsonValue& value : QJsonDocument::fromJson(file.readAll()).array()) {
        if (const auto account = fromJson(value.toObject())) {
            accounts.append(*account);
        }
    }
    return accounts;
}

bool SyncAccountRegistry::save(const QList<SyncAccount>& accounts)
{
    QJsonArray array;
    for (const SyncAccount& account : accounts) {
        array.append(toJson(account));
    }
    if (!QDir().mkpath(SyncPaths::configFolder())) {
        return false;
    }
    QSaveFile file(accountsFile());
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    file.write(QJsonDocument(array).toJson());
    return file.commit();
}

std::optional<SyncAccount> SyncAccountRegistry::find(const QString& accountID)
{
    for (const SyncAccount& account : load()) {
        if (account.id == accountID) {
            return account;
        }
    }
    return std::nullopt;
}

QString SyncAccountRegistry::makeID(const QUrl& server, const QString& userName, const QStringList& takenIDs,
                                    const QString& storeRoot)
{
    static const QRegularExpression notAllowed(QStringLiteral("[^A-Za-z0-9_]+"));
    const auto clean = [](QString text) {
        text = text.replace(notAllowed, QStringLiteral("_"));
        while (text.startsWith(QLatin1Char('_'))) {
            text.remove(0, 1);
        }
        while (text.endsWith(QLatin1Char('_'))) {
            text.chop(1);
        }
        return text.left(40);
    };
    QString host = server.host();
    if (host.startsWith(QLatin1String("www."))) {
        host.remove(0, 4);
    }
    QString base = clean(host);
    if (base.isEmpty()) {
        base = QStringLiteral("caldav");
    }
    // A folder the user's own engine config pairs is taken even before that engine made it.
    const QStringList pairedByUser = UserEngineSetup::pairedFolders(UserEngineSetup::configPath());
    const auto taken = [&](const QString& id) {
        const QString folder = storeRoot + QLatin1Char('/') + id;
        return takenIDs.contains(id, Qt::CaseInsensitive) || QFileInfo::exists(folder) ||
               UserEngineSetup::isPaired(pairedByUser, folder);
    };
    if (!taken(base)) {
        return base;
    }
    const QString withUser = clean(userName.section(QLatin1Char('@'), 0, 0) + QLatin1Char('_') + base);
    if (!withUser.isEmpty() && !taken(withUser)) {
        return withUser;
    }
    for (int n = 2;; ++n) {
        const QString numbered = base + QLatin1Char('_') + QString::number(n);
        if (!taken(numbered)) {
            return numbered;
        }
    }
}

} // namespace tolvik
