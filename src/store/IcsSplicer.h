#pragma once

#include <QByteArray>
#include <QList>

#include <optional>

struct icalcomponent_impl;

// Writes an edit of a parsed iCalendar file back into the file's own bytes. Internal to src/store.
namespace tolvik::IcsSplicer {

/// `original` with only those content lines changed in which `newMaster` (the edited master VTODO) and its
/// sub-components (matched by index) differ from the master of `before` (the tree as parsed), plus any VTIMEZONE
/// that `newMaster`'s calendar gained. `masterPath` is the old master's position in `before` as child indexes
/// from the root. Every other byte stays, and new lines use the file's own line end. Nothing when the file's
/// structure does not match the tree.
std::optional<QByteArray> splice(const QByteArray& original, icalcomponent_impl* before, const QList<int>& masterPath,
                                 icalcomponent_impl* newMaster);

/// True when both trees hold the same components, each with the same property texts. Only the order among
/// properties of one name and among components of one kind counts.
bool sameContent(icalcomponent_impl* left, icalcomponent_impl* right);

} // namespace tolvik::IcsSplicer
