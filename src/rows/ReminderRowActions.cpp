// What a row does: its context menu, the edit popover and the commands behind them.
#include "rows/ReminderRow.h"

#include "appearance/LocalizationManager.h"
#include "model/RemindersViewModel.h"
#include "rows/ElidedTextLabel.h"
#include "rows/PopoverSurface.h"
#include "rows/PopoverWindow.h"
#include "rows/ReminderFormView.h"

#include <QMenu>
#include <QMetaMethod>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleOptionMenuItem>

#include <tuple>

namespace tolvik {

namespace {

/// Draws the menu item whose action is marked destructive in red, as the menu has no role for it.
class DestructiveItemStyle : public QProxyStyle
{
public:
    explicit DestructiveItemStyle(QString destructiveText, QObject* owner)
        : m_text(std::move(destructiveText))
    {
        setParent(owner);
    }

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override
    {
        const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
        if (element == CE_MenuItem && item != nullptr && item->text == m_text && !(item->state & State_Selected)) {
            QStyleOptionMenuItem red(*item);
            const QColor color = RowStyle::alertRed(red.palette);
            red.palette.setColor(QPalette::ButtonText, color);
            red.palette.setColor(QPalette::WindowText, color);
            red.palette.setColor(QPalette::Text, color);
            QProxyStyle::drawControl(element, &red, painter, widget);
            return;
        }
        QProxyStyle::drawControl(element, option, painter, widget);
    }

private:
    QString m_text;
};

} // namespace

void ReminderRow::setEditPresented(bool presented)
{
    if (presented == m_editPresented) {
        return;
    }
    m_editPresented = presented;
    if (presented) {
        ensureEditPopover();
        m_editForm->reload();
        Q_EMIT editPresentationChanged(m_reminder.id, true);
        m_editPopover->present(this, PopoverWindow::Side::trailing);
    } else {
        if (m_editPopover != nullptr) {
            m_editPopover->dismiss();
        }
        Q_EMIT editPresentationChanged(m_reminder.id, false);
    }
}

void ReminderRow::edit()
{
    m_editState = ReminderFormState::from(m_reminder, m_clock());
    m_editState.knownTags = m_model != nullptr ? m_model->tagsInUse() : QStringList();
    m_editOpenedWith = m_editState;
    if (m_editForm != nullptr) {
        m_editForm->reload();
    }
    setEditPresented(true);
}

void ReminderRow::save()
{
    const QString title = m_editState.trimmedTitle();
    if (title.isEmpty()) {
        return;
    }
    if (m_editForm != nullptr) {
        m_editForm->clearError();
    }
    QCoro::connect(
        m_model->updateReminder(m_reminder.id, title, m_editState.trimmedNotes(), m_editState.effectiveDueDate(),
                                m_editState.priority, m_editState.recurrence,
                                ReminderFields{m_editOpenedWith.trimmedTitle(), m_editOpenedWith.trimmedNotes(),
                                               m_editOpenedWith.effectiveDueDate(), m_editOpenedWith.priority,
                                               m_editOpenedWith.recurrence, m_editOpenedWith.effectiveAllDay(),
                                               m_editOpenedWith.alert, m_editOpenedWith.tags},
                                m_editState.effectiveAllDay(), m_editState.alert, m_editState.tags),
        this, [this](bool saved) {
            if (saved) {
                setEditPresented(false);
            } else if (m_editForm != nullptr) {
                // The popover stays open with what was typed, and says why nothing changed.
                m_editForm->showError(failureText(*m_model));
            }
        });
}

void ReminderRow::ensureEditPopover()
{
    if (m_editPopover != nullptr) {
        return;
    }
    std::tie(m_editPopover, m_editForm) = makeFormPopover(
        this, &m_editState, QStringLiteral("button.save"), editPopoverWidth, [this] { setEditPresented(false); },
        [this] { save(); });
}

QMenu* ReminderRow::createContextMenu()
{
    auto* menu = new QMenu(this);
    // A menu is a window of its own and would show the desktop's colours on a night panel.
    menu->setPalette(PopoverSurface::explicitPalette(palette()));
    const QString id = m_reminder.id;
    QPointer<RemindersViewModel> model = m_model;
    // A completed reminder offers the way back in place of completing it.
    const bool completed = m_reminder.isCompleted;
    QAction* completeAction = menu->addAction(
        localizedString(completed ? QStringLiteral("button.markNotCompleted") : QStringLiteral("button.complete")));
    QPointer<ReminderRow> self = this;
    connect(completeAction, &QAction::triggered, this, [self, completed] {
        if (self) {
            completed ? self->reopen() : self->complete();
        }
    });
    const QString deleteText = localizedString(QStringLiteral("button.delete"));
    QAction* removeAction = menu->addAction(deleteText);
    removeAction->setProperty("destructive", true);
    connect(removeAction, &QAction::triggered, this, [model, id] {
        if (model) {
            model->deleteReminder(id);
        }
    });
    QAction* editAction = menu->addAction(localizedString(QStringLiteral("button.edit")));
    connect(editAction, &QAction::triggered, this, &ReminderRow::edit);
    addVersionActions(menu);
    if (!completed) {
        addSubtaskActions(menu);
    }
    menu->setStyle(new DestructiveItemStyle(deleteText, menu));
    return menu;
}

void ReminderRow::openContextMenu(const std::optional<QPoint>& globalPosition)
{
    QMenu* menu = createContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    if (globalPosition) {
        menu->popup(*globalPosition);
        return;
    }
    // From the keyboard: under the title, with the first command selected so that arrows and Return work at once.
    menu->popup(m_title->mapToGlobal(QPoint(0, m_title->height())));
    menu->setActiveAction(menu->actions().value(0));
}

void ReminderRow::complete()
{
    // A parent with open sub-tasks asks first whether they go with it; a row on its own completes at once.
    const qsizetype open = m_model->openSubtaskIDs(m_reminder.id).size();
    if (open > 0 && isSignalConnected(QMetaMethod::fromSignal(&ReminderRow::subtaskCompletionAsked))) {
        Q_EMIT subtaskCompletionAsked(m_reminder.id, int(open));
        return;
    }
    m_model->completeReminder(m_reminder.id);
}

void ReminderRow::remove()
{
    m_model->deleteReminder(m_reminder.id);
}

} // namespace tolvik
