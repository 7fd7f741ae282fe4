#include "settings/AppearanceSettingsTab.h"
#include "SettingsFixture.h"
#include "appearance/AppTheme.h"
#include "settings/AboutSettingsTab.h"
#include "settings/SegmentedPicker.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QSlider>
#include <QTest>

using namespace tolvik;
using tolvik::test::SettingsFixture;

class AppearanceSettingsTabTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shouldMapTheSliderToTheStoredSize()
    {
        SettingsFixture fixture;
        AppearanceSettingsTab tab;
        tab.show();

        // Nothing stored: the middle step, the standard size, and nothing written.
        QCOMPARE(tab.sizeSlider()->value(), 1);
        QCOMPARE(tab.sizeSlider()->minimum(), 0);
        QCOMPARE(tab.sizeSlider()->maximum(), 2);
        QCOMPARE(tab.currentSizeLabel()->text(),
                 QStringLiteral("Current size: Standard (360 px wide, as tall as the reminders need)"));
        QVERIFY(!fixture.preferences().contains(PreferenceKey::menuSizePreference));

        tab.sizeSlider()->setValue(2);
        QCOMPARE(fixture.stored(PreferenceKey::menuSizePreference), QStringLiteral("roomy"));
        QCOMPARE(tab.currentSizeLabel()->text(),
                 QStringLiteral("Current size: Roomy (420 px wide, as tall as the reminders need)"));

        tab.sizeSlider()->triggerAction(QAbstractSlider::SliderToMinimum);
        QCOMPARE(fixture.stored(PreferenceKey::menuSizePreference), QStringLiteral("compact"));
        QCOMPARE(tab.currentSizeLabel()->text(),
                 QStringLiteral("Current size: Compact (320 px wide, as tall as the reminders need)"));

        // A string that names no size sits on the middle step and stays stored until the slider moves.
        fixture.preferences().setString(PreferenceKey::menuSizePreference, QStringLiteral("Roomy"));
        QCOMPARE(tab.sizeSlider()->value(), 1);
        QCOMPARE(fixture.stored(PreferenceKey::menuSizePreference), QStringLiteral("Roomy"));
        QVERIFY(tab.currentSizeLabel()->text().contains(QStringLiteral("Standard")));
    }

    void shouldStoreTransparencyAndFallBackToHigh()
    {
        SettingsFixture fixture;
        fixture.preferences().setString(PreferenceKey::menuTransparencyPreference, QStringLiteral("opaque"));
        AppearanceSettingsTab tab;
        QCOMPARE(tab.transparencyPicker()->currentText(), QStringLiteral("High (more see-through)"));
        QCOMPARE(tab.transparencyPicker()->itemText(0), QStringLiteral("Standard (less see-through)"));
        QCOMPARE(fixture.stored(PreferenceKey::menuTransparencyPreference), QStringLiteral("opaque"));

        tab.transparencyPicker()->setCurrentIndex(0);
        QCOMPARE(fixture.stored(PreferenceKey::menuTransparencyPreference), QStringLiteral("standard"));
        tab.transparencyPicker()->setCurrentIndex(1);
        QCOMPARE(fixture.stored(PreferenceKey::menuTransparencyPreference), QStringLiteral("high"));
    }

    void shouldStoreTheThemeFromItsSegments()
    {
        SettingsFixture fixture;
        AppearanceSettingsTab tab;
        SegmentedPicker* picker = tab.themePicker();
        QCOMPARE(picker->itemTexts(),
                 QStringList({QStringLiteral("System"), QStringLiteral("Light"), QStringLiteral("Dark")}));
        QCOMPARE(picker->currentIndex(), 0);

        QTest::mouseClick(picker->button(2), Qt::LeftButton);
        QCOMPARE(fixture.stored(PreferenceKey::themePreference), QStringLiteral("night"));
        picker->button(1)->click();
        QCOMPARE(fixture.stored(PreferenceKey::themePreference), QStringLiteral("day"));

        // Another writer's change shows, and an unknown string shows the system segment.
        fixture.preferences().setString(PreferenceKey::themePreference, QStringLiteral("dusk"));
        QCOMPARE(picker->currentIndex(), 0);
        QVERIFY(picker->button(0)->isChecked());
    }

    void shouldReTextEveryControlWhenTheLanguageChanges()
    {
        SettingsFixture fixture;
        AppearanceSettingsTab tab;
        fixture.preferences().setString(PreferenceKey::menuSizePreference, QStringLiteral("roomy"));

        fixture.preferences().setString(PreferenceKey::languagePreference, QStringLiteral("de"));
        QCOMPARE(tab.currentSizeLabel()->text(),
                 QStringLiteral("Aktuelle Größe: Geräumig (420 px breit, so hoch wie die Erinnerungen es brauchen)"));
        QCOMPARE(tab.themePicker()->itemTexts().at(2), QStringLiteral("Dunkel"));
        QCOMPARE(tab.transparencyPicker()->itemText(1), QStringLiteral("Hoch (stärker durchscheinend)"));
    }

    void shouldShowAnEmDashForAMissingVersion()
    {
        SettingsFixture fixture;
        QCOMPARE(AboutSettingsTab::versionText(QStringLiteral("1.2.0"), QStringLiteral("57")),
                 QStringLiteral("Version 1.2.0 (57)"));
        QCOMPARE(AboutSettingsTab::versionText(QString(), QString()), QStringLiteral("Version — (—)"));

        AboutSettingsTab tab;
        QVERIFY(!AboutSettingsTab::marketingVersion().isEmpty());
        QCOMPARE(tab.versionLabel()->text(),
                 AboutSettingsTab::versionText(AboutSettingsTab::marketingVersion(), AboutSettingsTab::buildNumber()));
        QVERIFY(tab.developerLink()->openExternalLinks());
        QVERIFY(
            tab.developerLink()->text().contains(QStringLiteral("href=\"%1\"").arg(AboutSettingsTab::developerUrl())));
        QVERIFY(tab.developerLink()->text().contains(QStringLiteral("The Tolvik Project")));
    }
};

QTEST_MAIN(AppearanceSettingsTabTest)
#include "AppearanceSettingsTabTest.moc"
