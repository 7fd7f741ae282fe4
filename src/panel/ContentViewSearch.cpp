// The panel's search: opening and closing the field, which sections it looks through, and what it leaves on screen.
#include "panel/ContentView.h"

#include "appearance/LocalizationManager.h"
#include "model/RemindersViewModel.h"
#include "panel/QuickAddField.h"
#include "panel/ReminderListSection.h"
#include "panel/SearchBar.h"
#include "rows/ReminderRow.h"
#include "rows/RowStyle.h"

#include <QLabel>
#include <QLineEdit>

namespace tolvik {

namespace {

/// Shows or hides a section for the search. A section never shown yet shows with the panel: showing it now would
/// lay out its rows while the panel is closed.
void setSectionShown(QWidget* section, bool shown)
{
    if (!shown) {
        section->setVisible(false);
    } else if (section->isHidden() && section->testAttribute(Qt::WA_WState_ExplicitShowHide)) {
        section->setVisible(true);
    }
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
    int matches = 0;
    for (ReminderListSection* section : std::as_const(m_order)) {
        if (query.isEmpty()) {
            section->clearSearch();
            setSectionShown(section, true);
            continue;
        }
        const SectionMatches found = m_searchFilter.matchSection(m_shownContent.value(section->list().id), query);
        section->applySearch(query, found.shownIDs);
        // A list without a match goes altogether: a column of empty boxes would bury the few that match.
        setSectionShown(section, found.matchCount > 0);
        matches += found.matchCount;
    }
    const bool nothing = !query.isEmpty() && matches == 0 && !m_shownPlaceholder;
    if (nothing) {
        refreshNoMatchesLabel();
        m_noMatches->setText(localizedString(QStringLiteral("search.noMatches")).arg(m_search->text().trimmed()));
    }
    m_noMatches->setVisible(nothing);
    scheduleMeasure();
    scheduleHoverCheck();
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
