#include "rows/ElidedTextLabel.h"

#include "rows/RowStyle.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QPainter>
#include <QTextLayout>

#include <cmath>

namespace tolvik {

namespace {

constexpr qreal highlightRadius = 3;
constexpr qreal highlightPadding = 1;

int leadingSpaces(const QString& text)
{
    int count = 0;
    while (count < text.size() && text.at(count).isSpace()) {
        ++count;
    }
    return count;
}

} // namespace

ElidedTextLabel::ElidedTextLabel(int maximumLines, QWidget* parent)
    : QWidget(parent)
    , m_maximumLines(qMax(1, maximumLines))
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

void ElidedTextLabel::setText(const QString& text)
{
    if (text == m_text) {
        return;
    }
    m_text = text;
    forgetLayouts();
    updateGeometry();
    update();
}

void ElidedTextLabel::setTextColor(const QColor& color)
{
    if (color == m_color) {
        return;
    }
    m_color = color;
    update();
}

void ElidedTextLabel::setHighlights(const QList<std::pair<int, int>>& spans)
{
    if (spans == m_highlights) {
        return;
    }
    m_highlights = spans;
    update();
}

void ElidedTextLabel::forgetLayouts()
{
    m_layouts.clear();
    m_naturalWidth = -1;
}

qreal ElidedTextLabel::naturalWidth() const
{
    if (m_naturalWidth < 0) {
        const QFontMetricsF metrics(font());
        m_naturalWidth = 0;
        const QStringList lines = m_keepsLineBreaks ? m_text.split(QLatin1Char('\n')) : QStringList{m_text};
        for (const QString& line : lines) {
            m_naturalWidth = qMax(m_naturalWidth, metrics.horizontalAdvance(line));
        }
    }
    return m_naturalWidth;
}

void ElidedTextLabel::setKeepsLineBreaks(bool keeps)
{
    m_keepsLineBreaks = keeps;
    forgetLayouts();
    updateGeometry();
}

ElidedTextLabel::Layout ElidedTextLabel::layoutText(int width) const
{
    for (const auto& [cachedWidth, layout] : std::as_const(m_layouts)) {
        if (cachedWidth == width) {
            return layout;
        }
    }
    Layout result = computeLayout(width);
    if (m_layouts.size() == cachedWidths) {
        m_layouts.removeFirst();
    }
    m_layouts.append({width, result});
    return result;
}

ElidedTextLabel::Layout ElidedTextLabel::computeLayout(int width) const
{
    Layout result;
    if (m_text.isEmpty() || width <= 0) {
        return result;
    }
    // Newlines in a title would break the line count; show them as spaces unless the text is meant to keep them.
    QString flat = m_text;
    if (!m_keepsLineBreaks) {
        flat.replace(QLatin1Char('\n'), QLatin1Char(' '));
    }
    // Most titles fit on one line; that needs no line breaking at all. The pixel of slack keeps rounding from
    // deciding a case the line breaker would wrap.
    if (!m_keepsLineBreaks && naturalWidth() + 1 <= width) {
        result.lines.append(flat.trimmed());
        result.starts.append(leadingSpaces(flat));
        return result;
    }
    const QStringList paragraphs = flat.split(QLatin1Char('\n'));
    qsizetype offset = 0;
    for (const QString& paragraph : paragraphs) {
        if (paragraph.isEmpty()) {
            result.lines.append(QString());
            result.starts.append(int(offset));
        }
        // A word wider than the line (a long link, say) breaks anywhere rather than running past the edge.
        QTextLayout layout(paragraph, font());
        QTextOption option;
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        layout.setTextOption(option);
        layout.beginLayout();
        while (!paragraph.isEmpty()) {
            QTextLine line = layout.createLine();
            if (!line.isValid()) {
                break;
            }
            line.setLineWidth(width);
            if (result.lines.size() == m_maximumLines - 1) {
                const QString rest = flat.mid(offset + line.textStart());
                const QString single = QString(rest).replace(QLatin1Char('\n'), QLatin1Char(' '));
                const QString elided = fontMetrics().elidedText(single, Qt::ElideRight, width);
                result.elided = elided != single;
                result.lines.append(elided);
                result.starts.append(int(offset + line.textStart()));
                break;
            }
            const QString text = paragraph.mid(line.textStart(), line.textLength());
            result.lines.append(text.trimmed());
            result.starts.append(int(offset + line.textStart()) + leadingSpaces(text));
        }
        layout.endLayout();
        if (result.lines.size() >= m_maximumLines) {
            break;
        }
        offset += paragraph.size() + 1;
    }
    return result;
}

int ElidedTextLabel::lineCountForWidth(int width) const
{
    return static_cast<int>(layoutText(width).lines.size());
}

bool ElidedTextLabel::isElided() const
{
    return layoutText(width()).elided;
}

int ElidedTextLabel::heightForWidth(int width) const
{
    return qMax(1, lineCountForWidth(width)) * fontMetrics().lineSpacing();
}

QSize ElidedTextLabel::sizeHint() const
{
    const int natural = static_cast<int>(std::ceil(naturalWidth())) + 1;
    return {qMin(natural, 360), heightForWidth(qMin(natural, 360))};
}

QSize ElidedTextLabel::minimumSizeHint() const
{
    return {fontMetrics().averageCharWidth() * 4, fontMetrics().lineSpacing()};
}

void ElidedTextLabel::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange) {
        forgetLayouts();
    }
    QWidget::changeEvent(event);
}

void ElidedTextLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(m_color.isValid() ? m_color : palette().color(QPalette::WindowText));
    const Layout layout = layoutText(width());
    const int lineHeight = fontMetrics().lineSpacing();
    const Qt::Alignment alignment = (isRightToLeft() ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
    for (qsizetype index = 0; index < layout.lines.size(); ++index) {
        const QRect lineRect(0, static_cast<int>(index) * lineHeight, width(), lineHeight);
        const QList<std::pair<int, int>> ranges = highlightsOnLine(layout, index);
        if (!ranges.isEmpty()) {
            drawHighlightedLine(painter, lineRect, layout.lines.at(index), ranges);
        }
        painter.drawText(lineRect, alignment, layout.lines.at(index));
    }
}

QList<std::pair<int, int>> ElidedTextLabel::highlightsOnLine(const Layout& layout, qsizetype line) const
{
    QList<std::pair<int, int>> ranges;
    if (m_highlights.isEmpty()) {
        return ranges;
    }
    const QString& text = layout.lines.at(line);
    const int start = layout.starts.value(line);
    const bool endsInEllipsis = layout.elided && line == layout.lines.size() - 1 && !text.isEmpty();
    // The ellipsis stands for the text cut away: a match that runs into it highlights it too.
    const int shown = endsInEllipsis ? int(text.size()) - 1 : int(text.size());
    for (const auto& [from, to] : m_highlights) {
        const int first = qMax(from, start) - start;
        int last = qMin(to, start + shown) - start;
        if (endsInEllipsis && to > start + shown && from < start + shown) {
            last = int(text.size());
        }
        if (first < last) {
            ranges.append({first, last});
        }
    }
    return ranges;
}

void ElidedTextLabel::drawHighlightedLine(QPainter& painter, const QRect& lineRect, const QString& line,
                                          const QList<std::pair<int, int>>& ranges) const
{
    // Laid out as drawText lays it out, so that the marks sit under the very glyphs, in either direction.
    QTextLayout layout(line, font());
    QTextOption option((isRightToLeft() ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
    option.setTextDirection(layoutDirection());
    option.setWrapMode(QTextOption::NoWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    QTextLine textLine = layout.createLine();
    if (!textLine.isValid()) {
        layout.endLayout();
        return;
    }
    textLine.setLineWidth(lineRect.width());
    layout.endLayout();
    const QColor fill = RowStyle::searchHighlight(palette());
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    const QFontMetricsF metrics(font());
    const qreal top = lineRect.top() + (lineRect.height() - metrics.height()) / 2;
    for (const auto& [from, to] : ranges) {
        const qreal x1 = textLine.cursorToX(from);
        const qreal x2 = textLine.cursorToX(to);
        const QRectF mark(qMin(x1, x2) - highlightPadding, top, qAbs(x2 - x1) + 2 * highlightPadding, metrics.height());
        painter.drawRoundedRect(mark, highlightRadius, highlightRadius);
    }
    painter.restore();
}

QStringList ElidedTextLabel::shownHighlights() const
{
    QStringList parts;
    const Layout layout = layoutText(width());
    for (qsizetype index = 0; index < layout.lines.size(); ++index) {
        for (const auto& [from, to] : highlightsOnLine(layout, index)) {
            parts.append(layout.lines.at(index).mid(from, to - from));
        }
    }
    return parts;
}

} // namespace tolvik
