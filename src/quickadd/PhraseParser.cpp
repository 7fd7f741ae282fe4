#include "quickadd/PhraseParser.h"

#include "appearance/DateTexts.h"
#include "quickadd/PhraseReading.h"
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

int partsOf(const PhraseReading& r)
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
                const PhraseReading reading = readPhrase(c, *alternative, m, today);
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
