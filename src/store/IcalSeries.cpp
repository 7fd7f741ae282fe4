#include "store/IcalSeries.h"

#include "store/IcalAlarms.h"
#include "store/IcalSupport.h"

#include <QElapsedTimer>
#include <QSet>

#include <algorithm>
#include <mutex>

namespace tolvik::ical {

namespace {

constexpr qint64 daySeconds = 24 * 60 * 60;
// No occurrence is looked for past the year 3000.
constexpr qint64 lastInstant = 32503680000;
// How far around "now" the current occurrence is looked for, in ever wider steps.
// How many intervals one iterator may walk: at libical's pace of a few microseconds per unit, tens of
// milliseconds at most.
constexpr qint64 unitsPerIterator = 16384;
constexpr qint64 currentWidths[] = {2 * daySeconds, 35 * daySeconds, 400 * daySeconds, 4000 * daySeconds};

qint64 unitSeconds(icalrecurrencetype_frequency frequency)
{
    switch (frequency) {
    case ICAL_SECONDLY_RECURRENCE:
        return 1;
    case ICAL_MINUTELY_RECURRENCE:
        return 60;
    case ICAL_HOURLY_RECURRENCE:
        return 3600;
    case ICAL_DAILY_RECURRENCE:
        return daySeconds;
    case ICAL_WEEKLY_RECURRENCE:
        return 7 * daySeconds;
    case ICAL_MONTHLY_RECURRENCE:
        return 31 * daySeconds;
    default:
        return 366 * daySeconds;
    }
}

bool isSubDaily(icalrecurrencetype_frequency frequency)
{
    return frequency == ICAL_SECONDLY_RECURRENCE || frequency == ICAL_MINUTELY_RECURRENCE ||
           frequency == ICAL_HOURLY_RECURRENCE;
}

icaltimetype floating(icaltimetype time)
{
    time.zone = nullptr;
    return time;
}

icaldurationtype secondsDuration(qint64 seconds)
{
    return icaldurationtype_from_int(int(std::clamp<qint64>(seconds, -2000000000, 2000000000)));
}

// libical accepts a date such as the 55th of June; no occurrence can be counted from it.
bool isCalendarTime(const icaltimetype& time)
{
    if (icaltime_is_null_time(time) || !QDate(time.year, time.month, time.day).isValid()) {
        return false;
    }
    return time.is_date || QTime(time.hour, time.minute, qMin(time.second, 59)).isValid();
}

bool isDoneComponent(icalcomponent* todo)
{
    const icalproperty_status status = icalcomponent_get_status(todo);
    return status == ICAL_STATUS_COMPLETED || status == ICAL_STATUS_CANCELLED ||
           icalcomponent_get_first_property(todo, ICAL_COMPLETED_PROPERTY) != nullptr;
}

std::optional<qint64> instantOf(icalproperty* property, const icaltimetype& time)
{
    const std::optional<QDateTime> moment = property ? momentOf(property, time) : std::nullopt;
    return moment ? std::optional<qint64>(moment->toSecsSinceEpoch()) : std::nullopt;
}

// The key of a RECURRENCE-ID, RDATE or EXDATE value, whose TZID libical does not resolve for these.
QString keyOf(icalproperty* property, const icaltimetype& time, qint64 instant)
{
    const std::optional<DueDateComponents> components = componentsOf(time, tzidOf(property));
    return occurrenceKey(time, instant, !components || !components->timeZone.isValid());
}

// The override's own DUE (or DTSTART plus DURATION) and DTSTART, as the reader reads a master's.
std::pair<std::optional<DueDateComponents>, std::optional<DueDateComponents>> ownTimes(icalcomponent* todo)
{
    std::optional<DueDateComponents> start;
    std::optional<DueDateComponents> due;
    if (icalproperty* property = icalcomponent_get_first_property(todo, ICAL_DTSTART_PROPERTY)) {
        start = componentsOf(icalcomponent_get_dtstart(todo), tzidOf(property));
    }
    icalproperty* dueProperty = icalcomponent_get_first_property(todo, ICAL_DUE_PROPERTY);
    if (!dueProperty && icalcomponent_get_first_property(todo, ICAL_DURATION_PROPERTY)) {
        dueProperty = icalcomponent_get_first_property(todo, ICAL_DTSTART_PROPERTY);
    }
    if (dueProperty) {
        due = componentsOf(icalcomponent_get_due(todo), tzidOf(dueProperty));
    }
    return {due, start};
}

class IcalSeries final : public ReminderSeries
{
public:
    IcalSeries(ComponentPtr root, icalcomponent* master)
        : m_root(std::move(root))
        , m_reader(m_root.get(), master)
    {}

    QList<StoreOccurrence> occurrences(const QDateTime& from, const QDateTime& to, int limit) const override
    {
        const std::lock_guard lock(m_mutex);
        const qint64 first = std::max(from.toSecsSinceEpoch(), -lastInstant);
        const qint64 last = std::min(to.toSecsSinceEpoch(), lastInstant);
        // Questions come from a clock that moves on: answer from a wider stretch computed once.
        if (!m_cached || first < m_cachedFrom || last > m_cachedTo) {
            const qint64 span = last - first;
            m_cachedFrom = first - (span < 35 * daySeconds ? daySeconds : 0);
            m_cachedTo = std::min(lastInstant, last + (span < 35 * daySeconds ? 35 * daySeconds : 0));
            bool bounded = false;
            const QList<Instance> instances = m_reader.between(m_cachedFrom, m_cachedTo, 4096, &bounded);
            m_cache.clear();
            for (const Instance& instance : instances) {
                m_cache.append({instance, m_reader.occurrence(instance)});
            }
            // A stretch the time cut short (on a busy machine) is asked again next time, never kept as the series.
            m_cached = instances.size() < 4096 && !m_reader.ranOutOfTime();
        }
        QList<StoreOccurrence> result;
        for (const auto& [instance, occurrence] : m_cache) {
            if (result.size() >= limit) {
                break;
            }
            if (instance.instant >= first && instance.instant <= last) {
                result.append(occurrence);
            } else if (instance.override) {
                // An override moved to another time rings there.
                const auto [due, start] = ownTimes(instance.override);
                for (const auto& own : {due, start}) {
                    const std::optional<QDateTime> moment = own ? own->toDateTime() : std::nullopt;
                    if (moment && moment->toSecsSinceEpoch() >= first && moment->toSecsSinceEpoch() <= last) {
                        result.append(occurrence);
                        break;
                    }
                }
            }
        }
        return result;
    }

    std::optional<StoreOccurrence> current(const QDateTime& now) const override
    {
        const std::lock_guard lock(m_mutex);
        const std::optional<Instance> instance = m_reader.current(now.toSecsSinceEpoch());
        return instance ? std::optional(m_reader.occurrence(*instance)) : std::nullopt;
    }

private:
    ComponentPtr m_root;
    SeriesReader m_reader;
    mutable std::mutex m_mutex;
    mutable bool m_cached = false;
    mutable qint64 m_cachedFrom = 0;
    mutable qint64 m_cachedTo = 0;
    mutable QList<std::pair<Instance, StoreOccurrence>> m_cache;
};

} // namespace

QString occurrenceKey(const icaltimetype& time, qint64 instant, bool isFloating)
{
    qint64 seconds = instant;
    if (time.is_date || isFloating) {
        const QDate date(time.year, time.month, time.day);
        seconds = (date.toJulianDay() - 2440588) * daySeconds +
                  (time.is_date ? 0 : time.hour * 3600 + time.minute * 60 + qMin(time.second, 59));
    }
    return QString::number(seconds * 1000000);
}

SeriesReader::SeriesReader(icalcomponent* root, icalcomponent* master)
    : m_master(master)
{
    const QString uid = text(icalcomponent_get_uid(master));
    const QList<icalcomponent*> calendars = icalcomponent_isa(root) == ICAL_XROOT_COMPONENT
                                                ? components(root, ICAL_VCALENDAR_COMPONENT)
                                                : QList<icalcomponent*>{root};
    for (icalcomponent* calendar : calendars) {
        for (icalcomponent* todo : components(calendar, ICAL_VTODO_COMPONENT)) {
            if (todo != master && icalcomponent_get_first_property(todo, ICAL_RECURRENCEID_PROPERTY) &&
                text(icalcomponent_get_uid(todo)) == uid) {
                m_overrides.append(todo);
            }
        }
    }
    icalproperty* start = icalcomponent_get_first_property(master, ICAL_DTSTART_PROPERTY);
    icalproperty* due = icalcomponent_get_first_property(master, ICAL_DUE_PROPERTY);
    // The series counts from DTSTART; without one, DUE is the first occurrence.
    m_anchorProperty = start ? start : due;
    const bool repeating = icalcomponent_get_first_property(master, ICAL_RRULE_PROPERTY) ||
                           icalcomponent_get_first_property(master, ICAL_RDATE_PROPERTY);
    if (!m_anchorProperty || !repeating) {
        return;
    }
    m_anchor = start ? icalcomponent_get_dtstart(master) : icalcomponent_get_due(master);
    m_tzid = tzidOf(m_anchorProperty);
    const std::optional<DueDateComponents> anchor =
        isCalendarTime(m_anchor) ? componentsOf(m_anchor, m_tzid) : std::nullopt;
    if (!anchor || !anchor->toDateTime()) {
        return;
    }
    m_zone = anchor->timeZone;
    m_byDefinition = !m_anchor.is_date && !icaltime_is_utc(m_anchor) && m_zone == utcZone();
    m_hasStart = start != nullptr;
    m_hasDue = due || (start && icalcomponent_get_first_property(master, ICAL_DURATION_PROPERTY));
    if (m_hasStart && m_hasDue) {
        const icaltimetype dueTime = icalcomponent_get_due(master);
        m_dueOnWallClock = dueTime.is_date == m_anchor.is_date && dueTime.zone == m_anchor.zone;
        if (m_dueOnWallClock) {
            m_dueDistance = icaldurationtype_as_int(icaltime_subtract(floating(dueTime), floating(m_anchor)));
        } else {
            const std::optional<qint64> dueInstant =
                instantOf(due ? due : start, dueTime.is_date || !due ? dueTime : icalcomponent_get_due(master));
            const std::optional<qint64> startInstant = instantOf(start, m_anchor);
            m_dueDistance = dueInstant && startInstant ? *dueInstant - *startInstant : 0;
        }
    }
    m_alarms = alarmsOf(master);
    m_valid = true;
}

DueDateComponents SeriesReader::componentsAt(const icaltimetype& wall) const
{
    const QDate date(wall.year, wall.month, wall.day);
    if (m_anchor.is_date) {
        return DueDateComponents{date, std::nullopt, QTimeZone()};
    }
    if (m_byDefinition) {
        icaltimetype zoned = wall;
        zoned.zone = m_anchor.zone;
        return componentsOf(zoned, m_tzid).value_or(DueDateComponents{});
    }
    return DueDateComponents{date, QTime(wall.hour, wall.minute, qMin(wall.second, 59)), m_zone};
}

Instance SeriesReader::instanceAt(const icaltimetype& wall) const
{
    Instance instance;
    instance.wall = wall;
    instance.wall.zone = m_anchor.zone;
    instance.wall.is_date = m_anchor.is_date;
    instance.tzid = m_tzid;
    const std::optional<QDateTime> moment = componentsAt(wall).toDateTime();
    instance.instant = moment ? moment->toSecsSinceEpoch() : 0;
    instance.key = occurrenceKey(instance.wall, instance.instant, !m_zone.isValid());
    return instance;
}

icaltimetype SeriesReader::wallOf(qint64 instant) const
{
    instant = std::clamp(instant, -lastInstant, lastInstant);
    const QDateTime moment = m_anchor.is_date || !m_zone.isValid()
                                 ? QDateTime::fromSecsSinceEpoch(instant, Qt::LocalTime)
                                 : QDateTime::fromSecsSinceEpoch(instant, m_zone);
    icaltimetype wall = icaltime_null_time();
    wall.year = moment.date().year();
    wall.month = moment.date().month();
    wall.day = moment.date().day();
    wall.is_date = m_anchor.is_date;
    if (!wall.is_date) {
        wall.hour = moment.time().hour();
        wall.minute = moment.time().minute();
        wall.second = moment.time().second();
    }
    return wall;
}

void SeriesReader::expandRule(icalrecurrencetype rule, qint64 from, qint64 to, QList<Instance>& out,
                              bool& bounded) const
{
    // The iteration runs on the wall clock, in floating time: libical moves a time the clocks skip to the hour
    // after and keeps it there the next day, and a series must keep its wall-clock time.
    const icaltimetype start = floating(m_anchor);
    const qint64 startInstant = instanceAt(start).instant;
    if (!icaltime_is_null_time(rule.until)) {
        if (!rule.until.is_date && rule.until.zone) {
            rule.until = wallOf(icaltime_as_timet_with_zone(rule.until, rule.until.zone));
        } else if (rule.until.is_date && !m_anchor.is_date) {
            rule.until.is_date = 0;
            rule.until.hour = 23;
            rule.until.minute = 59;
            rule.until.second = 59;
        }
        rule.until = floating(rule.until);
        rule.until.is_date = m_anchor.is_date;
    }
    // libical refuses COUNT together with UNTIL, and the bound below is an UNTIL: count here instead.
    const int count = rule.count;
    rule.count = 0;
    const qint64 unit = unitSeconds(rule.freq) * qMax(1, int(rule.interval));
    icaltimetype iterationStart = start;
    qint64 iterationInstant = startInstant;
    bool jump = false;
    if (count <= 0 && from - 2 * daySeconds > startInstant) {
        // Counting from a start years back would take a step per occurrence. A sub-daily rule starts again a
        // whole number of intervals later (libical's own jump misaligns those); the others jump to the window.
        if (isSubDaily(rule.freq)) {
            const qint64 periods = (from - 2 * daySeconds - startInstant) / unit;
            iterationStart = icaltime_add(start, secondsDuration(periods * unit));
            iterationInstant = startInstant + periods * unit;
        } else {
            jump = true;
            iterationInstant = from - 2 * daySeconds;
        }
    }
    // Bound the expansion: no further than the window, and no more steps than allowed from where it starts. When
    // a rule's other parts never match, libical walks unit after unit inside a single call that nothing can
    // interrupt, so one iterator never reaches further than a bounded number of units.
    const qint64 windowEnd = std::min(lastInstant, to + 2 * daySeconds);
    const qint64 reach = std::clamp<qint64>(m_stepsLeft, 1, unitsPerIterator);
    const qint64 stepEnd = std::min(lastInstant, iterationInstant + reach * unit);
    const icaltimetype cap = wallOf(std::min(windowEnd, stepEnd));
    if (icaltime_is_null_time(rule.until) || icaltime_compare(cap, rule.until) < 0) {
        rule.until = cap;
        bounded = bounded || stepEnd < windowEnd;
    }
    icalrecur_iterator* iterator = icalrecur_iterator_new(rule, iterationStart);
    if (!iterator) {
        return;
    }
    if (jump) {
        icalrecur_iterator_set_start(iterator, wallOf(iterationInstant));
    }
    int produced = 0;
    for (;;) {
        if (!spendStep()) {
            bounded = true;
            break;
        }
        icaltimetype wall = icalrecur_iterator_next(iterator);
        if (icaltime_is_null_time(wall)) {
            // The call may have walked every unit up to the cap.
            m_stepsLeft = int(std::max<qint64>(0, m_stepsLeft - reach));
            break;
        }
        if (count > 0 && produced >= count) {
            break;
        }
        ++produced;
        const Instance instance = instanceAt(floating(wall));
        if (instance.instant > to) {
            break;
        }
        if (instance.instant >= from && instance.instant >= startInstant) {
            out.append(instance);
        }
    }
    icalrecur_iterator_free(iterator);
}

// Opens a question: the outermost one starts the budget afresh, unless the reader shares one budget.
class SeriesReader::Question
{
public:
    explicit Question(const SeriesReader& reader)
        : m_reader(reader)
    {
        if (m_reader.m_openQuestions++ == 0 && (!m_reader.m_oneBudget || !m_reader.m_budgetTimer.isValid())) {
            m_reader.m_stepsLeft = maximumSteps;
            m_reader.m_outOfTime = false;
            m_reader.m_budgetTimer.start();
        }
    }
    ~Question() { --m_reader.m_openQuestions; }
    Question(const Question&) = delete;
    Question& operator=(const Question&) = delete;

private:
    const SeriesReader& m_reader;
};

bool SeriesReader::spendStep() const
{
    if (m_stepsLeft <= 0) {
        return false;
    }
    if (m_budgetTimer.elapsed() > m_milliseconds) {
        m_outOfTime = true;
        m_stepsLeft = 0;
        return false;
    }
    --m_stepsLeft;
    return true;
}

QList<Instance> SeriesReader::between(qint64 from, qint64 to, int limit, bool* bounded) const
{
    const Question question(*this);
    QList<Instance> found;
    bool cut = false;
    if (!m_valid || from > to) {
        return found;
    }
    for (icalproperty* property : properties(m_master, ICAL_RRULE_PROPERTY)) {
        expandRule(icalproperty_get_rrule(property), from, to, found, cut);
    }
    // DTSTART is the first occurrence whether or not the rule matches it.
    const Instance first = instanceAt(floating(m_anchor));
    if (first.instant >= from && first.instant <= to) {
        found.append(first);
    }
    for (icalproperty* property : properties(m_master, ICAL_RDATE_PROPERTY)) {
        const icaldatetimeperiodtype value = icalproperty_get_rdate(property);
        const icaltimetype time = icaltime_is_null_time(value.time) ? value.period.start : value.time;
        const std::optional<qint64> instant = isCalendarTime(time) ? instantOf(property, time) : std::nullopt;
        if (instant && *instant >= from && *instant <= to) {
            Instance instance = instanceAt(
                time.is_date == m_anchor.is_date && time.zone == m_anchor.zone ? floating(time) : wallOf(*instant));
            found.append(instance);
        }
    }
    QSet<QString> excluded;
    QSet<QDate> excludedDays;
    for (icalproperty* property : properties(m_master, ICAL_EXDATE_PROPERTY)) {
        const icaltimetype time = icalproperty_get_exdate(property);
        if (time.is_date && !m_anchor.is_date) {
            excludedDays.insert(QDate(time.year, time.month, time.day));
        } else if (const std::optional<qint64> instant = instantOf(property, time)) {
            excluded.insert(keyOf(property, time, *instant));
        }
    }
    std::sort(found.begin(), found.end(), [](const Instance& a, const Instance& b) { return a.instant < b.instant; });
    QSet<QString> seen;
    QList<Instance> result;
    for (const Instance& instance : std::as_const(found)) {
        const QDate day(instance.wall.year, instance.wall.month, instance.wall.day);
        if (seen.contains(instance.key) || excluded.contains(instance.key) || excludedDays.contains(day)) {
            continue;
        }
        seen.insert(instance.key);
        result.append(instance);
    }
    for (icalcomponent* override : m_overrides) {
        icalproperty* property = icalcomponent_get_first_property(override, ICAL_RECURRENCEID_PROPERTY);
        const icaltimetype id = icalcomponent_get_recurrenceid(override);
        const std::optional<qint64> instant = isCalendarTime(id) ? instantOf(property, id) : std::nullopt;
        if (!instant) {
            continue;
        }
        const QString key = keyOf(property, id, *instant);
        const auto match = std::find_if(result.begin(), result.end(), [&](const Instance& i) { return i.key == key; });
        if (match != result.end()) {
            match->override = override;
            continue;
        }
        // An override moved into the window from an occurrence outside it still counts here.
        bool inWindow = *instant >= from && *instant <= to;
        const auto [due, start] = ownTimes(override);
        for (const auto& own : {due, start}) {
            const std::optional<QDateTime> moment = own ? own->toDateTime() : std::nullopt;
            inWindow = inWindow || (moment && moment->toSecsSinceEpoch() >= from && moment->toSecsSinceEpoch() <= to);
        }
        if (inWindow && *instant >= first.instant) {
            Instance instance = instanceAt(wallOf(*instant));
            instance.instant = *instant;
            instance.key = key;
            instance.override = override;
            result.append(instance);
        }
    }
    std::sort(result.begin(), result.end(), [](const Instance& a, const Instance& b) { return a.instant < b.instant; });
    if (result.size() > limit) {
        result.resize(limit);
    }
    if (bounded) {
        *bounded = cut;
    }
    return result;
}

bool SeriesReader::isDone(const Instance& instance) const
{
    return instance.override && isDoneComponent(instance.override);
}

StoreOccurrence SeriesReader::occurrence(const Instance& instance) const
{
    StoreOccurrence occurrence;
    occurrence.key = instance.key;
    const icaltimetype wall = floating(instance.wall);
    const DueDateComponents at = componentsAt(wall);
    if (m_hasStart) {
        occurrence.start = at;
    }
    if (m_hasDue && !m_hasStart) {
        occurrence.due = at;
    } else if (m_hasDue && m_dueOnWallClock) {
        occurrence.due = componentsAt(icaltime_add(wall, secondsDuration(m_dueDistance)));
    } else if (m_hasDue) {
        const QDateTime due = QDateTime::fromSecsSinceEpoch(instance.instant + m_dueDistance, Qt::UTC);
        occurrence.due = DueDateComponents{due.date(), due.time(), utcZone()};
    }
    occurrence.alarms = m_alarms;
    if (instance.override) {
        // An override replaces the occurrence; one that names no time of its own keeps the occurrence's.
        const auto [due, start] = ownTimes(instance.override);
        if (due || start) {
            occurrence.due = due;
            occurrence.start = start;
        }
        occurrence.alarms = alarmsOf(instance.override);
        occurrence.isCompleted = isDoneComponent(instance.override);
    }
    return occurrence;
}

std::optional<Instance> SeriesReader::current(qint64 now) const
{
    const Question question(*this);
    if (!m_valid) {
        return std::nullopt;
    }
    const qint64 anchorInstant = instanceAt(floating(m_anchor)).instant;
    for (const qint64 width : currentWidths) {
        bool bounded = false;
        const QList<Instance> instances = between(now - width, now + width, 100000, &bounded);
        qsizetype latest = -1;
        for (qsizetype i = 0; i < instances.size(); ++i) {
            if (instances.at(i).instant <= now) {
                latest = i;
            }
        }
        // A wider window cannot help where the bound already cut this one short.
        if (latest < 0 && anchorInstant < now - width) {
            if (bounded) {
                break;
            }
            continue;
        }
        if (latest >= 0 && !isDone(instances.at(latest))) {
            return instances.at(latest);
        }
        for (qsizetype i = latest + 1; i < instances.size(); ++i) {
            if (!isDone(instances.at(i))) {
                return instances.at(i);
            }
        }
        if (bounded) {
            break;
        }
    }
    return std::nullopt;
}

std::optional<Instance> SeriesReader::nextAfter(const Instance& instance) const
{
    const Question question(*this);
    for (const qint64 width : currentWidths) {
        bool bounded = false;
        for (const Instance& candidate :
             between(instance.instant + 1, instance.instant + 2 * width, 100000, &bounded)) {
            if (candidate.key != instance.key && !isDone(candidate)) {
                return candidate;
            }
        }
        if (bounded) {
            break;
        }
    }
    return std::nullopt;
}

int SeriesReader::countBefore(const icalrecurrencetype& rule, const icaltimetype& limit) const
{
    const Question question(*this);
    QList<Instance> instances;
    bool bounded = false;
    icalrecurrencetype counted = rule;
    const qint64 limitInstant = instanceAt(floating(limit)).instant;
    expandRule(counted, instanceAt(floating(m_anchor)).instant, limitInstant - 1, instances, bounded);
    return int(instances.size());
}

std::shared_ptr<const ReminderSeries> seriesOf(icalcomponent* root, icalcomponent* master)
{
    if (!SeriesReader(root, master).repeats()) {
        return nullptr;
    }
    // The copy keeps the file's own VTIMEZONEs alive for the zones its times refer to.
    QList<int> path;
    for (icalcomponent* child = master; icalcomponent_get_parent(child) != nullptr;
         child = icalcomponent_get_parent(child)) {
        path.prepend(int(components(icalcomponent_get_parent(child), ICAL_ANY_COMPONENT).indexOf(child)));
    }
    ComponentPtr copy(icalcomponent_new_clone(root));
    icalcomponent* copiedMaster = copy.get();
    for (const int index : path) {
        const QList<icalcomponent*> children = components(copiedMaster, ICAL_ANY_COMPONENT);
        if (index < 0 || index >= children.size()) {
            return nullptr;
        }
        copiedMaster = children.at(index);
    }
    return std::make_shared<IcalSeries>(std::move(copy), copiedMaster);
}

} // namespace tolvik::ical
