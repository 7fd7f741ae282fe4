#pragma once

#include <QWidget>

class QLabel;

namespace tolvik {

/// The general tab's note for a desktop without a global shortcut service: it names the command to bind in the
/// desktop's own keyboard settings. Hidden while the shortcut is registered or still being asked for.
class QuickAddShortcutNote : public QWidget
{
    Q_OBJECT

public:
    explicit QuickAddShortcutNote(QWidget* parent = nullptr);

    QLabel* label() const { return m_label; }

private:
    void update();

    QLabel* m_label;
};

} // namespace tolvik
