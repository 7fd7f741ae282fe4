#include "app/PlatformChoice.h"

#include <QtGlobal>

namespace tolvik {

SessionEnvironment SessionEnvironment::current()
{
    return {qgetenv("QT_QPA_PLATFORM"), qgetenv("WAYLAND_DISPLAY"), qgetenv("DISPLAY"), qgetenv("XDG_SESSION_TYPE")};
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
    return QByteArray("xcb;wayland");
}

bool choosePlatformForSession()
{
    const std::optional<QByteArray> platform = chosenPlatform(SessionEnvironment::current());
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
