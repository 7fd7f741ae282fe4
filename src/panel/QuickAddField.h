#pragma once

#include "model/Clock.h"
#include "quickadd/PhraseParser.h"

#include <QStringList>
#include <QWidget>

#include <optional>

class QLabel;
class QLineEdit;
class QMenu;
class QToolButton;

namespace tolvik {

class Preferences;
class QuickAddChips;
class RemindersViewModel;

/// The field at the top of the panel where a reminder is typed in words. As the user types, the recognised due
/// date, priority and repeat show as chips below it and their words are highlighted; a chip's × keeps its words in
/// the title. Return adds the reminder to the list chosen in the list button beside the field (remembered under
/// "quickAddListID"); Escape clears the field and Alt+Down opens the list menu. A failed add keeps the text and
/// says why under the field.
class QuickAddField : public QWidget
{
    Q_OBJECT

public:
    /// `model` and `preferences` must outlive the field.
    QuickAddField(RemindersViewModel& model, Preferences& preferences, Clock clock = systemClock(),
                  QWidget* parent = nullptr);

    QLineEdit* edit() const { return m_edit; }
    QToolButton* listButton() const { return m_listButton; }
    QuickAddChips* chips() const { return m_chips; }
    /// Says why the last add failed; hidden otherwise.
    QLabel* errorLabel() const { return m_error; }

    /// The list a reminder added now goes to: the remembered one while it exists, else the first shown list, else
    /// the first list; nothing without lists.
    std::optional<QString> targetListID() const;
    /// What the typed text reads as now.
    ParsedPhrase parsed() const { return m_parsed; }

    /// Gives the field keyboard focus with its text selected, so that typing starts a new reminder.
    void focusField();
    /// Adds the typed reminder, as Return does.
    void submit();
    /// Empties the field and forgets the chips' dismissed words.
    void clear();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void reparse();
    void highlightSpans();
    void retranslate();
    void rebuildListMenu();
    void chooseList(const QString& listID);
    static PhraseParser parserForLanguage(const QString& storedLanguage);

    RemindersViewModel& m_model;
    Preferences& m_preferences;
    Clock m_clock;
    QLineEdit* m_edit;
    QToolButton* m_listButton;
    QMenu* m_listMenu;
    QuickAddChips* m_chips;
    QLabel* m_error;
    PhraseParser m_parser;
    QStringList m_kept;
    ParsedPhrase m_parsed;
    bool m_adding = false;
    bool m_composing = false;
    bool m_sendingHighlight = false;
};

} // namespace tolvik
