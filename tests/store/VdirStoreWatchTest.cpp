#include "TestSupport.h"
#include "store/VdirStore.h"
#include "store/VdirWatcher.h"

#include <QCoro/QCoroTask>
#include <QDir>
#include <QFileInfo>
#include <QMap>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <sys/stat.h>

using namespace tolvik;
using tolvik::test::writeFile;

namespace {

QByteArray todo(const QByteArray& uid)
{
    return "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//test//EN\r\nBEGIN:VTODO\r\nUID:" + uid +
           "\r\nSUMMARY:Item\r\nEND:VTODO\r\nEND:VCALENDAR\r\n";
}

} // namespace

class VdirStoreWatchTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_root;

    QString at(const QString& relative) const { return m_root + QLatin1Char('/') + relative; }

private Q_SLOTS:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_root = m_dir->filePath(QStringLiteral("calendars"));
        QDir().mkpath(at(QStringLiteral("acc/list")));
    }

    void shouldSignalOnceForAnExternalWrite()
    {
        VdirStore store(m_root);
        QSignalSpy changed(&store, &ReminderStore::changed);

        writeFile(at(QStringLiteral("acc/list/a.ics")), todo("a"));

        QTRY_COMPARE(changed.count(), 1);
        QVERIFY(!changed.wait(VdirWatcher::quietMs * 3));
    }

    void shouldPickUpNewAccountsAndLists()
    {
        VdirStore store(m_root);
        QSignalSpy changed(&store, &ReminderStore::changed);

        QDir().mkpath(at(QStringLiteral("other")));
        QTRY_COMPARE(changed.count(), 1);
        QDir().mkpath(at(QStringLiteral("other/fresh")));
        QTRY_COMPARE(changed.count(), 2);
        writeFile(at(QStringLiteral("other/fresh/a.ics")), todo("a"));
        QTRY_COMPARE(changed.count(), 3);

        QCOMPARE(QCoro::waitFor(store.lists()).size(), 2);
    }

    void shouldCoalesceABurstIntoAHandfulOfSignals()
    {
        VdirStore store(m_root);
        QSignalSpy changed(&store, &ReminderStore::changed);

        for (int i = 0; i < 500; ++i) {
            writeFile(at(QStringLiteral("acc/list/item%1.ics").arg(i)), todo(QByteArray::number(i)));
        }

        QTRY_VERIFY(changed.count() >= 1);
        while (changed.wait(VdirWatcher::quietMs * 3)) {
        }
        QVERIFY2(changed.count() <= 5, qPrintable(QString::number(changed.count())));
    }

    void shouldSignalItsOwnWrites()
    {
        VdirStore store(m_root);
        QCoro::waitFor(store.lists());
        QSignalSpy changed(&store, &ReminderStore::changed);
        StoreReminder reminder;
        reminder.title = QStringLiteral("Mine");
        reminder.listID = QStringLiteral("acc/list");

        QVERIFY(store.saveReminder(reminder).ok());

        QTRY_COMPARE(changed.count(), 1);
    }

    void shouldSeeAFileRewrittenInPlaceWithItsSizeAndTimeKept()
    {
        const QString path = at(QStringLiteral("acc/list/a.ics"));
        writeFile(path, todo("a"));
        // Aged, so that a folder of this age is one the loader would otherwise trust without a look.
        const timespec then{::time(nullptr) - 7200, 0};
        const timespec times[2] = {then, then};
        ::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0);
        ::utimensat(AT_FDCWD, QFile::encodeName(at(QStringLiteral("acc/list"))).constData(), times, 0);
        VdirStore store(m_root);
        const QStringList ids{QStringLiteral("acc/list")};
        QCOMPARE(QCoro::waitFor(store.fetchReminders(ids)).toList().value(0).title, QStringLiteral("Item"));
        QCOMPARE(QCoro::waitFor(store.fetchReminders(ids)).toList().value(0).title, QStringLiteral("Item"));
        QSignalSpy changed(&store, &ReminderStore::changed);

        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QByteArray bytes = file.readAll();
        bytes.replace("SUMMARY:Item", "SUMMARY:Iten");
        file.seek(0);
        file.write(bytes);
        file.close();
        ::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0);

        QVERIFY(changed.wait(VdirWatcher::longestDelayMs));
        QCOMPARE(QCoro::waitFor(store.fetchReminders(ids)).toList().value(0).title, QStringLiteral("Iten"));
    }

    // A folder that changed (a file added) while another file in it was rewritten in place with its size and
    // time kept: a refresh that looks only at what the watch named still sees both, and keeps the rest.
    void shouldSeeEveryFileTheWatchNamedWhenOnlyThoseAreLookedAt()
    {
        for (const char* name : {"a", "b", "c"}) {
            writeFile(at(QStringLiteral("acc/list/%1.ics").arg(QLatin1String(name))), todo(name));
        }
        VdirStore store(m_root);
        const QStringList ids{QStringLiteral("acc/list")};
        const auto titles = [&] {
            QCoro::waitFor(store.lists());
            QStringList found;
            for (const StoreReminder& reminder : QCoro::waitFor(store.fetchReminders(ids))) {
                found.append(reminder.id.section(QLatin1Char('/'), -1) + QLatin1Char('=') + reminder.title);
            }
            return found;
        };
        QCOMPARE(titles().size(), 3);
        QCOMPARE(titles().size(), 3);

        const QString path = at(QStringLiteral("acc/list/b.ics"));
        struct stat before
        {
        };
        QCOMPARE(::stat(QFile::encodeName(path).constData(), &before), 0);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QByteArray bytes = file.readAll();
        bytes.replace("SUMMARY:Item", "SUMMARY:Iten");
        file.seek(0);
        file.write(bytes);
        file.close();
        const timespec times[2] = {before.st_atim, before.st_mtim};
        ::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0);
        writeFile(at(QStringLiteral("acc/list/d.ics")), todo("d"));

        QCOMPARE(titles(), (QStringList{QStringLiteral("a.ics=Item"), QStringLiteral("b.ics=Iten"),
                                        QStringLiteral("c.ics=Item"), QStringLiteral("d.ics=Item")}));
    }

    void shouldShowRenamedAndRecolouredFoldersOnceSignalled_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("atomically");
        QTest::addColumn<QByteArray>("content");
        // Sync tools replace the files through a temp file and a rename; people and scripts edit them in place.
        QTest::newRow("account name, renamed over") << QStringLiteral("acc/displayname") << true << QByteArray("New");
        QTest::newRow("account name, in place") << QStringLiteral("acc/displayname") << false << QByteArray("New");
        QTest::newRow("list name, renamed over") << QStringLiteral("acc/list/displayname") << true << QByteArray("New");
        QTest::newRow("list colour, in place") << QStringLiteral("acc/list/color") << false << QByteArray("#00FF00");
    }
    void shouldShowRenamedAndRecolouredFoldersOnceSignalled()
    {
        QFETCH(QString, file);
        QFETCH(bool, atomically);
        QFETCH(QByteArray, content);
        QMap<QString, QByteArray> metadata{{QStringLiteral("acc/displayname"), "Old"},
                                           {QStringLiteral("acc/list/displayname"), "Old"},
                                           {QStringLiteral("acc/list/color"), "#FF0000"}};
        for (auto it = metadata.cbegin(); it != metadata.cend(); ++it) {
            writeFile(at(it.key()), it.value());
        }
        VdirStore store(m_root);
        QCOMPARE(QCoro::waitFor(store.lists()).value(0).account.title, QStringLiteral("Old"));
        QSignalSpy changed(&store, &ReminderStore::changed);

        if (atomically) {
            const QString temp = QFileInfo(at(file)).absolutePath() + QStringLiteral("/tmp-metadata");
            QVERIFY(writeFile(temp, content));
            QVERIFY(::rename(QFile::encodeName(temp).constData(), QFile::encodeName(at(file)).constData()) == 0);
        } else {
            QFile inPlace(at(file));
            QVERIFY(inPlace.open(QIODevice::ReadWrite | QIODevice::Truncate));
            QCOMPARE(inPlace.write(content), content.size());
            inPlace.close();
        }
        metadata.insert(file, content);

        QTRY_VERIFY_WITH_TIMEOUT(!changed.isEmpty(), 5000);
        const StoreList list = QCoro::waitFor(store.lists()).value(0);
        QCOMPARE(list.account.title, QString::fromUtf8(metadata.value(QStringLiteral("acc/displayname"))));
        QCOMPARE(list.title, QString::fromUtf8(metadata.value(QStringLiteral("acc/list/displayname"))));
        QCOMPARE(list.color,
                 VdirScanner::parseColor(QString::fromUtf8(metadata.value(QStringLiteral("acc/list/color")))));
    }

    void shouldSignalEvenDuringAnEndlessStreamOfChanges()
    {
        VdirWatcher watcher;
        QSignalSpy settled(&watcher, &VdirWatcher::settled);
        QElapsedTimer clock;
        clock.start();
        // Changes closer together than the quiet time would postpone a plain restarted timer forever.
        while (settled.isEmpty() && clock.elapsed() < VdirWatcher::longestDelayMs * 3) {
            watcher.noteChange();
            QTest::qWait(VdirWatcher::quietMs / 4);
        }
        QCOMPARE(settled.count(), 1);
    }
};

QTEST_GUILESS_MAIN(VdirStoreWatchTest)
#include "VdirStoreWatchTest.moc"
