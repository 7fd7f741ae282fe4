#pragma once

#include <QObject>

namespace tolvik {

/// Whether the desktop gave the app a global shortcut for quick add. The app's shortcut client writes it; the
/// settings window reads it to tell the user when they must bind the quick-add command themselves.
class GlobalShortcutStatus : public QObject
{
    Q_OBJECT

public:
    enum class State
    {
        unknown,     ///< still asking the desktop
        registered,  ///< a portal or the desktop's shortcut service holds the shortcut
        unavailable, ///< no shortcut service: the user binds `tolvik-reminder --quick-add` by hand
    };

    /// The one instance of the process.
    static GlobalShortcutStatus& shared();

    State state() const { return m_state; }
    void setState(State state);

    /// The command a desktop's own keyboard settings can bind to open quick add.
    static QString quickAddCommand();

Q_SIGNALS:
    void stateChanged();

private:
    State m_state = State::unknown;
};

} // namespace tolvik
