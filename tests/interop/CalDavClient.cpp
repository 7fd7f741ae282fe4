#include "CalDavClient.h"

#include <QEventLoop>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QXmlStreamReader>

namespace tolvik::interop {

CalDavClient::CalDavClient(QString user, QString password)
    : m_authorization("Basic " + (user + QLatin1Char(':') + password).toUtf8().toBase64())
{}

DavResponse CalDavClient::makeCalendar(const QUrl& collection, const QString& displayName, const QString& color)
{
    QByteArray body = R"(<?xml version="1.0" encoding="utf-8"?>
<C:mkcalendar xmlns:D="DAV:" xmlns:C="urn:ietf:params:xml:ns:caldav" xmlns:I="http://apple.com/ns/ical/">
  <D:set><D:prop>
    <D:displayname>)" +
                      displayName.toHtmlEscaped().toUtf8() + R"(</D:displayname>
    <C:supported-calendar-component-set><C:comp name="VTODO"/></C:supported-calendar-component-set>)";
    if (!color.isEmpty()) {
        body += "\n    <I:calendar-color>" + color.toUtf8() + "</I:calendar-color>";
    }
    body += "\n  </D:prop></D:set>\n</C:mkcalendar>\n";
    return send("MKCALENDAR", collection, body, "application/xml; charset=utf-8");
}

DavResponse CalDavClient::put(const QUrl& collection, const QString& name, const QByteArray& data)
{
    return send("PUT", collection.resolved(QUrl(name)), data, "text/calendar; charset=utf-8");
}

DavResponse CalDavClient::collectionProperties(const QUrl& collection)
{
    const QByteArray body = R"(<?xml version="1.0" encoding="utf-8"?>
<D:propfind xmlns:D="DAV:" xmlns:I="http://apple.com/ns/ical/">
  <D:prop><D:displayname/><I:calendar-color/></D:prop>
</D:propfind>
)";
    return send("PROPFIND", collection, body, "application/xml; charset=utf-8", {{"Depth", "0"}});
}

DavResponse CalDavClient::get(const QUrl& url)
{
    return send("GET", url, {}, {});
}

DavResponse CalDavClient::remove(const QUrl& url)
{
    return send("DELETE", url, {}, {});
}

QList<DavItem> CalDavClient::items(const QUrl& collection, QString* error)
{
    const QByteArray query = R"(<?xml version="1.0" encoding="utf-8"?>
<C:calendar-query xmlns:D="DAV:" xmlns:C="urn:ietf:params:xml:ns:caldav">
  <D:prop><D:getetag/><C:calendar-data/></D:prop>
  <C:filter><C:comp-filter name="VCALENDAR"><C:comp-filter name="VTODO"/></C:comp-filter></C:filter>
</C:calendar-query>
)";
    const DavResponse response = send("REPORT", collection, query, "application/xml; charset=utf-8", {{"Depth", "1"}});
    QList<DavItem> found;
    if (response.status != 207) {
        if (error) {
            *error = QStringLiteral("REPORT %1: HTTP %2 %3\n%4")
                         .arg(collection.toString())
                         .arg(response.status)
                         .arg(response.error, QString::fromUtf8(response.body));
        }
        return found;
    }
    QXmlStreamReader xml(response.body);
    DavItem current;
    while (!xml.atEnd()) {
        xml.readNext();
        const auto namespaceUri = xml.namespaceUri();
        if (xml.isStartElement() && xml.name() == QLatin1String("response")) {
            current = {};
        } else if (xml.isStartElement() && xml.name() == QLatin1String("href")) {
            current.href = xml.readElementText();
        } else if (xml.isStartElement() && xml.name() == QLatin1String("calendar-data") &&
                   namespaceUri == QLatin1String("urn:ietf:params:xml:ns:caldav")) {
            current.data = xml.readElementText().toUtf8();
        } else if (xml.isEndElement() && xml.name() == QLatin1String("response") && !current.data.isEmpty()) {
            found.append(current);
        }
    }
    if (xml.hasError() && error) {
        *error = xml.errorString();
    }
    return found;
}

DavResponse CalDavClient::send(const QByteArray& method, const QUrl& url, const QByteArray& body,
                               const QByteArray& contentType, const QList<QPair<QByteArray, QByteArray>>& headers)
{
    QNetworkRequest request(url);
    request.setRawHeader("Authorization", m_authorization);
    if (!contentType.isEmpty()) {
        request.setHeader(QNetworkRequest::ContentTypeHeader, contentType);
    }
    for (const auto& [name, value] : headers) {
        request.setRawHeader(name, value);
    }
    request.setTransferTimeout(60000);
    QNetworkReply* reply = m_network.sendCustomRequest(request, method, body);
    QEventLoop loop;
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    if (!reply->isFinished()) {
        loop.exec();
    }
    DavResponse response;
    response.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    response.body = reply->readAll();
    if (reply->error() != QNetworkReply::NoError) {
        response.error = reply->errorString();
    }
    reply->deleteLater();
    return response;
}

QString itemName(const QString& href)
{
    QString path = QUrl(href).path();
    while (path.endsWith(QLatin1Char('/'))) {
        path.chop(1);
    }
    return path.section(QLatin1Char('/'), -1);
}

} // namespace tolvik::interop
