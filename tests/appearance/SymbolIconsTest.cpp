#include "appearance/SymbolIcons.h"

#include <QtTest>

using namespace tolvik;

namespace {

/// The symbol names the views show.
const QStringList usedSymbols = {
    u"checklist"_qs,
    u"plus.circle.fill"_qs,
    u"gearshape"_qs,
    u"power"_qs,
    u"calendar"_qs,
    u"repeat"_qs,
    u"lock.open"_qs,
    u"square.and.pencil"_qs,
    u"exclamationmark.shield"_qs,
    u"tray"_qs,
    u"checkmark.circle"_qs,
    u"slider.horizontal.3"_qs,
    u"globe"_qs,
    u"person.2"_qs,
    u"text.badge.plus"_qs,
    u"rectangle.topthird.inset.filled"_qs,
    u"square.on.square"_qs,
    u"moon.circle"_qs,
    u"magnifyingglass"_qs,
    u"bell"_qs,
    u"bell.slash"_qs,
    u"tag"_qs,
};

} // namespace

class SymbolIconsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shouldHaveAnImageForEverySymbolTheViewsUse()
    {
        const QStringList names = SymbolIcons::symbolNames();
        for (const QString& symbol : usedSymbols) {
            QVERIFY2(names.contains(symbol), qPrintable(symbol));
            QVERIFY2(!SymbolIcons::image(symbol, Qt::black, QSize(16, 16)).isNull(), qPrintable(symbol));
        }
        QVERIFY(!names.contains(u"tolvikMenuIcon"_qs));
        QVERIFY(QFile::exists(QString::fromLocal8Bit(qgetenv("TOLVIK_SOURCE_DIR")) + u"/resources/icons/LICENSE"_qs));
    }

    void shouldTintTheWholeShapeToTheGivenColour()
    {
        const QColor tint(0xE0, 0x30, 0x20);
        const QImage image =
            SymbolIcons::image(u"gearshape"_qs, tint, QSize(32, 32)).convertToFormat(QImage::Format_ARGB32);
        int covered = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QColor pixel = image.pixelColor(x, y);
                if (pixel.alpha() == 255) {
                    QCOMPARE(pixel.rgb(), tint.rgb());
                    ++covered;
                }
            }
        }
        // A real shape, not an empty or filled square.
        QVERIFY(covered > 32 && covered < 32 * 32 * 3 / 4);
    }

    void shouldRenderAtTheDevicePixelRatio()
    {
        const QImage image = SymbolIcons::image(u"power"_qs, Qt::white, QSize(20, 20), 2.0);
        QCOMPARE(image.size(), QSize(40, 40));
        QCOMPARE(image.deviceIndependentSize(), QSizeF(20, 20));
        QVERIFY(!SymbolIcons::pixmap(u"power"_qs, Qt::white, QSize(20, 20)).isNull());
        QVERIFY(!SymbolIcons::icon(u"power"_qs, Qt::white).availableSizes().isEmpty());
    }

    void shouldGiveNothingForAnUnknownSymbolOrEmptySize()
    {
        QVERIFY(SymbolIcons::image(u"no.such.symbol"_qs, Qt::black, QSize(16, 16)).isNull());
        QVERIFY(SymbolIcons::image(u"../icons/power"_qs, Qt::black, QSize(16, 16)).isNull());
        QVERIFY(SymbolIcons::image(u"power"_qs, Qt::black, QSize(0, 16)).isNull());
        QVERIFY(SymbolIcons::icon(u"no.such.symbol"_qs, Qt::black).isNull());
    }

    void shouldDrawTheAppIconInItsOwnColours()
    {
        const QImage image = SymbolIcons::appIconImage(QSize(34, 34)).convertToFormat(QImage::Format_ARGB32);
        QVERIFY(!image.isNull());
        const QColor centre = image.pixelColor(4, 17);
        QCOMPARE(centre.alpha(), 255);
        QVERIFY(centre.blue() > centre.red());
        QVERIFY(!SymbolIcons::appIcon().availableSizes().isEmpty());
    }
};

QTEST_MAIN(SymbolIconsTest)
#include "SymbolIconsTest.moc"
