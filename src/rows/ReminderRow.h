#pragma once

#include "model/Clock.h"
#include "model/ReminderItem.h"
#include "model/ReminderSearch.h"
#include "rows/ReminderFormState.h"
#include "rows/RowStyle.h"

#include <QPoint>
#include <QWidget>

#include <optional>

class QLabel;
class QMenu;
class QMimeData;
class QToolButton;

namespace tolvik {

class ElidedTextLabel;
class PopoverWindow;
class PriorityBadge;
class RowBadges;
class ReminderFormView;
class RemindersViewModel;

/// One reminder in its list's box: the repeat mark, a title of at most two lines in its urgency colour, the due
/// line and a priority capsule. Right-click completes, deletes or edits it; editing opens a popover with the form
/// that saves through the model. The row is a drag source carrying the reminder's id as plain text.
///
/// The row reports the pointer and the edit popover's presentation through signals; its list section applies them to
/// the panel's shared hover state (which decides the detail bubble) and closes a row's popover when another row
/// starts editing.
class ReminderRow : public QWidget
{
    Q_OBJECT

public:
    /// What a key on the focused row asks of the panel around it; the row itself edits, completes and deletes.
    enum class KeyCommand
    {
        previousRow,
        nextRow,
        firstRow,
        lastRow,
        moveToPreviousList,
        moveToNextList,
        addToList,
        /// Left and Right on a row with sub-tasks shown under it: hide them, or show them again.
        foldSubtasks,
        unfoldSubtasks,
    };
    Q_ENUM(KeyCommand)

    static constexpr int editPopoverWidth = 320;
    static constexpr int maximumTitleLines = 2;
    /// How far each level of sub-tasks is indented.
    static constexpr int subtaskIndent = 20;

    ReminderRow(const ReminderItem& reminder, RemindersViewModel* model, Clock clock = systemClock(),
                QWidget* parent = nullptr);
    ~ReminderRow() override;

    const ReminderItem& reminder() const { return m_reminder; }
    /// Shows the reminder's new values. A different id reloads the edit state; the same id keeps what is typed.
    void setReminder(const ReminderItem& reminder);

    /// Whether the focus ring shows: for focus from the keyboard, not for focus from a click.
    bool showsFocusRing() const { return hasFocus() && m_showsFocusRing; }
    /// The urgency at this moment: it changes as the due time passes, without any change to the reminder.
    Urgency urgency() const;
    /// Recolours the title for the urgency now; the row also does it each time it is shown or painted.
    void refreshUrgency();
    QColor titleColor() const;
    /// Marks in the title what a search finds; an empty query marks nothing. Kept when the reminder changes.
    void setSearchQuery(const SearchQuery& query);
    ElidedTextLabel* titleLabel() const { return m_title; }
    QLabel* dueLabel() const { return m_due; }
    QLabel* repeatMark() const { return m_repeat; }
    PriorityBadge* badge() const { return m_badge; }
    /// "2 of 5" on a reminder with sub-tasks, the hint on a sub-task shown away from its parent, and the control
    /// that folds the sub-tasks shown under it.
    QLabel* progressLabel() const { return m_progress; }
    RowBadges* badges() const { return m_badges; }
    ElidedTextLabel* hintLabel() const { return m_hint; }
    QToolButton* foldButton() const { return m_fold; }
    /// The filled check on a completed reminder; pressing it marks the reminder not completed.
    QToolButton* checkButton() const { return m_check; }
    /// "Completed today, 14:05" on a completed reminder; empty on an open one.
    QString completedText() const;

    /// Whether the sub-tasks under this row are hidden; the panel keeps the state, the row shows it.
    bool isFolded() const { return m_folded; }
    void setFolded(bool folded);
    /// Keeps the fold control's place even on a row without sub-tasks, so that the titles of a list with
    /// sub-tasks line up by depth.
    void setReservesFoldSpace(bool reserves);
    /// The progress text and the orphan hint, empty when the row shows none.
    QString progressText() const;
    QString hintText() const;

    /// The one presentation flag of the edit popover. Opening and closing report `editPresentationChanged`.
    bool isEditPresented() const { return m_editPresented; }
    void setEditPresented(bool presented);
    /// The "button.edit" command: reload the edit state from the reminder, then open the popover.
    void edit();
    /// The edit popover's "button.save": trims, awaits `updateReminder`, then closes whatever the outcome.
    void save();
    ReminderFormState& editState() { return m_editState; }
    ReminderFormView* editForm() const { return m_editForm; }
    PopoverWindow* editPopover() const { return m_editPopover; }

    /// A menu with "button.complete", "button.delete" (drawn as destructive) and "button.edit", in that order, then
    /// the sub-task commands: add one, make this a sub-task of another reminder, move it to the top level. A completed
    /// reminder has "button.markNotCompleted" in place of the first, and no sub-task commands. A reminder changed on
    /// two devices gets a sub-menu after "button.edit" that shows the other version and chooses between the two.
    QMenu* createContextMenu();
    /// Opens the context menu at `globalPosition`, or under the row's title when it is opened from the keyboard.
    void openContextMenu(const std::optional<QPoint>& globalPosition = std::nullopt);
    /// The "button.complete" and "button.delete" commands. Completing a reminder with open sub-tasks asks first,
    /// through `subtaskCompletionAsked`, when anyone listens for it.
    void complete();
    void remove();
    /// "Mark as Not Completed", the check and Space on a completed reminder: the panel decides how, through
    /// `reopenRequested`, when it listens; otherwise the reminder is reopened in the store.
    void reopen();

    /// The "Add Sub-task" command: opens the add form under this reminder; its submit awaits `addSubtask`.
    void beginAddSubtask();
    void submitSubtask();
    bool isSubtaskFormPresented() const { return m_subtaskPresented; }
    void setSubtaskFormPresented(bool presented);
    ReminderFormState& subtaskState() { return m_subtaskState; }
    ReminderFormView* subtaskForm() const { return m_subtaskForm; }
    PopoverWindow* subtaskPopover() const { return m_subtaskPopover; }
    /// The reminders "Make Sub-task of…" offers: the others shown in its list, without its own sub-tasks.
    QList<ReminderItem> parentCandidates() const;
    /// The due line: the date alone for a reminder due all day.
    QString dueText() const;
    /// What assistive technology reads after the title: the due date, whether it is overdue, priority and repeat.
    QString accessibleSummary() const;
    /// What a drag of this row carries: one plain-text item, the reminder's id.
    QMimeData* createDragData() const;

Q_SIGNALS:
    void pointerEntered(const QString& id);
    void pointerLeft(const QString& id);
    void dragStarted(const QString& id);
    void editPresentationChanged(const QString& id, bool presented);
    void keyboardFocusChanged(const QString& id, bool focused);
    void keyCommand(tolvik::ReminderRow::KeyCommand command);
    /// The fold control was clicked: hide (`fold`) or show the sub-tasks under the reminder.
    void foldRequested(const QString& id, bool fold);
    /// Completing the reminder would leave `openSubtasks` sub-tasks open: the panel asks what to do.
    void subtaskCompletionAsked(const QString& id, int openSubtasks);
    /// The user asked for the completed reminder to be open again.
    void reopenRequested(const QString& id);

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void refresh();
    void cacheOverdueAt();
    void applyHighlights();
    void ensureEditPopover();
    void ensureSubtaskPopover();
    void startDrag();
    void addSubtaskActions(QMenu* menu);
    void addVersionActions(QMenu* menu);
    /// The check, the greyed title and the completion line of a completed reminder.
    void refreshCompletion();
    static QToolButton* createCheckButton(QWidget* parent);

    ReminderItem m_reminder;
    RemindersViewModel* m_model;
    Clock m_clock;
    ReminderFormState m_editState;
    /// What the edit form showed when it opened, so that a save writes only what the user changed.
    ReminderFormState m_editOpenedWith;
    bool m_editPresented = false;
    QPoint m_pressPosition;
    bool m_pressed = false;
    Urgency m_shownUrgency = Urgency::normal;
    /// When the reminder becomes overdue, as an instant: the urgency is asked at every paint.
    std::optional<qint64> m_overdueAtMSecs;
    SearchQuery m_searchQuery;
    bool m_highlightsStale = false;
    bool m_showsFocusRing = true;
    bool m_folded = false;
    ReminderFormState m_subtaskState;
    bool m_subtaskPresented = false;

    QLabel* m_repeat;
    ElidedTextLabel* m_title;
    QLabel* m_due;
    PriorityBadge* m_badge;
    QLabel* m_progress;
    RowBadges* m_badges;
    ElidedTextLabel* m_hint;
    QToolButton* m_fold;
    QToolButton* m_check;
    PopoverWindow* m_editPopover = nullptr;
    ReminderFormView* m_editForm = nullptr;
    PopoverWindow* m_subtaskPopover = nullptr;
    ReminderFormView* m_subtaskForm = nullptr;
};

} // namespace tolvik
