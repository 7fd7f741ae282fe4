#include "store/IcalSupport.h"

#include <QHash>
#include <QTimeZone>

#include <algorithm>
#include <mutex>

namespace tolvik::ical {

namespace {

// libical's builtin zones carry a vendor prefix in their TZID, and writers from other platforms put their own
// prefixes or Windows names there; any suffix after a '/' that names a real zone is the zone meant.
QTimeZone ianaZoneForTzid(const QString& tzid)
{
    if (tzid.isEmpty()) {
        return {};
    }
    // One zone object per name and thread, shared by every time in that zone: a store holds one per dated
    // reminder otherwise, each with its own copy of the zone's rules.
    thread_local QHash<QString, QTimeZone> known;
    const auto found = known.constFind(tzid);
    if (found != known.cend()) {
        return *found;
    }
    if (known.size() >= 512) {
        known.clear();
    }
    QTimeZone zone(tzid.toUtf8());
    for (qsizetype slash = tzid.indexOf(QLatin1Char('/')); !zone.isValid() && slash >= 0;
         slash = tzid.indexOf(QLatin1Char('/'), slash + 1)) {
        const QString suffix = tzid.mid(slash + 1);
        if (suffix.contains(QLatin1Char('/'))) {
            zone = QTimeZone(suffix.toUtf8());
        }
    }
    known.insert(tzid, zone);
    return zone;
}

QTimeZone windowsZoneForTzid(const QString& tzid)
{
    const QByteArray iana = QTimeZone::windowsIdToDefaultIanaId(tzid.toUtf8());
    return iana.isEmpty() ? QTimeZone() : QTimeZone(iana);
}

// A time in a zone that the file defines itself (Outlook's "Customized Time Zone", say) and that names no zone
// Qt knows: the moment by the definition's own rules, as UTC components.
std::optional<DueDateComponents> utcByDefinition(const icaltimetype& time, icaltimezone* zone)
{
    icaltimezone* utc = icaltimezone_get_utc_timezone();
    const qint64 seconds =
        secondsOfWallClock(QDate(time.year, time.month, time.day), QTime(time.hour, time.minute, qMin(time.second, 59)),
                           [zone, utc](qint64 at) {
                               icaltimetype moment = icaltime_from_timet_with_zone(time_t(at), 0, utc);
                               int daylight = 0;
                               return icaltimezone_get_utc_offset_of_utc_time(zone, &moment, &daylight);
                           });
    const QDateTime moment = QDateTime::fromSecsSinceEpoch(seconds, Qt::UTC);
    return DueDateComponents{moment.date(), moment.time(), utcZone()};
}

bool isUtcZone(const QTimeZone& zone)
{
    const QByteArray id = zone.id();
    return id == "UTC" || id == "Etc/UTC" || id == "GMT" || id == "Etc/GMT" || id == "UTC+00:00";
}

void ensureTimezone(icalcomponent* calendar, icaltimezone* zone, const QByteArray& tzid)
{
    if (!calendar || icalcomponent_isa(calendar) != ICAL_VCALENDAR_COMPONENT) {
        return;
    }
    for (icalcomponent* existing : components(calendar, ICAL_VTIMEZONE_COMPONENT)) {
        icalproperty* property = icalcomponent_get_first_property(existing, ICAL_TZID_PROPERTY);
        if (property && text(icalproperty_get_tzid(property)).toUtf8() == tzid) {
            return;
        }
    }
    icalcomponent* source = icaltimezone_get_component(zone);
    if (!source) {
        return;
    }
    icalcomponent* copy = icalcomponent_new_clone(source);
    // The clone carries libical's prefixed TZID; DUE refers to the plain name other clients understand.
    replaceProperty(copy, icalproperty_new_tzid(tzid.constData()));
    // Put the zone ahead of the to-dos, as older readers resolve TZIDs in one pass.
    QList<icalcomponent*> others;
    for (icalcomponent* child = icalcomponent_get_first_component(calendar, ICAL_ANY_COMPONENT); child;
         child = icalcomponent_get_next_component(calendar, ICAL_ANY_COMPONENT)) {
        if (icalcomponent_isa(child) != ICAL_VTIMEZONE_COMPONENT) {
            others.append(child);
        }
    }
    for (icalcomponent* child : others) {
        icalcomponent_remove_component(calendar, child);
    }
    icalcomponent_add_component(calendar, copy);
    for (icalcomponent* child : others) {
        icalcomponent_add_component(calendar, child);
    }
}

} // namespace

QTimeZone utcZone()
{
    static const QTimeZone utc = QTimeZone::utc();
    return utc;
}

const char* const emptyXValue = "X-TOLVIK-EMPTY-VALUE";

QByteArray readableText(const QByteArray& text)
{
    QByteArray out;
    qsizetype copied = 0;
    qsizetype pos = 0;
    while (pos < text.size()) {
        // One content line: its first physical line and the folded ones after it.
        qsizetype end = text.indexOf('\n', pos);
        while (end >= 0 && end + 1 < text.size() && (text[end + 1] == ' ' || text[end + 1] == '\t')) {
            end = text.indexOf('\n', end + 1);
        }
        end = end < 0 ? text.size() : end + 1;
        const qsizetype lineStart = pos;
        pos = end;
        if (end - lineStart < 2 || (text[lineStart] != 'x' && text[lineStart] != 'X') || text[lineStart + 1] != '-') {
            continue;
        }
        qsizetype nameEnd = lineStart;
        while (nameEnd < end && text[nameEnd] != ';' && text[nameEnd] != ':' && text[nameEnd] != '\r' &&
               text[nameEnd] != '\n') {
            ++nameEnd;
        }
        const QByteArray name = text.mid(lineStart, nameEnd - lineStart);
        // The value starts after the first colon outside a quoted parameter value.
        bool quoted = false;
        qsizetype colon = -1;
        for (qsizetype i = nameEnd; i < end && colon < 0; ++i) {
            quoted = text[i] == '"' ? !quoted : quoted;
            colon = !quoted && text[i] == ':' ? i : -1;
        }
        qsizetype lineEnd = end;
        while (lineEnd > lineStart && (text[lineEnd - 1] == '\n' || text[lineEnd - 1] == '\r')) {
            --lineEnd;
        }
        const bool emptyValue = colon >= 0 && colon + 1 == lineEnd;
        if (name == name.toUpper() && !emptyValue) {
            continue;
        }
        out.append(text.constData() + copied, lineStart - copied);
        out += name.toUpper();
        out.append(text.constData() + nameEnd, lineEnd - nameEnd);
        if (emptyValue) {
            out += emptyXValue;
        }
        copied = lineEnd;
    }
    if (copied == 0) {
        return text;
    }
    out.append(text.constData() + copied, text.size() - copied);
    return out;
}

void ensureInitialised()
{
    static std::once_flag once;
    std::call_once(once, [] {
        icaltimezone_set_tzid_prefix("");
        icalerror_set_errors_are_fatal(0);
    });
}

QString text(const char* utf8)
{
    return utf8 ? QString::fromUtf8(utf8) : QString();
}

QList<icalproperty*> properties(icalcomponent* component, icalproperty_kind kind)
{
    QList<icalproperty*> result;
    for (icalproperty* property = icalcomponent_get_first_property(component, kind); property;
         property = icalcomponent_get_next_property(component, kind)) {
        result.append(property);
    }
    return result;
}

QList<icalcomponent*> components(icalcomponent* component, icalcomponent_kind kind)
{
    QList<icalcomponent*> result;
    for (icalcomponent* child = icalcomponent_get_first_component(component, kind); child;
         child = icalcomponent_get_next_component(component, kind)) {
        result.append(child);
    }
    return result;
}

void removeProperties(icalcomponent* component, icalproperty_kind kind)
{
    for (icalproperty* property : properties(component, kind)) {
        icalcomponent_remove_property(component, property);
        icalproperty_free(property);
    }
}

void replaceProperty(icalcomponent* component, icalproperty* fresh)
{
    removeProperties(component, icalproperty_isa(fresh));
    icalcomponent_add_property(component, fresh);
}

bool treeHasErrors(icalcomponent* component)
{
    // A walk over a list, not a recursion: the depth of a tree is the file's to choose.
    QList<icalcomponent*> pending{component};
    while (!pending.isEmpty()) {
        icalcomponent* next = pending.takeLast();
        // libical keeps a component it does not know (an X- one, or a misspelt name) while reading, but writes it
        // as nothing: a rewrite would drop it, just like a value it could not read.
        const icalcomponent_kind kind = icalcomponent_isa(next);
        if (kind == ICAL_X_COMPONENT || kind == ICAL_NO_COMPONENT ||
            icalcomponent_get_first_property(next, ICAL_XLICERROR_PROPERTY)) {
            return true;
        }
        pending.append(components(next, ICAL_ANY_COMPONENT));
    }
    return false;
}

namespace {

void restoreEmptyPropertiesOf(icalcomponent* component)
{
    static const QString prefix = QStringLiteral("No value for ");
    static const QString suffix = QStringLiteral(" property.");
    QList<icalproperty*> all = properties(component, ICAL_ANY_PROPERTY);
    bool restored = false;
    for (icalproperty*& property : all) {
        if (icalproperty_isa(property) != ICAL_XLICERROR_PROPERTY) {
            continue;
        }
        const QString message = text(icalproperty_get_xlicerror(property));
        const qsizetype end = message.indexOf(suffix);
        if (!message.startsWith(prefix) || end < 0) {
            continue;
        }
        // Only an empty text property can be restored as it was; any other error keeps the file read-only.
        const QByteArray name = message.mid(prefix.size(), end - prefix.size()).toUtf8();
        const icalproperty_kind kind = icalproperty_string_to_kind(name.constData());
        if (kind == ICAL_NO_PROPERTY || kind == ICAL_X_PROPERTY ||
            icalproperty_kind_to_value_kind(kind) != ICAL_TEXT_VALUE) {
            continue;
        }
        icalproperty* empty = icalproperty_new(kind);
        icalproperty_set_value(empty, icalvalue_new_text(""));
        icalcomponent_remove_property(component, property);
        icalproperty_free(property);
        property = empty;
        restored = true;
    }
    if (restored) {
        // libical can only append. Put every property back in the file's order, each restored one where its error
        // stood: of two SUMMARY lines the first stays the first, and a rewrite moves nothing.
        for (icalproperty* property : std::as_const(all)) {
            if (icalproperty_get_parent(property) == component) {
                icalcomponent_remove_property(component, property);
            }
        }
        for (icalproperty* property : std::as_const(all)) {
            icalcomponent_add_property(component, property);
        }
    }
}

} // namespace

void restoreEmptyProperties(icalcomponent* component)
{
    QList<icalcomponent*> pending{component};
    while (!pending.isEmpty()) {
        icalcomponent* next = pending.takeLast();
        restoreEmptyPropertiesOf(next);
        pending.append(components(next, ICAL_ANY_COMPONENT));
    }
}

icaltimetype utcTime(const QDateTime& moment)
{
    return icaltime_from_timet_with_zone(static_cast<time_t>(moment.toSecsSinceEpoch()), 0,
                                         icaltimezone_get_utc_timezone());
}

std::optional<DueDateComponents> componentsOf(const icaltimetype& time, const QString& tzid)
{
    if (icaltime_is_null_time(time)) {
        return std::nullopt;
    }
    const QDate date(time.year, time.month, time.day);
    if (!date.isValid()) {
        return std::nullopt;
    }
    if (time.is_date) {
        return DueDateComponents{date, std::nullopt, QTimeZone()};
    }
    const QTime clock(time.hour, time.minute, qMin(time.second, 59));
    if (!clock.isValid()) {
        return std::nullopt;
    }
    QTimeZone zone;
    if (icaltime_is_utc(time)) {
        zone = utcZone();
    } else if (time.zone || !tzid.isEmpty()) {
        // A zone's name wins; else the file's own VTIMEZONE by that name, by its rules; else a Windows name.
        // Without either, an unknown TZID is floating time.
        icaltimezone* resolved = const_cast<icaltimezone*>(time.zone);
        zone = ianaZoneForTzid(tzid);
        if (!zone.isValid() && resolved) {
            zone = ianaZoneForTzid(text(icaltimezone_get_tzid(resolved)));
        }
        if (!zone.isValid() && resolved) {
            zone = ianaZoneForTzid(text(icaltimezone_get_location(resolved)));
        }
        if (!zone.isValid() && resolved && icaltimezone_get_component(resolved)) {
            return utcByDefinition(time, resolved);
        }
        if (!zone.isValid()) {
            zone = windowsZoneForTzid(tzid);
        }
    }
    return DueDateComponents{date, clock, zone};
}

QString tzidOf(icalproperty* property)
{
    icalparameter* parameter = property ? icalproperty_get_first_parameter(property, ICAL_TZID_PARAMETER) : nullptr;
    QString tzid = parameter ? text(icalparameter_get_tzid(parameter)) : QString();
    // libical writes a control character or a byte that is not UTF-8 in a parameter as a space, and reads the
    // spaces around a value as nothing; reading it the same way keeps a rewrite from turning an unknown zone into a
    // known one.
    for (QChar& c : tzid) {
        if ((c.unicode() < 0x20 && c != QLatin1Char('\t')) || c.unicode() == 0x7f || c == QChar::ReplacementCharacter) {
            c = QLatin1Char(' ');
        }
    }
    return tzid.trimmed();
}

std::optional<QDateTime> momentOf(icalproperty* property, const icaltimetype& time)
{
    const std::optional<DueDateComponents> components = componentsOf(time, tzidOf(property));
    std::optional<QDateTime> moment = components ? components->toDateTime() : std::nullopt;
    // The same instant in the compact form: a moment in a zone is held on the heap, one in UTC is not, and most
    // of these (COMPLETED above all) are written in UTC.
    if (moment && moment->timeSpec() == Qt::TimeZone && isUtcZone(moment->timeZone())) {
        moment = moment->toUTC();
    }
    return moment;
}

void writeDue(icalcomponent* calendar, icalcomponent* todo, const DueDateComponents& due)
{
    if (!due.date.isValid()) {
        removeProperties(todo, ICAL_DUE_PROPERTY);
        return;
    }
    icaltimetype value = icaltime_null_time();
    value.year = due.date.year();
    value.month = due.date.month();
    value.day = due.date.day();
    QByteArray tzid;
    if (!due.time || !due.time->isValid()) {
        value.is_date = 1;
    } else {
        QDateTime wall(due.date, QTime(due.time->hour(), due.time->minute(), due.time->second()));
        icaltimezone* zone = nullptr;
        if (due.timeZone.isValid()) {
            if (!isUtcZone(due.timeZone)) {
                zone = icaltimezone_get_builtin_timezone(due.timeZone.id().constData());
            }
            if (zone) {
                tzid = due.timeZone.id();
                ensureTimezone(calendar, zone, tzid);
            } else {
                // A zone libical has no rules for is written as the same moment in UTC.
                wall = QDateTime(due.date, wall.time(), due.timeZone).toUTC();
                zone = icaltimezone_get_utc_timezone();
            }
        }
        value.year = wall.date().year();
        value.month = wall.date().month();
        value.day = wall.date().day();
        value.hour = wall.time().hour();
        value.minute = wall.time().minute();
        value.second = wall.time().second();
        value.zone = zone;
    }
    const QList<icalproperty*> existing = properties(todo, ICAL_DUE_PROPERTY);
    icalproperty* property = nullptr;
    if (existing.isEmpty()) {
        property = icalproperty_new_due(value);
        icalcomponent_add_property(todo, property);
    } else {
        property = existing.first();
        for (icalproperty* extra : existing.sliced(1)) {
            icalcomponent_remove_property(todo, extra);
            icalproperty_free(extra);
        }
        icalproperty_set_due(property, value);
    }
    // libical removes one parameter per call, and a malformed line may carry several TZIDs.
    while (icalproperty_get_first_parameter(property, ICAL_TZID_PARAMETER)) {
        icalproperty_remove_parameter_by_kind(property, ICAL_TZID_PARAMETER);
    }
    if (!tzid.isEmpty()) {
        icalproperty_add_parameter(property, icalparameter_new_tzid(tzid.constData()));
    }
    // DUE and DURATION must not appear together.
    removeProperties(todo, ICAL_DURATION_PROPERTY);
}

} // namespace tolvik::ical
