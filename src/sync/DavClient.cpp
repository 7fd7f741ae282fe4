#include "sync/DavClient.h"

#include <QBuffer>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPointer>
#include <QSslCertificate>
#include <QSslConfiguration>
#include <QSslError>

#include <QCoro/QCoroNetworkReply>

#include <memory>

namespace tolvik {

namespace {

constexpr int maxRedirects = 5;

CertificateInfo describe(const QSslCertificate& certificate, const QString& reason)
{
    CertificateInfo info;
    info.reason = reason;
    info.subject = certificate.subjectDisplayName();
    info.issuer = certificate.issuerDisplayName();
    info.validFrom = certificate.effectiveDate();
    info.validUntil = certificate.expiryDate();
    info.sha256 = DavClient::fingerprintText(certificate.digest(QCryptographicHash::Sha256));
    return info;
}

bool sameOrigin(const QUrl& a, const QUrl& b)
{
    return a.host().compare(b.host(), Qt::CaseInsensitive) == 0 &&
           a.port(a.scheme() == QLatin1String("https") ? 443 : 80) ==
               b.port(b.scheme() == QLatin1String("https") ? 443 : 80);
}

} // namespace

DavClient::DavClient(QObject* parent)
    : QObject(parent)
    , m_network(new QNetworkAccessManager(this))
{
    m_network->setRedirectPolicy(QNetworkRequest::ManualRedirectPolicy);
}

void DavClient::setCredentials(const QString& user, const QString& password)
{
    m_user = user;
    m_password = password;
}

QString DavClient::fingerprintText(const QByteArray& digest)
{
    return QString::fromLatin1(digest.toHex(':').toUpper());
}

QCoro::Task<DavReply> DavClient::send(QByteArray verb, QUrl url, QByteArray body, std::optional<int> depth)
{
    const QUrl origin = url;
    bool withCredentials = true;
    for (int hop = 0; hop <= maxRedirects; ++hop) {
        DavReply reply = co_await sendOnce(verb, url, body, depth, withCredentials);
        const bool redirect = reply.status == 301 || reply.status == 302 || reply.status == 303 ||
                              reply.status == 307 || reply.status == 308;
        if (!redirect) {
            co_return reply;
        }
        const QUrl next = url.resolved(QUrl(QString::fromUtf8(reply.body)));
        if (!next.isValid() || (next.scheme() != QLatin1String("http") && next.scheme() != QLatin1String("https"))) {
            co_return reply;
        }
        // The password goes only where the user pointed the app, and never from https down to http.
        withCredentials = withCredentials && sameOrigin(origin, next) &&
                          !(url.scheme() == QLatin1String("https") && next.scheme() == QLatin1String("http"));
        url = next;
    }
    DavReply reply;
    reply.url = url;
    reply.failure = DavFailure::tooManyRedirects;
    co_return reply;
}

QCoro::Task<DavReply> DavClient::sendOnce(const QByteArray& verb, const QUrl& url, const QByteArray& body,
                                          std::optional<int> depth, bool withCredentials)
{
    QNetworkRequest request(url);
    request.setTransferTimeout(m_timeoutMs);
    request.setHeader(QNetworkRequest::UserAgentHeader, QStringLiteral("TolvikReminder"));
    if (!body.isEmpty()) {
        request.setHeader(QNetworkRequest::ContentTypeHeader, m_contentType);
    }
    if (depth) {
        request.setRawHeader("Depth", QByteArray::number(*depth));
    }
    if (withCredentials && !m_user.isEmpty()) {
        request.setRawHeader("Authorization", "Basic " + (m_user + QLatin1Char(':') + m_password).toUtf8().toBase64());
    }
    auto* buffer = new QBuffer;
    buffer->setData(body);
    buffer->open(QIODevice::ReadOnly);
    QNetworkReply* raw = m_network->sendCustomRequest(request, verb, buffer);
    buffer->setParent(raw);
    std::unique_ptr<QNetworkReply> reply(raw);

    auto certificate = std::make_shared<std::optional<CertificateInfo>>();
    const QString pinned = m_pinned;
    connect(raw, &QNetworkReply::sslErrors, raw, [raw, pinned, certificate](const QList<QSslError>& errors) {
        const QSslCertificate peer = raw->sslConfiguration().peerCertificate();
        if (!pinned.isEmpty() && fingerprintText(peer.digest(QCryptographicHash::Sha256)) == pinned) {
            raw->ignoreSslErrors(errors);
            return;
        }
        *certificate = describe(peer, errors.isEmpty() ? QString() : errors.first().errorString());
        (*certificate)->changedFromPinned = !pinned.isEmpty();
    });
    // A pinned certificate must be the one the server shows, even when the system would trust another.
    connect(raw, &QNetworkReply::encrypted, raw, [raw, pinned, certificate] {
        const QSslCertificate peer = raw->sslConfiguration().peerCertificate();
        if (!pinned.isEmpty() && fingerprintText(peer.digest(QCryptographicHash::Sha256)) != pinned) {
            *certificate = describe(peer, QString());
            (*certificate)->changedFromPinned = true;
            raw->abort();
        }
    });

    co_await qCoro(raw).waitForFinished(std::chrono::milliseconds(m_timeoutMs + 5000));

    DavReply result;
    result.url = url;
    result.status = raw->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    result.body = raw->readAll();
    if (result.status >= 300 && result.status < 400) {
        // The redirect target travels in the body slot; send() reads it from there.
        result.body = raw->rawHeader("Location");
    }
    result.certificate = *certificate;
    if (result.certificate) {
        result.failure = DavFailure::untrustedCertificate;
        result.status = 0;
        co_return result;
    }
    if (raw->isRunning()) {
        raw->abort();
        result.failure = DavFailure::timeout;
        co_return result;
    }
    if (result.status == 0) {
        result.errorText = raw->errorString();
        switch (raw->error()) {
        case QNetworkReply::HostNotFoundError:
            result.failure = DavFailure::hostNotFound;
            break;
        case QNetworkReply::ConnectionRefusedError:
            result.failure = DavFailure::refused;
            break;
        case QNetworkReply::TimeoutError:
        case QNetworkReply::OperationCanceledError:
            result.failure = DavFailure::timeout;
            break;
        default:
            result.failure = DavFailure::network;
        }
    }
    co_return result;
}

} // namespace tolvik
