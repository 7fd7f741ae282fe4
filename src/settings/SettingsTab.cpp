#include "settings/SettingsTab.h"

namespace tolvik {

QList<SettingsTab> allSettingsTabs()
{
    return {SettingsTab::general, SettingsTab::appearance, SettingsTab::about};
}

QString rawValue(SettingsTab tab)
{
    switch (tab) {
    case SettingsTab::general:
        return QStringLiteral("general");
    case SettingsTab::appearance:
        return QStringLiteral("appearance");
    case SettingsTab::about:
        return QStringLiteral("about");
    }
    return QStringLiteral("general");
}

QString titleKey(SettingsTab tab)
{
    return QStringLiteral("settings.tab.") + rawValue(tab);
}

} // namespace tolvik
