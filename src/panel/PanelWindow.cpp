#include "panel/PanelWindow.h"

#include "appearance/SymbolIcons.h"
#include "panel/ClickCatcher.h"
#include "panel/ContentView.h"
#include "panel/LayerShell.h"
#include "panel/PanelSizing.h"
#include "panel/Spring.h"
#include "rows/PopoverSurface.h"
#include "rows/PopoverWindow.h"

#include <QApplication>
#include <QEvent>
#include <QGraphicsEffect>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>
#include <QVariantAnimation>
#include <QWindow>

#include <algorithm>
#include <cmath>

namespace tolvik {

namespace {

/// How long a panel opened from the tray waits for the click catcher to see the pointer before it opens without.
constexpr int pointerWaitMs = 150;

} // namespace

/// Draws the panel's content scaled about its centre and faded, for the appear animation. It draws the cached
/// picture of the content, so a frame costs one scaled blit however many rows the panel holds.
class AppearEffect : public QGraphicsEffect
{
public:
    static constexpr qreal startScale = 0.96;

    explicit AppearEffect(QObject* parent)
        : QGraphicsEffect(parent)
    {}

    void setProgress(qreal progress)
    {
        m_progress = progress;
        update();
    }

protected:
    void draw(QPainter* painter) override
    {
        QPoint offset;
        const QPixmap picture = sourcePixmap(Qt::LogicalCoordinates, &offset, QGraphicsEffect::NoPad);
        const QPointF centre = sourceBoundingRect(Qt::LogicalCoordinates).center();
        const qreal scale = startScale + (1.0 - startScale) * m_progress;
        painter->save();
        painter->setOpacity(std::clamp(m_progress, 0.0, 1.0));
        painter->setRenderHint(QPainter::SmoothPixmapTransform);
        painter->translate(centre);
        painter->scale(scale, scale);
        painter->translate(-centre);
        painter->drawPixmap(offset, picture);
        painter->restore();
    }

private:
    qreal m_progress = 0;
};

PanelWindow::PanelWindow(RemindersViewModel& model, LaunchAtLoginManager& launchAtLogin, const QString& storeFolder,
                         Mode mode, QWidget* parent)
    : QWidget(parent)
    , m_mode(mode)
    , m_content(new ContentView(model, launchAtLogin, storeFolder, systemClock(), this))
    , m_appear(new QVariantAnimation(this))
    , m_heightGlide(new QVariantAnimation(this))
{
    if (mode == Mode::trayPanel) {
        setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::NoDropShadowWindowHint);
    } else {
        // A normal, resizable window: a fixed-size window that a window manager maximises can take the whole
        // connection down with it on Wayland, so every action of the title bar is allowed and works.
        setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                       Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint);
    }
    // Named for window lists and for tests that look the panel up by title.
    setWindowTitle(QStringLiteral("TolvikReminder"));
    setWindowIcon(SymbolIcons::appIcon());
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_content);
    applySurfaceMode();

    const Spring appear = appearSpring;
    m_appear->setStartValue(0);
    m_appear->setEndValue(appear.settleMilliseconds());
    m_appear->setDuration(appear.settleMilliseconds());
    connect(m_appear, &QVariantAnimation::valueChanged, this, [this, appear](const QVariant& elapsed) {
        if (m_effect) {
            m_effect->setProgress(appear.value(elapsed.toDouble() / 1000.0));
        }
    });
    // The effect renders through an offscreen picture; once the panel stands still it paints directly again.
    connect(m_appear, &QVariantAnimation::finished, this, [this] { m_content->setGraphicsEffect(nullptr); });

    connect(m_content, &ContentView::panelSizeChanged, this, &PanelWindow::followContentSize);
    connect(m_content, &ContentView::closeRequested, this, [this] {
        if (m_mode == Mode::trayPanel) {
            hide();
        }
    });
    connect(qApp, &QGuiApplication::focusWindowChanged, this, [this] {
        if (m_mode == Mode::trayPanel && isVisible()) {
            QTimer::singleShot(0, this, &PanelWindow::closeIfFocusLeft);
        }
    });
    m_content->measure();
    applySize(targetSize());

    m_layerShell = mode == Mode::trayPanel ? LayerShell::instance() : nullptr;
    if (m_layerShell != nullptr) {
        m_layerShell->adopt(this, LayerShell::Keyboard::exclusive);
        m_catcher = std::make_unique<ClickCatcher>();
        m_layerShell->adopt(m_catcher.get(), LayerShell::Keyboard::none, true);
        m_pointerWait = new QTimer(this);
        m_pointerWait->setSingleShot(true);
        m_pointerWait->setInterval(pointerWaitMs);
        connect(m_pointerWait, &QTimer::timeout, this, [this] { finishWaitingForPointer(std::nullopt); });
        connect(m_catcher.get(), &ClickCatcher::pointerSeen, this, [this](QPoint at) {
            if (m_pointerWait->isActive()) {
                finishWaitingForPointer(at);
            }
        });
        connect(m_catcher.get(), &ClickCatcher::pressed, this, &PanelWindow::dismissAsClickedOutside);
        // Another window of the app (the settings, a dialog) lies below every layer surface: make way for it.
        connect(m_layerShell, &LayerShell::ordinaryWindowShown, this, [this] {
            if (isVisible()) {
                hide();
            }
        });
    }
}

PanelWindow::~PanelWindow()
{
    m_appear->stop();
    m_heightGlide->stop();
}

void PanelWindow::applySurfaceMode()
{
    // Without a compositor the X server shows black where a window is transparent, so paint opaque instead.
    const bool translucent = m_mode == Mode::trayPanel && PopoverSurface::hasCompositor();
    if (translucent == m_translucent && testAttribute(Qt::WA_WState_Created)) {
        return;
    }
    m_translucent = translucent;
    if (testAttribute(Qt::WA_WState_Created) && !isVisible()) {
        destroy();
    }
    setAttribute(Qt::WA_TranslucentBackground, translucent);
    setAttribute(Qt::WA_NoSystemBackground, translucent);
    setAutoFillBackground(!translucent);
    m_content->setOpaqueBackground(!translucent);
}

std::optional<qreal> PanelWindow::availableScreenHeight() const
{
    const QScreen* shown = screen() != nullptr ? screen() : QGuiApplication::primaryScreen();
    if (shown == nullptr) {
        return std::nullopt;
    }
    return shown->availableGeometry().height();
}

QRect PanelWindow::availableArea() const
{
    if (const QRect known = property(availableAreaProperty).toRect(); known.isValid()) {
        return known;
    }
    const QScreen* shown = screen() != nullptr ? screen() : QGuiApplication::primaryScreen();
    return shown != nullptr ? shown->availableGeometry() : QRect(QPoint(0, 0), size());
}

void PanelWindow::applySize(QSize size)
{
    if (m_mode == Mode::trayPanel) {
        setFixedSize(size);
        return;
    }
    setMinimumSize(minimumWindowSize);
    if (!isMaximized() && !isFullScreen()) {
        resize(size.expandedTo(minimumWindowSize));
    }
}

QSize PanelWindow::targetSize() const
{
    return QSize(m_content->panelWidth(),
                 static_cast<int>(std::lround(m_content->panelHeight(availableScreenHeight()))));
}

void PanelWindow::followContentSize(bool animateHeight)
{
    const QSize target = targetSize();
    if (m_mode == Mode::ordinaryWindow) {
        // The user sizes the ordinary window; only a window that is smaller than the content asks grows.
        if (!isMaximized() && !isFullScreen() && (width() < target.width() || height() < target.height())) {
            resize(size().expandedTo(target));
        }
        return;
    }
    if (target.width() != width()) {
        setFixedWidth(target.width());
    }
    if (animateHeight && isVisible() && target.height() != height()) {
        const Spring glide = heightSpring;
        const int from = height();
        const QPoint start = pos();
        m_heightGlide->stop();
        m_heightGlide->setDuration(glide.settleMilliseconds());
        m_heightGlide->setStartValue(0.0);
        m_heightGlide->setEndValue(1.0);
        m_heightGlide->disconnect(this, nullptr);
        connect(m_heightGlide, &QVariantAnimation::valueChanged, this,
                [this, glide, from, start, to = target.height()](const QVariant& progress) {
                    const qreal seconds = progress.toDouble() * m_heightGlide->duration() / 1000.0;
                    setFixedHeight(qRound(from + (to - from) * glide.value(seconds)));
                    if (m_mode == Mode::trayPanel) {
                        move(PanelSizing::resizedOrigin(start, QSize(width(), from), size(), m_opensUpward,
                                                        availableArea()));
                    }
                });
        m_heightGlide->start();
        return;
    }
    m_heightGlide->stop();
    const QSize before = size();
    setFixedHeight(target.height());
    if (m_mode == Mode::trayPanel && isVisible()) {
        move(PanelSizing::resizedOrigin(pos(), before, size(), m_opensUpward, availableArea()));
    }
}

void PanelWindow::present(const std::optional<QRect>& iconGeometry, const std::optional<QPoint>& pointer)
{
    if (m_layerShell != nullptr && !iconGeometry) {
        presentAsLayer(pointer);
        return;
    }
    showAt(iconGeometry, pointer);
}

void PanelWindow::presentAsLayer(const std::optional<QPoint>& trayPoint)
{
    if (m_catcher->isVisible()) {
        m_pointerWait->stop();
        showAt(std::nullopt, trayPoint);
        return;
    }
    QScreen* target = trayPoint ? QGuiApplication::screenAt(*trayPoint) : nullptr;
    if (target == nullptr) {
        target = QGuiApplication::primaryScreen();
    }
    if (target != nullptr) {
        m_catcher->setGeometry(target->geometry());
    }
    m_catcher->show();
    if (!trayPoint) {
        // Opened by a key or a notification: where the pointer rests says nothing about where to open.
        showAt(std::nullopt, std::nullopt);
        return;
    }
    // Opened from the tray: the pointer still rests on the icon, and the catcher hears of it as it appears. The
    // tray's own point is the fallback, since some trays report it relative to the icon.
    m_trayPoint = trayPoint;
    m_pointerWait->start();
}

void PanelWindow::finishWaitingForPointer(const std::optional<QPoint>& seen)
{
    m_pointerWait->stop();
    showAt(std::nullopt, seen ? seen : m_trayPoint);
}

void PanelWindow::showAt(const std::optional<QRect>& iconGeometry, const std::optional<QPoint>& pointer)
{
    applySurfaceMode();
    // Lay out at the final size before the first frame, so the panel never shows at a stale size.
    m_content->renderIfPending();
    m_content->measureIfPending();
    m_heightGlide->stop();
    const QSize size = targetSize();
    if (m_mode == Mode::trayPanel || !isVisible()) {
        applySize(size);
    }
    if (m_mode == Mode::trayPanel) {
        QScreen* target = nullptr;
        if (iconGeometry && iconGeometry->isValid()) {
            target = QGuiApplication::screenAt(iconGeometry->center());
        } else if (pointer) {
            target = QGuiApplication::screenAt(*pointer);
        }
        if (target == nullptr) {
            target = QGuiApplication::primaryScreen();
        }
        QRect available = target != nullptr ? target->availableGeometry() : QRect(QPoint(0, 0), size);
        if (m_layerShell != nullptr && target != nullptr) {
            // Qt knows nothing of the bars on Wayland; the compositor tells what they leave.
            available = m_layerShell->usableArea(target, pointer);
            setProperty(availableAreaProperty, available);
        }
        m_opensUpward = PanelSizing::opensUpward(available, iconGeometry, pointer);
        move(PanelSizing::panelOrigin(size, available, iconGeometry, pointer));
    }
    if (isMinimized()) {
        showNormal();
    }
    show();
    raise();
    activateWindow();
    // Nothing is focused at first; Tab then reaches the first list's add button.
    m_content->setFocus(Qt::ActiveWindowFocusReason);
    playAppearAnimation();
    Q_EMIT presented();
}

void PanelWindow::layOutAhead()
{
    if (isVisible()) {
        return;
    }
    applySurfaceMode();
    m_content->renderIfPending();
    m_content->measureIfPending();
    applySize(targetSize());
    // A first show activates the layout of every row and polishes and paints it: with thousands of rows that takes
    // far longer than showing an already laid-out panel. Doing it now, unseen, leaves the click only the showing.
    setAttribute(Qt::WA_DontShowOnScreen);
    show();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    hide();
    setAttribute(Qt::WA_DontShowOnScreen, false);
}

void PanelWindow::playAppearAnimation()
{
    m_appear->stop();
    if (!m_effect) {
        m_effect = new AppearEffect(m_content);
        m_content->setGraphicsEffect(m_effect);
    }
    m_effect->setProgress(0);
    m_appear->start();
}

bool PanelWindow::isAppearing() const
{
    return m_appear->state() == QAbstractAnimation::Running;
}

bool PanelWindow::wasJustDismissed() const
{
    return m_dismissedAt.isValid() && m_dismissedAt.msecsTo(QDateTime::currentDateTime()) < reopenGuardMs;
}

bool PanelWindow::belongsToPanel(const QWidget* widget) const
{
    for (const QWidget* current = widget; current != nullptr; current = current->parentWidget()) {
        if (current == this) {
            return true;
        }
    }
    return false;
}

void PanelWindow::closeIfFocusLeft()
{
    if (m_mode != Mode::trayPanel || !isVisible()) {
        return;
    }
    // The panel's own popovers and menus take the focus while they are open; only a window of someone else (or
    // no window of this app at all) means the user clicked outside.
    if (belongsToPanel(QApplication::activeWindow()) || belongsToPanel(QApplication::activePopupWidget())) {
        return;
    }
    dismissAsClickedOutside();
}

void PanelWindow::dismissAsClickedOutside()
{
    if (m_mode != Mode::trayPanel || !isVisible()) {
        return;
    }
    hide();
    m_dismissedAt = QDateTime::currentDateTime();
}

bool PanelWindow::panelWindowsContain(const QPoint& globalPoint, const QWidget* except) const
{
    const QList<QWidget*> windows = QApplication::topLevelWidgets();
    return std::any_of(windows.begin(), windows.end(), [&](const QWidget* window) {
        if (window == except || !window->isVisible() || !belongsToPanel(window)) {
            return false;
        }
        // Measured as the event's point was: on Wayland the window's place can differ from the widget's.
        const QWindow* handle = window->windowHandle();
        return (handle != nullptr ? handle->frameGeometry() : window->frameGeometry()).contains(globalPoint);
    });
}

bool PanelWindow::eventFilter(QObject* watched, QEvent* event)
{
    // Watched only while the panel shows.
    if (event->type() == QEvent::MouseButtonPress) {
        m_lastPress = static_cast<const QMouseEvent*>(event)->globalPosition().toPoint();
    }
    if (event->type() != QEvent::Close || watched == this || !watched->isWidgetType()) {
        return QWidget::eventFilter(watched, event);
    }
    // A popup, menu or drop-down of the panel closed by a click outside it (the app's own hiding never closes one).
    // The focus cannot tell whether that click was outside the panel too: a popup holds the keyboard, and a
    // compositor may move the focus away while it does without ever telling the panel. With no button held, the
    // click went to another program and the compositor closed the popup; else it came here, and off the panel and
    // its windows it was a click outside the panel as well.
    const auto* widget = static_cast<const QWidget*>(watched);
    if (widget->isWindow() && belongsToPanel(widget) &&
        (QGuiApplication::mouseButtons() == Qt::NoButton || !panelWindowsContain(m_lastPress, widget))) {
        QTimer::singleShot(0, this, &PanelWindow::dismissAsClickedOutside);
    }
    return QWidget::eventFilter(watched, event);
}

void PanelWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (m_mode == Mode::trayPanel) {
        qApp->installEventFilter(this);
    }
}

void PanelWindow::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    qApp->removeEventFilter(this);
    if (m_catcher && !testAttribute(Qt::WA_DontShowOnScreen)) {
        m_pointerWait->stop();
        m_catcher->hide();
    }
}

bool PanelWindow::event(QEvent* event)
{
    switch (event->type()) {
    case QEvent::WindowDeactivate:
        if (m_mode == Mode::trayPanel) {
            QTimer::singleShot(0, this, &PanelWindow::closeIfFocusLeft);
        }
        break;
    case QEvent::WindowActivate:
        // The ordinary window greets the user the same way each time it comes to the front.
        if (m_mode == Mode::ordinaryWindow && !isAppearing()) {
            playAppearAnimation();
        }
        break;
    case QEvent::ScreenChangeInternal:
        followContentSize(false);
        break;
    default:
        break;
    }
    return QWidget::event(event);
}

} // namespace tolvik
