#include "panel/UndoBar.h"

#include "appearance/LocalizationManager.h"
#include "rows/ElidedTextLabel.h"
#include "rows/FocusRingButton.h"
#include "rows/RowStyle.h"

#include <QCoro/QCoroTask>
#include <QEvent>
#include <QHBoxLayout>
#include <QPainter>
#include <QPointer>
#include <QTimer>

namespace tolvik {

namespace {

constexpr int cornerRadius = 8;
constexpr int horizontalInset = 10;
constexpr int verticalInset = 4;
/// A failure names a file and the system's reason, which may take a few lines.
constexpr int messageLines = 4;

// A title is one line here: its own line breaks and tabs read as spaces.
QString oneLine(QString text)
{
    for (QChar& character : text) {
        if (character == QLatin1Char('\n') || character == QLatin1Char('\r') || character == QLatin1Char('\t')) {
            character = QLatin1Char(' ');
        }
    }
    return text;
}

} // namespace

UndoBar::UndoBar(RemindersViewModel& model, QWidget* parent)
    : QWidget(parent)
    , m_model(model)
    , m_message(new ElidedTextLabel(messageLines, this))
    , m_undo(new FocusRingButton(this))
    , m_hideTimer(new QTimer(this))
{
    setObjectName(QStringLiteral("undoBar"));
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(horizontalInset, verticalInset, verticalInset, verticalInset);
    row->setSpacing(8);
    row->addWidget(m_message, 1, Qt::AlignVCenter);
    row->addWidget(m_undo, 0, Qt::AlignVCenter);
    m_message->installEventFilter(this);

    m_undo->setObjectName(QStringLiteral("undoButton"));
    m_undo->setAutoRaise(true);
    m_undo->setCursor(Qt::PointingHandCursor);
    m_undo->setFocusPolicy(Qt::TabFocus);
    QFont bold = m_undo->font();
    bold.setBold(true);
    m_undo->setFont(bold);
    connect(m_undo, &QToolButton::clicked, this, &UndoBar::undo);

    m_hideTimer->setSingleShot(true);
    m_hideTimer->setInterval(shownForMs);
    connect(m_hideTimer, &QTimer::timeout, this, [this] {
        m_change.reset();
        hide();
    });

    connect(&m_model, &RemindersViewModel::undoableChangeMade, this, &UndoBar::showChange);
    connect(&m_model, &RemindersViewModel::changeFailed, this, &UndoBar::showFailure);
    connect(&m_model, &RemindersViewModel::versionChoiceFailed, this,
            [this](const QString& title, const QString& error) {
                m_change.reset();
                m_title = title;
                m_subtaskCount = 0;
                m_error = error;
                present(Showing::versionFailed);
            });
    refreshColors();
    refreshTexts();
    hide();
}

bool UndoBar::undo()
{
    if (!canUndo()) {
        return false;
    }
    m_undoing = true;
    m_undo->setEnabled(false);
    m_hideTimer->stop();
    const quint64 shown = m_shown;
    const QString reminderID = m_change->reminderID;
    QCoro::connect(m_model.undo(*m_change), this,
                   [this, shown, reminderID](const WriteResult& result) { finishUndo(shown, reminderID, result); });
    return true;
}

bool UndoBar::undoChange(const UndoableChange& change)
{
    if (canUndo() && m_change->reminderID == change.reminderID) {
        return undo();
    }
    // An earlier change than the one offered: the bar keeps offering that one unless this undo fails.
    const QString reminderID = change.reminderID;
    QCoro::connect(m_model.undo(change), this, [this, reminderID](const WriteResult& result) {
        if (result.ok()) {
            Q_EMIT restored(reminderID);
            return;
        }
        m_change.reset();
        m_error = result.error.value_or(QString());
        present(result.changedSince ? Showing::tooLate : Showing::undoFailed);
    });
    return true;
}

void UndoBar::showReopenFailure(const QString& title, const QString& error)
{
    m_change.reset();
    m_title = title;
    m_subtaskCount = 0;
    m_error = error;
    present(Showing::reopenFailed);
}

void UndoBar::finishUndo(quint64 shown, const QString& reminderID, const WriteResult& result)
{
    if (shown != m_shown) {
        return;
    }
    m_undoing = false;
    m_change.reset();
    if (result.ok()) {
        hide();
        Q_EMIT restored(reminderID);
        return;
    }
    m_error = result.error.value_or(QString());
    present(result.changedSince ? Showing::tooLate : Showing::undoFailed);
}

void UndoBar::showChange(const UndoableChange& change)
{
    m_change = change;
    m_kind = change.kind;
    m_title = change.title;
    m_subtaskCount = int(change.subtaskSnapshots.size());
    m_error.clear();
    present(Showing::change);
}

void UndoBar::showFailure(UndoableChange::Kind kind, const QString& title, const QString& error)
{
    m_change.reset();
    m_kind = kind;
    m_title = title;
    m_subtaskCount = 0;
    m_error = error;
    present(Showing::changeFailed);
}

void UndoBar::present(Showing showing)
{
    ++m_shown;
    m_undoing = false;
    m_showing = showing;
    m_undo->setVisible(showing == Showing::change);
    m_undo->setEnabled(true);
    updateMessage();
    QWidget::show();
    m_hideTimer->start();
}

void UndoBar::refreshTexts()
{
    m_undo->setText(localizedString(QStringLiteral("undo.button")));
    updateMessage();
}

QString UndoBar::message() const
{
    return m_message->text();
}

void UndoBar::updateMessage()
{
    const bool completed = m_kind == UndoableChange::Kind::completed;
    const QString title = oneLine(m_title);
    const QFontMetrics metrics(m_message->font());
    const int width = m_message->width();
    // The title is cut, not the words around it, so that the message still reads as a sentence in every language.
    const auto fitted = [&](const QString& around) {
        const int room = width - metrics.horizontalAdvance(around) - metrics.averageCharWidth();
        return metrics.elidedText(title, Qt::ElideRight, qMax(room, 0));
    };
    QString text;
    QString full;
    switch (m_showing) {
    case Showing::change: {
        const QString format =
            completed && m_subtaskCount > 0
                ? localizedString(QStringLiteral("subtasks.undoCompleted"), m_subtaskCount)
                : localizedString(completed ? QStringLiteral("undo.completed") : QStringLiteral("undo.deleted"));
        text = format.arg(fitted(format.arg(QString())));
        full = format.arg(title);
        break;
    }
    case Showing::changeFailed: {
        // The reason may take several lines; the title takes at most one of them.
        const QString format =
            localizedString(completed ? QStringLiteral("undo.completeFailed") : QStringLiteral("undo.deleteFailed"));
        text = format.arg(fitted(QString()), m_error);
        full = format.arg(title, m_error);
        break;
    }
    case Showing::reopenFailed:
    case Showing::versionFailed: {
        const QString format =
            localizedString(m_showing == Showing::reopenFailed ? QStringLiteral("undo.reopenFailed")
                                                               : QStringLiteral("twoDevices.failed"));
        text = format.arg(fitted(QString()), m_error);
        full = format.arg(title, m_error);
        break;
    }
    case Showing::tooLate:
        text = full = localizedString(QStringLiteral("undo.tooLate"));
        break;
    case Showing::undoFailed:
        text = full = localizedString(QStringLiteral("undo.failed")).arg(m_error);
        break;
    }
    m_message->setText(text);
    setToolTip(full);
}

void UndoBar::refreshColors()
{
    // The button reads as the bar's action in the accent colour, on light and dark panels alike.
    QPalette buttonPalette = palette();
    buttonPalette.setColor(QPalette::ButtonText, palette().color(QPalette::Active, QPalette::Highlight));
    m_undo->setPalette(buttonPalette);
}

bool UndoBar::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_message && event->type() == QEvent::Resize) {
        updateMessage();
    }
    return QWidget::eventFilter(watched, event);
}

void UndoBar::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(RowStyle::sectionBoxBorder(palette()), 1));
    painter.setBrush(RowStyle::sectionBoxFill(palette()));
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), cornerRadius, cornerRadius);
}

void UndoBar::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange) {
        refreshColors();
    } else if (event->type() == QEvent::FontChange) {
        updateMessage();
    }
}

} // namespace tolvik
