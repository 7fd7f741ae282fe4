#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QRect>

#include <memory>
#include <optional>

struct wl_compositor;
struct wl_display;
struct wl_event_queue;
struct wl_registry;
struct wl_surface;
struct zwlr_layer_shell_v1;
struct zwlr_layer_surface_v1;

class QScreen;
class QWidget;
class QWindow;

namespace tolvik {

/// Shows the panel, and everything that opens from it, as layer surfaces where the app runs natively on a Wayland
/// compositor that offers the layer-shell protocol (KDE Plasma, sway, Hyprland and the other wlroots ones).
/// An ordinary Wayland window cannot choose where it goes, so the panel would open wherever the compositor puts it,
/// and its pop-ups, placed against a position the panel never had, would float away from it. A layer surface is
/// placed by the app: each one goes at its window's own geometry, in its output's coordinates, so that Qt's own
/// placement of menus, drop-downs and tooltips holds as it does on X11.
///
/// Qt's Wayland platform leaves a window with Qt::BypassWindowManagerHint a bare surface when
/// QT_WAYLAND_USE_BYPASSWINDOWMANAGERHINT is set (`prepareEnvironment`); each such surface of an adopted window gets
/// its layer role when Qt first exposes it, before Qt draws into it, as the protocol demands.
class LayerShell : public QObject
{
    Q_OBJECT

public:
    enum class Keyboard
    {
        none,
        exclusive,
    };

    /// Whether the compositor the environment names (WAYLAND_DISPLAY) offers the protocol. Asked on a connection of
    /// its own, before the app chooses its platform; false outside a Wayland session.
    static bool offeredBySession();
    /// Sets what Qt's Wayland platform needs to leave adopted windows bare and where the app puts them; before the
    /// application object is made.
    static void prepareEnvironment();
    /// The layer shell of the app's own connection, made on first use; nullptr when the app does not run natively on
    /// Wayland or the compositor offers no layer shell.
    static LayerShell* instance();

    ~LayerShell() override;

    /// From its next show on, `window` (a top-level widget) is a layer surface at its own geometry; so is every
    /// menu, drop-down or tooltip that opens while it shows. With `wholeOutput` it covers its whole output, bars
    /// included, and takes the output's size; it sits below the other adopted windows.
    void adopt(QWidget* window, Keyboard keyboard, bool wholeOutput = false);
    /// Whether `window` is, or will be when shown, a layer surface.
    bool adopted(const QWidget* window) const;

    /// The part of `screen` that no bar reserves, in the coordinates adopted windows are placed in. The compositor
    /// tells only its size, so the reserved strip is taken to lie along the edge nearest `near` (the click on a tray
    /// icon, which sits in a bar), else along the top.
    QRect usableArea(QScreen* screen, std::optional<QPoint> near);

Q_SIGNALS:
    /// A window of the app that is not a layer surface was shown while an adopted one showed: an ordinary window,
    /// which lies below every layer surface.
    void ordinaryWindowShown();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Surface;

    LayerShell(wl_display* display, wl_event_queue* queue, wl_registry* registry);
    static std::unique_ptr<LayerShell> connectToDisplay();

    Surface* surfaceOf(const QWindow* window) const;
    void attach(Surface& surface, QWindow* window);
    void follow(Surface& surface);
    void release(Surface& surface);
    void unmapAndRelease(Surface& surface);
    /// Puts `surface` above the app's other layer surfaces.
    void raise(Surface& surface);
    /// Takes a surface out of its layer and back, which puts it at one end of the layer's stack.
    void reinsert(Surface& surface);
    /// Lets the whole-output catcher take clicks only where no other surface of the app lies.
    void updateCatcherInput();
    QSize probeUsableSize(QScreen* screen);

    static void onGlobal(void* data, wl_registry* registry, uint32_t name, const char* interface, uint32_t version);
    static void onGlobalRemove(void* data, wl_registry* registry, uint32_t name);
    static void onConfigure(void* data, zwlr_layer_surface_v1* layer, uint32_t serial, uint32_t width, uint32_t height);
    static void onClosed(void* data, zwlr_layer_surface_v1* layer);

    wl_display* m_display = nullptr;
    wl_event_queue* m_queue = nullptr;
    wl_registry* m_registry = nullptr;
    zwlr_layer_shell_v1* m_shell = nullptr;
    wl_compositor* m_compositor = nullptr;
    QHash<const QWidget*, std::shared_ptr<Surface>> m_surfaces;
    /// The surfaces shown, bottom first.
    QList<Surface*> m_stack;
    /// Whether the compositor puts a layer's older surfaces above its newer ones (sway before its scene graph);
    /// the others stack a new or re-inserted surface on top.
    bool m_olderOnTop = false;
};

} // namespace tolvik
