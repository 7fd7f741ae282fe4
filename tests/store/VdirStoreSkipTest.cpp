#include "TestSupport.h"
#include "store/VdirStore.h"

#include <QCoreApplication>
#include <QCoro/QCoroTask>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace tolvik;
using tolvik::test::writeFile;

namespace {

bool link(const QString& target, const QString& path)
{
    return ::symlink(QFile::encodeName(target).constData(), QFile::encodeName(path).constData()) == 0;
}

} // namespace

// Everything in the root that is not shown is counted, each with its true reason, and nothing that loops shows
// as lists. Runs as an ordinary user (root's rights are dropped first), for whom a folder can be unreadable.
class VdirStoreSkipTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shouldCountEverySkippedThingWithItsReason()
    {
        QTemporaryDir dir;
        const QString root = dir.path() + QStringLiteral("/calendars");
        const QString list = root + QStringLiteral("/acc/one");
        QVERIFY(writeFile(list + QStringLiteral("/a.ics"), test::todoFile("a", "Alpha")));
        QVERIFY(writeFile(list + QStringLiteral("/two.ics"),
                          test::todoFile("b", "Beta", "END:VTODO\r\nBEGIN:VTODO\r\nUID:c\r\nSUMMARY:Gamma\r\n")));
        QVERIFY(link(QStringLiteral("loop.ics"), list + QStringLiteral("/loop.ics")));
        QVERIFY(link(QStringLiteral("missing.ics"), list + QStringLiteral("/dangling.ics")));
        QVERIFY(link(QStringLiteral("sub"), list + QStringLiteral("/linked.ics")));
        QVERIFY(QDir().mkpath(list + QStringLiteral("/sub")));
        QVERIFY(QDir().mkpath(list + QStringLiteral("/folder.ics")));
        QCOMPARE(::mkfifo(QFile::encodeName(list + QStringLiteral("/fifo.ics")).constData(), 0600), 0);
        // Folder links that lead back into the walk, and a list folder no one may read.
        QVERIFY(link(QStringLiteral(".."), root + QStringLiteral("/acc/up")));
        QVERIFY(link(QStringLiteral("."), root + QStringLiteral("/self")));
        QVERIFY(writeFile(root + QStringLiteral("/acc/closed/c.ics"), test::todoFile("c", "Closed")));
        QCOMPARE(::chmod(QFile::encodeName(root + QStringLiteral("/acc/closed")).constData(), 0), 0);

        VdirStore store(root);
        QStringList ids;
        for (const StoreList& found : QCoro::waitFor(store.lists())) {
            ids.append(found.id);
        }
        QCOMPARE(ids, QStringList{QStringLiteral("acc/one")});
        QCOMPARE(store.skippedFolderCount(), 3);

        QStringList titles;
        for (const StoreReminder& reminder : QCoro::waitFor(store.fetchReminders(ids))) {
            titles.append(reminder.title);
        }
        QCOMPARE(titles, (QStringList{QStringLiteral("Alpha"), QStringLiteral("Beta")}));
        const QList<std::pair<QString, VdirSkipReason>> expected{
            {list + QStringLiteral("/dangling.ics"), VdirSkipReason::danglingLink},
            {list + QStringLiteral("/fifo.ics"), VdirSkipReason::notAFile},
            {list + QStringLiteral("/folder.ics"), VdirSkipReason::folder},
            {list + QStringLiteral("/linked.ics"), VdirSkipReason::linkToFolder},
            {list + QStringLiteral("/loop.ics"), VdirSkipReason::symlinkLoop},
            {list + QStringLiteral("/two.ics"), VdirSkipReason::otherTodo},
        };
        QCOMPARE(store.skippedFiles(), expected);
        QCOMPARE(store.skippedFileCount(), int(expected.size()));
        ::chmod(QFile::encodeName(root + QStringLiteral("/acc/closed")).constData(), 0700);
    }

    // A file that held a reminder and is now something that cannot be one, under the same name, in a folder that
    // otherwise did not change: the reminder goes, and saving it is refused rather than acting on what is gone.
    void shouldDropAReminderWhoseFileBecameSomethingElse_data()
    {
        QTest::addColumn<QString>("becomes");
        QTest::newRow("a FIFO") << "fifo";
        QTest::newRow("a folder") << "folder";
        QTest::newRow("a dangling link") << "dangling";
    }

    void shouldDropAReminderWhoseFileBecameSomethingElse()
    {
        QFETCH(QString, becomes);
        QTemporaryDir dir;
        const QString root = dir.path() + QStringLiteral("/calendars");
        const QString list = root + QStringLiteral("/acc/one");
        const QString path = list + QStringLiteral("/a.ics");
        QVERIFY(writeFile(path, test::todoFile("a", "Alpha")));
        QVERIFY(writeFile(list + QStringLiteral("/b.ics"), test::todoFile("b", "Beta")));
        VdirStore store(root);
        QCoro::waitFor(store.lists());
        const QStringList ids{QStringLiteral("acc/one")};
        const StoreReminder alpha = QCoro::waitFor(store.fetchReminders(ids)).first();
        QCOMPARE(alpha.title, QStringLiteral("Alpha"));

        QVERIFY(QFile::remove(path));
        const QByteArray raw = QFile::encodeName(path);
        if (becomes == QLatin1String("fifo")) {
            QCOMPARE(::mkfifo(raw.constData(), 0600), 0);
        } else if (becomes == QLatin1String("folder")) {
            QVERIFY(QDir().mkpath(path));
        } else {
            QVERIFY(link(QStringLiteral("gone.ics"), path));
        }
        QStringList titles;
        for (const StoreReminder& reminder : QCoro::waitFor(store.fetchReminders(ids))) {
            titles.append(reminder.title);
        }
        QCOMPARE(titles, QStringList{QStringLiteral("Beta")});
        QCOMPARE(store.skippedFileCount(), 1);

        StoreReminder edited = alpha;
        edited.title = QStringLiteral("Alpha edited");
        QVERIFY(store.saveReminder(edited).error.has_value());
    }
};

int main(int argc, char** argv)
{
    // Root reads every folder; an ordinary user does not. Dropped before any thread starts.
    if (::geteuid() == 0) {
        const gid_t nobody = 65534;
        if (::setgroups(0, nullptr) != 0 || ::setgid(nobody) != 0 || ::setuid(nobody) != 0) {
            return 1;
        }
    }
    QCoreApplication app(argc, argv);
    VdirStoreSkipTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "VdirStoreSkipTest.moc"
