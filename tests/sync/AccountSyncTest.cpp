#include "IcsText.h"
#include "SyncTestRig.h"

#include "ModelHarness.h"
#include "settings/AddAccountDialog.h"
#include "sync/ConflictArchive.h"
#include "sync/CredentialStore.h"
#include "sync/SyncScheduler.h"
#include "sync/SyncService.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTest>

#include <QCoro/QCoroTask>

using namespace tolvik;
using namespace tolvik::test;

class AccountSyncTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<SyncTestRig> m_rig;
    QString m_accountID;

    /// Adds the account through the dialog, as a user does, and waits for its first sync.
    QString addThroughDialog()
    {
        AddAccountDialog dialog(m_rig->service());
        dialog.setFileFallbackAnswer(false);
        dialog.show();
        dialog.addressField()->setText(m_rig->server().baseUrl().toString());
        dialog.primaryButton()->click();
        [&] { QTRY_COMPARE_WITH_TIMEOUT(dialog.page(), AddAccountDialog::Page::signIn, 30000); }();
        dialog.userField()->setText(m_rig->server().user());
        dialog.passwordField()->setText(m_rig->server().password());
        dialog.primaryButton()->click();
        [&] { QTRY_COMPARE_WITH_TIMEOUT(dialog.page(), AddAccountDialog::Page::lists, 30000); }();
        if (dialog.listToggles().size() != 2) {
            return {};
        }
        dialog.primaryButton()->click();
        [&] { QTRY_VERIFY_WITH_TIMEOUT(!dialog.addedAccountID().isEmpty(), 30000); }();
        const QString id = dialog.addedAccountID();
        if (!id.isEmpty()) {
            m_rig->waitForSync(id);
        }
        return id;
    }

    bool syncNow() { return QCoro::waitFor(m_rig->service().sync(m_accountID)); }

private Q_SLOTS:
    void init()
    {
        m_rig = std::make_unique<SyncTestRig>();
        QString error;
        QVERIFY2(m_rig->start(&error), qPrintable(error));
        m_accountID = addThroughDialog();
        QVERIFY(!m_accountID.isEmpty());
    }

    void cleanup() { m_rig.reset(); }

    void shouldSetUpThroughTheDialogAndSyncTheChosenListsWithNamesAndColours()
    {
        const AccountSyncState state = m_rig->service().state(m_accountID);
        QCOMPARE(state.problem, SyncProblem::none);
        QVERIFY(state.lastSuccess.isValid());
        const QString work = m_rig->storeRoot() + QLatin1Char('/') + m_accountID + QStringLiteral("/work");
        QCOMPARE(readFile(work + QStringLiteral("/displayname")).trimmed(), QByteArray("Work"));
        QCOMPARE(readFile(work + QStringLiteral("/color")).trimmed().left(7).toUpper(), QByteArray("#FF8800"));

        // The password is in the keyring, and nowhere in the engine's config, which only its owner can read.
        const SecretResult secret = QCoro::waitFor(CredentialStore::read(m_accountID, false));
        QCOMPARE(secret.status, SecretStatus::ok);
        QCOMPARE(secret.secret, m_rig->server().password());
        const QString config = SyncPaths::itemsConfig(m_accountID);
        QVERIFY(!readFile(config).contains(m_rig->server().password().toUtf8()));
        QVERIFY(!readFile(config).contains("item_types"));
        const QFileDevice::Permissions others = QFileDevice::ReadGroup | QFileDevice::WriteGroup |
                                                QFileDevice::ExeGroup | QFileDevice::ReadOther |
                                                QFileDevice::WriteOther | QFileDevice::ExeOther;
        QCOMPARE(QFileInfo(config).permissions() & others, QFileDevice::Permissions());
    }

    void shouldCarryChangesBothWays()
    {
        const QString work = m_rig->storeRoot() + QLatin1Char('/') + m_accountID + QStringLiteral("/work");
        QVERIFY(writeFile(work + QStringLiteral("/local-1.ics"), todoFile("local-1", "Written here")));
        QCOMPARE(m_rig->dav()
                     .put(m_rig->server().collectionUrl(QStringLiteral("work")), QStringLiteral("server-1.ics"),
                          todoFile("server-1", "Written on the phone"))
                     .status,
                 201);
        QVERIFY(syncNow());
        QVERIFY(QFileInfo::exists(work + QStringLiteral("/server-1.ics")));
        bool onServer = false;
        for (const interop::DavItem& item : m_rig->dav().items(m_rig->server().collectionUrl(QStringLiteral("work")))) {
            onServer = onServer || item.data.contains("Written here");
        }
        QVERIFY(onServer);
    }

    void shouldMakeAListMadeHereOnTheServerWithoutAStepOfTheUsers()
    {
        SyncScheduler scheduler(m_rig->service());
        interop::ModelHarness app(m_rig->storeRoot(), m_rig->home() + QStringLiteral("/prefs.ini"));
        app.refresh();
        const ListCreation created = QCoro::waitFor(
            app.model().createList(m_accountID, QStringLiteral("Groceries & more"), QColor(0x34, 0xc7, 0x59)));
        QVERIFY(!created.error);
        const QString name = created.listID.section(QLatin1Char('/'), 1);
        QVERIFY(writeFile(m_rig->storeRoot() + QLatin1Char('/') + created.listID + QStringLiteral("/milk.ics"),
                          todoFile("milk-1", "Buy milk")));

        // The scheduler notices the new folder; the sync makes the list on the server and pairs it.
        const QUrl url = m_rig->server().collectionUrl(name);
        QTRY_VERIFY_WITH_TIMEOUT(!m_rig->dav().items(url).isEmpty(), 90000);
        QVERIFY(m_rig->dav().items(url).first().data.contains("Buy milk"));
        const QByteArray properties = m_rig->dav().collectionProperties(url).body;
        QVERIFY2(properties.contains("Groceries &amp; more"), properties.constData());
        QVERIFY2(properties.contains("#34C759"), properties.constData());
        const QByteArray stored =
            readFile(m_rig->home() + QStringLiteral("/server/collections/collection-root/") + m_rig->server().user() +
                     QLatin1Char('/') + name + QStringLiteral("/.Radicale.props"));
        QVERIFY2(stored.contains("\"C:supported-calendar-component-set\": \"VTODO\""), stored.constData());
        QTRY_VERIFY_WITH_TIMEOUT(!m_rig->service().state(m_accountID).running, 60000);
        QCOMPARE(m_rig->service().state(m_accountID).problem, SyncProblem::none);
        const QList<SyncedCollection> paired = m_rig->service().accounts().first().collections;
        QVERIFY(std::any_of(paired.begin(), paired.end(), [&](const auto& c) { return c.name == name; }));
    }

    void shouldPairListsMadeHereWithTheServersListsOfTheSameName()
    {
        // One made on the phone under a name of its own, one whose name is the folder's; neither picked here.
        const QUrl errands = m_rig->server().collectionUrl(QStringLiteral("errands-on-phone"));
        const QUrl garden = m_rig->server().collectionUrl(QStringLiteral("garden"));
        QCOMPARE(m_rig->dav().makeCalendar(errands, QStringLiteral("Errands"), QString()).status, 201);
        QCOMPARE(m_rig->dav().makeCalendar(garden, QStringLiteral("Garden stuff"), QString()).status, 201);
        interop::ModelHarness app(m_rig->storeRoot(), m_rig->home() + QStringLiteral("/prefs.ini"));
        app.refresh();
        for (const QString& name : {QStringLiteral("errands"), QStringLiteral("Garden")}) {
            const ListCreation created = QCoro::waitFor(app.model().createList(m_accountID, name, QColor()));
            QVERIFY(!created.error);
            QVERIFY(writeFile(m_rig->storeRoot() + QLatin1Char('/') + created.listID + QStringLiteral("/i.ics"),
                              todoFile(name.toUtf8() + "-1", "Made here in " + name.toUtf8())));
        }
        QVERIFY(syncNow());

        QCOMPARE(m_rig->dav().items(errands).size(), 1);
        QCOMPARE(m_rig->dav().items(garden).size(), 1);
        // No second list of either name.
        for (const QString& segment : {QStringLiteral("errands"), QStringLiteral("garden-2")}) {
            QCOMPARE(m_rig->dav().collectionProperties(m_rig->server().collectionUrl(segment)).status, 404);
        }
        QCOMPARE(m_rig->service().state(m_accountID).problem, SyncProblem::none);
    }

    void shouldKeepBothVersionsOfAReminderChangedOnBothSides()
    {
        const QString path = m_rig->storeRoot() + QLatin1Char('/') + m_accountID + QStringLiteral("/work/both-1.ics");
        QVERIFY(writeFile(path, todoFile("both-1", "Before", "LAST-MODIFIED:20240301T090000Z\r\n")));
        QVERIFY(syncNow());
        const QUrl work = m_rig->server().collectionUrl(QStringLiteral("work"));
        const QList<interop::DavItem> uploaded = m_rig->dav().items(work);
        const auto item = std::find_if(uploaded.begin(), uploaded.end(),
                                       [](const interop::DavItem& i) { return i.data.contains("both-1"); });
        QVERIFY(item != uploaded.end());

        const QByteArray phone = todoFile("both-1", "Phone's edit", "LAST-MODIFIED:20240302T090000Z\r\n");
        const QByteArray here = todoFile("both-1", "This computer's edit", "LAST-MODIFIED:20240303T090000Z\r\n");
        QVERIFY(m_rig->dav().put(work, item->href.section(QLatin1Char('/'), -1), phone).status < 300);
        QVERIFY(writeFile(path, here));
        QVERIFY(syncNow());

        // The newer edit is on both sides; the phone's is set aside and offered on the row.
        QCOMPARE(readFile(path), here);
        QVERIFY(m_rig->dav().get(QUrl(work).resolved(QUrl(item->href))).body.contains("This computer's edit"));
        ConflictArchive archive;
        archive.reload({m_accountID});
        const QByteArray kept = archive.newest(m_accountID, QStringLiteral("both-1"))->bytes;
        QVERIFY(kept.contains("Phone's edit"));

        // Choosing the phone's puts its bytes back, and the next sync carries them to the server.
        interop::ModelHarness app(m_rig->storeRoot(), m_rig->home() + QStringLiteral("/prefs.ini"));
        app.model().setKeptVersions(&archive);
        app.refresh();
        const std::optional<ReminderItem> shown = app.reminder(QStringLiteral("This computer's edit"));
        QVERIFY(shown && app.model().hasOtherVersion(*shown));
        QVERIFY(QCoro::waitFor(app.model().useOtherVersion(*shown)));
        QCOMPARE(readFile(path), kept);
        QVERIFY(archive.isEmpty());
        QVERIFY(syncNow());
        QVERIFY(m_rig->dav().get(QUrl(work).resolved(QUrl(item->href))).body.contains("Phone's edit"));
    }

    void shouldAskToSignInAgainWhenTheServerRefusesThePassword()
    {
        QCoro::waitFor(m_rig->service().changePassword(m_accountID, QStringLiteral("not-the-password")));
        QVERIFY(m_rig->waitForSync(m_accountID));
        QCOMPARE(m_rig->service().state(m_accountID).problem, SyncProblem::signInAgain);
        // The right one makes it whole again.
        QCoro::waitFor(m_rig->service().changePassword(m_accountID, m_rig->server().password()));
        QVERIFY(m_rig->waitForSync(m_accountID));
        QCOMPARE(m_rig->service().state(m_accountID).problem, SyncProblem::none);
    }

    void shouldCallAStoppedServerUnreachableAndKeepEveryFile()
    {
        const QString work = m_rig->storeRoot() + QLatin1Char('/') + m_accountID + QStringLiteral("/work");
        QVERIFY(writeFile(work + QStringLiteral("/local-2.ics"), todoFile("local-2", "Waits for the server")));
        const int before = QDir(work).entryList({QStringLiteral("*.ics")}).size();
        m_rig->server().stop();
        QVERIFY(!syncNow());
        QCOMPARE(m_rig->service().state(m_accountID).problem, SyncProblem::unreachable);
        QCOMPARE(QDir(work).entryList({QStringLiteral("*.ics")}).size(), before);
    }

    void shouldForgetARemovedAccountAndKeepItsListsWhenAsked_data()
    {
        QTest::addColumn<bool>("keepLists");
        QTest::newRow("keep") << true;
        QTest::newRow("trash") << false;
    }

    void shouldForgetARemovedAccountAndKeepItsListsWhenAsked()
    {
        QFETCH(bool, keepLists);
        const QString folder = m_rig->storeRoot() + QLatin1Char('/') + m_accountID;
        QVERIFY(QCoro::waitFor(m_rig->service().removeAccount(m_accountID, keepLists)));
        QVERIFY(m_rig->service().accounts().isEmpty());
        QVERIFY(SyncAccountRegistry::load().isEmpty());
        QVERIFY(!QFileInfo::exists(SyncPaths::itemsConfig(m_accountID)));
        QVERIFY(!QFileInfo::exists(SyncPaths::stateFolder(m_accountID)));
        QCOMPARE(QCoro::waitFor(CredentialStore::read(m_accountID, false)).status, SecretStatus::missing);
        QCOMPARE(QFileInfo::exists(folder + QStringLiteral("/work/displayname")), keepLists);
        // The server keeps its lists.
        QCOMPARE(m_rig->dav().collectionProperties(m_rig->server().collectionUrl(QStringLiteral("work"))).status, 207);
    }

    void shouldAnswerThePasswordQuestionFromTheKeyringWithoutADisplay()
    {
        QProcess helper;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(QStringLiteral("DISPLAY"));
        environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
        environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
        helper.setProcessEnvironment(environment);
        helper.start(QStringLiteral(TOLVIK_APP_BINARY), {QStringLiteral("--sync-password"), m_accountID});
        QVERIFY(helper.waitForFinished(30000));
        QCOMPARE(helper.exitCode(), 0);
        QCOMPARE(QString::fromUtf8(helper.readAllStandardOutput()), m_rig->server().password());

        helper.start(QStringLiteral(TOLVIK_APP_BINARY), {QStringLiteral("--sync-password"), QStringLiteral("nobody")});
        QVERIFY(helper.waitForFinished(30000));
        QCOMPARE(helper.exitCode(), 3);
        QVERIFY(helper.readAllStandardOutput().isEmpty());
    }
};

QTEST_MAIN(AccountSyncTest)
#include "AccountSyncTest.moc"
