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

namespace tolvik {

class ElidedTextLabel;
class PopoverWindow;
class PriorityBadge;
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
    };
    Q_ENUM(KeyCommand)

    static constexpr int editPopoverWidth = 320;
    static constexpr int maximumTitleLines = 2;

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

    /// A menu with "button.complete", "button.delete" (drawn as destructive) and "button.edit", in that order.
    QMenu* createContextMenu();
    /// Opens the context menu at `globalPosition`, or under the row's title when it is opened from the keyboard.
    void openContextMenu(const std::optional<QPoint>& globalPosition = std::nullopt);
    /// The "button.complete" and "button.delete" commands.
    void complete();
    void remove();
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
    void ensureEditPopover();
    void startDrag();

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
    SearchQuery m_searchQuery;
    bool m_showsFocusRing = true;

    QLabel* m_repeat;
    ElidedTextLabel* m_title;
    QLabel* m_due;
    PriorityBadge* m_badge;
    PopoverWindow* m_editPopover = nullptr;
    ReminderFormView* m_editForm = nullptr;
};

} // namespace tolvik
