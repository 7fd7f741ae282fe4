// The quick-add field on the real model and folder store: typing, chips and their ×, Return and Escape, and the
// list button that remembers its list.
#include "panel/QuickAddField.h"
#include "FakeReminderStore.h"
#include "PanelFixture.h"
#include "appearance/LocalizationManager.h"
#include "panel/ContentView.h"
#include "panel/QuickAddChips.h"
#include "quickadd/PhraseTexts.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QToolButton>

using namespace tolvik;
using namespace tolvik::test;

namespace {

std::optional<ReminderItem> reminderTitled(RemindersViewModel& model, const QString& title)
{
    for (const ReminderItem& item : model.reminders()) {
        if (item.title == title) {
            return item;
        }
    }
    return std::nullopt;
}

} // namespace

class QuickAddFieldTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<PanelFixture> m_fixture;

    QuickAddField* makeField()
    {
        auto* field = new QuickAddField(m_fixture->model(), m_fixture->preferences(), [] { return panelNow(); });
        field->show();
        return field;
    }

private Q_SLOTS:
    void init()
    {
        m_fixture = std::make_unique<PanelFixture>();
        m_fixture->makeList(QStringLiteral("me/home"), "Home");
        m_fixture->makeList(QStringLiteral("me/work"), "Work");
        m_fixture->preferences().setString(PreferenceKey::selectedListIDs, QStringLiteral("me/work"));
        m_fixture->preferences().setString(PreferenceKey::languagePreference, QStringLiteral("en"));
    }
    void cleanup() { m_fixture.reset(); }

    void shouldAddTypedReminderWithItsPartsAndClear()
    {
        std::unique_ptr<QuickAddField> field(makeField());
        QTest::keyClicks(field->edit(), QStringLiteral("Call mum tomorrow 6pm !!! every week"));
        QCOMPARE(field->chips()->chips().size(), 3);
        QTest::keyClick(field->edit(), Qt::Key_Return);

        QTRY_VERIFY_WITH_TIMEOUT(reminderTitled(m_fixture->model(), QStringLiteral("Call mum")).has_value(), 10000);
        const ReminderItem added = *reminderTitled(m_fixture->model(), QStringLiteral("Call mum"));
        QCOMPARE(added.listID, QStringLiteral("me/work"));
        QCOMPARE(added.dueDate, QDateTime(QDate(2024, 3, 16), QTime(18, 0)));
        QCOMPARE(added.priority, 1);
        QCOMPARE(added.recurrence, RecurrenceOption::weekly);
        QTRY_VERIFY(field->edit()->text().isEmpty());
        QVERIFY(field->chips()->isHidden());
    }

    void shouldAddADayWithoutATimeAsAnAllDayReminder()
    {
        std::unique_ptr<QuickAddField> field(makeField());
        QTest::keyClicks(field->edit(), QStringLiteral("Dentist on monday"));
        QTest::keyClick(field->edit(), Qt::Key_Return);

        QTRY_VERIFY_WITH_TIMEOUT(reminderTitled(m_fixture->model(), QStringLiteral("Dentist")).has_value(), 10000);
        const ReminderItem added = *reminderTitled(m_fixture->model(), QStringLiteral("Dentist"));
        QVERIFY(added.dueIsAllDay);
        const QByteArray file = readFile(m_fixture->root() + QLatin1Char('/') + added.id);
        QVERIFY2(file.contains("\r\nDUE;VALUE=DATE:20240318\r\n"), file.constData());
    }

    void shouldKeepWordsInTitleWhenChipIsDismissed()
    {
        std::unique_ptr<QuickAddField> field(makeField());
        QTest::keyClicks(field->edit(), QStringLiteral("Read paper tomorrow !!"));
        const QList<QuickAddChip> chips = field->chips()->chips();
        QCOMPARE(chips.size(), 2);
        QCOMPARE(chips[0].text, PhraseTexts::dueText(field->parsed()));
        QCOMPARE(chips[0].words, QStringList{QStringLiteral("tomorrow")});
        QCOMPARE(chips[1].text, localizedString(QStringLiteral("reminder.priority.medium")));

        field->chips()->keepButton(0)->click();
        QCOMPARE(field->parsed().title, QStringLiteral("Read paper tomorrow"));
        QVERIFY(!field->parsed().due);
        QCOMPARE(field->chips()->chips().size(), 1);
        // Typing on does not bring the dismissed reading back.
        QTest::keyClicks(field->edit(), QStringLiteral(" now"));
        QVERIFY(!field->parsed().due);
        QCOMPARE(field->parsed().priority, 5);
    }

    void shouldClearOnEscapeAndAddNothingWithoutTitle()
    {
        std::unique_ptr<QuickAddField> field(makeField());
        const qsizetype before = m_fixture->model().reminders().size();
        QTest::keyClicks(field->edit(), QStringLiteral("tomorrow 9am"));
        QTest::keyClick(field->edit(), Qt::Key_Return);
        QCOMPARE(field->edit()->text(), QStringLiteral("tomorrow 9am"));
        QTest::keyClick(field->edit(), Qt::Key_Escape);
        QVERIFY(field->edit()->text().isEmpty());
        QVERIFY(field->chips()->isHidden());
        QCOMPARE(m_fixture->model().reminders().size(), before);
    }

    void shouldKeepTextAndSayWhyWhenAddFails()
    {
        // A folder that refuses writes cannot be made for a test run as root; the fake store refuses instead.
        auto* store = new test::FakeReminderStore;
        store->addList(StoreList{QStringLiteral("inbox"), QStringLiteral("Inbox"), std::nullopt,
                                 StoreAccount{QStringLiteral("local"), QStringLiteral("On this computer")}});
        store->setSaveError(QStringLiteral("disk full"));
        RemindersViewModel& model = m_fixture->modelOn(store);
        QTRY_VERIFY(model.lastRefreshDate().has_value());
        QuickAddField field(model, m_fixture->preferences(), [] { return panelNow(); });
        field.show();
        QTest::keyClicks(field.edit(), QStringLiteral("Pay rent tomorrow"));
        QTest::keyClick(field.edit(), Qt::Key_Return);
        QTRY_VERIFY(field.errorLabel()->isVisible());
        QVERIFY(field.errorLabel()->text().contains(QStringLiteral("disk full")));
        QCOMPARE(field.edit()->text(), QStringLiteral("Pay rent tomorrow"));
        QTest::keyClicks(field.edit(), QStringLiteral("!"));
        QVERIFY(field.errorLabel()->isHidden());
    }

    void shouldFocusFieldOnCtrlNInPanel()
    {
        ContentView view(m_fixture->model(), m_fixture->launchAtLogin(), m_fixture->root(), [] { return panelNow(); });
        view.show();
        view.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&view));
        QVERIFY(!view.quickAddField()->edit()->hasFocus());
        QTest::keyClick(&view, Qt::Key_N, Qt::ControlModifier);
        QTRY_VERIFY(view.quickAddField()->edit()->hasFocus());
    }

    void shouldRememberChosenListAndFallBackWhenItIsGone()
    {
        std::unique_ptr<QuickAddField> field(makeField());
        QCOMPARE(field->targetListID(), QStringLiteral("me/work"));
        QCOMPARE(field->listButton()->text(), QStringLiteral("Work"));

        QMenu* menu = field->listButton()->menu();
        Q_EMIT menu->aboutToShow();
        const QList<QAction*> actions = menu->actions();
        QCOMPARE(actions.size(), 2);
        QCOMPARE(actions[0]->text(), QStringLiteral("Home"));
        actions[0]->trigger();
        QCOMPARE(m_fixture->preferences().string(PreferenceKey::quickAddListID), QStringLiteral("me/home"));
        QCOMPARE(field->listButton()->text(), QStringLiteral("Home"));

        std::unique_ptr<QuickAddField> later(makeField());
        QCOMPARE(later->targetListID(), QStringLiteral("me/home"));
        m_fixture->preferences().setString(PreferenceKey::quickAddListID, QStringLiteral("deleted-list"));
        QCOMPARE(later->targetListID(), QStringLiteral("me/work"));
        QCOMPARE(later->listButton()->text(), QStringLiteral("Work"));
    }
};

QTEST_MAIN(QuickAddFieldTest)
#include "QuickAddFieldTest.moc"
