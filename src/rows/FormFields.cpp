#include "rows/FormFields.h"

#include <QAbstractTextDocumentLayout>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QStylePainter>
#include <QTextLayout>

namespace tolvik {

GrowingTextEdit::GrowingTextEdit(QWidget* parent)
    : QTextEdit(parent)
{
    setAcceptRichText(false);
    setTabChangesFocus(true);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    connect(document()->documentLayout(), &QAbstractTextDocumentLayout::documentSizeChanged, this,
            [this] { updateGeometry(); });
}

QSize GrowingTextEdit::sizeHint() const
{
    const int minimumText = 2 * fontMetrics().lineSpacing() + 2 * qRound(document()->documentMargin());
    const int text = qMax(minimumText, qCeil(document()->size().height()));
    return {QTextEdit::sizeHint().width(), text + 2 * frameWidth()};
}

QSize GrowingTextEdit::minimumSizeHint() const
{
    return {60, sizeHint().height()};
}

int fullLineHeight(const QFont& font, const QString& text)
{
    QTextLayout layout(text, font);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    if (line.isValid()) {
        // Only a laid-out line knows which fonts its glyphs came from, and so its height.
        line.setNumColumns(text.size());
    }
    layout.endLayout();
    return line.isValid() ? qCeil(line.height()) : QFontMetrics(font).height();
}

FormPicker::FormPicker(QWidget* parent)
    : QComboBox(parent)
{
    connect(this, &QComboBox::currentTextChanged, this, [this] { updateToolTip(); });
}

int FormPicker::textRoom() const
{
    QStyleOptionComboBox option;
    initStyleOption(&option);
    return style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this).width();
}

QString FormPicker::shownText() const
{
    return fontMetrics().elidedText(currentText(), Qt::ElideRight, textRoom());
}

void FormPicker::updateToolTip()
{
    setToolTip(shownText() != currentText() ? currentText() : QString());
}

void FormPicker::paintEvent(QPaintEvent*)
{
    // As QComboBox paints itself, with the label cut short where the style would clip it mid-word.
    QStylePainter painter(this);
    painter.setPen(palette().color(QPalette::Text));
    QStyleOptionComboBox option;
    initStyleOption(&option);
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    option.currentText = shownText();
    painter.drawControl(QStyle::CE_ComboBoxLabel, option);
}

void FormPicker::resizeEvent(QResizeEvent* event)
{
    QComboBox::resizeEvent(event);
    updateToolTip();
}

QSize FormPicker::sizeHint() const
{
    return withFullHeight(QComboBox::sizeHint());
}

QSize FormPicker::minimumSizeHint() const
{
    return withFullHeight(QComboBox::minimumSizeHint());
}

QSize FormPicker::withFullHeight(QSize size) const
{
    int text = fontMetrics().height();
    for (int index = 0; index < count(); ++index) {
        text = qMax(text, fullLineHeight(font(), itemText(index)));
    }
    QStyleOptionComboBox option;
    initStyleOption(&option);
    // A little room above and below the glyphs, as the style gives Latin text.
    const int needed = style()->sizeFromContents(QStyle::CT_ComboBox, &option, QSize(0, text), this).height() + 2;
    size.setHeight(qMax(size.height(), needed));
    return size;
}

FormButton::FormButton(QWidget* parent)
    : QPushButton(parent)
{}

void FormButton::paintEvent(QPaintEvent* event)
{
    QPushButton::paintEvent(event);
    if (!hasFocus()) {
        return;
    }
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor ring =
        isDefault() ? palette().color(QPalette::ButtonText) : palette().color(QPalette::Active, QPalette::Highlight);
    painter.setPen(QPen(ring, 1.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(rect()).adjusted(3, 3, -3, -3), 3, 3);
}

TimeField::TimeField(QWidget* parent)
    : QTimeEdit(parent)
{
    lineEdit()->installEventFilter(this);
}

bool TimeField::eventFilter(QObject* watched, QEvent* event)
{
    const bool handled = QTimeEdit::eventFilter(watched, event);
    if (watched == lineEdit() && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton && !lineEdit()->hasSelectedText() &&
        currentSection() != QDateTimeEdit::NoSection) {
        setSelectedSection(currentSection());
    }
    return handled;
}

QString timeFieldFormat(const QLocale& locale)
{
    const QString pattern = locale.timeFormat(QLocale::ShortFormat);
    QString format;
    bool quoted = false;
    for (int index = 0; index < pattern.size(); ++index) {
        const QChar character = pattern.at(index);
        if (character == QLatin1Char('\'')) {
            quoted = !quoted;
        }
        if (!quoted && (character == QLatin1Char('s') || character == QLatin1Char('z'))) {
            // Drop the seconds (and milliseconds) with the separator before them.
            while (!format.isEmpty() && !format.back().isLetter() && format.back() != QLatin1Char('\'')) {
                format.chop(1);
            }
            while (index + 1 < pattern.size() && pattern.at(index + 1) == character) {
                ++index;
            }
            continue;
        }
        // Some locales write their day period as "B", which a time field would print as a letter.
        if (!quoted && character == QLatin1Char('B')) {
            format += QStringLiteral("AP");
        } else {
            format += character;
        }
    }
    return format;
}

} // namespace tolvik
