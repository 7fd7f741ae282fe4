#include "quickadd/PhraseRules.h"

#include <algorithm>

namespace tolvik {

namespace {

const QString chineseNumeral = QStringLiteral("[零〇一二两兩三四五六七八九十]{1,3}");

QString escaped(const QString& word)
{
    QString out;
    for (const QChar c : word) {
        if (c == QLatin1Char(' ')) {
            out += QStringLiteral("\\s+");
        } else if (QStringLiteral("\\^$.|?*+()[]{}/-").contains(c)) {
            out += QLatin1Char('\\') + c;
        } else {
            out += c;
        }
    }
    return out;
}

/// An alternation of words, longest first, so that "the day after tomorrow" wins over "tomorrow".
QString alternation(QStringList words)
{
    std::sort(words.begin(), words.end(), [](const QString& a, const QString& b) { return a.size() > b.size(); });
    QStringList parts;
    for (const QString& word : words) {
        parts.append(escaped(word));
    }
    return parts.join(QLatin1Char('|'));
}

QStringList textsOf(const QList<GrammarWord>& words)
{
    QStringList out;
    for (const GrammarWord& word : words) {
        out.append(word.text);
    }
    return out;
}

QHash<QString, int> table(const QList<GrammarWord>& words)
{
    QHash<QString, int> out;
    for (const GrammarWord& word : words) {
        out.insert(CompiledPhraseRules::key(word.text), word.value);
    }
    return out;
}

QHash<QString, int> table(const QList<QPair<QString, int>>& words)
{
    QHash<QString, int> out;
    for (const auto& [text, value] : words) {
        out.insert(text, value);
    }
    return out;
}

/// "(?:a|b)" or, for an empty list, an expression that never matches.
QString group(const QStringList& words)
{
    return words.isEmpty() ? QStringLiteral("(?!)") : QStringLiteral("(?:") + alternation(words) + QLatin1Char(')');
}

QString capture(const QStringList& words)
{
    return words.isEmpty() ? QStringLiteral("((?!))") : QLatin1Char('(') + alternation(words) + QLatin1Char(')');
}

QString numericDatePattern(const LocaleCalendarWords& calendar)
{
    const QString sep = escaped(QString(calendar.separator));
    const QString part = QStringLiteral("(\\d{1,2})");
    const QString year = QStringLiteral("(\\d{4}|\\d{2})");
    switch (calendar.order) {
    case LocaleCalendarWords::Order::yearMonthDay:
        return QStringLiteral("(?:") + year + sep + QStringLiteral(")?") + part + sep + part;
    case LocaleCalendarWords::Order::dayMonthYear:
    case LocaleCalendarWords::Order::monthDayYear:
        if (calendar.separator == QLatin1Char('.')) {
            // "24.12." needs its closing dot, so that "9.30 Uhr" stays a time.
            return part + sep + part + sep + QStringLiteral("(?:") + year + QStringLiteral(")?");
        }
        return part + sep + part + QStringLiteral("(?:") + sep + year + QStringLiteral(")?");
    }
    return {};
}

} // namespace

QString CompiledPhraseRules::key(const QString& captured)
{
    QString out = captured.simplified().toLower();
    if (out.size() > 1 && out.endsWith(QLatin1Char('.')) && !out.endsWith(QLatin1String(".m."))) {
        out.chop(1);
    }
    return out;
}

int parseNumber(const QString& text)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    if (ok) {
        return value;
    }
    static const QString digits = QStringLiteral("零一二三四五六七八九");
    int result = 0;
    int current = -1;
    for (const QChar c : text) {
        int digit = int(digits.indexOf(c));
        if (c == QChar(u'〇')) {
            digit = 0;
        } else if (c == QChar(u'两') || c == QChar(u'兩')) {
            digit = 2;
        }
        if (digit >= 0) {
            current = digit;
        } else if (c == QChar(u'十')) {
            result += (current < 0 ? 1 : current) * 10;
            current = -1;
        } else {
            return -1;
        }
    }
    return result + (current < 0 ? 0 : current);
}

CompiledPhraseRules CompiledPhraseRules::compile(const PhraseGrammar& g, const QByteArray& icuLocaleId)
{
    CompiledPhraseRules c;
    c.grammar = &g;
    c.calendar = LocaleCalendarWords::read(icuLocaleId);
    c.days = table(g.days);
    c.nights = table(g.nights);
    c.numbers = table(g.numbers);
    c.units = table(g.units);
    c.repeats = table(g.repeats);
    c.weeklyOn = table(g.weeklyOn);
    c.meridiemAfter = table(g.meridiemAfter);
    c.meridiemBefore = table(g.meridiemBefore);
    c.periods = table(g.periods);
    c.priorities = table(g.priorities);
    c.months = table(c.calendar.months);
    c.weekdays = table(c.calendar.weekdays);
    for (const GrammarWord& extra : g.extraWeekdays) {
        c.weekdays.insert(key(extra.text), extra.value);
    }

    const QString sp = g.spaced ? QStringLiteral("\\s+") : QStringLiteral("\\s*");
    const QString on =
        g.onWords.isEmpty() ? QString() : QStringLiteral("(?:") + group(g.onWords) + sp + QStringLiteral(")?");
    const QString weekday = capture(c.weekdays.keys());
    const QString month = capture(c.months.keys());
    const QString number = QStringLiteral("(\\d{1,2}|") + chineseNumeral +
                           (g.numbers.isEmpty() ? QString() : QLatin1Char('|') + alternation(textsOf(g.numbers))) +
                           QLatin1Char(')');
    const QString hour = QStringLiteral("(\\d{1,2}|") + chineseNumeral + QLatin1Char(')');
    const QString unit = capture(textsOf(g.units));
    const QString minutes = g.minuteWord.isEmpty() ? QStringLiteral("()")
                                                   : QStringLiteral("(\\d{1,2}|") + chineseNumeral +
                                                         QStringLiteral(")") + escaped(g.minuteWord);

    const QList<QPair<PhraseRule, QString>> rules{
        {PhraseRule::everyWeekday, group(g.everyWords) + QStringLiteral("\\s*") + weekday},
        {PhraseRule::weeklyOn, capture(textsOf(g.weeklyOn))},
        {PhraseRule::everyUnit, group(g.everyWords) + QStringLiteral("\\s*") + unit},
        {PhraseRule::repeatWord, capture(textsOf(g.repeats))},
        {PhraseRule::inUnits, group(g.inBefore) + sp + number + QStringLiteral("\\s*") + unit},
        {PhraseRule::unitsLater, number + QStringLiteral("\\s*") + unit + QStringLiteral("\\s*") + group(g.inAfter)},
        {PhraseRule::isoDate, QStringLiteral("(\\d{4})-(\\d{1,2})-(\\d{1,2})(?:[T ](\\d{1,2}):(\\d{2}))?")},
        {PhraseRule::numericDate, on + numericDatePattern(c.calendar)},
        {PhraseRule::monthNameDate,
         g.spaced ? on + QStringLiteral("(?:(?:the\\s+)?(\\d{1,2})(?:st|nd|rd|th|\\.)?\\s*(?:of\\s+)?") + month +
                        QStringLiteral("\\.?|") + month +
                        QStringLiteral("\\.?\\s+(\\d{1,2})(?:st|nd|rd|th|\\.)?)(?:,?\\s+(\\d{4}))?")
                  : QStringLiteral("(?!)")},
        {PhraseRule::chineseDate, g.spaced ? QStringLiteral("(?!)")
                                           : QStringLiteral("(?:(\\d{4})年)?") + hour + QStringLiteral("月") + hour +
                                                 QStringLiteral("[日号號]")},
        {PhraseRule::weekday,
         QStringLiteral("(?:") + capture(g.nextWords) + (g.spaced ? QStringLiteral("\\s+") : QString()) +
             (on.isEmpty() ? QString() : QLatin1Char('|') + group(g.onWords) + sp) + QStringLiteral(")?") + weekday},
        {PhraseRule::night, capture(textsOf(g.nights))},
        {PhraseRule::day, capture(textsOf(g.days))},
        {PhraseRule::halfHour, QStringLiteral("(?:") + group(g.atWords) + QStringLiteral("\\s*)?") +
                                   group(g.halfBefore) + QStringLiteral("\\s+(\\d{1,2})(?:\\s*") + group(g.hourWords) +
                                   QStringLiteral(")?")},
        {PhraseRule::time, QStringLiteral("(?:") + capture(g.atWords) + QStringLiteral("\\s*)?(?:") +
                               capture(textsOf(g.meridiemBefore)) + QStringLiteral("\\s*)?") + hour +
                               QStringLiteral("(?:([:.])(\\d{2}))?(?:\\s*") + capture(textsOf(g.meridiemAfter)) +
                               QStringLiteral(")?(?:\\s*") + capture(g.hourWords) + QStringLiteral("(?:") +
                               capture(g.halfAfter) + QLatin1Char('|') + minutes + QStringLiteral(")?)?")},
        {PhraseRule::period,
         QStringLiteral("(?:") + group(g.atWords) + QStringLiteral("\\s*)?") + capture(textsOf(g.periods))},
        {PhraseRule::priorityWord, capture(textsOf(g.priorities))},
        {PhraseRule::bangs, QStringLiteral("(?<![!！\\p{Latin}\\p{N}])([!！]{1,3})(?![!！])")},
    };

    QStringList parts;
    int nextGroup = 1;
    for (const auto& [rule, pattern] : rules) {
        c.alternatives.append({rule, nextGroup});
        parts.append(QLatin1Char('(') + pattern + QLatin1Char(')'));
        nextGroup += 1 + QRegularExpression(pattern).captureCount();
    }
    // Latin words end at a letter or digit; "Tomorrow's" is a word of its own and stays in the title. Chinese has no
    // spaces, so there only digits must not run on ("25点" is no time).
    const QString digitsApart = QStringLiteral("(?!(?<=[0-9])[0-9])");
    const QString before = g.spaced ? QStringLiteral("(?<![\\p{L}\\p{N}_])") : digitsApart;
    const QString after = g.spaced ? QStringLiteral("(?![\\p{L}\\p{N}_]|['’]\\p{L})") : digitsApart;
    c.expression.setPattern(before + QStringLiteral("(?:") + parts.join(QLatin1Char('|')) + QLatin1Char(')') + after);
    c.expression.setPatternOptions(QRegularExpression::CaseInsensitiveOption |
                                   QRegularExpression::UseUnicodePropertiesOption);
    if (!c.expression.isValid()) {
        qWarning("Quick-add grammar %s does not compile: %s", qPrintable(g.language),
                 qPrintable(c.expression.errorString()));
    }
    c.expression.optimize();
    return c;
}

} // namespace tolvik
