#pragma once

#include "model/ReminderItem.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <utility>

namespace tolvik {

/// Text as search compares it: case folded (so "ß" reads as "ss"), compatibility forms unified (full-width
/// letters as plain ones) and accents dropped, with where in the original text each folded unit came from.
struct FoldedText
{
    QString text;
    /// For each unit of `text`, the span [start, end) of the original text it came from.
    QList<std::pair<int, int>> origin;
};
FoldedText foldForSearch(const QString& text);

/// What the user typed in the search field: words that must all occur, each anywhere in the title, the notes or
/// a category. Words are split at white space; text without spaces (as Chinese is written) is one word that
/// matches wherever it occurs.
class SearchQuery
{
public:
    SearchQuery() = default;
    explicit SearchQuery(const QString& typed);

    bool isEmpty() const { return m_words.isEmpty(); }
    bool matches(const ReminderItem& item) const;
    /// The title, notes and categories of a reminder folded once, for matching it against many queries.
    static QString foldedFields(const ReminderItem& item);
    /// `matches` on what `foldedFields` made of a reminder.
    bool matchesFolded(const QString& fields) const;
    /// Where words of the query occur in `text`, as [start, end) spans of it, in order and without overlaps.
    QList<std::pair<int, int>> matchedSpans(const QString& text) const;

private:
    QStringList m_words;
};

} // namespace tolvik
