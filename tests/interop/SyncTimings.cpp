// Measures what a user waits for when vdirsyncer syncs a large store with a CalDAV server on this machine:
// the first upload, a sync with nothing to do, and a sync after one edit made through the app.
//
//   build/tests/interop/interop-sync-timings [--items 2000] [--runs 3]
//
// Everything runs in a temp home against a Radicale server on 127.0.0.1, which is stopped at the end.
#include "ModelHarness.h"
#include "SyncRig.h"
#include "TestSupport.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>

using namespace tolvik;
using namespace tolvik::interop;

namespace {

struct Timed
{
    bool ok = false;
    qint64 milliseconds = 0;
};

Timed timedSync(const SyncRig& rig, int timeoutMs = 120000)
{
    QElapsedTimer timer;
    timer.start();
    QString error;
    const bool ok = rig.sync(&error, timeoutMs);
    const qint64 elapsed = timer.elapsed();
    if (!ok) {
        // vdirsyncer names every item it copies: the end of its output says enough.
        std::fprintf(stderr, "sync failed: %s\n", qPrintable(error.right(4000)));
    }
    return {ok, elapsed};
}

qint64 median(QList<qint64> values)
{
    std::sort(values.begin(), values.end());
    return values.isEmpty() ? 0 : values.at(values.size() / 2);
}

QString joined(const QList<qint64>& values)
{
    QStringList texts;
    for (qint64 value : values) {
        texts.append(QString::number(value));
    }
    return texts.join(QStringLiteral(", "));
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Times vdirsyncer syncs of a large store against a local server."));
    parser.addHelpOption();
    const QCommandLineOption itemsOption(QStringLiteral("items"), QStringLiteral("Reminders in the store."),
                                         QStringLiteral("n"), QStringLiteral("2000"));
    const QCommandLineOption runsOption(QStringLiteral("runs"), QStringLiteral("Repeats of each measured sync."),
                                        QStringLiteral("n"), QStringLiteral("3"));
    parser.addOption(itemsOption);
    parser.addOption(runsOption);
    parser.process(app);
    const int items = qMax(1, parser.value(itemsOption).toInt());
    const int runs = qMax(1, parser.value(runsOption).toInt());

    test::IsolatedHome home;
    const QString root = home.dataHome() + QStringLiteral("/calendars");
    SyncRig rig(root, home.path() + QStringLiteral("/peers"));
    QString error;
    if (!rig.setUp(&error)) {
        std::fprintf(stderr, "set-up failed: %s\n", qPrintable(error));
        return 1;
    }
    ModelHarness harness(root, home.path() + QStringLiteral("/prefs.ini"));
    harness.refresh();

    // Written through the store itself: the model would refresh after each of thousands of adds.
    QElapsedTimer timer;
    timer.start();
    const QString listID = SyncRig::listID(QStringLiteral("work"));
    for (int index = 0; index < items; ++index) {
        StoreReminder reminder = harness.store().newReminder();
        reminder.title = QStringLiteral("Reminder %1").arg(index);
        reminder.listID = listID;
        reminder.priority = index % 10;
        if (index % 2 == 0) {
            reminder.due = DueDateComponents::fromDateTime(
                QDateTime(QDate(2031, 1, 1).addDays(index % 365), QTime(9 + index % 8, 0)));
        }
        if (index % 10 == 0) {
            reminder.notes = QStringLiteral("Notes for reminder %1, with a little more text to read.").arg(index);
        }
        if (index % 25 == 0) {
            reminder.recurrenceRules = {RecurrenceRule{1, 1, false}};
        }
        const WriteResult written = harness.store().saveReminder(reminder);
        if (!written.ok()) {
            std::fprintf(stderr, "write failed: %s\n", qPrintable(*written.error));
            return 1;
        }
    }
    const qint64 writeTime = timer.elapsed();
    timer.restart();
    harness.refresh();
    const qint64 refreshTime = timer.elapsed();
    if (harness.model().reminders().size() != items) {
        std::fprintf(stderr, "the model shows %lld reminders, not %d\n",
                     static_cast<long long>(harness.model().reminders().size()), items);
        return 1;
    }

    const Timed upload = timedSync(rig, 60 * 60 * 1000);
    QList<qint64> idle;
    QList<qint64> afterEdit;
    for (int run = 0; run < runs && upload.ok; ++run) {
        const Timed quiet = timedSync(rig);
        if (!quiet.ok) {
            return 1;
        }
        idle.append(quiet.milliseconds);

        const ReminderItem item = harness.model().reminders().at(run * 7 % items);
        const QString message =
            harness.wait(harness.model().updateReminder(item.id, item.title + QStringLiteral(" (edited)"), item.notes,
                                                        item.dueDate, item.priority, item.recurrence));
        if (!message.isEmpty()) {
            std::fprintf(stderr, "edit failed: %s\n", qPrintable(message));
            return 1;
        }
        const Timed edited = timedSync(rig);
        if (!edited.ok) {
            return 1;
        }
        afterEdit.append(edited.milliseconds);
    }
    if (!upload.ok) {
        return 1;
    }

    std::printf("store of %d reminders, vdirsyncer sync with Radicale on 127.0.0.1\n", items);
    std::printf("  write %d files through the store: %lld ms\n", items, static_cast<long long>(writeTime));
    std::printf("  model refresh (first read):      %lld ms\n", static_cast<long long>(refreshTime));
    std::printf("  first sync (uploads all):        %lld ms\n", static_cast<long long>(upload.milliseconds));
    std::printf("  no-op sync:                      median %lld ms (%s)\n", static_cast<long long>(median(idle)),
                qPrintable(joined(idle)));
    std::printf("  sync after one edit:             median %lld ms (%s)\n", static_cast<long long>(median(afterEdit)),
                qPrintable(joined(afterEdit)));
    return 0;
}
