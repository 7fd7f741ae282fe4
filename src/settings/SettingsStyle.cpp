#include "settings/SettingsStyle.h"

#include <QLabel>
#include <QPalette>

namespace tolvik {

QFont styledFont(TextStyle style, const QFont& base)
{
    QFont font = base;
    const qreal size = base.pointSizeF() > 0 ? base.pointSizeF() : 10.0;
    switch (style) {
    case TextStyle::body:
        break;
    case TextStyle::headline:
        font.setWeight(QFont::Bold);
        break;
    case TextStyle::subheadline:
        font.setPointSizeF(size * 0.92);
        font.setWeight(QFont::DemiBold);
        break;
    case TextStyle::title3:
        font.setPointSizeF(size * 1.2);
        font.setWeight(QFont::Medium);
        break;
    case TextStyle::footnote:
        font.setPointSizeF(size * 0.92);
        break;
    case TextStyle::caption:
        font.setPointSizeF(size * 0.85);
        break;
    }
    return font;
}

QLabel* makeStyledLabel(TextStyle style, bool secondary, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setFont(styledFont(style, label->font()));
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    if (secondary) {
        // The placeholder role is the palette's dimmed text colour in the light, dark and desktop palettes alike.
        label->setForegroundRole(QPalette::PlaceholderText);
    }
    return label;
}

} // namespace tolvik
