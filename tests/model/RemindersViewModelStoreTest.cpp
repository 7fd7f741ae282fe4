// The model on the real folder store: what it loads and in which order, what each mutation leaves in the files,
// and how it follows changes that other programs make.
#include "ModelFixture.h"

#include <QSignalSpy>
#include <QTest>

using namespace tolvik;
using namespace tolvik::test;

namespace {

constexpr int changeTimeoutMs = 10000;

QStringList titlesOf(const QList<ReminderItem>& items)
{
    QStringList titles;
    for (const ReminderItem& item : items) {
        titles.append(item.title);
    }
    return titles;
}

std::optional<ReminderItem> itemTitled(const RemindersViewModel& model, const QString& title)
{
    for (const ReminderItem& item : model.reminders()) {
        if (item.title == title) {
            return item;
        }
    }
    return std::nullopt;
}

} // namespace

class RemindersViewModelStoreTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<ModelFixture> m_fixture;

    // A model whose start-up refresh has finished.
    std::unique_ptr<RemindersViewModel> loadedModel()
    {
        auto model = m_fixture->makeModel();
        QSignalSpy refreshed(model.get(), &RemindersViewModel::lastRefreshDateChanged);
        // The start-up task runs from the event loop; waiting for its one refresh keeps later counts exact.
        if (!refreshed.wait(changeTimeoutMs)) {
            qWarning("the start-up refresh did not finish");
        }
        return model;
    }

private Q_SLOTS:
    void initTestCase() { QCOMPARE(QTimeZone::systemTimeZoneId(), QByteArrayLiteral("Europe/Stockholm")); }

    void init()
    {
        m_fixture = std::make_unique<ModelFixture>();
        m_fixture->makeList(QStringLiteral("work/projects"), "Projects", "#FF0000");
        m_fixture->makeList(QStringLiteral("work/tasks"), "Tasks");
        m_fixture->makeList(QStringLiteral("work/errands"), "Errands");
        m_fixture->makeList(QStringLiteral("home/tasks"), "Tasks");
        writeFile(m_fixture->root() + QStringLiteral("/work/displayname"), "Work");
        writeFile(m_fixture->root() + QStringLiteral("/home/displayname"), "Home");
    }

    void cleanup() { m_fixture.reset(); }

    void shouldPublishAccountsAndListsByNameKeepingTheStoreOrderForEqualNames()
    {
        auto model = loadedModel();

        QStringList accountNames;
        for (const ReminderAccount& account : model->accounts()) {
            accountNames.append(account.name);
        }
        QCOMPARE(accountNames, (QStringList{QStringLiteral("Home"), QStringLiteral("Work")}));

        QStringList storeTasks;
        for (const StoreList& list : QCoro::waitFor(m_fixture->store()->lists())) {
            if (list.title == QLatin1String("Tasks")) {
                storeTasks.append(list.id);
            }
        }
        QStringList names;
        QStringList modelTasks;
        for (const ReminderList& list : model->lists()) {
            names.append(list.name);
            if (list.name == QLatin1String("Tasks")) {
                modelTasks.append(list.id);
            }
        }
        QCOMPARE(names, (QStringList{QStringLiteral("Errands"), QStringLiteral("Projects"), QStringLiteral("Tasks"),
                                     QStringLiteral("Tasks")}));
        QCOMPARE(modelTasks, storeTasks);
        QCOMPARE(model->lists().at(1).color, QColor(0xFF, 0, 0));
        QCOMPARE(model->lists().at(0).color, RemindersViewModel::fallbackListColor());
        QCOMPARE(model->lists().at(0).accountName, QStringLiteral("Work"));
    }

    void shouldPublishOpenRemindersInsideTheTimeframeInDisplayOrder()
    {
        const QString list = QStringLiteral("work/projects");
        // One month after 10:00 on 15 March in Stockholm is 10:00 CEST on 15 April, 08:00 UTC.
        m_fixture->writeTodo(list, QStringLiteral("cutoff"), QStringLiteral("at the cut-off"),
                             {QStringLiteral("DUE:20240415T080000Z")});
        m_fixture->writeTodo(list, QStringLiteral("past-cutoff"), QStringLiteral("a second later"),
                             {QStringLiteral("DUE:20240415T080001Z")});
        m_fixture->writeTodo(list, QStringLiteral("overdue"), QStringLiteral("overdue"),
                             {QStringLiteral("DUE:20230601T080000Z")});
        m_fixture->writeTodo(list, QStringLiteral("y"), QStringLiteral("y"), {QStringLiteral("DUE:20240320T080000Z")});
        m_fixture->writeTodo(QStringLiteral("home/tasks"), QStringLiteral("x"), QStringLiteral("x"),
                             {QStringLiteral("DUE:20240320T080000Z")});
        m_fixture->writeTodo(list, QStringLiteral("small-b"), QStringLiteral("b"));
        m_fixture->writeTodo(list, QStringLiteral("capital-a"), QStringLiteral("A"));
        m_fixture->writeTodo(QStringLiteral("work/tasks"), QStringLiteral("small-a"), QStringLiteral("a"));
        m_fixture->writeTodo(list, QStringLiteral("done"), QStringLiteral("done"),
                             {QStringLiteral("DUE:20240316T080000Z"), QStringLiteral("STATUS:COMPLETED")});
        m_fixture->writeTodo(list, QStringLiteral("done-undated"), QStringLiteral("done too"),
                             {QStringLiteral("COMPLETED:20240301T080000Z")});

        auto model = loadedModel();

        QCOMPARE(titlesOf(model->reminders()),
                 (QStringList{QStringLiteral("overdue"), QStringLiteral("x"), QStringLiteral("y"),
                              QStringLiteral("at the cut-off"), QStringLiteral("A"), QStringLiteral("a"),
                              QStringLiteral("b")}));
        QCOMPARE(itemTitled(*model, QStringLiteral("x"))->listID, QStringLiteral("home/tasks"));

        QSignalSpy refreshed(model.get(), &RemindersViewModel::lastRefreshDateChanged);
        model->setReminderTimeframe(ReminderTimeframe::unlimited);
        QTRY_COMPARE_WITH_TIMEOUT(refreshed.count(), 1, changeTimeoutMs);
        QCOMPARE(model->reminders().size(), 8);
        QVERIFY(itemTitled(*model, QStringLiteral("a second later")));
        QVERIFY(!itemTitled(*model, QStringLiteral("done")));
    }

    void shouldAddARemindersFieldsToANewFile()
    {
        auto model = loadedModel();
        const QDateTime due(QDate(2024, 3, 20), QTime(9, 30, 45), QTimeZone(QByteArrayLiteral("Europe/Stockholm")));

        QCoro::waitFor(model->addReminder(QStringLiteral("Call the dentist"), QStringLiteral("Ask about Tuesday"), due,
                                          5, RecurrenceOption::weekly, QStringLiteral("work/errands")));
        QCoro::waitFor(model->addReminder(QStringLiteral("Undated"), std::nullopt, std::nullopt, 0,
                                          RecurrenceOption::none, QStringLiteral("work/errands")));

        const std::optional<ReminderItem> item = itemTitled(*model, QStringLiteral("Call the dentist"));
        QVERIFY(item);
        QCOMPARE(item->dueDate, std::optional<QDateTime>(due.addSecs(-45)));
        const QByteArray file = m_fixture->readTodo(item->id);
        QVERIFY2(file.contains("DUE;TZID=Europe/Stockholm:20240320T093000"), file.constData());
        QVERIFY(file.contains("BEGIN:VTIMEZONE"));

        const std::optional<StoreReminder> stored = m_fixture->readBack(QStringLiteral("Call the dentist"));
        QVERIFY(stored && stored->due);
        QCOMPARE(stored->due->date, QDate(2024, 3, 20));
        QCOMPARE(stored->due->time, std::optional<QTime>(QTime(9, 30)));
        QCOMPARE(stored->due->timeZone.id(), QByteArrayLiteral("Europe/Stockholm"));
        QCOMPARE(stored->listID, std::optional<QString>(QStringLiteral("work/errands")));
        QCOMPARE(stored->notes, std::optional<QString>(QStringLiteral("Ask about Tuesday")));
        QCOMPARE(stored->priority, 5);
        QCOMPARE(stored->recurrenceRules, (QList<RecurrenceRule>{RecurrenceRule{1, 1, false}}));

        const std::optional<StoreReminder> undated = m_fixture->readBack(QStringLiteral("Undated"));
        QVERIFY(undated);
        QVERIFY(!undated->due);
        QVERIFY(!undated->notes);
        QVERIFY(undated->recurrenceRules.isEmpty());
        QVERIFY(!m_fixture->readTodo(itemTitled(*model, QStringLiteral("Undated"))->id).contains("DUE"));
    }

    void shouldRewriteOnlyTheEditedFieldsAndCarryAnUntouchedPriority()
    {
        const QString id = m_fixture->writeTodo(
            QStringLiteral("work/projects"), QStringLiteral("edit"), QStringLiteral("Old title"),
            {QStringLiteral("DUE:20240318T080000Z"), QStringLiteral("RRULE:FREQ=WEEKLY;INTERVAL=2"),
             QStringLiteral("PRIORITY:3"), QStringLiteral("DESCRIPTION:old notes"), QStringLiteral("X-KEEP:me")});
        auto model = loadedModel();
        const std::optional<ReminderItem> item = itemTitled(*model, QStringLiteral("Old title"));
        QVERIFY(item);
        QCOMPARE(item->recurrence, RecurrenceOption::custom);

        // The form passes the priority and repeat choice it read: an untouched 3 goes back as 3, and an untouched
        // custom choice keeps the every-two-weeks rule it stands for.
        QCoro::waitFor(model->updateReminder(item->id, QStringLiteral("New title"), std::nullopt, std::nullopt,
                                             item->priority, item->recurrence));

        std::optional<StoreReminder> stored = m_fixture->readBack(QStringLiteral("New title"));
        QVERIFY(stored);
        QVERIFY(!stored->due);
        QVERIFY(!stored->notes);
        QCOMPARE(stored->priority, 3);
        QCOMPARE(stored->recurrenceRules, (QList<RecurrenceRule>{RecurrenceRule{1, 2, false}}));
        QByteArray file = m_fixture->readTodo(id);
        QVERIFY(file.contains("RRULE:FREQ=WEEKLY;INTERVAL=2"));
        QVERIFY(!file.contains("DUE"));
        QVERIFY(file.contains("X-KEEP:me"));
        QVERIFY(itemTitled(*model, QStringLiteral("New title")));

        // A different choice replaces every rule with exactly one plain rule.
        QCoro::waitFor(model->updateReminder(item->id, QStringLiteral("New title"), std::nullopt, std::nullopt, 3,
                                             RecurrenceOption::daily));
        stored = m_fixture->readBack(QStringLiteral("New title"));
        QVERIFY(stored);
        QCOMPARE(stored->recurrenceRules, (QList<RecurrenceRule>{RecurrenceRule{0, 1, false}}));
        QVERIFY(!m_fixture->readTodo(id).contains("INTERVAL"));

        QCoro::waitFor(model->updateReminder(item->id, QStringLiteral("New title"), QStringLiteral("n"), std::nullopt,
                                             3, RecurrenceOption::none));
        stored = m_fixture->readBack(QStringLiteral("New title"));
        QVERIFY(stored);
        QVERIFY(stored->recurrenceRules.isEmpty());
        QVERIFY(!m_fixture->readTodo(id).contains("RRULE"));
    }

    void shouldKeepAChangeMadeElsewhereWhileTheFormWasOpen()
    {
        const QString id =
            m_fixture->writeTodo(QStringLiteral("work/projects"), QStringLiteral("sync"), QStringLiteral("Old title"),
                                 {QStringLiteral("PRIORITY:3"), QStringLiteral("DESCRIPTION:old notes")});
        auto model = loadedModel();
        const std::optional<ReminderItem> shown = itemTitled(*model, QStringLiteral("Old title"));
        QVERIFY(shown);
        const ReminderFields opened{shown->title, shown->notes, shown->dueDate, shown->priority, shown->recurrence};

        // A phone's notes and priority land through a sync while the form is open.
        m_fixture->writeTodo(QStringLiteral("work/projects"), QStringLiteral("sync"), QStringLiteral("Old title"),
                             {QStringLiteral("PRIORITY:7"), QStringLiteral("DESCRIPTION:phone notes")});
        QCoro::waitFor(model->refresh());

        // The user retypes the title and picks a priority; the notes field still shows the old text.
        QCoro::waitFor(model->updateReminder(id, QStringLiteral("New title"), opened.notes, opened.dueDate, 1,
                                             opened.recurrence, opened));

        const std::optional<StoreReminder> stored = m_fixture->readBack(QStringLiteral("New title"));
        QVERIFY(stored);
        QCOMPARE(stored->notes, std::optional<QString>(QStringLiteral("phone notes")));
        QCOMPARE(stored->priority, 1);
        QVERIFY(!model->lastOperationError());
    }

    void shouldKeepAPhoneWrittenCustomRuleThroughAnEditAndAdvanceItOnCompletion()
    {
        struct Case
        {
            const char* rrule;
            const char* due;
            QDate next;
        };
        // Written as phones write them, in their own order of parts; now is Friday 15 March 2024, 10:00.
        const Case cases[] = {
            {"RRULE:FREQ=WEEKLY;BYDAY=MO,TU,WE,TH,FR", "DUE:20240315T160000Z", QDate(2024, 3, 18)},
            {"RRULE:FREQ=WEEKLY;INTERVAL=2", "DUE:20240315T160000Z", QDate(2024, 3, 29)},
            {"RRULE:FREQ=MONTHLY;INTERVAL=3", "DUE:20240315T160000Z", QDate(2024, 6, 15)},
            {"RRULE:FREQ=DAILY;INTERVAL=3;BYDAY=MO,FR", "DUE:20240315T160000Z", QDate(2024, 3, 18)},
            {"RRULE:BYDAY=TH,MO;WKST=MO;FREQ=WEEKLY;INTERVAL=2", "DUE:20240318T160000Z", QDate(2024, 3, 21)},
        };
        int n = 0;
        for (const Case& test : cases) {
            const QString title = QStringLiteral("Rule %1").arg(++n);
            const QString id = m_fixture->writeTodo(QStringLiteral("work/tasks"), QStringLiteral("rule%1").arg(n),
                                                    title, {QLatin1String(test.due), QLatin1String(test.rrule)});
            auto model = loadedModel();
            const std::optional<ReminderItem> item = itemTitled(*model, title);
            QVERIFY(item);
            QCOMPARE(item->recurrence, RecurrenceOption::custom);

            QCoro::waitFor(model->updateReminder(item->id, title + QStringLiteral(" edited"), item->notes,
                                                 item->dueDate, item->priority, item->recurrence));
            const QByteArray file = m_fixture->readTodo(id);
            QVERIFY2(file.contains(QByteArray("\r\n") + test.rrule + "\r\n"), file.constData());

            QCoro::waitFor(model->completeReminder(item->id));
            const std::optional<StoreReminder> stored = m_fixture->readBack(title + QStringLiteral(" edited"));
            QVERIFY(stored && !stored->isCompleted && stored->due);
            QCOMPARE(stored->due->date, test.next);
        }
    }

    void shouldMoveCompleteAndDeleteOnDisk()
    {
        m_fixture->writeTodo(QStringLiteral("work/projects"), QStringLiteral("move"), QStringLiteral("Move me"));
        m_fixture->writeTodo(QStringLiteral("work/projects"), QStringLiteral("once"), QStringLiteral("Once"));
        m_fixture->writeTodo(QStringLiteral("work/projects"), QStringLiteral("weekly"), QStringLiteral("Weekly"),
                             {QStringLiteral("DUE:20240318T080000Z"), QStringLiteral("RRULE:FREQ=WEEKLY")});
        m_fixture->writeTodo(QStringLiteral("work/projects"), QStringLiteral("gone"), QStringLiteral("Gone"));
        auto model = loadedModel();
        QCOMPARE(model->reminders().size(), 4);

        QCoro::waitFor(
            model->moveReminder(itemTitled(*model, QStringLiteral("Move me"))->id, QStringLiteral("home/tasks")));
        QCoro::waitFor(model->completeReminder(itemTitled(*model, QStringLiteral("Once"))->id));
        QCoro::waitFor(model->completeReminder(itemTitled(*model, QStringLiteral("Weekly"))->id));
        QCoro::waitFor(model->deleteReminder(itemTitled(*model, QStringLiteral("Gone"))->id));

        QVERIFY(!model->lastOperationError());
        QCOMPARE(titlesOf(model->reminders()), (QStringList{QStringLiteral("Weekly"), QStringLiteral("Move me")}));
        QCOMPARE(itemTitled(*model, QStringLiteral("Move me"))->listID, QStringLiteral("home/tasks"));
        QVERIFY(!QFile::exists(m_fixture->listPath(QStringLiteral("work/projects")) + QStringLiteral("/move.ics")));
        QVERIFY(!QFile::exists(m_fixture->listPath(QStringLiteral("work/projects")) + QStringLiteral("/gone.ics")));

        const QList<StoreReminder> onDisk = m_fixture->readBack();
        QCOMPARE(onDisk.size(), 3);
        const std::optional<StoreReminder> once = m_fixture->readBack(QStringLiteral("Once"));
        QVERIFY(once && once->isCompleted);
        const std::optional<StoreReminder> weekly = m_fixture->readBack(QStringLiteral("Weekly"));
        QVERIFY(weekly && !weekly->isCompleted && weekly->due);
        QCOMPARE(weekly->due->toDateTime(),
                 std::optional<QDateTime>(QDateTime(QDate(2024, 3, 25), QTime(8, 0), Qt::UTC)));
        QCOMPARE(m_fixture->readBack(QStringLiteral("Move me"))->listID,
                 std::optional<QString>(QStringLiteral("home/tasks")));
    }

    void shouldEndSilentlyWhenTheReminderOrListIsUnknown()
    {
        m_fixture->writeTodo(QStringLiteral("work/projects"), QStringLiteral("keep"), QStringLiteral("Keep"));
        auto model = loadedModel();
        const QString id = itemTitled(*model, QStringLiteral("Keep"))->id;
        QSignalSpy refreshed(model.get(), &RemindersViewModel::lastRefreshDateChanged);
        QSignalSpy errors(model.get(), &RemindersViewModel::lastOperationErrorChanged);
        // Another program removes the file; the model still lists it, as it has not refreshed since.
        model->setAutoRefreshEnabled(false);
        QVERIFY(QFile::remove(m_fixture->listPath(QStringLiteral("work/projects")) + QStringLiteral("/keep.ics")));

        QCoro::waitFor(model->addReminder(QStringLiteral("x"), std::nullopt, std::nullopt, 0, RecurrenceOption::none,
                                          QStringLiteral("no/such-list")));
        QCoro::waitFor(model->moveReminder(QStringLiteral("work/projects/none.ics"), QStringLiteral("home/tasks")));
        QCoro::waitFor(model->completeReminder(QStringLiteral("../../etc/passwd")));
        QCoro::waitFor(model->updateReminder(QStringLiteral("home/tasks/none.ics"), QStringLiteral("x"), std::nullopt,
                                             std::nullopt, 0, RecurrenceOption::none));

        QCOMPARE(model->lastOperationError(), std::nullopt);
        QCOMPARE(errors.count(), 0);
        QCOMPARE(refreshed.count(), 0);

        // Deleting a reminder another program removed a moment before ends quietly: no error, no refresh, and
        // every operation on it finds nothing.
        QCoro::waitFor(model->deleteReminder(id));
        QCoro::waitFor(model->completeReminder(id));
        QCOMPARE(model->lastOperationError(), std::nullopt);
        QCOMPARE(errors.count(), 0);
        QCOMPARE(refreshed.count(), 0);
        QVERIFY(m_fixture->readBack().isEmpty());
    }

    void shouldFollowExternalChangesOnlyWhileAutoRefreshIsOn()
    {
        auto model = loadedModel();
        QSignalSpy storeChanged(m_fixture->store(), &ReminderStore::changed);
        QSignalSpy published(model.get(), &RemindersViewModel::remindersChanged);
        QSignalSpy syncing(model.get(), &RemindersViewModel::isSyncingChanged);

        model->setAutoRefreshEnabled(false);
        m_fixture->writeTodo(QStringLiteral("work/tasks"), QStringLiteral("quiet"), QStringLiteral("Quiet"));
        QTRY_VERIFY_WITH_TIMEOUT(storeChanged.count() >= 1, changeTimeoutMs);
        // A refresh would only publish after its fetch, which may not be done yet; it would start at once, though.
        QCOMPARE(syncing.count(), 0);
        QCOMPARE(published.count(), 0);
        QVERIFY(model->reminders().isEmpty());

        model->setAutoRefreshEnabled(true);
        m_fixture->writeTodo(QStringLiteral("work/tasks"), QStringLiteral("loud"), QStringLiteral("Loud"));
        QTRY_COMPARE_WITH_TIMEOUT(model->reminders().size(), 2, changeTimeoutMs);
    }

    void shouldRefreshAfterAMutationAndAgainForTheStoresOwnChangeSignal()
    {
        m_fixture->writeTodo(QStringLiteral("work/tasks"), QStringLiteral("one"), QStringLiteral("One"));
        auto model = loadedModel();
        QSignalSpy refreshed(model.get(), &RemindersViewModel::lastRefreshDateChanged);

        QCoro::waitFor(model->completeReminder(itemTitled(*model, QStringLiteral("One"))->id));

        QVERIFY(refreshed.count() >= 1);
        QVERIFY(model->reminders().isEmpty());
        QTRY_COMPARE_WITH_TIMEOUT(refreshed.count(), 2, changeTimeoutMs);
    }

    void shouldRefreshOnlyAHandfulOfTimesForABurstOfExternalWrites()
    {
        auto model = loadedModel();
        QSignalSpy refreshed(model.get(), &RemindersViewModel::lastRefreshDateChanged);
        constexpr int burst = 500;

        for (int i = 0; i < burst; ++i) {
            m_fixture->writeTodo(QStringLiteral("work/tasks"), QStringLiteral("burst-%1").arg(i),
                                 QStringLiteral("Burst %1").arg(i));
        }

        QTRY_COMPARE_WITH_TIMEOUT(model->reminders().size(), burst, 60000);
        QVERIFY2(refreshed.count() <= 5, qPrintable(QString::number(refreshed.count())));
    }
};

QTEST_GUILESS_MAIN(RemindersViewModelStoreTest)
#include "RemindersViewModelStoreTest.moc"
