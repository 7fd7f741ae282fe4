#pragma once

#include "alarms/AlarmTriggers.h"
#include "model/Clock.h"
#include "model/StoreRecords.h"

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QObject>
#include <QString>
#include <QTime>

#include <optional>

class QTimer;

namespace tolvik {

/// One reminder ringing at one of its trigger moments.
struct DueAlarm
{
    QString reminderID;
    AlarmTrigger trigger;
};

/// Decides when reminders ring. Holds the reminders that may ring and one timer for the next trigger of all of
/// them, none when nothing is due. A check rings what fell due since the last one: alarms missed while the app
/// was not running or the machine slept ring once, but none older than a day.
class AlarmScheduler : public QObject
{
    Q_OBJECT

public:
    /// How far back the first check, and a check after a long sleep, looks for missed alarms.
    static constexpr qint64 lookBackSeconds = 24 * 60 * 60;

    explicit AlarmScheduler(Clock clock = systemClock(), QObject* parent = nullptr);

    /// Replaces the reminders that may ring, then checks.
    void setReminders(QList<StoreReminder> reminders);
    const QList<StoreReminder>& reminders() const { return m_reminders; }
    /// The time of day at which reminders due on a day without a time ring.
    void setAllDayTime(QTime time);
    QTime allDayTime() const { return m_context.allDayTime; }
    /// What the last check computed the triggers with.
    const TriggerContext& context() const { return m_context; }
    /// While disabled nothing rings; alarms that fell due meanwhile are not rung when it is enabled again.
    void setEnabled(bool enabled);
    bool isEnabled() const { return m_enabled; }

    /// Rings whatever fell due since the last check, and sets the timer for the next trigger.
    void check();
    /// The moment the timer is set for, or nothing when it is stopped.
    std::optional<QDateTime> nextAlarm() const { return m_next; }

Q_SIGNALS:
    /// Alarms to show in one notification: one reminder, or several due in the same minute, or several missed.
    void ringing(const QList<tolvik::DueAlarm>& alarms);

private:
    void arm(const QDateTime& now);

    Clock m_clock;
    QTimer* m_timer;
    QList<StoreReminder> m_reminders;
    TriggerContext m_context;
    bool m_enabled = true;
    std::optional<QDateTime> m_checkedUntil;
    std::optional<QDateTime> m_next;
    /// What rang already, so that a clock set back does not ring it twice.
    QHash<QString, QDateTime> m_rung;
};

} // namespace tolvik
