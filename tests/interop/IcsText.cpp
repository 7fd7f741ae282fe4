#include "IcsText.h"

#include <QRegularExpression>
#include <QStringDecoder>
#include <QTimeZone>

namespace tolvik::interop {

namespace {

QList<QByteArray> physicalLines(const QByteArray& data)
{
    QList<QByteArray> lines = data.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty()) {
        lines.removeLast();
    }
    for (QByteArray& line : lines) {
        if (line.endsWith('\r')) {
            line.chop(1);
        }
    }
    return lines;
}

bool isValidUtf8(const QByteArray& bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder.decode(bytes);
    return !decoder.hasError();
}

} // namespace

QList<IcsProperty> unfoldedProperties(const QByteArray& data)
{
    QList<QByteArray> logical;
    for (const QByteArray& line : physicalLines(data)) {
        if ((line.startsWith(' ') || line.startsWith('\t')) && !logical.isEmpty()) {
            logical.last() += line.mid(1);
        } else {
            logical.append(line);
        }
    }
    QList<IcsProperty> properties;
    for (const QByteArray& bytes : logical) {
        const QString line = QString::fromUtf8(bytes);
        // The name ends at the first ';' or ':'; a ':' inside a quoted parameter value does not end the
        // parameters.
        qsizetype nameEnd = 0;
        while (nameEnd < line.size() && line.at(nameEnd) != QLatin1Char(';') && line.at(nameEnd) != QLatin1Char(':')) {
            ++nameEnd;
        }
        qsizetype colon = nameEnd;
        bool inQuotes = false;
        while (colon < line.size() && (inQuotes || line.at(colon) != QLatin1Char(':'))) {
            if (line.at(colon) == QLatin1Char('"')) {
                inQuotes = !inQuotes;
            }
            ++colon;
        }
        IcsProperty property;
        property.name = line.left(nameEnd).toUpper();
        property.parameters = line.mid(nameEnd + 1, colon - nameEnd - 1);
        property.value = line.mid(colon + 1);
        properties.append(property);
    }
    return properties;
}

QList<IcsProperty> masterTodo(const QByteArray& data)
{
    const QList<IcsProperty> all = unfoldedProperties(data);
    QList<IcsProperty> current;
    int depth = 0;
    bool inTodo = false;
    for (const IcsProperty& property : all) {
        if (!inTodo) {
            if (property.name == QLatin1String("BEGIN") &&
                property.value.compare(QLatin1String("VTODO"), Qt::CaseInsensitive) == 0) {
                inTodo = true;
                depth = 0;
                current.clear();
            }
            continue;
        }
        if (property.name == QLatin1String("BEGIN")) {
            ++depth;
        } else if (property.name == QLatin1String("END")) {
            if (depth == 0) {
                inTodo = false;
                if (!findProperty(current, QStringLiteral("RECURRENCE-ID"))) {
                    return current;
                }
            } else {
                --depth;
            }
        } else if (depth == 0) {
            current.append(property);
        }
    }
    return {};
}

std::optional<IcsProperty> findProperty(const QList<IcsProperty>& properties, const QString& name)
{
    for (const IcsProperty& property : properties) {
        if (property.name == name) {
            return property;
        }
    }
    return std::nullopt;
}

QString valueOf(const QList<IcsProperty>& properties, const QString& name)
{
    const std::optional<IcsProperty> property = findProperty(properties, name);
    return property ? property->value : QString();
}

std::optional<QDateTime> momentOf(const IcsProperty& property)
{
    const QString value = property.value.trimmed();
    if (value.size() == 8) {
        const QDate date = QDate::fromString(value, QStringLiteral("yyyyMMdd"));
        return date.isValid() ? std::optional(QDateTime(date, QTime(0, 0))) : std::nullopt;
    }
    const bool utc = value.endsWith(QLatin1Char('Z'));
    const QDateTime wall = QDateTime::fromString(utc ? value.chopped(1) : value, QStringLiteral("yyyyMMdd'T'HHmmss"));
    if (!wall.isValid()) {
        return std::nullopt;
    }
    if (utc) {
        return QDateTime(wall.date(), wall.time(), Qt::UTC).toLocalTime();
    }
    static const QRegularExpression tzidPattern(QStringLiteral("(?:^|;)TZID=\"?([^\";:]+)\"?"),
                                                QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch tzid = tzidPattern.match(property.parameters);
    if (tzid.hasMatch()) {
        const QTimeZone zone(tzid.captured(1).toUtf8());
        if (!zone.isValid()) {
            return std::nullopt;
        }
        return QDateTime(wall.date(), wall.time(), zone).toLocalTime();
    }
    return QDateTime(wall.date(), wall.time());
}

QStringList formatFaults(const QByteArray& data)
{
    QStringList faults;
    if (data.startsWith("\xEF\xBB\xBF")) {
        faults.append(QStringLiteral("starts with a UTF-8 byte-order mark"));
    }
    if (!isValidUtf8(data)) {
        faults.append(QStringLiteral("is not valid UTF-8"));
    }
    if (!data.endsWith("\r\n")) {
        faults.append(QStringLiteral("does not end with CRLF"));
    }
    qsizetype lineStart = 0;
    int lineNumber = 1;
    while (lineStart < data.size()) {
        qsizetype end = data.indexOf('\n', lineStart);
        if (end < 0) {
            end = data.size();
        }
        const bool crlf = end > lineStart && data.at(end - 1) == '\r';
        if (end < data.size() && !crlf) {
            faults.append(QStringLiteral("line %1 ends with a bare LF").arg(lineNumber));
        }
        const QByteArray line = data.mid(lineStart, end - lineStart - (crlf ? 1 : 0));
        if (line.contains('\r')) {
            faults.append(QStringLiteral("line %1 holds a bare CR").arg(lineNumber));
        }
        if (line.size() > 75) {
            faults.append(QStringLiteral("line %1 is %2 octets long").arg(lineNumber).arg(line.size()));
        }
        // A continuation line whose first content byte is 10xxxxxx means the fold split a character.
        if (line.size() > 1 && line.at(0) == ' ' && (uchar(line.at(1)) & 0xC0) == 0x80) {
            faults.append(QStringLiteral("line %1 continues inside a UTF-8 sequence").arg(lineNumber));
        }
        lineStart = end + 1;
        ++lineNumber;
    }
    return faults;
}

} // namespace tolvik::interop
