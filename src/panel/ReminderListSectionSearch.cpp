// The list section under a search: which of its rows stay on screen, their separators, and the marks on what the
// search found. Rows that do not match are hidden, not dropped, so that a search taken back costs no new rows.
#include "panel/ReminderListSection.h"

#include "rows/ReminderRow.h"

#include <QLayout>

namespace tolvik {

bool ReminderListSection::applySearch(const SearchQuery& query, const QSet<QString>& shownIDs, int* showBudget)
{
    m_search = query;
    m_searchShownIDs = shownIDs;
    m_searching = !query.isEmpty();
    return showSearchResults(showBudget);
}

bool ReminderListSection::clearSearch(int* showBudget)
{
    if (!m_searching && !m_deferredRows) {
        return false;
    }
    m_search = SearchQuery();
    m_searchShownIDs.clear();
    m_searching = false;
    return showSearchResults(showBudget);
}

void ReminderListSection::showDeferredRows()
{
    if (m_deferredRows) {
        showSearchResults();
    }
}

bool ReminderListSection::isShownBySearch(const ReminderRow* row) const
{
    return !m_searching || m_searchShownIDs.contains(row->reminder().id);
}

qsizetype ReminderListSection::rowsToShowAgain(const QSet<QString>* shownIDs) const
{
    qsizetype count = 0;
    for (const ReminderRow* row : m_order) {
        if (row->isHidden() && row->testAttribute(Qt::WA_WState_ExplicitShowHide) &&
            (shownIDs == nullptr || shownIDs->contains(row->reminder().id))) {
            ++count;
        }
    }
    return count;
}

QList<ReminderRow*> ReminderListSection::shownRows() const
{
    if (!m_searching) {
        return m_order;
    }
    QList<ReminderRow*> shown;
    for (ReminderRow* row : m_order) {
        if (isShownBySearch(row)) {
            shown.append(row);
        }
    }
    return shown;
}

bool ReminderListSection::showSearchResults(int* showBudget)
{
    QList<bool> shown(m_order.size());
    qsizetype lastShown = -1;
    bool showsAny = false;
    m_deferredRows = false;
    for (qsizetype index = 0; index < m_order.size(); ++index) {
        ReminderRow* row = m_order.at(index);
        shown[index] = isShownBySearch(row);
        if (shown[index] && row->isHidden() && showBudget != nullptr) {
            // Past the budget a row waits for `showDeferredRows`, after the keystroke has been drawn.
            if (*showBudget <= 0) {
                shown[index] = false;
                m_deferredRows = true;
            } else {
                --*showBudget;
            }
        }
        lastShown = shown[index] ? index : lastShown;
        showsAny = showsAny || (shown[index] && row->isHidden());
    }
    // Each row shown in a box on screen lays the box out, and every list around it, at once: taking back a search
    // would take seconds with a few thousand rows. With the box's layout off while its rows change, the box is laid
    // out once, when the panel next lays itself out.
    const bool boxShown = m_box->isVisible();
    QLayout* boxLayout = m_box->layout();
    const bool batched = showsAny && boxShown && boxLayout->isEnabled();
    if (batched) {
        boxLayout->setEnabled(false);
    }
    bool changed = false;
    for (qsizetype index = 0; index < m_order.size(); ++index) {
        ReminderRow* row = m_order.at(index);
        // A hidden row keeps its old marks: it gets the query's own when it shows again.
        if (shown[index]) {
            row->setSearchQuery(m_search);
        }
        changed = setShownBySearch(row, shown[index], boxShown) || changed;
    }
    // A separator follows each shown row but the last one shown.
    for (qsizetype index = 0; index < m_separators.size(); ++index) {
        changed = setShownBySearch(m_separators.at(index), index < lastShown && shown[index], boxShown) || changed;
    }
    if (batched) {
        boxLayout->setEnabled(true);
        boxLayout->invalidate();
    }
    return changed;
}

bool ReminderListSection::setShownBySearch(QWidget* widget, bool shown, bool boxShown)
{
    // Showing a widget lays it out at once, the bulk of a keystroke's cost with thousands of rows: a row never shown
    // yet is left to show with its box, as the box's own rows are, unless the box is on screen already.
    const bool hiddenByUs = widget->isHidden() && widget->testAttribute(Qt::WA_WState_ExplicitShowHide);
    if (shown) {
        if (hiddenByUs || (widget->isHidden() && boxShown)) {
            widget->setVisible(true);
            return true;
        }
    } else if (!hiddenByUs) {
        widget->setVisible(false);
        return true;
    }
    return false;
}

} // namespace tolvik
