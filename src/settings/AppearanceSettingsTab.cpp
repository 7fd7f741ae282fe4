#include "settings/AppearanceSettingsTab.h"

#include "appearance/AppTheme.h"
#include "appearance/LocalizationManager.h"
#include "appearance/MenuSizeOption.h"
#include "appearance/MenuTransparencyOption.h"
#include "appearance/Preferences.h"
#include "settings/SegmentedPicker.h"
#include "settings/SettingsSection.h"
#include "settings/SettingsStyle.h"
#include "settings/ThemedComboBox.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QSlider>
#include <QVBoxLayout>

#include <cmath>

namespace tolvik {

namespace {

// The defaults the panel uses for the same keys when nothing is stored.
const QString defaultMenuSize = QStringLiteral("standard");
const QString defaultTransparency = QStringLiteral("high");
const QString defaultTheme = QStringLiteral("system");

} // namespace

AppearanceSettingsTab::AppearanceSettingsTab(QWidget* parent)
    : QWidget(parent)
    , m_preferences(Preferences::shared())
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 4, 0);
    layout->setSpacing(16);
    layout->addWidget(buildSizeSection());
    layout->addWidget(buildTransparencySection());
    layout->addWidget(buildThemeSection());
    layout->addStretch(1);

    connect(&m_preferences, &Preferences::changed, this, &AppearanceSettingsTab::onPreferenceChanged);
    retranslate();
    updateTransparency();
    updateTheme();
}

QWidget* AppearanceSettingsTab::buildSizeSection()
{
    auto* section = new SettingsSection(QStringLiteral("rectangle.topthird.inset.filled"), this);
    m_sections.append(section);

    m_sizeLabel = makeStyledLabel(TextStyle::body, false, section);
    m_sizeLabel->setWordWrap(false);
    m_smallLabel = makeStyledLabel(TextStyle::caption, true, section);
    m_smallLabel->setWordWrap(false);
    m_largeLabel = makeStyledLabel(TextStyle::caption, true, section);
    m_largeLabel->setWordWrap(false);
    m_sizeSlider = new QSlider(Qt::Horizontal, section);
    m_sizeSlider->setRange(0, 2);
    m_sizeSlider->setSingleStep(1);
    m_sizeSlider->setPageStep(1);
    m_sizeSlider->setTickInterval(1);
    m_sizeSlider->setTickPosition(QSlider::TicksBelow);
    m_sizeLabel->setBuddy(m_sizeSlider);

    auto* row = new QHBoxLayout;
    row->setSpacing(10);
    row->addWidget(m_sizeLabel);
    row->addWidget(m_smallLabel);
    row->addWidget(m_sizeSlider, 1);
    row->addWidget(m_largeLabel);
    section->contentLayout()->addLayout(row);

    m_currentSize = makeStyledLabel(TextStyle::caption, true, section);
    section->contentLayout()->addWidget(m_currentSize);

    connect(m_sizeSlider, &QSlider::valueChanged, this, [this](int value) {
        m_preferences.setString(PreferenceKey::menuSizePreference, rawValue(menuSizeOptionForSliderPosition(value)));
    });
    return section;
}

QWidget* AppearanceSettingsTab::buildTransparencySection()
{
    auto* section = new SettingsSection(QStringLiteral("square.on.square"), this);
    m_sections.append(section);
    m_transparencyLabel = makeStyledLabel(TextStyle::body, false, section);
    m_transparencyPicker = new ThemedComboBox(section);
    for (MenuTransparencyOption option : allMenuTransparencyOptions()) {
        m_transparencyPicker->addItem(QString(), rawValue(option));
    }
    m_transparencyLabel->setBuddy(m_transparencyPicker);
    auto* row = new QHBoxLayout;
    row->addWidget(m_transparencyLabel, 1);
    row->addWidget(m_transparencyPicker);
    section->contentLayout()->addLayout(row);

    connect(m_transparencyPicker, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0) {
            m_preferences.setString(PreferenceKey::menuTransparencyPreference,
                                    m_transparencyPicker->itemData(index).toString());
        }
    });
    return section;
}

QWidget* AppearanceSettingsTab::buildThemeSection()
{
    auto* section = new SettingsSection(QStringLiteral("moon.circle"), this);
    m_sections.append(section);
    m_themeLabel = makeStyledLabel(TextStyle::body, false, section);
    m_themeLabel->setWordWrap(false);
    m_themePicker = new SegmentedPicker(section);
    auto* row = new QHBoxLayout;
    row->setSpacing(12);
    row->addWidget(m_themeLabel);
    row->addWidget(m_themePicker, 1);
    section->contentLayout()->addLayout(row);
    m_themeNote = makeStyledLabel(TextStyle::caption, true, section);
    section->contentLayout()->addWidget(m_themeNote);

    connect(m_themePicker, &SegmentedPicker::activated, this, [this](int index) {
        const QList<AppTheme> themes = allAppThemes();
        if (index >= 0 && index < themes.size()) {
            m_preferences.setString(PreferenceKey::themePreference, rawValue(themes[index]));
        }
    });
    return section;
}

void AppearanceSettingsTab::onPreferenceChanged(const QString& key)
{
    if (key == PreferenceKey::languagePreference) {
        retranslate();
    } else if (key == PreferenceKey::menuSizePreference) {
        updateSize();
    } else if (key == PreferenceKey::menuTransparencyPreference) {
        updateTransparency();
    } else if (key == PreferenceKey::themePreference) {
        updateTheme();
    }
}

void AppearanceSettingsTab::retranslate()
{
    const QStringList sectionKeys = {QStringLiteral("settings.menuSize.section"),
                                     QStringLiteral("settings.transparency.section"),
                                     QStringLiteral("settings.theme.section")};
    for (qsizetype i = 0; i < m_sections.size(); ++i) {
        m_sections[i]->setTitle(localizedString(sectionKeys[i]));
    }
    m_sizeLabel->setText(localizedString(QStringLiteral("settings.menuSize.sliderLabel")));
    m_smallLabel->setText(localizedString(QStringLiteral("settings.menuSize.small")));
    m_largeLabel->setText(localizedString(QStringLiteral("settings.menuSize.large")));
    m_transparencyLabel->setText(localizedString(QStringLiteral("settings.transparency.label")));
    {
        const QSignalBlocker blocker(m_transparencyPicker);
        const QList<MenuTransparencyOption> options = allMenuTransparencyOptions();
        for (qsizetype i = 0; i < options.size(); ++i) {
            m_transparencyPicker->setItemText(int(i), localizedString(labelKey(options[i])));
        }
    }
    m_themeLabel->setText(localizedString(QStringLiteral("settings.theme.picker")));
    QStringList themeNames;
    for (AppTheme theme : allAppThemes()) {
        themeNames.append(localizedString(labelKey(theme)));
    }
    m_themePicker->setItemTexts(themeNames);
    m_themeNote->setText(localizedString(QStringLiteral("settings.theme.note")));
    // The current-size line names the size in the current language too.
    updateSize();
}

void AppearanceSettingsTab::updateSize()
{
    const MenuSizeOption option =
        menuSizeOptionFromStored(m_preferences.string(PreferenceKey::menuSizePreference, defaultMenuSize));
    {
        const QSignalBlocker blocker(m_sizeSlider);
        m_sizeSlider->setValue(int(std::lround(sliderPosition(option))));
    }
    m_currentSize->setText(localizedString(QStringLiteral("settings.menuSize.current"))
                               .arg(localizedString(labelKey(option)), dimensionsLabel(option)));
}

void AppearanceSettingsTab::updateTransparency()
{
    const MenuTransparencyOption option = menuTransparencyOptionFromStored(
        m_preferences.string(PreferenceKey::menuTransparencyPreference, defaultTransparency));
    const QSignalBlocker blocker(m_transparencyPicker);
    m_transparencyPicker->setCurrentIndex(optionIndex(option));
}

void AppearanceSettingsTab::updateTheme()
{
    const AppTheme theme = appThemeFromStored(m_preferences.string(PreferenceKey::themePreference, defaultTheme));
    m_themePicker->setCurrentIndex(int(allAppThemes().indexOf(theme)));
}

} // namespace tolvik
