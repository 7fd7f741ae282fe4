#include "SyncRig.h"

namespace tolvik::interop {

SyncRig::SyncRig(QString storeRoot, QString workFolder)
    : m_storeRoot(std::move(storeRoot))
    , m_workFolder(std::move(workFolder))
    , m_server(std::make_unique<RadicaleServer>(m_workFolder + QStringLiteral("/server")))
{}

bool SyncRig::setUp(QString* error)
{
    if (!m_server->start(error)) {
        return false;
    }
    m_dav = std::make_unique<CalDavClient>(m_server->user(), m_server->password());
    const struct
    {
        QString name;
        QString displayName;
        QString color;
    } collections[] = {
        {QStringLiteral("work"), QStringLiteral("Work"), QStringLiteral("#FF8800")},
        {QStringLiteral("home"), QStringLiteral("Home"), QString()},
    };
    for (const auto& collection : collections) {
        const DavResponse response =
            m_dav->makeCalendar(collectionUrl(collection.name), collection.displayName, collection.color);
        if (response.status != 201) {
            *error = QStringLiteral("MKCALENDAR %1: HTTP %2 %3")
                         .arg(collection.name)
                         .arg(response.status)
                         .arg(response.error);
            return false;
        }
    }

    m_vdirsyncer = std::make_unique<Vdirsyncer>(m_workFolder + QStringLiteral("/vdirsyncer"),
                                                m_storeRoot + QStringLiteral("/radicale"), m_server->baseUrl(),
                                                m_server->user(), m_server->password());
    // Each step needs the one before it: discover creates the local folders that sync fills.
    const auto step = [error](const char* name, const ProcessResult& result) {
        if (!result.ok()) {
            *error = QStringLiteral("vdirsyncer %1: %2").arg(QLatin1String(name), QString::fromUtf8(result.describe()));
        }
        return result.ok();
    };
    return step("discover", m_vdirsyncer->discover()) && step("sync", m_vdirsyncer->sync()) &&
           step("metasync", m_vdirsyncer->metasync());
}

QString SyncRig::localFolder(const QString& collection) const
{
    return m_storeRoot + QStringLiteral("/radicale/") + collection;
}

QString SyncRig::listID(const QString& collection)
{
    return QStringLiteral("radicale/") + collection;
}

bool SyncRig::sync(QString* error, int timeoutMs) const
{
    const ProcessResult result = m_vdirsyncer->sync(timeoutMs);
    if (!result.ok() && error) {
        *error = QString::fromUtf8(result.describe());
    }
    return result.ok();
}

} // namespace tolvik::interop
