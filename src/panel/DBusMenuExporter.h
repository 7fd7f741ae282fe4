#pragma once

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusVariant>
#include <QList>
#include <QObject>
#include <QString>
#include <QVariantMap>

class QAction;
class QMenu;

namespace tolvik {

/// One entry of a D-Bus menu's layout: its id, its properties and its children (each a variant holding an entry).
struct DBusMenuLayoutItem
{
    int id = 0;
    QVariantMap properties;
    QList<DBusMenuLayoutItem> children;
};

/// One entry's properties, for GetGroupProperties.
struct DBusMenuItemProperties
{
    int id = 0;
    QVariantMap properties;
};
using DBusMenuItemPropertiesList = QList<DBusMenuItemProperties>;

/// One event of an EventGroup call.
struct DBusMenuEvent
{
    int id = 0;
    QString eventId;
    QDBusVariant data;
    uint timestamp = 0;
};
using DBusMenuEventList = QList<DBusMenuEvent>;

QDBusArgument& operator<<(QDBusArgument& argument, const DBusMenuLayoutItem& item);
const QDBusArgument& operator>>(const QDBusArgument& argument, DBusMenuLayoutItem& item);
QDBusArgument& operator<<(QDBusArgument& argument, const DBusMenuItemProperties& item);
const QDBusArgument& operator>>(const QDBusArgument& argument, DBusMenuItemProperties& item);
QDBusArgument& operator<<(QDBusArgument& argument, const DBusMenuEvent& event);
const QDBusArgument& operator>>(const QDBusArgument& argument, DBusMenuEvent& event);

/// Publishes a flat QMenu (actions and separators) as a com.canonical.dbusmenu object, so that a tray host draws
/// the tray icon's right-click menu itself, in its own place and style; a click there triggers the action here. Entry
/// ids are the action's place in the menu plus one (0 is the root); any change to the menu's actions sends a new
/// layout revision.
class DBusMenuExporter : public QObject
{
    Q_OBJECT

public:
    DBusMenuExporter(QMenu* menu, QDBusConnection bus, const QString& path, QObject* parent = nullptr);
    ~DBusMenuExporter() override;

    bool isExported() const { return m_exported; }
    uint revision() const { return m_revision; }

    DBusMenuLayoutItem layout(int parentId, int depth, const QStringList& propertyNames) const;
    DBusMenuItemPropertiesList groupProperties(const QList<int>& ids, const QStringList& propertyNames) const;
    QVariantMap properties(int id, const QStringList& propertyNames = {}) const;
    /// Handles a host's event on an entry; false for an unknown entry.
    bool handleEvent(int id, const QString& eventId);

Q_SIGNALS:
    void LayoutUpdated(uint revision, int parent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QAction* actionFor(int id) const;
    void menuChanged();

    QMenu* m_menu;
    QDBusConnection m_bus;
    QString m_path;
    uint m_revision = 1;
    bool m_exported = false;
    bool m_changePending = false;
};

} // namespace tolvik

Q_DECLARE_METATYPE(tolvik::DBusMenuLayoutItem)
Q_DECLARE_METATYPE(tolvik::DBusMenuItemProperties)
Q_DECLARE_METATYPE(tolvik::DBusMenuEvent)
