#include "alarms/NotificationClient.h"

#include <QCoreApplication>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QVariantMap>

namespace tolvik {

namespace {

const QString appID = QStringLiteral("org.tolvik.TolvikReminder");
const QString interfaceName = QStringLiteral("org.freedesktop.Notifications");
// A server that does not answer within this time is treated as absent for that call.
constexpr int callTimeoutMs = 5000;

QDBusMessage call(const QString& method)
{
    return QDBusMessage::createMethodCall(NotificationClient::service, NotificationClient::path, interfaceName, method);
}

} // namespace

NotificationClient::NotificationClient(const QDBusConnection& bus, QObject* parent)
    : QObject(parent)
    , m_bus(bus)
{
    m_bus.connect(service, path, interfaceName, QStringLiteral("ActionInvoked"), this,
                  SLOT(onActionInvoked(uint, QString)));
    m_bus.connect(service, path, interfaceName, QStringLiteral("NotificationClosed"), this, SLOT(onClosed(uint, uint)));
}

void NotificationClient::notify(const NotificationRequest& request, std::function<void(std::optional<uint>)> sent)
{
    withCapabilities([this, request, sent = std::move(sent)] { send(request, sent); });
}

void NotificationClient::close(uint id)
{
    QDBusMessage message = call(QStringLiteral("CloseNotification"));
    message << id;
    m_bus.asyncCall(message, callTimeoutMs);
}

void NotificationClient::onActionInvoked(uint id, const QString& actionKey)
{
    Q_EMIT actionInvoked(id, actionKey);
}

void NotificationClient::onClosed(uint id, uint reason)
{
    Q_EMIT closed(id, reason);
}

void NotificationClient::withCapabilities(std::function<void()> next)
{
    if (m_actions) {
        next();
        return;
    }
    m_waiting.append(std::move(next));
    if (m_asking) {
        return;
    }
    m_asking = true;
    auto* watcher =
        new QDBusPendingCallWatcher(m_bus.asyncCall(call(QStringLiteral("GetCapabilities")), callTimeoutMs), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* finished) {
        finished->deleteLater();
        const QDBusPendingReply<QStringList> reply = *finished;
        m_asking = false;
        const bool answered = !reply.isError();
        // Without an answer, ask again next time: the server may start later in the session.
        m_actions = answered && reply.value().contains(QStringLiteral("actions"));
        const QList<std::function<void()>> waiting = std::exchange(m_waiting, {});
        for (const auto& next : waiting) {
            next();
        }
        if (!answered) {
            m_actions.reset();
        }
    });
}

void NotificationClient::send(const NotificationRequest& request, const std::function<void(std::optional<uint>)>& sent)
{
    QStringList actions;
    if (m_actions.value_or(false)) {
        for (const auto& [key, label] : request.actions) {
            actions << key << label;
        }
    }
    QVariantMap hints;
    hints.insert(QStringLiteral("urgency"), QVariant::fromValue(uchar(request.critical ? 2 : 1)));
    hints.insert(QStringLiteral("desktop-entry"), appID);
    hints.insert(QStringLiteral("category"), QStringLiteral("reminder"));

    QDBusMessage message = call(QStringLiteral("Notify"));
    message << QCoreApplication::applicationName() << uint(0) << appID << request.summary << request.body << actions
            << hints << int(-1);
    auto* watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(message, callTimeoutMs), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [sent](QDBusPendingCallWatcher* finished) {
        finished->deleteLater();
        const QDBusPendingReply<uint> reply = *finished;
        sent(reply.isError() ? std::nullopt : std::optional<uint>(reply.value()));
    });
}

} // namespace tolvik
