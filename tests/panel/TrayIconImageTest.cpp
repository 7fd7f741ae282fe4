#include "panel/TrayIconImage.h"

#include <QGuiApplication>
#include <QPainter>
#include <QTest>

using namespace tolvik;

namespace {

// The largest difference in lightness between the icon laid on a bar of `bar` colour and the bare bar: how much of
// the icon a user can make out there.
int visibleContrast(const QImage& icon, const QColor& bar)
{
    QImage composed(icon.size(), QImage::Format_ARGB32);
    composed.fill(bar);
    QPainter painter(&composed);
    painter.drawImage(0, 0, icon);
    painter.end();
    int best = 0;
    for (int y = 0; y < composed.height(); ++y) {
        for (int x = 0; x < composed.width(); ++x) {
            best = std::max(best, std::abs(QColor(composed.pixel(x, y)).lightness() - bar.lightness()));
        }
    }
    return best;
}

} // namespace

class TrayIconImageTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The bar's colour is a guess: whichever variant is chosen must stand out on a black bar and a white one alike,
    // at every size a tray asks for, with and without the overdue dot.
    void shouldStayReadableOnLightAndDarkBars()
    {
        for (const bool darkVariant : {false, true}) {
            for (const int side : {16, 22, 32, 64}) {
                for (const bool overdue : {false, true}) {
                    const QImage icon = TrayIconImage::image(side, darkVariant, overdue);
                    QCOMPARE(icon.size(), QSize(side, side));
                    for (const QColor bar : {QColor(0x1e, 0x1e, 0x1e), QColor(0xf5, 0xf5, 0xf5)}) {
                        QVERIFY2(visibleContrast(icon, bar) > 90,
                                 qPrintable(QStringLiteral("%1 px, %2 variant, on %3")
                                                .arg(side)
                                                .arg(darkVariant ? QStringLiteral("dark") : QStringLiteral("light"))
                                                .arg(bar.name())));
                    }
                }
            }
        }
        // The dot is red where the plain icon has none.
        const QImage plain = TrayIconImage::image(32, true, false);
        const QImage dotted = TrayIconImage::image(32, true, true);
        const QColor corner = dotted.pixelColor(int(32 * 0.79), int(32 * 0.21));
        QVERIFY(corner.red() > 180 && corner.green() < 100);
        QVERIFY(plain.pixelColor(int(32 * 0.79), int(32 * 0.21)).red() < 180 ||
                plain.pixelColor(int(32 * 0.79), int(32 * 0.21)).green() > 100);
    }
};

QTEST_MAIN(TrayIconImageTest)
#include "TrayIconImageTest.moc"
