#include "panel/LayerShell.h"

#include "wlr-layer-shell-unstable-v1-client-protocol.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocalSocket>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <qpa/qplatformnativeinterface.h>

#include <wayland-client.h>

#include <cstring>

namespace tolvik {

namespace {

constexpr uint32_t highestVersion = 4;
constexpr const char* surfaceNamespace = "tolvik-reminder";

const wl_registry_listener noticeLayerShell = {
    [](void* data, wl_registry*, uint32_t, const char* interface, uint32_t) {
        if (std::strcmp(interface, zwlr_layer_shell_v1_interface.name) == 0) {
            *static_cast<bool*>(data) = true;
        }
    },
    [](void*, wl_registry*, uint32_t) {},
};

QPlatformNativeInterface* nativeInterface()
{
    return QGuiApplication::platformNativeInterface();
}

wl_output* outputOf(QScreen* screen)
{
    if (screen == nullptr || nativeInterface() == nullptr) {
        return nullptr;
    }
    return static_cast<wl_output*>(nativeInterface()->nativeResourceForScreen("output", screen));
}

/// Whether the session's compositor stacks a layer's older surfaces above its newer ones. Sway did until its scene
/// graph (1.9): it drew a layer's surfaces newest first and gave the pointer to the oldest. Asked over sway's IPC.
bool compositorStacksOlderOnTop()
{
    const QString socketPath = qEnvironmentVariable("SWAYSOCK");
    if (socketPath.isEmpty()) {
        return false;
    }
    QLocalSocket socket;
    socket.connectToServer(socketPath);
    if (!socket.waitForConnected(200)) {
        return false;
    }
    constexpr quint32 getVersion = 7;
    QByteArray request("i3-ipc");
    const quint32 header[2] = {0, getVersion};
    request.append(reinterpret_cast<const char*>(header), sizeof(header));
    socket.write(request);
    socket.waitForBytesWritten(200);
    QByteArray reply;
    constexpr int headerSize = 14;
    while (socket.waitForReadyRead(200)) {
        reply += socket.readAll();
        if (reply.size() >= headerSize) {
            quint32 length = 0;
            std::memcpy(&length, reply.constData() + 6, sizeof(length));
            if (reply.size() >= headerSize + static_cast<qsizetype>(length)) {
                break;
            }
        }
    }
    const QJsonObject version = QJsonDocument::fromJson(reply.mid(headerSize)).object();
    const int major = version.value(QLatin1String("major")).toInt();
    const int minor = version.value(QLatin1String("minor")).toInt();
    return major == 1 && minor < 9;
}

} // namespace

struct LayerShell::Surface
{
    QPointer<QWidget> widget;
    Keyboard keyboard = Keyboard::none;
    bool wholeOutput = false;
    wl_surface* surface = nullptr;
    zwlr_layer_surface_v1* layer = nullptr;
    bool configured = false;
    QSize configuredSize;
    QRect placed;
    QMetaObject::Connection hiding;
    /// The surface whose first configure never came.
    wl_surface* unconfigured = nullptr;
};

bool LayerShell::offeredBySession()
{
    const QByteArray name = qgetenv("WAYLAND_DISPLAY");
    if (name.isEmpty()) {
        return false;
    }
    wl_display* display = wl_display_connect(name.constData());
    if (display == nullptr) {
        return false;
    }
    bool offered = false;
    wl_registry* registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &noticeLayerShell, &offered);
    wl_display_roundtrip(display);
    wl_registry_destroy(registry);
    wl_display_disconnect(display);
    return offered;
}

void LayerShell::prepareEnvironment()
{
    qputenv("QT_WAYLAND_USE_BYPASSWINDOWMANAGERHINT", "1");
    // Else Qt holds every window that is not a pop-up at its screen's corner, whatever its widget asks, and maps the
    // panel's points to the screen from there: a menu opened from the panel would open off beside it.
    qputenv("QT_WAYLAND_DISABLE_FIXED_POSITIONS", "1");
}

LayerShell* LayerShell::instance()
{
    static QPointer<LayerShell> shell;
    static bool tried = false;
    if (!tried && qApp != nullptr) {
        tried = true;
        // Owned by the application, so that it lets go of its objects while Qt's connection is still open.
        if (std::unique_ptr<LayerShell> made = connectToDisplay()) {
            made->setParent(qApp);
            shell = made.release();
        }
    }
    return shell;
}

std::unique_ptr<LayerShell> LayerShell::connectToDisplay()
{
    if (!QGuiApplication::platformName().startsWith(QLatin1String("wayland")) || nativeInterface() == nullptr ||
        !qEnvironmentVariableIsSet("QT_WAYLAND_USE_BYPASSWINDOWMANAGERHINT")) {
        return nullptr;
    }
    auto* display = static_cast<wl_display*>(nativeInterface()->nativeResourceForIntegration("wl_display"));
    if (display == nullptr) {
        return nullptr;
    }
    // Objects of a queue of its own, so that the wait for a surface's first configure can dispatch them alone while
    // Qt goes on reading the connection on its own thread.
    wl_event_queue* queue = wl_display_create_queue(display);
    auto* wrapper = static_cast<wl_display*>(wl_proxy_create_wrapper(display));
    wl_proxy_set_queue(reinterpret_cast<wl_proxy*>(wrapper), queue);
    wl_registry* registry = wl_display_get_registry(wrapper);
    wl_proxy_wrapper_destroy(wrapper);
    std::unique_ptr<LayerShell> shell(new LayerShell(display, queue, registry));
    if (shell->m_shell == nullptr || shell->m_compositor == nullptr) {
        return nullptr;
    }
    return shell;
}

LayerShell::LayerShell(wl_display* display, wl_event_queue* queue, wl_registry* registry)
    : m_display(display)
    , m_queue(queue)
    , m_registry(registry)
{
    static const wl_registry_listener listener = {&LayerShell::onGlobal, &LayerShell::onGlobalRemove};
    wl_registry_add_listener(m_registry, &listener, this);
    wl_display_roundtrip_queue(m_display, m_queue);
    if (m_shell != nullptr) {
        m_olderOnTop = compositorStacksOlderOnTop();
        qApp->installEventFilter(this);
    }
}

LayerShell::~LayerShell()
{
    for (const std::shared_ptr<Surface>& surface : std::as_const(m_surfaces)) {
        release(*surface);
    }
    if (m_shell != nullptr) {
        if (zwlr_layer_shell_v1_get_version(m_shell) >= ZWLR_LAYER_SHELL_V1_DESTROY_SINCE_VERSION) {
            zwlr_layer_shell_v1_destroy(m_shell);
        } else {
            wl_proxy_destroy(reinterpret_cast<wl_proxy*>(m_shell));
        }
    }
    if (m_compositor != nullptr) {
        wl_compositor_destroy(m_compositor);
    }
    wl_registry_destroy(m_registry);
    wl_event_queue_destroy(m_queue);
}

void LayerShell::onGlobal(void* data, wl_registry* registry, uint32_t name, const char* interface, uint32_t version)
{
    auto* shell = static_cast<LayerShell*>(data);
    if (std::strcmp(interface, zwlr_layer_shell_v1_interface.name) == 0 && shell->m_shell == nullptr) {
        shell->m_shell = static_cast<zwlr_layer_shell_v1*>(
            wl_registry_bind(registry, name, &zwlr_layer_shell_v1_interface, std::min(version, highestVersion)));
    } else if (std::strcmp(interface, wl_compositor_interface.name) == 0 && shell->m_compositor == nullptr) {
        shell->m_compositor =
            static_cast<wl_compositor*>(wl_registry_bind(registry, name, &wl_compositor_interface, 1));
    }
}

void LayerShell::onGlobalRemove(void*, wl_registry*, uint32_t) {}

void LayerShell::adopt(QWidget* window, Keyboard keyboard, bool wholeOutput)
{
    auto& surface = m_surfaces[window];
    if (!surface) {
        surface = std::make_shared<Surface>();
        connect(window, &QObject::destroyed, this, [this, window] {
            if (const std::shared_ptr<Surface> gone = m_surfaces.take(window)) {
                release(*gone);
            }
        });
    }
    surface->widget = window;
    surface->keyboard = keyboard;
    surface->wholeOutput = wholeOutput;
    if (window->windowHandle() != nullptr) {
        window->windowHandle()->setFlag(Qt::BypassWindowManagerHint);
    }
    if (!window->isVisible()) {
        window->setWindowFlag(Qt::BypassWindowManagerHint);
    }
}

bool LayerShell::adopted(const QWidget* window) const
{
    return m_surfaces.contains(window);
}

LayerShell::Surface* LayerShell::surfaceOf(const QWindow* window) const
{
    for (const std::shared_ptr<Surface>& surface : m_surfaces) {
        if (surface->widget && surface->widget->windowHandle() == window) {
            return surface.get();
        }
    }
    return nullptr;
}

bool LayerShell::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::Show:
        // Sent before Qt makes the window's surface, which is when the flag still decides whether it gets a shell
        // role of Qt's. A pop-up of a layer surface must not get one: Qt would make it a pop-up without a parent,
        // which the compositor refuses by closing the connection.
        if (watched->isWidgetType()) {
            auto* widget = static_cast<QWidget*>(watched);
            if (!widget->isWindow() || widget->windowHandle() == nullptr) {
                break;
            }
            if (adopted(widget)) {
                widget->windowHandle()->setFlag(Qt::BypassWindowManagerHint);
            } else if (!m_stack.isEmpty() && !widget->testAttribute(Qt::WA_DontShowOnScreen)) {
                const Qt::WindowType type = widget->windowType();
                if (type == Qt::Popup || type == Qt::ToolTip) {
                    adopt(widget, Keyboard::none);
                } else {
                    QMetaObject::invokeMethod(this, &LayerShell::ordinaryWindowShown, Qt::QueuedConnection);
                }
            }
        }
        break;
    case QEvent::Expose:
        if (watched->isWindowType()) {
            auto* window = static_cast<QWindow*>(watched);
            if (Surface* surface = surfaceOf(window); surface != nullptr && window->isVisible()) {
                attach(*surface, window);
            }
        }
        break;
    case QEvent::Move:
    case QEvent::Resize:
        if (watched->isWidgetType()) {
            const auto found = m_surfaces.constFind(static_cast<QWidget*>(watched));
            if (found != m_surfaces.constEnd() && (*found)->layer != nullptr) {
                follow(**found);
            }
        }
        break;
    case QEvent::Hide:
        // Normally let go of as the window began to hide; this catches a surface that went some other way.
        if (watched->isWidgetType()) {
            const auto found = m_surfaces.constFind(static_cast<QWidget*>(watched));
            if (found != m_surfaces.constEnd()) {
                release(**found);
            }
        } else if (watched->isWindowType()) {
            if (Surface* surface = surfaceOf(static_cast<QWindow*>(watched))) {
                release(*surface);
            }
        }
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void LayerShell::attach(Surface& surface, QWindow* window)
{
    auto* wlSurface = static_cast<wl_surface*>(nativeInterface()->nativeResourceForWindow("surface", window));
    if (wlSurface == nullptr || (surface.layer != nullptr && surface.surface == wlSurface) ||
        wlSurface == surface.unconfigured) {
        return;
    }
    release(surface);
    QScreen* screen = surface.widget->screen();
    surface.surface = wlSurface;
    surface.layer = zwlr_layer_shell_v1_get_layer_surface(m_shell, wlSurface, outputOf(screen),
                                                          ZWLR_LAYER_SHELL_V1_LAYER_OVERLAY, surfaceNamespace);
    static const zwlr_layer_surface_v1_listener listener = {&LayerShell::onConfigure, &LayerShell::onClosed};
    zwlr_layer_surface_v1_add_listener(surface.layer, &listener, &surface);
    // Told as the window begins to hide, before Qt lets go of its surface; hide and show events come after that.
    surface.hiding = connect(window, &QWindow::visibleChanged, this, [this, shown = &surface](bool visible) {
        if (!visible) {
            unmapAndRelease(*shown);
        }
    });
    // Every surface measures from its output's corner, bars included, so that all of them share the coordinates
    // Qt places windows in.
    zwlr_layer_surface_v1_set_exclusive_zone(surface.layer, -1);
    zwlr_layer_surface_v1_set_keyboard_interactivity(
        surface.layer, surface.keyboard == Keyboard::exclusive ? ZWLR_LAYER_SURFACE_V1_KEYBOARD_INTERACTIVITY_EXCLUSIVE
                                                               : ZWLR_LAYER_SURFACE_V1_KEYBOARD_INTERACTIVITY_NONE);
    if (surface.wholeOutput) {
        zwlr_layer_surface_v1_set_anchor(surface.layer,
                                         ZWLR_LAYER_SURFACE_V1_ANCHOR_TOP | ZWLR_LAYER_SURFACE_V1_ANCHOR_BOTTOM |
                                             ZWLR_LAYER_SURFACE_V1_ANCHOR_LEFT | ZWLR_LAYER_SURFACE_V1_ANCHOR_RIGHT);
        zwlr_layer_surface_v1_set_size(surface.layer, 0, 0);
    } else {
        zwlr_layer_surface_v1_set_anchor(surface.layer,
                                         ZWLR_LAYER_SURFACE_V1_ANCHOR_TOP | ZWLR_LAYER_SURFACE_V1_ANCHOR_LEFT);
        follow(surface);
    }
    // The protocol wants a commit without a buffer, and the first configure acknowledged, before the first buffer;
    // Qt draws into the surface as soon as this expose event has been handled.
    wl_surface_commit(wlSurface);
    // The configure answers the commit, so one round trip brings it; a compositor that never sends one must not
    // hold the app: the role is let go of, and the window stays unseen rather than break the connection.
    for (int round = 0; round < 3 && !surface.configured && surface.layer != nullptr; ++round) {
        if (wl_display_roundtrip_queue(m_display, m_queue) == -1) {
            break;
        }
    }
    if (!surface.configured) {
        release(surface);
        // Never asked again: a surface that Qt has drawn into cannot take a layer role any more.
        surface.unconfigured = wlSurface;
    }
    if (surface.layer == nullptr) {
        return;
    }
    // Later configures (a changed output) come with Qt's own events, on its thread of dispatch.
    wl_proxy_set_queue(reinterpret_cast<wl_proxy*>(surface.layer), nullptr);
    if (surface.wholeOutput) {
        if (surface.configuredSize.isValid() && screen != nullptr) {
            surface.widget->setGeometry(QRect(screen->geometry().topLeft(), surface.configuredSize));
        }
        m_stack.prepend(&surface);
    } else {
        m_stack.append(&surface);
        raise(surface);
    }
    updateCatcherInput();
}

void LayerShell::raise(Surface& surface)
{
    if (zwlr_layer_surface_v1_get_version(surface.layer) < ZWLR_LAYER_SURFACE_V1_SET_LAYER_SINCE_VERSION) {
        return;
    }
    if (!m_olderOnTop) {
        // A new surface already lies on top.
        return;
    }
    // Where older surfaces lie on top and a re-inserted one goes to the bottom, the others go down one by one, the
    // highest first, so that they keep their order below the new one. The catcher is see-through and takes no
    // clicks where the others lie, so where it lies does not matter.
    for (qsizetype index = m_stack.size() - 1; index >= 0; --index) {
        Surface* other = m_stack.at(index);
        if (other != &surface && !other->wholeOutput) {
            reinsert(*other);
        }
    }
}

void LayerShell::reinsert(Surface& surface)
{
    zwlr_layer_surface_v1_set_layer(surface.layer, ZWLR_LAYER_SHELL_V1_LAYER_TOP);
    wl_surface_commit(surface.surface);
    zwlr_layer_surface_v1_set_layer(surface.layer, ZWLR_LAYER_SHELL_V1_LAYER_OVERLAY);
    wl_surface_commit(surface.surface);
}

void LayerShell::updateCatcherInput()
{
    const auto catcher = std::find_if(m_stack.begin(), m_stack.end(), [](const Surface* s) { return s->wholeOutput; });
    if (catcher == m_stack.end() || !(*catcher)->widget) {
        return;
    }
    const QPoint origin = (*catcher)->widget->geometry().topLeft();
    wl_region* region = wl_compositor_create_region(m_compositor);
    wl_region_add(region, 0, 0, (*catcher)->widget->width(), (*catcher)->widget->height());
    for (const Surface* other : std::as_const(m_stack)) {
        if (!other->wholeOutput && other->placed.isValid()) {
            const QRect local = other->placed.translated(-origin);
            wl_region_subtract(region, local.x(), local.y(), local.width(), local.height());
        }
    }
    wl_surface_set_input_region((*catcher)->surface, region);
    wl_region_destroy(region);
    wl_surface_commit((*catcher)->surface);
}

void LayerShell::follow(Surface& surface)
{
    if (surface.wholeOutput || surface.layer == nullptr || !surface.widget) {
        return;
    }
    const QRect geometry = surface.widget->geometry();
    if (geometry == surface.placed || geometry.isEmpty()) {
        return;
    }
    const QScreen* screen = surface.widget->screen();
    const QPoint offset = geometry.topLeft() - (screen != nullptr ? screen->geometry().topLeft() : QPoint());
    zwlr_layer_surface_v1_set_margin(surface.layer, offset.y(), 0, 0, offset.x());
    zwlr_layer_surface_v1_set_size(surface.layer, static_cast<uint32_t>(geometry.width()),
                                   static_cast<uint32_t>(geometry.height()));
    const QRect before = surface.placed;
    surface.placed = geometry;
    // A move alone brings no new frame from Qt to carry the margins, so it is committed here; a resize travels with
    // the frame Qt draws at the new size.
    if (before.isValid() && surface.configured && geometry.size() == before.size()) {
        wl_surface_commit(surface.surface);
    }
    if (before.isValid()) {
        updateCatcherInput();
    }
}

void LayerShell::unmapAndRelease(Surface& surface)
{
    // Unmapped with a null buffer and its role let go of while Qt's surface still lives: sway keeps the keyboard
    // focus with a layer surface whose wl_surface goes first, and fails at the next change of focus.
    if (surface.layer != nullptr) {
        wl_surface_attach(surface.surface, nullptr, 0, 0);
        wl_surface_commit(surface.surface);
    }
    release(surface);
}

void LayerShell::release(Surface& surface)
{
    disconnect(surface.hiding);
    if (surface.layer != nullptr) {
        zwlr_layer_surface_v1_destroy(surface.layer);
    }
    const bool wasShown = m_stack.removeOne(&surface);
    surface.layer = nullptr;
    surface.surface = nullptr;
    surface.configured = false;
    surface.configuredSize = QSize();
    surface.placed = QRect();
    if (wasShown && !surface.wholeOutput) {
        updateCatcherInput();
    }
}

void LayerShell::onConfigure(void* data, zwlr_layer_surface_v1* layer, uint32_t serial, uint32_t width, uint32_t height)
{
    auto* surface = static_cast<Surface*>(data);
    zwlr_layer_surface_v1_ack_configure(layer, serial);
    const QSize size(static_cast<int>(width), static_cast<int>(height));
    const bool later = surface->configured;
    surface->configured = true;
    if (surface->wholeOutput && !size.isEmpty()) {
        surface->configuredSize = size;
        if (later && surface->widget && surface->widget->size() != size) {
            surface->widget->resize(size);
        }
    }
}

void LayerShell::onClosed(void* data, zwlr_layer_surface_v1*)
{
    // The compositor will not show the surface again (its output went away).
    auto* surface = static_cast<Surface*>(data);
    if (surface->widget) {
        QMetaObject::invokeMethod(surface->widget, &QWidget::hide, Qt::QueuedConnection);
    }
}

QSize LayerShell::probeUsableSize(QScreen* screen)
{
    // A surface anchored to all four edges that keeps clear of the bars is configured to the size they leave; it
    // never gets a buffer, so it never shows.
    wl_surface* probe = wl_compositor_create_surface(m_compositor);
    zwlr_layer_surface_v1* layer = zwlr_layer_shell_v1_get_layer_surface(
        m_shell, probe, outputOf(screen), ZWLR_LAYER_SHELL_V1_LAYER_BACKGROUND, surfaceNamespace);
    Surface answer;
    static const zwlr_layer_surface_v1_listener listener = {
        [](void* data, zwlr_layer_surface_v1*, uint32_t, uint32_t width, uint32_t height) {
            auto* surface = static_cast<Surface*>(data);
            surface->configured = true;
            surface->configuredSize = QSize(static_cast<int>(width), static_cast<int>(height));
        },
        [](void*, zwlr_layer_surface_v1*) {},
    };
    zwlr_layer_surface_v1_add_listener(layer, &listener, &answer);
    zwlr_layer_surface_v1_set_anchor(layer, ZWLR_LAYER_SURFACE_V1_ANCHOR_TOP | ZWLR_LAYER_SURFACE_V1_ANCHOR_BOTTOM |
                                                ZWLR_LAYER_SURFACE_V1_ANCHOR_LEFT | ZWLR_LAYER_SURFACE_V1_ANCHOR_RIGHT);
    wl_surface_commit(probe);
    for (int round = 0; round < 2 && !answer.configured; ++round) {
        wl_display_roundtrip_queue(m_display, m_queue);
    }
    zwlr_layer_surface_v1_destroy(layer);
    wl_surface_destroy(probe);
    return answer.configuredSize;
}

QRect LayerShell::usableArea(QScreen* screen, std::optional<QPoint> near)
{
    if (screen == nullptr) {
        return {};
    }
    const QRect whole = screen->geometry();
    const QSize usable = probeUsableSize(screen);
    if (usable.isEmpty() || usable.width() > whole.width() || usable.height() > whole.height()) {
        return whole;
    }
    const QPoint centre = whole.center();
    const int reservedX = whole.width() - usable.width();
    const int reservedY = whole.height() - usable.height();
    const bool barAtLeft = near && near->x() < centre.x();
    const bool barAtTop = !near || near->y() < centre.y();
    return QRect(whole.left() + (barAtLeft ? reservedX : 0), whole.top() + (barAtTop ? reservedY : 0), usable.width(),
                 usable.height());
}

} // namespace tolvik
