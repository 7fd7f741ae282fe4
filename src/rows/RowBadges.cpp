#include "rows/RowBadges.h"

#include "appearance/DateTexts.h"
#include "appearance/LocalizationManager.h"
#include "appearance/SymbolIcons.h"
#include "rows/AlertTexts.h"
#include "rows/FormFields.h"
#include "rows/RowStyle.h"

#include <QEvent>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>

namespace tolvik {

namespace {

constexpr int spacing = 4;
constexpr int chipInset = 5;

/// One tag as a small capsule in the accent colour, faint, with the text in the secondary colour.
class TagChip : public QWidget
{
public:
    explicit TagChip(QWidget* parent)
        : QWidget(parent)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    }
    QString text;

    QSize sizeHint() const override
    {
        const QFontMetrics metrics(font());
        return {metrics.horizontalAdvance(text) + 2 * chipInset, metrics.height() + 2};
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        QColor fill = palette().color(QPalette::Active, QPalette::Highlight);
        fill.setAlphaF(0.18F);
        const QRectF capsule = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
        QPainterPath path;
        path.addRoundedRect(capsule, capsule.height() / 2.0, capsule.height() / 2.0);
        painter.fillPath(path, fill);
        painter.setPen(RowStyle::secondaryText(palette()));
        painter.drawText(rect(), Qt::AlignCenter, text);
    }
};

} // namespace

RowBadges::RowBadges(QWidget* parent)
    : QWidget(parent)
    , m_bell(new QLabel(this))
    , m_time(new QLabel(this))
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    m_bell->setObjectName(QStringLiteral("alertBell"));
    m_time->setObjectName(QStringLiteral("alertTime"));
    for (int index = 0; index <= maximumChips; ++index) {
        auto* chip = new TagChip(this);
        chip->setObjectName(QStringLiteral("tagChip"));
        m_chips.append(chip);
    }
    m_twoDevices = new QLabel(this);
    m_twoDevices->setObjectName(QStringLiteral("twoDevicesMark"));
    refresh();
}

void RowBadges::setReminder(const ReminderItem& reminder, bool changedOnTwoDevices)
{
    m_reminder = reminder;
    m_changedOnTwoDevices = changedOnTwoDevices;
    refresh();
}

QString RowBadges::alertText() const
{
    if (!m_reminder.alertAt) {
        return {};
    }
    const QDateTime at = m_reminder.alertAt->toLocalTime();
    // On the due day the time says it all; on another day the date comes with it.
    if (m_reminder.dueDate && m_reminder.dueDate->toLocalTime().date() == at.date()) {
        return QLocale::system().toString(at.time(), timeFieldFormat(QLocale::system()));
    }
    return DateTexts::rowDueDate(at);
}

QStringList RowBadges::chipTexts() const
{
    QStringList texts = m_reminder.categories.mid(0, maximumChips);
    if (m_reminder.categories.size() > maximumChips) {
        texts.append(localizedString(QStringLiteral("tags.more"), int(m_reminder.categories.size()) - maximumChips));
    }
    return texts;
}

QString RowBadges::accessibleText() const
{
    QStringList parts;
    if (m_reminder.alertSilenced && m_reminder.alarms.isEmpty()) {
        parts.append(localizedString(QStringLiteral("alert.silenced")));
    } else if (!alertText().isEmpty()) {
        parts.append(localizedString(QStringLiteral("row.a11y.alert")).arg(alertText()));
    }
    if (!m_reminder.categories.isEmpty()) {
        parts.append(
            localizedString(QStringLiteral("row.a11y.tags")).arg(m_reminder.categories.join(QStringLiteral(", "))));
    }
    if (m_changedOnTwoDevices) {
        parts.append(localizedString(QStringLiteral("twoDevices.badge")));
    }
    return parts.join(QStringLiteral(", "));
}

void RowBadges::refresh()
{
    const QFont small = RowStyle::smallCaptionFont(font());
    const QColor secondary = RowStyle::secondaryText(palette());
    const int side = QFontMetrics(small).height();
    const bool silenced = m_reminder.alertSilenced && m_reminder.alarms.isEmpty();
    const QString time = alertText();
    const bool bell = silenced || !time.isEmpty();
    if (bell) {
        m_bell->setPixmap(SymbolIcons::pixmap(silenced ? QStringLiteral("bell.slash") : QStringLiteral("bell"),
                                              secondary, QSize(side, side), devicePixelRatioF()));
    }
    m_time->setFont(small);
    QPalette dimmed = m_time->palette();
    dimmed.setColor(QPalette::WindowText, secondary);
    m_time->setPalette(dimmed);
    m_time->setText(time);

    const QStringList chips = chipTexts();
    for (int index = 0; index < m_chips.size(); ++index) {
        auto* chip = static_cast<TagChip*>(m_chips.at(index));
        chip->setFont(small);
        chip->text = chips.value(index);
        chip->update();
    }
    if (m_changedOnTwoDevices) {
        m_twoDevices->setPixmap(
            SymbolIcons::pixmap(QStringLiteral("square.on.square"), secondary, QSize(side, side), devicePixelRatioF()));
    }
    setVisible(bell || !chips.isEmpty() || m_changedOnTwoDevices);
    updateGeometry();
    place();
}

QList<QWidget*> RowBadges::wanted() const
{
    QList<QWidget*> marks;
    // First, as the one mark that asks the user to look.
    if (m_changedOnTwoDevices) {
        marks.append(m_twoDevices);
    }
    const bool silenced = m_reminder.alertSilenced && m_reminder.alarms.isEmpty();
    if (silenced || m_reminder.alertAt) {
        marks.append(m_bell);
    }
    if (!m_time->text().isEmpty()) {
        marks.append(m_time);
    }
    for (int index = 0; index < m_chips.size() && index < chipTexts().size(); ++index) {
        marks.append(m_chips.at(index));
    }
    return marks;
}

QSize RowBadges::sizeHint() const
{
    int width = 0;
    int height = 0;
    for (QWidget* mark : wanted()) {
        width += (width > 0 ? spacing : 0) + mark->sizeHint().width();
        height = qMax(height, mark->sizeHint().height());
    }
    return {width, height};
}

QSize RowBadges::minimumSizeHint() const
{
    int width = 0;
    for (QWidget* mark : wanted()) {
        if (mark == m_bell || mark == m_time || mark == m_twoDevices) {
            width += (width > 0 ? spacing : 0) + mark->sizeHint().width();
        }
    }
    return {width, sizeHint().height()};
}

void RowBadges::place()
{
    // A narrow row keeps its due date and the alert's time whole; the tags it has no room for are in the bubble.
    const QList<QWidget*> marks = wanted();
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        child->setVisible(false);
    }
    int x = 0;
    for (QWidget* mark : marks) {
        const QSize size = mark->sizeHint();
        if (x + size.width() > width() && mark != m_bell && mark != m_time && mark != m_twoDevices) {
            break;
        }
        mark->setGeometry(x, (height() - size.height()) / 2, size.width(), size.height());
        mark->setVisible(true);
        x += size.width() + spacing;
    }
}

void RowBadges::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    place();
}

void RowBadges::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::FontChange) {
        refresh();
    }
}

} // namespace tolvik
