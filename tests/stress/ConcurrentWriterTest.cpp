// The model's mutations and another program that rewrites files by rename, as sync tools do, at the same time
// on the same list: nothing either side wrote may be lost, and the model must end up showing what is on disk.

#include "model/ModelFixture.h"

#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QSignalSpy>
#include <QTest>

using namespace tolvik;
using namespace tolvik::test;

namespace {

const QString listID = QStringLiteral("work/tasks");
constexpr int ownedEach = 10;
constexpr int writerMs = 3000;

} // namespace

class ConcurrentWriterTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QCOMPARE(QTimeZone::systemTimeZoneId(), QByteArrayLiteral("Europe/Stockholm")); }

    void shouldLoseNothingWhenAnotherProgramRewritesTheListMeanwhile()
    {
        ModelFixture fixture;
        fixture.makeList(listID, "Tasks");
        QHash<QString, QString> mine;
        for (int i = 0; i < ownedEach; ++i) {
            fixture.writeTodo(listID, QStringLiteral("ext-%1").arg(i), QStringLiteral("ext-%1 round 0").arg(i));
            mine.insert(fixture.writeTodo(listID, QStringLiteral("mine-%1").arg(i), QStringLiteral("Mine %1").arg(i)),
                        QStringLiteral("Mine %1").arg(i));
        }
        auto model = fixture.makeModel();
        QTRY_COMPARE_WITH_TIMEOUT(model->reminders().size(), 2 * ownedEach, 10000);

        QProcess writer;
        writer.start(QStringLiteral(STRESS_WRITER_PATH),
                     {QStringLiteral("rewrite"), fixture.listPath(listID), QString::number(writerMs)});
        QVERIFY2(writer.waitForReadyRead(30000), writer.readAllStandardError().constData());

        QStringList added;
        QSet<QString> completed;
        for (int round = 0; writer.state() == QProcess::Running; ++round) {
            const QString id = listID + QStringLiteral("/mine-%1.ics").arg(round % ownedEach);
            const QString title = QStringLiteral("Mine %1 edit %2").arg(round % ownedEach).arg(round);
            QCoro::waitFor(model->updateReminder(id, title, std::nullopt, std::nullopt, 0, RecurrenceOption::none));
            QVERIFY2(!model->lastOperationError(), qPrintable(model->lastOperationError().value_or(QString())));
            mine.insert(id, title);

            added.append(QStringLiteral("Added %1").arg(round));
            QCoro::waitFor(
                model->addReminder(added.last(), std::nullopt, std::nullopt, 0, RecurrenceOption::none, listID));
            QVERIFY2(!model->lastOperationError(), qPrintable(model->lastOperationError().value_or(QString())));

            if (round % 3 == 2) {
                const QString target = added.at(round - 1);
                const QList<ReminderItem> shown = model->reminders();
                const auto item = std::find_if(shown.cbegin(), shown.cend(),
                                               [&target](const ReminderItem& r) { return r.title == target; });
                QVERIFY2(item != shown.cend(), qPrintable(target + QStringLiteral(" is not shown")));
                QCoro::waitFor(model->completeReminder(item->id));
                QVERIFY2(!model->lastOperationError(), qPrintable(model->lastOperationError().value_or(QString())));
                completed.insert(target);
            }
        }
        QTRY_COMPARE_WITH_TIMEOUT(writer.state(), QProcess::NotRunning, 30000);
        QCOMPARE(writer.exitCode(), 0);
        const auto summary = QRegularExpression(QStringLiteral("rounds (\\d+) created (\\d+)"))
                                 .match(QString::fromUtf8(writer.readAllStandardOutput()));
        QVERIFY(summary.hasMatch());
        const int rounds = summary.captured(1).toInt();
        const int created = summary.captured(2).toInt();
        QVERIFY2(rounds > 5 && added.size() > 5,
                 qPrintable(QStringLiteral("%1 rounds against %2 mutations").arg(rounds).arg(added.size())));

        qInfo("%d rounds of the other writer against %lld rounds of the model's mutations", rounds,
              qlonglong(added.size()));

        // Every side's last word is on disk.
        QHash<QString, StoreReminder> onDisk;
        for (const StoreReminder& reminder : fixture.readBack()) {
            QVERIFY2(!onDisk.contains(reminder.title), qPrintable(reminder.title + QStringLiteral(" twice")));
            onDisk.insert(reminder.title, reminder);
        }
        for (int i = 0; i < ownedEach; ++i) {
            QVERIFY2(onDisk.contains(QStringLiteral("ext-%1 round %2").arg(i).arg(rounds)),
                     qPrintable(QString::number(i)));
        }
        for (int i = 0; i < created; ++i) {
            QVERIFY(onDisk.contains(QStringLiteral("new-%1").arg(i)));
        }
        for (auto it = mine.cbegin(); it != mine.cend(); ++it) {
            QVERIFY2(onDisk.contains(*it) && onDisk.value(*it).id == it.key(), qPrintable(*it));
        }
        for (const QString& title : std::as_const(added)) {
            QVERIFY2(onDisk.contains(title), qPrintable(title));
            QCOMPARE(onDisk.value(title).isCompleted, completed.contains(title));
        }
        QCOMPARE(onDisk.size(), 2 * ownedEach + created + added.size());

        // The model's last refresh shows exactly the open ones.
        QCoro::waitFor(model->refresh());
        QSet<QString> expected;
        for (const StoreReminder& reminder : std::as_const(onDisk)) {
            if (!reminder.isCompleted) {
                expected.insert(reminder.id + QLatin1Char('|') + reminder.title);
            }
        }
        QSet<QString> shown;
        for (const ReminderItem& item : model->reminders()) {
            shown.insert(item.id + QLatin1Char('|') + item.title);
        }
        QCOMPARE(shown, expected);
    }
};

QTEST_GUILESS_MAIN(ConcurrentWriterTest)
#include "ConcurrentWriterTest.moc"
