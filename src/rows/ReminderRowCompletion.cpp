// A completed reminder in its row: the filled check that marks it not completed again, the greyed title and the line
// that says when it was completed.
#include "rows/ReminderRow.h"

#include "appearance/DateTexts.h"
#include "appearance/LocalizationManager.h"
#include "model/RemindersViewModel.h"
#include "rows/ElidedTextLabel.h"

#include <QMetaMethod>
#include <QPainter>
#include <QPainterPath>
#include <QToolButton>

namespace tolvik {

namespace {

constexpr int checkSide = 16;

/// A filled circle with a check in it, in the greyed text colour of a completed row; drawn here so that it follows
/// the palette in either theme.
class CheckButton : public QToolButton
{
public:
    explicit CheckButton(QWidget* parent)
        : QToolButton(parent)
    {
        setObjectName(QStringLiteral("checkButton"));
        setFixedSize(checkSide, checkSide);
        setAutoRaise(true);
        setCursor(Qt::PointingHandCursor);
        // Space on the row does the same; Tab keeps to the lists' buttons.
        setFocusPolicy(Qt::NoFocus);
        hide();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        QColor fill = underMouse() ? palette().color(QPalette::WindowText) : RowStyle::secondaryText(palette());
        const QRectF circle = QRectF(rect()).adjusted(1, 1, -1, -1);
        painter.setPen(Qt::NoPen);
        painter.setBrush(fill);
        painter.drawEllipse(circle);
        // The mark is cut out of the fill in the window's colour, so that it reads on light and dark material alike.
        painter.setPen(QPen(palette().color(QPalette::Window), 1.7, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(Qt::NoBrush);
        const QPointF c = circle.center();
        const qreal r = circle.width() / 2;
        QPainterPath mark;
        mark.moveTo(c.x() - r * 0.45, c.y() + r * 0.02);
        mark.lineTo(c.x() - r * 0.1, c.y() + r * 0.36);
        mark.lineTo(c.x() + r * 0.48, c.y() - r * 0.3);
        painter.drawPath(mark);
    }
};

} // namespace

QToolButton* ReminderRow::createCheckButton(QWidget* parent)
{
    return new CheckButton(parent);
}

QString ReminderRow::completedText() const
{
    if (!m_reminder.isCompleted) {
        return {};
    }
    if (!m_reminder.completionDate || !m_reminder.completionDate->isValid()) {
        return localizedString(QStringLiteral("completed.onDate")).arg(QString()).trimmed();
    }
    const QDateTime when = m_reminder.completionDate->toLocalTime();
    const QDate today = m_clock().toLocalTime().date();
    if (when.date() == today) {
        return localizedString(QStringLiteral("completed.today")).arg(DateTexts::shortTime(when));
    }
    if (when.date() == today.addDays(-1)) {
        return localizedString(QStringLiteral("completed.yesterday")).arg(DateTexts::shortTime(when));
    }
    return localizedString(QStringLiteral("completed.onDate")).arg(DateTexts::rowDueDate(when));
}

void ReminderRow::refreshCompletion()
{
    m_check->setVisible(m_reminder.isCompleted);
    if (m_reminder.isCompleted) {
        m_check->setAccessibleName(localizedString(QStringLiteral("completed.a11y.check")).arg(m_reminder.title));
        m_check->setToolTip(localizedString(QStringLiteral("button.markNotCompleted")));
        m_check->update();
    }
}

void ReminderRow::reopen()
{
    if (!m_reminder.isCompleted) {
        return;
    }
    if (isSignalConnected(QMetaMethod::fromSignal(&ReminderRow::reopenRequested))) {
        Q_EMIT reopenRequested(m_reminder.id);
        return;
    }
    m_model->reopenReminder(m_reminder.id);
}

} // namespace tolvik
