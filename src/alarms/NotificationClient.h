#pragma once

#include <QDBusConnection>
#include <QList>
#include <QObject>
#include <QPair>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace tolvik {

/// One desktop notification to send.
struct NotificationRequest
{
    QString summary;
    QString body;
    bool critical = false;
    /// Action keys and their labels, in the order the server should offer them; "default" is the click.
    QList<QPair<QString, QString>> actions;
};

/// A client of the desktop's notification server (org.freedesktop.Notifications) on one bus. Learns the
/// server's capabilities before the first notification, so that a server without actions gets plain ones.
/// Every call is asynchronous: a missing or hung server never blocks the app.
class NotificationClient : public QObject
{
    Q_OBJECT

public:
    static inline const QString service = QStringLiteral("org.freedesktop.Notifications");
    static inline const QString path = QStringLiteral("/org/freedesktop/Notifications");

    explicit NotificationClient(const QDBusConnection& bus, QObject* parent = nullptr);

    /// Whether the server offers actions; nothing until its capabilities arrived.
    std::optional<bool> supportsActions() const { return m_actions; }

    /// Sends a notification; `sent` gets the server's id, or nothing when the server could not be reached.
    /// Actions are left out when the server has none.
    void notify(const NotificationRequest& request, std::function<void(std::optional<uint>)> sent);
    /// Withdraws a notification the server still shows.
    void close(uint id);

Q_SIGNALS:
    void actionInvoked(uint id, const QString& actionKey);
    /// The server closed the notification; reason 2 means the user dismissed it.
    void closed(uint id, uint reason);

private Q_SLOTS:
    void onActionInvoked(uint id, const QString& actionKey);
    void onClosed(uint id, uint reason);

private:
    void withCapabilities(std::function<void()> next);
    void send(const NotificationRequest& request, const std::function<void(std::optional<uint>)>& sent);

    QDBusConnection m_bus;
    std::optional<bool> m_actions;
    bool m_asking = false;
    QList<std::function<void()>> m_waiting;
};

} // namespace tolvik
