#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QString>

namespace tolvik {

/// The global quick-add shortcut, held by the desktop: through the GlobalShortcuts portal where the desktop offers
/// it (the desktop picks the key, Meta+Shift+R suggested), else through KDE's shortcut service. Reports whether
/// either took it in GlobalShortcutStatus, so that the settings window can name the command to bind by hand.
class GlobalShortcut : public QObject
{
    Q_OBJECT

public:
    enum class Backend
    {
        none,
        portal,
        kglobalaccel,
    };

    explicit GlobalShortcut(QDBusConnection bus = QDBusConnection::sessionBus(), QObject* parent = nullptr);

    /// Asks the desktop for the shortcut; the answer arrives later as `backendChanged`.
    void start();
    Backend backend() const { return m_backend; }

    /// The id the shortcut has in both services, and the component KDE files it under.
    static QString shortcutID() { return QStringLiteral("quick-add"); }
    static QString kdeComponent() { return QStringLiteral("tolvik_reminder"); }

Q_SIGNALS:
    /// The user pressed the shortcut.
    void activated();
    /// The shortcut is held by `backend`, or by nobody.
    void backendChanged(tolvik::GlobalShortcut::Backend backend);

private:
    void startPortal();
    void bindPortalShortcut(const QString& sessionHandle);
    void startKGlobalAccel();
    void settle(Backend backend);
    /// Calls a portal method that answers through a Request object, and hands its results to `onResponse`.
    void callPortal(const QString& method, QList<QVariant> arguments, const QString& token,
                    std::function<void(uint, const QVariantMap&)> onResponse);

    QDBusConnection m_bus;
    Backend m_backend = Backend::none;
    QString m_sessionHandle;
    bool m_settled = false;
};

} // namespace tolvik
