#pragma once

#include <QList>
#include <QString>

#include <optional>

namespace tolvik {

/// How wide the tray panel is; stored under "menuSizePreference".
enum class MenuSizeOption
{
    compact,
    standard,
    roomy,
};

/// Every case, in slider order.
QList<MenuSizeOption> allMenuSizeOptions();
/// "compact", "standard" or "roomy".
QString rawValue(MenuSizeOption option);
/// The case whose raw value is exactly `raw` (case-sensitive), or nothing.
std::optional<MenuSizeOption> menuSizeOptionFromRawValue(const QString& raw);
/// The case a stored string means: an unknown string means `standard`.
MenuSizeOption menuSizeOptionFromStored(const QString& stored);

/// 0, 1 or 2: the position in declaration order.
int optionIndex(MenuSizeOption option);
/// "menuSize.compact", "menuSize.standard" or "menuSize.roomy".
QString labelKey(MenuSizeOption option);
/// The panel width in logical pixels: 320, 360 or 420.
int panelWidth(MenuSizeOption option);
/// "menuSize.dimensions" looked up in the current language and filled with the width; it says that the height
/// follows the content, as the panel's does.
QString dimensionsLabel(MenuSizeOption option);

/// The settings slider's value for an option (its index).
double sliderPosition(MenuSizeOption option);
/// The option for a slider value: nearest whole number, halves away from zero, clamped to 0...2. A value that is not
/// a number gives `standard`.
MenuSizeOption menuSizeOptionForSliderPosition(double position);

} // namespace tolvik
