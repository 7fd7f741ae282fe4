// Sub-tasks in the panel, on the real model and folder store: nesting, progress and folding, the orphan hint, the
// add form for a sub-task, the menu's parent commands, and completing a parent with its sub-tasks and undoing it.
#include "PanelFixture.h"
#include "appearance/LocalizationManager.h"
#include "panel/ReminderListSection.h"
#include "panel/SubtaskQuestion.h"
#include "panel/UndoBar.h"
#include "rows/ElidedTextLabel.h"
#include "rows/PopoverWindow.h"
#include "rows/ReminderFormView.h"
#include "rows/ReminderRow.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QToolButton>

using namespace tolvik;
using namespace tolvik::test;

namespace {

const QString inbox = QStringLiteral("home/inbox");
const QString errands = QStringLiteral("home/errands");
const QByteArray underTrip = "RELATED-TO;RELTYPE=PARENT:trip\r\n";

} // namespace

class SubtasksPanelTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<PanelFixture> m_fixture;
    std::unique_ptr<ContentView> m_view;

    QString path(const QString& listID, const QString& uid) const
    {
        return m_fixture->root() + QLatin1Char('/') + listID + QLatin1Char('/') + uid + QStringLiteral(".ics");
    }
    ReminderRow* row(const QString& title) const { return test::rowTitled(*m_view, title); }
    QStringList titles() const { return test::shownTitles(*m_view); }
    static void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QWidget* target = QApplication::focusWidget();
        QVERIFY(target != nullptr);
        QTest::keyClick(target, static_cast<Qt::Key>(key), modifiers);
    }
    static int textStart(ReminderRow* row) { return row->titleLabel()->mapTo(row->window(), QPoint()).x(); }

private Q_SLOTS:
    void init()
    {
        m_fixture = std::make_unique<PanelFixture>();
        m_fixture->makeList(inbox, "Inbox");
        m_fixture->makeList(errands, "Errands");
        // Trip has Pack (with Socks under it) and Tickets, which is done; Visa names Trip from another list.
        writeFile(path(inbox, QStringLiteral("trip")), todoFile("trip", "Trip", "DUE:20240316T090000\r\n"));
        writeFile(path(inbox, QStringLiteral("pack")), todoFile("pack", "Pack", underTrip));
        writeFile(path(inbox, QStringLiteral("socks")), todoFile("socks", "Socks", "RELATED-TO:pack\r\n"));
        writeFile(path(inbox, QStringLiteral("tickets")),
                  todoFile("tickets", "Tickets", underTrip + "STATUS:COMPLETED\r\nCOMPLETED:20240314T100000Z\r\n"));
        writeFile(path(errands, QStringLiteral("visa")), todoFile("visa", "Visa", underTrip));
        m_fixture->preferences().setString(PreferenceKey::selectedListIDs, inbox + QLatin1Char(',') + errands);
        m_view = m_fixture->showView();
        QTRY_COMPARE(m_view->rowsInOrder().size(), 4);
        m_view->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_view.get()));
    }
    void cleanup()
    {
        m_view.reset();
        m_fixture.reset();
    }

    void shouldNestShowProgressAndFoldPerReminder()
    {
        QCOMPARE(titles(), (QStringList{QStringLiteral("Visa"), QStringLiteral("Trip"), QStringLiteral("Pack"),
                                        QStringLiteral("Socks")}));
        ReminderRow* trip = row(QStringLiteral("Trip"));
        QVERIFY(textStart(row(QStringLiteral("Pack"))) > textStart(trip));
        QVERIFY(textStart(row(QStringLiteral("Socks"))) > textStart(row(QStringLiteral("Pack"))));
        // Done of all its own sub-tasks, the completed one included; Visa lives in another list and is not counted.
        QCOMPARE(trip->progressLabel()->text(), localizedString(QStringLiteral("subtasks.progress")).arg(1).arg(2));
        QVERIFY(trip->progressLabel()->isVisible());
        QVERIFY(!row(QStringLiteral("Socks"))->progressLabel()->isVisible());
        ReminderRow* visa = row(QStringLiteral("Visa"));
        QCOMPARE(visa->hintLabel()->text(),
                 localizedString(QStringLiteral("subtasks.hint.otherList")).arg(QStringLiteral("Trip")));
        QVERIFY(!trip->hintLabel()->isVisible());

        // The fold control hides every level under Trip, and the panel remembers it through a refresh.
        QVERIFY(trip->foldButton()->isVisible());
        QVERIFY(!row(QStringLiteral("Socks"))->foldButton()->isVisible());
        const QString unfoldedName = trip->foldButton()->accessibleName();
        QTest::mouseClick(trip->foldButton(), Qt::LeftButton);
        QTRY_COMPARE(titles(), (QStringList{QStringLiteral("Visa"), QStringLiteral("Trip")}));
        QVERIFY(trip->isFolded());
        QVERIFY(trip->foldButton()->accessibleName() != unfoldedName);
        writeFile(path(inbox, QStringLiteral("belt")), todoFile("belt", "Belt", underTrip));
        QTRY_COMPARE(trip->progressLabel()->text(), localizedString(QStringLiteral("subtasks.progress")).arg(1).arg(3));
        QCOMPARE(titles().size(), 2);

        // From the keyboard: Right shows them again, Left on Pack folds only Pack.
        m_view->focusRow(trip);
        press(Qt::Key_Right);
        QTRY_COMPARE(titles().size(), 5);
        m_view->focusRow(row(QStringLiteral("Pack")));
        press(Qt::Key_Left);
        QTRY_VERIFY(row(QStringLiteral("Socks")) == nullptr);
        QVERIFY(m_view->isFolded(QStringLiteral("home/inbox/pack.ics")) || row(QStringLiteral("Pack"))->isFolded());
        QCOMPARE(m_view->focusedRow(), row(QStringLiteral("Pack")));
    }

    void shouldAddASubtaskFromTheKeyboard()
    {
        ReminderRow* pack = row(QStringLiteral("Pack"));
        m_view->focusRow(pack);
        press(Qt::Key_S);
        QTRY_VERIFY(pack->isSubtaskFormPresented());
        QTRY_VERIFY(pack->subtaskPopover()->isVisible());
        QLineEdit* title = pack->subtaskForm()->findChild<QLineEdit*>();
        QVERIFY(title != nullptr);
        title->setFocus();
        QTest::keyClicks(title, QStringLiteral("Charger"));
        QTest::keyClick(title, Qt::Key_Return);
        QTRY_VERIFY(row(QStringLiteral("Charger")) != nullptr);
        QTRY_VERIFY(!pack->isSubtaskFormPresented());
        const ReminderItem charger = row(QStringLiteral("Charger"))->reminder();
        QCOMPARE(charger.shownParentID, pack->reminder().id);
        QCOMPARE(charger.depth, 2);
        QCOMPARE(charger.listID, inbox);
        QCOMPARE(lineStarting(readFile(m_fixture->root() + QLatin1Char('/') + charger.id), "RELATED-TO"),
                 QByteArray("RELATED-TO;RELTYPE=PARENT:pack"));
    }

    void shouldChangeOnlyTheParentLinkFromTheMenu()
    {
        const QByteArray tripBefore = readFile(path(inbox, QStringLiteral("trip")));
        ReminderRow* socks = row(QStringLiteral("Socks"));
        QMenu* menu = socks->createContextMenu();
        auto* parents = menu->findChild<QAction*>(QStringLiteral("makeSubtaskMenu"))->menu();
        QStringList offered;
        for (QAction* choice : parents->actions()) {
            offered.append(choice->text());
        }
        // Not itself; its own parent is offered but already chosen.
        QCOMPARE(offered, (QStringList{QStringLiteral("Trip"), QStringLiteral("Pack")}));
        parents->actions().first()->trigger();
        // The line keeps its own form; only the parent it names changes.
        QTRY_COMPARE(lineStarting(readFile(path(inbox, QStringLiteral("socks"))), "RELATED-TO"),
                     QByteArray("RELATED-TO:trip"));
        delete menu;
        // Pack cannot go under its own sub-task.
        menu = row(QStringLiteral("Pack"))->createContextMenu();
        for (QAction* choice : menu->findChild<QAction*>(QStringLiteral("makeSubtaskMenu"))->menu()->actions()) {
            QVERIFY(choice->text() != QStringLiteral("Pack"));
        }
        QVERIFY(menu->findChild<QAction*>(QStringLiteral("moveToTopLevelAction")) != nullptr);
        delete menu;
        QTRY_COMPARE(row(QStringLiteral("Socks"))->reminder().depth, 1);
        menu = row(QStringLiteral("Socks"))->createContextMenu();
        menu->findChild<QAction*>(QStringLiteral("moveToTopLevelAction"))->trigger();
        delete menu;
        QTRY_VERIFY(lineStarting(readFile(path(inbox, QStringLiteral("socks"))), "RELATED-TO").isEmpty());
        QCOMPARE(readFile(path(inbox, QStringLiteral("trip"))), tripBefore);
        // A top-level reminder offers no move to the top.
        menu = row(QStringLiteral("Trip"))->createContextMenu();
        QVERIFY(menu->findChild<QAction*>(QStringLiteral("moveToTopLevelAction")) == nullptr);
        delete menu;
    }

    void shouldAskBeforeCompletingSubtasksAndUndoThemAtOnce()
    {
        QStringList uids{QStringLiteral("trip"), QStringLiteral("pack"), QStringLiteral("socks")};
        QList<QByteArray> before;
        for (const QString& uid : uids) {
            before.append(readFile(path(inbox, uid)));
        }
        ReminderRow* trip = row(QStringLiteral("Trip"));
        SubtaskQuestion* question = m_view->subtaskQuestion();

        // Escape cancels: nothing is written, and the row has the focus again.
        m_view->focusRow(trip);
        press(Qt::Key_Space);
        QTRY_VERIFY(question->isVisible());
        QVERIFY(question->message().contains(QStringLiteral("Trip")));
        QCOMPARE(QApplication::focusWidget(), question->allButton());
        press(Qt::Key_Escape);
        QTRY_VERIFY(!question->isVisible());
        QCOMPARE(m_view->focusedRow(), trip);
        QTest::qWait(50);
        QCOMPARE(readFile(path(inbox, QStringLiteral("trip"))), before.first());

        // "Complete All" completes the three; one undo puts every byte back.
        press(Qt::Key_Space);
        QTRY_VERIFY(question->isVisible());
        QTest::mouseClick(question->allButton(), Qt::LeftButton);
        for (const QString& uid : uids) {
            QTRY_COMPARE(lineStarting(readFile(path(inbox, uid)), "STATUS"), QByteArray("STATUS:COMPLETED"));
        }
        QTRY_VERIFY(m_view->undoBar()->isVisible());
        QCOMPARE(m_view->undoBar()->message(),
                 localizedString(QStringLiteral("subtasks.undoCompleted"), 2).arg(QStringLiteral("Trip")));
        QVERIFY(m_view->undoBar()->undo());
        for (qsizetype at = 0; at < uids.size(); ++at) {
            QTRY_COMPARE(readFile(path(inbox, uids.at(at))), before.at(at));
        }
        QTRY_VERIFY(row(QStringLiteral("Socks")) != nullptr);

        // "Only This One" leaves the sub-tasks open.
        m_view->focusRow(row(QStringLiteral("Trip")));
        press(Qt::Key_Space);
        QTRY_VERIFY(question->isVisible());
        QTest::mouseClick(question->onlyThisButton(), Qt::LeftButton);
        QTRY_COMPARE(lineStarting(readFile(path(inbox, QStringLiteral("trip"))), "STATUS"),
                     QByteArray("STATUS:COMPLETED"));
        QTRY_VERIFY(row(QStringLiteral("Pack")) != nullptr && row(QStringLiteral("Pack"))->reminder().depth == 0);
        QCOMPARE(readFile(path(inbox, QStringLiteral("pack"))), before.at(1));
    }
};

QTEST_MAIN(SubtasksPanelTest)
#include "SubtasksPanelTest.moc"
