#include "panel/SubtaskQuestion.h"

#include "appearance/LocalizationManager.h"
#include "rows/ElidedTextLabel.h"
#include "rows/FocusRingButton.h"
#include "rows/RowStyle.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPainter>
#include <QVBoxLayout>

namespace tolvik {

namespace {

constexpr int cornerRadius = 8;
constexpr int inset = 8;
constexpr int messageLines = 3;

} // namespace

SubtaskQuestion::SubtaskQuestion(QWidget* parent)
    : QWidget(parent)
    , m_message(new ElidedTextLabel(messageLines, this))
    , m_all(new FocusRingButton(this))
    , m_onlyThis(new FocusRingButton(this))
    , m_cancel(new FocusRingButton(this))
{
    setObjectName(QStringLiteral("subtaskQuestion"));
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(inset + 2, inset, inset, inset);
    column->setSpacing(4);
    column->addWidget(m_message);
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(4);
    buttons->addStretch(1);
    for (QToolButton* button : {m_cancel, m_onlyThis, m_all}) {
        button->setAutoRaise(true);
        button->setCursor(Qt::PointingHandCursor);
        button->setFocusPolicy(Qt::StrongFocus);
        buttons->addWidget(button);
    }
    column->addLayout(buttons);
    m_all->setObjectName(QStringLiteral("completeAllButton"));
    m_onlyThis->setObjectName(QStringLiteral("completeOnlyThisButton"));
    m_cancel->setObjectName(QStringLiteral("cancelCompletionButton"));
    QFont bold = m_all->font();
    bold.setBold(true);
    m_all->setFont(bold);
    setTabOrder(m_all, m_onlyThis);
    setTabOrder(m_onlyThis, m_cancel);

    connect(m_all, &QToolButton::clicked, this, [this] { answer(true); });
    connect(m_onlyThis, &QToolButton::clicked, this, [this] { answer(false); });
    connect(m_cancel, &QToolButton::clicked, this, &SubtaskQuestion::cancel);
    refreshColors();
    refreshTexts();
    hide();
}

void SubtaskQuestion::ask(const QString& reminderID, const QString& title, int openSubtasks)
{
    m_reminderID = reminderID;
    m_title = title.simplified();
    m_openSubtasks = openSubtasks;
    refreshTexts();
    show();
    m_all->setFocus(Qt::OtherFocusReason);
}

void SubtaskQuestion::cancel()
{
    if (!isAsking()) {
        return;
    }
    const QString id = std::exchange(m_reminderID, QString());
    hide();
    Q_EMIT cancelled(id);
}

void SubtaskQuestion::answer(bool withSubtasks)
{
    if (!isAsking()) {
        return;
    }
    const QString id = std::exchange(m_reminderID, QString());
    hide();
    Q_EMIT answered(id, withSubtasks);
}

QString SubtaskQuestion::message() const
{
    return m_message->text();
}

void SubtaskQuestion::refreshTexts()
{
    m_message->setText(localizedString(QStringLiteral("subtasks.question"), m_openSubtasks)
                           .arg(m_title.isEmpty() ? QString() : m_title));
    setAccessibleName(m_message->text());
    m_all->setText(localizedString(QStringLiteral("subtasks.question.all")));
    m_onlyThis->setText(localizedString(QStringLiteral("subtasks.question.onlyThis")));
    m_cancel->setText(localizedString(QStringLiteral("subtasks.question.cancel")));
}

void SubtaskQuestion::refreshColors()
{
    QPalette accent = palette();
    accent.setColor(QPalette::ButtonText, palette().color(QPalette::Active, QPalette::Highlight));
    m_all->setPalette(accent);
    m_onlyThis->setPalette(accent);
}

void SubtaskQuestion::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        cancel();
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void SubtaskQuestion::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(RowStyle::sectionBoxBorder(palette()), 1));
    painter.setBrush(RowStyle::sectionBoxFill(palette()));
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), cornerRadius, cornerRadius);
}

void SubtaskQuestion::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange) {
        refreshColors();
    }
}

} // namespace tolvik
