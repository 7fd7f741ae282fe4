#include "rows/FocusRingButton.h"

#include "rows/RowStyle.h"

#include <QPainter>

namespace tolvik {

FocusRingButton::FocusRingButton(QWidget* parent)
    : QToolButton(parent)
{}

void FocusRingButton::paintEvent(QPaintEvent* event)
{
    QToolButton::paintEvent(event);
    if (hasFocus()) {
        QPainter painter(this);
        RowStyle::paintFocusRing(painter, rect(), qMin(width(), height()) / 2.0, palette(), false);
    }
}

} // namespace tolvik
