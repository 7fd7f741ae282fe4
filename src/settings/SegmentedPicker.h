#pragma once

#include <QList>
#include <QStringList>
#include <QWidget>

class QAbstractButton;
class QButtonGroup;
class QToolButton;

namespace tolvik {

/// A row of checkable buttons of which exactly one is on: the segmented picker of the settings window.
class SegmentedPicker : public QWidget
{
    Q_OBJECT

public:
    explicit SegmentedPicker(QWidget* parent = nullptr);

    /// Sets the segments' texts; the first call decides how many segments there are.
    void setItemTexts(const QStringList& texts);
    QStringList itemTexts() const;
    int count() const { return int(m_buttons.size()); }

    int currentIndex() const;
    /// Checks a segment without emitting `activated`.
    void setCurrentIndex(int index);
    QAbstractButton* button(int index) const;

Q_SIGNALS:
    /// The user picked the segment at `index`.
    void activated(int index);

private:
    QButtonGroup* m_group;
    QList<QToolButton*> m_buttons;
};

} // namespace tolvik
