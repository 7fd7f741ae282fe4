#include "settings/LinkButton.h"

#include <QPainter>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

namespace tolvik {

LinkButton::LinkButton(QWidget* parent)
    : QPushButton(parent)
{
    setFlat(true);
    setCursor(Qt::PointingHandCursor);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    // Repaint on hover, for the underline.
    setAttribute(Qt::WA_Hover);
}

QSize LinkButton::sizeHint() const
{
    const QFontMetrics metrics(font());
    return {metrics.horizontalAdvance(text()) + 8, metrics.height() + 6};
}

void LinkButton::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QFont font = this->font();
    font.setUnderline(underMouse() || isDown());
    painter.setFont(font);
    QColor color = palette().color(QPalette::Link);
    if (!isEnabled()) {
        color = palette().color(QPalette::Disabled, QPalette::WindowText);
    } else if (isDown()) {
        color = color.darker(130);
    }
    painter.setPen(color);
    painter.drawText(rect(), Qt::AlignCenter | Qt::TextSingleLine, text());
    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, option);
    }
}

} // namespace tolvik
