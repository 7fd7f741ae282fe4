#include "alarms/AlarmScheduler.h"

#include <QMap>
#include <QTimer>

#include <algorithm>

namespace tolvik {

namespace {

// QTimer takes an int of milliseconds; a far alarm is re-armed on the way instead.
constexpr qint64 longestWaitMs = 24LL * 60 * 60 * 1000;

QString ringKey(const QString& reminderID, const QDateTime& at)
{
    return reminderID + QLatin1Char('@') + QString::number(at.toMSecsSinceEpoch());
}

QDateTime minuteOf(const QDateTime& moment)
{
    const qint64 secs = moment.toSecsSinceEpoch();
    return QDateTime::fromSecsSinceEpoch(secs - ((secs % 60) + 60) % 60);
}

} // namespace

AlarmScheduler::AlarmScheduler(Clock clock, QObject* parent)
    : QObject(parent)
    , m_clock(std::move(clock))
    , m_timer(new QTimer(this))
{
    m_timer->setSingleShot(true);
    m_timer->setTimerType(Qt::PreciseTimer);
    connect(m_timer, &QTimer::timeout, this, &AlarmScheduler::check);
}

void AlarmScheduler::setReminders(QList<StoreReminder> reminders)
{
    m_reminders = std::move(reminders);
    check();
}

void AlarmScheduler::setAllDayTime(QTime time)
{
    if (time.isValid() && time != m_context.allDayTime) {
        m_context.allDayTime = time;
        check();
    }
}

void AlarmScheduler::setEnabled(bool enabled)
{
    if (enabled == m_enabled) {
        return;
    }
    m_enabled = enabled;
    check();
}

void AlarmScheduler::check()
{
    // In UTC: comparing with a local time would ask the C library for the zone each time.
    const QDateTime now = m_clock().toUTC();
    // The user may have moved to another zone since the last check.
    if (QTimeZone zone = QTimeZone::systemTimeZone(); zone != m_context.localZone) {
        m_context.localZone = zone;
        m_context.conversions.clear();
    }
    const QDateTime oldest = now.addSecs(-lookBackSeconds);
    QDateTime from = m_checkedUntil.value_or(oldest);
    // A clock set back makes the next check start from the new now; what rang stays rung.
    m_checkedUntil = now;
    if (!m_enabled) {
        m_timer->stop();
        m_next.reset();
        return;
    }
    from = std::max(from, oldest);
    m_rung.removeIf([&](const auto& entry) { return entry.value() < oldest; });

    // Alarms due in the current minute are grouped by their minute; every older one missed is one group.
    const QDateTime currentMinute = minuteOf(now);
    QMap<QDateTime, QList<DueAlarm>> groups;
    for (const StoreReminder& reminder : std::as_const(m_reminders)) {
        if (!hasPendingBetween(reminder, from, now, m_context)) {
            continue;
        }
        for (const AlarmTrigger& trigger : pendingTriggers(reminder, from, now, m_context)) {
            const QString key = ringKey(reminder.id, trigger.at);
            if (m_rung.contains(key)) {
                continue;
            }
            m_rung.insert(key, trigger.at);
            const QDateTime minute = std::max(minuteOf(trigger.at), currentMinute.addSecs(-60));
            groups[minute].append(DueAlarm{reminder.id, trigger});
        }
    }
    for (QList<DueAlarm>& group : groups) {
        std::stable_sort(group.begin(), group.end(),
                         [](const DueAlarm& a, const DueAlarm& b) { return a.trigger.at < b.trigger.at; });
        Q_EMIT ringing(group);
    }
    arm(now);
}

void AlarmScheduler::arm(const QDateTime& now)
{
    m_next = nextTriggerAfter(m_reminders, now, m_context);
    if (!m_next) {
        m_timer->stop();
        return;
    }
    m_timer->start(int(std::clamp(now.msecsTo(*m_next), qint64(0), longestWaitMs)));
}

} // namespace tolvik
