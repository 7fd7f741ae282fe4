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

namespace tolvik {

namespace {

/// Rows to show again above which the lists are taken off screen while they change: showing one row in a shown list
/// costs about as much as showing a list of a few dozen rows afresh.
constexpr qsizetype liftThreshold = 16;

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
    QHash<ReminderListSection*, SectionMatches> found;
    qsizetype showAgain = 0;
    for (ReminderListSection* section : std::as_const(m_order)) {
        if (!query.isEmpty()) {
            found.insert(section, m_searchFilter.matchSection(m_shownContent.value(section->list().id), query));
        }
        const SectionMatches* matches = query.isEmpty() ? nullptr : &found[section];
        showAgain += section->rowsToShowAgain(matches != nullptr ? &matches->shownIDs : nullptr);
        if (section->isHidden() && (matches == nullptr || matches->matchCount > 0)) {
            showAgain += section->shownRows().size();
        }
    }
    // Every widget shown inside a list on screen lays the whole list out again: taking back a search that hid a few
    // hundred rows would take seconds. Then the lists go off screen while they change and come back laid out once,
    // in the same turn of the event loop, so nothing flickers. Not while the keyboard is on a row: that would move it.
    QWidget* focus = QApplication::focusWidget();
    const bool lifted = showAgain > liftThreshold && m_sectionsBox->isVisible() &&
                        (focus == nullptr || !m_sectionsBox->isAncestorOf(focus));
    if (lifted) {
        m_sectionsBox->hide();
    }
    int matchCount = 0;
    for (ReminderListSection* section : std::as_const(m_order)) {
        if (query.isEmpty()) {
            section->clearSearch();
            setSectionShown(section, true);
            continue;
        }
        const SectionMatches& matches = found[section];
        section->applySearch(query, matches.shownIDs);
        // A list without a match goes altogether: a column of empty boxes would bury the few that match.
        setSectionShown(section, matches.matchCount > 0);
        matchCount += matches.matchCount;
    }
    if (lifted) {
        m_sectionsBox->show();
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
