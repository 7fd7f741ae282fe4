#include "MountNamespace.h"
#include "TestSupport.h"
#include "store/VdirStore.h"

#include <QCoreApplication>
#include <QCoro/QCoroTask>
#include <QDirIterator>
#include <QMap>
#include <QTest>

#include <cstring>

using namespace tolvik;

namespace {

// Every file under the folder with its bytes, to show that a failed write left all of them as they were.
QMap<QString, QByteArray> contentsOf(const QString& folder)
{
    QMap<QString, QByteArray> contents;
    QDirIterator files(folder, QDir::Files | QDir::Hidden | QDir::Dirs | QDir::NoDotAndDotDot,
                       QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString path = files.next();
        contents.insert(path, test::readFile(path));
    }
    return contents;
}

} // namespace

// A root that can be read but not written, as on a read-only mount: everything shows, and every write fails
// with the system's reason while leaving the files as they were.
class VdirStoreReadOnlyTest : public QObject
{
    Q_OBJECT

public:
    explicit VdirStoreReadOnlyTest(bool canMount)
        : m_canMount(canMount)
    {}

private:
    bool m_canMount;
    // Deleting a list moves it to the trash, which must be a test folder's.
    std::unique_ptr<test::IsolatedHome> m_dir;
    QString m_root;
    bool m_mounted = false;

private Q_SLOTS:
    void init()
    {
        m_dir = std::make_unique<test::IsolatedHome>();
        m_root = m_dir->dataHome() + QStringLiteral("/calendars");
        QVERIFY(test::writeFile(m_root + QStringLiteral("/acc/displayname"), "Account"));
        QVERIFY(test::writeFile(m_root + QStringLiteral("/acc/one/a.ics"), test::todoFile("a", "Alpha")));
        QVERIFY(test::writeFile(m_root + QStringLiteral("/acc/two/displayname"), "Two"));
        if (!m_canMount) {
            QSKIP("This system allows no mount namespace, so no folder can be made read-only for every user.");
        }
        QVERIFY(test::mountReadOnly(m_root));
        m_mounted = true;
    }

    void cleanup()
    {
        if (m_mounted) {
            test::unmount(m_root);
            m_mounted = false;
        }
        m_dir.reset();
    }

    void shouldLoadEverythingAndFailEveryWriteWithTheReason()
    {
        const QMap<QString, QByteArray> before = contentsOf(m_root);
        VdirStore store(m_root);

        QCOMPARE(store.authorizationStatus(), AuthorizationStatus::fullAccess);
        const AccessResult access = QCoro::waitFor(store.requestAccess());
        QVERIFY2(access.granted, qPrintable(access.error.value_or(QString())));
        QCOMPARE(QCoro::waitFor(store.lists()).size(), 2);
        const QList<StoreReminder> reminders =
            QCoro::waitFor(store.fetchReminders({QStringLiteral("acc/one"), QStringLiteral("acc/two")}));
        QCOMPARE(reminders.size(), 1);
        StoreReminder renamed = reminders.first();
        renamed.title = QStringLiteral("Beta");
        StoreReminder moved = reminders.first();
        moved.listID = QStringLiteral("acc/two");
        StoreReminder added;
        added.title = QStringLiteral("New");
        added.listID = QStringLiteral("acc/one");

        const QString reason = QString::fromLocal8Bit(std::strerror(EROFS));
        const QList<QPair<const char*, std::optional<QString>>> writes{
            {"edit", store.saveReminder(renamed).error},
            {"move", store.saveReminder(moved).error},
            {"add", store.saveReminder(added).error},
            {"remove", store.removeReminder(reminders.first()).error},
            {"new list", store.createList(QStringLiteral("acc"), QStringLiteral("Three"), QColor()).error},
            {"rename list", store.renameList(QStringLiteral("acc/one"), QStringLiteral("Uno")).error},
            {"recolour list", store.recolorList(QStringLiteral("acc/one"), QColor(Qt::red)).error},
            {"delete list", store.deleteList(QStringLiteral("acc/two")).error},
        };
        for (const auto& [what, error] : writes) {
            QVERIFY2(error, what);
            QVERIFY2(error->contains(reason) && error->contains(m_root), qPrintable(*error));
        }
        QCOMPARE(contentsOf(m_root), before);
        QCOMPARE(store.reminderWithID(reminders.first().id)->title, QStringLiteral("Alpha"));
    }
};

int main(int argc, char** argv)
{
    // Before the application object, while no other thread runs.
    const bool canMount = test::enterOwnMountNamespace();
    QCoreApplication app(argc, argv);
    VdirStoreReadOnlyTest test(canMount);
    return QTest::qExec(&test, argc, argv);
}

#include "VdirStoreReadOnlyTest.moc"
