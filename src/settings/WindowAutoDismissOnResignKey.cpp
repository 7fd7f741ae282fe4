#include "settings/WindowAutoDismissOnResignKey.h"

#include <QEvent>

namespace tolvik {

WindowAutoDismissOnResignKey::WindowAutoDismissOnResignKey(QWidget* parent)
    : QWidget(parent)
{
    setFixedSize(0, 0);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

WindowAutoDismissOnResignKey::~WindowAutoDismissOnResignKey()
{
    detach();
}

void WindowAutoDismissOnResignKey::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    attach();
}

void WindowAutoDismissOnResignKey::attach()
{
    QWidget* current = window();
    if (current == this || current == m_window) {
        return;
    }
    detach();
    m_window = current;
    m_window->installEventFilter(this);
}

void WindowAutoDismissOnResignKey::detach()
{
    if (m_window) {
        m_window->removeEventFilter(this);
    }
    m_window = nullptr;
}

bool WindowAutoDismissOnResignKey::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_window) {
        if (event->type() == QEvent::WindowDeactivate) {
            QPointer<QWidget> window = m_window;
            detach();
            // A window that is already closing or closed is left alone.
            if (window && window->isVisible()) {
                window->close();
            }
        } else if (event->type() == QEvent::Close) {
            detach();
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace tolvik
