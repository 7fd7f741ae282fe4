// RemindersViewModel's completion, reopening, undo and sub-task operations.

#include "model/RemindersViewModel.h"

#include <QHash>
#include <QPointer>
#include <QSet>

namespace tolvik {

QStringList RemindersViewModel::openSubtaskIDs(const QString& id) const
{
    QHash<QString, QStringList> children;
    for (const ReminderItem& item : m_openReminders) {
        if (!item.parentID.isEmpty()) {
            children[item.parentID].append(item.id);
        }
    }
    QHash<QString, QString> listOf;
    for (const ReminderItem& item : m_openReminders) {
        listOf.insert(item.id, item.listID);
    }
    const QString ownList = listOf.value(id);
    // Links may go round in a circle: each reminder is taken once, and never the one being completed.
    QStringList found;
    QSet<QString> seen{id};
    QStringList pending{id};
    while (!pending.isEmpty()) {
        for (const QString& child : children.value(pending.takeFirst())) {
            if (!seen.contains(child) && listOf.value(child) == ownList) {
                seen.insert(child);
                found.append(child);
                pending.append(child);
            }
        }
    }
    return found;
}

QCoro::Task<bool> RemindersViewModel::addSubtask(QString parentID, QString title, std::optional<QString> notes,
                                                 std::optional<QDateTime> dueDate, int priority,
                                                 RecurrenceOption recurrence, bool dueIsAllDay,
                                                 std::optional<RecurrenceRule> customRule, ReminderAlert alert,
                                                 QStringList tags)
{
    const std::optional<StoreReminder> parent = m_store->reminderWithID(parentID);
    if (!parent || !parent->listID || parent->uid.isEmpty()) {
        co_return false;
    }
    StoreReminder reminder = m_store->newReminder();
    reminder.listID = parent->listID;
    reminder.parentUID = parent->uid;
    co_return co_await addToList(std::move(reminder), title, notes, dueDate, priority, recurrence, dueIsAllDay,
                                 customRule, alert, tags);
}

QCoro::Task<bool> RemindersViewModel::makeSubtask(QString id, QString parentID)
{
    std::optional<StoreReminder> reminder = m_store->reminderWithID(id);
    const std::optional<StoreReminder> parent = m_store->reminderWithID(parentID);
    if (!reminder || !parent || id == parentID || parent->uid.isEmpty() || reminder->listID != parent->listID) {
        co_return false;
    }
    // A reminder under one of its own sub-tasks would make a circle.
    QHash<QString, QString> parentOf;
    for (const QList<ReminderItem>* items : {&m_openReminders, &m_recentlyCompleted}) {
        for (const ReminderItem& item : *items) {
            parentOf.insert(item.id, item.parentID);
        }
    }
    QSet<QString> seen;
    for (QString above = parentID; !above.isEmpty() && !seen.contains(above); above = parentOf.value(above)) {
        if (above == id) {
            co_return false;
        }
        seen.insert(above);
    }
    if (reminder->parentUID == parent->uid) {
        co_return true;
    }
    reminder->parentUID = parent->uid;
    co_return co_await finish(m_store->saveReminder(*reminder));
}

QCoro::Task<bool> RemindersViewModel::moveToTopLevel(QString id)
{
    std::optional<StoreReminder> reminder = m_store->reminderWithID(id);
    if (!reminder) {
        co_return false;
    }
    WriteResult result;
    if (reminder->parentUID) {
        reminder->parentUID.reset();
        result = m_store->saveReminder(*reminder);
    }
    // A parent that names it with RELTYPE=CHILD would still hold it: that one line goes from the parent too.
    QStringList namingParents;
    for (const QList<ReminderItem>* items : {&m_openReminders, &m_recentlyCompleted}) {
        for (const ReminderItem& item : *items) {
            if (!reminder->uid.isEmpty() && item.childUIDs.contains(reminder->uid) && item.listID == reminder->listID) {
                namingParents.append(item.id);
            }
        }
    }
    for (const QString& parentID : std::as_const(namingParents)) {
        if (!result.ok()) {
            break;
        }
        if (std::optional<StoreReminder> parent = m_store->reminderWithID(parentID)) {
            parent->childUIDs.removeAll(reminder->uid);
            result = m_store->saveReminder(*parent);
        }
    }
    co_return co_await finish(result);
}

QCoro::Task<bool> RemindersViewModel::reopenReminder(QString id)
{
    std::optional<StoreReminder> reminder = m_store->reminderWithID(id);
    if (!reminder) {
        co_return false;
    }
    if (!reminder->isCompleted) {
        co_return true;
    }
    reminder->isCompleted = false;
    reminder->completionDate.reset();
    co_return co_await finish(m_store->saveReminder(*reminder));
}

QCoro::Task<std::optional<UndoableChange>> RemindersViewModel::completeReminder(QString id, bool withSubtasks)
{
    std::optional<StoreReminder> reminder = m_store->reminderWithID(id);
    if (!reminder) {
        co_return std::nullopt;
    }
    const QDateTime now = m_clock();
    // The sub-tasks first, so that a failure leaves the parent open and everything can be put back.
    QList<ReminderSnapshot> subtaskSnapshots;
    const QStringList subtasks = withSubtasks ? openSubtaskIDs(id) : QStringList();
    for (const QString& subtaskID : subtasks) {
        std::optional<StoreReminder> subtask = m_store->reminderWithID(subtaskID);
        if (!subtask || subtask->isCompleted) {
            continue;
        }
        std::optional<ReminderSnapshot> snapshot = m_store->snapshotReminder(subtaskID);
        subtask->isCompleted = true;
        subtask->completionDate = now;
        const WriteResult written = m_store->saveReminder(*subtask);
        if (!written.ok()) {
            restoreAll(subtaskSnapshots);
            co_return co_await finishUndoable(UndoableChange::Kind::completed, *reminder, std::nullopt, written);
        }
        if (snapshot && written.written) {
            snapshot->after = written.written;
            subtaskSnapshots.append(std::move(*snapshot));
        }
    }
    std::optional<ReminderSnapshot> snapshot = m_store->snapshotReminder(id);
    const StoreReminder before = *reminder;
    reminder->isCompleted = true;
    reminder->completionDate = now;
    const WriteResult written = m_store->saveReminder(*reminder);
    if (!written.ok()) {
        restoreAll(subtaskSnapshots);
        subtaskSnapshots.clear();
    }
    co_return co_await finishUndoable(UndoableChange::Kind::completed, before, std::move(snapshot), written,
                                      std::move(subtaskSnapshots));
}

WriteResult RemindersViewModel::restoreAll(const QList<ReminderSnapshot>& snapshots)
{
    WriteResult outcome;
    for (const ReminderSnapshot& snapshot : snapshots) {
        const WriteResult result = m_store->restoreReminder(snapshot);
        if (outcome.ok() && !result.ok()) {
            outcome = result;
        }
    }
    return outcome;
}

QCoro::Task<WriteResult> RemindersViewModel::undo(UndoableChange change)
{
    WriteResult result = m_store->restoreReminder(change.snapshot);
    const WriteResult subtasks = restoreAll(change.subtaskSnapshots);
    if (result.ok() && !subtasks.ok()) {
        result = subtasks;
    }
    const bool written = co_await finish(result);
    // Some of them may be back even when one could not be: show what the files hold now.
    if (!written && !change.subtaskSnapshots.isEmpty()) {
        co_await refresh();
    }
    co_return result;
}

} // namespace tolvik
