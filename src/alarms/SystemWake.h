#pragma once

#include <QDBusConnection>
#include <QObject>

class QSocketNotifier;

namespace tolvik {

/// Tells when the machine woke from sleep (logind's PrepareForSleep(false) on the given bus, the system bus in
/// the app) and when the wall clock was set, so that alarms missed meanwhile ring at once.
class SystemWake : public QObject
{
    Q_OBJECT

public:
    explicit SystemWake(const QDBusConnection& bus, QObject* parent = nullptr);
    ~SystemWake() override;

Q_SIGNALS:
    /// The machine resumed, or the wall clock jumped.
    void woke();

private Q_SLOTS:
    void onPrepareForSleep(bool sleeping);

private:
    void armClockWatch();
    void onClockFd();

    QDBusConnection m_bus;
    int m_clockFd = -1;
    QSocketNotifier* m_clockNotifier = nullptr;
};

} // namespace tolvik
