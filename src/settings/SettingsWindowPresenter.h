#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

namespace tolvik {

class LaunchAtLoginManager;
class RemindersViewModel;
class SettingsView;

/// Owns the settings window while it is open: creates it on demand, brings it forward when asked again, closes it
/// when it stops being the active window, and forgets it when it closes, so that the next `show` starts afresh on
/// the general tab.
class SettingsWindowPresenter : public QObject
{
    Q_OBJECT

public:
    static constexpr int windowSize = 640;
    /// How long a new window waits before it is shown, in milliseconds.
    static constexpr int showDelay = 50;

    /// The one presenter of the process.
    static SettingsWindowPresenter& shared();

    explicit SettingsWindowPresenter(QObject* parent = nullptr);
    ~SettingsWindowPresenter() override;

    /// Brings the open window forward and centres it, or builds a new one and shows it a moment later. The model
    /// and the controller must outlive the window.
    void show(RemindersViewModel& model, LaunchAtLoginManager& launchAtLogin);

    /// The open window, or nullptr.
    QWidget* window() const { return m_window; }
    /// The content of the open window, or nullptr.
    SettingsView* settingsView() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void windowDidResignKey(QWidget* window);
    void windowWillClose(QWidget* window);
    static void bringForward(QWidget* window);

    QPointer<QWidget> m_window;
};

} // namespace tolvik
