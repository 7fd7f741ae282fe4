// A row's sub-task commands: the add form for a sub-task, and the menu's "Make Sub-task of…" and "Move to Top
// Level".
#include "rows/ReminderRow.h"

#include "appearance/LocalizationManager.h"
#include "model/RemindersViewModel.h"
#include "rows/PopoverWindow.h"
#include "rows/ReminderFormView.h"

#include <QMenu>
#include <QPointer>
#include <QSet>

#include <tuple>

namespace tolvik {

namespace {

/// A reminder's title as one menu line: its own line breaks read as spaces, and an ampersand stays a character.
QString menuTitle(const QString& title)
{
    QString line = title.simplified();
    line.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return line;
}

} // namespace

void ReminderRow::ensureSubtaskPopover()
{
    if (m_subtaskPopover != nullptr) {
        return;
    }
    std::tie(m_subtaskPopover, m_subtaskForm) = makeFormPopover(
        this, &m_subtaskState, QStringLiteral("button.add"), editPopoverWidth,
        [this] { setSubtaskFormPresented(false); }, [this] { submitSubtask(); });
}

void ReminderRow::setSubtaskFormPresented(bool presented)
{
    if (presented == m_subtaskPresented) {
        return;
    }
    m_subtaskPresented = presented;
    if (presented) {
        ensureSubtaskPopover();
        m_subtaskForm->reload();
        // The panel treats the form as an edit of this row: no detail bubble, and other rows' forms close.
        Q_EMIT editPresentationChanged(m_reminder.id, true);
        m_subtaskPopover->present(this, PopoverWindow::Side::trailing);
    } else {
        if (m_subtaskPopover != nullptr) {
            m_subtaskPopover->dismiss();
        }
        Q_EMIT editPresentationChanged(m_reminder.id, false);
    }
}

void ReminderRow::beginAddSubtask()
{
    m_subtaskState = ReminderFormState::fresh(m_clock());
    m_subtaskState.knownTags = m_model != nullptr ? m_model->tagsInUse() : QStringList();
    setSubtaskFormPresented(true);
}

void ReminderRow::submitSubtask()
{
    const QString title = m_subtaskState.trimmedTitle();
    if (title.isEmpty()) {
        return;
    }
    if (m_subtaskForm != nullptr) {
        m_subtaskForm->clearError();
    }
    QCoro::connect(m_model->addSubtask(m_reminder.id, title, m_subtaskState.trimmedNotes(),
                                       m_subtaskState.effectiveDueDate(), m_subtaskState.priority,
                                       m_subtaskState.recurrence, m_subtaskState.effectiveAllDay(), std::nullopt,
                                       m_subtaskState.alert, m_subtaskState.tags),
                   this, [this](bool added) {
                       if (!added) {
                           // Nothing was written: the typing stays, and the form says why.
                           if (m_subtaskForm != nullptr) {
                               m_subtaskForm->showError(failureText(*m_model));
                           }
                           return;
                       }
                       m_subtaskState = ReminderFormState::fresh(m_clock());
                       setSubtaskFormPresented(false);
                   });
}

QList<ReminderItem> ReminderRow::parentCandidates() const
{
    // Under itself or under one of its own sub-tasks it would make a circle; the model refuses both anyway.
    const QStringList below = m_model->openSubtaskIDs(m_reminder.id);
    const QSet<QString> excluded(below.cbegin(), below.cend());
    QList<ReminderItem> candidates;
    for (const ReminderItem& item : m_model->reminders()) {
        if (item.listID == m_reminder.listID && item.id != m_reminder.id && !excluded.contains(item.id)) {
            candidates.append(item);
        }
    }
    return candidates;
}

void ReminderRow::addSubtaskActions(QMenu* menu)
{
    menu->addSeparator();
    QAction* add = menu->addAction(localizedString(QStringLiteral("subtasks.menu.add")));
    add->setObjectName(QStringLiteral("addSubtaskAction"));
    connect(add, &QAction::triggered, this, &ReminderRow::beginAddSubtask);

    const QString id = m_reminder.id;
    QPointer<RemindersViewModel> model = m_model;
    QMenu* parents = menu->addMenu(localizedString(QStringLiteral("subtasks.menu.makeSubtaskOf")));
    parents->menuAction()->setObjectName(QStringLiteral("makeSubtaskMenu"));
    parents->setPalette(menu->palette());
    const QList<ReminderItem> candidates = parentCandidates();
    parents->menuAction()->setEnabled(!candidates.isEmpty());
    for (const ReminderItem& candidate : candidates) {
        QAction* choice = parents->addAction(menuTitle(candidate.title));
        choice->setData(candidate.id);
        // The parent it has now is shown ticked; choosing it again changes nothing.
        const bool current = candidate.id == m_reminder.parentID;
        choice->setCheckable(current);
        choice->setChecked(current);
        choice->setEnabled(!current);
        const QString parentID = candidate.id;
        connect(choice, &QAction::triggered, this, [model, id, parentID] {
            if (model) {
                model->makeSubtask(id, parentID);
            }
        });
    }

    // A link to a parent that is missing or elsewhere counts too: the user may want it gone.
    if (!m_reminder.parentID.isEmpty() || m_reminder.parentHint != ReminderItem::ParentHint::none) {
        QAction* top = menu->addAction(localizedString(QStringLiteral("subtasks.menu.moveToTopLevel")));
        top->setObjectName(QStringLiteral("moveToTopLevelAction"));
        connect(top, &QAction::triggered, this, [model, id] {
            if (model) {
                model->moveToTopLevel(id);
            }
        });
    }
}

} // namespace tolvik
