#include "ModelHarness.h"
#include "SyncRig.h"

#include "TestSupport.h"

#include <QCoro/QCoroTask>
#include <QTest>

using namespace tolvik;
using namespace tolvik::interop;

// A list made in the app inside a synced account reaches the server with its name and colour, through the
// commands the README gives: discover, sync, metasync.
class ListSyncTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shouldBringANewListToTheServerWithItsNameAndColour()
    {
        test::IsolatedHome home;
        const QString root = home.dataHome() + QStringLiteral("/calendars");
        SyncRig rig(root, home.path() + QStringLiteral("/peers"));
        QString error;
        QVERIFY2(rig.setUp(&error), qPrintable(error));
        ModelHarness app(root, home.path() + QStringLiteral("/prefs.ini"));
        app.refresh();

        const ListCreation created = QCoro::waitFor(
            app.model().createList(QStringLiteral("radicale"), QStringLiteral("Errands"), QColor(0x46, 0xa7, 0x58)));
        QVERIFY2(!created.error, qPrintable(created.error.value_or(QString())));
        QCOMPARE(created.listID, SyncRig::listID(QStringLiteral("errands")));
        QVERIFY(app.wait(app.model().refresh()).isEmpty());
        QCOMPARE(app.add(QStringLiteral("Post the parcel"), created.listID), QString());

        // A server may name a collection that vdirsyncer made after its path (Radicale does), which the first
        // metasync takes for a conflict over the name: the README's advice settles it for this computer's side.
        QString config = QString::fromUtf8(test::readFile(rig.vdirsyncer().configPath()));
        config.replace(QStringLiteral("metadata = [\"displayname\", \"color\"]\n"),
                       QStringLiteral("metadata = [\"displayname\", \"color\"]\nconflict_resolution = \"a wins\"\n"));
        QVERIFY(config.contains(QStringLiteral("a wins")));
        QVERIFY(test::writeFile(rig.vdirsyncer().configPath(), config.toUtf8()));
        for (const ProcessResult& step :
             {rig.vdirsyncer().discover(), rig.vdirsyncer().sync(), rig.vdirsyncer().metasync()}) {
            QVERIFY2(step.ok(), (step.out + step.err).constData());
        }
        const DavResponse properties = rig.dav().collectionProperties(rig.collectionUrl(QStringLiteral("errands")));
        QCOMPARE(properties.status, 207);
        QVERIFY2(properties.body.contains("Errands</"), properties.body.constData());
        QVERIFY2(properties.body.toUpper().contains("#46A758"), properties.body.constData());
        const QList<DavItem> items = rig.dav().items(rig.collectionUrl(QStringLiteral("errands")), &error);
        QCOMPARE(items.size(), 1);
        QVERIFY(items.first().data.contains("SUMMARY:Post the parcel"));
    }
};

QTEST_GUILESS_MAIN(ListSyncTest)
#include "ListSyncTest.moc"
