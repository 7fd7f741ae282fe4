// Sign-in in the browser against a stand-in for a Nextcloud on 127.0.0.1 (tests/sync/login-flow-server.py): when
// the dialog offers it, and that the app password it yields signs the dialog in without the user's own password.
#include "TestSupport.h"

#include "settings/AddAccountDialog.h"
#include "sync/BrowserSignIn.h"
#include "sync/SyncService.h"

#include <QCheckBox>
#include <QDesktopServices>
#include <QLineEdit>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QProcess>
#include <QPushButton>
#include <QTest>

#include <QCoro/QCoroTask>

using namespace tolvik;
using namespace tolvik::test;

/// Stands in for the desktop's web browser: the user opens the page, which signs them in.
class FakeBrowser : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> opened;

    Q_INVOKABLE void open(const QUrl& url)
    {
        opened.append(url);
        QNetworkReply* reply = m_network.get(QNetworkRequest(url));
        connect(reply, &QNetworkReply::finished, reply, &QObject::deleteLater);
    }

private:
    QNetworkAccessManager m_network;
};

class BrowserSignInTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QProcess> m_server;
    QUrl m_base;

    void startServer(const QString& mode)
    {
        m_server = std::make_unique<QProcess>();
        m_server->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        const QString data = qEnvironmentVariable("TOLVIK_SYNC_TEST_DATA");
        m_server->start(data + QStringLiteral("/../login-flow-server.py"),
                        {data + QStringLiteral("/nextcloud-listing.xml"), mode});
        while (!m_server->canReadLine()) {
            QVERIFY(m_server->waitForReadyRead(10000));
        }
        const QByteArray line = m_server->readLine().trimmed();
        QVERIFY2(line.startsWith("PORT "), line.constData());
        m_base = QUrl(QStringLiteral("http://127.0.0.1:%1/").arg(QString::fromUtf8(line.mid(5))));
    }

private Q_SLOTS:
    void cleanup()
    {
        if (m_server) {
            m_server->kill();
            m_server->waitForFinished();
        }
        m_server.reset();
    }

    void shouldOfferTheBrowserOnlyWhereTheServerIsANextcloudThatStartsASafeSignIn_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<bool>("offered");
        QTest::addColumn<bool>("started");
        QTest::newRow("nextcloud") << QStringLiteral("nextcloud") << true << true;
        QTest::newRow("another server") << QStringLiteral("plain") << false << false;
        QTest::newRow("a sign-in page that is a file") << QStringLiteral("file") << true << false;
    }

    void shouldOfferTheBrowserOnlyWhereTheServerIsANextcloudThatStartsASafeSignIn()
    {
        QFETCH(QString, mode);
        QFETCH(bool, offered);
        QFETCH(bool, started);
        startServer(mode);
        BrowserSignIn browser;
        const std::optional<QUrl> root =
            QCoro::waitFor(browser.nextcloudRoot(m_base.resolved(QUrl(QStringLiteral("/remote.php/dav/"))), {}));
        QCOMPARE(root.has_value(), offered);
        if (offered) {
            QCOMPARE(*root, m_base);
        }
        QCOMPARE(QCoro::waitFor(browser.start(m_base, {})).has_value(), started);
    }

    void shouldSignTheDialogInWithTheAppPasswordFromTheBrowser()
    {
        startServer(QStringLiteral("nextcloud"));
        IsolatedHome home;
        FakeBrowser browser;
        QDesktopServices::setUrlHandler(QStringLiteral("http"), &browser, "open");
        SyncService service(home.dataHome() + QStringLiteral("/calendars"), QStringLiteral("/bin/false"));
        AddAccountDialog dialog(service);
        dialog.setBrowserPolling(50, 20000);
        dialog.show();
        dialog.addressField()->setText(m_base.toString());
        dialog.primaryButton()->click();
        QTRY_COMPARE_WITH_TIMEOUT(dialog.page(), AddAccountDialog::Page::signIn, 20000);
        QTRY_VERIFY_WITH_TIMEOUT(dialog.browserButton()->isVisible(), 20000);

        dialog.browserButton()->click();
        QTRY_COMPARE_WITH_TIMEOUT(dialog.page(), AddAccountDialog::Page::lists, 20000);
        QCOMPARE(browser.opened, QList<QUrl>{m_base.resolved(QUrl(QStringLiteral("/login/v2/flow/page")))});
        QCOMPARE(dialog.userField()->text(), QStringLiteral("alice"));
        QCOMPARE(dialog.passwordField()->text(), QStringLiteral("app-pass-Xy9-kq2"));
        QVERIFY(!dialog.listToggles().isEmpty());
        QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
    }
};

QTEST_MAIN(BrowserSignInTest)
#include "BrowserSignInTest.moc"
