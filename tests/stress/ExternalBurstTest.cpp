// Thousands of changes by another program within a second: the model refreshes a bounded number of times and
// ends up showing the final state of the files.

#include "model/ModelFixture.h"
#include "store/VdirWatcher.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>

using namespace tolvik;
using namespace tolvik::test;

namespace {

const QString listID = QStringLiteral("work/tasks");
constexpr int changes = 5000;
constexpr int burstMs = 1000;
constexpr int maximumRefreshes = 10;

// Whether the model shows exactly the files' final versions: burst-N with its last version.
bool showsFinalState(const RemindersViewModel& model, int files, int lastVersion)
{
    const QList<ReminderItem> shown = model.reminders();
    if (shown.size() != files) {
        return false;
    }
    return std::all_of(shown.cbegin(), shown.cend(), [lastVersion](const ReminderItem& item) {
        return item.title.endsWith(QStringLiteral(" v%1").arg(lastVersion));
    });
}

} // namespace

class ExternalBurstTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QCOMPARE(QTimeZone::systemTimeZoneId(), QByteArrayLiteral("Europe/Stockholm")); }

    void shouldRefreshABoundedNumberOfTimesAndEndOnTheFinalFiles()
    {
        ModelFixture fixture;
        fixture.makeList(listID, "Tasks");
        auto model = fixture.makeModel();
        QSignalSpy started(model.get(), &RemindersViewModel::lastRefreshDateChanged);
        QVERIFY(started.wait(10000));
        QSignalSpy storeChanged(fixture.store(), &ReminderStore::changed);
        QSignalSpy refreshed(model.get(), &RemindersViewModel::lastRefreshDateChanged);

        QProcess writer;
        writer.start(QStringLiteral(STRESS_WRITER_PATH), {QStringLiteral("burst"), fixture.listPath(listID),
                                                          QString::number(changes), QString::number(burstMs)});
        QVERIFY2(writer.waitForReadyRead(30000), writer.readAllStandardError().constData());
        QElapsedTimer burstTime;
        burstTime.start();
        QTRY_COMPARE_WITH_TIMEOUT(writer.state(), QProcess::NotRunning, 60000);
        const qint64 burstTookMs = burstTime.elapsed();
        QCOMPARE(writer.exitCode(), 0);
        const int files = changes / 5;
        const int lastVersion = changes / files - 1;

        QTRY_VERIFY_WITH_TIMEOUT(showsFinalState(*model, files, lastVersion), 30000);
        // Nothing more may follow: give a straggling change signal time to arrive, then count.
        QTest::qWait(VdirWatcher::longestDelayMs + VdirWatcher::quietMs);
        QVERIFY(showsFinalState(*model, files, lastVersion));
        // A burst that a busy machine stretches past a second may add one signal per second it lasts: the
        // watcher's promise for an endless stream of changes.
        const qint64 allowed = qMax<qint64>(maximumRefreshes, burstTookMs / VdirWatcher::longestDelayMs + 3);
        QVERIFY2(storeChanged.count() >= 1 && storeChanged.count() <= allowed,
                 qPrintable(QString::number(storeChanged.count())));
        QVERIFY2(refreshed.count() <= allowed, qPrintable(QString::number(refreshed.count())));
        qInfo("%d changes in %lld ms: %lld change signals, %lld refreshes", changes, burstTookMs,
              qlonglong(storeChanged.count()), qlonglong(refreshed.count()));
    }
};

QTEST_GUILESS_MAIN(ExternalBurstTest)
#include "ExternalBurstTest.moc"
