// What the search field finds and what it highlights, in the five languages the app speaks.
#include "model/ReminderSearch.h"

#include <QTest>

using namespace tolvik;

using Spans = QList<std::pair<int, int>>;

class ReminderSearchTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shouldMatchIgnoringCaseAndAccents_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("notes");
        QTest::addColumn<QStringList>("categories");
        QTest::addColumn<bool>("found");
        const QString none;
        QTest::newRow("case") << "MILK"
                              << "Buy milk" << none << QStringList() << true;
        QTest::newRow("accent typed without") << "cafe"
                                              << "Café Crème" << none << QStringList() << true;
        QTest::newRow("accent typed with") << "crème"
                                           << "creme brulee" << none << QStringList() << true;
        QTest::newRow("sharp s as ss") << "strasse"
                                       << "Hauptstraße 5" << none << QStringList() << true;
        QTest::newRow("umlaut") << "uber"
                                << "Über den Fluss" << none << QStringList() << true;
        QTest::newRow("Swedish letters") << "ÅTERVINNING"
                                         << "återvinning på lördag" << none << QStringList() << true;
        QTest::newRow("decomposed title")
            << "lördag" << QStringLiteral("lo\u0308rdag") << none << QStringList() << true;
        QTest::newRow("Simplified Chinese") << "牛奶"
                                            << "买牛奶和面包" << none << QStringList() << true;
        QTest::newRow("Traditional Chinese") << "會議"
                                             << "週一的會議" << none << QStringList() << true;
        QTest::newRow("full-width letters") << "abc"
                                            << "ＡＢＣ社" << none << QStringList() << true;
        QTest::newRow("notes") << "tuesday"
                               << "Dentist"
                               << "Ask about Tuesday" << QStringList() << true;
        QTest::newRow("category") << "garden"
                                  << "Roses" << none << QStringList{QStringLiteral("Home"), QStringLiteral("Garden")}
                                  << true;
        QTest::newRow("all words, any field") << "milk home"
                                              << "Milk" << none << QStringList{QStringLiteral("Home")} << true;
        QTest::newRow("one word missing") << "milk bread"
                                          << "Milk" << none << QStringList() << false;
        QTest::newRow("no match") << "tea"
                                  << "Coffee"
                                  << "beans" << QStringList() << false;
        QTest::newRow("only spaces") << "   "
                                     << "Anything" << none << QStringList() << true;
    }

    void shouldMatchIgnoringCaseAndAccents()
    {
        QFETCH(QString, typed);
        QFETCH(QString, title);
        QFETCH(QString, notes);
        QFETCH(QStringList, categories);
        QFETCH(bool, found);
        ReminderItem item;
        item.title = title;
        item.notes = notes.isEmpty() ? std::nullopt : std::optional(notes);
        item.categories = categories;
        QCOMPARE(SearchQuery(typed).matches(item), found);
    }

    void shouldHighlightTheMatchedWordsInTheOriginalText_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("text");
        QTest::addColumn<Spans>("spans");
        QTest::newRow("every occurrence") << "ab"
                                          << "ab xab" << Spans{{0, 2}, {4, 6}};
        QTest::newRow("overlapping words merge") << "stra asse"
                                                 << "Straße" << Spans{{0, 6}};
        QTest::newRow("sharp s folds to two letters") << "strasse"
                                                      << "Hauptstraße" << Spans{{5, 11}};
        QTest::newRow("decomposed accent stays in the span")
            << "lor" << QStringLiteral("lo\u0308rdag") << Spans{{0, 4}};
        QTest::newRow("Chinese") << "牛奶"
                                 << "买牛奶" << Spans{{1, 3}};
        QTest::newRow("outside the basic plane") << "x" << QStringLiteral("\U0001F600x") << Spans{{2, 3}};
        QTest::newRow("none") << "tea"
                              << "Coffee" << Spans{};
    }

    void shouldHighlightTheMatchedWordsInTheOriginalText()
    {
        QFETCH(QString, typed);
        QFETCH(QString, text);
        QFETCH(Spans, spans);
        QCOMPARE(SearchQuery(typed).matchedSpans(text), spans);
    }
};

QTEST_GUILESS_MAIN(ReminderSearchTest)
#include "ReminderSearchTest.moc"
