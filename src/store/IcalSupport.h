#pragma once

#include "model/StoreRecords.h"

#include <libical/ical.h>

#include <QByteArray>
#include <QList>
#include <QString>

#include <memory>
#include <optional>

// Small helpers over libical's C API for the store's iCalendar mapping. Internal to src/store.
namespace tolvik::ical {

/// Sets libical's process-wide options once; every entry point calls it first.
void ensureInitialised();

struct ComponentDeleter
{
    void operator()(icalcomponent* component) const
    {
        if (component) {
            icalcomponent_free(component);
        }
    }
};
/// An owned component tree.
using ComponentPtr = std::unique_ptr<icalcomponent, ComponentDeleter>;

struct BufferDeleter
{
    void operator()(char* buffer) const { icalmemory_free_buffer(buffer); }
};
/// A string libical allocated for the caller (the *_r functions).
using OwnedString = std::unique_ptr<char, BufferDeleter>;

/// A copy of a libical string; libical's own buffers do not outlive the next call.
QString text(const char* utf8);

/// Every direct property of that kind, collected first so that the caller may remove them.
QList<icalproperty*> properties(icalcomponent* component, icalproperty_kind kind);
/// Every direct subcomponent of that kind.
QList<icalcomponent*> components(icalcomponent* component, icalcomponent_kind kind);
/// Removes and frees every direct property of that kind.
void removeProperties(icalcomponent* component, icalproperty_kind kind);
/// Replaces every property of the new property's kind with it.
void replaceProperty(icalcomponent* component, icalproperty* fresh);
/// The UTC zone, one object shared by every time in UTC: each call of QTimeZone::utc() makes a new one.
QTimeZone utcZone();
/// True when any component in the tree carries an X-LIC-ERROR property or is of a kind libical cannot write.
bool treeHasErrors(icalcomponent* component);
/// Replaces libical's "No value for ... property" errors by the empty property they stood for, so that a file
/// with an empty DESCRIPTION still reads and can be written back unchanged.
void restoreEmptyProperties(icalcomponent* component);

/// The stand-in value an X- property without a value carries in the parsed tree; it reads as nothing.
extern const char* const emptyXValue;
/// The file's text as libical can read all of what RFC 5545 allows: an X- name in lower case is upper-cased (names
/// are case-insensitive, libical takes only upper case) and an X- property without a value gets `emptyXValue`
/// (libical drops it). The file's own bytes are what a write splices into; this text is only parsed.
QByteArray readableText(const QByteArray& text);

/// A UTC time from a moment.
icaltimetype utcTime(const QDateTime& moment);
/// The components of a libical time; `tzid` is the property's TZID parameter, if any. Nothing for a null time.
std::optional<DueDateComponents> componentsOf(const icaltimetype& time, const QString& tzid);
/// The TZID parameter of a property, as libical would write it, or an empty string.
QString tzidOf(icalproperty* property);
/// The moment a libical time denotes (see `componentsOf`), or nothing.
std::optional<QDateTime> momentOf(icalproperty* property, const icaltimetype& time);

/// Writes `due` as the to-do's DUE, reusing an existing DUE's extra parameters, and adds a VTIMEZONE for its
/// zone to `calendar` when the calendar lacks one. An invalid date removes DUE.
void writeDue(icalcomponent* calendar, icalcomponent* todo, const DueDateComponents& due);

} // namespace tolvik::ical
