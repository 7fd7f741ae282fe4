#include "settings/GeneralSettingsTab.h"

#include "appearance/LocalizationManager.h"
#include "appearance/Preferences.h"
#include "appearance/SupportedLanguage.h"
#include "model/RemindersViewModel.h"
#include "settings/LaunchAtLoginManager.h"
#include "settings/LinkButton.h"
#include "settings/ListActions.h"
#include "settings/ListToggleRow.h"
#include "settings/QuickAddShortcutNote.h"
#include "settings/SettingsSection.h"
#include "settings/SettingsSelection.h"
#include "settings/SettingsStyle.h"
#include "settings/SyncAccountsPanel.h"
#include "settings/ThemedComboBox.h"
#include "sync/SyncService.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QStyle>
#include <QTimeEdit>
#include <QVBoxLayout>

namespace tolvik {

namespace {

QString timeframeKey(ReminderTimeframe timeframe)
{
    switch (timeframe) {
    case ReminderTimeframe::oneMonth:
        return QStringLiteral("settings.timeframe.1month");
    case ReminderTimeframe::threeMonths:
        return QStringLiteral("settings.timeframe.3months");
    case ReminderTimeframe::sixMonths:
        return QStringLiteral("settings.timeframe.6months");
    case ReminderTimeframe::oneYear:
        return QStringLiteral("settings.timeframe.1year");
    case ReminderTimeframe::unlimited:
        return QStringLiteral("settings.timeframe.unlimited");
    }
    return QStringLiteral("settings.timeframe.1month");
}

/// A row of a label and a control pushed to the trailing edge.
QHBoxLayout* labelledRow(QLabel* label, QWidget* control)
{
    auto* row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(label, 1);
    row->addWidget(control, 0);
    return row;
}

/// The row of the two link buttons under a section's toggles.
QWidget* buttonRow(QWidget* parent, LinkButton*& selectAll, LinkButton*& clear)
{
    auto* row = new QWidget(parent);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 2, 0, 0);
    layout->setSpacing(12);
    selectAll = new LinkButton(row);
    clear = new LinkButton(row);
    layout->addWidget(selectAll);
    layout->addWidget(clear);
    layout->addStretch(1);
    return row;
}

/// Empties a layout without deleting its widgets, so that they can be added again in a new order.
void takeAll(QVBoxLayout* layout)
{
    while (QLayoutItem* item = layout->takeAt(0)) {
        delete item;
    }
}

} // namespace

GeneralSettingsTab::GeneralSettingsTab(RemindersViewModel& model, LaunchAtLoginManager& launchAtLogin, QWidget* parent)
    : QWidget(parent)
    , m_model(model)
    , m_launchAtLogin(launchAtLogin)
    , m_preferences(Preferences::shared())
{
    auto* form = new QWidget;
    auto* formLayout = new QVBoxLayout(form);
    formLayout->setContentsMargins(0, 0, 10, 0);
    formLayout->setSpacing(16);
    // The lists come right after the general settings, before the accounts (which grow with synced ones) and the
    // language (set once): "New List…" stays in sight without scrolling.
    formLayout->addWidget(buildGeneralSection());
    formLayout->addWidget(buildListsSection());
    formLayout->addWidget(buildAccountsSection());
    formLayout->addWidget(buildLanguageSection());
    formLayout->addStretch(1);

    // Many lists can outgrow the fixed window, so the form scrolls.
    auto* scroll = new QScrollArea(this);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->viewport()->setAutoFillBackground(false);
    form->setAutoFillBackground(false);
    scroll->setWidget(form);

    m_launchError = makeStyledLabel(TextStyle::footnote, false, this);
    m_launchError->setContentsMargins(8, 8, 8, 8);
    QPalette errorPalette = m_launchError->palette();
    errorPalette.setColor(QPalette::WindowText, QColor(0xe0, 0x35, 0x2b));
    m_launchError->setPalette(errorPalette);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(scroll, 1);
    layout->addWidget(m_launchError);

    connect(&m_preferences, &Preferences::changed, this, &GeneralSettingsTab::onPreferenceChanged);
    connect(&m_model, &RemindersViewModel::accountsChanged, this, [this] {
        updateAccounts();
        updateLists();
    });
    connect(&m_model, &RemindersViewModel::listsChanged, this, &GeneralSettingsTab::updateLists);
    connect(&m_model, &RemindersViewModel::isAutoRefreshEnabledChanged, this, &GeneralSettingsTab::updateAutoRefresh);
    connect(&m_model, &RemindersViewModel::reminderTimeframeChanged, this, &GeneralSettingsTab::updateTimeframe);
    connect(&m_launchAtLogin, &LaunchAtLoginManager::isEnabledChanged, this, &GeneralSettingsTab::updateLaunch);
    connect(&m_launchAtLogin, &LaunchAtLoginManager::lastErrorDescriptionChanged, this,
            &GeneralSettingsTab::updateLaunch);

    retranslate();
    updateAutoRefresh();
    updateTimeframe();
    updateAlarms();
    updateAccounts();
    updateLists();
}

QWidget* GeneralSettingsTab::buildGeneralSection()
{
    auto* section = new SettingsSection(QStringLiteral("slider.horizontal.3"), this);
    m_sections.append(section);
    QVBoxLayout* content = section->contentLayout();

    m_launchToggle = new QCheckBox(section);
    content->addWidget(m_launchToggle);
    connect(m_launchToggle, &QCheckBox::clicked, this, [this](bool checked) {
        m_launchAtLogin.setEnabled(checked);
        // The toggle shows what the controller holds afterwards, so a failed change springs back.
        updateLaunch();
    });

    // The note hugs the toggle it explains and lines up with the toggle's text.
    auto* autoRefresh = new QVBoxLayout;
    autoRefresh->setSpacing(2);
    m_autoRefreshToggle = new QCheckBox(section);
    connect(m_autoRefreshToggle, &QCheckBox::clicked, this,
            [this](bool checked) { m_model.setAutoRefreshEnabled(checked); });
    m_autoRefreshNote = makeStyledLabel(TextStyle::footnote, true, section);
    const int indent =
        style()->pixelMetric(QStyle::PM_IndicatorWidth) + style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing);
    m_autoRefreshNote->setContentsMargins(indent, 0, 0, 0);
    autoRefresh->addWidget(m_autoRefreshToggle);
    autoRefresh->addWidget(m_autoRefreshNote);
    content->addLayout(autoRefresh);

    m_timeframeLabel = makeStyledLabel(TextStyle::body, false, section);
    m_timeframePicker = new ThemedComboBox(section);
    for (ReminderTimeframe timeframe : allReminderTimeframes()) {
        m_timeframePicker->addItem(QString(), rawValue(timeframe));
    }
    m_timeframeLabel->setBuddy(m_timeframePicker);
    content->addLayout(labelledRow(m_timeframeLabel, m_timeframePicker));
    content->addWidget(new QuickAddShortcutNote(section));
    connect(m_timeframePicker, &QComboBox::currentIndexChanged, this, [this](int index) {
        const QList<ReminderTimeframe> timeframes = allReminderTimeframes();
        if (index >= 0 && index < timeframes.size()) {
            m_model.setReminderTimeframe(timeframes[index]);
        }
    });

    m_notifyToggle = new QCheckBox(section);
    content->addWidget(m_notifyToggle);
    connect(m_notifyToggle, &QCheckBox::clicked, this,
            [this](bool checked) { m_preferences.setBoolean(PreferenceKey::notifyWhenDue, checked); });
    m_allDayTimeLabel = makeStyledLabel(TextStyle::body, false, section);
    m_allDayTimePicker = new QTimeEdit(section);
    // A fixed 24-hour pattern: the same in every language, and free of the day-period letters Qt cannot print.
    m_allDayTimePicker->setDisplayFormat(QStringLiteral("HH:mm"));
    m_allDayTimeLabel->setBuddy(m_allDayTimePicker);
    content->addLayout(labelledRow(m_allDayTimeLabel, m_allDayTimePicker));
    connect(m_allDayTimePicker, &QTimeEdit::timeChanged, this, [this](QTime time) {
        m_preferences.setString(PreferenceKey::allDayAlarmTime, time.toString(QStringLiteral("HH:mm")));
    });
    return section;
}

QWidget* GeneralSettingsTab::buildLanguageSection()
{
    auto* section = new SettingsSection(QStringLiteral("globe"), this);
    m_sections.append(section);
    m_languageLabel = makeStyledLabel(TextStyle::body, false, section);
    m_languagePicker = new ThemedComboBox(section);
    for (SupportedLanguage language : allSupportedLanguages()) {
        m_languagePicker->addItem(QString(), rawValue(language));
    }
    m_languageLabel->setBuddy(m_languagePicker);
    section->contentLayout()->addLayout(labelledRow(m_languageLabel, m_languagePicker));
    connect(m_languagePicker, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0) {
            m_preferences.setString(PreferenceKey::languagePreference, m_languagePicker->itemData(index).toString());
        }
    });
    return section;
}

QWidget* GeneralSettingsTab::buildAccountsSection()
{
    auto* section = new SettingsSection(QStringLiteral("person.2"), this);
    m_sections.append(section);
    m_accountsEmpty = makeStyledLabel(TextStyle::footnote, true, section);
    m_accountRows = new QVBoxLayout;
    m_accountRows->setSpacing(6);
    m_accountButtons = buttonRow(section, m_accountsSelectAll, m_accountsClear);
    // With no account ticked every account's lists are offered; unticked boxes beside shown lists need saying so.
    m_accountsAllShown = makeStyledLabel(TextStyle::footnote, true, section);
    m_accountsAllShown->setWordWrap(true);
    section->contentLayout()->addWidget(m_accountsEmpty);
    section->contentLayout()->addWidget(m_accountsAllShown);
    section->contentLayout()->addLayout(m_accountRows);
    section->contentLayout()->addWidget(m_accountButtons);
    // The CalDAV accounts the app syncs, their state and Add Account…, where the app syncs at all.
    if (SyncService* service = SyncService::shared()) {
        m_syncAccounts = new SyncAccountsPanel(*service, section);
        section->contentLayout()->addWidget(m_syncAccounts);
        connect(m_syncAccounts, &SyncAccountsPanel::listsAdded, this,
                [this](const QString& accountID, const QStringList& listIDs) {
                    // What the user picked in the dialog shows in the panel at once.
                    QSet<QString> lists = storedListIDs();
                    for (const QString& id : listIDs) {
                        lists.insert(id);
                    }
                    storeListIDs(lists);
                    QSet<QString> accounts = storedAccountIDs();
                    if (!accounts.isEmpty()) {
                        accounts.insert(accountID);
                        storeAccountIDs(accounts);
                    }
                });
    }

    connect(m_accountsSelectAll, &QAbstractButton::clicked, this,
            [this] { storeAccountIDs(SettingsSelection::accountIDs(m_model.accounts())); });
    // No restriction: every list is offered again, and the list selection stays as it is.
    connect(m_accountsClear, &QAbstractButton::clicked, this, [this] { storeAccountIDs({}); });
    return section;
}

QWidget* GeneralSettingsTab::buildListsSection()
{
    auto* section = new SettingsSection(QStringLiteral("text.badge.plus"), this);
    m_sections.append(section);
    m_listsEmpty = makeStyledLabel(TextStyle::footnote, true, section);
    m_listRowsLayout = new QVBoxLayout;
    m_listRowsLayout->setSpacing(6);
    m_listButtons = buttonRow(section, m_listsSelectAll, m_listsClear);
    section->contentLayout()->addWidget(m_listsEmpty);
    section->contentLayout()->addLayout(m_listRowsLayout);
    section->contentLayout()->addWidget(m_listButtons);
    // Always there, so that a store with no list yet can get its first one from here.
    m_listActions = new ListActions(m_model, this);
    // In the header, where it shows as soon as the section does, however many lists there are.
    m_newList = new LinkButton(section);
    section->addHeaderWidget(m_newList);
    connect(m_newList, &QAbstractButton::clicked, m_listActions, &ListActions::newList);

    // Select All replaces the selection with the offered lists, dropping lists of accounts not chosen.
    connect(m_listsSelectAll, &QAbstractButton::clicked, this, [this] {
        storeListIDs(SettingsSelection::listIDs(SettingsSelection::offeredLists(m_model.lists(), storedAccountIDs())));
    });
    connect(m_listsClear, &QAbstractButton::clicked, this, [this] { storeListIDs({}); });
    return section;
}

QAbstractButton* GeneralSettingsTab::accountsSelectAllButton() const
{
    return m_accountsSelectAll;
}

QAbstractButton* GeneralSettingsTab::accountsClearButton() const
{
    return m_accountsClear;
}

QAbstractButton* GeneralSettingsTab::listsSelectAllButton() const
{
    return m_listsSelectAll;
}

QAbstractButton* GeneralSettingsTab::listsClearButton() const
{
    return m_listsClear;
}

QAbstractButton* GeneralSettingsTab::newListButton() const
{
    return m_newList;
}

void GeneralSettingsTab::retranslate()
{
    // In the order the sections are built.
    const QStringList sectionKeys = {
        QStringLiteral("settings.general.section"), QStringLiteral("settings.lists.section"),
        QStringLiteral("settings.accounts.section"), QStringLiteral("settings.language.section")};
    for (qsizetype i = 0; i < m_sections.size(); ++i) {
        m_sections[i]->setTitle(localizedString(sectionKeys[i]));
    }
    m_launchToggle->setText(localizedString(QStringLiteral("settings.general.launch")));
    m_autoRefreshToggle->setText(localizedString(QStringLiteral("settings.general.autoRefresh")));
    m_autoRefreshNote->setText(localizedString(QStringLiteral("settings.general.autoRefreshNote")));
    m_timeframeLabel->setText(localizedString(QStringLiteral("settings.timeframe.label")));
    m_notifyToggle->setText(localizedString(QStringLiteral("settings.general.notify")));
    m_allDayTimeLabel->setText(localizedString(QStringLiteral("settings.general.allDayTime")));
    {
        const QSignalBlocker blocker(m_timeframePicker);
        const QList<ReminderTimeframe> timeframes = allReminderTimeframes();
        for (qsizetype i = 0; i < timeframes.size(); ++i) {
            m_timeframePicker->setItemText(int(i), localizedString(timeframeKey(timeframes[i])));
        }
    }
    m_languageLabel->setText(localizedString(QStringLiteral("settings.language.picker")));
    {
        const QSignalBlocker blocker(m_languagePicker);
        const QList<SupportedLanguage> languages = allSupportedLanguages();
        for (qsizetype i = 0; i < languages.size(); ++i) {
            m_languagePicker->setItemText(int(i), localizedString(labelKey(languages[i])));
        }
    }
    m_accountsEmpty->setText(localizedString(QStringLiteral("settings.accounts.empty")));
    m_accountsAllShown->setText(localizedString(QStringLiteral("settings.accounts.noneTicked")));
    m_listsEmpty->setText(localizedString(QStringLiteral("settings.lists.empty")));
    m_newList->setText(localizedString(QStringLiteral("settings.lists.new")));
    for (LinkButton* button : {m_accountsSelectAll, m_listsSelectAll}) {
        button->setText(localizedString(QStringLiteral("button.selectAll")));
    }
    for (LinkButton* button : {m_accountsClear, m_listsClear}) {
        button->setText(localizedString(QStringLiteral("button.clear")));
    }
    updateLanguage();
    updateLaunch();
}

void GeneralSettingsTab::onPreferenceChanged(const QString& key)
{
    if (key == PreferenceKey::languagePreference) {
        retranslate();
    } else if (key == PreferenceKey::selectedAccountIDs) {
        updateAccounts();
        updateLists();
    } else if (key == PreferenceKey::selectedListIDs) {
        updateLists();
    } else if (key == PreferenceKey::notifyWhenDue || key == PreferenceKey::allDayAlarmTime) {
        updateAlarms();
    }
}

void GeneralSettingsTab::updateLaunch()
{
    m_launchToggle->setChecked(m_launchAtLogin.isEnabled());
    const std::optional<QString> error = m_launchAtLogin.lastErrorDescription();
    if (error) {
        // The system's text often names a long path; a zero-width space after each slash lets it wrap.
        QString description = *error;
        description.replace(QLatin1Char('/'), QStringLiteral("/\u200B"));
        m_launchError->setText(localizedString(QStringLiteral("settings.launchError")).arg(description));
    }
    m_launchError->setVisible(error.has_value());
}

void GeneralSettingsTab::updateAutoRefresh()
{
    m_autoRefreshToggle->setChecked(m_model.isAutoRefreshEnabled());
}

void GeneralSettingsTab::updateTimeframe()
{
    const QSignalBlocker blocker(m_timeframePicker);
    m_timeframePicker->setCurrentIndex(int(allReminderTimeframes().indexOf(m_model.reminderTimeframe())));
}

void GeneralSettingsTab::updateAlarms()
{
    const bool notify = m_preferences.boolean(PreferenceKey::notifyWhenDue).value_or(true);
    m_notifyToggle->setChecked(notify);
    const QTime stored =
        QTime::fromString(m_preferences.string(PreferenceKey::allDayAlarmTime, QString()), QStringLiteral("HH:mm"));
    const QSignalBlocker blocker(m_allDayTimePicker);
    m_allDayTimePicker->setTime(stored.isValid() ? stored : QTime(9, 0));
    // The time only matters while reminders ring.
    m_allDayTimePicker->setEnabled(notify);
    m_allDayTimeLabel->setEnabled(notify);
}

void GeneralSettingsTab::updateLanguage()
{
    // A stored string that names no language shows the system entry; the string itself stays stored.
    const SupportedLanguage language =
        supportedLanguageFromStored(m_preferences.string(PreferenceKey::languagePreference));
    const QSignalBlocker blocker(m_languagePicker);
    m_languagePicker->setCurrentIndex(int(allSupportedLanguages().indexOf(language)));
}

void GeneralSettingsTab::updateAccounts()
{
    const QList<ReminderAccount> accounts = m_model.accounts();
    const QSet<QString> known = SettingsSelection::accountIDs(accounts);
    const QSet<QString> selected = storedAccountIDs();

    for (auto it = m_accountToggles.begin(); it != m_accountToggles.end();) {
        if (known.contains(it.key())) {
            ++it;
            continue;
        }
        // Deferred: the toggle may be the sender of the signal that led here.
        it.value()->hide();
        it.value()->deleteLater();
        it = m_accountToggles.erase(it);
    }
    takeAll(m_accountRows);
    m_accountOrder.clear();
    for (const ReminderAccount& account : accounts) {
        QCheckBox* toggle = m_accountToggles.value(account.id);
        if (!toggle) {
            toggle = new QCheckBox(m_accountRows->parentWidget());
            const QString id = account.id;
            connect(toggle, &QCheckBox::clicked, this, [this, id](bool checked) { setAccountSelected(id, checked); });
            m_accountToggles.insert(id, toggle);
        }
        // A check box reads "&" as a shortcut marker; the store's name is shown as it is.
        toggle->setText(QString(account.name).replace(QLatin1Char('&'), QStringLiteral("&&")));
        toggle->setChecked(selected.contains(account.id));
        m_accountRows->addWidget(toggle);
        m_accountOrder.append(account.id);
    }
    m_accountsEmpty->setVisible(accounts.isEmpty());
    m_accountsAllShown->setVisible(!accounts.isEmpty() && selected.isEmpty());
    m_accountButtons->setVisible(!accounts.isEmpty());
}

void GeneralSettingsTab::updateLists()
{
    const QList<ReminderList> offered = SettingsSelection::offeredLists(m_model.lists(), storedAccountIDs());
    const QSet<QString> shown = SettingsSelection::listIDs(offered);
    const QSet<QString> selected = storedListIDs();

    for (auto it = m_listRows.begin(); it != m_listRows.end();) {
        if (shown.contains(it.key())) {
            ++it;
            continue;
        }
        it.value()->hide();
        it.value()->deleteLater();
        it = m_listRows.erase(it);
    }
    takeAll(m_listRowsLayout);
    m_listOrder.clear();
    for (const ReminderList& list : offered) {
        ListToggleRow* row = m_listRows.value(list.id);
        if (!row) {
            row = new ListToggleRow(m_listRowsLayout->parentWidget());
            const QString id = list.id;
            connect(row->toggle(), &QCheckBox::clicked, this,
                    [this, id](bool checked) { setListSelected(id, checked); });
            connect(row, &ListToggleRow::menuRequested, this,
                    [this, row](const QPoint& at) { m_listActions->menuFor(row->list(), row)->popup(at); });
            m_listRows.insert(id, row);
        }
        row->setList(list);
        row->toggle()->setChecked(selected.contains(list.id));
        m_listRowsLayout->addWidget(row);
        m_listOrder.append(list.id);
    }
    m_listsEmpty->setVisible(offered.isEmpty());
    m_listButtons->setVisible(!offered.isEmpty());
}

QSet<QString> GeneralSettingsTab::storedAccountIDs() const
{
    return Preferences::decodeIDSet(m_preferences.string(PreferenceKey::selectedAccountIDs, QString()));
}

QSet<QString> GeneralSettingsTab::storedListIDs() const
{
    return Preferences::decodeIDSet(m_preferences.string(PreferenceKey::selectedListIDs, QString()));
}

void GeneralSettingsTab::storeAccountIDs(const QSet<QString>& ids)
{
    m_preferences.setString(PreferenceKey::selectedAccountIDs, Preferences::encodeIDSet(ids));
}

void GeneralSettingsTab::storeListIDs(const QSet<QString>& ids)
{
    m_preferences.setString(PreferenceKey::selectedListIDs, Preferences::encodeIDSet(ids));
}

void GeneralSettingsTab::setAccountSelected(const QString& accountID, bool selected)
{
    QSet<QString> accounts = storedAccountIDs();
    if (selected) {
        accounts.insert(accountID);
        storeAccountIDs(accounts);
        return;
    }
    accounts.remove(accountID);
    // The lists go first, so that no reader sees the account gone while its lists are still chosen.
    storeListIDs(SettingsSelection::pruneListsOfAccount(storedListIDs(), accountID, m_model.lists()));
    storeAccountIDs(accounts);
}

void GeneralSettingsTab::setListSelected(const QString& listID, bool selected)
{
    QSet<QString> lists = storedListIDs();
    if (selected) {
        lists.insert(listID);
    } else {
        lists.remove(listID);
    }
    storeListIDs(lists);
}

} // namespace tolvik
