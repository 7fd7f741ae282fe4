#include "sync/DavClient.h"
#include "sync/AccountDiscovery.h"

#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

#include <QCoro/QCoroTask>

using namespace tolvik;

namespace {

/// Answers /go/<code>/... with that redirect to /target/ and /target/ with a multistatus that echoes the method
/// and whether a password came along. One request per connection.
class RedirectingServer : public QTcpServer
{
public:
    explicit RedirectingServer(const QHostAddress& address = QHostAddress::LocalHost, QByteArray away = {})
        : m_away(std::move(away))
    {
        listen(address);
        connect(this, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = nextPendingConnection()) {
                connect(socket, &QTcpSocket::readyRead, socket, [this, socket] { answer(socket); });
            }
        });
    }

private:
    QByteArray m_away;

    void answer(QTcpSocket* socket)
    {
        const QByteArray request = socket->readAll();
        const QList<QByteArray> words = request.left(request.indexOf("\r\n")).split(' ');
        const QByteArray method = words.value(0);
        const QByteArray path = words.value(1);
        QByteArray response;
        if (path.startsWith("/away/")) {
            response = "HTTP/1.1 301 Moved\r\nLocation: " + m_away + "\r\nContent-Length: 0\r\n";
        } else if (path.startsWith("/go/")) {
            const QByteArray code = path.mid(4, 3);
            response = "HTTP/1.1 " + code + " Moved\r\nLocation: /target/\r\nContent-Length: 0\r\n";
        } else {
            const QByteArray body = "<d:multistatus xmlns:d=\"DAV:\"><d:response><d:href>/target/</d:href><d:propstat>"
                                    "<d:prop><d:displayname>" +
                                    method + (request.contains("Authorization: Basic") ? " with password" : "") +
                                    "</d:displayname></d:prop><d:status>HTTP/1.1 200 OK</d:status></d:propstat>"
                                    "</d:response></d:multistatus>";
            response = "HTTP/1.1 207 Multi-Status\r\nContent-Type: application/xml\r\nContent-Length: " +
                       QByteArray::number(body.size()) + "\r\n\r\n" + body;
        }
        socket->write(response + (response.endsWith("\r\n") && !response.contains("\r\n\r\n") ? "\r\n" : ""));
        socket->disconnectFromHost();
    }
};

} // namespace

class DavClientTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shouldKeepTheMethodAcrossEveryRedirect_data()
    {
        QTest::addColumn<QString>("code");
        for (const char* code : {"301", "302", "303", "307", "308"}) {
            QTest::newRow(code) << QString::fromLatin1(code);
        }
    }

    void shouldKeepTheMethodAcrossEveryRedirect()
    {
        QFETCH(QString, code);
        RedirectingServer server;
        DavClient client;
        client.setCredentials(QStringLiteral("alice"), QStringLiteral("secret"));
        const QUrl start(QStringLiteral("http://127.0.0.1:%1/go/%2/").arg(server.serverPort()).arg(code));
        const DavReply reply = QCoro::waitFor(client.send("PROPFIND", start, QByteArray("<d:propfind/>"), 0));
        QCOMPARE(reply.status, 207);
        QCOMPARE(reply.url.path(), QStringLiteral("/target/"));
        QCOMPARE(DavXml::parseMultistatus(reply.body).value(0).displayName, QStringLiteral("PROPFIND with password"));
    }

    void shouldNotSendThePasswordToAnotherHost()
    {
        RedirectingServer other(QHostAddress(QStringLiteral("127.0.0.2")));
        if (!other.isListening()) {
            QSKIP("this system offers no second loopback address");
        }
        RedirectingServer server(QHostAddress::LocalHost,
                                 QStringLiteral("http://127.0.0.2:%1/target/").arg(other.serverPort()).toUtf8());
        DavClient client;
        client.setCredentials(QStringLiteral("alice"), QStringLiteral("secret"));
        const QUrl start(QStringLiteral("http://127.0.0.1:%1/away/").arg(server.serverPort()));
        const DavReply reply = QCoro::waitFor(client.send("PROPFIND", start, {}, 0));
        QCOMPARE(reply.status, 207);
        QCOMPARE(DavXml::parseMultistatus(reply.body).value(0).displayName, QStringLiteral("PROPFIND"));
    }

    void shouldNameWhyNothingAnswered()
    {
        QTcpServer closed;
        closed.listen(QHostAddress::LocalHost);
        const quint16 port = closed.serverPort();
        closed.close();
        DavClient client;
        const DavReply refused =
            QCoro::waitFor(client.send("PROPFIND", QUrl(QStringLiteral("http://127.0.0.1:%1/").arg(port)), {}, 0));
        QCOMPARE(refused.failure, DavFailure::refused);
        QCOMPARE(outcomeOfFailure(refused), DiscoveryOutcome::unreachable);
        const DavReply unknown =
            QCoro::waitFor(client.send("PROPFIND", QUrl(QStringLiteral("http://no-such-host.invalid/")), {}, 0));
        QCOMPARE(unknown.failure, DavFailure::hostNotFound);
    }

    void shouldTryTheUsualPlacesInOrder_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QStringList>("urls");
        QTest::newRow("email") << QStringLiteral("alice@example.org")
                               << QStringList{QStringLiteral("https://example.org/.well-known/caldav"),
                                              QStringLiteral("https://example.org/remote.php/dav/"),
                                              QStringLiteral("https://example.org/")};
        QTest::newRow("address with path") << QStringLiteral("http://127.0.0.1:5232/dav/")
                                           << QStringList{QStringLiteral("http://127.0.0.1:5232/.well-known/caldav"),
                                                          QStringLiteral("http://127.0.0.1:5232/dav/"),
                                                          QStringLiteral("http://127.0.0.1:5232/remote.php/dav/"),
                                                          QStringLiteral("http://127.0.0.1:5232/")};
        QTest::newRow("nothing") << QStringLiteral("   ") << QStringList{};
    }

    void shouldTryTheUsualPlacesInOrder()
    {
        QFETCH(QString, input);
        QFETCH(QStringList, urls);
        QStringList found;
        for (const QUrl& url : AccountDiscovery::candidates(input)) {
            found.append(url.toString());
        }
        QCOMPARE(found, urls);
    }

    void shouldFollowTheServiceRecords_data()
    {
        QTest::addColumn<QList<ServiceRecord>>("records");
        QTest::addColumn<QList<QByteArray>>("txt");
        QTest::addColumn<QString>("url");
        // Answers as a resolver returned them for _caldavs._tcp.<domain>, sorted by priority and weight.
        QTest::newRow("port and path") << QList<ServiceRecord>{{QStringLiteral("dav.example.org."), 8443},
                                                               {QStringLiteral("backup.example.org."), 443}}
                                       << QList<QByteArray>{"txtvers=1", "path=/caldav/"}
                                       << QStringLiteral("https://dav.example.org:8443/caldav/");
        QTest::newRow("default port, no TXT") << QList<ServiceRecord>{{QStringLiteral("cal.example.org."), 443}}
                                              << QList<QByteArray>{} << QStringLiteral("https://cal.example.org/");
        QTest::newRow("relative path, key in capitals")
            << QList<ServiceRecord>{{QStringLiteral("cal.example.org"), 443}} << QList<QByteArray>{"PATH=dav"}
            << QStringLiteral("https://cal.example.org/dav");
        QTest::newRow("service declared absent")
            << QList<ServiceRecord>{{QStringLiteral("."), 0}} << QList<QByteArray>{"path=/x"} << QString();
        QTest::newRow("no answer") << QList<ServiceRecord>{} << QList<QByteArray>{} << QString();
    }

    void shouldFollowTheServiceRecords()
    {
        QFETCH(QList<ServiceRecord>, records);
        QFETCH(QList<QByteArray>, txt);
        QFETCH(QString, url);
        const QUrl found = AccountDiscovery::serviceUrl(records, txt);
        QCOMPARE(found.isValid() ? found.toString() : QString(), url);
        // The SRV address is tried before every other place.
        if (found.isValid()) {
            QCOMPARE(AccountDiscovery::candidates(QStringLiteral("example.org"), found).first(), found);
        }
    }
};

QTEST_GUILESS_MAIN(DavClientTest)
#include "DavClientTest.moc"
