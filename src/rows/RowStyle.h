#pragma once

#include <QColor>
#include <QDateTime>
#include <QFont>
#include <QPalette>
#include <QString>

#include <optional>

class QPainter;

namespace tolvik {

/// How urgent a reminder's due date is, which decides its title colour.
enum class Urgency
{
    normal,
    soon,
    overdue,
};

/// The three priority ranges a badge shows.
enum class PriorityLevel
{
    high,
    medium,
    low,
};

/// Fonts, colours and thresholds shared by the rows, the form, the sections and the bubble, so that light and dark
/// palettes and the three text sizes stay consistent across the panel.
namespace RowStyle {

/// Overdue when due before `now`; soon when due before now plus 6 hours; otherwise, and without a due date, normal.
Urgency urgency(const std::optional<QDateTime>& dueDate, const QDateTime& now);
/// The same on instants in milliseconds since the epoch, which a row keeps so that repainting it needs no time zone.
Urgency urgency(std::optional<qint64> dueMSecs, qint64 nowMSecs);
/// The badge range of a priority number, or nothing for 0 and below.
std::optional<PriorityLevel> priorityLevel(int priority);
/// "reminder.priority.high", ".medium" or ".low".
QString priorityLabelKey(PriorityLevel level);

/// Red and orange tuned to stay readable on both light and dark windows.
QColor alertRed(const QPalette& palette);
QColor alertOrange(const QPalette& palette);
/// Dimmed text for captions and due lines.
QColor secondaryText(const QPalette& palette);
/// The title colour for an urgency: red, orange, or the palette's own text colour.
QColor urgencyColor(Urgency urgency, const QPalette& palette);
/// The colour a priority badge draws its text in (its fill is the same colour at 15 %).
QColor priorityColor(PriorityLevel level, const QPalette& palette);

/// The rounded box behind a section's rows, its hairline border and the separators between rows.
QColor sectionBoxFill(const QPalette& palette);
QColor sectionBoxBorder(const QPalette& palette);
QColor rowSeparator(const QPalette& palette);
/// The mark behind words a search found: the accent colour, faint enough for the text's own colour to read on it.
QColor searchHighlight(const QPalette& palette);
/// Where the keyboard is: an accent outline just inside `rect`, over a faint accent tint when `filled`.
void paintFocusRing(QPainter& painter, const QRectF& rect, qreal radius, const QPalette& palette, bool filled);

/// Text sizes relative to the body font: headline (bold), caption and the smallest caption.
QFont headlineFont(const QFont& body);
QFont captionFont(const QFont& body);
QFont smallCaptionFont(const QFont& body);

} // namespace RowStyle

} // namespace tolvik
