#pragma once

#include <QImage>
#include <QString>

namespace tolvik {

/// The tray icon's images: the checklist symbol in the ink of a light or a dark bar, with a rim of the opposite
/// colour so that a wrong guess about the bar still leaves it readable, and the red dot while a reminder is overdue.
namespace TrayIconImage {

inline const QString symbolicName = QStringLiteral("org.tolvik.TolvikReminder-symbolic");

/// The icon `side` pixels square, for a dark bar (light ink) or a light one (dark ink).
QImage image(int side, bool darkBar, bool overdue);
/// Whether the desktop's theme is dark, and so most likely its bar.
bool desktopPrefersDark();
/// The symbolic icon's name when an icon theme folder on this system holds it (the package installs it), else empty.
QString installedSymbolicName();

} // namespace TrayIconImage

} // namespace tolvik
