#pragma once

#include <QDBusConnection>
#include <QProcess>
#include <QString>
#include <QStringList>

namespace tolvik::test {

/// A private D-Bus session bus for one test: a dbus-daemon of its own, ended with the object.
class DBusTestBus
{
public:
    DBusTestBus();
    ~DBusTestBus();
    DBusTestBus(const DBusTestBus&) = delete;
    DBusTestBus& operator=(const DBusTestBus&) = delete;

    bool isConnected() const { return m_connection.isConnected(); }
    QString address() const { return m_address; }
    /// A fresh connection to the bus under `name`; each name is its own client with its own unique name.
    QDBusConnection connect(const QString& name) const;
    /// The first connection, made by the constructor.
    QDBusConnection connection() const { return m_connection; }

private:
    QProcess m_daemon;
    QString m_address;
    QDBusConnection m_connection;
    /// Connection names are process-wide; each bus gets names of its own, dropped with it.
    mutable QStringList m_names;
};

} // namespace tolvik::test
