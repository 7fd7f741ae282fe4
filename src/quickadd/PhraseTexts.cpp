#include "quickadd/PhraseTexts.h"

#include "appearance/DateTexts.h"

#include <unicode/datefmt.h>
#include <unicode/simpletz.h>

#include <memory>

namespace tolvik {

QString PhraseTexts::dueText(const ParsedPhrase& parsed, const QLocale& locale)
{
    if (!parsed.due) {
        return {};
    }
    if (parsed.dueHasTime) {
        return DateTexts::rowDueDate(*parsed.due, locale, parsed.due->timeZone());
    }
    std::unique_ptr<icu::DateFormat> format(icu::DateFormat::createDateInstance(
        icu::DateFormat::kMedium, icu::Locale(DateTexts::icuLocaleId(locale).constData())));
    if (!format) {
        return locale.toString(parsed.due->date(), QLocale::ShortFormat);
    }
    // Format the wall-clock date itself: a fixed zero offset keeps it from shifting into another day.
    format->adoptTimeZone(new icu::SimpleTimeZone(0, icu::UnicodeString(u"UTC")));
    const QDateTime utcNoon(parsed.due->date(), QTime(12, 0), Qt::UTC);
    icu::UnicodeString out;
    format->format(static_cast<UDate>(utcNoon.toMSecsSinceEpoch()), out);
    return QString::fromUtf16(reinterpret_cast<const char16_t*>(out.getBuffer()), out.length());
}

QString PhraseTexts::priorityKey(int priority)
{
    switch (priority) {
    case 1:
        return QStringLiteral("reminder.priority.high");
    case 5:
        return QStringLiteral("reminder.priority.medium");
    case 9:
        return QStringLiteral("reminder.priority.low");
    default:
        return {};
    }
}

QString PhraseTexts::repeatKey(RecurrenceOption repeat)
{
    return QStringLiteral("recurrence.") + rawValue(repeat);
}

} // namespace tolvik
