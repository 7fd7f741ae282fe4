#pragma once

#include "model/ReminderAccount.h"
#include "model/ReminderList.h"

#include <QList>
#include <QSet>
#include <QString>

namespace tolvik {

/// The rules of the account and list choices in the general tab, over decoded ID sets.
namespace SettingsSelection {

/// The lists the tab offers: all of them with no account restriction, else those of the chosen accounts, in the
/// model's order.
QList<ReminderList> offeredLists(const QList<ReminderList>& lists, const QSet<QString>& accountIDs);

/// The list selection once an account is switched off: the ids of that account's known lists are dropped; ids the
/// model does not know stay, since they may belong to a list that is only missing for now.
QSet<QString> pruneListsOfAccount(const QSet<QString>& listIDs, const QString& accountID,
                                  const QList<ReminderList>& lists);

QSet<QString> accountIDs(const QList<ReminderAccount>& accounts);
QSet<QString> listIDs(const QList<ReminderList>& lists);

} // namespace SettingsSelection

} // namespace tolvik
