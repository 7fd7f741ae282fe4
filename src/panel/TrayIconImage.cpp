#include "panel/TrayIconImage.h"

#include "appearance/SymbolIcons.h"

#include <QPainter>
#include <QStandardPaths>

#include <cmath>

namespace tolvik::TrayIconImage {

QImage image(int side, bool overdue)
{
    QImage result(side, side, QImage::Format_ARGB32_Premultiplied);
    result.fill(Qt::transparent);
    QPainter painter(&result);
    painter.setRenderHint(QPainter::Antialiasing);
    // The tile: a mid blue, far from both a black bar and a white one, edged a shade darker so that it keeps its
    // shape on a blue bar too.
    const qreal edge = std::max(1.0, side / 24.0);
    const QRectF tile = QRectF(0, 0, side, side).adjusted(edge / 2, edge / 2, -edge / 2, -edge / 2);
    QLinearGradient fill(tile.topLeft(), tile.bottomLeft());
    fill.setColorAt(0, QColor(0x4a, 0x8c, 0xf7));
    fill.setColorAt(1, QColor(0x27, 0x62, 0xd9));
    painter.setPen(QPen(QColor(0x16, 0x42, 0xa0), edge));
    painter.setBrush(fill);
    painter.drawRoundedRect(tile, side * 0.22, side * 0.22);
    const int glyphSide = static_cast<int>(std::lround(side * 0.66));
    const QImage glyph = SymbolIcons::image(QStringLiteral("checklist"), Qt::white, QSize(glyphSide, glyphSide));
    painter.drawImage(QPointF((side - glyph.width()) / 2.0, (side - glyph.height()) / 2.0), glyph);
    if (overdue) {
        painter.setPen(QPen(Qt::white, std::max(1, side / 16)));
        painter.setBrush(QColor(0xe0, 0x35, 0x2b));
        painter.drawEllipse(QRectF(side * 0.60, side * 0.02, side * 0.38, side * 0.38));
    }
    painter.end();
    return result;
}

QString symbolicNameFor(const QString& watcherProgram)
{
    static const QStringList recolouringHosts = {QStringLiteral("gnome-shell"), QStringLiteral("kded5"),
                                                 QStringLiteral("kded6"), QStringLiteral("plasmashell")};
    if (!recolouringHosts.contains(watcherProgram)) {
        return {};
    }
    const QString file = QStringLiteral("icons/hicolor/symbolic/apps/%1.svg").arg(symbolicName);
    return QStandardPaths::locate(QStandardPaths::GenericDataLocation, file).isEmpty() ? QString() : symbolicName;
}

} // namespace tolvik::TrayIconImage
