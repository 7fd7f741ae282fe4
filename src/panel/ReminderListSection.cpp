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

#include <algorithm>
#include <tuple>

namespace tolvik {

namespace {

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
        closeForms(row);
        row->disconnect(this);
    }
    if (m_addPopover != nullptr) {
        m_addPopover->disconnect(this);
    }
    m_bubbleWindow->disconnect(this);
    delete m_addPopover;
    delete m_bubbleWindow;
}

void ReminderListSection::setContent(const ReminderList& list, const QList<ReminderItem>& reminders,
                                     const QSet<QString>& foldedIDs)
{
    m_list = list;
    QHash<QString, ReminderRow*> previous = std::exchange(m_rows, {});
    m_order.clear();
    const bool nested = std::any_of(reminders.cbegin(), reminders.cend(),
                                    [](const ReminderItem& reminder) { return reminder.shownSubtaskCount > 0; });
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
        row->setFolded(foldedIDs.contains(reminder.id));
        row->setReservesFoldSpace(nested);
        applyIndent(row);
        m_rows.insert(reminder.id, row);
        m_order.append(row);
    }
    for (ReminderRow* gone : std::as_const(previous)) {
        closeForms(gone);
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
    connect(row, &ReminderRow::foldRequested, this, &ReminderListSection::foldRequested);
    connect(row, &ReminderRow::reopenRequested, this, &ReminderListSection::reopenRequested);
    connect(row, &ReminderRow::subtaskCompletionAsked, this,
            [this, row](const QString&, int openSubtasks) { Q_EMIT subtaskCompletionAsked(row, openSubtasks); });
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

void ReminderListSection::applyIndent(ReminderRow* row) const
{
    // The row's own rectangle includes its insets, so the pointer never falls into a gap between two rows; a
    // sub-task's indent is inside it too, so that its whole width still belongs to it.
    const int indent = row->reminder().depth * ReminderRow::subtaskIndent;
    row->layout()->setContentsMargins(rowTextInset + indent, rowInset, rowTextInset, rowInset);
}

void ReminderListSection::closeForms(ReminderRow* row)
{
    if (row->isEditPresented()) {
        row->setEditPresented(false);
    }
    if (row->isSubtaskFormPresented()) {
        row->setSubtaskFormPresented(false);
    }
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
    // Under a search, which rows and separators show is the search's to say.
    const bool shown = m_box->isVisible() && !m_searching && !m_deferredRows;
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
    if (m_searching || m_deferredRows) {
        showSearchResults();
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
        if (editing != row->reminder().id) {
            closeForms(row);
        }
    }
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
