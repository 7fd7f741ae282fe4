#pragma once

#include <QByteArray>

#include <optional>

namespace tolvik {

/// What the session offers, from the environment the app starts in.
struct SessionEnvironment
{
    QByteArray qpaPlatform;    // QT_QPA_PLATFORM: the user's own choice, which always wins
    QByteArray waylandDisplay; // WAYLAND_DISPLAY
    QByteArray display;        // DISPLAY: an X server, XWayland in a Wayland session
    QByteArray sessionType;    // XDG_SESSION_TYPE

    static SessionEnvironment current();
};

/// The Qt platform to start on when the user chose none. In a Wayland session that also runs XWayland the app takes
/// X11 first: a Wayland client cannot place its own windows, so natively the panel opens wherever the compositor
/// puts it, while through XWayland it opens beside the tray icon on compositors that honour X11 positions (KDE
/// Plasma, GNOME), and its pop-ups are placed against its real position everywhere. Native Wayland stays the
/// fallback ("xcb;wayland") and what a session without XWayland gets; nothing is chosen outside Wayland sessions.
std::optional<QByteArray> chosenPlatform(const SessionEnvironment& session);

/// Sets QT_QPA_PLATFORM from `chosenPlatform` for this process, before the application object is made; true when it
/// did. `forgetChosenPlatform` takes it out again once Qt has read it, so that programs the app starts (a browser for
/// a link, the sync engine) choose for themselves.
bool choosePlatformForSession();
void forgetChosenPlatform();

} // namespace tolvik
