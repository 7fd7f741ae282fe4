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

/// A rounded rectangle in `fill` with a hairline border that suits the palette.
void paint(QPainter& painter, const QRectF& rect, qreal radius, const QColor& fill, const QPalette& palette);

} // namespace PopoverSurface

} // namespace tolvik
