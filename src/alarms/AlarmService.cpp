#include "alarms/AlarmService.h"

#include "appearance/DateTexts.h"
#include "appearance/LocalizationManager.h"
#include "appearance/Preferences.h"

#include <QPointer>

namespace tolvik {

namespace {

const QString defaultAction = QStringLiteral("default");
const QString completeAction = QStringLiteral("complete");
const QString snoozeAction = QStringLiteral("snooze");
const QString longSnoozeAction = QStringLiteral("snooze-hour");
// The server's reason for a notification the user dismissed.
constexpr uint dismissedByUser = 2;
// An alarm that rings later than this after its moment was missed (the app was not running, or the machine slept).
constexpr qint64 missedAfterSeconds = 60;
// A group names this many titles and counts the rest.
constexpr int groupTitlesShown = 5;

// iCalendar stores whole seconds; an acknowledgement must not fall before the ring it answers.
QDateTime wholeSecond(const QDateTime& moment)
{
    return QDateTime::fromSecsSinceEpoch(moment.toSecsSinceEpoch(), Qt::UTC);
}

} // namespace

AlarmService::AlarmService(ReminderStore& store, Preferences& preferences, NotificationClient& client,
                           std::function<QStringList()> shownListIDs, Clock clock, QObject* parent)
    : QObject(parent)
    , m_store(store)
    , m_preferences(preferences)
    , m_client(client)
    , m_shownListIDs(std::move(shownListIDs))
    , m_clock(clock)
    , m_scheduler(std::move(clock))
{
    readSettings();
    connect(&m_scheduler, &AlarmScheduler::ringing, this, &AlarmService::ring);
    connect(&m_client, &NotificationClient::actionInvoked, this, &AlarmService::onAction);
    connect(&m_client, &NotificationClient::closed, this, &AlarmService::onClosed);
    connect(&m_preferences, &Preferences::changed, this, [this](const QString& key) {
        if (key == PreferenceKey::notifyWhenDue || key == PreferenceKey::allDayAlarmTime) {
            readSettings();
        } else if (key == PreferenceKey::selectedListIDs || key == PreferenceKey::selectedAccountIDs) {
            refresh();
        }
    });
}

void AlarmService::readSettings()
{
    const QTime allDay =
        QTime::fromString(m_preferences.string(PreferenceKey::allDayAlarmTime, QString()), QStringLiteral("HH:mm"));
    m_scheduler.setAllDayTime(allDay.isValid() ? allDay : QTime(9, 0));
    m_scheduler.setEnabled(m_preferences.boolean(PreferenceKey::notifyWhenDue).value_or(true));
}

QCoro::Task<> AlarmService::refresh()
{
    const quint64 mine = ++m_refreshes;
    QList<StoreReminder> ringing;
    if (m_store.authorizationStatus() == AuthorizationStatus::fullAccess) {
        const QStringList lists = m_shownListIDs();
        QPointer<AlarmService> self(this);
        StoreReminderBatch fetched;
        // Not inside a conditional expression: g++ 12 destroys the awaited result twice there.
        if (!lists.isEmpty()) {
            fetched = co_await m_store.fetchReminders(lists);
        }
        if (!self || mine != m_refreshes) {
            co_return;
        }
        for (const StoreReminder& reminder : fetched) {
            if (!reminder.isCompleted) {
                ringing.append(reminder);
            }
        }
    }
    m_scheduler.setReminders(std::move(ringing));
    withdrawSettled();
}

void AlarmService::ring(const QList<DueAlarm>& alarms)
{
    QPointer<AlarmService> self(this);
    m_client.notify(requestFor(alarms), [self, alarms](std::optional<uint> id) {
        if (!self) {
            return;
        }
        if (id) {
            self->m_open.insert(*id, alarms);
        }
        Q_EMIT self->notificationSent();
    });
}

NotificationRequest AlarmService::requestFor(const QList<DueAlarm>& alarms) const
{
    NotificationRequest request;
    const QDateTime now = m_clock();
    QStringList titles;
    for (const DueAlarm& alarm : alarms) {
        const std::optional<StoreReminder> reminder = m_store.reminderWithID(alarm.reminderID);
        if (!reminder) {
            continue;
        }
        titles.append(reminder->title);
        const std::optional<QDateTime> due =
            reminder->due ? ringMoment(*reminder->due, m_scheduler.context()) : std::nullopt;
        // Only a missed alarm is urgent: most servers keep a critical notification on screen in alarm colours,
        // which an alarm that rings on time, as expected, does not call for.
        request.critical = request.critical || alarm.trigger.at.secsTo(now) > missedAfterSeconds;
        if (alarms.size() == 1) {
            request.summary = reminder->title;
            QStringList lines;
            if (due) {
                const QString when =
                    reminder->due->time ? DateTexts::rowDueDate(*due) : DateTexts::rowDueDay(reminder->due->date);
                lines.append(localizedString(QStringLiteral("alarms.notification.due")).arg(when));
            }
            const std::optional<StoreList> list = m_store.listWithID(reminder->listID.value_or(QString()));
            if (list) {
                lines.append(list->title);
            }
            request.body = lines.join(QLatin1Char('\n'));
        }
    }
    request.actions.append({defaultAction, localizedString(QStringLiteral("alarms.action.open"))});
    if (alarms.size() == 1) {
        request.actions.append({completeAction, localizedString(QStringLiteral("alarms.action.complete"))});
        request.actions.append({snoozeAction, localizedString(QStringLiteral("alarms.action.snooze"))});
        request.actions.append({longSnoozeAction, localizedString(QStringLiteral("alarms.action.snoozeHour"))});
        return request;
    }
    request.summary = localizedString(QStringLiteral("alarms.notification.group"), int(alarms.size()));
    if (titles.size() > groupTitlesShown) {
        const int more = int(titles.size()) - groupTitlesShown;
        titles = titles.mid(0, groupTitlesShown);
        titles.append(localizedString(QStringLiteral("alarms.notification.more"), more));
    }
    request.body = titles.join(QLatin1Char('\n'));
    return request;
}

void AlarmService::onAction(uint id, const QString& actionKey)
{
    const auto it = m_open.constFind(id);
    if (it == m_open.constEnd()) {
        return;
    }
    // Taken out first: the server closes the notification after an action, and that is no dismissal.
    const QList<DueAlarm> alarms = *it;
    m_open.erase(it);
    // Not every server closes a notification once an action was chosen (dunst keeps it): close it ourselves.
    m_client.close(id);
    const QDateTime now = wholeSecond(m_clock());
    if (actionKey == completeAction) {
        acknowledge(alarms, true, std::nullopt);
    } else if (actionKey == snoozeAction) {
        acknowledge(alarms, false, now.addSecs(snoozeMinutes * 60));
    } else if (actionKey == longSnoozeAction) {
        acknowledge(alarms, false, now.addSecs(longSnoozeMinutes * 60));
    } else {
        acknowledge(alarms, false, std::nullopt);
        Q_EMIT openPanelRequested(alarms.isEmpty() ? QString() : alarms.first().reminderID);
    }
}

void AlarmService::onClosed(uint id, uint reason)
{
    const auto it = m_open.constFind(id);
    if (it == m_open.constEnd()) {
        return;
    }
    const QList<DueAlarm> alarms = *it;
    m_open.erase(it);
    // A notification that expired or that the server withdrew was not seen: it rings again after a restart.
    if (reason == dismissedByUser) {
        acknowledge(alarms, false, std::nullopt);
    }
}

void AlarmService::acknowledge(const QList<DueAlarm>& alarms, bool complete, std::optional<QDateTime> snoozeUntil)
{
    const QDateTime now = wholeSecond(m_clock());
    for (const DueAlarm& alarm : alarms) {
        std::optional<StoreReminder> reminder = m_store.reminderWithID(alarm.reminderID);
        if (!reminder || reminder->isCompleted) {
            continue;
        }
        // Clients keep only the latest acknowledgement; an older one must not move it back.
        QDateTime acknowledged = std::max(now, wholeSecond(alarm.trigger.at));
        if (reminder->lastAcknowledged && reminder->lastAcknowledged->isValid()) {
            acknowledged = std::max(acknowledged, *reminder->lastAcknowledged);
        }
        reminder->lastAcknowledged = acknowledged;
        const QString& occurrence = alarm.trigger.occurrence;
        if (occurrence.isEmpty()) {
            for (int index : alarm.trigger.alarmIndexes) {
                if (index >= 0 && index < reminder->alarms.size()) {
                    reminder->alarms[index].acknowledged = reminder->lastAcknowledged;
                }
            }
        }
        // A dismissal ends a snooze too; a new snooze replaces it. An occurrence of a series is snoozed on its
        // own, under its key, as calendar clients read it; a snooze of the whole series ends either way.
        if (occurrence.isEmpty()) {
            reminder->snoozedUntil = snoozeUntil;
        } else {
            reminder->snoozedUntil.reset();
            if (snoozeUntil) {
                reminder->occurrenceSnoozes.insert(occurrence, *snoozeUntil);
            } else {
                reminder->occurrenceSnoozes.remove(occurrence);
            }
        }
        if (complete) {
            reminder->isCompleted = true;
            reminder->completionDate = now;
        }
        const WriteResult result = m_store.saveReminder(*reminder);
        if (!result.ok()) {
            // The user acted on the notification, so that is where the failure is told.
            NotificationRequest failure;
            failure.summary = localizedString(QStringLiteral("alarms.error")).arg(reminder->title);
            failure.body = *result.error;
            failure.critical = true;
            m_client.notify(failure, [](std::optional<uint>) {});
        }
    }
}

void AlarmService::withdrawSettled()
{
    QHash<QString, const StoreReminder*> byID;
    for (const StoreReminder& reminder : m_scheduler.reminders()) {
        byID.insert(reminder.id, &reminder);
    }
    for (auto it = m_open.begin(); it != m_open.end();) {
        const bool stillDue = std::any_of(it->cbegin(), it->cend(), [&](const DueAlarm& alarm) {
            const StoreReminder* reminder = byID.value(alarm.reminderID);
            if (!reminder) {
                return false;
            }
            return hasPendingBetween(*reminder, alarm.trigger.at, alarm.trigger.at, m_scheduler.context());
        });
        if (stillDue) {
            ++it;
            continue;
        }
        m_client.close(it.key());
        it = m_open.erase(it);
    }
}

} // namespace tolvik
