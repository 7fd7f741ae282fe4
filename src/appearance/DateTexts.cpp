#include "appearance/DateTexts.h"

#include <unicode/datefmt.h>
#include <unicode/dtptngen.h>
#include <unicode/simpletz.h>
#include <unicode/smpdtfmt.h>

#include <map>
#include <memory>
#include <utility>

namespace tolvik {

namespace {

QString toQString(const icu::UnicodeString& text)
{
    return QString::fromUtf16(reinterpret_cast<const char16_t*>(text.getBuffer()), text.length());
}

/// The offset that `zone` has at that instant, as a fixed ICU zone. One instant needs only its own offset, and this
/// avoids a mismatch between Qt's and ICU's names for a zone.
std::unique_ptr<icu::TimeZone> icuZone(const QDateTime& when, const QTimeZone& zone)
{
    const int offsetSeconds = zone.isValid() ? zone.offsetFromUtc(when) : when.toLocalTime().offsetFromUtc();
    return std::make_unique<icu::SimpleTimeZone>(offsetSeconds * 1000, icu::UnicodeString(u"tolvik"));
}

QString format(icu::DateFormat* formatter, const QDateTime& when, const QTimeZone& zone)
{
    formatter->adoptTimeZone(icuZone(when, zone).release());
    icu::UnicodeString out;
    formatter->format(static_cast<UDate>(when.toMSecsSinceEpoch()), out);
    return toQString(out);
}

/// What the user still sees if ICU has no data for the locale: Qt's own format.
QString fallback(const QDateTime& when, const QLocale& locale, const QTimeZone& zone, QLocale::FormatType type)
{
    const QDateTime shown = zone.isValid() ? when.toTimeZone(zone) : when.toLocalTime();
    return locale.toString(shown, type);
}

QString styled(const QDateTime& when, const QLocale& locale, const QTimeZone& zone, icu::DateFormat::EStyle dateStyle,
               QLocale::FormatType fallbackType, icu::DateFormat::EStyle timeStyle = icu::DateFormat::kShort)
{
    if (!when.isValid()) {
        return {};
    }
    // Building an ICU formatter costs far more than formatting with it, and a panel formats thousands of due dates
    // in a few locales: keep one per locale and style. The zone is set again on every use.
    thread_local std::map<std::pair<QByteArray, int>, std::unique_ptr<icu::DateFormat>> formatters;
    const QByteArray localeId = DateTexts::icuLocaleId(locale);
    std::unique_ptr<icu::DateFormat>& formatter = formatters[{localeId, int(dateStyle) * 100 + int(timeStyle)}];
    if (!formatter) {
        formatter.reset(
            icu::DateFormat::createDateTimeInstance(dateStyle, timeStyle, icu::Locale(localeId.constData())));
    }
    if (!formatter) {
        if (timeStyle == icu::DateFormat::kNone) {
            return locale.toString(when.date(), fallbackType);
        }
        if (dateStyle == icu::DateFormat::kNone) {
            return locale.toString((zone.isValid() ? when.toTimeZone(zone) : when.toLocalTime()).time(), fallbackType);
        }
        return fallback(when, locale, zone, fallbackType);
    }
    return format(formatter.get(), when, zone);
}

/// A date in the locale's own order for an ICU skeleton (which fields, how long), not a fixed pattern.
QString skeletonDate(const QDateTime& when, const QLocale& locale, const QTimeZone& zone, const char16_t* skeleton)
{
    if (!when.isValid()) {
        return {};
    }
    const icu::Locale icuLocale(DateTexts::icuLocaleId(locale).constData());
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::DateTimePatternGenerator> generator(
        icu::DateTimePatternGenerator::createInstance(icuLocale, status));
    if (U_FAILURE(status) || !generator) {
        return fallback(when, locale, zone, QLocale::LongFormat);
    }
    const icu::UnicodeString pattern = generator->getBestPattern(icu::UnicodeString(skeleton), status);
    if (U_FAILURE(status)) {
        return fallback(when, locale, zone, QLocale::LongFormat);
    }
    icu::SimpleDateFormat formatter(pattern, icuLocale, status);
    if (U_FAILURE(status)) {
        return fallback(when, locale, zone, QLocale::LongFormat);
    }
    return format(&formatter, when, zone);
}

} // namespace

QString DateTexts::headerDate(const QDateTime& when, const QLocale& locale, const QTimeZone& zone)
{
    return skeletonDate(when, locale, zone, u"EEEEMMMd");
}

QString DateTexts::shortHeaderDate(const QDateTime& when, const QLocale& locale, const QTimeZone& zone)
{
    return skeletonDate(when, locale, zone, u"EEEMMMd");
}

QString DateTexts::bubbleDate(const QDateTime& when, const QLocale& locale, const QTimeZone& zone)
{
    return styled(when, locale, zone, icu::DateFormat::kFull, QLocale::LongFormat);
}

QString DateTexts::rowDueDate(const QDateTime& when, const QLocale& locale, const QTimeZone& zone)
{
    return styled(when, locale, zone, icu::DateFormat::kMedium, QLocale::ShortFormat);
}

QString DateTexts::shortTime(const QDateTime& when, const QLocale& locale, const QTimeZone& zone)
{
    return styled(when, locale, zone, icu::DateFormat::kNone, QLocale::ShortFormat);
}

// A day is the same day in every zone: it is formatted as noon UTC, in UTC.
QString DateTexts::bubbleDay(const QDate& day, const QLocale& locale)
{
    return styled(QDateTime(day, QTime(12, 0), Qt::UTC), locale, QTimeZone::utc(), icu::DateFormat::kFull,
                  QLocale::LongFormat, icu::DateFormat::kNone);
}

QString DateTexts::rowDueDay(const QDate& day, const QLocale& locale)
{
    return styled(QDateTime(day, QTime(12, 0), Qt::UTC), locale, QTimeZone::utc(), icu::DateFormat::kMedium,
                  QLocale::ShortFormat, icu::DateFormat::kNone);
}

QByteArray DateTexts::icuLocaleId(const QLocale& locale)
{
    const QLocale::Language language = locale.language();
    if (language == QLocale::C || language == QLocale::AnyLanguage) {
        return QByteArrayLiteral("en_US_POSIX");
    }
    QString id = QLocale::languageToCode(language);
    const bool scriptMatters =
        language == QLocale::Chinese || locale.script() != QLocale(language, QLocale::AnyTerritory).script();
    if (scriptMatters && locale.script() != QLocale::AnyScript) {
        id += QLatin1Char('_') + QLocale::scriptToCode(locale.script());
    }
    if (locale.territory() != QLocale::AnyTerritory) {
        id += QLatin1Char('_') + QLocale::territoryToCode(locale.territory());
    }
    return id.toLatin1();
}

} // namespace tolvik
