#include "settings/GlobalShortcutStatus.h"

namespace tolvik {

GlobalShortcutStatus& GlobalShortcutStatus::shared()
{
    static GlobalShortcutStatus status;
    return status;
}

void GlobalShortcutStatus::setState(State state)
{
    if (state == m_state) {
        return;
    }
    m_state = state;
    Q_EMIT stateChanged();
}

QString GlobalShortcutStatus::quickAddCommand()
{
    return QStringLiteral("tolvik-reminder --quick-add");
}

} // namespace tolvik
