// Acknowledgements travel both ways through CalDAV: one written in the app reaches a Radicale server through
// vdirsyncer, and one a phone put on the server silences the app after the next sync.
#include "DBusTestBus.h"
#include "FakeNotificationServer.h"
#include "IcsText.h"
#include "SyncRig.h"
#include "TestSupport.h"
#include "alarms/AlarmService.h"
#include "appearance/Preferences.h"
#include "store/VdirStore.h"

#include <QCoro/QCoroTask>
#include <QSignalSpy>
#include <QTest>

using namespace tolvik;
using namespace tolvik::interop;

namespace {

const QString work = QStringLiteral("work");

QDateTime utc(const char* text)
{
    return QDateTime::fromString(QString::fromLatin1(text), Qt::ISODate);
}

QByteArray phoneTodo(const QByteArray& uid, const QByteArray& due, const QByteArray& extra = {})
{
    return "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Interop Test//Phone//EN\r\nBEGIN:VTODO\r\nUID:" + uid +
           "\r\nDTSTAMP:20300101T000000Z\r\nSUMMARY:Task " + uid + "\r\nDUE:" + due + "\r\n" + extra +
           "BEGIN:VALARM\r\nACTION:DISPLAY\r\nDESCRIPTION:Reminder\r\nTRIGGER;RELATED=END:-PT15M\r\nEND:VALARM\r\n"
           "END:VTODO\r\nEND:VCALENDAR\r\n";
}

// A daily series as a desktop calendar keeps it: the first occurrence in Berlin time, with its zone.
QByteArray calendarSeries(const QByteArray& uid, const QByteArray& extra = {})
{
    return "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Interop Test//Calendar//EN\r\nBEGIN:VTIMEZONE\r\n"
           "TZID:Europe/Berlin\r\nBEGIN:STANDARD\r\nDTSTART:19701025T030000\r\n"
           "RRULE:FREQ=YEARLY;BYMONTH=10;BYDAY=-1SU\r\nTZOFFSETFROM:+0200\r\nTZOFFSETTO:+0100\r\nEND:STANDARD\r\n"
           "BEGIN:DAYLIGHT\r\nDTSTART:19700329T020000\r\nRRULE:FREQ=YEARLY;BYMONTH=3;BYDAY=-1SU\r\n"
           "TZOFFSETFROM:+0100\r\nTZOFFSETTO:+0200\r\nEND:DAYLIGHT\r\nEND:VTIMEZONE\r\nBEGIN:VTODO\r\nUID:" +
           uid + "\r\nDTSTAMP:20310101T000000Z\r\nSUMMARY:Series " + uid +
           "\r\nDTSTART;TZID=Europe/Berlin:20310401T090000\r\nDUE;TZID=Europe/Berlin:20310401T100000\r\n"
           "RRULE:FREQ=DAILY\r\n" +
           extra +
           "BEGIN:VALARM\r\nACTION:DISPLAY\r\nDESCRIPTION:Reminder\r\nTRIGGER;RELATED=END:-PT15M\r\nEND:VALARM\r\n"
           "END:VTODO\r\nEND:VCALENDAR\r\n";
}

// How a calendar client names one occurrence's snooze: its recurrence id in microseconds since the epoch.
QByteArray occurrenceSnoozeName(const QDateTime& recurrenceID)
{
    return "X-MOZ-SNOOZE-TIME-" + QByteArray::number(recurrenceID.toMSecsSinceEpoch() * 1000);
}

} // namespace

class AlarmSyncTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void acknowledgementsTravelBothWays()
    {
        test::IsolatedHome home;
        const QString root = home.dataHome() + QStringLiteral("/calendars");
        SyncRig rig(root, home.path() + QStringLiteral("/peers"));
        QString error;
        QVERIFY2(rig.setUp(&error), qPrintable(error));
        const QUrl collection = rig.collectionUrl(work);
        QCOMPARE(rig.dav().put(collection, QStringLiteral("a.ics"), phoneTodo("a", "20310405T100000Z")).status, 201);
        QCOMPARE(rig.dav().put(collection, QStringLiteral("b.ics"), phoneTodo("b", "20310405T110000Z")).status, 201);
        QVERIFY2(rig.sync(&error), qPrintable(error));

        test::DBusTestBus bus;
        test::FakeNotificationServer server(bus.connection(), {QStringLiteral("actions")});
        Preferences preferences(home.path() + QStringLiteral("/prefs.ini"));
        VdirStore store(root);
        NotificationClient client(bus.connect(QStringLiteral("app")));
        QDateTime now = utc("2031-04-05T09:00:00Z");
        AlarmService service(
            store, preferences, client, [] { return QStringList{SyncRig::listID(work)}; }, [&] { return now; });
        const auto refresh = [&] { QCoro::waitFor(service.refresh()); };
        refresh();
        QCOMPARE(service.scheduler().nextAlarm(), std::optional<QDateTime>(utc("2031-04-05T09:45:00Z")));

        now = utc("2031-04-05T09:45:00Z");
        service.scheduler().check();
        QTRY_COMPARE(service.openNotifications().size(), qsizetype(1));
        server.dismiss(service.openNotifications().constFirst());
        QTRY_COMPARE(service.openNotifications().size(), qsizetype(0));
        QVERIFY2(rig.sync(&error), qPrintable(error));
        const QList<DavItem> items = rig.dav().items(collection, &error);
        const auto onServer = std::find_if(items.cbegin(), items.cend(), [](const DavItem& item) {
            return valueOf(masterTodo(item.data), QStringLiteral("UID")) == QStringLiteral("a");
        });
        QVERIFY(onServer != items.cend());
        QVERIFY2(onServer->data.contains("X-MOZ-LASTACK:20310405T094500Z") &&
                     onServer->data.contains("ACKNOWLEDGED:20310405T094500Z"),
                 onServer->data.constData());

        refresh();
        QCOMPARE(service.scheduler().nextAlarm(), std::optional<QDateTime>(utc("2031-04-05T10:45:00Z")));
        // b rang on the phone at 10:45 and was dismissed there; the app syncs only at 10:50.
        const int status = rig.dav()
                               .put(collection, QStringLiteral("b.ics"),
                                    phoneTodo("b", "20310405T110000Z", "X-MOZ-LASTACK:20310405T104600Z\r\n"))
                               .status;
        QVERIFY2(status == 201 || status == 204, qPrintable(QString::number(status)));
        QVERIFY2(rig.sync(&error), qPrintable(error));
        QSignalSpy rang(&service.scheduler(), &AlarmScheduler::ringing);
        now = utc("2031-04-05T10:50:00Z");
        refresh();
        QCOMPARE(rang.size(), 0);
        QCOMPARE(service.scheduler().nextAlarm(), std::nullopt);
    }

    // One occurrence of a series snoozed here is named as calendar clients name it; one snoozed there holds the
    // alarm back here.
    void aSnoozedOccurrenceTravelsBothWays()
    {
        test::IsolatedHome home;
        const QString root = home.dataHome() + QStringLiteral("/calendars");
        SyncRig rig(root, home.path() + QStringLiteral("/peers"));
        QString error;
        QVERIFY2(rig.setUp(&error), qPrintable(error));
        const QUrl collection = rig.collectionUrl(work);
        const QDateTime fifth(QDate(2031, 4, 5), QTime(9, 0), QTimeZone("Europe/Berlin"));
        // The days before were dismissed on the desktop calendar.
        QCOMPARE(
            rig.dav()
                .put(collection, QStringLiteral("c.ics"), calendarSeries("c", "X-MOZ-LASTACK:20310404T080000Z\r\n"))
                .status,
            201);
        // Snoozed on the desktop calendar at 09:46 until 10:30, for the fifth only.
        QCOMPARE(rig.dav()
                     .put(collection, QStringLiteral("d.ics"),
                          calendarSeries("d", "X-MOZ-LASTACK:20310405T074600Z\r\n" + occurrenceSnoozeName(fifth) +
                                                  ":20310405T083000Z\r\n"))
                     .status,
                 201);
        QVERIFY2(rig.sync(&error), qPrintable(error));

        test::DBusTestBus bus;
        test::FakeNotificationServer server(bus.connection(), {QStringLiteral("actions")});
        Preferences preferences(home.path() + QStringLiteral("/prefs.ini"));
        VdirStore store(root);
        NotificationClient client(bus.connect(QStringLiteral("app")));
        QDateTime now = utc("2031-04-05T07:40:00Z");
        AlarmService service(
            store, preferences, client, [] { return QStringList{SyncRig::listID(work)}; }, [&] { return now; });
        QCoro::waitFor(service.refresh());
        QCOMPARE(service.scheduler().nextAlarm(), std::optional<QDateTime>(utc("2031-04-05T07:45:00Z")));

        QSignalSpy rang(&service.scheduler(), &AlarmScheduler::ringing);
        now = utc("2031-04-05T07:45:00Z");
        service.scheduler().check();
        QTRY_COMPARE(service.openNotifications().size(), qsizetype(1));
        QCOMPARE(rang.size(), 1);
        server.invokeAction(service.openNotifications().constFirst(), QStringLiteral("snooze"));
        QTRY_COMPARE(service.openNotifications().size(), qsizetype(0));
        QVERIFY2(rig.sync(&error), qPrintable(error));
        const QList<DavItem> items = rig.dav().items(collection, &error);
        const auto onServer = std::find_if(items.cbegin(), items.cend(), [](const DavItem& item) {
            return valueOf(masterTodo(item.data), QStringLiteral("UID")) == QStringLiteral("c");
        });
        QVERIFY(onServer != items.cend());
        QVERIFY2(onServer->data.contains(occurrenceSnoozeName(fifth) + ":20310405T075500Z") &&
                     onServer->data.contains("X-MOZ-LASTACK:20310405T074500Z"),
                 onServer->data.constData());

        // c rings again at the end of its snooze, d at the end of the one set on the desktop.
        QCoro::waitFor(service.refresh());
        QCOMPARE(service.scheduler().nextAlarm(), std::optional<QDateTime>(utc("2031-04-05T07:55:00Z")));
        now = utc("2031-04-05T08:00:00Z");
        service.scheduler().check();
        QTRY_COMPARE(rang.size(), 2);
        QCOMPARE(service.scheduler().nextAlarm(), std::optional<QDateTime>(utc("2031-04-05T08:30:00Z")));
    }
};

QTEST_GUILESS_MAIN(AlarmSyncTest)
#include "AlarmSyncTest.moc"
