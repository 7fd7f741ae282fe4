#pragma once

#include <QWidget>

class QLabel;
class QToolButton;

namespace tolvik {

/// The bottom of the panel: the settings button on the left, the quit button on the right, and between them a short
/// line about sync while a sync problem lasts.
class PanelFooter : public QWidget
{
    Q_OBJECT

public:
    static constexpr int spacing = 16;
    static constexpr int sideInset = 4;

    explicit PanelFooter(QWidget* parent = nullptr);

    void refreshTexts();
    QToolButton* settingsButton() const { return m_settings; }
    QToolButton* quitButton() const { return m_quit; }
    QLabel* syncStatus() const { return m_syncStatus; }

Q_SIGNALS:
    void settingsRequested();
    void quitRequested();

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void refreshIcons();
    void refreshSyncStatus();

    QToolButton* m_settings;
    QToolButton* m_quit;
    QLabel* m_syncStatus;
};

} // namespace tolvik
