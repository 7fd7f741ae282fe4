#include "store/VdirListFolders.h"
#include "store/VdirStore.h"

#include "TestSupport.h"

#include <QCoro/QCoroTask>
#include <QDir>
#include <QSignalSpy>
#include <QTest>

using namespace tolvik;

// Making, renaming, recolouring and deleting list folders on real files, as sync tools will read them.
class VdirStoreListsTest : public QObject
{
    Q_OBJECT

    struct Store
    {
        test::IsolatedHome home;
        QString root = home.dataHome() + QStringLiteral("/calendars");
        VdirStore store{root};

        Store() { QCoro::waitFor(store.requestAccess()); }
        QString path(const QString& relative) const { return root + QLatin1Char('/') + relative; }
    };

private Q_SLOTS:
    void shouldDeriveASafeFolderName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("folder");
        QTest::newRow("words") << QStringLiteral("Tom & Jerry's list") << QStringLiteral("tom-jerry-s-list");
        QTest::newRow("accents") << QStringLiteral("Einkäufe för Åsa") << QStringLiteral("einkaufe-for-asa");
        QTest::newRow("path tricks") << QStringLiteral("../../etc") << QStringLiteral("etc");
        QTest::newRow("nothing latin") << QStringLiteral("购物") << QStringLiteral("list");
        QTest::newRow("taken twice") << QStringLiteral("Reminders") << QStringLiteral("reminders-3");
    }
    void shouldDeriveASafeFolderName()
    {
        QFETCH(QString, name);
        QFETCH(QString, folder);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("reminders")));
        QVERIFY(test::writeFile(dir.filePath(QStringLiteral("reminders-2")), "a file takes the name too"));
        QCOMPARE(VdirListFolders::uniqueFolderName(dir.path(), name), folder);
    }

    void shouldMakeRenameRecolourAndTrashAList()
    {
        Store s;
        QSignalSpy changes(&s.store, &ReminderStore::changed);
        const ListCreation created =
            s.store.createList(QStringLiteral("local"), QStringLiteral("Einkäufe"), QColor(0x12, 0xa5, 0x94));
        QVERIFY2(!created.error, qPrintable(created.error.value_or(QString())));
        QCOMPARE(created.listID, QStringLiteral("local/einkaufe"));
        // As sync tools write them: no newline, the colour in #RRGGBB.
        QCOMPARE(test::readFile(s.path(QStringLiteral("local/einkaufe/displayname"))), QByteArray("Einkäufe"));
        QCOMPARE(test::readFile(s.path(QStringLiteral("local/einkaufe/color"))), QByteArray("#12A594"));
        QCOMPARE(
            QDir(s.path(QStringLiteral("local"))).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
            (QStringList{QStringLiteral("einkaufe"), QStringLiteral("reminders")}));
        const std::optional<StoreList> list = s.store.listWithID(created.listID);
        QVERIFY(list);
        QCOMPARE(list->title, QStringLiteral("Einkäufe"));
        QTRY_VERIFY(!changes.isEmpty());

        QVERIFY(s.store.renameList(created.listID, QStringLiteral("Groceries")).ok());
        QVERIFY(s.store.recolorList(created.listID, QColor(Qt::red)).ok());
        QCOMPARE(test::readFile(s.path(QStringLiteral("local/einkaufe/displayname"))), QByteArray("Groceries"));
        QCOMPARE(test::readFile(s.path(QStringLiteral("local/einkaufe/color"))), QByteArray("#FF0000"));
        QCOMPARE(s.store.listWithID(created.listID)->title, QStringLiteral("Groceries"));

        QVERIFY(test::writeFile(s.path(QStringLiteral("local/einkaufe/milk.ics")), test::todoFile("milk", "Milk")));
        QVERIFY(s.store.deleteList(created.listID).ok());
        QVERIFY(!QFileInfo::exists(s.path(QStringLiteral("local/einkaufe"))));
        QVERIFY(!s.store.listWithID(created.listID));
        // In the desktop's trash, with its reminders, where the file manager can restore it from.
        const QString trashed = s.home.dataHome() + QStringLiteral("/Trash/files/einkaufe");
        QCOMPARE(test::readFile(trashed + QStringLiteral("/milk.ics")), test::todoFile("milk", "Milk"));
        QVERIFY(QFileInfo::exists(s.home.dataHome() + QStringLiteral("/Trash/info/einkaufe.trashinfo")));
    }

    void shouldMakeAListInASyncedAccountFolder()
    {
        Store s;
        QVERIFY(test::writeFile(s.path(QStringLiteral("server/work/displayname")), "Work"));
        QCoro::waitFor(s.store.lists());
        const ListCreation created = s.store.createList(QStringLiteral("server"), QStringLiteral("Home"), QColor());
        QCOMPARE(created.listID, QStringLiteral("server/home"));
        QVERIFY(!QFileInfo::exists(s.path(QStringLiteral("server/home/color"))));
        QCOMPARE(s.store.listWithID(created.listID)->account.id, QStringLiteral("server"));
    }

    void shouldLeaveNothingBehindWhenAChangeFails()
    {
        Store s;
        QVERIFY(s.store.createList(QStringLiteral("nobody"), QStringLiteral("X"), QColor()).error);
        // A file where the account folder belongs: nothing can be made under it, not even by root.
        QVERIFY(QDir(s.path(QStringLiteral("local"))).removeRecursively());
        QVERIFY(test::writeFile(s.path(QStringLiteral("local")), "not a folder"));
        const ListCreation failed = s.store.createList(QStringLiteral("local"), QStringLiteral("New"), QColor());
        QVERIFY(failed.error && failed.error->contains(s.path(QStringLiteral("local"))));
        QCOMPARE(test::readFile(s.path(QStringLiteral("local"))), QByteArray("not a folder"));

        QVERIFY(test::writeFile(s.path(QStringLiteral("home/chores/displayname/x")), "a folder in the way"));
        QCoro::waitFor(s.store.lists());
        QVERIFY(s.store.renameList(QStringLiteral("home/chores"), QStringLiteral("Y")).error);
        QVERIFY(s.store.renameList(QStringLiteral("home/gone"), QStringLiteral("Y")).error);

        // Removed behind the store's back: the delete says so instead of claiming success.
        QVERIFY(QDir(s.path(QStringLiteral("home/chores"))).removeRecursively());
        const WriteResult gone = s.store.deleteList(QStringLiteral("home/chores"));
        QVERIFY(gone.error && gone.error->contains(s.path(QStringLiteral("home/chores"))));
    }
};

QTEST_GUILESS_MAIN(VdirStoreListsTest)
#include "VdirStoreListsTest.moc"
