#include "rows/PopoverWindow.h"

#include "appearance/MenuTransparencyOption.h"
#include "rows/PopoverSurface.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QElapsedTimer>
#include <QEvent>
#include <QGraphicsDropShadowEffect>
#include <QGraphicsOpacityEffect>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QResizeEvent>
#include <QScreen>
#include <QVBoxLayout>
#include <QVariantAnimation>
#include <QWindow>

namespace tolvik {

namespace {

// Room around the surface for the shadow: blur plus the 6-point downward offset.
const QMargins shadowMargins(14, 8, 14, 20);
/// How long after a drop-down inside closed an Escape still counts as the one that closed it.
constexpr int innerPopupEscapeMs = 250;

Qt::WindowFlags flagsFor(PopoverWindow::Kind kind)
{
    if (kind == PopoverWindow::Kind::popup) {
        return Qt::Popup | Qt::FramelessWindowHint | Qt::NoDropShadowWindowHint;
    }
    return Qt::ToolTip | Qt::FramelessWindowHint | Qt::NoDropShadowWindowHint | Qt::WindowDoesNotAcceptFocus |
           Qt::WindowTransparentForInput;
}

/// The rounded, translucent panel the content sits on.
class Surface : public QWidget
{
public:
    explicit Surface(const PopoverWindow& window, QWidget* parent)
        : QWidget(parent)
        , m_window(window)
    {}

    bool translucent = true;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        const Material material = m_window.kind() == PopoverWindow::Kind::bubble ? Material::ultraThin : Material::thin;
        QColor fill = materialFill(material, palette());
        if (!translucent) {
            fill.setAlpha(255);
        }
        PopoverSurface::paint(painter, rect(), translucent ? PopoverWindow::cornerRadius : 0, fill, palette());
    }

private:
    const PopoverWindow& m_window;
};

} // namespace

PopoverWindow::PopoverWindow(Kind kind, QWidget* parent)
    : QWidget(parent, flagsFor(kind))
    , m_kind(kind)
    , m_fader(new QWidget(this))
    , m_surface(new Surface(*this, m_fader))
    , m_shadow(new QGraphicsDropShadowEffect(this))
    , m_paintedFade(new QGraphicsOpacityEffect(this))
    , m_fade(new QVariantAnimation(this))
{
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_NoSystemBackground);
    if (kind == Kind::bubble) {
        setAttribute(Qt::WA_ShowWithoutActivating);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
    }
    m_shadow->setBlurRadius(16);
    m_shadow->setOffset(0, 6);
    m_shadow->setColor(QColor(0, 0, 0, 51));
    m_surface->setGraphicsEffect(m_shadow);

    auto* outer = new QVBoxLayout(this);
    outer->setSizeConstraint(QLayout::SetNoConstraint);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(m_fader);
    auto* room = new QVBoxLayout(m_fader);
    room->setContentsMargins(0, 0, 0, 0);
    room->addWidget(m_surface);
    // Only while a fade is painted: a window at rest paints directly, not through an offscreen picture.
    m_paintedFade->setEnabled(false);
    m_fader->setGraphicsEffect(m_paintedFade);
    auto* inner = new QVBoxLayout(m_surface);
    inner->setContentsMargins(0, 0, 0, 0);

    m_fade->setDuration(fadeMilliseconds);
    m_fade->setEasingCurve(QEasingCurve::InOutQuad);
    connect(m_fade, &QVariantAnimation::valueChanged, this,
            [this](const QVariant& level) { setFadeLevel(level.toDouble()); });
    connect(m_fade, &QVariantAnimation::finished, this, [this] {
        if (m_fadingOut) {
            m_fadingOut = false;
            hide();
        }
    });
    applySurfaceMode();
}

void PopoverWindow::setContent(QWidget* content)
{
    if (m_content != nullptr) {
        m_content->removeEventFilter(this);
        delete m_content;
    }
    m_content = content;
    if (content != nullptr) {
        m_surface->layout()->addWidget(content);
        content->installEventFilter(this);
        watchInnerPopups();
    }
    relayout();
}

void PopoverWindow::setContentWidth(int width)
{
    m_contentWidth = width;
    relayout();
}

void PopoverWindow::setMaximumContentWidth(int width)
{
    m_maximumContentWidth = width;
    relayout();
}

void PopoverWindow::present(QWidget* anchor, Side side)
{
    m_anchor = anchor;
    m_side = side;
    if (anchor != nullptr) {
        const QPalette palette = PopoverSurface::explicitPalette(anchor->palette());
        setPalette(palette);
        // The drop-downs and menus inside (the pickers' lists, the calendar's month menu) are windows of their
        // own, which inherit nothing: they take the same colours, so that a night popover has no day menus.
        const QList<QWidget*> inner = findChildren<QWidget*>();
        for (QWidget* widget : inner) {
            if (widget->isWindow()) {
                widget->setPalette(palette);
            }
        }
        setFont(anchor->font());
        setLayoutDirection(anchor->layoutDirection());
    }
    applySurfaceMode();
    relayout();
    m_fade->stop();
    m_fadingOut = false;
    const bool fades = m_kind == Kind::bubble && canFade();
    if (fades && !isVisible()) {
        setFadeLevel(0.0);
    }
    m_placed = false;
    place();
    show();
    if (m_kind == Kind::bubble) {
        if (fades && m_fadeLevel < 1.0) {
            m_fade->setStartValue(m_fadeLevel);
            m_fade->setEndValue(1.0);
            m_fade->start();
        }
    } else {
        raise();
        activateWindow();
    }
}

void PopoverWindow::dismiss(bool animated)
{
    if (!isVisible()) {
        return;
    }
    m_fade->stop();
    if (!animated || !canFade()) {
        m_fadingOut = false;
        hide();
        return;
    }
    m_fadingOut = true;
    m_fade->setStartValue(m_fadeLevel);
    m_fade->setEndValue(0.0);
    m_fade->start();
}

bool PopoverWindow::canFade() const
{
    // Without a compositor nothing can be seen through the window, so it simply appears.
    return m_translucent;
}

void PopoverWindow::setFadeLevel(qreal level)
{
    m_fadeLevel = level;
    // Only the X11 platform passes a window's opacity on to the compositor; the others (Wayland's, the offscreen
    // one) warn at every call and show nothing of it, so there the content is painted with alpha instead.
    if (QGuiApplication::platformName() == QLatin1String("xcb")) {
        setWindowOpacity(level);
        return;
    }
    m_paintedFade->setOpacity(level);
    m_paintedFade->setEnabled(level < 1.0);
}

QMargins PopoverWindow::shadowSpace() const
{
    return m_fader->layout()->contentsMargins();
}

bool PopoverWindow::isPresented() const
{
    return isVisible() && !m_fadingOut;
}

void PopoverWindow::watchInnerPopups()
{
    QList<QWidget*> popups;
    const QList<QComboBox*> pickers = m_content->findChildren<QComboBox*>();
    for (QComboBox* picker : pickers) {
        popups.append(picker->view()->window());
    }
    const QList<QMenu*> menus = m_content->findChildren<QMenu*>();
    for (QMenu* menu : menus) {
        popups.append(menu);
    }
    for (QWidget* popup : std::as_const(popups)) {
        popup->installEventFilter(this);
    }
}

void PopoverWindow::keyPressEvent(QKeyEvent* event)
{
    if (m_kind == Kind::popup && event->matches(QKeySequence::Cancel)) {
        // Escape closes the innermost thing only. On some desktops the key that closed a drop-down inside reaches
        // this window too, which would take the whole form and its typing with it.
        if (m_innerPopupClosed.isValid() && m_innerPopupClosed.elapsed() < innerPopupEscapeMs) {
            event->accept();
            return;
        }
        event->accept();
        dismiss();
        return;
    }
    QWidget::keyPressEvent(event);
}

bool PopoverWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_content && event->type() == QEvent::Hide) {
        m_innerPopupClosed.start();
    }
    if (watched == m_content && event->type() == QEvent::LayoutRequest) {
        relayout();
    }
    return QWidget::eventFilter(watched, event);
}

void PopoverWindow::paintEvent(QPaintEvent*)
{
    if (!m_translucent) {
        QPainter painter(this);
        painter.fillRect(rect(), palette().color(QPalette::Window));
    }
}

void PopoverWindow::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    m_fade->stop();
    m_fadingOut = false;
    if (canFade() && m_fadeLevel < 1.0) {
        setFadeLevel(1.0);
    }
    Q_EMIT closed();
}

void PopoverWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (isVisible()) {
        place(event->oldSize());
    }
}

void PopoverWindow::applySurfaceMode()
{
    m_translucent = PopoverSurface::hasCompositor();
    static_cast<Surface*>(m_surface)->translucent = m_translucent;
    m_shadow->setEnabled(m_translucent);
    m_fader->layout()->setContentsMargins(m_translucent ? shadowMargins : QMargins());
}

void PopoverWindow::relayout()
{
    if (m_content == nullptr) {
        return;
    }
    int width = m_contentWidth > 0 ? m_contentWidth : m_content->sizeHint().width();
    if (m_maximumContentWidth > 0) {
        width = qMin(width, m_maximumContentWidth);
    }
    const QSize minimum = m_content->minimumSizeHint().expandedTo(m_content->minimumSize());
    width = qMax(width, minimum.width());
    int height = m_content->hasHeightForWidth() ? m_content->heightForWidth(width) : m_content->sizeHint().height();
    height = qMax(height, minimum.height());
    const QMargins margins = shadowSpace();
    setFixedSize(width + margins.left() + margins.right(), height + margins.top() + margins.bottom());
}

QPoint PopoverWindow::besideAnchor(const QRect& anchor, const QSize& size, const QMargins& shadow, bool preferRight,
                                   const std::optional<QRect>& bounds)
{
    // The surface, not the shadow margin, sits `anchorGap` away from the anchor.
    const int rightX = anchor.right() + 1 + anchorGap - shadow.left();
    const int leftX = anchor.left() - anchorGap - size.width() + shadow.right();
    int x = preferRight ? rightX : leftX;
    int y = anchor.center().y() - size.height() / 2;
    if (!bounds) {
        return {x, y};
    }
    const bool rightFits = rightX + size.width() - shadow.right() <= bounds->right() + 1;
    const bool leftFits = leftX + shadow.left() >= bounds->left();
    if (preferRight && !rightFits && leftFits) {
        x = leftX;
    } else if (!preferRight && !leftFits && rightFits) {
        x = rightX;
    }
    return {x, y};
}

void PopoverWindow::place(const QSize& oldSize)
{
    if (m_anchor == nullptr) {
        return;
    }
    const QWidget* window = m_anchor->window();
    // On Wayland only the compositor knows where windows are. A popup there is placed relative to its parent
    // window by the position Qt's window holds, which need not be where the widget last asked to be, and the
    // compositor keeps it on screen; so it is measured from that position and never held to a screen here.
    // A window the app places itself there (a layer surface, as the panel is where the compositor offers them) is
    // where Qt holds it, as on X11.
    const bool placesItself =
        window->windowHandle() != nullptr && window->windowHandle()->flags().testFlag(Qt::BypassWindowManagerHint);
    const bool compositorPlaces = QGuiApplication::platformName().startsWith(QLatin1String("wayland")) && !placesItself;
    const QPoint windowOrigin = compositorPlaces && window->windowHandle() != nullptr
                                    ? window->windowHandle()->geometry().topLeft()
                                    : window->geometry().topLeft();
    QRect anchorRect(windowOrigin + m_anchor->mapTo(window, QPoint(0, 0)), m_anchor->size());
    const QScreen* screen = m_anchor->screen();
    std::optional<QRect> bounds;
    if (const QRect known = window->property(availableAreaProperty).toRect(); known.isValid()) {
        bounds = known;
    } else if (screen != nullptr && !compositorPlaces) {
        bounds = screen->availableGeometry();
    }
    const QMargins margins = shadowSpace();
    // Beside the anchor's window rather than over it: the popover sits next to the panel, level with its anchor. A
    // window that leaves the screen no room for it on either side (the no-tray window, tiled or maximised) gets it
    // beside the anchor itself, over the window, rather than off the screen.
    const int surfaceWidth = width() - margins.left() - margins.right();
    const bool besideWindow =
        window != m_anchor &&
        (screen == nullptr || window->width() + 2 * (surfaceWidth + anchorGap) <= screen->geometry().width());
    if (besideWindow) {
        const QRect frame = compositorPlaces ? QRect(windowOrigin, window->size()) : window->frameGeometry();
        anchorRect.setLeft(frame.left());
        anchorRect.setRight(frame.right());
    }
    // Over its own window, the window's edges are what it must not cross where the screen's are unknown.
    std::optional<QRect> sides = bounds;
    if (!sides && !besideWindow) {
        sides = QRect(windowOrigin, window->size());
    }
    const bool preferRight = (m_side == Side::trailing) != m_anchor->isRightToLeft();
    QPoint origin = besideAnchor(anchorRect, size(), margins, preferRight, sides);
    if (!sides) {
        m_placed = true;
        move(origin);
        return;
    }

    const int lowest = sides->bottom() + 1 - anchorGap - height() + margins.bottom();
    const int highest = sides->top() + anchorGap - margins.top();
    if (m_placed && oldSize.isValid()) {
        // A window that grows or shrinks while shown keeps its top edge (or its bottom, where the screen's edge
        // held it), so that the controls stay under the pointer; it moves only as far as the screen demands.
        origin.setY(m_heldAtBottom ? pos().y() + oldSize.height() - height() : pos().y());
    } else {
        m_heldAtBottom = origin.y() > lowest;
    }
    m_placed = true;
    origin.setY(qMax(qMin(origin.y(), lowest), highest));
    origin.setX(qMax(qMin(origin.x(), sides->right() + 1 - width() + margins.right()), sides->left() - margins.left()));
    move(origin);
}

} // namespace tolvik
