#include "rows/RowBadges.h"

#include "appearance/DateTexts.h"
#include "appearance/LocalizationManager.h"
#include "appearance/SymbolIcons.h"
#include "rows/AlertTexts.h"
#include "rows/FormFields.h"
#include "rows/RowStyle.h"

#include <QEvent>
#include <QHBoxLayout>
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
    auto* line = new QHBoxLayout(this);
    line->setContentsMargins(0, 0, 0, 0);
    line->setSpacing(spacing);
    m_bell->setObjectName(QStringLiteral("alertBell"));
    m_time->setObjectName(QStringLiteral("alertTime"));
    line->addWidget(m_bell);
    line->addWidget(m_time);
    for (int index = 0; index <= maximumChips; ++index) {
        auto* chip = new TagChip(this);
        chip->setObjectName(QStringLiteral("tagChip"));
        line->addWidget(chip);
        m_chips.append(chip);
    }
    refresh();
}

void RowBadges::setReminder(const ReminderItem& reminder)
{
    m_reminder = reminder;
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
    m_bell->setVisible(bell);
    if (bell) {
        m_bell->setPixmap(SymbolIcons::pixmap(silenced ? QStringLiteral("bell.slash") : QStringLiteral("bell"),
                                              secondary, QSize(side, side), devicePixelRatioF()));
    }
    m_time->setVisible(!time.isEmpty());
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
        chip->setVisible(index < chips.size());
        chip->updateGeometry();
        chip->update();
    }
    setVisible(bell || !chips.isEmpty());
}

void RowBadges::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::FontChange) {
        refresh();
    }
}

} // namespace tolvik
