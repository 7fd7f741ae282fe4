// Completed reminders in the panel: the "Show Completed" rows below each list's open ones, the moment a reminder
// completed here keeps its place, and marking a completed reminder not completed again.
#include "panel/ContentView.h"

#include "appearance/Preferences.h"
#include "panel/PanelHeader.h"
#include "panel/ReminderListSection.h"
#include "panel/UndoBar.h"

#include <QTimer>

#include <QCoro/QCoroTask>

namespace tolvik {

bool ContentView::showsCompleted() const
{
    return Preferences::shared().boolean(PreferenceKey::showCompleted).value_or(false);
}

void ContentView::addCompletedRows(QList<ListSection>& sections) const
{
    if (showsCompleted()) {
        appendCompleted(sections, m_model.recentlyCompleted());
    }
    for (const Lingering& lingering : m_lingering) {
        for (ListSection& section : sections) {
            if (section.list.id != lingering.item.listID) {
                continue;
            }
            QList<ReminderItem>& reminders = section.reminders;
            reminders.removeIf([&lingering](const ReminderItem& reminder) {
                return reminder.isCompleted && reminder.id == lingering.item.id;
            });
            // Put back where it was: after the row it followed, else at its old place. A reminder the model still
            // lists as open (a repeating one moved on, or one undone meanwhile) needs no stand-in.
            qsizetype at = std::min(lingering.index, reminders.size());
            bool listed = false;
            for (qsizetype index = 0; index < reminders.size(); ++index) {
                if (reminders.at(index).id == lingering.item.id && !reminders.at(index).isCompleted) {
                    listed = true;
                }
                if (!lingering.previousID.isEmpty() && reminders.at(index).id == lingering.previousID) {
                    at = index + 1;
                }
            }
            if (!listed) {
                reminders.insert(at, lingering.item);
            }
        }
    }
}

void ContentView::lingerAfterCompletion(const UndoableChange& change)
{
    if (change.kind != UndoableChange::Kind::completed || !isVisible()) {
        return;
    }
    // The model has published the list without it, and the panel has not drawn that yet: its row is still here.
    for (const ReminderItem& open : m_model.reminders()) {
        if (open.id == change.reminderID) {
            return;
        }
    }
    for (const ReminderListSection* section : std::as_const(m_order)) {
        const QList<ReminderItem>& shown = m_shownContent.value(section->list().id).reminders;
        for (qsizetype index = 0; index < shown.size(); ++index) {
            if (shown.at(index).id != change.reminderID || shown.at(index).isCompleted) {
                continue;
            }
            Lingering lingering{shown.at(index), index > 0 ? shown.at(index - 1).id : QString(), index, change,
                                ++m_lingerSerial};
            lingering.item.isCompleted = true;
            lingering.item.completionDate = m_clock();
            lingering.item.shownSubtaskCount = 0;
            const QString id = change.reminderID;
            const quint64 serial = lingering.serial;
            m_lingering.insert(id, std::move(lingering));
            QTimer::singleShot(lingerMs, this, [this, id, serial] {
                const auto found = m_lingering.constFind(id);
                if (found != m_lingering.constEnd() && found->serial == serial) {
                    m_lingering.erase(found);
                    scheduleRender();
                }
            });
            scheduleRender();
            return;
        }
    }
}

void ContentView::reopenFromRow(const QString& reminderID)
{
    const auto lingering = m_lingering.find(reminderID);
    if (lingering != m_lingering.end()) {
        // Pressed again in the moment after completing it: the completion is undone, as the undo bar would.
        if (!lingering->undoing) {
            lingering->undoing = true;
            m_undoBar->undoChange(lingering->change);
        }
        return;
    }
    QString title;
    for (const ReminderItem& completed : m_model.recentlyCompleted()) {
        if (completed.id == reminderID) {
            title = completed.title;
        }
    }
    QCoro::connect(m_model.reopenReminder(reminderID), this, [this, title](bool reopened) {
        if (!reopened) {
            m_undoBar->showReopenFailure(title, m_model.lastOperationError().value_or(QString()));
        }
    });
}

} // namespace tolvik
