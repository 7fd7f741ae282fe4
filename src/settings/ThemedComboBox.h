#pragma once

#include <QComboBox>

namespace tolvik {

/// A drop-down whose list follows the palette of the window it sits in. Qt gives a menu-style list the
/// application's menu palette, which would show a light list in a window that the night theme turned dark; a plain
/// list takes the drop-down's own palette. It is as wide as its longest entry in the current language.
class ThemedComboBox : public QComboBox
{
    Q_OBJECT

public:
    explicit ThemedComboBox(QWidget* parent = nullptr);
};

} // namespace tolvik
