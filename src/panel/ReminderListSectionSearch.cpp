// The list section under a search: which of its rows stay on screen, their separators, and the marks on what the
// search found. Rows that do not match are hidden, not dropped, so that a search taken back costs no new rows.
#include "panel/ReminderListSection.h"

#include "rows/ReminderRow.h"

#include <QApplication>

namespace tolvik {

void ReminderListSection::applySearch(const SearchQuery& query, const QSet<QString>& shownIDs)
{
    m_search = query;
    m_searchShownIDs = shownIDs;
    m_searching = !query.isEmpty();
    showSearchResults();
}

void ReminderListSection::clearSearch()
{
    if (!m_searching) {
        return;
    }
    m_search = SearchQuery();
    m_searchShownIDs.clear();
    m_searching = false;
    showSearchResults();
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

void ReminderListSection::showSearchResults()
{
    QList<bool> shown(m_order.size());
    qsizetype lastShown = -1;
    bool showsAny = false;
    for (qsizetype index = 0; index < m_order.size(); ++index) {
        shown[index] = isShownBySearch(m_order.at(index));
        lastShown = shown[index] ? index : lastShown;
        showsAny = showsAny || (shown[index] && m_order.at(index)->isHidden());
    }
    // Each row shown in a box on screen lays the whole panel out again: taking back a search would take seconds with
    // a few thousand rows. Then the box goes off screen while its rows change and comes back laid out once, in the
    // same turn of the event loop, so nothing flickers. Not while the keyboard is in it: that would move the focus.
    QWidget* focus = QApplication::focusWidget();
    const bool lifted = showsAny && m_box->isVisible() && (focus == nullptr || !m_box->isAncestorOf(focus));
    if (lifted) {
        m_box->hide();
    }
    const bool boxShown = m_box->isVisible();
    const SearchQuery none;
    for (qsizetype index = 0; index < m_order.size(); ++index) {
        ReminderRow* row = m_order.at(index);
        row->setSearchQuery(shown[index] ? m_search : none);
        setShownBySearch(row, shown[index], boxShown);
    }
    // A separator follows each shown row but the last one shown.
    for (qsizetype index = 0; index < m_separators.size(); ++index) {
        setShownBySearch(m_separators.at(index), index < lastShown && shown[index], boxShown);
    }
    if (lifted) {
        m_box->show();
    }
}

void ReminderListSection::setShownBySearch(QWidget* widget, bool shown, bool boxShown)
{
    // Showing a widget lays it out at once, the bulk of a keystroke's cost with thousands of rows: a row never shown
    // yet is left to show with its box, as the box's own rows are, unless the box is on screen already.
    const bool hiddenByUs = widget->isHidden() && widget->testAttribute(Qt::WA_WState_ExplicitShowHide);
    if (shown) {
        if (hiddenByUs || (widget->isHidden() && boxShown)) {
            widget->setVisible(true);
        }
    } else if (!hiddenByUs) {
        widget->setVisible(false);
    }
}

} // namespace tolvik
