#pragma once

#include "model/ReminderAccount.h"
#include "model/ReminderItem.h"
#include "model/ReminderList.h"
#include "model/ReminderTimeframe.h"
#include "model/StoreRecords.h"

#include <QColor>
#include <QDateTime>
#include <QList>

namespace tolvik {

/// The name an account is shown with: the store's, or the app's own name for the built-in account.
QString accountNameOf(const StoreAccount& account);
/// The accounts that own the given lists, each once (first list decides), sorted stably by name.
QList<ReminderAccount> accountsOf(const QList<StoreList>& storeLists);

/// One record per store list, sorted stably by name; a list without colour gets `fallbackColor`.
QList<ReminderList> listsOf(const QList<StoreList>& storeLists, const QColor& fallbackColor);

/// The repeat choice a reminder's rules read as: the first rule's frequency decides.
RecurrenceOption recurrenceOptionOf(const StoreReminder& reminder);

/// The record of one store reminder. Its list must be present.
ReminderItem reminderItemOf(const StoreReminder& reminder, const QDateTime& now = QDateTime::currentDateTime());

/// The open reminders that have a list and are due no later than the timeframe's cut-off from `now`
/// (undated and overdue ones always pass), in display order: dated by due date then title, undated by title
/// after all dated ones, otherwise in the store's order.
QList<ReminderItem> visibleReminders(const QList<StoreReminder>& fetched, ReminderTimeframe timeframe,
                                     const QDateTime& now);

} // namespace tolvik
