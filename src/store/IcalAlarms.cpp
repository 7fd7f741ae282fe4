#include "store/IcalAlarms.h"

#include "store/IcalSupport.h"
#include "store/TodoDocument.h"

#include <QTimeZone>

namespace tolvik::ical {

namespace {

const char* const lastAckName = "X-MOZ-LASTACK";
const char* const snoozeName = "X-MOZ-SNOOZE-TIME";

icalproperty* findX(icalcomponent* component, const char* name)
{
    for (icalproperty* property : properties(component, ICAL_X_PROPERTY)) {
        const char* xName = icalproperty_get_x_name(property);
        if (xName && qstricmp(xName, name) == 0) {
            return property;
        }
    }
    return nullptr;
}

void removeX(icalcomponent* component, const char* name)
{
    while (icalproperty* property = findX(component, name)) {
        icalcomponent_remove_property(component, property);
        icalproperty_free(property);
    }
}

// Other clients write these as UTC, but a floating or TZID value is read as the moment it denotes too.
std::optional<QDateTime> xMoment(icalcomponent* component, const char* name)
{
    icalproperty* property = findX(component, name);
    const char* value = property ? icalproperty_get_x(property) : nullptr;
    if (!value) {
        return std::nullopt;
    }
    const icaltimetype time = icaltime_from_string(value);
    if (icaltime_is_null_time(time) || !icaltime_is_valid_time(time)) {
        return std::nullopt;
    }
    return momentOf(property, time);
}

void writeX(icalcomponent* component, const char* name, const QDateTime& moment)
{
    removeX(component, name);
    icalproperty* property = icalproperty_new_x(icaltime_as_ical_string(utcTime(moment)));
    icalproperty_set_x_name(property, name);
    icalcomponent_add_property(component, property);
}

qint64 secondsOf(const icaldurationtype& duration)
{
    return qint64(icaldurationtype_as_int(duration));
}

StoreAlarm alarmOf(icalcomponent* valarm)
{
    StoreAlarm alarm;
    icalproperty* actionProperty = icalcomponent_get_first_property(valarm, ICAL_ACTION_PROPERTY);
    const icalproperty_action action = actionProperty ? icalproperty_get_action(actionProperty) : ICAL_ACTION_NONE;
    alarm.action = action == ICAL_ACTION_DISPLAY ? AlarmAction::display
                   : action == ICAL_ACTION_AUDIO ? AlarmAction::audio
                                                 : AlarmAction::other;
    icalproperty* triggerProperty = icalcomponent_get_first_property(valarm, ICAL_TRIGGER_PROPERTY);
    if (!triggerProperty) {
        alarm.action = AlarmAction::other;
        return alarm;
    }
    const icaltriggertype trigger = icalproperty_get_trigger(triggerProperty);
    if (!icaltime_is_null_time(trigger.time)) {
        alarm.anchor = AlarmAnchor::absolute;
        alarm.absoluteTime = momentOf(triggerProperty, trigger.time);
        if (!alarm.absoluteTime) {
            alarm.action = AlarmAction::other;
        }
    } else {
        icalparameter* related = icalproperty_get_first_parameter(triggerProperty, ICAL_RELATED_PARAMETER);
        alarm.anchor =
            related && icalparameter_get_related(related) == ICAL_RELATED_END ? AlarmAnchor::due : AlarmAnchor::start;
        alarm.offsetSeconds = secondsOf(trigger.duration);
    }
    // REPEAT counts only together with a DURATION between the rings.
    icalproperty* repeat = icalcomponent_get_first_property(valarm, ICAL_REPEAT_PROPERTY);
    icalproperty* duration = icalcomponent_get_first_property(valarm, ICAL_DURATION_PROPERTY);
    if (repeat && duration) {
        const qint64 interval = secondsOf(icalproperty_get_duration(duration));
        if (interval > 0 && icalproperty_get_repeat(repeat) > 0) {
            alarm.repeat = icalproperty_get_repeat(repeat);
            alarm.repeatIntervalSeconds = interval;
        }
    }
    if (icalproperty* acknowledged = icalcomponent_get_first_property(valarm, ICAL_ACKNOWLEDGED_PROPERTY)) {
        alarm.acknowledged = momentOf(acknowledged, icalproperty_get_acknowledged(acknowledged));
    }
    return alarm;
}

} // namespace

void readAlarms(icalcomponent* todo, StoreReminder& reminder)
{
    if (icalproperty* start = icalcomponent_get_first_property(todo, ICAL_DTSTART_PROPERTY)) {
        reminder.start = componentsOf(icalcomponent_get_dtstart(todo), tzidOf(start));
    }
    for (icalcomponent* valarm : components(todo, ICAL_VALARM_COMPONENT)) {
        reminder.alarms.append(alarmOf(valarm));
    }
    reminder.lastAcknowledged = xMoment(todo, lastAckName);
    reminder.snoozedUntil = xMoment(todo, snoozeName);
}

void writeAlarmState(icalcomponent* todo, const StoreReminder& base, const StoreReminder& changed)
{
    if (changed.lastAcknowledged && changed.lastAcknowledged != base.lastAcknowledged) {
        writeX(todo, lastAckName, *changed.lastAcknowledged);
    }
    if (changed.snoozedUntil != base.snoozedUntil) {
        if (changed.snoozedUntil) {
            writeX(todo, snoozeName, *changed.snoozedUntil);
        } else {
            removeX(todo, snoozeName);
        }
    }
    // Alarms are matched by position; a caller holding another version of the list writes no alarm at all.
    const QList<icalcomponent*> valarms = components(todo, ICAL_VALARM_COMPONENT);
    if (valarms.size() != base.alarms.size() || valarms.size() != changed.alarms.size()) {
        return;
    }
    for (qsizetype i = 0; i < valarms.size(); ++i) {
        const std::optional<QDateTime>& acknowledged = changed.alarms[i].acknowledged;
        if (!acknowledged || acknowledged == base.alarms[i].acknowledged) {
            continue;
        }
        replaceProperty(valarms[i], icalproperty_new_acknowledged(utcTime(*acknowledged)));
        // Clients tell one alarm from another, across syncs, by its UID.
        if (!icalcomponent_get_first_property(valarms[i], ICAL_UID_PROPERTY)) {
            icalcomponent_add_property(valarms[i],
                                       icalproperty_new_uid(TodoDocument::generateUid().toUtf8().constData()));
        }
    }
}

} // namespace tolvik::ical
