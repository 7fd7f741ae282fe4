// Alerts travel through CalDAV: one chosen in the app reaches a Radicale server through vdirsyncer as the VALARM
// phones read, leaving a phone's other alarm as it was; one changed on the server shows in the form after the next
// sync; "None" survives the round trip.
#include "IcsText.h"
#include "ModelHarness.h"
#include "SyncRig.h"
#include "TestSupport.h"
#include "rows/AlertPicker.h"
#include "rows/FormFields.h"
#include "rows/ReminderFormView.h"

#include <QTest>

using namespace tolvik;
using namespace tolvik::interop;

namespace {

const QString work = QStringLiteral("work");
const QByteArray laterAlarm = "BEGIN:VALARM\r\nACTION:DISPLAY\r\nDESCRIPTION:Leave "
                              "now\r\nTRIGGER;RELATED=END:-PT10M\r\nX-PHONE:1\r\nEND:VALARM\r\n";

QByteArray phoneTodo(const QByteArray& firstTrigger)
{
    return "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Interop Test//Phone//EN\r\nBEGIN:VTODO\r\nUID:dentist\r\n"
           "DTSTAMP:20300101T000000Z\r\nSUMMARY:Dentist\r\nDUE:20310405T100000Z\r\nBEGIN:VALARM\r\nACTION:DISPLAY\r\n"
           "DESCRIPTION:Dentist\r\n" +
           firstTrigger + "\r\nEND:VALARM\r\n" + laterAlarm + "END:VTODO\r\nEND:VCALENDAR\r\n";
}

QByteArray serverCopy(SyncRig& rig)
{
    QString error;
    for (const DavItem& item : rig.dav().items(rig.collectionUrl(work), &error)) {
        if (valueOf(masterTodo(item.data), QStringLiteral("UID")) == QStringLiteral("dentist")) {
            return item.data;
        }
    }
    return {};
}

// What the edit form shows for the reminder as the app has it now.
QString pickerText(const ReminderItem& reminder)
{
    ReminderFormState state = ReminderFormState::from(reminder, QDateTime::currentDateTime());
    ReminderFormView form(&state, QStringLiteral("button.save"));
    return form.alertPicker()->picker()->currentText();
}

} // namespace

class AlertSyncTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void alertsTravelBothWays()
    {
        test::IsolatedHome home;
        const QString root = home.dataHome() + QStringLiteral("/calendars");
        SyncRig rig(root, home.path() + QStringLiteral("/peers"));
        QString error;
        QVERIFY2(rig.setUp(&error), qPrintable(error));
        QCOMPARE(
            rig.dav()
                .put(rig.collectionUrl(work), QStringLiteral("dentist.ics"), phoneTodo("TRIGGER;RELATED=END:-PT15M"))
                .status,
            201);
        QVERIFY2(rig.sync(&error), qPrintable(error));
        ModelHarness harness(root, home.path() + QStringLiteral("/prefs.ini"));
        harness.refresh();
        std::optional<ReminderItem> dentist = harness.reminder(QStringLiteral("Dentist"));
        QVERIFY(dentist);
        QCOMPARE(pickerText(*dentist), QStringLiteral("15 minutes before"));

        // The app's choice reaches the server; the phone's second alarm is untouched.
        const ReminderFields opened{dentist->title,
                                    dentist->notes,
                                    dentist->dueDate,
                                    dentist->priority,
                                    dentist->recurrence,
                                    dentist->dueIsAllDay,
                                    alertOf(dentist->alarms, dentist->alertSilenced)};
        QCOMPARE(harness.wait(harness.model().updateReminder(
                     dentist->id, dentist->title, dentist->notes, dentist->dueDate, dentist->priority,
                     dentist->recurrence, opened, dentist->dueIsAllDay, ReminderAlert::before(3600))),
                 QString());
        QVERIFY2(rig.sync(&error), qPrintable(error));
        // The server writes the file its own way (its order of lines); what each alarm holds is what counts.
        QByteArray onServer = serverCopy(rig);
        const qsizetype second = onServer.indexOf("BEGIN:VALARM", onServer.indexOf("BEGIN:VALARM") + 1);
        QVERIFY2(onServer.count("BEGIN:VALARM") == 2 && onServer.indexOf("TRIGGER;RELATED=END:-PT1H") < second &&
                     onServer.indexOf("TRIGGER;RELATED=END:-PT10M") > second &&
                     onServer.indexOf("DESCRIPTION:Leave now") > second && onServer.indexOf("X-PHONE:1") > second,
                 onServer.constData());

        // The phone moves it to 30 minutes before; the form shows that after the next sync.
        const int status =
            rig.dav()
                .put(rig.collectionUrl(work), QStringLiteral("dentist.ics"), phoneTodo("TRIGGER;RELATED=END:-PT30M"))
                .status;
        QVERIFY2(status == 201 || status == 204, qPrintable(QString::number(status)));
        QVERIFY2(rig.sync(&error), qPrintable(error));
        harness.refresh();
        dentist = harness.reminder(QStringLiteral("Dentist"));
        QCOMPARE(pickerText(*dentist), QStringLiteral("30 minutes before"));

        // "None" survives the server: no alarms, and the mark that keeps the app from ringing at the due time.
        QCOMPARE(harness.wait(harness.model().updateReminder(
                     dentist->id, dentist->title, dentist->notes, dentist->dueDate, dentist->priority,
                     dentist->recurrence, std::nullopt, dentist->dueIsAllDay, ReminderAlert::silenced())),
                 QString());
        QVERIFY2(rig.sync(&error), qPrintable(error));
        onServer = serverCopy(rig);
        QVERIFY2(onServer.contains("X-TOLVIK-ALERT:NONE") && !onServer.contains("VALARM"), onServer.constData());
        QVERIFY2(rig.sync(&error), qPrintable(error));
        harness.refresh();
        QVERIFY(harness.reminder(QStringLiteral("Dentist"))->alertSilenced);
        QCOMPARE(pickerText(*harness.reminder(QStringLiteral("Dentist"))), QStringLiteral("None"));
    }
};

QTEST_MAIN(AlertSyncTest)
#include "AlertSyncTest.moc"
