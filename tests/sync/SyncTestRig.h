#pragma once

#include "CalDavClient.h"
#include "PeerPrograms.h"
#include "TestSupport.h"

#include <QString>

#include <memory>

namespace tolvik {
class SyncService;
}

namespace tolvik::test {

/// A Radicale server with the VTODO lists "work" ("Work", orange) and "home" ("Home"), an isolated home whose
/// store root is `storeRoot()`, and the app's sync service over them, which asks the built app binary for the
/// password as the installed app would.
class SyncTestRig
{
public:
    SyncTestRig();
    ~SyncTestRig();

    bool start(QString* error);
    interop::RadicaleServer& server() { return *m_server; }
    interop::CalDavClient& dav() { return *m_dav; }
    SyncService& service() { return *m_service; }
    QString storeRoot() const;
    QString home() const { return m_home.path(); }
    /// Waits until the account's sync ran and finished; false on timeout.
    bool waitForSync(const QString& accountID, int timeoutMs = 120000);

private:
    IsolatedHome m_home;
    std::unique_ptr<interop::RadicaleServer> m_server;
    std::unique_ptr<interop::CalDavClient> m_dav;
    std::unique_ptr<SyncService> m_service;
};

} // namespace tolvik::test
