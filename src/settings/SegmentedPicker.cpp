#include "settings/SegmentedPicker.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QPainter>
#include <QStyleOptionFocusRect>
#include <QStylePainter>
#include <QToolButton>

namespace tolvik {

namespace {

/// One segment: a rounded pill, filled with the highlight colour while it is the chosen one, so that the choice
/// reads at a glance in the light and the dark palette alike.
class SegmentButton : public QToolButton
{
public:
    explicit SegmentButton(QWidget* parent)
        : QToolButton(parent)
    {
        setCheckable(true);
        setAttribute(Qt::WA_Hover);
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    }

    QSize sizeHint() const override
    {
        const QFontMetrics metrics(font());
        return {metrics.horizontalAdvance(text()) + 28, metrics.height() + 10};
    }
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QStylePainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const bool chosen = isChecked();
        QColor fill = palette().color(chosen ? QPalette::Highlight : QPalette::Button);
        if (!chosen && (underMouse() || isDown())) {
            fill = fill.lightness() < 128 ? fill.lighter(125) : fill.darker(106);
        }
        QColor edge = chosen ? fill.darker(115) : palette().color(QPalette::Mid);
        painter.setPen(QPen(edge, 1));
        painter.setBrush(fill);
        painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);
        painter.setPen(palette().color(chosen ? QPalette::HighlightedText : QPalette::ButtonText));
        painter.drawText(rect(), Qt::AlignCenter | Qt::TextSingleLine, text());
        if (hasFocus()) {
            QStyleOptionFocusRect option;
            option.initFrom(this);
            option.rect = rect().adjusted(3, 3, -3, -3);
            painter.drawPrimitive(QStyle::PE_FrameFocusRect, option);
        }
    }
};

} // namespace

SegmentedPicker::SegmentedPicker(QWidget* parent)
    : QWidget(parent)
    , m_group(new QButtonGroup(this))
{
    m_group->setExclusive(true);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    connect(m_group, &QButtonGroup::idClicked, this, &SegmentedPicker::activated);
}

void SegmentedPicker::setItemTexts(const QStringList& texts)
{
    if (m_buttons.isEmpty()) {
        for (qsizetype i = 0; i < texts.size(); ++i) {
            auto* button = new SegmentButton(this);
            m_group->addButton(button, int(i));
            layout()->addWidget(button);
            m_buttons.append(button);
        }
    }
    for (qsizetype i = 0; i < m_buttons.size() && i < texts.size(); ++i) {
        m_buttons[i]->setText(texts[i]);
    }
    // Equal segments, each wide enough for the longest text in the current language.
    int widest = 0;
    for (QToolButton* button : m_buttons) {
        button->setMinimumWidth(0);
        widest = qMax(widest, button->sizeHint().width());
    }
    for (QToolButton* button : m_buttons) {
        button->setMinimumWidth(widest);
    }
}

QStringList SegmentedPicker::itemTexts() const
{
    QStringList texts;
    for (const QToolButton* button : m_buttons) {
        texts.append(button->text());
    }
    return texts;
}

int SegmentedPicker::currentIndex() const
{
    return m_group->checkedId();
}

void SegmentedPicker::setCurrentIndex(int index)
{
    if (index >= 0 && index < m_buttons.size()) {
        m_buttons[index]->setChecked(true);
    }
}

QAbstractButton* SegmentedPicker::button(int index) const
{
    return index >= 0 && index < m_buttons.size() ? m_buttons[index] : nullptr;
}

} // namespace tolvik
