// Times the tray panel with 20 lists and 2,000 visible reminders (500 of them sub-tasks) on a real vdir store: from
// the tray click to the panel on screen (the panel is built once at start-up; that is timed too), the rebuild after a
// refresh in which one reminder changed, and each keystroke typed into the search field. Runs on whatever Qt platform
// is set; QT_QPA_PLATFORM=offscreen works without a display.
#include "appearance/Preferences.h"
#include "model/RemindersViewModel.h"
#include "panel/ContentView.h"
#include "panel/PanelWindow.h"
#include "panel/SearchBar.h"
#include "panel/TrayEntry.h"
#include "rows/ReminderRow.h"
#include "settings/LaunchAtLoginManager.h"
#include "store/VdirStore.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <functional>

using namespace tolvik;

namespace {

constexpr int listCount = 20;
constexpr int remindersPerList = 100;
constexpr int subtasksPerList = 25;
constexpr int rounds = 5;

void writeTodo(const QString& path, const QString& uid, const QString& summary, int dayOffset,
               const QString& parentUID = QString())
{
    QFile file(path + QStringLiteral(".tmp"));
    if (!file.open(QIODevice::WriteOnly)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        std::exit(1);
    }
    const QString due = QDate::currentDate().addDays(dayOffset).toString(QStringLiteral("yyyyMMdd"));
    file.write(QStringLiteral("BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//bench//EN\r\nBEGIN:VTODO\r\nUID:%1\r\n"
                              "DTSTAMP:20240101T000000Z\r\nSUMMARY:%2\r\nDUE;VALUE=DATE:%3\r\n%4END:VTODO\r\n"
                              "END:VCALENDAR\r\n")
                   .arg(uid, summary, due,
                        parentUID.isEmpty() ? QString() : QStringLiteral("RELATED-TO:%1\r\n").arg(parentUID))
                   .toUtf8());
    file.close();
    QFile::remove(path);
    QFile::rename(path + QStringLiteral(".tmp"), path);
}

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const QString root = dir.filePath(QStringLiteral("calendars"));
    QStringList listIDs;
    for (int list = 0; list < listCount; ++list) {
        const QString id = QStringLiteral("account%1/list%2").arg(list % 3).arg(list, 2, 10, QLatin1Char('0'));
        QDir().mkpath(root + QLatin1Char('/') + id);
        QFile name(root + QLatin1Char('/') + id + QStringLiteral("/displayname"));
        name.open(QIODevice::WriteOnly);
        name.write(QStringLiteral("List %1").arg(list).toUtf8());
        name.close();
        for (int item = 0; item < remindersPerList; ++item) {
            const QString uid = QStringLiteral("r%1-%2").arg(list).arg(item);
            // The last quarter of each list are sub-tasks of the first quarter: 500 in all.
            const QString parent = item >= remindersPerList - subtasksPerList
                                       ? QStringLiteral("r%1-%2").arg(list).arg(item % 25)
                                       : QString();
            writeTodo(root + QLatin1Char('/') + id + QLatin1Char('/') + uid + QStringLiteral(".ics"), uid,
                      QStringLiteral("Reminder %1 of list %2").arg(item).arg(list), item % 25, parent);
        }
        listIDs.append(id);
    }

    Preferences preferences(dir.filePath(QStringLiteral("prefs.ini")));
    Preferences::setShared(&preferences);
    preferences.setString(PreferenceKey::selectedListIDs, listIDs.join(QLatin1Char(',')));
    RemindersViewModel model(new VdirStore(root), preferences);
    LaunchAtLoginManager launchAtLogin(dir.filePath(QStringLiteral("autostart.desktop")), QStringLiteral("/bin/true"));
    QSignalSpy refreshed(&model, &RemindersViewModel::remindersChanged);
    if (!QTest::qWaitFor([&] { return model.reminders().size() == listCount * remindersPerList; }, 60000)) {
        std::fprintf(stderr, "the model loaded %lld reminders\n", static_cast<long long>(model.reminders().size()));
        return 1;
    }

    // The tray click: the entry's toggle, until the panel's window is exposed and painted.
    TrayEntry entry(model, launchAtLogin, root);
    entry.setTrayRetry(0, 1);
    QElapsedTimer timer;
    timer.start();
    entry.preparePanel();
    // What the preparation posted runs before a user could click, as it does in the app's idle start-up time.
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    const double build = timer.nsecsElapsed() / 1e6;
    QTest::qWait(200);
    QList<double> showTimes;
    double firstShow = 0;
    for (int round = 0; round <= rounds; ++round) {
        timer.start();
        entry.togglePanel();
        PanelWindow* panel = entry.panel();
        if (!QTest::qWaitForWindowExposed(panel)) {
            std::fprintf(stderr, "the panel was not shown\n");
            return 1;
        }
        panel->repaint();
        const double ms = timer.nsecsElapsed() / 1e6;
        if (round == 0) {
            firstShow = ms;
        } else {
            showTimes.append(ms);
        }
        QTest::qWait(700); // let the appear animation end, as a user would
        panel->hide();
    }

    // One reminder changes on disk; after the model's refresh the panel re-renders and repaints.
    PanelWindow* panel = entry.panel();
    entry.togglePanel();
    if (!QTest::qWaitForWindowExposed(panel)) {
        return 1;
    }
    QTest::qWait(700);
    QList<double> rebuildTimes;
    for (int round = 0; round < rounds; ++round) {
        refreshed.clear();
        writeTodo(root + QLatin1Char('/') + listIDs[7] + QStringLiteral("/r7-3.ics"), QStringLiteral("r7-3"),
                  QStringLiteral("Changed title %1").arg(round), 3);
        if (!refreshed.wait(10000)) {
            std::fprintf(stderr, "no refresh after a change\n");
            return 1;
        }
        timer.start();
        panel->contentView()->render();
        panel->contentView()->measure();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        panel->repaint();
        rebuildTimes.append(timer.nsecsElapsed() / 1e6);
        QTest::qWait(200);
    }

    // Typing into the search field, a key at a time, then taking it back: each keystroke until the panel is redrawn.
    // A refresh the changes above still cause would land among the keys and be timed as one: they wait for the
    // store to settle.
    do {
        refreshed.clear();
        QTest::qWait(1500);
    } while (!refreshed.isEmpty());
    ContentView* content = panel->contentView();
    content->searchBar()->open();
    QCoreApplication::processEvents();
    const QString typed = QStringLiteral("list 1");
    QList<double> keystrokeTimes;
    const auto timeKey = [&](const std::function<void()>& press) {
        timer.start();
        press();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        panel->repaint();
        keystrokeTimes.append(timer.nsecsElapsed() / 1e6);
        QTest::qWait(50);
    };
    QLineEdit* field = content->searchBar()->edit();
    for (const QChar character : typed) {
        timeKey([&] { QTest::keyClick(field, character.toLatin1()); });
    }
    const qsizetype shownAfterTyping = content->rowsInOrder().size();
    for (qsizetype i = 0; i < typed.size(); ++i) {
        timeKey([&] { QTest::keyClick(field, Qt::Key_Backspace); });
    }
    // Rows past the first screenful show after the keystroke is drawn: until every row of the first Backspace is
    // on screen again.
    field->setText(typed);
    QTest::qWait(200);
    timer.start();
    QTest::keyClick(field, Qt::Key_Backspace);
    const QList<ReminderRow*> everyRow = content->rowsInOrder();
    while (!std::all_of(everyRow.cbegin(), everyRow.cend(), [](ReminderRow* row) { return row->isVisible(); })) {
        QCoreApplication::processEvents();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    panel->repaint();
    const double backspaceFilled = timer.nsecsElapsed() / 1e6;
    content->searchBar()->close();

    std::printf("panel with %d lists and %lld visible reminders, %d of them sub-tasks (platform %s)\n", listCount,
                static_cast<long long>(model.reminders().size()), listCount * subtasksPerList,
                qPrintable(QGuiApplication::platformName()));
    std::printf("  building the panel, done once at start-up:          %8.1f ms\n", build);
    std::printf("  first tray click to panel shown:                    %8.1f ms\n", firstShow);
    std::printf("  later tray click to panel shown (median of %d):     %8.1f ms\n", rounds, median(showTimes));
    std::printf("  rebuild after one reminder changed (median of %d):  %8.1f ms\n", rounds, median(rebuildTimes));
    std::printf("  search keystroke to panel redrawn (median of %lld):  %8.1f ms\n",
                static_cast<long long>(keystrokeTimes.size()), median(keystrokeTimes));
    std::printf("  search keystroke, slowest:                          %8.1f ms\n",
                *std::max_element(keystrokeTimes.cbegin(), keystrokeTimes.cend()));
    std::printf("  each keystroke (typing, then Backspace), ms:       ");
    for (const double ms : std::as_const(keystrokeTimes)) {
        std::printf(" %.0f", ms);
    }
    std::printf("\n");
    std::printf("  first Backspace until every row is shown again:     %8.1f ms\n", backspaceFilled);
    std::printf("  rows shown for \"%s\":                              %8lld\n", qPrintable(typed),
                static_cast<long long>(shownAfterTyping));
    Preferences::setShared(nullptr);
    return 0;
}
