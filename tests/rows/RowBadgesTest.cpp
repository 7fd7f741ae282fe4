// The marks a row and its bubble show for alerts and tags, read from files as other clients write them.
#include "rows/RowBadges.h"
#include "RowsFixture.h"
#include "appearance/DateTexts.h"
#include "panel/ReminderDetailBubble.h"
#include "rows/FormFields.h"
#include "rows/ReminderRow.h"

#include <QLabel>
#include <QTest>

using namespace tolvik;
using namespace tolvik::test;

namespace {

QString shortTime(const QTime& time)
{
    return QLocale::system().toString(time, timeFieldFormat(QLocale::system()));
}

} // namespace

class RowBadgesTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<RowsFixture> m_fixture;
    const QString m_list = QStringLiteral("home/tasks");

    ReminderItem load(const QStringList& lines)
    {
        const QString id = m_fixture->writeTodo(m_list, QStringLiteral("a"), QStringLiteral("Call Anna"), lines);
        auto model = m_fixture->makeModel();
        for (const ReminderItem& reminder : model->reminders()) {
            if (reminder.id == id) {
                return reminder;
            }
        }
        return {};
    }

private Q_SLOTS:
    void init()
    {
        m_fixture = std::make_unique<RowsFixture>();
        m_fixture->makeList(m_list, "Tasks");
    }
    void cleanup() { m_fixture.reset(); }

    // The row's bell and the bubble's alert line, for each kind of alert.
    void shouldShowTheAlertOnTheRowAndEveryAlarmInTheBubble_data()
    {
        QTest::addColumn<QStringList>("alarms");
        QTest::addColumn<QString>("bellIcon");
        QTest::addColumn<QString>("rowText");
        QTest::addColumn<QString>("bubbleText");
        const auto valarm = [](const QString& trigger) {
            return QStringList{QStringLiteral("BEGIN:VALARM"), QStringLiteral("ACTION:DISPLAY"), trigger,
                               QStringLiteral("END:VALARM")};
        };
        // Due 18:00 in Stockholm on 16 March 2024.
        QTest::newRow("15 minutes before, on the due day")
            << valarm(QStringLiteral("TRIGGER;RELATED=END:-PT15M")) << QStringLiteral("bell")
            << shortTime(QTime(17, 45)) << QStringLiteral("15 minutes before");
        QTest::newRow("a day before shows the date too")
            << valarm(QStringLiteral("TRIGGER;RELATED=END:-P1D")) << QStringLiteral("bell")
            << DateTexts::rowDueDate(QDateTime(QDate(2024, 3, 15), QTime(18, 0))) << QStringLiteral("1 day before");
        QTest::newRow("every alarm in the bubble, the first on the row")
            << valarm(QStringLiteral("TRIGGER;RELATED=END:PT0S")) +
                   valarm(QStringLiteral("TRIGGER;RELATED=END:-PT1H")) +
                   valarm(QStringLiteral("TRIGGER;RELATED=START:-PT5M"))
            << QStringLiteral("bell") << shortTime(QTime(18, 0))
            << QStringLiteral("At due time\n1 hour before\n5 minutes before (start)");
        QTest::newRow("silenced") << QStringList{QStringLiteral("X-TOLVIK-ALERT:NONE")} << QStringLiteral("bell.slash")
                                  << QString() << QStringLiteral("No alert");
        QTest::newRow("the default ring shows no bell") << QStringList{} << QString() << QString() << QString();
    }
    void shouldShowTheAlertOnTheRowAndEveryAlarmInTheBubble()
    {
        QFETCH(QStringList, alarms);
        QFETCH(QString, bellIcon);
        QFETCH(QString, rowText);
        QFETCH(QString, bubbleText);
        const ReminderItem reminder =
            load(QStringList{QStringLiteral("DUE;TZID=Europe/Stockholm:20240316T180000")} + alarms);

        ReminderRow row(reminder, nullptr, m_fixture->clock());
        QCOMPARE(row.badges()->bellIcon()->isVisibleTo(&row), !bellIcon.isEmpty());
        QCOMPARE(row.badges()->alertText(), rowText);
        if (!bellIcon.isEmpty()) {
            QVERIFY(row.accessibleDescription().contains(
                bubbleText == QStringLiteral("No alert") ? bubbleText : QStringLiteral("Alert: ") + rowText));
        }
        ReminderDetailBubble bubble;
        bubble.setReminder(reminder);
        QCOMPARE(bubble.alertLine()->isVisibleTo(&bubble), !bubbleText.isEmpty());
        if (!bubbleText.isEmpty()) {
            QCOMPARE(bubble.alertText()->text(), bubbleText);
        }
    }

    // Tags with an escaped comma stay one tag; the row shows two and "+N", the bubble all of them.
    void shouldShowTwoTagsOnTheRowAndAllInTheBubble()
    {
        const ReminderItem reminder = load({QStringLiteral("CATEGORIES:Home,Work\\, office"),
                                            QStringLiteral("CATEGORIES:Errands"), QStringLiteral("CATEGORIES:Call")});

        ReminderRow row(reminder, nullptr, m_fixture->clock());
        QCOMPARE(row.badges()->chipTexts(),
                 (QStringList{QStringLiteral("Home"), QStringLiteral("Work, office"), QStringLiteral("+2")}));
        QVERIFY(row.accessibleDescription().contains(QStringLiteral("Tags: Home, Work, office, Errands, Call")));
        ReminderDetailBubble bubble;
        bubble.setReminder(reminder);
        QCOMPARE(bubble.tagsText()->text(), QStringLiteral("Home \u00B7 Work, office \u00B7 Errands \u00B7 Call"));
    }
};

QTEST_MAIN(RowBadgesTest)
#include "RowBadgesTest.moc"
