#include "model/ReminderLoading.h"
#include "model/TextOrdering.h"

#include <QTest>

using namespace tolvik;

namespace {

StoreList storeList(const QString& id, const QString& title, const QString& accountID, const QString& accountTitle)
{
    return StoreList{id, title, std::nullopt, StoreAccount{accountID, accountTitle}};
}

StoreReminder reminder(const QString& id, const QString& title, std::optional<QDateTime> due = std::nullopt)
{
    StoreReminder result;
    result.id = id;
    result.title = title;
    result.listID = QStringLiteral("list");
    if (due) {
        result.due = DueDateComponents{due->date(), due->time(), due->timeZone()};
    }
    return result;
}

QStringList idsOf(const QList<ReminderItem>& items)
{
    QStringList ids;
    for (const ReminderItem& item : items) {
        ids.append(item.id);
    }
    return ids;
}

const QTimeZone stockholm(QByteArrayLiteral("Europe/Stockholm"));
const QDateTime now(QDate(2024, 1, 31), QTime(10, 0, 0), stockholm);

} // namespace

class ReminderLoadingTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shouldOrderTextByCodePointAfterCanonicalComposition()
    {
        QVERIFY(textLess(QStringLiteral("Zebra"), QStringLiteral("apple")));
        // U+1F600 is a surrogate pair in UTF-16, so comparing code units would put it before U+FF21.
        QVERIFY(textLess(QString(QChar(0xFF21)), QString::fromUcs4(U"\U0001F600")));
        // "é" precomposed and as e + combining acute are the same text.
        const QString composed = QString(QChar(0x00E9));
        const QString decomposed = QStringLiteral("e") + QChar(0x0301);
        QVERIFY(!textLess(composed, decomposed));
        QVERIFY(!textLess(decomposed, composed));
    }

    void shouldListAccountsOnceAndListsByNameKeepingTheStoreOrderForEqualNames()
    {
        const QList<StoreList> lists{
            storeList(QStringLiteral("w1"), QStringLiteral("Tasks"), QStringLiteral("work"), QStringLiteral("Work")),
            storeList(QStringLiteral("h1"), QStringLiteral("Tasks"), QStringLiteral("home"), QStringLiteral("Home")),
            storeList(QStringLiteral("w2"), QStringLiteral("Errands"), QStringLiteral("work"), QStringLiteral("Work")),
            storeList(QStringLiteral("w3"), QStringLiteral("zeta"), QStringLiteral("work"), QStringLiteral("Work")),
            storeList(QStringLiteral("o1"), QStringLiteral("Other"), QStringLiteral("other"), QStringLiteral("Home")),
        };

        const QList<ReminderAccount> accounts = accountsOf(lists);
        const QList<ReminderAccount> expectedAccounts{{QStringLiteral("home"), QStringLiteral("Home")},
                                                      {QStringLiteral("other"), QStringLiteral("Home")},
                                                      {QStringLiteral("work"), QStringLiteral("Work")}};
        QCOMPARE(accounts, expectedAccounts);

        const QList<ReminderList> result = listsOf(lists, QColor(Qt::magenta));
        QStringList ids;
        for (const ReminderList& list : result) {
            ids.append(list.id);
        }
        QCOMPARE(ids, (QStringList{QStringLiteral("w2"), QStringLiteral("o1"), QStringLiteral("w1"),
                                   QStringLiteral("h1"), QStringLiteral("w3")}));
        QCOMPARE(result.first().color, QColor(Qt::magenta));
        QCOMPARE(result.first().accountName, QStringLiteral("Work"));
    }

    void shouldKeepAListsOwnColour()
    {
        StoreList coloured =
            storeList(QStringLiteral("l"), QStringLiteral("L"), QStringLiteral("a"), QStringLiteral("A"));
        coloured.color = QColor(0x11, 0x22, 0x33);
        QCOMPARE(listsOf({coloured}, QColor(Qt::magenta)).first().color, QColor(0x11, 0x22, 0x33));
    }

    void shouldCutOffStrictlyAfterTheCalendarMonthLimit()
    {
        // One calendar month after Jan 31 is Feb 29 in a leap year, not 31 days later.
        const QDateTime limit(QDate(2024, 2, 29), QTime(10, 0, 0), stockholm);
        const QList<StoreReminder> fetched{
            reminder(QStringLiteral("atLimit"), QStringLiteral("x"), limit),
            reminder(QStringLiteral("secondLater"), QStringLiteral("x"), limit.addSecs(1)),
            reminder(QStringLiteral("lastYear"), QStringLiteral("x"), now.addYears(-1)),
            reminder(QStringLiteral("undated"), QStringLiteral("x")),
        };

        QCOMPARE(idsOf(visibleReminders(fetched, ReminderTimeframe::oneMonth, now)),
                 (QStringList{QStringLiteral("lastYear"), QStringLiteral("atLimit"), QStringLiteral("undated")}));
        QCOMPARE(idsOf(visibleReminders(fetched, ReminderTimeframe::unlimited, now)).size(), 4);
    }

    void shouldOrderDatedByDateThenTitleAndUndatedLastByTitle()
    {
        const QDateTime nine(QDate(2024, 2, 1), QTime(9, 0), stockholm);
        const QList<StoreReminder> fetched{
            reminder(QStringLiteral("b"), QStringLiteral("b")),
            reminder(QStringLiteral("A"), QStringLiteral("A")),
            reminder(QStringLiteral("a"), QStringLiteral("a")),
            reminder(QStringLiteral("later"), QStringLiteral("a"), nine.addSecs(60)),
            reminder(QStringLiteral("nineY"), QStringLiteral("y"), nine),
            reminder(QStringLiteral("nineX"), QStringLiteral("x"), nine),
            // Same minute written in another zone: equal instants sort by title.
            reminder(QStringLiteral("nineUtc"), QStringLiteral("w"), nine.toUTC()),
            reminder(QStringLiteral("twin1"), QStringLiteral("twin")),
            reminder(QStringLiteral("twin2"), QStringLiteral("twin")),
        };

        QCOMPARE(idsOf(visibleReminders(fetched, ReminderTimeframe::oneYear, now)),
                 (QStringList{QStringLiteral("nineUtc"), QStringLiteral("nineX"), QStringLiteral("nineY"),
                              QStringLiteral("later"), QStringLiteral("A"), QStringLiteral("a"), QStringLiteral("b"),
                              QStringLiteral("twin1"), QStringLiteral("twin2")}));
    }

    void shouldDropCompletedAndListlessRemindersAndTreatUnformableDatesAsUndated()
    {
        StoreReminder completed = reminder(QStringLiteral("done"), QStringLiteral("done"), now.addYears(-2));
        completed.isCompleted = true;
        StoreReminder listless = reminder(QStringLiteral("orphan"), QStringLiteral("orphan"));
        listless.listID = std::nullopt;
        StoreReminder broken = reminder(QStringLiteral("broken"), QStringLiteral("broken"));
        broken.due = DueDateComponents{QDate(), QTime(9, 0), stockholm};
        const QList<StoreReminder> fetched{completed, listless, broken,
                                           reminder(QStringLiteral("dated"), QStringLiteral("z"), now)};

        const QList<ReminderItem> items = visibleReminders(fetched, ReminderTimeframe::oneMonth, now);

        QCOMPARE(idsOf(items), (QStringList{QStringLiteral("dated"), QStringLiteral("broken")}));
        QVERIFY(!items.last().dueDate);
    }

    void shouldCarryFieldsAndReadRecurrenceFromTheFirstRuleOnly()
    {
        StoreReminder source = reminder(QStringLiteral("r"), QStringLiteral("Title"), now);
        source.notes = QString();
        source.priority = 3;
        source.recurrenceRules = {RecurrenceRule{3, 1, false}, RecurrenceRule{0, 1, false}};

        const ReminderItem item = reminderItemOf(source);

        QCOMPARE(item.recurrence, RecurrenceOption::yearly);
        QCOMPARE(item.notes, std::optional<QString>(QString()));
        QCOMPARE(item.priority, 3);
        QCOMPARE(item.listID, QStringLiteral("list"));
        QCOMPARE(item.dueDate, std::optional<QDateTime>(now));

        source.recurrenceRules = {RecurrenceRule{7, 1, false}};
        QCOMPARE(reminderItemOf(source).recurrence, RecurrenceOption::none);
        source.recurrenceRules = {RecurrenceRule{2, 3, true}};
        QCOMPARE(reminderItemOf(source).recurrence, RecurrenceOption::custom);
    }
};

QTEST_GUILESS_MAIN(ReminderLoadingTest)
#include "ReminderLoadingTest.moc"
