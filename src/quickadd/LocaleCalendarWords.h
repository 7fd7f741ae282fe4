#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace tolvik {

/// The calendar words of one locale, read from ICU: month and weekday names in every form a user may type, and
/// the order of day, month and year in the locale's short numeric date.
struct LocaleCalendarWords
{
    enum class Order
    {
        dayMonthYear,
        monthDayYear,
        yearMonthDay,
    };

    QList<QPair<QString, int>> months;   ///< lower-case name (without a trailing dot) and month 1 to 12
    QList<QPair<QString, int>> weekdays; ///< lower-case name and weekday, Monday 1 to Sunday 7
    Order order = Order::yearMonthDay;
    QChar separator = QLatin1Char('-');

    /// Reads the words of the ICU locale `icuLocaleId` ("de", "zh_Hant_TW", ...).
    static LocaleCalendarWords read(const QByteArray& icuLocaleId);
};

} // namespace tolvik
