#pragma once

#include "CalDavClient.h"
#include "PeerPrograms.h"

#include <QString>

#include <memory>

namespace tolvik::interop {

/// A CalDAV server with two VTODO collections, "work" ("Work", orange) and "home" ("Home", no colour),
/// paired through vdirsyncer with `<storeRoot>/radicale/`, so that `radicale` becomes an account of the store.
class SyncRig
{
public:
    /// `workFolder` holds the server's and vdirsyncer's files; it must not lie under `storeRoot`.
    SyncRig(QString storeRoot, QString workFolder);

    /// Starts the server, creates the collections, then discovers, syncs and syncs metadata once.
    bool setUp(QString* error);

    RadicaleServer& server() { return *m_server; }
    CalDavClient& dav() { return *m_dav; }
    const Vdirsyncer& vdirsyncer() const { return *m_vdirsyncer; }
    QUrl collectionUrl(const QString& collection) const { return m_server->collectionUrl(collection); }
    /// The store's folder of a synced collection.
    QString localFolder(const QString& collection) const;
    /// The store's list id of a synced collection.
    static QString listID(const QString& collection);

    /// `sync`; on failure `error` holds vdirsyncer's output.
    bool sync(QString* error, int timeoutMs = 120000) const;

private:
    QString m_storeRoot;
    QString m_workFolder;
    std::unique_ptr<RadicaleServer> m_server;
    std::unique_ptr<CalDavClient> m_dav;
    std::unique_ptr<Vdirsyncer> m_vdirsyncer;
};

} // namespace tolvik::interop
