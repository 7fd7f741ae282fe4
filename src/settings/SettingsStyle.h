#pragma once

#include <QFont>

class QLabel;
class QWidget;

namespace tolvik {

/// The text styles of the settings window, sized relative to the desktop's own font so that they scale with it.
enum class TextStyle
{
    body,
    headline,
    subheadline,
    title3,
    footnote,
    caption,
};

/// The font of a style, derived from `base`.
QFont styledFont(TextStyle style, const QFont& base);

/// A word-wrapping label in a text style; a secondary one is drawn in the dimmer text colour of whatever palette it
/// inherits, so it follows a theme change by itself.
QLabel* makeStyledLabel(TextStyle style, bool secondary, QWidget* parent);

} // namespace tolvik
