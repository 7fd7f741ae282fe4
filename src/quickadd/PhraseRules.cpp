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
    c.dayParts = table(g.dayParts);
    c.relativeDates = table(g.relativeDates);
    c.relativeMinutes = table(g.relativeMinutes);
    c.numbers = table(g.numbers);
    c.units = table(g.units);
    c.repeats = table(g.repeats);
    c.intervalRepeats = table(g.intervalRepeats);
    c.dailyAt = table(g.dailyAt);
    c.weeklyOn = table(g.weeklyOn);
    c.meridiemAfter = table(g.meridiemAfter);
    c.meridiemBefore = table(g.meridiemBefore);
    c.periods = table(g.periods);
    c.quarters = table(g.quarters);
    c.minuteWords = table(g.minuteWords);
    c.monthPartsBefore = table(g.monthPartsBefore);
    c.monthPartsAfter = table(g.monthPartsAfter);
    c.priorities = table(g.priorities);
    c.weekdayParts = table(g.weekdayParts);
    c.months = table(c.calendar.months);
    c.weekdays = table(c.calendar.weekdays);
    for (const GrammarWord& extra : g.extraWeekdays) {
        c.weekdays.insert(key(extra.text), extra.value);
    }
    for (const QString& word : g.guardedWeekdays) {
        c.guardedWeekdays.append(key(word));
    }
    for (const QString& word : g.atWords) {
        c.atWords.append(key(word));
    }

    const bool spaced = g.spaced;
    const QString sp = spaced ? QStringLiteral("\\s+") : QStringLiteral("\\s*");
    const QString on =
        g.onWords.isEmpty() ? QString() : QStringLiteral("(?:") + group(g.onWords) + sp + QStringLiteral(")?");
    // Chinese has no spaces: a weekday must not be part of a count ("每周三次", "一周"), a range ("周一至周五") or a
    // name ("黑色星期五").
    const QString hanDigits = QStringLiteral("零〇一二两兩三四五六七八九十");
    const QString weekdayBefore =
        spaced ? QString() : QStringLiteral("(?<![") + hanDigits + QStringLiteral("\\d至到~～\\-－])(?<!黑色)");
    const QString weekdayAfter = spaced ? QString() : QStringLiteral("(?![次至到~～\\-－])");
    // Names as typed: the keys lack the dot of "Fr.", which must be part of the match.
    QStringList weekdayNames = c.weekdays.keys();
    weekdayNames += textsOf(g.extraWeekdays);
    weekdayNames.removeDuplicates();
    const QString weekday = weekdayBefore + capture(weekdayNames) + weekdayAfter;
    const QString weekdayAgain = weekday;
    const QString andWord = QStringLiteral("\\s*") + group(g.andWords) + QStringLiteral("\\s*");
    const QString month = capture(c.months.keys());
    QStringList numberWords = textsOf(g.numbers);
    const QString number = QStringLiteral("(\\d{1,3}|") + chineseNumeral +
                           (numberWords.isEmpty() ? QString() : QLatin1Char('|') + alternation(numberWords)) +
                           QLatin1Char(')');
    // Number words that name an hour ("at eight"), without articles that double as "one" ("a", "einer").
    QStringList hourNames;
    for (const GrammarWord& word : g.numbers) {
        if (word.value >= 1 && word.value <= 12 && word.text.size() >= 3 && !word.text.contains(QLatin1Char(' ')) &&
            !word.text.startsWith(QStringLiteral("ein"))) {
            hourNames.append(word.text);
        }
    }
    const QString hour = QStringLiteral("(\\d{1,2}|") + chineseNumeral +
                         (hourNames.isEmpty() ? QString() : QLatin1Char('|') + alternation(hourNames)) +
                         QLatin1Char(')');
    const QString unit = capture(textsOf(g.units));
    // "每周三次" is three times a week, not every week.
    const QString notCount = spaced ? QString() : QStringLiteral("(?![") + hanDigits + QStringLiteral("\\d]+次)");
    QString minutes = QStringLiteral("()");
    if (g.minutesAfterHourWord && !spaced) {
        minutes = QStringLiteral("(\\d{1,2}|") + chineseNumeral + QStringLiteral(")(?:") + escaped(g.minuteWord) +
                  QStringLiteral(")?");
    } else if (g.minutesAfterHourWord) {
        minutes = QStringLiteral("\\s+(\\d{2})");
    } else if (!g.minuteWord.isEmpty()) {
        minutes = QStringLiteral("(\\d{1,2}|") + chineseNumeral + QStringLiteral(")") + escaped(g.minuteWord);
    }
    const QString every =
        QStringLiteral("(?:") + capture(g.otherWords) + QLatin1Char('|') + group(g.everyWords) + QLatin1Char(')') + sp;
    const QString dayOrdinal = QStringLiteral("(?:st|nd|rd|th|\\.|:e|:a)?");
    const QString monthNameDate =
        on + QStringLiteral("(?:(?:the\\s+)?(\\d{1,2})") + dayOrdinal + QStringLiteral("\\s*(?:of\\s+)?") + month +
        QStringLiteral("\\.?|") +
        (g.monthFirst ? month + QStringLiteral("\\.?\\s+(\\d{1,2})(?:st|nd|rd|th)?") : QStringLiteral("(?!)()()")) +
        QStringLiteral(")(?:,?\\s+(\\d{4}))?");
    const QString weekdayPrefix = QStringLiteral("(?:") + capture(g.nextWords) + sp + QLatin1Char('|') +
                                  capture(g.afterNextWords) + sp + QLatin1Char('|') + capture(g.thisWords) +
                                  QStringLiteral("\\s*|") + capture(g.onWords) + sp + QStringLiteral(")?");
    const QString weekdayAfterNext = g.nextWeekAfter.isEmpty()
                                         ? QStringLiteral("()")
                                         : QStringLiteral("(?:\\s+") + capture(g.nextWeekAfter) + QStringLiteral(")?");
    // A priority word inside a Chinese word ("重要文件") is part of it: it counts at either end of the text or next to
    // a space or punctuation only.
    const QString priority = spaced ? capture(textsOf(g.priorities))
                                    : QStringLiteral("(?:(?<![^\\s\\p{P}\\p{S}])|(?=(?:") +
                                          alternation(textsOf(g.priorities)) +
                                          QStringLiteral(")(?![^\\s\\p{P}\\p{S}])))") + capture(textsOf(g.priorities)) +
                                          QStringLiteral("(?!的)");

    const QList<QPair<PhraseRule, QString>> rules{
        {PhraseRule::everyWeekday,
         every + weekday + QStringLiteral("(?:") + andWord + weekdayAgain + QStringLiteral(")?")},
        {PhraseRule::weeklyOn, QStringLiteral("(?:") + group(g.weeklyOnBefore) + QStringLiteral("\\s+)?") +
                                   capture(textsOf(g.weeklyOn)) + QStringLiteral("(?:") + andWord +
                                   QStringLiteral("(?:") + group(g.weeklyOnBefore) + QStringLiteral("\\s+)?") +
                                   capture(textsOf(g.weeklyOn)) + QStringLiteral(")?")},
        {PhraseRule::workdays, capture(g.workdayRepeats)},
        {PhraseRule::intervalRepeat, capture(textsOf(g.intervalRepeats))},
        {PhraseRule::dailyAt, capture(textsOf(g.dailyAt))},
        {PhraseRule::everyUnit, every + QStringLiteral("(?:") + number + QStringLiteral("\\s*)?") + unit + notCount},
        {PhraseRule::repeatWord, capture(textsOf(g.repeats))},
        {PhraseRule::relativeMinutes, capture(textsOf(g.relativeMinutes))},
        {PhraseRule::inUnits, group(g.inBefore) + sp + number + QStringLiteral("\\s*") + unit},
        {PhraseRule::unitsLater, number + QStringLiteral("\\s*") + unit + QStringLiteral("\\s*") + group(g.inAfter)},
        {PhraseRule::isoDate, QStringLiteral("(\\d{4})-(\\d{1,2})-(\\d{1,2})(?:[T ](\\d{1,2}):(\\d{2}))?")},
        {PhraseRule::numericDate, on + numericDatePattern(c.calendar)},
        {PhraseRule::slashDate,
         g.slashDayMonth ? on + QStringLiteral("(\\d{1,2})/(\\d{1,2})(?![/\\d])") : QStringLiteral("(?!)()()")},
        {PhraseRule::weekNumber, g.weekNumber.isEmpty() ? QStringLiteral("(?!)()") : g.weekNumber},
        {PhraseRule::monthPartBefore, g.monthPartsBefore.isEmpty()
                                          ? QStringLiteral("(?!)()()")
                                          : capture(textsOf(g.monthPartsBefore)) + QStringLiteral("\\s+") + month},
        {PhraseRule::monthPartAfter, g.monthPartsAfter.isEmpty()
                                         ? QStringLiteral("(?!)()()")
                                         : QStringLiteral("(\\d{1,2}|") + chineseNumeral + QStringLiteral(")月") +
                                               capture(textsOf(g.monthPartsAfter))},
        {PhraseRule::monthNameDate, spaced ? monthNameDate : QStringLiteral("(?!)()()()()()")},
        {PhraseRule::chineseDate,
         spaced ? QStringLiteral("(?!)()()()")
                : QStringLiteral("(?:(\\d{4})年)?") + hour + QStringLiteral("月") + hour + QStringLiteral("[日号號]")},
        {PhraseRule::dayOfMonth, g.dayOfMonth.isEmpty() ? QStringLiteral("(?!)()") : g.dayOfMonth},
        {PhraseRule::weekdayPart, g.weekdayParts.isEmpty()
                                      ? QStringLiteral("(?!)()()")
                                      : capture(c.weekdays.keys()) + capture(textsOf(g.weekdayParts))},
        {PhraseRule::weekday, weekdayPrefix + weekday + weekdayAfterNext},
        {PhraseRule::relativeDate, capture(textsOf(g.relativeDates))},
        {PhraseRule::dayPart, capture(textsOf(g.dayParts))},
        {PhraseRule::day, capture(textsOf(g.days))},
        {PhraseRule::quarterTime, QStringLiteral("(?:") + group(g.atWords) + QStringLiteral("\\s*)?") +
                                      capture(textsOf(g.quarters)) + QStringLiteral("\\s*") + hour +
                                      QStringLiteral("(?:\\s*") + group(g.hourWords) + QStringLiteral(")?")},
        {PhraseRule::time, QStringLiteral("(?:") + capture(g.atWords) + QStringLiteral("\\s*)?(?:") +
                               capture(textsOf(g.meridiemBefore)) + QStringLiteral("\\s*)?") + hour +
                               QStringLiteral("(?:([:.])(\\d{2}))?(?:\\s*") + capture(textsOf(g.meridiemAfter)) +
                               QStringLiteral(")?(?:\\s*") + capture(g.hourWords) + QStringLiteral("(?:") +
                               capture(g.halfAfter) + QLatin1Char('|') + capture(textsOf(g.minuteWords)) +
                               QLatin1Char('|') + minutes + QStringLiteral(")?)?")},
        {PhraseRule::period,
         QStringLiteral("(?:") + group(g.atWords) + QStringLiteral("\\s*)?") + capture(textsOf(g.periods))},
        {PhraseRule::priorityWord, priority},
        {PhraseRule::bangs, QStringLiteral("(?<![!！\\p{Latin}\\p{N}])([!！]{1,3})(?![!！])")},
    };

    QStringList parts;
    int nextGroup = 1;
    for (const auto& [rule, pattern] : rules) {
        c.alternatives.append({rule, nextGroup});
        parts.append(QLatin1Char('(') + pattern + QLatin1Char(')'));
        nextGroup += 1 + QRegularExpression(pattern).captureCount();
    }
    // Latin words end at a letter or digit; "Tomorrow's" is a word of its own and stays in the title, and so does a
    // word joined by a hyphen ("Morgen-Routine"). Chinese has no spaces, so there only digits must not run on ("25点"
    // is no time).
    const QString digitsApart = QStringLiteral("(?!(?<=[0-9])[0-9])");
    const QString before = spaced ? QStringLiteral("(?<![\\p{L}\\p{N}_])(?<!\\p{L}-)") : digitsApart;
    const QString after = spaced ? QStringLiteral("(?![\\p{L}\\p{N}_]|['’\\-]\\p{L})") : digitsApart;
    // "周五前", "明天之前": by then. "前" alone starts many words ("前台", "前面"), which keep it.
    const QString deadline =
        g.deadlineAfter.isEmpty()
            ? QString()
            : QStringLiteral("(?:") + group(g.deadlineAfter) +
                  QStringLiteral(
                      "(?![台面天年端线線门門边邊排往进進夕景途辈輩妻夫任者提期后後方头頭列锋鋒卫衛言奏厅廳]))?");
    c.expression.setPattern(before + QStringLiteral("(?:") + parts.join(QLatin1Char('|')) + QLatin1Char(')') +
                            deadline + after);
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
