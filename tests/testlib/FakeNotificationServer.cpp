#include "FakeNotificationServer.h"

namespace tolvik::test {

namespace {
const QString serviceName = QStringLiteral("org.freedesktop.Notifications");
const QString objectPath = QStringLiteral("/org/freedesktop/Notifications");
} // namespace

FakeNotificationServer::FakeNotificationServer(QDBusConnection bus, QStringList capabilities)
    : m_bus(std::move(bus))
    , m_capabilities(std::move(capabilities))
{
    m_registered =
        m_bus.registerObject(objectPath, this, QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllSignals) &&
        m_bus.registerService(serviceName);
}

FakeNotificationServer::~FakeNotificationServer()
{
    m_bus.unregisterService(serviceName);
    m_bus.unregisterObject(objectPath);
}

QStringList FakeNotificationServer::lastActionKeys() const
{
    QStringList keys;
    if (!m_notified.isEmpty()) {
        const QStringList& actions = m_notified.last().actions;
        for (qsizetype i = 0; i + 1 < actions.size(); i += 2) {
            keys.append(actions[i]);
        }
    }
    return keys;
}

void FakeNotificationServer::invokeAction(uint id, const QString& key)
{
    Q_EMIT ActionInvoked(id, key);
    Q_EMIT NotificationClosed(id, 2);
}

void FakeNotificationServer::dismiss(uint id)
{
    Q_EMIT NotificationClosed(id, 2);
}

QStringList FakeNotificationServer::GetCapabilities()
{
    return m_capabilities;
}

uint FakeNotificationServer::Notify(const QString& appName, uint, const QString& appIcon, const QString& summary,
                                    const QString& body, const QStringList& actions, const QVariantMap& hints, int)
{
    m_notified.append(Notification{m_nextID, appName, appIcon, summary, body, actions, hints});
    return m_nextID++;
}

void FakeNotificationServer::CloseNotification(uint id)
{
    m_closedByClient.append(id);
    Q_EMIT NotificationClosed(id, 3);
}

QString FakeNotificationServer::GetServerInformation(QString& vendor, QString& version, QString& specVersion)
{
    vendor = QStringLiteral("tests");
    version = QStringLiteral("1");
    specVersion = QStringLiteral("1.2");
    return QStringLiteral("test-notifications");
}

} // namespace tolvik::test
