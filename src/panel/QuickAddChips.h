#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QWidget>

class QLabel;
class QToolButton;

namespace tolvik {

/// One recognised part of a quick-add phrase as a chip shows it: its text and the typed words it came from.
struct QuickAddChip
{
    int part = 0; ///< a PhrasePart flag
    QString text;
    QStringList words;

    bool operator==(const QuickAddChip&) const = default;
};

/// The chips under the quick-add field, wrapping onto further lines when they do not fit. Each chip's × asks to keep
/// its words in the title instead.
class QuickAddChips : public QWidget
{
    Q_OBJECT

public:
    explicit QuickAddChips(QWidget* parent = nullptr);

    /// Shows these chips in order; hides the row when there are none.
    void setChips(const QList<QuickAddChip>& chips);
    QList<QuickAddChip> chips() const { return m_chips; }
    /// The × button of the chip at `index`, for keyboard users and tests.
    QToolButton* keepButton(int index) const;

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;

Q_SIGNALS:
    /// The × of a chip was pressed: its words should stay in the title.
    void keepRequested(const QStringList& words);

private:
    /// Places the chips left to right in lines `width` wide; returns the height used. Only measures unless `place`.
    int flow(int width, bool place) const;

    QList<QuickAddChip> m_chips;
    QList<QWidget*> m_chipWidgets;
};

} // namespace tolvik
