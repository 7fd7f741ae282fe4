// From an empty home to a reminder on the server, on a real X display: the settings window's Add Account…, the
// dialog filled in by keys, the server's lists in the panel, a reminder typed into the panel's quick add, and the
// sync that carries it to Radicale. Everything is the app's own widgets and services; only the tray is left out.
#include "SyncTestRig.h"

#include "appearance/LocalizationManager.h"
#include "appearance/Preferences.h"
#include "model/RemindersViewModel.h"
#include "panel/ContentView.h"
#include "panel/QuickAddField.h"
#include "panel/ReminderListSection.h"
#include "settings/AddAccountDialog.h"
#include "settings/LaunchAtLoginManager.h"
#include "settings/SettingsWindowPresenter.h"
#include "store/VdirStore.h"
#include "sync/SyncScheduler.h"
#include "sync/SyncService.h"

#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include <memory>

using namespace tolvik;
using namespace tolvik::test;

class SyncEndToEndTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shouldAddAnAccountInTheSettingsAndCarryAReminderFromThePanelToTheServer()
    {
        SyncTestRig rig;
        QString error;
        QVERIFY2(rig.start(&error), qPrintable(error));
        Preferences preferences(rig.home() + QStringLiteral("/prefs.ini"));
        Preferences::setShared(&preferences);
        SyncService::setShared(&rig.service());
        RemindersViewModel model(new VdirStore(rig.storeRoot()), preferences);
        LaunchAtLoginManager launchAtLogin(rig.home() + QStringLiteral("/autostart.desktop"), QStringLiteral("true"));
        auto scheduler = std::make_unique<SyncScheduler>(rig.service());

        SettingsWindowPresenter settings;
        settings.show(model, launchAtLogin);
        // The window comes up a moment after it is asked for.
        QTRY_VERIFY(settings.window()->isVisible());
        QVERIFY(QTest::qWaitForWindowExposed(settings.window()));
        QPushButton* add = nullptr;
        for (QPushButton* button : settings.window()->findChildren<QPushButton*>()) {
            if (button->text() == localizedString(QStringLiteral("sync.account.add"))) {
                add = button;
            }
        }
        QVERIFY(add != nullptr);
        QTest::mouseClick(add, Qt::LeftButton);
        QPointer<AddAccountDialog> dialog = settings.window()->findChild<AddAccountDialog*>();
        QVERIFY(dialog);
        QVERIFY(QTest::qWaitForWindowActive(dialog));

        // By keys, as a user fills it in: Return takes each step.
        QTest::keyClicks(dialog->addressField(), rig.server().baseUrl().toString());
        QTest::keyClick(dialog->addressField(), Qt::Key_Return);
        QTRY_COMPARE_WITH_TIMEOUT(dialog->page(), AddAccountDialog::Page::signIn, 30000);
        QTRY_VERIFY(dialog->userField()->hasFocus());
        QTest::keyClicks(dialog->userField(), rig.server().user());
        QTest::keyClick(dialog->userField(), Qt::Key_Tab);
        QVERIFY(dialog->passwordField()->hasFocus());
        QTest::keyClicks(dialog->passwordField(), rig.server().password());
        QTest::keyClick(dialog->passwordField(), Qt::Key_Return);
        QTRY_COMPARE_WITH_TIMEOUT(dialog->page(), AddAccountDialog::Page::lists, 30000);
        QCOMPARE(dialog->listToggles().size(), 2);
        QTest::keyClick(dialog, Qt::Key_Return);
        QTRY_VERIFY_WITH_TIMEOUT(dialog.isNull() || !dialog->isVisible(), 30000);
        QCOMPARE(rig.service().accounts().size(), 1);
        const QString accountID = rig.service().accounts().first().id;
        QTRY_VERIFY_WITH_TIMEOUT(rig.service().state(accountID).lastSuccess.isValid(), 120000);

        // The server's lists are in the panel at once, without a tick in the settings.
        ContentView panel(model, launchAtLogin, rig.storeRoot());
        panel.resize(360, 600);
        panel.show();
        QVERIFY(QTest::qWaitForWindowExposed(&panel));
        const auto shownLists = [&panel] {
            QStringList names;
            for (const ReminderListSection* section : panel.sections()) {
                names.append(section->list().name);
            }
            names.sort();
            return names;
        };
        QTRY_COMPARE_WITH_TIMEOUT(shownLists(), QStringList({QStringLiteral("Home"), QStringLiteral("Work")}), 30000);

        QLineEdit* quickAdd = panel.quickAddField()->edit();
        quickAdd->setFocus();
        QTest::keyClicks(quickAdd, QStringLiteral("Buy oat milk"));
        QTest::keyClick(quickAdd, Qt::Key_Return);

        // The scheduler notices the new file and syncs it up.
        const auto onServer = [&rig] {
            for (const QString& list : {QStringLiteral("work"), QStringLiteral("home")}) {
                for (const interop::DavItem& item : rig.dav().items(rig.server().collectionUrl(list))) {
                    if (item.data.contains("SUMMARY:Buy oat milk")) {
                        return true;
                    }
                }
            }
            return false;
        };
        QTRY_VERIFY_WITH_TIMEOUT(onServer(), 120000);
        // The run that uploaded it may still be busy: no run may outlive the test, nor a new one start.
        scheduler.reset();
        QTRY_VERIFY_WITH_TIMEOUT(!rig.service().state(accountID).running, 120000);
        SyncService::setShared(nullptr);
        Preferences::setShared(nullptr);
    }
};

QTEST_MAIN(SyncEndToEndTest)
#include "SyncEndToEndTest.moc"
