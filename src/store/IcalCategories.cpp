#include "store/IcalCategories.h"

#include <QList>

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

} // namespace

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
