#include "store/IcsSplicer.h"

#include "store/IcalCategories.h"
#include "store/IcalSupport.h"

#include <QList>
#include <QMap>

#include <algorithm>

namespace tolvik::IcsSplicer {

namespace {

struct Span
{
    qsizetype begin = 0;
    qsizetype end = 0;
};

// One component as it stands in the file: where its lines are, and its own properties by position.
struct Node
{
    QByteArray kind;
    qsizetype begin = 0;
    qsizetype endLine = 0;
    qsizetype end = 0;
    QList<std::pair<QByteArray, Span>> properties;
    QList<int> children;
};

struct Layout
{
    QList<Node> nodes;
    QList<int> roots;
    QByteArray newline = "\r\n";
    QByteArray bytes;
};

struct Edit
{
    qsizetype begin = 0;
    qsizetype end = 0;
    QByteArray text;
};

QByteArray unfolded(const QByteArray& line)
{
    QByteArray out;
    out.reserve(line.size());
    for (qsizetype i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < line.size() && line[i + 1] == '\n') {
                ++i;
            }
            // A fold is a line end followed by one space or tab, both of which belong to no value.
            if (i + 1 < line.size() && (line[i + 1] == ' ' || line[i + 1] == '\t')) {
                ++i;
            }
            continue;
        }
        out += c;
    }
    return out;
}

// The content line's name, upper case: everything before the first ';' or ':'.
QByteArray nameOf(const QByteArray& content)
{
    qsizetype cut = 0;
    while (cut < content.size() && content[cut] != ';' && content[cut] != ':') {
        ++cut;
    }
    return content.left(cut).trimmed().toUpper();
}

QByteArray valueOf(const QByteArray& content)
{
    const qsizetype colon = content.indexOf(':');
    return colon < 0 ? QByteArray() : content.mid(colon + 1).trimmed().toUpper();
}

// Splits the file into logical lines and nests them into components. Nothing when BEGIN and END do not pair up
// or a line stands outside them.
std::optional<Layout> scan(const QByteArray& bytes)
{
    Layout layout;
    layout.bytes = bytes;
    const qsizetype firstEnd = bytes.indexOf('\n');
    if (firstEnd > 0 && bytes[firstEnd - 1] != '\r') {
        layout.newline = "\n";
    }
    QList<int> open;
    qsizetype pos = bytes.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    while (pos < bytes.size()) {
        qsizetype end = bytes.indexOf('\n', pos);
        while (end >= 0 && end + 1 < bytes.size() && (bytes[end + 1] == ' ' || bytes[end + 1] == '\t')) {
            end = bytes.indexOf('\n', end + 1);
        }
        end = end < 0 ? bytes.size() : end + 1;
        const Span span{pos, end};
        const QByteArray content = unfolded(bytes.mid(pos, end - pos));
        pos = end;
        if (content.trimmed().isEmpty()) {
            continue;
        }
        const QByteArray name = nameOf(content);
        if (name == "BEGIN") {
            Node node;
            node.kind = valueOf(content);
            node.begin = span.begin;
            layout.nodes.append(node);
            const int index = int(layout.nodes.size() - 1);
            (open.isEmpty() ? layout.roots : layout.nodes[open.last()].children).append(index);
            open.append(index);
        } else if (name == "END") {
            if (open.isEmpty() || layout.nodes[open.last()].kind != valueOf(content)) {
                return std::nullopt;
            }
            Node& node = layout.nodes[open.takeLast()];
            node.endLine = span.begin;
            node.end = span.end;
        } else if (open.isEmpty()) {
            // A line outside every component is one libical placed somewhere of its own choosing, or dropped:
            // such a file cannot be matched line for line.
            return std::nullopt;
        } else {
            layout.nodes[open.last()].properties.append({name, span});
        }
    }
    if (!open.isEmpty()) {
        return std::nullopt;
    }
    return layout;
}

QByteArray propertyName(icalproperty* property)
{
    const ical::OwnedString name(icalproperty_get_property_name_r(property));
    return name ? QByteArray(name.get()).toUpper() : QByteArray();
}

QByteArray propertyText(icalproperty* property)
{
    const ical::OwnedString text(icalproperty_as_ical_string_r(property));
    return text ? QByteArray(text.get()) : QByteArray();
}

// A component's own properties, by name, each name's texts in their order.
QMap<QByteArray, QList<QByteArray>> groups(icalcomponent* component)
{
    QMap<QByteArray, QList<QByteArray>> result;
    for (icalproperty* property : ical::properties(component, ICAL_ANY_PROPERTY)) {
        result[propertyName(property)].append(propertyText(property));
    }
    return result;
}

QByteArray kindOf(icalcomponent* component)
{
    return QByteArray(icalcomponent_kind_to_string(icalcomponent_isa(component)));
}

QByteArray inFileEnding(QByteArray text, const QByteArray& newline)
{
    if (newline != "\r\n") {
        text.replace("\r\n", newline);
    }
    return text;
}

QByteArray componentText(icalcomponent* component, const QByteArray& newline)
{
    const ical::OwnedString text(icalcomponent_as_ical_string_r(component));
    return text ? inFileEnding(QByteArray(text.get()), newline) : QByteArray();
}

// The file's node of the tree's `index`th child. libical puts a calendar's VTIMEZONEs ahead of its other
// components whatever the file's order, so a child is matched by its kind and its place among its kind.
const Node* childNode(const Layout& layout, const QList<int>& level, const QList<icalcomponent*>& children,
                      qsizetype index)
{
    const QByteArray kind = kindOf(children.at(index));
    qsizetype ordinal = 0;
    for (qsizetype i = 0; i < index; ++i) {
        ordinal += kindOf(children.at(i)) == kind ? 1 : 0;
    }
    for (const int candidate : level) {
        if (layout.nodes.at(candidate).kind == kind && ordinal-- == 0) {
            return &layout.nodes.at(candidate);
        }
    }
    return nullptr;
}

// Where a new property of `node` goes: after its own properties, before its first sub-component.
qsizetype propertyInsertPoint(const Layout& layout, const Node& node)
{
    return node.children.isEmpty() ? node.endLine : layout.nodes.at(node.children.first()).begin;
}

// Pairs the old sub-components with the new ones: those whose text is unchanged pair up in order (the longest
// common run), so that removing the first of three alarms removes its lines and leaves the other two alone. Between
// two such anchors the rest pair up by position and are compared property by property; what is left over was
// removed or added. Each pair is (old index or -1, new index or -1), in the new tree's order.
QList<std::pair<qsizetype, qsizetype>> alignChildren(const QList<icalcomponent*>& oldChildren,
                                                     const QList<icalcomponent*>& newChildren)
{
    const qsizetype rows = oldChildren.size();
    const qsizetype columns = newChildren.size();
    QList<std::pair<qsizetype, qsizetype>> pairs;
    // Same counts pair by position, as before; so do lists too long to align (a hostile file's thousands).
    if (rows == columns || rows * columns > 4096) {
        for (qsizetype i = 0; i < std::max(rows, columns); ++i) {
            pairs.append({i < rows ? i : -1, i < columns ? i : -1});
        }
        return pairs;
    }
    QList<QByteArray> oldTexts;
    QList<QByteArray> newTexts;
    for (icalcomponent* child : oldChildren) {
        oldTexts.append(componentText(child, "\r\n"));
    }
    for (icalcomponent* child : newChildren) {
        newTexts.append(componentText(child, "\r\n"));
    }
    QList<int> common((rows + 1) * (columns + 1), 0);
    const auto at = [columns](qsizetype i, qsizetype j) { return i * (columns + 1) + j; };
    for (qsizetype i = rows - 1; i >= 0; --i) {
        for (qsizetype j = columns - 1; j >= 0; --j) {
            common[at(i, j)] = oldTexts[i] == newTexts[j] ? common[at(i + 1, j + 1)] + 1
                                                          : std::max(common[at(i + 1, j)], common[at(i, j + 1)]);
        }
    }
    QList<qsizetype> looseOld;
    QList<qsizetype> looseNew;
    const auto flush = [&] {
        for (qsizetype k = 0; k < std::max(looseOld.size(), looseNew.size()); ++k) {
            pairs.append({k < looseOld.size() ? looseOld[k] : -1, k < looseNew.size() ? looseNew[k] : -1});
        }
        looseOld.clear();
        looseNew.clear();
    };
    qsizetype i = 0;
    qsizetype j = 0;
    while (i < rows || j < columns) {
        if (i < rows && j < columns && oldTexts[i] == newTexts[j] && common[at(i, j)] == common[at(i + 1, j + 1)] + 1) {
            flush();
            pairs.append({i++, j++});
        } else if (j >= columns || (i < rows && common[at(i + 1, j)] >= common[at(i, j + 1)])) {
            looseOld.append(i++);
        } else {
            looseNew.append(j++);
        }
    }
    flush();
    return pairs;
}

// Where the new tree's `newIndex`th sub-component goes in the file: before the first old component paired with
// one after it, else at the component's end.
qsizetype newChildInsertPoint(const Layout& layout, const Node& node, const QList<icalcomponent*>& oldChildren,
                              const QList<icalcomponent*>& newChildren, qsizetype newIndex)
{
    const QList<std::pair<qsizetype, qsizetype>> pairs = alignChildren(oldChildren, newChildren);
    bool passed = false;
    for (const auto& [oldIndex, index] : pairs) {
        passed = passed || index == newIndex;
        if (passed && oldIndex >= 0 && index != newIndex) {
            if (const Node* next = childNode(layout, node.children, oldChildren, oldIndex)) {
                return next->begin;
            }
        }
    }
    return node.endLine;
}

// A tag edit changes only the CATEGORIES lines whose values changed, each keeping its escapes and parameters:
// libical holds one property per value, which written back would split every line into one per tag.
void categoryEdits(const Layout& layout, const Node& node, icalcomponent* after, QList<Edit>& edits)
{
    QList<Span> spans;
    QList<QByteArray> texts;
    for (const auto& [lineName, span] : node.properties) {
        if (lineName == "CATEGORIES") {
            spans.append(span);
            texts.append(layout.bytes.mid(span.begin, span.end - span.begin));
        }
    }
    QStringList values;
    for (icalproperty* property : ical::properties(after, ICAL_CATEGORIES_PROPERTY)) {
        values.append(ical::text(icalproperty_get_categories(property)).trimmed());
    }
    QByteArray added;
    const QList<QByteArray> rewritten = ical::rewriteCategoryLines(texts, values, layout.newline, added);
    for (qsizetype i = 0; i < spans.size(); ++i) {
        if (rewritten.at(i) != texts.at(i)) {
            edits.append(Edit{spans.at(i).begin, spans.at(i).end, rewritten.at(i)});
        }
    }
    if (!added.isEmpty()) {
        const qsizetype at = propertyInsertPoint(layout, node);
        edits.append(Edit{at, at, added});
    }
}

// The edits of one component's own properties, and of the sub-components it gained or lost; the ones both trees
// hold are appended to `pending` to be compared in turn.
struct Pair
{
    const Node* node;
    icalcomponent* before;
    icalcomponent* after;
};

bool diffOne(const Layout& layout, const Pair& pair, QList<Edit>& edits, QList<Pair>& pending)
{
    const Node& node = *pair.node;
    if (node.kind != kindOf(pair.before) || node.kind != kindOf(pair.after)) {
        return false;
    }
    const auto old = groups(pair.before);
    const auto now = groups(pair.after);
    QList<QByteArray> names = old.keys();
    for (const QByteArray& name : now.keys()) {
        if (!old.contains(name)) {
            names.append(name);
        }
    }
    for (const QByteArray& name : std::as_const(names)) {
        const QList<QByteArray> oldTexts = old.value(name);
        const QList<QByteArray> newTexts = now.value(name);
        if (oldTexts == newTexts) {
            continue;
        }
        if (name == "CATEGORIES") {
            categoryEdits(layout, node, pair.after, edits);
            continue;
        }
        const QByteArray text = inFileEnding(newTexts.join(), layout.newline);
        bool placed = false;
        for (const auto& [lineName, span] : node.properties) {
            if (lineName != name) {
                continue;
            }
            // The group's new lines take the place of its first old line; the others go.
            edits.append(Edit{span.begin, span.end, placed ? QByteArray() : text});
            placed = true;
        }
        if (!placed) {
            const qsizetype at = propertyInsertPoint(layout, node);
            edits.append(Edit{at, at, text});
        }
    }

    const QList<icalcomponent*> oldChildren = ical::components(pair.before, ICAL_ANY_COMPONENT);
    const QList<icalcomponent*> newChildren = ical::components(pair.after, ICAL_ANY_COMPONENT);
    if (oldChildren.size() != node.children.size()) {
        return false;
    }
    for (const auto& [oldIndex, newIndex] : alignChildren(oldChildren, newChildren)) {
        const Node* child = oldIndex >= 0 ? childNode(layout, node.children, oldChildren, oldIndex) : nullptr;
        if (oldIndex >= 0 && !child) {
            return false;
        }
        if (oldIndex >= 0 && newIndex >= 0) {
            pending.append(Pair{child, oldChildren.at(oldIndex), newChildren.at(newIndex)});
        } else if (oldIndex >= 0) {
            edits.append(Edit{child->begin, child->end, {}});
        } else {
            // A new component goes where the tree has it: before the next old one that stays, or at the end.
            const qsizetype at = newChildInsertPoint(layout, node, oldChildren, newChildren, newIndex);
            edits.append(Edit{at, at, componentText(newChildren.at(newIndex), layout.newline)});
        }
    }
    return true;
}

// A walk over a list, not a recursion: the depth of a tree is the file's to choose. Edits are placed by position
// afterwards, so the order in which components are compared does not matter.
bool diffComponent(const Layout& layout, const Node& node, icalcomponent* before, icalcomponent* after,
                   QList<Edit>& edits)
{
    QList<Pair> pending{Pair{&node, before, after}};
    while (!pending.isEmpty()) {
        if (!diffOne(layout, pending.takeLast(), edits, pending)) {
            return false;
        }
    }
    return true;
}

QByteArray tzidOfZone(icalcomponent* zone)
{
    icalproperty* tzid = icalcomponent_get_first_property(zone, ICAL_TZID_PROPERTY);
    return tzid ? QByteArray(icalproperty_get_tzid(tzid)) : QByteArray();
}

// Time zones the edit needs that the calendar lacked go ahead of its other components, as older readers
// resolve TZIDs in one pass.
bool addTimezones(const Layout& layout, const Node* calendar, icalcomponent* before, icalcomponent* after,
                  QList<Edit>& edits)
{
    QList<QByteArray> known;
    for (icalcomponent* zone : ical::components(before, ICAL_VTIMEZONE_COMPONENT)) {
        known.append(tzidOfZone(zone));
    }
    QByteArray added;
    for (icalcomponent* zone : ical::components(after, ICAL_VTIMEZONE_COMPONENT)) {
        if (!known.contains(tzidOfZone(zone))) {
            added += componentText(zone, layout.newline);
        }
    }
    if (added.isEmpty()) {
        return true;
    }
    if (calendar == nullptr) {
        return false;
    }
    qsizetype at = calendar->endLine;
    for (const int child : calendar->children) {
        if (layout.nodes.at(child).kind != "VTIMEZONE") {
            at = layout.nodes.at(child).begin;
            break;
        }
    }
    edits.append(Edit{at, at, added});
    return true;
}

QByteArray applied(const QByteArray& original, QList<Edit> edits)
{
    // By position; at one position an insertion goes before a removal that starts there, so that no edit starts
    // inside a span an earlier one already consumed.
    std::stable_sort(edits.begin(), edits.end(), [](const Edit& a, const Edit& b) {
        return a.begin != b.begin ? a.begin < b.begin : (a.end == a.begin) > (b.end == b.begin);
    });
    QByteArray out;
    out.reserve(original.size() + 256);
    qsizetype pos = 0;
    for (const Edit& edit : std::as_const(edits)) {
        if (edit.begin >= pos) {
            out.append(original.constData() + pos, edit.begin - pos);
        }
        out += edit.text;
        pos = std::max(pos, edit.end);
    }
    out.append(original.constData() + pos, original.size() - pos);
    return out;
}

} // namespace

std::optional<QByteArray> splice(const QByteArray& original, icalcomponent* before, const QList<int>& masterPath,
                                 icalcomponent* newMaster)
{
    const std::optional<Layout> layout = scan(original);
    if (!layout || layout->roots.isEmpty() || masterPath.isEmpty()) {
        return std::nullopt;
    }
    // Follow the master's path through the tree and the file at once. A bare VTODO was given a calendar when
    // parsed that the file does not have; two calendars sit under a wrapper the file does not have either.
    QList<int> level = layout->roots;
    const Node* calendar = nullptr;
    const Node* node = nullptr;
    if (icalcomponent_isa(before) != ICAL_XROOT_COMPONENT &&
        layout->nodes.at(layout->roots.first()).kind == kindOf(before)) {
        calendar = &layout->nodes.at(layout->roots.first());
        level = calendar->children;
    }
    icalcomponent* oldMaster = before;
    for (const int index : masterPath) {
        const QList<icalcomponent*> children = ical::components(oldMaster, ICAL_ANY_COMPONENT);
        if (index < 0 || index >= level.size() || index >= children.size()) {
            return std::nullopt;
        }
        if (node != nullptr) {
            calendar = node;
        }
        node = childNode(*layout, level, children, index);
        if (node == nullptr) {
            return std::nullopt;
        }
        oldMaster = children.at(index);
        level = node->children;
    }
    QList<Edit> edits;
    if (!diffComponent(*layout, *node, oldMaster, newMaster, edits) ||
        !addTimezones(*layout, calendar, icalcomponent_get_parent(oldMaster), icalcomponent_get_parent(newMaster),
                      edits)) {
        return std::nullopt;
    }
    return applied(original, edits);
}

bool sameContent(icalcomponent* left, icalcomponent* right)
{
    QList<std::pair<icalcomponent*, icalcomponent*>> pending{{left, right}};
    while (!pending.isEmpty()) {
        const auto [one, other] = pending.takeLast();
        if (icalcomponent_isa(one) != icalcomponent_isa(other) || groups(one) != groups(other)) {
            return false;
        }
        // Components of one kind keep their order; where a VTIMEZONE stands among the to-dos means nothing.
        QMap<int, QList<icalcomponent*>> oneChildren;
        QMap<int, QList<icalcomponent*>> otherChildren;
        for (icalcomponent* child : ical::components(one, ICAL_ANY_COMPONENT)) {
            oneChildren[int(icalcomponent_isa(child))].append(child);
        }
        for (icalcomponent* child : ical::components(other, ICAL_ANY_COMPONENT)) {
            otherChildren[int(icalcomponent_isa(child))].append(child);
        }
        if (oneChildren.keys() != otherChildren.keys()) {
            return false;
        }
        for (auto it = oneChildren.cbegin(); it != oneChildren.cend(); ++it) {
            const QList<icalcomponent*>& others = otherChildren[it.key()];
            if (others.size() != it->size()) {
                return false;
            }
            for (qsizetype i = 0; i < others.size(); ++i) {
                pending.append(std::pair(it->at(i), others.at(i)));
            }
        }
    }
    return true;
}

} // namespace tolvik::IcsSplicer
