#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace tolvik {

/// One word or phrase of a grammar with the number it stands for (a day offset, an hour, a priority, ...).
struct GrammarWord
{
    QString text;
    int value = 0;
};

/// Dates that phrases name relative to today, as the values of `PhraseGrammar::relativeDates`. Smaller values are
/// a number of days from today.
namespace RelativeDate {
enum : int
{
    nextWeekStart = 10000, ///< Monday of next week
    weekAfterNextStart,    ///< Monday of the week after next
    nextMonthStart,        ///< the 1st of next month
    nextYearStart,         ///< 1 January of next year
    thisWeekend,           ///< Saturday of this week, today on a Sunday
    nextWeekend,           ///< Saturday of next week
    endOfWeek,             ///< Friday of this week, today on the weekend
    endOfMonth,            ///< the last day of this month
    startOfMonth,          ///< the 1st of next month, today on the 1st
    endOfYear,             ///< 31 December
};
} // namespace RelativeDate

/// How a language reads "next <weekday>".
enum class NextWeekday
{
    nextWeek, ///< that day in the next Monday-to-Sunday week ("nästa fredag", "下周五")
    coming,   ///< the coming one, a week at most ("nächsten Freitag")
};

/// The words of one language that the quick-add parser reads. Month and weekday names and the numeric date order
/// come from ICU; these tables hold only the relative phrases, so a translator extends a language here alone.
/// Matching ignores case; a space inside a phrase matches any run of spaces.
struct PhraseGrammar
{
    QString language;                   ///< "en", "de", "sv", "zh-Hans" or "zh-Hant"
    bool spaced = true;                 ///< whether words are separated by spaces (Chinese is not)
    bool monthFirst = false;            ///< "Jan 3" is a date (in German and Swedish "Jan" is a name)
    bool dotTime = false;               ///< "19.30" alone is a time (dates never use dots there)
    bool slashDayMonth = false;         ///< "5/3" is 5 March although the short date is written otherwise
    QList<GrammarWord> days;            ///< day offsets from today ("tomorrow" 1)
    QList<GrammarWord> dayParts;        ///< a day and an hour: 100 × day offset + hour ("tonight" 18, "明早" 108)
    QList<GrammarWord> relativeDates;   ///< days from today or a `RelativeDate` ("next week")
    QList<GrammarWord> relativeMinutes; ///< minutes from now ("in half an hour" 30)
    QStringList onWords;                ///< optional words before a weekday or date ("on", "by")
    QStringList nextWords;              ///< before a weekday: the next one ("next")
    NextWeekday nextRule = NextWeekday::nextWeek;
    QStringList afterNextWords;       ///< before a weekday: a week after the next one ("übernächsten", "下下")
    QStringList thisWords;            ///< before a weekday: that day of this week ("这", "本")
    QStringList nextWeekAfter;        ///< after a weekday: that day of next week ("Friday next week")
    QStringList deadlineAfter;        ///< after a date or time: "by then" ("周五前")
    QList<GrammarWord> extraWeekdays; ///< weekday names ICU lacks, Monday 1 to Sunday 7
    QStringList guardedWeekdays;      ///< weekday names that are common words: only after "on"/"next" or before a time
    QList<GrammarWord> weekdayParts;  ///< suffixes joined to a weekday with their hour ("Montagabend": "abend" 18)
    QStringList inBefore;             ///< before "N units": "in 3 days"
    QStringList inAfter;              ///< after "N units": "3天后"
    QList<GrammarWord> numbers;       ///< number words ("two" 2)
    QList<GrammarWord> units;         ///< day 0, week 1, month 2, year 3, hour 4, minute 5
    QStringList everyWords;           ///< "every" before a unit or a weekday
    QStringList everyCountWords;      ///< "every" words that need a count after them ("alle 3 Tage")
    QStringList otherWords;           ///< "every other": an interval of two ("every other week")
    QList<GrammarWord> repeats;       ///< single repeat words, valued as RecurrenceOption
    QList<GrammarWord> intervalRepeats; ///< repeats with an interval: 10 × interval + RecurrenceOption ("fortnightly")
    QStringList workdayRepeats;         ///< Monday to Friday ("weekdays")
    QList<GrammarWord> dailyAt;         ///< a daily repeat at an hour ("every morning" 8)
    QStringList andWords;               ///< between two weekdays of one repeat ("montags und donnerstags")
    QStringList weeklyOnBefore;         ///< optional words before a `weeklyOn` day ("on", "immer")
    QList<GrammarWord> weeklyOn;        ///< a weekday meaning every such day ("montags"), Monday 1
    QStringList atWords;                ///< before a time ("at", "um", "kl")
    QStringList hourWords;              ///< after an hour ("Uhr", "点")
    QString minuteWord;                 ///< after minutes that follow an hour word ("分"), empty when unused
    bool minutesAfterHourWord = false;  ///< "8 Uhr 30", "3点15"
    QList<GrammarWord> minuteWords;     ///< after an hour word: minutes ("一刻" 15)
    QList<GrammarWord> meridiemAfter;   ///< after a time: hours to add ("pm" 12)
    QList<GrammarWord> meridiemBefore;  ///< before a time: the part of the day it is in, as a `periods` hour
    QList<GrammarWord> periods;         ///< parts of the day with their hour ("evening" 18); 24 is midnight
    QList<GrammarWord> quarters;        ///< before an hour: minutes from it ("quarter to" -15, "halb" -30)
    QStringList halfAfter;              ///< half past the hour ("9点半")
    QString dayOfMonth;                 ///< an expression with one group, the day of this or next month ("15号")
    QString weekNumber;                 ///< an expression with one group, an ISO week number ("v. 12")
    QList<GrammarWord> monthPartsBefore; ///< before a month name: its day, 99 for the last ("Ende März")
    QList<GrammarWord> monthPartsAfter;  ///< after "N月": its day, 99 for the last ("3月底")
    QStringList shyFollowers;            ///< Chinese: words after which 今日/每日 are part of a name ("头条")
    QList<GrammarWord> priorities;       ///< priority words with the store's number (1 high, 5 medium, 9 low)
};

/// The grammars of every interface language, in one place.
const QList<PhraseGrammar>& phraseGrammars();

} // namespace tolvik
