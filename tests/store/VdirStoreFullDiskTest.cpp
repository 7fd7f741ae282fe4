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

QMap<QString, QByteArray> contentsOf(const QString& folder)
{
    QMap<QString, QByteArray> contents;
    QDirIterator files(folder, QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString path = files.next();
        contents.insert(path, test::readFile(path));
    }
    return contents;
}

// Writes until the file system refuses another byte.
void fill(const QString& path)
{
    QFile filler(path);
    if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return;
    }
    const QByteArray block(4096, 'x');
    while (filler.write(block) > 0) {
    }
    while (filler.write("x", 1) > 0) {
    }
}

} // namespace

// A disk that is full: every write fails with the system's reason, and the files stay as they were, the list
// names and colours among them.
class VdirStoreFullDiskTest : public QObject
{
    Q_OBJECT

public:
    explicit VdirStoreFullDiskTest(bool canMount)
        : m_canMount(canMount)
    {}

private:
    bool m_canMount;
    std::unique_ptr<test::IsolatedHome> m_dir;
    QString m_root;
    bool m_mounted = false;

private Q_SLOTS:
    void init()
    {
        m_dir = std::make_unique<test::IsolatedHome>();
        m_root = m_dir->dataHome() + QStringLiteral("/calendars");
        QVERIFY(QDir().mkpath(m_root));
        if (!m_canMount) {
            QSKIP("This system allows no mount namespace, so no disk can be made full for the test alone.");
        }
        QVERIFY(test::mountSmallDisk(m_root, 256 * 1024));
        m_mounted = true;
        QVERIFY(test::writeFile(m_root + QStringLiteral("/acc/displayname"), "Account"));
        QVERIFY(test::writeFile(m_root + QStringLiteral("/acc/one/displayname"), "One"));
        QVERIFY(test::writeFile(m_root + QStringLiteral("/acc/one/color"), "#12A594"));
        QVERIFY(test::writeFile(m_root + QStringLiteral("/acc/one/a.ics"), test::todoFile("a", "Alpha")));
    }

    void cleanup()
    {
        if (m_mounted) {
            test::unmount(m_root);
            m_mounted = false;
        }
        m_dir.reset();
    }

    void shouldFailEveryWriteWithTheReasonAndKeepTheOldFiles()
    {
        VdirStore store(m_root);
        QCOMPARE(QCoro::waitFor(store.lists()).size(), 1);
        const QList<StoreReminder> reminders = QCoro::waitFor(store.fetchReminders({QStringLiteral("acc/one")}));
        QCOMPARE(reminders.size(), 1);
        fill(m_root + QStringLiteral("/.filler"));
        const QMap<QString, QByteArray> before = contentsOf(m_root);

        StoreReminder renamed = reminders.first();
        renamed.title = QStringLiteral("Beta");
        StoreReminder added;
        added.title = QStringLiteral("New");
        added.listID = QStringLiteral("acc/one");
        const QString reason = QString::fromLocal8Bit(std::strerror(ENOSPC));
        const QList<QPair<const char*, std::optional<QString>>> writes{
            {"rename list", store.renameList(QStringLiteral("acc/one"), QStringLiteral("Uno")).error},
            {"recolour list", store.recolorList(QStringLiteral("acc/one"), QColor(Qt::red)).error},
            {"new list", store.createList(QStringLiteral("acc"), QStringLiteral("Three"), QColor(Qt::blue)).error},
            {"edit", store.saveReminder(renamed).error},
            {"add", store.saveReminder(added).error},
        };
        for (const auto& [what, error] : writes) {
            QVERIFY2(error, what);
            QVERIFY2(error->contains(reason) && error->contains(m_root), qPrintable(*error));
        }
        QCOMPARE(contentsOf(m_root), before);
        const QList<StoreList> lists = QCoro::waitFor(store.lists());
        QCOMPARE(lists.size(), 1);
        QCOMPARE(lists.first().title, QStringLiteral("One"));
        QCOMPARE(lists.first().color, std::optional<QColor>(QColor(0x12, 0xa5, 0x94)));
    }
};

int main(int argc, char** argv)
{
    // Before the application object, while no other thread runs.
    const bool canMount = test::enterOwnMountNamespace();
    QCoreApplication app(argc, argv);
    VdirStoreFullDiskTest test(canMount);
    return QTest::qExec(&test, argc, argv);
}

#include "VdirStoreFullDiskTest.moc"
