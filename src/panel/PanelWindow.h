#pragma once

#include <QDateTime>
#include <QPointer>
#include <QRect>
#include <QWidget>

#include <memory>
#include <optional>

class QTimer;
class QVariantAnimation;

namespace tolvik {

class ClickCatcher;
class LayerShell;

class AppearEffect;
class ContentView;
class LaunchAtLoginManager;
class RemindersViewModel;

/// The window that shows `ContentView`. As the tray panel it is frameless, opens under the tray icon, stays on
/// screen, and closes when the user clicks elsewhere, but not for its own popovers, bubbles and menus. Where no tray
/// exists it is an ordinary window instead. It sizes itself from the content's measurements, glides when the list
/// grows or shrinks, scales and fades in each time it is shown, and paints opaque where no compositor can blend it.
class PanelWindow : public QWidget
{
    Q_OBJECT

public:
    enum class Mode
    {
        trayPanel,
        ordinaryWindow,
    };

    /// How long after closing on an outside click a tray click counts as that same click, not as a reopen.
    static constexpr int reopenGuardMs = 300;
    /// The smallest the ordinary window can be made: room for the header, the quick-add field and a few rows.
    static constexpr QSize minimumWindowSize{280, 240};

    PanelWindow(RemindersViewModel& model, LaunchAtLoginManager& launchAtLogin, const QString& storeFolder, Mode mode,
                QWidget* parent = nullptr);
    ~PanelWindow() override;

    Mode mode() const { return m_mode; }
    ContentView* contentView() const { return m_content; }

    /// Shows the panel under the icon, else at the pointer, else at the top-right of the screen, and focuses it.
    void present(const std::optional<QRect>& iconGeometry, const std::optional<QPoint>& pointer);
    /// Lays the hidden panel out and paints it once, off screen, so that the first click only has to show it.
    void layOutAhead();
    /// Whether the panel closed on an outside click a moment ago.
    bool wasJustDismissed() const;
    /// Whether the given widget is the panel or one of its popups, bubbles or menus.
    bool belongsToPanel(const QWidget* widget) const;

    bool isAppearing() const;
    /// The size the content asks for on the current screen.
    QSize targetSize() const;

Q_SIGNALS:
    /// The panel was shown and laid out at its size.
    void presented();

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    /// Shows the panel beside its anchor at once.
    void showAt(const std::optional<QRect>& iconGeometry, const std::optional<QPoint>& pointer);
    /// As a layer surface: shows the click catcher, and the panel once the catcher has seen the pointer.
    void presentAsLayer(const std::optional<QPoint>& trayPoint);
    void finishWaitingForPointer(const std::optional<QPoint>& seen);
    void applySurfaceMode();
    void followContentSize(bool animateHeight);
    /// The tray panel is exactly the size its content asks for; the ordinary window starts there and can be resized.
    void applySize(QSize size);
    void closeIfFocusLeft();
    /// Closes the panel as for a click outside it.
    void dismissAsClickedOutside();
    /// Whether a point lies on the panel or on one of its windows other than `except`.
    bool panelWindowsContain(const QPoint& globalPoint, const QWidget* except) const;
    void playAppearAnimation();
    std::optional<qreal> availableScreenHeight() const;
    QRect availableArea() const;

    Mode m_mode;
    ContentView* m_content;
    QVariantAnimation* m_appear;
    QVariantAnimation* m_heightGlide;
    QPointer<AppearEffect> m_effect;
    QDateTime m_dismissedAt;
    /// Where the last mouse button press in the app was, while the panel shows.
    QPoint m_lastPress;
    bool m_translucent = false;
    /// Whether the open panel sits above its icon or pointer, and so keeps its bottom edge when its height changes.
    bool m_opensUpward = false;
    /// Natively on a compositor with layer shell: the panel places itself, with a catcher for clicks outside it.
    LayerShell* m_layerShell = nullptr;
    std::unique_ptr<ClickCatcher> m_catcher;
    QTimer* m_pointerWait = nullptr;
    std::optional<QPoint> m_trayPoint;
};

} // namespace tolvik
