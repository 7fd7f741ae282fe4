#pragma once

#include "quickadd/LocaleCalendarWords.h"
#include "quickadd/PhraseGrammar.h"

#include <QHash>
#include <QRegularExpression>

namespace tolvik {

/// The shapes of phrase the parser knows; each is one alternative of a language's combined expression.
enum class PhraseRule
{
    everyWeekday,
    weeklyOn,
    workdays,
    intervalRepeat,
    dailyAt,
    everyUnit,
    repeatWord,
    relativeMinutes,
    inUnits,
    unitsLater,
    isoDate,
    numericDate,
    slashDate,
    weekNumber,
    monthPartBefore,
    monthPartAfter,
    monthNameDate,
    chineseDate,
    dayOfMonth,
    weekdayPart,
    weekday,
    relativeDate,
    dayPart,
    day,
    quarterTime,
    time,
    period,
    priorityWord,
    bangs,
};

/// One language's grammar compiled into a single expression whose alternatives are tried left to right, with the
/// word lists as lookup tables for the captured words.
struct CompiledPhraseRules
{
    struct Alternative
    {
        PhraseRule rule;
        int group; ///< the capture group that holds the whole alternative; its own groups follow it
    };

    const PhraseGrammar* grammar = nullptr;
    LocaleCalendarWords calendar;
    QRegularExpression expression;
    QList<Alternative> alternatives;
    QHash<QString, int> days, dayParts, relativeDates, relativeMinutes, numbers, units, repeats, intervalRepeats,
        dailyAt, weeklyOn, meridiemAfter, meridiemBefore, periods, quarters, minuteWords, monthPartsBefore,
        monthPartsAfter, priorities, months, weekdays, weekdayParts;
    QStringList guardedWeekdays; ///< keys
    QStringList atWords;         ///< keys

    /// Compiles the grammar for `grammar` with the calendar words of the ICU locale `icuLocaleId`.
    static CompiledPhraseRules compile(const PhraseGrammar& grammar, const QByteArray& icuLocaleId);
    /// A captured word as the lookup tables hold it: lower case, single spaces, no trailing dot.
    static QString key(const QString& captured);
};

/// The value of a number typed in digits or in Chinese numerals ("十二", "两"), or -1.
int parseNumber(const QString& text);

} // namespace tolvik
