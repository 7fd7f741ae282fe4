#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QWidget>

class QHBoxLayout;
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

/// The row of chips under the quick-add field. Each chip's × asks to keep its words in the title instead.
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

Q_SIGNALS:
    /// The × of a chip was pressed: its words should stay in the title.
    void keepRequested(const QStringList& words);

private:
    QList<QuickAddChip> m_chips;
    QList<QWidget*> m_chipWidgets;
    QHBoxLayout* m_layout;
};

} // namespace tolvik
