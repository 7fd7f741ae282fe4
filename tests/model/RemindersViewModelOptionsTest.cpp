// The model's two stored options: how they are read at start, written back, and what changing them sets off.
#include "ModelFixture.h"

#include <QSettings>
#include <QSignalSpy>
#include <QTest>

using namespace tolvik;
using namespace tolvik::test;

namespace {

constexpr int refreshTimeoutMs = 10000;

// The keys and texts of an INI file as a later process reads them.
QMap<QString, QString> storedValues(const QString& path)
{
    QMap<QString, QString> values;
    const QList<QByteArray> lines = readFile(path).split('\n');
    for (const QByteArray& line : lines) {
        const qsizetype equals = line.indexOf('=');
        if (equals > 0) {
            values.insert(QString::fromUtf8(line.left(equals)), QString::fromUtf8(line.mid(equals + 1)).trimmed());
        }
    }
    return values;
}

} // namespace

class RemindersViewModelOptionsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shouldStoreTheTwoDefaultsAndTheNewListOnAFirstStart()
    {
        ModelFixture fixture;
        auto model = fixture.makeModel();
        QCOMPARE(model->authorizationStatus(), AuthorizationStatus::notDetermined);
        QVERIFY(model->isAutoRefreshEnabled());
        QCOMPARE(model->reminderTimeframe(), ReminderTimeframe::oneMonth);

        // The start-up task asks for access, which makes the root and its default list, then loads.
        QTRY_VERIFY_WITH_TIMEOUT(model->lastRefreshDate().has_value(), refreshTimeoutMs);
        QCOMPARE(model->authorizationStatus(), AuthorizationStatus::fullAccess);
        QCOMPARE(model->lists().size(), 1);
        fixture.preferences().sync();

        // The list the store made for the new user is selected, so that the first panel shows it.
        const QMap<QString, QString> expected{{PreferenceKey::autoRefreshEnabled, QStringLiteral("true")},
                                              {PreferenceKey::reminderTimeframe, QStringLiteral("1")},
                                              {PreferenceKey::selectedListIDs, model->lists().first().id}};
        QCOMPARE(storedValues(fixture.preferencesPath()), expected);
    }

    void shouldReadAStoredTimeframeAndLeaveAnUnknownOneStored_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<ReminderTimeframe>("timeframe");
        QTest::newRow("one year") << QByteArray("12") << ReminderTimeframe::oneYear;
        QTest::newRow("unknown number") << QByteArray("7") << ReminderTimeframe::oneMonth;
        QTest::newRow("negative") << QByteArray("-1") << ReminderTimeframe::oneMonth;
        QTest::newRow("unlimited") << QByteArray("0") << ReminderTimeframe::unlimited;
        // Text that is no number converts to 0, which is unlimited.
        QTest::newRow("text") << QByteArray("abc") << ReminderTimeframe::unlimited;
    }

    void shouldReadAStoredTimeframeAndLeaveAnUnknownOneStored()
    {
        QFETCH(QByteArray, stored);
        QFETCH(ReminderTimeframe, timeframe);
        ModelFixture fixture;
        QVERIFY(writeFile(fixture.preferencesPath(),
                          "[General]\nautoRefreshEnabled=false\nreminderTimeframe=" + stored + "\n"));
        fixture.preferences().sync();

        auto model = fixture.makeModel();
        fixture.preferences().sync();

        QCOMPARE(model->reminderTimeframe(), timeframe);
        QVERIFY(!model->isAutoRefreshEnabled());
        const QMap<QString, QString> values = storedValues(fixture.preferencesPath());
        QCOMPARE(values.value(PreferenceKey::reminderTimeframe), QString::fromLatin1(stored));
        QCOMPARE(values.value(PreferenceKey::autoRefreshEnabled), QStringLiteral("false"));
    }

    void shouldReplaceAStoredAutoRefreshThatIsNoBooleanWithTrue()
    {
        ModelFixture fixture;
        QVERIFY(writeFile(fixture.preferencesPath(), "[General]\nautoRefreshEnabled=yes\nreminderTimeframe=3\n"));
        fixture.preferences().sync();

        auto model = fixture.makeModel();
        fixture.preferences().sync();

        QVERIFY(model->isAutoRefreshEnabled());
        QCOMPARE(model->reminderTimeframe(), ReminderTimeframe::threeMonths);
        QCOMPARE(storedValues(fixture.preferencesPath()).value(PreferenceKey::autoRefreshEnabled),
                 QStringLiteral("true"));
    }

    void shouldStoreAndRefreshOnEveryTimeframeChoiceButOnlyStoreAutoRefresh()
    {
        ModelFixture fixture;
        fixture.makeList(QStringLiteral("local/reminders"), "Reminders");
        auto model = fixture.makeModel();
        QTRY_VERIFY_WITH_TIMEOUT(model->lastRefreshDate().has_value(), refreshTimeoutMs);
        QSignalSpy refreshed(model.get(), &RemindersViewModel::lastRefreshDateChanged);
        QSignalSpy optionChanged(model.get(), &RemindersViewModel::reminderTimeframeChanged);

        model->setAutoRefreshEnabled(false);
        QCOMPARE(fixture.preferences().boolean(PreferenceKey::autoRefreshEnabled), std::optional<bool>(false));
        model->setAutoRefreshEnabled(true);
        QCOMPARE(fixture.preferences().boolean(PreferenceKey::autoRefreshEnabled), std::optional<bool>(true));
        model->setAutoRefreshEnabled(false);

        // Picking the timeframe already held still counts as a change, and refreshes with auto refresh off.
        model->setReminderTimeframe(ReminderTimeframe::oneMonth);
        QTRY_COMPARE_WITH_TIMEOUT(refreshed.count(), 1, refreshTimeoutMs);
        model->setReminderTimeframe(ReminderTimeframe::sixMonths);
        QTRY_COMPARE_WITH_TIMEOUT(refreshed.count(), 2, refreshTimeoutMs);

        QCOMPARE(optionChanged.count(), 2);
        QCOMPARE(fixture.preferences().integer(PreferenceKey::reminderTimeframe), 6);
    }
};

QTEST_GUILESS_MAIN(RemindersViewModelOptionsTest)
#include "RemindersViewModelOptionsTest.moc"
