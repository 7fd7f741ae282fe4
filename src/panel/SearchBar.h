#pragma once

#include <QString>
#include <QWidget>

class QAction;
class QCheckBox;
class QLineEdit;

namespace tolvik {

class Preferences;

/// The search field under the panel's header, with the switch that widens a search to every list of the selected
/// accounts and to reminders outside the timeframe. Hidden until opened; Escape in the field empties and closes it,
/// and Up, Down and Return hand the keyboard to the results.
class SearchBar : public QWidget
{
    Q_OBJECT

public:
    /// `preferences` must outlive the bar; its language is followed.
    explicit SearchBar(Preferences& preferences, QWidget* parent = nullptr);

    QLineEdit* edit() const { return m_edit; }
    QCheckBox* wideSwitch() const { return m_wide; }

    bool isOpen() const { return m_open; }
    /// What is typed now; empty while closed.
    QString text() const;
    /// Whether the search reaches past the shown lists and the timeframe.
    bool isWide() const;

    /// Shows the bar and gives the field the focus with its text selected.
    void open();
    /// Empties the field, turns the switch off and hides the bar.
    void close();

Q_SIGNALS:
    void opened();
    void closed();
    /// The typed text or the switch changed while the bar is open.
    void searchChanged();
    /// Up or Down in the field (`fromEnd` for Up), or Return: the keyboard goes on to the results.
    void resultsRequested(bool fromEnd);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void retranslate();
    void refreshIcon();

    Preferences& m_preferences;
    QLineEdit* m_edit;
    QAction* m_icon;
    QCheckBox* m_wide;
    bool m_open = false;
};

} // namespace tolvik
