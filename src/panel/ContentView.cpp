#include "panel/ContentView.h"

#include "appearance/MenuSizeOption.h"
#include "appearance/Preferences.h"
#include "model/RemindersViewModel.h"
#include "panel/HoverManager.h"
#include "panel/PanelFooter.h"
#include "panel/PanelHeader.h"
#include "panel/PanelSizing.h"
#include "panel/PlaceholderView.h"
#include "panel/QuickAddField.h"
#include "panel/ReminderListSection.h"
#include "panel/ScrollHint.h"
#include "panel/SearchBar.h"
#include "panel/SubtaskQuestion.h"
#include "panel/UndoBar.h"
#include "rows/PopoverWindow.h"
#include "rows/ReminderRow.h"
#include "settings/SettingsWindowPresenter.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPointer>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include <QCoro/QCoroTask>

namespace tolvik {

namespace {

constexpr int sectionSpacing = 12;
/// Above and below the line that says a search found nothing.
constexpr int noMatchesInset = 24;

/// The hairline above the footer. It is drawn in the text colour, faint, rather than in a palette's frame colour:
/// those sit close to the dark material and vanish on a night panel.
class PanelDivider : public QWidget
{
public:
    explicit PanelDivider(QWidget* parent)
        : QWidget(parent)
    {
        setObjectName(QStringLiteral("panelDivider"));
        setFixedHeight(PanelSizing::dividerHeight);
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QColor color = palette().color(QPalette::Active, QPalette::WindowText);
        color.setAlphaF(ThemePalette::isDark(palette()) ? 0.28F : 0.2F);
        QPainter painter(this);
        painter.fillRect(QRect(0, (height() - 1) / 2, width(), 1), color);
    }
};

} // namespace

ContentView::ContentView(RemindersViewModel& model, LaunchAtLoginManager& launchAtLogin, QString storeFolder,
                         Clock clock, QWidget* parent)
    : QWidget(parent)
    , m_model(model)
    , m_launchAtLogin(launchAtLogin)
    , m_storeFolder(std::move(storeFolder))
    , m_clock(std::move(clock))
    , m_urlOpener([](const QUrl& url) { QDesktopServices::openUrl(url); })
    , m_hoverManager(new HoverManager(this))
    , m_listContentHeight(PanelSizing::initialListContentHeight)
{
    setFocusPolicy(Qt::ClickFocus);
    buildLayout();

    connect(&m_model, &RemindersViewModel::authorizationStatusChanged, this, &ContentView::scheduleRender);
    connect(&m_model, &RemindersViewModel::listsChanged, this, &ContentView::scheduleRender);
    connect(&m_model, &RemindersViewModel::remindersChanged, this, [this] {
        m_searchFilter.clear();
        scheduleRender();
    });
    connect(&m_model, &RemindersViewModel::isSyncingChanged, this,
            [this] { m_header->setSyncing(m_model.isSyncing()); });
    connect(&Preferences::shared(), &Preferences::changed, this, [this](const QString& key) {
        if (key == PreferenceKey::menuSizePreference || key == PreferenceKey::menuTransparencyPreference ||
            key == PreferenceKey::themePreference) {
            applyAppearance();
        } else if (key == PreferenceKey::languagePreference) {
            m_footer->refreshTexts();
            m_undoBar->refreshTexts();
            m_subtaskQuestion->refreshTexts();
            m_placeholder->refreshTexts();
            scheduleRender();
        } else if (key == PreferenceKey::selectedAccountIDs || key == PreferenceKey::selectedListIDs ||
                   key == PreferenceKey::showCompleted) {
            scheduleRender();
        }
    });
    connect(m_footer, &PanelFooter::settingsRequested, this, &ContentView::openSettings);
    connect(m_footer, &PanelFooter::quitRequested, this, [] { QCoreApplication::quit(); });
    connect(m_placeholder, &PlaceholderView::buttonClicked, this, &ContentView::placeholderAction);
    // Rows slide under a resting pointer when the list scrolls or reorders, and no enter or leave event says so.
    connect(m_scrollArea->verticalScrollBar(), &QScrollBar::valueChanged, this, &ContentView::scheduleHoverCheck);
    connect(m_placeholder, &PlaceholderView::listChosen, this, &ContentView::beginAddFromPlaceholder);
    connect(&m_model, &RemindersViewModel::undoableChangeMade, this, &ContentView::lingerAfterCompletion);
    connect(m_undoBar, &UndoBar::restored, this, [this](const QString& reminderID) {
        m_lingering.remove(reminderID);
        m_pendingFocusID = reminderID;
        scheduleRender();
    });

    applyAppearance();
    render();
}

ContentView::~ContentView()
{
    // Sections close their popovers as they go; none of that may re-enter a half-destroyed view.
    m_listContent->removeEventFilter(this);
    qApp->removeEventFilter(this);
    qDeleteAll(m_order);
}

void ContentView::buildLayout()
{
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(PanelSizing::margin, PanelSizing::margin, PanelSizing::margin, PanelSizing::margin);
    column->setSpacing(PanelSizing::spacing);

    m_header = new PanelHeader(this);
    column->addWidget(m_header);
    m_search = new SearchBar(Preferences::shared(), this);
    column->addWidget(m_search);
    m_quickAdd = new QuickAddField(m_model, Preferences::shared(), m_clock, this);
    column->addWidget(m_quickAdd);
    // Ctrl+N anywhere in the panel starts typing a new reminder, Ctrl+F a search.
    auto* newReminder = new QShortcut(QKeySequence::New, this);
    connect(newReminder, &QShortcut::activated, this, &ContentView::beginQuickAdd);
    auto* find = new QShortcut(QKeySequence::Find, this);
    connect(find, &QShortcut::activated, this, &ContentView::openSearch);
    connect(m_header, &PanelHeader::searchRequested, this, &ContentView::toggleSearch);
    connect(m_search, &SearchBar::opened, this, &ContentView::searchOpenedOrClosed);
    connect(m_search, &SearchBar::closed, this, &ContentView::searchOpenedOrClosed);
    connect(m_search, &SearchBar::searchChanged, this, &ContentView::searchChanged);
    connect(m_search, &SearchBar::resultsRequested, this, &ContentView::moveIntoResults);

    m_scrollArea = new QScrollArea(this);
    m_scrollArea->setFrameShape(QFrame::NoFrame);
    m_scrollArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_scrollArea->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_scrollArea->setWidgetResizable(true);
    m_scrollArea->setFocusPolicy(Qt::NoFocus);
    m_scrollArea->viewport()->setAutoFillBackground(false);
    m_scrollArea->setAutoFillBackground(false);

    m_listContent = new QWidget;
    m_listContent->setAutoFillBackground(false);
    auto* listColumn = new QVBoxLayout(m_listContent);
    listColumn->setContentsMargins(0, 0, 0, 0);
    listColumn->setSpacing(0);
    m_placeholder = new PlaceholderView(m_listContent);
    listColumn->addWidget(m_placeholder);
    m_noMatches = new QLabel(m_listContent);
    m_noMatches->setObjectName(QStringLiteral("noMatches"));
    m_noMatches->setAlignment(Qt::AlignCenter);
    m_noMatches->setWordWrap(true);
    m_noMatches->setTextFormat(Qt::PlainText);
    m_noMatches->setContentsMargins(0, noMatchesInset, 0, noMatchesInset);
    m_noMatches->hide();
    listColumn->addWidget(m_noMatches);
    m_sectionsBox = new QWidget(m_listContent);
    m_sectionsLayout = new QVBoxLayout(m_sectionsBox);
    m_sectionsLayout->setContentsMargins(0, 0, 0, 0);
    m_sectionsLayout->setSpacing(sectionSpacing);
    listColumn->addWidget(m_sectionsBox);
    listColumn->addStretch(1);
    m_scrollArea->setWidget(m_listContent);
    // setWidget turns the background fill on; the material must show through.
    m_listContent->setAutoFillBackground(false);
    // The scroll bar stays hidden; these say that the list goes on beyond an edge.
    m_moreAbove = new ScrollHint(m_scrollArea, ScrollHint::Edge::top);
    m_moreBelow = new ScrollHint(m_scrollArea, ScrollHint::Edge::bottom);
    column->addWidget(m_scrollArea, 1);

    m_divider = new PanelDivider(this);
    column->addWidget(m_divider);

    m_subtaskQuestion = new SubtaskQuestion(this);
    column->addWidget(m_subtaskQuestion);
    connect(m_subtaskQuestion, &SubtaskQuestion::answered, this, [this](const QString& id, bool withSubtasks) {
        returnFocusTo(id);
        m_model.completeReminder(id, withSubtasks);
    });
    connect(m_subtaskQuestion, &SubtaskQuestion::cancelled, this, &ContentView::returnFocusTo);

    m_undoBar = new UndoBar(m_model, this);
    column->addWidget(m_undoBar);
    // Ctrl+Z undoes the last completion or removal; a focused text field takes its own Ctrl+Z first.
    auto* undo = new QShortcut(QKeySequence::Undo, this);
    connect(undo, &QShortcut::activated, m_undoBar, &UndoBar::undo);

    m_footer = new PanelFooter(this);
    column->addWidget(m_footer);

    // The primary actions come first in the keyboard order: each list's add button, then the footer.
    m_footer->settingsButton()->setFocusPolicy(Qt::TabFocus);
    for (QWidget* part :
         {static_cast<QWidget*>(m_header), static_cast<QWidget*>(m_search), static_cast<QWidget*>(m_quickAdd),
          static_cast<QWidget*>(m_header->searchButton()), static_cast<QWidget*>(m_header->moreButton()),
          static_cast<QWidget*>(m_footer), m_listContent, static_cast<QWidget*>(m_scrollArea),
          static_cast<QWidget*>(m_undoBar), static_cast<QWidget*>(m_undoBar->undoButton()),
          static_cast<QWidget*>(m_footer->settingsButton()), static_cast<QWidget*>(m_footer->quitButton()),
          static_cast<QWidget*>(m_subtaskQuestion)}) {
        part->installEventFilter(this);
    }
}

QList<ReminderList> ContentView::filteredLists() const
{
    return tolvik::filteredLists(m_model.lists(), selectedAccountIDsRaw(), selectedListIDsRaw());
}

QList<ListSection> ContentView::listSections() const
{
    return tolvik::listSections(filteredLists(), m_model.reminders());
}

void ContentView::scheduleRender()
{
    if (m_renderPending) {
        return;
    }
    m_renderPending = true;
    QTimer::singleShot(0, this, &ContentView::render);
}

void ContentView::render()
{
    m_renderPending = false;
    // A focused row that goes (completed, deleted, moved) hands the focus to the row that takes its place.
    const QList<ReminderRow*> rowsBefore = rowsInOrder();
    ReminderRow* focusedBefore = focusedRow();
    const std::optional<QString> focusedID =
        focusedBefore != nullptr ? std::optional<QString>(focusedBefore->reminder().id) : std::nullopt;
    const qsizetype focusedIndex = rowsBefore.indexOf(focusedBefore);
    QList<ListSection> sections = m_searchedWide ? searchedSections() : listSections();
    // The summary counts the open reminders only.
    m_header->render(m_clock(), languageRaw(), reminderCount(m_searchedWide ? listSections() : sections));
    // A search looks through every sub-task, folded or not.
    if (!m_search->isOpen()) {
        foldSubtasks(sections, m_foldedIDs);
    }
    addCompletedRows(sections);
    m_shownPlaceholder = placeholderFor(m_model.authorizationStatus(), sections);
    m_header->setSyncing(m_model.isSyncing());
    if (syncSections(sections) && !isVisible()) {
        m_sizeHintsStale = true;
    }
    if (m_shownPlaceholder) {
        m_placeholder->setPlaceholder(*m_shownPlaceholder);
    }
    m_placeholder->setVisible(m_shownPlaceholder.has_value());
    m_sectionsBox->setVisible(!m_shownPlaceholder.has_value());
    applySearch();
    scheduleMeasure();
    scheduleHoverCheck();
    restoreFocus(focusedID, focusedIndex);
}

void ContentView::renderIfPending()
{
    if (m_renderPending) {
        render();
    }
}

bool ContentView::syncSections(const QList<ListSection>& sections)
{
    bool changed = false;
    QList<ReminderListSection*> order;
    order.reserve(sections.size());
    QHash<QString, ReminderListSection*> kept;
    for (const ListSection& content : sections) {
        ReminderListSection* section = m_sections.take(content.list.id);
        if (section == nullptr) {
            section = new ReminderListSection(&m_model, m_hoverManager, m_clock, m_sectionsBox);
            connect(section, &ReminderListSection::rowKeyCommand, this, &ContentView::runRowCommand);
            connect(section, &ReminderListSection::foldRequested, this, &ContentView::setFolded);
            connect(section, &ReminderListSection::subtaskCompletionAsked, this, &ContentView::askAboutSubtasks);
            connect(section, &ReminderListSection::reopenRequested, this, &ContentView::reopenFromRow);
            section->addButton()->installEventFilter(this);
            section->setContent(content.list, content.reminders, content.foldedIDs);
            changed = true;
        } else if (!sameSection(m_shownContent.value(content.list.id), content)) {
            // Only a section whose list or reminders changed redraws; the others keep their rows untouched.
            section->setContent(content.list, content.reminders, content.foldedIDs);
            changed = true;
        }
        kept.insert(content.list.id, section);
        order.append(section);
    }
    // What is left belongs to lists that are no longer shown.
    for (ReminderListSection* gone : std::as_const(m_sections)) {
        m_order.removeOne(gone);
        delete gone;
        changed = true;
    }
    m_sections = kept;
    m_shownContent.clear();
    for (const ListSection& content : sections) {
        m_shownContent.insert(content.list.id, content);
    }
    if (order != m_order) {
        for (ReminderListSection* section : std::as_const(order)) {
            m_sectionsLayout->removeWidget(section);
        }
        for (ReminderListSection* section : std::as_const(order)) {
            m_sectionsLayout->addWidget(section);
        }
        // Keyboard order follows the screen: each list's add button in turn, then the footer's buttons.
        QWidget* previous = nullptr;
        for (ReminderListSection* section : std::as_const(order)) {
            if (previous != nullptr) {
                setTabOrder(previous, section->addButton());
            }
            previous = section->addButton();
        }
        if (previous != nullptr) {
            setTabOrder(previous, m_undoBar->undoButton());
            setTabOrder(m_undoBar->undoButton(), m_footer->settingsButton());
            setTabOrder(m_footer->settingsButton(), m_footer->quitButton());
            // Ctrl+F is the quick way to the search; its button comes last, after the primary actions.
            setTabOrder(m_footer->quitButton(), m_header->searchButton());
            setTabOrder(m_header->searchButton(), m_header->moreButton());
        }
        m_order = order;
        changed = true;
    }
    return changed;
}

bool ContentView::eventFilter(QObject* watched, QEvent* event)
{
    if (m_hoverManager->isPointerHoverHeld()) {
        releasePointerHoldOnMove(event);
    }
    // Arrows on a button would step to the next button, and arrows the list leaves alone would scroll it; here both
    // move through the rows instead.
    if ((watched == m_scrollArea || qobject_cast<QToolButton*>(watched) != nullptr) &&
        event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if ((key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier && navigate(key->key())) {
            return true;
        }
    }
    if (event->type() == QEvent::LayoutRequest &&
        (watched == m_listContent || watched == m_header || watched == m_quickAdd || watched == m_footer)) {
        scheduleMeasure();
    }
    if ((watched == m_search || watched == m_quickAdd) &&
        (event->type() == QEvent::LayoutRequest || event->type() == QEvent::ShowToParent ||
         event->type() == QEvent::HideToParent)) {
        scheduleMeasure();
    }
    if ((watched == m_undoBar || watched == m_subtaskQuestion) &&
        (event->type() == QEvent::LayoutRequest || event->type() == QEvent::ShowToParent ||
         event->type() == QEvent::HideToParent)) {
        scheduleMeasure();
    }
    return QWidget::eventFilter(watched, event);
}

void ContentView::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // A panel left closed overnight must greet the user with today, not with the day it was last rendered.
    m_header->render(m_clock(), languageRaw(), reminderCount(listSections()));
}

void ContentView::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    // A panel opened later starts with every list in view, not with a search the user has forgotten.
    if (!event->spontaneous()) {
        closeSearch();
    }
}

} // namespace tolvik
