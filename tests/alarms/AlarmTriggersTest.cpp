#include "alarms/AlarmTriggers.h"
#include "TestSupport.h"
#include "store/TodoDocument.h"

#include <QTest>

using namespace tolvik;

namespace {

QDateTime utc(const char* text)
{
    return QDateTime::fromString(QString::fromLatin1(text), Qt::ISODate).toUTC();
}

QList<QDateTime> momentsOf(const QList<AlarmTrigger>& triggers)
{
    QList<QDateTime> moments;
    for (const AlarmTrigger& trigger : triggers) {
        moments.append(trigger.at.toUTC());
    }
    return moments;
}

QByteArray valarm(const QByteArray& lines)
{
    return "BEGIN:VALARM\r\n" + lines + "END:VALARM\r\n";
}

} // namespace

class AlarmTriggersTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void ringsAt_data()
    {
        QTest::addColumn<QByteArray>("lines");
        QTest::addColumn<QList<QDateTime>>("expected");

        const QByteArray due = "DUE:20261210T100000Z\r\n";
        const QByteArray start = "DTSTART:20261210T080000Z\r\n";
        QTest::newRow("due time, no alarm") << due << QList<QDateTime>{utc("2026-12-10T10:00:00Z")};
        QTest::newRow("absolute") << due + valarm("ACTION:DISPLAY\r\nTRIGGER;VALUE=DATE-TIME:20261209T070000Z\r\n")
                                  << QList<QDateTime>{utc("2026-12-09T07:00:00Z")};
        QTest::newRow("relative to the due time") << due + valarm("ACTION:DISPLAY\r\nTRIGGER;RELATED=END:-PT15M\r\n")
                                                  << QList<QDateTime>{utc("2026-12-10T09:45:00Z")};
        QTest::newRow("at the due time, as phones write it")
            << due + valarm("ACTION:AUDIO\r\nTRIGGER;RELATED=END:PT0S\r\n")
            << QList<QDateTime>{utc("2026-12-10T10:00:00Z")};
        QTest::newRow("relative to the start by default") << due + start + valarm("ACTION:DISPLAY\r\nTRIGGER:-PT1H\r\n")
                                                          << QList<QDateTime>{utc("2026-12-10T07:00:00Z")};
        QTest::newRow("relative to a missing start uses the due time")
            << due + valarm("ACTION:DISPLAY\r\nTRIGGER;RELATED=START:-PT1H\r\n")
            << QList<QDateTime>{utc("2026-12-10T09:00:00Z")};
        QTest::newRow("repeat and duration")
            << due + valarm("ACTION:DISPLAY\r\nTRIGGER;RELATED=END:PT0S\r\nREPEAT:2\r\nDURATION:PT5M\r\n")
            << QList<QDateTime>{utc("2026-12-10T10:00:00Z"), utc("2026-12-10T10:05:00Z"), utc("2026-12-10T10:10:00Z")};
        QTest::newRow("repeat without duration rings once")
            << due + valarm("ACTION:DISPLAY\r\nTRIGGER;RELATED=END:PT0S\r\nREPEAT:2\r\n")
            << QList<QDateTime>{utc("2026-12-10T10:00:00Z")};
        QTest::newRow("two alarms, in time order")
            << due + valarm("ACTION:DISPLAY\r\nTRIGGER;RELATED=END:PT0S\r\n") +
                   valarm("ACTION:DISPLAY\r\nTRIGGER;RELATED=END:-P1D\r\n")
            << QList<QDateTime>{utc("2026-12-09T10:00:00Z"), utc("2026-12-10T10:00:00Z")};
        QTest::newRow("an e-mail alarm does not ring, the due time does")
            << due + valarm("ACTION:EMAIL\r\nTRIGGER;RELATED=END:-PT1H\r\n")
            << QList<QDateTime>{utc("2026-12-10T10:00:00Z")};
        QTest::newRow("no due date, no alarm") << QByteArray() << QList<QDateTime>{};
        QTest::newRow("completed") << due + "STATUS:COMPLETED\r\n" << QList<QDateTime>{};
        QTest::newRow("repeating: the current occurrence")
            << due + "RRULE:FREQ=DAILY\r\n" + valarm("ACTION:DISPLAY\r\nTRIGGER;RELATED=END:-PT10M\r\n")
            << QList<QDateTime>{utc("2026-12-10T09:50:00Z")};
        QTest::newRow("acknowledged by another client (LASTACK)") << due + "X-MOZ-LASTACK:20261210T100000Z\r\n"
                                                                  << QList<QDateTime>{};
        QTest::newRow("one of two alarms acknowledged")
            << due + valarm("ACTION:DISPLAY\r\nTRIGGER;RELATED=END:-PT1H\r\nACKNOWLEDGED:20261210T090100Z\r\n") +
                   valarm("ACTION:DISPLAY\r\nTRIGGER;RELATED=END:PT0S\r\n")
            << QList<QDateTime>{utc("2026-12-10T10:00:00Z")};
        QTest::newRow("an old acknowledgement does not silence a later ring")
            << due + "X-MOZ-LASTACK:20261201T000000Z\r\n"
            << QList<QDateTime>{utc("2026-12-10T10:00:00Z")};
        QTest::newRow("snoozed past the due time by another client")
            << due + "X-MOZ-LASTACK:20261210T100000Z\r\nX-MOZ-SNOOZE-TIME:20261210T101000Z\r\n"
            << QList<QDateTime>{utc("2026-12-10T10:10:00Z")};
        QTest::newRow("a later snooze holds back an alarm before it") << due + "X-MOZ-SNOOZE-TIME:20261210T110000Z\r\n"
                                                                      << QList<QDateTime>{utc("2026-12-10T11:00:00Z")};
        QTest::newRow("a huge repeat is bounded")
            << due + valarm("ACTION:DISPLAY\r\nTRIGGER;RELATED=END:PT0S\r\nREPEAT:100000000\r\nDURATION:PT1M\r\n")
            << [] {
                   QList<QDateTime> moments;
                   for (int i = 0; i <= 100; ++i) {
                       moments.append(utc("2026-12-10T10:00:00Z").addSecs(60 * i));
                   }
                   return moments;
               }();
    }

    void ringsAt()
    {
        QFETCH(QByteArray, lines);
        QFETCH(QList<QDateTime>, expected);
        const auto document = TodoDocument::parse(test::todoFile("a", "A", lines));
        QVERIFY(document);
        QCOMPARE(momentsOf(pendingTriggers(document->toReminder(), TriggerContext{})), expected);
    }

    void wholeDaysRingAtTheChosenTime()
    {
        const auto document = TodoDocument::parse(test::todoFile("a", "A", "DUE;VALUE=DATE:20261210\r\n"));
        QVERIFY(document);
        const StoreReminder reminder = document->toReminder();
        for (const QTime time : {QTime(9, 0), QTime(7, 30)}) {
            QCOMPARE(momentsOf(pendingTriggers(reminder, TriggerContext{time, QTimeZone::systemTimeZone(), {}})),
                     QList<QDateTime>{QDateTime(QDate(2026, 12, 10), time).toUTC()});
        }
    }

    void nextTriggerSkipsWhatIsPast()
    {
        QList<StoreReminder> reminders;
        for (const char* due : {"20261210T100000Z", "20261210T080000Z", "20261211T080000Z"}) {
            reminders.append(
                TodoDocument::parse(test::todoFile("a", "A", QByteArray("DUE:") + due + "\r\n"))->toReminder());
        }
        QCOMPARE(nextTriggerAfter(reminders, utc("2026-12-10T09:00:00Z"), TriggerContext{}),
                 std::optional<QDateTime>(utc("2026-12-10T10:00:00Z")));
        QCOMPARE(nextTriggerAfter(reminders, utc("2026-12-12T00:00:00Z"), TriggerContext{}), std::nullopt);
    }
};

QTEST_GUILESS_MAIN(AlarmTriggersTest)
#include "AlarmTriggersTest.moc"
