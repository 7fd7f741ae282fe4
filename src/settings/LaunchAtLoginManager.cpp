#include "settings/LaunchAtLoginManager.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTextStream>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace tolvik {

namespace {

const QString appId = QStringLiteral("org.tolvik.TolvikReminder");

QString configHome()
{
    const QString fromEnvironment = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (!fromEnvironment.isEmpty()) {
        return fromEnvironment;
    }
    return qEnvironmentVariable("HOME") + QStringLiteral("/.config");
}

// Exec values are parsed like a shell word list: quote the path and escape what stays special inside quotes.
QString quotedExec(const QString& path)
{
    QString escaped;
    for (const QChar c : path) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') || c == QLatin1Char('\\')) {
            escaped += QLatin1Char('\\');
        }
        escaped += c;
    }
    // The desktop-entry reader unescapes backslashes once before the Exec rules apply.
    escaped.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    return QLatin1Char('"') + escaped + QLatin1Char('"');
}

} // namespace

LaunchAtLoginManager::LaunchAtLoginManager(QObject* parent)
    : LaunchAtLoginManager(defaultEntryPath(),
                           autostartCommand(QCoreApplication::applicationFilePath(), qEnvironmentVariable("PATH")),
                           parent)
{}

LaunchAtLoginManager::LaunchAtLoginManager(QString entryPath, QString executable, QObject* parent)
    : QObject(parent)
    , m_entryPath(std::move(entryPath))
    , m_executable(std::move(executable))
    , m_isEnabled(entryIsEnabled(m_entryPath))
{}

QString LaunchAtLoginManager::autostartCommand(const QString& runningBinary, const QString& searchPath)
{
    // While a package upgrade has replaced the running binary, the kernel names it "<path> (deleted)".
    QString binary = runningBinary;
    const QLatin1String deleted(" (deleted)");
    if (binary.endsWith(deleted) && !QFileInfo::exists(binary)) {
        binary.chop(deleted.size());
    }
    binary = QFileInfo(binary).absoluteFilePath();
    const QString name = QFileInfo(binary).fileName();
    const QString found = QStandardPaths::findExecutable(name, searchPath.split(QLatin1Char(':'), Qt::SkipEmptyParts));
    if (found.isEmpty()) {
        return binary;
    }
    const QString foundCanonical = QFileInfo(found).canonicalFilePath();
    const QString binaryCanonical = QFileInfo(binary).canonicalFilePath();
    const bool same =
        binaryCanonical.isEmpty() ? QFileInfo(found).absoluteFilePath() == binary : foundCanonical == binaryCanonical;
    return same ? name : binary;
}

QString LaunchAtLoginManager::defaultEntryPath()
{
    return configHome() + QStringLiteral("/autostart/") + appId + QStringLiteral(".desktop");
}

bool LaunchAtLoginManager::entryIsEnabled(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        return false;
    }
    QTextStream in(&file);
    bool inMainGroup = false;
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        if (line.startsWith(QLatin1Char('['))) {
            inMainGroup = line == QLatin1String("[Desktop Entry]");
            continue;
        }
        if (!inMainGroup) {
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals > 0 && line.left(equals).trimmed() == QLatin1String("Hidden") &&
            line.mid(equals + 1).trimmed() == QLatin1String("true")) {
            return false;
        }
    }
    return true;
}

void LaunchAtLoginManager::setEnabled(bool enabled)
{
    const std::optional<QString> error = enabled ? registerEntry() : unregisterEntry();
    if (error) {
        m_lastErrorDescription = error;
        Q_EMIT lastErrorDescriptionChanged();
        return;
    }
    if (m_isEnabled != enabled) {
        m_isEnabled = enabled;
        Q_EMIT isEnabledChanged(enabled);
    }
    if (m_lastErrorDescription) {
        m_lastErrorDescription.reset();
        Q_EMIT lastErrorDescriptionChanged();
    }
}

std::optional<QString> LaunchAtLoginManager::registerEntry()
{
    const QString folder = QFileInfo(m_entryPath).absolutePath();
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::path(folder.toStdString()), ec);
    if (ec) {
        return QStringLiteral("%1: %2").arg(folder, QString::fromStdString(ec.message()));
    }
    QSaveFile file(m_entryPath);
    if (!file.open(QIODevice::WriteOnly)) {
        return QStringLiteral("%1: %2").arg(m_entryPath, file.errorString());
    }
    file.write(entryContent());
    if (!file.commit()) {
        return QStringLiteral("%1: %2").arg(m_entryPath, file.errorString());
    }
    return std::nullopt;
}

std::optional<QString> LaunchAtLoginManager::unregisterEntry()
{
    const QByteArray path = QFile::encodeName(m_entryPath);
    if (::remove(path.constData()) != 0 && errno != ENOENT) {
        return QStringLiteral("%1: %2").arg(m_entryPath, QString::fromLocal8Bit(std::strerror(errno)));
    }
    return std::nullopt;
}

QByteArray LaunchAtLoginManager::entryContent() const
{
    QString text;
    text += QStringLiteral("[Desktop Entry]\n");
    text += QStringLiteral("Type=Application\n");
    text += QStringLiteral("Name=TolvikReminder\n");
    text += QStringLiteral("Exec=%1\n").arg(quotedExec(m_executable));
    text += QStringLiteral("Icon=%1\n").arg(appId);
    text += QStringLiteral("Terminal=false\n");
    text += QStringLiteral("X-GNOME-Autostart-enabled=true\n");
    return text.toUtf8();
}

} // namespace tolvik
