#pragma once

#include <QByteArray>
#include <QList>
#include <QNetworkAccessManager>
#include <QString>
#include <QUrl>

namespace tolvik::interop {

/// One HTTP exchange with the server.
struct DavResponse
{
    int status = 0;
    QByteArray body;
    QString error;
};

/// One calendar object resource in a collection.
struct DavItem
{
    QString href;
    QByteArray data;
};

/// A minimal CalDAV client: just what the tests need to set up collections and look at what a sync left
/// on the server. Every call waits for the answer with the event loop running.
class CalDavClient
{
public:
    CalDavClient(QString user, QString password);

    /// Creates a VTODO calendar with a display name and an optional colour (#RRGGBB).
    DavResponse makeCalendar(const QUrl& collection, const QString& displayName, const QString& color);
    /// Stores `data` at `collection`/`name`.
    DavResponse put(const QUrl& collection, const QString& name, const QByteArray& data);
    DavResponse get(const QUrl& url);
    /// The collection's display name and colour, as a PROPFIND multistatus body.
    DavResponse collectionProperties(const QUrl& collection);
    DavResponse remove(const QUrl& url);
    /// Every item in the collection with its data (a calendar-query REPORT for VTODOs).
    QList<DavItem> items(const QUrl& collection, QString* error = nullptr);

private:
    DavResponse send(const QByteArray& method, const QUrl& url, const QByteArray& body, const QByteArray& contentType,
                     const QList<QPair<QByteArray, QByteArray>>& headers = {});

    QNetworkAccessManager m_network;
    QByteArray m_authorization;
};

/// The last path segment of an href, percent-decoded: the item's name in its collection.
QString itemName(const QString& href);

} // namespace tolvik::interop
