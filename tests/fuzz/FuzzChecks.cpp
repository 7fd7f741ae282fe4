#include "FuzzChecks.h"

#include "store/IcalSupport.h"
#include "store/TodoDocument.h"
#include "store/VdirFolderSnapshot.h"

#include <QHash>
#include <QSet>
#include <QStringList>
#include <QTimeZone>

#include <array>
#include <cstdlib>

namespace tolvik::fuzz {

namespace {

const QString listID = QStringLiteral("account/list");
const QString fileName = QStringLiteral("item.ics");

QString describe(const StoreReminder& r)
{
    const auto due = r.due ? r.due->toDateTime() : std::nullopt;
    return QStringLiteral("[title=%1 notes=%2 priority=%3 due=%4 rules=%5 completed=%6]")
        .arg(r.title, r.notes.value_or(QStringLiteral("<none>")))
        .arg(r.priority)
        .arg(due ? due->toString(Qt::ISODate) : QStringLiteral("<none>"))
        .arg(r.recurrenceRules.size())
        .arg(r.isCompleted);
}

std::optional<qint64> dueMinute(const std::optional<DueDateComponents>& due)
{
    const auto moment = due ? due->toDateTime() : std::nullopt;
    return moment ? std::optional(moment->toSecsSinceEpoch() / 60) : std::nullopt;
}

// libical drops the white space (spaces, tabs, vertical tabs) that opens or ends a value when it reads one, so a text
// that begins with some (say from a stray escape such as "\i", which it reads as a space, or a tab behind backspaces
// it writes as nothing) reads once with and then without it. It also writes a carriage return, backspace or form feed
// in a value as nothing, having no escape for them; the store writes its own line breaks as LF.
QString significant(const QString& text)
{
    QString kept = text;
    kept.removeIf([](QChar c) { return c == QLatin1Char('\r') || c == QLatin1Char('\b') || c == QLatin1Char('\f'); });
    qsizetype start = 0;
    const auto blank = [](QChar c) {
        return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\v') || c == QLatin1Char('\f');
    };
    while (start < kept.size() && blank(kept.at(start))) {
        ++start;
    }
    qsizetype end = kept.size();
    while (end > start && blank(kept.at(end - 1))) {
        --end;
    }
    return kept.mid(start, end - start);
}

// A text as the store writes it: every line break as LF.
QString asWritten(QString text)
{
    return text.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

// Bytes that are not UTF-8 read as replacement characters, and dropping a character between two of them may
// join them into a valid one: such a text has no meaning a write could keep.
bool sameText(const QString& a, const QString& b)
{
    return a.contains(QChar::ReplacementCharacter) || significant(a) == significant(b);
}

bool sameFields(const StoreReminder& a, const StoreReminder& b)
{
    const bool sameCompletion =
        a.completionDate.has_value() == b.completionDate.has_value() &&
        (!a.completionDate || a.completionDate->toSecsSinceEpoch() == b.completionDate->toSecsSinceEpoch());
    return sameText(a.title, b.title) && a.notes.has_value() == b.notes.has_value() &&
           sameText(a.notes.value_or(QString()), b.notes.value_or(QString())) && a.priority == b.priority &&
           dueMinute(a.due) == dueMinute(b.due) && a.recurrenceRules == b.recurrenceRules &&
           a.isCompleted == b.isCompleted && sameCompletion;
}

// The component tree as the store itself reads it, for comparing what a write kept.
ical::ComponentPtr parseTree(const QByteArray& bytes)
{
    const QByteArray text = bytes.startsWith("\xEF\xBB\xBF") ? bytes.mid(3) : bytes;
    ical::ComponentPtr root(icalparser_parse_string(text.constData()));
    if (root) {
        ical::restoreEmptyProperties(root.get());
    }
    return root;
}

// The master as the store picks it: in each VCALENDAR (or the bare VTODO), the first VTODO without a
// RECURRENCE-ID, else the first VTODO at all.
icalcomponent* masterOf(icalcomponent* root)
{
    if (icalcomponent_isa(root) == ICAL_VTODO_COMPONENT) {
        return root;
    }
    QList<icalcomponent*> calendars{root};
    if (icalcomponent_isa(root) == ICAL_XROOT_COMPONENT) {
        calendars = ical::components(root, ICAL_VCALENDAR_COMPONENT);
    }
    icalcomponent* fallback = nullptr;
    for (icalcomponent* calendar : calendars) {
        for (icalcomponent* todo : ical::components(calendar, ICAL_VTODO_COMPONENT)) {
            if (!icalcomponent_get_first_property(todo, ICAL_RECURRENCEID_PROPERTY)) {
                return todo;
            }
            fallback = fallback ? fallback : todo;
        }
    }
    return fallback;
}

// Every component in document order, except time zones (a due in a new zone adds one), each as its kind and
// the names of its properties. The master's names leave out what an edit may legitimately change.
void signatures(icalcomponent* component, icalcomponent* master, QStringList& out)
{
    static const QSet<icalproperty_kind> touched{
        ICAL_SUMMARY_PROPERTY,   ICAL_DESCRIPTION_PROPERTY,     ICAL_PRIORITY_PROPERTY,     ICAL_DUE_PROPERTY,
        ICAL_DURATION_PROPERTY,  ICAL_DTSTART_PROPERTY,         ICAL_RRULE_PROPERTY,        ICAL_STATUS_PROPERTY,
        ICAL_COMPLETED_PROPERTY, ICAL_PERCENTCOMPLETE_PROPERTY, ICAL_LASTMODIFIED_PROPERTY, ICAL_DTSTAMP_PROPERTY,
        ICAL_SEQUENCE_PROPERTY};
    const icalcomponent_kind kind = icalcomponent_isa(component);
    if (kind == ICAL_VTIMEZONE_COMPONENT) {
        return;
    }
    QSet<QString> names;
    for (icalproperty* p = icalcomponent_get_first_property(component, ICAL_ANY_PROPERTY); p;
         p = icalcomponent_get_next_property(component, ICAL_ANY_PROPERTY)) {
        if (component == master && touched.contains(icalproperty_isa(p))) {
            continue;
        }
        names.insert(ical::text(icalproperty_get_property_name(p)));
    }
    QStringList sorted(names.cbegin(), names.cend());
    sorted.sort();
    // A bare VTODO is given a VCALENDAR on reading; the root's own properties are not the file's.
    if (kind != ICAL_XROOT_COMPONENT && kind != ICAL_VCALENDAR_COMPONENT) {
        out.append(ical::text(icalcomponent_kind_to_string(kind)) + QLatin1Char(':') + sorted.join(QLatin1Char(',')));
    }
    for (icalcomponent* child : ical::components(component, ICAL_ANY_COMPONENT)) {
        signatures(child, master, out);
    }
}

QStringList signaturesOf(const QByteArray& bytes)
{
    QStringList out;
    if (const ical::ComponentPtr root = parseTree(bytes)) {
        signatures(root.get(), masterOf(root.get()), out);
    }
    return out;
}

// The raw bytes of a file with the master VTODO's `touched` lines and any VTIMEZONE not in `keep` left out: what
// an edit must leave exactly as it was. Found by its own plain line scan, independent of the writer's.
QByteArray untouchedBytes(const QByteArray& bytes, const QSet<QByteArray>& touched, const QList<QByteArray>& keep,
                          QList<QByteArray>* zones = nullptr)
{
    struct Line
    {
        QByteArray raw;
        QByteArray name;
        int component = -1;
    };
    QList<Line> lines;
    QList<int> open;
    QList<QByteArray> kinds;
    // Per component, the VTIMEZONE it belongs to (its own index for a VTIMEZONE, -1 outside any).
    QList<int> zoneOf;
    QSet<int> overrides;
    qsizetype pos = 0;
    while (pos < bytes.size()) {
        qsizetype end = bytes.indexOf('\n', pos);
        while (end >= 0 && end + 1 < bytes.size() && (bytes[end + 1] == ' ' || bytes[end + 1] == '\t')) {
            end = bytes.indexOf('\n', end + 1);
        }
        end = end < 0 ? bytes.size() : end + 1;
        Line line{bytes.mid(pos, end - pos), {}, open.isEmpty() ? -1 : open.last()};
        pos = end;
        QByteArray content = line.raw;
        content.replace("\r\n ", "").replace("\r\n\t", "").replace("\n ", "").replace("\n\t", "");
        if (content.startsWith("\xEF\xBB\xBF")) {
            content.remove(0, 3);
        }
        qsizetype cut = 0;
        while (cut < content.size() && content[cut] != ';' && content[cut] != ':') {
            ++cut;
        }
        line.name = content.left(cut).trimmed().toUpper();
        const QByteArray value = content.mid(cut + 1).trimmed().toUpper();
        if (line.name == "BEGIN") {
            const int index = int(kinds.size());
            kinds.append(value);
            zoneOf.append(value == "VTIMEZONE" ? index : (open.isEmpty() ? -1 : zoneOf.at(open.last())));
            open.append(index);
            line.component = index;
        } else if (line.name == "END" && !open.isEmpty()) {
            open.removeLast();
        } else if (line.name == "RECURRENCE-ID") {
            overrides.insert(line.component);
        }
        lines.append(line);
    }
    int master = -1;
    for (int i = 0; i < kinds.size() && master < 0; ++i) {
        if (kinds.at(i) == "VTODO" && !overrides.contains(i)) {
            master = i;
        }
    }
    master = master < 0 ? int(kinds.indexOf("VTODO")) : master;
    QHash<int, QByteArray> zoneText;
    for (const Line& line : std::as_const(lines)) {
        if (line.component >= 0 && zoneOf.at(line.component) >= 0) {
            zoneText[zoneOf.at(line.component)] += line.raw;
        }
    }
    QByteArray out;
    for (const Line& line : std::as_const(lines)) {
        const int zone = line.component >= 0 ? zoneOf.at(line.component) : -1;
        if ((line.component == master && touched.contains(line.name)) ||
            (zone >= 0 && !keep.contains(zoneText.value(zone)))) {
            continue;
        }
        out += line.raw;
    }
    if (zones) {
        *zones = zoneText.values();
    }
    return out;
}

// Texts a person may type or paste, and some that only a broken client writes.
const std::array<QString, 10> texts{
    QString(),
    QStringLiteral("Buy milk"),
    QStringLiteral("semi;colon,comma\\backslash:colon"),
    QStringLiteral("first line\nsecond line"),
    QStringLiteral("carriage\r\nreturn"),
    QStringLiteral("\u00fcn\u00efc\u00f6d\u00e9 \u4e2d\u6587 \U0001F680"),
    QStringLiteral("tab\tand\u0001control"),
    QString(300, QLatin1Char('x')) + QStringLiteral("\u00e9"),
    QStringLiteral(" "),
    QStringLiteral("END:VTODO"),
};

const std::array<const char*, 6> zones{
    "", "UTC", "Europe/Berlin", "America/New_York", "Asia/Kolkata", "Pacific/Chatham"};

} // namespace

void initialise()
{
    ::setenv("TZ", "Europe/Stockholm", 1);
    ical::ensureInitialised();
}

namespace {

// The depth of the whole tree that holds `component`, walked without recursion.
int treeDepth(icalcomponent* component)
{
    icalcomponent* root = component;
    while (icalcomponent_get_parent(root) != nullptr) {
        root = icalcomponent_get_parent(root);
    }
    int deepest = 0;
    QList<std::pair<icalcomponent*, int>> pending{{root, 1}};
    while (!pending.isEmpty()) {
        const auto [next, depth] = pending.takeLast();
        deepest = std::max(deepest, depth);
        for (icalcomponent* child : ical::components(next, ICAL_ANY_COMPONENT)) {
            pending.append(std::pair(child, depth + 1));
        }
    }
    return deepest;
}

} // namespace

void checkRead(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const auto item = parseVdirItem(bytes, listID, fileName);
    const auto document = TodoDocument::parse(bytes);
    if (item.has_value() != document.has_value()) {
        fail("the item reader and the document parser disagree");
    }
    if (!document) {
        return;
    }
    // libical frees and writes a tree by recursion: nothing deeper than the limit may ever be parsed.
    if (auto copy = TodoDocument::parse(bytes); treeDepth(copy->masterForEdit()) > TodoDocument::maximumNesting) {
        fail("a tree nested deeper than the limit was parsed");
    }
    if (item->id != listID + QLatin1Char('/') + fileName || item->listID != listID) {
        fail("the item's id does not come from its place", item->id);
    }
    (void)document->uid();
    // A file with errors is never written back, so only a clean one must survive a write. An existing file is
    // written as its own bytes with only the edited lines spliced in (libical's whole-tree text is used only for
    // files the store creates), so what must read again is what the store's write path gives back.
    if (document->hasParseErrors()) {
        return;
    }
    const auto written = document->editedBytes().bytes;
    if (!written) {
        return;
    }
    const auto again = TodoDocument::parse(*written);
    if (!again) {
        fail("a file the store would write does not read again");
    }
    if (again->hasParseErrors()) {
        fail("a clean file turns into one with errors once written", QString::fromUtf8(*written));
    }
    const StoreReminder before = document->toReminder();
    const StoreReminder after = again->toReminder();
    if (!sameFields(before, after)) {
        fail("a write changed what the file says", describe(before) + QStringLiteral(" -> ") + describe(after));
    }
}

void checkWrite(const uint8_t* data, size_t size)
{
    constexpr size_t controlSize = 8;
    if (size < controlSize) {
        return;
    }
    const uint8_t* c = data;
    const QByteArray bytes(reinterpret_cast<const char*>(data + controlSize), qsizetype(size - controlSize));
    auto document = TodoDocument::parse(bytes);
    if (!document || document->hasParseErrors()) {
        return;
    }
    const StoreReminder base = document->toReminder();
    StoreReminder changed = base;
    const unsigned what = c[0];
    if (what & 1) {
        changed.title = texts.at(c[1] % texts.size());
    }
    if (what & 2) {
        const QString notes = texts.at(c[2] % texts.size());
        changed.notes = c[2] >= 128 ? std::nullopt : std::optional(notes);
    }
    if (what & 4) {
        changed.priority = c[3] % 10;
    }
    if (what & 8) {
        if (c[4] == 0) {
            changed.due.reset();
        } else {
            DueDateComponents due;
            due.date = QDate(2024, 1, 1).addDays(c[4] * 3);
            if (c[5] % 4 != 0) {
                due.time = QTime(c[5] % 24, (c[5] * 7) % 60);
                due.timeZone = QTimeZone(QByteArray(zones.at(c[6] % zones.size())));
            }
            changed.due = due;
        }
    }
    if (what & 16) {
        changed.recurrenceRules.clear();
        if (c[7] % 5 != 0) {
            changed.recurrenceRules.append(RecurrenceRule{c[7] % 5 - 1, 1 + (c[7] >> 4) % 3, false});
        }
    }
    if (what & 32) {
        changed.isCompleted = !changed.isCompleted;
        changed.completionDate.reset();
    }

    const QDateTime now(QDate(2024, 6, 1), QTime(12, 0), QTimeZone::utc());
    document->applyChanges(base, changed, now);
    // A tree libical cannot write (an unknown component, say) makes the store refuse the save with a message.
    const auto written = document->editedBytes().bytes;
    if (!written) {
        return;
    }
    const auto again = TodoDocument::parse(*written);
    if (!again) {
        fail("an edited file does not read again", QString::fromUtf8(*written));
    }
    if (again->hasParseErrors()) {
        fail("an edited file reads with errors", QString::fromUtf8(*written));
    }
    const StoreReminder after = again->toReminder();
    const bool repeats = !after.recurrenceRules.isEmpty();
    const bool completing = !base.isCompleted && changed.isCompleted;
    const QString detail = describe(changed) + QStringLiteral(" -> ") + describe(after);
    // An edited text goes through the store's own line-break rule; an untouched one only through libical's.
    QString title = changed.title;
    if (base.title != changed.title) {
        title = changed.title.trimmed().isEmpty() ? QString() : asWritten(changed.title);
    }
    if (!sameText(title, after.title)) {
        fail("the edited title was not kept", detail);
    }
    std::optional<QString> notes = changed.notes;
    if (base.notes != changed.notes) {
        notes = changed.notes && !changed.notes->trimmed().isEmpty() ? std::optional(asWritten(*changed.notes))
                                                                     : std::nullopt;
    }
    if (notes.has_value() != after.notes.has_value() ||
        !sameText(notes.value_or(QString()), after.notes.value_or(QString()))) {
        fail("the edited notes were not kept", detail);
    }
    if (after.priority != changed.priority) {
        fail("the edited priority was not kept", detail);
    }
    if (!(completing && repeats)) {
        if (dueMinute(after.due) != dueMinute(changed.due) || after.due.has_value() != changed.due.has_value()) {
            fail("the edited due date was not kept", detail);
        }
        if (after.isCompleted != changed.isCompleted) {
            fail("the edited completion was not kept", detail);
        }
    }
    if ((what & 16) && !completing && after.recurrenceRules != changed.recurrenceRules) {
        fail("the edited repetition was not kept", detail);
    }
    // Byte for byte, the write changed nothing but the master's lines of the fields it touched, and added at
    // most a time zone.
    static const QSet<QByteArray> touched{
        "SUMMARY", "DESCRIPTION", "PRIORITY", "DUE",     "DURATION",         "DTSTART",      "RRULE",
        "STATUS",  "COMPLETED",   "SEQUENCE", "DTSTAMP", "PERCENT-COMPLETE", "LAST-MODIFIED"};
    QList<QByteArray> originalZones;
    untouchedBytes(bytes, touched, {}, &originalZones);
    if (untouchedBytes(bytes, touched, originalZones) != untouchedBytes(*written, touched, originalZones)) {
        fail("a write changed bytes outside the properties it touched",
             QString::fromUtf8(bytes) + QStringLiteral(" -> ") + QString::fromUtf8(*written));
    }
    const QStringList kept = signaturesOf(*written);
    const QStringList had = signaturesOf(bytes);
    if (kept != had) {
        fail("a write dropped or added properties or components",
             had.join(QLatin1Char(' ')) + QStringLiteral(" -> ") + kept.join(QLatin1Char(' ')));
    }
}

} // namespace tolvik::fuzz
