#pragma once

#include <QByteArray>
#include <QList>
#include <QStringList>

struct icalcomponent_impl;

namespace tolvik::ical {

/// Joins runs of adjacent CATEGORIES lines with the same parameters into one comma-separated line.
/// libical splits "CATEGORIES:a,b" into one property per value when it reads a file and writes them back as
/// separate lines; other clients of the same folders refuse such a to-do, so every file is written with the
/// categories on one line, as most clients write them. Other lines stay byte for byte.
QByteArray joinCategoryLines(const QByteArray& serialized);

/// Makes the to-do's CATEGORIES hold `values`, one property per value as libical keeps them after reading: the
/// properties of values that stay are kept with their parameters and new values are added after them; values in a
/// new order replace them all.
void writeCategories(icalcomponent_impl* todo, const QStringList& values);

/// The new texts of a component's CATEGORIES lines (`lines`, each as written, folds and line end included) so that
/// together they hold `values`: a line whose values all stay is returned byte for byte, a line that lost some keeps
/// the rest with their own escapes and parameters, an emptied line becomes empty, and added values join the last
/// line that stays when it has no parameters. Otherwise `added` gets the text of a new line for them, to go after
/// every other. When the values are reordered, the first line holds them all and the others go.
QList<QByteArray> rewriteCategoryLines(const QList<QByteArray>& lines, const QStringList& values,
                                       const QByteArray& newline, QByteArray& added);

} // namespace tolvik::ical
