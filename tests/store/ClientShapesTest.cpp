// Each shape in which calendar and task clients keep a reminder can be edited, completed, snoozed and dismissed,
// and every byte outside the properties an action touches stays as the client wrote it.
#include "store/IcalRecurrence.h"
#include "store/TodoDocument.h"

#include "TestSupport.h"

#include <QTest>

using namespace tolvik;

namespace {

const QDateTime now(QDate(2026, 12, 8), QTime(9, 30), QTimeZone::utc());

const QByteArray berlinZone = "BEGIN:VTIMEZONE\r\nTZID:Europe/Berlin\r\nBEGIN:STANDARD\r\nDTSTART:19701025T030000\r\n"
                              "RRULE:FREQ=YEARLY;BYMONTH=10;BYDAY=-1SU\r\nTZOFFSETFROM:+0200\r\nTZOFFSETTO:+0100\r\n"
                              "END:STANDARD\r\nBEGIN:DAYLIGHT\r\nDTSTART:19700329T020000\r\n"
                              "RRULE:FREQ=YEARLY;BYMONTH=3;BYDAY=-1SU\r\nTZOFFSETFROM:+0100\r\nTZOFFSETTO:+0200\r\n"
                              "END:DAYLIGHT\r\nEND:VTIMEZONE\r\n";

// The phone task app: the DUE moved on in place, its zone after the to-do.
const QByteArray phoneApp = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:+//IDN tasks.org//android-130804//EN\r\n"
                            "BEGIN:VTODO\r\nDTSTAMP:20261201T100000Z\r\nUID:5831224407546738177\r\n"
                            "CREATED:20261101T090000Z\r\nLAST-MODIFIED:20261201T100000Z\r\nSUMMARY:Water plants\r\n"
                            "PRIORITY:9\r\nSTATUS:NEEDS-ACTION\r\nX-APPLE-SORT-ORDER:715305600\r\n"
                            "DUE;TZID=Europe/Berlin:20261207T180000\r\nRRULE:FREQ=WEEKLY;BYDAY=MO\r\n"
                            "BEGIN:VALARM\r\nTRIGGER;RELATED=END:PT0S\r\nACTION:DISPLAY\r\n"
                            "DESCRIPTION:Default Tasks.org description\r\nEND:VALARM\r\nEND:VTODO\r\n" +
                            berlinZone + "END:VCALENDAR\r\n";

// The desktop calendar: first occurrence, COUNT, an EXDATE, an override, its own X- lines.
const QByteArray desktopCalendar =
    "BEGIN:VCALENDAR\r\nPRODID:-//Mozilla.org/NONSGML Mozilla Calendar V1.1//EN\r\nVERSION:2.0\r\n" + berlinZone +
    "BEGIN:VTODO\r\nCREATED:20261130T120000Z\r\nLAST-MODIFIED:20261207T090000Z\r\nDTSTAMP:20261207T090000Z\r\n"
    "UID:8c1b-4f0e-a2f1\r\nSUMMARY:Stand-up notes\r\nSTATUS:NEEDS-ACTION\r\nRRULE:FREQ=DAILY;COUNT=20\r\n"
    "EXDATE;TZID=Europe/Berlin:20261205T090000\r\nDTSTART;TZID=Europe/Berlin:20261201T090000\r\n"
    "DUE;TZID=Europe/Berlin:20261201T100000\r\nX-MOZ-GENERATION:4\r\nX-MOZ-LASTACK:20261207T084500Z\r\n"
    "BEGIN:VALARM\r\nACTION:DISPLAY\r\nTRIGGER;VALUE=DURATION;RELATED=END:-PT15M\r\n"
    "DESCRIPTION:Default Mozilla Description\r\nEND:VALARM\r\nEND:VTODO\r\n"
    "BEGIN:VTODO\r\nCREATED:20261130T120000Z\r\nLAST-MODIFIED:20261203T090000Z\r\nDTSTAMP:20261203T090000Z\r\n"
    "UID:8c1b-4f0e-a2f1\r\nSUMMARY:Stand-up notes\r\nSTATUS:COMPLETED\r\nCOMPLETED:20261203T093000Z\r\n"
    "RECURRENCE-ID;TZID=Europe/Berlin:20261203T090000\r\nDTSTART;TZID=Europe/Berlin:20261203T090000\r\n"
    "DUE;TZID=Europe/Berlin:20261203T100000\r\nX-MOZ-GENERATION:2\r\nEND:VTODO\r\nEND:VCALENDAR\r\n";

// The desktop groupware client: whole days, its own alarm ids, a description folded over lines.
const QByteArray groupware =
    "BEGIN:VCALENDAR\r\nCALSCALE:GREGORIAN\r\nPRODID:-//Ximian//NONSGML Evolution Calendar//EN\r\nVERSION:2.0\r\n"
    "BEGIN:VTODO\r\nUID:20261201T101010Z-1234-1000-1-0@host\r\nDTSTAMP:20261201T101010Z\r\nSUMMARY:Pay rent\r\n"
    "DESCRIPTION:Transfer to the landlord's account before the end of the month\\, with the \r\n reference.\r\n"
    "DTSTART;VALUE=DATE:20261130\r\nDUE;VALUE=DATE:20261201\r\nRRULE:FREQ=MONTHLY;BYMONTHDAY=-1\r\n"
    "PERCENT-COMPLETE:0\r\nSTATUS:NEEDS-ACTION\r\nCLASS:PUBLIC\r\nSEQUENCE:1\r\n"
    "CREATED:20261201T101010Z\r\nLAST-MODIFIED:20261201T101010Z\r\nBEGIN:VALARM\r\n"
    "X-EVOLUTION-ALARM-UID:20261201T101011Z-1234-1000-1-1@host\r\nACTION:DISPLAY\r\n"
    "TRIGGER;VALUE=DURATION;RELATED=START:-P1D\r\nDESCRIPTION:Pay rent\r\nEND:VALARM\r\nEND:VTODO\r\n"
    "END:VCALENDAR\r\n";

// The web task app: whole days, an alarm on the day at nine.
const QByteArray webTasks = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Nextcloud Tasks v0.15.0\r\nBEGIN:VTODO\r\n"
                            "UID:b6c6f9a8-7e6d-4d52-9a61-1f0e0c2b3a4d\r\nCREATED:20261201T080000\r\n"
                            "LAST-MODIFIED:20261201T080000\r\nDTSTAMP:20261201T080000\r\nSUMMARY:Call the bank\r\n"
                            "PRIORITY:5\r\nDTSTART;VALUE=DATE:20261209\r\nDUE;VALUE=DATE:20261209\r\n"
                            "X-APPLE-SORT-ORDER:0\r\nBEGIN:VALARM\r\nACTION:DISPLAY\r\n"
                            "TRIGGER;RELATED=START:PT9H\r\nDESCRIPTION:Call the bank\r\nEND:VALARM\r\nEND:VTODO\r\n"
                            "END:VCALENDAR\r\n";

// The mail suite: its own zone after the to-do under a name of its own, a lower-case X- name, an empty X- value.
const QByteArray mailSuite = "BEGIN:VCALENDAR\r\nPRODID:-//Microsoft Corporation//Outlook 16.0 MIMEDIR//EN\r\n"
                             "VERSION:2.0\r\nBEGIN:VTODO\r\nUID:040000008200E00074C5B7101A82E008\r\n"
                             "DTSTAMP:20261201T080000Z\r\nSUMMARY:Send the report\r\n"
                             "DUE;TZID=Customized Time Zone:20261209T170000\r\nx-ms-olk-autofillrange:1\r\n"
                             "X-MICROSOFT-CDO-BUSYSTATUS:\r\nEND:VTODO\r\nBEGIN:VTIMEZONE\r\n"
                             "TZID:Customized Time Zone\r\nBEGIN:STANDARD\r\nDTSTART:16010101T000000\r\n"
                             "TZOFFSETFROM:+0100\r\nTZOFFSETTO:+0100\r\nEND:STANDARD\r\nEND:VTIMEZONE\r\n"
                             "END:VCALENDAR\r\n";

enum class Action
{
    edit,
    complete,
    snooze,
    dismiss,
};

// What an action may change: the edit itself, the stamps, and the acknowledgement properties.
const QList<QByteArray> touchedNames = {
    "SUMMARY", "DTSTAMP", "LAST-MODIFIED", "SEQUENCE",  "X-MOZ-LASTACK",    "ACKNOWLEDGED",     "DUE",
    "DTSTART", "RRULE",   "STATUS",        "COMPLETED", "PERCENT-COMPLETE", "X-MOZ-SNOOZE-TIME"};

// The file's content lines, raw with their folds and line ends, less those an action may touch (and the UID a
// VALARM gains).
QList<QByteArray> untouchedLines(const QByteArray& bytes)
{
    QList<QByteArray> lines;
    bool inAlarm = false;
    for (qsizetype pos = 0; pos < bytes.size();) {
        qsizetype end = bytes.indexOf('\n', pos);
        while (end >= 0 && end + 1 < bytes.size() && (bytes[end + 1] == ' ' || bytes[end + 1] == '\t')) {
            end = bytes.indexOf('\n', end + 1);
        }
        end = end < 0 ? bytes.size() : end + 1;
        const QByteArray line = bytes.mid(pos, end - pos);
        pos = end;
        QByteArray name = line.left(line.indexOf(':')).toUpper();
        name = name.left(name.indexOf(';') < 0 ? name.size() : name.indexOf(';'));
        inAlarm = line.startsWith("BEGIN:VALARM") || (inAlarm && !line.startsWith("END:VALARM"));
        const bool touched = std::any_of(touchedNames.begin(), touchedNames.end(),
                                         [&](const QByteArray& touched) { return name.startsWith(touched); });
        if (!touched && !(inAlarm && name == "UID")) {
            lines.append(line);
        }
    }
    return lines;
}

} // namespace

class ClientShapesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyActionKeepsTheRest_data()
    {
        QTest::addColumn<QByteArray>("ics");
        QTest::addColumn<Action>("action");
        const QList<std::pair<const char*, QByteArray>> shapes = {{"phone app", phoneApp},
                                                                  {"desktop calendar", desktopCalendar},
                                                                  {"groupware", groupware},
                                                                  {"web tasks", webTasks},
                                                                  {"mail suite", mailSuite}};
        const QList<std::pair<const char*, Action>> actions = {{"edit", Action::edit},
                                                               {"complete", Action::complete},
                                                               {"snooze", Action::snooze},
                                                               {"dismiss", Action::dismiss}};
        for (const auto& [shape, ics] : shapes) {
            for (const auto& [name, action] : actions) {
                QTest::addRow("%s, %s", shape, name) << ics << action;
            }
        }
    }

    void everyActionKeepsTheRest()
    {
        QFETCH(QByteArray, ics);
        QFETCH(Action, action);
        std::optional<TodoDocument> document = TodoDocument::parse(ics);
        QVERIFY(document);
        QVERIFY(!document->hasParseErrors());
        const StoreReminder base = document->toReminder();
        const std::optional<StoreOccurrence> current = base.series ? base.series->current(now) : std::nullopt;
        StoreReminder changed = base;
        switch (action) {
        case Action::edit:
            changed.title = QStringLiteral("Renamed");
            break;
        case Action::complete:
            changed.isCompleted = true;
            changed.completionDate = now;
            break;
        case Action::snooze:
        case Action::dismiss:
            changed.lastAcknowledged = now;
            for (StoreAlarm& alarm : changed.alarms) {
                alarm.acknowledged = base.series ? std::nullopt : std::optional(now);
            }
            if (action == Action::snooze && current) {
                changed.occurrenceSnoozes.insert(current->key, now.addSecs(600));
            } else if (action == Action::snooze) {
                changed.snoozedUntil = now.addSecs(600);
            }
            break;
        }
        document->applyChanges(base, changed, now);
        const TodoDocument::Edited edited = document->editedBytes();
        QVERIFY2(edited.bytes, "the action could not be saved");
        QCOMPARE(untouchedLines(*edited.bytes), untouchedLines(ics));

        const std::optional<TodoDocument> again = TodoDocument::parse(*edited.bytes);
        QVERIFY(again && !again->hasParseErrors());
        const StoreReminder back = again->toReminder();
        switch (action) {
        case Action::edit:
            QCOMPARE(back.title, QStringLiteral("Renamed"));
            break;
        case Action::complete:
            if (current) {
                // A series moves on to a later occurrence and stays open.
                QVERIFY(!back.isCompleted);
                const std::optional<StoreOccurrence> next = back.series->current(now);
                QVERIFY(next && next->due);
                QVERIFY(*next->due->toDateTime() > *current->due->toDateTime());
            } else {
                QVERIFY(back.isCompleted);
            }
            break;
        case Action::snooze:
            QCOMPARE(back.lastAcknowledged, std::optional(now));
            if (current) {
                QCOMPARE(back.occurrenceSnoozes.value(current->key), now.addSecs(600));
                QVERIFY(!back.snoozedUntil);
            } else {
                QCOMPARE(back.snoozedUntil, std::optional(now.addSecs(600)));
            }
            break;
        case Action::dismiss:
            QCOMPARE(back.lastAcknowledged, std::optional(now));
            break;
        }
    }

    // A sub-daily rule that can never match would keep libical's iterator busy for minutes; completing such a
    // reminder must end at once (the ctest timeout catches a hang). Without a further occurrence it completes.
    void aRuleThatNeverMatchesCompletes_data()
    {
        QTest::addColumn<QByteArray>("rule");
        QTest::newRow("hourly") << QByteArray("FREQ=HOURLY;BYMONTH=2;BYMONTHDAY=30");
        QTest::newRow("minutely") << QByteArray("FREQ=MINUTELY;BYMONTH=2;BYMONTHDAY=30");
        QTest::newRow("secondly, with COUNT") << QByteArray("FREQ=SECONDLY;BYMONTH=4;BYMONTHDAY=31;COUNT=5");
    }
    void aRuleThatNeverMatchesCompletes()
    {
        QFETCH(QByteArray, rule);
        std::optional<TodoDocument> document =
            TodoDocument::parse(test::todoFile("a", "A", "DUE:20261208T100000Z\r\nRRULE:" + rule + "\r\n"));
        QVERIFY(document);
        const StoreReminder base = document->toReminder();
        QVERIFY(base.series);
        QVERIFY(base.series->occurrences(now.addDays(1), now.addYears(5), 10).isEmpty());
        StoreReminder changed = base;
        changed.isCompleted = true;
        changed.completionDate = now;
        document->applyChanges(base, changed, now);
        const std::optional<TodoDocument> again = TodoDocument::parse(document->editedBytes().bytes.value_or(""));
        QVERIFY(again);
        QVERIFY(again->toReminder().isCompleted);
    }

    // How long the next occurrence takes to find depends on how busy the machine is: running out of time must
    // change nothing, where finding no further occurrence ends the series.
    void aCompletionOutOfTimeChangesNothing()
    {
        std::optional<TodoDocument> document = TodoDocument::parse(
            test::todoFile("a", "A",
                           "DTSTART;TZID=Europe/Berlin:20261208T190000\r\nDUE;TZID=Europe/Berlin:20261208T190000\r\n"
                           "RRULE:FREQ=WEEKLY;COUNT=3\r\n"));
        QVERIFY(document);
        icalcomponent* todo = document->masterForEdit();
        const QByteArray before = document->serialize().value_or("");
        QCOMPARE(ical::advanceToNextOccurrence(icalcomponent_get_parent(todo), todo, now, -1),
                 ical::SeriesAdvance::undetermined);
        QCOMPARE(document->serialize().value_or(""), before);
        QCOMPARE(ical::advanceToNextOccurrence(icalcomponent_get_parent(todo), todo, now),
                 ical::SeriesAdvance::advanced);
        const QByteArray after = document->serialize().value_or("");
        QVERIFY2(after.contains("COUNT=2") && after.contains("DUE;TZID=Europe/Berlin:20261215T190000"), after);
    }

    // A sub-daily rule is walked a bounded number of units at a time; an hourly rule still finds each day's
    // occurrence for two months, across the spring change.
    void aSubDailyRuleKeepsEveryOccurrence()
    {
        const QTimeZone berlin("Europe/Berlin");
        const std::optional<TodoDocument> document = TodoDocument::parse(test::todoFile(
            "a", "A", "DUE;TZID=Europe/Berlin:20260301T093000\r\nRRULE:FREQ=HOURLY;BYHOUR=9;BYMINUTE=30\r\n"));
        QVERIFY(document);
        const StoreReminder reminder = document->toReminder();
        const QList<StoreOccurrence> found =
            reminder.series->occurrences(QDateTime(QDate(2026, 3, 1), QTime(0, 0), berlin),
                                         QDateTime(QDate(2026, 4, 29), QTime(23, 0), berlin), 500);
        QCOMPARE(found.size(), 60);
        for (qsizetype day = 0; day < found.size(); ++day) {
            QCOMPARE(found.at(day).due->toDateTime()->toTimeZone(berlin),
                     QDateTime(QDate(2026, 3, 1).addDays(day), QTime(9, 30), berlin));
        }
    }

    // A daily series at 02:30 keeps 02:30 through the spring change, where libical's own iterator would drift to
    // 03:30 for good.
    void completingKeepsTheWallClockAcrossTheChange()
    {
        QByteArray bytes = test::todoFile("a", "A", "DUE;TZID=Europe/Berlin:20260328T023000\r\nRRULE:FREQ=DAILY\r\n");
        for (const char* expected : {"DUE;TZID=Europe/Berlin:20260329T023000", "DUE;TZID=Europe/Berlin:20260330T023000",
                                     "DUE;TZID=Europe/Berlin:20260331T023000"}) {
            std::optional<TodoDocument> document = TodoDocument::parse(bytes);
            QVERIFY(document);
            const StoreReminder base = document->toReminder();
            StoreReminder changed = base;
            changed.isCompleted = true;
            changed.completionDate = base.series->current(*base.due->toDateTime())->due->toDateTime();
            document->applyChanges(base, changed, now);
            bytes = document->editedBytes().bytes.value_or(QByteArray());
            QCOMPARE(test::lineStarting(bytes, "DUE"), QByteArray(expected));
        }
    }

    // A file this app cannot fully understand is still refused, with nothing written.
    void aFileWithUnreadableValuesIsRefused()
    {
        std::optional<TodoDocument> document =
            TodoDocument::parse(test::todoFile("a", "A", "DUE:2026-12-09 10:00\r\nX-KEEP:1\r\n"));
        QVERIFY(document);
        QVERIFY(document->hasParseErrors());
    }
};

QTEST_GUILESS_MAIN(ClientShapesTest)
#include "ClientShapesTest.moc"
