#pragma once

#include "model/ReminderList.h"

#include <QWidget>

class QCheckBox;
class QLabel;
class QToolButton;

namespace tolvik {

/// The toggle of one offered list: a check box, a 10-point dot in the list's colour, the list's name with its
/// account's name below it, and a "…" button for the list's menu, which a right click opens too. A click anywhere
/// else on the row toggles it.
class ListToggleRow : public QWidget
{
    Q_OBJECT

public:
    explicit ListToggleRow(QWidget* parent = nullptr);

    /// Shows a list's name, account name and colour, verbatim.
    void setList(const ReminderList& list);
    QString listID() const { return m_listID; }
    QCheckBox* toggle() const { return m_toggle; }
    QString nameText() const;
    QString accountText() const;
    QColor dotColor() const { return m_color; }
    const ReminderList& list() const { return m_list; }
    QToolButton* moreButton() const { return m_more; }

Q_SIGNALS:
    /// The list's menu should open at `globalPosition`.
    void menuRequested(const QPoint& globalPosition);

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    QString m_listID;
    QColor m_color;
    QCheckBox* m_toggle;
    QWidget* m_dot;
    QLabel* m_name;
    QLabel* m_account;
    QToolButton* m_more;
    ReminderList m_list;
};

} // namespace tolvik
