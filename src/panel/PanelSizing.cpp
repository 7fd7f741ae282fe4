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

namespace {

bool pointCounts(const QRect& available, const std::optional<QPoint>& point)
{
    return point && available.adjusted(-barReach, -barReach, barReach, barReach).contains(*point);
}

} // namespace

Edge nearestEdge(const QRect& available, const QPoint& point)
{
    // Signed distances: a point inside a bar, outside the available area, is nearest that bar's edge.
    const int top = point.y() - available.top();
    const int bottom = available.bottom() - point.y();
    const int left = point.x() - available.left();
    const int right = available.right() - point.x();
    const int least = std::min({top, bottom, left, right});
    if (least == top) {
        return Edge::top;
    }
    if (least == bottom) {
        return Edge::bottom;
    }
    return least == left ? Edge::left : Edge::right;
}

bool opensUpward(const QRect& available, const std::optional<QRect>& iconGeometry, const std::optional<QPoint>& pointer)
{
    if (iconGeometry && iconGeometry->isValid()) {
        return iconGeometry->center().y() > available.center().y();
    }
    if (pointCounts(available, pointer)) {
        return nearestEdge(available, *pointer) == Edge::bottom;
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
    } else if (pointCounts(available, pointer)) {
        const QPoint point = *pointer;
        switch (nearestEdge(available, point)) {
        case Edge::top:
            origin = QPoint(point.x() - panel.width() / 2, point.y() + iconGap);
            break;
        case Edge::bottom:
            origin = QPoint(point.x() - panel.width() / 2, point.y() - iconGap - panel.height());
            break;
        case Edge::left:
            origin = QPoint(point.x() + iconGap, point.y() - panel.height() / 2);
            break;
        case Edge::right:
            origin = QPoint(point.x() - iconGap - panel.width(), point.y() - panel.height() / 2);
            break;
        }
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
