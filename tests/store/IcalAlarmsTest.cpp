#include "store/TodoDocument.h"

#include "TestSupport.h"

#include <QTest>

using namespace tolvik;

namespace {

const QDateTime now(QDate(2026, 12, 10), QTime(10, 0), QTimeZone::utc());
const QByteArray stateLines = "X-MOZ-LASTACK:20261201T080000Z\r\nX-MOZ-SNOOZE-TIME:20261201T081000Z\r\n"
                              "BEGIN:VALARM\r\nACTION:DISPLAY\r\nTRIGGER;RELATED=END:-PT15M\r\n"
                              "ACKNOWLEDGED:20261201T080000Z\r\nUID:alarm-1\r\nEND:VALARM\r\n";

enum class Edit
{
    title,
    alarmsOfAnotherVersion,
    clearedAcknowledgement,
    clearedSnooze,
};

} // namespace

class IcalAlarmsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // A save that does not acknowledge leaves what other clients wrote about the alarms as it was.
    void otherEditsKeepTheAlarmState_data()
    {
        QTest::addColumn<Edit>("edit");
        QTest::addColumn<QByteArray>("snoozeLine");
        QTest::newRow("title") << Edit::title << QByteArray("X-MOZ-SNOOZE-TIME:20261201T081000Z");
        QTest::newRow("a record without the alarms")
            << Edit::alarmsOfAnotherVersion << QByteArray("X-MOZ-SNOOZE-TIME:20261201T081000Z");
        QTest::newRow("acknowledgement absent in the record")
            << Edit::clearedAcknowledgement << QByteArray("X-MOZ-SNOOZE-TIME:20261201T081000Z");
        QTest::newRow("a dismissal ends the snooze") << Edit::clearedSnooze << QByteArray();
    }
    void otherEditsKeepTheAlarmState()
    {
        QFETCH(Edit, edit);
        QFETCH(QByteArray, snoozeLine);
        auto document = TodoDocument::parse(test::todoFile("a", "A", "DUE:20261210T100000Z\r\n" + stateLines));
        QVERIFY(document);
        const StoreReminder base = document->toReminder();
        QCOMPARE(base.alarms.size(), 1);
        StoreReminder changed = base;
        switch (edit) {
        case Edit::title:
            changed.title = QStringLiteral("B");
            break;
        case Edit::alarmsOfAnotherVersion:
            changed.alarms.clear();
            changed.alarms.append(StoreAlarm{});
            changed.alarms.append(StoreAlarm{});
            break;
        case Edit::clearedAcknowledgement:
            changed.lastAcknowledged.reset();
            changed.alarms[0].acknowledged.reset();
            break;
        case Edit::clearedSnooze:
            changed.snoozedUntil.reset();
            break;
        }
        document->applyChanges(base, changed, now);
        const QByteArray written = document->serialize().value_or(QByteArray());
        QCOMPARE(test::lineStarting(written, "X-MOZ-LASTACK"), QByteArray("X-MOZ-LASTACK:20261201T080000Z"));
        QCOMPARE(test::lineStarting(written, "ACKNOWLEDGED"), QByteArray("ACKNOWLEDGED:20261201T080000Z"));
        QCOMPARE(test::lineStarting(written, "X-MOZ-SNOOZE-TIME"), snoozeLine);
        QCOMPARE(written.count("UID:"), 2);
    }
};

QTEST_GUILESS_MAIN(IcalAlarmsTest)
#include "IcalAlarmsTest.moc"
