#pragma once

#include <QWidget>

class QToolButton;

namespace tolvik {

/// The bottom of the panel: the settings button on the left, the quit button on the right.
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

Q_SIGNALS:
    void settingsRequested();
    void quitRequested();

protected:
    void changeEvent(QEvent* event) override;

private:
    void refreshIcons();

    QToolButton* m_settings;
    QToolButton* m_quit;
};

} // namespace tolvik
