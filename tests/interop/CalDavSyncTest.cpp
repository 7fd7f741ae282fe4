// CalDAV both ways: a Radicale server on 127.0.0.1, paired through vdirsyncer with a folder under the store's
// root, and the real model on the real store at the other end.
#include "IcsText.h"
#include "ModelHarness.h"
#include "SyncRig.h"
#include "TestSupport.h"

#include <QTest>

#include <memory>

using namespace tolvik;
using namespace tolvik::interop;

namespace {

const QString work = QStringLiteral("work");
const QString home = QStringLiteral("home");

QDateTime localTime(int year, int month, int day, int hour = 0, int minute = 0)
{
    return QDateTime(QDate(year, month, day), QTime(hour, minute));
}

/// A to-do as a phone would PUT it.
QByteArray phoneTodo(const QString& uid, const QString& summary, const QByteArray& extra = {})
{
    return "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Interop Test//Phone//EN\r\nBEGIN:VTODO\r\n"
           "UID:" +
           uid.toUtf8() + "\r\nDTSTAMP:20300101T000000Z\r\nSUMMARY:" + summary.toUtf8() + "\r\n" + extra +
           "END:VTODO\r\nEND:VCALENDAR\r\n";
}

/// vdirsyncer names every item it copies or deletes; a sync that names none changed nothing.
bool changedAnything(const ProcessResult& result)
{
    const QByteArray output = result.out + result.err;
    return output.contains("Copying") || output.contains("Deleting");
}

} // namespace

class CalDavSyncTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();

    void serverTaskArrivesWithListNameAndColour();
    void serverEditsAndDeletesReachTheModel();
    void modelChangesReachTheServer();
    void completedRepeatingReminderMovesOnOnTheServer();

private:
    /// Syncs and refreshes the model; fails the test with vdirsyncer's output when the sync fails.
    bool syncAndRefresh();
    /// The server's items in a collection whose master to-do has that UID.
    QList<DavItem> serverItems(const QString& collection, const QString& uid);
    /// The UID written in a reminder's file.
    QString uidOf(const QString& reminderID) const;

    std::unique_ptr<test::IsolatedHome> m_home;
    QString m_root;
    std::unique_ptr<SyncRig> m_rig;
    std::unique_ptr<ModelHarness> m_app;
};

void CalDavSyncTest::initTestCase()
{
    m_home = std::make_unique<test::IsolatedHome>();
    m_root = m_home->dataHome() + QStringLiteral("/calendars");
    m_rig = std::make_unique<SyncRig>(m_root, m_home->path() + QStringLiteral("/peers"));
    QString error;
    QVERIFY2(m_rig->setUp(&error), qPrintable(error));
    QVERIFY(m_rig->server().baseUrl().host() == QStringLiteral("127.0.0.1"));
    m_app = std::make_unique<ModelHarness>(m_root, m_home->path() + QStringLiteral("/prefs.ini"));
    m_app->refresh();
    QCOMPARE(m_app->model().authorizationStatus(), AuthorizationStatus::fullAccess);
}

void CalDavSyncTest::cleanupTestCase()
{
    m_app.reset();
    // Stops the server by its PID; a test that failed on the way still gets here.
    m_rig.reset();
    m_home.reset();
}

bool CalDavSyncTest::syncAndRefresh()
{
    QString error;
    if (!m_rig->sync(&error)) {
        qWarning("vdirsyncer sync failed: %s", qPrintable(error));
        return false;
    }
    m_app->refresh();
    return true;
}

QList<DavItem> CalDavSyncTest::serverItems(const QString& collection, const QString& uid)
{
    QString error;
    QList<DavItem> matching;
    const QList<DavItem> all = m_rig->dav().items(m_rig->collectionUrl(collection), &error);
    if (!error.isEmpty()) {
        qWarning("%s", qPrintable(error));
    }
    for (const DavItem& item : all) {
        if (valueOf(masterTodo(item.data), QStringLiteral("UID")) == uid) {
            matching.append(item);
        }
    }
    return matching;
}

QString CalDavSyncTest::uidOf(const QString& reminderID) const
{
    return valueOf(masterTodo(test::readFile(m_app->pathOf(reminderID))), QStringLiteral("UID"));
}

void CalDavSyncTest::serverTaskArrivesWithListNameAndColour()
{
    const DavResponse put =
        m_rig->dav().put(m_rig->collectionUrl(work), QStringLiteral("parcel.ics"),
                         phoneTodo(QStringLiteral("parcel-1@phone.example"), QStringLiteral("Pick up parcel"),
                                   "DUE:20310405T120000Z\r\nPRIORITY:1\r\nDESCRIPTION:Counter 3\\, ask for Kim\r\n"));
    QCOMPARE(put.status, 201);
    QVERIFY(syncAndRefresh());

    const std::optional<ReminderItem> parcel = m_app->reminder(QStringLiteral("Pick up parcel"));
    QVERIFY(parcel);
    QCOMPARE(parcel->listID, SyncRig::listID(work));
    QCOMPARE(parcel->dueDate, QDateTime(QDate(2031, 4, 5), QTime(12, 0), Qt::UTC).toLocalTime());
    QCOMPARE(parcel->priority, 1);
    QCOMPARE(parcel->notes, QStringLiteral("Counter 3, ask for Kim"));

    // The collections' display names and colour came over with metasync.
    const QList<ReminderList> lists = m_app->model().lists();
    QCOMPARE(lists.size(), 2);
    const auto find = [&lists](const QString& id) {
        return *std::find_if(lists.begin(), lists.end(), [&id](const ReminderList& list) { return list.id == id; });
    };
    QCOMPARE(find(SyncRig::listID(work)).name, QStringLiteral("Work"));
    QCOMPARE(find(SyncRig::listID(work)).color, QColor(QStringLiteral("#FF8800")));
    QCOMPARE(find(SyncRig::listID(home)).name, QStringLiteral("Home"));
    QCOMPARE(find(SyncRig::listID(home)).color, RemindersViewModel::fallbackListColor());
    QCOMPARE(find(SyncRig::listID(home)).accountID, QStringLiteral("radicale"));
}

void CalDavSyncTest::serverEditsAndDeletesReachTheModel()
{
    const QUrl collection = m_rig->collectionUrl(home);
    QCOMPARE(m_rig->dav()
                 .put(collection, QStringLiteral("a.ics"), phoneTodo(QStringLiteral("a"), QStringLiteral("Fix bike")))
                 .status,
             201);
    QCOMPARE(m_rig->dav()
                 .put(collection, QStringLiteral("b.ics"), phoneTodo(QStringLiteral("b"), QStringLiteral("Sell sofa")))
                 .status,
             201);
    QVERIFY(syncAndRefresh());
    QVERIFY(m_app->reminder(QStringLiteral("Fix bike")));
    QVERIFY(m_app->reminder(QStringLiteral("Sell sofa")));

    QCOMPARE(m_rig->dav()
                 .put(collection, QStringLiteral("a.ics"),
                      phoneTodo(QStringLiteral("a"), QStringLiteral("Fix bike: rear brake"),
                                "SEQUENCE:1\r\nRRULE:FREQ=MONTHLY\r\n"))
                 .status,
             201);
    QCOMPARE(m_rig->dav().remove(collection.resolved(QUrl(QStringLiteral("b.ics")))).status, 200);
    QVERIFY(syncAndRefresh());
    QVERIFY(!m_app->reminder(QStringLiteral("Fix bike")));
    const std::optional<ReminderItem> bike = m_app->reminder(QStringLiteral("Fix bike: rear brake"));
    QVERIFY(bike);
    QCOMPARE(bike->recurrence, RecurrenceOption::monthly);
    QVERIFY(!m_app->reminder(QStringLiteral("Sell sofa")));
}

void CalDavSyncTest::modelChangesReachTheServer()
{
    QCOMPARE(m_app->add(QStringLiteral("Send invoice"), SyncRig::listID(work), localTime(2031, 8, 1, 9, 0),
                        QStringLiteral("To Ørjan, 30 days"), 5),
             QString());
    const QString id = m_app->idOf(QStringLiteral("Send invoice"));
    const QString fileName = QFileInfo(m_app->pathOf(id)).fileName();
    const QString uid = uidOf(id);
    QVERIFY(!uid.isEmpty());
    QVERIFY(syncAndRefresh());

    QList<DavItem> onServer = serverItems(work, uid);
    QCOMPARE(onServer.size(), 1);
    // vdirsyncer keeps a UID-safe name on the server: the same name as our file.
    QCOMPARE(itemName(onServer.first().href), fileName);
    QList<IcsProperty> todo = masterTodo(onServer.first().data);
    QCOMPARE(valueOf(todo, QStringLiteral("SUMMARY")), QStringLiteral("Send invoice"));
    QCOMPARE(valueOf(todo, QStringLiteral("DESCRIPTION")), QStringLiteral("To Ørjan\\, 30 days"));
    QCOMPARE(momentOf(*findProperty(todo, QStringLiteral("DUE"))), localTime(2031, 8, 1, 9, 0));

    QCOMPARE(
        m_app->wait(m_app->model().updateReminder(id, QStringLiteral("Send invoice #42"), QStringLiteral("To Ørjan"),
                                                  localTime(2031, 8, 2, 10, 30), 1, RecurrenceOption::none)),
        QString());
    QVERIFY(syncAndRefresh());
    onServer = serverItems(work, uid);
    QCOMPARE(onServer.size(), 1);
    todo = masterTodo(onServer.first().data);
    QCOMPARE(valueOf(todo, QStringLiteral("SUMMARY")), QStringLiteral("Send invoice #42"));
    QCOMPARE(valueOf(todo, QStringLiteral("PRIORITY")), QStringLiteral("1"));
    QCOMPARE(momentOf(*findProperty(todo, QStringLiteral("DUE"))), localTime(2031, 8, 2, 10, 30));

    QCOMPARE(m_app->wait(m_app->model().moveReminder(id, SyncRig::listID(home))), QString());
    const QString movedID = m_app->idOf(QStringLiteral("Send invoice #42"));
    QCOMPARE(m_app->reminder(QStringLiteral("Send invoice #42"))->listID, SyncRig::listID(home));
    QVERIFY(syncAndRefresh());
    QCOMPARE(serverItems(work, uid).size(), 0);
    QCOMPARE(serverItems(home, uid).size(), 1);

    QCOMPARE(m_app->wait(m_app->model().completeReminder(movedID)), QString());
    QVERIFY(syncAndRefresh());
    onServer = serverItems(home, uid);
    QCOMPARE(onServer.size(), 1);
    todo = masterTodo(onServer.first().data);
    QCOMPARE(valueOf(todo, QStringLiteral("STATUS")), QStringLiteral("COMPLETED"));
    QVERIFY(findProperty(todo, QStringLiteral("COMPLETED")));

    // The completed reminder is no longer published, but the store still knows it by id.
    QCOMPARE(m_app->wait(m_app->model().deleteReminder(movedID)), QString());
    QVERIFY(syncAndRefresh());
    QCOMPARE(serverItems(home, uid).size(), 0);

    // Our files are stable: a sync with no new edits copies nothing either way.
    const ProcessResult quiet = m_rig->vdirsyncer().sync();
    QVERIFY2(quiet.ok() && !changedAnything(quiet), quiet.describe().constData());
}

void CalDavSyncTest::completedRepeatingReminderMovesOnOnTheServer()
{
    QCOMPARE(m_app->add(QStringLiteral("Take out bins"), SyncRig::listID(work), localTime(2031, 1, 6, 19, 0),
                        std::nullopt, 0, RecurrenceOption::weekly),
             QString());
    const QString id = m_app->idOf(QStringLiteral("Take out bins"));
    const QString uid = uidOf(id);
    QVERIFY(syncAndRefresh());
    QCOMPARE(serverItems(work, uid).size(), 1);

    QCOMPARE(m_app->wait(m_app->model().completeReminder(id)), QString());
    QVERIFY(syncAndRefresh());
    QList<DavItem> onServer = serverItems(work, uid);
    QCOMPARE(onServer.size(), 1);
    const QList<IcsProperty> todo = masterTodo(onServer.first().data);
    QCOMPARE(momentOf(*findProperty(todo, QStringLiteral("DUE"))), localTime(2031, 1, 13, 19, 0));
    QVERIFY(valueOf(todo, QStringLiteral("RRULE")).contains(QStringLiteral("FREQ=WEEKLY")));
    QVERIFY(valueOf(todo, QStringLiteral("STATUS")) != QStringLiteral("COMPLETED"));
    QVERIFY(!findProperty(todo, QStringLiteral("COMPLETED")));
    const std::optional<ReminderItem> bins = m_app->reminder(QStringLiteral("Take out bins"));
    QVERIFY(bins);
    QCOMPARE(bins->dueDate, localTime(2031, 1, 13, 19, 0));

    // A series a phone started with two occurrences moves on once, then ends.
    QCOMPARE(m_rig->dav()
                 .put(m_rig->collectionUrl(work), QStringLiteral("pills.ics"),
                      phoneTodo(QStringLiteral("pills"), QStringLiteral("Take pills"),
                                "DTSTART:20310310T080000Z\r\nDUE:20310310T080000Z\r\nRRULE:FREQ=DAILY;COUNT=2\r\n"))
                 .status,
             201);
    QVERIFY(syncAndRefresh());
    QCOMPARE(m_app->wait(m_app->model().completeReminder(m_app->idOf(QStringLiteral("Take pills")))), QString());
    QVERIFY(syncAndRefresh());
    onServer = serverItems(work, QStringLiteral("pills"));
    QCOMPARE(onServer.size(), 1);
    QCOMPARE(momentOf(*findProperty(masterTodo(onServer.first().data), QStringLiteral("DUE"))),
             QDateTime(QDate(2031, 3, 11), QTime(8, 0), Qt::UTC).toLocalTime());
    QVERIFY(m_app->reminder(QStringLiteral("Take pills")));
    QCOMPARE(m_app->wait(m_app->model().completeReminder(m_app->idOf(QStringLiteral("Take pills")))), QString());
    QVERIFY(syncAndRefresh());
    QVERIFY(!m_app->reminder(QStringLiteral("Take pills")));
    onServer = serverItems(work, QStringLiteral("pills"));
    QCOMPARE(onServer.size(), 1);
    QCOMPARE(valueOf(masterTodo(onServer.first().data), QStringLiteral("STATUS")), QStringLiteral("COMPLETED"));
}

QTEST_GUILESS_MAIN(CalDavSyncTest)
#include "CalDavSyncTest.moc"
