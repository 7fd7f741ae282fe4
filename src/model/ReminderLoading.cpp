#include "model/ReminderLoading.h"

#include "appearance/LocalizationManager.h"
#include "model/ReminderAlert.h"
#include "model/ReminderTree.h"
#include "model/TextOrdering.h"

#include <QSet>

namespace tolvik {

QString accountNameOf(const StoreAccount& account)
{
    return account.id == builtInAccountID ? localizedString(QStringLiteral("account.onThisComputer")) : account.title;
}

QList<ReminderAccount> accountsOf(const QList<StoreList>& storeLists)
{
    QList<ReminderAccount> accounts;
    QSet<QString> seen;
    for (const StoreList& list : storeLists) {
        if (seen.contains(list.account.id)) {
            continue;
        }
        seen.insert(list.account.id);
        accounts.append(ReminderAccount{list.account.id, accountNameOf(list.account)});
    }
    stableSortByText(accounts, [](const ReminderAccount& account) { return account.name; });
    return accounts;
}

QList<ReminderList> listsOf(const QList<StoreList>& storeLists, const QColor& fallbackColor)
{
    QList<ReminderList> lists;
    lists.reserve(storeLists.size());
    for (const StoreList& list : storeLists) {
        lists.append(ReminderList{list.id, list.title, list.color.value_or(fallbackColor), list.account.id,
                                  accountNameOf(list.account)});
    }
    stableSortByText(lists, [](const ReminderList& list) { return list.name; });
    return lists;
}

RecurrenceOption recurrenceOptionOf(const StoreReminder& reminder)
{
    if (reminder.recurrenceRules.isEmpty()) {
        return RecurrenceOption::none;
    }
    return recurrenceOptionOf(std::optional(reminder.recurrenceRules.first()));
}

ReminderItem reminderItemOf(const StoreReminder& reminder, const QDateTime& now)
{
    ReminderItem item;
    item.id = reminder.id;
    item.title = reminder.title;
    // A repeating reminder is due at its current occurrence, however the file keeps the series.
    const std::optional<StoreOccurrence> current = reminder.series ? reminder.series->current(now) : std::nullopt;
    const std::optional<DueDateComponents>& due = current && current->due ? current->due : reminder.due;
    item.dueDate = due ? due->toDateTime() : std::nullopt;
    item.dueIsAllDay = item.dueDate && !due->time;
    item.notes = reminder.notes;
    item.priority = reminder.priority;
    item.recurrence = recurrenceOptionOf(reminder);
    if (item.recurrence == RecurrenceOption::custom) {
        item.repeatRule = reminder.recurrenceRules.first();
    }
    item.isCompleted = reminder.isCompleted;
    item.completionDate = reminder.completionDate;
    item.listID = reminder.listID.value_or(QString());
    item.uid = reminder.uid;
    item.categories = reminder.categories;
    item.alarms = reminder.alarms;
    item.alertSilenced = reminder.alertSilenced;
    if (!reminder.alarms.isEmpty()) {
        const std::optional<DueDateComponents>& start = current && current->start ? current->start : reminder.start;
        item.alertAt = alarmMoment(reminder.alarms.first(), due ? due->toDateTime() : std::nullopt,
                                   start ? start->toDateTime() : std::nullopt);
    }
    item.childUIDs = reminder.childUIDs;
    return item;
}

QList<ReminderItem> visibleReminders(const QList<StoreReminder>& fetched, ReminderTimeframe timeframe,
                                     const QDateTime& now)
{
    const std::optional<QDateTime> limit = cutOff(timeframe, now);
    QList<ReminderItem> kept;
    for (const StoreReminder& reminder : fetched) {
        if (!reminder.listID || reminder.isCompleted) {
            continue;
        }
        ReminderItem item = reminderItemOf(reminder, now);
        if (limit && item.dueDate && *item.dueDate > *limit) {
            continue;
        }
        kept.append(std::move(item));
    }

    return sortedForDisplay(std::move(kept));
}

} // namespace tolvik
