#pragma once

#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QWidget>

class QAbstractButton;
class QCheckBox;
class QComboBox;
class QLabel;
class QTimeEdit;
class QVBoxLayout;

namespace tolvik {

class LaunchAtLoginManager;
class LinkButton;
class ListActions;
class ListToggleRow;
class Preferences;
class RemindersViewModel;
class SettingsSection;
class SyncAccountsPanel;

/// The first settings tab: launch at login, automatic refresh, the timeframe, notifications of due reminders, the
/// interface language, and the accounts and lists whose reminders the panel shows. Every control writes straight
/// through, and the tab follows the model, the login controller and the stored preferences as they change, whoever
/// changes them.
class GeneralSettingsTab : public QWidget
{
    Q_OBJECT

public:
    /// The model and the controller must outlive the tab. Preferences come from Preferences::shared().
    GeneralSettingsTab(RemindersViewModel& model, LaunchAtLoginManager& launchAtLogin, QWidget* parent = nullptr);

    QList<SettingsSection*> sections() const { return m_sections; }
    QCheckBox* launchToggle() const { return m_launchToggle; }
    QCheckBox* autoRefreshToggle() const { return m_autoRefreshToggle; }
    QLabel* autoRefreshNote() const { return m_autoRefreshNote; }
    QLabel* timeframeLabel() const { return m_timeframeLabel; }
    QComboBox* timeframePicker() const { return m_timeframePicker; }
    QLabel* languageLabel() const { return m_languageLabel; }
    QComboBox* languagePicker() const { return m_languagePicker; }
    QLabel* launchErrorLabel() const { return m_launchError; }
    QCheckBox* notifyToggle() const { return m_notifyToggle; }
    QLabel* allDayTimeLabel() const { return m_allDayTimeLabel; }
    QTimeEdit* allDayTimePicker() const { return m_allDayTimePicker; }

    /// The account toggles shown, by account id in display order, and one of them (nullptr when not shown).
    QStringList accountToggleIDs() const { return m_accountOrder; }
    QCheckBox* accountToggle(const QString& accountID) const { return m_accountToggles.value(accountID); }
    QLabel* accountsEmptyLabel() const { return m_accountsEmpty; }
    /// Says that every account's lists are offered while no account is ticked.
    QLabel* accountsAllShownLabel() const { return m_accountsAllShown; }
    QAbstractButton* accountsSelectAllButton() const;
    QAbstractButton* accountsClearButton() const;
    /// The synced accounts' rows and Add Account…; nullptr when the app syncs nothing.
    SyncAccountsPanel* syncAccounts() const { return m_syncAccounts; }

    /// The offered lists' rows, by list id in display order, and one of them (nullptr when not offered).
    QStringList listRowIDs() const { return m_listOrder; }
    ListToggleRow* listRow(const QString& listID) const { return m_listRows.value(listID); }
    QLabel* listsEmptyLabel() const { return m_listsEmpty; }
    QAbstractButton* listsSelectAllButton() const;
    QAbstractButton* listsClearButton() const;
    QAbstractButton* newListButton() const;
    ListActions* listActions() const { return m_listActions; }

private:
    QWidget* buildGeneralSection();
    QWidget* buildLanguageSection();
    QWidget* buildAccountsSection();
    QWidget* buildListsSection();

    void retranslate();
    void onPreferenceChanged(const QString& key);
    void updateLaunch();
    void updateAutoRefresh();
    void updateTimeframe();
    void updateAlarms();
    void updateLanguage();
    void updateAccounts();
    void updateLists();

    QSet<QString> storedAccountIDs() const;
    QSet<QString> storedListIDs() const;
    void storeAccountIDs(const QSet<QString>& ids);
    void storeListIDs(const QSet<QString>& ids);
    void setAccountSelected(const QString& accountID, bool selected);
    void setListSelected(const QString& listID, bool selected);

    RemindersViewModel& m_model;
    LaunchAtLoginManager& m_launchAtLogin;
    Preferences& m_preferences;

    QList<SettingsSection*> m_sections;
    QCheckBox* m_launchToggle = nullptr;
    QCheckBox* m_autoRefreshToggle = nullptr;
    QLabel* m_autoRefreshNote = nullptr;
    QLabel* m_timeframeLabel = nullptr;
    QComboBox* m_timeframePicker = nullptr;
    QCheckBox* m_notifyToggle = nullptr;
    QLabel* m_allDayTimeLabel = nullptr;
    QTimeEdit* m_allDayTimePicker = nullptr;
    QLabel* m_languageLabel = nullptr;
    QComboBox* m_languagePicker = nullptr;

    QLabel* m_accountsEmpty = nullptr;
    QLabel* m_accountsAllShown = nullptr;
    SyncAccountsPanel* m_syncAccounts = nullptr;
    QVBoxLayout* m_accountRows = nullptr;
    QWidget* m_accountButtons = nullptr;
    LinkButton* m_accountsSelectAll = nullptr;
    LinkButton* m_accountsClear = nullptr;
    QHash<QString, QCheckBox*> m_accountToggles;
    QStringList m_accountOrder;

    QLabel* m_listsEmpty = nullptr;
    QVBoxLayout* m_listRowsLayout = nullptr;
    QWidget* m_listButtons = nullptr;
    LinkButton* m_listsSelectAll = nullptr;
    LinkButton* m_listsClear = nullptr;
    LinkButton* m_newList = nullptr;
    ListActions* m_listActions = nullptr;
    QHash<QString, ListToggleRow*> m_listRows;
    QStringList m_listOrder;

    QLabel* m_launchError = nullptr;
};

} // namespace tolvik
