#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>

namespace tolvik {

/// What one `response` of a WebDAV multistatus says about a resource; only properties the server answered with a
/// 2xx status count.
struct DavResource
{
    QString href;
    bool isCalendar = false;
    bool isCollection = false;
    /// The entity tag of an item, as the server quoted it; empty for a collection or when the server named none.
    QString etag;
    QString displayName;
    QString color;
    /// Whether the server named the component types; a calendar that names none holds every type.
    bool hasComponentSet = false;
    QStringList components;
    bool privilegesKnown = false;
    bool writable = false;
    /// A calendar in the server's trash bin (Nextcloud marks them so).
    bool deleted = false;
    QStringList principalHrefs;
    QStringList homeSetHrefs;
};

/// A server list that can hold reminders, as discovery offers it.
struct DiscoveredCollection
{
    QUrl url;
    /// The last segment of the URL, decoded: the folder name the engine gives the list.
    QString name;
    QString displayName;
    /// "#RRGGBB" or "#RRGGBBAA", as the server wrote it; empty when none.
    QString color;
    bool readOnly = false;

    friend bool operator==(const DiscoveredCollection&, const DiscoveredCollection&) = default;
};

namespace DavXml {

/// The resources of a multistatus body; an empty list for anything that is not one.
QList<DavResource> parseMultistatus(const QByteArray& body);

/// The calendars under `home` that can hold reminders (a component set with VTODO, or none given), not deleted,
/// sorted by display name. Hrefs resolve against `home`.
QList<DiscoveredCollection> taskCollections(const QList<DavResource>& resources, const QUrl& home);

/// The request bodies discovery sends.
QByteArray principalRequest();
QByteArray homeSetRequest();
QByteArray listingRequest();
/// A Depth-1 listing of a list's items with their entity tags, asked as the engine asks it.
QByteArray itemsRequest();
/// MKCALENDAR for a list of reminders with a name and, when given, a colour ("#RRGGBB").
QByteArray makeCalendarRequest(const QString& displayName, const QString& color);

} // namespace DavXml

} // namespace tolvik
