#include "panel/QuickAddChips.h"

#include "appearance/LocalizationManager.h"
#include "rows/RowStyle.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QResizeEvent>
#include <QToolButton>

#include <algorithm>

namespace tolvik {

namespace {

/// A pill tinted with the accent colour, holding the chip's text and its × button.
class ChipWidget : public QWidget
{
public:
    ChipWidget(const QuickAddChip& chip, QWidget* parent)
        : QWidget(parent)
    {
        auto* layout = new QHBoxLayout(this);
        layout->setContentsMargins(8, 1, 2, 1);
        layout->setSpacing(2);
        auto* label = new QLabel(chip.text, this);
        label->setFont(RowStyle::captionFont(font()));
        layout->addWidget(label);
        m_keep = new QToolButton(this);
        m_keep->setText(QStringLiteral("×"));
        m_keep->setAutoRaise(true);
        m_keep->setCursor(Qt::PointingHandCursor);
        const QString keep =
            localizedString(QStringLiteral("quickAdd.chip.keep")).arg(chip.words.join(QLatin1Char(' ')));
        m_keep->setToolTip(keep);
        m_keep->setAccessibleName(keep);
        layout->addWidget(m_keep);
    }

    QToolButton* keepButton() const { return m_keep; }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        QColor fill = palette().color(QPalette::Highlight);
        fill.setAlphaF(0.18f);
        painter.setPen(Qt::NoPen);
        painter.setBrush(fill);
        const QRectF box = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
        painter.drawRoundedRect(box, box.height() / 2, box.height() / 2);
    }

private:
    QToolButton* m_keep;
};

} // namespace

namespace {
constexpr int chipSpacing = 6;
}

QuickAddChips::QuickAddChips(QWidget* parent)
    : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    setVisible(false);
}

void QuickAddChips::setChips(const QList<QuickAddChip>& chips)
{
    if (chips == m_chips) {
        return;
    }
    m_chips = chips;
    qDeleteAll(m_chipWidgets);
    m_chipWidgets.clear();
    for (const QuickAddChip& chip : chips) {
        auto* widget = new ChipWidget(chip, this);
        const QStringList words = chip.words;
        connect(widget->keepButton(), &QToolButton::clicked, this, [this, words] { Q_EMIT keepRequested(words); });
        widget->show();
        m_chipWidgets.append(widget);
    }
    setVisible(!chips.isEmpty());
    flow(width(), true);
    updateGeometry();
}

int QuickAddChips::flow(int width, bool place) const
{
    int x = 0;
    int y = 0;
    int lineHeight = 0;
    for (QWidget* chip : m_chipWidgets) {
        QSize size = chip->sizeHint();
        size.setWidth(std::min(size.width(), std::max(width, 1)));
        if (x > 0 && x + size.width() > width) {
            x = 0;
            y += lineHeight + chipSpacing;
            lineHeight = 0;
        }
        if (place) {
            chip->setGeometry(QRect(QPoint(x, y), size));
        }
        x += size.width() + chipSpacing;
        lineHeight = std::max(lineHeight, size.height());
    }
    return y + lineHeight;
}

int QuickAddChips::heightForWidth(int width) const
{
    return flow(width, false);
}

QSize QuickAddChips::sizeHint() const
{
    return {width() > 0 ? width() : 300, flow(width() > 0 ? width() : 300, false)};
}

QSize QuickAddChips::minimumSizeHint() const
{
    return {0, 0};
}

void QuickAddChips::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    flow(width(), true);
}

QToolButton* QuickAddChips::keepButton(int index) const
{
    if (index < 0 || index >= m_chipWidgets.size()) {
        return nullptr;
    }
    return static_cast<ChipWidget*>(m_chipWidgets[index])->keepButton();
}

} // namespace tolvik
