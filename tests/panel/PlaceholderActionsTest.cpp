#include "PanelFixture.h"
#include "appearance/LocalizationManager.h"
#include "panel/ContentView.h"
#include "panel/PlaceholderView.h"
#include "panel/ReminderListSection.h"
#include "rows/PopoverWindow.h"
#include "rows/ReminderFormView.h"
#include "settings/SettingsView.h"
#include "settings/SettingsWindowPresenter.h"

#include <QMenu>
#include <QPushButton>
#include <QTest>

using namespace tolvik;
using namespace tolvik::test;

// What the buttons of the empty panel do, on real folders: every empty state must lead somewhere.
class PlaceholderActionsTest : public QObject
{
    Q_OBJECT

    static std::unique_ptr<ContentView> makeView(PanelFixture& fixture)
    {
        auto view = std::make_unique<ContentView>(fixture.model(), fixture.launchAtLogin(), fixture.root(),
                                                  [] { return panelNow(); });
        view->show();
        return view;
    }

private Q_SLOTS:
    void shouldSelectTheListANewStoreStartsWith()
    {
        PanelFixture fixture;
        RemindersViewModel& model = fixture.model();
        QCOMPARE(model.lists().size(), 1);
        QCOMPARE(fixture.preferences().string(PreferenceKey::selectedListIDs, QString()), model.lists().first().id);
        QCOMPARE(model.lists().first().accountName, localizedString(QStringLiteral("account.onThisComputer")));

        // The built-in account's name is the app's own text, in the chosen language.
        fixture.preferences().setString(PreferenceKey::languagePreference, QStringLiteral("de"));
        QTRY_COMPARE(model.lists().first().accountName, QStringLiteral("Auf diesem Computer"));
        QCOMPARE(model.accounts().first().name, QStringLiteral("Auf diesem Computer"));
    }

    void shouldAddTheFirstReminderFromTheCaughtUpPlaceholder()
    {
        PanelFixture fixture;
        auto view = makeView(fixture);
        QCOMPARE(view->shownPlaceholder(), Placeholder::allCaughtUp);
        QPushButton* button = view->placeholderView()->button();
        QVERIFY(button->isVisible());
        QCOMPARE(button->text(), localizedString(QStringLiteral("button.newReminder")));

        // One list shown: its add popover opens at once, beside the button the user pressed.
        button->click();
        ReminderListSection* section = view->sections().first();
        QVERIFY(section->isPresentingAddPopover());
        QCOMPARE(section->addPopover()->anchor(), button);
        QVERIFY(view->placeholderView()->listMenu() == nullptr);

        section->addState().title = QStringLiteral("Buy milk");
        section->submitAdd();
        QTRY_COMPARE(view->shownPlaceholder(), std::nullopt);
        QTRY_VERIFY(!section->isPresentingAddPopover());
        const QString folder = fixture.root() + QStringLiteral("/local/reminders");
        const QStringList files = QDir(folder).entryList({QStringLiteral("*.ics")});
        QCOMPARE(files.size(), 1);
        QVERIFY(readFile(folder + QLatin1Char('/') + files.first()).contains("SUMMARY:Buy milk\r\n"));
    }

    void shouldOfferTheShownListsWhenThereAreSeveral()
    {
        PanelFixture fixture;
        fixture.makeList(QStringLiteral("home/chores"), "Tom & Jerry");
        fixture.makeList(QStringLiteral("work/office"), "Office");
        fixture.makeList(QStringLiteral("work/hidden"), "Not shown");
        fixture.preferences().setString(PreferenceKey::selectedListIDs, QStringLiteral("home/chores,work/office"));
        auto view = makeView(fixture);
        QCOMPARE(view->shownPlaceholder(), Placeholder::allCaughtUp);

        view->placeholderView()->button()->click();
        QMenu* menu = view->placeholderView()->listMenu();
        QVERIFY(menu != nullptr);
        QTRY_VERIFY(menu->isVisible());
        const QList<QAction*> actions = menu->actions();
        QCOMPARE(actions.size(), 2);
        // Shown as the store names it: "&" is no shortcut marker here.
        QCOMPARE(actions.at(0)->text(), QStringLiteral("Office"));
        QCOMPARE(actions.at(1)->text(), QStringLiteral("Tom && Jerry"));
        QVERIFY(!actions.at(1)->icon().isNull());

        actions.at(1)->trigger();
        ReminderListSection* chores = view->sectionFor(QStringLiteral("home/chores"));
        QVERIFY(chores->isPresentingAddPopover());
        QVERIFY(!view->sectionFor(QStringLiteral("work/office"))->isPresentingAddPopover());
        menu->close();
    }

    void shouldOpenTheSettingsOnTheGeneralTabWhenNoListIsSelected()
    {
        PanelFixture fixture;
        fixture.makeList(QStringLiteral("home/chores"), "Chores");
        auto view = makeView(fixture);
        QCOMPARE(view->shownPlaceholder(), Placeholder::noLists);
        QPushButton* button = view->placeholderView()->button();
        QCOMPARE(button->text(), localizedString(QStringLiteral("button.openSettings")));
        button->click();
        QTRY_VERIFY(SettingsWindowPresenter::shared().settingsView() != nullptr);
        QCOMPARE(SettingsWindowPresenter::shared().settingsView()->activeTab(), SettingsTab::general);
        SettingsWindowPresenter::shared().window()->close();
        QTRY_VERIFY(SettingsWindowPresenter::shared().window() == nullptr);
    }
};

QTEST_MAIN(PlaceholderActionsTest)
#include "PlaceholderActionsTest.moc"
