// A minimal tray host for the end-to-end test of the D-Bus tray path: it owns the status notifier watcher's name on
// the session bus, so that Qt registers the app's tray icon as a status notifier item here instead of over XEmbed.
// It prints "ready" once it owns the name and one line per item registered or gone, for the test script to wait on.
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusContext>
#include <QDBusError>
#include <QDBusMessage>
#include <QDBusServiceWatcher>
#include <QObject>
#include <QStringList>
#include <QTextStream>

namespace {

const QString watcherService = QStringLiteral("org.kde.StatusNotifierWatcher");
const QString watcherPath = QStringLiteral("/StatusNotifierWatcher");
const QString defaultItemPath = QStringLiteral("/StatusNotifierItem");

void report(const QString& line)
{
    QTextStream out(stdout);
    out << line << Qt::endl;
}

class Watcher : public QObject, protected QDBusContext
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierWatcher")
    Q_PROPERTY(QStringList RegisteredStatusNotifierItems READ registeredItems)
    Q_PROPERTY(bool IsStatusNotifierHostRegistered READ isHostRegistered)
    Q_PROPERTY(int ProtocolVersion READ protocolVersion)

public:
    explicit Watcher(QObject* parent = nullptr)
        : QObject(parent)
        , m_vanished(new QDBusServiceWatcher(this))
    {
        m_vanished->setConnection(QDBusConnection::sessionBus());
        m_vanished->setWatchMode(QDBusServiceWatcher::WatchForUnregistration);
        connect(m_vanished, &QDBusServiceWatcher::serviceUnregistered, this, &Watcher::dropItemsOf);
    }

    QStringList registeredItems() const { return m_items; }
    // This program stands in for the host as well, so a host is always there.
    bool isHostRegistered() const { return true; }
    int protocolVersion() const { return 0; }

public Q_SLOTS:
    Q_SCRIPTABLE void RegisterStatusNotifierItem(const QString& serviceOrPath)
    {
        // An item may name its own bus name, or only its object path; then it lives at the caller's unique name.
        QString service = serviceOrPath;
        QString path = defaultItemPath;
        if (serviceOrPath.startsWith(QLatin1Char('/'))) {
            service = message().service();
            path = serviceOrPath;
        }
        if (service.isEmpty()) {
            sendErrorReply(QDBusError::InvalidArgs, QStringLiteral("an item needs a bus name or an object path"));
            return;
        }
        const QString item = service + path;
        if (m_items.contains(item)) {
            return;
        }
        m_items.append(item);
        m_vanished->addWatchedService(service);
        report(QStringLiteral("registered %1 %2").arg(service, path));
        Q_EMIT StatusNotifierItemRegistered(item);
    }

    Q_SCRIPTABLE void RegisterStatusNotifierHost(const QString& service)
    {
        report(QStringLiteral("host %1").arg(service));
        Q_EMIT StatusNotifierHostRegistered();
    }

Q_SIGNALS:
    Q_SCRIPTABLE void StatusNotifierItemRegistered(const QString& item);
    Q_SCRIPTABLE void StatusNotifierItemUnregistered(const QString& item);
    Q_SCRIPTABLE void StatusNotifierHostRegistered();

private:
    void dropItemsOf(const QString& service)
    {
        const QString prefix = service + QLatin1Char('/');
        for (qsizetype i = m_items.size() - 1; i >= 0; --i) {
            if (m_items.at(i).startsWith(prefix)) {
                const QString item = m_items.takeAt(i);
                report(QStringLiteral("unregistered %1 %2").arg(service, item.mid(service.size())));
                Q_EMIT StatusNotifierItemUnregistered(item);
            }
        }
        m_vanished->removeWatchedService(service);
    }

    QDBusServiceWatcher* m_vanished;
    QStringList m_items;
};

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        QTextStream(stderr) << "no session bus: " << bus.lastError().message() << Qt::endl;
        return 1;
    }
    Watcher watcher;
    if (!bus.registerObject(watcherPath, &watcher,
                            QDBusConnection::ExportScriptableSlots | QDBusConnection::ExportScriptableSignals |
                                QDBusConnection::ExportAllProperties)) {
        QTextStream(stderr) << "could not export " << watcherPath << Qt::endl;
        return 1;
    }
    // Owning the name last means that a client which sees the name also finds the object behind it.
    if (!bus.registerService(watcherService)) {
        QTextStream(stderr) << "could not own " << watcherService << ": " << bus.lastError().message() << Qt::endl;
        return 1;
    }
    report(QStringLiteral("ready"));
    return QCoreApplication::exec();
}

#include "sni_watcher.moc"
