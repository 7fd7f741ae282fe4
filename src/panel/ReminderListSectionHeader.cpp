// The section's header (the list's colour, name and account) and what brings a reminder into the list: the add
// popover and a dropped row.
#include "panel/ReminderListSection.h"

#include "appearance/LocalizationManager.h"
#include "appearance/SymbolIcons.h"
#include "model/RemindersViewModel.h"
#include "rows/ElidedTextLabel.h"
#include "rows/FocusRingButton.h"
#include "rows/PopoverWindow.h"
#include "rows/ReminderFormView.h"
#include "rows/RowStyle.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMimeData>
#include <QPainter>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

#include <tuple>

namespace tolvik {

namespace {

/// The list's colour as an 8-point dot.
class ColorDot : public QWidget
{
public:
    explicit ColorDot(QWidget* parent)
        : QWidget(parent)
    {
        setFixedSize(8, 8);
    }
    QColor color;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(color);
        painter.drawEllipse(QRectF(rect()));
    }
};

/// The list's name and its account's name side by side in whatever width the header leaves. The account name gives
/// way first; only when it is gone does the list name shrink, and both end in an ellipsis rather than widening the
/// section past the panel.
class HeaderNames : public QWidget
{
public:
    HeaderNames(ElidedTextLabel* name, ElidedTextLabel* account, QWidget* parent)
        : QWidget(parent)
        , m_name(name)
        , m_account(account)
    {
        name->setParent(this);
        account->setParent(this);
        setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    }

    QSize sizeHint() const override
    {
        return {m_name->sizeHint().width() + ReminderListSection::headerSpacing + m_account->sizeHint().width(),
                lineHeight()};
    }
    QSize minimumSizeHint() const override { return {0, lineHeight()}; }

    void arrange()
    {
        const int available = width();
        const int nameNatural = m_name->sizeHint().width();
        const int accountNatural = m_account->text().isEmpty() ? 0 : m_account->sizeHint().width();
        const int nameWidth = qMin(nameNatural, available);
        int accountWidth = qMin(accountNatural, available - nameWidth - ReminderListSection::headerSpacing);
        // An account name cut to a few letters says nothing; it goes entirely instead.
        if (accountWidth < m_account->minimumSizeHint().width()) {
            accountWidth = 0;
        }
        const int nameHeight = m_name->sizeHint().height();
        const int accountHeight = m_account->fontMetrics().lineSpacing();
        const QRect nameRect(0, (height() - nameHeight) / 2, nameWidth, nameHeight);
        const QRect accountRect(available - accountWidth, (height() - accountHeight) / 2, accountWidth, accountHeight);
        m_name->setGeometry(QStyle::visualRect(layoutDirection(), rect(), nameRect));
        m_account->setGeometry(QStyle::visualRect(layoutDirection(), rect(), accountRect));
        m_account->setVisible(accountWidth > 0);
    }

protected:
    void resizeEvent(QResizeEvent*) override { arrange(); }

private:
    int lineHeight() const { return qMax(m_name->fontMetrics().lineSpacing(), m_account->fontMetrics().lineSpacing()); }

    ElidedTextLabel* m_name;
    ElidedTextLabel* m_account;
};
} // namespace

void ReminderListSection::ensureAddPopover()
{
    // Built on first use: a form with a calendar in each of twenty lists would cost the panel's start-up dearly.
    if (m_addPopover != nullptr) {
        return;
    }
    std::tie(m_addPopover, m_addForm) = makeFormPopover(
        this, &m_addState, QStringLiteral("button.add"), addPopoverWidth, [this] { setPresentingAddPopover(false); },
        [this] { submitAdd(); });
}

void ReminderListSection::buildHeader()
{
    auto* header = new QHBoxLayout;
    header->setSpacing(headerSpacing);
    m_dot = new ColorDot(this);
    m_nameLabel = new ElidedTextLabel(1, this);
    m_accountLabel = new ElidedTextLabel(1, this);
    m_names = new HeaderNames(m_nameLabel, m_accountLabel, this);
    m_addButton = new FocusRingButton(this);
    m_addButton->setAutoRaise(true);
    m_addButton->setCursor(Qt::PointingHandCursor);
    m_addButton->setFocusPolicy(Qt::TabFocus);
    connect(m_addButton, &QToolButton::clicked, this, &ReminderListSection::beginAdd);
    header->addWidget(m_dot, 0, Qt::AlignVCenter);
    header->addWidget(m_names, 1);
    header->addWidget(m_addButton, 0, Qt::AlignVCenter);
    static_cast<QVBoxLayout*>(layout())->addLayout(header);
}

void ReminderListSection::refreshTexts()
{
    const QPalette& own = palette();
    const QColor secondary = RowStyle::secondaryText(own);
    static_cast<ColorDot*>(m_dot)->color =
        m_list.color.isValid() ? m_list.color : RemindersViewModel::fallbackListColor();
    m_dot->update();

    m_nameLabel->setFont(RowStyle::headlineFont(font()));
    m_nameLabel->setText(m_list.name);
    m_accountLabel->setFont(RowStyle::smallCaptionFont(font()));
    m_accountLabel->setText(m_list.accountName);
    m_accountLabel->setTextColor(secondary);
    static_cast<HeaderNames*>(m_names)->arrange();
    m_names->updateGeometry();
    QPalette dimmed = m_emptyLabel->palette();
    dimmed.setColor(QPalette::WindowText, secondary);

    const int iconSide = QFontMetrics(RowStyle::captionFont(font())).height() + 2;
    m_addButton->setIcon(SymbolIcons::icon(QStringLiteral("plus.circle.fill"), own.color(QPalette::Highlight)));
    m_addButton->setIconSize(QSize(iconSide, iconSide));
    m_addButton->setToolTip(localizedString(QStringLiteral("help.addReminder")));
    m_addButton->setAccessibleName(localizedString(QStringLiteral("panel.a11y.addReminderTo")).arg(m_list.name));

    m_emptyLabel->setFont(RowStyle::captionFont(font()));
    m_emptyLabel->setPalette(dimmed);
    m_emptyLabel->setText(localizedString(QStringLiteral("reminders.emptyList")));
}

void ReminderListSection::setPresentingAddPopover(bool presenting)
{
    if (presenting == m_presentingAddPopover) {
        return;
    }
    m_presentingAddPopover = presenting;
    if (presenting) {
        ensureAddPopover();
        m_addState.knownTags = m_model->tagsInUse();
        m_addForm->reload();
        m_addPopover->present(m_addButton, PopoverWindow::Side::trailing);
    } else if (m_addPopover != nullptr) {
        m_addPopover->dismiss();
    }
}

void ReminderListSection::beginAdd()
{
    m_addState = ReminderFormState::fresh(m_clock());
    ensureAddPopover();
    m_addForm->reload();
    setPresentingAddPopover(true);
}

void ReminderListSection::submitAdd()
{
    const QString title = m_addState.trimmedTitle();
    if (title.isEmpty()) {
        return;
    }
    // Until the add finishes the popover stays open as typed; a second submit meanwhile starts a second add.
    if (m_addForm != nullptr) {
        m_addForm->clearError();
    }
    QCoro::connect(m_model->addReminder(title, m_addState.trimmedNotes(), m_addState.effectiveDueDate(),
                                        m_addState.priority, m_addState.recurrence, m_list.id,
                                        m_addState.effectiveAllDay(), std::nullopt, m_addState.alert, m_addState.tags),
                   this, [this](bool added) {
                       if (!added) {
                           // Nothing was written: the typing stays, and the form says why.
                           if (m_addForm != nullptr) {
                               m_addForm->showError(failureText(*m_model));
                           }
                           return;
                       }
                       m_addState = ReminderFormState::fresh(m_clock());
                       if (m_addForm != nullptr) {
                           m_addForm->reload();
                       }
                       setPresentingAddPopover(false);
                   });
}

void ReminderListSection::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasText()) {
        event->acceptProposedAction();
    } else {
        event->ignore();
    }
}

void ReminderListSection::dragMoveEvent(QDragMoveEvent* event)
{
    if (event->mimeData()->hasText()) {
        event->acceptProposedAction();
    } else {
        event->ignore();
    }
}

void ReminderListSection::dropEvent(QDropEvent* event)
{
    const QString text = event->mimeData()->hasText() ? event->mimeData()->text() : QString();
    if (text.isEmpty()) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    // The text is only ever looked up in the model's index, never used as a path. The move starts on the next
    // turn of the loop, after the drag has finished.
    QPointer<RemindersViewModel> model = m_model;
    const QString listID = m_list.id;
    QTimer::singleShot(0, m_model, [model, text, listID] {
        if (model) {
            model->moveReminder(text, listID);
        }
    });
}

} // namespace tolvik
