#include "panel/ReminderListSection.h"

#include "appearance/LocalizationManager.h"
#include "appearance/Preferences.h"
#include "appearance/SymbolIcons.h"
#include "model/RemindersViewModel.h"
#include "panel/HoverManager.h"
#include "panel/ReminderDetailBubble.h"
#include "rows/ElidedTextLabel.h"
#include "rows/FocusRingButton.h"
#include "rows/PopoverWindow.h"
#include "rows/ReminderFormView.h"
#include "rows/ReminderRow.h"
#include "rows/RowStyle.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMimeData>
#include <QPainter>
#include <QPainterPath>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include <tuple>

namespace tolvik {

namespace {

constexpr int headerSpacing = 8;
constexpr int boxInset = 12;
constexpr int boxRadius = 12;
constexpr int rowInset = 4;
// Separators reach this far past the rows' text on each side.
constexpr int separatorOverhang = 2;
// Between a row's edge and its text on each side, so that the focus ring drawn inside the edge keeps clear of it.
constexpr int rowTextInset = 8;
constexpr int separatorGap = 2;
constexpr int emptyMinimumHeight = 54;
constexpr int emptyExtraInset = 12;

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
        return {m_name->sizeHint().width() + headerSpacing + m_account->sizeHint().width(), lineHeight()};
    }
    QSize minimumSizeHint() const override { return {0, lineHeight()}; }

    void arrange()
    {
        const int available = width();
        const int nameNatural = m_name->sizeHint().width();
        const int accountNatural = m_account->text().isEmpty() ? 0 : m_account->sizeHint().width();
        const int nameWidth = qMin(nameNatural, available);
        int accountWidth = qMin(accountNatural, available - nameWidth - headerSpacing);
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

/// The rounded translucent box that holds the rows.
class RowBox : public QWidget
{
public:
    explicit RowBox(QWidget* parent)
        : QWidget(parent)
    {}

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        QPainterPath path;
        path.addRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), boxRadius, boxRadius);
        painter.fillPath(path, RowStyle::sectionBoxFill(palette()));
        painter.setPen(QPen(RowStyle::sectionBoxBorder(palette()), 1.0));
        painter.drawPath(path);
    }
};

/// A hairline between two rows, with a little air above and below.
class RowSeparator : public QWidget
{
public:
    explicit RowSeparator(QWidget* parent)
        : QWidget(parent)
    {
        setObjectName(QStringLiteral("rowSeparator"));
        setFixedHeight(2 * separatorGap + 1);
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        const int inset = rowTextInset - separatorOverhang;
        painter.fillRect(QRect(inset, separatorGap, width() - 2 * inset, 1), RowStyle::rowSeparator(palette()));
    }
};

} // namespace

ReminderListSection::ReminderListSection(RemindersViewModel* model, HoverManager* hoverManager, Clock clock,
                                         QWidget* parent)
    : QWidget(parent)
    , m_model(model)
    , m_hover(hoverManager)
    , m_clock(std::move(clock))
    , m_addState(ReminderFormState::fresh(m_clock()))
{
    Q_ASSERT(model != nullptr && hoverManager != nullptr);
    setAcceptDrops(true);
    auto* stack = new QVBoxLayout(this);
    stack->setContentsMargins(0, 0, 0, 0);
    stack->setSpacing(headerSpacing);
    buildHeader();

    m_box = new RowBox(this);
    auto* boxLayout = new QVBoxLayout(m_box);
    boxLayout->setContentsMargins(boxInset - rowTextInset, boxInset, boxInset - rowTextInset, boxInset);
    boxLayout->setSpacing(0);
    m_emptyLabel = new QLabel(m_box);
    m_emptyLabel->setAlignment(Qt::AlignCenter);
    m_emptyLabel->setWordWrap(true);
    m_emptyLabel->setMinimumHeight(emptyMinimumHeight + 2 * emptyExtraInset);
    m_emptyLabel->setContentsMargins(rowTextInset - separatorOverhang, 0, rowTextInset - separatorOverhang, 0);
    stack->addWidget(m_box);

    m_bubbleWindow = new PopoverWindow(PopoverWindow::Kind::bubble, this);
    m_bubble = new ReminderDetailBubble;
    m_bubbleWindow->setContent(m_bubble);
    m_bubbleWindow->setMaximumContentWidth(ReminderDetailBubble::maximumWidth);

    connect(m_hover, &HoverManager::hoveredItemIDChanged, this, &ReminderListSection::updateBubble);
    connect(m_hover, &HoverManager::editingItemIDChanged, this, [this] {
        closeEditsOfOtherRows();
        updateBubble();
    });
    connect(&Preferences::shared(), &Preferences::changed, this, [this](const QString& key) {
        if (key == PreferenceKey::languagePreference) {
            refreshTexts();
        }
    });
    rebuildBox();
    refreshTexts();
}

ReminderListSection::~ReminderListSection()
{
    // Nothing may call back into this half-destroyed section: an edit closed here still clears the shared state.
    if (m_hover) {
        m_hover->disconnect(this);
    }
    for (ReminderRow* row : std::as_const(m_order)) {
        if (row->isEditPresented()) {
            row->setEditPresented(false);
        }
        row->disconnect(this);
    }
    if (m_addPopover != nullptr) {
        m_addPopover->disconnect(this);
    }
    m_bubbleWindow->disconnect(this);
    delete m_addPopover;
    delete m_bubbleWindow;
}

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

void ReminderListSection::setContent(const ReminderList& list, const QList<ReminderItem>& reminders)
{
    m_list = list;
    QHash<QString, ReminderRow*> previous = std::exchange(m_rows, {});
    m_order.clear();
    for (const ReminderItem& reminder : reminders) {
        if (m_rows.contains(reminder.id)) {
            continue;
        }
        ReminderRow* row = previous.take(reminder.id);
        if (row != nullptr) {
            row->setReminder(reminder);
        } else {
            row = createRow(reminder);
        }
        m_rows.insert(reminder.id, row);
        m_order.append(row);
    }
    for (ReminderRow* gone : std::as_const(previous)) {
        if (gone->isEditPresented()) {
            gone->setEditPresented(false);
        }
        gone->disconnect(this);
        gone->hide();
        gone->deleteLater();
    }
    rebuildBox();
    refreshTexts();
    updateBubble();
}

ReminderRow* ReminderListSection::createRow(const ReminderItem& reminder)
{
    auto* row = new ReminderRow(reminder, m_model, m_clock, m_box);
    // The row's own rectangle includes its insets, so the pointer never falls into a gap between two rows.
    row->layout()->setContentsMargins(rowTextInset, rowInset, rowTextInset, rowInset);
    connect(row, &ReminderRow::pointerEntered, this, [this](const QString& id) {
        if (m_hover && !m_hover->editingItemID() && !m_hover->isPointerHoverHeld()) {
            m_hover->beginHover(id);
        }
    });
    connect(row, &ReminderRow::pointerLeft, this, [this](const QString& id) {
        if (m_hover && !m_hover->editingItemID()) {
            m_hover->endHover(id);
        }
    });
    connect(row, &ReminderRow::dragStarted, this, [this] {
        // Bound to the manager, not the section: the drop may move this row's reminder away meanwhile.
        HoverManager* hover = m_hover;
        QTimer::singleShot(dragHoverClearDelayMs, hover, [hover] { hover->setHoveredItemID(std::nullopt); });
    });
    connect(row, &ReminderRow::keyCommand, this,
            [this, row](ReminderRow::KeyCommand command) { Q_EMIT rowKeyCommand(row, command); });
    // A keyboard user sees the details of the focused row as a pointer user does, after a short pause so that
    // running through the rows with the arrows does not flash a bubble at each one.
    connect(row, &ReminderRow::keyboardFocusChanged, this, [this, row](const QString& id, bool focused) {
        if (!m_hover) {
            return;
        }
        if (!focused) {
            m_hover->endHover(id);
            return;
        }
        QTimer::singleShot(HoverManager::clearDelayMs, row, [this, row] {
            if (m_hover && row->hasFocus() && !m_hover->editingItemID()) {
                m_hover->beginHover(row->reminder().id);
            }
        });
    });
    connect(row, &ReminderRow::editPresentationChanged, this, [this](const QString& id, bool presented) {
        if (!m_hover) {
            return;
        }
        if (presented) {
            m_hover->setEditingItemID(id);
            m_hover->endHover(id);
        } else if (m_hover->editingItemID() == id) {
            m_hover->setEditingItemID(std::nullopt);
        }
    });
    return row;
}

void ReminderListSection::rebuildBox()
{
    QLayout* boxLayout = m_box->layout();
    while (QLayoutItem* item = boxLayout->takeAt(0)) {
        delete item;
    }
    const qsizetype wanted = qMax<qsizetype>(0, m_order.size() - 1);
    while (m_separators.size() > wanted) {
        delete m_separators.takeLast();
    }
    while (m_separators.size() < wanted) {
        m_separators.append(new RowSeparator(m_box));
    }
    m_emptyLabel->setVisible(m_order.isEmpty());
    if (m_order.isEmpty()) {
        boxLayout->addWidget(m_emptyLabel);
    }
    // A new child of a hidden panel shows with it; showing each one now would lay every row out on its own, which
    // is most of the cost of building a panel with thousands of rows. Only a shown box needs its new rows shown.
    const bool shown = m_box->isVisible();
    for (qsizetype index = 0; index < m_order.size(); ++index) {
        boxLayout->addWidget(m_order.at(index));
        if (shown) {
            m_order.at(index)->show();
        }
        if (index < m_separators.size()) {
            boxLayout->addWidget(m_separators.at(index));
            if (shown) {
                m_separators.at(index)->show();
            }
        }
    }
}

int ReminderListSection::separatorCount() const
{
    int shown = 0;
    for (QWidget* separator : m_separators) {
        shown += separator->isVisibleTo(m_box) ? 1 : 0;
    }
    return shown;
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
                                        m_addState.effectiveAllDay()),
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

void ReminderListSection::updateBubble()
{
    if (!m_hover) {
        return;
    }
    const std::optional<QString> hovered = m_hover->hoveredItemID();
    const bool editing = m_hover->editingItemID().has_value();
    ReminderRow* row = (!editing && hovered) ? m_rows.value(*hovered) : nullptr;
    if (row != nullptr && row->isVisible()) {
        m_bubble->setReminder(row->reminder());
        m_bubbleWindow->present(row, PopoverWindow::Side::leading);
        return;
    }
    // Fade only when the hover ended; editing or a bubble opening in another section hides this one at once.
    m_bubbleWindow->dismiss(!editing && !hovered);
}

void ReminderListSection::closeEditsOfOtherRows()
{
    const std::optional<QString> editing = m_hover ? m_hover->editingItemID() : std::nullopt;
    for (ReminderRow* row : std::as_const(m_order)) {
        if (row->isEditPresented() && editing != row->reminder().id) {
            row->setEditPresented(false);
        }
    }
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

void ReminderListSection::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    // A closed panel gets no leave events: end its hover here, so that no bubble stays behind on the desktop.
    m_bubbleWindow->dismiss();
    if (m_hover) {
        const std::optional<QString> hovered = m_hover->hoveredItemID();
        if (hovered && m_rows.contains(*hovered)) {
            m_hover->setHoveredItemID(std::nullopt);
        }
    }
}

void ReminderListSection::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::FontChange) {
        refreshTexts();
    }
}

} // namespace tolvik
