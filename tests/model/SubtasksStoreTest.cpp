// Sub-tasks, reopening and the recently completed reminders on the real folder store: the tree read from files as
// phones and desktop clients write them, and what each write leaves in the files.
#include "ModelFixture.h"

#include <QSignalSpy>
#include <QTest>

using namespace tolvik;
using namespace tolvik::test;

namespace {

constexpr int changeTimeoutMs = 10000;

struct StoredTodo
{
    QString list;
    QString uid;
    QString title;
    QStringList lines;
};

using StoredTodos = QList<StoredTodo>;
const QString tasks = QStringLiteral("home/tasks");
const QString work = QStringLiteral("home/work");

// The shown tree as "title@depth", with ":hint" for a reminder whose parent could not hold it and " n/m" for the
// completed and all sub-tasks of a parent.
QStringList treeOf(const QList<ReminderItem>& items)
{
    static const QStringList hints{QString(), QStringLiteral(":missing"), QStringLiteral(":otherList"),
                                   QStringLiteral(":notShown"), QStringLiteral(":loop")};
    QStringList tree;
    for (const ReminderItem& item : items) {
        QString text = QStringLiteral("%1@%2%3").arg(item.title).arg(item.depth).arg(hints.at(int(item.parentHint)));
        if (item.subtaskCount > 0) {
            text += QStringLiteral(" %1/%2").arg(item.completedSubtaskCount).arg(item.subtaskCount);
        }
        tree.append(text);
    }
    return tree;
}

// The file's content lines other than those every write renews.
QList<QByteArray> contentLines(const QByteArray& file)
{
    QList<QByteArray> kept;
    for (const QByteArray& line : file.split('\n')) {
        if (!line.startsWith("LAST-MODIFIED") && !line.startsWith("DTSTAMP") && !line.startsWith("SEQUENCE")) {
            kept.append(line);
        }
    }
    return kept;
}

const QString completedLines = QStringLiteral("STATUS:COMPLETED\r\nCOMPLETED:20240314T090000Z\r\nPERCENT-COMPLETE:100");

} // namespace

class SubtasksStoreTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<ModelFixture> m_fixture;

    std::unique_ptr<RemindersViewModel> loadedModel(const StoredTodos& todos = {})
    {
        for (const StoredTodo& todo : todos) {
            m_fixture->writeTodo(todo.list, todo.uid, todo.title, todo.lines);
        }
        auto model = m_fixture->makeModel();
        QSignalSpy refreshed(model.get(), &RemindersViewModel::lastRefreshDateChanged);
        if (!refreshed.wait(changeTimeoutMs)) {
            qWarning("the start-up refresh did not finish");
        }
        return model;
    }

    QString idOf(const RemindersViewModel& model, const QString& title) const
    {
        for (const QList<ReminderItem>& items : {model.openReminders(), model.recentlyCompleted()}) {
            for (const ReminderItem& item : items) {
                if (item.title == title) {
                    return item.id;
                }
            }
        }
        return {};
    }

private Q_SLOTS:
    void init()
    {
        m_fixture = std::make_unique<ModelFixture>();
        m_fixture->makeList(tasks, "Tasks");
        m_fixture->makeList(work, "Work");
        m_fixture->preferences().setInteger(PreferenceKey::reminderTimeframe, rawValue(ReminderTimeframe::oneMonth));
    }

    void cleanup() { m_fixture.reset(); }

    void shouldNestSubTasksAsClientsLinkThem_data()
    {
        QTest::addColumn<StoredTodos>("todos");
        QTest::addColumn<QStringList>("tree");
        const StoredTodo parent{tasks, QStringLiteral("p-1"), QStringLiteral("Pack"), {}};
        const auto child = [](const QString& uid, const QString& title, const QString& link,
                              const QStringList& more = {}) {
            return StoredTodo{tasks, uid, title, QStringList{link} + more};
        };

        // A phone's sub-task, with the phone's own properties around the link; one more is completed.
        QTest::newRow("RELTYPE=PARENT") << StoredTodos{parent,
                                                       child(QStringLiteral("c-1"), QStringLiteral("Socks"),
                                                             QStringLiteral("RELATED-TO;RELTYPE=PARENT:p-1"),
                                                             {QStringLiteral("X-APPLE-SORT-ORDER:12")}),
                                                       child(QStringLiteral("c-2"), QStringLiteral("Shoes"),
                                                             QStringLiteral("RELATED-TO;RELTYPE=PARENT:p-1"),
                                                             {completedLines})}
                                        << QStringList{QStringLiteral("Pack@0 1/2"), QStringLiteral("Socks@1")};
        // Desktop clients often leave RELTYPE out: PARENT is the standard's default.
        QTest::newRow("no RELTYPE") << StoredTodos{parent, child(QStringLiteral("c-1"), QStringLiteral("Socks"),
                                                                 QStringLiteral("RELATED-TO:p-1"))}
                                    << QStringList{QStringLiteral("Pack@0 0/1"), QStringLiteral("Socks@1")};
        QTest::newRow("parent names its CHILD")
            << StoredTodos{{tasks,
                            QStringLiteral("p-1"),
                            QStringLiteral("Pack"),
                            {QStringLiteral("RELATED-TO;RELTYPE=CHILD:c-1")}},
                           {tasks, QStringLiteral("c-1"), QStringLiteral("Socks"), {}}}
            << QStringList{QStringLiteral("Pack@0 0/1"), QStringLiteral("Socks@1")};
        QTest::newRow("a SIBLING is no parent")
            << StoredTodos{parent, child(QStringLiteral("c-1"), QStringLiteral("Socks"),
                                         QStringLiteral("RELATED-TO;RELTYPE=SIBLING:p-1"))}
            << QStringList{QStringLiteral("Pack@0"), QStringLiteral("Socks@0")};
        QTest::newRow("three levels, siblings in display order")
            << StoredTodos{parent,
                           child(QStringLiteral("c-2"), QStringLiteral("Shoes"), QStringLiteral("RELATED-TO:p-1")),
                           child(QStringLiteral("c-1"), QStringLiteral("Bag"), QStringLiteral("RELATED-TO:p-1")),
                           child(QStringLiteral("g-1"), QStringLiteral("Laces"), QStringLiteral("RELATED-TO:c-2"))}
            << QStringList{QStringLiteral("Pack@0 0/2"), QStringLiteral("Bag@1"), QStringLiteral("Shoes@1 0/1"),
                           QStringLiteral("Laces@2")};
        QTest::newRow("missing parent") << StoredTodos{child(QStringLiteral("c-1"), QStringLiteral("Socks"),
                                                             QStringLiteral("RELATED-TO:nobody"))}
                                        << QStringList{QStringLiteral("Socks@0:missing")};
        QTest::newRow("parent in another list")
            << StoredTodos{{work, QStringLiteral("p-1"), QStringLiteral("Pack"), {}},
                           child(QStringLiteral("c-1"), QStringLiteral("Socks"), QStringLiteral("RELATED-TO:p-1"))}
            << QStringList{QStringLiteral("Pack@0"), QStringLiteral("Socks@0:otherList")};
        QTest::newRow("parent outside the timeframe")
            << StoredTodos{{tasks,
                            QStringLiteral("p-1"),
                            QStringLiteral("Pack"),
                            {QStringLiteral("DUE:20250101T090000Z")}},
                           child(QStringLiteral("c-1"), QStringLiteral("Socks"), QStringLiteral("RELATED-TO:p-1"))}
            << QStringList{QStringLiteral("Socks@0:notShown")};
        QTest::newRow("completed parent")
            << StoredTodos{{tasks, QStringLiteral("p-1"), QStringLiteral("Pack"), {completedLines}},
                           child(QStringLiteral("c-1"), QStringLiteral("Socks"), QStringLiteral("RELATED-TO:p-1"))}
            << QStringList{QStringLiteral("Socks@0:notShown")};
        // Circles: two that name each other, one that names itself, and a tail hanging off a circle of three.
        QTest::newRow("circles")
            << StoredTodos{child(QStringLiteral("a"), QStringLiteral("A"), QStringLiteral("RELATED-TO:b")),
                           child(QStringLiteral("b"), QStringLiteral("B"), QStringLiteral("RELATED-TO:a")),
                           child(QStringLiteral("s"), QStringLiteral("Self"), QStringLiteral("RELATED-TO:s")),
                           child(QStringLiteral("x"), QStringLiteral("X"), QStringLiteral("RELATED-TO:z")),
                           child(QStringLiteral("y"), QStringLiteral("Y"), QStringLiteral("RELATED-TO:x")),
                           child(QStringLiteral("z"), QStringLiteral("Z"), QStringLiteral("RELATED-TO:y")),
                           child(QStringLiteral("t"), QStringLiteral("Tail"), QStringLiteral("RELATED-TO:y"))}
            << QStringList{QStringLiteral("A@0:loop 0/1"), QStringLiteral("B@1"),     QStringLiteral("Self@0:loop"),
                           QStringLiteral("X@0:loop 0/1"), QStringLiteral("Y@1 0/2"), QStringLiteral("Tail@2"),
                           QStringLiteral("Z@2")};
    }

    void shouldNestSubTasksAsClientsLinkThem()
    {
        QFETCH(StoredTodos, todos);
        QFETCH(QStringList, tree);
        auto model = loadedModel(todos);
        QCOMPARE(treeOf(model->reminders()), tree);
        // Search and the wide mode see every open reminder once, flat, whatever the timeframe.
        QCOMPARE(model->openReminders().size(), std::count_if(todos.cbegin(), todos.cend(), [](const StoredTodo& todo) {
                     return !todo.lines.join(u' ').contains(u"COMPLETED");
                 }));
    }

    void shouldAddASubTaskWithItsParentLinkAndLeaveTheParentAlone()
    {
        auto model = loadedModel({{tasks, QStringLiteral("p-1"), QStringLiteral("Pack"), {}}});
        const QByteArray parentBytes = m_fixture->readTodo(idOf(*model, QStringLiteral("Pack")));

        QVERIFY(QCoro::waitFor(model->addSubtask(idOf(*model, QStringLiteral("Pack")), QStringLiteral("Socks"),
                                                 std::nullopt, std::nullopt, 0, RecurrenceOption::none)));

        const QString socks = idOf(*model, QStringLiteral("Socks"));
        QCOMPARE(lineStarting(m_fixture->readTodo(socks), "RELATED-TO"), QByteArray("RELATED-TO;RELTYPE=PARENT:p-1"));
        QCOMPARE(m_fixture->readTodo(idOf(*model, QStringLiteral("Pack"))), parentBytes);
        QCOMPARE(treeOf(model->reminders()), (QStringList{QStringLiteral("Pack@0 0/1"), QStringLiteral("Socks@1")}));

        // Editing the parent leaves the sub-task's file as it was.
        const QByteArray childBytes = m_fixture->readTodo(socks);
        QVERIFY(QCoro::waitFor(model->updateReminder(idOf(*model, QStringLiteral("Pack")), QStringLiteral("Pack bags"),
                                                     std::nullopt, std::nullopt, 0, RecurrenceOption::none)));
        QCOMPARE(m_fixture->readTodo(socks), childBytes);
        QVERIFY(!QCoro::waitFor(model->addSubtask(QStringLiteral("home/tasks/none.ics"), QStringLiteral("x"),
                                                  std::nullopt, std::nullopt, 0, RecurrenceOption::none)));
    }

    void shouldChangeOnlyTheParentLinkWhenReparenting()
    {
        auto model = loadedModel({{tasks, QStringLiteral("p-1"), QStringLiteral("Pack"), {}},
                                  {tasks, QStringLiteral("p-2"), QStringLiteral("Plan"), {}},
                                  {tasks,
                                   QStringLiteral("c-1"),
                                   QStringLiteral("Socks"),
                                   {QStringLiteral("RELATED-TO:p-1"), QStringLiteral("RELATED-TO;RELTYPE=SIBLING:p-2"),
                                    QStringLiteral("X-PHONE-ORDER:3")}},
                                  {work, QStringLiteral("w-1"), QStringLiteral("Elsewhere"), {}}});
        const QString socks = idOf(*model, QStringLiteral("Socks"));
        QList<QByteArray> expected = contentLines(m_fixture->readTodo(socks));

        QVERIFY(QCoro::waitFor(model->makeSubtask(socks, idOf(*model, QStringLiteral("Plan")))));
        // The first parent line keeps its place and form; only its value changes.
        expected.replace(expected.indexOf("RELATED-TO:p-1\r"), "RELATED-TO:p-2\r");
        QCOMPARE(contentLines(m_fixture->readTodo(socks)), expected);

        // Refused without a write: itself, under its own sub-task, or a parent in another list.
        const QByteArray before = m_fixture->readTodo(socks);
        QVERIFY(!QCoro::waitFor(model->makeSubtask(socks, socks)));
        QVERIFY(!QCoro::waitFor(model->makeSubtask(idOf(*model, QStringLiteral("Plan")), socks)));
        QVERIFY(!QCoro::waitFor(model->makeSubtask(socks, idOf(*model, QStringLiteral("Elsewhere")))));
        QCOMPARE(m_fixture->readTodo(socks), before);

        QVERIFY(QCoro::waitFor(model->moveToTopLevel(socks)));
        expected.removeAll("RELATED-TO:p-2\r");
        QCOMPARE(contentLines(m_fixture->readTodo(socks)), expected);
        QCOMPARE(treeOf(model->reminders()), (QStringList{QStringLiteral("Elsewhere@0"), QStringLiteral("Pack@0"),
                                                          QStringLiteral("Plan@0"), QStringLiteral("Socks@0")}));
    }

    void shouldMoveAChildThatItsParentNamesToTheTopLevel()
    {
        auto model = loadedModel(
            {{tasks,
              QStringLiteral("p-1"),
              QStringLiteral("Pack"),
              {QStringLiteral("RELATED-TO;RELTYPE=CHILD:c-1"), QStringLiteral("RELATED-TO;RELTYPE=CHILD:c-2")}},
             {tasks, QStringLiteral("c-1"), QStringLiteral("Socks"), {}},
             {tasks, QStringLiteral("c-2"), QStringLiteral("Shoes"), {}}});
        const QString pack = idOf(*model, QStringLiteral("Pack"));
        QList<QByteArray> expected = contentLines(m_fixture->readTodo(pack));
        const QByteArray socksBytes = m_fixture->readTodo(idOf(*model, QStringLiteral("Socks")));

        QVERIFY(QCoro::waitFor(model->moveToTopLevel(idOf(*model, QStringLiteral("Socks")))));

        expected.removeAll("RELATED-TO;RELTYPE=CHILD:c-1\r");
        QCOMPARE(contentLines(m_fixture->readTodo(pack)), expected);
        QCOMPARE(m_fixture->readTodo(idOf(*model, QStringLiteral("Socks"))), socksBytes);
        QCOMPARE(treeOf(model->reminders()),
                 (QStringList{QStringLiteral("Pack@0 0/1"), QStringLiteral("Shoes@1"), QStringLiteral("Socks@0")}));
    }

    void shouldCompleteAParentWithItsOpenSubTasksAndUndoAllAtOnce()
    {
        auto model = loadedModel(
            {{tasks, QStringLiteral("p-1"), QStringLiteral("Pack"), {}},
             {tasks, QStringLiteral("c-1"), QStringLiteral("Socks"), {QStringLiteral("RELATED-TO:p-1")}},
             {tasks, QStringLiteral("g-1"), QStringLiteral("Wool"), {QStringLiteral("RELATED-TO:c-1")}},
             {tasks,
              QStringLiteral("c-2"),
              QStringLiteral("Shoes"),
              {QStringLiteral("RELATED-TO:p-1"), completedLines}},
             {work, QStringLiteral("c-3"), QStringLiteral("Elsewhere"), {QStringLiteral("RELATED-TO:p-1")}}});
        QStringList ids;
        QList<QByteArray> before;
        for (const QString& title : {QStringLiteral("Pack"), QStringLiteral("Socks"), QStringLiteral("Wool"),
                                     QStringLiteral("Shoes"), QStringLiteral("Elsewhere")}) {
            ids.append(idOf(*model, title));
            before.append(m_fixture->readTodo(ids.last()));
        }
        QCOMPARE(model->openSubtaskIDs(ids.first()), (QStringList{ids.at(1), ids.at(2)}));

        const std::optional<UndoableChange> change = QCoro::waitFor(model->completeReminder(ids.first(), true));
        QVERIFY(change);
        QCOMPARE(change->subtaskSnapshots.size(), 2);
        QCOMPARE(treeOf(model->reminders()), QStringList{QStringLiteral("Elsewhere@0:otherList")});
        QCOMPARE(m_fixture->readTodo(ids.at(3)), before.at(3));

        QVERIFY(QCoro::waitFor(model->undo(*change)).ok());
        for (qsizetype i = 0; i < ids.size(); ++i) {
            QCOMPARE(m_fixture->readTodo(ids.at(i)), before.at(i));
        }
    }

    void shouldReopenTouchingOnlyTheCompletion()
    {
        auto model = loadedModel({{tasks,
                                   QStringLiteral("done"),
                                   QStringLiteral("Done"),
                                   {QStringLiteral("CATEGORIES:Home,Garden"), completedLines,
                                    QStringLiteral("X-PHONE-FLAG:1"), QStringLiteral("DUE;VALUE=DATE:20240310")}}});
        const QString id = idOf(*model, QStringLiteral("Done"));
        QList<QByteArray> expected = contentLines(m_fixture->readTodo(id));

        QVERIFY(QCoro::waitFor(model->reopenReminder(id)));

        expected.replace(expected.indexOf("STATUS:COMPLETED\r"), "STATUS:NEEDS-ACTION\r");
        expected.removeAll("COMPLETED:20240314T090000Z\r");
        expected.removeAll("PERCENT-COMPLETE:100\r");
        QCOMPARE(contentLines(m_fixture->readTodo(id)), expected);
        QVERIFY(model->recentlyCompleted().isEmpty());
        QCOMPARE(model->reminders().size(), 1);
    }

    void shouldListTheLastSevenDaysCompletionsNewestFirst()
    {
        const auto done = [](const QString& uid, const QString& when) {
            return StoredTodo{
                tasks, uid, uid, {QStringLiteral("STATUS:COMPLETED"), QStringLiteral("COMPLETED:") + when}};
        };
        auto model = loadedModel(
            {done(QStringLiteral("older"), QStringLiteral("20240310T080000Z")),
             done(QStringLiteral("newest"), QStringLiteral("20240315T080000Z")),
             done(QStringLiteral("too-old"), QStringLiteral("20240307T080000Z")),
             {tasks, QStringLiteral("undated"), QStringLiteral("undated"), {QStringLiteral("STATUS:COMPLETED")}},
             {work,
              QStringLiteral("middle"),
              QStringLiteral("middle"),
              {QStringLiteral("STATUS:COMPLETED"), QStringLiteral("COMPLETED:20240312T080000Z")}}});
        QStringList titles;
        for (const ReminderItem& item : model->recentlyCompleted()) {
            titles.append(item.title);
        }
        QCOMPARE(titles, (QStringList{QStringLiteral("newest"), QStringLiteral("middle"), QStringLiteral("older")}));
    }
};

QTEST_GUILESS_MAIN(SubtasksStoreTest)
#include "SubtasksStoreTest.moc"
