#include "store/IcalRecurrence.h"

#include "store/IcalSupport.h"

#include <QDate>
#include <QTime>

#include <optional>

namespace tolvik::ical {

namespace {

// Enough for a daily series many centuries long; only a runaway rule (FREQ=SECONDLY from years ago) hits it.
constexpr int maximumSteps = 200000;

std::optional<icalrecurrencetype_frequency> libicalFrequency(int frequency)
{
    switch (frequency) {
    case 0:
        return ICAL_DAILY_RECURRENCE;
    case 1:
        return ICAL_WEEKLY_RECURRENCE;
    case 2:
        return ICAL_MONTHLY_RECURRENCE;
    case 3:
        return ICAL_YEARLY_RECURRENCE;
    case 4:
        return ICAL_HOURLY_RECURRENCE;
    case 5:
        return ICAL_MINUTELY_RECURRENCE;
    case 6:
        return ICAL_SECONDLY_RECURRENCE;
    default:
        return std::nullopt;
    }
}

bool sameMoment(const icaltimetype& left, const icaltimetype& right)
{
    if (left.is_date || right.is_date) {
        return left.year == right.year && left.month == right.month && left.day == right.day;
    }
    return icaltime_compare(left, right) == 0;
}

class Occurrences
{
public:
    Occurrences(const icalrecurrencetype& rule, const icaltimetype& start)
        : m_iterator(icalrecur_iterator_new(rule, start))
        , m_start(start)
    {}
    ~Occurrences()
    {
        if (m_iterator) {
            icalrecur_iterator_free(m_iterator);
        }
    }
    Occurrences(const Occurrences&) = delete;
    Occurrences& operator=(const Occurrences&) = delete;

    /// The next occurrence, in the start's zone and form, or nothing when the series ended.
    std::optional<icaltimetype> next()
    {
        if (!m_iterator || m_steps++ >= maximumSteps) {
            return std::nullopt;
        }
        icaltimetype occurrence = icalrecur_iterator_next(m_iterator);
        if (icaltime_is_null_time(occurrence)) {
            return std::nullopt;
        }
        occurrence.zone = m_start.zone;
        occurrence.is_date = m_start.is_date;
        return occurrence;
    }

private:
    icalrecur_iterator* m_iterator;
    icaltimetype m_start;
    int m_steps = 0;
};

std::optional<icaltimetype> nextAfter(const icalrecurrencetype& rule, const icaltimetype& start,
                                      const QList<icaltimetype>& excluded)
{
    Occurrences occurrences(rule, start);
    while (const std::optional<icaltimetype> occurrence = occurrences.next()) {
        if (icaltime_compare(*occurrence, start) <= 0) {
            continue;
        }
        const bool skipped = std::any_of(excluded.begin(), excluded.end(),
                                         [&](const icaltimetype& date) { return sameMoment(*occurrence, date); });
        if (!skipped) {
            return occurrence;
        }
    }
    return std::nullopt;
}

int countBefore(const icalrecurrencetype& rule, const icaltimetype& start, const icaltimetype& limit)
{
    Occurrences occurrences(rule, start);
    int count = 0;
    while (const std::optional<icaltimetype> occurrence = occurrences.next()) {
        if (icaltime_compare(*occurrence, limit) >= 0) {
            break;
        }
        ++count;
    }
    return count;
}

// The old DUE moved by as much as its anchor moved: in wall-clock time when both share a zone and form, so that
// a due at 18:00 stays at 18:00 across a daylight-saving change; else by the exact distance.
icaltimetype shifted(const icaltimetype& value, const icaltimetype& oldAnchor, const icaltimetype& newAnchor)
{
    if (value.is_date == oldAnchor.is_date && value.zone == oldAnchor.zone) {
        icaltimetype result = icaltime_add(newAnchor, icaltime_subtract(value, oldAnchor));
        result.zone = value.zone;
        result.is_date = value.is_date;
        return result;
    }
    const time_t distance =
        icaltime_as_timet_with_zone(value, value.zone) - icaltime_as_timet_with_zone(oldAnchor, oldAnchor.zone);
    const time_t moment = icaltime_as_timet_with_zone(newAnchor, newAnchor.zone) + distance;
    return icaltime_from_timet_with_zone(moment, value.is_date, const_cast<icaltimezone*>(value.zone));
}

// libical accepts a date such as the 55th of June; no occurrence can be counted from it, nor can it be moved.
bool isCalendarTime(const icaltimetype& time)
{
    if (icaltime_is_null_time(time) || !QDate(time.year, time.month, time.day).isValid()) {
        return false;
    }
    return time.is_date || QTime(time.hour, time.minute, qMin(time.second, 59)).isValid();
}

} // namespace

RecurrenceRule ruleOf(const icalrecurrencetype& recurrence)
{
    RecurrenceRule rule;
    switch (recurrence.freq) {
    case ICAL_DAILY_RECURRENCE:
        rule.frequency = 0;
        break;
    case ICAL_WEEKLY_RECURRENCE:
        rule.frequency = 1;
        break;
    case ICAL_MONTHLY_RECURRENCE:
        rule.frequency = 2;
        break;
    case ICAL_YEARLY_RECURRENCE:
        rule.frequency = 3;
        break;
    case ICAL_HOURLY_RECURRENCE:
        rule.frequency = 4;
        break;
    case ICAL_MINUTELY_RECURRENCE:
        rule.frequency = 5;
        break;
    case ICAL_SECONDLY_RECURRENCE:
        rule.frequency = 6;
        break;
    default:
        rule.frequency = 7;
        break;
    }
    rule.interval = qMax(1, static_cast<int>(recurrence.interval));
    rule.hasEnd = recurrence.count > 0 || !icaltime_is_null_time(recurrence.until);
    return rule;
}

QList<RecurrenceRule> rulesOf(icalcomponent* todo)
{
    QList<RecurrenceRule> rules;
    for (icalproperty* property : properties(todo, ICAL_RRULE_PROPERTY)) {
        rules.append(ruleOf(icalproperty_get_rrule(property)));
    }
    return rules;
}

void writeRules(icalcomponent* todo, const QList<RecurrenceRule>& rules)
{
    QList<icalproperty*> old = properties(todo, ICAL_RRULE_PROPERTY);
    QList<icalproperty*> fresh;
    for (const RecurrenceRule& rule : rules) {
        const auto same = std::find_if(old.begin(), old.end(), [&](icalproperty* property) {
            return ruleOf(icalproperty_get_rrule(property)) == rule;
        });
        if (same != old.end()) {
            icalcomponent_remove_property(todo, *same);
            fresh.append(*same);
            old.erase(same);
            continue;
        }
        const std::optional<icalrecurrencetype_frequency> frequency = libicalFrequency(rule.frequency);
        if (!frequency) {
            continue;
        }
        icalrecurrencetype recurrence;
        icalrecurrencetype_clear(&recurrence);
        recurrence.freq = *frequency;
        recurrence.interval = static_cast<short>(qBound(1, rule.interval, 1000));
        fresh.append(icalproperty_new_rrule(recurrence));
    }
    for (icalproperty* property : old) {
        icalcomponent_remove_property(todo, property);
        icalproperty_free(property);
    }
    for (icalproperty* property : fresh) {
        icalcomponent_add_property(todo, property);
    }
}

bool advanceToNextOccurrence(icalcomponent* todo)
{
    icalproperty* startProperty = icalcomponent_get_first_property(todo, ICAL_DTSTART_PROPERTY);
    icalproperty* dueProperty = icalcomponent_get_first_property(todo, ICAL_DUE_PROPERTY);
    if (!startProperty && !dueProperty) {
        return false;
    }
    // The series counts from DTSTART; without one, DUE is the first occurrence.
    const icaltimetype anchor = startProperty ? icalcomponent_get_dtstart(todo) : icalcomponent_get_due(todo);
    if (!isCalendarTime(anchor)) {
        return false;
    }
    QList<icaltimetype> excluded;
    for (icalproperty* property : properties(todo, ICAL_EXDATE_PROPERTY)) {
        excluded.append(icalproperty_get_exdate(property));
    }
    const QList<icalproperty*> ruleProperties = properties(todo, ICAL_RRULE_PROPERTY);
    std::optional<icaltimetype> next;
    for (icalproperty* property : ruleProperties) {
        const std::optional<icaltimetype> candidate = nextAfter(icalproperty_get_rrule(property), anchor, excluded);
        if (candidate && (!next || icaltime_compare(*candidate, *next) < 0)) {
            next = candidate;
        }
    }
    if (!next) {
        return false;
    }

    // COUNT counts from DTSTART, so moving DTSTART forward must use up the occurrences passed over.
    for (icalproperty* property : ruleProperties) {
        icalrecurrencetype rule = icalproperty_get_rrule(property);
        if (rule.count <= 0) {
            continue;
        }
        rule.count -= countBefore(rule, anchor, *next);
        if (rule.count <= 0) {
            icalcomponent_remove_property(todo, property);
            icalproperty_free(property);
        } else {
            icalproperty_set_rrule(property, rule);
        }
    }
    if (startProperty && dueProperty) {
        // A DUE that names no real time stays as written: shifting it would write a zero date no reader accepts.
        const icaltimetype due = icalcomponent_get_due(todo);
        if (isCalendarTime(due)) {
            icalproperty_set_due(dueProperty, shifted(due, anchor, *next));
        }
    } else if (dueProperty) {
        icalproperty_set_due(dueProperty, *next);
    }
    if (startProperty) {
        icalproperty_set_dtstart(startProperty, *next);
    }
    return true;
}

} // namespace tolvik::ical
