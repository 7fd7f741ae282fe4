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

QList<StoreReminder> refresh(VdirStore& store, QStringList& listIDs)
{
    listIDs.clear();
    for (const StoreList& list : store.lists()) {
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
        QList<StoreReminder> reminders = refresh(store, listIDs);
        // The first mutations warm up caches and pools that are then reused; measure from after them.
        constexpr int warmUp = 100;
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
            if (step > warmUp && (step - warmUp) % 1000 == 0) {
                std::printf("RSS after %d mutations (MB): %.1f\n", step - warmUp, residentMb());
                std::fflush(stdout);
            }
        }
        const double end = residentMb();
        std::printf("RSS at the end (MB): %.1f\n", end);
        std::printf("RSS growth (%%): %.1f\n", start > 0 ? (end - start) / start * 100.0 : 0.0);
        std::printf("reminders at the end: %lld\n", static_cast<long long>(reminders.size()));
    }
    std::printf("mutations: %d\n", mutations);
    std::printf("failed mutations: %d\n", failures);
    std::printf("time (s): %.1f\n", double(timer.elapsed()) / 1000.0);
    return 0;
}
