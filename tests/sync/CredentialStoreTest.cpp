#include "TestSupport.h"

#include "sync/CredentialStore.h"
#include "sync/SyncAccount.h"

#include <QFileInfo>
#include <QTest>

#include <QCoro/QCoroTask>

using namespace tolvik;
using namespace tolvik::test;

// Without a keyring: a session bus that does not exist, as on a desktop with no Secret Service running.
class CredentialStoreTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/tolvik-test-bus");
        qunsetenv("DISPLAY");
    }

    void shouldSayNoKeyringAnsweredInsteadOfStoringElsewhere()
    {
        IsolatedHome home;
        const SecretResult written =
            QCoro::waitFor(CredentialStore::write(QStringLiteral("acct"), QStringLiteral("pw"), false));
        QCOMPARE(written.status, SecretStatus::keyringUnavailable);
        QVERIFY(!written.error.isEmpty());
        QVERIFY(!QFileInfo::exists(SyncPaths::secretFile(QStringLiteral("acct"))));
        QCOMPARE(CredentialStore::readNow(QStringLiteral("acct"), false).status, SecretStatus::keyringUnavailable);
    }

    void shouldKeepAChosenFileForTheUserAlone()
    {
        IsolatedHome home;
        QCOMPARE(QCoro::waitFor(CredentialStore::write(QStringLiteral("acct"), QStringLiteral("pä ss\n"), true)).status,
                 SecretStatus::ok);
        const QFileInfo file(SyncPaths::secretFile(QStringLiteral("acct")));
        QCOMPARE(file.permissions() & ~(QFileDevice::ReadUser | QFileDevice::WriteUser),
                 QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        QCOMPARE(QFileInfo(file.absolutePath()).permissions() & (QFileDevice::ReadOther | QFileDevice::ReadGroup),
                 QFileDevice::Permissions());
        const SecretResult read = CredentialStore::readNow(QStringLiteral("acct"), true);
        QCOMPARE(read.status, SecretStatus::ok);
        QCOMPARE(read.secret, QStringLiteral("pä ss\n"));
        QCOMPARE(CredentialStore::readNow(QStringLiteral("other"), true).status, SecretStatus::missing);
        QCOMPARE(QCoro::waitFor(CredentialStore::remove(QStringLiteral("acct"))).status,
                 SecretStatus::keyringUnavailable);
        QVERIFY(!QFileInfo::exists(file.filePath()));
    }
};

QTEST_GUILESS_MAIN(CredentialStoreTest)
#include "CredentialStoreTest.moc"
