#include "panel/PanelWindow.h"
#include "PanelFixture.h"
#include "panel/ContentView.h"
#include "panel/PanelSizing.h"
#include "panel/TrayEntry.h"
#include "rows/PopoverWindow.h"

#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QScreen>
#include <QSignalSpy>
#include <QSystemTrayIcon>
#include <QTest>
#include <QWindow>

using namespace tolvik;
using namespace tolvik::test;

class PanelWindowTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shouldOpenUnderTheIconAtTheContentsSizeAndScaleIn()
    {
        PanelFixture fixture;
        PanelWindow panel(fixture.model(), fixture.launchAtLogin(), fixture.root(), PanelWindow::Mode::trayPanel);
        const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
        const QRect icon(available.center().x(), available.top(), 24, 24);
        panel.present(icon, std::nullopt);
        QVERIFY(panel.isVisible());
        QVERIFY(panel.isAppearing());
        QCOMPARE(panel.width(), 360);
        const qreal expected =
            PanelSizing::panelHeight(panel.contentView()->headerHeight(), panel.contentView()->footerHeight(),
                                     panel.contentView()->listContentHeight(), available.height());
        QCOMPARE(panel.height(), qRound(expected));
        QCOMPARE(panel.pos(), PanelSizing::panelOrigin(panel.size(), available, icon, std::nullopt));
        QTRY_VERIFY(!panel.isAppearing());
        QVERIFY(panel.contentView()->graphicsEffect() == nullptr);

        // A size change in the settings applies to the open panel at once.
        fixture.preferences().setString(PreferenceKey::menuSizePreference, QStringLiteral("compact"));
        QTRY_COMPARE(panel.width(), 320);
    }

    void shouldGrowUpwardWhenOpenedAboveABottomIcon()
    {
        PanelFixture fixture;
        fixture.makeList(QStringLiteral("home/chores"), "Chores");
        fixture.writeTodo(QStringLiteral("home/chores"), QStringLiteral("one"), QStringLiteral("One"));
        fixture.preferences().setString(PreferenceKey::selectedListIDs, QStringLiteral("home/chores"));
        PanelWindow panel(fixture.model(), fixture.launchAtLogin(), fixture.root(), PanelWindow::Mode::trayPanel);
        const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
        const QRect icon(available.center().x(), available.bottom() - 24, 24, 24);
        panel.present(icon, std::nullopt);
        const int bottom = panel.geometry().bottom();
        QCOMPARE(bottom, icon.top() - 1 - PanelSizing::iconGap);
        const int shortHeight = panel.height();

        for (int index = 0; index < 8; ++index) {
            fixture.writeTodo(QStringLiteral("home/chores"), QStringLiteral("more%1").arg(index),
                              QStringLiteral("More %1").arg(index));
        }
        QTRY_VERIFY(panel.height() > shortHeight);
        // Once the glide settles, the panel still ends just above the icon it opened from.
        QTRY_COMPARE(panel.height(), panel.targetSize().height());
        QCOMPARE(panel.geometry().bottom(), bottom);
    }

    void shouldStayOpenForItsOwnPopupsAndCloseForOtherWindows()
    {
        PanelFixture fixture;
        PanelWindow panel(fixture.model(), fixture.launchAtLogin(), fixture.root(), PanelWindow::Mode::trayPanel);
        panel.present(std::nullopt, std::nullopt);
        QVERIFY(QTest::qWaitForWindowActive(&panel));

        QMenu menu(panel.contentView());
        menu.addAction(QStringLiteral("entry"));
        menu.popup(panel.geometry().center());
        QVERIFY(QTest::qWaitForWindowExposed(&menu));
        QVERIFY(panel.belongsToPanel(&menu));
        QCoreApplication::processEvents();
        QVERIFY(panel.isVisible());
        menu.close();

        QWidget elsewhere;
        elsewhere.show();
        elsewhere.activateWindow();
        // "Just" is a short wall-clock window: look after every turn of the loop, not after QTRY's 50 ms steps, which
        // a busy machine stretches.
        QVERIFY(QTest::qWaitFor([&panel] { return !panel.isVisible(); }));
        QVERIFY(panel.wasJustDismissed());
    }

    void shouldCloseWithAPopupClosedByAClickOutsideThePanel_data()
    {
        QTest::addColumn<QString>("click");
        QTest::addColumn<bool>("stays");
        QTest::newRow("on the panel") << "panel" << true;
        QTest::newRow("none: the app hid it") << "none" << true;
        QTest::newRow("outside both") << "outside" << false;
        QTest::newRow("on another program, seen by the compositor alone") << "compositor" << false;
    }

    void shouldCloseWithAPopupClosedByAClickOutsideThePanel()
    {
        QFETCH(QString, click);
        QFETCH(bool, stays);
        PanelFixture fixture;
        PanelWindow panel(fixture.model(), fixture.launchAtLogin(), fixture.root(), PanelWindow::Mode::trayPanel);
        panel.present(std::nullopt, std::nullopt);
        QVERIFY(QTest::qWaitForWindowActive(&panel));
        PopoverWindow popover(PopoverWindow::Kind::popup, panel.contentView());
        popover.setContent(new QLabel(QStringLiteral("A form")));
        popover.present(panel.contentView(), PopoverWindow::Side::trailing);
        QVERIFY(QTest::qWaitForWindowExposed(&popover));

        if (click == QLatin1String("compositor")) {
            popover.windowHandle()->close();
        } else if (click == QLatin1String("none")) {
            popover.dismiss();
        } else {
            const QRect frame = panel.frameGeometry();
            const QPoint at = click == QLatin1String("panel") ? frame.center() : frame.bottomLeft() + QPoint(0, 40);
            QTest::mouseClick(&popover, Qt::LeftButton, {}, popover.mapFromGlobal(at));
        }
        QTRY_VERIFY(!popover.isVisible());
        if (stays) {
            QTest::qWait(50);
            QVERIFY(panel.isVisible());
        } else {
            QTRY_VERIFY(!panel.isVisible());
            QVERIFY(panel.wasJustDismissed());
        }
    }

    void shouldFallBackToAWindowWhenNoTrayAppears()
    {
        // The test platform has no tray at all.
        QVERIFY(!QSystemTrayIcon::isSystemTrayAvailable());
        PanelFixture fixture;
        TrayEntry entry(fixture.model(), fixture.launchAtLogin(), fixture.root());
        entry.setTrayRetry(2, 20);
        QSignalSpy fellBack(&entry, &TrayEntry::fellBackToWindow);
        entry.start();
        QVERIFY(entry.isWaitingForTray());
        QVERIFY(entry.panel() == nullptr);
        QVERIFY(fellBack.wait());
        QVERIFY(!entry.usesTray());
        QVERIFY(entry.panel() != nullptr);
        QCOMPARE(entry.panel()->mode(), PanelWindow::Mode::ordinaryWindow);
        QVERIFY(entry.panel()->isVisible());

        // The window manager may resize and maximise it: it is not held at one size, and it has a floor.
        PanelWindow* shown = entry.panel();
        QCOMPARE(shown->minimumSize(), PanelWindow::minimumWindowSize);
        QVERIFY(shown->maximumWidth() > shown->width() && shown->maximumHeight() > shown->height());
        shown->showMaximized();
        QTRY_VERIFY(shown->isMaximized());
        shown->showNormal();

        // Closing the window keeps the app; the next launch brings the same window back.
        PanelWindow* window = entry.panel();
        window->close();
        QVERIFY(!window->isVisible());
        entry.activate();
        QCOMPARE(entry.panel(), window);
        QVERIFY(window->isVisible());
    }

    void shouldOpenTheWindowAtOnceWhenAskedWhileStillLookingForATray()
    {
        PanelFixture fixture;
        TrayEntry entry(fixture.model(), fixture.launchAtLogin(), fixture.root());
        entry.setTrayRetry(100, 1000);
        entry.start();
        QVERIFY(entry.isWaitingForTray());
        entry.activate();
        QVERIFY(!entry.isWaitingForTray());
        QVERIFY(entry.panel() != nullptr && entry.panel()->isVisible());
    }
};

QTEST_MAIN(PanelWindowTest)
#include "PanelWindowTest.moc"
