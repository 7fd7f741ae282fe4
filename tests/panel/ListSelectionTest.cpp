#include "panel/ListSelection.h"

#include <QTest>

using namespace tolvik;

namespace {

ReminderList list(const QString& id, const QString& accountID)
{
    return ReminderList{id, id.toUpper(), QColor(Qt::red), accountID, accountID + QStringLiteral(" account")};
}

ReminderItem reminder(const QString& id, const QString& listID)
{
    ReminderItem item;
    item.id = id;
    item.title = id;
    item.listID = listID;
    return item;
}

QStringList ids(const QList<ReminderList>& lists)
{
    QStringList result;
    for (const ReminderList& each : lists) {
        result.append(each.id);
    }
    return result;
}

} // namespace

class ListSelectionTest : public QObject
{
    Q_OBJECT

    const QList<ReminderList> m_lists = {list(QStringLiteral("home/a"), QStringLiteral("home")),
                                         list(QStringLiteral("work/b"), QStringLiteral("work")),
                                         list(QStringLiteral("home/c"), QStringLiteral("home"))};

private Q_SLOTS:
    void shouldShowNothingWithoutAListSelection()
    {
        QVERIFY(filteredLists(m_lists, QString(), QString()).isEmpty());
        QVERIFY(filteredLists(m_lists, QStringLiteral("home"), QStringLiteral(",,")).isEmpty());
    }

    void shouldKeepOnlyTheSelectedAccountsLists()
    {
        QCOMPARE(ids(filteredLists(m_lists, QStringLiteral("home"), QStringLiteral("home/a,work/b"))),
                 QStringList{QStringLiteral("home/a")});
    }

    void shouldIgnoreUnknownIdsAndStrayCommasAndKeepTheModelsOrder()
    {
        const QStringList clean = ids(filteredLists(m_lists, QString(), QStringLiteral("home/c,gone/x,home/a")));
        QCOMPARE(clean, (QStringList{QStringLiteral("home/a"), QStringLiteral("home/c")}));
        QCOMPARE(ids(filteredLists(m_lists, QStringLiteral(",,"), QStringLiteral(",home/c,,home/a,"))), clean);
        // Pieces are not trimmed: a space makes a different id.
        QVERIFY(filteredLists(m_lists, QString(), QStringLiteral(" home/a")).isEmpty());
    }

    void shouldGroupRemindersPerListInTheModelsOrder()
    {
        const QList<ReminderItem> reminders = {
            reminder(QStringLiteral("r1"), QStringLiteral("home/c")),
            reminder(QStringLiteral("r2"), QStringLiteral("work/b")),
            reminder(QStringLiteral("r3"), QStringLiteral("home/c")),
        };
        const QList<ListSection> sections =
            listSections(filteredLists(m_lists, QString(), QStringLiteral("home/a,home/c")), reminders);
        QCOMPARE(sections.size(), 2);
        QCOMPARE(sections[0].list.id, QStringLiteral("home/a"));
        QVERIFY(sections[0].reminders.isEmpty());
        QCOMPARE(sections[1].reminders.size(), 2);
        QCOMPARE(sections[1].reminders[0].id, QStringLiteral("r1"));
        QCOMPARE(sections[1].reminders[1].id, QStringLiteral("r3"));
        QCOMPARE(reminderCount(sections), 2);
    }

    void shouldChooseThePlaceholderByStatusThenContent()
    {
        const QList<ListSection> none;
        const QList<ListSection> empty = {ListSection{m_lists[0], {}}};
        const QList<ListSection> one = {ListSection{m_lists[0], {}},
                                        ListSection{m_lists[1], {reminder(QStringLiteral("r"), m_lists[1].id)}}};
        QCOMPARE(placeholderFor(AuthorizationStatus::notDetermined, one), Placeholder::requestAccess);
        QCOMPARE(placeholderFor(AuthorizationStatus::writeOnly, one), Placeholder::readAccess);
        QCOMPARE(placeholderFor(AuthorizationStatus::denied, one), Placeholder::permissionRequired);
        QCOMPARE(placeholderFor(AuthorizationStatus::restricted, one), Placeholder::permissionRequired);
        QCOMPARE(placeholderFor(AuthorizationStatus::fullAccess, none), Placeholder::noLists);
        QCOMPARE(placeholderFor(AuthorizationStatus::fullAccess, empty), Placeholder::allCaughtUp);
        QCOMPARE(placeholderFor(AuthorizationStatus::fullAccess, one), std::nullopt);
    }

    void shouldTellChangedSectionsApart()
    {
        const ListSection before{m_lists[0], {reminder(QStringLiteral("r"), m_lists[0].id)}};
        ListSection retitled = before;
        retitled.reminders[0].title = QStringLiteral("new title");
        ListSection due = before;
        due.reminders[0].dueDate = QDateTime(QDate(2024, 3, 1), QTime(9, 0));
        // The same midnight as an all-day date shows as a date alone.
        ListSection allDay = before;
        allDay.reminders[0].dueIsAllDay = !allDay.reminders[0].dueIsAllDay;
        ListSection renamed = before;
        renamed.list.name = QStringLiteral("Renamed");
        QVERIFY(sameSection(before, ListSection(before)));
        QVERIFY(!sameSection(before, retitled));
        QVERIFY(!sameSection(before, due));
        QVERIFY(!sameSection(before, allDay));
        QVERIFY(!sameSection(before, renamed));
        QVERIFY(!sameSection(before, ListSection{m_lists[0], {}}));
    }
};

QTEST_GUILESS_MAIN(ListSelectionTest)
#include "ListSelectionTest.moc"
