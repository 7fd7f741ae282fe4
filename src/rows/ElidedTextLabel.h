#pragma once

#include <QColor>
#include <QList>
#include <QString>
#include <QStringList>
#include <QWidget>

class QPainter;

#include <utility>

namespace tolvik {

/// Wrapped text of at most a few lines; the last line ends in an ellipsis when the text does not fit. Ignores the
/// mouse, so that the row beneath it receives hover, clicks and drags across its whole rectangle.
class ElidedTextLabel : public QWidget
{
    Q_OBJECT

public:
    explicit ElidedTextLabel(int maximumLines, QWidget* parent = nullptr);

    QString text() const { return m_text; }
    void setText(const QString& text);
    QColor textColor() const { return m_color; }
    /// Whether the text's own line breaks start new lines (notes) instead of reading as spaces (titles).
    void setKeepsLineBreaks(bool keeps);
    void setTextColor(const QColor& color);

    /// Spans [start, end) of the text drawn on a highlight, in order and without overlaps; none by default.
    void setHighlights(const QList<std::pair<int, int>>& spans);
    QList<std::pair<int, int>> highlights() const { return m_highlights; }
    /// The highlighted parts as drawn, after wrapping and eliding: for a check that the highlight stays visible.
    QStringList shownHighlights() const;

    /// How many lines the text takes at `width`, at most the maximum.
    int lineCountForWidth(int width) const;
    /// Whether the text had to be cut at the current width.
    bool isElided() const;

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    struct Layout
    {
        QStringList lines;
        /// Where each line starts in the text, so that a highlight finds its place after wrapping and trimming.
        QList<int> starts;
        bool elided = false;
    };
    /// The highlighted ranges [start, end) of one drawn line, in the line's own positions.
    QList<std::pair<int, int>> highlightsOnLine(const Layout& layout, qsizetype line) const;
    void drawHighlightedLine(QPainter& painter, const QRect& lineRect, const QString& line,
                             const QList<std::pair<int, int>>& ranges) const;
    Layout layoutText(int width) const;
    Layout computeLayout(int width) const;
    qreal naturalWidth() const;
    void forgetLayouts();

    int m_maximumLines;
    bool m_keepsLineBreaks = false;
    QString m_text;
    QColor m_color;
    QList<std::pair<int, int>> m_highlights;
    // Layouts asked for each row many times over while the panel lays out: shaping text is the costly part, so the
    // last few widths are kept until the text or the font changes.
    static constexpr int cachedWidths = 3;
    mutable QList<std::pair<int, Layout>> m_layouts;
    mutable qreal m_naturalWidth = -1;
};

} // namespace tolvik
