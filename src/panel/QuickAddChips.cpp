#include "panel/QuickAddChips.h"

#include "appearance/LocalizationManager.h"
#include "rows/RowStyle.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QToolButton>

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

QuickAddChips::QuickAddChips(QWidget* parent)
    : QWidget(parent)
    , m_layout(new QHBoxLayout(this))
{
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->setSpacing(6);
    m_layout->addStretch(1);
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
    for (qsizetype i = 0; i < chips.size(); ++i) {
        auto* chip = new ChipWidget(chips[i], this);
        const QStringList words = chips[i].words;
        connect(chip->keepButton(), &QToolButton::clicked, this, [this, words] { Q_EMIT keepRequested(words); });
        m_layout->insertWidget(int(i), chip);
        m_chipWidgets.append(chip);
    }
    setVisible(!chips.isEmpty());
}

QToolButton* QuickAddChips::keepButton(int index) const
{
    if (index < 0 || index >= m_chipWidgets.size()) {
        return nullptr;
    }
    return static_cast<ChipWidget*>(m_chipWidgets[index])->keepButton();
}

} // namespace tolvik
