#pragma once

#include <QToolButton>

namespace tolvik {

/// A flat tool button that shows clearly when it has the keyboard focus: an accent ring around it, which the
/// desktop's own faint focus frame is not on a translucent night panel.
class FocusRingButton : public QToolButton
{
    Q_OBJECT

public:
    explicit FocusRingButton(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace tolvik
