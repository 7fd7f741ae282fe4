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

// A file of one to-do with `todo` lines, then further components (time zones, overrides) of the same UID.
QByteArray file(const QByteArray& todo, const QByteArray& others = {})
{
    return "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//test//"
           "EN\r\nBEGIN:VTODO\r\nUID:a\r\nDTSTAMP:20260101T000000Z\r\n"
           "SUMMARY:A\r\n" +
           todo + "END:VTODO\r\n" + others + "END:VCALENDAR\r\n";
}

QByteArray override(const QByteArray& lines)
{
    return "BEGIN:VTODO\r\nUID:a\r\nDTSTAMP:20260101T000000Z\r\nSUMMARY:A\r\n" + lines + "END:VTODO\r\n";
}

// Outlook's way: a zone defined in the file under a name that is no zone's, here one hour east of UTC all year.
const QByteArray customZone = "BEGIN:VTIMEZONE\r\nTZID:Customized Time Zone\r\nBEGIN:STANDARD\r\n"
                              "DTSTART:16010101T000000\r\nTZOFFSETFROM:+0100\r\nTZOFFSETTO:+0100\r\nEND:STANDARD\r\n"
                              "END:VTIMEZONE\r\n";
// A definition that differs from the zone its name suggests: by definition, Berlin without summer time.
const QByteArray redefinedZone = "BEGIN:VTIMEZONE\r\nTZID:W. Europe Standard Time\r\nBEGIN:STANDARD\r\n"
                                 "DTSTART:16010101T000000\r\nTZOFFSETFROM:+0100\r\nTZOFFSETTO:+0100\r\nEND:STANDARD\r\n"
                                 "END:VTIMEZONE\r\n";

} // namespace

class AlarmTriggersTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Each row: the user's zone, the file, a "now", and every ring in the two days from then.
    void ringsAt_data()
    {
        QTest::addColumn<QByteArray>("zone");
        QTest::addColumn<QByteArray>("ics");
        QTest::addColumn<QDateTime>("now");
        QTest::addColumn<QList<QDateTime>>("expected");
        using Moments = QList<QDateTime>;
        const QByteArray berlin = "Europe/Berlin";
        const QByteArray newYork = "America/New_York";
        const QByteArray sydney = "Australia/Sydney";
        const QByteArray due = "DUE:20261210T100000Z\r\n";
        const QDateTime dec9 = utc("2026-12-09T00:00:00Z");

        // Plain shapes.
        QTest::newRow("due time, no alarm") << berlin << file(due) << dec9 << Moments{utc("2026-12-10T10:00:00Z")};
        QTest::newRow("absolute") << berlin
                                  << file(due +
                                          valarm("ACTION:DISPLAY\r\nTRIGGER;VALUE=DATE-TIME:20261209T070000Z\r\n"))
                                  << dec9 << Moments{utc("2026-12-09T07:00:00Z")};
        QTest::newRow("relative to the due time")
            << berlin << file(due + valarm("ACTION:DISPLAY\r\nTRIGGER;RELATED=END:-PT15M\r\n")) << dec9
            << Moments{utc("2026-12-10T09:45:00Z")};
        QTest::newRow("relative to the start by default")
            << berlin << file(due + "DTSTART:20261210T080000Z\r\n" + valarm("ACTION:DISPLAY\r\nTRIGGER:-PT1H\r\n"))
            << dec9 << Moments{utc("2026-12-10T07:00:00Z")};
        QTest::newRow("repeat and duration")
            << berlin
            << file(due + valarm("ACTION:DISPLAY\r\nTRIGGER;RELATED=END:PT0S\r\nREPEAT:2\r\nDURATION:PT5M\r\n")) << dec9
            << Moments{utc("2026-12-10T10:00:00Z"), utc("2026-12-10T10:05:00Z"), utc("2026-12-10T10:10:00Z")};
        QTest::newRow("an e-mail alarm does not ring, the due time does")
            << berlin << file(due + valarm("ACTION:EMAIL\r\nTRIGGER;RELATED=END:-PT1H\r\n")) << dec9
            << Moments{utc("2026-12-10T10:00:00Z")};
        QTest::newRow("completed") << berlin << file(due + "STATUS:COMPLETED\r\n") << dec9 << Moments{};
        QTest::newRow("silenced by the user") << berlin << file(due + "X-TOLVIK-ALERT:NONE\r\n") << dec9 << Moments{};
        QTest::newRow("silenced, but with an alarm another client added")
            << berlin
            << file(due + "X-TOLVIK-ALERT:NONE\r\n" + valarm("ACTION:DISPLAY\r\nTRIGGER;RELATED=END:-PT1H\r\n")) << dec9
            << Moments{utc("2026-12-10T09:00:00Z")};
        QTest::newRow("one of two alarms acknowledged")
            << berlin
            << file(due + valarm("ACTION:DISPLAY\r\nTRIGGER;RELATED=END:-PT1H\r\nACKNOWLEDGED:20261210T090100Z\r\n") +
                    valarm("ACTION:DISPLAY\r\nTRIGGER;RELATED=END:PT0S\r\n"))
            << dec9 << Moments{utc("2026-12-10T10:00:00Z")};
        QTest::newRow("snoozed past the due time by another client")
            << berlin << file(due + "X-MOZ-LASTACK:20261210T100000Z\r\nX-MOZ-SNOOZE-TIME:20261210T101000Z\r\n") << dec9
            << Moments{utc("2026-12-10T10:10:00Z")};

        // Acknowledgements and snoozes as several clients leave them.
        QTest::newRow("the latest of two LASTACKs counts, first")
            << berlin << file(due + "X-MOZ-LASTACK:20261210T100000Z\r\nX-MOZ-LASTACK:20261201T000000Z\r\n") << dec9
            << Moments{};
        QTest::newRow("the latest of two LASTACKs counts, second")
            << berlin << file(due + "X-MOZ-LASTACK:20261201T000000Z\r\nX-MOZ-LASTACK:20261210T100000Z\r\n") << dec9
            << Moments{};
        QTest::newRow("a snooze that ends before the alarm is stale")
            << berlin << file(due + "X-MOZ-SNOOZE-TIME:20261209T081000Z\r\n") << dec9
            << Moments{utc("2026-12-10T10:00:00Z")};

        // Days are calendar days (RFC 5545 3.3.6), whatever the clocks do in between.
        QTest::newRow("Berlin, a day before a due after the spring change")
            << berlin
            << file("DUE;TZID=Europe/Berlin:20260329T100000\r\n" +
                    valarm("ACTION:DISPLAY\r\nTRIGGER;RELATED=END:-P1D\r\n"))
            << utc("2026-03-28T00:00:00Z")
            << Moments{
                   utc("2026-03-28T09:00:00Z"),
               };
        QTest::newRow("Berlin, 24 hours are exact")
            << berlin
            << file("DUE;TZID=Europe/Berlin:20260329T100000\r\n" +
                    valarm("ACTION:DISPLAY\r\nTRIGGER;RELATED=END:-PT24H\r\n"))
            << utc("2026-03-28T00:00:00Z") << Moments{utc("2026-03-28T08:00:00Z")};
        QTest::newRow("Berlin, a day before a due after the autumn change")
            << berlin
            << file("DUE;TZID=Europe/Berlin:20261025T100000\r\n" +
                    valarm("ACTION:DISPLAY\r\nTRIGGER;RELATED=END:-P1D\r\n"))
            << utc("2026-10-24T00:00:00Z") << Moments{utc("2026-10-24T08:00:00Z")};
        QTest::newRow("New York, a week before, across the spring change")
            << newYork
            << file("DUE;TZID=America/New_York:20260310T090000\r\n" +
                    valarm("ACTION:DISPLAY\r\nTRIGGER;RELATED=END:-P1W\r\n"))
            << utc("2026-03-03T00:00:00Z") << Moments{utc("2026-03-03T14:00:00Z")};
        QTest::newRow("New York, a day after, across the autumn change")
            << newYork
            << file("DUE;TZID=America/New_York:20261031T090000\r\n" +
                    valarm("ACTION:DISPLAY\r\nTRIGGER;RELATED=END:P1D\r\n"))
            << utc("2026-11-01T00:00:00Z") << Moments{utc("2026-11-01T14:00:00Z")};
        QTest::newRow("Sydney, a day and a half hour before, across the spring change")
            << sydney
            << file("DUE;TZID=Australia/Sydney:20261004T120000\r\n" +
                    valarm("ACTION:DISPLAY\r\nTRIGGER;RELATED=END:-P1DT30M\r\n"))
            << utc("2026-10-02T00:00:00Z") << Moments{utc("2026-10-03T01:30:00Z")};
        QTest::newRow("Sydney, a day before, across the autumn change")
            << sydney
            << file("DUE;TZID=Australia/Sydney:20260405T120000\r\n" +
                    valarm("ACTION:DISPLAY\r\nTRIGGER;RELATED=END:-P1D\r\n"))
            << utc("2026-04-03T00:00:00Z") << Moments{utc("2026-04-04T01:00:00Z")};

        // Times the clocks skip ring with the offset before the change; repeated times ring at their first instance.
        QTest::newRow("Berlin, in the spring gap")
            << berlin << file("DUE;TZID=Europe/Berlin:20260329T023000\r\n") << utc("2026-03-28T12:00:00Z")
            << Moments{utc("2026-03-29T01:30:00Z")};
        QTest::newRow("Berlin, in the autumn overlap")
            << berlin << file("DUE;TZID=Europe/Berlin:20261025T023000\r\n") << utc("2026-10-24T12:00:00Z")
            << Moments{utc("2026-10-25T00:30:00Z")};
        QTest::newRow("New York, in the spring gap")
            << newYork << file("DUE;TZID=America/New_York:20260308T023000\r\n") << utc("2026-03-07T12:00:00Z")
            << Moments{utc("2026-03-08T07:30:00Z")};
        QTest::newRow("New York, in the autumn overlap")
            << newYork << file("DUE;TZID=America/New_York:20261101T013000\r\n") << utc("2026-10-31T12:00:00Z")
            << Moments{utc("2026-11-01T05:30:00Z")};
        QTest::newRow("Sydney, in the spring gap")
            << sydney << file("DUE;TZID=Australia/Sydney:20261004T023000\r\n") << utc("2026-10-03T00:00:00Z")
            << Moments{utc("2026-10-03T16:30:00Z")};
        QTest::newRow("Sydney, in the autumn overlap")
            << sydney << file("DUE;TZID=Australia/Sydney:20260405T023000\r\n") << utc("2026-04-04T00:00:00Z")
            << Moments{utc("2026-04-04T15:30:00Z")};
        QTest::newRow("floating, in the user's spring gap")
            << newYork << file("DUE:20260308T023000\r\n") << utc("2026-03-07T12:00:00Z")
            << Moments{utc("2026-03-08T07:30:00Z")};

        // Whole days: alarms count from the day's start; without alarms the chosen time rings.
        QTest::newRow("all day, on the day at 9 (RELATED=START:PT9H)")
            << berlin
            << file("DTSTART;VALUE=DATE:20261210\r\nDUE;VALUE=DATE:20261211\r\n" +
                    valarm("ACTION:DISPLAY\r\nTRIGGER;RELATED=START:PT9H\r\n"))
            << dec9 << Moments{utc("2026-12-10T08:00:00Z")};
        QTest::newRow("all day, 15 minutes before the due day")
            << newYork
            << file("DUE;VALUE=DATE:20261210\r\n" + valarm("ACTION:DISPLAY\r\nTRIGGER;RELATED=END:-PT15M\r\n")) << dec9
            << Moments{utc("2026-12-10T04:45:00Z")};
        QTest::newRow("all day, no alarm, at the chosen time")
            << sydney << file("DUE;VALUE=DATE:20261210\r\n") << dec9.addDays(-1)
            << Moments{utc("2026-12-09T22:00:00Z")};

        // An alarm related to what the to-do lacks has no time (RFC 5545 3.8.6.3).
        QTest::newRow("RELATED=END without a due")
            << berlin
            << file("DTSTART:20261210T080000Z\r\n" + valarm("ACTION:DISPLAY\r\nTRIGGER;RELATED=END:-PT1H\r\n")) << dec9
            << Moments{};
        QTest::newRow("RELATED=START without a start")
            << berlin << file(due + valarm("ACTION:DISPLAY\r\nTRIGGER:-PT1H\r\n")) << dec9 << Moments{};
        QTest::newRow("RELATED=END with a start and a duration")
            << berlin
            << file("DTSTART:20261210T080000Z\r\nDURATION:PT2H\r\n" +
                    valarm("ACTION:DISPLAY\r\nTRIGGER;RELATED=END:-PT15M\r\n"))
            << dec9 << Moments{utc("2026-12-10T09:45:00Z")};

        // Zones by their definition.
        QTest::newRow("a zone the file defines under its own name")
            << newYork << file("DUE;TZID=Customized Time Zone:20260701T090000\r\n", customZone)
            << utc("2026-07-01T00:00:00Z") << Moments{utc("2026-07-01T08:00:00Z")};
        QTest::newRow("a Windows name defined differently in the file")
            << newYork << file("DUE;TZID=W. Europe Standard Time:20260701T090000\r\n", redefinedZone)
            << utc("2026-07-01T00:00:00Z") << Moments{utc("2026-07-01T08:00:00Z")};
        QTest::newRow("a Windows name without a definition")
            << newYork << file("DUE;TZID=W. Europe Standard Time:20260701T090000\r\n") << utc("2026-07-01T00:00:00Z")
            << Moments{utc("2026-07-01T07:00:00Z")};
    }

    // Series as each client keeps them: the first occurrence with EXDATEs and overrides (calendar clients, DAVx5),
    // or the DUE moved on in place (phone task apps).
    void seriesRingAt_data()
    {
        QTest::addColumn<QByteArray>("zone");
        QTest::addColumn<QByteArray>("ics");
        QTest::addColumn<QDateTime>("now");
        QTest::addColumn<QList<QDateTime>>("expected");
        using Moments = QList<QDateTime>;
        const QByteArray berlin = "Europe/Berlin";
        const QDateTime dec8 = utc("2026-12-08T00:00:00Z");
        const QByteArray daily =
            "DTSTART;TZID=Europe/Berlin:20261201T090000\r\nDUE;TZID=Europe/Berlin:20261201T100000\r\n"
            "RRULE:FREQ=DAILY\r\n" +
            valarm("ACTION:DISPLAY\r\nTRIGGER;RELATED=END:-PT15M\r\n");
        const Moments both{utc("2026-12-08T08:45:00Z"), utc("2026-12-09T08:45:00Z")};

        QTest::newRow("a daily series begun a week ago rings today") << berlin << file(daily) << dec8 << both;
        QTest::newRow("a silenced daily series without alarms rings never")
            << berlin << file("DUE;TZID=Europe/Berlin:20261201T100000\r\nRRULE:FREQ=DAILY\r\nX-TOLVIK-ALERT:NONE\r\n")
            << dec8 << Moments{};
        QTest::newRow("an excluded occurrence does not ring")
            << berlin << file(daily + "EXDATE;TZID=Europe/Berlin:20261208T090000\r\n") << dec8 << both.mid(1);
        QTest::newRow("an excluded occurrence, in UTC")
            << berlin << file(daily + "EXDATE:20261208T080000Z\r\n") << dec8 << both.mid(1);
        QTest::newRow("an occurrence completed in its override does not ring")
            << berlin
            << file(daily, override("RECURRENCE-ID;TZID=Europe/Berlin:20261208T090000\r\nSTATUS:COMPLETED\r\n"
                                    "DTSTART;TZID=Europe/Berlin:20261208T090000\r\n"))
            << dec8 << both.mid(1);
        QTest::newRow("an override rings at its own time with its own alarm")
            << berlin
            << file(daily, override("RECURRENCE-ID;TZID=Europe/Berlin:20261208T090000\r\n"
                                    "DTSTART;TZID=Europe/Berlin:20261208T140000\r\n"
                                    "DUE;TZID=Europe/Berlin:20261208T150000\r\n" +
                                    valarm("ACTION:DISPLAY\r\nTRIGGER;RELATED=END:-PT30M\r\n")))
            << dec8 << Moments{utc("2026-12-08T13:30:00Z"), utc("2026-12-09T08:45:00Z")};
        QTest::newRow("LASTACK silences the occurrences before it")
            << berlin << file(daily + "X-MOZ-LASTACK:20261208T090000Z\r\n") << dec8 << both.mid(1);
        QTest::newRow("one occurrence snoozed by its recurrence id")
            << berlin
            << file(daily + "X-MOZ-LASTACK:20261208T084600Z\r\nX-MOZ-SNOOZE-TIME-1796716800000000:20261208T093000Z\r\n")
            << dec8 << Moments{utc("2026-12-08T09:30:00Z"), utc("2026-12-09T08:45:00Z")};
        QTest::newRow("a snooze of one occurrence ending before it rang is stale")
            << berlin << file(daily + "X-MOZ-SNOOZE-TIME-1796716800000000:20261207T000000Z\r\n") << dec8 << both;
        QTest::newRow("COUNT ends the series") << berlin << file("DUE:20261206T100000Z\r\nRRULE:FREQ=DAILY;COUNT=3\r\n")
                                               << dec8 << Moments{utc("2026-12-08T10:00:00Z")};
        QTest::newRow("UNTIL ends the series")
            << berlin << file("DUE:20261201T100000Z\r\nRRULE:FREQ=DAILY;UNTIL=20261208T235959Z\r\n") << dec8
            << Moments{utc("2026-12-08T10:00:00Z")};
        QTest::newRow("RDATE adds an occurrence")
            << berlin << file("DUE:20261201T100000Z\r\nRRULE:FREQ=WEEKLY\r\nRDATE:20261209T150000Z\r\n") << dec8
            << Moments{utc("2026-12-08T10:00:00Z"), utc("2026-12-09T15:00:00Z")};
        QTest::newRow("weekly on two days, moved on in place")
            << QByteArray("America/New_York")
            << file("DUE;TZID=America/New_York:20261207T080000\r\nRRULE:FREQ=WEEKLY;BYDAY=MO,WE\r\n") << dec8
            << Moments{utc("2026-12-09T13:00:00Z")};
        QTest::newRow("the last day of every month, all day")
            << QByteArray("Australia/Sydney") << file("DUE;VALUE=DATE:20261031\r\nRRULE:FREQ=MONTHLY;BYMONTHDAY=-1\r\n")
            << utc("2026-12-30T00:00:00Z") << Moments{utc("2026-12-30T22:00:00Z")};
        QTest::newRow("daily at 02:30 into the spring gap")
            << berlin << file("DUE;TZID=Europe/Berlin:20260327T023000\r\nRRULE:FREQ=DAILY\r\n")
            << utc("2026-03-28T00:00:00Z") << Moments{utc("2026-03-28T01:30:00Z"), utc("2026-03-29T01:30:00Z")};
        QTest::newRow("daily at 02:30 keeps 02:30 after the gap")
            << berlin << file("DUE;TZID=Europe/Berlin:20260327T023000\r\nRRULE:FREQ=DAILY\r\n")
            << utc("2026-03-29T12:00:00Z") << Moments{utc("2026-03-30T00:30:00Z"), utc("2026-03-31T00:30:00Z")};
        QTest::newRow("New York, daily at 9 across the autumn change")
            << QByteArray("America/New_York")
            << file("DUE;TZID=America/New_York:20261030T090000\r\nRRULE:FREQ=DAILY\r\n") << utc("2026-10-31T12:00:00Z")
            << Moments{utc("2026-10-31T13:00:00Z"), utc("2026-11-01T14:00:00Z")};
        QTest::newRow("Sydney, weekly across the spring change")
            << QByteArray("Australia/Sydney")
            << file("DUE;TZID=Australia/Sydney:20260927T100000\r\nRRULE:FREQ=WEEKLY\r\n") << utc("2026-10-03T12:00:00Z")
            << Moments{utc("2026-10-03T23:00:00Z")};
        QTest::newRow("all-day series, on the day at 9")
            << berlin
            << file("DTSTART;VALUE=DATE:20261201\r\nDUE;VALUE=DATE:20261202\r\nRRULE:FREQ=DAILY\r\n" +
                    valarm("ACTION:DISPLAY\r\nTRIGGER;RELATED=START:PT9H\r\n"))
            << dec8 << Moments{utc("2026-12-08T08:00:00Z"), utc("2026-12-09T08:00:00Z")};
        QTest::newRow("a series in a zone the file defines")
            << QByteArray("America/New_York")
            << file("DTSTART;TZID=Customized Time Zone:20261201T090000\r\nDUE;TZID=Customized Time "
                    "Zone:20261201T100000\r\n"
                    "RRULE:FREQ=DAILY\r\n",
                    customZone)
            << dec8 << Moments{utc("2026-12-08T09:00:00Z"), utc("2026-12-09T09:00:00Z")};
        QTest::newRow("a rule that never matches rings only its first occurrence")
            << berlin << file("DUE:20261208T100000Z\r\nRRULE:FREQ=MINUTELY;BYMONTH=2;BYMONTHDAY=30\r\n") << dec8
            << Moments{utc("2026-12-08T10:00:00Z")};
    }

    void seriesRingAt() { ringsAt(); }

    void ringsAt()
    {
        QFETCH(QByteArray, zone);
        QFETCH(QByteArray, ics);
        QFETCH(QDateTime, now);
        QFETCH(QList<QDateTime>, expected);
        const auto document = TodoDocument::parse(ics);
        QVERIFY(document);
        const StoreReminder reminder = document->toReminder();
        const TriggerContext context{QTime(9, 0), QTimeZone(zone), {}};
        QCOMPARE(momentsOf(pendingTriggers(reminder, now, now.addDays(2), context)), expected);
        const std::optional<QDateTime> next = nextTriggerAfter({reminder}, now, context);
        QCOMPARE(next.has_value(), !expected.isEmpty());
        if (next && !expected.isEmpty()) {
            QCOMPARE(next->toUTC(), expected.first());
        }
    }

    void aHugeRepeatIsBounded()
    {
        const auto document = TodoDocument::parse(test::todoFile(
            "a", "A",
            "DUE:20261210T100000Z\r\n" +
                valarm("ACTION:DISPLAY\r\nTRIGGER;RELATED=END:PT0S\r\nREPEAT:100000000\r\nDURATION:PT1M\r\n")));
        QVERIFY(document);
        const QList<AlarmTrigger> triggers =
            pendingTriggers(document->toReminder(), utc("2026-12-10T00:00:00Z"), utc("2030-01-01T00:00:00Z"), {});
        QCOMPARE(triggers.size(), 101);
        QCOMPARE(triggers.last().at, utc("2026-12-10T11:40:00Z"));
    }

    void wholeDaysRingAtTheChosenTime()
    {
        const auto document = TodoDocument::parse(test::todoFile("a", "A", "DUE;VALUE=DATE:20261210\r\n"));
        QVERIFY(document);
        const StoreReminder reminder = document->toReminder();
        for (const QTime time : {QTime(9, 0), QTime(7, 30)}) {
            const TriggerContext context{time, QTimeZone::systemTimeZone(), {}};
            QCOMPARE(
                momentsOf(pendingTriggers(reminder, utc("2026-12-01T00:00:00Z"), utc("2026-12-31T00:00:00Z"), context)),
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
