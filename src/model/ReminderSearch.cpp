#include "model/ReminderSearch.h"

#include <QChar>
#include <QRegularExpression>

#include <algorithm>

namespace tolvik {

namespace {

bool isMark(char32_t codePoint)
{
    switch (QChar::category(codePoint)) {
    case QChar::Mark_NonSpacing:
    case QChar::Mark_SpacingCombining:
    case QChar::Mark_Enclosing:
        return true;
    default:
        return false;
    }
}

void append(FoldedText& folded, const QString& units, int start, int end)
{
    folded.text += units;
    for (qsizetype i = 0; i < units.size(); ++i) {
        folded.origin.append({start, end});
    }
}

} // namespace

FoldedText foldForSearch(const QString& text)
{
    FoldedText folded;
    folded.text.reserve(text.size());
    folded.origin.reserve(text.size());
    const qsizetype size = text.size();
    for (qsizetype at = 0; at < size;) {
        const QChar unit = text.at(at);
        // Plain ASCII, nearly every character of most texts, needs no tables.
        if (unit.unicode() < 0x80) {
            const char16_t lower =
                unit.unicode() >= u'A' && unit.unicode() <= u'Z' ? unit.unicode() + 32 : unit.unicode();
            folded.text += QChar(lower);
            folded.origin.append({int(at), int(at + 1)});
            ++at;
            continue;
        }
        const qsizetype width = unit.isHighSurrogate() && at + 1 < size && text.at(at + 1).isLowSurrogate() ? 2 : 1;
        const QString decomposed = text.mid(at, width).normalized(QString::NormalizationForm_KD);
        QString kept;
        for (qsizetype i = 0; i < decomposed.size();) {
            const char32_t codePoint = decomposed.at(i).isHighSurrogate() && i + 1 < decomposed.size()
                                           ? QChar::surrogateToUcs4(decomposed.at(i), decomposed.at(i + 1))
                                           : decomposed.at(i).unicode();
            const qsizetype step = codePoint > 0xFFFF ? 2 : 1;
            if (!isMark(codePoint)) {
                kept += decomposed.mid(i, step);
            }
            i += step;
        }
        // Qt folds one letter to one letter; the sharp s folds to two, as German writes it without the letter.
        kept = kept.toCaseFolded();
        kept.replace(QChar(0x00DF), QLatin1String("ss"));
        kept.replace(QChar(0x1E9E), QLatin1String("ss"));
        append(folded, kept, int(at), int(at + width));
        at += width;
    }
    return folded;
}

SearchQuery::SearchQuery(const QString& typed)
{
    for (const QString& word : typed.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts)) {
        const QString folded = foldForSearch(word).text;
        if (!folded.isEmpty() && !m_words.contains(folded)) {
            m_words.append(folded);
        }
    }
}

bool SearchQuery::matches(const ReminderItem& item) const
{
    return m_words.isEmpty() || matchesFolded(foldedFields(item));
}

QString SearchQuery::foldedFields(const ReminderItem& item)
{
    // The fields joined by a line break: a typed word holds no white space, so it never matches across two fields.
    QString fields = foldForSearch(item.title).text;
    if (item.notes) {
        fields += QLatin1Char('\n') + foldForSearch(*item.notes).text;
    }
    for (const QString& category : item.categories) {
        fields += QLatin1Char('\n') + foldForSearch(category).text;
    }
    return fields;
}

bool SearchQuery::matchesFolded(const QString& fields) const
{
    return std::all_of(m_words.cbegin(), m_words.cend(),
                       [&fields](const QString& word) { return fields.contains(word); });
}

QList<std::pair<int, int>> SearchQuery::matchedSpans(const QString& text) const
{
    QList<std::pair<int, int>> spans;
    if (m_words.isEmpty()) {
        return spans;
    }
    const FoldedText folded = foldForSearch(text);
    for (const QString& word : m_words) {
        for (qsizetype at = folded.text.indexOf(word); at >= 0; at = folded.text.indexOf(word, at + 1)) {
            spans.append({folded.origin.at(at).first, folded.origin.at(at + word.size() - 1).second});
        }
    }
    std::sort(spans.begin(), spans.end());
    QList<std::pair<int, int>> merged;
    for (const auto& span : std::as_const(spans)) {
        if (!merged.isEmpty() && span.first <= merged.last().second) {
            merged.last().second = std::max(merged.last().second, span.second);
        } else {
            merged.append(span);
        }
    }
    return merged;
}

} // namespace tolvik
