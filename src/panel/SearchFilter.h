#pragma once

#include "model/ReminderItem.h"
#include "model/ReminderList.h"
#include "model/ReminderSearch.h"
#include "panel/ListSelection.h"

#include <QHash>
#include <QList>
#include <QSet>
#include <QString>

namespace tolvik {

/// What a search reaching past the shown lists and the timeframe looks through: one section for every list of the
/// selected accounts (all accounts when none is selected), each with every open reminder of that list, in the
/// model's order.
QList<ListSection> wideSections(const QList<ReminderList>& lists, const QList<ReminderItem>& openReminders,
                                const QString& selectedAccountIDsRaw);

/// The reminders of one section that a search leaves on screen.
struct SectionMatches
{
    /// The ids to show: every match, and the reminders above a matching sub-task, so that it keeps its place.
    QSet<QString> shownIDs;
    /// How many reminders of the section match themselves.
    int matchCount = 0;
};

/// Matches reminders against what the user types, keeping each reminder's folded text between keystrokes: folding
/// is most of the cost of a search, and the reminders change far less often than the query.
class SearchFilter
{
public:
    /// Forgets the folded texts; for when the model published new reminders.
    void clear() { m_folded.clear(); }

    bool matches(const SearchQuery& query, const ReminderItem& item);
    SectionMatches matchSection(const ListSection& section, const SearchQuery& query);

private:
    QHash<QString, QString> m_folded;
};

} // namespace tolvik
