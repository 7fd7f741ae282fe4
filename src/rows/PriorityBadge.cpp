#include "rows/PriorityBadge.h"

#include <QEvent>
#include <QPainter>
#include <QPainterPath>

namespace tolvik {

namespace {

constexpr int horizontalInset = 6;
constexpr int verticalInset = 2;

} // namespace

PriorityBadge::PriorityBadge(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setFont(RowStyle::smallCaptionFont(font()));
    setVisible(false);
}

void PriorityBadge::setLevel(std::optional<PriorityLevel> level)
{
    m_level = level;
    setVisible(level.has_value());
    update();
}

void PriorityBadge::setText(const QString& text)
{
    if (text == m_text) {
        return;
    }
    m_text = text;
    updateGeometry();
    update();
}

QColor PriorityBadge::color() const
{
    return m_level ? RowStyle::priorityColor(*m_level, palette()) : QColor();
}

QSize PriorityBadge::sizeHint() const
{
    const QFontMetrics metrics(font());
    return {metrics.horizontalAdvance(m_text) + 2 * horizontalInset, metrics.height() + 2 * verticalInset};
}

void PriorityBadge::paintEvent(QPaintEvent*)
{
    if (!m_level) {
        return;
    }
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor text = color();
    QColor fill = text;
    fill.setAlphaF(0.15F);
    const QRectF capsule = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    const qreal radius = capsule.height() / 2.0;
    QPainterPath path;
    path.addRoundedRect(capsule, radius, radius);
    painter.fillPath(path, fill);
    painter.setPen(text);
    painter.setFont(font());
    painter.drawText(rect(), Qt::AlignCenter, m_text);
}

void PriorityBadge::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange) {
        update();
    }
}

} // namespace tolvik
