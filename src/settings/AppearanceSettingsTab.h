#pragma once

#include <QList>
#include <QWidget>

class QComboBox;
class QLabel;
class QSlider;

namespace tolvik {

class Preferences;
class SegmentedPicker;
class SettingsSection;

/// The second settings tab: the panel's size, its transparency and the colour theme. Each control stores its choice
/// at once and shows what is stored, whoever stored it.
class AppearanceSettingsTab : public QWidget
{
    Q_OBJECT

public:
    /// Preferences come from Preferences::shared().
    explicit AppearanceSettingsTab(QWidget* parent = nullptr);

    QList<SettingsSection*> sections() const { return m_sections; }
    QSlider* sizeSlider() const { return m_sizeSlider; }
    QLabel* sizeSliderLabel() const { return m_sizeLabel; }
    QLabel* sizeSmallLabel() const { return m_smallLabel; }
    QLabel* sizeLargeLabel() const { return m_largeLabel; }
    /// The caption naming the current size and its dimensions.
    QLabel* currentSizeLabel() const { return m_currentSize; }
    QLabel* transparencyLabel() const { return m_transparencyLabel; }
    QComboBox* transparencyPicker() const { return m_transparencyPicker; }
    QLabel* themeLabel() const { return m_themeLabel; }
    SegmentedPicker* themePicker() const { return m_themePicker; }
    QLabel* themeNote() const { return m_themeNote; }

private:
    QWidget* buildSizeSection();
    QWidget* buildTransparencySection();
    QWidget* buildThemeSection();

    void onPreferenceChanged(const QString& key);
    void retranslate();
    void updateSize();
    void updateTransparency();
    void updateTheme();

    Preferences& m_preferences;
    QList<SettingsSection*> m_sections;
    QLabel* m_sizeLabel = nullptr;
    QLabel* m_smallLabel = nullptr;
    QLabel* m_largeLabel = nullptr;
    QSlider* m_sizeSlider = nullptr;
    QLabel* m_currentSize = nullptr;
    QLabel* m_transparencyLabel = nullptr;
    QComboBox* m_transparencyPicker = nullptr;
    QLabel* m_themeLabel = nullptr;
    SegmentedPicker* m_themePicker = nullptr;
    QLabel* m_themeNote = nullptr;
};

} // namespace tolvik
