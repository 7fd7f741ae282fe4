#include "DBusTestBus.h"

namespace tolvik::test {

namespace {
const QString mainName = QStringLiteral("tolvik-test-main");
}

DBusTestBus::DBusTestBus()
    : m_connection(QStringLiteral("unconnected"))
{
    m_daemon.start(QStringLiteral("dbus-daemon"),
                   {QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--print-address=1")});
    if (!m_daemon.waitForStarted(10000)) {
        return;
    }
    while (!m_daemon.canReadLine() && m_daemon.waitForReadyRead(10000)) {
    }
    m_address = QString::fromUtf8(m_daemon.readLine()).trimmed();
    m_connection = connect(mainName);
}

DBusTestBus::~DBusTestBus()
{
    for (const QString& name : std::as_const(m_names)) {
        QDBusConnection::disconnectFromBus(name);
    }
    m_daemon.terminate();
    if (!m_daemon.waitForFinished(5000)) {
        m_daemon.kill();
        m_daemon.waitForFinished(5000);
    }
}

QDBusConnection DBusTestBus::connect(const QString& name) const
{
    const QString unique = name + QLatin1Char('@') + m_address;
    if (!m_names.contains(unique)) {
        m_names.append(unique);
    }
    return QDBusConnection::connectToBus(m_address, unique);
}

} // namespace tolvik::test
