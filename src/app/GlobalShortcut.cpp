#include "app/GlobalShortcut.h"

#include "app/PortalShortcut.h"
#include "appearance/LocalizationManager.h"
#include "settings/GlobalShortcutStatus.h"

#include <QDBusAbstractInterface>
#include <QDBusArgument>
#include <QDBusConnectionInterface>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QKeySequence>
#include <QRandomGenerator>

namespace tolvik {

namespace {

const QString portalService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString portalPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString portalShortcuts = QStringLiteral("org.freedesktop.portal.GlobalShortcuts");
const QString kdeService = QStringLiteral("org.kde.kglobalaccel");

// Proxies whose Qt signals QtDBus connects to the D-Bus signals of the same name, so that the client can use
// function-pointer connections.
class PortalRequest : public QDBusAbstractInterface
{
    Q_OBJECT
public:
    PortalRequest(const QString& path, const QDBusConnection& bus, QObject* parent)
        : QDBusAbstractInterface(portalService, path, "org.freedesktop.portal.Request", bus, parent)
    {}
Q_SIGNALS:
    void Response(uint response, const QVariantMap& results);
};

class PortalShortcutsInterface : public QDBusAbstractInterface
{
    Q_OBJECT
public:
    PortalShortcutsInterface(const QDBusConnection& bus, QObject* parent)
        : QDBusAbstractInterface(portalService, portalPath, "org.freedesktop.portal.GlobalShortcuts", bus, parent)
    {}
Q_SIGNALS:
    void Activated(const QDBusObjectPath& session, const QString& shortcut, qulonglong timestamp,
                   const QVariantMap& options);
};

class KdeComponent : public QDBusAbstractInterface
{
    Q_OBJECT
public:
    KdeComponent(const QDBusConnection& bus, QObject* parent)
        : QDBusAbstractInterface(kdeService, QStringLiteral("/component/") + GlobalShortcut::kdeComponent(),
                                 "org.kde.kglobalaccel.Component", bus, parent)
    {}
Q_SIGNALS:
    void globalShortcutPressed(const QString& component, const QString& shortcut, qlonglong timestamp);
};

QString newToken()
{
    return QStringLiteral("tolvik%1").arg(QRandomGenerator::global()->generate());
}

/// Where the portal puts the Request object for a call with this token (the documented path scheme), so that the
/// client can listen before calling and miss no answer.
QString requestPath(const QDBusConnection& bus, const QString& token)
{
    QString sender = bus.baseService().mid(1);
    sender.replace(QLatin1Char('.'), QLatin1Char('_'));
    return portalPath + QStringLiteral("/request/") + sender + QLatin1Char('/') + token;
}

QStringList kdeActionID()
{
    return {GlobalShortcut::kdeComponent(), GlobalShortcut::shortcutID(), QStringLiteral("TolvikReminder"),
            localizedString(QStringLiteral("quickAdd.shortcut.description"))};
}

} // namespace

GlobalShortcut::GlobalShortcut(QDBusConnection bus, QObject* parent)
    : QObject(parent)
    , m_bus(std::move(bus))
{
    qDBusRegisterMetaType<PortalShortcut>();
    qDBusRegisterMetaType<QList<PortalShortcut>>();
}

void GlobalShortcut::start()
{
    if (!m_bus.isConnected()) {
        settle(Backend::none);
        return;
    }
    // The portal says it offers global shortcuts by answering for the interface's version.
    QDBusMessage probe = QDBusMessage::createMethodCall(
        portalService, portalPath, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    probe << portalShortcuts << QStringLiteral("version");
    auto* watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(probe), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* call) {
        call->deleteLater();
        if (call->isError()) {
            startKGlobalAccel();
        } else {
            startPortal();
        }
    });
}

void GlobalShortcut::callPortal(const QString& method, QList<QVariant> arguments, const QString& token,
                                std::function<void(uint, const QVariantMap&)> onResponse)
{
    auto* request = new PortalRequest(requestPath(m_bus, token), m_bus, this);
    connect(request, &PortalRequest::Response, this, [request, onResponse](uint response, const QVariantMap& results) {
        request->deleteLater();
        onResponse(response, results);
    });
    QDBusMessage call = QDBusMessage::createMethodCall(portalService, portalPath, portalShortcuts, method);
    call.setArguments(arguments);
    auto* watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, request](QDBusPendingCallWatcher* pending) {
        pending->deleteLater();
        if (pending->isError()) {
            request->deleteLater();
            startKGlobalAccel();
        }
    });
}

void GlobalShortcut::startPortal()
{
    const QString token = newToken();
    const QVariantMap options{{QStringLiteral("handle_token"), token},
                              {QStringLiteral("session_handle_token"), newToken()}};
    callPortal(QStringLiteral("CreateSession"), {options}, token, [this](uint response, const QVariantMap& results) {
        const QVariant handle = results.value(QStringLiteral("session_handle"));
        // The portal documents a string here, but some portals send an object path.
        const QString session = handle.metaType() == QMetaType::fromType<QDBusObjectPath>()
                                    ? handle.value<QDBusObjectPath>().path()
                                    : handle.toString();
        if (response != 0 || session.isEmpty()) {
            startKGlobalAccel();
            return;
        }
        bindPortalShortcut(session);
    });
}

void GlobalShortcut::bindPortalShortcut(const QString& sessionHandle)
{
    m_sessionHandle = sessionHandle;
    auto* shortcuts = new PortalShortcutsInterface(m_bus, this);
    connect(shortcuts, &PortalShortcutsInterface::Activated, this,
            [this](const QDBusObjectPath& session, const QString& id) {
                if (session.path() == m_sessionHandle && id == shortcutID()) {
                    Q_EMIT activated();
                }
            });
    const QList<PortalShortcut> wanted{
        {shortcutID(),
         {{QStringLiteral("description"), localizedString(QStringLiteral("quickAdd.shortcut.description"))},
          {QStringLiteral("preferred_trigger"), QStringLiteral("SHIFT+LOGO+r")}}}};
    const QString token = newToken();
    callPortal(QStringLiteral("BindShortcuts"),
               {QVariant::fromValue(QDBusObjectPath(sessionHandle)), QVariant::fromValue(wanted), QString(),
                QVariantMap{{QStringLiteral("handle_token"), token}}},
               token, [this](uint response, const QVariantMap&) {
                   // The user may decline in the desktop's dialog; then the command is the way in.
                   settle(response == 0 ? Backend::portal : Backend::none);
               });
}

void GlobalShortcut::startKGlobalAccel()
{
    if (m_settled) {
        return;
    }
    QDBusConnectionInterface* daemon = m_bus.interface();
    if (daemon == nullptr || !daemon->isServiceRegistered(kdeService)) {
        settle(Backend::none);
        return;
    }
    const QString kdeInterface = QStringLiteral("org.kde.KGlobalAccel");
    QDBusMessage doRegister = QDBusMessage::createMethodCall(kdeService, QStringLiteral("/kglobalaccel"), kdeInterface,
                                                             QStringLiteral("doRegister"));
    doRegister << kdeActionID();
    m_bus.call(doRegister, QDBus::NoBlock);
    // SetPresent (2) with autoloading: a key the user already chose in the desktop's settings wins over ours.
    const QList<int> keys{QKeyCombination(Qt::META | Qt::SHIFT, Qt::Key_R).toCombined()};
    QDBusMessage setShortcut = QDBusMessage::createMethodCall(kdeService, QStringLiteral("/kglobalaccel"), kdeInterface,
                                                              QStringLiteral("setShortcut"));
    setShortcut << kdeActionID() << QVariant::fromValue(keys) << uint(2);
    auto* watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(setShortcut), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* call) {
        call->deleteLater();
        if (call->isError()) {
            settle(Backend::none);
            return;
        }
        auto* component = new KdeComponent(m_bus, this);
        connect(component, &KdeComponent::globalShortcutPressed, this,
                [this](const QString& componentName, const QString& id) {
                    if (componentName == kdeComponent() && id == shortcutID()) {
                        Q_EMIT activated();
                    }
                });
        settle(Backend::kglobalaccel);
    });
}

void GlobalShortcut::settle(Backend backend)
{
    m_settled = true;
    m_backend = backend;
    GlobalShortcutStatus::shared().setState(backend == Backend::none ? GlobalShortcutStatus::State::unavailable
                                                                     : GlobalShortcutStatus::State::registered);
    Q_EMIT backendChanged(backend);
}

} // namespace tolvik

#include "GlobalShortcut.moc"
