#include "alarms/AlarmService.h"
#include "DBusTestBus.h"
#include "FakeNotificationServer.h"
#include "TestSupport.h"
#include "alarms/SystemWake.h"
#include "appearance/Preferences.h"
#include "store/VdirStore.h"

#include <QCoro/QCoroTask>
#include <QDBusMessage>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace tolvik;
using test::FakeNotificationServer;

namespace {

const QDateTime ten = QDateTime::fromString(QStringLiteral("2026-12-10T10:00:00Z"), Qt::ISODate);
const QString shownList = QStringLiteral("acct/shown");
const QByteArray alarmBlock = "BEGIN:VALARM\r\nACTION:DISPLAY\r\nDESCRIPTION:Ring\r\n"
                              "TRIGGER;RELATED=END:-PT5M\r\nX-OTHER-CLIENT;X-P=1:kept\r\nEND:VALARM\r\n";

// One app's alarm side on a private bus: a real store on temp files, real preferences, a settable clock.
struct Rig
{
    explicit Rig(QStringList capabilities = {QStringLiteral("actions"), QStringLiteral("body")})
        : server(bus.connection(), std::move(capabilities))
        , preferences(dir.filePath(QStringLiteral("prefs.ini")))
        , store(dir.filePath(QStringLiteral("calendars")))
        , client(bus.connect(QStringLiteral("app")))
    {
        QDir(dir.path()).mkpath(QStringLiteral("calendars/acct/shown"));
        QDir(dir.path()).mkpath(QStringLiteral("calendars/acct/hidden"));
        start();
    }

    void start()
    {
        service = std::make_unique<AlarmService>(
            store, preferences, client, [] { return QStringList{shownList}; }, [this] { return now; });
    }

    QString path(const QString& name, const QString& list = shownList) const
    {
        return dir.filePath(QStringLiteral("calendars/%1/%2.ics").arg(list, name));
    }
    void put(const QString& name, const QByteArray& lines, const QString& list = shownList)
    {
        QVERIFY(test::writeFile(path(name, list), test::todoFile(name.toUtf8(), "Title " + name.toUtf8(), lines)));
    }
    QByteArray file(const QString& name) const { return test::readFile(path(name)); }
    void refresh() { QCoro::waitFor(service->refresh()); }
    void at(const QDateTime& moment)
    {
        now = moment;
        service->scheduler().check();
    }
    // The notification the server got last, once it arrived and the app knows its id.
    const FakeNotificationServer::Notification& waitForNotification(qsizetype count)
    {
        [&] { QTRY_COMPARE(server.notified().size(), count); }();
        [&] { QTRY_COMPARE(service->openNotifications().size(), qsizetype(1)); }();
        return server.notified().last();
    }

    QTemporaryDir dir;
    test::DBusTestBus bus;
    FakeNotificationServer server;
    Preferences preferences;
    VdirStore store;
    NotificationClient client;
    QDateTime now = ten.addSecs(-3600);
    std::unique_ptr<AlarmService> service;
};

} // namespace

class AlarmServiceTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void ringsOnTimeForShownListsOnly()
    {
        Rig rig;
        QVERIFY(rig.server.isRegistered());
        rig.put(QStringLiteral("a"), "DUE:20261210T100000Z\r\n");
        rig.put(QStringLiteral("b"), "DUE:20261210T100000Z\r\n", QStringLiteral("acct/hidden"));
        rig.refresh();
        QCOMPARE(rig.service->scheduler().nextAlarm(), std::optional<QDateTime>(ten));
        rig.at(ten);
        const auto& shown = rig.waitForNotification(1);
        QCOMPARE(shown.summary, QStringLiteral("Title a"));
        QVERIFY2(shown.body.contains(QStringLiteral("Due:")) && shown.body.contains(QStringLiteral("shown")),
                 qPrintable(shown.body));
        QCOMPARE(rig.server.lastActionKeys(), (QStringList{QStringLiteral("default"), QStringLiteral("complete"),
                                                           QStringLiteral("snooze"), QStringLiteral("snooze-hour")}));
        QCOMPARE(shown.hints.value(QStringLiteral("urgency")).toInt(), 1);
        QCOMPARE(shown.appName, QCoreApplication::applicationName());
        QCOMPARE(rig.service->scheduler().nextAlarm(), std::nullopt);
        // Another check in the same minute rings nothing twice.
        QSignalSpy rang(&rig.service->scheduler(), &AlarmScheduler::ringing);
        rig.at(ten.addSecs(30));
        QCOMPARE(rang.size(), 0);
    }

    void aMomentLateIsOnTimeAndShowNamesTheReminder()
    {
        Rig rig;
        rig.put(QStringLiteral("b"), "DUE:20261210T100000Z\r\n");
        rig.refresh();
        // The timer fires a little after the moment: still on time, so an ordinary notification, not an alarm.
        rig.at(ten.addSecs(3));
        const auto& shown = rig.waitForNotification(1);
        QCOMPARE(shown.hints.value(QStringLiteral("urgency")).toInt(), 1);
        QCOMPARE(shown.summary, QStringLiteral("Title b"));
        QSignalSpy opened(rig.service.get(), &AlarmService::openPanelRequested);
        rig.server.invokeAction(shown.id, QStringLiteral("default"));
        QTRY_COMPARE(opened.size(), 1);
        QCOMPARE(opened.first().first().toString(), shownList + QStringLiteral("/b.ics"));
    }

    void anAllDayReminderNamesItsDayAlone()
    {
        Rig rig;
        rig.put(QStringLiteral("a"), "DUE;VALUE=DATE:20261210\r\n");
        rig.refresh();
        rig.at(QDateTime(QDate(2026, 12, 10), QTime(9, 0)));
        const QString body = rig.waitForNotification(1).body;
        const QString dueLine = body.section(QLatin1Char('\n'), 0, 0);
        QVERIFY2(dueLine.contains(QStringLiteral("2026")) && dueLine.count(QLatin1Char(':')) == 1, qPrintable(body));
    }

    void completeWritesTheFile_data()
    {
        QTest::addColumn<QByteArray>("lines");
        QTest::addColumn<QByteArray>("expectedLine");
        QTest::newRow("single") << QByteArray("DUE:20261210T100000Z\r\n") << QByteArray("STATUS:COMPLETED");
        QTest::newRow("repeating") << QByteArray("DUE:20261210T100000Z\r\nRRULE:FREQ=DAILY\r\n")
                                   << QByteArray("DUE:20261211T100000Z");
    }
    void completeWritesTheFile()
    {
        QFETCH(QByteArray, lines);
        QFETCH(QByteArray, expectedLine);
        Rig rig;
        rig.put(QStringLiteral("a"), lines);
        rig.refresh();
        rig.at(ten);
        const uint id = rig.waitForNotification(1).id;
        rig.server.invokeAction(id, QStringLiteral("complete"));
        QTRY_VERIFY2(rig.file(QStringLiteral("a")).contains(expectedLine), rig.file(QStringLiteral("a")).constData());
        QVERIFY(rig.file(QStringLiteral("a")).contains("X-MOZ-LASTACK:20261210T100000Z"));
        QTRY_COMPARE(rig.service->openNotifications().size(), qsizetype(0));
    }

    void snoozeRingsAgainAfterTenMinutes()
    {
        Rig rig;
        rig.put(QStringLiteral("a"), "DUE:20261210T100000Z\r\n");
        rig.refresh();
        rig.at(ten);
        const uint id = rig.waitForNotification(1).id;
        rig.server.invokeAction(id, QStringLiteral("snooze"));
        QTRY_COMPARE(test::lineStarting(rig.file(QStringLiteral("a")), "X-MOZ-SNOOZE-TIME"),
                     QByteArray("X-MOZ-SNOOZE-TIME:20261210T101000Z"));
        // Servers that keep a notification after its action (dunst) are told to close it.
        QTRY_COMPARE(rig.server.closedByClient(), QList<uint>{id});
        rig.refresh();
        QCOMPARE(rig.service->scheduler().nextAlarm(), std::optional<QDateTime>(ten.addSecs(600)));
        rig.at(ten.addSecs(600));
        QCOMPARE(rig.waitForNotification(2).summary, QStringLiteral("Title a"));
    }

    void dismissalAcknowledgesAndKeepsTheAlarmsOtherLines()
    {
        Rig rig;
        rig.put(QStringLiteral("a"), "DUE:20261210T100000Z\r\n" + alarmBlock);
        rig.refresh();
        rig.at(ten.addSecs(-300));
        rig.server.dismiss(rig.waitForNotification(1).id);
        QTRY_VERIFY(rig.file(QStringLiteral("a")).contains("X-MOZ-LASTACK:20261210T095500Z"));
        const QByteArray written = rig.file(QStringLiteral("a"));
        const QByteArray block = written.mid(written.indexOf("BEGIN:VALARM"),
                                             written.indexOf("END:VALARM") - written.indexOf("BEGIN:VALARM"));
        QVERIFY2(block.contains("ACKNOWLEDGED:20261210T095500Z\r\n") && block.contains("\r\nUID:"), block.constData());
        for (const QByteArray& line : alarmBlock.split('\n')) {
            if (!line.startsWith("END")) {
                QVERIFY2(block.contains(line + '\n'), line.constData());
            }
        }
        rig.refresh();
        QCOMPARE(rig.service->scheduler().nextAlarm(), std::nullopt);
    }

    void aChangeBySyncClosesTheNotification_data()
    {
        QTest::addColumn<QByteArray>("lines");
        QTest::newRow("completed") << QByteArray("DUE:20261210T100000Z\r\nSTATUS:COMPLETED\r\n");
        QTest::newRow("acknowledged") << QByteArray("DUE:20261210T100000Z\r\nX-MOZ-LASTACK:20261210T100100Z\r\n");
        QTest::newRow("deleted") << QByteArray();
    }
    void aChangeBySyncClosesTheNotification()
    {
        QFETCH(QByteArray, lines);
        Rig rig;
        rig.put(QStringLiteral("a"), "DUE:20261210T100000Z\r\n");
        rig.refresh();
        rig.at(ten);
        const uint id = rig.waitForNotification(1).id;
        if (lines.isEmpty()) {
            QVERIFY(QFile::remove(rig.path(QStringLiteral("a"))));
        } else {
            rig.put(QStringLiteral("a"), lines);
        }
        rig.refresh();
        QTRY_COMPARE(rig.server.closedByClient(), QList<uint>{id});
    }

    void missedAlarmsRingOnceGroupedAfterARestart()
    {
        Rig rig;
        rig.now = ten.addSecs(3 * 3600);
        rig.put(QStringLiteral("a"), "DUE:20261210T100000Z\r\n");
        rig.put(QStringLiteral("b"), "DUE:20261210T120000Z\r\n");
        rig.put(QStringLiteral("old"), "DUE:20261208T100000Z\r\n");
        rig.put(QStringLiteral("later"), "DUE:20261211T100000Z\r\n");
        rig.refresh();
        const auto& group = rig.waitForNotification(1);
        QCOMPARE(group.summary, QStringLiteral("2 reminders are due"));
        QCOMPARE(group.body, QStringLiteral("Title a\nTitle b"));
        QCOMPARE(group.hints.value(QStringLiteral("urgency")).toInt(), 2);
        QCOMPARE(rig.server.lastActionKeys(), QStringList{QStringLiteral("default")});
        // A restart without an acknowledgement rings them once more; a dismissal of the group silences both.
        rig.start();
        rig.refresh();
        const uint again = rig.waitForNotification(2).id;
        QSignalSpy opened(rig.service.get(), &AlarmService::openPanelRequested);
        rig.server.invokeAction(again, QStringLiteral("default"));
        QTRY_COMPARE(opened.size(), 1);
        QTRY_VERIFY(rig.file(QStringLiteral("b")).contains("X-MOZ-LASTACK"));
        rig.start();
        QSignalSpy rang(&rig.service->scheduler(), &AlarmScheduler::ringing);
        rig.refresh();
        QCOMPARE(rang.size(), 0);
        QCOMPARE(rig.service->scheduler().nextAlarm(), std::optional<QDateTime>(ten.addDays(1)));
    }

    void sameMinuteIsOneNotification()
    {
        Rig rig;
        for (const char* name : {"a", "b", "c"}) {
            rig.put(QString::fromLatin1(name), "DUE:20261210T100000Z\r\n");
        }
        rig.refresh();
        rig.at(ten);
        QCOMPARE(rig.waitForNotification(1).summary, QStringLiteral("3 reminders are due"));
    }

    void resumeFromSleepRingsWhatWasMissed()
    {
        Rig rig;
        QDBusConnection login = rig.bus.connect(QStringLiteral("login"));
        QVERIFY(login.registerService(QStringLiteral("org.freedesktop.login1")));
        SystemWake wake(rig.bus.connect(QStringLiteral("app")));
        connect(&wake, &SystemWake::woke, rig.service.get(), [&] { rig.service->scheduler().check(); });
        rig.put(QStringLiteral("a"), "DUE:20261210T100000Z\r\n");
        rig.refresh();
        // The machine slept through the alarm: the timer did not fire, and the clock moved on.
        rig.now = ten.addSecs(2 * 3600);
        QDBusMessage resumed = QDBusMessage::createSignal(QStringLiteral("/org/freedesktop/login1"),
                                                          QStringLiteral("org.freedesktop.login1.Manager"),
                                                          QStringLiteral("PrepareForSleep"));
        resumed << false;
        QVERIFY(login.send(resumed));
        QCOMPARE(rig.waitForNotification(1).hints.value(QStringLiteral("urgency")).toInt(), 2);
    }

    void aServerWithoutActionsGetsPlainNotifications()
    {
        Rig rig({QStringLiteral("body")});
        rig.put(QStringLiteral("a"), "DUE:20261210T100000Z\r\n");
        rig.refresh();
        rig.at(ten);
        QVERIFY(rig.waitForNotification(1).actions.isEmpty());
    }

    void settingsSilenceAndMoveTheAllDayTime()
    {
        Rig rig;
        rig.put(QStringLiteral("a"), "DUE;VALUE=DATE:20261211\r\n");
        rig.refresh();
        QCOMPARE(rig.service->scheduler().nextAlarm(),
                 std::optional<QDateTime>(QDateTime(QDate(2026, 12, 11), QTime(9, 0))));
        rig.preferences.setString(PreferenceKey::allDayAlarmTime, QStringLiteral("07:15"));
        QCOMPARE(rig.service->scheduler().nextAlarm(),
                 std::optional<QDateTime>(QDateTime(QDate(2026, 12, 11), QTime(7, 15))));
        rig.preferences.setBoolean(PreferenceKey::notifyWhenDue, false);
        QCOMPARE(rig.service->scheduler().nextAlarm(), std::nullopt);
        QSignalSpy rang(&rig.service->scheduler(), &AlarmScheduler::ringing);
        rig.at(QDateTime(QDate(2026, 12, 11), QTime(8, 0)));
        rig.preferences.setBoolean(PreferenceKey::notifyWhenDue, true);
        QCOMPARE(rang.size(), 0);
    }
};

QTEST_GUILESS_MAIN(AlarmServiceTest)
#include "AlarmServiceTest.moc"
