#pragma once

#include "panel/ListSelection.h"

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

/// A centred column shown instead of the list sections: a dimmed symbol, a title, a message and, for the access
/// placeholders, a prominent button. Texts are looked up again on `refreshTexts`.
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

Q_SIGNALS:
    /// The button was pressed; the owner decides what it does for the current placeholder.
    void buttonClicked(tolvik::Placeholder placeholder);

protected:
    void changeEvent(QEvent* event) override;

private:
    void refreshSymbol();

    Placeholder m_placeholder = Placeholder::noLists;
    QLabel* m_symbol;
    QLabel* m_title;
    QLabel* m_message;
    QPushButton* m_button;
};

} // namespace tolvik
