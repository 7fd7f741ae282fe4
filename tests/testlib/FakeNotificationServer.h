#pragma once

#include <QDBusConnection>
#include <QList>
#include <QObject>
#include <QStringList>
#include <QVariantMap>

namespace tolvik::test {

/// A notification server of the tests' own on a test bus: records what clients send, and emits the signals a
/// real server emits when the user clicks or dismisses.
class FakeNotificationServer : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

public:
    struct Notification
    {
        uint id = 0;
        QString appName;
        QString appIcon;
        QString summary;
        QString body;
        QStringList actions;
        QVariantMap hints;
    };

    /// Registers as org.freedesktop.Notifications on `bus`; `capabilities` is what GetCapabilities answers.
    FakeNotificationServer(QDBusConnection bus, QStringList capabilities);
    ~FakeNotificationServer() override;

    bool isRegistered() const { return m_registered; }
    const QList<Notification>& notified() const { return m_notified; }
    const QList<uint>& closedByClient() const { return m_closedByClient; }
    /// The action keys of the last notification (every other entry of its actions).
    QStringList lastActionKeys() const;

    /// What the server emits when the user clicks an action, then the closing that follows it.
    void invokeAction(uint id, const QString& key);
    /// What the server emits when the user dismisses a notification (reason 2).
    void dismiss(uint id);

public Q_SLOTS:
    QStringList GetCapabilities();
    uint Notify(const QString& appName, uint replacesID, const QString& appIcon, const QString& summary,
                const QString& body, const QStringList& actions, const QVariantMap& hints, int timeout);
    void CloseNotification(uint id);
    QString GetServerInformation(QString& vendor, QString& version, QString& specVersion);

Q_SIGNALS:
    void NotificationClosed(uint id, uint reason);
    void ActionInvoked(uint id, const QString& actionKey);

private:
    QDBusConnection m_bus;
    QStringList m_capabilities;
    bool m_registered = false;
    QList<Notification> m_notified;
    QList<uint> m_closedByClient;
    uint m_nextID = 1;
};

} // namespace tolvik::test
