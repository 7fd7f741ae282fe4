#include "settings/SettingsView.h"

#include "appearance/AppTheme.h"
#include "appearance/LocalizationManager.h"
#include "appearance/Preferences.h"
#include "settings/AboutSettingsTab.h"
#include "settings/AppearanceSettingsTab.h"
#include "settings/GeneralSettingsTab.h"
#include "settings/SegmentedPicker.h"
#include "settings/WindowAutoDismissOnResignKey.h"

#include <QStackedWidget>
#include <QVBoxLayout>

namespace tolvik {

SettingsView::SettingsView(RemindersViewModel& model, LaunchAtLoginManager& launchAtLogin, QWidget* parent)
    : QWidget(parent)
    , m_tabPicker(new SegmentedPicker(this))
    , m_stack(new QStackedWidget(this))
    , m_general(new GeneralSettingsTab(model, launchAtLogin, m_stack))
    , m_appearance(new AppearanceSettingsTab(m_stack))
    , m_about(new AboutSettingsTab(m_stack))
{
    setFixedSize(contentSize, contentSize);
    // Behind everything: closes the window this view lives in once it stops being the active window.
    new WindowAutoDismissOnResignKey(this);

    m_stack->addWidget(m_general);
    m_stack->addWidget(m_appearance);
    m_stack->addWidget(m_about);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(margin, margin, margin, margin);
    layout->setSpacing(20);
    layout->addWidget(m_tabPicker, 0, Qt::AlignHCenter);
    layout->addWidget(m_stack, 1);

    connect(m_tabPicker, &SegmentedPicker::activated, this, [this](int index) {
        const QList<SettingsTab> tabs = allSettingsTabs();
        if (index >= 0 && index < tabs.size()) {
            setActiveTab(tabs[index]);
        }
    });
    connect(&Preferences::shared(), &Preferences::changed, this, [this](const QString& key) {
        if (key == PreferenceKey::languagePreference) {
            retranslate();
        } else if (key == PreferenceKey::themePreference) {
            applyTheme();
        }
    });
    retranslate();
    setActiveTab(SettingsTab::general);
}

void SettingsView::setActiveTab(SettingsTab tab)
{
    m_activeTab = tab;
    const int index = int(allSettingsTabs().indexOf(tab));
    m_tabPicker->setCurrentIndex(index);
    m_stack->setCurrentIndex(index);
}

void SettingsView::showEvent(QShowEvent* event)
{
    // The window this view ends up in is only known once it is shown.
    applyTheme();
    QWidget::showEvent(event);
}

void SettingsView::retranslate()
{
    QStringList titles;
    for (SettingsTab tab : allSettingsTabs()) {
        titles.append(localizedString(titleKey(tab)));
    }
    m_tabPicker->setItemTexts(titles);
}

void SettingsView::applyTheme()
{
    const AppTheme theme =
        appThemeFromStored(Preferences::shared().string(PreferenceKey::themePreference, QStringLiteral("system")));
    ThemePalette::apply(window(), theme);
}

} // namespace tolvik
