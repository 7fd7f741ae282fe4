#include "model/TextOrdering.h"

namespace tolvik {

QList<uint> textOrderingKey(const QString& text)
{
    // QString's own operator< compares UTF-16 units, which puts characters beyond the basic plane before
    // U+E000..U+FFFF; comparing the decoded code points keeps plain code-point order.
    return text.normalized(QString::NormalizationForm_C).toUcs4();
}

bool textLess(const QString& a, const QString& b)
{
    return textOrderingKey(a) < textOrderingKey(b);
}

} // namespace tolvik
