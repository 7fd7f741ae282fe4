#include "app/SingleInstance.h"

#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace tolvik;

class SingleInstanceTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shouldLetOnlyTheFirstClaimAndForwardLaterLaunches()
    {
        QTemporaryDir dir;
        const QString base = dir.filePath(QStringLiteral("instance"));
        SingleInstance first(base);
        QVERIFY(first.claim());
        QSignalSpy activations(&first, &SingleInstance::activationRequested);

        // The second launch runs the same code in another process; a second object stands in for it. It blocks
        // while it sends, so the first one sees the request once the event loop runs again.
        SingleInstance second(base);
        QVERIFY(!second.claim());
        QVERIFY(second.reachedRunningInstance());
        QTRY_COMPARE(activations.size(), 1);

        SingleInstance third(base);
        QVERIFY(!third.claim());
        QTRY_COMPARE(activations.size(), 2);
    }

    void shouldForwardQuickAddRequestApartFromShow()
    {
        QTemporaryDir dir;
        const QString base = dir.filePath(QStringLiteral("instance"));
        SingleInstance first(base);
        QVERIFY(first.claim());
        QSignalSpy activations(&first, &SingleInstance::activationRequested);
        QSignalSpy quickAdds(&first, &SingleInstance::quickAddRequested);
        SingleInstance later(base);
        QVERIFY(!later.claim(SingleInstance::Request::quickAdd));
        QTRY_COMPARE(quickAdds.size(), 1);
        QCOMPARE(activations.size(), 0);
    }

    void shouldTakeOverFromAnInstanceThatIsGone()
    {
        QTemporaryDir dir;
        const QString base = dir.filePath(QStringLiteral("instance"));
        {
            SingleInstance crashed(base);
            QVERIFY(crashed.claim());
        }
        // A socket file left behind by a crash must not block the next start.
        QFile leftover(base + QStringLiteral(".socket"));
        QVERIFY(leftover.open(QIODevice::WriteOnly));
        leftover.close();

        SingleInstance next(base);
        QVERIFY(next.claim());
        QSignalSpy activations(&next, &SingleInstance::activationRequested);
        SingleInstance later(base);
        QVERIFY(!later.claim());
        QTRY_COMPARE(activations.size(), 1);
    }

    void shouldIgnoreStrangersOnTheSocket()
    {
        QTemporaryDir dir;
        const QString base = dir.filePath(QStringLiteral("instance"));
        SingleInstance instance(base);
        QVERIFY(instance.claim());
        QSignalSpy activations(&instance, &SingleInstance::activationRequested);
        QLocalSocket stranger;
        stranger.connectToServer(base + QStringLiteral(".socket"));
        QVERIFY(stranger.waitForConnected(1000));
        stranger.write("delete everything\n");
        QVERIFY(stranger.waitForBytesWritten(1000));
        stranger.disconnectFromServer();
        // A real request afterwards still arrives, and it is the only one counted.
        SingleInstance later(base);
        QVERIFY(!later.claim());
        QTRY_COMPARE(activations.size(), 1);
    }
};

QTEST_GUILESS_MAIN(SingleInstanceTest)
#include "SingleInstanceTest.moc"
