#pragma once

#include "model/ReminderList.h"
#include "panel/ListSelection.h"

#include <QMenu>
#include <QPointer>

#include <QString>
#include <QWidget>

#include <optional>

class QLabel;
class QPushButton;

namespace tolvik {

/// The symbol, texts and button of one placeholder.
struct PlaceholderContent
{
    QString symbol;
    QString titleKey;
    QString messageKey;
    std::optional<QString> buttonKey;
};

PlaceholderContent placeholderContent(Placeholder placeholder);

/// A centred column shown instead of the list sections: a dimmed symbol, a title, a message and a prominent button
/// (grant access, open the folder, open the settings, or add a reminder). Texts are looked up again on
/// `refreshTexts`.
class PlaceholderView : public QWidget
{
    Q_OBJECT

public:
    static constexpr int symbolSize = 36;
    static constexpr int verticalPadding = 40;
    static constexpr int spacing = 12;

    explicit PlaceholderView(QWidget* parent = nullptr);

    void setPlaceholder(Placeholder placeholder);
    Placeholder placeholder() const { return m_placeholder; }
    void refreshTexts();

    QLabel* titleLabel() const { return m_title; }
    QLabel* messageLabel() const { return m_message; }
    QPushButton* button() const { return m_button; }

    /// Opens a menu of `lists` (colour dot and name) under the button; choosing one emits `listChosen`.
    void chooseList(const QList<ReminderList>& lists);
    /// The menu of the last `chooseList`, while it exists.
    QMenu* listMenu() const { return m_listMenu; }

Q_SIGNALS:
    /// The button was pressed; the owner decides what it does for the current placeholder.
    void buttonClicked(tolvik::Placeholder placeholder);
    /// A list was chosen from the menu of `chooseList`.
    void listChosen(const QString& listID);

protected:
    void changeEvent(QEvent* event) override;

private:
    void refreshSymbol();

    Placeholder m_placeholder = Placeholder::noLists;
    QLabel* m_symbol;
    QLabel* m_title;
    QLabel* m_message;
    QPushButton* m_button;
    QPointer<QMenu> m_listMenu;
};

} // namespace tolvik
