#pragma once

#include "model/StoreRecords.h"

#include <libical/ical.h>

#include <QDateTime>
#include <QElapsedTimer>
#include <QList>
#include <QString>

#include <memory>
#include <optional>

// The occurrences of a repeating to-do, as RFC 5545 defines them: DTSTART (or, without it, DUE) with its RRULEs,
// RDATEs and EXDATEs, and the overrides (RECURRENCE-ID) in the same file. Internal to src/store.
namespace tolvik::ical {

/// One occurrence as the file has it: its recurrence id in the anchor's zone, and the override that replaces it.
struct Instance
{
    icaltimetype wall = icaltime_null_time();
    QString tzid;
    /// Seconds since the epoch of its start, for ordering and windows.
    qint64 instant = 0;
    /// Its recurrence id as clients name it in per-occurrence properties.
    QString key;
    icalcomponent* override = nullptr;
};

/// Reads the series of a master VTODO in a parsed file, without owning either. Expansion is bounded in steps
/// and in time, so that a rule that never matches (FREQ=MINUTELY;BYMONTH=2;BYMONTHDAY=30) answers at once.
class SeriesReader
{
public:
    /// How many iterator steps one question may take, and for how long, however many windows it tries.
    static constexpr int maximumSteps = 100000;
    static constexpr int maximumMilliseconds = 40;

    SeriesReader(icalcomponent* root, icalcomponent* master);

    /// Makes every later question share one budget of `milliseconds`, for a reader that serves one task made of
    /// several questions (completing an occurrence), so that the task as a whole answers at once.
    void shareOneBudget(int milliseconds)
    {
        m_oneBudget = true;
        m_milliseconds = milliseconds;
    }
    /// Whether the last question (or the shared budget's task) stopped because its time ran out. Unlike the step bound,
    /// which the rule alone decides, that depends on how busy the machine is: an answer cut short by it says nothing
    /// about the series.
    bool ranOutOfTime() const { return m_outOfTime; }

    /// True when the master repeats (RRULE or RDATE) and has a usable DTSTART or DUE.
    bool repeats() const { return m_valid; }
    /// The occurrences that begin within [from, to], and those an override moved there, in time order; at most
    /// `limit`. `bounded` is set when the bound on steps or time cut the expansion short.
    QList<Instance> between(qint64 from, qint64 to, int limit, bool* bounded = nullptr) const;
    /// The occurrence as the model sees it: an override's own due, start, alarms and status, or the master's.
    StoreOccurrence occurrence(const Instance& instance) const;
    /// Whether the occurrence is done: completed or cancelled in its override.
    bool isDone(const Instance& instance) const;
    /// The occurrence current at `now`: the latest that began by then unless it is done, else the first after it
    /// that is not; nothing when every occurrence found is done.
    std::optional<Instance> current(qint64 now) const;
    /// The first occurrence after `instance` that is not done.
    std::optional<Instance> nextAfter(const Instance& instance) const;

    icalproperty* anchorProperty() const { return m_anchorProperty; }
    const icaltimetype& anchor() const { return m_anchor; }
    /// How many occurrences `rule` yields from the anchor up to, not including, `limit`.
    int countBefore(const icalrecurrencetype& rule, const icaltimetype& limit) const;

private:
    class Question;
    /// Takes one iterator step from the budget; false once the steps or the time are spent.
    bool spendStep() const;

    Instance instanceAt(const icaltimetype& wall) const;
    DueDateComponents componentsAt(const icaltimetype& wall) const;
    void expandRule(icalrecurrencetype rule, qint64 from, qint64 to, QList<Instance>& out, bool& bounded) const;
    icaltimetype wallOf(qint64 instant) const;

    icalcomponent* m_master = nullptr;
    QList<icalcomponent*> m_overrides;
    icalproperty* m_anchorProperty = nullptr;
    icaltimetype m_anchor = icaltime_null_time();
    QString m_tzid;
    QTimeZone m_zone;
    bool m_byDefinition = false;
    bool m_valid = false;
    bool m_hasStart = false;
    bool m_hasDue = false;
    /// DUE's distance from DTSTART, on the wall clock when both share a zone and form, else in seconds.
    qint64 m_dueDistance = 0;
    bool m_dueOnWallClock = true;
    QList<StoreAlarm> m_alarms;
    mutable int m_stepsLeft = maximumSteps;
    mutable QElapsedTimer m_budgetTimer;
    mutable int m_openQuestions = 0;
    mutable bool m_outOfTime = false;
    bool m_oneBudget = false;
    int m_milliseconds = maximumMilliseconds;
};

/// The series of a repeating master VTODO, keeping its own copy of the file; nothing when it does not repeat.
std::shared_ptr<const ReminderSeries> seriesOf(icalcomponent* root, icalcomponent* master);

/// The recurrence id of a time as clients name per-occurrence properties: microseconds since the epoch of
/// `instant`, a day as its midnight in UTC and a floating time as if it were UTC.
QString occurrenceKey(const icaltimetype& time, qint64 instant, bool isFloating);

} // namespace tolvik::ical
