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
    bool explicitMeridiem = false;
    std::optional<int> periodHour;
    std::optional<int> priority;
    std::optional<RecurrenceOption> repeat;
};

/// Reads one match of a language's expression as of `today`. An impossible date or time ("31.02.", "25:00")
/// yields a reading that is not valid, and its words stay in the title.
PhraseReading readPhrase(const CompiledPhraseRules& rules, const CompiledPhraseRules::Alternative& alternative,
                         const QRegularExpressionMatch& match, const QDate& today);

} // namespace tolvik
