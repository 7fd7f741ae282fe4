#include "panel/TrayEntry.h"

#include "appearance/LocalizationManager.h"
#include "appearance/Preferences.h"
#include "appearance/SymbolIcons.h"
#include "panel/ContentView.h"
#include "panel/PanelWindow.h"
#include "panel/QuickAddField.h"

#include <QCursor>
#include <QGuiApplication>
#include <QPalette>
#include <QSystemTrayIcon>
#include <QTimer>

namespace tolvik {

TrayEntry::TrayEntry(RemindersViewModel& model, LaunchAtLoginManager& launchAtLogin, QString storeFolder,
                     QObject* parent)
    : QObject(parent)
    , m_model(model)
    , m_launchAtLogin(launchAtLogin)
    , m_storeFolder(std::move(storeFolder))
    , m_retry(new QTimer(this))
{
    m_retry->setInterval(defaultRetryIntervalMs);
    connect(m_retry, &QTimer::timeout, this, &TrayEntry::tryTray);
    connect(&Preferences::shared(), &Preferences::changed, this, [this](const QString& key) {
        if (key == PreferenceKey::languagePreference) {
            refreshTrayTexts();
        }
    });
}

TrayEntry::~TrayEntry()
{
    delete m_panel;
}

PanelWindow* TrayEntry::panel() const
{
    return m_panel;
}

void TrayEntry::setTrayRetry(int attempts, int intervalMs)
{
    m_attemptsLeft = attempts;
    m_retry->setInterval(intervalMs);
}

void TrayEntry::start()
{
    tryTray();
}

bool TrayEntry::isWaitingForTray() const
{
    return m_retry->isActive();
}

void TrayEntry::tryTray()
{
    if (QSystemTrayIcon::isSystemTrayAvailable()) {
        m_retry->stop();
        showTrayIcon();
        return;
    }
    // A session may start the app before its panel (and tray) is up: look again a few times first.
    if (m_attemptsLeft-- > 0) {
        if (!m_retry->isActive()) {
            m_retry->start();
        }
        return;
    }
    m_retry->stop();
    fallBackToWindow();
}

void TrayEntry::showTrayIcon()
{
    if (m_tray != nullptr) {
        return;
    }
    m_tray = new QSystemTrayIcon(this);
    const QColor ink = QGuiApplication::palette().color(QPalette::WindowText);
    m_tray->setIcon(SymbolIcons::icon(QStringLiteral("checklist"), ink));
    refreshTrayTexts();
    connect(m_tray, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        if (reason == QSystemTrayIcon::Trigger) {
            togglePanel();
        }
    });
    m_tray->show();
    // Building a panel with many rows takes a while; do it now rather than on the user's first click.
    QTimer::singleShot(0, this, &TrayEntry::preparePanel);
}

void TrayEntry::preparePanel()
{
    if (m_panel == nullptr) {
        m_panel = new PanelWindow(m_model, m_launchAtLogin, m_storeFolder,
                                  usesTray() ? PanelWindow::Mode::trayPanel : PanelWindow::Mode::ordinaryWindow);
        // Styling and laying out thousands of rows is most of a first show's cost; get it done before the click.
        m_panel->ensurePolished();
        m_panel->layOutAhead();
    }
}

void TrayEntry::refreshTrayTexts()
{
    if (m_tray != nullptr) {
        m_tray->setToolTip(localizedString(QStringLiteral("TolvikReminder")));
    }
}

void TrayEntry::fallBackToWindow()
{
    preparePanel();
    showPanel();
    Q_EMIT fellBackToWindow();
}

void TrayEntry::activate()
{
    if (isWaitingForTray()) {
        // Asked for the panel while still looking for a tray: the user should not have to wait.
        m_retry->stop();
        fallBackToWindow();
        return;
    }
    showPanel();
}

void TrayEntry::openQuickAdd()
{
    const bool wasShown = m_panel != nullptr && m_panel->isVisible();
    activate();
    if (m_panel == nullptr) {
        return;
    }
    QuickAddField* field = m_panel->contentView()->quickAddField();
    field->focusField();
    if (!wasShown) {
        // The panel takes the focus for itself as it appears; hand it to the field once the panel stands.
        connect(m_panel, &PanelWindow::presented, field, &QuickAddField::focusField, Qt::SingleShotConnection);
    }
}

void TrayEntry::togglePanel()
{
    if (m_panel != nullptr && m_panel->isVisible() && m_panel->mode() == PanelWindow::Mode::trayPanel) {
        m_panel->hide();
        return;
    }
    // The same click that closed the panel by leaving it must not open it again.
    if (m_panel != nullptr && m_panel->wasJustDismissed()) {
        return;
    }
    showPanel();
}

void TrayEntry::showPanel()
{
    preparePanel();
    std::optional<QRect> iconGeometry;
    if (m_tray != nullptr && m_tray->geometry().isValid() && !m_tray->geometry().isEmpty()) {
        iconGeometry = m_tray->geometry();
    }
    std::optional<QPoint> pointer;
    // Wayland tells a client where the pointer is only inside its own windows.
    if (!QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
        pointer = QCursor::pos();
    }
    m_panel->present(iconGeometry, pointer);
}

} // namespace tolvik
