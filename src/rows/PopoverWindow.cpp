#include "rows/PopoverWindow.h"

#include "appearance/MenuTransparencyOption.h"
#include "rows/PopoverSurface.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QElapsedTimer>
#include <QEvent>
#include <QGraphicsDropShadowEffect>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QPropertyAnimation>
#include <QResizeEvent>
#include <QScreen>
#include <QVBoxLayout>

namespace tolvik {

namespace {

// Room around the surface for the shadow: blur plus the 6-point downward offset.
const QMargins shadowMargins(14, 8, 14, 20);
/// How long after a drop-down inside closed an Escape still counts as the one that closed it.
constexpr int innerPopupEscapeMs = 250;
constexpr int anchorGap = 10;

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
    , m_surface(new Surface(*this, this))
    , m_shadow(new QGraphicsDropShadowEffect(this))
    , m_fade(new QPropertyAnimation(this, "windowOpacity", this))
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
    outer->addWidget(m_surface);
    auto* inner = new QVBoxLayout(m_surface);
    inner->setContentsMargins(0, 0, 0, 0);

    m_fade->setDuration(fadeMilliseconds);
    m_fade->setEasingCurve(QEasingCurve::InOutQuad);
    connect(m_fade, &QPropertyAnimation::finished, this, [this] {
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
        setWindowOpacity(0.0);
    }
    m_placed = false;
    place();
    show();
    if (m_kind == Kind::bubble) {
        if (fades && windowOpacity() < 1.0) {
            m_fade->setStartValue(windowOpacity());
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
    m_fade->setStartValue(windowOpacity());
    m_fade->setEndValue(0.0);
    m_fade->start();
}

bool PopoverWindow::canFade() const
{
    // Window opacity needs a compositor that takes it from the client: the offscreen platform has none, and Qt's
    // Wayland platform cannot set it; both warn at every step of a fade. There the bubble simply appears.
    const QString platform = QGuiApplication::platformName();
    return m_translucent && platform != QLatin1String("offscreen") && !platform.startsWith(QLatin1String("wayland"));
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
    if (canFade()) {
        setWindowOpacity(1.0);
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
    layout()->setContentsMargins(m_translucent ? shadowMargins : QMargins());
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
    const QMargins margins = layout()->contentsMargins();
    setFixedSize(width + margins.left() + margins.right(), height + margins.top() + margins.bottom());
}

void PopoverWindow::place(const QSize& oldSize)
{
    if (m_anchor == nullptr) {
        return;
    }
    QRect anchorRect(m_anchor->mapToGlobal(QPoint(0, 0)), m_anchor->size());
    // Beside the anchor's window rather than over it: the popover sits next to the panel, level with its anchor.
    if (const QWidget* window = m_anchor->window(); window != m_anchor) {
        const QRect frame = window->frameGeometry();
        anchorRect.setLeft(frame.left());
        anchorRect.setRight(frame.right());
    }
    const QScreen* screen = m_anchor->screen();
    const QRect available = screen != nullptr ? screen->availableGeometry() : QRect(QPoint(0, 0), size());
    const QMargins margins = layout()->contentsMargins();

    // The surface, not the shadow margin, sits `anchorGap` away from the anchor.
    const int rightX = anchorRect.right() + 1 + anchorGap - margins.left();
    const int leftX = anchorRect.left() - anchorGap - width() + margins.right();
    const bool trailingIsRight = !m_anchor->isRightToLeft();
    const bool preferRight = (m_side == Side::trailing) == trailingIsRight;
    const bool rightFits = rightX + width() - margins.right() <= available.right() + 1;
    const bool leftFits = leftX + margins.left() >= available.left();
    int x = preferRight ? rightX : leftX;
    if (preferRight && !rightFits && leftFits) {
        x = leftX;
    } else if (!preferRight && !leftFits && rightFits) {
        x = rightX;
    }

    const int lowest = available.bottom() + 1 - anchorGap - height() + margins.bottom();
    const int highest = available.top() + anchorGap - margins.top();
    int y = anchorRect.center().y() - height() / 2;
    if (m_placed && oldSize.isValid()) {
        // A window that grows or shrinks while shown keeps its top edge (or its bottom, where the screen's edge
        // held it), so that the controls stay under the pointer; it moves only as far as the screen demands.
        y = m_heldAtBottom ? pos().y() + oldSize.height() - height() : pos().y();
    } else {
        m_heldAtBottom = y > lowest;
    }
    m_placed = true;
    y = qMin(y, lowest);
    y = qMax(y, highest);
    move(x, y);
}

} // namespace tolvik
