#include "appearance/AppTheme.h"
#include "appearance/MenuSizeOption.h"
#include "appearance/MenuTransparencyOption.h"
#include "appearance/SupportedLanguage.h"

#include <QtTest>

#include <limits>

using namespace tolvik;

Q_DECLARE_METATYPE(tolvik::MenuSizeOption)

class AppearanceOptionsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shouldRoundTripEveryRawValue()
    {
        for (MenuSizeOption option : allMenuSizeOptions()) {
            QCOMPARE(menuSizeOptionFromRawValue(rawValue(option)), option);
        }
        for (MenuTransparencyOption option : allMenuTransparencyOptions()) {
            QCOMPARE(menuTransparencyOptionFromRawValue(rawValue(option)), option);
        }
        for (AppTheme theme : allAppThemes()) {
            QCOMPARE(appThemeFromRawValue(rawValue(theme)), theme);
        }
        for (SupportedLanguage language : allSupportedLanguages()) {
            QCOMPARE(supportedLanguageFromRawValue(rawValue(language)), language);
        }
        QCOMPARE(allSupportedLanguages().size(), 6);
    }

    void shouldMatchRawValuesExactly()
    {
        for (const QString& raw : {u"Roomy"_qs, u" roomy"_qs, u""_qs, u"huge"_qs}) {
            QVERIFY(!menuSizeOptionFromRawValue(raw));
        }
        QVERIFY(!menuTransparencyOptionFromRawValue(u"High"_qs));
        QVERIFY(!appThemeFromRawValue(u"Night"_qs));
        QVERIFY(!supportedLanguageFromRawValue(u"zh-hant"_qs));
        QVERIFY(!supportedLanguageFromRawValue(u"zh_Hant"_qs));
    }

    void shouldReadAnUnknownSizeAsStandard()
    {
        for (const QString& stored : {u"Roomy"_qs, u"huge"_qs, u""_qs, u"standard"_qs}) {
            const MenuSizeOption option = menuSizeOptionFromStored(stored);
            QCOMPARE(panelWidth(option), 360);
            QCOMPARE(labelKey(option), u"menuSize.standard"_qs);
            QCOMPARE(sliderPosition(option), 1.0);
        }
        QCOMPARE(panelWidth(menuSizeOptionFromStored(u"compact"_qs)), 320);
        QCOMPARE(panelWidth(menuSizeOptionFromStored(u"roomy"_qs)), 420);
        QCOMPARE(labelKey(menuSizeOptionFromStored(u"roomy"_qs)), u"menuSize.roomy"_qs);
        QCOMPARE(sliderPosition(MenuSizeOption::compact), 0.0);
        QCOMPARE(sliderPosition(MenuSizeOption::roomy), 2.0);
    }

    void shouldPickTheOptionForASliderPosition_data()
    {
        QTest::addColumn<double>("position");
        QTest::addColumn<MenuSizeOption>("expected");
        const double infinity = std::numeric_limits<double>::infinity();
        QTest::newRow("0.49") << 0.49 << MenuSizeOption::compact;
        QTest::newRow("0.5 rounds away from zero") << 0.5 << MenuSizeOption::standard;
        QTest::newRow("1.49") << 1.49 << MenuSizeOption::standard;
        QTest::newRow("1.5") << 1.5 << MenuSizeOption::roomy;
        QTest::newRow("-0.5 clamps") << -0.5 << MenuSizeOption::compact;
        QTest::newRow("-3") << -3.0 << MenuSizeOption::compact;
        QTest::newRow("7") << 7.0 << MenuSizeOption::roomy;
        QTest::newRow("huge") << 1e300 << MenuSizeOption::roomy;
        QTest::newRow("+inf") << infinity << MenuSizeOption::roomy;
        QTest::newRow("-inf") << -infinity << MenuSizeOption::compact;
        QTest::newRow("nan") << std::numeric_limits<double>::quiet_NaN() << MenuSizeOption::standard;
    }

    void shouldPickTheOptionForASliderPosition()
    {
        QFETCH(double, position);
        QFETCH(MenuSizeOption, expected);
        QCOMPARE(menuSizeOptionForSliderPosition(position), expected);
    }

    void shouldPaintHighTransparencyMoreSeeThrough()
    {
        QCOMPARE(material(menuTransparencyOptionFromStored(u"standard"_qs)), Material::thin);
        for (const QString& stored : {u"high"_qs, u"Standard"_qs, u""_qs, u"opaque"_qs}) {
            QCOMPARE(material(menuTransparencyOptionFromStored(stored)), Material::ultraThin);
        }
        for (const QPalette& palette : {ThemePalette::light(), ThemePalette::dark()}) {
            const QColor thin = materialFill(Material::thin, palette);
            const QColor ultraThin = materialFill(Material::ultraThin, palette);
            QVERIFY(ultraThin.alpha() < thin.alpha());
            QVERIFY(thin.alpha() < 255 && ultraThin.alpha() > 0);
            QCOMPARE(thin.rgb(), palette.color(QPalette::Window).rgb());
        }
    }

    void shouldForceASchemeOnlyForDayAndNight()
    {
        QCOMPARE(colorScheme(appThemeFromStored(u"day"_qs)), std::optional(ColorScheme::light));
        QCOMPARE(colorScheme(appThemeFromStored(u"night"_qs)), std::optional(ColorScheme::dark));
        for (const QString& stored : {u"system"_qs, u"Night"_qs, u"dark"_qs, u""_qs}) {
            QCOMPARE(appThemeFromStored(stored), AppTheme::system);
            QCOMPARE(colorScheme(appThemeFromStored(stored)), std::optional<ColorScheme>());
        }
        QVERIFY(ThemePalette::isDark(ThemePalette::dark()));
        QVERIFY(!ThemePalette::isDark(ThemePalette::light()));
    }

    void shouldReadAnAbsentOrUnknownLanguageAsSystem()
    {
        QCOMPARE(supportedLanguageFromStored(std::nullopt), SupportedLanguage::system);
        QCOMPARE(supportedLanguageFromStored(u"fr"_qs), SupportedLanguage::system);
        QCOMPARE(supportedLanguageFromStored(u"zh-Hant"_qs), SupportedLanguage::chineseTraditional);
    }
};

QTEST_GUILESS_MAIN(AppearanceOptionsTest)
#include "AppearanceOptionsTest.moc"
