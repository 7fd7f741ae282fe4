#include "appearance/MenuSizeOption.h"

#include "appearance/LocalizationManager.h"

#include <algorithm>
#include <cmath>

namespace tolvik {

QList<MenuSizeOption> allMenuSizeOptions()
{
    return {MenuSizeOption::compact, MenuSizeOption::standard, MenuSizeOption::roomy};
}

QString rawValue(MenuSizeOption option)
{
    switch (option) {
    case MenuSizeOption::compact:
        return QStringLiteral("compact");
    case MenuSizeOption::standard:
        return QStringLiteral("standard");
    case MenuSizeOption::roomy:
        return QStringLiteral("roomy");
    }
    return QStringLiteral("standard");
}

std::optional<MenuSizeOption> menuSizeOptionFromRawValue(const QString& raw)
{
    for (MenuSizeOption option : allMenuSizeOptions()) {
        if (rawValue(option) == raw) {
            return option;
        }
    }
    return std::nullopt;
}

MenuSizeOption menuSizeOptionFromStored(const QString& stored)
{
    return menuSizeOptionFromRawValue(stored).value_or(MenuSizeOption::standard);
}

int optionIndex(MenuSizeOption option)
{
    return static_cast<int>(allMenuSizeOptions().indexOf(option));
}

QString labelKey(MenuSizeOption option)
{
    return QLatin1String("menuSize.") + rawValue(option);
}

int panelWidth(MenuSizeOption option)
{
    switch (option) {
    case MenuSizeOption::compact:
        return 320;
    case MenuSizeOption::standard:
        return 360;
    case MenuSizeOption::roomy:
        return 420;
    }
    return 360;
}

QString dimensionsLabel(MenuSizeOption option)
{
    return localizedString(QStringLiteral("menuSize.dimensions")).arg(panelWidth(option));
}

double sliderPosition(MenuSizeOption option)
{
    return optionIndex(option);
}

MenuSizeOption menuSizeOptionForSliderPosition(double position)
{
    if (std::isnan(position)) {
        return MenuSizeOption::standard;
    }
    // Clamp before converting: a huge or infinite value must not overflow the integer conversion.
    const double rounded = std::clamp(std::round(position), 0.0, 2.0);
    return allMenuSizeOptions().at(static_cast<int>(rounded));
}

} // namespace tolvik
