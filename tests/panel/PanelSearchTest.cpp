// Searching the panel on the real model and folder store: what typing leaves on screen, the highlight in the rows,
// the switch that widens the search, and the keys that open, leave and close it.
#include "PanelFixture.h"
#include "appearance/LocalizationManager.h"
#include "panel/PanelHeader.h"
#include "panel/ReminderListSection.h"
#include "panel/SearchBar.h"
#include "rows/ElidedTextLabel.h"
#include "rows/ReminderRow.h"

#include <QApplication>
#include <QCheckBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QToolButton>

using namespace tolvik;
using namespace tolvik::test;

namespace {

const QString inbox = QStringLiteral("home/inbox");
const QString errands = QStringLiteral("home/errands");
const QString hidden = QStringLiteral("home/hidden");

} // namespace

class PanelSearchTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<PanelFixture> m_fixture;
    std::unique_ptr<ContentView> m_view;

    QString path(const QString& listID, const QString& uid) const
    {
        return m_fixture->root() + QLatin1Char('/') + listID + QLatin1Char('/') + uid + QStringLiteral(".ics");
    }

    QStringList shownTitles() const
    {
        QStringList titles;
        for (ReminderRow* row : m_view->rowsInOrder()) {
            titles.append(row->reminder().title);
        }
        return titles;
    }

    SearchBar* bar() const { return m_view->searchBar(); }

    // Whether the shown rows are laid out as shown: each inside its list's box, one under the other, none at height 0.
    bool laidOut() const
    {
        const QList<ReminderRow*> rows = m_view->rowsInOrder();
        for (qsizetype i = 0; i < rows.size(); ++i) {
            const ReminderRow* row = rows.at(i);
            if (row->height() <= 0 || !row->parentWidget()->rect().contains(row->geometry())) {
                return false;
            }
            const ReminderRow* before = i > 0 ? rows.at(i - 1) : nullptr;
            if (before != nullptr && before->parentWidget() == row->parentWidget() &&
                row->y() < before->y() + before->height()) {
                return false;
            }
        }
        return true;
    }

    void type(const QString& text) const
    {
        bar()->edit()->selectAll();
        if (text.isEmpty() || text.at(0).unicode() < 0x80) {
            QTest::keyClicks(bar()->edit(), text);
            return;
        }
        // Chinese comes in as an input method commits it.
        QInputMethodEvent commit;
        commit.setCommitString(text);
        QCoreApplication::sendEvent(bar()->edit(), &commit);
    }

    static void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QWidget* target = QApplication::focusWidget();
        QVERIFY(target != nullptr);
        QTest::keyClick(target, static_cast<Qt::Key>(key), modifiers);
    }

private Q_SLOTS:
    void init()
    {
        m_fixture = std::make_unique<PanelFixture>();
        m_fixture->makeList(inbox, "Inbox");
        m_fixture->makeList(errands, "Errands");
        m_fixture->makeList(hidden, "Hidden");
        writeFile(path(inbox, u"a"_qs), todoFile("a", "Café Crème with Åsa", "DUE:20240316T090000\r\n"));
        writeFile(path(inbox, u"b"_qs), todoFile("b", "Über den Fluss", "DESCRIPTION:Bring the CAFE map\r\n"));
        writeFile(path(errands, u"c"_qs), todoFile("c", "买牛奶", "CATEGORIES:Shopping\r\n"));
        writeFile(path(errands, u"d"_qs), todoFile("d", "Cafe next year", "DUE:20250601T090000\r\n"));
        writeFile(path(hidden, u"e"_qs), todoFile("e", "Cafe in a hidden list"));
        m_fixture->preferences().setString(PreferenceKey::selectedListIDs, inbox + QLatin1Char(',') + errands);
        m_view = m_fixture->showView();
        QTRY_COMPARE(m_view->rowsInOrder().size(), 3);
        m_view->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_view.get()));
        m_view->setFocus();
    }
    void cleanup()
    {
        m_view.reset();
        m_fixture.reset();
    }

    void shouldFilterAsTheUserTypesIgnoringCaseAndAccents()
    {
        press(Qt::Key_F, Qt::ControlModifier);
        QVERIFY(bar()->isVisible());
        QCOMPARE(QApplication::focusWidget(), bar()->edit());
        QCOMPARE(bar()->edit()->accessibleName(), localizedString(u"search.placeholder"_qs));

        // Title, notes and categories, in any case and with or without accents; a list without a match goes.
        type(u"cafe"_qs);
        QCOMPARE(shownTitles(), (QStringList{u"Café Crème with Åsa"_qs, u"Über den Fluss"_qs}));
        QVERIFY(!m_view->sectionFor(errands)->isVisible());
        type(u"UBER"_qs);
        QCOMPARE(shownTitles(), QStringList{u"Über den Fluss"_qs});
        type(u"shopping"_qs);
        QCOMPARE(shownTitles(), QStringList{u"买牛奶"_qs});
        type(u"牛奶"_qs);
        QCOMPARE(shownTitles(), QStringList{u"买牛奶"_qs});

        // Nothing anywhere: one line says so, and the lists go.
        type(u"tea"_qs);
        QVERIFY(shownTitles().isEmpty());
        QVERIFY(m_view->noMatchesLabel()->isVisible());
        QVERIFY(m_view->noMatchesLabel()->text().contains(u"tea"_qs));
        type(QString());
        QTest::keyClick(bar()->edit(), Qt::Key_Backspace);
        QCOMPARE(shownTitles().size(), 3);
        QVERIFY(!m_view->noMatchesLabel()->isVisible());
    }

    void shouldHighlightTheMatchedWordsInTheTitle()
    {
        press(Qt::Key_F, Qt::ControlModifier);
        type(u"cafe asa"_qs);
        ReminderRow* cafe = m_view->rowsInOrder().value(0);
        QVERIFY(cafe != nullptr);
        QCOMPARE(cafe->titleLabel()->shownHighlights(), (QStringList{u"Café"_qs, u"Åsa"_qs}));
        // A match in the notes shows the row without marking its title.
        type(u"map"_qs);
        QCOMPARE(m_view->rowsInOrder().value(0)->titleLabel()->shownHighlights(), QStringList());
        press(Qt::Key_Escape);
        QVERIFY(cafe->titleLabel()->highlights().isEmpty());
    }

    void shouldWidenToEveryListAndTheWholeTimeframe()
    {
        m_view->header()->searchButton()->click();
        QVERIFY(bar()->isVisible());
        type(u"cafe"_qs);
        QCOMPARE(shownTitles().size(), 2);
        // From the keyboard: Tab reaches the switch, Space turns it on, and the field takes the keys back.
        press(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), bar()->wideSwitch());
        press(Qt::Key_Space);
        QCOMPARE(QApplication::focusWidget(), bar()->edit());
        QTRY_COMPARE(shownTitles().size(), 4);
        QVERIFY(shownTitles().contains(u"Cafe next year"_qs));
        QVERIFY(shownTitles().contains(u"Cafe in a hidden list"_qs));
        bar()->wideSwitch()->click();
        QTRY_COMPARE(shownTitles().size(), 2);
        // Closing the search puts the switch back, and the panel shows what it showed before.
        bar()->wideSwitch()->click();
        m_view->header()->searchButton()->click();
        QVERIFY(!bar()->isVisible());
        QVERIFY(!bar()->wideSwitch()->isChecked());
        QTRY_COMPARE(shownTitles().size(), 3);
    }

    void shouldLeaveByEscapeAndMoveThroughTheResultsByArrows()
    {
        QSignalSpy closing(m_view.get(), &ContentView::closeRequested);
        press(Qt::Key_F, Qt::ControlModifier);
        type(u"cafe"_qs);
        press(Qt::Key_Down);
        QCOMPARE(m_view->focusedRow()->reminder().title, u"Café Crème with Åsa"_qs);
        press(Qt::Key_Down);
        QCOMPARE(m_view->focusedRow()->reminder().title, u"Über den Fluss"_qs);
        press(Qt::Key_Down);
        QCOMPARE(m_view->focusedRow()->reminder().title, u"Über den Fluss"_qs);
        // Up from the first result goes back to the field; Up from the field to the last result.
        press(Qt::Key_Up);
        press(Qt::Key_Up);
        QCOMPARE(QApplication::focusWidget(), bar()->edit());
        press(Qt::Key_Up);
        QCOMPARE(m_view->focusedRow()->reminder().title, u"Über den Fluss"_qs);
        // Return acts on the result as on any row: it opens the edit form.
        press(Qt::Key_Return);
        QTRY_VERIFY(m_view->rowsInOrder().at(1)->isEditPresented());
        m_view->rowsInOrder().at(1)->setEditPresented(false);

        // Escape in the field clears and closes it; the next one closes the panel as ever.
        press(Qt::Key_F, Qt::ControlModifier);
        press(Qt::Key_Escape);
        QVERIFY(!bar()->isVisible());
        QVERIFY(bar()->edit()->text().isEmpty());
        QCOMPARE(shownTitles().size(), 3);
        QCOMPARE(closing.count(), 0);
        press(Qt::Key_Escape);
        QCOMPARE(closing.count(), 1);
    }

    void shouldShowEveryRowAgainWhenASearchOfManyRowsIsTakenBack()
    {
        // More rows than a keystroke shows at once: the rest follow, and the keys reach the last of them at once.
        for (int index = 0; index < 90; ++index) {
            writeFile(
                path(errands, QStringLiteral("many%1").arg(index)),
                todoFile(QStringLiteral("many%1").arg(index).toUtf8(), QStringLiteral("Item %1").arg(index).toUtf8()));
        }
        QTRY_COMPARE(shownTitles().size(), 93);
        press(Qt::Key_F, Qt::ControlModifier);
        type(u"Cafe"_qs);
        QCOMPARE(shownTitles().size(), 2);
        QTRY_VERIFY(laidOut());
        // A key that changes only the marks, not which rows show, leaves them where they are.
        type(u"Caf"_qs);
        QCOMPARE(shownTitles().size(), 2);
        QTRY_VERIFY(laidOut());
        press(Qt::Key_Escape);
        QCOMPARE(shownTitles().size(), 93);
        m_view->focusRow(m_view->rowsInOrder().last());
        QVERIFY(m_view->rowsInOrder().last()->hasFocus());
        const QList<ReminderRow*> rows = m_view->rowsInOrder();
        QTRY_VERIFY(std::all_of(rows.cbegin(), rows.cend(), [](ReminderRow* row) { return row->isVisible(); }));
        QTRY_VERIFY(laidOut());
    }
};

QTEST_MAIN(PanelSearchTest)
#include "PanelSearchTest.moc"
