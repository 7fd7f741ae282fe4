#include "sync/BrowserSignIn.h"

#include <QDeadlineTimer>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPointer>

#include <QCoro/QCoroTimer>

namespace tolvik {

namespace {

bool isWebAddress(const QUrl& url)
{
    return url.isValid() && !url.host().isEmpty() &&
           (url.scheme() == QLatin1String("https") || url.scheme() == QLatin1String("http"));
}

QJsonObject objectOf(const QByteArray& body)
{
    return QJsonDocument::fromJson(body).object();
}

QUrl under(QUrl root, const QString& path)
{
    QString base = root.path();
    if (!base.endsWith(QLatin1Char('/'))) {
        base += QLatin1Char('/');
    }
    root.setPath(base + path);
    root.setQuery(QString());
    return root;
}

} // namespace

BrowserSignIn::BrowserSignIn(QObject* parent)
    : QObject(parent)
    , m_client(new DavClient(this))
{
    m_client->setTimeout(15000);
    m_client->setContentType(QStringLiteral("application/x-www-form-urlencoded"));
}

QCoro::Task<std::optional<QUrl>> BrowserSignIn::nextcloudRoot(QUrl endpoint, QString pinned)
{
    QPointer<BrowserSignIn> self(this);
    QList<QUrl> roots;
    const qsizetype dav = endpoint.path().indexOf(QLatin1String("/remote.php/"));
    if (dav >= 0) {
        QUrl root = endpoint;
        root.setPath(endpoint.path().left(dav + 1));
        roots.append(root);
    }
    QUrl host = endpoint;
    host.setPath(QStringLiteral("/"));
    if (!roots.contains(host)) {
        roots.append(host);
    }
    m_client->setPinnedFingerprint(pinned);
    for (const QUrl& root : std::as_const(roots)) {
        const DavReply reply = co_await m_client->send("GET", under(root, QStringLiteral("status.php")));
        if (!self) {
            co_return std::nullopt;
        }
        const QJsonObject status = objectOf(reply.body);
        if (reply.status == 200 && status.value(QLatin1String("installed")).toBool() &&
            status.contains(QLatin1String("version"))) {
            co_return root;
        }
    }
    co_return std::nullopt;
}

QCoro::Task<std::optional<BrowserLogin>> BrowserSignIn::start(QUrl root, QString pinned)
{
    m_client->setPinnedFingerprint(pinned);
    const DavReply reply = co_await m_client->send("POST", under(root, QStringLiteral("index.php/login/v2")));
    const QJsonObject answer = objectOf(reply.body);
    const QJsonObject poll = answer.value(QLatin1String("poll")).toObject();
    BrowserLogin login{QUrl(answer.value(QLatin1String("login")).toString()),
                       QUrl(poll.value(QLatin1String("endpoint")).toString()),
                       poll.value(QLatin1String("token")).toString()};
    // The page goes to the desktop's opener: anything but a web address (a file, a program's scheme) is refused.
    if (reply.status != 200 || !isWebAddress(login.loginPage) || !isWebAddress(login.pollEndpoint) ||
        login.token.isEmpty()) {
        co_return std::nullopt;
    }
    co_return login;
}

QCoro::Task<std::optional<BrowserCredentials>> BrowserSignIn::waitForSignIn(BrowserLogin login, QString pinned,
                                                                            int intervalMs, int limitMs)
{
    QPointer<BrowserSignIn> self(this);
    const quint64 generation = ++m_generation;
    const QDeadlineTimer deadline(limitMs);
    const QByteArray body = "token=" + QUrl::toPercentEncoding(login.token);
    while (!deadline.hasExpired()) {
        m_client->setPinnedFingerprint(pinned);
        const DavReply reply = co_await m_client->send("POST", login.pollEndpoint, body);
        if (!self || generation != m_generation) {
            co_return std::nullopt;
        }
        if (reply.status == 200) {
            const QJsonObject answer = objectOf(reply.body);
            BrowserCredentials credentials{answer.value(QLatin1String("server")).toString(),
                                           answer.value(QLatin1String("loginName")).toString(),
                                           answer.value(QLatin1String("appPassword")).toString()};
            if (credentials.loginName.isEmpty() || credentials.appPassword.isEmpty()) {
                co_return std::nullopt;
            }
            co_return credentials;
        }
        // 404 until the user is done; a server or network in trouble gets asked again too, until the time is up.
        co_await QCoro::sleepFor(std::chrono::milliseconds(intervalMs));
        if (!self || generation != m_generation) {
            co_return std::nullopt;
        }
    }
    co_return std::nullopt;
}

} // namespace tolvik
