#pragma once

#include <QDateTime>
#include <QWidget>

#include <functional>

class QLabel;
class QMenu;
class QToolButton;

namespace tolvik {

namespace PreferenceKey {
/// Whether the panel lists the reminders completed in the last seven days below the open ones (absent means no).
inline const QString showCompleted = QStringLiteral("showCompleted");
} // namespace PreferenceKey

class BusySpinner;
class DateLine;

/// The top of the panel: the app icon, today's date in the display locale, the summary line, while the model syncs a
/// spinner, and at the right end the search button and the "⋯" button with the panel's menu ("Show Completed").
class PanelHeader : public QWidget
{
    Q_OBJECT

public:
    static constexpr int iconSize = 34;
    static constexpr int iconCornerRadius = 10;
    static constexpr int spacing = 8;
    static constexpr int dateFontPixels = 22;

    explicit PanelHeader(QWidget* parent = nullptr);

    /// Today's date (from `now`) in the locale of `storedLanguage`, and the summary for `reminderCount` reminders.
    void render(const QDateTime& now, const QString& storedLanguage, int reminderCount);
    void setSyncing(bool syncing);

    QLabel* dateLabel() const;
    QLabel* summaryLabel() const { return m_summary; }
    QToolButton* searchButton() const { return m_searchButton; }
    QToolButton* moreButton() const { return m_moreButton; }
    /// The "⋯" button's menu, its switches set as stored; the caller owns it.
    QMenu* createMoreMenu();
    /// Opens that menu under the button, with its first item selected.
    void openMoreMenu();
    bool isSpinnerShown() const;

    /// The summary text for a count: "summary.zero" for none, else the plural form of "summary.count".
    static QString summaryText(int reminderCount);

Q_SIGNALS:
    void searchRequested();

protected:
    void changeEvent(QEvent* event) override;

private:
    void refreshIcon();
    void refreshTexts();

    QLabel* m_icon;
    DateLine* m_date;
    QLabel* m_summary;
    BusySpinner* m_spinner;
    QToolButton* m_searchButton;
    QToolButton* m_moreButton;
};

} // namespace tolvik
