#include "panel/TrayIconImage.h"

#include <QGuiApplication>
#include <QPainter>
#include <QTest>

using namespace tolvik;

namespace {

// The share of the icon's footprint (its pixels at least half opaque) that a user can make out on a bar of `bar`
// colour: laid on the bar, such a pixel differs from it in lightness by more than 60.
qreal legibleShare(const QImage& icon, const QColor& bar)
{
    QImage composed(icon.size(), QImage::Format_ARGB32);
    composed.fill(bar);
    QPainter painter(&composed);
    painter.drawImage(0, 0, icon);
    painter.end();
    int footprint = 0;
    int legible = 0;
    for (int y = 0; y < icon.height(); ++y) {
        for (int x = 0; x < icon.width(); ++x) {
            if (icon.pixelColor(x, y).alpha() < 128) {
                continue;
            }
            ++footprint;
            legible += std::abs(QColor(composed.pixel(x, y)).lightness() - bar.lightness()) > 60 ? 1 : 0;
        }
    }
    return footprint == 0 ? 0 : qreal(legible) / footprint;
}

} // namespace

class TrayIconImageTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // No tray tells a program its bar's colour: the icon must stand out, most of it, on a black bar and a white one
    // alike, at every size a tray asks for, with and without the overdue dot.
    void shouldStayReadableOnLightAndDarkBars()
    {
        for (const int side : {16, 22, 32, 64}) {
            for (const bool overdue : {false, true}) {
                const QImage icon = TrayIconImage::image(side, overdue);
                QCOMPARE(icon.size(), QSize(side, side));
                for (const QColor bar : {QColor(0x1e, 0x1e, 0x1e), QColor(0xf5, 0xf5, 0xf5)}) {
                    const qreal share = legibleShare(icon, bar);
                    QVERIFY2(share > 0.6, qPrintable(QStringLiteral("%1 px on %2: %3 of the icon stands out")
                                                         .arg(side)
                                                         .arg(bar.name())
                                                         .arg(share)));
                }
            }
        }
        // The dot is red where the plain icon has none.
        const QImage plain = TrayIconImage::image(32, false);
        const QImage dotted = TrayIconImage::image(32, true);
        const QColor corner = dotted.pixelColor(int(32 * 0.79), int(32 * 0.21));
        QVERIFY(corner.red() > 180 && corner.green() < 100);
        QVERIFY(plain.pixelColor(int(32 * 0.79), int(32 * 0.21)).red() < 180 ||
                plain.pixelColor(int(32 * 0.79), int(32 * 0.21)).green() > 100);
    }
};

QTEST_MAIN(TrayIconImageTest)
#include "TrayIconImageTest.moc"
