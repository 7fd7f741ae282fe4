#pragma once

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusObjectPath>
#include <QImage>
#include <QList>
#include <QObject>
#include <QPoint>
#include <QString>

class QDBusServiceWatcher;
class QMenu;

namespace tolvik {

class DBusMenuExporter;

/// One image of an item's icon as the tray protocol carries it: ARGB32 in network byte order.
struct StatusNotifierPixmap
{
    int width = 0;
    int height = 0;
    QByteArray argb;

    static StatusNotifierPixmap fromImage(const QImage& image);
};
using StatusNotifierPixmaps = QList<StatusNotifierPixmap>;

/// The tooltip as the tray protocol carries it: an icon (unused here), a title and a longer text.
struct StatusNotifierToolTip
{
    QString iconName;
    StatusNotifierPixmaps iconPixmaps;
    QString title;
    QString description;
};

QDBusArgument& operator<<(QDBusArgument& argument, const StatusNotifierPixmap& pixmap);
const QDBusArgument& operator>>(const QDBusArgument& argument, StatusNotifierPixmap& pixmap);
QDBusArgument& operator<<(QDBusArgument& argument, const StatusNotifierToolTip& toolTip);
const QDBusArgument& operator>>(const QDBusArgument& argument, StatusNotifierToolTip& toolTip);

/// The app's tray icon on desktops whose tray is a status notifier host on D-Bus (KDE Plasma, GNOME with the
/// AppIndicator extension, Xfce's and wlroots bars' trays). Qt's own tray icon speaks the same protocol but drops the
/// screen position the host sends with a click; this item keeps it, so the panel can open beside the icon, which no
/// window geometry reports on such a tray. It exports its right-click menu as a D-Bus menu and, for hosts that draw
/// menus themselves through `ContextMenu`, pops the same menu up at the given point.
class StatusNotifierItem : public QObject
{
    Q_OBJECT

public:
    static inline const QString watcherService = QStringLiteral("org.kde.StatusNotifierWatcher");
    static inline const QString itemPath = QStringLiteral("/StatusNotifierItem");
    static inline const QString menuPath = QStringLiteral("/StatusNotifierMenu");

    StatusNotifierItem(QMenu* menu, QDBusConnection bus, QObject* parent = nullptr);
    ~StatusNotifierItem() override;

    /// Whether a tray host's watcher is on the bus now.
    static bool watcherPresent(const QDBusConnection& bus);

    /// Exports the item and registers it with the watcher; false when the bus refuses either. The item registers
    /// again by itself whenever a watcher (re)appears, as when the bar restarts.
    bool start();
    bool isRegistered() const { return m_registered; }
    /// The name of the program that watches for items (the tray's host, or its desktop's daemon), or empty where the
    /// bus does not tell.
    QString watcherProgram() const;
    QString serviceName() const { return m_serviceName; }

    /// The icon by name from the icon theme, which hosts that know symbolic icons recolour for their bar; empty when
    /// the theme has none, so that the host draws the images instead.
    void setIconName(const QString& name);
    /// The icon's images at a few sizes, drawn for the bar's colours.
    void setIconImages(const QList<QImage>& images);
    void setToolTip(const QString& title);

    // What the host reads (org.kde.StatusNotifierItem's properties).
    QString iconName() const { return m_iconName; }
    StatusNotifierPixmaps iconPixmaps() const { return m_pixmaps; }
    StatusNotifierToolTip toolTip() const { return m_toolTip; }
    QString title() const;
    QDBusObjectPath menuObjectPath() const { return QDBusObjectPath(menuPath); }

    // What the host calls.
    void hostActivated(QPoint at) { Q_EMIT activated(at); }
    void hostAskedSecondary(QPoint at) { Q_EMIT secondaryActivated(at); }
    void hostAskedForMenu(QPoint at);

Q_SIGNALS:
    /// The icon was clicked; `at` is where on the screen, as the host reports it.
    void activated(QPoint at);
    /// The icon was middle-clicked.
    void secondaryActivated(QPoint at);
    /// The watcher accepted the item.
    void registered();

    // Forwarded to the bus by the adaptor.
    void NewIcon();
    void NewToolTip();
    void NewTitle();
    void NewStatus(const QString& status);

private:
    void registerWithWatcher();

    QMenu* m_menu;
    QDBusConnection m_bus;
    DBusMenuExporter* m_menuExporter = nullptr;
    QDBusServiceWatcher* m_watcherWatch;
    QString m_serviceName;
    QString m_iconName;
    StatusNotifierPixmaps m_pixmaps;
    StatusNotifierToolTip m_toolTip;
    bool m_exported = false;
    bool m_registered = false;
};

} // namespace tolvik

Q_DECLARE_METATYPE(tolvik::StatusNotifierPixmap)
Q_DECLARE_METATYPE(tolvik::StatusNotifierToolTip)
