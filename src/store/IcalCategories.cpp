#include "store/IcalCategories.h"

#include <QList>
#include <QString>

#include "store/IcalSupport.h"

namespace tolvik::ical {

namespace {

struct LogicalLine
{
    QByteArray text;         // unfolded content, without the line end
    QList<QByteArray> lines; // the physical lines as written
    bool merged = false;
};

// The name and parameters of a content line: everything before the first colon outside quotes.
qsizetype valueStart(const QByteArray& line)
{
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (line[i] == '"') {
            quoted = !quoted;
        } else if (line[i] == ':' && !quoted) {
            return i;
        }
    }
    return -1;
}

bool isCategories(const QByteArray& line)
{
    const QByteArray name = line.left(10).toUpper();
    return name == "CATEGORIES" && (line.size() > 10 && (line[10] == ':' || line[10] == ';'));
}

// Folds at 75 octets without splitting a UTF-8 sequence; continuation lines start with one space.
QByteArray fold(const QByteArray& line)
{
    QByteArray out;
    qsizetype start = 0;
    qsizetype limit = 75;
    while (line.size() - start > limit) {
        qsizetype cut = start + limit;
        while (cut > start && (static_cast<unsigned char>(line[cut]) & 0xC0) == 0x80) {
            --cut;
        }
        // A run of continuation bytes that is no UTF-8 at all has no boundary to keep: cut at the limit, or this
        // would never move on.
        if (cut == start) {
            cut = start + limit;
        }
        out += line.mid(start, cut - start) + "\r\n ";
        start = cut;
        limit = 74;
    }
    out += line.mid(start) + "\r\n";
    return out;
}

// A value's raw parts, split on the commas no backslash escapes.
QList<QByteArray> rawValues(const QByteArray& value)
{
    QList<QByteArray> parts{QByteArray()};
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value[i] == '\\' && i + 1 < value.size()) {
            parts.last() += value.mid(i, 2);
            ++i;
        } else if (value[i] == ',') {
            parts.append(QByteArray());
        } else {
            parts.last() += value[i];
        }
    }
    return parts;
}

QString unescaped(const QByteArray& raw)
{
    QByteArray out;
    for (qsizetype i = 0; i < raw.size(); ++i) {
        if (raw[i] == '\\' && i + 1 < raw.size()) {
            const char next = raw[++i];
            out += next == 'n' || next == 'N' ? '\n' : next;
        } else {
            out += raw[i];
        }
    }
    return QString::fromUtf8(out).trimmed();
}

QByteArray escaped(const QString& value)
{
    QByteArray out;
    for (const char c : value.toUtf8()) {
        if (c == '\\' || c == ',' || c == ';') {
            out += '\\';
            out += c;
        } else if (c == '\n') {
            out += "\\n";
        } else if (c != '\r') {
            out += c;
        }
    }
    return out;
}

struct CategoryLine
{
    QByteArray head; // name and parameters, up to and including the colon
    QList<QByteArray> raw;
    QStringList values;
};

CategoryLine parsedLine(const QByteArray& written)
{
    QByteArray text = written;
    text.replace("\r\n ", "").replace("\r\n\t", "").replace("\n ", "").replace("\n\t", "");
    while (text.endsWith('\n') || text.endsWith('\r')) {
        text.chop(1);
    }
    CategoryLine line;
    const qsizetype colon = valueStart(text);
    line.head = text.left(colon + 1);
    for (const QByteArray& part : rawValues(text.mid(colon + 1))) {
        const QString value = unescaped(part);
        if (!value.isEmpty()) {
            line.raw.append(part);
            line.values.append(value);
        }
    }
    return line;
}

QByteArray lineText(const QByteArray& head, const QList<QByteArray>& raw, const QByteArray& newline)
{
    QByteArray folded = fold(head + raw.join(','));
    if (newline != "\r\n") {
        folded.replace("\r\n", newline);
    }
    return folded;
}

} // namespace

void writeCategories(icalcomponent* todo, const QStringList& values)
{
    // The values that stay keep their properties (and parameters); the new ones follow, unless the order changed.
    QStringList wanted = values;
    QStringList kept;
    QList<icalproperty*> dropped;
    const QList<icalproperty*> existing = properties(todo, ICAL_CATEGORIES_PROPERTY);
    for (icalproperty* property : existing) {
        const QString value = text(icalproperty_get_categories(property)).trimmed();
        if (wanted.removeOne(value)) {
            kept.append(value);
        } else {
            dropped.append(property);
        }
    }
    const bool reordered = values.mid(0, kept.size()) != kept;
    for (icalproperty* property : reordered ? existing : dropped) {
        icalcomponent_remove_property(todo, property);
        icalproperty_free(property);
    }
    for (const QString& value : values.mid(reordered ? 0 : kept.size())) {
        if (!value.trimmed().isEmpty()) {
            icalcomponent_add_property(todo, icalproperty_new_categories(value.trimmed().toUtf8().constData()));
        }
    }
}

QList<QByteArray> rewriteCategoryLines(const QList<QByteArray>& lines, const QStringList& values,
                                       const QByteArray& newline, QByteArray& added)
{
    QList<CategoryLine> parsed;
    for (const QByteArray& line : lines) {
        parsed.append(parsedLine(line));
    }
    // What stays of each line, in file order; each wanted value is used up once.
    QStringList wanted = values;
    QStringList kept;
    QList<QList<qsizetype>> keptParts;
    for (const CategoryLine& line : std::as_const(parsed)) {
        keptParts.append(QList<qsizetype>());
        for (qsizetype i = 0; i < line.values.size(); ++i) {
            if (wanted.removeOne(line.values.at(i))) {
                keptParts.last().append(i);
                kept.append(line.values.at(i));
            }
        }
    }
    QList<QByteArray> out;
    added.clear();
    if (values.mid(0, kept.size()) != kept) {
        // Reordered: one line in the new order where the first was.
        QList<QByteArray> all;
        for (const QString& value : values) {
            all.append(escaped(value));
        }
        for (qsizetype i = 0; i < lines.size(); ++i) {
            out.append(i == 0 ? lineText("CATEGORIES:", all, newline) : QByteArray());
        }
        return out;
    }
    QList<QByteArray> extra;
    for (const QString& value : values.mid(kept.size())) {
        extra.append(escaped(value));
    }
    // Added tags join the last line that stays when it has no parameters, which they would take on; else they get
    // a line of their own after the others.
    qsizetype last = -1;
    for (qsizetype i = 0; i < parsed.size(); ++i) {
        last = keptParts.at(i).isEmpty() ? last : i;
    }
    if (last >= 0 && parsed.at(last).head.toUpper() != "CATEGORIES:") {
        last = -2;
    }
    for (qsizetype i = 0; i < parsed.size(); ++i) {
        const CategoryLine& line = parsed.at(i);
        if (keptParts.at(i).size() == line.values.size() && !(i == last && !extra.isEmpty())) {
            out.append(lines.at(i));
            continue;
        }
        QList<QByteArray> raw;
        for (const qsizetype part : keptParts.at(i)) {
            raw.append(line.raw.at(part));
        }
        if (i == last) {
            raw += extra;
        }
        out.append(raw.isEmpty() ? QByteArray() : lineText(line.head, raw, newline));
    }
    if (last < 0 && !extra.isEmpty()) {
        // After every line that stays, so that the tags keep their order.
        added = lineText("CATEGORIES:", extra, newline);
    }
    return out;
}

QByteArray joinCategoryLines(const QByteArray& serialized)
{
    QList<QByteArray> physical = serialized.split('\n');
    if (!physical.isEmpty() && physical.last().isEmpty()) {
        physical.removeLast();
    }
    QList<LogicalLine> logical;
    for (QByteArray line : physical) {
        if (line.endsWith('\r')) {
            line.chop(1);
        }
        if (!logical.isEmpty() && !line.isEmpty() && (line[0] == ' ' || line[0] == '\t')) {
            logical.last().text += line.mid(1);
            logical.last().lines.append(line);
            continue;
        }
        logical.append(LogicalLine{line, {line}, false});
    }

    QList<LogicalLine> joined;
    for (const LogicalLine& line : logical) {
        if (!joined.isEmpty() && isCategories(line.text) && isCategories(joined.last().text)) {
            const qsizetype previousColon = valueStart(joined.last().text);
            const qsizetype colon = valueStart(line.text);
            if (previousColon > 0 && colon > 0 && joined.last().text.left(previousColon) == line.text.left(colon)) {
                joined.last().text += ',' + line.text.mid(colon + 1);
                joined.last().merged = true;
                continue;
            }
        }
        joined.append(line);
    }

    QByteArray out;
    out.reserve(serialized.size());
    for (const LogicalLine& line : joined) {
        if (line.merged) {
            out += fold(line.text);
            continue;
        }
        for (const QByteArray& part : line.lines) {
            out += part + "\r\n";
        }
    }
    return out;
}

} // namespace tolvik::ical
