#include "sync/DavXml.h"

#include <QFile>
#include <QTest>

using namespace tolvik;

namespace {

// A Depth-1 listing of a calendar home as Nextcloud answers it: colours with alpha, a calendar in the trash bin,
// an events-only calendar, one with no component set, one shared read-only, and the home itself.
QByteArray nextcloudListing()
{
    QFile file(qEnvironmentVariable("TOLVIK_SYNC_TEST_DATA") + QStringLiteral("/nextcloud-listing.xml"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class DavXmlTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shouldOfferOnlyLiveCalendarsThatHoldTasks()
    {
        const QUrl home(QStringLiteral("https://cloud.example.org/remote.php/dav/calendars/alice/"));
        const QList<DiscoveredCollection> lists =
            DavXml::taskCollections(DavXml::parseMultistatus(nextcloudListing()), home);
        QStringList names;
        for (const DiscoveredCollection& list : lists) {
            names.append(list.name);
        }
        // Sorted by shown name; the trashed, the events-only and the home itself are left out.
        QCOMPARE(names, (QStringList{QStringLiteral("shared_by_bob"), QStringLiteral("Einkauf & Mehr"),
                                     QStringLiteral("tasks")}));
        QCOMPARE(lists[0].displayName, QStringLiteral("Bob’s chores"));
        QVERIFY(lists[0].readOnly);
        // No display name: the folder name stands in; no privileges given: writable.
        QCOMPARE(lists[1].displayName, QStringLiteral("Einkauf & Mehr"));
        QVERIFY(!lists[1].readOnly);
        QCOMPARE(lists[1].url.toEncoded(),
                 QByteArray("https://cloud.example.org/remote.php/dav/calendars/alice/Einkauf%20%26%20Mehr/"));
        QCOMPARE(lists[2].color, QStringLiteral("#0082C9FF"));
        QVERIFY(!lists[2].readOnly);
    }

    void shouldReadPrincipalAndHomeSetHrefs()
    {
        const QByteArray body =
            "<multistatus xmlns=\"DAV:\" "
            "xmlns:C=\"urn:ietf:params:xml:ns:caldav\"><response><href>/</href><propstat><prop>"
            "<current-user-principal><href>/alice/</href></current-user-principal><C:calendar-home-set>"
            "<href>https://other.example.org/cal/alice/</href></C:calendar-home-set></prop>"
            "<status>HTTP/1.1 200 OK</status></propstat></response></multistatus>";
        const QList<DavResource> resources = DavXml::parseMultistatus(body);
        QCOMPARE(resources.size(), 1);
        QCOMPARE(resources[0].principalHrefs, QStringList{QStringLiteral("/alice/")});
        QCOMPARE(resources[0].homeSetHrefs, QStringList{QStringLiteral("https://other.example.org/cal/alice/")});
    }

    void shouldGiveNothingForWhatIsNotAMultistatus_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::newRow("html") << QByteArray("<html><body>Radicale works!</body></html>");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("cut off") << nextcloudListing().left(900);
    }

    void shouldGiveNothingForWhatIsNotAMultistatus()
    {
        QFETCH(QByteArray, body);
        QVERIFY(DavXml::parseMultistatus(body).isEmpty());
    }

    void shouldEscapeTheNameOfANewList()
    {
        const QByteArray body = DavXml::makeCalendarRequest(QStringLiteral("Tom & <Jerry>"), QStringLiteral("#FF0000"));
        QVERIFY(body.contains("<d:displayname>Tom &amp; &lt;Jerry&gt;</d:displayname>"));
        QVERIFY(body.contains("<c:comp name=\"VTODO\"/>"));
        QVERIFY(!body.contains("VEVENT"));
    }
};

QTEST_GUILESS_MAIN(DavXmlTest)
#include "DavXmlTest.moc"
