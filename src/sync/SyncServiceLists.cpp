#include "sync/DavXml.h"
#include "sync/DeletionGuard.h"
#include "sync/SyncService.h"

#include <QDir>
#include <QFile>
#include <QPointer>

#include <algorithm>

// Lists made on this computer inside a synced account reach the server without a step of the user's.

namespace tolvik {

QStringList SyncService::newListFolders(const SyncAccount& account) const
{
    QStringList paired;
    for (const SyncedCollection& collection : account.collections) {
        paired.append(collection.name);
    }
    QStringList found;
    // Hidden folders are lists still being made (the store renames them into place when whole).
    const QDir folder(m_storeRoot + QLatin1Char('/') + account.id);
    for (const QString& name : folder.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
        if (!paired.contains(name)) {
            found.append(name);
        }
    }
    return found;
}

QCoro::Task<SyncAccount> SyncService::pairNewLists(SyncAccount account, QString password, QStringList* refused)
{
    struct NewList
    {
        QString name;
        QString displayName;
        QString color;
        QUrl url;
    };
    QList<NewList> lists;
    for (const QString& name : newListFolders(account)) {
        const QString folder = listFolder(account.id, name);
        QFile colorFile(folder + QStringLiteral("/color"));
        const QString color =
            colorFile.open(QIODevice::ReadOnly) ? QString::fromUtf8(colorFile.read(16)).trimmed() : QString();
        // The server's list has the folder's name as its last segment: that is how the engine pairs the two.
        QUrl url = account.homeUrl;
        QString path = url.path();
        if (!path.endsWith(QLatin1Char('/'))) {
            path += QLatin1Char('/');
        }
        url.setPath(path + name + QLatin1Char('/'));
        lists.append({name, DeletionGuard::displayName(folder, name), color, url});
    }
    QPointer<SyncService> self(this);
    DavClient client;
    client.setCredentials(account.userName, password);
    client.setPinnedFingerprint(account.pinnedFingerprint);
    client.setTimeout(30000);
    // The server's lists first: a list of the same name may be there already, made on another device or picked
    // out in the dialog's day. Without this look nothing is made, so that no list ends up twice.
    const DavReply listing = co_await client.send("PROPFIND", account.homeUrl, DavXml::listingRequest(), 1);
    if (listing.status != 207) {
        co_return account;
    }
    QList<DiscoveredCollection> unpaired;
    for (const DiscoveredCollection& found :
         DavXml::taskCollections(DavXml::parseMultistatus(listing.body), account.homeUrl)) {
        const bool taken = std::any_of(account.collections.begin(), account.collections.end(),
                                       [&](const SyncedCollection& c) { return c.url == found.url; });
        if (!taken) {
            unpaired.append(found);
        }
    }
    const auto sameName = [](const QString& a, const QString& b) {
        return a.simplified().compare(b.simplified(), Qt::CaseInsensitive) == 0;
    };
    bool added = false;
    for (const NewList& list : std::as_const(lists)) {
        // The server's list at the folder's own name, else a writable one of the same display name.
        auto match = std::find_if(unpaired.begin(), unpaired.end(),
                                  [&](const DiscoveredCollection& found) { return found.name == list.name; });
        if (match == unpaired.end()) {
            match = std::find_if(unpaired.begin(), unpaired.end(), [&](const DiscoveredCollection& found) {
                return !found.readOnly && sameName(found.displayName, list.displayName);
            });
        }
        if (match != unpaired.end()) {
            account.collections.append({list.name, match->url});
            unpaired.erase(match);
            added = true;
            continue;
        }
        const DavReply reply =
            co_await client.send("MKCALENDAR", list.url, DavXml::makeCalendarRequest(list.displayName, list.color));
        if (reply.status == 201) {
            account.collections.append({list.name, list.url});
            added = true;
        } else if (reply.status >= 400 && reply.status < 500 && reply.status != 401) {
            // Offline, a wrong password or a server in trouble: the sync after this says so. A refusal of this
            // one list is worth a word of its own.
            refused->append(list.displayName);
        }
    }
    if (added && self) {
        writeAccount(account);
    }
    co_return account;
}

} // namespace tolvik
