#include "panel/ScrollHint.h"

#include "rows/RowStyle.h"

#include <QEvent>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QScrollArea>
#include <QScrollBar>

namespace tolvik {

ScrollHint::ScrollHint(QScrollArea* area, Edge edge)
    : QWidget(area->viewport())
    , m_area(area)
    , m_edge(edge)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    area->viewport()->installEventFilter(this);
    QScrollBar* bar = area->verticalScrollBar();
    connect(bar, &QScrollBar::valueChanged, this, &ScrollHint::follow);
    connect(bar, &QScrollBar::rangeChanged, this, &ScrollHint::follow);
    follow();
}

bool ScrollHint::hasMore() const
{
    const QScrollBar* bar = m_area->verticalScrollBar();
    return m_edge == Edge::bottom ? bar->value() < bar->maximum() : bar->value() > bar->minimum();
}

bool ScrollHint::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_area->viewport() && (event->type() == QEvent::Resize || event->type() == QEvent::ChildAdded)) {
        follow();
    }
    return QWidget::eventFilter(watched, event);
}

void ScrollHint::follow()
{
    const QRect viewport = m_area->viewport()->rect();
    const int top = m_edge == Edge::bottom ? viewport.bottom() + 1 - hintHeight : 0;
    setGeometry(0, top, viewport.width(), hintHeight);
    setVisible(hasMore());
    // Above the scrolled content, which the viewport may have been given after the hint.
    raise();
}

void ScrollHint::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor base = palette().color(QPalette::Window);
    QColor clear = base;
    clear.setAlpha(0);
    QColor solid = base;
    solid.setAlpha(230);
    const bool bottom = m_edge == Edge::bottom;
    QLinearGradient fade(0, bottom ? 0 : height(), 0, bottom ? height() : 0);
    fade.setColorAt(0, clear);
    fade.setColorAt(1, solid);
    painter.fillRect(rect(), fade);

    // A small chevron pointing the way the list goes on.
    const qreal half = 5;
    const qreal centreX = width() / 2.0;
    const qreal tipY = bottom ? height() - 5.0 : 5.0;
    const qreal armY = bottom ? tipY - half : tipY + half;
    QPainterPath chevron;
    chevron.moveTo(centreX - half * 1.6, armY);
    chevron.lineTo(centreX, tipY);
    chevron.lineTo(centreX + half * 1.6, armY);
    painter.setPen(QPen(RowStyle::secondaryText(palette()), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(chevron);
}

} // namespace tolvik
