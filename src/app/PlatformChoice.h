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
    bool layerShell = false;   // the Wayland compositor offers the layer-shell protocol

    static SessionEnvironment current();
};

/// The Qt platform to start on when the user chose none. Where the compositor offers the layer-shell protocol (KDE
/// Plasma, sway, Hyprland) the app runs natively ("wayland;xcb"): there the panel is a layer surface that it places
/// itself, while through XWayland such compositors may move it (sway centres every floating X11 window). Elsewhere
/// (GNOME) an ordinary Wayland window cannot be placed, so in a session that also runs XWayland the app takes X11
/// first ("xcb;wayland"), where the panel opens beside the tray icon; a session without XWayland gets Wayland, Qt's
/// own choice. Nothing is chosen outside Wayland sessions.
std::optional<QByteArray> chosenPlatform(const SessionEnvironment& session);

/// Sets QT_QPA_PLATFORM from `chosenPlatform` for this process, before the application object is made, and, where
/// the compositor offers layer shell, what Qt's Wayland platform needs for the panel's layer surfaces; true when it
/// chose a platform. `forgetChosenPlatform` takes it out again once Qt has read it, so that programs the app starts (a
/// browser for a link, the sync engine) choose for themselves.
bool choosePlatformForSession();
void forgetChosenPlatform();

} // namespace tolvik
