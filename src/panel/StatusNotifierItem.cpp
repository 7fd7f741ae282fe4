#include "panel/StatusNotifierItem.h"

#include "panel/DBusMenuExporter.h"

#include <QCoreApplication>
#include <QDBusAbstractAdaptor>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusReply>
#include <QDBusServiceWatcher>
#include <QFile>
#include <QMenu>
#include <QtEndian>

namespace tolvik {

StatusNotifierPixmap StatusNotifierPixmap::fromImage(const QImage& image)
{
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    StatusNotifierPixmap pixmap;
    pixmap.width = argb.width();
    pixmap.height = argb.height();
    pixmap.argb.resize(qsizetype(argb.width()) * argb.height() * 4);
    auto* out = reinterpret_cast<quint32*>(pixmap.argb.data());
    for (int y = 0; y < argb.height(); ++y) {
        const auto* line = reinterpret_cast<const quint32*>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x) {
            *out++ = qToBigEndian(line[x]);
        }
    }
    return pixmap;
}

QDBusArgument& operator<<(QDBusArgument& argument, const StatusNotifierPixmap& pixmap)
{
    argument.beginStructure();
    argument << pixmap.width << pixmap.height << pixmap.argb;
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, StatusNotifierPixmap& pixmap)
{
    argument.beginStructure();
    argument >> pixmap.width >> pixmap.height >> pixmap.argb;
    argument.endStructure();
    return argument;
}

QDBusArgument& operator<<(QDBusArgument& argument, const StatusNotifierToolTip& toolTip)
{
    argument.beginStructure();
    argument << toolTip.iconName << toolTip.iconPixmaps << toolTip.title << toolTip.description;
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, StatusNotifierToolTip& toolTip)
{
    argument.beginStructure();
    argument >> toolTip.iconName >> toolTip.iconPixmaps >> toolTip.title >> toolTip.description;
    argument.endStructure();
    return argument;
}

namespace {

/// org.kde.StatusNotifierItem on the bus, answering from the item.
class StatusNotifierItemAdaptor : public QDBusAbstractAdaptor
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierItem")
    Q_PROPERTY(QString Category READ category)
    Q_PROPERTY(QString Id READ id)
    Q_PROPERTY(QString Title READ title)
    Q_PROPERTY(QString Status READ status)
    Q_PROPERTY(int WindowId READ windowId)
    Q_PROPERTY(QString IconName READ iconName)
    Q_PROPERTY(tolvik::StatusNotifierPixmaps IconPixmap READ iconPixmap)
    Q_PROPERTY(QString OverlayIconName READ emptyName)
    Q_PROPERTY(tolvik::StatusNotifierPixmaps OverlayIconPixmap READ noPixmaps)
    Q_PROPERTY(QString AttentionIconName READ emptyName)
    Q_PROPERTY(tolvik::StatusNotifierPixmaps AttentionIconPixmap READ noPixmaps)
    Q_PROPERTY(QString AttentionMovieName READ emptyName)
    Q_PROPERTY(tolvik::StatusNotifierToolTip ToolTip READ toolTip)
    Q_PROPERTY(bool ItemIsMenu READ itemIsMenu)
    Q_PROPERTY(QDBusObjectPath Menu READ menu)

public:
    explicit StatusNotifierItemAdaptor(StatusNotifierItem* item)
        : QDBusAbstractAdaptor(item)
        , m_item(item)
    {
        setAutoRelaySignals(true);
    }

    QString category() const { return QStringLiteral("ApplicationStatus"); }
    QString id() const { return QCoreApplication::applicationName(); }
    QString title() const { return m_item->title(); }
    QString status() const { return QStringLiteral("Active"); }
    int windowId() const { return 0; }
    QString iconName() const { return m_item->iconName(); }
    StatusNotifierPixmaps iconPixmap() const { return m_item->iconPixmaps(); }
    QString emptyName() const { return QString(); }
    StatusNotifierPixmaps noPixmaps() const { return {}; }
    StatusNotifierToolTip toolTip() const { return m_item->toolTip(); }
    bool itemIsMenu() const { return false; }
    QDBusObjectPath menu() const { return m_item->menuObjectPath(); }

public Q_SLOTS:
    void Activate(int x, int y) { m_item->hostActivated(QPoint(x, y)); }
    void SecondaryActivate(int x, int y) { m_item->hostAskedSecondary(QPoint(x, y)); }
    void ContextMenu(int x, int y) { m_item->hostAskedForMenu(QPoint(x, y)); }
    // A scroll over the icon has no meaning for this app.
    void Scroll(int, const QString&) {}

Q_SIGNALS:
    void NewIcon();
    void NewToolTip();
    void NewTitle();
    void NewStatus(const QString& status);

private:
    StatusNotifierItem* m_item;
};

} // namespace

StatusNotifierItem::StatusNotifierItem(QMenu* menu, QDBusConnection bus, QObject* parent)
    : QObject(parent)
    , m_menu(menu)
    , m_bus(std::move(bus))
    , m_watcherWatch(new QDBusServiceWatcher(watcherService, m_bus, QDBusServiceWatcher::WatchForRegistration, this))
{
    qDBusRegisterMetaType<StatusNotifierPixmap>();
    qDBusRegisterMetaType<StatusNotifierPixmaps>();
    qDBusRegisterMetaType<StatusNotifierToolTip>();
    new StatusNotifierItemAdaptor(this);
    m_toolTip.title = QCoreApplication::applicationName();
    // A bar that restarts brings a new watcher, which knows no items: register with it again.
    connect(m_watcherWatch, &QDBusServiceWatcher::serviceRegistered, this, [this] {
        if (m_exported) {
            registerWithWatcher();
        }
    });
}

StatusNotifierItem::~StatusNotifierItem()
{
    if (m_exported) {
        m_bus.unregisterObject(itemPath);
        m_bus.unregisterService(m_serviceName);
    }
}

bool StatusNotifierItem::watcherPresent(const QDBusConnection& bus)
{
    const QDBusConnectionInterface* interface = bus.interface();
    return bus.isConnected() && interface != nullptr && interface->isServiceRegistered(watcherService).value();
}

bool StatusNotifierItem::start()
{
    if (!m_bus.isConnected()) {
        return false;
    }
    if (!m_exported) {
        m_menuExporter = new DBusMenuExporter(m_menu, m_bus, menuPath, this);
        if (!m_menuExporter->isExported() || !m_bus.registerObject(itemPath, this, QDBusConnection::ExportAdaptors)) {
            return false;
        }
        // The name hosts recognise as an item's, unique per process and item.
        m_serviceName = QStringLiteral("org.kde.StatusNotifierItem-%1-1").arg(QCoreApplication::applicationPid());
        if (!m_bus.registerService(m_serviceName)) {
            m_bus.unregisterObject(itemPath);
            return false;
        }
        m_exported = true;
    }
    registerWithWatcher();
    return true;
}

void StatusNotifierItem::registerWithWatcher()
{
    const QDBusMessage call =
        QDBusMessage::createMethodCall(watcherService, QStringLiteral("/StatusNotifierWatcher"), watcherService,
                                       QStringLiteral("RegisterStatusNotifierItem"))
        << m_serviceName;
    auto* pending = new QDBusPendingCallWatcher(m_bus.asyncCall(call), this);
    connect(pending, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* finished) {
        finished->deleteLater();
        m_registered = !finished->isError();
        if (m_registered) {
            Q_EMIT registered();
        }
    });
}

QString StatusNotifierItem::watcherProgram() const
{
    const QDBusConnectionInterface* interface = m_bus.interface();
    if (interface == nullptr) {
        return {};
    }
    const QDBusReply<QString> owner = interface->serviceOwner(watcherService);
    const QDBusReply<uint> pid = owner.isValid() ? interface->servicePid(owner.value()) : QDBusReply<uint>();
    if (!pid.isValid()) {
        return {};
    }
    QFile comm(QStringLiteral("/proc/%1/comm").arg(pid.value()));
    return comm.open(QIODevice::ReadOnly) ? QString::fromUtf8(comm.readAll()).trimmed() : QString();
}

QString StatusNotifierItem::title() const
{
    // The name hosts list the item under; the tooltip carries the translated text.
    return QCoreApplication::applicationName();
}

void StatusNotifierItem::setIconName(const QString& name)
{
    if (name != m_iconName) {
        m_iconName = name;
        Q_EMIT NewIcon();
    }
}

void StatusNotifierItem::setIconImages(const QList<QImage>& images)
{
    m_pixmaps.clear();
    for (const QImage& image : images) {
        m_pixmaps.append(StatusNotifierPixmap::fromImage(image));
    }
    Q_EMIT NewIcon();
}

void StatusNotifierItem::setToolTip(const QString& title)
{
    if (title != m_toolTip.title) {
        m_toolTip.title = title;
        Q_EMIT NewToolTip();
    }
}

void StatusNotifierItem::hostAskedForMenu(QPoint at)
{
    // For hosts that draw no D-Bus menu of their own: the same menu, at the click.
    m_menu->popup(at);
}

} // namespace tolvik

#include "StatusNotifierItem.moc"
