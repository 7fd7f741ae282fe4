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

/// The words of one language that the quick-add parser reads. Month and weekday names and the numeric date order
/// come from ICU; these tables hold only the relative phrases, so a translator extends a language here alone.
/// Matching ignores case; a space inside a phrase matches any run of spaces.
struct PhraseGrammar
{
    QString language;                  ///< "en", "de", "sv", "zh-Hans" or "zh-Hant"
    bool spaced = true;                ///< whether words are separated by spaces (Chinese is not)
    QList<GrammarWord> days;           ///< day offsets from today ("tomorrow" 1)
    QList<GrammarWord> nights;         ///< a day offset meaning that day's evening ("tonight" 0)
    QStringList onWords;               ///< optional words before a weekday or date ("on")
    QStringList nextWords;             ///< before a weekday: the one a week later ("next")
    QList<GrammarWord> extraWeekdays;  ///< weekday names ICU lacks, Monday 1 to Sunday 7
    QStringList inBefore;              ///< before "N units": "in 3 days"
    QStringList inAfter;               ///< after "N units": "3天后"
    QList<GrammarWord> numbers;        ///< number words for "in N units" ("two" 2)
    QList<GrammarWord> units;          ///< day 0, week 1, month 2, year 3
    QStringList everyWords;            ///< "every" before a unit or a weekday
    QList<GrammarWord> repeats;        ///< single repeat words, valued as RecurrenceOption
    QList<GrammarWord> weeklyOn;       ///< a weekday meaning every such day ("montags"), Monday 1
    QStringList atWords;               ///< before a time ("at", "um", "kl")
    QStringList hourWords;             ///< after an hour ("Uhr", "点")
    QString minuteWord;                ///< after minutes that follow an hour word ("分"), empty when unused
    QList<GrammarWord> meridiemAfter;  ///< after a time: hours to add ("pm" 12)
    QList<GrammarWord> meridiemBefore; ///< before a time: hours to add ("下午" 12)
    QList<GrammarWord> periods;        ///< parts of the day with their hour ("evening" 18)
    QStringList halfBefore;            ///< half an hour before the hour ("halb 10" is 9:30)
    QStringList halfAfter;             ///< half past the hour ("9点半")
    QList<GrammarWord> priorities;     ///< priority words with the store's number (1 high, 5 medium, 9 low)
};

/// The grammars of every interface language, in one place.
const QList<PhraseGrammar>& phraseGrammars();

} // namespace tolvik
