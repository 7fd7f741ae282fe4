#include "panel/TrayEntry.h"

#include "appearance/LocalizationManager.h"
#include "appearance/Preferences.h"
#include "model/RemindersViewModel.h"
#include "panel/ContentView.h"
#include "panel/ListSelection.h"
#include "panel/PanelWindow.h"
#include "panel/QuickAddField.h"
#include "panel/StatusNotifierItem.h"
#include "panel/TrayIconImage.h"
#include "settings/SettingsWindowPresenter.h"
#include "sync/SyncService.h"

#include <QCoreApplication>
#include <QCursor>
#include <QDBusConnection>
#include <QGuiApplication>
#include <QMenu>
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
    , m_overdueTimer(new QTimer(this))
{
    m_overdueTimer->setSingleShot(true);
    connect(m_overdueTimer, &QTimer::timeout, this, &TrayEntry::updateTrayIcon);
    connect(&m_model, &RemindersViewModel::remindersChanged, this, &TrayEntry::updateTrayIcon);
    connect(&m_model, &RemindersViewModel::listsChanged, this, &TrayEntry::updateTrayIcon);
    m_retry->setInterval(defaultRetryIntervalMs);
    buildMenu();
    refreshTrayTexts();
    connect(m_retry, &QTimer::timeout, this, &TrayEntry::tryTray);
    connect(&Preferences::shared(), &Preferences::changed, this, [this](const QString& key) {
        if (key == PreferenceKey::languagePreference) {
            refreshTrayTexts();
        } else if (key == PreferenceKey::selectedAccountIDs || key == PreferenceKey::selectedListIDs) {
            updateTrayIcon();
        }
    });
    updateTrayIcon();
}

TrayEntry::~TrayEntry()
{
    delete m_panel;
    delete m_menu;
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
    if (StatusNotifierItem::watcherPresent(QDBusConnection::sessionBus()) && showStatusNotifierItem()) {
        m_retry->stop();
        return;
    }
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
    updateTrayIcon();
    refreshTrayTexts();
    m_tray->setContextMenu(m_menu);
    connect(m_tray, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        if (reason == QSystemTrayIcon::Trigger) {
            togglePanel();
        }
    });
    m_tray->show();
    // Building a panel with many rows takes a while; do it now rather than on the user's first click.
    QTimer::singleShot(0, this, &TrayEntry::preparePanel);
}

bool TrayEntry::showStatusNotifierItem()
{
    if (m_item != nullptr) {
        return true;
    }
    auto* item = new StatusNotifierItem(m_menu, QDBusConnection::sessionBus(), this);
    if (!item->start()) {
        delete item;
        return false;
    }
    m_item = item;
    updateTrayIcon();
    refreshTrayTexts();
    connect(m_item, &StatusNotifierItem::activated, this, [this](QPoint at) { togglePanel(at); });
    connect(m_item, &StatusNotifierItem::secondaryActivated, this, [this](QPoint at) { togglePanel(at); });
    QTimer::singleShot(0, this, &TrayEntry::preparePanel);
    return true;
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

void TrayEntry::buildMenu()
{
    // What a right click on a tray icon offers on Linux desktops; the left click still toggles the panel.
    m_menu = new QMenu;
    m_openAction = m_menu->addAction(QString(), this, [this] { activate(); });
    m_settingsAction = m_menu->addAction(QString(), this, [this] {
        if (m_panel != nullptr && m_panel->mode() == PanelWindow::Mode::trayPanel) {
            m_panel->hide();
        }
        SettingsWindowPresenter::shared().show(m_model, m_launchAtLogin);
    });
    if (SyncService* sync = SyncService::shared()) {
        m_syncAction = m_menu->addAction(QString(), sync, &SyncService::syncAllNow);
        // Only with an account to sync.
        const auto showSync = [this, sync] { m_syncAction->setVisible(!sync->accounts().isEmpty()); };
        connect(sync, &SyncService::accountsChanged, m_menu, showSync);
        showSync();
    }
    m_menu->addSeparator();
    m_quitAction = m_menu->addAction(QString(), this, [] { QCoreApplication::quit(); });
}

void TrayEntry::refreshTrayTexts()
{
    m_openAction->setText(localizedString(QStringLiteral("panel.tray.open")));
    m_settingsAction->setText(localizedString(QStringLiteral("panel.tray.settings")));
    m_quitAction->setText(localizedString(QStringLiteral("panel.tray.quit")));
    if (m_syncAction) {
        m_syncAction->setText(localizedString(QStringLiteral("sync.account.syncNow")));
    }
    if (m_tray != nullptr) {
        m_tray->setToolTip(localizedString(QStringLiteral("TolvikReminder")));
    }
    if (m_item != nullptr) {
        m_item->setToolTip(localizedString(QStringLiteral("TolvikReminder")));
    }
}

void TrayEntry::updateTrayIcon()
{
    const QDateTime now = QDateTime::currentDateTime();
    std::optional<QDateTime> nextDue;
    bool overdue = false;
    const Preferences& preferences = Preferences::shared();
    const QList<ListSection> sections =
        listSections(filteredLists(m_model.lists(), preferences.string(PreferenceKey::selectedAccountIDs, QString()),
                                   preferences.string(PreferenceKey::selectedListIDs, QString())),
                     m_model.reminders());
    for (const ListSection& section : sections) {
        for (const ReminderItem& reminder : section.reminders) {
            const std::optional<QDateTime> overdueAt = reminder.overdueAt();
            if (overdueAt && *overdueAt < now) {
                overdue = true;
            } else if (overdueAt && (!nextDue || *overdueAt < *nextDue)) {
                nextDue = overdueAt;
            }
        }
    }
    m_overdueTimer->stop();
    if (!overdue && nextDue) {
        // Capped, since QTimer counts in int milliseconds; a far due date is simply looked at again.
        m_overdueTimer->start(int(std::min<qint64>(now.msecsTo(*nextDue) + 1, 24LL * 3600 * 1000)));
    }
    const bool changed = overdue != m_showsOverdueDot;
    m_showsOverdueDot = overdue;
    const bool hasIcon =
        (m_tray != nullptr && !m_tray->icon().isNull()) || (m_item != nullptr && !m_item->iconPixmaps().isEmpty());
    if ((m_tray == nullptr && m_item == nullptr) || (!changed && hasIcon)) {
        return;
    }
    if (m_item != nullptr) {
        // A host that knows the symbolic icon draws it in its bar's own text colour; the dot needs the images, and so
        // do hosts that cannot find the icon or would draw it in its own ink.
        m_item->setIconName(overdue ? QString() : TrayIconImage::symbolicNameFor(m_item->watcherProgram()));
        QList<QImage> images;
        for (const int side : {16, 22, 24, 32, 48, 64}) {
            images.append(TrayIconImage::image(side, overdue));
        }
        m_item->setIconImages(images);
    }
    if (m_tray != nullptr) {
        QIcon icon;
        for (const int side : {16, 22, 24, 32, 48, 64}) {
            icon.addPixmap(QPixmap::fromImage(TrayIconImage::image(side, overdue)));
        }
        m_tray->setIcon(icon);
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
    ContentView* content = m_panel->contentView();
    content->beginQuickAdd();
    if (!wasShown) {
        // The panel takes the focus for itself as it appears; hand it to the field once the panel stands.
        connect(m_panel, &PanelWindow::presented, content, &ContentView::beginQuickAdd, Qt::SingleShotConnection);
    }
}

void TrayEntry::showReminder(const QString& reminderID)
{
    if (QWidget* settings = SettingsWindowPresenter::shared().window(); settings != nullptr && !settings->isVisible()) {
        settings->close();
    }
    const bool wasShown = m_panel != nullptr && m_panel->isVisible();
    activate();
    if (m_panel == nullptr) {
        return;
    }
    ContentView* content = m_panel->contentView();
    content->revealReminder(reminderID);
    if (!wasShown) {
        // The panel takes the focus for itself as it appears; give it to the row once the panel stands.
        connect(
            m_panel, &PanelWindow::presented, content, [content, reminderID] { content->revealReminder(reminderID); },
            Qt::SingleShotConnection);
    }
}

void TrayEntry::togglePanel(std::optional<QPoint> at)
{
    if (m_panel != nullptr && m_panel->isVisible() && m_panel->mode() == PanelWindow::Mode::trayPanel) {
        m_panel->hide();
        return;
    }
    // The same click that closed the panel by leaving it must not open it again.
    if (m_panel != nullptr && m_panel->wasJustDismissed()) {
        return;
    }
    showPanel(at);
}

void TrayEntry::showPanel(std::optional<QPoint> at)
{
    preparePanel();
    if (at) {
        // Where the tray says its icon was clicked: better than any pointer position, which Wayland does not give.
        m_panel->present(std::nullopt, at);
        return;
    }
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
