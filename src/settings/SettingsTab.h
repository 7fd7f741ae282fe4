#pragma once

#include <QList>
#include <QString>

namespace tolvik {

/// The tabs of the settings window, in picker order. Never stored: every new window starts on `general`.
enum class SettingsTab
{
    general,
    appearance,
    about,
};

QList<SettingsTab> allSettingsTabs();
/// "general", "appearance" or "about".
QString rawValue(SettingsTab tab);
/// "settings.tab.general", "settings.tab.appearance" or "settings.tab.about".
QString titleKey(SettingsTab tab);

} // namespace tolvik
