#pragma once

#include <QPointer>
#include <QWidget>

namespace tolvik {

/// An empty, zero-size widget that closes whatever window it lives in as soon as that window stops being the active
/// window: the user clicked into the panel, on the desktop or into another application. It finds its window when it
/// is first shown and lets go of it when the window closes or it moves to another window.
class WindowAutoDismissOnResignKey : public QWidget
{
    Q_OBJECT

public:
    explicit WindowAutoDismissOnResignKey(QWidget* parent);
    ~WindowAutoDismissOnResignKey() override;

    /// Whether `window` has a dialog of its own open (a list's name, a colour, a confirmation): the window then
    /// stays open while that dialog is the active one.
    static bool hasOpenDialog(const QWidget* window);

    /// The window it watches, or nullptr.
    QWidget* observedWindow() const { return m_window; }

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void attach();
    void detach();

    QPointer<QWidget> m_window;
};

} // namespace tolvik
