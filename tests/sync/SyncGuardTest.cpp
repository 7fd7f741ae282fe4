// The mass-deletion guard against a real Radicale and the real engine, with a fault proxy between them that fails
// or shortens the server's answers: nothing is lost, the guard holds, and Restore brings the files back.
#include "SyncTestRig.h"

#include "sync/DeletionGuard.h"
#include "sync/SyncService.h"
#include "sync/SyncSnapshots.h"

#include <QDir>
#include <QProcess>
#include <QTest>

#include <QCoro/QCoroTask>

using namespace tolvik;
using namespace tolvik::test;

namespace {

const QString accountID = QStringLiteral("guarded");
constexpr int itemCount = 15;

QHash<QString, QByteArray> filesIn(const QString& folder)
{
    QHash<QString, QByteArray> files;
    for (const QString& name : QDir(folder).entryList({QStringLiteral("*.ics")}, QDir::Files)) {
        files.insert(name, readFile(folder + QLatin1Char('/') + name));
    }
    return files;
}

} // namespace

class SyncGuardTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<SyncTestRig> m_rig;
    std::unique_ptr<QProcess> m_proxy;
    QUrl m_proxyUrl;
    QHash<QString, QByteArray> m_before;

    QString work() const { return m_rig->storeRoot() + QLatin1Char('/') + accountID + QStringLiteral("/work"); }
    QUrl viaProxy(const QString& path) const { return m_proxyUrl.resolved(QUrl(path)); }
    void setMode(const QByteArray& mode) { QVERIFY(writeFile(m_rig->home() + QStringLiteral("/proxy-mode"), mode)); }
    bool sync() { return QCoro::waitFor(m_rig->service().sync(accountID)); }
    AccountSyncState state() const { return m_rig->service().state(accountID); }
    int serverCount() { return int(m_rig->dav().items(m_rig->server().collectionUrl(QStringLiteral("work"))).size()); }
    void removeOnServer(int count)
    {
        for (int i = 0; i < count; ++i) {
            const QUrl item = m_rig->server()
                                  .collectionUrl(QStringLiteral("work"))
                                  .resolved(QUrl(QStringLiteral("item-%1.ics").arg(i)));
            QCOMPARE(m_rig->dav().remove(item).status, 200);
        }
    }

private Q_SLOTS:
    void init()
    {
        m_rig = std::make_unique<SyncTestRig>();
        QString error;
        QVERIFY2(m_rig->start(&error), qPrintable(error));
        const QUrl workUrl = m_rig->server().collectionUrl(QStringLiteral("work"));
        for (int i = 0; i < itemCount; ++i) {
            const QByteArray uid = "guard-" + QByteArray::number(i);
            QCOMPARE(m_rig->dav()
                         .put(workUrl, QStringLiteral("item-%1.ics").arg(i), todoFile(uid, "Reminder " + uid))
                         .status,
                     201);
        }
        setMode("pass");
        m_proxy = std::make_unique<QProcess>();
        m_proxy->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_proxy->start(QStringLiteral(TOLVIK_SOURCE_DIR_TESTS "/fault-proxy.py"),
                       {m_rig->server().baseUrl().toString(), m_rig->home() + QStringLiteral("/proxy-mode")});
        while (!m_proxy->canReadLine()) {
            QVERIFY(m_proxy->waitForReadyRead(10000));
        }
        const QByteArray line = m_proxy->readLine().trimmed();
        QVERIFY2(line.startsWith("PORT "), line.constData());
        m_proxyUrl = QUrl(QStringLiteral("http://127.0.0.1:%1/").arg(QString::fromUtf8(line.mid(5))));

        SyncAccount account;
        account.id = accountID;
        account.homeUrl = viaProxy(QStringLiteral("/tester/"));
        account.userName = m_rig->server().user();
        account.collections = {{QStringLiteral("work"), viaProxy(QStringLiteral("/tester/work/"))},
                               {QStringLiteral("home"), viaProxy(QStringLiteral("/tester/home/"))}};
        QCOMPARE(QCoro::waitFor(m_rig->service().addAccount(account, m_rig->server().password())).status,
                 SecretStatus::ok);
        QVERIFY(m_rig->waitForSync(accountID));
        QCOMPARE(state().problem, SyncProblem::none);
        m_before = filesIn(work());
        QCOMPARE(m_before.size(), itemCount);
    }

    void cleanup()
    {
        if (m_proxy) {
            m_proxy->kill();
            m_proxy->waitForFinished(5000);
        }
        m_proxy.reset();
        m_rig.reset();
    }

    void shouldDeleteNothingWhenTheServerFailsOrListsTooLittle_data()
    {
        QTest::addColumn<QByteArray>("mode");
        QTest::addColumn<int>("problem");
        QTest::addColumn<int>("held");
        QTest::newRow("503") << QByteArray("503") << int(SyncProblem::serverTrouble) << 0;
        QTest::newRow("empty listing") << QByteArray("empty") << int(SyncProblem::deletionsHeld) << itemCount;
        QTest::newRow("partial listing") << QByteArray("partial 2") << int(SyncProblem::deletionsHeld) << itemCount - 2;
    }

    void shouldDeleteNothingWhenTheServerFailsOrListsTooLittle()
    {
        QFETCH(QByteArray, mode);
        QFETCH(int, problem);
        QFETCH(int, held);
        setMode(mode);
        QVERIFY(!sync());
        QCOMPARE(int(state().problem), problem);
        QCOMPARE(state().heldCount(), held);
        QCOMPARE(filesIn(work()), m_before);

        // A server that lists everything again settles the question by itself.
        setMode("pass");
        QVERIFY(sync());
        QCOMPARE(state().problem, SyncProblem::none);
        QVERIFY(state().held.isEmpty());
        QCOMPARE(filesIn(work()), m_before);
    }

    void shouldLetAFewRemovalsThrough()
    {
        removeOnServer(2);
        QVERIFY(sync());
        QCOMPARE(filesIn(work()).size(), itemCount - 2);
    }

    void shouldPutHeldRemindersBackOnTheServerOnRestore()
    {
        removeOnServer(12);
        QVERIFY(!sync());
        QCOMPARE(state().problem, SyncProblem::deletionsHeld);
        QCOMPARE(state().heldCount(), 12);
        QVERIFY(QCoro::waitFor(m_rig->service().restoreHeld(accountID)));
        QCOMPARE(state().problem, SyncProblem::none);
        QCOMPARE(filesIn(work()), m_before);
        QCOMPARE(serverCount(), itemCount);
    }

    void shouldRemoveHeldRemindersWhenTheUserSaysSo()
    {
        removeOnServer(12);
        QVERIFY(!sync());
        const QString snapshot = state().held.first().snapshot;
        QVERIFY(QCoro::waitFor(m_rig->service().deleteHeld(accountID)));
        QCOMPARE(state().problem, SyncProblem::none);
        QCOMPARE(filesIn(work()).size(), itemCount - 12);
        QCOMPARE(serverCount(), itemCount - 12);
        // The snapshot still has them for a few days.
        QCOMPARE(SyncSnapshots::missingNow(accountID, snapshot, QStringLiteral("work"), work()).size(), 12);
    }

    void shouldRestoreWhatTheEngineRemovedBehindTheGuardByteForByte()
    {
        // The app's look sees every item, the engine's a moment later only two: it removes the rest here.
        setMode("engine-partial 2");
        QVERIFY(!sync());
        QCOMPARE(filesIn(work()).size(), 2);
        QCOMPARE(state().problem, SyncProblem::deletionsHeld);
        QVERIFY(state().held.first().alreadyRemoved);
        QCOMPARE(state().heldCount(), itemCount - 2);

        setMode("pass");
        QVERIFY(QCoro::waitFor(m_rig->service().restoreHeld(accountID)));
        QCOMPARE(filesIn(work()), m_before);
        QCOMPARE(state().problem, SyncProblem::none);
        // Restored files meet their server copies again without duplicates.
        QVERIFY(sync());
        QCOMPARE(filesIn(work()), m_before);
        QCOMPARE(serverCount(), itemCount);
    }
};

QTEST_MAIN(SyncGuardTest)
#include "SyncGuardTest.moc"
