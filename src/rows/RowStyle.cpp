#include "rows/RowStyle.h"

#include <QPainter>

#include "appearance/AppTheme.h"

namespace tolvik::RowStyle {

namespace {

constexpr qint64 soonWindowSeconds = 6 * 60 * 60;

QFont scaled(const QFont& body, qreal factor)
{
    QFont font = body;
    if (body.pointSizeF() > 0) {
        font.setPointSizeF(body.pointSizeF() * factor);
    } else {
        font.setPixelSize(qMax(8, qRound(body.pixelSize() * factor)));
    }
    return font;
}

} // namespace

Urgency urgency(const std::optional<QDateTime>& dueDate, const QDateTime& now)
{
    if (!dueDate || !dueDate->isValid()) {
        return Urgency::normal;
    }
    if (*dueDate < now) {
        return Urgency::overdue;
    }
    // Calendar arithmetic: six hours later on the clock of the same zone, which only an invalid date can break.
    const QDateTime soonLimit = now.addSecs(soonWindowSeconds);
    if (soonLimit.isValid() && *dueDate < soonLimit) {
        return Urgency::soon;
    }
    return Urgency::normal;
}

Urgency urgency(std::optional<qint64> dueMSecs, qint64 nowMSecs)
{
    if (!dueMSecs) {
        return Urgency::normal;
    }
    if (*dueMSecs < nowMSecs) {
        return Urgency::overdue;
    }
    // Adding seconds to a date-time counts elapsed time across a change of clocks, as this does.
    return *dueMSecs < nowMSecs + soonWindowSeconds * 1000 ? Urgency::soon : Urgency::normal;
}

std::optional<PriorityLevel> priorityLevel(int priority)
{
    if (priority <= 0) {
        return std::nullopt;
    }
    if (priority <= 3) {
        return PriorityLevel::high;
    }
    if (priority <= 6) {
        return PriorityLevel::medium;
    }
    return PriorityLevel::low;
}

QString priorityLabelKey(PriorityLevel level)
{
    switch (level) {
    case PriorityLevel::high:
        return QStringLiteral("reminder.priority.high");
    case PriorityLevel::medium:
        return QStringLiteral("reminder.priority.medium");
    case PriorityLevel::low:
        break;
    }
    return QStringLiteral("reminder.priority.low");
}

QColor alertRed(const QPalette& palette)
{
    return ThemePalette::isDark(palette) ? QColor(0xFF, 0x45, 0x3A) : QColor(0xE0, 0x2A, 0x1F);
}

QColor alertOrange(const QPalette& palette)
{
    return ThemePalette::isDark(palette) ? QColor(0xFF, 0x9F, 0x0A) : QColor(0xE0, 0x7A, 0x00);
}

QColor secondaryText(const QPalette& palette)
{
    QColor color = palette.color(QPalette::Active, QPalette::WindowText);
    color.setAlphaF(ThemePalette::isDark(palette) ? 0.6F : 0.55F);
    return color;
}

QColor urgencyColor(Urgency urgency, const QPalette& palette)
{
    switch (urgency) {
    case Urgency::overdue:
        return alertRed(palette);
    case Urgency::soon:
        return alertOrange(palette);
    case Urgency::normal:
        break;
    }
    return palette.color(QPalette::Active, QPalette::WindowText);
}

QColor priorityColor(PriorityLevel level, const QPalette& palette)
{
    switch (level) {
    case PriorityLevel::high:
        return alertRed(palette);
    case PriorityLevel::medium:
        return alertOrange(palette);
    case PriorityLevel::low:
        break;
    }
    return secondaryText(palette);
}

QColor sectionBoxFill(const QPalette& palette)
{
    return ThemePalette::isDark(palette) ? QColor(255, 255, 255, 20) : QColor(255, 255, 255, 150);
}

QColor sectionBoxBorder(const QPalette& palette)
{
    return ThemePalette::isDark(palette) ? QColor(255, 255, 255, 26) : QColor(0, 0, 0, 18);
}

QColor rowSeparator(const QPalette& palette)
{
    // White at 18 % reads well on a dark box but vanishes on a light one, which gets a faint dark rule instead.
    return ThemePalette::isDark(palette) ? QColor(255, 255, 255, 46) : QColor(0, 0, 0, 26);
}

QColor searchHighlight(const QPalette& palette)
{
    // A dark material swallows more of the accent, so it is laid on more thickly there.
    QColor fill = palette.color(QPalette::Active, QPalette::Highlight);
    fill.setAlphaF(ThemePalette::isDark(palette) ? 0.5F : 0.4F);
    return fill;
}

QFont headlineFont(const QFont& body)
{
    QFont font = scaled(body, 1.05);
    font.setWeight(QFont::DemiBold);
    return font;
}

QFont captionFont(const QFont& body)
{
    return scaled(body, 0.88);
}

QFont smallCaptionFont(const QFont& body)
{
    return scaled(body, 0.8);
}

void paintFocusRing(QPainter& painter, const QRectF& rect, qreal radius, const QPalette& palette, bool filled)
{
    const QColor accent = palette.color(QPalette::Active, QPalette::Highlight);
    QColor tint = accent;
    tint.setAlphaF(0.16F);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(accent, 1.5));
    painter.setBrush(filled ? QBrush(tint) : QBrush(Qt::NoBrush));
    const QRectF inside = rect.adjusted(1, 1, -1, -1);
    painter.drawRoundedRect(inside, qMin(radius, inside.height() / 2), qMin(radius, inside.height() / 2));
    painter.restore();
}

} // namespace tolvik::RowStyle
