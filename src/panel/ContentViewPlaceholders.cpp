// What the placeholders' buttons do: ask for access, show the store's folder, open the settings, or add a reminder.
#include "panel/ContentView.h"

#include "model/RemindersViewModel.h"
#include "panel/PlaceholderView.h"
#include "panel/ReminderListSection.h"
#include "rows/PopoverWindow.h"
#include "settings/SettingsWindowPresenter.h"

#include <QDir>
#include <QFileInfo>
#include <QPushButton>
#include <QTimer>

#include <QCoro/QCoroTask>

namespace tolvik {

namespace {

/// Between closing the panel and opening the settings window, so that the panel is gone first.
constexpr int settingsDelayMs = 120;

/// The folder itself, or its nearest ancestor that exists, so the file manager always has something to open.
QString existingFolder(const QString& path)
{
    QFileInfo info(path);
    while (!info.exists() && !info.absoluteFilePath().isEmpty() && info.absoluteFilePath() != QDir::rootPath()) {
        info = QFileInfo(info.absolutePath());
    }
    return info.absoluteFilePath();
}

} // namespace

void ContentView::placeholderAction(Placeholder placeholder)
{
    if (placeholder == Placeholder::requestAccess) {
        // The panel follows the status the model publishes; nothing waits for the answer here.
        QCoro::connect(m_model.requestAccess(), this, [] {});
    } else if (placeholder == Placeholder::readAccess || placeholder == Placeholder::permissionRequired) {
        // Access to the reminders is the folder's permissions: show the folder so the user can fix them.
        m_urlOpener(QUrl::fromLocalFile(existingFolder(m_storeFolder)));
    } else if (placeholder == Placeholder::noLists) {
        openSettings();
    } else if (placeholder == Placeholder::allCaughtUp) {
        const QList<ReminderList> lists = filteredLists();
        if (lists.size() == 1) {
            beginAddFromPlaceholder(lists.first().id);
        } else {
            m_placeholder->chooseList(lists);
        }
    }
}

void ContentView::beginAddFromPlaceholder(const QString& listID)
{
    // The list's section exists while the placeholder hides it; its popover opens beside the visible button.
    ReminderListSection* section = m_sections.value(listID);
    if (section == nullptr) {
        return;
    }
    section->beginAdd();
    section->addPopover()->present(m_placeholder->button(), PopoverWindow::Side::trailing);
}

void ContentView::openSettings()
{
    QTimer::singleShot(0, this, [this] {
        Q_EMIT closeRequested();
        RemindersViewModel* model = &m_model;
        LaunchAtLoginManager* launchAtLogin = &m_launchAtLogin;
        // Bound to the model, which lives for the whole process, so the delayed step runs even if the panel went.
        QTimer::singleShot(settingsDelayMs, model,
                           [model, launchAtLogin] { SettingsWindowPresenter::shared().show(*model, *launchAtLogin); });
    });
}

} // namespace tolvik
