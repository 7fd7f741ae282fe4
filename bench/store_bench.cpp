// Measures the vdir store the way the reminders model uses it: one refresh is lists() followed by
// fetchReminders() over every list. Prints "name: value" lines.
//
//   store_bench [--items N] [--root DIR] [--no-baseline] [--generate DIR] [--root DIR --start-from INDEX]
//
// --items N --generate DIR writes the store it would measure to DIR. --root DIR --start-from INDEX saves the index
// of DIR to INDEX when there is none, and otherwise times one start of a store from it, as a new process.
//
// Without --root it generates N reminders in a temp folder: up to 10,000 in 20 lists of 2 accounts with one in
// five open; more in 50 lists of 5 accounts with 10,000 open. A run of more than 10,000 items first measures
// 10,000 as a baseline and then prints the ratio of each figure to the baseline's, so that growth faster than
// the item count shows.

#include "appearance/Preferences.h"
#include "model/RemindersViewModel.h"
#include "store/VdirStore.h"

#include <QCoreApplication>
#include <QCoro/QCoroTask>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <optional>

#include <ctime>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>

using namespace tolvik;

namespace {

constexpr int baselineItems = 10000;
constexpr int largeOpenItems = 10000;

// The folder layout of a generated store.
struct Layout
{
    int accounts = 2;
    int listsPerAccount = 10;
    int openEvery = 5;

    int lists() const { return accounts * listsPerAccount; }
};

Layout layoutFor(int items)
{
    if (items <= baselineItems) {
        return Layout{};
    }
    return Layout{5, 10, qMax(1, items / largeOpenItems)};
}

const char berlinZone[] = "BEGIN:VTIMEZONE\r\nTZID:Europe/Berlin\r\nBEGIN:DAYLIGHT\r\nTZOFFSETFROM:+0100\r\n"
                          "TZOFFSETTO:+0200\r\nTZNAME:CEST\r\nDTSTART:19700329T020000\r\n"
                          "RRULE:FREQ=YEARLY;BYMONTH=3;BYDAY=-1SU\r\nEND:DAYLIGHT\r\nBEGIN:STANDARD\r\n"
                          "TZOFFSETFROM:+0200\r\nTZOFFSETTO:+0100\r\nTZNAME:CET\r\nDTSTART:19701025T030000\r\n"
                          "RRULE:FREQ=YEARLY;BYMONTH=10;BYDAY=-1SU\r\nEND:STANDARD\r\nEND:VTIMEZONE\r\n";

QByteArray itemText(int index, const Layout& layout)
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
    const bool open = index % layout.openEvery == 0;
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

QString listFolder(const QString& root, const Layout& layout, int list)
{
    return root +
           QStringLiteral("/account%1/list%2").arg(list / layout.listsPerAccount).arg(list % layout.listsPerAccount);
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

// Dates the folders back by `seconds`, as in a store that has been in use for a while. A folder changed within
// the last moments is not trusted to reveal changes through its own timestamp, so every file in it is checked.
void dateFolders(const QString& root, const Layout& layout, time_t seconds)
{
    const timespec then{::time(nullptr) - seconds, 0};
    const timespec times[2] = {then, then};
    for (int list = 0; list < layout.lists(); ++list) {
        ::utimensat(AT_FDCWD, QFile::encodeName(listFolder(root, layout, list)).constData(), times, 0);
    }
}

double cpuMs()
{
    timespec now{};
    ::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

bool generate(const QString& root, int items, const Layout& layout)
{
    for (int account = 0; account < layout.accounts; ++account) {
        const QString accountPath = root + QStringLiteral("/account%1").arg(account);
        if (!QDir().mkpath(accountPath) ||
            !writeBytes(accountPath + QStringLiteral("/displayname"), "Account " + QByteArray::number(account))) {
            return false;
        }
    }
    for (int list = 0; list < layout.lists(); ++list) {
        const QString path = listFolder(root, layout, list);
        if (!QDir().mkpath(path) ||
            !writeBytes(path + QStringLiteral("/displayname"), "List " + QByteArray::number(list)) ||
            !writeBytes(path + QStringLiteral("/color"), "#3A7BD5")) {
            return false;
        }
    }
    for (int i = 0; i < items; ++i) {
        const QString path = listFolder(root, layout, i % layout.lists()) + QStringLiteral("/item-%1.ics").arg(i);
        if (!writeBytes(path, itemText(i, layout))) {
            return false;
        }
    }
    return true;
}

struct Refresh
{
    double ms = 0;
    QList<StoreList> lists;
    StoreReminderBatch reminders;
};

Refresh refresh(VdirStore& store)
{
    QElapsedTimer timer;
    timer.start();
    Refresh result;
    result.lists = QCoro::waitFor(store.lists());
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

double peakRssMb()
{
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0;
}

const char startFigure[] = "start-up with the saved index, this process (ms)";
const char startParsedFigure[] = "files parsed";
const char startPeakFigure[] = "peak RSS of the start-up process (MB)";

// The value printed as "name: value" in `output`, or -1.
double figureIn(const QByteArray& output, const char* name)
{
    const QByteArray prefix = QByteArray(name) + ": ";
    for (const QByteArray& line : output.split('\n')) {
        if (line.startsWith(prefix)) {
            return line.mid(prefix.size()).toDouble();
        }
    }
    return -1;
}

// The figures of one store, in the order they are printed; the ones a run cannot measure stay negative.
struct Figures
{
    double coldMs = -1;
    double coldCpuMs = -1;
    double warmMs = -1;
    double checkedMs = -1;
    double oneChangedMs = -1;
    double oneChangedCpuMs = -1;
    double peakRssMb = -1;
    double indexSaveMs = -1;
    double indexedStartMs = -1;
    qsizetype indexedParsed = -1;
    double indexedPeakRssMb = -1;
    qsizetype accounts = 0;
    qsizetype lists = 0;
    qsizetype reminders = 0;
    qsizetype open = 0;
    qsizetype parsedCold = 0;
    qsizetype skipped = 0;
};

std::optional<Figures> measure(QString root, int items)
{
    const Layout layout = layoutFor(items);
    QTemporaryDir temp;
    const bool generated = root.isEmpty();
    if (generated) {
        root = temp.filePath(QStringLiteral("calendars"));
        if (!temp.isValid() || items < 0 || !generate(root, items, layout)) {
            std::fprintf(stderr, "could not generate the test store in %s\n", qPrintable(temp.path()));
            return std::nullopt;
        }
    }
    std::printf("store: %s\n", qPrintable(root));
    std::fflush(stdout);

    Figures figures;
    QTemporaryDir cache;
    const QString indexPath = cache.filePath(QStringLiteral("index.bin"));
    VdirStore store(root);
    store.setIndexPath(indexPath);
    const double cpuBefore = cpuMs();
    const Refresh cold = refresh(store);
    figures.coldMs = cold.ms;
    figures.coldCpuMs = cpuMs() - cpuBefore;
    figures.parsedCold = store.parsedFileCount();
    QElapsedTimer saving;
    saving.start();
    store.saveIndex();
    figures.indexSaveMs = double(saving.nsecsElapsed()) / 1e6;

    // A folder that changed a moment ago is not trusted, so a refresh checks each file's status.
    if (generated) {
        QList<double> checked;
        for (int run = 0; run < 5; ++run) {
            dateFolders(root, layout, 0);
            checked.append(refresh(store).ms);
        }
        figures.checkedMs = median(checked);
        dateFolders(root, layout, 3600);
        refresh(store);
    }
    QList<double> warm;
    for (int run = 0; run < 7; ++run) {
        warm.append(refresh(store).ms);
    }
    figures.warmMs = median(warm);

    if (generated && items > 0) {
        QList<double> oneChanged;
        QList<double> oneChangedCpu;
        for (int run = 0; run < 7; ++run) {
            // Files of one list, as when the user edits reminders in another client.
            const int index = (run * layout.lists()) % items;
            const QString path = listFolder(root, layout, 0) + QStringLiteral("/item-%1.ics").arg(index);
            replaceBytes(path, itemText(index, layout).replace("SUMMARY:Reminder", "SUMMARY:Changed reminder"));
            const double before = cpuMs();
            oneChanged.append(refresh(store).ms);
            oneChangedCpu.append(cpuMs() - before);
        }
        figures.oneChangedMs = median(oneChanged);
        figures.oneChangedCpuMs = median(oneChangedCpu);
    }

    QSet<QString> accounts;
    for (const StoreList& list : std::as_const(cold.lists)) {
        accounts.insert(list.account.id);
    }
    figures.accounts = accounts.size();
    figures.lists = cold.lists.size();
    figures.reminders = cold.reminders.size();
    figures.open = std::count_if(cold.reminders.cbegin(), cold.reminders.cend(),
                                 [](const StoreReminder& reminder) { return !reminder.isCompleted; });
    figures.skipped = store.skippedFileCount();
    figures.peakRssMb = peakRssMb();

    // A start of the app: a process of its own whose store starts from the index this one saved, so that neither
    // this process's warm heap nor its store is counted.
    QList<double> starts;
    QList<double> startPeaks;
    for (int run = 0; run < 3; ++run) {
        QProcess started;
        started.start(QCoreApplication::applicationFilePath(),
                      {QStringLiteral("--root"), root, QStringLiteral("--start-from"), indexPath});
        if (!started.waitForFinished(600000) || started.exitCode() != 0) {
            std::fprintf(stderr, "the start from the saved index failed\n");
            return std::nullopt;
        }
        const QByteArray output = started.readAllStandardOutput();
        starts.append(figureIn(output, startFigure));
        startPeaks.append(figureIn(output, startPeakFigure));
        figures.indexedParsed = qsizetype(figureIn(output, startParsedFigure));
    }
    figures.indexedStartMs = median(starts);
    figures.indexedPeakRssMb = median(startPeaks);
    return figures;
}

void printFigures(const Figures& f)
{
    print("cold first refresh (ms)", f.coldMs);
    print("cold first refresh, CPU time of all threads (ms)", f.coldCpuMs);
    print("warm refresh, nothing changed (ms, median of 7)", f.warmMs);
    if (f.checkedMs >= 0) {
        print("warm refresh checking every file, as once a minute (ms, median of 5)", f.checkedMs);
    }
    if (f.oneChangedMs >= 0) {
        print("refresh after one file changed (ms, median of 7)", f.oneChangedMs);
        print("refresh after one file changed, CPU time (ms, median of 7)", f.oneChangedCpuMs);
    }
    print("peak RSS (MB)", f.peakRssMb);
    print("saving the index (ms)", f.indexSaveMs);
    print("start-up with the saved index, in a new process (ms, median of 3)", f.indexedStartMs);
    print("files parsed in a start-up with the saved index", f.indexedParsed);
    print("peak RSS of a start-up with the saved index (MB, median of 3)", f.indexedPeakRssMb);
    print("accounts", f.accounts);
    print("lists", f.lists);
    print("reminders loaded", f.reminders);
    print("open reminders loaded", f.open);
    print("files parsed in the cold refresh", f.parsedCold);
    print("files skipped", f.skipped);
}

void printRatio(const char* name, double large, double base)
{
    if (large >= 0 && base > 0) {
        std::printf("ratio %s: %.2f\n", name, large / base);
    }
}

QByteArray eventText(int index)
{
    const QByteArray n = QByteArray::number(index);
    return "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//bench//EN\r\nBEGIN:VEVENT\r\nUID:event-" + n +
           "\r\nDTSTAMP:20250101T000000Z\r\nDTSTART:20250101T090000Z\r\nSUMMARY:Meeting " + n +
           "\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n";
}

double threadCpuMs()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

// The longest stretch in which the main thread did not get back to its event loop during one model refresh
// after a file changed: a timer that fires as often as it can measures the gaps. The median of five refreshes,
// each after another change; beside it, the main thread's own CPU time within that stretch, which tells work
// on the main thread apart from waiting for a core behind the workers.
double longestMainThreadBusyMs(const QString& root, const QString& changedPath, const QByteArray& changedText)
{
    QTemporaryDir settings;
    Preferences preferences(settings.filePath(QStringLiteral("prefs.ini")));
    RemindersViewModel model(new VdirStore(root), preferences);
    QCoro::waitFor(model.refresh());
    QCoro::waitFor(model.refresh());

    QElapsedTimer clock;
    qint64 last = 0;
    double lastCpu = 0;
    qint64 longest = 0;
    double longestCpu = 0;
    const auto gapEnds = [&] {
        const qint64 now = clock.nsecsElapsed();
        const double cpu = threadCpuMs();
        if (now - last > longest) {
            longest = now - last;
            longestCpu = cpu - lastCpu;
        }
        last = now;
        lastCpu = cpu;
    };
    QTimer tick;
    tick.setInterval(0);
    QObject::connect(&tick, &QTimer::timeout, gapEnds);
    const auto measureOnce = [&](const auto& work) {
        longest = 0;
        longestCpu = 0;
        clock.start();
        last = 0;
        lastCpu = threadCpuMs();
        tick.start();
        work();
        tick.stop();
        gapEnds();
        return double(longest) / 1e6;
    };
    QList<double> modelMs;
    QList<double> modelCpu;
    QList<double> storeAlone;
    VdirStore store(root);
    refresh(store);
    for (int run = 0; run < 5; ++run) {
        replaceBytes(changedPath, QByteArray(changedText).replace("SUMMARY:", "SUMMARY:" + QByteArray::number(run)));
        modelMs.append(measureOnce([&] { QCoro::waitFor(model.refresh()); }));
        modelCpu.append(longestCpu);
        replaceBytes(changedPath,
                     QByteArray(changedText).replace("SUMMARY:", "SUMMARY:Again " + QByteArray::number(run)));
        storeAlone.append(measureOnce([&] { refresh(store); }));
    }
    std::printf("  of which the main thread's own CPU time (ms, median of 5): %.2f\n", median(modelCpu));
    std::printf("  the store's lists() and fetch alone (ms, median of 5): %.2f\n", median(storeAlone));
    return median(modelMs);
}

// 10,000 items in 20 lists next to a calendar of 10,000 events that another program keeps in the same root.
double busyWithEventFolder()
{
    QTemporaryDir temp;
    const QString root = temp.filePath(QStringLiteral("calendars"));
    const Layout layout;
    const QString events = root + QStringLiteral("/khal/events");
    if (!generate(root, baselineItems, layout) || !QDir().mkpath(events)) {
        return -1;
    }
    for (int i = 0; i < 10000; ++i) {
        writeBytes(events + QStringLiteral("/event-%1.ics").arg(i), eventText(i));
    }
    return longestMainThreadBusyMs(root, listFolder(root, layout, 0) + QStringLiteral("/item-0.ics"),
                                   itemText(0, layout).replace("SUMMARY:", "SUMMARY:Changed "));
}

// 10,000 items in 1,000 lists of 10 accounts.
double busyWithManyLists()
{
    QTemporaryDir temp;
    const QString root = temp.filePath(QStringLiteral("calendars"));
    const Layout layout{10, 100, 5};
    if (!generate(root, baselineItems, layout)) {
        return -1;
    }
    return longestMainThreadBusyMs(root, listFolder(root, layout, 0) + QStringLiteral("/item-0.ics"),
                                   itemText(0, layout).replace("SUMMARY:", "SUMMARY:Changed "));
}

// The app's start: a process of its own whose store starts from an index saved by another, so that the peak RSS
// is the start's alone. Saves the index first when there is none at `indexPath`.
int startFromIndex(const QString& root, const QString& indexPath)
{
    if (!QFile::exists(indexPath)) {
        VdirStore store(root);
        store.setIndexPath(indexPath);
        refresh(store);
        return store.saveIndex() ? 0 : 1;
    }
    const double cpuBefore = cpuMs();
    VdirStore store(root);
    store.setIndexPath(indexPath);
    const Refresh started = refresh(store);
    print(startFigure, started.ms);
    print("start-up with the saved index, CPU time of all threads (ms)", cpuMs() - cpuBefore);
    print(startParsedFigure, qsizetype(store.parsedFileCount()));
    print("reminders loaded", started.reminders.size());
    print(startPeakFigure, peakRssMb());
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    int items = baselineItems;
    QString root;
    bool baseline = true;
    const QStringList args = app.arguments();
    for (qsizetype i = 1; i < args.size(); ++i) {
        if (args.at(i) == QLatin1String("--items") && i + 1 < args.size()) {
            items = args.at(++i).toInt();
        } else if (args.at(i) == QLatin1String("--root") && i + 1 < args.size()) {
            root = args.at(++i);
        } else if (args.at(i) == QLatin1String("--no-baseline")) {
            baseline = false;
        } else if (args.at(i) == QLatin1String("--start-from") && i + 1 < args.size() && !root.isEmpty()) {
            return startFromIndex(root, args.at(++i));
        } else if (args.at(i) == QLatin1String("--generate") && i + 1 < args.size()) {
            // A store to measure again and again with --root, or to profile.
            return generate(args.at(++i), items, layoutFor(items)) ? 0 : 1;
        } else {
            std::fprintf(stderr, "usage: store_bench [--items N] [--root DIR] [--no-baseline] [--generate DIR] [--root "
                                 "DIR --start-from INDEX]\n");
            return 2;
        }
    }

    std::optional<Figures> base;
    if (baseline && root.isEmpty() && items > baselineItems) {
        std::printf("== %d items (baseline)\n", baselineItems);
        base = measure(QString(), baselineItems);
        if (!base) {
            return 1;
        }
        printFigures(*base);
        std::printf("== %d items\n", items);
    }
    const std::optional<Figures> figures = measure(root, items);
    if (!figures) {
        return 1;
    }
    printFigures(*figures);
    if (root.isEmpty() && items == baselineItems) {
        print("longest main-thread busy time in a model refresh, 10,000 items and a 10,000-event folder (ms, median of "
              "5)",
              busyWithEventFolder());
        print("longest main-thread busy time in a model refresh, 10,000 items in 1,000 lists (ms, median of 5)",
              busyWithManyLists());
    }
    if (base) {
        std::printf("== ratios of %d to %d items (item ratio %.1f)\n", items, baselineItems,
                    double(items) / baselineItems);
        printRatio("cold first refresh", figures->coldMs, base->coldMs);
        printRatio("cold first refresh, CPU time", figures->coldCpuMs, base->coldCpuMs);
        printRatio("warm refresh, nothing changed", figures->warmMs, base->warmMs);
        printRatio("warm refresh checking every file", figures->checkedMs, base->checkedMs);
        printRatio("refresh after one file changed", figures->oneChangedMs, base->oneChangedMs);
        printRatio("refresh after one file changed, CPU time", figures->oneChangedCpuMs, base->oneChangedCpuMs);
        printRatio("peak RSS", figures->peakRssMb, base->peakRssMb);
        printRatio("start-up with the saved index", figures->indexedStartMs, base->indexedStartMs);
    }
    return 0;
}
