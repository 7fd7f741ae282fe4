// Completed reminders in the panel, on the real model and folder store: the stored "Show Completed" switch, the
// greyed rows newest first, marking one not completed from its menu and by Space, and the moment a reminder just
// completed keeps its place, in which a second press takes the completion back.
#include "PanelFixture.h"
#include "appearance/DateTexts.h"
#include "appearance/LocalizationManager.h"
#include "panel/PanelHeader.h"
#include "panel/UndoBar.h"
#include "rows/ElidedTextLabel.h"
#include "rows/ReminderRow.h"
#include "rows/RowStyle.h"

#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QToolButton>

using namespace tolvik;
using namespace tolvik::test;

namespace {

const QString inbox = QStringLiteral("home/inbox");

} // namespace

class CompletedPanelTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<PanelFixture> m_fixture;
    std::unique_ptr<ContentView> m_view;

    QString path(const QString& uid) const
    {
        return m_fixture->root() + QLatin1Char('/') + inbox + QLatin1Char('/') + uid + QStringLiteral(".ics");
    }
    ReminderRow* row(const QString& title) const { return test::rowTitled(*m_view, title); }
    QStringList titles() const { return test::shownTitles(*m_view); }
    void setShowCompleted(bool shown)
    {
        std::unique_ptr<QMenu> menu(m_view->header()->createMoreMenu());
        QAction* toggle = menu->actions().value(0);
        QCOMPARE(toggle->text(), localizedString(QStringLiteral("menu.showCompleted")));
        QVERIFY(toggle->isCheckable());
        if (toggle->isChecked() != shown) {
            toggle->trigger();
        }
    }
    static void press(int key)
    {
        QWidget* target = QApplication::focusWidget();
        QVERIFY(target != nullptr);
        QTest::keyClick(target, static_cast<Qt::Key>(key));
    }
    void verifyReopened(const QString& uid, const QByteArray& summary) const
    {
        const QByteArray file = readFile(path(uid));
        QCOMPARE(lineStarting(file, "STATUS"), QByteArray("STATUS:NEEDS-ACTION"));
        QCOMPARE(lineStarting(file, "COMPLETED"), QByteArray());
        QCOMPARE(lineStarting(file, "PERCENT-COMPLETE"), QByteArray());
        QCOMPARE(lineStarting(file, "SUMMARY"), "SUMMARY:" + summary);
        QCOMPARE(lineStarting(file, "X-KEEP"), QByteArray("X-KEEP;X-P=1:kept as written"));
    }

private Q_SLOTS:
    void init()
    {
        m_fixture = std::make_unique<PanelFixture>();
        m_fixture->makeList(inbox, "Inbox");
        // Now is 15 March, 10:00 in Stockholm. Bread was completed this morning, Milk yesterday, Tea too long ago.
        writeFile(path(QStringLiteral("plan")), todoFile("plan", "Plan", "DUE:20240316T090000\r\n"));
        writeFile(path(QStringLiteral("post")), todoFile("post", "Post", "DUE:20240317T090000\r\n"));
        const QByteArray done = "STATUS:COMPLETED\r\nPERCENT-COMPLETE:100\r\nX-KEEP;X-P=1:kept as written\r\n";
        writeFile(path(QStringLiteral("milk")), todoFile("milk", "Milk", done + "COMPLETED:20240314T120000Z\r\n"));
        writeFile(path(QStringLiteral("bread")), todoFile("bread", "Bread", done + "COMPLETED:20240315T080000Z\r\n"));
        writeFile(path(QStringLiteral("tea")), todoFile("tea", "Tea", done + "COMPLETED:20240301T080000Z\r\n"));
        m_fixture->preferences().setString(PreferenceKey::selectedListIDs, inbox);
        m_view = m_fixture->showView();
        QTRY_COMPARE(titles(), (QStringList{QStringLiteral("Plan"), QStringLiteral("Post")}));
        m_view->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_view.get()));
    }
    void cleanup()
    {
        m_view.reset();
        m_fixture.reset();
    }

    void shouldListTheCompletedGreyedAndNewestFirstWhenSwitchedOn()
    {
        setShowCompleted(true);
        QCOMPARE(m_fixture->preferences().boolean(PreferenceKey::showCompleted), std::optional<bool>(true));
        QTRY_COMPARE(titles(), (QStringList{QStringLiteral("Plan"), QStringLiteral("Post"), QStringLiteral("Bread"),
                                            QStringLiteral("Milk")}));
        // The summary still counts the open ones.
        QCOMPARE(m_view->header()->summaryLabel()->text(), PanelHeader::summaryText(2));

        ReminderRow* bread = row(QStringLiteral("Bread"));
        QVERIFY(bread->checkButton()->isVisible());
        QVERIFY(!row(QStringLiteral("Plan"))->checkButton()->isVisible());
        QCOMPARE(bread->titleColor(), RowStyle::secondaryText(bread->palette()));
        QVERIFY(!bread->titleLabel()->font().strikeOut());
        const QString today = localizedString(QStringLiteral("completed.today"))
                                  .arg(DateTexts::shortTime(QDateTime(QDate(2024, 3, 15), QTime(9, 0))));
        QCOMPARE(bread->dueLabel()->text(), today);
        QVERIFY(bread->accessibleDescription().contains(today));
        QVERIFY(row(QStringLiteral("Milk"))
                    ->dueLabel()
                    ->text()
                    .startsWith(
                        localizedString(QStringLiteral("completed.yesterday")).section(QStringLiteral("%1"), 0, 0)));
        QVERIFY(bread->checkButton()->accessibleName().contains(QStringLiteral("Bread")));

        setShowCompleted(false);
        QCOMPARE(m_fixture->preferences().boolean(PreferenceKey::showCompleted), std::optional<bool>(false));
        QTRY_COMPARE(titles().size(), 2);
    }

    void shouldReopenFromTheMenuAndBySpaceChangingOnlyTheCompletion()
    {
        setShowCompleted(true);
        QTRY_VERIFY(row(QStringLiteral("Milk")) != nullptr);
        std::unique_ptr<QMenu> menu(row(QStringLiteral("Milk"))->createContextMenu());
        QCOMPARE(menu->actions().value(0)->text(), localizedString(QStringLiteral("button.markNotCompleted")));
        menu->actions().value(0)->trigger();
        QTRY_VERIFY(row(QStringLiteral("Milk")) != nullptr && !row(QStringLiteral("Milk"))->reminder().isCompleted);
        verifyReopened(QStringLiteral("milk"), "Milk");

        m_view->focusRow(row(QStringLiteral("Bread")));
        press(Qt::Key_Space);
        QTRY_VERIFY(!row(QStringLiteral("Bread"))->reminder().isCompleted);
        verifyReopened(QStringLiteral("bread"), "Bread");
        QCOMPARE(titles().size(), 4);
    }

    void shouldKeepAJustCompletedRowInPlaceAndUndoItOnASecondPress()
    {
        const QByteArray before = readFile(path(QStringLiteral("plan")));
        m_view->focusRow(row(QStringLiteral("Plan")));
        press(Qt::Key_Space);
        QTRY_COMPARE(lineStarting(readFile(path(QStringLiteral("plan"))), "STATUS"), QByteArray("STATUS:COMPLETED"));
        QTRY_VERIFY(row(QStringLiteral("Plan"))->reminder().isCompleted);
        QCOMPARE(titles().first(), QStringLiteral("Plan"));
        QVERIFY(row(QStringLiteral("Plan"))->checkButton()->isVisible());
        QVERIFY(m_view->undoBar()->isVisible());

        // The second press, on the check this time, takes the completion back to the very bytes it had.
        QTest::mouseClick(row(QStringLiteral("Plan"))->checkButton(), Qt::LeftButton);
        QTRY_COMPARE(readFile(path(QStringLiteral("plan"))), before);
        QTRY_VERIFY(!row(QStringLiteral("Plan"))->reminder().isCompleted);
        QCOMPARE(titles(), (QStringList{QStringLiteral("Plan"), QStringLiteral("Post")}));

        // Left alone, the row goes after the moment.
        m_view->focusRow(row(QStringLiteral("Plan")));
        press(Qt::Key_Space);
        QTRY_VERIFY(m_view->isLingering(QStringLiteral("home/inbox/plan.ics")));
        QTRY_COMPARE_WITH_TIMEOUT(titles(), QStringList{QStringLiteral("Post")}, ContentView::lingerMs * 4);
    }
};

QTEST_MAIN(CompletedPanelTest)
#include "CompletedPanelTest.moc"
