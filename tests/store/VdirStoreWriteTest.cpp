#include "TestSupport.h"
#include "store/VdirStore.h"
#include "store/VdirWriter.h"

#include <QCoro/QCoroTask>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <cstdio>
#include <utility>

#include <sys/resource.h>
#include <sys/stat.h>

using namespace tolvik;
using tolvik::test::readFile;
using tolvik::test::writeFile;

namespace {

QStringList filesIn(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
}

unsigned modeOf(const QString& path)
{
    struct stat info
    {
    };
    ::stat(QFile::encodeName(path).constData(), &info);
    return info.st_mode & 0777;
}

// Makes every file write of this process beyond a few bytes fail with EFBIG, even for root, while it lives. The
// signal the kernel sends with it is left as it is: the store must not die of it.
class FileSizeLimit
{
public:
    FileSizeLimit()
    {
        ::getrlimit(RLIMIT_FSIZE, &m_old);
        rlimit tiny = m_old;
        tiny.rlim_cur = 16;
        ::setrlimit(RLIMIT_FSIZE, &tiny);
    }
    ~FileSizeLimit() { ::setrlimit(RLIMIT_FSIZE, &m_old); }

private:
    rlimit m_old{};
};

} // namespace

class VdirStoreWriteTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<VdirStore> m_store;
    QString m_root;

    QString at(const QString& relative) const { return m_root + QLatin1Char('/') + relative; }

    // A store over the files written so far, with everything loaded as the model loads it.
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

private Q_SLOTS:
    void init()
    {
        m_store.reset();
        m_dir = std::make_unique<QTemporaryDir>();
        m_root = m_dir->filePath(QStringLiteral("calendars"));
        QDir().mkpath(at(QStringLiteral("acc/one")));
        QDir().mkpath(at(QStringLiteral("acc/two")));
    }

    void shouldCreateANewFileNamedAfterItsUid()
    {
        load();
        StoreReminder reminder = m_store->newReminder();
        reminder.title = QStringLiteral("Buy milk \u00e5\u00e4\u00f6");
        reminder.notes = QStringLiteral("Two litres");
        reminder.priority = 5;
        reminder.listID = QStringLiteral("acc/one");

        const WriteResult result = m_store->saveReminder(reminder);

        QVERIFY2(result.ok(), qPrintable(result.error.value_or(QString())));
        const QStringList files = filesIn(at(QStringLiteral("acc/one")));
        QCOMPARE(files.size(), 1);
        QVERIFY2(QRegularExpression(QStringLiteral("^[A-Za-z0-9_.+-]+\\.ics$")).match(files.first()).hasMatch(),
                 qPrintable(files.first()));
        const QByteArray bytes = readFile(at(QStringLiteral("acc/one/") + files.first()));
        QVERIFY(!bytes.startsWith("\xEF\xBB\xBF"));
        QVERIFY(bytes.contains("UID:" + QFileInfo(files.first()).completeBaseName().toUtf8() + "\r\n"));
        QCOMPARE(bytes.count('\n'), bytes.count("\r\n"));
        QCOMPARE(modeOf(at(QStringLiteral("acc/one/") + files.first())), 0600u);

        // The index knows the new reminder before any refresh, and a refresh reads the same.
        const QString id = QStringLiteral("acc/one/") + files.first();
        QCOMPARE(m_store->reminderWithID(id)->title, reminder.title);
        const QList<StoreReminder> loaded = load();
        QCOMPARE(loaded.size(), 1);
        QCOMPARE(loaded.first().id, id);
        QCOMPARE(loaded.first().title, reminder.title);
        QCOMPARE(loaded.first().notes, reminder.notes);
        QCOMPARE(loaded.first().priority, 5);
    }

    void shouldUpdateInPlaceAndKeepWhatItDoesNotTouch()
    {
        const QByteArray extra = "X-CUSTOM;X-PARAM=1:keep me\r\nCATEGORIES:home\r\nBEGIN:VALARM\r\nACTION:DISPLAY\r\n"
                                 "DESCRIPTION:Ring\r\nTRIGGER:-PT15M\r\nEND:VALARM\r\n";
        writeFile(at(QStringLiteral("acc/one/a.ics")), test::todoFile("a", "Alpha", extra));
        ::chmod(QFile::encodeName(at(QStringLiteral("acc/one/a.ics"))).constData(), 0640);
        load();
        StoreReminder changed = *m_store->reminderWithID(QStringLiteral("acc/one/a.ics"));
        changed.title = QStringLiteral("Alpha, renamed");

        QVERIFY(m_store->saveReminder(changed).ok());

        QCOMPARE(filesIn(at(QStringLiteral("acc/one"))), QStringList{QStringLiteral("a.ics")});
        const QByteArray bytes = readFile(at(QStringLiteral("acc/one/a.ics")));
        QVERIFY(bytes.contains("SUMMARY:Alpha\\, renamed\r\n"));
        QVERIFY(bytes.contains("X-CUSTOM;X-PARAM=1:keep me\r\n"));
        QVERIFY(bytes.contains("BEGIN:VALARM\r\n"));
        QVERIFY(bytes.contains("CATEGORIES:home\r\n"));
        QVERIFY(bytes.contains("UID:a\r\n"));
        QCOMPARE(modeOf(at(QStringLiteral("acc/one/a.ics"))), 0640u);
        QCOMPARE(m_store->reminderWithID(QStringLiteral("acc/one/a.ics"))->title, changed.title);

        changed.isCompleted = true;
        QVERIFY(m_store->saveReminder(changed).ok());
        QVERIFY(readFile(at(QStringLiteral("acc/one/a.ics"))).contains("STATUS:COMPLETED\r\n"));
        const QList<StoreReminder> loaded = load();
        QCOMPARE(loaded.size(), 1);
        QVERIFY(loaded.first().isCompleted);
    }

    void shouldMoveIntoAnotherListAndRemoveTheOldFile()
    {
        writeFile(at(QStringLiteral("acc/one/a.ics")), test::todoFile("a", "Alpha", "X-CUSTOM:keep\r\n"));
        writeFile(at(QStringLiteral("acc/one/b.ics")), test::todoFile("b", "Beta"));
        const QByteArray otherB = test::todoFile("other-b", "Another beta");
        writeFile(at(QStringLiteral("acc/two/b.ics")), otherB);
        load();

        StoreReminder alpha = *m_store->reminderWithID(QStringLiteral("acc/one/a.ics"));
        alpha.listID = QStringLiteral("acc/two");
        const WriteResult movedAlpha = m_store->saveReminder(alpha);
        QVERIFY2(movedAlpha.ok(), qPrintable(movedAlpha.error.value_or(QString())));
        StoreReminder beta = *m_store->reminderWithID(QStringLiteral("acc/one/b.ics"));
        beta.listID = QStringLiteral("acc/two");
        QVERIFY(m_store->saveReminder(beta).ok());

        QVERIFY(filesIn(at(QStringLiteral("acc/one"))).isEmpty());
        const QStringList moved = filesIn(at(QStringLiteral("acc/two")));
        QCOMPARE(moved.size(), 3);
        QVERIFY(moved.contains(QStringLiteral("a.ics")));
        QVERIFY(readFile(at(QStringLiteral("acc/two/a.ics"))).contains("X-CUSTOM:keep\r\n"));
        // The name was taken: the moved beta got a fresh one, and the other beta is untouched.
        QCOMPARE(readFile(at(QStringLiteral("acc/two/b.ics"))), otherB);
        QVERIFY(!m_store->reminderWithID(QStringLiteral("acc/one/a.ics")));
        QCOMPARE(m_store->reminderWithID(QStringLiteral("acc/two/a.ics"))->listID, QStringLiteral("acc/two"));

        QStringList titles;
        for (const StoreReminder& reminder : load()) {
            QCOMPARE(reminder.listID, QStringLiteral("acc/two"));
            titles.append(reminder.title);
        }
        titles.sort();
        QCOMPARE(titles,
                 (QStringList{QStringLiteral("Alpha"), QStringLiteral("Another beta"), QStringLiteral("Beta")}));

        // A copy of the same item (same name, same UID) already there: refused, so that one UID keeps one file.
        writeFile(at(QStringLiteral("acc/one/c.ics")), test::todoFile("c", "Gamma"));
        writeFile(at(QStringLiteral("acc/two/c.ics")), test::todoFile("c", "Gamma, old copy"));
        load();
        StoreReminder gamma = *m_store->reminderWithID(QStringLiteral("acc/one/c.ics"));
        gamma.listID = QStringLiteral("acc/two");
        const WriteResult refused = m_store->saveReminder(gamma);
        QVERIFY(!refused.ok());
        QVERIFY2(refused.error->contains(QStringLiteral("c.ics")), qPrintable(*refused.error));
        QCOMPARE(filesIn(at(QStringLiteral("acc/one"))), QStringList{QStringLiteral("c.ics")});
        QCOMPARE(filesIn(at(QStringLiteral("acc/two"))).size(), 4);
    }

    void shouldRemoveTheFile()
    {
        writeFile(at(QStringLiteral("acc/one/a.ics")), test::todoFile("a", "Alpha"));
        writeFile(at(QStringLiteral("acc/one/b.ics")), test::todoFile("b", "Beta"));
        load();

        QVERIFY(m_store->removeReminder(*m_store->reminderWithID(QStringLiteral("acc/one/a.ics"))).ok());

        QCOMPARE(filesIn(at(QStringLiteral("acc/one"))), QStringList{QStringLiteral("b.ics")});
        QVERIFY(!m_store->reminderWithID(QStringLiteral("acc/one/a.ics")));
        QCOMPARE(load().size(), 1);
    }

    void shouldKeepTheOldFileByteForByteWhenAWriteFails()
    {
        // Tests run as root, where permission bits stop nothing: a file size limit and folders turned into files
        // make the system refuse instead.
        const QByteArray original = test::todoFile("a", "Alpha", "X-CUSTOM:keep\r\n");
        writeFile(at(QStringLiteral("acc/one/a.ics")), original);
        load();
        StoreReminder changed = *m_store->reminderWithID(QStringLiteral("acc/one/a.ics"));
        changed.title = QStringLiteral("Changed");

        std::optional<QString> error;
        {
            const FileSizeLimit limit;
            error = m_store->saveReminder(changed).error;
        }
        QVERIFY(error);
        QVERIFY2(error->contains(at(QStringLiteral("acc/one/a.ics"))), qPrintable(*error));
        QVERIFY2(error->contains(qt_error_string(EFBIG)), qPrintable(*error));
        QCOMPARE(readFile(at(QStringLiteral("acc/one/a.ics"))), original);
        QCOMPARE(filesIn(at(QStringLiteral("acc/one"))), QStringList{QStringLiteral("a.ics")});

        // A move whose target folder became a file keeps the item where it was.
        QDir(at(QStringLiteral("acc/two"))).removeRecursively();
        writeFile(at(QStringLiteral("acc/two")), "no longer a folder");
        changed.listID = QStringLiteral("acc/two");
        error = m_store->saveReminder(changed).error;
        QVERIFY(error);
        QVERIFY2(error->contains(at(QStringLiteral("acc/two"))), qPrintable(*error));
        QCOMPARE(readFile(at(QStringLiteral("acc/one/a.ics"))), original);

        // So does a new reminder for that list.
        StoreReminder fresh;
        fresh.title = QStringLiteral("New");
        fresh.listID = QStringLiteral("acc/two");
        QVERIFY(!m_store->saveReminder(fresh).ok());
        QCOMPARE(readFile(at(QStringLiteral("acc/two"))), QByteArray("no longer a folder"));

        // A delete the system refuses says so and keeps the reminder known.
        QFile::remove(at(QStringLiteral("acc/one/a.ics")));
        QDir().mkpath(at(QStringLiteral("acc/one/a.ics/inside")));
        error = m_store->removeReminder(changed).error;
        QVERIFY(error);
        QVERIFY2(error->contains(at(QStringLiteral("acc/one/a.ics"))), qPrintable(*error));
        QVERIFY(m_store->reminderWithID(QStringLiteral("acc/one/a.ics")));
    }

    void shouldRefuseToRewriteWhatItCannotFullyRead()
    {
        const QByteArray withErrors = test::todoFile("e", "Has errors", "DUE:not-a-date\r\nX-CUSTOM:keep\r\n");
        writeFile(at(QStringLiteral("acc/one/errors.ics")), withErrors);
        writeFile(at(QStringLiteral("acc/one/later.ics")), test::todoFile("l", "Later garbage"));
        writeFile(at(QStringLiteral("acc/one/grown.ics")), test::todoFile("g", "Grows"));
        load();
        const auto loaded = m_store->reminderWithID(QStringLiteral("acc/one/errors.ics"));
        QVERIFY(loaded);
        QCOMPARE(loaded->title, QStringLiteral("Has errors"));

        StoreReminder completed = *loaded;
        completed.isCompleted = true;
        std::optional<QString> error = m_store->saveReminder(completed).error;
        QVERIFY(error);
        QVERIFY2(error->contains(at(QStringLiteral("acc/one/errors.ics"))), qPrintable(*error));
        QVERIFY2(error->contains(QStringLiteral("left unchanged")), qPrintable(*error));
        QCOMPARE(readFile(at(QStringLiteral("acc/one/errors.ics"))), withErrors);

        // Files that changed into something unreadable since the last load are left as they are now.
        const QByteArray garbage("this is no longer iCalendar");
        writeFile(at(QStringLiteral("acc/one/later.ics")), garbage);
        StoreReminder later = *m_store->reminderWithID(QStringLiteral("acc/one/later.ics"));
        later.title = QStringLiteral("Changed");
        error = m_store->saveReminder(later).error;
        QVERIFY(error);
        QVERIFY2(error->contains(at(QStringLiteral("acc/one/later.ics"))), qPrintable(*error));
        QVERIFY2(error->contains(QStringLiteral("left unchanged")), qPrintable(*error));
        QCOMPARE(readFile(at(QStringLiteral("acc/one/later.ics"))), garbage);

        const QByteArray huge = test::todoFile("g", "Grows", "DESCRIPTION:" + QByteArray(1100 * 1024, 'x') + "\r\n");
        writeFile(at(QStringLiteral("acc/one/grown.ics")), huge);
        StoreReminder grown = *m_store->reminderWithID(QStringLiteral("acc/one/grown.ics"));
        grown.title = QStringLiteral("Changed");
        error = m_store->saveReminder(grown).error;
        QVERIFY(error);
        QVERIFY2(error->contains(qt_error_string(EFBIG)), qPrintable(*error));
        QCOMPARE(readFile(at(QStringLiteral("acc/one/grown.ics"))), huge);
    }

    void shouldKeepAnotherClientsChangeThatLandsJustBeforeTheRename()
    {
        const QString path = at(QStringLiteral("acc/one/a.ics"));
        writeFile(path, test::todoFile("a", "Alpha", "DUE:20310107T090000Z\r\n"));
        load();
        StoreReminder changed = *m_store->reminderWithID(QStringLiteral("acc/one/a.ics"));
        changed.title = QStringLiteral("Renamed here");

        // The other client's rename comes after the last look at the file, as it does when both rename at once.
        bool raced = false;
        VdirWriter::setAfterCheckHook([&](const QString&) {
            if (!std::exchange(raced, true)) {
                QVERIFY(writeFile(path + QStringLiteral(".x"), readFile(path).replace("20310107", "20310108")));
                std::rename(QFile::encodeName(path + QStringLiteral(".x")).constData(),
                            QFile::encodeName(path).constData());
            }
        });
        const WriteResult result = m_store->saveReminder(changed);
        VdirWriter::setAfterCheckHook({});

        QVERIFY2(result.ok(), qPrintable(result.error.value_or(QString())));
        const QByteArray bytes = readFile(path);
        QVERIFY2(bytes.contains("DUE:20310108T090000Z\r\n") && bytes.contains("SUMMARY:Renamed here\r\n"),
                 bytes.constData());
        QCOMPARE(filesIn(at(QStringLiteral("acc/one"))), QStringList{QStringLiteral("a.ics")});
    }

    void shouldKeepAnotherClientsChangeMadeDuringTheSave()
    {
        const QString path = at(QStringLiteral("acc/one/a.ics"));
        writeFile(path, test::todoFile("a", "Alpha", "X-COUNTER:0\r\nDESCRIPTION:old notes\r\n"));
        load();
        StoreReminder changed = *m_store->reminderWithID(QStringLiteral("acc/one/a.ics"));
        changed.title = QStringLiteral("Renamed here");

        // Between our temp file and its rename, another client bumps its counter and rewrites the notes; the
        // first `races` saves find the file changed under them.
        int counter = 0;
        int calls = 0;
        VdirWriter::setBeforeReplaceHook([&](const QString&) {
            ++calls;
            if (counter < 2) {
                QByteArray now = readFile(path);
                now.replace("X-COUNTER:" + QByteArray::number(counter), "X-COUNTER:" + QByteArray::number(counter + 1));
                ++counter;
                now.replace("DESCRIPTION:old notes", "DESCRIPTION:phone notes");
                QVERIFY(writeFile(path + QStringLiteral(".x"), now));
                std::rename(QFile::encodeName(path + QStringLiteral(".x")).constData(),
                            QFile::encodeName(path).constData());
            }
        });
        const WriteResult result = m_store->saveReminder(changed);
        VdirWriter::setBeforeReplaceHook({});

        QVERIFY2(result.ok(), qPrintable(result.error.value_or(QString())));
        QCOMPARE(calls, 3);
        const QByteArray bytes = readFile(path);
        QVERIFY2(bytes.contains("X-COUNTER:2\r\n"), bytes.constData());
        QVERIFY(bytes.contains("DESCRIPTION:phone notes\r\n"));
        QVERIFY(bytes.contains("SUMMARY:Renamed here\r\n"));
        QCOMPARE(m_store->reminderWithID(QStringLiteral("acc/one/a.ics"))->notes, QStringLiteral("phone notes"));

        // A file that never holds still ends in a clear failure that leaves the other client's version.
        VdirWriter::setBeforeReplaceHook(
            [&](const QString&) { writeFile(path, readFile(path).replace("X-COUNTER:", "X-COUNTER:9")); });
        changed.title = QStringLiteral("Again");
        const WriteResult busy = m_store->saveReminder(changed);
        VdirWriter::setBeforeReplaceHook({});
        QVERIFY(!busy.ok());
        QVERIFY2(busy.error->contains(path), qPrintable(*busy.error));
        QVERIFY(readFile(path).contains("SUMMARY:Renamed here\r\n"));
        QCOMPARE(filesIn(at(QStringLiteral("acc/one"))), QStringList{QStringLiteral("a.ics")});
    }

    void shouldRefuseAnEditThatWouldGrowPastTheReadLimit()
    {
        const QByteArray original = test::todoFile("a", "Alpha");
        writeFile(at(QStringLiteral("acc/one/a.ics")), original);
        load();
        StoreReminder changed = *m_store->reminderWithID(QStringLiteral("acc/one/a.ics"));
        changed.notes = QString(1024 * 1024, QLatin1Char('n'));

        const WriteResult result = m_store->saveReminder(changed);

        QVERIFY(!result.ok());
        QVERIFY2(result.error->contains(QStringLiteral("1 MiB")), qPrintable(*result.error));
        QCOMPARE(readFile(at(QStringLiteral("acc/one/a.ics"))), original);
    }

    void shouldWriteThroughAnItemSymlinkAndSaveAnyLegalName()
    {
        const QString target = m_dir->filePath(QStringLiteral("elsewhere/real.ics"));
        writeFile(target, test::todoFile("s", "Linked"));
        QVERIFY(QFile::link(target, at(QStringLiteral("acc/one/link.ics"))));
        const QString longName = QString(251, QLatin1Char('n')) + QStringLiteral(".ics");
        writeFile(at(QStringLiteral("acc/one/") + longName), test::todoFile("l", "Long"));
        load();

        for (const QString& name : {QStringLiteral("link.ics"), longName}) {
            StoreReminder changed = *m_store->reminderWithID(QStringLiteral("acc/one/") + name);
            changed.title = QStringLiteral("Edited");
            const WriteResult result = m_store->saveReminder(changed);
            QVERIFY2(result.ok(), qPrintable(result.error.value_or(QString())));
        }

        QVERIFY(QFileInfo(at(QStringLiteral("acc/one/link.ics"))).isSymLink());
        QVERIFY(readFile(target).contains("SUMMARY:Edited\r\n"));
        QVERIFY(readFile(at(QStringLiteral("acc/one/") + longName)).contains("SUMMARY:Edited\r\n"));
        QCOMPARE(filesIn(m_dir->filePath(QStringLiteral("elsewhere"))), QStringList{QStringLiteral("real.ics")});
    }
};

QTEST_GUILESS_MAIN(VdirStoreWriteTest)
#include "VdirStoreWriteTest.moc"
