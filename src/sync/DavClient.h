#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QObject>
#include <QString>
#include <QUrl>

#include <QCoro/QCoroTask>

#include <optional>

class QNetworkAccessManager;

namespace tolvik {

/// Why a request got no HTTP answer.
enum class DavFailure
{
    none,
    hostNotFound,
    refused,
    timeout,
    /// The system does not trust the certificate, or it is not the one the user pinned.
    untrustedCertificate,
    network,
    tooManyRedirects,
};

/// A server certificate as the user sees it before trusting it.
struct CertificateInfo
{
    QString reason;
    QString subject;
    QString issuer;
    QDateTime validFrom;
    QDateTime validUntil;
    /// SHA-256 of the DER form, "AA:BB:...", as the engine's verify_fingerprint takes it.
    QString sha256;
    /// True when a pinned certificate was replaced by another one.
    bool changedFromPinned = false;
};

struct DavReply
{
    /// The HTTP status of the final answer, 0 when there was none.
    int status = 0;
    QByteArray body;
    /// Where the answer came from, after redirects.
    QUrl url;
    DavFailure failure = DavFailure::none;
    QString errorText;
    std::optional<CertificateInfo> certificate;

    bool isMultistatus() const { return status == 207; }
};

/// A small WebDAV client: PROPFIND, MKCALENDAR and friends with Basic auth sent up front, redirects followed by
/// hand so that the method and body stay (Qt re-sends a redirected PROPFIND as GET), and credentials kept to the
/// host they were meant for. A pinned certificate is accepted by its fingerprint alone.
class DavClient : public QObject
{
    Q_OBJECT

public:
    explicit DavClient(QObject* parent = nullptr);

    void setCredentials(const QString& user, const QString& password);
    void setPinnedFingerprint(const QString& sha256) { m_pinned = sha256; }
    void setTimeout(int milliseconds) { m_timeoutMs = milliseconds; }
    /// The type of the request bodies sent; XML unless set.
    void setContentType(const QString& type) { m_contentType = type; }

    /// `depth` sets the Depth header when given.
    QCoro::Task<DavReply> send(QByteArray verb, QUrl url, QByteArray body = {}, std::optional<int> depth = {});

    static QString fingerprintText(const QByteArray& digest);

private:
    QCoro::Task<DavReply> sendOnce(const QByteArray& verb, const QUrl& url, const QByteArray& body,
                                   std::optional<int> depth, bool withCredentials);

    QNetworkAccessManager* m_network;
    QString m_user;
    QString m_password;
    QString m_pinned;
    int m_timeoutMs = 20000;
    QString m_contentType = QStringLiteral("application/xml; charset=utf-8");
};

} // namespace tolvik
