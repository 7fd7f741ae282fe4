#include "settings/WindowAutoDismissOnResignKey.h"

#include <QDialog>
#include <QEvent>

#include <algorithm>

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

bool WindowAutoDismissOnResignKey::hasOpenDialog(const QWidget* window)
{
    const QList<QDialog*> dialogs = window->findChildren<QDialog*>();
    return std::any_of(dialogs.cbegin(), dialogs.cend(), [](const QDialog* dialog) { return dialog->isVisible(); });
}

bool WindowAutoDismissOnResignKey::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_window) {
        if (event->type() == QEvent::WindowDeactivate) {
            if (hasOpenDialog(m_window)) {
                return QWidget::eventFilter(watched, event);
            }
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
