#include "settings/SettingsSection.h"

#include "appearance/AppTheme.h"
#include "appearance/SymbolIcons.h"
#include "settings/SettingsStyle.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

namespace tolvik {

namespace {
constexpr int iconSize = 16;
}

SettingsSection::SettingsSection(const QString& symbolName, QWidget* parent)
    : QWidget(parent)
    , m_symbolName(symbolName)
    , m_icon(new QLabel(this))
    , m_title(makeStyledLabel(TextStyle::headline, false, this))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(6);

    m_header = new QHBoxLayout;
    m_header->setContentsMargins(4, 0, 4, 0);
    m_header->setSpacing(6);
    m_icon->setFixedSize(iconSize, iconSize);
    m_header->addWidget(m_icon, 0, Qt::AlignVCenter);
    m_header->addWidget(m_title, 1, Qt::AlignVCenter);
    layout->addLayout(m_header);

    auto* card = new SectionCard(this);
    m_content = new QVBoxLayout(card);
    m_content->setContentsMargins(12, 10, 12, 10);
    m_content->setSpacing(8);
    layout->addWidget(card);

    tintIcon();
}

void SettingsSection::setTitle(const QString& title)
{
    m_title->setText(title);
}

void SettingsSection::addHeaderWidget(QWidget* widget)
{
    m_header->addWidget(widget, 0, Qt::AlignVCenter);
}

QString SettingsSection::title() const
{
    return m_title->text();
}

void SettingsSection::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::PaletteChange) {
        tintIcon();
    }
    QWidget::changeEvent(event);
}

void SettingsSection::tintIcon()
{
    const qreal ratio = devicePixelRatioF();
    m_icon->setPixmap(
        SymbolIcons::pixmap(m_symbolName, palette().color(QPalette::WindowText), QSize(iconSize, iconSize), ratio));
}

SectionCard::SectionCard(QWidget* parent)
    : QFrame(parent)
{}

void SectionCard::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const bool dark = ThemePalette::isDark(palette());
    // A card a shade lighter than the window in both schemes, edged with a hairline.
    QColor fill = palette().color(QPalette::Window);
    fill = dark ? fill.lighter(135) : fill.lighter(104);
    QColor edge = palette().color(QPalette::WindowText);
    edge.setAlphaF(dark ? 0.16 : 0.12);
    painter.setPen(QPen(edge, 1));
    painter.setBrush(fill);
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 8, 8);
}

} // namespace tolvik
