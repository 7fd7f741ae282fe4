#pragma once

#include <QList>
#include <QPalette>
#include <QString>

#include <optional>

namespace tolvik {

/// The colour theme of the panel and the settings window; stored under "themePreference".
enum class AppTheme
{
    system,
    day,
    night,
};

/// A forced colour scheme; no scheme means the desktop's own palette applies.
enum class ColorScheme
{
    light,
    dark,
};

/// Every case, in picker order.
QList<AppTheme> allAppThemes();
/// "system", "day" or "night".
QString rawValue(AppTheme theme);
/// "appTheme.system", "appTheme.day" or "appTheme.night".
QString labelKey(AppTheme theme);
/// The case whose raw value is exactly `raw` (case-sensitive), or nothing.
std::optional<AppTheme> appThemeFromRawValue(const QString& raw);
/// The case a stored string means: an unknown string means `system`.
AppTheme appThemeFromStored(const QString& stored);

/// "day" forces light, "night" dark, `system` forces nothing.
std::optional<ColorScheme> colorScheme(AppTheme theme);

/// The palettes behind the themes.
class ThemePalette
{
public:
    static QPalette light();
    static QPalette dark();
    /// The desktop's own palette, as the platform theme reports it now.
    static QPalette desktop();

    /// The palette a theme shows: light, dark, or the desktop's.
    static QPalette effective(AppTheme theme);
    /// The palette to set on a top-level widget. For `system` it is an empty palette (no roles set), which makes the
    /// widget inherit the application's palette again, so switching back follows the desktop without a restart.
    static QPalette toApply(AppTheme theme);
    /// Whether a palette draws light text on a dark window.
    static bool isDark(const QPalette& palette);

    /// Applies a theme to a top-level widget and the windows it already owns (popups and popovers, which do not
    /// inherit a parent's palette by themselves). Header-only so that this library stays free of widgets.
    template <typename TopLevel> static void apply(TopLevel* window, AppTheme theme)
    {
        const QPalette palette = toApply(theme);
        window->setPalette(palette);
        const auto children = window->template findChildren<TopLevel*>();
        for (TopLevel* child : children) {
            if (child->isWindow()) {
                child->setPalette(palette);
            }
        }
    }
};

} // namespace tolvik
