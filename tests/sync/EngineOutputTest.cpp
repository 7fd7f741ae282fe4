#include "sync/EngineOutput.h"

#include <QTest>

using namespace tolvik;

// The engine's own lines, as it logs them (vdirsyncer 0.19 on Debian 12).
class EngineOutputTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shouldCountWhatASyncMoved()
    {
        const EngineOutput output = EngineOutputParser::parse(R"(Syncing acct/tasks
Copying (uploading) item t1 to acct_remote/tasks
Copying (uploading) item t2 to acct_remote/tasks
Copying (uploading) item s1 to acct_local/tasks
Copying (updating) item t3 to acct_local/tasks
Deleting item t4 from acct_local/tasks
Deleting item t5 from acct_local/shopping
Deleting item t6 from acct_remote/tasks
warning: Deleting an item with no etag.
Doing conflict resolution for item t7...
...same content on both sides.
)",
                                                              QStringLiteral("acct"));
        QCOMPARE(output.uploaded, 2);
        QCOMPARE(output.downloaded, 1);
        QCOMPARE(output.updated, 1);
        QCOMPARE(output.deletedRemotely, 1);
        QCOMPARE(output.deletedLocally.value(QStringLiteral("tasks")), 1);
        QCOMPARE(output.deletedLocally.value(QStringLiteral("shopping")), 1);
        QVERIFY(!output.failedOverall);
        QVERIFY(output.failedCollections.isEmpty());
    }

    void shouldTellWhatFailedAndWhere_data()
    {
        QTest::addColumn<QByteArray>("log");
        QTest::addColumn<QStringList>("failed");
        QTest::addColumn<QStringList>("emptied");
        QTest::addColumn<QStringList>("conflicts");
        QTest::addColumn<bool>("overall");
        QTest::addColumn<bool>("discovery");
        QTest::addColumn<int>("helper");
        const QStringList none;
        const QStringList tasks{QStringLiteral("tasks")};
        QTest::newRow("wrong password in discover")
            << QByteArray(
                   "error: Unknown error occurred: 401, message='Unauthorized', url=URL('http://127.0.0.1:5232/')")
            << none << none << none << true << false << 0;
        QTest::newRow("wrong password in sync")
            << QByteArray("error: Unknown error occurred for acct/tasks: 401, message='Unauthorized', "
                          "url=URL('http://127.0.0.1:5232/alice/tasks/')")
            << tasks << none << none << false << false << 0;
        QTest::newRow("server 503 then a follow-on")
            << QByteArray("error: Unknown error occurred for acct/tasks: 503, message='Service Unavailable'\n"
                          "error: Unknown error occurred for acct/events: Server disconnected")
            << QStringList{QStringLiteral("tasks"), QStringLiteral("events")} << none << none << false << false << 0;
        QTest::newRow("emptied")
            << QByteArray("error: acct/tasks: Storage \"acct_remote/tasks\" was completely emptied. If you want to "
                          "delete ALL entries on BOTH sides, then use `vdirsyncer sync --force-delete acct/tasks`.")
            << none << tasks << none << false << false << 0;
        QTest::newRow("conflict")
            << QByteArray("error: acct/tasks: One item changed on both sides. Resolve this conflict manually, or by "
                          "setting the `conflict_resolution` parameter in your config file.\n"
                          "error: Item ID: t1\nerror: Item href on side A: t1.ics\n"
                          "error: Item href on side B: /alice/tasks/t1.ics")
            << none << none << tasks << false << false << 0;
        QTest::newRow("password changed")
            << QByteArray("critical: Detected change in config file, please run `vdirsyncer discover acct`.") << none
            << none << none << true << true << 0;
        QTest::newRow("never discovered")
            << QByteArray("critical: Please run `vdirsyncer discover acct`  before synchronization.") << none << none
            << none << true << true << 0;
        QTest::newRow("password helper")
            << QByteArray("error: Unknown error occurred: Command '['/usr/bin/tolvik-reminder', '--sync-password', "
                          "'acct']' returned non-zero exit status 3.")
            << none << none << none << true << false << 3;
        QTest::newRow("another pair's name") << QByteArray("error: Unknown error occurred for acct2/tasks: 503") << none
                                             << none << none << true << false << 0;
    }

    void shouldTellWhatFailedAndWhere()
    {
        QFETCH(QByteArray, log);
        const EngineOutput output = EngineOutputParser::parse(log, QStringLiteral("acct"));
        QTEST(output.failedCollections, "failed");
        QTEST(output.emptiedCollections, "emptied");
        QTEST(output.conflictCollections, "conflicts");
        QTEST(output.failedOverall, "overall");
        QTEST(output.needsDiscovery, "discovery");
        QTEST(output.passwordHelperStatus, "helper");
    }
};

QTEST_GUILESS_MAIN(EngineOutputTest)
#include "EngineOutputTest.moc"
