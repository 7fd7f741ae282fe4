#pragma once

#include "model/StoreRecords.h"

#include <QList>

#include <iterator>

namespace tolvik {

/// The reminders a fetch hands over: runs of records that the store shares between fetches (one run per list
/// folder), read as one sequence. A fetch after one file changed copies the run of that file's folder and
/// shares the others, so its cost follows what changed rather than how much the store holds.
class StoreReminderBatch
{
public:
    class const_iterator
    {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = StoreReminder;
        using difference_type = qsizetype;
        using pointer = const StoreReminder*;
        using reference = const StoreReminder&;

        const_iterator() = default;
        reference operator*() const { return m_runs->at(m_run).at(m_at); }
        pointer operator->() const { return &**this; }
        const_iterator& operator++();
        const_iterator operator++(int)
        {
            const_iterator before = *this;
            ++*this;
            return before;
        }
        friend bool operator==(const const_iterator& a, const const_iterator& b)
        {
            return a.m_run == b.m_run && a.m_at == b.m_at;
        }

    private:
        friend class StoreReminderBatch;
        const_iterator(const QList<QList<StoreReminder>>* runs, qsizetype run);

        const QList<QList<StoreReminder>>* m_runs = nullptr;
        qsizetype m_run = 0;
        qsizetype m_at = 0;
    };
    using iterator = const_iterator;
    using value_type = StoreReminder;

    StoreReminderBatch() = default;
    /// One run; stores that keep no runs of their own hand over a plain list this way.
    StoreReminderBatch(QList<StoreReminder> reminders); // NOLINT(google-explicit-constructor)

    /// Adds a run after the others; shares it rather than copying its records.
    void appendRun(const QList<StoreReminder>& run);

    qsizetype size() const { return m_size; }
    bool isEmpty() const { return m_size == 0; }
    /// The record at `index` of the whole sequence.
    const StoreReminder& at(qsizetype index) const;
    const StoreReminder& first() const { return at(0); }
    const StoreReminder& constFirst() const { return at(0); }
    const StoreReminder& operator[](qsizetype index) const { return at(index); }

    const_iterator begin() const { return const_iterator(&m_runs, 0); }
    const_iterator end() const { return const_iterator(&m_runs, m_runs.size()); }
    const_iterator cbegin() const { return begin(); }
    const_iterator cend() const { return end(); }

    /// The records as one list, copied.
    QList<StoreReminder> toList() const;
    operator QList<StoreReminder>() const { return toList(); } // NOLINT(google-explicit-constructor)
    /// The shared runs, in order.
    const QList<QList<StoreReminder>>& runs() const { return m_runs; }

private:
    QList<QList<StoreReminder>> m_runs;
    /// Where each run starts in the whole sequence.
    QList<qsizetype> m_starts;
    qsizetype m_size = 0;
};

} // namespace tolvik
