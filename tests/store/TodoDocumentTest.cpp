#include "store/TodoDocument.h"

#include "TestSupport.h"

#include <libical/ical.h>

#include <QRegularExpression>
#include <QStringDecoder>
#include <QTest>

using namespace tolvik;

namespace {

const QDateTime now(QDate(2024, 2, 20), QTime(13, 14, 15), QTimeZone::utc());
// Before every sample's first occurrence: each series' current occurrence is then its first.
const QDateTime beforeSeries(QDate(2023, 12, 31), QTime(0, 0), QTimeZone::utc());

QByteArray sample(const char* name)
{
    const QString path =
        qEnvironmentVariable("TOLVIK_SOURCE_DIR") + QStringLiteral("/tests/data/ics/") + QString::fromLatin1(name);
    const QByteArray bytes = test::readFile(path);
    if (bytes.isEmpty()) {
        qWarning("missing sample %s", name);
    }
    return bytes;
}

TodoDocument load(const QByteArray& bytes)
{
    std::optional<TodoDocument> document = TodoDocument::parse(bytes);
    if (!document) {
        qFatal("sample did not parse");
    }
    return std::move(*document);
}

// libical writes a rule's parts in its own order, which means the same.
QByteArray sortedRuleParts(const QByteArray& line)
{
    if (!line.startsWith("RRULE:")) {
        return line;
    }
    QList<QByteArray> parts = line.mid(6).split(';');
    std::sort(parts.begin(), parts.end());
    return "RRULE:" + parts.join(';');
}

// The logical lines of a file: folds joined, line ends dropped.
QList<QByteArray> logicalLines(const QByteArray& bytes)
{
    QList<QByteArray> lines;
    for (QByteArray line : bytes.split('\n')) {
        if (line.endsWith('\r')) {
            line.chop(1);
        }
        if (!lines.isEmpty() && (line.startsWith(' ') || line.startsWith('\t'))) {
            lines.last() += line.mid(1);
        } else if (!line.isEmpty()) {
            lines.append(line);
        }
    }
    return lines;
}

QList<QByteArray> linesStartingWith(const QByteArray& bytes, const QByteArray& prefix)
{
    QList<QByteArray> result;
    for (const QByteArray& line : logicalLines(bytes)) {
        if (line.startsWith(prefix)) {
            result.append(line);
        }
    }
    return result;
}

// Applies one edit the way the store does: the record as loaded, changed by the caller.
QByteArray edited(const QByteArray& bytes, const std::function<void(StoreReminder&)>& edit)
{
    TodoDocument document = load(bytes);
    const StoreReminder base = document.toReminder();
    StoreReminder changed = base;
    edit(changed);
    document.applyChanges(base, changed, now);
    return document.editedBytes().bytes.value_or(QByteArray());
}

QByteArray todo(const QByteArray& body)
{
    return "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Test//Test//EN\r\nBEGIN:VTODO\r\nUID:t-1\r\n" + body +
           "END:VTODO\r\nEND:VCALENDAR\r\n";
}

// Completed before the series began: the occurrence completed is its first.
StoreReminder completed(StoreReminder reminder)
{
    reminder.isCompleted = true;
    reminder.completionDate = beforeSeries;
    return reminder;
}

} // namespace

class TodoDocumentTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shouldReadWhatRealClientsWrite_data();
    void shouldReadWhatRealClientsWrite();
    void shouldRefuseWhatIsNoToDo_data();
    void shouldRefuseWhatIsNoToDo();
    void shouldMapFieldsAndRules();
    void shouldFlagValuesLibicalReplaced();
    void shouldKeepEveryOtherLineWhenOnlyTheTitleChanges();
    void shouldWriteDueWithItsZoneAndReadItBackToTheMinute();
    void shouldKeepTheDueFormWhenItsMomentIsUnchanged();
    void shouldRemoveDueAndDurationWhenCleared();
    void shouldReplaceRecurrenceRules();
    void shouldWriteNotesAndPriority();
    void shouldCompleteWithStatusDateAndPercent();
    void shouldAdvanceARepeatingToDoInsteadOfCompletingIt();
    void shouldCompleteWhenTheSeriesEnds_data();
    void shouldCompleteWhenTheSeriesEnds();
    void shouldRaiseSequenceAndStamp();
    void shouldFoldNewLinesInTheFilesOwnLineEnd();
    void shouldCreateADocumentThatReadsBack();
    void shouldGenerateSafeUniqueUids();
    void shouldWriteCategoriesOnOneLine();
    void shouldChangeOnlyTheTouchedLines_data();
    void shouldChangeOnlyTheTouchedLines();
    void shouldAddAZoneWithoutTouchingTheRest();
    void shouldWriteEditsOfSubComponentsByIndex();
    void shouldRefuseAnEditThatWouldNotReadBack();
};

void TodoDocumentTest::shouldReadWhatRealClientsWrite_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("uid");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QTime>("time");      // invalid: a whole day
    QTest::addColumn<QByteArray>("zone"); // empty: floating

    QByteArray crlfBom = "\xEF\xBB\xBF" + sample("lowercase-folded.ics");
    crlfBom.replace("\n", "\r\n");
    const QTime noTime;
    QTest::newRow("lowercase, LF, folded, no final newline")
        << sample("lowercase-folded.ics") << "lower-1"
        << "Call the plumber about the kitchen sink" << QDate(2024, 3, 10) << QTime(14, 30)
        << QByteArray("America/New_York");
    QTest::newRow("CRLF with byte-order mark") << crlfBom << "lower-1"
                                               << "Call the plumber about the kitchen sink" << QDate(2024, 3, 10)
                                               << QTime(14, 30) << QByteArray("America/New_York");
    QTest::newRow("TZID with VTIMEZONE, override after master")
        << sample("rich.ics") << "rich-1@example.com"
        << "Water the plants" << QDate(2024, 1, 5) << QTime(9, 0) << QByteArray("Europe/Berlin");
    QTest::newRow("DATE, override before master") << sample("override-first.ics") << "series-1"
                                                  << "Master" << QDate(2024, 2, 1) << noTime << QByteArray();
    QTest::newRow("UTC, two calendars") << sample("two-calendars.ics") << "pair-1"
                                        << "Master in the second calendar" << QDate(2024, 3, 1) << QTime(10, 0)
                                        << QByteArray("UTC");
    QTest::newRow("Windows zone name, Latin-1 bytes")
        << sample("windows-latin1.ics") << QString() << QStringLiteral("Caf\uFFFD order") << QDate(2024, 4, 15)
        << QTime(17, 0) << QByteArray("Europe/Berlin");
    QTest::newRow("floating, no UID") << todo("SUMMARY:Floating\r\nDUE:20240501T073000\r\n").replace("UID:t-1\r\n", "")
                                      << QString() << "Floating" << QDate(2024, 5, 1) << QTime(7, 30) << QByteArray();
    QTest::newRow("unknown zone is floating")
        << todo("SUMMARY:Mars\r\nDUE;TZID=Mars/Olympus:20240501T073000\r\n") << "t-1"
        << "Mars" << QDate(2024, 5, 1) << QTime(7, 30) << QByteArray();
    QTest::newRow("no summary") << todo("DUE;VALUE=DATE:20240601\r\n") << "t-1" << QString() << QDate(2024, 6, 1)
                                << noTime << QByteArray();
}

void TodoDocumentTest::shouldReadWhatRealClientsWrite()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, uid);
    QFETCH(QString, title);
    QFETCH(QDate, date);
    QFETCH(QTime, time);
    QFETCH(QByteArray, zone);

    std::optional<TodoDocument> document = TodoDocument::parse(bytes);
    QVERIFY(document);
    QVERIFY(!document->hasParseErrors());
    QCOMPARE(document->uid(), uid);
    const StoreReminder reminder = document->toReminder();
    QCOMPARE(reminder.title, title);
    QVERIFY(reminder.id.isEmpty());
    QVERIFY(!reminder.listID);
    QVERIFY(reminder.due);
    QCOMPARE(reminder.due->date, date);
    QCOMPARE(reminder.due->time.has_value(), time.isValid());
    if (time.isValid()) {
        QCOMPARE(*reminder.due->time, time);
    }
    QCOMPARE(reminder.due->timeZone.isValid(), !zone.isEmpty());
    if (zone == "UTC") {
        QCOMPARE(reminder.due->timeZone, QTimeZone::utc());
    } else if (!zone.isEmpty()) {
        QCOMPARE(reminder.due->timeZone.id(), zone);
    }
}

void TodoDocumentTest::shouldRefuseWhatIsNoToDo_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QByteArray binary;
    for (int i = 0; i < 4096; ++i) {
        binary += static_cast<char>((i * 7919) % 255 + 1);
    }
    QByteArray oversized = sample("rich.ics");
    oversized.replace("X-PLANNER-FLAGS:pinned", "X-PLANNER-FLAGS:" + QByteArray(TodoDocument::maximumFileSize, 'a'));
    QByteArray truncatedAtNul = sample("rich.ics");
    truncatedAtNul.insert(truncatedAtNul.indexOf("END:VTODO"), QByteArray(1, '\0'));

    QTest::newRow("empty") << QByteArray();
    QTest::newRow("garbage") << QByteArray("this is not a calendar\nat all\n");
    QTest::newRow("binary") << binary;
    QTest::newRow("oversized") << oversized;
    QTest::newRow("events only") << sample("event-only.ics");
    QTest::newRow("unterminated") << QByteArray("BEGIN:VCALENDAR\r\nBEGIN:VTODO\r\nSUMMARY:x\r\n");
    QTest::newRow("NUL byte inside") << truncatedAtNul;
}

void TodoDocumentTest::shouldRefuseWhatIsNoToDo()
{
    QFETCH(QByteArray, bytes);
    QVERIFY(!TodoDocument::parse(bytes));
}

void TodoDocumentTest::shouldMapFieldsAndRules()
{
    const StoreReminder rich = load(sample("rich.ics")).toReminder();
    QCOMPARE(rich.notes, QStringLiteral("Ferns first, then the cactus.\nUse the blue can."));
    QCOMPARE(rich.priority, 3);
    QCOMPARE(rich.recurrenceRules, (QList<RecurrenceRule>{{1, 1, false, {5}, false}}));
    QVERIFY(!rich.isCompleted);
    QVERIFY(!rich.completionDate);

    const StoreReminder bare = load(todo("SUMMARY:Bare\r\n")).toReminder();
    QVERIFY(!bare.notes);
    QCOMPARE(bare.priority, 0);
    QVERIFY(!bare.due);
    QVERIFY(bare.recurrenceRules.isEmpty());

    const StoreReminder empty = load(todo("SUMMARY:x\r\nDESCRIPTION:\r\n")).toReminder();
    QCOMPARE(empty.notes, QString());
    QVERIFY(empty.notes && empty.notes->isEmpty());

    const StoreReminder rules = load(todo("RRULE:FREQ=MONTHLY;INTERVAL=3;COUNT=4\r\n"
                                          "RRULE:FREQ=HOURLY\r\n"
                                          "RRULE:FREQ=YEARLY;UNTIL=20300101T000000Z\r\n"
                                          "RRULE:FREQ=DAILY;INTERVAL=2\r\n"))
                                    .toReminder();
    QCOMPARE(rules.recurrenceRules.size(), 4);
    QCOMPARE(rules.recurrenceRules[0], (RecurrenceRule{2, 3, true}));
    QVERIFY(rules.recurrenceRules[1].frequency > 3);
    QCOMPARE(rules.recurrenceRules[2], (RecurrenceRule{3, 1, true}));
    QCOMPARE(rules.recurrenceRules[3], (RecurrenceRule{0, 2, false}));

    QVERIFY(load(todo("STATUS:COMPLETED\r\n")).toReminder().isCompleted);
    QVERIFY(load(todo("STATUS:CANCELLED\r\n")).toReminder().isCompleted);
    QVERIFY(!load(todo("STATUS:IN-PROCESS\r\n")).toReminder().isCompleted);
    const StoreReminder done = load(todo("COMPLETED:20240202T101112Z\r\n")).toReminder();
    QVERIFY(done.isCompleted);
    QCOMPARE(done.completionDate, QDateTime(QDate(2024, 2, 2), QTime(10, 11, 12), QTimeZone::utc()));
}

void TodoDocumentTest::shouldFlagValuesLibicalReplaced()
{
    QVERIFY(load(todo("SUMMARY:x\r\nDUE:tomorrow-ish\r\n")).hasParseErrors());
    QVERIFY(!load(sample("rich.ics")).hasParseErrors());
    // An empty text value is no error worth refusing the file for, and survives a write.
    const QByteArray emptyNotes = todo("SUMMARY:x\r\nDESCRIPTION:\r\n");
    QVERIFY(!load(emptyNotes).hasParseErrors());
    const QByteArray out = edited(emptyNotes, [](StoreReminder& r) { r.title = QStringLiteral("y"); });
    QCOMPARE(linesStartingWith(out, "DESCRIPTION"), QList<QByteArray>{"DESCRIPTION:"});
    QVERIFY(!out.contains("X-LIC-ERROR"));
    // It stays where it stood: of two SUMMARY lines (which no writer should produce) the first is read, before and
    // after a write, even when the write leaves it empty.
    const QByteArray twoTitles = todo("SUMMARY:\b\r\nDESCRIPTION:\r\nSUMMARY:Second\r\nX-AFTER:1\r\n");
    QCOMPARE(load(twoTitles).toReminder().title, QStringLiteral("\b"));
    const QByteArray rewritten = edited(twoTitles, [](StoreReminder& r) { r.priority = 5; });
    QCOMPARE(load(rewritten).toReminder().title, QStringLiteral("\b"));
    QVERIFY(rewritten.startsWith(twoTitles.left(twoTitles.indexOf("END:VTODO"))));
    // An empty X- property is valid and keeps the file writable.
    QVERIFY(!load(todo("SUMMARY:x\r\nX-FLAG;X-KIND=a:\r\n")).hasParseErrors());
}

void TodoDocumentTest::shouldKeepEveryOtherLineWhenOnlyTheTitleChanges()
{
    const QByteArray original = sample("rich.ics");
    const QByteArray out = edited(original, [](StoreReminder& r) { r.title = QStringLiteral("Water the ferns"); });

    QList<QByteArray> remaining = logicalLines(out);
    std::transform(remaining.begin(), remaining.end(), remaining.begin(), sortedRuleParts);
    QVERIFY(remaining.removeOne("SUMMARY;LANGUAGE=en:Water the ferns"));
    QVERIFY(remaining.removeOne("SEQUENCE:5"));
    QVERIFY(remaining.removeOne("LAST-MODIFIED:20240220T131415Z"));
    QVERIFY(remaining.removeOne("DTSTAMP:20240220T131415Z"));
    QList<QByteArray> expected = logicalLines(original);
    std::transform(expected.begin(), expected.end(), expected.begin(), sortedRuleParts);
    for (const QByteArray& gone : {QByteArray("SUMMARY;LANGUAGE=en:Water the plants"), QByteArray("SEQUENCE:4"),
                                   QByteArray("LAST-MODIFIED:20240101T080000Z")}) {
        QVERIFY(expected.removeOne(gone));
    }
    // Only the master's DTSTAMP is restamped; the override keeps its own.
    QVERIFY(expected.removeOne("DTSTAMP:20240101T080000Z"));
    std::sort(remaining.begin(), remaining.end());
    std::sort(expected.begin(), expected.end());
    QCOMPARE(remaining, expected);
}

void TodoDocumentTest::shouldWriteDueWithItsZoneAndReadItBackToTheMinute()
{
    const QTimeZone newYork("America/New_York");
    const DueDateComponents due{QDate(2024, 7, 4), QTime(18, 45), newYork};
    const QByteArray once = edited(todo("SUMMARY:Fireworks\r\n"), [&](StoreReminder& r) { r.due = due; });
    QCOMPARE(linesStartingWith(once, "DUE"), QList<QByteArray>{"DUE;TZID=America/New_York:20240704T184500"});
    QCOMPARE(linesStartingWith(once, "TZID:"), QList<QByteArray>{"TZID:America/New_York"});
    QVERIFY(once.indexOf("BEGIN:VTIMEZONE") < once.indexOf("BEGIN:VTODO"));

    const StoreReminder back = load(once).toReminder();
    QVERIFY(back.due);
    QCOMPARE(back.due->toDateTime(), QDateTime(QDate(2024, 7, 4), QTime(18, 45), newYork));
    QCOMPARE(back.due->timeZone, newYork);

    // A second due in the same zone reuses the VTIMEZONE; a Berlin one adds its own.
    const QByteArray twice = edited(once, [&](StoreReminder& r) { r.due->date = QDate(2024, 12, 31); });
    QCOMPARE(twice.count("BEGIN:VTIMEZONE"), 1);
    const QByteArray berlin = edited(once, [&](StoreReminder& r) {
        r.due = DueDateComponents{QDate(2024, 7, 4), QTime(9, 0), QTimeZone("Europe/Berlin")};
    });
    QCOMPARE(berlin.count("BEGIN:VTIMEZONE"), 2);
    QCOMPARE(load(berlin).toReminder().due->toDateTime(),
             QDateTime(QDate(2024, 7, 4), QTime(9, 0), QTimeZone("Europe/Berlin")));

    // Whole days and floating times keep their forms.
    const QByteArray day = edited(once, [](StoreReminder& r) {
        r.due = DueDateComponents{QDate(2024, 8, 1), std::nullopt, QTimeZone()};
    });
    QCOMPARE(linesStartingWith(day, "DUE"), QList<QByteArray>{"DUE;VALUE=DATE:20240801"});
    const QByteArray floating = edited(once, [](StoreReminder& r) {
        r.due = DueDateComponents{QDate(2024, 8, 1), QTime(6, 5), QTimeZone()};
    });
    QCOMPARE(linesStartingWith(floating, "DUE"), QList<QByteArray>{"DUE:20240801T060500"});

    // A due moved before the start pulls DTSTART back with it, which keeps the to-do valid.
    const QByteArray started = todo("DTSTART:20240801T100000Z\r\nDUE:20240801T120000Z\r\n");
    const QByteArray earlier = edited(started, [](StoreReminder& r) {
        r.due = DueDateComponents{QDate(2024, 8, 1), QTime(8, 0), QTimeZone::utc()};
    });
    QCOMPARE(linesStartingWith(earlier, "DTSTART"), QList<QByteArray>{"DTSTART:20240801T080000Z"});
    const QByteArray later = edited(started, [](StoreReminder& r) {
        r.due = DueDateComponents{QDate(2024, 8, 2), QTime(8, 0), QTimeZone::utc()};
    });
    QCOMPARE(linesStartingWith(later, "DTSTART"), QList<QByteArray>{"DTSTART:20240801T100000Z"});
}

void TodoDocumentTest::shouldKeepTheDueFormWhenItsMomentIsUnchanged()
{
    const QByteArray dated = todo("SUMMARY:x\r\nDUE;VALUE=DATE:20240301\r\n");
    const QByteArray out = edited(dated, [](StoreReminder& r) {
        r.title = QStringLiteral("y");
        r.due = DueDateComponents::fromDateTime(*r.due->toDateTime());
    });
    QCOMPARE(linesStartingWith(out, "DUE"), QList<QByteArray>{"DUE;VALUE=DATE:20240301"});

    const QByteArray utc = todo("SUMMARY:x\r\nDUE:20240301T101530Z\r\n");
    const QByteArray kept = edited(utc, [](StoreReminder& r) {
        r.title = QStringLiteral("y");
        r.due = DueDateComponents::fromDateTime(*r.due->toDateTime());
    });
    QCOMPARE(linesStartingWith(kept, "DUE"), QList<QByteArray>{"DUE:20240301T101530Z"});
}

void TodoDocumentTest::shouldRemoveDueAndDurationWhenCleared()
{
    const QByteArray out = edited(sample("rich.ics"), [](StoreReminder& r) { r.due.reset(); });
    QCOMPARE(linesStartingWith(out, "DUE").size(), 1); // the override keeps its own
    QVERIFY(!load(out).toReminder().due);

    const QByteArray derived = todo("DTSTART:20240301T100000Z\r\nDURATION:PT1H\r\n");
    QCOMPARE(load(derived).toReminder().due->time, QTime(11, 0));
    const QByteArray cleared = edited(derived, [](StoreReminder& r) { r.due.reset(); });
    QVERIFY(!load(cleared).toReminder().due);
    QCOMPARE(linesStartingWith(cleared, "DTSTART"), QList<QByteArray>{"DTSTART:20240301T100000Z"});
}

void TodoDocumentTest::shouldReplaceRecurrenceRules()
{
    const QByteArray biweekly = todo("SUMMARY:x\r\nRRULE:FREQ=WEEKLY;INTERVAL=2\r\n");
    const QByteArray weekly = edited(biweekly, [](StoreReminder& r) { r.recurrenceRules = {{1, 1, false}}; });
    QCOMPARE(linesStartingWith(weekly, "RRULE"), QList<QByteArray>{"RRULE:FREQ=WEEKLY"});
    const QByteArray none = edited(weekly, [](StoreReminder& r) { r.recurrenceRules.clear(); });
    QVERIFY(linesStartingWith(none, "RRULE").isEmpty());

    // An unchanged rule keeps its details; a rule that stays among new ones too.
    const QByteArray detailed = todo("SUMMARY:x\r\nRRULE:FREQ=MONTHLY;COUNT=6;BYMONTHDAY=15\r\n");
    const QByteArray titled = edited(detailed, [](StoreReminder& r) { r.title = QStringLiteral("y"); });
    QCOMPARE(linesStartingWith(titled, "RRULE"), linesStartingWith(detailed, "RRULE"));
    const QByteArray added = edited(detailed, [](StoreReminder& r) { r.recurrenceRules.append({3, 1, false}); });
    QCOMPARE(linesStartingWith(added, "RRULE").size(), 2);
    QVERIFY(linesStartingWith(added, "RRULE").contains(linesStartingWith(detailed, "RRULE").first()));
}

void TodoDocumentTest::shouldWriteNotesAndPriority()
{
    const QByteArray rich = sample("rich.ics");
    const QByteArray titled = edited(rich, [](StoreReminder& r) { r.title = QStringLiteral("New"); });
    QCOMPARE(load(titled).toReminder().priority, 3);
    QCOMPARE(linesStartingWith(titled, "PRIORITY"), QList<QByteArray>{"PRIORITY:3"});

    const QByteArray cleared = edited(rich, [](StoreReminder& r) {
        r.notes.reset();
        r.priority = 0;
    });
    QVERIFY(!load(cleared).toReminder().notes);
    QCOMPARE(linesStartingWith(cleared, "DESCRIPTION").size(), 1); // the alarm's own DESCRIPTION stays
    QVERIFY(linesStartingWith(cleared, "PRIORITY").isEmpty());

    const QString notes = QStringLiteral("Line one, with a comma; and a semicolon\nLine two \u00e5\u00e4\u00f6");
    const QByteArray written = edited(rich, [&](StoreReminder& r) {
        r.notes = notes;
        r.priority = 9;
    });
    const StoreReminder back = load(written).toReminder();
    QCOMPARE(back.notes, notes);
    QCOMPARE(back.priority, 9);
}

void TodoDocumentTest::shouldCompleteWithStatusDateAndPercent()
{
    const QByteArray out = edited(todo("SUMMARY:x\r\nSTATUS:NEEDS-ACTION\r\n"), [](StoreReminder& r) {
        r.isCompleted = true;
        r.completionDate = now;
    });
    QCOMPARE(linesStartingWith(out, "STATUS"), QList<QByteArray>{"STATUS:COMPLETED"});
    QCOMPARE(linesStartingWith(out, "COMPLETED"), QList<QByteArray>{"COMPLETED:20240220T131415Z"});
    QCOMPARE(linesStartingWith(out, "PERCENT-COMPLETE"), QList<QByteArray>{"PERCENT-COMPLETE:100"});
    const StoreReminder back = load(out).toReminder();
    QVERIFY(back.isCompleted);
    QCOMPARE(back.completionDate, now);

    const QByteArray reopened = edited(out, [](StoreReminder& r) { r.isCompleted = false; });
    QVERIFY(!load(reopened).toReminder().isCompleted);
}

void TodoDocumentTest::shouldAdvanceARepeatingToDoInsteadOfCompletingIt()
{
    const QByteArray out = edited(sample("rich.ics"), [](StoreReminder& r) { r = completed(r); });
    const StoreReminder back = load(out).toReminder();
    QVERIFY(!back.isCompleted);
    QVERIFY(linesStartingWith(out, "COMPLETED").isEmpty());
    QCOMPARE(*back.due->toDateTime(), QDateTime(QDate(2024, 1, 12), QTime(9, 0), QTimeZone("Europe/Berlin")));
    // Shown, the next occurrence is where the file's override moved it.
    QCOMPARE(*back.series->current(beforeSeries)->due->toDateTime(),
             QDateTime(QDate(2024, 1, 13), QTime(9, 0), QTimeZone("Europe/Berlin")));
    QVERIFY(
        linesStartingWith(out, "DTSTART;TZID=Europe/Berlin").contains("DTSTART;TZID=Europe/Berlin:20240112T080000"));
    QVERIFY(linesStartingWith(out, "DUE;TZID=Europe/Berlin").contains("DUE;TZID=Europe/Berlin:20240112T090000"));

    // Without DTSTART the DUE itself is the series' start; a whole-day due stays a whole day.
    const QByteArray daily = todo("DUE;VALUE=DATE:20240131\r\nRRULE:FREQ=MONTHLY;BYMONTHDAY=-1\r\n");
    const QByteArray next = edited(daily, [](StoreReminder& r) { r = completed(r); });
    QCOMPARE(linesStartingWith(next, "DUE"), QList<QByteArray>{"DUE;VALUE=DATE:20240229"});

    // An excluded occurrence is skipped.
    const QByteArray skipping = todo("DUE:20240101T090000Z\r\nRRULE:FREQ=DAILY\r\nEXDATE:20240102T090000Z\r\n");
    const QByteArray skipped = edited(skipping, [](StoreReminder& r) { r = completed(r); });
    QCOMPARE(linesStartingWith(skipped, "DUE"), QList<QByteArray>{"DUE:20240103T090000Z"});

    // A DUE on a day no month has reads as no due; the series moves on from DTSTART and leaves that DUE as written,
    // rather than writing a zero date that turns the whole file unreadable. Without DTSTART nothing can be counted,
    // and completing completes.
    const QByteArray impossible = todo("DTSTART:20240112T080000Z\r\nDUE:20240655T090000Z\r\nRRULE:FREQ=DAILY\r\n");
    const QByteArray moved = edited(impossible, [](StoreReminder& r) { r = completed(r); });
    QCOMPARE(linesStartingWith(moved, "DTSTART"), QList<QByteArray>{"DTSTART:20240113T080000Z"});
    QCOMPARE(linesStartingWith(moved, "DUE"), QList<QByteArray>{"DUE:20240655T090000Z"});
    QVERIFY(!load(moved).hasParseErrors());
    QVERIFY(!load(moved).toReminder().isCompleted);
    const QByteArray alone =
        edited(todo("DUE:20240655T090000Z\r\nRRULE:FREQ=DAILY\r\n"), [](StoreReminder& r) { r = completed(r); });
    QCOMPARE(linesStartingWith(alone, "DUE"), QList<QByteArray>{"DUE:20240655T090000Z"});
    QVERIFY(!load(alone).hasParseErrors());
    QVERIFY(load(alone).toReminder().isCompleted);
}

void TodoDocumentTest::shouldCompleteWhenTheSeriesEnds_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("advances");

    QTest::newRow("COUNT=3 from DUE") << todo("DUE:20240101T090000Z\r\nRRULE:FREQ=DAILY;COUNT=3\r\n") << 2;
    QTest::newRow("COUNT=2 from DTSTART") << todo("DTSTART;VALUE=DATE:20240101\r\nDUE;VALUE=DATE:20240102\r\n"
                                                  "RRULE:FREQ=WEEKLY;COUNT=2\r\n")
                                          << 1;
    QTest::newRow("UNTIL") << todo("DUE:20240101T090000Z\r\nRRULE:FREQ=WEEKLY;UNTIL=20240115T090000Z\r\n") << 2;
    QTest::newRow("UNTIL already passed")
        << todo("DUE:20240101T090000Z\r\nRRULE:FREQ=DAILY;UNTIL=20240101T120000Z\r\n") << 0;
}

void TodoDocumentTest::shouldCompleteWhenTheSeriesEnds()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, advances);

    QByteArray current = bytes;
    for (int i = 0; i < advances; ++i) {
        const QDate before = load(current).toReminder().due->date;
        current = edited(current, [](StoreReminder& r) { r = completed(r); });
        const StoreReminder reminder = load(current).toReminder();
        QVERIFY2(!reminder.isCompleted, qPrintable(QStringLiteral("completed after %1 advances").arg(i)));
        QVERIFY(reminder.due->date > before);
    }
    current = edited(current, [](StoreReminder& r) { r = completed(r); });
    QVERIFY(load(current).toReminder().isCompleted);
}

void TodoDocumentTest::shouldRaiseSequenceAndStamp()
{
    const QByteArray first = edited(todo("SUMMARY:x\r\n"), [](StoreReminder&) {});
    QCOMPARE(linesStartingWith(first, "SEQUENCE"), QList<QByteArray>{"SEQUENCE:1"});
    QCOMPARE(linesStartingWith(first, "LAST-MODIFIED"), QList<QByteArray>{"LAST-MODIFIED:20240220T131415Z"});
    QCOMPARE(linesStartingWith(first, "DTSTAMP"), QList<QByteArray>{"DTSTAMP:20240220T131415Z"});
    const QByteArray second = edited(first, [](StoreReminder& r) { r.priority = 5; });
    QCOMPARE(linesStartingWith(second, "SEQUENCE"), QList<QByteArray>{"SEQUENCE:2"});
}

void TodoDocumentTest::shouldFoldNewLinesInTheFilesOwnLineEnd()
{
    const QByteArray bomLf = "\xEF\xBB\xBF" + sample("lowercase-folded.ics");
    const QString longTitle = QString(40, QChar(0x00e4)) + QStringLiteral("\u20ac\U0001F600 ") +
                              QString(90, QChar(u'x')) + QString(30, QChar(0x20ac));
    const QByteArray out = edited(bomLf, [&](StoreReminder& r) { r.title = longTitle; });

    QVERIFY(out.startsWith("\xEF\xBB\xBF"));
    QVERIFY(!out.contains('\r'));
    for (const QByteArray& line : out.split('\n')) {
        QVERIFY2(line.size() <= 75, line.constData());
        QStringDecoder decoder(QStringDecoder::Utf8);
        (void)QString(decoder(line));
        QVERIFY2(!decoder.hasError(), "a fold split a UTF-8 sequence");
    }
    QCOMPARE(load(out).toReminder().title, longTitle);

    const std::optional<QByteArray> pair = load(sample("two-calendars.ics")).serialize();
    QVERIFY(pair);
    QVERIFY(!pair->contains("XROOT"));
    QCOMPARE(pair->count("BEGIN:VCALENDAR"), 2);
}

void TodoDocumentTest::shouldCreateADocumentThatReadsBack()
{
    StoreReminder reminder;
    reminder.title = QStringLiteral("Buy milk");
    reminder.notes = QStringLiteral("Oat, not dairy");
    reminder.priority = 5;
    reminder.due = DueDateComponents{QDate(2024, 3, 31), QTime(9, 30), QTimeZone("Europe/Stockholm")};
    reminder.recurrenceRules = {{1, 2, false}, {0, 1, false}};
    const std::optional<QByteArray> bytes = TodoDocument::create(reminder, QStringLiteral("abc-1"), now).serialize();
    QVERIFY(bytes);

    for (const char* line :
         {"VERSION:2.0", "UID:abc-1", "STATUS:NEEDS-ACTION", "CREATED:20240220T131415Z", "DTSTAMP:20240220T131415Z",
          "LAST-MODIFIED:20240220T131415Z", "RRULE:FREQ=WEEKLY;INTERVAL=2", "DUE;TZID=Europe/Stockholm:20240331T093000",
          "TZID:Europe/Stockholm"}) {
        QVERIFY2(logicalLines(*bytes).contains(line), line);
    }
    QCOMPARE(linesStartingWith(*bytes, "PRODID").size(), 1);
    QVERIFY(linesStartingWith(*bytes, "RRULE:FREQ=DAILY").isEmpty());

    TodoDocument document = load(*bytes);
    QCOMPARE(document.uid(), QStringLiteral("abc-1"));
    const StoreReminder back = document.toReminder();
    QCOMPARE(back.title, reminder.title);
    QCOMPARE(back.notes, reminder.notes);
    QCOMPARE(back.priority, 5);
    QCOMPARE(back.due, reminder.due);
    QCOMPARE(back.recurrenceRules, QList<RecurrenceRule>{reminder.recurrenceRules.first()});
    QVERIFY(!back.isCompleted);

    StoreReminder plain;
    plain.title = QStringLiteral("Plain");
    const std::optional<QByteArray> minimal = TodoDocument::create(plain, QStringLiteral("p"), now).serialize();
    QVERIFY(minimal);
    QVERIFY(linesStartingWith(*minimal, "PRIORITY").isEmpty());
    QVERIFY(linesStartingWith(*minimal, "DUE").isEmpty());
    QVERIFY(linesStartingWith(*minimal, "DESCRIPTION").isEmpty());
}

void TodoDocumentTest::shouldGenerateSafeUniqueUids()
{
    const QRegularExpression safe(QStringLiteral("^[A-Za-z0-9_.+-]+$"));
    const QString first = TodoDocument::generateUid();
    QVERIFY2(safe.match(first).hasMatch(), qPrintable(first));
    QVERIFY(first != TodoDocument::generateUid());
}

void TodoDocumentTest::shouldWriteCategoriesOnOneLine()
{
    // libical splits a list of categories into one line per value; other clients refuse a to-do written that
    // way, so an edit must give them back on one line, with differing parameters kept apart.
    const QByteArray long_ = QByteArray(60, 'x');
    TodoDocument document = load(todo("SUMMARY:Old\r\nCATEGORIES:meetings,team\r\n"
                                      "CATEGORIES;LANGUAGE=de:Arbeit\r\nCATEGORIES:" +
                                      long_ + ",\xc3\xa5" + long_ + "\r\n"));
    const QByteArray out = document.serialize().value_or(QByteArray());

    const QList<QByteArray> categories = linesStartingWith(out, "CATEGORIES");
    QCOMPARE(categories.size(), 3);
    QCOMPARE(categories[0], QByteArray("CATEGORIES:meetings,team"));
    QCOMPARE(categories[1], QByteArray("CATEGORIES;LANGUAGE=de:Arbeit"));
    QCOMPARE(categories[2], "CATEGORIES:" + long_ + ",\xc3\xa5" + long_);
    for (const QByteArray& line : out.split('\n')) {
        QVERIFY(line.size() <= 76); // 75 octets plus the CR
    }
    QCOMPARE(load(out).toReminder().title, QStringLiteral("Old"));

    // Bytes that are no UTF-8 have no character boundary to fold at; the write once never finished on them.
    const QByteArray stray(200, '\x80');
    const QByteArray strayOut =
        load(todo("SUMMARY:Old\r\nCATEGORIES:a\r\nCATEGORIES:" + stray + "\r\n")).serialize().value_or(QByteArray());
    for (const QByteArray& line : strayOut.split('\n')) {
        QVERIFY(line.size() <= 76);
    }
    QCOMPARE(load(strayOut).toReminder().title, QStringLiteral("Old"));
    QVERIFY(linesStartingWith(strayOut, "CATEGORIES").value(0).startsWith("CATEGORIES:a,"));
}

namespace {

// A file other clients could have written: escapes, parameters, folding and components this app never edits.
QByteArray untouchedRich(const QByteArray& stamps)
{
    return "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Other//EN\r\nBEGIN:VTODO\r\nUID:e-1\r\n" + stamps +
           "CATEGORIES:Errands\\, home,Work\r\nX-NOTE:a\\,b\\;c\r\nREQUEST-STATUS:2.0;Success\r\n"
           "X-CUSTOM;X-P=\"a:b\":v\r\nDESCRIPTION:A long note that someone folded\r\n  across two lines\r\n"
           "BEGIN:VALARM\r\nACTION:DISPLAY\r\nDESCRIPTION:Ring\r\nTRIGGER:-PT15M\r\nEND:VALARM\r\nEND:VTODO\r\n"
           "BEGIN:VTODO\r\nUID:e-1\r\nRECURRENCE-ID:20240301T090000Z\r\nSUMMARY:Old\r\nDTSTAMP:20240101T080000Z\r\n"
           "END:VTODO\r\nEND:VCALENDAR\r\n";
}

const QByteArray oldStamps = "DTSTAMP:20240101T080000Z\r\nLAST-MODIFIED:20240101T080000Z\r\nSEQUENCE:4\r\n";
const QByteArray newStamps = "DTSTAMP:20240220T131415Z\r\nLAST-MODIFIED:20240220T131415Z\r\nSEQUENCE:5\r\n";

QByteArray withLf(QByteArray bytes)
{
    return bytes.replace("\r\n", "\n");
}

} // namespace

void TodoDocumentTest::shouldChangeOnlyTheTouchedLines_data()
{
    QTest::addColumn<QByteArray>("original");
    QTest::addColumn<QByteArray>("expected");
    const QByteArray before = untouchedRich(oldStamps + "summary;language=en:Old\r\n");
    const QByteArray after = untouchedRich(newStamps + "SUMMARY;LANGUAGE=en:New\r\n");
    QTest::newRow("CRLF") << before << after;
    QTest::newRow("LF") << withLf(before) << withLf(after);
    QTest::newRow("no final line end") << before.chopped(2) << after.chopped(2);
    QTest::newRow("bare VTODO, stamps missing")
        << QByteArray("BEGIN:VTODO\nUID:b\nSUMMARY:Old\nX-A:1\nEND:VTODO")
        << QByteArray("BEGIN:VTODO\nUID:b\nSUMMARY:New\nX-A:1\nDTSTAMP:20240220T131415Z\n"
                      "LAST-MODIFIED:20240220T131415Z\nSEQUENCE:1\nEND:VTODO");
}

void TodoDocumentTest::shouldChangeOnlyTheTouchedLines()
{
    QFETCH(QByteArray, original);
    QFETCH(QByteArray, expected);
    const QByteArray out = edited(original, [](StoreReminder& r) { r.title = QStringLiteral("New"); });
    QCOMPARE(out, expected);
    // A second edit starts from the spliced bytes and still leaves the rest alone.
    const QByteArray again = edited(out, [](StoreReminder& r) { r.title = QStringLiteral("Old"); });
    QCOMPARE(load(again).toReminder().title, QStringLiteral("Old"));
    QVERIFY(again.contains(original.contains("CATEGORIES") ? QByteArray("CATEGORIES:Errands\\, home,Work")
                                                           : QByteArray("X-A:1")));
}

void TodoDocumentTest::shouldAddAZoneWithoutTouchingTheRest()
{
    const QByteArray original = untouchedRich(oldStamps + "SUMMARY:Old\r\n");
    const QTimeZone zone("Europe/Stockholm");
    const QByteArray out = edited(original, [&](StoreReminder& r) {
        r.due = DueDateComponents{QDate(2024, 5, 1), QTime(9, 0), zone};
    });

    const qsizetype zoneStart = out.indexOf("BEGIN:VTIMEZONE\r\n");
    const qsizetype zoneEnd = out.indexOf("END:VTIMEZONE\r\n") + 15;
    QVERIFY(zoneStart > 0 && zoneStart < out.indexOf("BEGIN:VTODO"));
    QByteArray rest = out;
    rest.remove(zoneStart, zoneEnd - zoneStart);
    // A new property goes after the master's own ones, ahead of its alarm.
    QCOMPARE(rest, untouchedRich(newStamps + "SUMMARY:Old\r\n")
                       .replace("BEGIN:VALARM", "DUE;TZID=Europe/Stockholm:20240501T090000\r\nBEGIN:VALARM"));
    QCOMPARE(load(out).toReminder().due->toDateTime(), QDateTime(QDate(2024, 5, 1), QTime(9, 0), zone));
}

void TodoDocumentTest::shouldWriteEditsOfSubComponentsByIndex()
{
    const QByteArray original = untouchedRich(oldStamps + "SUMMARY:Old\r\n");
    TodoDocument document = load(original);
    icalcomponent* master = document.masterForEdit();
    icalcomponent_add_property(master, icalproperty_new_from_string("X-MOZ-LASTACK:20240220T131415Z"));
    icalcomponent* alarm = icalcomponent_get_first_component(master, ICAL_VALARM_COMPONENT);
    icalcomponent_add_property(alarm, icalproperty_new_from_string("ACKNOWLEDGED:20240220T131415Z"));

    const QByteArray out = document.editedBytes().bytes.value_or(QByteArray());

    QByteArray expected = original;
    expected.replace("BEGIN:VALARM\r\n", "X-MOZ-LASTACK:20240220T131415Z\r\nBEGIN:VALARM\r\n");
    expected.replace("TRIGGER:-PT15M\r\n", "TRIGGER:-PT15M\r\nACKNOWLEDGED:20240220T131415Z\r\n");
    QCOMPARE(out, expected);
}

void TodoDocumentTest::shouldRefuseAnEditThatWouldNotReadBack()
{
    // A title that grows the file past what the reader accepts would make the reminder vanish.
    TodoDocument document = load(todo("SUMMARY:Old\r\n"));
    StoreReminder changed = document.toReminder();
    const StoreReminder base = changed;
    changed.title = QString(TodoDocument::maximumFileSize, QLatin1Char('x'));
    document.applyChanges(base, changed, now);
    const TodoDocument::Edited out = document.editedBytes();
    QVERIFY(!out.bytes);
    QVERIFY(out.tooLarge);
}

QTEST_GUILESS_MAIN(TodoDocumentTest)
#include "TodoDocumentTest.moc"
