#include "settings/GeneralSettingsTab.h"
#include "SettingsFixture.h"
#include "appearance/LocalizationManager.h"
#include "settings/ListToggleRow.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QCoro/QCoroTask>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QTimeEdit>

using namespace tolvik;
using tolvik::test::SettingsFixture;

namespace {
const QString accountsKey = PreferenceKey::selectedAccountIDs;
const QString listsKey = PreferenceKey::selectedListIDs;
} // namespace

class GeneralSettingsTabTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shouldOfferListsOfTheChosenAccountsAndPruneWhenOneIsSwitchedOff()
    {
        SettingsFixture fixture;
        fixture.makeTwoAccounts();
        auto model = fixture.makeModel();
        auto launch = fixture.makeLaunchAtLogin();
        GeneralSettingsTab tab(*model, *launch);
        tab.show();

        // No restriction: every toggle off, every list of every account offered, in the model's order (by name).
        QCOMPARE(tab.accountToggleIDs(), QStringList({QStringLiteral("home"), QStringLiteral("work")}));
        QCOMPARE(tab.accountToggle(QStringLiteral("work"))->text(), QStringLiteral("Work"));
        QVERIFY(!tab.accountToggle(QStringLiteral("work"))->isChecked());
        QVERIFY(!tab.accountToggle(QStringLiteral("home"))->isChecked());
        // ...which the box says, so that unticked accounts beside their offered lists do not read as a contradiction.
        QVERIFY(tab.accountsAllShownLabel()->isVisible());
        QCOMPARE(tab.accountsAllShownLabel()->text(), localizedString(QStringLiteral("settings.accounts.noneTicked")));
        QCOMPARE(tab.listRowIDs(), QStringList({QStringLiteral("home/groceries"), QStringLiteral("work/inbox"),
                                                QStringLiteral("work/projects")}));
        ListToggleRow* inbox = tab.listRow(QStringLiteral("work/inbox"));
        QCOMPARE(inbox->nameText(), QStringLiteral("Inbox"));
        QCOMPARE(inbox->accountText(), QStringLiteral("Work"));
        QCOMPARE(inbox->dotColor(), QColor(QStringLiteral("#0A84FF")));

        // Switching an account on restricts the offered lists to its own.
        tab.accountToggle(QStringLiteral("work"))->click();
        QVERIFY(!tab.accountsAllShownLabel()->isVisible());
        QCOMPARE(fixture.stored(accountsKey), QStringLiteral("work"));
        QCOMPARE(tab.listRowIDs(), QStringList({QStringLiteral("work/inbox"), QStringLiteral("work/projects")}));

        // A click anywhere on a list's row toggles it; the set is stored sorted.
        QTest::mouseClick(tab.listRow(QStringLiteral("work/projects")), Qt::LeftButton);
        tab.listRow(QStringLiteral("work/inbox"))->toggle()->click();
        QCOMPARE(fixture.stored(listsKey), QStringLiteral("work/inbox,work/projects"));
        QVERIFY(tab.listRow(QStringLiteral("work/inbox"))->toggle()->isChecked());
        tab.listRow(QStringLiteral("work/inbox"))->toggle()->click();
        QCOMPARE(fixture.stored(listsKey), QStringLiteral("work/projects"));

        // Another client left a list of the other account and an id nobody knows in the selection.
        fixture.preferences().setString(listsKey, QStringLiteral("gone/list,,home/groceries,work/projects,"));
        QSignalSpy writes(&fixture.preferences(), &Preferences::changed);
        tab.accountToggle(QStringLiteral("work"))->click();

        // Only the switched-off account's known lists go; the list set is written before the account set.
        QCOMPARE(fixture.stored(listsKey), QStringLiteral("gone/list,home/groceries"));
        QCOMPARE(fixture.stored(accountsKey), QString());
        QCOMPARE(writes.count(), 2);
        QCOMPARE(writes.at(0).at(0).toString(), listsKey);
        QCOMPARE(writes.at(1).at(0).toString(), accountsKey);
        QCOMPARE(tab.listRowIDs().size(), 3);
        QVERIFY(tab.listRow(QStringLiteral("home/groceries"))->toggle()->isChecked());
        QVERIFY(!tab.listRow(QStringLiteral("work/projects"))->toggle()->isChecked());
    }

    void shouldReplaceTheSelectionWithTheButtons()
    {
        SettingsFixture fixture;
        fixture.makeTwoAccounts();
        fixture.preferences().setString(accountsKey, QStringLiteral("work"));
        fixture.preferences().setString(listsKey, QStringLiteral("home/groceries,unknown"));
        auto model = fixture.makeModel();
        auto launch = fixture.makeLaunchAtLogin();
        GeneralSettingsTab tab(*model, *launch);
        tab.show();
        QVERIFY(tab.accountToggle(QStringLiteral("work"))->isChecked());

        // Lists' Select All takes the offered lists only, replacing the other account's and unknown ones.
        tab.listsSelectAllButton()->click();
        QCOMPARE(fixture.stored(listsKey), QStringLiteral("work/inbox,work/projects"));

        // Accounts' Clear lifts the restriction but selects no list.
        tab.accountsClearButton()->click();
        QCOMPARE(fixture.stored(accountsKey), QString());
        QCOMPARE(fixture.stored(listsKey), QStringLiteral("work/inbox,work/projects"));
        QCOMPARE(tab.listRowIDs().size(), 3);
        QVERIFY(!tab.listRow(QStringLiteral("home/groceries"))->toggle()->isChecked());

        tab.accountsSelectAllButton()->click();
        QCOMPARE(fixture.stored(accountsKey), QStringLiteral("home,work"));
        QVERIFY(tab.accountToggle(QStringLiteral("home"))->isChecked());
        QCOMPARE(fixture.stored(listsKey), QStringLiteral("work/inbox,work/projects"));

        tab.listsClearButton()->click();
        QCOMPARE(fixture.stored(listsKey), QString());
    }

    void shouldShowTheEmptyTextsWithoutButtons()
    {
        SettingsFixture fixture;
        fixture.makeEmptyRoot();
        auto model = fixture.makeModel();
        auto launch = fixture.makeLaunchAtLogin();
        GeneralSettingsTab tab(*model, *launch);
        tab.show();

        QVERIFY(tab.accountToggleIDs().isEmpty());
        QVERIFY(tab.accountsEmptyLabel()->isVisible());
        QCOMPARE(tab.accountsEmptyLabel()->text(), QStringLiteral("No accounts found."));
        QVERIFY(!tab.accountsSelectAllButton()->isVisible());
        QVERIFY(!tab.accountsClearButton()->isVisible());
        QVERIFY(tab.listsEmptyLabel()->isVisible());
        QVERIFY(!tab.listsSelectAllButton()->isVisible());

        // Accounts appear while the window is open; a restriction to an account that is gone offers nothing.
        fixture.makeTwoAccounts();
        fixture.preferences().setString(accountsKey, QStringLiteral("vanished"));
        QCoro::waitFor(model->refresh());
        QCOMPARE(tab.accountToggleIDs().size(), 2);
        QVERIFY(!tab.accountsEmptyLabel()->isVisible());
        QVERIFY(tab.accountsSelectAllButton()->isVisible());
        QVERIFY(tab.listRowIDs().isEmpty());
        QVERIFY(tab.listsEmptyLabel()->isVisible());
        QVERIFY(!tab.listsSelectAllButton()->isVisible());
        QVERIFY(!tab.listsClearButton()->isVisible());
    }

    void shouldFollowTheModelsListsAsTheyChange()
    {
        SettingsFixture fixture;
        fixture.makeTwoAccounts();
        fixture.preferences().setString(listsKey, QStringLiteral("work/inbox"));
        auto model = fixture.makeModel();
        auto launch = fixture.makeLaunchAtLogin();
        GeneralSettingsTab tab(*model, *launch);
        tab.show();
        QCheckBox* keptToggle = tab.listRow(QStringLiteral("work/inbox"))->toggle();

        fixture.makeList(QStringLiteral("home/chores"), "Chores", "#FF375F");
        fixture.removeList(QStringLiteral("work/projects"));
        QCoro::waitFor(model->refresh());

        QCOMPARE(tab.listRowIDs(), QStringList({QStringLiteral("home/chores"), QStringLiteral("home/groceries"),
                                                QStringLiteral("work/inbox")}));
        QVERIFY(!tab.listRow(QStringLiteral("work/projects")));
        // A list that stays keeps its row and its state.
        QCOMPARE(tab.listRow(QStringLiteral("work/inbox"))->toggle(), keptToggle);
        QVERIFY(keptToggle->isChecked());

        fixture.removeList(QStringLiteral("home/chores"));
        fixture.removeList(QStringLiteral("home/groceries"));
        QDir(fixture.root() + QStringLiteral("/home")).removeRecursively();
        QCoro::waitFor(model->refresh());
        QCOMPARE(tab.accountToggleIDs(), QStringList({QStringLiteral("work")}));
    }

    void shouldSwitchLaunchAtLoginAndSpringBackOnFailure()
    {
        SettingsFixture fixture;
        fixture.makeEmptyRoot();
        auto model = fixture.makeModel();
        auto launch = fixture.makeLaunchAtLogin();
        GeneralSettingsTab tab(*model, *launch);
        tab.show();
        QVERIFY(!tab.launchToggle()->isChecked());
        QVERIFY(!tab.launchErrorLabel()->isVisible());

        QTest::mouseClick(tab.launchToggle(), Qt::LeftButton);
        QVERIFY(launch->isEnabled());
        QVERIFY(tab.launchToggle()->isChecked());
        QVERIFY(LaunchAtLoginManager::entryIsEnabled(launch->entryPath()));
        QVERIFY(!tab.launchErrorLabel()->isVisible());

        auto failing = fixture.makeFailingLaunchAtLogin();
        GeneralSettingsTab failingTab(*model, *failing);
        failingTab.show();
        QTest::mouseClick(failingTab.launchToggle(), Qt::LeftButton);
        QVERIFY(!failingTab.launchToggle()->isChecked());
        QVERIFY(failingTab.launchErrorLabel()->isVisible());
        QVERIFY(failing->lastErrorDescription().has_value());
        QCOMPARE(failingTab.launchErrorLabel()->text().remove(QChar(0x200B)),
                 QStringLiteral("Could not change “Start at login”: %1").arg(*failing->lastErrorDescription()));
        QCOMPARE(failingTab.launchErrorLabel()->palette().color(QPalette::WindowText).red(), 0xe0);
    }

    void shouldBindAutoRefreshTimeframeAndLanguage()
    {
        SettingsFixture fixture;
        fixture.makeEmptyRoot();
        fixture.preferences().setString(PreferenceKey::languagePreference, QStringLiteral("tlh"));
        auto model = fixture.makeModel();
        auto launch = fixture.makeLaunchAtLogin();
        GeneralSettingsTab tab(*model, *launch);
        tab.show();

        QVERIFY(tab.autoRefreshToggle()->isChecked());
        tab.autoRefreshToggle()->click();
        QVERIFY(!model->isAutoRefreshEnabled());
        QCOMPARE(fixture.preferences().boolean(PreferenceKey::autoRefreshEnabled), std::optional<bool>(false));

        QCOMPARE(tab.timeframePicker()->currentText(), QStringLiteral("1 month"));
        QCOMPARE(tab.timeframePicker()->count(), 5);
        tab.timeframePicker()->setCurrentIndex(3);
        QCOMPARE(model->reminderTimeframe(), ReminderTimeframe::oneYear);
        QCOMPARE(fixture.preferences().integer(PreferenceKey::reminderTimeframe), 12);
        model->setReminderTimeframe(ReminderTimeframe::unlimited);
        QCOMPARE(tab.timeframePicker()->currentText(), QStringLiteral("No limit"));

        // A language nobody offers shows the system entry and stays stored until the user picks one.
        QCOMPARE(tab.languagePicker()->currentIndex(), 0);
        QCOMPARE(fixture.stored(PreferenceKey::languagePreference), QStringLiteral("tlh"));
        tab.languagePicker()->setCurrentIndex(tab.languagePicker()->findData(QStringLiteral("sv")));
        QCOMPARE(fixture.stored(PreferenceKey::languagePreference), QStringLiteral("sv"));
        QCOMPARE(tab.timeframePicker()->currentText(), QStringLiteral("Ingen gräns"));
        QCOMPARE(tab.languagePicker()->currentText(), QStringLiteral("Svenska"));
    }

    void shouldMeasureTheDropDownsAgainAfterALanguageSwitch()
    {
        SettingsFixture fixture;
        fixture.makeEmptyRoot();
        fixture.preferences().setString(PreferenceKey::languagePreference, QStringLiteral("en"));
        auto model = fixture.makeModel();
        auto launch = fixture.makeLaunchAtLogin();
        GeneralSettingsTab english(*model, *launch);
        english.show();
        const int englishWidth = english.timeframePicker()->sizeHint().width();

        fixture.preferences().setString(PreferenceKey::languagePreference, QStringLiteral("zh-Hant"));
        GeneralSettingsTab switched(*model, *launch);
        switched.show();
        QVERIFY(switched.timeframePicker()->sizeHint().width() < englishWidth);
        fixture.preferences().setString(PreferenceKey::languagePreference, QStringLiteral("en"));
        QCOMPARE(switched.timeframePicker()->currentText(), QStringLiteral("1 month"));
        QCOMPARE(switched.timeframePicker()->sizeHint().width(), englishWidth);
        QTRY_VERIFY(switched.timeframePicker()->width() >= englishWidth);
    }

    void shouldStoreTheNotificationSettingsAndFollowThem()
    {
        SettingsFixture fixture;
        fixture.makeEmptyRoot();
        auto model = fixture.makeModel();
        auto launch = fixture.makeLaunchAtLogin();
        GeneralSettingsTab tab(*model, *launch);

        QVERIFY(tab.notifyToggle()->isChecked());
        QCOMPARE(tab.allDayTimePicker()->time(), QTime(9, 0));
        tab.allDayTimePicker()->setTime(QTime(7, 30));
        QCOMPARE(fixture.stored(PreferenceKey::allDayAlarmTime), QStringLiteral("07:30"));
        tab.notifyToggle()->click();
        QCOMPARE(fixture.preferences().boolean(PreferenceKey::notifyWhenDue), std::optional<bool>(false));
        QVERIFY(!tab.allDayTimePicker()->isEnabled());
        fixture.preferences().setString(PreferenceKey::allDayAlarmTime, QStringLiteral("18:45"));
        QCOMPARE(tab.allDayTimePicker()->time(), QTime(18, 45));
    }
};

QTEST_MAIN(GeneralSettingsTabTest)
#include "GeneralSettingsTabTest.moc"
