#include "quickadd/PhraseParser.h"

#include "appearance/DateTexts.h"
#include "quickadd/PhraseRules.h"

#include <QHash>
#include <QMutex>

#include <algorithm>

namespace tolvik {

struct PhraseParser::Compiled
{
    CompiledPhraseRules rules;
};

namespace {

/// What one matched phrase says; unset fields say nothing.
struct Reading
{
    bool valid = true;
    std::optional<QDate> date;
    std::optional<QTime> time;
    bool explicitMeridiem = false;
    std::optional<int> periodHour;
    std::optional<int> priority;
    std::optional<RecurrenceOption> repeat;
};

QString grammarLanguage(const QLocale& locale)
{
    switch (locale.language()) {
    case QLocale::German:
        return QStringLiteral("de");
    case QLocale::Swedish:
        return QStringLiteral("sv");
    case QLocale::Chinese: {
        const bool traditional = locale.script() == QLocale::TraditionalHanScript ||
                                 (locale.script() == QLocale::AnyScript &&
                                  (locale.territory() == QLocale::Taiwan || locale.territory() == QLocale::HongKong ||
                                   locale.territory() == QLocale::Macau));
        return traditional ? QStringLiteral("zh-Hant") : QStringLiteral("zh-Hans");
    }
    case QLocale::English:
        return QStringLiteral("en");
    default:
        return {};
    }
}

std::shared_ptr<const PhraseParser::Compiled> compiledFor(const QLocale& locale)
{
    static QMutex mutex;
    static QHash<QByteArray, std::shared_ptr<const PhraseParser::Compiled>> cache;
    const QString language = grammarLanguage(locale);
    const QByteArray icuId = DateTexts::icuLocaleId(locale);
    const QMutexLocker lock(&mutex);
    auto found = cache.constFind(icuId);
    if (found != cache.constEnd()) {
        return *found;
    }
    for (const PhraseGrammar& grammar : phraseGrammars()) {
        if (grammar.language == language) {
            auto compiled = std::make_shared<PhraseParser::Compiled>();
            compiled->rules = CompiledPhraseRules::compile(grammar, icuId);
            cache.insert(icuId, compiled);
            return compiled;
        }
    }
    return nullptr;
}

int daysUntil(const QDate& today, int weekday, bool allowToday)
{
    const int days = (weekday - today.dayOfWeek() + 7) % 7;
    return days == 0 && !allowToday ? 7 : days;
}

/// A date typed without a year is the next such date, today included.
std::optional<QDate> calendarDate(const QString& year, int month, int day, const QDate& today)
{
    if (!year.isEmpty()) {
        int y = year.toInt();
        if (year.size() == 2) {
            y += 2000;
        }
        const QDate date(y, month, day);
        return date.isValid() ? std::optional(date) : std::nullopt;
    }
    QDate date(today.year(), month, day);
    if (date.isValid() && date < today) {
        date = QDate(today.year() + 1, month, day);
    }
    // 29 February of a year that has none stays invalid rather than sliding to March.
    return date.isValid() ? std::optional(date) : std::nullopt;
}

int numberValue(const CompiledPhraseRules& c, const QString& text)
{
    const auto word = c.numbers.constFind(CompiledPhraseRules::key(text));
    return word != c.numbers.constEnd() ? *word : parseNumber(text);
}

std::optional<QDate> later(const QDate& today, int count, int unit)
{
    if (count <= 0) {
        return std::nullopt;
    }
    switch (unit) {
    case 0:
        return today.addDays(count);
    case 1:
        return today.addDays(7 * qint64(count));
    case 2:
        return today.addMonths(count);
    case 3:
        return today.addYears(count);
    default:
        return std::nullopt;
    }
}

Reading readTime(const CompiledPhraseRules& c, const std::function<QString(int)>& cap)
{
    Reading r;
    const QString at = cap(1), before = cap(2), separator = cap(4), after = cap(6), hourWord = cap(7);
    const bool marked = !before.isEmpty() || !after.isEmpty() || !hourWord.isEmpty();
    // A bare number ("Buy 3 apples") is no time, and "24.12" without a word around it is no time either.
    if (!marked && separator != QStringLiteral(":") && at.isEmpty()) {
        r.valid = false;
        return r;
    }
    int hour = parseNumber(cap(3));
    const QString minuteText = !cap(5).isEmpty() ? cap(5) : cap(9);
    const int minute = !cap(8).isEmpty() ? 30 : minuteText.isEmpty() ? 0 : parseNumber(minuteText);
    const int shift = !after.isEmpty()    ? c.meridiemAfter.value(CompiledPhraseRules::key(after), -1)
                      : !before.isEmpty() ? c.meridiemBefore.value(CompiledPhraseRules::key(before), -1)
                                          : -1;
    if (shift >= 0) {
        r.explicitMeridiem = true;
        if (!after.isEmpty() && (hour < 1 || hour > 12)) {
            r.valid = false;
            return r;
        }
        if (shift == 12 && hour < 12) {
            hour += 12;
        } else if (shift == 0 && hour == 12 && !after.isEmpty()) {
            hour = 0;
        }
    }
    const QTime time(hour, minute);
    r.valid = time.isValid() && hour <= 23;
    r.time = time;
    return r;
}

Reading read(const CompiledPhraseRules& c, const CompiledPhraseRules::Alternative& alternative,
             const QRegularExpressionMatch& m, const QDate& today)
{
    const auto cap = [&](int k) { return m.captured(alternative.group + k); };
    const auto lookup = [&](const QHash<QString, int>& table, int k) {
        return table.value(CompiledPhraseRules::key(cap(k)), -1);
    };
    constexpr RecurrenceOption everyUnit[] = {RecurrenceOption::daily, RecurrenceOption::weekly,
                                              RecurrenceOption::monthly, RecurrenceOption::yearly};
    Reading r;
    const auto setDate = [&r](std::optional<QDate> date) {
        r.date = date;
        r.valid = date.has_value();
    };
    switch (alternative.rule) {
    case PhraseRule::everyWeekday:
    case PhraseRule::weeklyOn: {
        const int weekday = lookup(alternative.rule == PhraseRule::weeklyOn ? c.weeklyOn : c.weekdays, 1);
        r.repeat = RecurrenceOption::weekly;
        setDate(weekday > 0 ? std::optional(today.addDays(daysUntil(today, weekday, true))) : std::nullopt);
        break;
    }
    case PhraseRule::everyUnit: {
        const int unit = lookup(c.units, 1);
        r.valid = unit >= 0 && unit < 4;
        if (r.valid) {
            r.repeat = everyUnit[unit];
        }
        break;
    }
    case PhraseRule::repeatWord:
        r.repeat = RecurrenceOption(lookup(c.repeats, 1));
        break;
    case PhraseRule::inUnits:
    case PhraseRule::unitsLater:
        setDate(later(today, numberValue(c, cap(1)), lookup(c.units, 2)));
        break;
    case PhraseRule::isoDate:
        setDate(calendarDate(cap(1), cap(2).toInt(), cap(3).toInt(), today));
        if (r.valid && !cap(4).isEmpty()) {
            r.time = QTime(cap(4).toInt(), cap(5).toInt());
            r.valid = r.time->isValid();
        }
        break;
    case PhraseRule::numericDate:
        switch (c.calendar.order) {
        case LocaleCalendarWords::Order::yearMonthDay:
            setDate(calendarDate(cap(1), cap(2).toInt(), cap(3).toInt(), today));
            break;
        case LocaleCalendarWords::Order::dayMonthYear:
            setDate(calendarDate(cap(3), cap(2).toInt(), cap(1).toInt(), today));
            break;
        case LocaleCalendarWords::Order::monthDayYear:
            setDate(calendarDate(cap(3), cap(1).toInt(), cap(2).toInt(), today));
            break;
        }
        break;
    case PhraseRule::monthNameDate: {
        const bool dayFirst = !cap(1).isEmpty();
        const int month = lookup(c.months, dayFirst ? 2 : 3);
        setDate(month > 0 ? calendarDate(cap(5), month, cap(dayFirst ? 1 : 4).toInt(), today) : std::nullopt);
        break;
    }
    case PhraseRule::chineseDate:
        setDate(calendarDate(cap(1), parseNumber(cap(2)), parseNumber(cap(3)), today));
        break;
    case PhraseRule::weekday: {
        const int weekday = lookup(c.weekdays, 2);
        const int next = cap(1).isEmpty() ? 0 : 7;
        setDate(weekday > 0 ? std::optional(today.addDays(daysUntil(today, weekday, false) + next)) : std::nullopt);
        break;
    }
    case PhraseRule::night:
        setDate(today.addDays(lookup(c.nights, 1)));
        r.periodHour = 18;
        break;
    case PhraseRule::day:
        setDate(today.addDays(lookup(c.days, 1)));
        break;
    case PhraseRule::halfHour: {
        const int hour = cap(1).toInt();
        r.time = QTime(hour - 1, 30);
        r.valid = hour >= 1 && hour <= 24 && r.time->isValid();
        break;
    }
    case PhraseRule::time:
        return readTime(c, cap);
    case PhraseRule::period:
        r.periodHour = lookup(c.periods, 1);
        break;
    case PhraseRule::priorityWord:
        r.priority = lookup(c.priorities, 1);
        break;
    case PhraseRule::bangs:
        r.priority = cap(1).size() == 1 ? 9 : cap(1).size() == 2 ? 5 : 1;
        break;
    }
    return r;
}

/// Takes what a reading says unless an earlier phrase already said it; then the reading stays in the title.
bool merge(Reading& into, const Reading& r)
{
    if ((r.date && into.date) || (r.time && into.time) || (r.periodHour && into.periodHour) ||
        (r.priority && into.priority) || (r.repeat && into.repeat)) {
        return false;
    }
    const auto take = [](auto& target, const auto& source) {
        if (source) {
            target = source;
        }
    };
    take(into.date, r.date);
    take(into.time, r.time);
    take(into.periodHour, r.periodHour);
    take(into.priority, r.priority);
    take(into.repeat, r.repeat);
    into.explicitMeridiem = into.explicitMeridiem || r.explicitMeridiem;
    return true;
}

int partsOf(const Reading& r)
{
    return ((r.date || r.time || r.periodHour) ? duePart : 0) | (r.priority ? priorityPart : 0) |
           (r.repeat ? repeatPart : 0);
}

/// The moment a wall-clock time names. A time that the clocks skip when they go forward ("2:30" on the night of
/// the change) is read with the offset before the change, so it lands as far after the gap as it was into it.
QDateTime localMoment(const QDate& date, const QTime& time, const QTimeZone& zone)
{
    const QDateTime moment(date, time, zone);
    if (moment.isValid() || !zone.isValid()) {
        return moment;
    }
    const int offsetBefore = zone.offsetFromUtc(QDateTime(date, QTime(0, 0), zone));
    return QDateTime(date, time, Qt::OffsetFromUTC, offsetBefore).toTimeZone(zone);
}

bool isHan(QChar c)
{
    return c.script() == QChar::Script_Han;
}

QString titleWithout(const QString& text, const QList<PhraseSpan>& spans)
{
    QString title;
    int position = 0;
    for (const PhraseSpan& span : spans) {
        title += text.mid(position, span.start - position);
        position = span.start + span.length;
        // Latin words on both sides of a removed part stay apart; Chinese ones close up.
        if (!title.isEmpty() && position < text.size() && !isHan(title.back()) && !isHan(text.at(position))) {
            title += QLatin1Char(' ');
        }
    }
    title += text.mid(position);
    title = title.simplified();
    if (spans.isEmpty()) {
        return title;
    }
    // Commas and the like that joined a recognised part to the title go with it.
    static const QString joiners = QStringLiteral(",，、;；:：");
    while (!title.isEmpty() && (joiners.contains(title.back()) || title.back().isSpace())) {
        title.chop(1);
    }
    while (!title.isEmpty() && (joiners.contains(title.front()) || title.front().isSpace())) {
        title.remove(0, 1);
    }
    return title;
}

} // namespace

PhraseParser::PhraseParser(const QList<QLocale>& locales, QTimeZone zone)
    : m_zone(std::move(zone))
{
    for (const QLocale& locale : locales) {
        if (auto compiled = compiledFor(locale)) {
            m_languages.append(compiled);
        }
    }
    if (m_languages.isEmpty()) {
        m_languages.append(compiledFor(QLocale(QLocale::English)));
    }
}

PhraseParser::~PhraseParser() = default;
PhraseParser::PhraseParser(const PhraseParser&) = default;
PhraseParser& PhraseParser::operator=(const PhraseParser&) = default;

QList<QLocale> PhraseParser::localesFor(const QLocale& interfaceLocale, const QLocale& systemLocale)
{
    // The same language in both: the system locale says more (en_GB writes its dates day first).
    if (grammarLanguage(systemLocale) == grammarLanguage(interfaceLocale)) {
        return {systemLocale};
    }
    return {interfaceLocale, systemLocale};
}

ParsedPhrase PhraseParser::parse(const QString& text, const QDateTime& now, const QStringList& kept) const
{
    const QDateTime localNow = m_zone.isValid() ? now.toTimeZone(m_zone) : now;
    const QDate today = localNow.date();
    QStringList keptKeys;
    for (const QString& phrase : kept) {
        keptKeys.append(CompiledPhraseRules::key(phrase));
    }

    ParsedPhrase result;
    Reading found;
    for (const auto& language : m_languages) {
        const CompiledPhraseRules& c = language->rules;
        qsizetype offset = 0;
        while (offset < text.size()) {
            const QRegularExpressionMatch m = c.expression.match(text, offset);
            if (!m.hasMatch()) {
                break;
            }
            const int start = int(m.capturedStart());
            const int length = int(m.capturedLength());
            const bool overlaps = std::any_of(result.spans.cbegin(), result.spans.cend(), [&](const PhraseSpan& s) {
                return start < s.start + s.length && s.start < start + length;
            });
            const auto alternative =
                std::find_if(c.alternatives.cbegin(), c.alternatives.cend(),
                             [&](const CompiledPhraseRules::Alternative& a) { return m.capturedStart(a.group) >= 0; });
            bool accepted = false;
            if (!overlaps && length > 0 && alternative != c.alternatives.cend() &&
                !keptKeys.contains(CompiledPhraseRules::key(m.captured()))) {
                const Reading reading = read(c, *alternative, m, today);
                accepted = reading.valid && merge(found, reading);
                if (accepted) {
                    result.spans.append({start, length, partsOf(reading), m.captured()});
                }
            }
            offset = accepted ? start + length : start + 1;
        }
    }
    std::sort(result.spans.begin(), result.spans.end(),
              [](const PhraseSpan& a, const PhraseSpan& b) { return a.start < b.start; });

    if (found.time && found.periodHour && *found.periodHour >= 12 && !found.explicitMeridiem &&
        found.time->hour() < 12) {
        // "tomorrow evening at 8", "heute Abend um 8", "晚上8点": the part of the day says which 8.
        found.time = found.time->addSecs(12 * 3600);
    }
    if (!found.time && found.periodHour) {
        found.time = QTime(*found.periodHour, 0);
    }
    if (found.date) {
        result.due = localMoment(*found.date, found.time.value_or(QTime(0, 0)), m_zone);
        result.dueHasTime = found.time.has_value();
    } else if (found.time) {
        // A time alone is the next such time.
        QDateTime due = localMoment(today, *found.time, m_zone);
        if (due <= localNow) {
            due = localMoment(today.addDays(1), *found.time, m_zone);
        }
        result.due = due;
        result.dueHasTime = true;
    }
    result.priority = found.priority.value_or(0);
    result.repeat = found.repeat.value_or(RecurrenceOption::none);
    result.title = titleWithout(text, result.spans);
    return result;
}

} // namespace tolvik
