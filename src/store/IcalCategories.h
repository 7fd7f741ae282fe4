#pragma once

#include <QByteArray>

namespace tolvik::ical {

/// Joins runs of adjacent CATEGORIES lines with the same parameters into one comma-separated line.
/// libical splits "CATEGORIES:a,b" into one property per value when it reads a file and writes them back as
/// separate lines; other clients of the same folders refuse such a to-do, so every file is written with the
/// categories on one line, as most clients write them. Other lines stay byte for byte.
QByteArray joinCategoryLines(const QByteArray& serialized);

} // namespace tolvik::ical
