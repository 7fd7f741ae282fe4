#include "alarms/AlarmService.h"
#include "alarms/NotificationClient.h"
#include "alarms/SystemWake.h"
#include "app/CommandLine.h"
#include "app/GlobalShortcut.h"
#include "app/PlatformChoice.h"
#include "app/SingleInstance.h"
#include "app/SyncHelper.h"
#include "appearance/LocalizationManager.h"
#include "appearance/Preferences.h"
#include "model/RemindersViewModel.h"
#include "panel/ListSelection.h"
#include "panel/TrayEntry.h"
#include "settings/LaunchAtLoginManager.h"
#include "settings/SyncTexts.h"
#include "store/VdirStore.h"
#include "sync/ConflictArchive.h"
#include "sync/SyncScheduler.h"
#include "sync/SyncService.h"

#include <QApplication>
#include <QNetworkInformation>

#include <cstdio>

using namespace tolvik;

namespace {

int finish(const CommandLineExit& exit)
{
    std::fputs(exit.output.toLocal8Bit().constData(), stdout);
    std::fputs(exit.error.toLocal8Bit().constData(), stderr);
    return exit.exitCode;
}

QStringList rawArguments(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments.append(QString::fromLocal8Bit(argv[i]));
    }
    return arguments;
}

} // namespace

int main(int argc, char** argv)
{
    // Names first: the preferences, and with them the language of the help text, are found by them.
    QApplication::setOrganizationName(QStringLiteral("Tolvik"));
    QApplication::setApplicationName(QStringLiteral("TolvikReminder"));
    // The sync engine asks for a password or a conflict's outcome: no display, no tray, no second-instance hand-off.
    if (const auto request = SyncHelperRequest::parse(rawArguments(argc, argv))) {
        QCoreApplication helper(argc, argv);
        return runSyncHelper(*request);
    }
    if (const auto exit = CommandLine::answerInformational(rawArguments(argc, argv))) {
        return finish(*exit);
    }

    const bool platformChosen = choosePlatformForSession();
    QApplication app(argc, argv);
    if (platformChosen) {
        forgetChosenPlatform();
    }
    QApplication::setDesktopFileName(QStringLiteral("org.tolvik.TolvikReminder"));
    if (const auto exit = CommandLine::rejectUnknownOptions(QApplication::arguments())) {
        return finish(*exit);
    }
    // The panel lives in the tray: closing a window must not end the process.
    QApplication::setQuitOnLastWindowClosed(false);

    // A second launch shows the running instance's panel, or its quick-add field for --quick-add, and ends.
    const bool quickAdd = QApplication::arguments().contains(QStringLiteral("--quick-add"));
    SingleInstance instance(SingleInstance::defaultBasePath());
    if (!instance.claim(quickAdd ? SingleInstance::Request::quickAdd : SingleInstance::Request::show)) {
        return 0;
    }

    // Registers the language default before anything looks a text up.
    LocalizationManager::shared();

    // The two long-lived objects: created once here, alive for the whole process.
    const QString storeRoot = VdirStore::defaultRoot();
    auto* store = new VdirStore(storeRoot);
    // A start-up then parses only the files that changed since the last run.
    store->setIndexPath(VdirStore::defaultIndexPath(storeRoot));
    RemindersViewModel model(store, Preferences::shared());
    // CalDAV accounts: the engine asks this same binary for passwords and conflicts.
    SyncService sync(storeRoot, QCoreApplication::applicationFilePath());
    SyncService::setShared(&sync);
    // A reminder changed on two devices shows on its row, with the version the sync set aside.
    ConflictArchive keptVersions;
    const auto reloadKeptVersions = [&keptVersions, &sync] {
        QStringList ids;
        for (const SyncAccount& account : sync.accounts()) {
            ids.append(account.id);
        }
        keptVersions.reload(ids);
    };
    reloadKeptVersions();
    QObject::connect(&sync, &SyncService::stateChanged, &keptVersions, reloadKeptVersions);
    QObject::connect(&sync, &SyncService::accountsChanged, &keptVersions, reloadKeptVersions);
    model.setKeptVersions(&keptVersions);
    LaunchAtLoginManager launchAtLogin;

    TrayEntry tray(model, launchAtLogin, storeRoot);
    QObject::connect(&instance, &SingleInstance::activationRequested, &tray, &TrayEntry::activate);
    QObject::connect(&instance, &SingleInstance::quickAddRequested, &tray, &TrayEntry::openQuickAdd);
    tray.start();
    if (quickAdd) {
        tray.openQuickAdd();
    }

    GlobalShortcut shortcut;
    QObject::connect(&shortcut, &GlobalShortcut::activated, &tray, &TrayEntry::openQuickAdd);
    shortcut.start();

    // Alarms ring for the lists the panel shows, and follow every refresh of the model.
    NotificationClient notifications(QDBusConnection::sessionBus());
    const auto shownListIDs = [&model] {
        QStringList ids;
        const Preferences& preferences = Preferences::shared();
        for (const ReminderList& list :
             filteredLists(model.lists(), preferences.string(PreferenceKey::selectedAccountIDs, QString()),
                           preferences.string(PreferenceKey::selectedListIDs, QString()))) {
            ids.append(list.id);
        }
        return ids;
    };
    AlarmService alarms(*store, Preferences::shared(), notifications, shownListIDs);
    QObject::connect(&model, &RemindersViewModel::remindersChanged, &alarms, [&alarms] { alarms.refresh(); });
    QObject::connect(&model, &RemindersViewModel::listsChanged, &alarms, [&alarms] { alarms.refresh(); });
    QObject::connect(&alarms, &AlarmService::openPanelRequested, &tray, &TrayEntry::showReminder);
    SystemWake wake(QDBusConnection::systemBus());
    QObject::connect(&wake, &SystemWake::woke, &alarms, [&alarms] { alarms.scheduler().check(); });

    // Sync runs by itself: after changes, periodically, on wake, when the network is back, when the panel opens.
    SyncScheduler syncScheduler(sync);
    QObject::connect(&wake, &SystemWake::woke, &syncScheduler, &SyncScheduler::resumed);
    if (QNetworkInformation::loadBackendByFeatures(QNetworkInformation::Feature::Reachability)) {
        QObject::connect(QNetworkInformation::instance(), &QNetworkInformation::reachabilityChanged, &syncScheduler,
                         [&syncScheduler](QNetworkInformation::Reachability reachability) {
                             if (reachability == QNetworkInformation::Reachability::Online) {
                                 syncScheduler.networkCameBack();
                             }
                         });
    }
    // A problem that lasts a day gets one notification; the settings and the footer show it all along.
    QObject::connect(&syncScheduler, &SyncScheduler::failingForADay, &notifications,
                     [&notifications, &sync](const QString& accountID) {
                         NotificationRequest request;
                         request.summary = localizedString(QStringLiteral("sync.notify.failing")).arg(accountID);
                         request.body = SyncTexts::problem(sync.state(accountID));
                         notifications.notify(request, [](std::optional<uint>) {});
                     });

    return QApplication::exec();
}
