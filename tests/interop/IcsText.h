#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace tolvik::interop {

/// One content line of an iCalendar text: NAME;PARAMS:VALUE, with the name upper-cased.
struct IcsProperty
{
    QString name;
    QString parameters;
    QString value;
};

/// The content lines after unfolding (CRLF or LF line ends).
QList<IcsProperty> unfoldedProperties(const QByteArray& data);

/// The properties of the master VTODO (the first one without RECURRENCE-ID), without those of its
/// sub-components (VALARM).
QList<IcsProperty> masterTodo(const QByteArray& data);

/// The first property called `name`, or nothing.
std::optional<IcsProperty> findProperty(const QList<IcsProperty>& properties, const QString& name);
/// The value of the first property called `name`, or a null string.
QString valueOf(const QList<IcsProperty>& properties, const QString& name);

/// The moment a DATE or DATE-TIME property denotes: UTC with a trailing Z, in the zone its TZID parameter
/// names, else local time; a DATE is local midnight. Nothing when the value does not parse.
std::optional<QDateTime> momentOf(const IcsProperty& property);

/// Every way in which `data` breaks the rules for a file others sync: a byte-order mark, a line end other than
/// CRLF, bytes that are not UTF-8, a line longer than 75 octets, a fold inside a UTF-8 sequence.
/// Empty when the file keeps them all.
QStringList formatFaults(const QByteArray& data);

} // namespace tolvik::interop
