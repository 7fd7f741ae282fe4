#include "panel/PanelHeader.h"

#include "appearance/DateTexts.h"
#include "appearance/LocalizationManager.h"
#include "appearance/Preferences.h"
#include "appearance/SymbolIcons.h"
#include "rows/FocusRingButton.h"
#include "rows/PopoverSurface.h"
#include "rows/RowStyle.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPainterPath>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace tolvik {

namespace {

/// Three dots in a row: the usual sign of a menu with more commands.
QIcon moreIcon(const QColor& color, int side, qreal ratio)
{
    QPixmap pixmap(QSize(side, side) * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(color);
    const qreal radius = side / 10.0;
    for (int dot = -1; dot <= 1; ++dot) {
        painter.drawEllipse(QPointF(side / 2.0 + dot * side * 0.3, side / 2.0), radius, radius);
    }
    painter.end();
    return QIcon(pixmap);
}

} // namespace

/// A small indeterminate progress ring that turns while it is visible.
class BusySpinner : public QWidget
{
public:
    static constexpr int size = 16;

    explicit BusySpinner(QWidget* parent)
        : QWidget(parent)
        , m_timer(new QTimer(this))
    {
        setFixedSize(size, size);
        m_timer->setInterval(50);
        connect(m_timer, &QTimer::timeout, this, [this] {
            m_angle = (m_angle + 30) % 360;
            update();
        });
    }

protected:
    void showEvent(QShowEvent* event) override
    {
        QWidget::showEvent(event);
        m_timer->start();
    }
    void hideEvent(QHideEvent* event) override
    {
        QWidget::hideEvent(event);
        m_timer->stop();
    }
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        QPen pen(RowStyle::secondaryText(palette()), 2, Qt::SolidLine, Qt::RoundCap);
        painter.setPen(pen);
        const QRectF ring = QRectF(rect()).adjusted(2, 2, -2, -2);
        painter.drawArc(ring, -m_angle * 16, 270 * 16);
    }

private:
    QTimer* m_timer;
    int m_angle = 0;
};

/// The date line: the full date where it fits, else the date with the weekday abbreviated, else that cut short
/// with "…". A German "Donnerstag, 10. Dez." is wider than the compact panel, and a clipped date reads as broken.
class DateLine : public QLabel
{
public:
    explicit DateLine(QWidget* parent)
        : QLabel(parent)
    {
        setTextFormat(Qt::PlainText);
    }

    void setDates(const QString& full, const QString& shortened)
    {
        m_full = full;
        m_short = shortened;
        setToolTip(full);
        fit();
        updateGeometry();
    }

    QSize sizeHint() const override { return {fontMetrics().horizontalAdvance(m_full), QLabel::sizeHint().height()}; }
    QSize minimumSizeHint() const override { return {0, QLabel::minimumSizeHint().height()}; }

protected:
    void resizeEvent(QResizeEvent* event) override
    {
        QLabel::resizeEvent(event);
        fit();
    }
    void showEvent(QShowEvent* event) override
    {
        QLabel::showEvent(event);
        fit();
    }
    void changeEvent(QEvent* event) override
    {
        QLabel::changeEvent(event);
        if (event->type() == QEvent::FontChange) {
            fit();
        }
    }

private:
    void fit()
    {
        const int room = contentsRect().width();
        const QFontMetrics metrics = fontMetrics();
        QString shown = m_full;
        // Until it is shown, the label has no width of its own to fit.
        if (isVisible() && metrics.horizontalAdvance(m_full) > room) {
            shown = metrics.horizontalAdvance(m_short) <= room ? m_short
                                                               : metrics.elidedText(m_short, Qt::ElideRight, room);
        }
        if (shown != text()) {
            setText(shown);
        }
    }

    QString m_full;
    QString m_short;
};

PanelHeader::PanelHeader(QWidget* parent)
    : QWidget(parent)
    , m_icon(new QLabel(this))
    , m_date(new DateLine(this))
    , m_summary(new QLabel(this))
    , m_spinner(new BusySpinner(this))
    , m_searchButton(new FocusRingButton(this))
    , m_moreButton(new FocusRingButton(this))
{
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(spacing);
    // Room for the icon's shadow, which falls 2 below and blurs 3 around.
    m_icon->setFixedSize(iconSize + 6, iconSize + 6);
    m_icon->setAlignment(Qt::AlignCenter);
    row->addWidget(m_icon, 0, Qt::AlignVCenter);

    auto* lines = new QVBoxLayout;
    lines->setContentsMargins(0, 0, 0, 0);
    lines->setSpacing(4);
    QFont dateFont = font();
    dateFont.setPixelSize(dateFontPixels);
    dateFont.setWeight(QFont::DemiBold);
    m_date->setFont(dateFont);
    m_summary->setTextFormat(Qt::PlainText);
    lines->addWidget(m_date);
    lines->addWidget(m_summary);
    row->addLayout(lines, 1);
    row->addWidget(m_spinner, 0, Qt::AlignVCenter);
    m_spinner->hide();
    m_searchButton->setObjectName(QStringLiteral("searchButton"));
    m_searchButton->setAutoRaise(true);
    m_searchButton->setCursor(Qt::PointingHandCursor);
    m_searchButton->setFocusPolicy(Qt::TabFocus);
    connect(m_searchButton, &QToolButton::clicked, this, &PanelHeader::searchRequested);
    // The two buttons sit close together, so that the date keeps its room.
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(0);
    buttons->addWidget(m_searchButton, 0, Qt::AlignVCenter);
    m_moreButton->setObjectName(QStringLiteral("moreButton"));
    m_moreButton->setAutoRaise(true);
    m_moreButton->setCursor(Qt::PointingHandCursor);
    m_moreButton->setFocusPolicy(Qt::TabFocus);
    connect(m_moreButton, &QToolButton::clicked, this, &PanelHeader::openMoreMenu);
    buttons->addWidget(m_moreButton, 0, Qt::AlignVCenter);
    row->addLayout(buttons);
    refreshIcon();
    refreshTexts();
}

QString PanelHeader::summaryText(int reminderCount)
{
    if (reminderCount == 0) {
        return localizedString(QStringLiteral("summary.zero"));
    }
    return localizedString(QStringLiteral("summary.count"), reminderCount);
}

void PanelHeader::render(const QDateTime& now, const QString& storedLanguage, int reminderCount)
{
    const QLocale locale = LocalizationManager::displayLocale(storedLanguage);
    m_date->setDates(DateTexts::headerDate(now, locale), DateTexts::shortHeaderDate(now, locale));
    m_summary->setText(summaryText(reminderCount));
    refreshTexts();
}

void PanelHeader::refreshTexts()
{
    m_searchButton->setToolTip(localizedString(QStringLiteral("search.button")));
    m_searchButton->setAccessibleName(localizedString(QStringLiteral("search.placeholder")));
    m_moreButton->setToolTip(localizedString(QStringLiteral("menu.more")));
    m_moreButton->setAccessibleName(localizedString(QStringLiteral("menu.more")));
}

QMenu* PanelHeader::createMoreMenu()
{
    auto* menu = new QMenu(this);
    // A menu is a window of its own and would show the desktop's colours on a night panel.
    menu->setPalette(PopoverSurface::explicitPalette(palette()));
    QAction* showCompleted = menu->addAction(localizedString(QStringLiteral("menu.showCompleted")));
    showCompleted->setCheckable(true);
    showCompleted->setChecked(Preferences::shared().boolean(PreferenceKey::showCompleted).value_or(false));
    connect(showCompleted, &QAction::toggled, this,
            [](bool shown) { Preferences::shared().setBoolean(PreferenceKey::showCompleted, shown); });
    return menu;
}

void PanelHeader::openMoreMenu()
{
    QMenu* menu = createMoreMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(m_moreButton->mapToGlobal(QPoint(0, m_moreButton->height())));
    // From the keyboard the first item is ready for Return or Space.
    menu->setActiveAction(menu->actions().value(0));
}

void PanelHeader::setSyncing(bool syncing)
{
    m_spinner->setVisible(syncing);
}

QLabel* PanelHeader::dateLabel() const
{
    return m_date;
}

bool PanelHeader::isSpinnerShown() const
{
    return !m_spinner->isHidden();
}

void PanelHeader::refreshIcon()
{
    // The icon clipped to a rounded square over a soft shadow, drawn once per palette or scale change.
    const qreal ratio = devicePixelRatioF();
    const QSize canvas = m_icon->size();
    QPixmap pixmap(canvas * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF square((canvas.width() - iconSize) / 2.0, (canvas.height() - iconSize) / 2.0 - 1, iconSize, iconSize);
    for (int step = 3; step >= 1; --step) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0, 0, 0, 28));
        painter.drawRoundedRect(square.translated(0, 2).adjusted(-step * 0.5, -step * 0.5, step * 0.5, step * 0.5),
                                iconCornerRadius + step * 0.5, iconCornerRadius + step * 0.5);
    }
    QPainterPath clip;
    clip.addRoundedRect(square, iconCornerRadius, iconCornerRadius);
    painter.setClipPath(clip);
    painter.drawImage(square, SymbolIcons::appIconImage(QSize(iconSize, iconSize), ratio));
    painter.end();
    m_icon->setPixmap(pixmap);

    const int side = QFontMetrics(RowStyle::captionFont(font())).height() + 2;
    m_searchButton->setIcon(SymbolIcons::icon(QStringLiteral("magnifyingglass"), RowStyle::secondaryText(palette())));
    m_searchButton->setIconSize(QSize(side, side));
    m_moreButton->setIcon(moreIcon(RowStyle::secondaryText(palette()), side, devicePixelRatioF()));
    m_moreButton->setIconSize(QSize(side, side));

    m_summary->setFont(RowStyle::captionFont(font()));
    QPalette dimmed = m_summary->palette();
    dimmed.setColor(QPalette::WindowText, RowStyle::secondaryText(palette()));
    m_summary->setPalette(dimmed);
}

void PanelHeader::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::FontChange) {
        refreshIcon();
    }
}

} // namespace tolvik
