#include "TestSupport.h"

#include "sync/CredentialStore.h"
#include "sync/SyncScheduler.h"
#include "sync/SyncService.h"

#include <QDir>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

#include <QCoro/QCoroTask>

using namespace tolvik;
using namespace tolvik::test;

// The scheduler over the real service, with a stand-in engine that records how it was called.
class SyncSchedulerTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<IsolatedHome> m_home;
    std::unique_ptr<SyncService> m_service;
    QString m_calls;
    /// Answers every request with an empty listing: the lists look fine to the check before each run.
    QTcpServer m_lists;

    QString storeRoot() const { return m_home->dataHome() + QStringLiteral("/calendars"); }
    QStringList calls() const
    {
        return QString::fromUtf8(readFile(m_calls))
            .split(QLatin1Char('\n'), Qt::SkipEmptyParts)
            .filter(QStringLiteral("-c"));
    }

private Q_SLOTS:
    void init()
    {
        m_home = std::make_unique<IsolatedHome>();
        qputenv("XDG_STATE_HOME", (m_home->path() + QStringLiteral("/state")).toUtf8());
        m_calls = m_home->path() + QStringLiteral("/calls");
        qputenv("FAKE_ENGINE_CALLS", m_calls.toUtf8());
        qunsetenv("FAKE_ENGINE_EXIT");
        // Nothing listens here: the server check after a failure finds it unreachable.
        QTcpServer closed;
        closed.listen(QHostAddress::LocalHost);
        SyncAccount account;
        account.id = QStringLiteral("acct");
        account.homeUrl = QUrl(QStringLiteral("http://127.0.0.1:%1/acct/").arg(closed.serverPort()));
        account.userName = QStringLiteral("me");
        QVERIFY(m_lists.isListening() || m_lists.listen(QHostAddress::LocalHost));
        connect(&m_lists, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = m_lists.nextPendingConnection()) {
                connect(socket, &QTcpSocket::readyRead, socket, [socket] {
                    socket->readAll();
                    const QByteArray body = R"(<?xml version="1.0"?><multistatus xmlns="DAV:"/>)";
                    socket->write("HTTP/1.1 207 Multi-Status\r\nContent-Type: application/xml\r\nConnection: close\r\n"
                                  "Content-Length: " +
                                  QByteArray::number(body.size()) + "\r\n\r\n" + body);
                    socket->disconnectFromHost();
                });
                connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            }
        });
        const auto listUrl = [this](const char* name) {
            return QUrl(
                QStringLiteral("http://127.0.0.1:%1/acct/%2/").arg(m_lists.serverPort()).arg(QLatin1String(name)));
        };
        account.collections = {{QStringLiteral("work"), listUrl("work")}, {QStringLiteral("home"), listUrl("home")}};
        account.secretInFile = true;
        QVERIFY(SyncAccountRegistry::save({account}));
        QCOMPARE(QCoro::waitFor(CredentialStore::write(account.id, QStringLiteral("pw"), true)).status,
                 SecretStatus::ok);
        for (const QString& list : {QStringLiteral("work"), QStringLiteral("home")}) {
            QVERIFY(QDir().mkpath(storeRoot() + QStringLiteral("/acct/") + list));
        }
        m_service = std::make_unique<SyncService>(storeRoot(), QStringLiteral("/usr/bin/true"),
                                                  qEnvironmentVariable("TOLVIK_SYNC_TEST_DATA") +
                                                      QStringLiteral("/fake-engine"));
    }

    void cleanup()
    {
        m_lists.disconnect(this);
        m_service.reset();
        m_home.reset();
    }

    void shouldSyncOnlyTheChangedListAfterAQuietMoment()
    {
        SyncScheduler scheduler(*m_service);
        QVERIFY(writeFile(storeRoot() + QStringLiteral("/acct/work/a.ics"), todoFile("a", "A")));
        QTRY_COMPARE_WITH_TIMEOUT(calls().size(), 2, 15000);
        QVERIFY(calls().at(0).contains(QLatin1String("discover --no-list acct")));
        QVERIFY(calls().at(1).endsWith(QLatin1String("sync acct/work")));
        QTRY_VERIFY(!m_service->state(QStringLiteral("acct")).running);
        // The folder did not change since that run started: nothing to do.
        scheduler.listChanged(QStringLiteral("acct"), QStringLiteral("work"));
        QTest::qWait(SyncScheduler::quietMs + 500);
        QCOMPARE(calls().size(), 2);
    }

    void shouldBackOffAfterAFailureButRunWhenAsked()
    {
        SyncScheduler scheduler(*m_service);
        qputenv("FAKE_ENGINE_EXIT", "1");
        QVERIFY(!QCoro::waitFor(m_service->sync(QStringLiteral("acct"))));
        QCOMPARE(m_service->state(QStringLiteral("acct")).problem, SyncProblem::unreachable);
        QVERIFY(scheduler.backedOffUntil(QStringLiteral("acct")) > QDateTime::currentDateTimeUtc().addSecs(60));
        const int before = calls().size();
        scheduler.panelOpened();
        scheduler.resumed();
        QCOMPARE(calls().size(), before);
        // Sync Now is the user's: it runs at once.
        m_service->syncNow(QStringLiteral("acct"));
        QTRY_VERIFY(calls().size() > before);
        QTRY_VERIFY(!m_service->state(QStringLiteral("acct")).running);
        scheduler.networkCameBack();
        QVERIFY(!scheduler.backedOffUntil(QStringLiteral("acct")).isValid() ||
                m_service->state(QStringLiteral("acct")).running);
        // Let the sync it started finish, so that no engine run outlives the test.
        QTRY_VERIFY(!m_service->state(QStringLiteral("acct")).running);
    }
};

QTEST_GUILESS_MAIN(SyncSchedulerTest)
#include "SyncSchedulerTest.moc"
