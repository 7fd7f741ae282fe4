#pragma once

#include <QObject>
#include <QString>

#include <optional>

namespace tolvik {

/// Starts the app at login through an XDG autostart entry. `isEnabled` is read once at creation and afterwards
/// reflects what was last asked for successfully; a failed change shows only in `lastErrorDescription`.
class LaunchAtLoginManager : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool isEnabled READ isEnabled NOTIFY isEnabledChanged)
    Q_PROPERTY(QString lastErrorDescription READ lastErrorText NOTIFY lastErrorDescriptionChanged)

public:
    /// The entry lives at `$XDG_CONFIG_HOME/autostart/<appId>.desktop` and starts `executable`.
    explicit LaunchAtLoginManager(QObject* parent = nullptr);
    LaunchAtLoginManager(QString entryPath, QString executable, QObject* parent = nullptr);

    bool isEnabled() const { return m_isEnabled; }
    std::optional<QString> lastErrorDescription() const { return m_lastErrorDescription; }
    QString lastErrorText() const { return m_lastErrorDescription.value_or(QString()); }
    QString entryPath() const { return m_entryPath; }

    /// Writes or removes the autostart entry; a request for the state already held is still carried out.
    void setEnabled(bool enabled);

    /// What the entry starts for the binary at `runningBinary`: its bare name when the `searchPath` (PATH form)
    /// finds that same binary by name, which survives a package upgrade or a move; otherwise its absolute path.
    static QString autostartCommand(const QString& runningBinary, const QString& searchPath);

    /// The standard path of the autostart entry, read from the environment when called.
    static QString defaultEntryPath();
    /// Whether the entry at `path` makes the desktop start the app: it exists and is not hidden.
    static bool entryIsEnabled(const QString& path);

Q_SIGNALS:
    void isEnabledChanged(bool enabled);
    void lastErrorDescriptionChanged();

private:
    std::optional<QString> registerEntry();
    std::optional<QString> unregisterEntry();
    QByteArray entryContent() const;

    QString m_entryPath;
    QString m_executable;
    bool m_isEnabled = false;
    std::optional<QString> m_lastErrorDescription;
};

} // namespace tolvik
