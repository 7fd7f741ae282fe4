#pragma once

#include <QColor>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QString>
#include <QStringList>

namespace tolvik {

/// The symbol images the views show, by the symbol names the design uses ("plus.circle.fill", "gearshape", ...),
/// drawn from SVG files in the resources and tinted to one colour, so that they suit light and dark palettes.
class SymbolIcons
{
public:
    /// Every symbol name that has an image.
    static QStringList symbolNames();
    /// Whether a symbol has an image.
    static bool contains(const QString& symbolName);
    /// The resource path of a symbol's SVG.
    static QString resourcePath(const QString& symbolName);

    /// The symbol drawn in `color`, fitted into `size` logical pixels at `devicePixelRatio`. A null image for an
    /// unknown symbol or an empty size.
    static QImage image(const QString& symbolName, const QColor& color, const QSize& size,
                        qreal devicePixelRatio = 1.0);
    /// The same as a pixmap. Needs a QGuiApplication.
    static QPixmap pixmap(const QString& symbolName, const QColor& color, const QSize& size,
                          qreal devicePixelRatio = 1.0);
    /// The symbol in `color` at the usual small sizes (16 to 64), for buttons and labels.
    static QIcon icon(const QString& symbolName, const QColor& color);

    /// The application's own checklist mark (`tolvikMenuIcon`), in its own colours, for the tray and the panel
    /// header.
    static QImage appIconImage(const QSize& size, qreal devicePixelRatio = 1.0);
    static QIcon appIcon();
    static QString appIconPath();
};

} // namespace tolvik
