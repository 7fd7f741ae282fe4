#include "settings/SettingsWindowPresenter.h"
#include "SettingsFixture.h"
#include "appearance/AppTheme.h"
#include "settings/AboutSettingsTab.h"
#include "settings/AppearanceSettingsTab.h"
#include "settings/GeneralSettingsTab.h"
#include "settings/SegmentedPicker.h"
#include "settings/SettingsSection.h"
#include "settings/SettingsView.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPointer>
#include <QTest>
#include <QVBoxLayout>

using namespace tolvik;
using tolvik::test::SettingsFixture;

namespace {

int openSettingsWindows()
{
    int count = 0;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible() && widget->findChild<SettingsView*>()) {
            ++count;
        }
    }
    return count;
}

} // namespace

class SettingsWindowPresenterTest : public QObject
{
    Q_OBJECT

private:
    /// Shows the window and waits for the delayed show and for the window to become the active one.
    static QWidget* showAndActivate(SettingsWindowPresenter& presenter, RemindersViewModel& model,
                                    LaunchAtLoginManager& launch)
    {
        presenter.show(model, launch);
        QWidget* window = presenter.window();
        if (!window || !QTest::qWaitFor([window] { return window->isVisible(); })) {
            return nullptr;
        }
        QApplication::setActiveWindow(window);
        return QTest::qWaitFor([window] { return window->isActiveWindow(); }) ? window : nullptr;
    }

    /// Closes what a test left open, before its model goes away.
    static void closeWindow(SettingsWindowPresenter& presenter)
    {
        QPointer<QWidget> window = presenter.window();
        if (window) {
            window->close();
        }
        QTRY_VERIFY(window.isNull());
    }

private Q_SLOTS:
    void shouldShowOneFloatingFixedWindowThatKeepsItsTab()
    {
        SettingsFixture fixture;
        fixture.makeTwoAccounts();
        auto model = fixture.makeModel();
        auto launch = fixture.makeLaunchAtLogin();
        SettingsWindowPresenter presenter;

        presenter.show(*model, *launch);
        QWidget* window = presenter.window();
        QVERIFY(window);
        QVERIFY(!window->isVisible()); // shown a moment later
        QTRY_VERIFY(window->isVisible());

        QCOMPARE(window->size(), QSize(640, 640));
        QCOMPARE(window->minimumSize(), window->maximumSize());
        const Qt::WindowFlags flags = window->windowFlags();
        QVERIFY(flags.testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
        QCOMPARE(window->windowTitle(), QStringLiteral("TolvikReminder Settings"));
        SettingsView* view = presenter.settingsView();
        QCOMPARE(view->size(), QSize(620, 620));
        QCOMPARE(view->activeTab(), SettingsTab::general);
        QCOMPARE(view->tabPicker()->itemTexts(),
                 QStringList({QStringLiteral("General"), QStringLiteral("Appearance"), QStringLiteral("About")}));

        QTest::mouseClick(view->tabPicker()->button(1), Qt::LeftButton);
        QCOMPARE(view->activeTab(), SettingsTab::appearance);
        QVERIFY(view->appearanceTab()->isVisible());
        QVERIFY(!view->generalTab()->isVisible());

        presenter.show(*model, *launch);
        QCOMPARE(presenter.window(), window);
        QCOMPARE(presenter.settingsView(), view);
        QCOMPARE(view->activeTab(), SettingsTab::appearance);
        QCOMPARE(openSettingsWindows(), 1);
        closeWindow(presenter);
    }

    void shouldShowNewListWithoutScrolling()
    {
        SettingsFixture fixture;
        fixture.makeTwoAccounts();
        fixture.makeList(QStringLiteral("home/garden"), "Garden", "#AD7F58");
        auto model = fixture.makeModel();
        auto launch = fixture.makeLaunchAtLogin();
        SettingsWindowPresenter presenter;
        presenter.show(*model, *launch);
        QTRY_VERIFY(presenter.window() != nullptr && presenter.window()->isVisible());

        QAbstractButton* newList = presenter.settingsView()->generalTab()->newListButton();
        auto* section = qobject_cast<SettingsSection*>(newList->parentWidget());
        QVERIFY(section != nullptr);
        QCOMPARE(section->title(), QStringLiteral("Lists"));
        QWidget* viewport = newList->parentWidget();
        while (viewport != nullptr && viewport->objectName() != QLatin1String("qt_scrollarea_viewport")) {
            viewport = viewport->parentWidget();
        }
        QVERIFY(viewport != nullptr);
        QTRY_VERIFY(newList->isVisible());
        const QRect shown(newList->mapTo(viewport, QPoint(0, 0)), newList->size());
        QVERIFY2(viewport->rect().contains(shown),
                 qPrintable(
                     QStringLiteral("New List… at y %1 of a %2 px view").arg(shown.bottom()).arg(viewport->height())));
        closeWindow(presenter);
    }

    void shouldCloseWhenDeactivatedAndStartAgainOnTheGeneralTab()
    {
        SettingsFixture fixture;
        fixture.makeEmptyRoot();
        auto model = fixture.makeModel();
        auto launch = fixture.makeLaunchAtLogin();
        SettingsWindowPresenter presenter;
        QPointer<QWidget> first = showAndActivate(presenter, *model, *launch);
        QVERIFY(first);
        presenter.settingsView()->tabPicker()->button(2)->click();
        QCOMPARE(presenter.settingsView()->activeTab(), SettingsTab::about);

        QWidget elsewhere;
        elsewhere.show();
        QApplication::setActiveWindow(&elsewhere);

        QVERIFY(!presenter.window());
        QTRY_VERIFY(first.isNull());
        QCOMPARE(openSettingsWindows(), 0);

        QWidget* second = showAndActivate(presenter, *model, *launch);
        QVERIFY(second);
        QCOMPARE(presenter.settingsView()->activeTab(), SettingsTab::general);
        QVERIFY(presenter.settingsView()->generalTab()->isVisible());

        // Closing by the title bar forgets the window just the same.
        second->close();
        QVERIFY(!presenter.window());
    }

    void shouldDismissAnyWindowThatHostsTheView()
    {
        SettingsFixture fixture;
        fixture.makeEmptyRoot();
        auto model = fixture.makeModel();
        auto launch = fixture.makeLaunchAtLogin();
        QWidget host;
        auto* layout = new QVBoxLayout(&host);
        layout->addWidget(new SettingsView(*model, *launch, &host));
        host.show();
        QVERIFY(QTest::qWaitForWindowExposed(&host));

        QEvent deactivate(QEvent::WindowDeactivate);
        QApplication::sendEvent(&host, &deactivate);
        QVERIFY(!host.isVisible());
    }

    void shouldReTextBothTabsButNotTheTitleWhenTheLanguageChanges()
    {
        SettingsFixture fixture;
        fixture.makeTwoAccounts();
        auto model = fixture.makeModel();
        auto launch = fixture.makeLaunchAtLogin();
        SettingsWindowPresenter presenter;
        QWidget* window = showAndActivate(presenter, *model, *launch);
        QVERIFY(window);
        SettingsView* view = presenter.settingsView();
        GeneralSettingsTab* general = view->generalTab();

        QComboBox* languages = general->languagePicker();
        languages->setCurrentIndex(languages->findData(QStringLiteral("de")));

        QCOMPARE(fixture.stored(PreferenceKey::languagePreference), QStringLiteral("de"));
        QCOMPARE(window->windowTitle(), QStringLiteral("TolvikReminder Settings"));
        QCOMPARE(view->tabPicker()->itemTexts(),
                 QStringList({QStringLiteral("Allgemein"), QStringLiteral("Darstellung"), QStringLiteral("Über")}));
        QCOMPARE(general->sections().at(1)->title(), QStringLiteral("Listen"));
        QCOMPARE(general->languagePicker()->currentText(), QStringLiteral("Deutsch"));
        QCOMPARE(general->accountsEmptyLabel()->text(), QStringLiteral("Keine Konten gefunden."));
        QCOMPARE(view->appearanceTab()->sections().at(0)->title(), QStringLiteral("Größe der Übersicht"));
        QCOMPARE(view->aboutTab()->developerHeading()->text(), QStringLiteral("Entwickelt von"));
        // Store names are shown as they are.
        QCOMPARE(general->accountToggle(QStringLiteral("work"))->text(), QStringLiteral("Work"));
        closeWindow(presenter);
    }

    void shouldApplyTheThemeToTheWindowAtOnce()
    {
        SettingsFixture fixture;
        fixture.makeEmptyRoot();
        auto model = fixture.makeModel();
        auto launch = fixture.makeLaunchAtLogin();
        SettingsWindowPresenter presenter;
        QWidget* window = showAndActivate(presenter, *model, *launch);
        QVERIFY(window);
        SettingsView* view = presenter.settingsView();
        view->tabPicker()->button(1)->click();

        view->appearanceTab()->themePicker()->button(2)->click();
        QVERIFY(ThemePalette::isDark(window->palette()));
        // Drop-down lists are windows of their own; they open dark as well.
        QComboBox* transparency = view->appearanceTab()->transparencyPicker();
        transparency->showPopup();
        QAbstractItemView* list = transparency->view();
        const QImage shown = list->viewport()->grab().toImage();
        const QRect unselected = list->visualRect(transparency->model()->index(0, 0));
        QVERIFY(!unselected.isEmpty());
        QVERIFY2(shown.pixelColor(unselected.right() - 2, unselected.center().y()).lightness() < 100,
                 "the open list is drawn dark");
        transparency->hidePopup();
        QCOMPARE(view->generalTab()->palette().color(QPalette::Window), ThemePalette::dark().color(QPalette::Window));

        view->appearanceTab()->themePicker()->button(1)->click();
        QCOMPARE(window->palette().color(QPalette::Window), ThemePalette::light().color(QPalette::Window));

        view->appearanceTab()->themePicker()->button(0)->click();
        QCOMPARE(window->palette().color(QPalette::Window), QApplication::palette().color(QPalette::Window));
        closeWindow(presenter);
    }

    void shouldOpenANightWindowDark()
    {
        SettingsFixture fixture;
        fixture.makeEmptyRoot();
        fixture.preferences().setString(PreferenceKey::themePreference, QStringLiteral("night"));
        auto model = fixture.makeModel();
        auto launch = fixture.makeLaunchAtLogin();
        SettingsWindowPresenter presenter;
        QWidget* window = showAndActivate(presenter, *model, *launch);
        QVERIFY(window);
        QVERIFY(ThemePalette::isDark(window->palette()));
        closeWindow(presenter);
    }
};

QTEST_MAIN(SettingsWindowPresenterTest)
#include "SettingsWindowPresenterTest.moc"
