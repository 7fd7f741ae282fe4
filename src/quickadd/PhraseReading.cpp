#include "quickadd/PhraseReading.h"

#include <functional>

namespace tolvik {

namespace {

int daysUntil(const QDate& today, int weekday, bool allowToday)
{
    const int days = (weekday - today.dayOfWeek() + 7) % 7;
    return days == 0 && !allowToday ? 7 : days;
}

/// That weekday in the Monday-to-Sunday week after this one.
QDate inNextWeek(const QDate& today, int weekday)
{
    return today.addDays(7 - today.dayOfWeek() + weekday);
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

/// The next day of the month with that number, today included ("the 15th", "15号").
std::optional<QDate> dayOfMonth(int day, const QDate& today)
{
    if (day < 1 || day > 31) {
        return std::nullopt;
    }
    QDate month(today.year(), today.month(), 1);
    for (int i = 0; i < 12; ++i, month = month.addMonths(1)) {
        const QDate date(month.year(), month.month(), day);
        if (date.isValid() && date >= today) {
            return date;
        }
    }
    return std::nullopt;
}

/// Day `day` of `month` (99 for its last), the next such date.
std::optional<QDate> partOfMonth(int month, int day, const QDate& today)
{
    if (month < 1 || month > 12 || day < 1) {
        return std::nullopt;
    }
    for (int year = today.year(); year <= today.year() + 1; ++year) {
        const QDate first(year, month, 1);
        const QDate date(year, month, std::min(day, first.daysInMonth()));
        if (date >= today) {
            return date;
        }
    }
    return std::nullopt;
}

/// Monday of ISO week `week`, this year's or, once it is over, next year's.
std::optional<QDate> weekStart(int week, const QDate& today)
{
    for (int year = today.year(); year <= today.year() + 1; ++year) {
        const QDate fourth(year, 1, 4);
        const QDate monday = fourth.addDays(1 - fourth.dayOfWeek()).addDays(7 * qint64(week - 1));
        int isoYear = 0;
        if (week < 1 || monday.weekNumber(&isoYear) != week || isoYear != year) {
            return std::nullopt;
        }
        if (monday.addDays(6) >= today) {
            return monday;
        }
    }
    return std::nullopt;
}

QDate relativeDate(int value, const QDate& today)
{
    const int weekday = today.dayOfWeek();
    const QDate monthStart(today.year(), today.month(), 1);
    switch (value) {
    case RelativeDate::nextWeekStart:
        return today.addDays(8 - weekday);
    case RelativeDate::weekAfterNextStart:
        return today.addDays(15 - weekday);
    case RelativeDate::nextMonthStart:
        return monthStart.addMonths(1);
    case RelativeDate::nextYearStart:
        return QDate(today.year() + 1, 1, 1);
    case RelativeDate::thisWeekend:
        return weekday >= 6 ? today : today.addDays(6 - weekday);
    case RelativeDate::nextWeekend:
        return today.addDays(13 - weekday);
    case RelativeDate::endOfWeek:
        return weekday >= 5 ? today : today.addDays(5 - weekday);
    case RelativeDate::endOfMonth:
        return QDate(today.year(), today.month(), today.daysInMonth());
    case RelativeDate::startOfMonth:
        return today.day() == 1 ? today : monthStart.addMonths(1);
    case RelativeDate::endOfYear:
        return QDate(today.year(), 12, 31);
    default:
        return today.addDays(value);
    }
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

/// Whether an hour typed as `text` says nothing about the half of the day: 1 to 6 without a leading zero.
bool isBareHour(const QString& text, int hour)
{
    return hour >= 1 && hour <= 6 && !text.startsWith(QLatin1Char('0'));
}

PhraseReading readTime(const CompiledPhraseRules& c, const std::function<QString(int)>& cap)
{
    PhraseReading r;
    const QString at = cap(1), before = cap(2), separator = cap(4), after = cap(6), hourWord = cap(7);
    const bool marked = !before.isEmpty() || !after.isEmpty() || !hourWord.isEmpty();
    // A bare number ("Buy 3 apples") is no time, and "24.12" without a word around it is no time either, except
    // where dates are never written with dots.
    const bool clock = separator == QStringLiteral(":") || (separator == QStringLiteral(".") && c.grammar->dotTime);
    if (!marked && !clock && at.isEmpty()) {
        r.valid = false;
        return r;
    }
    int hour = numberValue(c, cap(3));
    int minute = 0;
    if (!cap(5).isEmpty()) {
        minute = cap(5).toInt();
    } else if (!cap(8).isEmpty()) {
        minute = 30;
    } else if (!cap(9).isEmpty()) {
        minute = c.minuteWords.value(CompiledPhraseRules::key(cap(9)));
    } else if (!cap(10).isEmpty()) {
        minute = parseNumber(cap(10));
    }
    if (!after.isEmpty()) {
        const int shift = c.meridiemAfter.value(CompiledPhraseRules::key(after), -1);
        r.explicitMeridiem = true;
        if (hour < 1 || hour > 12) {
            r.valid = false;
            return r;
        }
        if (shift == 12 && hour < 12) {
            hour += 12;
        } else if (shift == 0 && hour == 12) {
            hour = 0;
        }
    } else if (!before.isEmpty()) {
        r.periodHour = c.meridiemBefore.value(CompiledPhraseRules::key(before));
    } else {
        r.bareHour = isBareHour(cap(3), hour);
    }
    const QTime time(hour, minute);
    r.valid = time.isValid() && hour <= 23 && minute >= 0;
    r.time = time;
    return r;
}

bool startsWithWord(const QString& text, const QStringList& words)
{
    return std::any_of(words.cbegin(), words.cend(),
                       [&](const QString& word) { return text.startsWith(word, Qt::CaseInsensitive); });
}

bool startsWithWholeWord(const QString& text, const QStringList& words)
{
    const QString typed = CompiledPhraseRules::key(text) + QLatin1Char(' ');
    return std::any_of(words.cbegin(), words.cend(),
                       [&](const QString& word) { return typed.startsWith(word + QLatin1Char(' ')); });
}

} // namespace

PhraseReading readPhrase(const CompiledPhraseRules& c, const CompiledPhraseRules::Alternative& alternative,
                         const QRegularExpressionMatch& m, const QString& text, const QDate& today)
{
    const auto cap = [&](int k) { return m.captured(alternative.group + k); };
    const auto lookup = [&](const QHash<QString, int>& table, int k) {
        return table.value(CompiledPhraseRules::key(cap(k)), -1);
    };
    constexpr RecurrenceOption everyUnit[] = {RecurrenceOption::daily, RecurrenceOption::weekly,
                                              RecurrenceOption::monthly, RecurrenceOption::yearly};
    PhraseReading r;
    const auto setDate = [&r](std::optional<QDate> date) {
        r.date = date;
        r.valid = date.has_value();
    };
    // Chinese names that begin with a day word ("今日头条", "每日一句") are no date.
    if (!c.grammar->spaced && m.captured().endsWith(QChar(u'日')) &&
        startsWithWord(text.mid(m.capturedEnd()), c.grammar->shyFollowers)) {
        r.valid = false;
        return r;
    }
    // "alle", "var": every so many only ("alle 3 Tage"); "Alle Tage" and "Var är" say nothing.
    if ((alternative.rule == PhraseRule::everyWeekday ||
         (alternative.rule == PhraseRule::everyUnit && cap(2).isEmpty())) &&
        cap(1).isEmpty() && startsWithWholeWord(cap(0), c.grammar->everyCountWords)) {
        r.valid = false;
        return r;
    }
    switch (alternative.rule) {
    case PhraseRule::everyWeekday:
    case PhraseRule::weeklyOn: {
        const bool on = alternative.rule == PhraseRule::weeklyOn;
        const QHash<QString, int>& names = on ? c.weeklyOn : c.weekdays;
        const int first = lookup(names, on ? 1 : 2);
        const int second = cap(on ? 2 : 3).isEmpty() ? 0 : lookup(names, on ? 2 : 3);
        r.repeat = RecurrenceOption::weekly;
        r.repeatStartsDate = true;
        r.repeatInterval = !on && !cap(1).isEmpty() ? 2 : 1;
        if (first <= 0 || second < 0) {
            r.valid = false;
            break;
        }
        if (second > 0 && second != first) {
            r.repeatWeekdays = {std::min(first, second), std::max(first, second)};
        }
        const int days = std::min(daysUntil(today, first, true), second > 0 ? daysUntil(today, second, true) : 7);
        setDate(today.addDays(days));
        break;
    }
    case PhraseRule::workdays:
        r.repeatStartsDate = true;
        r.repeat = RecurrenceOption::weekly;
        r.repeatWeekdays = {1, 2, 3, 4, 5};
        setDate(today.dayOfWeek() <= 5 ? today : today.addDays(8 - today.dayOfWeek()));
        break;
    case PhraseRule::intervalRepeat: {
        const int value = lookup(c.intervalRepeats, 1);
        r.repeat = RecurrenceOption(value % 10);
        r.repeatInterval = value / 10;
        break;
    }
    case PhraseRule::dailyAt:
        r.repeat = RecurrenceOption::daily;
        r.periodHour = lookup(c.dailyAt, 1);
        break;
    case PhraseRule::everyUnit: {
        const int unit = lookup(c.units, 3);
        const int count = !cap(1).isEmpty() ? 2 : cap(2).isEmpty() ? 1 : numberValue(c, cap(2));
        r.valid = unit >= 0 && unit < 4 && count >= 1 && count <= 999;
        if (r.valid) {
            r.repeat = everyUnit[unit];
            r.repeatInterval = count;
        }
        break;
    }
    case PhraseRule::repeatWord:
        r.repeat = RecurrenceOption(lookup(c.repeats, 1));
        break;
    case PhraseRule::relativeMinutes:
        r.minutesFromNow = lookup(c.relativeMinutes, 1);
        break;
    case PhraseRule::inUnits:
    case PhraseRule::unitsLater: {
        // Idioms that look like a count: "in acht Tagen" is a week.
        const auto idiom = c.relativeDates.constFind(CompiledPhraseRules::key(cap(0)));
        if (idiom != c.relativeDates.constEnd()) {
            setDate(relativeDate(*idiom, today));
            break;
        }
        const int count = numberValue(c, cap(1));
        const int unit = lookup(c.units, 2);
        if (unit == 4 || unit == 5) {
            r.valid = count > 0 && count <= 100000;
            r.minutesFromNow = count * (unit == 4 ? 60 : 1);
        } else {
            setDate(later(today, count, unit));
        }
        break;
    }
    case PhraseRule::isoDate:
        setDate(calendarDate(cap(1), cap(2).toInt(), cap(3).toInt(), today));
        if (r.valid && !cap(4).isEmpty()) {
            r.time = QTime(cap(4).toInt(), cap(5).toInt());
            r.valid = r.time->isValid();
            r.explicitMeridiem = true;
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
    case PhraseRule::slashDate:
        setDate(calendarDate(QString(), cap(2).toInt(), cap(1).toInt(), today));
        break;
    case PhraseRule::weekNumber:
        // "Vecka 3 planering": a week number that opens the text without a "v." is the subject, not a date.
        if (m.capturedStart() == 0 && m.captured().startsWith(QStringLiteral("vecka"), Qt::CaseInsensitive)) {
            r.valid = false;
            break;
        }
        setDate(weekStart(cap(1).toInt(), today));
        break;
    case PhraseRule::monthPartBefore:
        setDate(partOfMonth(lookup(c.months, 2), lookup(c.monthPartsBefore, 1), today));
        break;
    case PhraseRule::monthPartAfter:
        setDate(partOfMonth(parseNumber(cap(1)), lookup(c.monthPartsAfter, 2), today));
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
    case PhraseRule::dayOfMonth:
        setDate(dayOfMonth(parseNumber(cap(1)), today));
        break;
    case PhraseRule::weekdayPart: {
        const int weekday = lookup(c.weekdays, 1);
        setDate(weekday > 0 ? std::optional(today.addDays(daysUntil(today, weekday, false))) : std::nullopt);
        r.periodHour = lookup(c.weekdayParts, 2);
        break;
    }
    case PhraseRule::weekday: {
        const int weekday = lookup(c.weekdays, 5);
        if (weekday <= 0) {
            r.valid = false;
            break;
        }
        const bool next = !cap(1).isEmpty(), afterNext = !cap(2).isEmpty(), thisWeek = !cap(3).isEmpty();
        const bool nextWeek = !cap(6).isEmpty();
        const bool plain = !next && !afterNext && !thisWeek && !nextWeek && cap(4).isEmpty();
        // "Buy sun cream", "i mån av tid": a short name that is also a common word needs "on" or a time after it.
        if (plain && c.guardedWeekdays.contains(CompiledPhraseRules::key(cap(5)))) {
            const QString rest = text.mid(m.capturedEnd()).trimmed();
            if (rest.isEmpty() || !(rest.front().isDigit() || startsWithWord(rest, c.atWords))) {
                r.valid = false;
                break;
            }
        }
        const bool byWeeks = c.grammar->nextRule == NextWeekday::nextWeek;
        QDate date;
        if (thisWeek) {
            date = today.addDays(weekday - today.dayOfWeek());
        } else if (nextWeek || ((next || afterNext) && byWeeks)) {
            date = inNextWeek(today, weekday);
        } else {
            date = today.addDays(daysUntil(today, weekday, false));
        }
        setDate(afterNext ? date.addDays(7) : date);
        break;
    }
    case PhraseRule::relativeDate:
        setDate(relativeDate(lookup(c.relativeDates, 1), today));
        break;
    case PhraseRule::dayPart: {
        const int value = lookup(c.dayParts, 1);
        setDate(today.addDays(value / 100));
        r.periodHour = value % 100;
        break;
    }
    case PhraseRule::day:
        setDate(today.addDays(lookup(c.days, 1)));
        break;
    case PhraseRule::quarterTime: {
        const int hour = numberValue(c, cap(2));
        const int offset = lookup(c.quarters, 1);
        r.valid = hour >= 0 && hour <= 24;
        if (r.valid) {
            r.time = QTime(0, 0).addSecs((hour * 60 + offset) * 60);
            r.valid = hour * 60 + offset >= 0 && hour * 60 + offset < 24 * 60;
            r.bareHour = isBareHour(cap(2), hour);
        }
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

} // namespace tolvik
