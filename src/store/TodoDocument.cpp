#include "store/TodoDocument.h"

#include "store/IcalAlarms.h"
#include "store/IcalCategories.h"
#include "store/IcalRecurrence.h"
#include "store/IcalRelations.h"
#include "store/IcalSeries.h"
#include "store/IcalSupport.h"
#include "store/IcsSplicer.h"

#include <QSet>
#include <QUuid>

#include <algorithm>

namespace tolvik {

namespace {

using ical::ComponentPtr;

const char productId[] = "-//Tolvik//TolvikReminder//EN";

// A file may hold several VTODOs: the series master plus RECURRENCE-ID overrides, possibly spread over several
// VCALENDARs. The master is the one without RECURRENCE-ID; a file of overrides only shows its first.
icalcomponent* findMaster(icalcomponent* root)
{
    QList<icalcomponent*> calendars;
    if (icalcomponent_isa(root) == ICAL_XROOT_COMPONENT) {
        calendars = ical::components(root, ICAL_VCALENDAR_COMPONENT);
    } else {
        calendars.append(root);
    }
    icalcomponent* fallback = nullptr;
    for (icalcomponent* calendar : calendars) {
        for (icalcomponent* todo : ical::components(calendar, ICAL_VTODO_COMPONENT)) {
            if (!icalcomponent_get_first_property(todo, ICAL_RECURRENCEID_PROPERTY)) {
                return todo;
            }
            if (!fallback) {
                fallback = todo;
            }
        }
    }
    return fallback;
}

// The point in time of a due, to the minute: the model hands due dates back in its own form (the user's zone,
// no seconds), and that must not count as an edit of a due written as DATE, UTC or another zone.
std::optional<qint64> dueMinute(const std::optional<DueDateComponents>& due)
{
    const std::optional<QDateTime> moment = due ? due->toDateTime() : std::nullopt;
    if (!moment) {
        return std::nullopt;
    }
    const qint64 seconds = moment->toSecsSinceEpoch();
    return seconds >= 0 ? seconds / 60 : (seconds - 59) / 60;
}

bool sameDue(const std::optional<DueDateComponents>& left, const std::optional<DueDateComponents>& right)
{
    if (left == right) {
        return true;
    }
    // The model hands a timed due back as a time, but only ever makes a day without a time when the user chose
    // "all day": that turns a due at midnight into another due, though the minute is the same.
    if (left && right && left->time && !right->time) {
        return false;
    }
    const std::optional<qint64> leftMinute = dueMinute(left);
    return leftMinute && leftMinute == dueMinute(right);
}

void setText(icalcomponent* todo, icalproperty_kind kind, const std::optional<QString>& value)
{
    // An empty text property is one libical cannot read back, and it reads a value of spaces as empty: both
    // mean absent.
    if (!value || value->trimmed().isEmpty()) {
        ical::removeProperties(todo, kind);
        return;
    }
    // libical has no escape for a carriage return and writes it as nothing, which would glue two lines together.
    QString text = *value;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    const QByteArray utf8 = text.toUtf8();
    if (icalproperty* property = icalcomponent_get_first_property(todo, kind)) {
        icalproperty_set_value(property, icalvalue_new_text(utf8.constData()));
        return;
    }
    icalproperty* property = icalproperty_new(kind);
    icalproperty_set_value(property, icalvalue_new_text(utf8.constData()));
    icalcomponent_add_property(todo, property);
}

void setPriority(icalcomponent* todo, int priority)
{
    if (priority == 0) {
        ical::removeProperties(todo, ICAL_PRIORITY_PROPERTY);
    } else if (icalproperty* property = icalcomponent_get_first_property(todo, ICAL_PRIORITY_PROPERTY)) {
        icalproperty_set_priority(property, priority);
    } else {
        icalcomponent_add_property(todo, icalproperty_new_priority(priority));
    }
}

// A DTSTART after the DUE makes the to-do invalid for servers that check; pull it back to the DUE.
void keepStartBeforeDue(icalcomponent* todo)
{
    icalproperty* start = icalcomponent_get_first_property(todo, ICAL_DTSTART_PROPERTY);
    icalproperty* due = icalcomponent_get_first_property(todo, ICAL_DUE_PROPERTY);
    if (!start || !due) {
        return;
    }
    const icaltimetype dueTime = icalcomponent_get_due(todo);
    const std::optional<QDateTime> startMoment = ical::momentOf(start, icalcomponent_get_dtstart(todo));
    const std::optional<QDateTime> dueMoment = ical::momentOf(due, dueTime);
    if (!startMoment || !dueMoment || *startMoment <= *dueMoment) {
        return;
    }
    icalproperty_set_dtstart(start, dueTime);
    icalproperty_remove_parameter_by_kind(start, ICAL_TZID_PARAMETER);
    const QByteArray tzid = ical::tzidOf(due).toUtf8();
    if (!tzid.isEmpty()) {
        icalproperty_add_parameter(start, icalparameter_new_tzid(tzid.constData()));
    }
}

// The user gave a repeating to-do a new due: its series starts there, DTSTART as far before it as the current
// occurrence's start was before that occurrence's due.
void restartSeriesAtDue(icalcomponent* todo, const StoreReminder& base)
{
    icalproperty* start = icalcomponent_get_first_property(todo, ICAL_DTSTART_PROPERTY);
    icalproperty* due = icalcomponent_get_first_property(todo, ICAL_DUE_PROPERTY);
    const std::optional<QDateTime> baseStart = base.start ? base.start->toDateTime() : std::nullopt;
    const std::optional<QDateTime> baseDue = base.due ? base.due->toDateTime() : std::nullopt;
    if (!start || !due || !baseStart || !baseDue) {
        return;
    }
    icaltimetype value = icalcomponent_get_due(todo);
    if (value.is_date) {
        value = icaltime_add(value, icaldurationtype_from_int(int(baseStart->daysTo(*baseDue)) * -86400));
    } else {
        const qint64 distance = std::clamp<qint64>(baseStart->secsTo(*baseDue), -2000000000, 2000000000);
        value = icaltime_add(value, icaldurationtype_from_int(int(-distance)));
    }
    icalproperty_set_dtstart(start, value);
    while (icalproperty_get_first_parameter(start, ICAL_TZID_PARAMETER)) {
        icalproperty_remove_parameter_by_kind(start, ICAL_TZID_PARAMETER);
    }
    const QByteArray tzid = ical::tzidOf(due).toUtf8();
    if (!tzid.isEmpty()) {
        icalproperty_add_parameter(start, icalparameter_new_tzid(tzid.constData()));
    }
}

void markCompleted(icalcomponent* todo, const QDateTime& at)
{
    icalcomponent_set_status(todo, ICAL_STATUS_COMPLETED);
    ical::replaceProperty(todo, icalproperty_new_completed(ical::utcTime(at)));
    ical::replaceProperty(todo, icalproperty_new_percentcomplete(100));
}

void markOpen(icalcomponent* todo)
{
    icalcomponent_set_status(todo, ICAL_STATUS_NEEDSACTION);
    ical::removeProperties(todo, ICAL_COMPLETED_PROPERTY);
    ical::removeProperties(todo, ICAL_PERCENTCOMPLETE_PROPERTY);
}

} // namespace

TodoDocument::TodoDocument(icalcomponent_impl* root)
    : m_root(root)
{}

TodoDocument::TodoDocument(TodoDocument&&) noexcept = default;
TodoDocument& TodoDocument::operator=(TodoDocument&&) noexcept = default;
TodoDocument::~TodoDocument() = default;

void TodoDocument::Deleter::operator()(icalcomponent_impl* component) const
{
    icalcomponent_free(component);
}

namespace {

// How deep the tree under `root` nests, walked without recursion.
int treeDepth(icalcomponent* root)
{
    int deepest = 0;
    QList<std::pair<icalcomponent*, int>> pending{{root, 1}};
    while (!pending.isEmpty()) {
        const auto [next, depth] = pending.takeLast();
        deepest = std::max(deepest, depth);
        if (deepest > TodoDocument::maximumNesting) {
            break;
        }
        for (icalcomponent* child : ical::components(next, ICAL_ANY_COMPONENT)) {
            pending.append(std::pair(child, depth + 1));
        }
    }
    return deepest;
}

// libical frees a tree by recursion, which a hostile depth would overflow: take it apart leaf by leaf instead.
void freeWithoutRecursion(icalcomponent* root)
{
    QList<icalcomponent*> path{root};
    while (!path.isEmpty()) {
        icalcomponent* top = path.last();
        if (icalcomponent* child = icalcomponent_get_first_component(top, ICAL_ANY_COMPONENT)) {
            path.append(child);
            continue;
        }
        path.removeLast();
        if (!path.isEmpty()) {
            icalcomponent_remove_component(path.last(), top);
        }
        icalcomponent_free(top);
    }
}

} // namespace

std::optional<TodoDocument> TodoDocument::parse(const QByteArray& bytes)
{
    ical::ensureInitialised();
    // A NUL byte would end libical's C string early, and writing back the part before it would lose the rest.
    if (bytes.isEmpty() || bytes.size() > maximumFileSize || bytes.contains('\0')) {
        return std::nullopt;
    }
    const QByteArray text = bytes.startsWith("\xEF\xBB\xBF") ? bytes.mid(3) : bytes;
    if (nestingDepth(text) > maximumNesting) {
        return std::nullopt;
    }
    ComponentPtr root(icalparser_parse_string(ical::readableText(text).constData()));
    if (!root) {
        return std::nullopt;
    }
    const icalcomponent_kind kind = icalcomponent_isa(root.get());
    // The count on the raw bytes is a cheap first filter; libical's own line rules (lone CRs, several top-level
    // components wrapped in one more level) can still build a deeper tree, so the tree itself decides, before
    // anything frees it by recursion. A bare to-do gets a calendar around it below: one level more.
    if (treeDepth(root.get()) > (kind == ICAL_VTODO_COMPONENT ? maximumNesting - 1 : maximumNesting)) {
        freeWithoutRecursion(root.release());
        return std::nullopt;
    }
    if (kind == ICAL_VTODO_COMPONENT) {
        // A bare VTODO without its VCALENDAR: give it one, so that a write yields a valid file.
        ComponentPtr calendar(icalcomponent_new(ICAL_VCALENDAR_COMPONENT));
        icalcomponent_add_property(calendar.get(), icalproperty_new_version("2.0"));
        icalcomponent_add_property(calendar.get(), icalproperty_new_prodid(productId));
        icalcomponent_add_component(calendar.get(), root.release());
        root = std::move(calendar);
    } else if (kind != ICAL_VCALENDAR_COMPONENT && kind != ICAL_XROOT_COMPONENT) {
        return std::nullopt;
    }
    ical::restoreEmptyProperties(root.get());
    if (!findMaster(root.get())) {
        return std::nullopt;
    }
    TodoDocument document(root.release());
    document.m_bytes = bytes;
    return document;
}

int TodoDocument::nestingDepth(const QByteArray& bytes)
{
    // Logical lines as libical unfolds them: a line end followed by a space or tab continues the line. A line's
    // name is what stands before its first ';' or ':'; libical pops a component on any END, whatever it names.
    int depth = 0;
    int deepest = 0;
    const qsizetype size = bytes.size();
    qsizetype pos = 0;
    while (pos < size) {
        QByteArray name;
        bool named = false;
        while (pos < size) {
            const char c = bytes[pos++];
            if (c == '\r' || c == '\n') {
                if (c == '\r' && pos < size && bytes[pos] == '\n') {
                    ++pos;
                }
                if (pos < size && (bytes[pos] == ' ' || bytes[pos] == '\t')) {
                    ++pos;
                    continue;
                }
                break;
            }
            if (c == ';' || c == ':') {
                named = true;
            } else if (!named && name.size() < 6) {
                name += c;
            } else if (!named) {
                named = true;
                name.clear();
            }
        }
        if (qstricmp(name.constData(), "BEGIN") == 0) {
            deepest = std::max(deepest, ++depth);
        } else if (qstricmp(name.constData(), "END") == 0 && depth > 0) {
            --depth;
        }
    }
    return deepest;
}

TodoDocument TodoDocument::create(const StoreReminder& reminder, const QString& uid, const QDateTime& now)
{
    ical::ensureInitialised();
    icalcomponent* calendar = icalcomponent_new(ICAL_VCALENDAR_COMPONENT);
    TodoDocument document(calendar);
    icalcomponent_add_property(calendar, icalproperty_new_prodid(productId));
    icalcomponent_add_property(calendar, icalproperty_new_version("2.0"));

    icalcomponent* todo = icalcomponent_new(ICAL_VTODO_COMPONENT);
    icalcomponent_add_component(calendar, todo);
    const icaltimetype stamp = ical::utcTime(now);
    icalcomponent_add_property(todo, icalproperty_new_uid(uid.toUtf8().constData()));
    icalcomponent_add_property(todo, icalproperty_new_dtstamp(stamp));
    icalcomponent_add_property(todo, icalproperty_new_created(stamp));
    icalcomponent_add_property(todo, icalproperty_new_lastmodified(stamp));
    setText(todo, ICAL_SUMMARY_PROPERTY, reminder.title);
    setText(todo, ICAL_DESCRIPTION_PROPERTY, reminder.notes);
    setPriority(todo, reminder.priority);
    if (reminder.due && reminder.due->date.isValid()) {
        ical::writeDue(calendar, todo, *reminder.due);
    }
    if (!reminder.recurrenceRules.isEmpty()) {
        ical::writeRules(todo, {reminder.recurrenceRules.first()});
    }
    ical::writeCategories(todo, reminder.categories);
    ical::writeParent(todo, reminder.parentUID);
    ical::writeChildren(todo, {}, reminder.childUIDs);
    if (reminder.alertEdit) {
        ical::writeAlertEdit(todo, *reminder.alertEdit, reminder.title);
    }
    if (reminder.isCompleted) {
        markCompleted(todo, reminder.completionDate.value_or(now));
    } else {
        icalcomponent_set_status(todo, ICAL_STATUS_NEEDSACTION);
    }
    return document;
}

QString TodoDocument::generateUid()
{
    return QUuid::createUuid().toString(QUuid::WithoutBraces) + QStringLiteral("-tolvik");
}

bool TodoDocument::hasParseErrors() const
{
    return ical::treeHasErrors(m_root.get());
}

QString TodoDocument::uid() const
{
    return ical::text(icalcomponent_get_uid(findMaster(m_root.get())));
}

int TodoDocument::otherTodoCount() const
{
    const QString master = uid();
    QList<icalcomponent*> calendars;
    if (icalcomponent_isa(m_root.get()) == ICAL_XROOT_COMPONENT) {
        calendars = ical::components(m_root.get(), ICAL_VCALENDAR_COMPONENT);
    } else {
        calendars.append(m_root.get());
    }
    // Overrides of one series share its UID; each other UID is one reminder more.
    QSet<QString> others;
    for (icalcomponent* calendar : std::as_const(calendars)) {
        for (icalcomponent* todo : ical::components(calendar, ICAL_VTODO_COMPONENT)) {
            const QString uid = ical::text(icalcomponent_get_uid(todo));
            if (uid != master) {
                others.insert(uid);
            }
        }
    }
    return int(others.size());
}

StoreReminder TodoDocument::toReminder() const
{
    icalcomponent* todo = findMaster(m_root.get());
    StoreReminder reminder;
    reminder.title = ical::text(icalcomponent_get_summary(todo));
    if (icalproperty* description = icalcomponent_get_first_property(todo, ICAL_DESCRIPTION_PROPERTY)) {
        reminder.notes = ical::text(icalproperty_get_description(description));
    }
    if (icalproperty* priority = icalcomponent_get_first_property(todo, ICAL_PRIORITY_PROPERTY)) {
        reminder.priority = icalproperty_get_priority(priority);
    }
    // Without DUE, libical derives the due from DTSTART plus DURATION; the zone then is DTSTART's.
    icalproperty* dueProperty = icalcomponent_get_first_property(todo, ICAL_DUE_PROPERTY);
    if (!dueProperty && icalcomponent_get_first_property(todo, ICAL_DURATION_PROPERTY)) {
        dueProperty = icalcomponent_get_first_property(todo, ICAL_DTSTART_PROPERTY);
    }
    if (dueProperty) {
        reminder.due = ical::componentsOf(icalcomponent_get_due(todo), ical::tzidOf(dueProperty));
    }
    reminder.recurrenceRules = ical::rulesOf(todo);
    const icalproperty_status status = icalcomponent_get_status(todo);
    reminder.isCompleted = status == ICAL_STATUS_COMPLETED || status == ICAL_STATUS_CANCELLED;
    if (icalproperty* completed = icalcomponent_get_first_property(todo, ICAL_COMPLETED_PROPERTY)) {
        reminder.isCompleted = true;
        reminder.completionDate = ical::momentOf(completed, icalproperty_get_completed(completed));
    }
    ical::readAlarms(todo, reminder);
    reminder.uid = ical::text(icalcomponent_get_uid(todo));
    reminder.categories = ical::categoriesOf(todo);
    reminder.parentUID = ical::parentOf(todo);
    reminder.childUIDs = ical::childrenOf(todo);
    // A series shows and rings its current occurrence, whichever way a client keeps it: the DUE moved on in place,
    // or the first occurrence with overrides of the later ones.
    reminder.series = ical::seriesOf(m_root.get(), todo);
    return reminder;
}

void TodoDocument::keepOriginal()
{
    // A second parse, not a clone: libical's clone re-encodes some values (escapes in CATEGORIES and X- texts)
    // differently from how it reads them, which would make untouched lines look edited.
    if (!m_original && !m_bytes.isEmpty()) {
        if (std::optional<TodoDocument> again = parse(m_bytes)) {
            m_original = std::move(again->m_root);
        }
    }
}

icalcomponent* TodoDocument::masterForEdit()
{
    keepOriginal();
    return findMaster(m_root.get());
}

TodoDocument::Edited TodoDocument::editedBytes() const
{
    if (!m_original) {
        return Edited{m_bytes.isEmpty() ? serialize() : std::optional(m_bytes)};
    }
    QList<int> path;
    for (icalcomponent* child = findMaster(m_original.get()); icalcomponent_get_parent(child) != nullptr;
         child = icalcomponent_get_parent(child)) {
        path.prepend(int(ical::components(icalcomponent_get_parent(child), ICAL_ANY_COMPONENT).indexOf(child)));
    }
    // A file whose lines cannot be matched to its tree (or a bare VTODO that would need a VTIMEZONE) is not
    // written at all: rewriting it whole would change bytes the edit did not touch.
    const std::optional<QByteArray> candidate =
        IcsSplicer::splice(m_bytes, m_original.get(), path, findMaster(m_root.get()));
    // A file the reader would skip is as good as lost: never write one.
    if (candidate && candidate->size() > maximumFileSize) {
        return Edited{std::nullopt, true};
    }
    const std::optional<TodoDocument> reread = candidate ? parse(*candidate) : std::nullopt;
    if (!reread || reread->hasParseErrors() || !IcsSplicer::sameContent(reread->m_root.get(), m_root.get())) {
        return {};
    }
    return Edited{candidate};
}

bool TodoDocument::applyChanges(const StoreReminder& base, const StoreReminder& changed, const QDateTime& now)
{
    ical::ensureInitialised();
    icalcomponent* todo = masterForEdit();
    if (base.title != changed.title) {
        setText(todo, ICAL_SUMMARY_PROPERTY, changed.title);
    }
    if (base.notes != changed.notes) {
        setText(todo, ICAL_DESCRIPTION_PROPERTY, changed.notes);
    }
    if (base.priority != changed.priority) {
        setPriority(todo, changed.priority);
    }
    if (!sameDue(base.due, changed.due)) {
        if (changed.due && changed.due->date.isValid()) {
            ical::writeDue(icalcomponent_get_parent(todo), todo, *changed.due);
            if (base.series) {
                restartSeriesAtDue(todo, base);
            }
            keepStartBeforeDue(todo);
        } else {
            ical::removeProperties(todo, ICAL_DUE_PROPERTY);
            // Without DUE, a DURATION would still give the to-do a due date.
            ical::removeProperties(todo, ICAL_DURATION_PROPERTY);
        }
    }
    if (base.recurrenceRules != changed.recurrenceRules) {
        ical::writeRules(todo, changed.recurrenceRules);
    }
    if (!base.isCompleted && changed.isCompleted) {
        // Completing one occurrence of a series moves it on; only the last one completes it.
        // The occurrence completed is the one current when the caller completed it.
        switch (ical::advanceToNextOccurrence(m_root.get(), todo, changed.completionDate.value_or(now))) {
        case ical::SeriesAdvance::advanced:
            break;
        case ical::SeriesAdvance::ended:
            markCompleted(todo, changed.completionDate.value_or(now));
            break;
        case ical::SeriesAdvance::undetermined:
            return false;
        }
    } else if (base.isCompleted && !changed.isCompleted) {
        markOpen(todo);
    }

    if (base.categories != changed.categories) {
        ical::writeCategories(todo, changed.categories);
    }
    if (base.parentUID != changed.parentUID) {
        ical::writeParent(todo, changed.parentUID);
    }
    if (base.childUIDs != changed.childUIDs) {
        ical::writeChildren(todo, base.childUIDs, changed.childUIDs);
    }

    ical::writeAlarmState(todo, base, changed);
    if (changed.alertEdit) {
        ical::writeAlertEdit(todo, *changed.alertEdit, changed.title);
    }

    const icaltimetype stamp = ical::utcTime(now);
    ical::replaceProperty(todo, icalproperty_new_lastmodified(stamp));
    ical::replaceProperty(todo, icalproperty_new_dtstamp(stamp));
    icalproperty* sequence = icalcomponent_get_first_property(todo, ICAL_SEQUENCE_PROPERTY);
    const int next = sequence ? icalproperty_get_sequence(sequence) + 1 : 1;
    ical::replaceProperty(todo, icalproperty_new_sequence(next));
    return true;
}

std::optional<QByteArray> TodoDocument::serialize() const
{
    // libical writes CRLF and folds at 75 octets on UTF-8 boundaries. Two VCALENDARs parse into a wrapper that is
    // no part of the file: write its children, not the wrapper.
    QList<icalcomponent*> parts;
    if (icalcomponent_isa(m_root.get()) == ICAL_XROOT_COMPONENT) {
        parts = ical::components(m_root.get(), ICAL_ANY_COMPONENT);
    } else {
        parts.append(m_root.get());
    }
    QByteArray serialized;
    for (icalcomponent* part : parts) {
        const ical::OwnedString text(icalcomponent_as_ical_string_r(part));
        if (!text) {
            return std::nullopt;
        }
        serialized += text.get();
    }
    if (serialized.isEmpty()) {
        return std::nullopt;
    }
    return ical::joinCategoryLines(serialized);
}

} // namespace tolvik
