// Measures the vdir store the way the reminders model uses it: one refresh is lists() followed by
// fetchReminders() over every list. Prints "name: value" lines.
//
//   store_bench [--items N] [--root DIR]
//
// Without --root it generates N reminders (one in five open) in 20 lists of 2 accounts in a temp folder.

#include "store/VdirStore.h"

#include <QCoreApplication>
#include <QCoro/QCoroTask>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <cstdio>

#include <ctime>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>

using namespace tolvik;

namespace {

constexpr int accountCount = 2;
constexpr int listsPerAccount = 10;

const char berlinZone[] = "BEGIN:VTIMEZONE\r\nTZID:Europe/Berlin\r\nBEGIN:DAYLIGHT\r\nTZOFFSETFROM:+0100\r\n"
                          "TZOFFSETTO:+0200\r\nTZNAME:CEST\r\nDTSTART:19700329T020000\r\n"
                          "RRULE:FREQ=YEARLY;BYMONTH=3;BYDAY=-1SU\r\nEND:DAYLIGHT\r\nBEGIN:STANDARD\r\n"
                          "TZOFFSETFROM:+0200\r\nTZOFFSETTO:+0100\r\nTZNAME:CET\r\nDTSTART:19701025T030000\r\n"
                          "RRULE:FREQ=YEARLY;BYMONTH=10;BYDAY=-1SU\r\nEND:STANDARD\r\nEND:VTIMEZONE\r\n";

QByteArray itemText(int index)
{
    const QByteArray n = QByteArray::number(index);
    const QByteArray day = QByteArray::number(20250101 + index % 28);
    QByteArray due;
    QByteArray zone;
    switch (index % 4) {
    case 0:
        due = "DUE:" + day + "T090000Z\r\n";
        break;
    case 1:
        due = "DUE;TZID=Europe/Berlin:" + day + "T100000\r\n";
        zone = berlinZone;
        break;
    case 2:
        due = "DUE:" + day + "T113000\r\n";
        break;
    default:
        due = "DUE;VALUE=DATE:" + day + "\r\n";
        break;
    }
    const bool open = index % 5 == 0;
    QByteArray text = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//bench//EN\r\n" + zone + "BEGIN:VTODO\r\nUID:bench-" +
                      n + "\r\nDTSTAMP:20250101T000000Z\r\nCREATED:20250101T000000Z\r\nSUMMARY:Reminder number " + n +
                      "\r\n" + due + "PRIORITY:" + QByteArray::number(index % 10) + "\r\n";
    if (index % 5 == 1) {
        text += "DESCRIPTION:Some notes for reminder " + n + "\\, with a second clause and a few more words.\r\n";
    }
    if (!open) {
        text += "STATUS:COMPLETED\r\nCOMPLETED:20250102T080000Z\r\nPERCENT-COMPLETE:100\r\n";
    }
    return text + "END:VTODO\r\nEND:VCALENDAR\r\n";
}

QString listFolder(const QString& root, int list)
{
    return root + QStringLiteral("/account%1/list%2").arg(list / listsPerAccount).arg(list % listsPerAccount);
}

bool writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

// Changes a file the way sync tools and calendar clients do: a temp file renamed over it.
bool replaceBytes(const QString& path, const QByteArray& bytes)
{
    const QString temp = path + QStringLiteral(".tmp");
    return writeBytes(temp, bytes) &&
           ::rename(QFile::encodeName(temp).constData(), QFile::encodeName(path).constData()) == 0;
}

// Dates the folders back by an hour, as in a store that has been in use for a while. A folder changed within
// the last moments is not trusted to reveal changes through its own timestamp, so every file in it is checked.
void ageFolders(const QString& root)
{
    const timespec anHourAgo{::time(nullptr) - 3600, 0};
    const timespec times[2] = {anHourAgo, anHourAgo};
    for (int list = 0; list < accountCount * listsPerAccount; ++list) {
        ::utimensat(AT_FDCWD, QFile::encodeName(listFolder(root, list)).constData(), times, 0);
    }
}

double cpuMs()
{
    timespec now{};
    ::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

bool generate(const QString& root, int items)
{
    for (int account = 0; account < accountCount; ++account) {
        const QString accountPath = root + QStringLiteral("/account%1").arg(account);
        if (!QDir().mkpath(accountPath) ||
            !writeBytes(accountPath + QStringLiteral("/displayname"), "Account " + QByteArray::number(account))) {
            return false;
        }
    }
    for (int list = 0; list < accountCount * listsPerAccount; ++list) {
        const QString path = listFolder(root, list);
        if (!QDir().mkpath(path) ||
            !writeBytes(path + QStringLiteral("/displayname"), "List " + QByteArray::number(list)) ||
            !writeBytes(path + QStringLiteral("/color"), "#3A7BD5")) {
            return false;
        }
    }
    for (int i = 0; i < items; ++i) {
        const QString path =
            listFolder(root, i % (accountCount * listsPerAccount)) + QStringLiteral("/item-%1.ics").arg(i);
        if (!writeBytes(path, itemText(i))) {
            return false;
        }
    }
    return true;
}

struct Refresh
{
    double ms = 0;
    QList<StoreList> lists;
    QList<StoreReminder> reminders;
};

Refresh refresh(VdirStore& store)
{
    QElapsedTimer timer;
    timer.start();
    Refresh result;
    result.lists = store.lists();
    QStringList ids;
    ids.reserve(result.lists.size());
    for (const StoreList& list : std::as_const(result.lists)) {
        ids.append(list.id);
    }
    result.reminders = QCoro::waitFor(store.fetchReminders(ids));
    result.ms = double(timer.nsecsElapsed()) / 1e6;
    return result;
}

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values.isEmpty() ? 0 : values.at(values.size() / 2);
}

void print(const char* name, double value)
{
    std::printf("%s: %.1f\n", name, value);
}

void print(const char* name, qsizetype value)
{
    std::printf("%s: %lld\n", name, static_cast<long long>(value));
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    int items = 10000;
    QString root;
    const QStringList args = app.arguments();
    for (qsizetype i = 1; i < args.size(); ++i) {
        if (args.at(i) == QLatin1String("--items") && i + 1 < args.size()) {
            items = args.at(++i).toInt();
        } else if (args.at(i) == QLatin1String("--root") && i + 1 < args.size()) {
            root = args.at(++i);
        } else {
            std::fprintf(stderr, "usage: store_bench [--items N] [--root DIR]\n");
            return 2;
        }
    }

    QTemporaryDir temp;
    const bool generated = root.isEmpty();
    if (generated) {
        root = temp.filePath(QStringLiteral("calendars"));
        if (!temp.isValid() || items < 0 || !generate(root, items)) {
            std::fprintf(stderr, "could not generate the test store in %s\n", qPrintable(temp.path()));
            return 1;
        }
    }

    VdirStore store(root);
    const double cpuBefore = cpuMs();
    const Refresh cold = refresh(store);
    const double coldCpu = cpuMs() - cpuBefore;
    const int parsedCold = store.parsedFileCount();

    // Right after generating, every folder is fresh, so a refresh checks each file's status.
    QList<double> checked;
    if (generated) {
        for (int run = 0; run < 5; ++run) {
            checked.append(refresh(store).ms);
        }
        ageFolders(root);
        refresh(store);
    }
    QList<double> warm;
    for (int run = 0; run < 7; ++run) {
        warm.append(refresh(store).ms);
    }

    QList<double> oneChanged;
    QList<double> oneChangedCpu;
    if (generated && items > 0) {
        for (int run = 0; run < 7; ++run) {
            // Files of one list, as when the user edits reminders in another client.
            const int index = (run * accountCount * listsPerAccount) % items;
            const QString path = listFolder(root, 0) + QStringLiteral("/item-%1.ics").arg(index);
            replaceBytes(path, itemText(index).replace("SUMMARY:Reminder", "SUMMARY:Changed reminder"));
            const double before = cpuMs();
            oneChanged.append(refresh(store).ms);
            oneChangedCpu.append(cpuMs() - before);
        }
    }

    QSet<QString> accounts;
    for (const StoreList& list : std::as_const(cold.lists)) {
        accounts.insert(list.account.id);
    }
    const qsizetype open = std::count_if(cold.reminders.cbegin(), cold.reminders.cend(),
                                         [](const StoreReminder& reminder) { return !reminder.isCompleted; });
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);

    std::printf("store: %s\n", qPrintable(root));
    print("cold first refresh (ms)", cold.ms);
    print("cold first refresh, CPU time of all threads (ms)", coldCpu);
    print("warm refresh, nothing changed (ms, median of 7)", median(warm));
    if (!checked.isEmpty()) {
        print("warm refresh checking every file, as once a minute (ms, median of 5)", median(checked));
    }
    if (!oneChanged.isEmpty()) {
        print("refresh after one file changed (ms, median of 7)", median(oneChanged));
        print("refresh after one file changed, CPU time (ms, median of 7)", median(oneChangedCpu));
    }
    print("peak RSS (MB)", double(usage.ru_maxrss) / 1024.0);
    print("accounts", qsizetype(accounts.size()));
    print("lists", cold.lists.size());
    print("reminders loaded", cold.reminders.size());
    print("open reminders loaded", open);
    print("files parsed in the cold refresh", qsizetype(parsedCold));
    print("files skipped", qsizetype(store.skippedFileCount()));
    return 0;
}
