// A vdirsyncer configuration the user wrote by hand, next to the app's accounts: the folders it pairs show as synced
// by it, and the app makes no second pair for them.
#include "SyncRig.h"
#include "TestSupport.h"

#include "settings/SyncAccountsPanel.h"
#include "sync/SyncService.h"
#include "sync/UserEngineSetup.h"

#include <QLabel>
#include <QTest>

using namespace tolvik;
using namespace tolvik::test;

class ExistingSetupTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { qunsetenv("VDIRSYNCER_CONFIG"); }

    void shouldShowAFolderPairedByTheUsersOwnConfigAsSyncedByIt()
    {
        IsolatedHome home;
        const QString root = home.dataHome() + QStringLiteral("/calendars");
        interop::SyncRig rig(root, home.path() + QStringLiteral("/peers"));
        QString error;
        QVERIFY2(rig.setUp(&error), qPrintable(error));
        qputenv("VDIRSYNCER_CONFIG", rig.vdirsyncer().configPath().toUtf8());

        QCOMPARE(UserEngineSetup::pairedStoreFolders(root), QStringList{QStringLiteral("radicale")});
        SyncService service(root, QStringLiteral("tolvik-reminder"));
        SyncAccountsPanel panel(service);
        QCOMPARE(panel.externalFolders(), QStringList{QStringLiteral("radicale")});
        // The config is named as the user knows it, under the home folder.
        QVERIFY(panel.externalStatus(QStringLiteral("radicale"))
                    ->text()
                    .contains(QStringLiteral("~/peers/vdirsyncer/config")));
        QVERIFY(panel.accountIDs().isEmpty());
    }

    void shouldReadOnlyFoldersThatAPairUses()
    {
        IsolatedHome home;
        const QString config = home.configHome() + QStringLiteral("/vdirsyncer/config");
        QVERIFY(writeFile(config, "[general]\n"
                                  "status_path = \"~/.local/share/vdirsyncer/status/\"\n"
                                  "\n"
                                  "[pair later]\n"
                                  "a = \"later_local\"\n"
                                  "b = \"later_remote\"\n"
                                  "collections = [\"from a\", \"from b\"]\n"
                                  "\n"
                                  "[storage later_local]\n"
                                  "type = \"filesystem\"\n"
                                  "path = \"~/.local/share/calendars/later/\"\n"
                                  "fileext = \".ics\"\n"
                                  "\n"
                                  "[storage later_remote]\n"
                                  "type = \"caldav\"\n"
                                  "url = \"https://later.example.org/\"\n"
                                  "\n"
                                  "# Defined but in no pair: it syncs nothing.\n"
                                  "[storage spare]\n"
                                  "type = \"filesystem\"\n"
                                  "path = \"/srv/spare/\"\n"
                                  "fileext = \".ics\"\n"
                                  "\n"));
        QCOMPARE(UserEngineSetup::configPath(), config);
        const QString later = home.dataHome() + QStringLiteral("/calendars/later");
        QCOMPARE(UserEngineSetup::pairedFolders(config), QStringList{later});
        QVERIFY(UserEngineSetup::isPaired({later}, later + QStringLiteral("/tasks")));
        QVERIFY(!UserEngineSetup::isPaired({later}, later + QStringLiteral("r")));
        // The folder does not exist yet, and still a new account of the same server gets another one.
        QVERIFY(SyncAccountRegistry::makeID(QUrl(QStringLiteral("https://later/")), QStringLiteral("me"), {},
                                            home.dataHome() + QStringLiteral("/calendars")) != QStringLiteral("later"));
    }
};

QTEST_MAIN(ExistingSetupTest)
#include "ExistingSetupTest.moc"
