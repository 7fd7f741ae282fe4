// A repeat rule in words, in every language the app ships, and the rule a parsed repeat writes.
#include "appearance/LocalizationManager.h"
#include "appearance/Preferences.h"
#include "model/RecurrenceOption.h"

#include <QTemporaryDir>
#include <QTest>

using namespace tolvik;

namespace {

struct WordsCase
{
    const char* language;
    RecurrenceRule rule;
    const char16_t* words;
};

const RecurrenceRule everyTwoWeeks{1, 2, false, {}, false};
const RecurrenceRule weekdays{1, 1, false, {1, 2, 3, 4, 5}, false};
const RecurrenceRule dailyOnWeekdays{0, 1, false, {1, 2, 3, 4, 5}, false};
const RecurrenceRule twoWeeksMonThu{1, 2, false, {1, 4}, false};
const RecurrenceRule threeMonths{2, 3, false, {}, false};
const RecurrenceRule oneDay{0, 1, false, {6}, false};
const RecurrenceRule fiveDays{0, 5, false, {}, false};
const RecurrenceRule twoYears{3, 2, true, {}, false};
const RecurrenceRule monthlyOnMondays{2, 1, false, {1}, false};

const WordsCase wordsCases[] = {
    {"en", everyTwoWeeks, u"Every 2 Weeks"},
    {"en", weekdays, u"Weekdays"},
    {"en", dailyOnWeekdays, u"Weekdays"},
    {"en", twoWeeksMonThu, u"Every 2 Weeks on Mon and Thu"},
    {"en", threeMonths, u"Every 3 Months"},
    {"en", oneDay, u"Every Week on Sat"},
    {"en", RecurrenceRule{1, 1, false, {1, 3, 5}, false}, u"Every Week on Mon, Wed, and Fri"},
    {"zh-Hans", RecurrenceRule{1, 1, false, {1, 3, 5}, false}, u"每周的周一、周三和周五"},
    {"en", fiveDays, u"Every 5 Days"},
    {"en", twoYears, u"Every 2 Years"},
    {"en", monthlyOnMondays, u"Every Month"},
    {"de", everyTwoWeeks, u"Alle 2 Wochen"},
    {"de", weekdays, u"Montag bis Freitag"},
    {"de", twoWeeksMonThu, u"Alle 2 Wochen am Mo. und Do."},
    {"de", threeMonths, u"Alle 3 Monate"},
    {"de", oneDay, u"Wöchentlich am Sa."},
    {"sv", everyTwoWeeks, u"Varannan vecka"},
    {"sv", weekdays, u"Vardagar"},
    {"sv", twoWeeksMonThu, u"Varannan vecka på mån och tors"},
    {"sv", threeMonths, u"Var 3:e månad"},
    {"sv", twoYears, u"Vartannat år"},
    {"zh-Hans", everyTwoWeeks, u"每两周"},
    {"zh-Hans", weekdays, u"周一至周五"},
    {"zh-Hans", twoWeeksMonThu, u"每两周的周一和周四"},
    {"zh-Hans", threeMonths, u"每 3 个月"},
    {"zh-Hant", everyTwoWeeks, u"每兩週"},
    {"zh-Hant", weekdays, u"週一至週五"},
    {"zh-Hant", twoWeeksMonThu, u"每兩週的週一和週四"},
    {"zh-Hant", fiveDays, u"每 5 天"},
};

struct RuleCase
{
    RecurrenceOption base;
    int interval;
    QList<int> weekdays;
    std::optional<RecurrenceRule> rule;
};

} // namespace

class RecurrenceWordsTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    std::unique_ptr<Preferences> m_preferences;

private Q_SLOTS:
    void initTestCase()
    {
        m_preferences = std::make_unique<Preferences>(m_dir.filePath(QStringLiteral("prefs.ini")));
        Preferences::setShared(m_preferences.get());
    }

    void cleanupTestCase() { Preferences::setShared(nullptr); }

    void shouldSayACustomRuleInEachLanguage()
    {
        for (const WordsCase& test : wordsCases) {
            m_preferences->setString(PreferenceKey::languagePreference, QString::fromLatin1(test.language));
            QCOMPARE(recurrenceWords(RecurrenceOption::custom, test.rule), QString::fromUtf16(test.words));
        }
    }

    void shouldReadOnlyIntervalsAndWeekdaysAsCustom()
    {
        QCOMPARE(recurrenceOptionOf(std::optional(RecurrenceRule{1, 1, true})), RecurrenceOption::weekly);
        QCOMPARE(recurrenceOptionOf(std::optional(RecurrenceRule{2, 1, false, {}, true})), RecurrenceOption::monthly);
        QCOMPARE(recurrenceOptionOf(std::optional(everyTwoWeeks)), RecurrenceOption::custom);
        QCOMPARE(recurrenceOptionOf(std::optional(oneDay)), RecurrenceOption::custom);
        QCOMPARE(recurrenceOptionOf(std::optional(RecurrenceRule{4, 2, false})), RecurrenceOption::none);
        QCOMPARE(recurrenceOptionOf(std::nullopt), RecurrenceOption::none);
    }

    void shouldWriteARuleOnlyForWhatThePlainChoiceCannotSay()
    {
        const RuleCase cases[] = {
            {RecurrenceOption::weekly, 1, {}, std::nullopt},
            {RecurrenceOption::weekly, 1, {3}, std::nullopt},
            {RecurrenceOption::none, 2, {}, std::nullopt},
            {RecurrenceOption::weekly, 2, {}, everyTwoWeeks},
            {RecurrenceOption::weekly, 1, {5, 1, 2, 3, 4, 1}, weekdays},
            {RecurrenceOption::daily, 1, {1, 2, 3, 4, 5}, weekdays},
            {RecurrenceOption::weekly, 2, {4, 1}, twoWeeksMonThu},
            {RecurrenceOption::monthly, 3, {}, threeMonths},
            {RecurrenceOption::monthly, 1, {1}, std::nullopt},
        };
        for (const RuleCase& test : cases) {
            QCOMPARE(customRule(test.base, test.interval, test.weekdays), test.rule);
        }
    }
};

QTEST_GUILESS_MAIN(RecurrenceWordsTest)
#include "RecurrenceWordsTest.moc"
