#pragma once

#include "settings/SettingsTab.h"

#include <QWidget>

class QStackedWidget;

namespace tolvik {

class AboutSettingsTab;
class AppearanceSettingsTab;
class GeneralSettingsTab;
class LaunchAtLoginManager;
class RemindersViewModel;
class SegmentedPicker;

/// The content of the settings window: the segmented tab picker above the selected tab, in a fixed 620 by 620
/// frame with a 24-point margin, in the colour theme the preferences name. It starts on the general tab.
class SettingsView : public QWidget
{
    Q_OBJECT

public:
    static constexpr int contentSize = 620;
    static constexpr int margin = 24;

    /// The model and the controller must outlive the view.
    SettingsView(RemindersViewModel& model, LaunchAtLoginManager& launchAtLogin, QWidget* parent = nullptr);

    SettingsTab activeTab() const { return m_activeTab; }
    void setActiveTab(SettingsTab tab);

    SegmentedPicker* tabPicker() const { return m_tabPicker; }
    GeneralSettingsTab* generalTab() const { return m_general; }
    AppearanceSettingsTab* appearanceTab() const { return m_appearance; }
    AboutSettingsTab* aboutTab() const { return m_about; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void retranslate();
    void applyTheme();

    SettingsTab m_activeTab = SettingsTab::general;
    SegmentedPicker* m_tabPicker;
    QStackedWidget* m_stack;
    GeneralSettingsTab* m_general;
    AppearanceSettingsTab* m_appearance;
    AboutSettingsTab* m_about;
};

} // namespace tolvik
