// A reminder changed on two devices, on the real folder store and the sync's real set-aside folder: the row's mark,
// the menu that shows the other version, and what each choice leaves on disk.
#include "RowsFixture.h"
#include "appearance/LocalizationManager.h"
#include "rows/ReminderRow.h"
#include "rows/RowBadges.h"
#include "sync/ConflictArchive.h"
#include "sync/ConflictResolver.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QTest>

using namespace tolvik;
using namespace tolvik::test;

namespace {

const QString account = QStringLiteral("acct");
const QString list = QStringLiteral("acct/tasks");

QByteArray version(const QByteArray& summary, const QByteArray& modified, const QByteArray& uid = "milk-1")
{
    return todoFile(uid, summary, "LAST-MODIFIED:" + modified + "\r\n");
}

QMenu* openContextMenu(ReminderRow& row)
{
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(4, 4), row.mapToGlobal(QPoint(4, 4)));
    QApplication::sendEvent(&row, &event);
    return qobject_cast<QMenu*>(QApplication::activePopupWidget());
}

QMenu* versionsMenu(QMenu* menu)
{
    for (QAction* action : menu->actions()) {
        if (action->objectName() == QLatin1String("twoDevicesMenu")) {
            return action->menu();
        }
    }
    return nullptr;
}

} // namespace

class ReminderRowVersionsTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<IsolatedHome> m_home;
    std::unique_ptr<RowsFixture> m_fixture;
    std::unique_ptr<ConflictArchive> m_archive;
    QString m_path;

    /// The file holds the newer version "Buy oat milk"; the sync set "Buy milk" aside as the server's.
    QString settleConflict()
    {
        m_fixture->makeList(list, "Tasks");
        m_path = m_fixture->listPath(list) + QStringLiteral("/milk-1.ics");
        writeFile(m_path, version("Buy oat milk", "20240315T090000Z"));
        const QString server = m_home->path() + QStringLiteral("/server-copy.ics");
        writeFile(server, version("Buy milk", "20240314T090000Z"));
        if (ConflictResolver::resolve(account, m_path, server) != 0) {
            return {};
        }
        m_archive->reload({account});
        return list + QStringLiteral("/milk-1.ics");
    }

private Q_SLOTS:
    void init()
    {
        m_home = std::make_unique<IsolatedHome>();
        qputenv("XDG_STATE_HOME", (m_home->path() + QStringLiteral("/state")).toUtf8());
        m_fixture = std::make_unique<RowsFixture>();
        m_archive = std::make_unique<ConflictArchive>();
    }

    void cleanup()
    {
        m_archive.reset();
        m_fixture.reset();
        m_home.reset();
    }

    void shouldMarkTheRowAndWriteTheChosenVersion_data()
    {
        QTest::addColumn<bool>("useOther");
        QTest::newRow("use the other version") << true;
        QTest::newRow("keep this version") << false;
    }

    void shouldMarkTheRowAndWriteTheChosenVersion()
    {
        QFETCH(bool, useOther);
        const QString id = settleConflict();
        QVERIFY(!id.isEmpty());
        const QByteArray mine = readFile(m_path);
        auto model = m_fixture->makeModel();
        model->setKeptVersions(m_archive.get());
        QCOMPARE(model->reminders().size(), 1);
        ReminderRow row(model->reminders().first(), model.get(), m_fixture->clock());
        row.show();
        QVERIFY(row.findChild<RowBadges*>()->twoDevicesMark()->isVisibleTo(&row));

        QMenu* menu = openContextMenu(row);
        QVERIFY(menu != nullptr);
        QMenu* versions = versionsMenu(menu);
        QVERIFY(versions != nullptr);
        // The other version's words come first and are no commands.
        QCOMPARE(versions->actions().first()->text(),
                 localizedString(QStringLiteral("twoDevices.other")).arg(QStringLiteral("Buy milk")));
        QVERIFY(!versions->actions().first()->isEnabled());
        versions->findChild<QAction*>(useOther ? QStringLiteral("useOtherVersion") : QStringLiteral("keepThisVersion"))
            ->trigger();
        menu->close();

        // The chosen version is in the file byte for byte, the other is let go, and the mark goes with it.
        QTRY_VERIFY(m_archive->isEmpty());
        QCOMPARE(readFile(m_path), useOther ? version("Buy milk", "20240314T090000Z") : mine);
        QVERIFY(QDir(ConflictResolver::conflictsFolder(account)).entryList(QDir::Files).isEmpty());
        QTRY_VERIFY(!row.findChild<RowBadges*>()->twoDevicesMark()->isVisibleTo(&row));
        QVERIFY(versionsMenu(openContextMenu(row)) == nullptr);
        QApplication::activePopupWidget()->close();
    }

    void shouldKeepEveryVersionWhenOneReminderConflictsTwiceInASecond()
    {
        m_fixture->makeList(list, "Tasks");
        const QString here = m_home->path() + QStringLiteral("/here.ics");
        const QString there = m_home->path() + QStringLiteral("/there.ics");
        for (const QByteArray& loser : {QByteArray("First loser"), QByteArray("Second loser")}) {
            writeFile(here, version("Winner", "20240315T090000Z"));
            writeFile(there, version(loser, "20240301T090000Z"));
            QCOMPARE(ConflictResolver::resolve(account, here, there), 0);
            QCOMPARE(readFile(there), readFile(here));
        }
        const QStringList kept = QDir(ConflictResolver::conflictsFolder(account)).entryList(QDir::Files);
        QCOMPARE(kept.size(), 2);
        m_archive->reload({account});
        QVERIFY(m_archive->newest(account, QStringLiteral("milk-1"))->fromServer);
    }

    void shouldReplaceOnlyTheVersionReadWithAVersionOfTheSameReminder_data()
    {
        QTest::addColumn<QByteArray>("replacement");
        QTest::addColumn<bool>("changedMeanwhile");
        QTest::addColumn<bool>("written");
        QTest::newRow("same reminder") << version("Other words", "20240301T090000Z") << false << true;
        QTest::newRow("another reminder's bytes") << version("Other", "20240301T090000Z", "eggs-2") << false << false;
        QTest::newRow("not a reminder") << QByteArray("BEGIN:VCALENDAR\r\nEND:VCALENDAR\r\n") << false << false;
        QTest::newRow("changed since it was read") << version("Other words", "20240301T090000Z") << true << false;
    }

    void shouldReplaceOnlyTheVersionReadWithAVersionOfTheSameReminder()
    {
        QFETCH(QByteArray, replacement);
        QFETCH(bool, changedMeanwhile);
        QFETCH(bool, written);
        m_fixture->makeList(list, "Tasks");
        const QString id = m_fixture->writeTodo(list, QStringLiteral("milk-1"), QStringLiteral("Buy oat milk"));
        VdirStore store(m_fixture->root());
        QCoro::waitFor(store.fetchReminders({list}));
        const std::optional<StoredFile> current = store.readReminderFile(id);
        QVERIFY(current.has_value());
        if (changedMeanwhile) {
            QVERIFY(writeFile(m_fixture->root() + QLatin1Char('/') + id, version("Phone's edit", "20240316T090000Z")));
        }
        const QByteArray before = m_fixture->readTodo(id);
        const WriteResult result = store.replaceReminderFile(*current, replacement);
        QCOMPARE(result.ok(), written);
        QCOMPARE(result.changedSince, changedMeanwhile);
        QCOMPARE(m_fixture->readTodo(id), written ? replacement : before);
    }
};

QTEST_MAIN(ReminderRowVersionsTest)
#include "ReminderRowVersionsTest.moc"
