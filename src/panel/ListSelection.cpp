#include "panel/ListSelection.h"

#include "appearance/Preferences.h"

#include <QHash>

#include <algorithm>

namespace tolvik {

QList<ReminderList> filteredLists(const QList<ReminderList>& lists, const QString& selectedAccountIDsRaw,
                                  const QString& selectedListIDsRaw)
{
    const QSet<QString> listIDs = Preferences::decodeIDSet(selectedListIDsRaw);
    if (listIDs.isEmpty()) {
        return {};
    }
    const QSet<QString> accountIDs = Preferences::decodeIDSet(selectedAccountIDsRaw);
    QList<ReminderList> result;
    for (const ReminderList& list : lists) {
        const bool accountShown = accountIDs.isEmpty() || accountIDs.contains(list.accountID);
        if (accountShown && listIDs.contains(list.id)) {
            result.append(list);
        }
    }
    return result;
}

QList<ListSection> listSections(const QList<ReminderList>& shownLists, const QList<ReminderItem>& reminders)
{
    QList<ListSection> sections;
    sections.reserve(shownLists.size());
    QHash<QString, qsizetype> indexByList;
    for (const ReminderList& list : shownLists) {
        indexByList.insert(list.id, sections.size());
        sections.append(ListSection{list, {}});
    }
    // One pass over the reminders, keeping the model's order within each list.
    for (const ReminderItem& reminder : reminders) {
        const auto found = indexByList.constFind(reminder.listID);
        if (found != indexByList.constEnd()) {
            sections[*found].reminders.append(reminder);
        }
    }
    return sections;
}

void foldSubtasks(QList<ListSection>& sections, const QSet<QString>& folded)
{
    if (folded.isEmpty()) {
        return;
    }
    for (ListSection& section : sections) {
        // A sub-task follows its parent, so one pass sees every hidden parent before its own sub-tasks.
        QSet<QString> hidden;
        QList<ReminderItem> kept;
        kept.reserve(section.reminders.size());
        for (const ReminderItem& reminder : std::as_const(section.reminders)) {
            const QString& above = reminder.shownParentID;
            if (!above.isEmpty() && (folded.contains(above) || hidden.contains(above))) {
                hidden.insert(reminder.id);
                continue;
            }
            if (folded.contains(reminder.id) && reminder.shownSubtaskCount > 0) {
                section.foldedIDs.insert(reminder.id);
            }
            kept.append(reminder);
        }
        section.reminders = std::move(kept);
    }
}

void appendCompleted(QList<ListSection>& sections, const QList<ReminderItem>& completed)
{
    if (completed.isEmpty()) {
        return;
    }
    QHash<QString, qsizetype> indexByList;
    for (qsizetype index = 0; index < sections.size(); ++index) {
        indexByList.insert(sections.at(index).list.id, index);
    }
    for (const ReminderItem& reminder : completed) {
        const auto found = indexByList.constFind(reminder.listID);
        if (found == indexByList.constEnd()) {
            continue;
        }
        ReminderItem flat = reminder;
        flat.depth = 0;
        flat.shownParentID.clear();
        flat.shownSubtaskCount = 0;
        sections[*found].reminders.append(std::move(flat));
    }
}

int reminderCount(const QList<ListSection>& sections)
{
    qsizetype total = 0;
    for (const ListSection& section : sections) {
        total += section.reminders.size();
    }
    return static_cast<int>(total);
}

std::optional<Placeholder> placeholderFor(AuthorizationStatus status, const QList<ListSection>& sections)
{
    switch (status) {
    case AuthorizationStatus::fullAccess:
        break;
    case AuthorizationStatus::notDetermined:
        return Placeholder::requestAccess;
    case AuthorizationStatus::writeOnly:
        return Placeholder::readAccess;
    default:
        return Placeholder::permissionRequired;
    }
    if (sections.isEmpty()) {
        return Placeholder::noLists;
    }
    const bool allEmpty = std::all_of(sections.cbegin(), sections.cend(),
                                      [](const ListSection& section) { return section.reminders.isEmpty(); });
    if (allEmpty) {
        return Placeholder::allCaughtUp;
    }
    return std::nullopt;
}

bool sameReminder(const ReminderItem& a, const ReminderItem& b)
{
    return a.id == b.id && a.title == b.title && a.dueDate == b.dueDate && a.dueIsAllDay == b.dueIsAllDay &&
           a.notes == b.notes && a.priority == b.priority && a.recurrence == b.recurrence &&
           a.repeatRule == b.repeatRule && a.isCompleted == b.isCompleted && a.listID == b.listID &&
           a.completionDate == b.completionDate && a.parentID == b.parentID && a.parentTitle == b.parentTitle &&
           a.depth == b.depth && a.shownParentID == b.shownParentID && a.parentHint == b.parentHint &&
           a.subtaskCount == b.subtaskCount && a.completedSubtaskCount == b.completedSubtaskCount &&
           a.shownSubtaskCount == b.shownSubtaskCount;
}

bool sameSection(const ListSection& a, const ListSection& b)
{
    return a.list == b.list && a.foldedIDs == b.foldedIDs &&
           std::equal(a.reminders.cbegin(), a.reminders.cend(), b.reminders.cbegin(), b.reminders.cend(), sameReminder);
}

} // namespace tolvik
