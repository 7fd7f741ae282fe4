#include "store/IcalAlarms.h"

#include "store/IcalSupport.h"
#include "store/TodoDocument.h"

#include <QTimeZone>

#include <algorithm>

namespace tolvik::ical {

namespace {

const char* const lastAckName = "X-MOZ-LASTACK";
const char* const snoozeName = "X-MOZ-SNOOZE-TIME";
// Other clients keep an X- property they do not know, and ignore it: a reminder the user silenced stays silent
// after a sync, and rings on a phone only at the alarms it has.
const char* const alertName = "X-TOLVIK-ALERT";
const char* const silencedValue = "NONE";

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
std::optional<QDateTime> momentOfX(icalproperty* property)
{
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

// The latest of several: two clients that each added their own line both acknowledged.
std::optional<QDateTime> latestX(icalcomponent* component, const char* name)
{
    std::optional<QDateTime> latest;
    for (icalproperty* property : properties(component, ICAL_X_PROPERTY)) {
        const char* xName = icalproperty_get_x_name(property);
        if (!xName || qstricmp(xName, name) != 0) {
            continue;
        }
        const std::optional<QDateTime> moment = momentOfX(property);
        if (moment && (!latest || *moment > *latest)) {
            latest = moment;
        }
    }
    return latest;
}

void writeX(icalcomponent* component, const char* name, const QDateTime& moment)
{
    removeX(component, name);
    icalproperty* property = icalproperty_new_x(icaltime_as_ical_string(utcTime(moment)));
    icalproperty_set_x_name(property, name);
    icalcomponent_add_property(component, property);
}

QByteArray occurrenceSnoozeName(const QString& key)
{
    return QByteArray(snoozeName) + '-' + key.toLatin1();
}

// Snoozes of single occurrences, X-MOZ-SNOOZE-TIME-<key>, by key.
QMap<QString, QDateTime> occurrenceSnoozesOf(icalcomponent* todo)
{
    static const QByteArray prefix = QByteArray(snoozeName) + '-';
    QMap<QString, QDateTime> snoozes;
    for (icalproperty* property : properties(todo, ICAL_X_PROPERTY)) {
        const QByteArray xName = QByteArray(icalproperty_get_x_name(property)).toUpper();
        if (!xName.startsWith(prefix) || xName.size() == prefix.size()) {
            continue;
        }
        const std::optional<QDateTime> moment = momentOfX(property);
        const QString key = QString::fromLatin1(xName.mid(prefix.size()));
        if (moment && (!snoozes.contains(key) || snoozes.value(key) < *moment)) {
            snoozes.insert(key, *moment);
        }
    }
    return snoozes;
}

StoreAlarm alarmOf(icalcomponent* valarm);

} // namespace

QList<StoreAlarm> alarmsOf(icalcomponent* todo)
{
    QList<StoreAlarm> alarms;
    for (icalcomponent* valarm : components(todo, ICAL_VALARM_COMPONENT)) {
        alarms.append(alarmOf(valarm));
    }
    return alarms;
}

namespace {

qint64 secondsOf(const icaldurationtype& duration)
{
    return qint64(icaldurationtype_as_int(duration));
}

// RFC 5545 3.3.6: weeks and days are nominal, the rest exact; they are kept apart so that a day stays a calendar
// day across a change of the clocks.
void setOffset(StoreAlarm& alarm, const icaldurationtype& duration)
{
    const int sign = duration.is_neg ? -1 : 1;
    alarm.offsetDays = sign * int(duration.weeks * 7 + duration.days);
    alarm.offsetSeconds = sign * (qint64(duration.hours) * 3600 + qint64(duration.minutes) * 60 + duration.seconds);
}

StoreAlarm alarmOf(icalcomponent* valarm)
{
    StoreAlarm alarm;
    icalproperty* actionProperty = icalcomponent_get_first_property(valarm, ICAL_ACTION_PROPERTY);
    const icalproperty_action action = actionProperty ? icalproperty_get_action(actionProperty) : ICAL_ACTION_NONE;
    alarm.action = action == ICAL_ACTION_DISPLAY ? AlarmAction::display
                   : action == ICAL_ACTION_AUDIO ? AlarmAction::audio
                                                 : AlarmAction::other;
    alarm.hasAttachment = icalcomponent_get_first_property(valarm, ICAL_ATTACH_PROPERTY) != nullptr;
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
        setOffset(alarm, trigger.duration);
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
    reminder.alarms = alarmsOf(todo);
    reminder.lastAcknowledged = latestX(todo, lastAckName);
    reminder.snoozedUntil = latestX(todo, snoozeName);
    reminder.occurrenceSnoozes = occurrenceSnoozesOf(todo);
    icalproperty* alert = findX(todo, alertName);
    const char* alertValue = alert ? icalproperty_get_x(alert) : nullptr;
    reminder.alertSilenced = alertValue && qstricmp(QByteArray(alertValue).trimmed().constData(), silencedValue) == 0;
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
    for (auto it = changed.occurrenceSnoozes.cbegin(); it != changed.occurrenceSnoozes.cend(); ++it) {
        if (base.occurrenceSnoozes.value(it.key()) != it.value()) {
            writeX(todo, occurrenceSnoozeName(it.key()).constData(), it.value());
        }
    }
    for (auto it = base.occurrenceSnoozes.cbegin(); it != base.occurrenceSnoozes.cend(); ++it) {
        if (!changed.occurrenceSnoozes.contains(it.key())) {
            removeX(todo, occurrenceSnoozeName(it.key()).constData());
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

namespace {

icalproperty* newTrigger(const StoreAlarm& alarm)
{
    icaltriggertype trigger = icaltriggertype_from_int(0);
    if (alarm.anchor == AlarmAnchor::absolute && alarm.absoluteTime) {
        trigger.time = utcTime(*alarm.absoluteTime);
        trigger.duration = icaldurationtype_null_duration();
        icalproperty* property = icalproperty_new_trigger(trigger);
        icalproperty_add_parameter(property, icalparameter_new_value(ICAL_VALUE_DATETIME));
        return property;
    }
    // Whole days stay days (-P1D), so that "one day before" keeps the time of day across a change of the clocks.
    const qint64 seconds = qint64(alarm.offsetDays) * 86400 + alarm.offsetSeconds;
    trigger.duration = icaldurationtype_from_int(int(std::clamp<qint64>(seconds, -2000000000, 2000000000)));
    icalproperty* property = icalproperty_new_trigger(trigger);
    icalproperty_add_parameter(
        property,
        icalparameter_new_related(alarm.anchor == AlarmAnchor::start ? ICAL_RELATED_START : ICAL_RELATED_END));
    return property;
}

// Makes `valarm` a display alarm at the new trigger. Its UID and text stay, so that clients that follow alarms by
// UID see the same alarm moved; a repeat, sound, acknowledgement or anything else of the old alarm goes with it.
void rewriteAlarm(icalcomponent* valarm, const StoreAlarm& alarm, const QString& title)
{
    for (icalproperty* property : properties(valarm, ICAL_ANY_PROPERTY)) {
        const icalproperty_kind kind = icalproperty_isa(property);
        if (kind == ICAL_UID_PROPERTY || kind == ICAL_DESCRIPTION_PROPERTY || kind == ICAL_ACTION_PROPERTY) {
            continue;
        }
        icalcomponent_remove_property(valarm, property);
        icalproperty_free(property);
    }
    for (icalcomponent* child : components(valarm, ICAL_ANY_COMPONENT)) {
        icalcomponent_remove_component(valarm, child);
        icalcomponent_free(child);
    }
    icalproperty* action = icalcomponent_get_first_property(valarm, ICAL_ACTION_PROPERTY);
    if (!action || icalproperty_get_action(action) != ICAL_ACTION_DISPLAY) {
        replaceProperty(valarm, icalproperty_new_action(ICAL_ACTION_DISPLAY));
    }
    // A display alarm must carry a text to show; phones show the reminder's title.
    icalproperty* description = icalcomponent_get_first_property(valarm, ICAL_DESCRIPTION_PROPERTY);
    if (!description || QByteArray(icalproperty_get_description(description)).trimmed().isEmpty()) {
        const QString text = title.trimmed().isEmpty() ? QStringLiteral("Reminder") : title;
        replaceProperty(valarm, icalproperty_new_description(text.toUtf8().constData()));
    }
    icalcomponent_add_property(valarm, newTrigger(alarm));
}

} // namespace

void writeAlertEdit(icalcomponent* todo, const AlertEdit& edit, const QString& title)
{
    const QList<icalcomponent*> valarms = components(todo, ICAL_VALARM_COMPONENT);
    if (!edit.alarm) {
        for (icalcomponent* valarm : valarms) {
            icalcomponent_remove_component(todo, valarm);
            icalcomponent_free(valarm);
        }
        if (!findX(todo, alertName)) {
            icalproperty* property = icalproperty_new_x(silencedValue);
            icalproperty_set_x_name(property, alertName);
            icalcomponent_add_property(todo, property);
        }
        return;
    }
    removeX(todo, alertName);
    if (!valarms.isEmpty()) {
        rewriteAlarm(valarms.first(), *edit.alarm, title);
        return;
    }
    icalcomponent* valarm = icalcomponent_new(ICAL_VALARM_COMPONENT);
    icalcomponent_add_property(valarm, icalproperty_new_action(ICAL_ACTION_DISPLAY));
    rewriteAlarm(valarm, *edit.alarm, title);
    icalcomponent_add_component(todo, valarm);
}

} // namespace tolvik::ical
