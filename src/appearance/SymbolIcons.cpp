#include "appearance/SymbolIcons.h"

#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgRenderer>

namespace tolvik {

namespace {

const QString iconFolder = QStringLiteral(":/icons");
const QString appIconName = QStringLiteral("tolvikMenuIcon");

/// Renders an SVG centred in the target, keeping its aspect ratio.
QImage render(const QString& path, const QSize& size, qreal devicePixelRatio)
{
    if (size.isEmpty() || devicePixelRatio <= 0) {
        return {};
    }
    QSvgRenderer renderer(path);
    if (!renderer.isValid()) {
        return {};
    }
    const QSize pixels = (QSizeF(size) * devicePixelRatio).toSize();
    QImage result(pixels, QImage::Format_ARGB32_Premultiplied);
    result.fill(Qt::transparent);
    QSizeF drawn = renderer.defaultSize();
    drawn.scale(QSizeF(pixels), Qt::KeepAspectRatio);
    const QRectF target(QPointF((pixels.width() - drawn.width()) / 2.0, (pixels.height() - drawn.height()) / 2.0),
                        drawn);
    QPainter painter(&result);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, target);
    painter.end();
    result.setDevicePixelRatio(devicePixelRatio);
    return result;
}

} // namespace

QStringList SymbolIcons::symbolNames()
{
    QStringList names;
    const QFileInfoList files = QDir(iconFolder).entryInfoList({QStringLiteral("*.svg")}, QDir::Files, QDir::Name);
    for (const QFileInfo& file : files) {
        const QString name = file.completeBaseName();
        if (name != appIconName) {
            names.append(name);
        }
    }
    return names;
}

bool SymbolIcons::contains(const QString& symbolName)
{
    // Symbol names are dotted words; anything else (a path, an empty name) never reaches the file system.
    static const QRegularExpression validName(QStringLiteral("^[A-Za-z0-9]+(\\.[A-Za-z0-9]+)*$"));
    return validName.match(symbolName).hasMatch() && symbolName != appIconName &&
           QFileInfo::exists(resourcePath(symbolName));
}

QString SymbolIcons::resourcePath(const QString& symbolName)
{
    return iconFolder + QLatin1Char('/') + symbolName + QLatin1String(".svg");
}

QImage SymbolIcons::image(const QString& symbolName, const QColor& color, const QSize& size, qreal devicePixelRatio)
{
    if (!contains(symbolName)) {
        return {};
    }
    QImage result = render(resourcePath(symbolName), size, devicePixelRatio);
    if (result.isNull()) {
        return result;
    }
    // Keep the shape's coverage and replace its colour: the SVGs draw in one colour with antialiased edges.
    QPainter painter(&result);
    painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
    painter.fillRect(QRectF(QPointF(0, 0), result.deviceIndependentSize()), color);
    return result;
}

QPixmap SymbolIcons::pixmap(const QString& symbolName, const QColor& color, const QSize& size, qreal devicePixelRatio)
{
    return QPixmap::fromImage(image(symbolName, color, size, devicePixelRatio));
}

QIcon SymbolIcons::icon(const QString& symbolName, const QColor& color)
{
    QIcon result;
    for (int side : {16, 22, 32, 64}) {
        const QImage drawn = image(symbolName, color, QSize(side, side));
        if (!drawn.isNull()) {
            result.addPixmap(QPixmap::fromImage(drawn));
        }
    }
    return result;
}

QImage SymbolIcons::appIconImage(const QSize& size, qreal devicePixelRatio)
{
    return render(appIconPath(), size, devicePixelRatio);
}

QIcon SymbolIcons::appIcon()
{
    QIcon result;
    for (int side : {16, 22, 24, 32, 48, 64, 128}) {
        const QImage drawn = appIconImage(QSize(side, side));
        if (!drawn.isNull()) {
            result.addPixmap(QPixmap::fromImage(drawn));
        }
    }
    return result;
}

QString SymbolIcons::appIconPath()
{
    return iconFolder + QLatin1Char('/') + appIconName + QLatin1String(".svg");
}

} // namespace tolvik
