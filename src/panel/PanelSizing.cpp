#include "panel/PanelSizing.h"

#include <algorithm>

namespace tolvik::PanelSizing {

qreal panelHeight(qreal headerHeight, qreal footerHeight, qreal listContentHeight,
                  std::optional<qreal> availableScreenHeight)
{
    const qreal total = headerHeight + footerHeight + dividerHeight + 3 * spacing + 2 * margin + listContentHeight;
    if (availableScreenHeight) {
        const qreal limit = screenFraction * *availableScreenHeight;
        return std::min(std::max(total, minimumHeight), limit);
    }
    return total <= minimumHeight ? minimumHeight : std::min(total, noScreenLimit);
}

QPoint keptOnScreen(const QPoint& origin, const QSize& panel, const QRect& available)
{
    QPoint result = origin;
    result.setX(std::min(result.x(), available.right() + 1 - panel.width()));
    result.setY(std::min(result.y(), available.bottom() + 1 - panel.height()));
    result.setX(std::max(result.x(), available.left()));
    result.setY(std::max(result.y(), available.top()));
    return result;
}

bool opensUpward(const QRect& available, const std::optional<QRect>& iconGeometry, const std::optional<QPoint>& pointer)
{
    if (iconGeometry && iconGeometry->isValid()) {
        return iconGeometry->center().y() > available.center().y();
    }
    if (pointer && available.contains(*pointer)) {
        return pointer->y() > available.center().y();
    }
    return false;
}

QPoint panelOrigin(const QSize& panel, const QRect& available, const std::optional<QRect>& iconGeometry,
                   const std::optional<QPoint>& pointer)
{
    const bool upward = opensUpward(available, iconGeometry, pointer);
    QPoint origin;
    if (iconGeometry && iconGeometry->isValid()) {
        const QRect icon = *iconGeometry;
        origin.setX(icon.center().x() - panel.width() / 2);
        origin.setY(upward ? icon.top() - iconGap - panel.height() : icon.bottom() + 1 + iconGap);
    } else if (pointer && available.contains(*pointer)) {
        origin.setX(pointer->x() - panel.width() / 2);
        origin.setY(upward ? pointer->y() - iconGap - panel.height() : pointer->y() + iconGap);
    } else {
        origin = QPoint(available.right() + 1 - panel.width(), available.top());
    }
    return keptOnScreen(origin, panel, available);
}

QPoint resizedOrigin(const QPoint& origin, const QSize& before, const QSize& after, bool upward, const QRect& available)
{
    QPoint moved = origin;
    if (upward) {
        moved.setY(origin.y() + before.height() - after.height());
    }
    return keptOnScreen(moved, after, available);
}

} // namespace tolvik::PanelSizing
