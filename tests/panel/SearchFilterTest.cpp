// Which reminders a search leaves in a section, and which lists a widened search looks through.
#include "panel/SearchFilter.h"

#include <QTest>

using namespace tolvik;

namespace {

ReminderItem item(const QString& id, const QString& title, const QString& parent = QString(),
                  const QString& listID = QStringLiteral("a/work"))
{
    ReminderItem reminder;
    reminder.id = id;
    reminder.title = title;
    reminder.listID = listID;
    reminder.shownParentID = parent;
    return reminder;
}

ReminderList list(const QString& id, const QString& accountID)
{
    ReminderList made;
    made.id = id;
    made.name = id;
    made.accountID = accountID;
    return made;
}

} // namespace

class SearchFilterTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void keepsTheParentsOfAMatchingSubtask()
    {
        const ListSection section{list(u"a/work"_qs, u"a"_qs),
                                  {item(u"1"_qs, u"Move house"_qs), item(u"2"_qs, u"Boxes"_qs, u"1"_qs),
                                   item(u"3"_qs, u"Tape for the boxes"_qs, u"2"_qs), item(u"4"_qs, u"Café"_qs),
                                   item(u"5"_qs, u"Keys"_qs, u"1"_qs)}};
        SearchFilter filter;
        const SectionMatches tape = filter.matchSection(section, SearchQuery(u"TAPE"_qs));
        QCOMPARE(tape.matchCount, 1);
        QCOMPARE(tape.shownIDs, (QSet<QString>{u"1"_qs, u"2"_qs, u"3"_qs}));
        const SectionMatches boxes = filter.matchSection(section, SearchQuery(u"boxes"_qs));
        QCOMPARE(boxes.matchCount, 2);
        QCOMPARE(boxes.shownIDs, (QSet<QString>{u"1"_qs, u"2"_qs, u"3"_qs}));
        QCOMPARE(filter.matchSection(section, SearchQuery(u"cafe"_qs)).shownIDs, QSet<QString>{u"4"_qs});
        QCOMPARE(filter.matchSection(section, SearchQuery(u"tea"_qs)).matchCount, 0);
        QCOMPARE(filter.matchSection(section, SearchQuery()).matchCount, 5);
    }

    void forgetsFoldedTextsWhenCleared()
    {
        SearchFilter filter;
        const SearchQuery milk(u"milk"_qs);
        QVERIFY(filter.matches(milk, item(u"1"_qs, u"Milk"_qs)));
        // The same id with a new title, as after an edit: the kept text answers until the filter is cleared.
        QVERIFY(filter.matches(milk, item(u"1"_qs, u"Bread"_qs)));
        filter.clear();
        QVERIFY(!filter.matches(milk, item(u"1"_qs, u"Bread"_qs)));
    }

    void widensToEveryListOfTheSelectedAccounts()
    {
        const QList<ReminderList> lists{list(u"a/home"_qs, u"a"_qs), list(u"a/work"_qs, u"a"_qs),
                                        list(u"b/club"_qs, u"b"_qs)};
        const QList<ReminderItem> open{item(u"x"_qs, u"Far away"_qs, QString(), u"a/home"_qs),
                                       item(u"y"_qs, u"Club"_qs, QString(), u"b/club"_qs)};
        const QList<ListSection> sections = wideSections(lists, open, u"a"_qs);
        QCOMPARE(sections.size(), 2);
        QCOMPARE(sections.at(0).list.id, u"a/home"_qs);
        QCOMPARE(sections.at(0).reminders.size(), 1);
        QCOMPARE(sections.at(1).reminders.size(), 0);
        QCOMPARE(wideSections(lists, open, QString()).size(), 3);
    }
};

QTEST_GUILESS_MAIN(SearchFilterTest)
#include "SearchFilterTest.moc"
