#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

#include <optional>

namespace tolvik {

/// The panel's geometry rules, kept free of widgets so that they can be checked on their own.
namespace PanelSizing {

inline constexpr int margin = 20;
inline constexpr int spacing = 16;
inline constexpr int dividerHeight = 1;
inline constexpr qreal minimumHeight = 300;
inline constexpr qreal screenFraction = 0.75;
/// The ceiling when no screen is known.
inline constexpr qreal noScreenLimit = 675;
/// The list content's height before the first measurement.
inline constexpr qreal initialListContentHeight = 100;
/// The gap between the tray icon and the panel.
inline constexpr int iconGap = 4;
/// How far outside the available area a pointer or a tray's click point may lie and still count: a bar along an
/// edge is reserved out of that area, and a click on its icon lands in it. Anything farther (Wayland's "nowhere")
/// means the position is unknown.
inline constexpr int barReach = 128;

/// The panel's height from its measured parts: the sum of header, footer, divider, three gaps, two margins and the
/// list content, held between 300 and three quarters of the screen's available height. When that limit is below 300
/// the limit wins. Without a screen: 300 up to a total of 300, otherwise the total up to 675.
qreal panelHeight(qreal headerHeight, qreal footerHeight, qreal listContentHeight,
                  std::optional<qreal> availableScreenHeight);

/// The side of the available area a point (a click on a tray icon) lies nearest to.
enum class Edge
{
    top,
    bottom,
    left,
    right,
};
Edge nearestEdge(const QRect& available, const QPoint& point);

/// Where the panel's top-left corner goes. Under the tray icon when its geometry is known (above it when the icon
/// sits in the lower half of the screen), else beside the point the pointer or the tray reports, on the side away
/// from the edge nearest to it, else at the top-right of the available area; always kept inside the available area.
QPoint panelOrigin(const QSize& panel, const QRect& available, const std::optional<QRect>& iconGeometry,
                   const std::optional<QPoint>& pointer);

/// Whether the panel opens above its anchor: the tray icon in the lower half of the available area, or else a point
/// nearest the bottom edge. Such a panel grows and shrinks upward, so that it never covers the icon it came from.
bool opensUpward(const QRect& available, const std::optional<QRect>& iconGeometry,
                 const std::optional<QPoint>& pointer);

/// Where an open panel at `origin` goes when its height changes from `before` to `after`: one that opened upward keeps
/// its bottom edge, any other keeps its top edge; either stays inside `available`.
QPoint resizedOrigin(const QPoint& origin, const QSize& before, const QSize& after, bool upward,
                     const QRect& available);

/// Moves a panel of `panel` size at `origin` back inside `available`, top-left edge first when it does not fit.
QPoint keptOnScreen(const QPoint& origin, const QSize& panel, const QRect& available);

} // namespace PanelSizing

} // namespace tolvik
