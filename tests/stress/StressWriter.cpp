// The other process in the stress tests.
//
//   stress_writer mutate ROOT SEED          saves, moves and completes reminders on a store until killed
//   stress_writer rewrite FOLDER MS         rewrites the folder's "ext-" files by rename, as sync tools do, and
//                                           adds new ones, for MS milliseconds; prints "rounds R created N"
//   stress_writer burst FOLDER CHANGES MS   makes CHANGES file changes spread over MS milliseconds; prints the
//                                           number of files it left
//   stress_writer inplace FILE WRITES US    rewrites FILE in place WRITES times, as editors and some tools do:
//                                           open, read, raise its X-COUNT by one, write it back, close, pausing
//                                           US microseconds between the read and the write and after the
//                                           close; prints "writes N"
//   stress_writer race ROOT WRITES US       measures lost in-place writes: runs "inplace" with WRITES and US
//                                           on a reminder while a store edits the same reminder over and over;
//                                           prints how many of the in-place writes were lost, per 100,000
//
// "ready" on standard output tells the test that the work has begun; "mutate" also prints "round" after each round
// of saves, so that a test can tell how far it got.

#include "store/VdirStore.h"
#include "store/VdirWriter.h"

#include <QCoreApplication>
#include <QCoro/QCoroTask>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QThread>

#include <cstdio>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace tolvik;

namespace {

void announce(const char* text)
{
    std::printf("%s\n", text);
    std::fflush(stdout);
}

int mutate(const QString& root, quint32 seed)
{
    QRandomGenerator random(seed);
    VdirStore store(root);
    // The index is saved after every round, so that kills land in the middle of saves as well.
    store.setIndexPath(QFileInfo(root).path() + QStringLiteral("/index.bin"));
    QStringList listIDs;
    for (const StoreList& list : QCoro::waitFor(store.lists())) {
        listIDs.append(list.id);
    }
    if (listIDs.size() < 2) {
        return 1;
    }
    announce("ready");
    for (quint64 round = 0;; ++round) {
        const QList<StoreReminder> reminders = QCoro::waitFor(store.fetchReminders(listIDs));
        if (reminders.isEmpty()) {
            return 1;
        }
        for (int step = 0; step < 4; ++step) {
            StoreReminder reminder = reminders.at(random.bounded(int(reminders.size())));
            switch (random.bounded(3)) {
            case 0:
                reminder.title = QStringLiteral("Edited %1.%2").arg(round).arg(step);
                reminder.notes = QStringLiteral("round %1").arg(round);
                break;
            case 1:
                reminder.listID = listIDs.at(random.bounded(int(listIDs.size())));
                break;
            default:
                reminder.isCompleted = !reminder.isCompleted;
                reminder.completionDate.reset();
                break;
            }
            // A reminder moved or changed by an earlier step is stale; the store refuses it, which is fine.
            store.saveReminder(reminder);
        }
        store.saveIndex();
        announce("round");
    }
}

bool writeAtomically(const QString& path, const QByteArray& bytes)
{
    // Plain system calls: the burst must be fast enough to pack thousands of changes into a second.
    const QByteArray target = QFile::encodeName(path);
    const QByteArray temp = QFile::encodeName(QFileInfo(path).path() + QStringLiteral("/.") +
                                              QFileInfo(path).fileName() + QStringLiteral(".writer.tmp"));
    const int fd = ::open(temp.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0) {
        return false;
    }
    const bool written = ::write(fd, bytes.constData(), size_t(bytes.size())) == ssize_t(bytes.size());
    return ::close(fd) == 0 && written && ::rename(temp.constData(), target.constData()) == 0;
}

QByteArray todo(const QString& uid, const QString& summary)
{
    return QStringLiteral("BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//stress writer//EN\r\nBEGIN:VTODO\r\n"
                          "UID:%1\r\nDTSTAMP:20240101T000000Z\r\nSUMMARY:%2\r\nX-STRESS-WRITER:yes\r\n"
                          "END:VTODO\r\nEND:VCALENDAR\r\n")
        .arg(uid, summary)
        .toUtf8();
}

int rewrite(const QString& folder, int durationMs)
{
    const QStringList owned = QDir(folder).entryList({QStringLiteral("ext-*.ics")}, QDir::Files, QDir::Name);
    announce("ready");
    QElapsedTimer timer;
    timer.start();
    int round = 0;
    int created = 0;
    while (timer.elapsed() < durationMs) {
        ++round;
        for (const QString& name : owned) {
            const QString uid = name.chopped(4);
            if (!writeAtomically(folder + QLatin1Char('/') + name,
                                 todo(uid, QStringLiteral("%1 round %2").arg(uid).arg(round)))) {
                return 1;
            }
        }
        if (round % 5 == 0) {
            const QString uid = QStringLiteral("new-%1").arg(created++);
            writeAtomically(folder + QLatin1Char('/') + uid + QStringLiteral(".ics"), todo(uid, uid));
        }
        QThread::msleep(5);
    }
    std::printf("rounds %d created %d\n", round, created);
    return 0;
}

int burst(const QString& folder, int changes, int durationMs)
{
    // A fifth of the changes make new files, the rest rewrite them, in slices spread over the duration.
    const int files = qMax(1, changes / 5);
    constexpr int slices = 20;
    announce("ready");
    QElapsedTimer timer;
    timer.start();
    for (int change = 0; change < changes; ++change) {
        const int file = change % files;
        const int version = change / files;
        const QString uid = QStringLiteral("burst-%1").arg(file);
        if (!writeAtomically(folder + QLatin1Char('/') + uid + QStringLiteral(".ics"),
                             todo(uid, QStringLiteral("%1 v%2").arg(uid).arg(version)))) {
            return 1;
        }
        const int slice = (change + 1) * slices / changes;
        const qint64 due = qint64(slice) * durationMs / slices;
        if (timer.elapsed() < due && (change + 1) % (changes / slices) == 0) {
            QThread::msleep(quint64(due - timer.elapsed()));
        }
    }
    std::printf("files %d\n", files);
    return 0;
}

QByteArray counted(qint64 count)
{
    return "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//stress writer//EN\r\nBEGIN:VTODO\r\nUID:race\r\n"
           "DTSTAMP:20240101T000000Z\r\nSUMMARY:Race\r\nX-COUNT:" +
           QByteArray::number(count) + "\r\nEND:VTODO\r\nEND:VCALENDAR\r\n";
}

qint64 countIn(const QByteArray& bytes)
{
    const qsizetype at = bytes.indexOf("X-COUNT:");
    return at < 0 ? -1 : bytes.mid(at + 8, bytes.indexOf('\r', at) - at - 8).toLongLong();
}

int inplace(const QString& file, qint64 writes, int pauseUs)
{
    const QByteArray path = QFile::encodeName(file);
    announce("ready");
    qint64 done = 0;
    for (qint64 i = 0; i < writes; ++i) {
        const int fd = ::open(path.constData(), O_RDWR | O_CLOEXEC);
        if (fd < 0) {
            continue;
        }
        QByteArray bytes(64 * 1024, '\0');
        const ssize_t n = ::read(fd, bytes.data(), size_t(bytes.size()));
        bytes.truncate(qMax<ssize_t>(n, 0));
        const qint64 count = countIn(bytes);
        if (count >= 0) {
            if (pauseUs > 0) {
                QThread::usleep(quint64(pauseUs));
            }
            const qsizetype at = bytes.indexOf("X-COUNT:") + 8;
            bytes = bytes.left(at) + QByteArray::number(count + 1) + bytes.mid(bytes.indexOf('\r', at));
            if (::pwrite(fd, bytes.constData(), size_t(bytes.size()), 0) == ssize_t(bytes.size()) &&
                ::ftruncate(fd, bytes.size()) == 0) {
                ++done;
            }
        }
        ::close(fd);
        if (pauseUs > 0) {
            QThread::usleep(quint64(pauseUs));
        }
    }
    std::printf("writes %lld\n", static_cast<long long>(done));
    return 0;
}

int race(const QString& root, qint64 writes, int pauseUs)
{
    const QString folder = root + QStringLiteral("/acc/race");
    if (!QDir().mkpath(folder)) {
        return 1;
    }
    const QString file = folder + QStringLiteral("/race.ics");
    QFile out(file);
    if (!out.open(QIODevice::WriteOnly) || out.write(counted(0)) < 0) {
        return 1;
    }
    out.close();
    VdirStore store(root);
    const QList<StoreList> lists = QCoro::waitFor(store.lists());
    QProcess writer;
    writer.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    writer.start(QCoreApplication::applicationFilePath(),
                 {QStringLiteral("inplace"), file, QString::number(writes), QString::number(pauseUs)});
    if (!writer.waitForReadyRead(30000)) {
        return 1;
    }
    qint64 saves = 0;
    qint64 failed = 0;
    while (writer.state() == QProcess::Running) {
        const QList<StoreReminder> reminders = QCoro::waitFor(store.fetchReminders({lists.first().id}));
        if (reminders.isEmpty()) {
            continue;
        }
        StoreReminder edited = reminders.first();
        edited.title = QStringLiteral("Race %1").arg(saves);
        ++saves;
        failed += store.saveReminder(edited).ok() ? 0 : 1;
        writer.waitForFinished(0);
    }
    writer.waitForFinished(-1);
    const auto done =
        QRegularExpression(QStringLiteral("writes (\\d+)")).match(QString::fromUtf8(writer.readAllStandardOutput()));
    QFile in(file);
    if (!done.hasMatch() || !in.open(QIODevice::ReadOnly)) {
        return 1;
    }
    const qint64 written = done.captured(1).toLongLong();
    const qint64 kept = countIn(in.readAll());
    const qint64 lost = written - kept;
    const VdirWriter::FenceCounts fence = VdirWriter::fenceCounts();
    std::printf("in-place writes %lld, kept %lld, lost %lld (%.1f per 100,000); store saves %lld, failed %lld; "
                "fenced %llu, unfenced %llu, stood back %llu\n",
                static_cast<long long>(written), static_cast<long long>(kept), static_cast<long long>(lost),
                written > 0 ? 100000.0 * double(lost) / double(written) : 0.0, static_cast<long long>(saves),
                static_cast<long long>(failed), static_cast<unsigned long long>(fence.fenced),
                static_cast<unsigned long long>(fence.unfenced), static_cast<unsigned long long>(fence.stoodBack));
    return lost == 0 ? 0 : 3;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 4 && args.at(1) == QLatin1String("mutate")) {
        return mutate(args.at(2), args.at(3).toUInt());
    }
    if (args.size() == 4 && args.at(1) == QLatin1String("rewrite")) {
        return rewrite(args.at(2), args.at(3).toInt());
    }
    if (args.size() == 5 && args.at(1) == QLatin1String("burst")) {
        return burst(args.at(2), args.at(3).toInt(), args.at(4).toInt());
    }
    if (args.size() == 5 && args.at(1) == QLatin1String("inplace")) {
        return inplace(args.at(2), args.at(3).toLongLong(), args.at(4).toInt());
    }
    if (args.size() == 5 && args.at(1) == QLatin1String("race")) {
        return race(args.at(2), args.at(3).toLongLong(), args.at(4).toInt());
    }
    std::fprintf(stderr, "usage: stress_writer mutate ROOT SEED | rewrite FOLDER MS | burst FOLDER CHANGES MS | "
                         "inplace FILE WRITES US | race ROOT WRITES US\n");
    return 2;
}
