#include "sync/AccountDiscovery.h"

#include <QDnsLookup>
#include <QHostAddress>
#include <QRegularExpression>
#include <QTimer>
#include <QUuid>

#include <QCoro/QCoroSignal>

namespace tolvik {

namespace {

struct ParsedInput
{
    QString scheme;
    QString host;
    int port = -1;
    QString path;
    bool typedScheme = false;
};

ParsedInput parse(QString input)
{
    input = input.trimmed();
    ParsedInput parsed;
    if (input.contains(QLatin1Char('@')) && !input.contains(QLatin1String("://"))) {
        input = input.section(QLatin1Char('@'), -1);
    }
    parsed.typedScheme = input.startsWith(QLatin1String("http://"), Qt::CaseInsensitive) ||
                         input.startsWith(QLatin1String("https://"), Qt::CaseInsensitive);
    const QUrl url = QUrl::fromUserInput(parsed.typedScheme ? input : QStringLiteral("https://") + input);
    parsed.scheme = url.scheme().toLower();
    parsed.host = url.host();
    parsed.port = url.port();
    parsed.path = url.path();
    return parsed;
}

QUrl at(const ParsedInput& input, const QString& path)
{
    QUrl url;
    url.setScheme(input.scheme);
    url.setHost(input.host);
    url.setPort(input.port);
    url.setPath(path);
    return url;
}

} // namespace

DiscoveryOutcome outcomeOfFailure(const DavReply& reply)
{
    switch (reply.failure) {
    case DavFailure::hostNotFound:
        return DiscoveryOutcome::hostNotFound;
    case DavFailure::untrustedCertificate:
        return DiscoveryOutcome::untrustedCertificate;
    case DavFailure::timeout:
        return DiscoveryOutcome::timeout;
    case DavFailure::refused:
    case DavFailure::network:
        return DiscoveryOutcome::unreachable;
    case DavFailure::tooManyRedirects:
    case DavFailure::none:
        break;
    }
    return DiscoveryOutcome::noCalDav;
}

AccountDiscovery::AccountDiscovery(QObject* parent)
    : QObject(parent)
    , m_client(new DavClient(this))
{}

QList<QUrl> AccountDiscovery::candidates(const QString& input, const QUrl& srvUrl)
{
    const ParsedInput parsed = parse(input);
    if (parsed.host.isEmpty()) {
        return {};
    }
    QList<QUrl> urls;
    const auto add = [&urls](const QUrl& url) {
        if (url.isValid() && !urls.contains(url)) {
            urls.append(url);
        }
    };
    if (srvUrl.isValid()) {
        add(srvUrl);
    }
    add(at(parsed, QStringLiteral("/.well-known/caldav")));
    if (!parsed.path.isEmpty() && parsed.path != QLatin1String("/")) {
        add(at(parsed, parsed.path));
    }
    add(at(parsed, QStringLiteral("/remote.php/dav/")));
    add(at(parsed, QStringLiteral("/")));
    return urls;
}

QString AccountDiscovery::suggestedUser(const QString& input)
{
    const QString trimmed = input.trimmed();
    return trimmed.contains(QLatin1Char('@')) && !trimmed.contains(QLatin1Char('/')) ? trimmed : QString();
}

QUrl AccountDiscovery::serviceUrl(const QList<ServiceRecord>& records, const QList<QByteArray>& txtValues)
{
    if (records.isEmpty()) {
        return {};
    }
    const ServiceRecord& record = records.first();
    // "." as the target means the service is decidedly not offered (RFC 2782).
    if (record.target.isEmpty() || record.target == QLatin1String(".")) {
        return {};
    }
    QString path = QStringLiteral("/");
    for (const QByteArray& value : txtValues) {
        // Keys of DNS TXT pairs are case-insensitive (RFC 6763).
        if (value.toLower().startsWith("path=")) {
            path = QString::fromUtf8(value.mid(5));
        }
    }
    QUrl url;
    url.setScheme(QStringLiteral("https"));
    url.setHost(record.target.endsWith(QLatin1Char('.')) ? record.target.chopped(1) : record.target);
    url.setPort(record.port == 443 || record.port == 0 ? -1 : record.port);
    url.setPath(path.startsWith(QLatin1Char('/')) ? path : QLatin1Char('/') + path);
    return url;
}

QCoro::Task<QUrl> AccountDiscovery::lookUpService(QString domain)
{
    QDnsLookup srv(QDnsLookup::SRV, QStringLiteral("_caldavs._tcp.") + domain);
    srv.lookup();
    const auto srvDone = co_await qCoro(&srv, &QDnsLookup::finished, std::chrono::seconds(5));
    if (!srvDone || srv.error() != QDnsLookup::NoError || srv.serviceRecords().isEmpty()) {
        co_return QUrl();
    }
    QList<ServiceRecord> records;
    for (const QDnsServiceRecord& record : srv.serviceRecords()) {
        records.append({record.target(), record.port()});
    }
    QList<QByteArray> values;
    QDnsLookup txt(QDnsLookup::TXT, QStringLiteral("_caldavs._tcp.") + domain);
    txt.lookup();
    const auto txtDone = co_await qCoro(&txt, &QDnsLookup::finished, std::chrono::seconds(5));
    if (txtDone && txt.error() == QDnsLookup::NoError) {
        for (const QDnsTextRecord& text : txt.textRecords()) {
            values += text.values();
        }
    }
    co_return serviceUrl(records, values);
}

QCoro::Task<DiscoveryResult> AccountDiscovery::findServer(QString input, QString pinned)
{
    const ParsedInput parsed = parse(input);
    QUrl srvUrl;
    // Addresses and names typed with a scheme or port say where the server is; only a bare domain asks DNS.
    const bool bareDomain = !parsed.typedScheme && parsed.port < 0 && QHostAddress(parsed.host).isNull() &&
                            parsed.host.contains(QLatin1Char('.'));
    if (bareDomain) {
        srvUrl = co_await lookUpService(parsed.host);
    }
    m_client->setCredentials({}, {});
    m_client->setPinnedFingerprint(pinned);
    DiscoveryResult result;
    std::optional<DiscoveryOutcome> firstFailure;
    bool anyAnswer = false;
    for (const QUrl& url : candidates(input, srvUrl)) {
        const DavReply reply = co_await m_client->send("PROPFIND", url, DavXml::principalRequest(), 0);
        if (reply.failure == DavFailure::untrustedCertificate) {
            result.outcome = DiscoveryOutcome::untrustedCertificate;
            result.certificate = reply.certificate;
            co_return result;
        }
        if (reply.status == 207 || reply.status == 401) {
            result.outcome = DiscoveryOutcome::found;
            result.endpoint = reply.url;
            co_return result;
        }
        anyAnswer = anyAnswer || reply.status != 0;
        if (reply.status == 0 && !firstFailure) {
            firstFailure = outcomeOfFailure(reply);
        }
    }
    result.outcome = anyAnswer || !firstFailure ? DiscoveryOutcome::noCalDav : *firstFailure;
    co_return result;
}

QCoro::Task<DiscoveryResult> AccountDiscovery::signIn(QUrl endpoint, QString user, QString password, QString pinned)
{
    m_client->setCredentials(user, password);
    m_client->setPinnedFingerprint(pinned);
    DiscoveryResult result;
    result.endpoint = endpoint;
    const auto failed = [&result](const DavReply& reply) {
        if (reply.status == 401 || reply.status == 403) {
            result.outcome = DiscoveryOutcome::signInRejected;
        } else {
            result.outcome = outcomeOfFailure(reply);
            result.certificate = reply.certificate;
        }
        return result;
    };

    const DavReply principalReply = co_await m_client->send("PROPFIND", endpoint, DavXml::principalRequest(), 0);
    if (!principalReply.isMultistatus()) {
        co_return failed(principalReply);
    }
    QUrl principal = principalReply.url;
    for (const DavResource& resource : DavXml::parseMultistatus(principalReply.body)) {
        if (!resource.principalHrefs.isEmpty()) {
            principal = principalReply.url.resolved(QUrl(resource.principalHrefs.first()));
            break;
        }
    }
    const DavReply homeReply = co_await m_client->send("PROPFIND", principal, DavXml::homeSetRequest(), 0);
    if (!homeReply.isMultistatus()) {
        co_return failed(homeReply);
    }
    QUrl home = homeReply.url;
    for (const DavResource& resource : DavXml::parseMultistatus(homeReply.body)) {
        if (!resource.homeSetHrefs.isEmpty()) {
            home = homeReply.url.resolved(QUrl(resource.homeSetHrefs.first()));
            break;
        }
    }
    const DavReply listing = co_await m_client->send("PROPFIND", home, DavXml::listingRequest(), 1);
    if (!listing.isMultistatus()) {
        co_return failed(listing);
    }
    result.outcome = DiscoveryOutcome::found;
    result.homeUrl = listing.url;
    result.collections = DavXml::taskCollections(DavXml::parseMultistatus(listing.body), listing.url);
    co_return result;
}

QCoro::Task<std::optional<DiscoveredCollection>> AccountDiscovery::makeList(QUrl home, QString user, QString password,
                                                                            QString pinned, QString displayName,
                                                                            QString color)
{
    m_client->setCredentials(user, password);
    m_client->setPinnedFingerprint(pinned);
    // A fresh name: the display name may hold anything, and a list made on another device may share it.
    const QString name = QUuid::createUuid().toString(QUuid::WithoutBraces);
    QUrl url = home;
    url.setPath(home.path() + (home.path().endsWith(QLatin1Char('/')) ? QString() : QStringLiteral("/")) + name +
                QLatin1Char('/'));
    const DavReply reply = co_await m_client->send("MKCALENDAR", url, DavXml::makeCalendarRequest(displayName, color));
    if (reply.status != 201) {
        co_return std::nullopt;
    }
    co_return DiscoveredCollection{url, name, displayName, color, false};
}

} // namespace tolvik
