#pragma once

#include <QWidget>

namespace tolvik {

/// A see-through window over a whole screen, bars included, below the panel while it shows as a layer surface. A
/// Wayland client never hears of clicks on other programs, and a bar that takes no keys moves no focus, so without
/// it a click on the bar beside the tray icon would leave the panel open. It also tells where the pointer is as it
/// appears, which is where the tray icon was clicked: a tray may report that click relative to its icon.
class ClickCatcher : public QWidget
{
    Q_OBJECT

public:
    explicit ClickCatcher(QWidget* parent = nullptr);

Q_SIGNALS:
    /// The pointer is over the screen at `global`.
    void pointerSeen(QPoint global);
    /// A button went down outside the panel and its windows.
    void pressed();

protected:
    void enterEvent(QEnterEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

} // namespace tolvik
