#pragma once

#include "model/ReminderItem.h"
#include "model/ReminderList.h"
#include "model/StoreRecords.h"

#include <QList>
#include <QSet>
#include <QString>

#include <optional>

namespace tolvik {

/// One list the panel shows, with its reminders in the model's order.
struct ListSection
{
    ReminderList list;
    QList<ReminderItem> reminders;
    /// The reminders of this section whose sub-tasks are folded away.
    QSet<QString> foldedIDs{};
};

/// What the middle of the panel shows instead of the list sections.
enum class Placeholder
{
    requestAccess,
    readAccess,
    permissionRequired,
    noLists,
    allCaughtUp,
};

/// The lists the panel shows, in the model's order: those of the selected accounts (all accounts when none is
/// selected) whose id is in the list selection. An empty list selection shows nothing. Both selections are stored
/// ID sets; ids that match nothing are ignored.
QList<ReminderList> filteredLists(const QList<ReminderList>& lists, const QString& selectedAccountIDsRaw,
                                  const QString& selectedListIDsRaw);

/// One section per shown list, each with the reminders of that list in the model's order; empty lists included.
QList<ListSection> listSections(const QList<ReminderList>& shownLists, const QList<ReminderItem>& reminders);

/// Leaves out the sub-tasks (at every depth) of the reminders in `folded`, and notes in each section which of its
/// reminders are folded.
void foldSubtasks(QList<ListSection>& sections, const QSet<QString>& folded);

/// Lists each section's reminders of `completed` (newest first, as given) below its open ones, at the top level:
/// a completed sub-task is not folded or nested under an open parent.
void appendCompleted(QList<ListSection>& sections, const QList<ReminderItem>& completed);

/// The number of reminders across the sections.
int reminderCount(const QList<ListSection>& sections);

/// The placeholder the middle area shows for an access state and the sections, or nothing when the sections show.
std::optional<Placeholder> placeholderFor(AuthorizationStatus status, const QList<ListSection>& sections);

/// Whether two reminders look the same in a row: every field compared.
bool sameReminder(const ReminderItem& a, const ReminderItem& b);
/// Whether two sections would draw the same.
bool sameSection(const ListSection& a, const ListSection& b);

} // namespace tolvik
