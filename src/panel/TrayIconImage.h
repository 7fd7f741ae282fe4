#pragma once

#include <QImage>
#include <QString>

namespace tolvik {

/// The tray icon's images: the checklist symbol in white on a blue tile, which reads on a bar of any colour (no tray
/// tells a program its bar's colour, and dark bars over light desktops are common), and the red dot while a reminder
/// is overdue.
namespace TrayIconImage {

inline const QString symbolicName = QStringLiteral("org.tolvik.TolvikReminder-symbolic");

/// The icon `side` pixels square.
QImage image(int side, bool overdue);
/// The symbolic icon's name when an icon theme folder on this system holds it (the package installs it) and the tray
/// draws symbolic icons in its bar's own text colour, else empty. `watcherProgram` names the tray's watcher: GNOME
/// Shell's (with the AppIndicator extension) and KDE Plasma's draw them so; others (waybar) draw the icon's own
/// dark ink, which a dark bar hides, and get the images instead.
QString symbolicNameFor(const QString& watcherProgram);

} // namespace TrayIconImage

} // namespace tolvik
