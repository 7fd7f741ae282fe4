#include "panel/ClickCatcher.h"

#include <QEnterEvent>
#include <QMouseEvent>

namespace tolvik {

ClickCatcher::ClickCatcher(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::NoDropShadowWindowHint | Qt::WindowDoesNotAcceptFocus)
{
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_NoSystemBackground);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setMouseTracking(true);
    setWindowTitle(QStringLiteral("TolvikReminder"));
}

void ClickCatcher::enterEvent(QEnterEvent* event)
{
    Q_EMIT pointerSeen(event->globalPosition().toPoint());
}

void ClickCatcher::mouseMoveEvent(QMouseEvent* event)
{
    Q_EMIT pointerSeen(event->globalPosition().toPoint());
}

void ClickCatcher::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    Q_EMIT pressed();
}

void ClickCatcher::paintEvent(QPaintEvent*)
{
    // Nothing: the screen shows through, and the translucent background leaves every pixel clear.
}

} // namespace tolvik
