#include "store/IcalRecurrence.h"

#include "store/IcalSeries.h"
#include "store/IcalSupport.h"

#include <QDate>
#include <QTime>

#include <algorithm>
#include <optional>

namespace tolvik::ical {

namespace {

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

icaltimetype floating(icaltimetype time)
{
    time.zone = nullptr;
    return time;
}

// The old DUE moved by as much as its anchor moved: on the wall clock when both share a zone and form, so that
// a due at 18:00 stays at 18:00 across a daylight-saving change; else by the exact distance.
icaltimetype shifted(const icaltimetype& value, const icaltimetype& oldAnchor, const icaltimetype& newAnchor)
{
    if (value.is_date == oldAnchor.is_date && value.zone == oldAnchor.zone) {
        icaltimetype result =
            icaltime_add(floating(value), icaltime_subtract(floating(newAnchor), floating(oldAnchor)));
        result.zone = value.zone;
        result.is_date = value.is_date;
        return result;
    }
    const time_t distance =
        icaltime_as_timet_with_zone(value, value.zone) - icaltime_as_timet_with_zone(oldAnchor, oldAnchor.zone);
    const time_t moment = icaltime_as_timet_with_zone(newAnchor, newAnchor.zone) + distance;
    return icaltime_from_timet_with_zone(moment, value.is_date, const_cast<icaltimezone*>(value.zone));
}

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
    for (int i = 0; i < ICAL_BY_DAY_SIZE && recurrence.by_day[i] != ICAL_RECURRENCE_ARRAY_MAX; ++i) {
        const short day = recurrence.by_day[i];
        if (icalrecurrencetype_day_position(day) != 0) {
            rule.hasOtherParts = true;
            continue;
        }
        // libical counts from Sunday 1.
        const int weekday = (static_cast<int>(icalrecurrencetype_day_day_of_week(day)) + 5) % 7 + 1;
        if (weekday >= 1 && weekday <= 7 && !rule.weekdays.contains(weekday)) {
            rule.weekdays.append(weekday);
        }
    }
    std::sort(rule.weekdays.begin(), rule.weekdays.end());
    const auto anySet = [](const short* values, int size) {
        return size > 0 && values[0] != ICAL_RECURRENCE_ARRAY_MAX;
    };
    rule.hasOtherParts =
        rule.hasOtherParts || anySet(recurrence.by_month_day, ICAL_BY_MONTHDAY_SIZE) ||
        anySet(recurrence.by_year_day, ICAL_BY_YEARDAY_SIZE) || anySet(recurrence.by_week_no, ICAL_BY_WEEKNO_SIZE) ||
        anySet(recurrence.by_month, ICAL_BY_MONTH_SIZE) || anySet(recurrence.by_set_pos, ICAL_BY_SETPOS_SIZE) ||
        anySet(recurrence.by_hour, ICAL_BY_HOUR_SIZE) || anySet(recurrence.by_minute, ICAL_BY_MINUTE_SIZE);
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
        int dayCount = 0;
        for (int weekday : rule.weekdays) {
            if (weekday >= 1 && weekday <= 7 && dayCount < ICAL_BY_DAY_SIZE - 1) {
                // Monday 1 is libical's 2, Sunday 7 its 1.
                recurrence.by_day[dayCount++] = static_cast<short>(weekday % 7 + 1);
            }
        }
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

SeriesAdvance advanceToNextOccurrence(icalcomponent* root, icalcomponent* todo, const QDateTime& now, int milliseconds)
{
    SeriesReader series(root, todo);
    // The save waits for this on the main thread: the whole completion gets one budget. The steps bound what a
    // rule can cost; the time is only a backstop, and a busy machine must not turn "not found in time" into
    // "the series has ended".
    series.shareOneBudget(milliseconds);
    const std::optional<Instance> current = series.repeats() ? series.current(now.toSecsSinceEpoch()) : std::nullopt;
    const std::optional<Instance> next = current ? series.nextAfter(*current) : std::nullopt;
    if (series.ranOutOfTime()) {
        return SeriesAdvance::undetermined;
    }
    if (!next) {
        return SeriesAdvance::ended;
    }
    const icaltimetype oldAnchor = series.anchor();
    icaltimetype newAnchor = next->wall;
    newAnchor.zone = oldAnchor.zone;
    newAnchor.is_date = oldAnchor.is_date;

    // COUNT counts from DTSTART, so moving DTSTART forward must use up the occurrences passed over. Every count
    // is known before anything changes.
    QList<std::pair<icalproperty*, icalrecurrencetype>> counted;
    for (icalproperty* property : properties(todo, ICAL_RRULE_PROPERTY)) {
        icalrecurrencetype rule = icalproperty_get_rrule(property);
        if (rule.count > 0) {
            rule.count -= series.countBefore(rule, newAnchor);
            counted.append({property, rule});
        }
    }
    if (series.ranOutOfTime()) {
        return SeriesAdvance::undetermined;
    }
    for (const auto& [property, rule] : counted) {
        if (rule.count <= 0) {
            icalcomponent_remove_property(todo, property);
            icalproperty_free(property);
        } else {
            icalproperty_set_rrule(property, rule);
        }
    }
    icalproperty* startProperty = icalcomponent_get_first_property(todo, ICAL_DTSTART_PROPERTY);
    icalproperty* dueProperty = icalcomponent_get_first_property(todo, ICAL_DUE_PROPERTY);
    if (startProperty && dueProperty) {
        // A DUE that names no real time stays as written: shifting it would write a zero date no reader accepts.
        const icaltimetype due = icalcomponent_get_due(todo);
        if (isCalendarTime(due)) {
            icalproperty_set_due(dueProperty, shifted(due, oldAnchor, newAnchor));
        }
    }
    icalproperty_set_value(series.anchorProperty(),
                           newAnchor.is_date ? icalvalue_new_date(newAnchor) : icalvalue_new_datetime(newAnchor));
    return SeriesAdvance::advanced;
}

} // namespace tolvik::ical
