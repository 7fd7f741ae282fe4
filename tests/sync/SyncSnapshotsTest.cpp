#include "TestSupport.h"

#include "sync/DeletionGuard.h"
#include "sync/SyncSnapshots.h"

#include <QDir>
#include <QSaveFile>
#include <QTest>

#include <sys/stat.h>

using namespace tolvik;
using namespace tolvik::test;

namespace {

quint64 inodeOf(const QString& path)
{
    struct stat info = {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? quint64(info.st_ino) : 0;
}

/// Writes as the store and the engine do: a new file renamed over the old one.
bool replaceFile(const QString& path, const QByteArray& content)
{
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size() && file.commit();
}

} // namespace

class SyncSnapshotsTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<IsolatedHome> m_home;
    QString m_account;
    const QString m_id = QStringLiteral("acct");
    const QDateTime m_now = QDateTime(QDate(2031, 3, 10), QTime(8, 0), Qt::UTC);

    QString snapshotPath(const QString& name, const QString& file) const
    {
        return SyncSnapshots::folder(m_id) + QLatin1Char('/') + name + QLatin1Char('/') + file;
    }

private Q_SLOTS:
    void init()
    {
        m_home = std::make_unique<IsolatedHome>();
        qputenv("XDG_STATE_HOME", (m_home->path() + QStringLiteral("/state")).toUtf8());
        m_account = m_home->dataHome() + QStringLiteral("/calendars/acct");
        QVERIFY(writeFile(m_account + QStringLiteral("/work/a.ics"), todoFile("a", "Alpha")));
        QVERIFY(writeFile(m_account + QStringLiteral("/work/b.ics"), todoFile("b", "Beta")));
        QVERIFY(writeFile(m_account + QStringLiteral("/work/displayname"), "Work"));
    }

    void cleanup() { m_home.reset(); }

    void shouldLinkEveryFileAndMakeNoNewSnapshotWhileNothingChanged()
    {
        const QString first = SyncSnapshots::take(m_id, m_account, m_now);
        QVERIFY(!first.isEmpty());
        for (const QString& file : {QStringLiteral("work/a.ics"), QStringLiteral("work/displayname")}) {
            QCOMPARE(inodeOf(snapshotPath(first, file)), inodeOf(m_account + QLatin1Char('/') + file));
        }
        QCOMPARE(SyncSnapshots::take(m_id, m_account, m_now.addSecs(900)), first);

        // A rewrite is a new file: the next snapshot is new, and the old one keeps the old bytes.
        QVERIFY(replaceFile(m_account + QStringLiteral("/work/a.ics"), todoFile("a", "Alpha, changed")));
        const QString second = SyncSnapshots::take(m_id, m_account, m_now.addSecs(1800));
        QVERIFY(!second.isEmpty() && second != first);
        QCOMPARE(readFile(snapshotPath(first, QStringLiteral("work/a.ics"))), todoFile("a", "Alpha"));
        QCOMPARE(SyncSnapshots::names(m_id), QStringList({first, second}));
    }

    void shouldPruneOldSnapshotsButKeepTheNewestAndThoseInUse()
    {
        const QString old = SyncSnapshots::take(m_id, m_account, m_now.addDays(-10));
        QVERIFY(replaceFile(m_account + QStringLiteral("/work/b.ics"), todoFile("b", "Beta 2")));
        const QString held = SyncSnapshots::take(m_id, m_account, m_now.addDays(-9));
        QVERIFY(replaceFile(m_account + QStringLiteral("/work/b.ics"), todoFile("b", "Beta 3")));
        const QString newest = SyncSnapshots::take(m_id, m_account, m_now.addDays(-8));
        SyncSnapshots::prune(m_id, m_now, {held});
        QCOMPARE(SyncSnapshots::names(m_id), QStringList({held, newest}));
        QVERIFY(!QFileInfo::exists(SyncSnapshots::folder(m_id) + QLatin1Char('/') + old));
    }

    void shouldRestoreOnlyMissingFilesByteForByte()
    {
        const QString name = SyncSnapshots::take(m_id, m_account, m_now);
        const QString work = m_account + QStringLiteral("/work");
        QVERIFY(QFile::remove(work + QStringLiteral("/a.ics")));
        QVERIFY(replaceFile(work + QStringLiteral("/b.ics"), todoFile("b", "Beta, newer here")));
        QCOMPARE(SyncSnapshots::missingNow(m_id, name, QStringLiteral("work"), work),
                 QStringList{QStringLiteral("a.ics")});

        QVERIFY(SyncSnapshots::restore(m_id, name, QStringLiteral("work"), work,
                                       {QStringLiteral("a.ics"), QStringLiteral("b.ics")}));
        QCOMPARE(readFile(work + QStringLiteral("/a.ics")), todoFile("a", "Alpha"));
        QCOMPARE(readFile(work + QStringLiteral("/b.ics")), todoFile("b", "Beta, newer here"));
        // A name from the state file never reaches outside the list's folder.
        QVERIFY(
            !SyncSnapshots::restore(m_id, name, QStringLiteral("work"), work, {QStringLiteral("../../escape.ics")}));
    }

    void shouldAskOnlyAboutManyRemovals_data()
    {
        QTest::addColumn<int>("removals");
        QTest::addColumn<int>("known");
        QTest::addColumn<bool>("ask");
        QTest::newRow("one of two") << 1 << 2 << false;
        QTest::newRow("two of five") << 2 << 5 << false;
        QTest::newRow("three of fifteen, a fifth") << 3 << 15 << true;
        QTest::newRow("three of sixteen") << 3 << 16 << false;
        QTest::newRow("ten of a thousand") << 10 << 1000 << false;
        QTest::newRow("eleven of a thousand") << 11 << 1000 << true;
    }

    void shouldAskOnlyAboutManyRemovals()
    {
        QFETCH(int, removals);
        QFETCH(int, known);
        QFETCH(bool, ask);
        QCOMPARE(DeletionGuard::tooMany(removals, known), ask);
    }
};

QTEST_GUILESS_MAIN(SyncSnapshotsTest)
#include "SyncSnapshotsTest.moc"
