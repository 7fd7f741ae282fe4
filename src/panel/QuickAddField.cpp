#include "panel/QuickAddField.h"

#include "appearance/LocalizationManager.h"
#include "appearance/Preferences.h"
#include "model/RemindersViewModel.h"
#include "panel/QuickAddChips.h"
#include "quickadd/PhraseTexts.h"
#include "rows/RowStyle.h"

#include <QCoreApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QTextCharFormat>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace tolvik {

namespace {

QIcon colorDot(const QColor& color)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(color);
    painter.drawEllipse(QRectF(4, 4, 8, 8));
    return QIcon(pixmap);
}

QStringList wordsOf(const ParsedPhrase& parsed, int part)
{
    QStringList words;
    for (const PhraseSpan& span : parsed.spans) {
        if ((span.parts & part) != 0) {
            words.append(span.text);
        }
    }
    return words;
}

// The rule of a repeat the five plain choices cannot say ("every 2 weeks", "weekdays"), or nothing.
std::optional<RecurrenceRule> customRuleOf(const ParsedPhrase& parsed)
{
    return customRule(parsed.repeat, parsed.repeatInterval, parsed.repeatWeekdays);
}

QList<QuickAddChip> chipsFor(const ParsedPhrase& parsed)
{
    QList<QuickAddChip> chips;
    if (parsed.due) {
        chips.append({duePart, PhraseTexts::dueText(parsed), wordsOf(parsed, duePart)});
    }
    if (parsed.priority != 0) {
        chips.append(
            {priorityPart, localizedString(PhraseTexts::priorityKey(parsed.priority)), wordsOf(parsed, priorityPart)});
    }
    if (parsed.repeat != RecurrenceOption::none) {
        const std::optional<RecurrenceRule> rule = customRuleOf(parsed);
        const QString words = rule ? recurrenceWords(RecurrenceOption::custom, *rule) : recurrenceWords(parsed.repeat);
        chips.append({repeatPart, words, wordsOf(parsed, repeatPart)});
    }
    for (const PhraseSpan& span : parsed.spans) {
        if ((span.parts & tagPart) != 0) {
            chips.append({tagPart, span.text, {span.text}});
        }
    }
    return chips;
}

} // namespace

QuickAddField::QuickAddField(RemindersViewModel& model, Preferences& preferences, Clock clock, QWidget* parent)
    : QWidget(parent)
    , m_model(model)
    , m_preferences(preferences)
    , m_clock(std::move(clock))
    , m_edit(new QLineEdit(this))
    , m_listButton(new QToolButton(this))
    , m_listMenu(new QMenu(m_listButton))
    , m_chips(new QuickAddChips(this))
    , m_error(new QLabel(this))
    , m_parser(parserForLanguage(preferences.string(PreferenceKey::languagePreference, QStringLiteral("system"))))
{
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(4);
    auto* row = new QHBoxLayout;
    row->setSpacing(6);
    // Out of the panel's Tab order, which starts at the lists: a click, Ctrl+N or the global shortcut focuses it.
    m_edit->setFocusPolicy(Qt::ClickFocus);
    m_edit->installEventFilter(this);
    row->addWidget(m_edit, 1);
    m_listButton->setPopupMode(QToolButton::InstantPopup);
    // Only the list's colour dot shows, so that the field keeps room for its example; the name is in the tooltip
    // and the menu.
    m_listButton->setToolButtonStyle(Qt::ToolButtonIconOnly);
    m_listButton->setAutoRaise(true);
    m_listButton->setFocusPolicy(Qt::ClickFocus);
    m_listButton->setMenu(m_listMenu);
    row->addWidget(m_listButton);
    column->addLayout(row);
    column->addWidget(m_chips);
    m_error->setWordWrap(true);
    m_error->setFont(RowStyle::captionFont(font()));
    QPalette errorPalette = m_error->palette();
    errorPalette.setColor(QPalette::WindowText, RowStyle::alertRed(errorPalette));
    m_error->setPalette(errorPalette);
    m_error->hide();
    column->addWidget(m_error);

    connect(m_edit, &QLineEdit::textChanged, this, &QuickAddField::reparse);
    connect(m_edit, &QLineEdit::textEdited, m_error, &QLabel::hide);
    connect(m_edit, &QLineEdit::returnPressed, this, &QuickAddField::submit);
    // The highlight is placed relative to the cursor, so it follows every cursor move.
    connect(m_edit, &QLineEdit::cursorPositionChanged, this, &QuickAddField::highlightSpans);
    connect(m_chips, &QuickAddChips::keepRequested, this, [this](const QStringList& words) {
        m_kept.append(words);
        reparse();
    });
    connect(m_listMenu, &QMenu::aboutToShow, this, &QuickAddField::rebuildListMenu);
    connect(&m_model, &RemindersViewModel::listsChanged, this, &QuickAddField::retranslate);
    connect(&m_preferences, &Preferences::changed, this, [this](const QString& key) {
        if (key == PreferenceKey::languagePreference) {
            m_parser = parserForLanguage(m_preferences.string(key, QStringLiteral("system")));
            retranslate();
            reparse();
        } else if (key == PreferenceKey::quickAddListID || key == PreferenceKey::selectedListIDs) {
            retranslate();
        }
    });
    retranslate();
}

PhraseParser QuickAddField::parserForLanguage(const QString& storedLanguage)
{
    return PhraseParser(
        PhraseParser::localesFor(LocalizationManager::displayLocale(storedLanguage), QLocale::system()));
}

std::optional<QString> QuickAddField::targetListID() const
{
    const QList<ReminderList> lists = m_model.lists();
    const auto exists = [&lists](const QString& id) {
        return std::any_of(lists.cbegin(), lists.cend(), [&id](const ReminderList& list) { return list.id == id; });
    };
    if (const auto remembered = m_preferences.string(PreferenceKey::quickAddListID);
        remembered && exists(*remembered)) {
        return remembered;
    }
    const QSet<QString> shown = Preferences::decodeIDSet(m_preferences.string(PreferenceKey::selectedListIDs, {}));
    for (const ReminderList& list : lists) {
        if (shown.contains(list.id)) {
            return list.id;
        }
    }
    if (!lists.isEmpty()) {
        return lists.first().id;
    }
    return std::nullopt;
}

void QuickAddField::focusField()
{
    m_edit->setFocus(Qt::ShortcutFocusReason);
    m_edit->selectAll();
}

void QuickAddField::clear()
{
    m_kept.clear();
    m_edit->clear();
}

void QuickAddField::submit()
{
    // "at 9" typed a minute before nine means tomorrow once nine has passed: read the text as of now.
    reparse();
    const std::optional<QString> listID = targetListID();
    const QString title = m_parsed.title.trimmed();
    if (m_adding || title.isEmpty() || !listID) {
        return;
    }
    m_adding = true;
    m_preferences.setString(PreferenceKey::quickAddListID, *listID);
    const QString typed = m_edit->text();
    const std::optional<RecurrenceRule> rule = customRuleOf(m_parsed);
    // A repeat counts from a date: "every 2 days" without one starts today, as a day without a time, so that the
    // series can move on and other clients keep the rule.
    std::optional<QDateTime> due = m_parsed.due;
    bool allDay = m_parsed.due && !m_parsed.dueHasTime;
    if (!due && m_parsed.repeat != RecurrenceOption::none) {
        due = QDateTime(m_clock().date(), QTime(0, 0));
        allDay = true;
    }
    QCoro::connect(m_model.addReminder(title, std::nullopt, due, m_parsed.priority,
                                       rule ? RecurrenceOption::custom : m_parsed.repeat, *listID, allDay, rule,
                                       ReminderAlert{}, m_parsed.tags),
                   this, [this, typed] {
                       m_adding = false;
                       // A failed add keeps the text, so that nothing typed is lost, and says why.
                       if (const std::optional<QString> error = m_model.lastOperationError()) {
                           m_error->setText(localizedString(QStringLiteral("quickAdd.addError")).arg(*error));
                           m_error->show();
                       } else if (m_edit->text() == typed) {
                           clear();
                       }
                   });
}

bool QuickAddField::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_edit && event->type() == QEvent::InputMethod && !m_sendingHighlight) {
        m_composing = !static_cast<QInputMethodEvent*>(event)->preeditString().isEmpty();
    }
    if (watched == m_edit && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        // Escape clears a typed text; on an empty field it goes on to the panel, which closes.
        if (key->key() == Qt::Key_Escape && !m_edit->text().isEmpty()) {
            clear();
            return true;
        }
        // The list button is out of the Tab order; Alt+Down opens its menu from the field.
        if (key->key() == Qt::Key_Down && key->modifiers().testFlag(Qt::AltModifier) && m_listButton->isEnabled()) {
            m_listButton->showMenu();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void QuickAddField::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::PaletteChange) {
        highlightSpans();
    }
    QWidget::changeEvent(event);
}

void QuickAddField::reparse()
{
    m_parsed = m_parser.parse(m_edit->text(), m_clock(), m_kept);
    m_chips->setChips(chipsFor(m_parsed));
    highlightSpans();
}

void QuickAddField::highlightSpans()
{
    // The highlight travels as an empty pre-edit; sent while an input method composes (pinyin, say), it would wipe
    // the composition. The committed text is highlighted once composing ends.
    if (m_composing) {
        return;
    }
    // A line edit draws per-character formats only for input-method text; an empty pre-edit carrying formats is the
    // way to colour words of the committed text without replacing the widget.
    QTextCharFormat format;
    QColor fill = palette().color(QPalette::Highlight);
    fill.setAlphaF(0.32f);
    format.setBackground(fill);
    QList<QInputMethodEvent::Attribute> attributes;
    for (const PhraseSpan& span : m_parsed.spans) {
        attributes.append(QInputMethodEvent::Attribute(QInputMethodEvent::TextFormat,
                                                       span.start - m_edit->cursorPosition(), span.length, format));
    }
    QInputMethodEvent event(QString(), attributes);
    m_sendingHighlight = true;
    QCoreApplication::sendEvent(m_edit, &event);
    m_sendingHighlight = false;
}

void QuickAddField::retranslate()
{
    m_edit->setPlaceholderText(localizedString(QStringLiteral("quickAdd.placeholder")));
    const std::optional<QString> target = targetListID();
    const QList<ReminderList> lists = m_model.lists();
    const auto list = std::find_if(lists.cbegin(), lists.cend(),
                                   [&target](const ReminderList& l) { return target && l.id == *target; });
    const QString name = list == lists.cend() ? localizedString(QStringLiteral("quickAdd.list.none")) : list->name;
    m_listButton->setText(name);
    m_listButton->setAccessibleName(name);
    m_listButton->setToolTip(localizedString(QStringLiteral("quickAdd.list.help")) + QLatin1Char('\n') + name);
    m_listButton->setIcon(list == lists.cend() ? colorDot(palette().color(QPalette::Mid)) : colorDot(list->color));
    m_listButton->setEnabled(!lists.isEmpty());
    m_chips->setChips(chipsFor(m_parsed));
}

void QuickAddField::rebuildListMenu()
{
    m_listMenu->clear();
    const std::optional<QString> target = targetListID();
    for (const ReminderList& list : m_model.lists()) {
        QAction* action = m_listMenu->addAction(colorDot(list.color), list.name);
        action->setCheckable(true);
        action->setChecked(target && *target == list.id);
        const QString id = list.id;
        connect(action, &QAction::triggered, this, [this, id] { chooseList(id); });
    }
}

void QuickAddField::chooseList(const QString& listID)
{
    m_preferences.setString(PreferenceKey::quickAddListID, listID);
    m_edit->setFocus(Qt::OtherFocusReason);
}

} // namespace tolvik
