// The other process in the stress tests.
//
//   stress_writer mutate ROOT SEED          saves, moves and completes reminders on a store until killed
//   stress_writer rewrite FOLDER MS         rewrites the folder's "ext-" files by rename, as sync tools do, and
//                                           adds new ones, for MS milliseconds; prints "rounds R created N"
//   stress_writer burst FOLDER CHANGES MS   makes CHANGES file changes spread over MS milliseconds; prints the
//                                           number of files it left
//
// "ready" on standard output tells the test that the work has begun; "mutate" also prints "round" after each round
// of saves, so that a test can tell how far it got.

#include "store/VdirStore.h"

#include <QCoreApplication>
#include <QCoro/QCoroTask>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
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
    std::fprintf(stderr, "usage: stress_writer mutate ROOT SEED | rewrite FOLDER MS | burst FOLDER CHANGES MS\n");
    return 2;
}
