#include "settings/ListToggleRow.h"

#include "appearance/LocalizationManager.h"
#include "settings/SettingsStyle.h"

#include <QCheckBox>
#include <QContextMenuEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QToolButton>
#include <QVBoxLayout>

namespace tolvik {

namespace {

/// A filled circle of 10 points.
class ColorDot : public QWidget
{
public:
    explicit ColorDot(QWidget* parent)
        : QWidget(parent)
    {
        setFixedSize(10, 10);
    }

    void setColor(const QColor& color)
    {
        m_color = color;
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(m_color);
        painter.drawEllipse(QRectF(rect()));
    }

private:
    QColor m_color;
};

} // namespace

ListToggleRow::ListToggleRow(QWidget* parent)
    : QWidget(parent)
    , m_toggle(new QCheckBox(this))
    , m_dot(new ColorDot(this))
    , m_name(makeStyledLabel(TextStyle::body, false, this))
    , m_account(makeStyledLabel(TextStyle::caption, true, this))
    , m_more(new QToolButton(this))
{
    m_more->setText(QString(QChar(0x2026)));
    m_more->setAutoRaise(true);
    m_more->setCursor(Qt::PointingHandCursor);
    m_more->setToolTip(localizedString(QStringLiteral("list.more")));
    m_more->setAccessibleName(m_more->toolTip());
    connect(m_more, &QToolButton::clicked, this,
            [this] { Q_EMIT menuRequested(m_more->mapToGlobal(QPoint(0, m_more->height()))); });
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(8);
    layout->addWidget(m_toggle, 0, Qt::AlignVCenter);
    layout->addWidget(m_dot, 0, Qt::AlignVCenter);
    auto* texts = new QVBoxLayout;
    texts->setContentsMargins(0, 0, 0, 0);
    texts->setSpacing(0);
    texts->addWidget(m_name);
    texts->addWidget(m_account);
    layout->addLayout(texts, 1);
    layout->addWidget(m_more, 0, Qt::AlignVCenter);
}

void ListToggleRow::setList(const ReminderList& list)
{
    m_list = list;
    m_listID = list.id;
    m_color = list.color;
    static_cast<ColorDot*>(m_dot)->setColor(list.color);
    m_name->setText(list.name);
    m_account->setText(list.accountName);
    m_toggle->setAccessibleName(list.name);
}

QString ListToggleRow::nameText() const
{
    return m_name->text();
}

QString ListToggleRow::accountText() const
{
    return m_account->text();
}

void ListToggleRow::contextMenuEvent(QContextMenuEvent* event)
{
    Q_EMIT menuRequested(event->globalPos());
    event->accept();
}

void ListToggleRow::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        m_toggle->click();
        event->accept();
        return;
    }
    QWidget::mouseReleaseEvent(event);
}

} // namespace tolvik
