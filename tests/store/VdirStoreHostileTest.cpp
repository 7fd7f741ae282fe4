#include "TestSupport.h"
#include "store/TodoDocument.h"
#include "store/VdirStore.h"
#include "store/VdirWriter.h"

#include <QCoro/QCoroTask>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

using namespace tolvik;
using tolvik::test::readFile;
using tolvik::test::writeFile;

namespace {

// Components nested `depth` deep inside one to-do, with LF line ends to stay under the size limit.
QByteArray deeplyNested(int depth)
{
    QByteArray file = "BEGIN:VCALENDAR\nVERSION:2.0\nBEGIN:VTODO\nUID:deep\nSUMMARY:Deep\n";
    file += QByteArray("BEGIN:VALARM\n").repeated(depth) + QByteArray("END:VALARM\n").repeated(depth);
    return file + "END:VTODO\nEND:VCALENDAR\n";
}

void setAge(const QString& path, qint64 seconds)
{
    const timespec times[2] = {{::time(nullptr) - seconds, 0}, {::time(nullptr) - seconds, 0}};
    ::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, AT_SYMLINK_NOFOLLOW);
}

} // namespace

// The store against files and programs that do not play along: hostile nesting, another reminder put under a
// known name, a target folder that vanishes during a move, files caught half written, read-only files, and the
// leftovers of crashed saves.
class VdirStoreHostileTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<VdirStore> m_store;
    QString m_root;

    QString at(const QString& relative) const { return m_root + QLatin1Char('/') + relative; }

    QList<StoreReminder> load()
    {
        if (!m_store) {
            m_store = std::make_unique<VdirStore>(m_root);
        }
        QStringList ids;
        for (const StoreList& list : QCoro::waitFor(m_store->lists())) {
            ids.append(list.id);
        }
        return QCoro::waitFor(m_store->fetchReminders(ids));
    }

    StoreReminder loaded(const QString& id) { return *m_store->reminderWithID(id); }

private Q_SLOTS:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_root = m_dir->path() + QStringLiteral("/calendars");
        writeFile(at(QStringLiteral("acc/one/a.ics")), test::todoFile("a", "Alpha"));
        writeFile(at(QStringLiteral("acc/two/displayname")), "Two");
    }

    void cleanup()
    {
        VdirWriter::setBeforeReplaceHook({});
        m_store.reset();
        m_dir.reset();
    }

    void shouldSkipADeeplyNestedFileWithoutRecursion()
    {
        const QByteArray deep = deeplyNested(38000);
        QVERIFY(deep.size() < TodoDocument::maximumFileSize);
        QVERIFY(!TodoDocument::parse(deep));
        // Folded BEGIN lines count as libical unfolds them.
        QCOMPARE(TodoDocument::nestingDepth("BEGIN:VCALENDAR\r\nBEG\r\n IN:VTODO\r\nbegin;x=y:VALARM\r\n"), 3);
        QVERIFY(TodoDocument::parse(deeplyNested(TodoDocument::maximumNesting - 3)));
        // libical wraps several top-level components in one more level, and a bare to-do gets a calendar around
        // it: a file whose lines nest exactly to the limit must not become a tree past it.
        const int inner = TodoDocument::maximumNesting - 2;
        const QByteArray alarms =
            QByteArray("BEGIN:VALARM\n").repeated(inner) + QByteArray("END:VALARM\n").repeated(inner);
        for (const QByteArray& file : {"BEGIN:VCALENDAR\nEND:VCALENDAR\n" + deeplyNested(inner),
                                       "BEGIN:VTODO\nUID:bare\nBEGIN:X-WRAP\n" + alarms + "END:X-WRAP\nEND:VTODO\n"}) {
            QCOMPARE(TodoDocument::nestingDepth(file), TodoDocument::maximumNesting);
            QVERIFY(!TodoDocument::parse(file));
        }

        writeFile(at(QStringLiteral("acc/one/deep.ics")), deep);
        QCOMPARE(load().size(), 1);
        QCOMPARE(m_store->skippedFiles(),
                 (QList<std::pair<QString, VdirSkipReason>>{
                     {at(QStringLiteral("acc/one/deep.ics")), VdirSkipReason::tooDeeplyNested}}));
    }

    void shouldRefuseToChangeAnotherReminderPutUnderTheSameName_data()
    {
        QTest::addColumn<QString>("operation");
        QTest::newRow("edit") << QStringLiteral("edit");
        QTest::newRow("complete") << QStringLiteral("complete");
        QTest::newRow("remove") << QStringLiteral("remove");
        QTest::newRow("move") << QStringLiteral("move");
    }
    void shouldRefuseToChangeAnotherReminderPutUnderTheSameName()
    {
        QFETCH(QString, operation);
        load();
        StoreReminder alpha = loaded(QStringLiteral("acc/one/a.ics"));
        const QByteArray other = test::todoFile("someone-else", "Not alpha");
        writeFile(at(QStringLiteral("acc/one/a.ics")), other);

        WriteResult result;
        if (operation == QLatin1String("remove")) {
            result = m_store->removeReminder(alpha);
        } else {
            alpha.title = QStringLiteral("Edited");
            alpha.isCompleted = operation == QLatin1String("complete");
            if (operation == QLatin1String("move")) {
                alpha.listID = QStringLiteral("acc/two");
            }
            result = m_store->saveReminder(alpha);
        }
        QVERIFY(result.error);
        QVERIFY2(result.error->contains(QStringLiteral("different reminder")), qPrintable(*result.error));
        QCOMPARE(readFile(at(QStringLiteral("acc/one/a.ics"))), other);
        QCOMPARE(QDir(at(QStringLiteral("acc/two"))).entryList({QStringLiteral("*.ics")}), QStringList());
    }

    void shouldKeepAMovedReminderInItsListWhenTheTargetFolderVanishes()
    {
        load();
        const QByteArray before = readFile(at(QStringLiteral("acc/one/a.ics")));
        StoreReminder alpha = loaded(QStringLiteral("acc/one/a.ics"));
        alpha.listID = QStringLiteral("acc/two");
        alpha.title = QStringLiteral("Moved");
        VdirWriter::setBeforeReplaceHook(
            [this](const QString&) { QDir(at(QStringLiteral("acc/two"))).removeRecursively(); });
        const WriteResult result = m_store->saveReminder(alpha);
        QVERIFY(result.error);
        QCOMPARE(readFile(at(QStringLiteral("acc/one/a.ics"))), before);
        QCOMPARE(m_store->reminderWithID(QStringLiteral("acc/one/a.ics"))->title, QStringLiteral("Alpha"));
        QCOMPARE(load().size(), 1);
    }

    void shouldReadAgainAFileCaughtHalfWritten()
    {
        const QByteArray full = readFile(at(QStringLiteral("acc/one/a.ics")));
        QCOMPARE(load().size(), 1);
        StoreReminder alpha = loaded(QStringLiteral("acc/one/a.ics"));
        // Another program rewrites the file in place: truncated now, written a moment later.
        writeFile(at(QStringLiteral("acc/one/a.ics")), {});
        QCOMPARE(load().size(), 1);
        std::thread writer([&] {
            std::this_thread::sleep_for(std::chrono::milliseconds(15));
            const int fd = ::open(QFile::encodeName(at(QStringLiteral("acc/one/a.ics"))).constData(), O_WRONLY);
            QCOMPARE(::write(fd, full.constData(), size_t(full.size())), ssize_t(full.size()));
            ::close(fd);
        });
        alpha.title = QStringLiteral("Edited");
        const WriteResult result = m_store->saveReminder(alpha);
        writer.join();
        QVERIFY2(result.ok(), qPrintable(result.error.value_or(QString())));
        QVERIFY(readFile(at(QStringLiteral("acc/one/a.ics"))).contains("SUMMARY:Edited\r\n"));
    }

    void shouldRefuseReadOnlyFilesAndKeepAttributesAndOwner()
    {
        writeFile(at(QStringLiteral("acc/one/locked.ics")), test::todoFile("locked", "Locked"));
        const QByteArray lockedPath = QFile::encodeName(at(QStringLiteral("acc/one/locked.ics")));
        QCOMPARE(::chmod(lockedPath.constData(), 0444), 0);
        const QByteArray path = QFile::encodeName(at(QStringLiteral("acc/one/a.ics")));
        const bool hasAttributes = ::setxattr(path.constData(), "user.tag", "blue", 4, 0) == 0;
        const bool canChown = ::geteuid() == 0;
        if (canChown) {
            QCOMPARE(::chown(path.constData(), 4321, 8765), 0);
        }
        load();

        StoreReminder locked = loaded(QStringLiteral("acc/one/locked.ics"));
        locked.title = QStringLiteral("Edited");
        for (const WriteResult& result : {m_store->saveReminder(locked), m_store->removeReminder(locked)}) {
            QVERIFY(result.error);
            QVERIFY2(result.error->contains(QStringLiteral("read-only")), qPrintable(*result.error));
        }
        QCOMPARE(readFile(at(QStringLiteral("acc/one/locked.ics"))), test::todoFile("locked", "Locked"));

        StoreReminder alpha = loaded(QStringLiteral("acc/one/a.ics"));
        alpha.title = QStringLiteral("Edited");
        QVERIFY(m_store->saveReminder(alpha).ok());
        if (hasAttributes) {
            char value[8] = {};
            QCOMPARE(::getxattr(path.constData(), "user.tag", value, sizeof value), ssize_t(4));
            QCOMPARE(QByteArray(value), QByteArray("blue"));
        }
        if (canChown) {
            struct stat info
            {
            };
            QCOMPARE(::stat(path.constData(), &info), 0);
            QCOMPARE(info.st_uid, uid_t(4321));
            QCOMPARE(info.st_gid, gid_t(8765));
        }
        if (!hasAttributes && !canChown) {
            QSKIP("This file system keeps no user attributes, and only root can give a file another owner.");
        }
    }

    void shouldNameAFifoForWhatItIs()
    {
        load();
        StoreReminder alpha = loaded(QStringLiteral("acc/one/a.ics"));
        QFile::remove(at(QStringLiteral("acc/one/a.ics")));
        QCOMPARE(::mkfifo(QFile::encodeName(at(QStringLiteral("acc/one/a.ics"))).constData(), 0600), 0);
        alpha.title = QStringLiteral("Edited");
        const WriteResult result = m_store->saveReminder(alpha);
        QVERIFY(result.error);
        QVERIFY2(result.error->contains(QStringLiteral("named pipe")), qPrintable(*result.error));
    }

    void shouldSweepOwnStaleTempFilesOnly()
    {
        const QStringList names{QStringLiteral(".tolvik-00000abcde.tmp"), QStringLiteral(".tolvik-00000fresh.tmp"),
                                QStringLiteral(".other-program.tmp"), QStringLiteral(".tolvik-notours.tmp")};
        for (const QString& name : names) {
            writeFile(at(QStringLiteral("acc/one/") + name), "partial");
            setAge(at(QStringLiteral("acc/one/") + name), name.contains(QStringLiteral("fresh")) ? 5 : 3600);
        }
        QVERIFY(QDir().mkpath(at(QStringLiteral("acc/.tolvik-0000000new.tmp"))));
        writeFile(at(QStringLiteral("acc/.tolvik-0000000new.tmp/displayname")), "Half made");
        setAge(at(QStringLiteral("acc/.tolvik-0000000new.tmp")), 3600);

        QCOMPARE(load().size(), 1);
        QCOMPARE(QDir(at(QStringLiteral("acc/one"))).entryList(QDir::Files | QDir::Hidden, QDir::Name),
                 (QStringList{QStringLiteral(".other-program.tmp"), QStringLiteral(".tolvik-00000fresh.tmp"),
                              QStringLiteral(".tolvik-notours.tmp"), QStringLiteral("a.ics")}));
        QVERIFY(!QFileInfo::exists(at(QStringLiteral("acc/.tolvik-0000000new.tmp"))));
    }

    void shouldTrimTitlesAndNotesLikeTheForm()
    {
        load();
        StoreReminder alpha = loaded(QStringLiteral("acc/one/a.ics"));
        alpha.title = QStringLiteral("  Padded title \n");
        alpha.notes = QStringLiteral("\n notes \t");
        const WriteResult edited = m_store->saveReminder(alpha);
        QVERIFY2(edited.ok(), qPrintable(edited.error.value_or(QString())));
        StoreReminder added;
        added.title = QStringLiteral(" New ");
        added.notes = QStringLiteral("   ");
        added.listID = QStringLiteral("acc/one");
        const WriteResult created = m_store->saveReminder(added);
        QVERIFY2(created.ok(), qPrintable(created.error.value_or(QString())));

        QStringList titles;
        for (const StoreReminder& reminder : load()) {
            titles.append(reminder.title);
            QVERIFY(reminder.notes == std::nullopt || reminder.notes == QStringLiteral("notes"));
        }
        titles.sort();
        QCOMPARE(titles, (QStringList{QStringLiteral("New"), QStringLiteral("Padded title")}));
    }
};

QTEST_GUILESS_MAIN(VdirStoreHostileTest)
#include "VdirStoreHostileTest.moc"
