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
};

QTEST_GUILESS_MAIN(AlarmSyncTest)
#include "AlarmSyncTest.moc"
