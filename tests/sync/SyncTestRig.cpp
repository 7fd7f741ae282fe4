#include "SyncTestRig.h"

#include "sync/SyncService.h"

#include <QDir>
#include <QSignalSpy>
#include <QTest>

namespace tolvik::test {

SyncTestRig::SyncTestRig()
    : m_server(std::make_unique<interop::RadicaleServer>(m_home.path() + QStringLiteral("/server")))
{
    qputenv("XDG_STATE_HOME", (m_home.path() + QStringLiteral("/state")).toUtf8());
}

SyncTestRig::~SyncTestRig()
{
    m_service.reset();
    m_server->stop();
}

QString SyncTestRig::storeRoot() const
{
    return m_home.dataHome() + QStringLiteral("/calendars");
}

bool SyncTestRig::start(QString* error)
{
    QDir().mkpath(storeRoot());
    QDir().mkpath(m_home.path() + QStringLiteral("/server"));
    if (!m_server->start(error)) {
        return false;
    }
    m_dav = std::make_unique<interop::CalDavClient>(m_server->user(), m_server->password());
    if (m_dav->makeCalendar(m_server->collectionUrl(QStringLiteral("work")), QStringLiteral("Work"),
                            QStringLiteral("#FF8800"))
                .status != 201 ||
        m_dav->makeCalendar(m_server->collectionUrl(QStringLiteral("home")), QStringLiteral("Home"), QString())
                .status != 201) {
        *error = QStringLiteral("cannot make the server's lists");
        return false;
    }
    m_service = std::make_unique<SyncService>(storeRoot(), QStringLiteral(TOLVIK_APP_BINARY));
    return true;
}

bool SyncTestRig::waitForSync(const QString& accountID, int timeoutMs)
{
    // A run may already be under way; wait for one that finishes after this call.
    QSignalSpy changed(m_service.get(), &SyncService::stateChanged);
    QDeadlineTimer deadline(timeoutMs);
    while (!deadline.hasExpired()) {
        if (!m_service->state(accountID).running && !changed.isEmpty()) {
            return true;
        }
        changed.wait(200);
    }
    return false;
}

} // namespace tolvik::test
