#include "rows/PopoverSurface.h"

#include "appearance/AppTheme.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>

#ifdef TOLVIK_HAS_XCB
#include <QtGui/qguiapplication_platform.h>
#include <xcb/xcb.h>

#include <cstdlib>
#endif

namespace tolvik::PopoverSurface {

namespace {

#ifdef TOLVIK_HAS_XCB
/// The screen number of the DISPLAY the process talks to (":1.2" is screen 2).
int defaultScreenNumber()
{
    const char* display = std::getenv("DISPLAY");
    if (display == nullptr) {
        return 0;
    }
    const QByteArray text(display);
    const qsizetype colon = text.lastIndexOf(':');
    const qsizetype dot = text.indexOf('.', colon < 0 ? 0 : colon);
    if (dot < 0) {
        return 0;
    }
    bool ok = false;
    const int screen = text.mid(dot + 1).toInt(&ok);
    return ok ? screen : 0;
}

bool x11SelectionHasOwner(xcb_connection_t* connection)
{
    const QByteArray name = "_NET_WM_CM_S" + QByteArray::number(defaultScreenNumber());
    xcb_intern_atom_reply_t* atom = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 1, static_cast<uint16_t>(name.size()), name.constData()), nullptr);
    if (atom == nullptr) {
        return false;
    }
    const xcb_atom_t selection = atom->atom;
    std::free(atom);
    if (selection == XCB_ATOM_NONE) {
        return false;
    }
    xcb_get_selection_owner_reply_t* owner =
        xcb_get_selection_owner_reply(connection, xcb_get_selection_owner(connection, selection), nullptr);
    if (owner == nullptr) {
        return false;
    }
    const bool owned = owner->owner != XCB_WINDOW_NONE;
    std::free(owner);
    return owned;
}
#endif

} // namespace

bool hasCompositor()
{
#ifdef TOLVIK_HAS_XCB
    if (auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr) {
        if (xcb_connection_t* connection = x11->connection()) {
            return x11SelectionHasOwner(connection);
        }
    }
#endif
    return true;
}

QPalette explicitPalette(const QPalette& source)
{
    QPalette copy;
    for (int group = 0; group < QPalette::NColorGroups; ++group) {
        for (int role = 0; role < QPalette::NColorRoles; ++role) {
            const auto colorGroup = static_cast<QPalette::ColorGroup>(group);
            const auto colorRole = static_cast<QPalette::ColorRole>(role);
            if (colorRole != QPalette::NoRole) {
                copy.setBrush(colorGroup, colorRole, source.brush(colorGroup, colorRole));
            }
        }
    }
    return copy;
}

void paint(QPainter& painter, const QRectF& rect, qreal radius, const QColor& fill, const QPalette& palette)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath path;
    const QRectF inner = rect.adjusted(0.5, 0.5, -0.5, -0.5);
    path.addRoundedRect(inner, radius, radius);
    painter.fillPath(path, fill);
    const bool dark = ThemePalette::isDark(palette);
    painter.setPen(QPen(dark ? QColor(255, 255, 255, 38) : QColor(0, 0, 0, 30), 1.0));
    painter.drawPath(path);
    painter.restore();
}

} // namespace tolvik::PopoverSurface
