#include "appearance/MenuTransparencyOption.h"

namespace tolvik {

QList<MenuTransparencyOption> allMenuTransparencyOptions()
{
    return {MenuTransparencyOption::standard, MenuTransparencyOption::high};
}

QString rawValue(MenuTransparencyOption option)
{
    switch (option) {
    case MenuTransparencyOption::standard:
        return QStringLiteral("standard");
    case MenuTransparencyOption::high:
        return QStringLiteral("high");
    }
    return QStringLiteral("high");
}

std::optional<MenuTransparencyOption> menuTransparencyOptionFromRawValue(const QString& raw)
{
    for (MenuTransparencyOption option : allMenuTransparencyOptions()) {
        if (rawValue(option) == raw) {
            return option;
        }
    }
    return std::nullopt;
}

MenuTransparencyOption menuTransparencyOptionFromStored(const QString& stored)
{
    return menuTransparencyOptionFromRawValue(stored).value_or(MenuTransparencyOption::high);
}

int optionIndex(MenuTransparencyOption option)
{
    return static_cast<int>(allMenuTransparencyOptions().indexOf(option));
}

QString labelKey(MenuTransparencyOption option)
{
    return QLatin1String("settings.transparency.") + rawValue(option);
}

Material material(MenuTransparencyOption option)
{
    return option == MenuTransparencyOption::standard ? Material::thin : Material::ultraThin;
}

double materialOpacity(Material material)
{
    // Enough opacity on both that text stays readable over a busy desktop.
    return material == Material::thin ? 0.88 : 0.72;
}

QColor materialFill(Material material, const QPalette& palette)
{
    QColor fill = palette.color(QPalette::Active, QPalette::Window);
    fill.setAlphaF(static_cast<float>(materialOpacity(material)));
    return fill;
}

} // namespace tolvik
