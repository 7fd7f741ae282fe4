// Opens the settings window over sample folders in a temp directory, for looking at it and for screenshots:
//   settings-showcase [--tab general|appearance|about] [--theme system|day|night] [--language en|de|sv|zh-Hans|zh-Hant]
//                     [--launch-error] [--new-list] [--list-menu] [--sync held|error|synced]
//                     [--add-account <server> --step address|certificate|sign-in|lists|error]
//                     [--quit-after <ms>] [--shot <png>] [--shot-after <ms>]
// --add-account drives the Add Account dialog against a server on this computer (tests/sync/login-flow-server.py).
// Nothing outside the temp directory is read or written.
#include "SettingsFixture.h"
#include "settings/AddAccountDialog.h"
#include "settings/GeneralSettingsTab.h"
#include "settings/ListActions.h"
#include "settings/ListNameDialog.h"
#include "settings/ListToggleRow.h"
#include "settings/SegmentedPicker.h"
#include "settings/SettingsTab.h"
#include "settings/SettingsView.h"
#include "settings/SettingsWindowPresenter.h"
#include "settings/SyncAccountsPanel.h"
#include "sync/SyncService.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCommandLineParser>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QTimer>
#include <QToolButton>

using namespace tolvik;

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption tabOption(QStringLiteral("tab"), QStringLiteral("The tab to open."), QStringLiteral("tab"),
                                       QStringLiteral("general"));
    const QCommandLineOption themeOption(QStringLiteral("theme"), QStringLiteral("The stored theme."),
                                         QStringLiteral("theme"), QStringLiteral("system"));
    const QCommandLineOption languageOption(QStringLiteral("language"), QStringLiteral("The stored language."),
                                            QStringLiteral("code"), QStringLiteral("en"));
    const QCommandLineOption errorOption(QStringLiteral("launch-error"),
                                         QStringLiteral("Fail a launch-at-login change, to show the error line."));
    const QCommandLineOption quitOption(QStringLiteral("quit-after"), QStringLiteral("Quit after this many ms."),
                                        QStringLiteral("ms"));
    const QCommandLineOption newListOption(QStringLiteral("new-list"), QStringLiteral("Open the new-list dialog."));
    const QCommandLineOption listMenuOption(QStringLiteral("list-menu"),
                                            QStringLiteral("Open the first list's menu at its colours."));
    const QCommandLineOption shotOption(QStringLiteral("shot"), QStringLiteral("Save the screen's picture and quit."),
                                        QStringLiteral("png"));
    const QCommandLineOption syncOption(QStringLiteral("sync"),
                                        QStringLiteral("Show a synced account: held, error or synced."),
                                        QStringLiteral("state"));
    const QCommandLineOption addAccountOption(
        QStringLiteral("add-account"), QStringLiteral("Open Add Account against this server."), QStringLiteral("url"));
    const QCommandLineOption stepOption(QStringLiteral("step"), QStringLiteral("The dialog's step to show."),
                                        QStringLiteral("step"), QStringLiteral("address"));
    const QCommandLineOption shotAfterOption(QStringLiteral("shot-after"), QStringLiteral("Wait this long to shoot."),
                                             QStringLiteral("ms"), QStringLiteral("2000"));
    parser.addOptions({tabOption, themeOption, languageOption, errorOption, quitOption, newListOption, listMenuOption,
                       shotOption, syncOption, addAccountOption, stepOption, shotAfterOption});
    parser.process(app);

    test::SettingsFixture fixture;
    std::unique_ptr<SyncService> sync;
    if (parser.isSet(syncOption) || parser.isSet(addAccountOption)) {
        qputenv("XDG_CONFIG_HOME", fixture.path(QStringLiteral("config")).toUtf8());
        qputenv("XDG_STATE_HOME", fixture.path(QStringLiteral("state")).toUtf8());
        qputenv("VDIRSYNCER_CONFIG", fixture.path(QStringLiteral("no-own-config")).toUtf8());
    }
    if (parser.isSet(syncOption)) {
        SyncAccount account;
        account.id = QStringLiteral("cloud_example_org");
        account.homeUrl = QUrl(QStringLiteral("https://cloud.example.org/remote.php/dav/calendars/alice/"));
        account.userName = QStringLiteral("alice");
        account.collections = {{QStringLiteral("work"), account.homeUrl.resolved(QUrl(QStringLiteral("work/")))}};
        SyncAccountRegistry::save({account});
        fixture.makeList(QStringLiteral("cloud_example_org/work"), "Work", "#FF9F0A");
        AccountSyncState state;
        state.discovered = true;
        state.lastSuccess = QDateTime::currentDateTimeUtc().addSecs(-120);
        if (parser.value(syncOption) == QLatin1String("held")) {
            state.lastSuccess = state.lastSuccess.addSecs(-3600);
            HeldDeletion held;
            held.list = QStringLiteral("work");
            held.displayName = QStringLiteral("Work");
            for (int i = 0; i < 14; ++i) {
                held.files.append(QStringLiteral("item-%1.ics").arg(i));
            }
            state.held = {held};
            state.problem = SyncProblem::deletionsHeld;
        } else if (parser.value(syncOption) == QLatin1String("error")) {
            state.problem = SyncProblem::signInAgain;
            state.problemSince = QDateTime::currentDateTimeUtc();
        }
        state.save(account.id);
    }
    if (parser.isSet(syncOption) || parser.isSet(addAccountOption)) {
        sync = std::make_unique<SyncService>(fixture.root(), QStringLiteral("tolvik-reminder"));
        SyncService::setShared(sync.get());
    }
    fixture.makeAccount(QStringLiteral("work"), "Work");
    fixture.makeAccount(QStringLiteral("home"), "Home");
    fixture.makeList(QStringLiteral("work/inbox"), "Inbox", "#0A84FF");
    fixture.makeList(QStringLiteral("work/projects"), "Projects", "#FF9F0A");
    fixture.makeList(QStringLiteral("home/groceries"), "Groceries", "#30D158");
    fixture.makeList(QStringLiteral("home/chores"), "Chores", "#FF375F");
    Preferences& preferences = fixture.preferences();
    preferences.setString(PreferenceKey::selectedListIDs, QStringLiteral("home/groceries,work/inbox"));
    preferences.setString(PreferenceKey::themePreference, parser.value(themeOption));
    preferences.setString(PreferenceKey::languagePreference, parser.value(languageOption));

    auto model = fixture.makeModel();
    auto launch = parser.isSet(errorOption) ? fixture.makeFailingLaunchAtLogin() : fixture.makeLaunchAtLogin();
    if (parser.isSet(errorOption)) {
        launch->setEnabled(true);
    }

    SettingsWindowPresenter& presenter = SettingsWindowPresenter::shared();
    presenter.show(*model, *launch);
    const QList<SettingsTab> tabs = allSettingsTabs();
    for (qsizetype i = 0; i < tabs.size(); ++i) {
        if (rawValue(tabs[i]) == parser.value(tabOption)) {
            presenter.settingsView()->tabPicker()->button(int(i))->click();
        }
    }
    if (parser.isSet(newListOption)) {
        QTimer::singleShot(500, &app, [&presenter] {
            ListActions* actions = presenter.settingsView()->generalTab()->listActions();
            actions->newList();
            actions->openDialog()->nameField()->setText(QStringLiteral("Errands"));
        });
    }
    if (parser.isSet(listMenuOption)) {
        QTimer::singleShot(500, &app, [&presenter] {
            GeneralSettingsTab* tab = presenter.settingsView()->generalTab();
            ListToggleRow* row = tab->listRow(tab->listRowIDs().value(0));
            QMenu* menu = tab->listActions()->menuFor(row->list(), row);
            menu->popup(row->moreButton()->mapToGlobal(QPoint(0, row->moreButton()->height())));
            QTimer::singleShot(300, menu, [menu] {
                QAction* colors = menu->actions().value(1);
                menu->setActiveAction(colors);
                colors->menu()->popup(menu->mapToGlobal(menu->actionGeometry(colors).topRight()));
            });
        });
    }
    if (parser.isSet(syncOption)) {
        QTimer::singleShot(800, &app, [&presenter] {
            auto* accounts = presenter.window()->findChild<SyncAccountsPanel*>();
            for (QWidget* parent = accounts; parent; parent = parent->parentWidget()) {
                if (auto* scroll = qobject_cast<QScrollArea*>(parent)) {
                    scroll->ensureWidgetVisible(accounts, 0, 40);
                    break;
                }
            }
        });
    }
    if (parser.isSet(addAccountOption)) {
        QTimer::singleShot(500, &app, [&presenter, &parser, &addAccountOption, &stepOption] {
            presenter.window()->findChild<SyncAccountsPanel*>()->addAccountButton()->click();
            auto* dialog = presenter.window()->findChild<AddAccountDialog*>();
            const QString step = parser.value(stepOption);
            // Nothing listens on port 9 of this computer: the address page's error.
            dialog->addressField()->setText(step == QLatin1String("error") ? QStringLiteral("http://127.0.0.1:9")
                                                                           : parser.value(addAccountOption));
            if (step == QLatin1String("address")) {
                return;
            }
            dialog->primaryButton()->click();
            if (step != QLatin1String("sign-in") && step != QLatin1String("lists")) {
                return;
            }
            // The stand-in server's user and app password, typed once the sign-in page shows.
            auto* poll = new QTimer(dialog);
            QObject::connect(poll, &QTimer::timeout, dialog, [dialog, poll, step] {
                if (dialog->page() != AddAccountDialog::Page::signIn || !dialog->statusLabel()->text().isEmpty()) {
                    return;
                }
                poll->stop();
                dialog->userField()->setText(QStringLiteral("alice"));
                dialog->passwordField()->setText(QStringLiteral("app-pass-Xy9-kq2"));
                if (step == QLatin1String("lists")) {
                    dialog->primaryButton()->click();
                }
            });
            poll->start(100);
        });
    }
    if (parser.isSet(shotOption)) {
        QTimer::singleShot(parser.value(shotAfterOption).toInt(), &app, [&presenter, &parser, &shotOption] {
            QWidget* window = presenter.window();
            QRect area = window->frameGeometry();
            for (QWidget* top : QApplication::topLevelWidgets()) {
                if (top->isVisible() && top != window) {
                    area = area.united(top->frameGeometry());
                }
            }
            window->screen()
                ->grabWindow(0, area.x(), area.y(), area.width(), area.height())
                .save(parser.value(shotOption));
            QApplication::quit();
        });
    }
    if (parser.isSet(quitOption)) {
        QTimer::singleShot(parser.value(quitOption).toInt(), &app, &QApplication::quit);
    }
    const int result = app.exec();
    if (QWidget* window = presenter.window()) {
        delete window;
    }
    SyncService::setShared(nullptr);
    return result;
}
