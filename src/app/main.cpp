#include "appearance/LocalizationManager.h"
#include "appearance/Preferences.h"
#include "model/RemindersViewModel.h"
#include "settings/LaunchAtLoginManager.h"
#include "store/VdirStore.h"

#include <QApplication>

using namespace tolvik;

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Tolvik"));
    QApplication::setApplicationName(QStringLiteral("TolvikReminder"));
    QApplication::setDesktopFileName(QStringLiteral("org.tolvik.TolvikReminder"));
    // The panel lives in the tray: closing a window must not end the process.
    QApplication::setQuitOnLastWindowClosed(false);

    // Registers the language default before anything looks a text up.
    LocalizationManager::shared();

    // The two long-lived objects: created once here, alive for the whole process.
    RemindersViewModel model(new VdirStore(VdirStore::defaultRoot()), Preferences::shared());
    LaunchAtLoginManager launchAtLogin;

    return QApplication::exec();
}
