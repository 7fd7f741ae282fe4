#include "panel/TrayIconImage.h"

#include "appearance/AppTheme.h"
#include "appearance/SymbolIcons.h"

#include <QGuiApplication>
#include <QPainter>
#include <QStandardPaths>

#include <cmath>

namespace tolvik::TrayIconImage {

QImage image(int side, bool darkBar, bool overdue)
{
    const QColor ink = darkBar ? QColor(0xf2, 0xf2, 0xf2) : QColor(0x2e, 0x34, 0x36);
    const QColor rimColor = darkBar ? QColor(0, 0, 0, 150) : QColor(255, 255, 255, 170);
    const int rim = std::max(1, side / 16);
    const QSize glyphSize(side - 2 * rim, side - 2 * rim);
    const QImage glyph = SymbolIcons::image(QStringLiteral("checklist"), ink, glyphSize);
    const QImage halo = SymbolIcons::image(QStringLiteral("checklist"), rimColor, glyphSize);
    QImage result(side, side, QImage::Format_ARGB32_Premultiplied);
    result.fill(Qt::transparent);
    QPainter painter(&result);
    painter.setRenderHint(QPainter::Antialiasing);
    // The rim: the glyph in the opposite colour, drawn around its place at the rim's distance.
    QImage rimImage(side, side, QImage::Format_ARGB32_Premultiplied);
    rimImage.fill(Qt::transparent);
    {
        QPainter rimPainter(&rimImage);
        for (int step = 0; step < 8; ++step) {
            const double angle = step * M_PI / 4;
            rimPainter.drawImage(QPointF(rim + rim * std::cos(angle), rim + rim * std::sin(angle)), halo);
        }
    }
    painter.drawImage(0, 0, rimImage);
    painter.drawImage(rim, rim, glyph);
    if (overdue) {
        painter.setPen(QPen(rimColor, rim));
        painter.setBrush(QColor(0xe0, 0x35, 0x2b));
        painter.drawEllipse(QRectF(side * 0.60, side * 0.02, side * 0.38, side * 0.38));
    }
    painter.end();
    return result;
}

bool desktopPrefersDark()
{
    return ThemePalette::isDark(QGuiApplication::palette());
}

QString installedSymbolicName()
{
    const QString file = QStringLiteral("icons/hicolor/symbolic/apps/%1.svg").arg(symbolicName);
    return QStandardPaths::locate(QStandardPaths::GenericDataLocation, file).isEmpty() ? QString() : symbolicName;
}

} // namespace tolvik::TrayIconImage
