#include "TestSupport.h"
#include "store/TodoDocument.h"
#include "store/VdirLoader.h"
#include "store/VdirStore.h"

#include <QCoro/QCoroTask>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace tolvik;
using tolvik::test::readFile;
using tolvik::test::writeFile;

namespace {

QByteArray eventFile(const QByteArray& uid)
{
    return "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//test//EN\r\nBEGIN:VEVENT\r\nUID:" + uid +
           "\r\nDTSTAMP:20240101T000000Z\r\nDTSTART:20240101T100000Z\r\nSUMMARY:Meeting\r\nEND:VEVENT\r\n"
           "END:VCALENDAR\r\n";
}

QStringList idsOf(const QList<StoreList>& lists)
{
    QStringList ids;
    for (const StoreList& list : lists) {
        ids.append(list.id);
    }
    return ids;
}

QStringList titlesOf(const QList<StoreReminder>& reminders)
{
    QStringList titles;
    for (const StoreReminder& reminder : reminders) {
        titles.append(reminder.title);
    }
    titles.sort();
    return titles;
}

// Dates a folder back, as in a store that has been in use for a while.
void ageFolder(const QString& path, int hours)
{
    const timespec then{::time(nullptr) - 3600 * hours, 0};
    const timespec times[2] = {then, then};
    ::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0);
}

VdirFetchResult loadOne(const QString& path, const std::shared_ptr<const VdirFolderSnapshot>& previous)
{
    return VdirLoader::load({VdirFolderRequest{QStringLiteral("acc/list"), path, previous, true, std::nullopt}});
}

QList<StoreReminder> fetchAll(VdirStore& store)
{
    return QCoro::waitFor(store.fetchReminders(idsOf(QCoro::waitFor(store.lists()))));
}

} // namespace

class VdirStoreReadTest : public QObject
{
    Q_OBJECT

private:
    QString m_root;
    std::unique_ptr<QTemporaryDir> m_dir;

    QString at(const QString& relative) const { return m_root + QLatin1Char('/') + relative; }

private Q_SLOTS:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_root = m_dir->filePath(QStringLiteral("calendars"));
    }

    void shouldReadAccountsListsAndTheirMetadata()
    {
        writeFile(at(QStringLiteral("work/displayname")), "  Work Stuff \n");
        writeFile(at(QStringLiteral("work/tasks/displayname")), "\xEF\xBB\xBF"
                                                                "Tasks \xE2\x9C\x93\n");
        writeFile(at(QStringLiteral("work/tasks/color")), "#FF000080\n");
        writeFile(at(QStringLiteral("work/tasks/a.ics")), test::todoFile("a", "Alpha"));
        writeFile(at(QStringLiteral("work/events/color")), "red");
        writeFile(at(QStringLiteral("work/events/meeting.ics")), eventFile("m"));
        QDir().mkpath(at(QStringLiteral("work/fresh")));
        writeFile(at(QStringLiteral("work/.hidden/h.ics")), test::todoFile("h", "Hidden"));
        writeFile(at(QStringLiteral("inbox/i.ics")), test::todoFile("i", "Inbox item"));
        writeFile(at(QStringLiteral("inbox/color")), "#00ff00");
        writeFile(at(QStringLiteral("local/reminders/displayname")), "   ");
        writeFile(at(QStringLiteral(".git/x/y.ics")), test::todoFile("g", "Git"));
        writeFile(at(QStringLiteral("home,x%/list,1/b,c%.ics")), test::todoFile("b", "Odd name"));
        VdirStore store(m_root);

        const QList<StoreList> lists = QCoro::waitFor(store.lists());

        QCOMPARE(idsOf(lists), (QStringList{QStringLiteral("home%2Cx%25/list%2C1"), QStringLiteral("inbox"),
                                            QStringLiteral("local/reminders"), QStringLiteral("work/fresh"),
                                            QStringLiteral("work/tasks")}));
        const StoreList tasks = *store.listWithID(QStringLiteral("work/tasks"));
        QCOMPARE(tasks.title, QStringLiteral("Tasks \u2713"));
        QCOMPARE(tasks.color, std::optional(QColor(255, 0, 0, 128)));
        QCOMPARE(tasks.account, (StoreAccount{QStringLiteral("work"), QStringLiteral("Work Stuff")}));
        const StoreList inbox = *store.listWithID(QStringLiteral("inbox"));
        QCOMPARE(inbox.account, (StoreAccount{QStringLiteral("local"), QStringLiteral("On this computer")}));
        QCOMPARE(inbox.color, std::optional(QColor(0, 255, 0)));
        QCOMPARE(store.listWithID(QStringLiteral("local/reminders"))->title, QStringLiteral("reminders"));
        QCOMPARE(store.listWithID(QStringLiteral("local/reminders"))->account.title,
                 QStringLiteral("On this computer"));
        QCOMPARE(store.listWithID(QStringLiteral("work/fresh"))->color, std::nullopt);
        QCOMPARE(store.listWithID(QStringLiteral("home%2Cx%25/list%2C1"))->account.id, QStringLiteral("home%2Cx%25"));

        const QList<StoreReminder> reminders = fetchAll(store);
        QCOMPARE(titlesOf(reminders),
                 (QStringList{QStringLiteral("Alpha"), QStringLiteral("Inbox item"), QStringLiteral("Odd name")}));
        const auto odd = store.reminderWithID(QStringLiteral("home%2Cx%25/list%2C1/b%2Cc%25.ics"));
        QVERIFY(odd);
        QCOMPARE(odd->title, QStringLiteral("Odd name"));
        QCOMPARE(odd->listID, std::optional(QStringLiteral("home%2Cx%25/list%2C1")));
        QCOMPARE(store.reminderWithID(QStringLiteral("work/tasks/a.ics"))->title, QStringLiteral("Alpha"));
    }

    void shouldParseColoursStrictly()
    {
        QCOMPARE(VdirScanner::parseColor(QStringLiteral("#0a0B0c")), std::optional(QColor(10, 11, 12)));
        QCOMPARE(VdirScanner::parseColor(QStringLiteral("#0a0B0cFF")), std::optional(QColor(10, 11, 12, 255)));
        for (const char* bad : {"", "red", "#fff", "#12345", "#1234567", "#+1+2+3", "#GG0000", "123456", "# 12345"}) {
            QVERIFY2(!VdirScanner::parseColor(QString::fromLatin1(bad)), bad);
        }
    }

    void shouldSkipFilesThatAreNotReadableToDosAndLeaveThemUntouched()
    {
        const QByteArray big =
            test::todoFile("big", "Big", "DESCRIPTION:" + QByteArray(TodoDocument::maximumFileSize, 'x') + "\r\n");
        const QList<QPair<QString, QByteArray>> files{
            {QStringLiteral("big.ics"), big},
            {QStringLiteral("empty.ics"), QByteArray()},
            {QStringLiteral("binary.ics"), QByteArray("BEGIN:VCALENDAR\r\n\0\x01\x02", 20)},
            {QStringLiteral("garbage.ics"), QByteArray("hello, world\n")},
            {QStringLiteral("event.ics"), eventFile("e")},
            {QStringLiteral("notes.txt"), test::todoFile("t", "Text file")},
            {QStringLiteral(".dot.ics"), test::todoFile("d", "Dot file")},
            {QStringLiteral("half.ics.tmp"), test::todoFile("p", "Temp file")},
        };
        for (const auto& [name, content] : files) {
            QVERIFY(writeFile(at(QStringLiteral("acc/list/") + name), content));
        }
        writeFile(at(QStringLiteral("acc/list/ok.ics")), test::todoFile("ok", "Fine"));
        VdirStore store(m_root);

        QCOMPARE(titlesOf(fetchAll(store)), QStringList{QStringLiteral("Fine")});
        QCOMPARE(store.skippedFileCount(), 5);
        // A write in the same folder leaves the skipped files alone too.
        StoreReminder fine = *store.reminderWithID(QStringLiteral("acc/list/ok.ics"));
        fine.title = QStringLiteral("Still fine");
        QVERIFY(store.saveReminder(fine).ok());
        QCOMPARE(titlesOf(fetchAll(store)), QStringList{QStringLiteral("Still fine")});
        for (const auto& [name, content] : files) {
            QCOMPARE(readFile(at(QStringLiteral("acc/list/") + name)), content);
        }
        QCOMPARE(QDir(at(QStringLiteral("acc/list"))).entryList(QDir::Files | QDir::Hidden).size(), files.size() + 1);
    }

    void shouldSkipAndCountWhatIsNoRegularFileWithoutBlocking()
    {
        // Opening a FIFO for reading waits for a writer that never comes; none of these may stall a refresh.
        writeFile(at(QStringLiteral("acc/list/ok.ics")), test::todoFile("ok", "Fine"));
        for (const char* fifo : {"acc/displayname", "acc/color", "acc/list/displayname", "acc/list/color",
                                 "acc/list/pipe.ics", "elsewhere.fifo"}) {
            QVERIFY(::mkfifo(QFile::encodeName(at(QString::fromLatin1(fifo))).constData(), 0600) == 0);
        }
        QVERIFY(QFile::link(at(QStringLiteral("elsewhere.fifo")), at(QStringLiteral("acc/list/link.ics"))));
        const QByteArray latin1Name = QFile::encodeName(at(QStringLiteral("acc/list/"))) + "bad-\xff.ics";
        const int fd = ::open(latin1Name.constData(), O_WRONLY | O_CREAT, 0600);
        const QByteArray bytes = test::todoFile("n", "Not UTF-8");
        QVERIFY(fd >= 0 && ::write(fd, bytes.constData(), size_t(bytes.size())) == bytes.size());
        ::close(fd);
        VdirStore store(m_root);

        const QList<StoreList> lists = QCoro::waitFor(store.lists());
        QCOMPARE(idsOf(lists), QStringList{QStringLiteral("acc/list")});
        QCOMPARE(lists.first().title, QStringLiteral("list"));
        QCOMPARE(lists.first().account.title, QStringLiteral("acc"));
        QCOMPARE(titlesOf(fetchAll(store)), QStringList{QStringLiteral("Fine")});
        QCOMPARE(store.skippedFileCount(), 3);
    }

    void shouldSkipAndCountFoldersWhoseNamesAreNotUtf8()
    {
        writeFile(at(QStringLiteral("acc/list/ok.ics")), test::todoFile("ok", "Fine"));
        // Made through the POSIX calls: Qt would turn the bytes into replacement characters.
        const QByteArray root = QFile::encodeName(m_root);
        const QByteArray badAccount = root + "/\xff\xfe";
        const QByteArray badList = root + "/acc/\xff\xfe";
        const QByteArray badLocalList = root + "/\xfe\xff";
        for (const QByteArray& folder : {badAccount, badAccount + "/list", badList, badLocalList}) {
            QVERIFY(::mkdir(folder.constData(), 0700) == 0);
        }
        const QByteArray item = test::todoFile("x", "Hidden by its folder");
        for (const QByteArray& file : {badAccount + "/list/x.ics", badList + "/x.ics", badLocalList + "/x.ics"}) {
            const int fd = ::open(file.constData(), O_WRONLY | O_CREAT, 0600);
            QVERIFY(fd >= 0 && ::write(fd, item.constData(), size_t(item.size())) == item.size());
            ::close(fd);
        }
        VdirStore store(m_root);

        QCOMPARE(idsOf(QCoro::waitFor(store.lists())), QStringList{QStringLiteral("acc/list")});
        QCOMPARE(store.skippedFolderCount(), 3);
        QCOMPARE(titlesOf(fetchAll(store)), QStringList{QStringLiteral("Fine")});
    }

    void shouldReportStatusFromTheRootFolder()
    {
        VdirStore missing(m_root);
        QCOMPARE(missing.authorizationStatus(), AuthorizationStatus::notDetermined);
        QVERIFY(QCoro::waitFor(missing.lists()).isEmpty());

        writeFile(m_root, "not a folder");
        QCOMPARE(VdirStore(m_root).authorizationStatus(), AuthorizationStatus::denied);
        QFile::remove(m_root);

        QDir().mkpath(m_root);
        QCOMPARE(VdirStore(m_root).authorizationStatus(), AuthorizationStatus::fullAccess);
        if (::geteuid() != 0) {
            // Permission bits bind only users other than root.
            QFile::setPermissions(m_root, QFile::WriteOwner | QFile::ExeOwner);
            QCOMPARE(VdirStore(m_root).authorizationStatus(), AuthorizationStatus::writeOnly);
            QFile::setPermissions(m_root, QFile::ReadOwner | QFile::ExeOwner);
            QCOMPARE(VdirStore(m_root).authorizationStatus(), AuthorizationStatus::fullAccess);
            QFile::setPermissions(m_root, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }
    }

    void shouldCreateTheRootAndTheDefaultListOnRequest()
    {
        const QString root = m_dir->filePath(QStringLiteral("deep/er/calendars"));
        VdirStore store(root);

        const AccessResult result = QCoro::waitFor(store.requestAccess());

        QVERIFY(result.granted);
        QCOMPARE(result.error, std::nullopt);
        QCOMPARE(store.authorizationStatus(), AuthorizationStatus::fullAccess);
        QCOMPARE(readFile(root + QStringLiteral("/local/reminders/displayname")).trimmed(), QByteArray("Reminders"));
        const QList<StoreList> lists = QCoro::waitFor(store.lists());
        QCOMPARE(lists.size(), 1);
        QCOMPARE(lists.first().id, QStringLiteral("local/reminders"));
        QCOMPARE(lists.first().title, QStringLiteral("Reminders"));
        QCOMPARE(lists.first().account.title, QStringLiteral("On this computer"));

        // Asking again adds nothing: the user's lists stay as they are.
        QVERIFY(QCoro::waitFor(store.requestAccess()).granted);
        QCOMPARE(QCoro::waitFor(store.lists()).size(), 1);
    }

    void shouldRefuseARequestWhenTheRootCannotBeMade()
    {
        writeFile(m_dir->filePath(QStringLiteral("blocker")), "a file where a folder should be");
        VdirStore store(m_dir->filePath(QStringLiteral("blocker/calendars")));

        const AccessResult result = QCoro::waitFor(store.requestAccess());

        QVERIFY(!result.granted);
        QVERIFY(result.error);
        QVERIFY2(result.error->contains(QStringLiteral("blocker")), qPrintable(*result.error));
        QCOMPARE(store.authorizationStatus(), AuthorizationStatus::denied);

        // A root that is a link to nowhere says so, and nothing is made at the link's target.
        const QString target = m_dir->filePath(QStringLiteral("gone/calendars"));
        QVERIFY(QFile::link(target, m_root));
        const AccessResult dangling = QCoro::waitFor(VdirStore(m_root).requestAccess());
        QVERIFY(!dangling.granted);
        QVERIFY2(dangling.error->contains(QStringLiteral("symbolic link")) && dangling.error->contains(target),
                 qPrintable(*dangling.error));
        QVERIFY(!QFileInfo::exists(target));
    }

    void shouldFindNothingThroughHostileIDs()
    {
        writeFile(at(QStringLiteral("acc/list/a.ics")), test::todoFile("a", "Alpha"));
        writeFile(m_dir->filePath(QStringLiteral("outside.ics")), test::todoFile("o", "Outside"));
        VdirStore store(m_root);
        fetchAll(store);
        const QByteArray outside = readFile(m_dir->filePath(QStringLiteral("outside.ics")));

        const QStringList hostile{QStringLiteral("../../etc/passwd"),
                                  QStringLiteral("a,b"),
                                  QString(),
                                  QStringLiteral("/"),
                                  QStringLiteral("acc/list/../../../outside.ics"),
                                  QStringLiteral("acc/list/"),
                                  QStringLiteral("acc/list/./a.ics"),
                                  QStringLiteral("acc/list//a.ics"),
                                  QStringLiteral("../outside.ics"),
                                  QStringLiteral("acc%2Flist/a.ics")};
        for (const QString& id : hostile) {
            QVERIFY2(!store.reminderWithID(id), qPrintable(id));
            QVERIFY2(!store.listWithID(id), qPrintable(id));
            StoreReminder forged;
            forged.id = id;
            forged.title = QStringLiteral("Forged");
            forged.listID = id;
            QVERIFY2(!store.saveReminder(forged).ok(), qPrintable(id));
            QVERIFY2(!store.removeReminder(forged).ok(), qPrintable(id));
            forged.id.clear();
            QVERIFY2(!store.saveReminder(forged).ok(), qPrintable(id));
        }
        QCOMPARE(readFile(m_dir->filePath(QStringLiteral("outside.ics"))), outside);
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).size(), 2);
        QCOMPARE(QDir(at(QStringLiteral("acc/list"))).entryList(QDir::Files | QDir::Hidden),
                 QStringList{QStringLiteral("a.ics")});
        QCOMPARE(titlesOf(fetchAll(store)), QStringList{QStringLiteral("Alpha")});
    }

    void shouldParseOnlyChangedFilesOnARefresh()
    {
        for (int i = 0; i < 6; ++i) {
            writeFile(at(QStringLiteral("acc/list%1/item%2.ics").arg(i % 2).arg(i)),
                      test::todoFile(QByteArray::number(i), "Item " + QByteArray::number(i)));
        }
        VdirStore store(m_root);
        QCOMPARE(fetchAll(store).size(), 6);
        QCOMPARE(store.parsedFileCount(), 6);

        QCOMPARE(fetchAll(store).size(), 6);
        QCOMPARE(store.parsedFileCount(), 6);

        writeFile(at(QStringLiteral("acc/list1/item3.ics")), test::todoFile("3", "Item three, renamed"));
        QFile::remove(at(QStringLiteral("acc/list0/item0.ics")));
        const QList<StoreReminder> after = fetchAll(store);
        QCOMPARE(store.parsedFileCount(), 7);
        QCOMPARE(after.size(), 5);
        QVERIFY(titlesOf(after).contains(QStringLiteral("Item three, renamed")));
        QVERIFY(!store.reminderWithID(QStringLiteral("acc/list0/item0.ics")));
    }

    // Whatever changed in a folder since the last read, the refresh shows what a fresh read shows: records in
    // their places, each found by its id.
    void shouldShowEachChangeAsAFreshReadDoes_data()
    {
        QTest::addColumn<QString>("change");
        for (const char* change : {"one edited", "two edited", "uid changed", "no longer a to-do", "now a to-do",
                                   "added", "removed", "swapped names"}) {
            QTest::newRow(change) << QString::fromLatin1(change);
        }
    }

    void shouldShowEachChangeAsAFreshReadDoes()
    {
        QFETCH(QString, change);
        const auto item = [this](int i) { return at(QStringLiteral("acc/list/item%1.ics").arg(i)); };
        for (int i = 0; i < 8; ++i) {
            QVERIFY(writeFile(item(i), test::todoFile("u" + QByteArray::number(i), "Item " + QByteArray::number(i))));
        }
        QVERIFY(writeFile(item(8), eventFile("event")));
        VdirStore store(m_root);
        QCOMPARE(fetchAll(store).size(), 8);
        if (change == QLatin1String("one edited") || change == QLatin1String("two edited")) {
            QVERIFY(writeFile(item(3), test::todoFile("u3", "Edited three")));
        }
        if (change == QLatin1String("two edited")) {
            QVERIFY(writeFile(item(6), test::todoFile("u6", "Edited six")));
        } else if (change == QLatin1String("uid changed")) {
            QVERIFY(writeFile(item(2), test::todoFile("other", "Item 2")));
        } else if (change == QLatin1String("no longer a to-do")) {
            // Written a while ago: one that just now reads as nothing may be half written, and keeps its reminder
            // until it settles.
            QVERIFY(writeFile(item(4), eventFile("u4")));
            const timespec then{::time(nullptr) - 3600, 0};
            const timespec times[2] = {then, then};
            ::utimensat(AT_FDCWD, QFile::encodeName(item(4)).constData(), times, 0);
        } else if (change == QLatin1String("now a to-do")) {
            QVERIFY(writeFile(item(8), test::todoFile("u8", "Was an event")));
        } else if (change == QLatin1String("added")) {
            QVERIFY(writeFile(at(QStringLiteral("acc/list/item10.ics")), test::todoFile("u10", "Added")));
        } else if (change == QLatin1String("removed")) {
            QVERIFY(QFile::remove(item(5)));
        } else if (change == QLatin1String("swapped names")) {
            QVERIFY(QFile::rename(item(1), item(9)));
            QVERIFY(QFile::rename(item(7), item(1)));
        }
        const auto seen = [](VdirStore& from) {
            QStringList records;
            for (const StoreReminder& reminder : fetchAll(from)) {
                const std::optional<StoreReminder> found = from.reminderWithID(reminder.id);
                records.append(reminder.id + QLatin1Char('=') + reminder.title + QLatin1Char('/') + reminder.uid +
                               (found && found->title == reminder.title ? QString() : QStringLiteral(" lost")));
            }
            return records;
        };
        VdirStore fresh(m_root);
        QCOMPARE(seen(store), seen(fresh));
    }

    void shouldTrustAQuietFolderOnlyForAWhile()
    {
        const QString folder = at(QStringLiteral("acc/list"));
        writeFile(folder + QStringLiteral("/a.ics"), test::todoFile("a", "Alpha"));
        writeFile(folder + QStringLiteral("/b.ics"), test::todoFile("b", "Beta"));
        ageFolder(folder, 3);
        const VdirFetchResult first = loadOne(folder, nullptr);
        QCOMPARE(first.parsedFiles, 2);

        // A file renamed into place changes its folder, which is seen at once.
        writeFile(folder + QStringLiteral("/.b.ics.tmp"), test::todoFile("b", "Beta renamed"));
        QVERIFY(::rename(QFile::encodeName(folder + QStringLiteral("/.b.ics.tmp")).constData(),
                         QFile::encodeName(folder + QStringLiteral("/b.ics")).constData()) == 0);
        ageFolder(folder, 2);
        const VdirFetchResult second = loadOne(folder, first.folders.first());
        QCOMPARE(second.parsedFiles, 1);
        QCOMPARE(titlesOf(second.reminders), (QStringList{QStringLiteral("Alpha"), QStringLiteral("Beta renamed")}));

        // A file edited in place leaves its folder as it was: it is found once the folder's trust runs out.
        writeFile(folder + QStringLiteral("/a.ics"), test::todoFile("a", "Alpha edited in place"));
        const VdirFetchResult trusted = loadOne(folder, second.folders.first());
        QCOMPARE(trusted.parsedFiles, 0);
        QCOMPARE(trusted.folders.first(), second.folders.first());
        auto expired = std::make_shared<VdirFolderSnapshot>(*second.folders.first());
        expired->verifiedAtMs -= VdirLoader::trustFolderMs;
        const VdirFetchResult checked = loadOne(folder, expired);
        QCOMPARE(checked.parsedFiles, 1);
        QCOMPARE(titlesOf(checked.reminders),
                 (QStringList{QStringLiteral("Alpha edited in place"), QStringLiteral("Beta renamed")}));
    }

    void shouldSurviveOverlappingFetchesAndVanishingFolders()
    {
        for (int i = 0; i < 40; ++i) {
            writeFile(at(QStringLiteral("acc/list%1/item%2.ics").arg(i % 4).arg(i)),
                      test::todoFile(QByteArray::number(i), "Item " + QByteArray::number(i)));
        }
        VdirStore store(m_root);
        const QStringList ids = idsOf(QCoro::waitFor(store.lists()));

        auto first = store.fetchReminders(ids);
        auto second = store.fetchReminders(ids);
        QDir(at(QStringLiteral("acc/list3"))).removeRecursively();
        auto third = store.fetchReminders(ids);
        const qsizetype firstCount = QCoro::waitFor(first).size();
        const qsizetype secondCount = QCoro::waitFor(second).size();
        const qsizetype thirdCount = QCoro::waitFor(third).size();

        // A fetch may see the folder whole, gone, or half deleted; none may crash or invent items.
        for (const qsizetype count : {firstCount, secondCount, thirdCount}) {
            QVERIFY2(count >= 30 && count <= 40, qPrintable(QString::number(count)));
        }
        QCOMPARE(fetchAll(store).size(), 30);
        QVERIFY(!store.listWithID(QStringLiteral("acc/list3")));
    }

    void shouldDeliverFetchedRemindersEvenWhenTheStoreIsGone()
    {
        writeFile(at(QStringLiteral("acc/list/a.ics")), test::todoFile("a", "Alpha"));
        auto store = std::make_unique<VdirStore>(m_root);
        auto task = store->fetchReminders(idsOf(QCoro::waitFor(store->lists())));
        store.reset();
        QCOMPARE(titlesOf(QCoro::waitFor(task)), QStringList{QStringLiteral("Alpha")});
    }

    void shouldHonourXdgDataHome()
    {
        const tolvik::test::IsolatedHome home;
        QCOMPARE(VdirStore::defaultRoot(), home.dataHome() + QStringLiteral("/calendars"));
        qputenv("XDG_DATA_HOME", "relative/path");
        QCOMPARE(VdirStore::defaultRoot(), home.path() + QStringLiteral("/.local/share/calendars"));
    }
};

QTEST_GUILESS_MAIN(VdirStoreReadTest)
#include "VdirStoreReadTest.moc"
