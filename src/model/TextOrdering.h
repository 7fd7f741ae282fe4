#pragma once

#include <QList>
#include <QString>

#include <algorithm>
#include <numeric>
#include <vector>

namespace tolvik {

/// The key that orders names and titles: the Unicode code points of the canonically composed (NFC) text.
/// Ordering by it is case-sensitive and not locale-aware, and canonically equivalent texts are equal.
QList<uint> textOrderingKey(const QString& text);

/// Whether `a` sorts before `b` by code point after canonical normalisation.
bool textLess(const QString& a, const QString& b);

/// Sorts `items` stably by the text `textOf` returns, computing each item's key once.
template <typename T, typename TextOf> void stableSortByText(QList<T>& items, TextOf textOf)
{
    std::vector<QList<uint>> keys;
    keys.reserve(items.size());
    for (const T& item : items) {
        keys.push_back(textOrderingKey(textOf(item)));
    }
    std::vector<qsizetype> order(items.size());
    std::iota(order.begin(), order.end(), qsizetype(0));
    std::stable_sort(order.begin(), order.end(), [&keys](qsizetype a, qsizetype b) { return keys[a] < keys[b]; });
    QList<T> sorted;
    sorted.reserve(items.size());
    for (qsizetype index : order) {
        sorted.append(items.at(index));
    }
    items = sorted;
}

} // namespace tolvik
