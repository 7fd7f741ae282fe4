// Quick add's tags: "#word" and the full-width "＃word" in every language, and the words around them.
#include "quickadd/PhraseParser.h"

#include <QTest>

using namespace tolvik;

namespace {

const QTimeZone berlin("Europe/Berlin");
const QDateTime now(QDate(2027, 1, 2), QTime(10, 0), berlin);

} // namespace

class PhraseTagsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // "#word" and "＃word" are tags in every language; the words around them read as before.
    void shouldReadTags_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QStringList>("tags");
        QTest::addColumn<bool>("due");
        QTest::newRow("en") << u"en"_qs << u"Buy milk #errands tomorrow #home"_qs << u"Buy milk"_qs
                            << QStringList{u"errands"_qs, u"home"_qs} << true;
        QTest::newRow("de, a date word inside a tag is no date")
            << u"de"_qs << u"Steuer #morgen erledigen"_qs << u"Steuer erledigen"_qs << QStringList{u"morgen"_qs}
            << false;
        QTest::newRow("sv, priority right after a tag")
            << u"sv"_qs << u"Ring mamma #familj !!"_qs << u"Ring mamma"_qs << QStringList{u"familj"_qs} << false;
        QTest::newRow("zh-Hans, full-width mark with no space before it")
            << u"zh-Hans"_qs << u"\u4E70\u725B\u5976\uFF03\u8D2D\u7269 \u660E\u5929"_qs << u"\u4E70\u725B\u5976"_qs
            << QStringList{u"\u8D2D\u7269"_qs} << true;
        QTest::newRow("zh-Hant") << u"zh-Hant"_qs << u"\u7E73\u8CBB #\u5BB6\u5EAD"_qs << u"\u7E73\u8CBB"_qs
                                 << QStringList{u"\u5BB6\u5EAD"_qs} << false;
        QTest::newRow("numbers and C# are no tags")
            << u"en"_qs << u"Ticket #42 in C#"_qs << u"Ticket #42 in C#"_qs << QStringList{} << false;
    }
    void shouldReadTags()
    {
        QFETCH(QString, language);
        QFETCH(QString, text);
        QFETCH(QString, title);
        QFETCH(QStringList, tags);
        QFETCH(bool, due);
        const PhraseParser parser({QLocale(language)}, berlin);
        const ParsedPhrase parsed = parser.parse(text, now);
        QCOMPARE(parsed.title, title);
        QCOMPARE(parsed.tags, tags);
        QCOMPARE(parsed.due.has_value(), due);
        // Dismissing a tag's chip keeps its words in the title.
        for (const PhraseSpan& span : parsed.spans) {
            if (span.parts == tagPart) {
                QCOMPARE(parser.parse(text, now, {span.text}).tags, tags.mid(1));
                break;
            }
        }
    }
};

QTEST_GUILESS_MAIN(PhraseTagsTest)
#include "PhraseTagsTest.moc"
