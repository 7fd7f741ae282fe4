#include "quickadd/PhraseReading.h"

#include <functional>

namespace tolvik {

namespace {

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

PhraseReading readTime(const CompiledPhraseRules& c, const std::function<QString(int)>& cap)
{
    PhraseReading r;
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

} // namespace

PhraseReading readPhrase(const CompiledPhraseRules& c, const CompiledPhraseRules::Alternative& alternative,
                         const QRegularExpressionMatch& m, const QDate& today)
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

} // namespace tolvik
