#include "settings/SettingsWindowPresenter.h"
#include "settings/WindowAutoDismissOnResignKey.h"

#include "appearance/LocalizationManager.h"
#include "appearance/SymbolIcons.h"
#include "settings/SettingsView.h"

#include <QCursor>
#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

namespace tolvik {

SettingsWindowPresenter& SettingsWindowPresenter::shared()
{
    static SettingsWindowPresenter presenter;
    return presenter;
}

SettingsWindowPresenter::SettingsWindowPresenter(QObject* parent)
    : QObject(parent)
{}

SettingsWindowPresenter::~SettingsWindowPresenter()
{
    if (m_window) {
        m_window->removeEventFilter(this);
    }
}

SettingsView* SettingsWindowPresenter::settingsView() const
{
    return m_window ? m_window->findChild<SettingsView*>() : nullptr;
}

void SettingsWindowPresenter::show(RemindersViewModel& model, LaunchAtLoginManager& launchAtLogin)
{
    if (m_window) {
        bringForward(m_window);
        return;
    }

    // Titled and closable only: no minimise or maximise button, a fixed size, and above normal windows.
    auto* window = new QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                            Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint);
    window->setAttribute(Qt::WA_DeleteOnClose, false);
    // Set once: the title keeps its language while the window is open.
    window->setWindowTitle(localizedString(QStringLiteral("settings.window.title")));
    window->setWindowIcon(SymbolIcons::appIcon());
    auto* layout = new QVBoxLayout(window);
    const int inset = (windowSize - SettingsView::contentSize) / 2;
    layout->setContentsMargins(inset, inset, inset, inset);
    layout->addWidget(new SettingsView(model, launchAtLogin, window), 0, Qt::AlignCenter);
    window->setFixedSize(windowSize, windowSize);

    window->installEventFilter(this);
    m_window = window;

    QTimer::singleShot(showDelay, window, [window] { bringForward(window); });
}

void SettingsWindowPresenter::bringForward(QWidget* window)
{
    QScreen* screen = QGuiApplication::screenAt(QCursor::pos());
    if (!screen) {
        screen = QGuiApplication::primaryScreen();
    }
    if (screen) {
        QRect frame = window->frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        window->move(frame.topLeft());
    }
    window->show();
    window->raise();
    window->activateWindow();
}

bool SettingsWindowPresenter::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_window) {
        if (event->type() == QEvent::WindowDeactivate) {
            windowDidResignKey(m_window);
        } else if (event->type() == QEvent::Close) {
            windowWillClose(m_window);
        }
    }
    return QObject::eventFilter(watched, event);
}

void SettingsWindowPresenter::windowDidResignKey(QWidget* window)
{
    if (window && window->isVisible() && !WindowAutoDismissOnResignKey::hasOpenDialog(window)) {
        window->close();
    }
}

void SettingsWindowPresenter::windowWillClose(QWidget* window)
{
    if (!window || window != m_window) {
        return;
    }
    window->removeEventFilter(this);
    m_window = nullptr;
    // Deferred: the window is still inside its own close handling.
    window->deleteLater();
}

} // namespace tolvik
