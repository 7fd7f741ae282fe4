#pragma once

#include "model/RecurrenceOption.h"

#include <QDateTime>
#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <QTimeZone>

#include <memory>
#include <optional>

namespace tolvik {

/// The kinds of part a phrase can yield, combinable as flags on one span ("every Monday" gives a due and a repeat).
enum PhrasePart
{
    duePart = 1,
    priorityPart = 2,
    repeatPart = 4,
    tagPart = 8,
};

/// Where a recognised part came from in the typed text.
struct PhraseSpan
{
    int start = 0;
    int length = 0;
    int parts = 0; ///< PhrasePart flags
    QString text;  ///< the words as typed
};

/// What a typed phrase means: the title that is left and the recognised parts with their spans.
struct ParsedPhrase
{
    QString title;
    std::optional<QDateTime> due;
    bool dueHasTime = false; ///< false for an all-day due date (local midnight)
    int priority = 0;        ///< the store's number: 0 none, 1 high, 5 medium, 9 low
    RecurrenceOption repeat = RecurrenceOption::none;
    int repeatInterval = 1;    ///< every so many days, weeks, ... of `repeat`
    QList<int> repeatWeekdays; ///< the days a weekly repeat falls on, Monday 1; empty for the due date's own day
    QStringList tags;          ///< "#word" (or "＃word") in any language, without the mark, each once
    QList<PhraseSpan> spans;   ///< in text order
};

/// Reads reminders typed in words ("Dentist Friday 9am !!") in the grammars of one or more locales.
/// Immutable once built and cheap to copy; the compiled grammars are shared by every parser.
class PhraseParser
{
public:
    /// `locales` in order of precedence: where two read the same words differently, the first wins.
    explicit PhraseParser(const QList<QLocale>& locales, QTimeZone zone = QTimeZone::systemTimeZone());
    ~PhraseParser();
    PhraseParser(const PhraseParser&);
    PhraseParser& operator=(const PhraseParser&);

    /// Parses `text` as of `now`. Words whose phrase (as typed, ignoring case) is in `kept` stay in the title.
    ParsedPhrase parse(const QString& text, const QDateTime& now, const QStringList& kept = {}) const;

    /// The interface locale first, then the system locale; only the system locale when both share a language.
    static QList<QLocale> localesFor(const QLocale& interfaceLocale, const QLocale& systemLocale);

    struct Compiled;

private:
    QList<std::shared_ptr<const Compiled>> m_languages;
    QTimeZone m_zone;
};

} // namespace tolvik
