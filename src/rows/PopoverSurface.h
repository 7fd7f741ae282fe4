#pragma once

#include <QColor>
#include <QPalette>
#include <QRectF>

class QPainter;

namespace tolvik {

/// The translucent rounded background that popovers and the detail bubble draw, and the check that decides whether
/// translucency can be shown at all.
namespace PopoverSurface {

/// Whether a compositor blends translucent windows. On X11 that is an owner of the `_NET_WM_CM_S<screen>`
/// selection; without one, transparent pixels show black, so callers paint opaque. Other platforms always blend.
bool hasCompositor();

/// A palette with every role set, so that a separate window (a popover, a menu) shows the colours of the widget it
/// belongs to: a window does not inherit its parent's palette, and merely inherited roles would fall back to the
/// desktop's.
QPalette explicitPalette(const QPalette& source);
/// A rounded rectangle in `fill` with a hairline border that suits the palette.
void paint(QPainter& painter, const QRectF& rect, qreal radius, const QColor& fill, const QPalette& palette);

} // namespace PopoverSurface

} // namespace tolvik
