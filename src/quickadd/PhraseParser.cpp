#include "quickadd/PhraseParser.h"

#include "appearance/DateTexts.h"
#include "quickadd/PhraseReading.h"
#include "quickadd/PhraseRules.h"

#include <QHash>
#include <QMutex>
#include <QRegularExpression>

#include <algorithm>

namespace tolvik {

struct PhraseParser::Compiled
{
    CompiledPhraseRules rules;
};

namespace {

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

/// Takes what a reading says unless an earlier phrase already said it; then the reading stays in the title.
bool merge(PhraseReading& into, const PhraseReading& r)
{
    const bool intoMoment = into.date || into.time || into.minutesFromNow;
    if ((r.date && into.date) || (r.time && into.time) || (r.periodHour && into.periodHour) ||
        (r.priority && into.priority) || (r.repeat && into.repeat) || (r.minutesFromNow && intoMoment) ||
        (into.minutesFromNow && (r.date || r.time || r.periodHour))) {
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
    take(into.minutesFromNow, r.minutesFromNow);
    into.repeatStartsDate = into.repeatStartsDate || r.repeatStartsDate;
    if (r.repeat) {
        into.repeatInterval = r.repeatInterval;
        into.repeatWeekdays = r.repeatWeekdays;
    }
    into.explicitMeridiem = into.explicitMeridiem || r.explicitMeridiem;
    into.bareHour = into.bareHour || r.bareHour;
    return true;
}

int partsOf(const PhraseReading& r)
{
    return ((r.date || r.time || r.periodHour || r.minutesFromNow) ? duePart : 0) | (r.priority ? priorityPart : 0) |
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

namespace {

// "#word" or the full-width "＃word", in any script; a word of digits alone ("#2") is a number, not a tag. Chinese
// and Japanese put no space before it, so only a Latin, Greek or Cyrillic letter or a digit right before the mark
// ("C#", "no#2") keeps it from being one. Punctuation that ends the sentence is not part of it.
void readTags(const QString& text, const QStringList& keptKeys, ParsedPhrase& result)
{
    static const QRegularExpression tag(QStringLiteral(
        "(?<![\\p{Latin}\\p{Greek}\\p{Cyrillic}\\p{N}_&/"
        "])[#\\x{FF03}]([^\\s#\\x{FF03},\\x{FF0C}\\x{3001}]*\\p{L}[^\\s#\\x{FF03},\\x{FF0C}\\x{3001}]*)"));
    static const QString closing = QStringLiteral(".!?;:)\u3002\uFF01\uFF1F\uFF1B\uFF1A\uFF09");
    for (auto it = tag.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        QString word = m.captured(1);
        int length = int(m.capturedLength());
        while (!word.isEmpty() && closing.contains(word.back())) {
            word.chop(1);
            --length;
        }
        const QString typed = text.mid(m.capturedStart(), length);
        if (word.isEmpty() || keptKeys.contains(CompiledPhraseRules::key(typed))) {
            continue;
        }
        result.spans.append({int(m.capturedStart()), length, tagPart, typed});
        if (!result.tags.contains(word)) {
            result.tags.append(word);
        }
    }
}

} // namespace

ParsedPhrase PhraseParser::parse(const QString& text, const QDateTime& now, const QStringList& kept) const
{
    const QDateTime localNow = m_zone.isValid() ? now.toTimeZone(m_zone) : now;
    const QDate today = localNow.date();
    QStringList keptKeys;
    for (const QString& phrase : kept) {
        keptKeys.append(CompiledPhraseRules::key(phrase));
    }

    ParsedPhrase result;
    // Tags first, so that no grammar reads a date or a priority inside one.
    readTags(text, keptKeys, result);
    PhraseReading found;
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
                const PhraseReading reading = readPhrase(c, *alternative, m, text, today);
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

    // The hour as meant: a part of the day or a bare small number says which half of the day it is in.
    bool smallHours = false;
    if (found.time && !found.explicitMeridiem) {
        int hour = found.time->hour();
        if (found.periodHour) {
            const int period = *found.periodHour;
            if (period >= 18) {
                // "tonight at 1", "heute Nacht um 1", "晚上12点": the small hours after that evening.
                smallHours = hour <= 5 || hour == 12;
                hour = hour == 12 ? 0 : hour >= 6 && hour < 12 ? hour + 12 : hour;
            } else if (period >= 15) {
                hour = hour < 12 ? hour + 12 : hour;
            } else if (period >= 12) {
                // "中午1点", "mittags um 1"
                hour = hour >= 1 && hour <= 5 ? hour + 12 : hour;
            }
        } else if (found.bareHour) {
            // "at 3", "um 3", "kl 3", "3点": nobody means three in the night.
            hour += 12;
        }
        found.time = QTime(hour, found.time->minute());
    }
    if (!found.time && found.periodHour) {
        smallHours = *found.periodHour >= 24;
        found.time = QTime(*found.periodHour % 24, 0);
    }
    if (found.minutesFromNow) {
        result.due = localNow.addSecs(qint64(*found.minutesFromNow) * 60);
        result.dueHasTime = true;
    } else if (found.date) {
        const QDate date = smallHours ? found.date->addDays(1) : *found.date;
        result.due = localMoment(date, found.time.value_or(QTime(0, 0)), m_zone);
        result.dueHasTime = found.time.has_value();
        // "weekdays 9:30" typed in the afternoon starts with the next such day, not with one already gone.
        if (found.repeatStartsDate && result.dueHasTime && *result.due <= localNow) {
            QDate next = date.addDays(1);
            while (!(found.repeatWeekdays.isEmpty() ? next.dayOfWeek() == date.dayOfWeek()
                                                    : found.repeatWeekdays.contains(next.dayOfWeek()))) {
                next = next.addDays(1);
            }
            result.due = localMoment(next, *found.time, m_zone);
        }
    } else if (found.time) {
        // A time alone is the next such time.
        QDateTime due = localMoment(smallHours ? today.addDays(1) : today, *found.time, m_zone);
        if (due <= localNow) {
            due = localMoment(due.date().addDays(1), *found.time, m_zone);
        }
        result.due = due;
        result.dueHasTime = true;
    }
    result.repeatInterval = found.repeat ? found.repeatInterval : 1;
    result.repeatWeekdays = found.repeat ? found.repeatWeekdays : QList<int>{};
    result.priority = found.priority.value_or(0);
    result.repeat = found.repeat.value_or(RecurrenceOption::none);
    result.title = titleWithout(text, result.spans);
    return result;
}

} // namespace tolvik
