#pragma once

#include "model/RecurrenceOption.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <optional>

namespace tolvik {

/// One reminder, as the store held it at the last load. Identified by `id`; deliberately without equality.
struct ReminderItem
{
    QString id;
    QString title;
    /// For a reminder due on a day without a time (all day), the local midnight that starts the day.
    std::optional<QDateTime> dueDate;
    bool dueIsAllDay = false;
    std::optional<QString> notes;
    int priority = 0;
    RecurrenceOption recurrence = RecurrenceOption::none;
    /// The first rule as the file has it, when `recurrence` is custom; what its words are made from.
    RecurrenceRule repeatRule;
    bool isCompleted = false;
    /// When it was completed, for a completed reminder whose file says so.
    std::optional<QDateTime> completionDate;
    QString listID;
    QString uid;
    QStringList categories;
    /// Its VALARMs in file order, and whether the user silenced the ring at the due time.
    QList<StoreAlarm> alarms;
    bool alertSilenced = false;
    /// When its first alarm rings (for a repeating reminder, at the current occurrence); none without alarms.
    std::optional<QDateTime> alertAt;
    /// The sub-tasks it names itself (RELATED-TO;RELTYPE=CHILD).
    QStringList childUIDs;

    /// Why a reminder that names a parent is not shown under it.
    enum class ParentHint
    {
        none,
        /// No reminder with the named UID is in any list.
        missing,
        /// The parent lies in another list.
        otherList,
        /// The parent is in the same list but not shown: completed, or outside the timeframe.
        notShown,
        /// The links go round in a circle; this one was cut loose to end it.
        loop,
    };

    /// The reminder's parent as the files link them (its own RELATED-TO, or the parent's RELTYPE=CHILD): its id
    /// and title; empty when it names none or the parent is missing.
    QString parentID;
    QString parentTitle;
    /// Whether the link is the reminder's own line, or only the parent's RELTYPE=CHILD line.
    bool linkedByParent = false;
    /// Where it sits in the shown tree: how deep, and under which shown reminder (empty at the top level).
    int depth = 0;
    QString shownParentID;
    ParentHint parentHint = ParentHint::none;
    /// Its direct sub-tasks in its list, open or completed, whatever the timeframe; and how many are completed.
    int subtaskCount = 0;
    int completedSubtaskCount = 0;
    /// How many of its sub-tasks are shown under it.
    int shownSubtaskCount = 0;

    /// The moment from which the reminder is overdue: its due time, or the end of its day when it is due all day.
    std::optional<QDateTime> overdueAt() const
    {
        if (!dueDate || !dueIsAllDay) {
            return dueDate;
        }
        return QDateTime(dueDate->date().addDays(1), QTime(0, 0));
    }
};

} // namespace tolvik
