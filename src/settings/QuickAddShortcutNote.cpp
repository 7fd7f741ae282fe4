#include "settings/QuickAddShortcutNote.h"

#include "appearance/LocalizationManager.h"
#include "appearance/Preferences.h"
#include "settings/GlobalShortcutStatus.h"
#include "settings/SettingsStyle.h"

#include <QLabel>
#include <QVBoxLayout>

namespace tolvik {

QuickAddShortcutNote::QuickAddShortcutNote(QWidget* parent)
    : QWidget(parent)
    , m_label(makeStyledLabel(TextStyle::footnote, true, this))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_label->setWordWrap(true);
    // The command is there to be copied into the desktop's keyboard settings.
    m_label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(m_label);
    connect(&GlobalShortcutStatus::shared(), &GlobalShortcutStatus::stateChanged, this, &QuickAddShortcutNote::update);
    connect(&Preferences::shared(), &Preferences::changed, this, [this](const QString& key) {
        if (key == PreferenceKey::languagePreference) {
            update();
        }
    });
    update();
}

void QuickAddShortcutNote::update()
{
    m_label->setText(
        localizedString(QStringLiteral("settings.quickAdd.noShortcut")).arg(GlobalShortcutStatus::quickAddCommand()));
    setVisible(GlobalShortcutStatus::shared().state() == GlobalShortcutStatus::State::unavailable);
}

} // namespace tolvik
