#pragma once

#include "appearance/AppTheme.h"
#include "appearance/MenuTransparencyOption.h"
#include "model/Clock.h"
#include "model/RemindersViewModel.h"
#include "panel/ListSelection.h"
#include "panel/SearchFilter.h"
#include "rows/ReminderRow.h"

#include <QHash>
#include <QList>
#include <QPoint>
#include <QSet>
#include <QString>
#include <QUrl>
#include <QWidget>

#include <functional>
#include <optional>

class QLabel;
class QScrollArea;
class QVBoxLayout;

namespace tolvik {

class HoverManager;
class LaunchAtLoginManager;
class PanelFooter;
class PanelHeader;
class PlaceholderView;
class Preferences;
class QuickAddField;
class ScrollHint;
class ReminderListSection;
class SubtaskQuestion;
class RemindersViewModel;
class SearchBar;
class UndoBar;

/// The root of the tray panel: the header, the middle area (the list sections of the selected lists in a scroll area
/// without scroll bars, or a placeholder), a divider, the undo bar while it shows, and the footer, on a translucent
/// material. It follows the
/// model's signals and the six view preferences, re-rendering on the next turn of the event loop after a change,
/// and keeps one section per list id so that open popovers and typed text survive updates.
class ContentView : public QWidget
{
    Q_OBJECT

public:
    using UrlOpener = std::function<void(const QUrl&)>;

    /// `model` and `launchAtLogin` must outlive the view; `storeFolder` is what the access placeholders open.
    ContentView(RemindersViewModel& model, LaunchAtLoginManager& launchAtLogin, QString storeFolder,
                Clock clock = systemClock(), QWidget* parent = nullptr);
    ~ContentView() override;

    /// The six stored preferences the panel binds, read afresh with their defaults.
    QString selectedAccountIDsRaw() const;
    QString selectedListIDsRaw() const;
    QString menuSizeRaw() const;
    QString menuTransparencyRaw() const;
    QString themeRaw() const;
    QString languageRaw() const;

    /// The lists and sections as the model and the selections give them now.
    QList<ReminderList> filteredLists() const;
    QList<ListSection> listSections() const;

    /// Renders now instead of on the next turn of the event loop.
    void render();
    /// Renders now if a change is waiting to be rendered.
    void renderIfPending();

    /// Every row on screen, section by section, in order: the path the arrow keys take.
    QList<ReminderRow*> rowsInOrder() const;
    /// The row that has the keyboard focus, if any.
    ReminderRow* focusedRow() const;
    /// Gives a row the focus and scrolls it into view.
    void focusRow(ReminderRow* row);
    /// The add command for the list of `row`, or of the first list without one.
    void beginAddFor(ReminderRow* row);
    /// Scrolls to the reminder's row and gives it the focus (its details follow), for a panel opened from its
    /// notification; the row under the resting pointer stays without a bubble until the pointer moves.
    void revealReminder(const QString& reminderID);

    /// Whether the sub-tasks under a reminder are folded away. The state is kept per reminder id for as long as
    /// the app runs, also while the reminder is not shown.
    bool isFolded(const QString& reminderID) const { return m_foldedIDs.contains(reminderID); }
    void setFolded(const QString& reminderID, bool folded);

    /// Whether the reminders completed in the last seven days show below the open ones ("Show Completed").
    bool showsCompleted() const;
    /// How long a reminder completed in the panel keeps its place, checked and greyed, so that a slip is easy to see
    /// and to take back with a second press.
    static constexpr int lingerMs = 1500;
    bool isLingering(const QString& reminderID) const { return m_lingering.contains(reminderID); }

    /// The placeholder on screen, or nothing while the sections show.
    std::optional<Placeholder> shownPlaceholder() const { return m_shownPlaceholder; }
    /// The sections on screen, in order, and the one kept for a list.
    QList<ReminderListSection*> sections() const { return m_order; }
    ReminderListSection* sectionFor(const QString& listID) const { return m_sections.value(listID); }

    PanelHeader* header() const { return m_header; }
    SearchBar* searchBar() const { return m_search; }
    /// The line that says a search found nothing in any list.
    QLabel* noMatchesLabel() const { return m_noMatches; }
    /// Gives the quick-add field the keyboard, closing a search that holds its place (Ctrl+N, `--quick-add`).
    void beginQuickAdd();
    /// Opens the search field with the focus in it (Ctrl+F, the header's button), or closes it with its query.
    void openSearch();
    void closeSearch();
    QuickAddField* quickAddField() const { return m_quickAdd; }
    PanelFooter* footer() const { return m_footer; }
    UndoBar* undoBar() const { return m_undoBar; }
    SubtaskQuestion* subtaskQuestion() const { return m_subtaskQuestion; }
    QWidget* divider() const { return m_divider; }
    PlaceholderView* placeholderView() const { return m_placeholder; }
    QScrollArea* scrollArea() const { return m_scrollArea; }
    /// The hints over the list's edges that more rows lie above or below.
    ScrollHint* moreAboveHint() const { return m_moreAbove; }
    ScrollHint* moreBelowHint() const { return m_moreBelow; }
    HoverManager* hoverManager() const { return m_hoverManager; }

    /// The measured heights the panel's height is computed from.
    qreal headerHeight() const { return m_headerHeight; }
    qreal footerHeight() const { return m_footerHeight; }
    qreal listContentHeight() const { return m_listContentHeight; }
    /// Measures the three parts now.
    void measure();
    /// Measures now if a measurement is waiting.
    void measureIfPending();

    int panelWidth() const;
    qreal panelHeight(std::optional<qreal> availableScreenHeight) const;
    Material material() const;
    AppTheme theme() const;

    /// Paints the background opaque, for a desktop that cannot blend translucent windows.
    void setOpaqueBackground(bool opaque);
    bool hasOpaqueBackground() const { return m_opaqueBackground; }

    /// How the access placeholders open the store's folder; the desktop's file manager unless a test says otherwise.
    void setUrlOpener(UrlOpener opener) { m_urlOpener = std::move(opener); }

Q_SIGNALS:
    /// The panel's size should change; `animateHeight` when the list content grew or shrank.
    void panelSizeChanged(bool animateHeight);
    /// The window that shows the panel should close (the settings button).
    void closeRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildLayout();
    void scheduleRender();
    void scheduleMeasure();
    void scheduleHoverCheck();
    /// Points the hover at the row under a resting pointer, after the rows moved beneath it.
    void reevaluateHover();
    ReminderRow* rowUnderPointer() const;
    /// Arrow, Home and End keys that no row took: from the panel itself or from a button. Returns whether handled.
    bool navigate(int key);
    void runRowCommand(ReminderRow* row, ReminderRow::KeyCommand command);
    void restoreFocus(const std::optional<QString>& focusedID, qsizetype focusedIndex);
    /// Asks whether completing the row's reminder completes its open sub-tasks too.
    void askAboutSubtasks(ReminderRow* row, int openSubtasks);
    /// Gives the focus back to the reminder's row after the question closed.
    void returnFocusTo(const QString& reminderID);
    /// Lifts the hold on pointer hovers once `event` shows the pointer moved; returns whether it did.
    bool releasePointerHoldOnMove(QEvent* event);
    void applyAppearance();
    /// Returns whether any section was added, changed, moved or removed.
    bool syncSections(const QList<ListSection>& sections);
    void placeholderAction(Placeholder placeholder);
    void beginAddFromPlaceholder(const QString& listID);
    void openSettings();
    void toggleSearch();
    void searchOpenedOrClosed();
    void searchChanged();
    /// What a widened search looks through, in place of the shown sections.
    QList<ListSection> searchedSections() const;
    /// Hides the rows and sections the query leaves out, and marks what it found.
    void applySearch();
    void refreshNoMatchesLabel();
    /// Shows the rows a search left waiting (see `ReminderListSection::applySearch`), all in one batch.
    void showDeferredRows();
    void showEveryDeferredRow();
    /// From the search field into the results: to the first row, or the last one `fromEnd`.
    void moveIntoResults(bool fromEnd);
    QString storedString(const QString& key, const QString& fallback) const;
    /// Adds the completed reminders when they are shown, and puts the just-completed ones back in their places.
    void addCompletedRows(QList<ListSection>& sections) const;
    /// Keeps the row of a reminder just completed in its place for a moment.
    void lingerAfterCompletion(const UndoableChange& change);
    /// A completed row asked to be open again: a just-completed one is undone, an older one reopened.
    void reopenFromRow(const QString& reminderID);

    RemindersViewModel& m_model;
    LaunchAtLoginManager& m_launchAtLogin;
    QString m_storeFolder;
    Clock m_clock;
    UrlOpener m_urlOpener;
    HoverManager* m_hoverManager;

    PanelHeader* m_header = nullptr;
    SearchBar* m_search = nullptr;
    QLabel* m_noMatches = nullptr;
    SearchFilter m_searchFilter;
    /// Whether the sections on screen are those of a widened search.
    bool m_searchedWide = false;
    QuickAddField* m_quickAdd = nullptr;
    QScrollArea* m_scrollArea = nullptr;
    ScrollHint* m_moreAbove = nullptr;
    ScrollHint* m_moreBelow = nullptr;
    QWidget* m_listContent = nullptr;
    PlaceholderView* m_placeholder = nullptr;
    QWidget* m_sectionsBox = nullptr;
    QVBoxLayout* m_sectionsLayout = nullptr;
    PanelFooter* m_footer = nullptr;
    UndoBar* m_undoBar = nullptr;
    SubtaskQuestion* m_subtaskQuestion = nullptr;
    QWidget* m_divider = nullptr;

    QHash<QString, ReminderListSection*> m_sections;
    QHash<QString, ListSection> m_shownContent;
    QList<ReminderListSection*> m_order;
    std::optional<Placeholder> m_shownPlaceholder;
    QSet<QString> m_foldedIDs;
    /// A reminder completed in the panel a moment ago: as its row showed it, and what undoes it.
    struct Lingering
    {
        ReminderItem item;
        QString previousID;
        qsizetype index = 0;
        UndoableChange change;
        quint64 serial = 0;
        bool undoing = false;
    };
    QHash<QString, Lingering> m_lingering;
    quint64 m_lingerSerial = 0;

    qreal m_headerHeight = 0;
    qreal m_footerHeight = 0;
    qreal m_listContentHeight;
    int m_lastWidth = 0;
    bool m_renderPending = false;
    bool m_measurePending = false;
    bool m_opaqueBackground = false;
    bool m_sizeHintsStale = false;
    bool m_hoverCheckPending = false;
    bool m_deferredRowsPending = false;
    /// The reminder whose row should take the focus once it shows (after a move to another list, or an undo).
    std::optional<QString> m_pendingFocusID;
    /// Where the pointer rested when the panel was opened at a reminder.
    QPoint m_heldPointer;
};

} // namespace tolvik
