#include "alarms/SystemWake.h"

#include <QSocketNotifier>

#include <cerrno>
#include <cstdint>

#include <sys/timerfd.h>
#include <unistd.h>

namespace tolvik {

SystemWake::SystemWake(const QDBusConnection& bus, QObject* parent)
    : QObject(parent)
    , m_bus(bus)
{
    m_bus.connect(QStringLiteral("org.freedesktop.login1"), QStringLiteral("/org/freedesktop/login1"),
                  QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("PrepareForSleep"), this,
                  SLOT(onPrepareForSleep(bool)));

    // A wall-clock timer set far in the future that the kernel cancels whenever the clock is set: the one way to
    // hear of a clock change without waking up to look.
    m_clockFd = ::timerfd_create(CLOCK_REALTIME, TFD_NONBLOCK | TFD_CLOEXEC);
    if (m_clockFd >= 0) {
        m_clockNotifier = new QSocketNotifier(m_clockFd, QSocketNotifier::Read, this);
        connect(m_clockNotifier, &QSocketNotifier::activated, this, &SystemWake::onClockFd);
        armClockWatch();
    }
}

SystemWake::~SystemWake()
{
    if (m_clockFd >= 0) {
        delete m_clockNotifier;
        ::close(m_clockFd);
    }
}

void SystemWake::onPrepareForSleep(bool sleeping)
{
    if (!sleeping) {
        Q_EMIT woke();
    }
}

void SystemWake::armClockWatch()
{
    itimerspec farFuture{};
    // The year 2100: beyond any alarm, within what every kernel accepts.
    farFuture.it_value.tv_sec = 4102444800;
    ::timerfd_settime(m_clockFd, TFD_TIMER_ABSTIME | TFD_TIMER_CANCEL_ON_SET, &farFuture, nullptr);
}

void SystemWake::onClockFd()
{
    std::uint64_t expirations = 0;
    const ssize_t n = ::read(m_clockFd, &expirations, sizeof expirations);
    if (n < 0 && errno == ECANCELED) {
        armClockWatch();
        Q_EMIT woke();
    }
}

} // namespace tolvik
