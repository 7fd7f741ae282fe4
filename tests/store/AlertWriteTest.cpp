#include "TestSupport.h"
#include "model/ReminderAlert.h"
#include "store/TodoDocument.h"
#include "store/VdirStore.h"

#include <libical/ical.h>

#include <QCoro/QCoroTask>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace tolvik;

Q_DECLARE_METATYPE(tolvik::ReminderAlert)
using tolvik::test::readFile;
using tolvik::test::writeFile;

namespace {

QByteArray clientFile(const char* name)
{
    return readFile(qEnvironmentVariable("TOLVIK_SOURCE_DIR") + QStringLiteral("/tests/data/ics/") +
                    QString::fromLatin1(name));
}

// The text from the n-th (0-based) "BEGIN:VALARM" to the end of its "END:VALARM" line; empty when there is none.
QByteArray alarmBlock(const QByteArray& bytes, int n)
{
    qsizetype begin = -1;
    for (int i = 0; i <= n; ++i) {
        begin = bytes.indexOf("BEGIN:VALARM", begin + 1);
        if (begin < 0) {
            return {};
        }
    }
    const qsizetype end = bytes.indexOf('\n', bytes.indexOf("END:VALARM", begin));
    return bytes.mid(begin, end + 1 - begin);
}

// The file without the lines every save rewrites.
QByteArray withoutStamps(QByteArray bytes)
{
    QList<QByteArray> kept;
    for (const QByteArray& line : bytes.split('\n')) {
        if (!line.startsWith("LAST-MODIFIED") && !line.startsWith("DTSTAMP") && !line.startsWith("SEQUENCE")) {
            kept.append(line);
        }
    }
    return kept.join('\n');
}

} // namespace

class AlertWriteTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<VdirStore> m_store;
    QString m_file;

    StoreReminder load(const QByteArray& bytes = {})
    {
        if (!bytes.isEmpty()) {
            writeFile(m_file, bytes);
        }
        m_store = std::make_unique<VdirStore>(m_dir->filePath(QStringLiteral("calendars")));
        const QList<StoreList> lists = QCoro::waitFor(m_store->lists());
        const QList<StoreReminder> all = QCoro::waitFor(m_store->fetchReminders({lists.first().id}));
        return all.first();
    }

    QByteArray save(StoreReminder reminder, const ReminderAlert& alert)
    {
        reminder.alertEdit = alertEditOf(alert);
        const WriteResult result = m_store->saveReminder(reminder);
        if (!result.ok()) {
            qWarning() << result.error.value_or(QString());
        }
        return readFile(m_file);
    }

private Q_SLOTS:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_file = m_dir->filePath(QStringLiteral("calendars/acc/list/a.ics"));
    }

    // Every choice of the picker becomes the VALARM phones read, and reads back as the same choice.
    void eachChoiceIsWrittenAndReadBack_data()
    {
        QTest::addColumn<ReminderAlert>("alert");
        QTest::addColumn<QByteArray>("trigger");
        QTest::newRow("at due time") << ReminderAlert::before(0) << QByteArray("TRIGGER;RELATED=END:PT0S");
        QTest::newRow("5 minutes") << ReminderAlert::before(300) << QByteArray("TRIGGER;RELATED=END:-PT5M");
        QTest::newRow("15 minutes") << ReminderAlert::before(900) << QByteArray("TRIGGER;RELATED=END:-PT15M");
        QTest::newRow("30 minutes") << ReminderAlert::before(1800) << QByteArray("TRIGGER;RELATED=END:-PT30M");
        QTest::newRow("1 hour") << ReminderAlert::before(3600) << QByteArray("TRIGGER;RELATED=END:-PT1H");
        QTest::newRow("1 day") << ReminderAlert::before(86400) << QByteArray("TRIGGER;RELATED=END:-P1D");
        QTest::newRow("custom offset") << ReminderAlert::before(2 * 3600 + 600)
                                       << QByteArray("TRIGGER;RELATED=END:-PT2H10M");
        QTest::newRow("custom date and time")
            << ReminderAlert::at(QDateTime(QDate(2026, 12, 13), QTime(8, 30), QTimeZone::utc()))
            << QByteArray("TRIGGER;VALUE=DATE-TIME:20261213T083000Z");
        QTest::newRow("none") << ReminderAlert::silenced() << QByteArray();
    }
    void eachChoiceIsWrittenAndReadBack()
    {
        QFETCH(ReminderAlert, alert);
        QFETCH(QByteArray, trigger);
        const StoreReminder base = load(test::todoFile("a", "Call Anna", "DUE:20261214T100000Z\r\n"));

        const QByteArray written = save(base, alert);

        if (trigger.isEmpty()) {
            QVERIFY(!written.contains("BEGIN:VALARM"));
            QCOMPARE(test::lineStarting(written, "X-TOLVIK-ALERT"), QByteArray("X-TOLVIK-ALERT:NONE"));
        } else {
            QCOMPARE(alarmBlock(written, 0),
                     "BEGIN:VALARM\r\nACTION:DISPLAY\r\nDESCRIPTION:Call Anna\r\n" + trigger + "\r\nEND:VALARM\r\n");
        }
        const StoreReminder reread = load();
        QCOMPARE(alertOf(reread.alarms, reread.alertSilenced), alert);
    }

    // Changing the alarm the form shows rewrites that VALARM only: the others, with their folds, parameters and
    // X- lines, and the rest of the file stay byte for byte.
    void changingTheFirstAlarmKeepsTheOthers_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::newRow("phone app, three alarms") << clientFile("alarms-phone.ics");
        QTest::newRow("desktop calendar, two alarms") << clientFile("alarms-desktop.ics");
        QTest::newRow("sync app, a sound that repeats, LF line ends") << clientFile("alarms-sync-app.ics");
    }
    void changingTheFirstAlarmKeepsTheOthers()
    {
        QFETCH(QByteArray, file);
        const StoreReminder base = load(file);
        const QByteArray firstBefore = alarmBlock(file, 0);

        const QByteArray written = save(base, ReminderAlert::before(3600));

        const QByteArray firstAfter = alarmBlock(written, 0);
        QVERIFY(firstAfter.contains("TRIGGER;RELATED=END:-PT1H"));
        QVERIFY(firstAfter.contains("ACTION:DISPLAY"));
        QVERIFY(!firstAfter.contains("REPEAT") && !firstAfter.contains("ATTACH"));
        QCOMPARE(withoutStamps(QByteArray(written).replace(firstAfter, {})),
                 withoutStamps(QByteArray(file).replace(firstBefore, {})));
        const StoreReminder reread = load();
        QCOMPARE(reread.alarms.size(), base.alarms.size());
        QCOMPARE(reread.alarms.mid(1), base.alarms.mid(1));
    }

    // "None" removes the alarms and silences the ring at the due time; choosing an alert again lifts it.
    void noneSilencesAndAnAlertLiftsIt()
    {
        const StoreReminder base = load(clientFile("alarms-phone.ics"));

        const QByteArray silenced = save(base, ReminderAlert::silenced());
        QVERIFY(!silenced.contains("VALARM"));
        QVERIFY(silenced.contains("X-TOLVIK-ALERT:NONE\r\nEND:VTODO"));
        QVERIFY(silenced.contains("X-APP-SORT:6\r\n"));
        const StoreReminder reread = load();
        QVERIFY(reread.alertSilenced);
        QVERIFY(reread.alarms.isEmpty());

        const QByteArray again = save(reread, ReminderAlert::before(900));
        QVERIFY(!again.contains("X-TOLVIK-ALERT"));
        QCOMPARE(again.count("BEGIN:VALARM"), 1);
        QVERIFY(!load().alertSilenced);
    }

    // Taking one alarm out of several removes its lines and nothing else, wherever it stands.
    void removingOneAlarmLeavesTheOthers_data()
    {
        QTest::addColumn<int>("index");
        QTest::newRow("first") << 0;
        QTest::newRow("middle") << 1;
        QTest::newRow("last") << 2;
    }
    void removingOneAlarmLeavesTheOthers()
    {
        QFETCH(int, index);
        const QByteArray file = clientFile("alarms-phone.ics");
        std::optional<TodoDocument> document = TodoDocument::parse(file);
        QVERIFY(document);
        icalcomponent* master = document->masterForEdit();
        icalcomponent* alarm = icalcomponent_get_first_component(master, ICAL_VALARM_COMPONENT);
        for (int i = 0; i < index; ++i) {
            alarm = icalcomponent_get_next_component(master, ICAL_VALARM_COMPONENT);
        }
        icalcomponent_remove_component(master, alarm);
        icalcomponent_free(alarm);

        QCOMPARE(document->editedBytes().bytes.value_or(QByteArray()),
                 QByteArray(file).replace(alarmBlock(file, index), {}));
    }

    // What other clients wrote shows in the picker; what it cannot set shows as "other" and is kept.
    void clientAlarmsShowInThePicker_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<ReminderAlert>("alert");
        QTest::addColumn<int>("count");
        const ReminderAlert other{ReminderAlert::Kind::other, 0, {}};
        QTest::newRow("phone app: at the due time") << clientFile("alarms-phone.ics") << ReminderAlert::before(0) << 3;
        QTest::newRow("desktop calendar: VALUE=DURATION;RELATED=END")
            << clientFile("alarms-desktop.ics") << ReminderAlert::before(900) << 2;
        QTest::newRow("sync app: a sound of its own that repeats") << clientFile("alarms-sync-app.ics") << other << 2;
        QTest::newRow("relative to the start")
            << test::todoFile("a", "A",
                              "DTSTART:20261214T080000Z\r\nBEGIN:VALARM\r\nACTION:DISPLAY\r\n"
                              "TRIGGER:-PT5M\r\nEND:VALARM\r\n")
            << other << 1;
        QTest::newRow("after the due time")
            << test::todoFile("a", "A",
                              "DUE:20261214T080000Z\r\nBEGIN:VALARM\r\nACTION:DISPLAY\r\n"
                              "TRIGGER;RELATED=END:PT5M\r\nEND:VALARM\r\n")
            << other << 1;
        QTest::newRow("at a date and time, without a due date")
            << test::todoFile("a", "A",
                              "BEGIN:VALARM\r\nACTION:DISPLAY\r\nTRIGGER;VALUE=DATE-TIME:20261213T080000Z\r\n"
                              "END:VALARM\r\n")
            << ReminderAlert::at(QDateTime(QDate(2026, 12, 13), QTime(8, 0), QTimeZone::utc())) << 1;
        QTest::newRow("no alarm") << test::todoFile("a", "A") << ReminderAlert{} << 0;
    }
    void clientAlarmsShowInThePicker()
    {
        QFETCH(QByteArray, file);
        QFETCH(ReminderAlert, alert);
        QFETCH(int, count);
        const StoreReminder reminder = load(file);
        QCOMPARE(alertOf(reminder.alarms, reminder.alertSilenced), alert);
        QCOMPARE(reminder.alarms.size(), count);
    }
};

QTEST_GUILESS_MAIN(AlertWriteTest)
#include "AlertWriteTest.moc"
