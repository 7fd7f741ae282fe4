#include "rows/ElidedTextLabel.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QPainter>
#include <QTextLayout>

#include <cmath>

namespace tolvik {

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
        return result;
    }
    const QStringList paragraphs = flat.split(QLatin1Char('\n'));
    qsizetype offset = 0;
    for (const QString& paragraph : paragraphs) {
        if (paragraph.isEmpty()) {
            result.lines.append(QString());
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
                break;
            }
            result.lines.append(paragraph.mid(line.textStart(), line.textLength()).trimmed());
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
        painter.drawText(lineRect, alignment, layout.lines.at(index));
    }
}

} // namespace tolvik
