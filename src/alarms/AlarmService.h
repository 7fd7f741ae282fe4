#pragma once

#include "alarms/AlarmScheduler.h"
#include "alarms/NotificationClient.h"
#include "model/Clock.h"
#include "model/ReminderStore.h"

#include <QCoro/QCoroTask>
#include <QHash>
#include <QList>
#include <QObject>
#include <QStringList>

#include <functional>

namespace tolvik {

class Preferences;

/// Rings reminders as desktop notifications and carries out what the user does with them. Reads the reminders
/// of the lists the panel shows, while access is granted; Complete, Snooze, a click and a dismissal write the
/// acknowledgement into the reminder's file, so that phones and other clients stop ringing it too. A notification
/// whose reminders were completed, acknowledged or deleted anywhere is withdrawn.
class AlarmService : public QObject
{
    Q_OBJECT

public:
    static constexpr int snoozeMinutes = 10;
    static constexpr int longSnoozeMinutes = 60;

    /// `store`, `preferences` and `client` must outlive the service. `shownListIDs` names the lists that ring.
    AlarmService(ReminderStore& store, Preferences& preferences, NotificationClient& client,
                 std::function<QStringList()> shownListIDs, Clock clock = systemClock(), QObject* parent = nullptr);

    AlarmScheduler& scheduler() { return m_scheduler; }
    /// The notifications the server shows for this app, by the server's id.
    QList<uint> openNotifications() const { return m_open.keys(); }

    /// Reads the shown lists' reminders again and rings what fell due. Call after every refresh of the model.
    QCoro::Task<> refresh();

Q_SIGNALS:
    /// The user clicked a notification, or chose "Show": the panel should open at the reminder that rang (the first
    /// of a group).
    void openPanelRequested(const QString& reminderID);
    /// A notification was sent (or could not be) and the server's answer arrived.
    void notificationSent();

private:
    void readSettings();
    void ring(const QList<DueAlarm>& alarms);
    void onAction(uint id, const QString& actionKey);
    void onClosed(uint id, uint reason);
    /// Writes the acknowledgement of each alarm, plus a completion or a snooze until `snoozeUntil`.
    void acknowledge(const QList<DueAlarm>& alarms, bool complete, std::optional<QDateTime> snoozeUntil);
    void withdrawSettled();
    NotificationRequest requestFor(const QList<DueAlarm>& alarms) const;

    ReminderStore& m_store;
    Preferences& m_preferences;
    NotificationClient& m_client;
    std::function<QStringList()> m_shownListIDs;
    Clock m_clock;
    AlarmScheduler m_scheduler;
    QHash<uint, QList<DueAlarm>> m_open;
    quint64 m_refreshes = 0;
};

} // namespace tolvik
