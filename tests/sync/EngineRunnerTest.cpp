#include "TestSupport.h"

#include "sync/EngineRunner.h"
#include "sync/SyncAccount.h"

#include <QDir>
#include <QElapsedTimer>
#include <QLockFile>
#include <QTest>

#include <QCoro/QCoroTask>

using namespace tolvik;
using namespace tolvik::test;
using namespace std::chrono_literals;

class EngineRunnerTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<IsolatedHome> m_home;
    QString m_calls;

    static QString fakeEngine()
    {
        return qEnvironmentVariable("TOLVIK_SYNC_TEST_DATA") + QStringLiteral("/fake-engine");
    }

private Q_SLOTS:
    void init()
    {
        m_home = std::make_unique<IsolatedHome>();
        qputenv("XDG_STATE_HOME", (m_home->path() + QStringLiteral("/state")).toUtf8());
        m_calls = m_home->path() + QStringLiteral("/calls");
        qputenv("FAKE_ENGINE_CALLS", m_calls.toUtf8());
        for (const char* name :
             {"FAKE_ENGINE_LOG", "FAKE_ENGINE_SLEEP", "FAKE_ENGINE_EXIT", "FAKE_ENGINE_IGNORE_TERM"}) {
            qunsetenv(name);
        }
    }

    void cleanup() { m_home.reset(); }

    void shouldRunWithStdinClosedAndReadTheLog()
    {
        const QString log = m_home->path() + QStringLiteral("/log");
        QVERIFY(writeFile(log, "Copying (uploading) item a to acct_remote/tasks\n"
                               "error: Unknown error occurred for acct/home: 503\n"));
        qputenv("FAKE_ENGINE_LOG", log.toUtf8());
        qputenv("FAKE_ENGINE_EXIT", "1");
        EngineRunner runner(QStringLiteral("acct"), fakeEngine());
        const EngineRun run = QCoro::waitFor(runner.run({QStringLiteral("sync"), QStringLiteral("acct")}, 30s));
        QVERIFY(run.started);
        QCOMPARE(run.exitCode, 1);
        QVERIFY(!run.ok());
        QCOMPARE(run.output.uploaded, 1);
        QCOMPARE(run.output.failedCollections, QStringList{QStringLiteral("home")});
        // A question from the engine would read end-of-file at once instead of waiting for an answer.
        QCOMPARE(readFile(m_calls), QByteArray("sync acct\nstdin: closed\n"));
    }

    void shouldEndARunPastItsLimit_data()
    {
        QTest::addColumn<bool>("ignoresTerm");
        QTest::newRow("ends on SIGTERM") << false;
        QTest::newRow("needs SIGKILL") << true;
    }

    void shouldEndARunPastItsLimit()
    {
        QFETCH(bool, ignoresTerm);
        qputenv("FAKE_ENGINE_SLEEP", "6");
        if (ignoresTerm) {
            qputenv("FAKE_ENGINE_IGNORE_TERM", "1");
        }
        EngineRunner runner(QStringLiteral("acct"), fakeEngine());
        QElapsedTimer timer;
        timer.start();
        const EngineRun run = QCoro::waitFor(runner.run({QStringLiteral("sync")}, 500ms));
        QVERIFY(run.timedOut);
        QVERIFY(!run.ok());
        QVERIFY2(timer.elapsed() < (ignoresTerm ? 10000 : 4000), qPrintable(QString::number(timer.elapsed())));
    }

    void shouldNotRunWhileAnotherProcessHoldsTheAccount()
    {
        QDir().mkpath(SyncPaths::stateFolder(QStringLiteral("acct")));
        QLockFile other(SyncPaths::stateFolder(QStringLiteral("acct")) + QStringLiteral("/engine.lock"));
        QVERIFY(other.tryLock(0));
        EngineRunner runner(QStringLiteral("acct"), fakeEngine());
        const EngineRun run = QCoro::waitFor(runner.run({QStringLiteral("sync")}, 30s));
        QVERIFY(run.busy);
        QVERIFY(!QFileInfo::exists(m_calls));
        other.unlock();
        QVERIFY(QCoro::waitFor(runner.run({QStringLiteral("sync")}, 30s)).ok());
    }

    void shouldReportAMissingEngine()
    {
        EngineRunner runner(QStringLiteral("acct"), m_home->path() + QStringLiteral("/no-such-engine"));
        const EngineRun run = QCoro::waitFor(runner.run({QStringLiteral("sync")}, 30s));
        QVERIFY(!run.started);
        QVERIFY(!EngineRunner::isAvailable(m_home->path() + QStringLiteral("/no-such-engine")));
    }
};

QTEST_GUILESS_MAIN(EngineRunnerTest)
#include "EngineRunnerTest.moc"
