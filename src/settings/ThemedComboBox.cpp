#include "settings/ThemedComboBox.h"

#include <QProxyStyle>
#include <QStyledItemDelegate>

namespace tolvik {

namespace {

/// The application's style, except that a drop-down opens a plain list rather than a menu.
class PlainListStyle : public QProxyStyle
{
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override
    {
        if (hint == QStyle::SH_ComboBox_Popup) {
            return 0;
        }
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

/// A little more room per entry than a plain list gives, closer to a menu's.
class RoomyItemDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        return QStyledItemDelegate::sizeHint(option, index) + QSize(12, 6);
    }
};

} // namespace

ThemedComboBox::ThemedComboBox(QWidget* parent)
    : QComboBox(parent)
{
    auto* style = new PlainListStyle;
    style->setParent(this);
    setStyle(style);
    setItemDelegate(new RoomyItemDelegate(this));
    // Measured again whenever an entry's text changes: a language switch must not keep the width of the last one.
    setSizeAdjustPolicy(QComboBox::AdjustToContents);
}

} // namespace tolvik
