#include "TestSupport.h"

#include "sync/EngineConfig.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonValue>
#include <QTest>

using namespace tolvik;
using namespace tolvik::test;

class EngineConfigTest : public QObject
{
    Q_OBJECT

private:
    static SyncAccount account()
    {
        SyncAccount account;
        account.id = QStringLiteral("cloud_example_org");
        account.homeUrl = QUrl(QStringLiteral("https://cloud.example.org/dav/calendars/al%20ice/"));
        account.userName = QStringLiteral("al \"ice\"\\ö");
        account.collections = {{QStringLiteral("Einkauf & \"Mehr\""), {}}, {QStringLiteral("tasks"), {}}};
        account.pinnedFingerprint = QStringLiteral("AB:CD");
        return account;
    }

    /// The JSON value of `key` in the config text, as the engine reads it.
    static QJsonValue value(const QString& text, const QString& section, const QString& key)
    {
        bool inSection = false;
        for (const QString& line : text.split(QLatin1Char('\n'))) {
            if (line.startsWith(QLatin1Char('['))) {
                inSection = line == QLatin1Char('[') + section + QLatin1Char(']');
            } else if (inSection && line.startsWith(key + QStringLiteral(" = "))) {
                const QByteArray json = "[" + line.mid(key.size() + 3).toUtf8() + "]";
                return QJsonDocument::fromJson(json).array().first();
            }
        }
        return {};
    }

private Q_SLOTS:
    void shouldQuoteOddNamesSoTheEngineReadsThemBack()
    {
        const QString text = EngineConfig::itemsText(account(), QStringLiteral("/home/u/cal \"x\""),
                                                     QStringLiteral("/usr/bin/tolvik-reminder"));
        const QString pair = QStringLiteral("pair cloud_example_org");
        QCOMPARE(value(text, pair, QStringLiteral("collections")).toArray().first().toString(),
                 QStringLiteral("Einkauf & \"Mehr\""));
        const QString remote = QStringLiteral("storage cloud_example_org_remote");
        QCOMPARE(value(text, remote, QStringLiteral("username")).toString(), QStringLiteral("al \"ice\"\\ö"));
        QCOMPARE(value(text, remote, QStringLiteral("url")).toString(),
                 QStringLiteral("https://cloud.example.org/dav/calendars/al%20ice/"));
        QCOMPARE(value(text, remote, QStringLiteral("verify_fingerprint")).toString(), QStringLiteral("AB:CD"));
        QCOMPARE(value(text, QStringLiteral("storage cloud_example_org_local"), QStringLiteral("path")).toString(),
                 QStringLiteral("/home/u/cal \"x\"/cloud_example_org/"));
        // The password only by asking this app; the conflict goes to this app too.
        QCOMPARE(value(text, remote, QStringLiteral("password.fetch")).toArray().last().toString(),
                 QStringLiteral("cloud_example_org"));
        QCOMPARE(value(text, pair, QStringLiteral("conflict_resolution")).toArray().at(2).toString(),
                 QStringLiteral("--resolve-sync-conflict"));
        QCOMPARE(value(EngineConfig::metadataText(account(), QStringLiteral("/r"), QStringLiteral("p")), pair,
                       QStringLiteral("conflict_resolution"))
                     .toString(),
                 QStringLiteral("b wins"));
    }

    void shouldNameBothSidesOfAFolderPairedWithAServerListOfAnotherName()
    {
        SyncAccount paired = account();
        const QString home = QStringLiteral("https://cloud.example.org/dav/calendars/al%20ice/");
        paired.collections = {{QStringLiteral("errands"), QUrl(home + QStringLiteral("%C3%84rende%20x/"))},
                              {QStringLiteral("tasks"), QUrl(home + QStringLiteral("tasks/"))}};
        const QJsonArray entries = value(EngineConfig::itemsText(paired, QStringLiteral("/r"), QStringLiteral("p")),
                                         QStringLiteral("pair cloud_example_org"), QStringLiteral("collections"))
                                       .toArray();
        QCOMPARE(entries.at(0).toArray(),
                 QJsonArray({QStringLiteral("errands"), QStringLiteral("errands"), QStringLiteral("Ärende x")}));
        QCOMPARE(entries.at(1).toString(), QStringLiteral("tasks"));
    }

    void shouldNeverFilterItemsOrDates()
    {
        for (const QString& text : {EngineConfig::itemsText(account(), QStringLiteral("/r"), QStringLiteral("p")),
                                    EngineConfig::metadataText(account(), QStringLiteral("/r"), QStringLiteral("p"))}) {
            QVERIFY(!text.contains(QLatin1String("item_types")));
            QVERIFY(!text.contains(QLatin1String("start_date")));
            QVERIFY(!text.contains(QLatin1String("end_date")));
            QVERIFY(!text.contains(QLatin1String("password =")));
        }
    }

    void shouldWriteFilesOnlyTheUserCanRead()
    {
        IsolatedHome home;
        QVERIFY(EngineConfig::write(account(), home.dataHome(), QStringLiteral("/usr/bin/tolvik-reminder")));
        for (const QString& path : {SyncPaths::itemsConfig(account().id), SyncPaths::metadataConfig(account().id)}) {
            QCOMPARE(QFileInfo(path).permissions() & ~(QFileDevice::ReadUser | QFileDevice::WriteUser),
                     QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        }
    }
};

QTEST_GUILESS_MAIN(EngineConfigTest)
#include "EngineConfigTest.moc"
