#include "sync/UserEngineSetup.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>

namespace tolvik {

namespace UserEngineSetup {

namespace {

/// Every value of the config is JSON; a plain string is the common case.
QString jsonString(const QString& value)
{
    const QJsonArray array = QJsonDocument::fromJson("[" + value.toUtf8() + "]").array();
    return array.isEmpty() ? QString() : array.first().toString();
}

/// As the engine expands a path: a leading ~ is the home folder; then the path is normalised.
QString expanded(QString path)
{
    if (path == QLatin1String("~") || path.startsWith(QLatin1String("~/"))) {
        path = QDir::homePath() + path.mid(1);
    }
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

} // namespace

QString configPath()
{
    const QString fromEnvironment = qEnvironmentVariable("VDIRSYNCER_CONFIG");
    if (!fromEnvironment.isEmpty()) {
        return QFileInfo::exists(fromEnvironment) ? fromEnvironment : QString();
    }
    const QString legacy = QDir::homePath() + QStringLiteral("/.vdirsyncer/config");
    if (QFileInfo::exists(legacy)) {
        return legacy;
    }
    QString configHome = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (configHome.isEmpty()) {
        configHome = QDir::homePath() + QStringLiteral("/.config");
    }
    const QString xdg = configHome + QStringLiteral("/vdirsyncer/config");
    return QFileInfo::exists(xdg) ? xdg : QString();
}

QStringList pairedFolders(const QString& config)
{
    QFile file(config);
    if (config.isEmpty() || !file.open(QIODevice::ReadOnly)) {
        return {};
    }
    QHash<QString, QHash<QString, QString>> sections;
    QString section;
    for (const QByteArray& rawLine : file.readAll().split('\n')) {
        const QString line = QString::fromUtf8(rawLine).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')) || line.startsWith(QLatin1Char(';'))) {
            continue;
        }
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            section = line.mid(1, line.size() - 2).simplified();
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals > 0 && !section.isEmpty()) {
            sections[section].insert(line.left(equals).trimmed(), line.mid(equals + 1).trimmed());
        }
    }
    QStringList folders;
    for (auto it = sections.cbegin(); it != sections.cend(); ++it) {
        if (!it.key().startsWith(QLatin1String("pair "))) {
            continue;
        }
        for (const QString& side : {QStringLiteral("a"), QStringLiteral("b")}) {
            const QHash<QString, QString> storage =
                sections.value(QStringLiteral("storage ") + jsonString(it.value().value(side)));
            if (jsonString(storage.value(QStringLiteral("type"))) == QLatin1String("filesystem")) {
                const QString path = jsonString(storage.value(QStringLiteral("path")));
                if (!path.isEmpty() && !folders.contains(expanded(path))) {
                    folders.append(expanded(path));
                }
            }
        }
    }
    return folders;
}

bool isPaired(const QStringList& paired, const QString& folder)
{
    const QString clean = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    for (const QString& path : paired) {
        if (path == clean || clean.startsWith(path + QLatin1Char('/')) || path.startsWith(clean + QLatin1Char('/'))) {
            return true;
        }
    }
    return false;
}

QStringList pairedStoreFolders(const QString& storeRoot)
{
    const QStringList paired = pairedFolders(configPath());
    QStringList found;
    if (paired.isEmpty()) {
        return found;
    }
    const QDir root(storeRoot);
    for (const QString& name : root.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
        if (isPaired(paired, root.filePath(name))) {
            found.append(name);
        }
    }
    return found;
}

} // namespace UserEngineSetup

} // namespace tolvik
