// todoman and the app on the same list folders: what one writes, the other reads with the same fields, and
// neither drops what the other wrote.
#include "IcsText.h"
#include "ModelHarness.h"
#include "PeerPrograms.h"
#include "TestSupport.h"

#include <QDir>
#include <QJsonObject>
#include <QTest>

#include <memory>

using namespace tolvik;
using namespace tolvik::interop;

namespace {

const QString workList = QStringLiteral("local/work");
const QString homeList = QStringLiteral("local/home");

QDateTime localTime(int year, int month, int day, int hour = 0, int minute = 0)
{
    return QDateTime(QDate(year, month, day), QTime(hour, minute));
}

std::optional<QDateTime> dueOf(const QJsonObject& task)
{
    const QJsonValue due = task.value(QStringLiteral("due"));
    if (due.isNull() || due.isUndefined()) {
        return std::nullopt;
    }
    return QDateTime::fromSecsSinceEpoch(due.toInteger());
}

/// The numeric id todoman gives a task in its cache, as text for its command line.
QString todomanID(const QJsonObject& task)
{
    return QString::number(task.value(QStringLiteral("id")).toInt());
}

/// The file in `folder` whose text holds `SUMMARY:<summary>`; empty when none does.
QString fileWithSummary(const QString& folder, const QString& summary)
{
    for (const QString& name : icsFiles(folder)) {
        const QString path = folder + QLatin1Char('/') + name;
        if (valueOf(masterTodo(test::readFile(path)), QStringLiteral("SUMMARY")) == summary) {
            return path;
        }
    }
    return {};
}

/// Adds lines to a file's to-do, as a phone or another client would.
bool addToTodo(const QString& path, const QByteArray& lines)
{
    QByteArray data = test::readFile(path);
    const qsizetype end = data.indexOf("END:VTODO");
    if (end < 0) {
        return false;
    }
    data.insert(end, lines);
    return test::writeFile(path, data);
}

/// Every category of a to-do, from all its CATEGORIES lines, sorted.
QStringList categoriesOf(const QList<IcsProperty>& todo)
{
    QStringList categories;
    for (const IcsProperty& property : todo) {
        if (property.name == QLatin1String("CATEGORIES")) {
            categories += property.value.split(QLatin1Char(','));
        }
    }
    categories.sort();
    return categories;
}

} // namespace

class TodomanInteropTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void todomanTasksLoadWithTheirFields();
    void modelChangesShowInTodoman();
    void todomanEditsFilesTheAppWrote();
    void appKeepsWhatTodomanAndPhonesWrote();
    void todomanKeepsWhatTheAppWrote();
    void appEditsLoseNoTodomanEdit();

private:
    QString folder(const QString& listID) const { return m_root + QLatin1Char('/') + listID; }
    /// Runs todoman and fails the test with its output when it fails.
    bool todo(const QStringList& arguments, const QByteArray& input = {});

    std::unique_ptr<test::IsolatedHome> m_home;
    QString m_root;
    std::unique_ptr<Todoman> m_todoman;
    std::unique_ptr<ModelHarness> m_app;
};

void TodomanInteropTest::init()
{
    m_home = std::make_unique<test::IsolatedHome>();
    m_root = m_home->dataHome() + QStringLiteral("/calendars");
    QVERIFY(test::writeFile(folder(workList) + QStringLiteral("/displayname"), "Work\n"));
    QVERIFY(test::writeFile(folder(workList) + QStringLiteral("/color"), "#FF8800\n"));
    QVERIFY(test::writeFile(folder(homeList) + QStringLiteral("/displayname"), "Home\n"));
    m_todoman =
        std::make_unique<Todoman>(m_home->path() + QStringLiteral("/todoman"), m_root + QStringLiteral("/local/*"));
    m_app = std::make_unique<ModelHarness>(m_root, m_home->path() + QStringLiteral("/prefs.ini"));
    m_app->refresh();
    QCOMPARE(m_app->model().authorizationStatus(), AuthorizationStatus::fullAccess);
    QCOMPARE(m_app->model().lists().size(), 2);
}

void TodomanInteropTest::cleanup()
{
    m_app.reset();
    m_todoman.reset();
    m_home.reset();
}

bool TodomanInteropTest::todo(const QStringList& arguments, const QByteArray& input)
{
    const ProcessResult result = m_todoman->run(arguments, input);
    if (!result.ok()) {
        qWarning("todoman %s failed: %s", qPrintable(arguments.join(QLatin1Char(' '))), result.describe().constData());
    }
    return result.ok();
}

void TodomanInteropTest::todomanTasksLoadWithTheirFields()
{
    QVERIFY(todo({QStringLiteral("new"), QStringLiteral("-l"), QStringLiteral("Work"), QStringLiteral("--due"),
                  QStringLiteral("2031-03-04 09:30"), QStringLiteral("--priority"), QStringLiteral("high"),
                  QStringLiteral("Pay rent")}));
    QVERIFY(todo({QStringLiteral("new"), QStringLiteral("-l"), QStringLiteral("Home"), QStringLiteral("--due"),
                  QStringLiteral("2031-05-06"), QStringLiteral("--priority"), QStringLiteral("low"),
                  QStringLiteral("--read-description"), QStringLiteral("Buy milk")},
                 QStringLiteral("two litres\nthe organic one \u2615").toUtf8()));
    QVERIFY(todo({QStringLiteral("new"), QStringLiteral("-l"), QStringLiteral("Work"), QStringLiteral("--due"),
                  QStringLiteral("2031-01-06 08:00"), QStringLiteral("Water plants")}));
    QVERIFY(
        todo({QStringLiteral("new"), QStringLiteral("-l"), QStringLiteral("Work"), QStringLiteral("Already done")}));
    const std::optional<QJsonObject> done = m_todoman->taskWithSummary(QStringLiteral("Already done"));
    QVERIFY(done);
    QVERIFY(todo({QStringLiteral("done"), todomanID(*done)}));
    // todoman has no option for repeats; users and phones add the rule to the file.
    const QString plants = fileWithSummary(folder(workList), QStringLiteral("Water plants"));
    QVERIFY(!plants.isEmpty());
    QVERIFY(addToTodo(plants, "RRULE:FREQ=WEEKLY\r\n"));

    m_app->refresh();
    const QList<ReminderItem> reminders = m_app->model().reminders();
    QCOMPARE(reminders.size(), 3);

    const std::optional<ReminderItem> rent = m_app->reminder(QStringLiteral("Pay rent"));
    QVERIFY(rent);
    QCOMPARE(rent->listID, workList);
    QCOMPARE(rent->dueDate, localTime(2031, 3, 4, 9, 30));
    QCOMPARE(rent->priority, 4);
    QCOMPARE(rent->recurrence, RecurrenceOption::none);
    QVERIFY(!rent->notes || rent->notes->isEmpty());

    // A date without a time means the whole day: local midnight.
    const std::optional<ReminderItem> milk = m_app->reminder(QStringLiteral("Buy milk"));
    QVERIFY(milk);
    QCOMPARE(milk->listID, homeList);
    QCOMPARE(milk->dueDate, localTime(2031, 5, 6));
    QCOMPARE(milk->priority, 9);
    const std::optional<QJsonObject> milkTask = m_todoman->taskWithSummary(QStringLiteral("Buy milk"));
    QVERIFY(milkTask);
    QVERIFY(milk->notes);
    QCOMPARE(*milk->notes, milkTask->value(QStringLiteral("description")).toString());
    QVERIFY(milk->notes->contains(QStringLiteral("the organic one \u2615")));

    const std::optional<ReminderItem> water = m_app->reminder(QStringLiteral("Water plants"));
    QVERIFY(water);
    QCOMPARE(water->recurrence, RecurrenceOption::weekly);
    QCOMPARE(water->dueDate, localTime(2031, 1, 6, 8, 0));

    QVERIFY(!m_app->reminder(QStringLiteral("Already done")));

    // The two sides agree on every due date, whatever form todoman wrote it in.
    for (const ReminderItem& item : reminders) {
        const std::optional<QJsonObject> task = m_todoman->taskWithSummary(item.title);
        QVERIFY2(task, qPrintable(item.title));
        QCOMPARE(dueOf(*task), item.dueDate);
        QCOMPARE(task->value(QStringLiteral("priority")).toInt(), item.priority);
    }
}

void TodomanInteropTest::modelChangesShowInTodoman()
{
    const QString notes = QStringLiteral("Ask about Sunday \u2014 \u2615, and the train");
    QCOMPARE(m_app->add(QStringLiteral("Call mum"), workList, localTime(2031, 2, 3, 18, 15), notes, 1), QString());
    QCOMPARE(m_app->add(QStringLiteral("Throw away"), homeList), QString());

    std::optional<QJsonObject> task = m_todoman->taskWithSummary(QStringLiteral("Call mum"));
    QVERIFY(task);
    QCOMPARE(task->value(QStringLiteral("list")).toString(), QStringLiteral("Work"));
    QCOMPARE(dueOf(*task), localTime(2031, 2, 3, 18, 15));
    QCOMPARE(task->value(QStringLiteral("priority")).toInt(), 1);
    QCOMPARE(task->value(QStringLiteral("description")).toString(), notes);
    QCOMPARE(task->value(QStringLiteral("completed")).toBool(), false);

    QString id = m_app->idOf(QStringLiteral("Call mum"));
    QCOMPARE(m_app->wait(m_app->model().updateReminder(id, QStringLiteral("Call mum and dad"), std::nullopt,
                                                       localTime(2031, 2, 4, 7, 0), 9, RecurrenceOption::none)),
             QString());
    QVERIFY(!m_todoman->taskWithSummary(QStringLiteral("Call mum")));
    task = m_todoman->taskWithSummary(QStringLiteral("Call mum and dad"));
    QVERIFY(task);
    QCOMPARE(dueOf(*task), localTime(2031, 2, 4, 7, 0));
    QCOMPARE(task->value(QStringLiteral("priority")).toInt(), 9);
    QCOMPARE(task->value(QStringLiteral("description")).toString(), QString());

    // A cleared due date is gone for todoman too.
    id = m_app->idOf(QStringLiteral("Call mum and dad"));
    QCOMPARE(m_app->wait(m_app->model().updateReminder(id, QStringLiteral("Call mum and dad"), std::nullopt,
                                                       std::nullopt, 9, RecurrenceOption::none)),
             QString());
    task = m_todoman->taskWithSummary(QStringLiteral("Call mum and dad"));
    QVERIFY(task);
    QCOMPARE(dueOf(*task), std::nullopt);

    QCOMPARE(m_app->wait(m_app->model().moveReminder(id, homeList)), QString());
    const QJsonArray afterMove = m_todoman->listAll();
    int copies = 0;
    for (const QJsonValue& value : afterMove) {
        if (value.toObject().value(QStringLiteral("summary")).toString() == QStringLiteral("Call mum and dad")) {
            ++copies;
            QCOMPARE(value.toObject().value(QStringLiteral("list")).toString(), QStringLiteral("Home"));
        }
    }
    QCOMPARE(copies, 1);

    const QDateTime beforeCompletion = QDateTime::currentDateTime().addSecs(-1);
    QCOMPARE(m_app->wait(m_app->model().completeReminder(m_app->idOf(QStringLiteral("Call mum and dad")))), QString());
    task = m_todoman->taskWithSummary(QStringLiteral("Call mum and dad"));
    QVERIFY(task);
    QCOMPARE(task->value(QStringLiteral("completed")).toBool(), true);
    QCOMPARE(task->value(QStringLiteral("percent")).toInt(), 100);
    const QDateTime completedAt =
        QDateTime::fromSecsSinceEpoch(task->value(QStringLiteral("completed_at")).toInteger());
    QVERIFY2(completedAt >= beforeCompletion && completedAt <= QDateTime::currentDateTime().addSecs(1),
             qPrintable(completedAt.toString(Qt::ISODate)));

    QCOMPARE(m_app->wait(m_app->model().deleteReminder(m_app->idOf(QStringLiteral("Throw away")))), QString());
    QVERIFY(!m_todoman->taskWithSummary(QStringLiteral("Throw away")));
    QCOMPARE(m_todoman->listAll().size(), 1);
}

void TodomanInteropTest::todomanEditsFilesTheAppWrote()
{
    QCOMPARE(m_app->add(QStringLiteral("Renew passport"), workList, localTime(2031, 6, 1, 12, 0),
                        QStringLiteral("Photos first"), 5, RecurrenceOption::weekly),
             QString());
    QCOMPARE(m_app->add(QStringLiteral("Book dentist"), workList), QString());
    QCOMPARE(m_app->add(QStringLiteral("Old idea"), workList), QString());
    const QString passportPath = m_app->pathOf(m_app->idOf(QStringLiteral("Renew passport")));

    const std::optional<QJsonObject> passport = m_todoman->taskWithSummary(QStringLiteral("Renew passport"));
    QVERIFY(passport);
    QVERIFY(todo({QStringLiteral("edit"), todomanID(*passport), QStringLiteral("--due"),
                  QStringLiteral("2031-07-08 10:00"), QStringLiteral("--priority"), QStringLiteral("high")}));
    const std::optional<QJsonObject> dentist = m_todoman->taskWithSummary(QStringLiteral("Book dentist"));
    QVERIFY(dentist);
    QVERIFY(todo({QStringLiteral("move"), QStringLiteral("-l"), QStringLiteral("Home"), todomanID(*dentist)}));
    const std::optional<QJsonObject> idea = m_todoman->taskWithSummary(QStringLiteral("Old idea"));
    QVERIFY(idea);
    QVERIFY(todo({QStringLiteral("delete"), QStringLiteral("--yes"), todomanID(*idea)}));

    m_app->refresh();
    const std::optional<ReminderItem> renewed = m_app->reminder(QStringLiteral("Renew passport"));
    QVERIFY(renewed);
    QCOMPARE(renewed->dueDate, localTime(2031, 7, 8, 10, 0));
    QCOMPARE(renewed->priority, 4);
    QCOMPARE(renewed->notes, QStringLiteral("Photos first"));
    QCOMPARE(renewed->recurrence, RecurrenceOption::weekly);
    QCOMPARE(m_app->pathOf(renewed->id), passportPath);
    const std::optional<ReminderItem> moved = m_app->reminder(QStringLiteral("Book dentist"));
    QVERIFY(moved);
    QCOMPARE(moved->listID, homeList);
    QVERIFY(!m_app->reminder(QStringLiteral("Old idea")));

    // The app goes on editing the file todoman rewrote, and todoman completes what the app edited.
    QCOMPARE(m_app->wait(m_app->model().updateReminder(renewed->id, QStringLiteral("Renew passport"),
                                                       QStringLiteral("Photos first, then the form"), renewed->dueDate,
                                                       4, RecurrenceOption::weekly)),
             QString());
    QVERIFY(todo({QStringLiteral("done"), todomanID(*m_todoman->taskWithSummary(QStringLiteral("Book dentist")))}));
    m_app->refresh();
    QVERIFY(!m_app->reminder(QStringLiteral("Book dentist")));
    QCOMPARE(m_app->reminder(QStringLiteral("Renew passport"))->notes, QStringLiteral("Photos first, then the form"));
    QCOMPARE(m_todoman->taskWithSummary(QStringLiteral("Renew passport"))->value(QStringLiteral("description")),
             QStringLiteral("Photos first, then the form"));
}

void TodomanInteropTest::appKeepsWhatTodomanAndPhonesWrote()
{
    QVERIFY(todo({QStringLiteral("new"), QStringLiteral("-l"), QStringLiteral("Work"), QStringLiteral("--location"),
                  QStringLiteral("Office, 3rd floor"), QStringLiteral("--start"), QStringLiteral("2031-03-03 08:00"),
                  QStringLiteral("--due"), QStringLiteral("2031-03-03 09:00"), QStringLiteral("Standup notes")}));
    const QString path = fileWithSummary(folder(workList), QStringLiteral("Standup notes"));
    QVERIFY(!path.isEmpty());
    // What a phone adds: a fortnightly rule on Mondays, categories, an alarm and its own flag.
    QVERIFY(addToTodo(path,
                      "RRULE:FREQ=WEEKLY;INTERVAL=2;BYDAY=MO\r\n"
                      "CATEGORIES:meetings,team\r\n"
                      "X-PHONE-FLAGGED:1\r\n"
                      "BEGIN:VALARM\r\nACTION:DISPLAY\r\nDESCRIPTION:Standup\r\nTRIGGER:-PT10M\r\nEND:VALARM\r\n"));
    const QList<IcsProperty> before = masterTodo(test::readFile(path));

    m_app->refresh();
    const std::optional<ReminderItem> item = m_app->reminder(QStringLiteral("Standup notes"));
    QVERIFY(item);
    QCOMPARE(item->recurrence, RecurrenceOption::custom);
    // The panel hands back what it shows: the title edited, everything else as loaded.
    QCOMPARE(m_app->wait(m_app->model().updateReminder(item->id, QStringLiteral("Standup notes (team)"), item->notes,
                                                       item->dueDate, item->priority, item->recurrence)),
             QString());
    QCOMPARE(m_app->pathOf(m_app->idOf(QStringLiteral("Standup notes (team)"))), path);

    const QByteArray after = test::readFile(path);
    const QList<IcsProperty> todoAfter = masterTodo(after);
    for (const QString& name : {QStringLiteral("UID"), QStringLiteral("LOCATION"), QStringLiteral("DTSTART"),
                                QStringLiteral("CREATED"), QStringLiteral("X-PHONE-FLAGGED")}) {
        QVERIFY2(findProperty(todoAfter, name), qPrintable(name));
        QCOMPARE(valueOf(todoAfter, name), valueOf(before, name));
    }
    // Several categories may come back as one line each: the same meaning.
    QCOMPARE(categoriesOf(todoAfter), categoriesOf(before));
    const QString rule = valueOf(todoAfter, QStringLiteral("RRULE"));
    QVERIFY2(rule.contains(QStringLiteral("INTERVAL=2")) && rule.contains(QStringLiteral("BYDAY=MO")),
             qPrintable(rule));
    QVERIFY(after.contains("TRIGGER:-PT10M"));
    QCOMPARE(valueOf(todoAfter, QStringLiteral("SUMMARY")), QStringLiteral("Standup notes (team)"));

    const std::optional<QJsonObject> task = m_todoman->taskWithSummary(QStringLiteral("Standup notes (team)"));
    QVERIFY(task);
    QCOMPARE(task->value(QStringLiteral("location")).toString(), QStringLiteral("Office, 3rd floor"));
    QCOMPARE(dueOf(*task), localTime(2031, 3, 3, 9, 0));
}

void TodomanInteropTest::todomanKeepsWhatTheAppWrote()
{
    QCOMPARE(m_app->add(QStringLiteral("Quarterly taxes"), workList, localTime(2031, 4, 15, 9, 0),
                        QStringLiteral("Form B, line 7"), 1, RecurrenceOption::monthly),
             QString());
    const QString id = m_app->idOf(QStringLiteral("Quarterly taxes"));
    const QString path = m_app->pathOf(id);
    const QList<IcsProperty> written = masterTodo(test::readFile(path));

    const std::optional<QJsonObject> task = m_todoman->taskWithSummary(QStringLiteral("Quarterly taxes"));
    QVERIFY(task);
    QVERIFY(todo({QStringLiteral("edit"), todomanID(*task), QStringLiteral("--location"), QStringLiteral("Desk")}));

    const QList<IcsProperty> edited = masterTodo(test::readFile(path));
    QCOMPARE(valueOf(edited, QStringLiteral("UID")), valueOf(written, QStringLiteral("UID")));
    QCOMPARE(valueOf(edited, QStringLiteral("DESCRIPTION")), valueOf(written, QStringLiteral("DESCRIPTION")));
    QCOMPARE(valueOf(edited, QStringLiteral("RRULE")), valueOf(written, QStringLiteral("RRULE")));
    QCOMPARE(valueOf(edited, QStringLiteral("PRIORITY")), QStringLiteral("1"));

    m_app->refresh();
    const std::optional<ReminderItem> item = m_app->reminder(QStringLiteral("Quarterly taxes"));
    QVERIFY(item);
    QCOMPARE(item->id, id);
    QCOMPARE(item->dueDate, localTime(2031, 4, 15, 9, 0));
    QCOMPARE(item->notes, QStringLiteral("Form B, line 7"));
    QCOMPARE(item->priority, 1);
    QCOMPARE(item->recurrence, RecurrenceOption::monthly);

    // And the app, editing again, keeps todoman's location.
    QCOMPARE(m_app->wait(m_app->model().updateReminder(id, item->title, item->notes, localTime(2031, 4, 16, 9, 0),
                                                       item->priority, item->recurrence)),
             QString());
    QCOMPARE(
        m_todoman->taskWithSummary(QStringLiteral("Quarterly taxes"))->value(QStringLiteral("location")).toString(),
        QStringLiteral("Desk"));
}

void TodomanInteropTest::appEditsLoseNoTodomanEdit()
{
    QVERIFY(todo({QStringLiteral("new"), QStringLiteral("-l"), QStringLiteral("Work"), QStringLiteral("Shared")}));
    const std::optional<QJsonObject> task = m_todoman->taskWithSummary(QStringLiteral("Shared"));
    QVERIFY(task);
    m_app->refresh();
    const QString id = m_app->idOf(QStringLiteral("Shared"));
    QVERIFY(!id.isEmpty());

    // todoman moves the due date on, edit after edit, while the app renames the reminder as fast as it can,
    // each time as a form opened on what the app showed then would.
    constexpr int rounds = 8;
    QStringList days;
    for (int day = 1; day <= rounds; ++day) {
        days.append(QStringLiteral("%1").arg(day, 2, 10, QLatin1Char('0')));
    }
    const QString script = QStringLiteral("for day in %1; do /usr/bin/todoman --config '%2' edit %3 --due "
                                          "\"2031-01-$day 09:00\" >/dev/null || exit 1; done")
                               .arg(days.join(QLatin1Char(' ')), m_todoman->configPath(), todomanID(*task));
    QProcess loop;
    loop.start(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), script});
    QVERIFY(loop.waitForStarted());
    int edits = 0;
    QStringList errors;
    const auto editOnce = [&] {
        const QList<ReminderItem> items = m_app->model().reminders();
        const auto shown = std::find_if(items.begin(), items.end(), [&](const ReminderItem& i) { return i.id == id; });
        if (shown == items.end()) {
            errors.append(QStringLiteral("the reminder vanished"));
            return;
        }
        const ReminderFields opened{shown->title, shown->notes, shown->dueDate, shown->priority, shown->recurrence};
        const QString error =
            m_app->wait(m_app->model().updateReminder(id, QStringLiteral("Shared %1").arg(++edits), opened.notes,
                                                      opened.dueDate, opened.priority, opened.recurrence, opened));
        if (!error.isEmpty()) {
            errors.append(error);
        }
    };
    while (loop.state() != QProcess::NotRunning) {
        editOnce();
        loop.waitForFinished(1);
    }
    editOnce();

    QCOMPARE(loop.exitCode(), 0);
    QVERIFY2(errors.isEmpty(), qPrintable(errors.join(QLatin1Char('\n'))));
    QVERIFY(edits > rounds);
    const std::optional<QJsonObject> after = m_todoman->taskWithSummary(QStringLiteral("Shared %1").arg(edits));
    QVERIFY(after);
    const QString file = fileWithSummary(folder(workList), QStringLiteral("Shared %1").arg(edits));
    QVERIFY2(dueOf(*after) == localTime(2031, 1, rounds, 9, 0), test::readFile(file).constData());
}

QTEST_GUILESS_MAIN(TodomanInteropTest)
#include "TodomanInteropTest.moc"
