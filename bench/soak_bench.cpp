// A long run on one store: many mutations, each followed by a refresh as the model does after a write, and the
// resident memory at the start and the end. Prints "name: value" lines. Run it with TMPDIR on a memory file
// system to measure memory rather than the disk's fsync time.
//
//   soak_bench [--items N] [--mutations M]
//
// Generates N reminders (10,000 by default) in 20 lists of 2 accounts in a temp folder, then performs M
// mutations (10,000 by default), cycling through edit, complete, reopen, due change, move, add and remove.

#include "store/VdirStore.h"

#include <QCoreApplication>
#include <QCoro/QCoroTask>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTimeZone>

#include <algorithm>
#include <cstdio>

#include <malloc.h>
#include <unistd.h>

using namespace tolvik;

namespace {

constexpr int accountCount = 2;
constexpr int listsPerAccount = 10;

QString listFolder(const QString& root, int list)
{
    return root + QStringLiteral("/account%1/list%2").arg(list / listsPerAccount).arg(list % listsPerAccount);
}

bool writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

bool generate(const QString& root, int items)
{
    for (int list = 0; list < accountCount * listsPerAccount; ++list) {
        if (!QDir().mkpath(listFolder(root, list))) {
            return false;
        }
    }
    for (int i = 0; i < items; ++i) {
        const QByteArray n = QByteArray::number(i);
        const QByteArray text = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//soak//EN\r\nBEGIN:VTODO\r\nUID:soak-" + n +
                                "\r\nDTSTAMP:20250101T000000Z\r\nSUMMARY:Reminder " + n +
                                "\r\nDUE:20250301T090000Z\r\nX-SOAK:kept\r\nEND:VTODO\r\nEND:VCALENDAR\r\n";
        if (!writeBytes(listFolder(root, i % (accountCount * listsPerAccount)) + QStringLiteral("/soak-%1.ics").arg(i),
                        text)) {
            return false;
        }
    }
    return true;
}

// Resident memory now, from the kernel's own count. Free heap pages go back to the system first, so that the
// figure follows live memory rather than where the allocator's arenas happen to stand.
double residentMb()
{
    ::malloc_trim(0);
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly)) {
        return -1;
    }
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? double(fields.at(1).toLongLong()) * double(::sysconf(_SC_PAGESIZE)) / 1048576.0 : -1;
}

double median(QList<double> values)
{
    if (values.isEmpty()) {
        return -1;
    }
    std::sort(values.begin(), values.end());
    return values.at(values.size() / 2);
}

// Bytes the program holds in live allocations, over every allocator arena: unlike the resident size, this does not
// count freed memory the allocator keeps in pieces too small to hand back.
double liveHeapMb()
{
    return double(::mallinfo2().uordblks) / 1048576.0;
}

StoreReminderBatch refresh(VdirStore& store, QStringList& listIDs)
{
    listIDs.clear();
    for (const StoreList& list : QCoro::waitFor(store.lists())) {
        listIDs.append(list.id);
    }
    return QCoro::waitFor(store.fetchReminders(listIDs));
}

WriteResult mutate(VdirStore& store, const QList<StoreReminder>& reminders, const QStringList& listIDs, int step,
                   QRandomGenerator& random)
{
    StoreReminder reminder = reminders.at(random.bounded(int(reminders.size())));
    switch (step % 7) {
    case 0:
        reminder.title = QStringLiteral("Edited %1").arg(step);
        reminder.notes = QStringLiteral("Notes of step %1").arg(step);
        break;
    case 1:
        reminder.isCompleted = true;
        break;
    case 2:
        reminder.isCompleted = false;
        break;
    case 3:
        reminder.due = DueDateComponents{QDate(2025, 1, 1).addDays(step % 365), QTime(8, 30),
                                         QTimeZone(QByteArrayLiteral("Europe/Berlin"))};
        break;
    case 4:
        reminder.listID = listIDs.at(random.bounded(int(listIDs.size())));
        break;
    case 5:
        reminder = StoreReminder{};
        reminder.title = QStringLiteral("Added %1").arg(step);
        reminder.listID = listIDs.at(random.bounded(int(listIDs.size())));
        break;
    default:
        // Removing keeps the store's size steady against the additions.
        return store.removeReminder(reminder);
    }
    return store.saveReminder(reminder);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    int items = 10000;
    int mutations = 10000;
    const QStringList args = app.arguments();
    for (qsizetype i = 1; i < args.size(); ++i) {
        if (args.at(i) == QLatin1String("--items") && i + 1 < args.size()) {
            items = args.at(++i).toInt();
        } else if (args.at(i) == QLatin1String("--mutations") && i + 1 < args.size()) {
            mutations = args.at(++i).toInt();
        } else {
            std::fprintf(stderr, "usage: soak_bench [--items N] [--mutations M]\n");
            return 2;
        }
    }
    QTemporaryDir temp;
    const QString root = temp.filePath(QStringLiteral("calendars"));
    if (!temp.isValid() || items < 1 || !generate(root, items)) {
        std::fprintf(stderr, "could not generate the test store in %s\n", qPrintable(temp.path()));
        return 1;
    }

    QRandomGenerator random(42);
    QElapsedTimer timer;
    timer.start();
    int failures = 0;
    {
        VdirStore store(root);
        QStringList listIDs;
        StoreReminderBatch reminders = refresh(store, listIDs);
        // The first mutations warm up caches and pools that are then reused; measure from after them.
        constexpr int warmUp = 100;
        // Every refresh briefly holds two full reminder lists, so one reading swings by megabytes depending on where
        // the allocator stands. The figures compared are medians of readings every 100 mutations over the first and
        // the last tenth of the run.
        constexpr int sampleEvery = 100;
        const int window = qMax(sampleEvery, mutations / 10);
        QList<double> early;
        QList<double> late;
        QList<double> earlyLive;
        QList<double> lateLive;
        double start = -1;
        for (int step = 0; step < mutations + warmUp; ++step) {
            if (step == warmUp) {
                start = residentMb();
                std::printf("RSS at the start (MB): %.1f\n", start);
            }
            if (!mutate(store, reminders, listIDs, step, random).ok()) {
                ++failures;
            }
            reminders = refresh(store, listIDs);
            const int done = step + 1 - warmUp;
            if (done > 0 && done % sampleEvery == 0) {
                const double now = residentMb();
                const double live = liveHeapMb();
                if (done <= window) {
                    early.append(now);
                    earlyLive.append(live);
                }
                if (done > mutations - window) {
                    late.append(now);
                    lateLive.append(live);
                }
                if (done % 1000 == 0) {
                    std::printf("RSS after %d mutations (MB): %.1f\n", done, now);
                    std::fflush(stdout);
                }
            }
        }
        const double end = residentMb();
        std::printf("RSS at the end (MB): %.1f\n", end);
        std::printf("RSS growth, start to end reading (%%): %.1f\n", start > 0 ? (end - start) / start * 100.0 : 0.0);
        const double earlyMedian = median(early);
        const double lateMedian = median(late);
        std::printf("median RSS over the first %d mutations (MB): %.1f\n", window, earlyMedian);
        std::printf("median RSS over the last %d mutations (MB): %.1f\n", window, lateMedian);
        std::printf("RSS growth, first to last median (%%): %.1f\n",
                    earlyMedian > 0 ? (lateMedian - earlyMedian) / earlyMedian * 100.0 : 0.0);
        const double earlyLiveMedian = median(earlyLive);
        const double lateLiveMedian = median(lateLive);
        std::printf("median live heap over the first and the last %d mutations (MB): %.1f, %.1f\n", window,
                    earlyLiveMedian, lateLiveMedian);
        std::printf("live heap growth, first to last median (%%): %.1f\n",
                    earlyLiveMedian > 0 ? (lateLiveMedian - earlyLiveMedian) / earlyLiveMedian * 100.0 : 0.0);
        std::printf("reminders at the end: %lld\n", static_cast<long long>(reminders.size()));
    }
    std::printf("mutations: %d\n", mutations);
    std::printf("failed mutations: %d\n", failures);
    std::printf("time (s): %.1f\n", double(timer.elapsed()) / 1000.0);
    return 0;
}
