#include "app/PlatformChoice.h"

#include "panel/LayerShell.h"

#include <QtGlobal>

namespace tolvik {

SessionEnvironment SessionEnvironment::current()
{
    return {qgetenv("QT_QPA_PLATFORM"), qgetenv("WAYLAND_DISPLAY"), qgetenv("DISPLAY"), qgetenv("XDG_SESSION_TYPE"),
            LayerShell::offeredBySession()};
}

std::optional<QByteArray> chosenPlatform(const SessionEnvironment& session)
{
    if (!session.qpaPlatform.isEmpty()) {
        return std::nullopt;
    }
    const bool wayland = !session.waylandDisplay.isEmpty() || session.sessionType == "wayland";
    if (!wayland || session.display.isEmpty()) {
        return std::nullopt;
    }
    return QByteArray(session.layerShell ? "wayland;xcb" : "xcb;wayland");
}

bool choosePlatformForSession()
{
    const SessionEnvironment session = SessionEnvironment::current();
    if (session.layerShell) {
        LayerShell::prepareEnvironment();
    }
    const std::optional<QByteArray> platform = chosenPlatform(session);
    if (platform) {
        qputenv("QT_QPA_PLATFORM", *platform);
    }
    return platform.has_value();
}

void forgetChosenPlatform()
{
    qunsetenv("QT_QPA_PLATFORM");
}

} // namespace tolvik
