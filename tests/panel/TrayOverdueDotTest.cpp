#include "PanelFixture.h"
#include "panel/TrayEntry.h"

#include <QTest>

using namespace tolvik;
using tolvik::test::PanelFixture;

class TrayOverdueDotTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The dot follows what the panel shows: an overdue reminder of a list that is not selected sets no dot.
    void dotShowsWhileAShownReminderIsOverdue()
    {
        PanelFixture fixture;
        fixture.makeList(QStringLiteral("home/chores"), "Chores");
        fixture.makeList(QStringLiteral("work/desk"), "Desk");
        fixture.writeTodo(QStringLiteral("work/desk"), QStringLiteral("late"), QStringLiteral("Late"),
                          QStringLiteral("20200101T090000Z"));
        fixture.writeTodo(QStringLiteral("home/chores"), QStringLiteral("later"), QStringLiteral("Later"),
                          QStringLiteral("20990101T090000Z"));
        fixture.preferences().setString(PreferenceKey::selectedListIDs, QStringLiteral("home/chores"));
        TrayEntry entry(fixture.model(), fixture.launchAtLogin(), fixture.root());
        QVERIFY(!entry.showsOverdueDot());
        fixture.preferences().setString(PreferenceKey::selectedListIDs, QStringLiteral("home/chores,work/desk"));
        QVERIFY(entry.showsOverdueDot());
        // Moved to a later date elsewhere: the dot goes once the model has the change.
        fixture.writeTodo(QStringLiteral("work/desk"), QStringLiteral("late"), QStringLiteral("Late"),
                          QStringLiteral("20990101T090000Z"));
        QTRY_VERIFY(!entry.showsOverdueDot());
    }
};

QTEST_MAIN(TrayOverdueDotTest)
#include "TrayOverdueDotTest.moc"
