// Takes the README's screenshots of the panel with a synced account, light and dark: the footer's line while a sync
// problem lasts, with a reminder changed on two devices marked on its row, and that row's menu showing the other
// version. Run it on an X display (tests/app/take_screenshots.sh does that); nothing outside a temp folder is touched.
#include "appearance/Preferences.h"
#include "model/RemindersViewModel.h"
#include "panel/ContentView.h"
#include "panel/PanelWindow.h"
#include "panel/ReminderListSection.h"
#include "rows/ReminderRow.h"
#include "settings/LaunchAtLoginManager.h"
#include "store/VdirStore.h"
#include "sync/ConflictArchive.h"
#include "sync/ConflictResolver.h"
#include "sync/SyncService.h"
#include "sync/SyncState.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

using namespace tolvik;

namespace {

void writeFile(const QString& path, const QByteArray& content)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(content);
    }
}

QByteArray todo(const QByteArray& uid, const QByteArray& summary, const QByteArray& extra = {})
{
    return "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//screenshots//EN\r\nBEGIN:VTODO\r\nUID:" + uid +
           "\r\nDTSTAMP:20240101T000000Z\r\nSUMMARY:" + summary + "\r\n" + extra + "END:VTODO\r\nEND:VCALENDAR\r\n";
}

QByteArray dueIn(int days, int hour)
{
    return "DUE:" +
           QDateTime(QDate::currentDate().addDays(days), QTime(hour, 0)).toString(u"yyyyMMdd'T'HHmmss").toUtf8() +
           "\r\n";
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QString outDir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs/screenshots");
    for (const QString& theme : {QStringLiteral("day"), QStringLiteral("night")}) {
        const QString shade = theme == QLatin1String("day") ? QStringLiteral("light") : QStringLiteral("dark");
        QTemporaryDir dir;
        qputenv("XDG_CONFIG_HOME", dir.filePath(QStringLiteral("config")).toUtf8());
        qputenv("XDG_STATE_HOME", dir.filePath(QStringLiteral("state")).toUtf8());
        qputenv("VDIRSYNCER_CONFIG", dir.filePath(QStringLiteral("no-own-config")).toUtf8());
        const QString root = dir.filePath(QStringLiteral("calendars"));
        const QString account = QStringLiteral("cloud_example_org");
        const QString list = root + QStringLiteral("/cloud_example_org/work");
        writeFile(list + QStringLiteral("/displayname"), "Work");
        writeFile(list + QStringLiteral("/color"), "#FF9F0A");
        writeFile(list + QStringLiteral("/report.ics"), todo("report", "Quarterly report", dueIn(1, 17)));
        writeFile(list + QStringLiteral("/slides.ics"), todo("slides", "Slides for Monday", dueIn(3, 9)));
        // The phone moved the meeting, this computer renamed it: the newer rename is in the file, the move is kept.
        writeFile(list + QStringLiteral("/meeting.ics"),
                  todo("meeting", "Team meeting notes", dueIn(2, 10) + "LAST-MODIFIED:20240302T090000Z\r\n"));
        writeFile(dir.filePath(QStringLiteral("phone.ics")),
                  todo("meeting", "Team meeting", dueIn(4, 14) + "LAST-MODIFIED:20240301T090000Z\r\n"));
        ConflictResolver::resolve(account, list + QStringLiteral("/meeting.ics"),
                                  dir.filePath(QStringLiteral("phone.ics")));

        SyncAccount synced;
        synced.id = account;
        synced.homeUrl = QUrl(QStringLiteral("https://cloud.example.org/remote.php/dav/calendars/alice/"));
        synced.userName = QStringLiteral("alice");
        synced.collections = {{QStringLiteral("work"), synced.homeUrl.resolved(QUrl(QStringLiteral("work/")))}};
        SyncAccountRegistry::save({synced});
        AccountSyncState state;
        state.discovered = true;
        state.lastSuccess = QDateTime::currentDateTimeUtc().addSecs(-7200);
        state.problem = SyncProblem::unreachable;
        state.problemSince = QDateTime::currentDateTimeUtc().addSecs(-3600);
        state.save(account);
        SyncService sync(root, QStringLiteral("tolvik-reminder"));
        SyncService::setShared(&sync);
        ConflictArchive kept;
        kept.reload({account});

        Preferences preferences(dir.filePath(QStringLiteral("prefs.ini")));
        Preferences::setShared(&preferences);
        preferences.setString(PreferenceKey::themePreference, theme);
        preferences.setString(PreferenceKey::selectedListIDs, QStringLiteral("cloud_example_org/work"));
        RemindersViewModel model(new VdirStore(root), preferences);
        model.setKeptVersions(&kept);
        LaunchAtLoginManager launchAtLogin(dir.filePath(QStringLiteral("autostart.desktop")), QStringLiteral("true"));
        if (!QTest::qWaitFor([&] { return model.lastRefreshDate().has_value(); }, 10000)) {
            return 1;
        }
        for (const bool menu : {false, true}) {
            PanelWindow panel(model, launchAtLogin, root, PanelWindow::Mode::trayPanel);
            panel.present(std::nullopt, std::nullopt);
            if (!QTest::qWaitForWindowExposed(&panel)) {
                return 1;
            }
            QTest::qWait(900);
            QRect area = panel.geometry().adjusted(-16, 0, 16, 16);
            if (menu) {
                for (ReminderListSection* section : panel.contentView()->sections()) {
                    for (ReminderRow* row : section->rows()) {
                        if (row->reminder().uid != QLatin1String("meeting")) {
                            continue;
                        }
                        row->openContextMenu(row->mapToGlobal(QPoint(row->width() / 3, row->height() / 2)));
                        QTest::qWait(400);
                        auto* open = qobject_cast<QMenu*>(QApplication::activePopupWidget());
                        QAction* versions =
                            open != nullptr ? open->findChild<QAction*>(QStringLiteral("twoDevicesMenu")) : nullptr;
                        if (versions == nullptr) {
                            std::fprintf(stderr, "the row has no versions menu\n");
                            return 1;
                        }
                        open->setActiveAction(versions);
                        versions->menu()->popup(open->mapToGlobal(open->actionGeometry(versions).topRight()));
                        QTest::qWait(400);
                        area = area.united(open->geometry()).united(versions->menu()->geometry());
                    }
                }
            }
            area = area.intersected(panel.screen()->geometry());
            const QString path =
                outDir + (menu ? QStringLiteral("/panel-two-devices-") : QStringLiteral("/panel-sync-footer-")) +
                shade + QStringLiteral(".png");
            if (!panel.screen()->grabWindow(0, area.x(), area.y(), area.width(), area.height()).save(path)) {
                return 1;
            }
            std::printf("%s\n", qPrintable(path));
            if (QWidget* popup = QApplication::activePopupWidget()) {
                popup->close();
            }
        }
        Preferences::setShared(nullptr);
        SyncService::setShared(nullptr);
    }
    return 0;
}
