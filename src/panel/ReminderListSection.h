#pragma once

#include "model/Clock.h"
#include "model/ReminderItem.h"
#include "model/ReminderList.h"
#include "model/ReminderSearch.h"
#include "rows/ReminderFormState.h"
#include "rows/ReminderRow.h"

#include <QHash>
#include <QList>
#include <QPointer>
#include <QSet>
#include <QToolButton>
#include <QWidget>

class QLabel;

namespace tolvik {

class ElidedTextLabel;
class HoverManager;
class PopoverWindow;
class ReminderDetailBubble;
class ReminderFormView;
class ReminderRow;
class RemindersViewModel;

/// One reminder list in the panel: a header with the list's colour, name and account and an add button, then a
/// rounded translucent box with one row per reminder. The add button opens a popover with the reminder form; the
/// whole section accepts a dropped reminder id and moves that reminder into this list.
///
/// The panel creates one section per list id and calls `setContent` on every model refresh. Rows are kept per
/// reminder id, so an open edit popover and its typed text survive refreshes that change other reminders. The
/// section also presents the detail bubble for whichever of its rows the shared `HoverManager` says is hovered.
class ReminderListSection : public QWidget
{
    Q_OBJECT

public:
    static constexpr int addPopoverWidth = 260;
    static constexpr int dragHoverClearDelayMs = 200;
    /// Between the header's parts, and between the header and the box of rows.
    static constexpr int headerSpacing = 8;

    /// `model` and `hoverManager` must outlive the section.
    ReminderListSection(RemindersViewModel* model, HoverManager* hoverManager, Clock clock = systemClock(),
                        QWidget* parent = nullptr);
    ~ReminderListSection() override;

    /// Shows this list and its reminders, in the given order, each sub-task indented by its depth; the rows of
    /// `foldedIDs` show their sub-tasks folded away.
    void setContent(const ReminderList& list, const QList<ReminderItem>& reminders,
                    const QSet<QString>& foldedIDs = {});
    const ReminderList& list() const { return m_list; }

    /// The rows in display order, and the row of one reminder.
    QList<ReminderRow*> rows() const { return m_order; }
    ReminderRow* rowFor(const QString& reminderID) const { return m_rows.value(reminderID); }
    /// Shows only the rows of `shownIDs`, marking in their titles what `query` finds; an empty query shows every row.
    /// Kept over `setContent` until cleared.
    /// With `showBudget`, at most that many hidden rows show now (it is counted down); the rest wait, hidden, for
    /// `showDeferredRows`. Showing a row costs far more than matching it, and the rows at the top are those in view.
    /// Both tell whether a row or separator was shown or hidden, so that the section's size may have changed.
    bool applySearch(const SearchQuery& query, const QSet<QString>& shownIDs, int* showBudget = nullptr);
    bool clearSearch(int* showBudget = nullptr);
    /// Whether rows the search shows are still waiting to be shown, and showing them.
    bool hasDeferredRows() const { return m_deferredRows; }
    void showDeferredRows();
    /// How many rows the search hides now that `shownIDs` would show again (all of them for no search).
    qsizetype rowsToShowAgain(const QSet<QString>* shownIDs) const;
    /// The rows a search leaves on screen, in display order; all rows while none is applied.
    QList<ReminderRow*> shownRows() const;
    /// How many separators are shown (one between each two rows).
    int separatorCount() const;
    QLabel* emptyLabel() const { return m_emptyLabel; }
    ElidedTextLabel* nameLabel() const { return m_nameLabel; }
    ElidedTextLabel* accountLabel() const { return m_accountLabel; }
    QToolButton* addButton() const { return m_addButton; }

    /// The add popover's presentation flag and the add form's values.
    bool isPresentingAddPopover() const { return m_presentingAddPopover; }
    void setPresentingAddPopover(bool presenting);
    ReminderFormState& addState() { return m_addState; }
    /// The add form and its popover exist from the first add on; null before.
    ReminderFormView* addForm() const { return m_addForm; }
    PopoverWindow* addPopover() const { return m_addPopover; }
    /// The add button's action: reset the add form to its empty values, then open the popover.
    void beginAdd();
    /// The add form's submit: trims, awaits `addReminder`, then resets the form and closes the popover.
    void submitAdd();

    PopoverWindow* bubbleWindow() const { return m_bubbleWindow; }

Q_SIGNALS:
    /// A key on one of this section's rows asks for something beyond the row: another row, another list, an add.
    void rowKeyCommand(tolvik::ReminderRow* row, tolvik::ReminderRow::KeyCommand command);
    /// A row's fold control was clicked.
    void foldRequested(const QString& reminderID, bool fold);
    /// Completing a row's reminder would leave open sub-tasks: the panel asks what to do.
    void subtaskCompletionAsked(tolvik::ReminderRow* row, int openSubtasks);
    /// A completed row asked to be open again.
    void reopenRequested(const QString& reminderID);

public:
    ReminderDetailBubble* bubble() const { return m_bubble; }

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void changeEvent(QEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void ensureAddPopover();
    void buildHeader();
    ReminderRow* createRow(const ReminderItem& reminder);
    void rebuildBox();
    void refreshTexts();
    void updateBubble();
    void closeEditsOfOtherRows();
    /// Closes whatever form the row has open, before it goes.
    static void closeForms(ReminderRow* row);
    void applyIndent(ReminderRow* row) const;
    bool isShownBySearch(const ReminderRow* row) const;
    bool showSearchResults(int* showBudget = nullptr);
    static bool setShownBySearch(QWidget* widget, bool shown, bool boxShown);

    RemindersViewModel* m_model;
    QPointer<HoverManager> m_hover;
    Clock m_clock;
    ReminderList m_list;

    QHash<QString, ReminderRow*> m_rows;
    QList<ReminderRow*> m_order;
    QList<QWidget*> m_separators;
    SearchQuery m_search;
    QSet<QString> m_searchShownIDs;
    bool m_searching = false;
    bool m_deferredRows = false;

    QWidget* m_dot = nullptr;
    ElidedTextLabel* m_nameLabel = nullptr;
    ElidedTextLabel* m_accountLabel = nullptr;
    QWidget* m_names = nullptr;
    QToolButton* m_addButton = nullptr;
    QWidget* m_box = nullptr;
    QLabel* m_emptyLabel = nullptr;

    ReminderFormState m_addState;
    bool m_presentingAddPopover = false;
    PopoverWindow* m_addPopover = nullptr;
    ReminderFormView* m_addForm = nullptr;

    PopoverWindow* m_bubbleWindow = nullptr;
    ReminderDetailBubble* m_bubble = nullptr;
};

} // namespace tolvik
