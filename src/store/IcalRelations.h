#pragma once

#include "model/StoreRecords.h"

#include <QString>
#include <QStringList>

#include <optional>

struct icalcomponent_impl;

// How a to-do names its parent and its sub-tasks, and its categories. Internal to src/store.
namespace tolvik::ical {

/// The parent the to-do names: its first RELATED-TO whose RELTYPE is PARENT or absent (the standard's default).
std::optional<QString> parentOf(icalcomponent_impl* todo);
/// The sub-tasks the to-do names itself: every RELATED-TO;RELTYPE=CHILD, in file order, each once.
QStringList childrenOf(icalcomponent_impl* todo);
/// Every CATEGORIES value, in file order.
QStringList categoriesOf(icalcomponent_impl* todo);

/// Points the to-do at `parent`: the first parent line keeps its place and parameters and gets the new value,
/// further parent lines go; without one, `RELATED-TO;RELTYPE=PARENT:<uid>` is added. Nothing removes every parent
/// line. Lines of other relation types stay.
void writeParent(icalcomponent_impl* todo, const std::optional<QString>& parent);
/// Removes the CHILD lines of sub-tasks not in `children` and adds one for each new one; others stay as they are.
void writeChildren(icalcomponent_impl* todo, const QStringList& before, const QStringList& children);

} // namespace tolvik::ical
