#include "sync/DavXml.h"

#include <QXmlStreamReader>

#include <algorithm>

namespace tolvik {

namespace {

const QString davNS = QStringLiteral("DAV:");
const QString caldavNS = QStringLiteral("urn:ietf:params:xml:ns:caldav");
const QString appleNS = QStringLiteral("http://apple.com/ns/ical/");
const QString nextcloudNS = QStringLiteral("http://nextcloud.com/ns");

bool is(const QXmlStreamReader& xml, const QString& ns, QLatin1String name)
{
    return xml.namespaceUri() == ns && xml.name() == name;
}

/// The props of one propstat, read until its end; applied to `resource` only when the status is 2xx.
struct PropValues
{
    DavResource values;
    bool sawCalendarType = false;
    bool sawCollectionType = false;
    bool sawDeleted = false;
    bool sawComponentSet = false;
    bool sawPrivileges = false;
};

void readHrefs(QXmlStreamReader& xml, QStringList& into)
{
    while (xml.readNextStartElement()) {
        if (is(xml, davNS, QLatin1String("href"))) {
            into.append(xml.readElementText().trimmed());
        } else {
            xml.skipCurrentElement();
        }
    }
}

void readProp(QXmlStreamReader& xml, PropValues& values)
{
    while (xml.readNextStartElement()) {
        if (is(xml, davNS, QLatin1String("resourcetype"))) {
            while (xml.readNextStartElement()) {
                if (is(xml, caldavNS, QLatin1String("calendar"))) {
                    values.sawCalendarType = true;
                } else if (is(xml, davNS, QLatin1String("collection"))) {
                    values.sawCollectionType = true;
                }
                xml.skipCurrentElement();
            }
        } else if (is(xml, davNS, QLatin1String("getetag"))) {
            values.values.etag = xml.readElementText().trimmed();
        } else if (is(xml, davNS, QLatin1String("displayname"))) {
            values.values.displayName = xml.readElementText().trimmed();
        } else if (is(xml, appleNS, QLatin1String("calendar-color"))) {
            values.values.color = xml.readElementText().trimmed();
        } else if (is(xml, caldavNS, QLatin1String("supported-calendar-component-set"))) {
            values.sawComponentSet = true;
            while (xml.readNextStartElement()) {
                if (is(xml, caldavNS, QLatin1String("comp"))) {
                    values.values.components.append(
                        xml.attributes().value(QStringLiteral("name")).toString().toUpper());
                }
                xml.skipCurrentElement();
            }
        } else if (is(xml, davNS, QLatin1String("current-user-privilege-set"))) {
            values.sawPrivileges = true;
            while (xml.readNextStartElement()) {
                if (is(xml, davNS, QLatin1String("privilege"))) {
                    while (xml.readNextStartElement()) {
                        if (xml.namespaceUri() == davNS &&
                            (xml.name() == QLatin1String("write") || xml.name() == QLatin1String("all") ||
                             xml.name() == QLatin1String("write-content"))) {
                            values.values.writable = true;
                        }
                        xml.skipCurrentElement();
                    }
                } else {
                    xml.skipCurrentElement();
                }
            }
        } else if (is(xml, nextcloudNS, QLatin1String("deleted-at"))) {
            values.sawDeleted = !xml.readElementText().trimmed().isEmpty();
        } else if (is(xml, davNS, QLatin1String("current-user-principal"))) {
            readHrefs(xml, values.values.principalHrefs);
        } else if (is(xml, caldavNS, QLatin1String("calendar-home-set"))) {
            readHrefs(xml, values.values.homeSetHrefs);
        } else {
            xml.skipCurrentElement();
        }
    }
}

bool isSuccess(const QString& statusLine)
{
    // "HTTP/1.1 200 OK": the code is the second word.
    const QString code = statusLine.simplified().section(QLatin1Char(' '), 1, 1);
    return code.startsWith(QLatin1Char('2'));
}

void apply(DavResource& resource, const PropValues& values)
{
    resource.isCalendar = resource.isCalendar || values.sawCalendarType;
    resource.isCollection = resource.isCollection || values.sawCollectionType || values.sawCalendarType;
    if (!values.values.etag.isEmpty()) {
        resource.etag = values.values.etag;
    }
    resource.deleted = resource.deleted || values.sawDeleted;
    if (!values.values.displayName.isEmpty()) {
        resource.displayName = values.values.displayName;
    }
    if (!values.values.color.isEmpty()) {
        resource.color = values.values.color;
    }
    if (values.sawComponentSet) {
        resource.hasComponentSet = true;
        resource.components += values.values.components;
    }
    if (values.sawPrivileges) {
        resource.privilegesKnown = true;
        resource.writable = values.values.writable;
    }
    resource.principalHrefs += values.values.principalHrefs;
    resource.homeSetHrefs += values.values.homeSetHrefs;
}

void readPropstat(QXmlStreamReader& xml, DavResource& resource)
{
    PropValues values;
    QString status;
    while (xml.readNextStartElement()) {
        if (is(xml, davNS, QLatin1String("prop"))) {
            readProp(xml, values);
        } else if (is(xml, davNS, QLatin1String("status"))) {
            status = xml.readElementText();
        } else {
            xml.skipCurrentElement();
        }
    }
    if (isSuccess(status)) {
        apply(resource, values);
    }
}

QString normalisedPath(const QUrl& url)
{
    QString path = url.path(QUrl::FullyDecoded);
    if (!path.endsWith(QLatin1Char('/'))) {
        path += QLatin1Char('/');
    }
    return path;
}

QString escaped(const QString& text)
{
    return text.toHtmlEscaped();
}

} // namespace

namespace DavXml {

QList<DavResource> parseMultistatus(const QByteArray& body)
{
    QList<DavResource> resources;
    QXmlStreamReader xml(body);
    if (!xml.readNextStartElement() || !is(xml, davNS, QLatin1String("multistatus"))) {
        return {};
    }
    while (xml.readNextStartElement()) {
        if (!is(xml, davNS, QLatin1String("response"))) {
            xml.skipCurrentElement();
            continue;
        }
        DavResource resource;
        while (xml.readNextStartElement()) {
            if (is(xml, davNS, QLatin1String("href"))) {
                resource.href = xml.readElementText().trimmed();
            } else if (is(xml, davNS, QLatin1String("propstat"))) {
                readPropstat(xml, resource);
            } else {
                xml.skipCurrentElement();
            }
        }
        if (!resource.href.isEmpty()) {
            resources.append(resource);
        }
    }
    if (xml.hasError()) {
        return {};
    }
    return resources;
}

QList<DiscoveredCollection> taskCollections(const QList<DavResource>& resources, const QUrl& home)
{
    QList<DiscoveredCollection> collections;
    const QString homePath = normalisedPath(home);
    for (const DavResource& resource : resources) {
        if (!resource.isCalendar || resource.deleted ||
            (resource.hasComponentSet && !resource.components.contains(QLatin1String("VTODO")))) {
            continue;
        }
        QUrl url = home.resolved(QUrl(resource.href));
        const QString path = normalisedPath(url);
        if (path == homePath || url.host() != home.host()) {
            continue;
        }
        if (!url.path().endsWith(QLatin1Char('/'))) {
            url.setPath(url.path() + QLatin1Char('/'));
        }
        DiscoveredCollection collection;
        collection.url = url;
        collection.name = path.chopped(1).section(QLatin1Char('/'), -1);
        if (collection.name.isEmpty() || collection.name == QLatin1String("..") ||
            collection.name == QLatin1String(".")) {
            continue;
        }
        collection.displayName = resource.displayName.isEmpty() ? collection.name : resource.displayName;
        collection.color = resource.color;
        collection.readOnly = resource.privilegesKnown && !resource.writable;
        collections.append(collection);
    }
    std::sort(collections.begin(), collections.end(),
              [](const auto& a, const auto& b) { return a.displayName.localeAwareCompare(b.displayName) < 0; });
    return collections;
}

QByteArray principalRequest()
{
    return QByteArrayLiteral(R"(<?xml version="1.0" encoding="utf-8"?>
<d:propfind xmlns:d="DAV:"><d:prop><d:current-user-principal/><d:resourcetype/></d:prop></d:propfind>)");
}

QByteArray homeSetRequest()
{
    return QByteArrayLiteral(R"(<?xml version="1.0" encoding="utf-8"?>
<d:propfind xmlns:d="DAV:" xmlns:c="urn:ietf:params:xml:ns:caldav"><d:prop><c:calendar-home-set/></d:prop></d:propfind>)");
}

QByteArray listingRequest()
{
    return QByteArrayLiteral(R"(<?xml version="1.0" encoding="utf-8"?>
<d:propfind xmlns:d="DAV:" xmlns:c="urn:ietf:params:xml:ns:caldav" xmlns:a="http://apple.com/ns/ical/" xmlns:nc="http://nextcloud.com/ns">
<d:prop><d:resourcetype/><d:displayname/><a:calendar-color/><c:supported-calendar-component-set/><d:current-user-privilege-set/><nc:deleted-at/></d:prop></d:propfind>)");
}

QByteArray itemsRequest()
{
    return QByteArrayLiteral(R"(<?xml version="1.0" encoding="utf-8"?>
<d:propfind xmlns:d="DAV:"><d:prop><d:resourcetype/><d:getcontenttype/><d:getetag/></d:prop></d:propfind>)");
}

QByteArray makeCalendarRequest(const QString& displayName, const QString& color)
{
    QString body = QStringLiteral(R"(<?xml version="1.0" encoding="utf-8"?>
<c:mkcalendar xmlns:d="DAV:" xmlns:c="urn:ietf:params:xml:ns:caldav" xmlns:a="http://apple.com/ns/ical/"><d:set><d:prop>)"
                                  "<d:displayname>%1</d:displayname>")
                       .arg(escaped(displayName));
    if (!color.isEmpty()) {
        body += QStringLiteral("<a:calendar-color>%1</a:calendar-color>").arg(escaped(color));
    }
    body += QStringLiteral(
        "<c:supported-calendar-component-set><c:comp name=\"VTODO\"/></c:supported-calendar-component-set>"
        "</d:prop></d:set></c:mkcalendar>");
    return body.toUtf8();
}

} // namespace DavXml

} // namespace tolvik
