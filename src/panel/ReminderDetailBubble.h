#pragma once

#include "model/ReminderItem.h"

#include <QWidget>

class QFrame;
class QLabel;

namespace tolvik {

class ElidedTextLabel;

/// The content of the detail bubble beside a hovered row: the title, the due date with the "calendar" symbol, the
/// repeat with the "repeat" symbol, every alarm with the "bell" symbol, the tags with the "tag" symbol, and the
/// notes, set off by a divider when there is also a date.
class ReminderDetailBubble : public QWidget
{
    Q_OBJECT

public:
    static constexpr int maximumWidth = 260;

    explicit ReminderDetailBubble(QWidget* parent = nullptr);

    const ReminderItem& reminder() const { return m_reminder; }
    void setReminder(const ReminderItem& reminder);

    ElidedTextLabel* titleLabel() const { return m_title; }
    QWidget* dateLine() const { return m_dateLine; }
    QLabel* dateText() const { return m_dateText; }
    QWidget* repeatLine() const { return m_repeatLine; }
    QLabel* repeatText() const { return m_repeatText; }
    QWidget* alertLine() const { return m_alertLine; }
    QLabel* alertText() const { return m_alertText; }
    QWidget* tagsLine() const { return m_tagsLine; }
    QLabel* tagsText() const { return m_tagsText; }
    QFrame* divider() const { return m_divider; }
    ElidedTextLabel* notesLabel() const { return m_notes; }

    /// Its natural width up to 260 points; its height follows the wrapped text.
    QSize sizeHint() const override;

protected:
    void changeEvent(QEvent* event) override;

private:
    void refresh();

    ReminderItem m_reminder;
    ElidedTextLabel* m_title;
    QWidget* m_dateLine;
    QLabel* m_dateIcon;
    QLabel* m_dateText;
    QWidget* m_repeatLine;
    QLabel* m_repeatIcon;
    QLabel* m_repeatText;
    QWidget* m_alertLine;
    QLabel* m_alertIcon;
    QLabel* m_alertText;
    QWidget* m_tagsLine;
    QLabel* m_tagsIcon;
    QLabel* m_tagsText;
    QFrame* m_divider;
    ElidedTextLabel* m_notes;
};

} // namespace tolvik
