// The panel's search: opening and closing the field, which sections it looks through, and what it leaves on screen.
#include "panel/ContentView.h"

#include "appearance/LocalizationManager.h"
#include "model/RemindersViewModel.h"
#include "panel/QuickAddField.h"
#include "panel/ReminderListSection.h"
#include "panel/SearchBar.h"
#include "rows/ReminderRow.h"
#include "rows/RowStyle.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QVBoxLayout>

namespace tolvik {

namespace {

/// How many hidden rows a keystroke shows at once: more than a panel of the largest size holds.
constexpr int immediateRowShows = 40;

/// Shows or hides a section for the search, telling whether that changed it. A section never shown yet shows with
/// the panel: showing it now would lay out its rows while the panel is closed.
bool setSectionShown(QWidget* section, bool shown)
{
    if (!shown) {
        const bool wasShown = !section->isHidden();
        section->setVisible(false);
        return wasShown;
    }
    if (section->isHidden() && section->testAttribute(Qt::WA_WState_ExplicitShowHide)) {
        section->setVisible(true);
        return true;
    }
    return false;
}

} // namespace

void ContentView::beginQuickAdd()
{
    closeSearch();
    m_quickAdd->focusField();
}

void ContentView::openSearch()
{
    m_search->open();
}

void ContentView::toggleSearch()
{
    if (m_search->isOpen()) {
        closeSearch();
    } else {
        openSearch();
    }
}

void ContentView::closeSearch()
{
    // The keyboard stays on a result the user moved to; from the field it goes back to the panel.
    const bool fieldFocused = m_search->edit()->hasFocus();
    m_search->close();
    if (fieldFocused) {
        setFocus(Qt::OtherFocusReason);
    }
}

void ContentView::searchOpenedOrClosed()
{
    // While searching, the field under the header is the search's: typing a new reminder waits until it closes.
    m_quickAdd->setVisible(!m_search->isOpen());
    m_searchedWide = false;
    render();
}

void ContentView::searchChanged()
{
    // Widening or narrowing changes which sections and rows exist; a new query only changes what they show.
    if (m_search->isWide() != m_searchedWide) {
        m_searchedWide = m_search->isWide();
        render();
        return;
    }
    applySearch();
}

QList<ListSection> ContentView::searchedSections() const
{
    return tolvik::wideSections(m_model.lists(), m_model.openReminders(), selectedAccountIDsRaw());
}

void ContentView::applySearch()
{
    const SearchQuery query(m_search->text());
    // Rows beyond the first few wait for the next turn of the event loop: the keystroke is drawn with the rows at the
    // top, which are those in view, and a key typed meanwhile spares showing rows the next query hides again.
    int showBudget = immediateRowShows;
    int matchCount = 0;
    bool deferred = false;
    // A list shown again would lay out every list around it at once; with their layout off, that happens once.
    const bool batched = m_sectionsBox->isVisible();
    if (batched) {
        m_sectionsLayout->setEnabled(false);
    }
    // Laid out again only when a list or a row came or went: a key that narrows nothing, or only moves the marks,
    // would otherwise lay out every row on screen.
    bool changed = false;
    for (ReminderListSection* section : std::as_const(m_order)) {
        if (query.isEmpty()) {
            changed = section->clearSearch(&showBudget) || changed;
            changed = setSectionShown(section, true) || changed;
        } else {
            const SectionMatches matches = m_searchFilter.matchSection(m_shownContent.value(section->list().id), query);
            changed = section->applySearch(query, matches.shownIDs, &showBudget) || changed;
            // A list without a match goes altogether: a column of empty boxes would bury the few that match.
            changed = setSectionShown(section, matches.matchCount > 0) || changed;
            matchCount += matches.matchCount;
        }
        deferred = deferred || section->hasDeferredRows();
    }
    if (batched) {
        m_sectionsLayout->setEnabled(true);
        if (changed) {
            m_sectionsLayout->invalidate();
        }
    }
    if (deferred && !m_deferredRowsPending) {
        m_deferredRowsPending = true;
        QTimer::singleShot(0, this, &ContentView::showDeferredRows);
    }
    const bool nothing = !query.isEmpty() && matchCount == 0 && !m_shownPlaceholder;
    if (nothing) {
        refreshNoMatchesLabel();
        m_noMatches->setText(localizedString(QStringLiteral("search.noMatches")).arg(m_search->text().trimmed()));
    }
    m_noMatches->setVisible(nothing);
    scheduleMeasure();
    scheduleHoverCheck();
}

void ContentView::showDeferredRows()
{
    m_deferredRowsPending = false;
    showEveryDeferredRow();
    // Laid out now, in the same turn: the rows came in one batch so that the lists are laid out once.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    scheduleMeasure();
    scheduleHoverCheck();
}

void ContentView::showEveryDeferredRow()
{
    for (ReminderListSection* section : std::as_const(m_order)) {
        section->showDeferredRows();
    }
}

void ContentView::refreshNoMatchesLabel()
{
    m_noMatches->setFont(RowStyle::captionFont(font()));
    QPalette dimmed = m_noMatches->palette();
    dimmed.setColor(QPalette::WindowText, RowStyle::secondaryText(palette()));
    m_noMatches->setPalette(dimmed);
}

void ContentView::moveIntoResults(bool fromEnd)
{
    const QList<ReminderRow*> rows = rowsInOrder();
    if (!rows.isEmpty()) {
        focusRow(fromEnd ? rows.last() : rows.first());
    }
}

} // namespace tolvik
