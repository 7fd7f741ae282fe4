// The popover window: beside its anchor's window, flipped only where the screen is known and the preferred side has
// no room; and, on a platform that cannot fade windows, a bubble that fades by painting with alpha, without the
// platform's warning at every step.
#include "rows/PopoverWindow.h"
#include "RowsFixture.h"

#include <QGuiApplication>
#include <QLabel>
#include <QRegularExpression>
#include <QScreen>
#include <QTest>

using namespace tolvik;
using namespace tolvik::test;

namespace {

/// The alpha of the bubble's surface at its centre, as painted now.
int centreAlpha(PopoverWindow& window)
{
    const QImage picture = window.grab().toImage();
    return qAlpha(picture.pixel(picture.rect().center()));
}

} // namespace

class PopoverWindowTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shouldSitBesideTheAnchorAndFlipOnlyWithinAKnownScreen_data()
    {
        QTest::addColumn<QRect>("anchor");
        QTest::addColumn<bool>("preferRight");
        QTest::addColumn<bool>("knownScreen");
        QTest::addColumn<QPoint>("expected");
        const QMargins shadow(14, 8, 14, 20);
        const QSize size(300, 400);
        // A panel 360 wide; the surface sits 10 from it, its shadow margin reaching back over the gap.
        const QRect middle(400, 0, 360, 40);
        const QRect atRightEdge(900, 0, 360, 40);
        const int y = middle.center().y() - size.height() / 2;
        QTest::newRow("room on the right") << middle << true << true << QPoint(760 + 10 - shadow.left(), y);
        QTest::newRow("room on the left") << middle << false << true << QPoint(400 - 10 - 300 + shadow.right(), y);
        QTest::newRow("no room on the right: flipped")
            << atRightEdge << true << true << QPoint(900 - 10 - 300 + shadow.right(), y);
        // Where the compositor keeps it on screen, the widget's idea of the screen must not move it.
        QTest::newRow("unknown screen: on the preferred side past its edge")
            << atRightEdge << true << false << QPoint(1260 + 10 - shadow.left(), y);
    }

    void shouldSitBesideTheAnchorAndFlipOnlyWithinAKnownScreen()
    {
        QFETCH(QRect, anchor);
        QFETCH(bool, preferRight);
        QFETCH(bool, knownScreen);
        QFETCH(QPoint, expected);
        const std::optional<QRect> screen = knownScreen ? std::optional(QRect(0, 0, 1280, 800)) : std::nullopt;
        QCOMPARE(PopoverWindow::besideAnchor(anchor, QSize(300, 400), QMargins(14, 8, 14, 20), preferRight, screen),
                 expected);
    }

    void shouldOpenBesideTheAnchorOnScreenWhenItsWindowFillsTheScreen()
    {
        RowsFixture fixture;
        QWidget window;
        window.setGeometry(QGuiApplication::primaryScreen()->availableGeometry());
        auto* button = new QWidget(&window);
        button->setGeometry(window.width() - 40, 100, 20, 20);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        PopoverWindow popover(PopoverWindow::Kind::popup, &window);
        popover.setContent(new QLabel(QStringLiteral("A form")));
        popover.setContentWidth(200);

        popover.present(button, PopoverWindow::Side::trailing);
        const QRect surface = popover.geometry() - QMargins(14, 8, 14, 20);
        QVERIFY(window.geometry().contains(surface));
        QCOMPARE(surface.right() + 1 + PopoverWindow::anchorGap, button->mapToGlobal(QPoint(0, 0)).x());
    }

    void shouldFadeTheBubbleInAndOutByPainting()
    {
        RowsFixture fixture;
        QTest::failOnWarning(QRegularExpression(QStringLiteral("opacity")));
        QWidget owner;
        owner.resize(300, 200);
        owner.show();
        PopoverWindow bubble(PopoverWindow::Kind::bubble, &owner);
        bubble.setContent(new QLabel(QStringLiteral("Details of the reminder")));
        bubble.setContentWidth(200);

        bubble.present(&owner, PopoverWindow::Side::leading);
        QVERIFY(bubble.isPresented());
        QCOMPARE(bubble.fadeLevel(), 0.0);
        QCOMPARE(centreAlpha(bubble), 0);
        QTRY_COMPARE(bubble.fadeLevel(), 1.0);
        QVERIFY(centreAlpha(bubble) > 0);

        bubble.dismiss(true);
        QVERIFY(bubble.isVisible() && !bubble.isPresented());
        QTRY_VERIFY(!bubble.isVisible());
        // Whole again for the next time it shows.
        QCOMPARE(bubble.fadeLevel(), 1.0);
    }
};

QTEST_MAIN(PopoverWindowTest)
#include "PopoverWindowTest.moc"
