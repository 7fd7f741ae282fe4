#include "model/StoreReminderBatch.h"

#include <algorithm>

namespace tolvik {

StoreReminderBatch::const_iterator::const_iterator(const QList<QList<StoreReminder>>* runs, qsizetype run)
    : m_runs(runs)
    , m_run(run)
{
    // Empty runs are never stored, so the first record of a run is a valid position.
}

StoreReminderBatch::const_iterator& StoreReminderBatch::const_iterator::operator++()
{
    if (++m_at == m_runs->at(m_run).size()) {
        ++m_run;
        m_at = 0;
    }
    return *this;
}

StoreReminderBatch::StoreReminderBatch(QList<StoreReminder> reminders)
{
    appendRun(reminders);
}

void StoreReminderBatch::appendRun(const QList<StoreReminder>& run)
{
    if (run.isEmpty()) {
        return;
    }
    m_starts.append(m_size);
    m_runs.append(run);
    m_size += run.size();
}

const StoreReminder& StoreReminderBatch::at(qsizetype index) const
{
    Q_ASSERT(index >= 0 && index < m_size);
    const auto next = std::upper_bound(m_starts.cbegin(), m_starts.cend(), index);
    const qsizetype run = (next - m_starts.cbegin()) - 1;
    return m_runs.at(run).at(index - m_starts.at(run));
}

QList<StoreReminder> StoreReminderBatch::toList() const
{
    QList<StoreReminder> all;
    all.reserve(m_size);
    for (const QList<StoreReminder>& run : m_runs) {
        all.append(run);
    }
    return all;
}

} // namespace tolvik
