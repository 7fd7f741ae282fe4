#include "settings/SettingsSelection.h"

namespace tolvik::SettingsSelection {

QList<ReminderList> offeredLists(const QList<ReminderList>& lists, const QSet<QString>& accountIDs)
{
    if (accountIDs.isEmpty()) {
        return lists;
    }
    QList<ReminderList> offered;
    for (const ReminderList& list : lists) {
        if (accountIDs.contains(list.accountID)) {
            offered.append(list);
        }
    }
    return offered;
}

QSet<QString> pruneListsOfAccount(const QSet<QString>& listIDs, const QString& accountID,
                                  const QList<ReminderList>& lists)
{
    QSet<QString> pruned = listIDs;
    for (const ReminderList& list : lists) {
        if (list.accountID == accountID) {
            pruned.remove(list.id);
        }
    }
    return pruned;
}

QSet<QString> accountIDs(const QList<ReminderAccount>& accounts)
{
    QSet<QString> ids;
    for (const ReminderAccount& account : accounts) {
        ids.insert(account.id);
    }
    return ids;
}

QSet<QString> listIDs(const QList<ReminderList>& lists)
{
    QSet<QString> ids;
    for (const ReminderList& list : lists) {
        ids.insert(list.id);
    }
    return ids;
}

} // namespace tolvik::SettingsSelection
