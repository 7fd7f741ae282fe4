#include "appearance/AppTheme.h"

#include <QGuiApplication>

namespace tolvik {

namespace {

struct Colors
{
    QColor window, windowText, base, alternateBase, text, button, buttonText, highlight, highlightedText, link,
        placeholder, disabledText, tooltipBase, tooltipText, light, midlight, mid, dark, shadow;
};

QPalette makePalette(const Colors& c)
{
    QPalette palette;
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        const bool disabled = group == QPalette::Disabled;
        palette.setColor(group, QPalette::Window, c.window);
        palette.setColor(group, QPalette::WindowText, disabled ? c.disabledText : c.windowText);
        palette.setColor(group, QPalette::Base, c.base);
        palette.setColor(group, QPalette::AlternateBase, c.alternateBase);
        palette.setColor(group, QPalette::Text, disabled ? c.disabledText : c.text);
        palette.setColor(group, QPalette::Button, c.button);
        palette.setColor(group, QPalette::ButtonText, disabled ? c.disabledText : c.buttonText);
        palette.setColor(group, QPalette::BrightText, Qt::white);
        palette.setColor(group, QPalette::Highlight, disabled ? c.mid : c.highlight);
        palette.setColor(group, QPalette::HighlightedText, c.highlightedText);
        palette.setColor(group, QPalette::Link, c.link);
        palette.setColor(group, QPalette::LinkVisited, c.link);
        palette.setColor(group, QPalette::PlaceholderText, c.placeholder);
        palette.setColor(group, QPalette::ToolTipBase, c.tooltipBase);
        palette.setColor(group, QPalette::ToolTipText, c.tooltipText);
        palette.setColor(group, QPalette::Light, c.light);
        palette.setColor(group, QPalette::Midlight, c.midlight);
        palette.setColor(group, QPalette::Mid, c.mid);
        palette.setColor(group, QPalette::Dark, c.dark);
        palette.setColor(group, QPalette::Shadow, c.shadow);
    }
    return palette;
}

} // namespace

QList<AppTheme> allAppThemes()
{
    return {AppTheme::system, AppTheme::day, AppTheme::night};
}

QString rawValue(AppTheme theme)
{
    switch (theme) {
    case AppTheme::system:
        return QStringLiteral("system");
    case AppTheme::day:
        return QStringLiteral("day");
    case AppTheme::night:
        return QStringLiteral("night");
    }
    return QStringLiteral("system");
}

QString labelKey(AppTheme theme)
{
    return QLatin1String("appTheme.") + rawValue(theme);
}

std::optional<AppTheme> appThemeFromRawValue(const QString& raw)
{
    for (AppTheme theme : allAppThemes()) {
        if (rawValue(theme) == raw) {
            return theme;
        }
    }
    return std::nullopt;
}

AppTheme appThemeFromStored(const QString& stored)
{
    return appThemeFromRawValue(stored).value_or(AppTheme::system);
}

std::optional<ColorScheme> colorScheme(AppTheme theme)
{
    switch (theme) {
    case AppTheme::day:
        return ColorScheme::light;
    case AppTheme::night:
        return ColorScheme::dark;
    case AppTheme::system:
        break;
    }
    return std::nullopt;
}

QPalette ThemePalette::light()
{
    static const QPalette palette = makePalette({
        .window = QColor(0xF3, 0xF3, 0xF6),
        .windowText = QColor(0x1C, 0x1C, 0x1E),
        .base = QColor(0xFF, 0xFF, 0xFF),
        .alternateBase = QColor(0xF6, 0xF6, 0xF8),
        .text = QColor(0x1C, 0x1C, 0x1E),
        .button = QColor(0xE8, 0xE8, 0xED),
        .buttonText = QColor(0x1C, 0x1C, 0x1E),
        .highlight = QColor(0x25, 0x63, 0xEB),
        .highlightedText = QColor(0xFF, 0xFF, 0xFF),
        .link = QColor(0x1D, 0x4E, 0xD8),
        .placeholder = QColor(0x8E, 0x8E, 0x93),
        .disabledText = QColor(0xA1, 0xA1, 0xA6),
        .tooltipBase = QColor(0xFF, 0xFF, 0xFF),
        .tooltipText = QColor(0x1C, 0x1C, 0x1E),
        .light = QColor(0xFF, 0xFF, 0xFF),
        .midlight = QColor(0xEE, 0xEE, 0xF2),
        .mid = QColor(0xC7, 0xC7, 0xCC),
        .dark = QColor(0xA0, 0xA0, 0xA6),
        .shadow = QColor(0x60, 0x60, 0x66),
    });
    return palette;
}

QPalette ThemePalette::dark()
{
    static const QPalette palette = makePalette({
        .window = QColor(0x1F, 0x1F, 0x23),
        .windowText = QColor(0xEC, 0xEC, 0xF0),
        .base = QColor(0x2A, 0x2A, 0x2F),
        .alternateBase = QColor(0x31, 0x31, 0x37),
        .text = QColor(0xEC, 0xEC, 0xF0),
        .button = QColor(0x38, 0x38, 0x3F),
        .buttonText = QColor(0xEC, 0xEC, 0xF0),
        .highlight = QColor(0x3B, 0x82, 0xF6),
        .highlightedText = QColor(0xFF, 0xFF, 0xFF),
        .link = QColor(0x60, 0xA5, 0xFA),
        .placeholder = QColor(0x8E, 0x8E, 0x93),
        .disabledText = QColor(0x6C, 0x6C, 0x72),
        .tooltipBase = QColor(0x2A, 0x2A, 0x2F),
        .tooltipText = QColor(0xEC, 0xEC, 0xF0),
        .light = QColor(0x4A, 0x4A, 0x52),
        .midlight = QColor(0x40, 0x40, 0x47),
        .mid = QColor(0x2C, 0x2C, 0x31),
        .dark = QColor(0x16, 0x16, 0x19),
        .shadow = QColor(0x00, 0x00, 0x00),
    });
    return palette;
}

QPalette ThemePalette::desktop()
{
    return QGuiApplication::palette();
}

QPalette ThemePalette::effective(AppTheme theme)
{
    switch (theme) {
    case AppTheme::day:
        return light();
    case AppTheme::night:
        return dark();
    case AppTheme::system:
        break;
    }
    return desktop();
}

QPalette ThemePalette::toApply(AppTheme theme)
{
    if (theme == AppTheme::system) {
        return QPalette();
    }
    return effective(theme);
}

bool ThemePalette::isDark(const QPalette& palette)
{
    return palette.color(QPalette::Window).lightness() < palette.color(QPalette::WindowText).lightness();
}

} // namespace tolvik
