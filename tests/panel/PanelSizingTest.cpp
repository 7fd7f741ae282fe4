#include "panel/PanelSizing.h"
#include "panel/Spring.h"

#include <QTest>

using namespace tolvik;

class PanelSizingTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shouldApplyTheHeightRule_data()
    {
        QTest::addColumn<qreal>("header");
        QTest::addColumn<qreal>("footer");
        QTest::addColumn<qreal>("list");
        QTest::addColumn<std::optional<qreal>>("screen");
        QTest::addColumn<qreal>("expected");

        // 50 + 30 + 1 + 48 + 40 = 169 of framing around the list content.
        QTest::newRow("content fits") << 50.0 << 30.0 << 300.0 << std::optional<qreal>(1000) << 469.0;
        QTest::newRow("long lists stop at three quarters")
            << 50.0 << 30.0 << 5000.0 << std::optional<qreal>(1000) << 750.0;
        QTest::newRow("little content still gets 300") << 20.0 << 20.0 << 10.0 << std::optional<qreal>(1000) << 300.0;
        QTest::newRow("a short screen wins over 300") << 20.0 << 20.0 << 10.0 << std::optional<qreal>(380) << 285.0;
        QTest::newRow("no screen, long content") << 50.0 << 30.0 << 900.0 << std::optional<qreal>() << 675.0;
        QTest::newRow("no screen, little content") << 20.0 << 20.0 << 100.0 << std::optional<qreal>() << 300.0;
        QTest::newRow("no screen, in between") << 50.0 << 30.0 << 200.0 << std::optional<qreal>() << 369.0;
    }

    void shouldApplyTheHeightRule()
    {
        QFETCH(qreal, header);
        QFETCH(qreal, footer);
        QFETCH(qreal, list);
        QFETCH(std::optional<qreal>, screen);
        QFETCH(qreal, expected);
        QCOMPARE(PanelSizing::panelHeight(header, footer, list, screen), expected);
    }

    void shouldOpenUnderTheIconAndStayOnScreen()
    {
        const QRect available(0, 24, 1280, 776);
        const QSize panel(360, 500);
        // An icon at the top right: centred under it, then pushed left to stay inside the screen.
        const QPoint underRightIcon =
            PanelSizing::panelOrigin(panel, available, QRect(1250, 0, 24, 24), QPoint(10, 10));
        QCOMPARE(underRightIcon, QPoint(1280 - 360, 24 + PanelSizing::iconGap));

        // An icon in a bottom bar: the panel opens above it.
        const QPoint aboveBottomIcon =
            PanelSizing::panelOrigin(panel, QRect(0, 0, 1280, 776), QRect(600, 776, 24, 24), std::nullopt);
        QCOMPARE(aboveBottomIcon, QPoint(QRect(600, 776, 24, 24).center().x() - 180, 776 - PanelSizing::iconGap - 500));
    }

    void shouldFallBackToThePointerThenToTheTopRight()
    {
        const QRect available(0, 0, 1000, 800);
        const QSize panel(320, 300);
        QCOMPARE(PanelSizing::panelOrigin(panel, available, QRect(), QPoint(500, 10)),
                 QPoint(340, 10 + PanelSizing::iconGap));
        // A pointer outside every screen (what Wayland reports) counts as unknown.
        QCOMPARE(PanelSizing::panelOrigin(panel, available, std::nullopt, QPoint(-5000, -5000)), QPoint(680, 0));
        QCOMPARE(PanelSizing::panelOrigin(panel, available, std::nullopt, std::nullopt), QPoint(680, 0));
    }

    // A tray reports only the point it was clicked at, often inside its bar and so outside the available area.
    void shouldOpenBesideAPointAwayFromItsNearestEdge_data()
    {
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<QPoint>("expected");
        QTest::addColumn<bool>("upward");
        // Available: (0, 30) to (1279, 769), bars all round; the panel is 360 x 500 and never covers a bar.
        QTest::newRow("top bar") << QPoint(640, 12) << QPoint(460, 30) << false;
        QTest::newRow("top bar, right corner") << QPoint(1270, 12) << QPoint(920, 30) << false;
        QTest::newRow("bottom bar") << QPoint(300, 785) << QPoint(120, 270) << true;
        QTest::newRow("left bar") << QPoint(-20, 400) << QPoint(0, 150) << false;
        QTest::newRow("right bar") << QPoint(1300, 700) << QPoint(920, 270) << false;
        QTest::newRow("far away counts as unknown") << QPoint(-5000, 400) << QPoint(920, 30) << false;
    }

    void shouldOpenBesideAPointAwayFromItsNearestEdge()
    {
        QFETCH(QPoint, point);
        QFETCH(QPoint, expected);
        QFETCH(bool, upward);
        const QRect available(0, 30, 1280, 740);
        QCOMPARE(PanelSizing::panelOrigin(QSize(360, 500), available, std::nullopt, point), expected);
        QCOMPARE(PanelSizing::opensUpward(available, std::nullopt, point), upward);
    }

    void shouldKeepTheEdgeNextToItsAnchorWhenTheHeightChanges()
    {
        const QRect available(0, 0, 1000, 800);
        QVERIFY(PanelSizing::opensUpward(available, QRect(500, 780, 20, 20), QPoint(10, 10)));
        QVERIFY(!PanelSizing::opensUpward(available, QRect(500, 0, 20, 20), QPoint(10, 790)));
        QVERIFY(PanelSizing::opensUpward(available, std::nullopt, QPoint(500, 700)));
        QVERIFY(!PanelSizing::opensUpward(available, std::nullopt, QPoint(-5000, 700)));
        QVERIFY(!PanelSizing::opensUpward(available, std::nullopt, std::nullopt));

        // Above a bottom icon the bottom edge stays put, growing or shrinking; below a top icon the top edge does.
        const QSize before(360, 300);
        QCOMPARE(PanelSizing::resizedOrigin(QPoint(320, 476), before, QSize(360, 500), true, available),
                 QPoint(320, 276));
        QCOMPARE(PanelSizing::resizedOrigin(QPoint(320, 276), QSize(360, 500), before, true, available),
                 QPoint(320, 476));
        QCOMPARE(PanelSizing::resizedOrigin(QPoint(320, 24), before, QSize(360, 500), false, available),
                 QPoint(320, 24));
        // Either way it stays on screen: upward it stops at the top, downward it is pushed up from the bottom.
        QCOMPARE(PanelSizing::resizedOrigin(QPoint(320, 100), before, QSize(360, 600), true, available),
                 QPoint(320, 0));
        QCOMPARE(PanelSizing::resizedOrigin(QPoint(320, 400), before, QSize(360, 600), false, available),
                 QPoint(320, 200));
    }

    void shouldKeepAPanelTallerThanTheScreenAtItsTop()
    {
        QCOMPARE(PanelSizing::keptOnScreen(QPoint(50, 400), QSize(300, 900), QRect(0, 0, 800, 600)), QPoint(50, 0));
    }

    void shouldSettleTheSpringsAtTheirTarget()
    {
        for (const Spring spring : {appearSpring, heightSpring, Spring{0.3, 1.0}}) {
            QCOMPARE(spring.value(0), 0.0);
            QVERIFY(spring.settleMilliseconds() > 100);
            QVERIFY(std::abs(spring.value(spring.settleMilliseconds() / 1000.0) - 1.0) < 2e-3);
        }
        // The appear spring overshoots a little; a critically damped one never does.
        double peak = 0;
        double criticalPeak = 0;
        for (int ms = 0; ms < 1000; ms += 5) {
            peak = std::max(peak, appearSpring.value(ms / 1000.0));
            criticalPeak = std::max(criticalPeak, Spring{0.3, 1.0}.value(ms / 1000.0));
        }
        QVERIFY(peak > 1.01 && peak < 1.1);
        QVERIFY(criticalPeak <= 1.0);
    }
};

QTEST_GUILESS_MAIN(PanelSizingTest)
#include "PanelSizingTest.moc"
