#pragma once

#include "quickadd/PhraseParser.h"

#include <QLocale>
#include <QString>

namespace tolvik {

/// The texts the quick-add chips show for what a phrase was read as.
class PhraseTexts
{
public:
    /// The due date as a row shows it; an all-day date without its midnight time. Empty without a due date.
    static QString dueText(const ParsedPhrase& parsed, const QLocale& locale = QLocale::system());
    /// The key of the priority's name ("reminder.priority.high", ...), empty for none.
    static QString priorityKey(int priority);
    /// The key of the repeat's name ("recurrence.weekly", ...).
    static QString repeatKey(RecurrenceOption repeat);
};

} // namespace tolvik
