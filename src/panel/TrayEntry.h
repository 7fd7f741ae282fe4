#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QString>

#include <optional>

class QAction;
class QMenu;
class QSystemTrayIcon;
class QTimer;

namespace tolvik {

class LaunchAtLoginManager;
class PanelWindow;
class RemindersViewModel;
class StatusNotifierItem;

/// The app's one entry point on the desktop: a tray icon whose left click toggles the panel and whose right click
/// offers to open it, open the settings or quit. Where a tray host's watcher is on the session bus the icon is the
/// app's own status notifier item, whose clicks say where the icon is; elsewhere it is Qt's tray icon (XEmbed). When
/// the desktop has no tray, it waits a little in case the tray appears just after login, then opens the panel as an
/// ordinary window instead. Another launch of the app calls `activate`, which shows the panel.
class TrayEntry : public QObject
{
    Q_OBJECT

public:
    static constexpr int defaultTrayAttempts = 5;
    static constexpr int defaultRetryIntervalMs = 2000;

    /// `model` and `launchAtLogin` must outlive the entry.
    TrayEntry(RemindersViewModel& model, LaunchAtLoginManager& launchAtLogin, QString storeFolder,
              QObject* parent = nullptr);
    ~TrayEntry() override;

    /// How often, and how far apart, to look for a tray before falling back to a window.
    void setTrayRetry(int attempts, int intervalMs);

    /// Shows the tray icon, or starts looking for a tray.
    void start();
    /// Brings the panel forward: under the tray icon, or as the ordinary window.
    void activate();
    /// Brings the panel forward with the quick-add field focused (the global shortcut and `--quick-add`).
    void openQuickAdd();
    /// Brings the panel forward scrolled to a reminder, with its row focused ("Show" on its notification). A
    /// settings window that is not on screen is closed for good rather than brought back with the panel.
    void showReminder(const QString& reminderID);
    /// The tray icon's left click: closes an open panel, opens a closed one, beside `at` when the tray said where
    /// it was clicked.
    void togglePanel(std::optional<QPoint> at = std::nullopt);
    /// Builds the panel without showing it, so that the first click only has to show it.
    void preparePanel();

    bool usesTray() const { return m_tray != nullptr || m_item != nullptr; }
    bool isWaitingForTray() const;
    QSystemTrayIcon* trayIcon() const { return m_tray; }
    /// The D-Bus tray icon, when the desktop's tray is a status notifier host.
    StatusNotifierItem* statusNotifierItem() const { return m_item; }
    /// The icon's right-click menu: "Open", "Settings…" and "Quit".
    QMenu* contextMenu() const { return m_menu; }
    /// The panel, once it has been opened.
    PanelWindow* panel() const;
    /// Whether the icon carries the small dot that tells a shown reminder is overdue.
    bool showsOverdueDot() const { return m_showsOverdueDot; }

Q_SIGNALS:
    /// The panel was opened as an ordinary window because no tray showed up.
    void fellBackToWindow();

private:
    void tryTray();
    void showTrayIcon();
    bool showStatusNotifierItem();
    void fallBackToWindow();
    void showPanel(std::optional<QPoint> at = std::nullopt);
    void buildMenu();
    void refreshTrayTexts();
    void updateTrayIcon();

    RemindersViewModel& m_model;
    LaunchAtLoginManager& m_launchAtLogin;
    QString m_storeFolder;
    QSystemTrayIcon* m_tray = nullptr;
    StatusNotifierItem* m_item = nullptr;
    QMenu* m_menu = nullptr;
    QAction* m_openAction = nullptr;
    QAction* m_settingsAction = nullptr;
    QAction* m_quitAction = nullptr;
    QAction* m_syncAction = nullptr;
    QTimer* m_retry;
    int m_attemptsLeft = defaultTrayAttempts;
    QPointer<PanelWindow> m_panel;
    bool m_showsOverdueDot = false;
    /// Fires when the next shown reminder falls overdue, so the dot appears without a refresh.
    QTimer* m_overdueTimer;
};

} // namespace tolvik
