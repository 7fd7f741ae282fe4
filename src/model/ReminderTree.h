#pragma once

#include "model/ReminderItem.h"
#include "model/ReminderTimeframe.h"
#include "model/StoreRecords.h"
#include "model/StoreReminderBatch.h"

#include <QDateTime>
#include <QList>

namespace tolvik {

/// How many days a completed reminder stays listed under "Show Completed".
inline constexpr int recentlyCompletedDays = 7;

/// What the model publishes from one fetch.
struct ArrangedReminders
{
    /// The open reminders inside the timeframe in tree order: each top-level reminder in display order, followed
    /// by its shown sub-tasks (in display order, depth first).
    QList<ReminderItem> visible;
    /// Every open reminder that has a list, whatever the timeframe, in display order and without nesting.
    QList<ReminderItem> open;
    /// The reminders completed within the last `recentlyCompletedDays` days, newest first.
    QList<ReminderItem> recentlyCompleted;
};

/// Sorts reminders for display: dated by due date then title, undated by title after all dated ones, otherwise
/// in the given order.
QList<ReminderItem> sortedForDisplay(QList<ReminderItem> items);

/// Reads the fetched reminders into the published sets. A reminder's parent is the one its RELATED-TO names
/// (preferring one in its own list), or else one that names it with RELTYPE=CHILD. A sub-task nests under its
/// parent only when both are shown in the same list; otherwise it stays at the top level with a hint. A circle of
/// links is cut at the member that comes first in display order, so every walk ends.
ArrangedReminders arrangeReminders(const StoreReminderBatch& fetched, ReminderTimeframe timeframe,
                                   const QDateTime& now);

} // namespace tolvik
