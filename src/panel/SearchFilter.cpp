#include "panel/SearchFilter.h"

#include "appearance/Preferences.h"

namespace tolvik {

QList<ListSection> wideSections(const QList<ReminderList>& lists, const QList<ReminderItem>& openReminders,
                                const QString& selectedAccountIDsRaw)
{
    const QSet<QString> accountIDs = Preferences::decodeIDSet(selectedAccountIDsRaw);
    QList<ReminderList> searched;
    for (const ReminderList& list : lists) {
        if (accountIDs.isEmpty() || accountIDs.contains(list.accountID)) {
            searched.append(list);
        }
    }
    return listSections(searched, openReminders);
}

bool SearchFilter::matches(const SearchQuery& query, const ReminderItem& item)
{
    if (query.isEmpty()) {
        return true;
    }
    auto found = m_folded.constFind(item.id);
    if (found == m_folded.constEnd()) {
        found = m_folded.insert(item.id, SearchQuery::foldedFields(item));
    }
    return query.matchesFolded(*found);
}

SectionMatches SearchFilter::matchSection(const ListSection& section, const SearchQuery& query)
{
    SectionMatches result;
    QHash<QString, QString> parentOf;
    for (const ReminderItem& item : section.reminders) {
        if (!item.shownParentID.isEmpty()) {
            parentOf.insert(item.id, item.shownParentID);
        }
        if (matches(query, item)) {
            result.shownIDs.insert(item.id);
            ++result.matchCount;
        }
    }
    // The parents of a matching sub-task show with it. The model's tree has no circles, but the walk stops at an id
    // already shown all the same, which also ends it early where two matches share their parents.
    const QList<QString> matched(result.shownIDs.cbegin(), result.shownIDs.cend());
    for (const QString& id : matched) {
        for (QString parent = parentOf.value(id); !parent.isEmpty() && !result.shownIDs.contains(parent);
             parent = parentOf.value(parent)) {
            result.shownIDs.insert(parent);
        }
    }
    return result;
}

} // namespace tolvik
