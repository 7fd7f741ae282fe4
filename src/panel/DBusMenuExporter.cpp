#include "panel/DBusMenuExporter.h"

#include <QAction>
#include <QActionEvent>
#include <QDBusAbstractAdaptor>
#include <QDBusMetaType>
#include <QEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QTimer>

namespace tolvik {

QDBusArgument& operator<<(QDBusArgument& argument, const DBusMenuLayoutItem& item)
{
    argument.beginStructure();
    argument << item.id << item.properties;
    argument.beginArray(qMetaTypeId<QDBusVariant>());
    for (const DBusMenuLayoutItem& child : item.children) {
        argument << QDBusVariant(QVariant::fromValue(child));
    }
    argument.endArray();
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, DBusMenuLayoutItem& item)
{
    argument.beginStructure();
    argument >> item.id >> item.properties;
    argument.beginArray();
    item.children.clear();
    while (!argument.atEnd()) {
        QDBusVariant child;
        argument >> child;
        item.children.append(qdbus_cast<DBusMenuLayoutItem>(child.variant()));
    }
    argument.endArray();
    argument.endStructure();
    return argument;
}

QDBusArgument& operator<<(QDBusArgument& argument, const DBusMenuItemProperties& item)
{
    argument.beginStructure();
    argument << item.id << item.properties;
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, DBusMenuItemProperties& item)
{
    argument.beginStructure();
    argument >> item.id >> item.properties;
    argument.endStructure();
    return argument;
}

QDBusArgument& operator<<(QDBusArgument& argument, const DBusMenuEvent& event)
{
    argument.beginStructure();
    argument << event.id << event.eventId << event.data << event.timestamp;
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, DBusMenuEvent& event)
{
    argument.beginStructure();
    argument >> event.id >> event.eventId >> event.data >> event.timestamp;
    argument.endStructure();
    return argument;
}

namespace {

/// The menu's label with the menu protocol's mnemonic mark ('_') in place of Qt's ('&').
QString dbusLabel(const QString& text)
{
    QString label;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('_')) {
            label += QStringLiteral("__");
        } else if (c == QLatin1Char('&') && i + 1 < text.size()) {
            label += text.at(i + 1) == QLatin1Char('&') ? QStringLiteral("&") : QStringLiteral("_");
            if (text.at(i + 1) == QLatin1Char('&')) {
                ++i;
            }
        } else {
            label += c;
        }
    }
    return label;
}

/// com.canonical.dbusmenu on the bus, answering from the exporter.
class DBusMenuAdaptor : public QDBusAbstractAdaptor
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "com.canonical.dbusmenu")
    Q_PROPERTY(uint Version READ version)
    Q_PROPERTY(QString TextDirection READ textDirection)
    Q_PROPERTY(QString Status READ status)
    Q_PROPERTY(QStringList IconThemePath READ iconThemePath)

public:
    explicit DBusMenuAdaptor(DBusMenuExporter* exporter)
        : QDBusAbstractAdaptor(exporter)
        , m_exporter(exporter)
    {
        setAutoRelaySignals(true);
    }

    uint version() const { return 3; }
    QString textDirection() const
    {
        return QGuiApplication::layoutDirection() == Qt::RightToLeft ? QStringLiteral("rtl") : QStringLiteral("ltr");
    }
    QString status() const { return QStringLiteral("normal"); }
    QStringList iconThemePath() const { return {}; }

public Q_SLOTS:
    // QtDBus finds the types of slot arguments by their written names, so these are spelled in full.
    uint GetLayout(int parentId, int recursionDepth, const QStringList& propertyNames,
                   tolvik::DBusMenuLayoutItem& layout)
    {
        layout = m_exporter->layout(parentId, recursionDepth, propertyNames);
        return m_exporter->revision();
    }
    QList<tolvik::DBusMenuItemProperties> GetGroupProperties(const QList<int>& ids, const QStringList& propertyNames)
    {
        return m_exporter->groupProperties(ids, propertyNames);
    }
    QDBusVariant GetProperty(int id, const QString& name)
    {
        return QDBusVariant(m_exporter->properties(id).value(name));
    }
    void Event(int id, const QString& eventId, const QDBusVariant&, uint) { m_exporter->handleEvent(id, eventId); }
    QList<int> EventGroup(const QList<tolvik::DBusMenuEvent>& events)
    {
        QList<int> unknown;
        for (const DBusMenuEvent& event : events) {
            if (!m_exporter->handleEvent(event.id, event.eventId)) {
                unknown.append(event.id);
            }
        }
        return unknown;
    }
    // The menu is always up to date, so the host never needs to fetch it again before showing it.
    bool AboutToShow(int) { return false; }
    QList<int> AboutToShowGroup(const QList<int>&, QList<int>& idErrors)
    {
        idErrors.clear();
        return {};
    }

Q_SIGNALS:
    void LayoutUpdated(uint revision, int parent);

private:
    DBusMenuExporter* m_exporter;
};

} // namespace

DBusMenuExporter::DBusMenuExporter(QMenu* menu, QDBusConnection bus, const QString& path, QObject* parent)
    : QObject(parent)
    , m_menu(menu)
    , m_bus(std::move(bus))
    , m_path(path)
{
    qDBusRegisterMetaType<DBusMenuLayoutItem>();
    qDBusRegisterMetaType<DBusMenuItemProperties>();
    qDBusRegisterMetaType<DBusMenuItemPropertiesList>();
    qDBusRegisterMetaType<DBusMenuEvent>();
    qDBusRegisterMetaType<DBusMenuEventList>();
    qDBusRegisterMetaType<QList<int>>();
    new DBusMenuAdaptor(this);
    m_menu->installEventFilter(this);
    for (QAction* action : m_menu->actions()) {
        connect(action, &QAction::changed, this, &DBusMenuExporter::menuChanged);
    }
    m_exported = m_bus.registerObject(m_path, this, QDBusConnection::ExportAdaptors);
}

DBusMenuExporter::~DBusMenuExporter()
{
    if (m_exported) {
        m_bus.unregisterObject(m_path);
    }
}

QAction* DBusMenuExporter::actionFor(int id) const
{
    const QList<QAction*> actions = m_menu->actions();
    return id >= 1 && id <= actions.size() ? actions.at(id - 1) : nullptr;
}

QVariantMap DBusMenuExporter::properties(int id, const QStringList& propertyNames) const
{
    QVariantMap all;
    if (id == 0) {
        all.insert(QStringLiteral("children-display"), QStringLiteral("submenu"));
    } else if (const QAction* action = actionFor(id)) {
        if (action->isSeparator()) {
            all.insert(QStringLiteral("type"), QStringLiteral("separator"));
        } else {
            all.insert(QStringLiteral("label"), dbusLabel(action->text()));
        }
        all.insert(QStringLiteral("enabled"), action->isEnabled());
        all.insert(QStringLiteral("visible"), action->isVisible());
    }
    if (propertyNames.isEmpty()) {
        return all;
    }
    QVariantMap wanted;
    for (const QString& name : propertyNames) {
        if (all.contains(name)) {
            wanted.insert(name, all.value(name));
        }
    }
    return wanted;
}

DBusMenuLayoutItem DBusMenuExporter::layout(int parentId, int depth, const QStringList& propertyNames) const
{
    DBusMenuLayoutItem item;
    item.id = parentId;
    item.properties = properties(parentId, propertyNames);
    // Only the root has children; a depth of 0 asks for the entry alone, -1 for everything below it.
    if (parentId == 0 && depth != 0) {
        for (int id = 1; id <= int(m_menu->actions().size()); ++id) {
            DBusMenuLayoutItem child;
            child.id = id;
            child.properties = properties(id, propertyNames);
            item.children.append(child);
        }
    }
    return item;
}

DBusMenuItemPropertiesList DBusMenuExporter::groupProperties(const QList<int>& ids,
                                                             const QStringList& propertyNames) const
{
    DBusMenuItemPropertiesList result;
    for (int id : ids) {
        if (id == 0 || actionFor(id) != nullptr) {
            result.append({id, properties(id, propertyNames)});
        }
    }
    return result;
}

bool DBusMenuExporter::handleEvent(int id, const QString& eventId)
{
    QAction* action = actionFor(id);
    if (id != 0 && action == nullptr) {
        return false;
    }
    if (eventId == QLatin1String("clicked") && action != nullptr && action->isEnabled() && !action->isSeparator()) {
        // After the host's call has been answered: the action may open a window or quit.
        QTimer::singleShot(0, action, &QAction::trigger);
    }
    return true;
}

bool DBusMenuExporter::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_menu) {
        if (event->type() == QEvent::ActionAdded) {
            auto* added = static_cast<QActionEvent*>(event)->action();
            connect(added, &QAction::changed, this, &DBusMenuExporter::menuChanged, Qt::UniqueConnection);
            menuChanged();
        } else if (event->type() == QEvent::ActionRemoved) {
            menuChanged();
        }
    }
    return QObject::eventFilter(watched, event);
}

void DBusMenuExporter::menuChanged()
{
    // Many changes at once (a language switch renames every entry) make one new revision.
    if (m_changePending) {
        return;
    }
    m_changePending = true;
    QTimer::singleShot(0, this, [this] {
        m_changePending = false;
        ++m_revision;
        Q_EMIT LayoutUpdated(m_revision, 0);
    });
}

} // namespace tolvik

#include "DBusMenuExporter.moc"
