#pragma once

#include "model/RecurrenceOption.h"
#include "quickadd/PhraseRules.h"

#include <QDate>
#include <QRegularExpressionMatch>
#include <QTime>

#include <optional>

namespace tolvik {

/// What one matched phrase says; unset fields say nothing.
struct PhraseReading
{
    bool valid = true;
    std::optional<QDate> date;
    std::optional<QTime> time;
    bool explicitMeridiem = false; ///< "pm", "am": the hour is as meant
    bool bareHour = false;         ///< an hour from 1 to 6 with nothing saying which half of the day
    std::optional<int> periodHour; ///< the part of the day, as an hour; 24 is midnight
    std::optional<int> minutesFromNow;
    std::optional<int> priority;
    std::optional<RecurrenceOption> repeat;
    int repeatInterval = 1;
    bool repeatStartsDate = false; ///< the date is the repeat's first day ("every Monday"), not typed as such
    QList<int> repeatWeekdays;     ///< Monday 1 to Sunday 7; empty for the due date's own day
};

/// Reads one match of a language's expression in `text` as of `today`. An impossible date or time ("31.02.",
/// "25:00") yields a reading that is not valid, and its words stay in the title.
PhraseReading readPhrase(const CompiledPhraseRules& rules, const CompiledPhraseRules::Alternative& alternative,
                         const QRegularExpressionMatch& match, const QString& text, const QDate& today);

} // namespace tolvik
