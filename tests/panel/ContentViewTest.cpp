#include "panel/ContentView.h"
#include "FakeReminderStore.h"
#include "PanelFixture.h"
#include "appearance/DateTexts.h"
#include "appearance/LocalizationManager.h"
#include "panel/PanelFooter.h"
#include "panel/PanelHeader.h"
#include "panel/PanelSizing.h"
#include "panel/PlaceholderView.h"
#include "panel/ReminderListSection.h"
#include "rows/ReminderRow.h"
#include "settings/SettingsWindowPresenter.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

using namespace tolvik;
using namespace tolvik::test;

class ContentViewTest : public QObject
{
    Q_OBJECT

    static std::unique_ptr<ContentView> makeView(PanelFixture& fixture, RemindersViewModel& model)
    {
        return std::make_unique<ContentView>(model, fixture.launchAtLogin(), fixture.root(), [] { return panelNow(); });
    }

private Q_SLOTS:
    void shouldGoFromNoListsToCaughtUpToSectionsAsTheUserSelectsAndAdds()
    {
        PanelFixture fixture;
        // A store that existed before the app, with nothing selected yet.
        fixture.makeList(QStringLiteral("home/chores"), "Chores");
        RemindersViewModel& model = fixture.model();
        QCOMPARE(model.lists().size(), 1);
        auto view = makeView(fixture, model);
        QCOMPARE(view->shownPlaceholder(), Placeholder::noLists);
        QCOMPARE(view->header()->summaryLabel()->text(), localizedString(QStringLiteral("summary.zero")));

        const QString listID = model.lists().first().id;
        fixture.preferences().setString(PreferenceKey::selectedListIDs, listID);
        QTRY_COMPARE(view->shownPlaceholder(), Placeholder::allCaughtUp);

        fixture.writeTodo(listID, QStringLiteral("milk"), QStringLiteral("Buy milk"));
        fixture.writeTodo(listID, QStringLiteral("bread"), QStringLiteral("Buy bread"));
        QTRY_COMPARE(view->shownPlaceholder(), std::nullopt);
        QTRY_COMPARE(view->sections().size(), 1);
        // The two writes may reach the panel in one refresh or in two.
        QTRY_COMPARE(view->sections().first()->rows().size(), 2);
        QCOMPARE(view->header()->summaryLabel()->text(), localizedString(QStringLiteral("summary.count"), 2));
        QVERIFY(view->header()->summaryLabel()->text().contains(QLatin1Char('2')));
    }

    void shouldKeepEachSectionAndItsRowsAcrossUpdates()
    {
        PanelFixture fixture;
        fixture.makeList(QStringLiteral("home/chores"), "Chores");
        fixture.makeList(QStringLiteral("work/office"), "Office");
        const QString dishes =
            fixture.writeTodo(QStringLiteral("home/chores"), QStringLiteral("dishes"), QStringLiteral("Dishes"));
        fixture.writeTodo(QStringLiteral("work/office"), QStringLiteral("mail"), QStringLiteral("Mail"));
        fixture.preferences().setString(PreferenceKey::selectedListIDs, QStringLiteral("home/chores,work/office"));
        RemindersViewModel& model = fixture.model();
        auto view = makeView(fixture, model);
        QCOMPARE(view->sections().size(), 2);
        ReminderListSection* chores = view->sectionFor(QStringLiteral("home/chores"));
        ReminderListSection* office = view->sectionFor(QStringLiteral("work/office"));
        QVERIFY(chores != nullptr && office != nullptr);
        QCOMPARE(view->sections().first(), chores);
        ReminderRow* dishesRow = chores->rowFor(dishes);
        QVERIFY(dishesRow != nullptr);

        // Another client renames the office reminder: both sections stay, and the untouched one keeps its row.
        fixture.writeTodo(QStringLiteral("work/office"), QStringLiteral("mail"), QStringLiteral("Answer mail"));
        QTRY_COMPARE(model.reminders().size(), 2);
        QTRY_VERIFY(std::any_of(model.reminders().cbegin(), model.reminders().cend(),
                                [](const ReminderItem& item) { return item.title == QStringLiteral("Answer mail"); }));
        // The panel redraws on the next turn of the loop; only once the renamed row shows is the rest worth checking.
        QTRY_VERIFY(office->rows().size() == 1 &&
                    office->rows().first()->reminder().title == QStringLiteral("Answer mail"));
        QCOMPARE(view->sectionFor(QStringLiteral("work/office")), office);
        QCOMPARE(view->sectionFor(QStringLiteral("home/chores")), chores);
        QCOMPARE(chores->rowFor(dishes), dishesRow);

        // Deselecting a list drops only its section.
        fixture.preferences().setString(PreferenceKey::selectedListIDs, QStringLiteral("work/office"));
        QTRY_COMPARE(view->sections().size(), 1);
        QCOMPARE(view->sections().first(), office);
        QVERIFY(view->sectionFor(QStringLiteral("home/chores")) == nullptr);

        // The account filter hides lists of other accounts even when they are selected.
        fixture.preferences().setString(PreferenceKey::selectedListIDs, QStringLiteral("home/chores,work/office"));
        QTRY_COMPARE(view->sections().size(), 2);
        fixture.preferences().setString(PreferenceKey::selectedAccountIDs, QStringLiteral("home"));
        QTRY_COMPARE(view->sections().size(), 1);
        QCOMPARE(view->sections().first()->list().id, QStringLiteral("home/chores"));
    }

    void shouldShowThePlaceholderOfEachAccessStateWithItsAction_data()
    {
        QTest::addColumn<AuthorizationStatus>("status");
        QTest::addColumn<Placeholder>("placeholder");
        QTest::newRow("write only") << AuthorizationStatus::writeOnly << Placeholder::readAccess;
        QTest::newRow("denied") << AuthorizationStatus::denied << Placeholder::permissionRequired;
        QTest::newRow("restricted") << AuthorizationStatus::restricted << Placeholder::permissionRequired;
    }

    void shouldShowThePlaceholderOfEachAccessStateWithItsAction()
    {
        QFETCH(AuthorizationStatus, status);
        QFETCH(Placeholder, placeholder);
        PanelFixture fixture;
        auto* store = new FakeReminderStore;
        store->setStatus(status);
        RemindersViewModel& model = fixture.modelOn(store);
        // The store's folder does not exist: the file manager gets the nearest folder that does.
        const QString missing = fixture.root() + QStringLiteral("/not/there");
        ContentView view(model, fixture.launchAtLogin(), missing, [] { return panelNow(); });
        QList<QUrl> opened;
        view.setUrlOpener([&opened](const QUrl& url) { opened.append(url); });
        QCOMPARE(view.shownPlaceholder(), placeholder);
        const PlaceholderContent content = placeholderContent(placeholder);
        QCOMPARE(view.placeholderView()->titleLabel()->text(), localizedString(content.titleKey));
        QCOMPARE(view.placeholderView()->button()->text(),
                 localizedString(QStringLiteral("button.openSystemSettings")));
        QVERIFY(!view.placeholderView()->button()->isHidden());

        view.placeholderView()->button()->click();
        QCOMPARE(opened.size(), 1);
        QCOMPARE(opened.first(), QUrl::fromLocalFile(QFileInfo(fixture.root()).absolutePath()));
    }

    void shouldAskForAccessFromTheGrantButtonAndFollowTheAnswer()
    {
        PanelFixture fixture;
        auto* store = new FakeReminderStore;
        store->setStatus(AuthorizationStatus::notDetermined);
        store->setAccessAnswer(AccessResult{false, std::nullopt}, AuthorizationStatus::notDetermined);
        RemindersViewModel& model = fixture.modelOn(store);
        QTRY_COMPARE(store->accessRequestCount(), 1);
        auto view = makeView(fixture, model);
        QCOMPARE(view->shownPlaceholder(), Placeholder::requestAccess);
        QCOMPARE(view->placeholderView()->button()->text(), localizedString(QStringLiteral("button.grantPermission")));

        store->setAccessAnswer(AccessResult{true, std::nullopt}, AuthorizationStatus::fullAccess);
        view->placeholderView()->button()->click();
        QTRY_COMPARE(store->accessRequestCount(), 2);
        QTRY_COMPARE(view->shownPlaceholder(), Placeholder::noLists);

        // A refusal later leaves the user with the permission placeholder.
        store->setStatus(AuthorizationStatus::denied);
        store->setAccessAnswer(AccessResult{false, std::nullopt}, AuthorizationStatus::denied);
        QCoro::waitFor(model.requestAccess());
        QTRY_COMPARE(view->shownPlaceholder(), Placeholder::permissionRequired);
    }

    void shouldShowTheSpinnerOnlyWhileSyncing()
    {
        PanelFixture fixture;
        auto* store = new FakeReminderStore;
        RemindersViewModel& model = fixture.modelOn(store);
        QTRY_VERIFY(model.lastRefreshDate().has_value() && !model.isSyncing());
        auto view = makeView(fixture, model);
        QVERIFY(!view->header()->isSpinnerShown());
        store->holdFetches(true);
        auto refresh = model.refresh();
        QTRY_VERIFY(view->header()->isSpinnerShown());
        store->releaseFetches();
        QCoro::waitFor(std::move(refresh));
        QTRY_VERIFY(!view->header()->isSpinnerShown());
    }

    void shouldFollowSizeThemeAndLanguageAtOnce()
    {
        PanelFixture fixture;
        auto view = makeView(fixture, fixture.model());
        QCOMPARE(view->panelWidth(), 360);
        QCOMPARE(view->material(), Material::ultraThin);
        QSignalSpy resized(view.get(), &ContentView::panelSizeChanged);

        fixture.preferences().setString(PreferenceKey::menuSizePreference, QStringLiteral("roomy"));
        QCOMPARE(view->panelWidth(), 420);
        QTRY_VERIFY(!resized.isEmpty());
        fixture.preferences().setString(PreferenceKey::menuSizePreference, QStringLiteral("Roomy"));
        QCOMPARE(view->panelWidth(), 360);
        fixture.preferences().setString(PreferenceKey::menuTransparencyPreference, QStringLiteral("standard"));
        QCOMPARE(view->material(), Material::thin);

        fixture.preferences().setString(PreferenceKey::themePreference, QStringLiteral("night"));
        QVERIFY(ThemePalette::isDark(view->palette()));
        fixture.preferences().setString(PreferenceKey::themePreference, QStringLiteral("day"));
        QVERIFY(!ThemePalette::isDark(view->palette()));

        const QString englishQuit = view->footer()->quitButton()->text();
        fixture.preferences().setString(PreferenceKey::languagePreference, QStringLiteral("sv"));
        QCOMPARE(view->footer()->quitButton()->text(), localizedString(QStringLiteral("footer.quit")));
        QVERIFY(view->footer()->quitButton()->text() != englishQuit);
        QCOMPARE(view->placeholderView()->titleLabel()->text(),
                 localizedString(placeholderContent(*view->shownPlaceholder()).titleKey));
        QTRY_COMPARE(view->header()->dateLabel()->text(), DateTexts::headerDate(panelNow(), QLocale(QLocale::Swedish)));
        fixture.preferences().setString(PreferenceKey::languagePreference, QStringLiteral("system"));
    }

    void shouldFitTheLongestDateOfEachLanguageIntoTheCompactHeader()
    {
        PanelFixture fixture;
        // A Thursday in December: "Donnerstag, 10. Dez." is wider than the compact header.
        const QDateTime thursday(QDate(2026, 12, 10), QTime(10, 0));
        ContentView view(fixture.model(), fixture.launchAtLogin(), fixture.root(), [thursday] { return thursday; });
        view.show();
        QLabel* date = view.header()->dateLabel();
        for (const QString& size : {QStringLiteral("compact"), QStringLiteral("roomy")}) {
            fixture.preferences().setString(PreferenceKey::menuSizePreference, size);
            // The panel window holds its content at the width the size asks for.
            view.resize(view.panelWidth(), view.height());
            for (const QString& language : {QStringLiteral("de"), QStringLiteral("sv"), QStringLiteral("en"),
                                            QStringLiteral("zh-Hans"), QStringLiteral("zh-Hant")}) {
                fixture.preferences().setString(PreferenceKey::languagePreference, language);
                const QString full = DateTexts::headerDate(thursday, LocalizationManager::displayLocale(language));
                QTRY_COMPARE(date->toolTip(), full);
                QTRY_VERIFY2(date->fontMetrics().horizontalAdvance(date->text()) <= date->contentsRect().width(),
                             qPrintable(size + QLatin1Char(' ') + language + QStringLiteral(": ") + date->text()));
                if (size == QStringLiteral("roomy")) {
                    QTRY_COMPARE(date->text(), full);
                }
            }
        }
    }

    void shouldGrowWithItsListsWithinTheScreenLimit()
    {
        PanelFixture fixture;
        fixture.makeList(QStringLiteral("home/chores"), "Chores");
        fixture.writeTodo(QStringLiteral("home/chores"), QStringLiteral("one"), QStringLiteral("One"));
        fixture.preferences().setString(PreferenceKey::selectedListIDs, QStringLiteral("home/chores"));
        RemindersViewModel& model = fixture.model();
        auto view = makeView(fixture, model);
        view->measure();
        const qreal oneRow = view->listContentHeight();
        QVERIFY(view->headerHeight() >= PanelHeader::iconSize);
        QVERIFY(view->footerHeight() > 0);

        QSignalSpy resized(view.get(), &ContentView::panelSizeChanged);
        for (int index = 0; index < 40; ++index) {
            fixture.writeTodo(QStringLiteral("home/chores"), QStringLiteral("more%1").arg(index),
                              QStringLiteral("More %1").arg(index));
        }
        QTRY_COMPARE(model.reminders().size(), 41);
        QTRY_VERIFY2(view->listContentHeight() > oneRow * 5,
                     qPrintable(QStringLiteral("%1 -> %2").arg(oneRow).arg(view->listContentHeight())));
        QVERIFY(!resized.isEmpty());
        // The list content alone asks for more than the screen allows; the rule caps it at three quarters.
        QCOMPARE(view->panelHeight(800.0), 600.0);
        QCOMPARE(view->panelHeight(std::nullopt), PanelSizing::noScreenLimit);
    }

    void shouldCloseThePanelThenOpenTheSettingsWindow()
    {
        PanelFixture fixture;
        auto view = makeView(fixture, fixture.model());
        QSignalSpy closing(view.get(), &ContentView::closeRequested);
        QVERIFY(SettingsWindowPresenter::shared().window() == nullptr);
        view->footer()->settingsButton()->click();
        // Nothing happens inside the click itself: the panel closes first, the settings window follows.
        QCOMPARE(closing.size(), 0);
        QTRY_COMPARE(closing.size(), 1);
        QVERIFY(SettingsWindowPresenter::shared().window() == nullptr);
        QTRY_VERIFY(SettingsWindowPresenter::shared().window() != nullptr);
        SettingsWindowPresenter::shared().window()->close();
        QTRY_VERIFY(SettingsWindowPresenter::shared().window() == nullptr);
    }
};

QTEST_MAIN(ContentViewTest)
#include "ContentViewTest.moc"
