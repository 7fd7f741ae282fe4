#pragma once

#include "model/ReminderList.h"

#include <QWidget>

class QCheckBox;
class QLabel;

namespace tolvik {

/// The toggle of one offered list: a check box, a 10-point dot in the list's colour, and the list's name with its
/// account's name below it. A click anywhere on the row toggles it.
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

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QString m_listID;
    QColor m_color;
    QCheckBox* m_toggle;
    QWidget* m_dot;
    QLabel* m_name;
    QLabel* m_account;
};

} // namespace tolvik
