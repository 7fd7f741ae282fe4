#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QLocale>
#include <QString>
#include <QTimeZone>

namespace tolvik {

/// The three date and time texts the views show, formatted with ICU: Qt 6.4's own formats cannot order a weekday,
/// month and day per locale and print a literal "B" in Traditional Chinese times. Each text shows the instant of
/// `when` as seen in `zone` (the local zone unless a caller says otherwise).
class DateTexts
{
public:
    /// The panel header's date: full weekday, abbreviated month and day ("EEEEMMMd"), in the locale's own order.
    static QString headerDate(const QDateTime& when, const QLocale& locale,
                              const QTimeZone& zone = QTimeZone::systemTimeZone());
    /// The same with the weekday abbreviated ("EEEMMMd"), for a header too narrow for the full one.
    static QString shortHeaderDate(const QDateTime& when, const QLocale& locale,
                                   const QTimeZone& zone = QTimeZone::systemTimeZone());
    /// The detail bubble's due date: the full date style with the short time style.
    static QString bubbleDate(const QDateTime& when, const QLocale& locale = QLocale(),
                              const QTimeZone& zone = QTimeZone::systemTimeZone());
    /// A row's due line: the medium date style with the short time style, in the system's locale whatever the
    /// interface language is.
    static QString rowDueDate(const QDateTime& when, const QLocale& locale = QLocale::system(),
                              const QTimeZone& zone = QTimeZone::systemTimeZone());
    /// The same two texts for a reminder due all day: the date alone.
    static QString bubbleDay(const QDate& day, const QLocale& locale = QLocale());
    static QString rowDueDay(const QDate& day, const QLocale& locale = QLocale::system());

    /// A time of day in the short time style ("14:05", "2:05 PM").
    static QString shortTime(const QDateTime& when, const QLocale& locale = QLocale::system(),
                             const QTimeZone& zone = QTimeZone::systemTimeZone());

    /// The ICU locale id for a Qt locale: language, the script where it matters (always for Chinese, so that
    /// Traditional and Simplified stay apart) and territory. The C locale maps to ICU's POSIX English.
    static QByteArray icuLocaleId(const QLocale& locale);
};

} // namespace tolvik
