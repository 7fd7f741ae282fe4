// The quick-add field on the real model and folder store: typing, chips and their ×, Return and Escape, and the
// list button that remembers its list.
#include "panel/QuickAddField.h"
#include "FakeReminderStore.h"
#include "PanelFixture.h"
#include "appearance/LocalizationManager.h"
#include "panel/ContentView.h"
#include "panel/QuickAddChips.h"
#include "quickadd/PhraseTexts.h"

#include <QInputMethodEvent>
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

    void shouldWriteTheRuleOfARepeatThePlainChoicesCannotSay()
    {
        struct Case
        {
            const char* language;
            const char16_t* typed;
            const char16_t* title;
            const char16_t* chip;
            const char* rrule;
        };
        const Case cases[] = {
            {"en", u"Bins every other Tuesday", u"Bins", u"Every 2 Weeks", "FREQ=WEEKLY;INTERVAL=2"},
            {"en", u"Standup weekdays 9:30", u"Standup", u"Weekdays", "FREQ=WEEKLY;BYDAY=MO,TU,WE,TH,FR"},
            {"en", u"Feed the fish every 2 days", u"Feed the fish", u"Every 2 Days", "FREQ=DAILY;INTERVAL=2"},
            {"de", u"Müll jeden zweiten Dienstag", u"Müll", u"Alle 2 Wochen", "FREQ=WEEKLY;INTERVAL=2"},
            {"de", u"Zeiterfassung werktags", u"Zeiterfassung", u"Montag bis Freitag",
             "FREQ=WEEKLY;BYDAY=MO,TU,WE,TH,FR"},
            {"de", u"Gießen alle 3 Tage", u"Gießen", u"Alle 3 Tage", "FREQ=DAILY;INTERVAL=3"},
            {"sv", u"Byt lakan varannan vecka", u"Byt lakan", u"Varannan vecka", "FREQ=WEEKLY;INTERVAL=2"},
            {"sv", u"Stå upp varje vardag kl 7", u"Stå upp", u"Vardagar", "FREQ=WEEKLY;BYDAY=MO,TU,WE,TH,FR"},
            {"sv", u"Vattna var tredje dag", u"Vattna", u"Var 3:e dag", "FREQ=DAILY;INTERVAL=3"},
            {"zh-Hans", u"每两周理发", u"理发", u"每两周", "FREQ=WEEKLY;INTERVAL=2"},
            {"zh-Hans", u"工作日打卡", u"打卡", u"周一至周五", "FREQ=WEEKLY;BYDAY=MO,TU,WE,TH,FR"},
            {"zh-Hans", u"每周二和周四游泳", u"游泳", u"每周的周二和周四", "FREQ=WEEKLY;BYDAY=TU,TH"},
            {"zh-Hant", u"隔週開例會", u"開例會", u"每兩週", "FREQ=WEEKLY;INTERVAL=2"},
            {"zh-Hant", u"工作日打卡", u"打卡", u"週一至週五", "FREQ=WEEKLY;BYDAY=MO,TU,WE,TH,FR"},
        };
        for (const Case& test : cases) {
            m_fixture->preferences().setString(PreferenceKey::languagePreference, QLatin1String(test.language));
            std::unique_ptr<QuickAddField> field(makeField());
            // Typed as an input method commits it, which also carries what a key click cannot (ä, 两).
            QInputMethodEvent typed;
            typed.setCommitString(QString::fromUtf16(test.typed));
            QCoreApplication::sendEvent(field->edit(), &typed);
            QStringList chips;
            for (const QuickAddChip& chip : field->chips()->chips()) {
                chips.append(chip.text);
            }
            QVERIFY2(chips.contains(QString::fromUtf16(test.chip)), qPrintable(chips.join(QLatin1Char('|'))));
            QTest::keyClick(field->edit(), Qt::Key_Return);

            const QString title = QString::fromUtf16(test.title);
            QTRY_VERIFY_WITH_TIMEOUT(reminderTitled(m_fixture->model(), title).has_value(), 10000);
            const ReminderItem added = *reminderTitled(m_fixture->model(), title);
            QCOMPARE(added.recurrence, RecurrenceOption::custom);
            QVERIFY(added.dueDate);
            const QByteArray file = readFile(m_fixture->root() + QLatin1Char('/') + added.id);
            QVERIFY2(file.contains(QByteArray("\r\nRRULE:") + test.rrule + "\r\n"), file.constData());
        }
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
