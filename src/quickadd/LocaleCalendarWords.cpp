#include "quickadd/LocaleCalendarWords.h"

#include <unicode/datefmt.h>
#include <unicode/dtfmtsym.h>
#include <unicode/smpdtfmt.h>

#include <memory>

namespace tolvik {

namespace {

QString toQString(const icu::UnicodeString& text)
{
    return QString::fromUtf16(reinterpret_cast<const char16_t*>(text.getBuffer()), text.length());
}

/// Adds a name once, lower-cased and without the dot abbreviations end with. Names of one or two letters ("So",
/// "Di") are left out: as words they are far more often part of a title than a weekday.
void addName(QList<QPair<QString, int>>& names, const icu::UnicodeString& raw, int value, bool spaced)
{
    QString name = toQString(raw).toLower();
    while (name.endsWith(QLatin1Char('.'))) {
        name.chop(1);
    }
    if (name.isEmpty() || (spaced && name.size() < 3)) {
        return;
    }
    for (const auto& existing : names) {
        if (existing.first == name) {
            return;
        }
    }
    names.append({name, value});
}

} // namespace

LocaleCalendarWords LocaleCalendarWords::read(const QByteArray& icuLocaleId)
{
    LocaleCalendarWords words;
    const icu::Locale locale(icuLocaleId.constData());
    // Chinese is written without spaces, so its short weekday names ("周五") are safe to read as words.
    const bool spaced = !icuLocaleId.startsWith("zh");
    UErrorCode status = U_ZERO_ERROR;
    icu::DateFormatSymbols symbols(locale, status);
    if (U_SUCCESS(status)) {
        for (auto context : {icu::DateFormatSymbols::FORMAT, icu::DateFormatSymbols::STANDALONE}) {
            for (auto width : {icu::DateFormatSymbols::WIDE, icu::DateFormatSymbols::ABBREVIATED}) {
                int32_t count = 0;
                const icu::UnicodeString* months = symbols.getMonths(count, context, width);
                for (int32_t i = 0; i < count && i < 12; ++i) {
                    addName(words.months, months[i], i + 1, spaced);
                }
                // ICU counts weekdays from Sunday = 1, with an empty entry at 0.
                const icu::UnicodeString* weekdays = symbols.getWeekdays(count, context, width);
                for (int32_t i = 1; i < count && i <= 7; ++i) {
                    addName(words.weekdays, weekdays[i], i == 1 ? 7 : i - 1, spaced);
                }
            }
        }
    }

    std::unique_ptr<icu::DateFormat> format(icu::DateFormat::createDateInstance(icu::DateFormat::kShort, locale));
    auto* simple = dynamic_cast<icu::SimpleDateFormat*>(format.get());
    if (simple != nullptr) {
        icu::UnicodeString pattern;
        const QString text = toQString(simple->toPattern(pattern));
        const qsizetype day = text.indexOf(QLatin1Char('d'));
        const qsizetype month = text.indexOf(QLatin1Char('M'));
        const qsizetype year = text.indexOf(QLatin1Char('y'));
        if (day >= 0 && month >= 0 && year >= 0) {
            if (year < month) {
                words.order = Order::yearMonthDay;
            } else {
                words.order = day < month ? Order::dayMonthYear : Order::monthDayYear;
            }
            for (const QChar c : text) {
                if (!c.isLetter() && !c.isSpace()) {
                    words.separator = c;
                    break;
                }
            }
        }
    }
    return words;
}

} // namespace tolvik
