// RemindersViewModel's list operations.

#include "model/RemindersViewModel.h"
#include "model/TextOrdering.h"

#include <QSet>

namespace tolvik {

QCoro::Task<ListCreation> RemindersViewModel::createList(QString accountID, QString name, QColor color)
{
    const ListCreation created = m_store->createList(accountID, name, color);
    if (!created.error) {
        // The user made it to use it: shown at once, even when the account filter would have hidden it.
        QSet<QString> lists = Preferences::decodeIDSet(m_preferences.string(PreferenceKey::selectedListIDs, {}));
        lists.insert(created.listID);
        m_preferences.setString(PreferenceKey::selectedListIDs, Preferences::encodeIDSet(lists));
        QSet<QString> accounts = Preferences::decodeIDSet(m_preferences.string(PreferenceKey::selectedAccountIDs, {}));
        if (!accounts.isEmpty() && !accounts.contains(accountID)) {
            accounts.insert(accountID);
            m_preferences.setString(PreferenceKey::selectedAccountIDs, Preferences::encodeIDSet(accounts));
        }
    }
    // Named: g++ 12 destroys a temporary inside a co_await expression twice.
    const WriteResult result{created.error};
    co_await finish(result);
    co_return created;
}

QCoro::Task<WriteResult> RemindersViewModel::renameList(QString id, QString name)
{
    const WriteResult result = m_store->renameList(id, name);
    co_await finish(result);
    co_return result;
}

QCoro::Task<WriteResult> RemindersViewModel::recolorList(QString id, QColor color)
{
    const WriteResult result = m_store->recolorList(id, color);
    co_await finish(result);
    co_return result;
}

QCoro::Task<WriteResult> RemindersViewModel::deleteList(QString id)
{
    const WriteResult result = m_store->deleteList(id);
    if (result.ok()) {
        // A later list in a folder of the same name must not come back selected.
        QSet<QString> lists = Preferences::decodeIDSet(m_preferences.string(PreferenceKey::selectedListIDs, {}));
        if (lists.remove(id)) {
            m_preferences.setString(PreferenceKey::selectedListIDs, Preferences::encodeIDSet(lists));
        }
    }
    co_await finish(result);
    co_return result;
}

QCoro::Task<int> RemindersViewModel::reminderCountOfList(QString id)
{
    QStringList listIDs{id};
    const StoreReminderBatch reminders = co_await m_store->fetchReminders(std::move(listIDs));
    int count = static_cast<int>(reminders.size());
    co_return count;
}

} // namespace tolvik

namespace tolvik {

QStringList RemindersViewModel::tagsInUse() const
{
    // One entry per tag whatever its case, spelled as it was first met.
    QStringList tags;
    QSet<QString> seen;
    for (const QList<ReminderItem>* reminders : {&m_openReminders, &m_recentlyCompleted}) {
        for (const ReminderItem& reminder : *reminders) {
            for (const QString& tag : reminder.categories) {
                if (!seen.contains(tag.toCaseFolded())) {
                    seen.insert(tag.toCaseFolded());
                    tags.append(tag);
                }
            }
        }
    }
    stableSortByText(tags, [](const QString& tag) { return tag.toCaseFolded(); });
    return tags;
}

} // namespace tolvik
