#pragma once

#include <QElapsedTimer>
#include <QPointer>
#include <QWidget>

#include <optional>

class QGraphicsDropShadowEffect;
class QGraphicsOpacityEffect;
class QVariantAnimation;

namespace tolvik {

/// The property in which a window that knows the screen's free area better than Qt does (a layer surface on
/// Wayland, where Qt knows nothing of the bars) holds it, as a QRect; its popovers keep inside it.
inline constexpr const char* availableAreaProperty = "availableArea";

/// A frameless window anchored beside a widget, with a translucent rounded background and a soft shadow. It hosts
/// the add and edit forms (`popup`: takes the keyboard, closes on a click outside or Escape) and the detail bubble
/// (`bubble`: never takes focus or the pointer, fades in and out). Its width is set by the owner; its height follows
/// the content and it stays beside its anchor as it grows.
class PopoverWindow : public QWidget
{
    Q_OBJECT

public:
    enum class Kind
    {
        popup,
        bubble,
    };
    /// Which side of the anchor the window prefers, in reading direction; it flips when the screen has no room.
    enum class Side
    {
        leading,
        trailing,
    };

    static constexpr int cornerRadius = 12;
    static constexpr int fadeMilliseconds = 150;
    static constexpr int anchorGap = 10;

    explicit PopoverWindow(Kind kind, QWidget* parent = nullptr);

    Kind kind() const { return m_kind; }

    /// Takes ownership of the content.
    void setContent(QWidget* content);
    QWidget* content() const { return m_content; }
    /// The width the content gets; a content that needs more (its minimum size) gets what it needs.
    void setContentWidth(int width);
    /// For content that sizes itself: its preferred width, but never more than this.
    void setMaximumContentWidth(int width);

    /// Shows the window beside `anchor`, taking the anchor's palette; fades in when it is a bubble.
    void present(QWidget* anchor, Side side);
    /// Hides the window, after a fade when `animated`.
    void dismiss(bool animated = false);
    /// Shown and not fading out.
    bool isPresented() const;
    /// How far faded in: 0 is unseen, 1 is whole.
    qreal fadeLevel() const { return m_fadeLevel; }
    QWidget* anchor() const { return m_anchor; }

    /// Where a window of `size`, whose surface sits `shadow` inside it, goes beside `anchor`: `anchorGap` from it on
    /// the preferred side, or the other where only that fits in `bounds`, centred on the anchor's height. Without
    /// bounds (the compositor keeps it on screen) it stays on the preferred side.
    static QPoint besideAnchor(const QRect& anchor, const QSize& size, const QMargins& shadow, bool preferRight,
                               const std::optional<QRect>& bounds);

Q_SIGNALS:
    /// The window was hidden, for whatever reason: a click outside, Escape, or `dismiss`.
    void closed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    bool canFade() const;
    /// Shows the window at `level` of its opacity: by the window's own opacity where the platform sets one, else
    /// by painting its content with that alpha.
    void setFadeLevel(qreal level);
    QMargins shadowSpace() const;
    void applySurfaceMode();
    /// Notes when a drop-down or menu inside the content closes, so that its Escape does not close this too.
    void watchInnerPopups();
    void relayout();
    /// Puts the window beside its anchor; `oldSize` is the size before a resize of the shown window.
    void place(const QSize& oldSize = QSize());

    Kind m_kind;
    /// Holds the surface and the room for its shadow; it is what gets painted with alpha while fading.
    QWidget* m_fader;
    QWidget* m_surface;
    QWidget* m_content = nullptr;
    QGraphicsDropShadowEffect* m_shadow;
    QGraphicsOpacityEffect* m_paintedFade;
    QVariantAnimation* m_fade;
    qreal m_fadeLevel = 1.0;
    QPointer<QWidget> m_anchor;
    Side m_side = Side::trailing;
    int m_contentWidth = 0;
    int m_maximumContentWidth = 0;
    bool m_translucent = true;
    bool m_fadingOut = false;
    bool m_placed = false;
    QElapsedTimer m_innerPopupClosed;
    bool m_heldAtBottom = false;
};

} // namespace tolvik
