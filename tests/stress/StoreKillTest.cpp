// Kills a process that is saving, moving and completing reminders, at random moments, again and again, and
// checks after each kill that the folders still hold every item exactly once, each in a file that reads.

#include "TestSupport.h"
#include "store/TodoDocument.h"
#include "store/VdirScanner.h"
#include "store/VdirStore.h"

#include <QCoro/QCoroTask>
#include <QDir>
#include <QHash>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <csignal>

using namespace tolvik;

namespace {

constexpr int killCount = 200;
constexpr int itemCount = 24;
const QStringList listIDs{QStringLiteral("work/inbox"), QStringLiteral("work/later"), QStringLiteral("home/chores")};

QByteArray todo(int index)
{
    return QStringLiteral("BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//kill test//EN\r\nBEGIN:VTODO\r\n"
                          "UID:kill-%1\r\nDTSTAMP:20240101T000000Z\r\nSUMMARY:Item %1\r\nDUE:20240301T090000Z\r\n"
                          "X-KEEP-ME;X-PARAM=1:value %1\r\nBEGIN:VALARM\r\nACTION:DISPLAY\r\nDESCRIPTION:Soon\r\n"
                          "TRIGGER:-PT15M\r\nEND:VALARM\r\nEND:VTODO\r\nEND:VCALENDAR\r\n")
        .arg(index)
        .toUtf8();
}

struct FolderState
{
    QHash<QString, QStringList> listsOfUid;
    QHash<QString, QString> titleOfUid;
    int tempFiles = 0;
    QStringList faults;
};

FolderState inspect(const QString& root)
{
    FolderState state;
    for (const QString& listID : listIDs) {
        const QDir folder(root + QLatin1Char('/') + listID);
        for (const QString& name : folder.entryList(QDir::Files | QDir::Hidden)) {
            if (name.endsWith(QLatin1String(".tmp"))) {
                ++state.tempFiles;
                continue;
            }
            if (!VdirScanner::isItemFileName(name)) {
                continue;
            }
            const QByteArray bytes = test::readFile(folder.filePath(name));
            const auto document = TodoDocument::parse(bytes);
            if (!document || document->hasParseErrors() || !bytes.contains("X-KEEP-ME;X-PARAM=1:value") ||
                !bytes.contains("BEGIN:VALARM")) {
                state.faults.append(listID + QLatin1Char('/') + name + QStringLiteral(" does not read whole"));
                continue;
            }
            state.listsOfUid[document->uid()].append(listID);
            state.titleOfUid.insert(document->uid(), document->toReminder().title);
        }
    }
    return state;
}

// Reads the process's output until a line `line` arrives; false if it ends or stays silent for 30 s first.
bool waitForLine(QProcess& process, const QByteArray& line)
{
    for (;;) {
        while (process.canReadLine()) {
            if (process.readLine().trimmed() == line) {
                return true;
            }
        }
        if (!process.waitForReadyRead(30000)) {
            return false;
        }
    }
}

} // namespace

class StoreKillTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shouldKeepEveryItemExactlyOnceThroughRepeatedKills()
    {
        QTemporaryDir dir;
        const QString root = dir.filePath(QStringLiteral("calendars"));
        for (const QString& listID : listIDs) {
            QVERIFY(QDir().mkpath(root + QLatin1Char('/') + listID));
        }
        for (int i = 0; i < itemCount; ++i) {
            const QString path =
                root + QLatin1Char('/') + listIDs.at(i % listIDs.size()) + QStringLiteral("/kill-%1.ics").arg(i);
            QVERIFY(test::writeFile(path, todo(i)));
        }

        int moves = 0;
        int edits = 0;
        int indexStarts = 0;
        FolderState last = inspect(root);
        for (int kill = 0; kill < killCount; ++kill) {
            QProcess writer;
            writer.start(QStringLiteral(STRESS_WRITER_PATH),
                         {QStringLiteral("mutate"), root, QString::number(QRandomGenerator::global()->generate())});
            // Only once a whole round of saves is done: a busy machine may give the writer too little time
            // within a fixed delay to change anything, and a kill before any write proves nothing.
            QVERIFY2(waitForLine(writer, "round"), writer.readAllStandardError().constData());
            // The moment of the kill is the point of the test: anywhere within the next few dozen writes.
            QThread::msleep(QRandomGenerator::global()->bounded(1, 40));
            QCOMPARE(::kill(pid_t(writer.processId()), SIGKILL), 0);
            QVERIFY(writer.waitForFinished(30000));
            QCOMPARE(writer.exitStatus(), QProcess::CrashExit);

            const FolderState state = inspect(root);
            QVERIFY2(state.faults.isEmpty(), qPrintable(state.faults.join(QLatin1Char('\n'))));
            QCOMPARE(state.listsOfUid.size(), itemCount);
            for (auto it = state.listsOfUid.cbegin(); it != state.listsOfUid.cend(); ++it) {
                QVERIFY2(it->size() == 1, qPrintable(QStringLiteral("after kill %1, %2 is in %3")
                                                         .arg(kill)
                                                         .arg(it.key(), it->join(QStringLiteral(", ")))));
                moves += last.listsOfUid.value(it.key()) != *it ? 1 : 0;
                edits += last.titleOfUid.value(it.key()) != state.titleOfUid.value(it.key()) ? 1 : 0;
            }
            last = state;

            // A start from the index the writer saved last shows exactly what the files hold.
            VdirStore indexed(root);
            indexed.setIndexPath(dir.filePath(QStringLiteral("index.bin")));
            QStringList shown;
            for (const StoreList& list : QCoro::waitFor(indexed.lists())) {
                shown.append(list.id);
            }
            const StoreReminderBatch fromIndex = QCoro::waitFor(indexed.fetchReminders(shown));
            QCOMPARE(fromIndex.size(), itemCount);
            for (const StoreReminder& reminder : fromIndex) {
                QCOMPARE(reminder.title, state.titleOfUid.value(reminder.uid));
                QCOMPARE(QStringList{reminder.listID.value_or(QString())}, state.listsOfUid.value(reminder.uid));
            }
            indexStarts += indexed.parsedFileCount() < itemCount ? 1 : 0;
        }
        // The writer got far enough between kills to move and edit items, or the kills proved nothing.
        QVERIFY2(indexStarts > killCount / 2, qPrintable(QStringLiteral("%1 starts used the index").arg(indexStarts)));
        QVERIFY2(moves > killCount / 4 && edits > killCount / 4,
                 qPrintable(QStringLiteral("%1 moves, %2 edits").arg(moves).arg(edits)));

        // A store sees the same items, and no temp file left by a kill counts as one.
        VdirStore store(root);
        QStringList ids;
        for (const StoreList& list : QCoro::waitFor(store.lists())) {
            ids.append(list.id);
        }
        const QList<StoreReminder> reminders = QCoro::waitFor(store.fetchReminders(ids));
        QCOMPARE(reminders.size(), itemCount);
        QCOMPARE(store.skippedFileCount(), 0);
        qInfo("%d moves, %d edits, %d temp files left by kills", moves, edits, last.tempFiles);
    }
};

QTEST_GUILESS_MAIN(StoreKillTest)
#include "StoreKillTest.moc"
