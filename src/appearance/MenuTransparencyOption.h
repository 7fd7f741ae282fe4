#pragma once

#include <QColor>
#include <QList>
#include <QPalette>
#include <QString>

#include <optional>

namespace tolvik {

/// How see-through the tray panel's background is; stored under "menuTransparencyPreference".
enum class MenuTransparencyOption
{
    standard,
    high,
};

/// The two translucent background treatments. `ultraThin` lets more of what lies behind show through.
enum class Material
{
    thin,
    ultraThin,
};

/// Every case, in picker order.
QList<MenuTransparencyOption> allMenuTransparencyOptions();
/// "standard" or "high".
QString rawValue(MenuTransparencyOption option);
/// The case whose raw value is exactly `raw` (case-sensitive), or nothing.
std::optional<MenuTransparencyOption> menuTransparencyOptionFromRawValue(const QString& raw);
/// The case a stored string means: anything but "standard" means `high`.
MenuTransparencyOption menuTransparencyOptionFromStored(const QString& stored);

/// 0 or 1: the position in declaration order.
int optionIndex(MenuTransparencyOption option);
/// "settings.transparency.standard" or "settings.transparency.high".
QString labelKey(MenuTransparencyOption option);
/// `standard` paints the thin material, `high` the ultra-thin one.
Material material(MenuTransparencyOption option);

/// How opaque a material's fill is, between 0 and 1.
double materialOpacity(Material material);
/// The translucent fill a view paints behind its content: the palette's window colour at the material's opacity.
QColor materialFill(Material material, const QPalette& palette);

} // namespace tolvik
