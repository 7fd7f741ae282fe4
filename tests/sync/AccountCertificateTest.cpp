#include "SyncTestRig.h"

#include "settings/AddAccountDialog.h"
#include "sync/SyncService.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QSslCertificate>
#include <QTest>

#include <QCoro/QCoroTask>

using namespace tolvik;
using namespace tolvik::test;

// A server with a self-signed certificate: trusted once on the dialog's certificate page, pinned for the engine,
// and a changed certificate later stops sync until the user trusts the new one.
class AccountCertificateTest : public QObject
{
    Q_OBJECT

private:
    /// A fresh self-signed certificate for 127.0.0.1; its SHA-256 fingerprint, empty on failure.
    static QString makeCertificate(const QString& folder)
    {
        QDir().mkpath(folder);
        QProcess openssl;
        openssl.start(QStringLiteral("openssl"),
                      {QStringLiteral("req"), QStringLiteral("-x509"), QStringLiteral("-newkey"),
                       QStringLiteral("rsa:2048"), QStringLiteral("-nodes"), QStringLiteral("-keyout"),
                       folder + QStringLiteral("/key.pem"), QStringLiteral("-out"),
                       folder + QStringLiteral("/cert.pem"), QStringLiteral("-days"), QStringLiteral("2"),
                       QStringLiteral("-subj"), QStringLiteral("/CN=127.0.0.1"), QStringLiteral("-addext"),
                       QStringLiteral("subjectAltName=IP:127.0.0.1")});
        if (!openssl.waitForFinished(60000) || openssl.exitCode() != 0) {
            return {};
        }
        const QList<QSslCertificate> certificates = QSslCertificate::fromPath(folder + QStringLiteral("/cert.pem"));
        return certificates.isEmpty()
                   ? QString()
                   : DavClient::fingerprintText(certificates.first().digest(QCryptographicHash::Sha256));
    }

private Q_SLOTS:
    void shouldPinATrustedCertificateAndStopWhenItChanges()
    {
        SyncTestRig rig;
        QString error;
        // The lists are made over plain HTTP first; from then on the server speaks only HTTPS on the same port.
        QVERIFY2(rig.start(&error), qPrintable(error));
        const QString first = makeCertificate(rig.home() + QStringLiteral("/tls1"));
        QVERIFY(!first.isEmpty());
        rig.server().stop();
        rig.server().keepPortOnRestart();
        rig.server().useTls(rig.home() + QStringLiteral("/tls1/cert.pem"),
                            rig.home() + QStringLiteral("/tls1/key.pem"));
        QVERIFY2(rig.server().start(&error), qPrintable(error));

        AddAccountDialog dialog(rig.service());
        dialog.show();
        dialog.addressField()->setText(rig.server().baseUrl().toString());
        dialog.primaryButton()->click();
        QTRY_VERIFY2_WITH_TIMEOUT(dialog.page() == AddAccountDialog::Page::certificate,
                                  qPrintable(dialog.statusLabel()->text() + rig.server().baseUrl().toString()), 30000);
        QVERIFY(dialog.certificateText()->text().contains(first));
        // Shown as formatted text: the user reads the details, not their tags.
        QCOMPARE(dialog.certificateText()->textFormat(), Qt::RichText);
        dialog.primaryButton()->click();
        QTRY_COMPARE_WITH_TIMEOUT(dialog.page(), AddAccountDialog::Page::signIn, 30000);
        dialog.userField()->setText(rig.server().user());
        dialog.passwordField()->setText(rig.server().password());
        dialog.primaryButton()->click();
        QTRY_COMPARE_WITH_TIMEOUT(dialog.page(), AddAccountDialog::Page::lists, 30000);
        dialog.primaryButton()->click();
        QTRY_VERIFY_WITH_TIMEOUT(!dialog.addedAccountID().isEmpty(), 30000);
        const QString id = dialog.addedAccountID();
        QVERIFY(rig.waitForSync(id));
        QCOMPARE(rig.service().accounts().first().pinnedFingerprint, first);
        QCOMPARE(rig.service().state(id).problem, SyncProblem::none);
        const QString work = rig.storeRoot() + QLatin1Char('/') + id + QStringLiteral("/work");
        QVERIFY(writeFile(work + QStringLiteral("/kept.ics"), todoFile("kept", "Stays through a changed certificate")));

        // The server comes back with another certificate on the same address.
        const QString second = makeCertificate(rig.home() + QStringLiteral("/tls2"));
        rig.server().stop();
        rig.server().useTls(rig.home() + QStringLiteral("/tls2/cert.pem"),
                            rig.home() + QStringLiteral("/tls2/key.pem"));
        QVERIFY2(rig.server().start(&error), qPrintable(error));
        QVERIFY(!QCoro::waitFor(rig.service().sync(id)));
        const AccountSyncState stopped = rig.service().state(id);
        QCOMPARE(stopped.problem, SyncProblem::certificateChanged);
        QVERIFY(stopped.certificate);
        QCOMPARE(stopped.certificate->sha256, second);
        QVERIFY(QFileInfo::exists(work + QStringLiteral("/kept.ics")));

        rig.service().trustCertificate(id, second);
        QVERIFY(rig.waitForSync(id));
        QCOMPARE(rig.service().state(id).problem, SyncProblem::none);
        // Read from the server's own storage: this test's client would not trust the certificate.
        bool onServer = false;
        const QDir stored(rig.home() + QStringLiteral("/server/collections/collection-root/tester/work"));
        for (const QString& name : stored.entryList({QStringLiteral("*.ics")}, QDir::Files)) {
            onServer = onServer || readFile(stored.filePath(name)).contains("Stays through");
        }
        QVERIFY(onServer);
    }
};

QTEST_MAIN(AccountCertificateTest)
#include "AccountCertificateTest.moc"
