<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name></name>
    <message id="TolvikReminder">
        <source>TolvikReminder</source>
        <translation>TolvikReminder</translation>
    </message>
    <message id="appTheme.day">
        <source>Light</source>
        <translation>Light</translation>
    </message>
    <message id="appTheme.night">
        <source>Dark</source>
        <translation>Dark</translation>
    </message>
    <message id="appTheme.system">
        <source>System</source>
        <translation>System</translation>
    </message>
    <message id="button.add">
        <source>Add</source>
        <translation>Add</translation>
    </message>
    <message id="button.cancel">
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message id="button.clear">
        <source>Deselect All</source>
        <translation>Deselect All</translation>
    </message>
    <message id="button.complete">
        <source>Mark as Completed</source>
        <translation>Mark as Completed</translation>
    </message>
    <message id="button.delete">
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message id="button.edit">
        <source>Edit…</source>
        <translation>Edit…</translation>
    </message>
    <message id="button.grantPermission">
        <source>Grant Access</source>
        <translation>Grant Access</translation>
    </message>
    <message id="button.openSystemSettings">
        <source>Open Reminders Folder</source>
        <translation>Open Reminders Folder</translation>
    </message>
    <message id="button.save">
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message id="button.selectAll">
        <source>Select All</source>
        <translation>Select All</translation>
    </message>
    <message id="color.red">
        <source>Red</source>
        <translation>Red</translation>
    </message>
    <message id="color.orange">
        <source>Orange</source>
        <translation>Orange</translation>
    </message>
    <message id="color.yellow">
        <source>Yellow</source>
        <translation>Yellow</translation>
    </message>
    <message id="color.green">
        <source>Green</source>
        <translation>Green</translation>
    </message>
    <message id="color.teal">
        <source>Teal</source>
        <translation>Teal</translation>
    </message>
    <message id="color.blue">
        <source>Blue</source>
        <translation>Blue</translation>
    </message>
    <message id="color.indigo">
        <source>Indigo</source>
        <translation>Indigo</translation>
    </message>
    <message id="color.purple">
        <source>Purple</source>
        <translation>Purple</translation>
    </message>
    <message id="color.pink">
        <source>Pink</source>
        <translation>Pink</translation>
    </message>
    <message id="color.brown">
        <source>Brown</source>
        <translation>Brown</translation>
    </message>
    <message id="color.olive">
        <source>Olive</source>
        <translation>Olive</translation>
    </message>
    <message id="color.grey">
        <source>Grey</source>
        <translation>Grey</translation>
    </message>
    <message id="footer.quit">
        <source>Quit</source>
        <translation>Quit</translation>
    </message>
    <message id="footer.settings">
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
    <message id="form.dueLabel">
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message id="form.allDay">
        <source>All day</source>
        <translation>All day</translation>
    </message>
    <message id="form.notes">
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
    <message id="form.priority">
        <source>Priority</source>
        <translation>Priority</translation>
    </message>
    <message id="form.recurrence">
        <source>Repeat</source>
        <translation>Repeat</translation>
    </message>
    <message id="form.setDueDate">
        <source>Set a due date</source>
        <translation>Set a due date</translation>
    </message>
    <message id="form.timeLabel">
        <source>Time</source>
        <translation>Time</translation>
    </message>
    <message id="form.title">
        <source>Title</source>
        <translation>Title</translation>
    </message>
    <message id="help.addReminder">
        <source>Add a reminder to this list</source>
        <translation>Add a reminder to this list</translation>
    </message>
    <message id="help.quitApp">
        <source>Quit TolvikReminder</source>
        <translation>Quit TolvikReminder</translation>
    </message>
    <message id="language.option.chineseSimplified">
        <source>Chinese (Simplified)</source>
        <translation>简体中文</translation>
    </message>
    <message id="language.option.chineseTraditional">
        <source>Chinese (Traditional)</source>
        <translation>繁體中文</translation>
    </message>
    <message id="language.option.english">
        <source>English</source>
        <translation>English</translation>
    </message>
    <message id="language.option.german">
        <source>German</source>
        <translation>Deutsch</translation>
    </message>
    <message id="language.option.swedish">
        <source>Swedish</source>
        <translation>Svenska</translation>
    </message>
    <message id="language.option.system">
        <source>System Language</source>
        <translation>System Language</translation>
    </message>
    <message id="menuSize.compact">
        <source>Compact</source>
        <translation>Compact</translation>
    </message>
    <message id="menuSize.dimensions">
        <source>%1 px wide, as tall as the reminders need</source>
        <translation>%1 px wide, as tall as the reminders need</translation>
    </message>
    <message id="menuSize.roomy">
        <source>Roomy</source>
        <translation>Roomy</translation>
    </message>
    <message id="menuSize.standard">
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message id="placeholder.allCaughtUpMessage">
        <source>Your selected lists have no open reminders right now.</source>
        <translation>Your selected lists have no open reminders right now.</translation>
    </message>
    <message id="placeholder.allCaughtUpTitle">
        <source>All Caught Up</source>
        <translation>All Caught Up</translation>
    </message>
    <message id="placeholder.noListsMessage">
        <source>Open Settings and choose the lists you want to see here.</source>
        <translation>Open Settings and choose the lists you want to see here.</translation>
    </message>
    <message id="placeholder.noListsTitle">
        <source>No Lists Selected</source>
        <translation>No Lists Selected</translation>
    </message>
    <message id="placeholder.permissionRequiredMessage">
        <source>TolvikReminder does not have read and write access to the folder that holds your reminders. Check the folder’s permissions, then open this panel again.</source>
        <translation>TolvikReminder does not have read and write access to the folder that holds your reminders. Check the folder’s permissions, then open this panel again.</translation>
    </message>
    <message id="placeholder.permissionRequiredTitle">
        <source>No Access to Reminders</source>
        <translation>No Access to Reminders</translation>
    </message>
    <message id="placeholder.readAccessMessage">
        <source>TolvikReminder can add reminders but cannot read them. Allow read access to the reminders folder to see your lists.</source>
        <translation>TolvikReminder can add reminders but cannot read them. Allow read access to the reminders folder to see your lists.</translation>
    </message>
    <message id="placeholder.readAccessTitle">
        <source>Read Access Needed</source>
        <translation>Read Access Needed</translation>
    </message>
    <message id="placeholder.requestAccessMessage">
        <source>TolvikReminder keeps your reminders in standard iCalendar files on this computer. Grant access to set up the reminders folder and show your lists.</source>
        <translation>TolvikReminder keeps your reminders in standard iCalendar files on this computer. Grant access to set up the reminders folder and show your lists.</translation>
    </message>
    <message id="placeholder.requestAccessTitle">
        <source>Allow Access to Reminders</source>
        <translation>Allow Access to Reminders</translation>
    </message>
    <message id="priority.none">
        <source>None</source>
        <translation>None</translation>
    </message>
    <message id="recurrence.daily">
        <source>Every Day</source>
        <translation>Every Day</translation>
    </message>
    <message id="recurrence.everyDays" numerus="yes">
        <source>Every %n Days</source>
        <translation>
            <numerusform>Every %n Day</numerusform>
            <numerusform>Every %n Days</numerusform>
        </translation>
    </message>
    <message id="recurrence.everyWeeks" numerus="yes">
        <source>Every %n Weeks</source>
        <translation>
            <numerusform>Every %n Week</numerusform>
            <numerusform>Every %n Weeks</numerusform>
        </translation>
    </message>
    <message id="recurrence.everyMonths" numerus="yes">
        <source>Every %n Months</source>
        <translation>
            <numerusform>Every %n Month</numerusform>
            <numerusform>Every %n Months</numerusform>
        </translation>
    </message>
    <message id="recurrence.everyYears" numerus="yes">
        <source>Every %n Years</source>
        <translation>
            <numerusform>Every %n Year</numerusform>
            <numerusform>Every %n Years</numerusform>
        </translation>
    </message>
    <message id="recurrence.everyOtherDays">
        <source>Every 2 Days</source>
        <translation>Every 2 Days</translation>
    </message>
    <message id="recurrence.everyOtherWeeks">
        <source>Every 2 Weeks</source>
        <translation>Every 2 Weeks</translation>
    </message>
    <message id="recurrence.everyOtherMonths">
        <source>Every 2 Months</source>
        <translation>Every 2 Months</translation>
    </message>
    <message id="recurrence.everyOtherYears">
        <source>Every 2 Years</source>
        <translation>Every 2 Years</translation>
    </message>
    <message id="recurrence.onWeekdays">
        <source>%1 on %2</source>
        <translation>%1 on %2</translation>
    </message>
    <message id="recurrence.weekdays">
        <source>Weekdays</source>
        <translation>Weekdays</translation>
    </message>
    <message id="recurrence.monthly">
        <source>Every Month</source>
        <translation>Every Month</translation>
    </message>
    <message id="recurrence.none">
        <source>Never</source>
        <translation>Never</translation>
    </message>
    <message id="recurrence.weekly">
        <source>Every Week</source>
        <translation>Every Week</translation>
    </message>
    <message id="recurrence.yearly">
        <source>Every Year</source>
        <translation>Every Year</translation>
    </message>
    <message id="reminder.priority.high">
        <source>High</source>
        <translation>High</translation>
    </message>
    <message id="reminder.priority.low">
        <source>Low</source>
        <translation>Low</translation>
    </message>
    <message id="reminder.priority.medium">
        <source>Medium</source>
        <translation>Medium</translation>
    </message>
    <message id="reminders.emptyList">
        <source>No reminders</source>
        <translation>No reminders</translation>
    </message>
    <message id="settings.about.description">
        <source>TolvikReminder keeps your open reminders one click away in the system tray. It stores them as standard iCalendar files that other calendar and task apps can read too, so a CalDAV sync tool can keep them in step with your phone and your server.</source>
        <translation>TolvikReminder keeps your open reminders one click away in the system tray. It stores them as standard iCalendar files that other calendar and task apps can read too, so a CalDAV sync tool can keep them in step with your phone and your server.</translation>
    </message>
    <message id="settings.about.developer">
        <source>Developed by</source>
        <translation>Developed by</translation>
    </message>
    <message id="settings.about.developerName">
        <source>The Tolvik Project</source>
        <translation>The Tolvik Project</translation>
    </message>
    <message id="settings.about.version">
        <source>Version %1 (%2)</source>
        <translation>Version %1 (%2)</translation>
    </message>
    <message id="settings.accounts.empty">
        <source>No accounts found.</source>
        <translation>No accounts found.</translation>
    </message>
    <message id="settings.accounts.noneTicked">
        <source>No account is ticked, so the lists of every account are offered. Tick accounts to offer only their lists.</source>
        <translation>No account is ticked, so the lists of every account are offered. Tick accounts to offer only their lists.</translation>
    </message>
    <message id="settings.accounts.section">
        <source>Accounts</source>
        <translation>Accounts</translation>
    </message>
    <message id="settings.general.autoRefresh">
        <source>Refresh automatically</source>
        <translation>Refresh automatically</translation>
    </message>
    <message id="settings.general.autoRefreshNote">
        <source>Updates the panel as soon as reminders change in another app or through sync.</source>
        <translation>Updates the panel as soon as reminders change in another app or through sync.</translation>
    </message>
    <message id="settings.general.launch">
        <source>Start at login</source>
        <translation>Start at login</translation>
    </message>
    <message id="settings.general.section">
        <source>General</source>
        <translation>General</translation>
    </message>
    <message id="settings.language.picker">
        <source>Interface language</source>
        <translation>Interface language</translation>
    </message>
    <message id="settings.language.section">
        <source>Language</source>
        <translation>Language</translation>
    </message>
    <message id="settings.launchError">
        <source>Could not change “Start at login”: %1</source>
        <translation>Could not change “Start at login”: %1</translation>
    </message>
    <message id="settings.lists.empty">
        <source>No lists to show.</source>
        <translation>No lists to show.</translation>
    </message>
    <message id="settings.lists.section">
        <source>Lists</source>
        <translation>Lists</translation>
    </message>
    <message id="settings.menuSize.current">
        <source>Current size: %1 (%2)</source>
        <translation>Current size: %1 (%2)</translation>
    </message>
    <message id="settings.menuSize.large">
        <source>Large</source>
        <translation>Large</translation>
    </message>
    <message id="settings.menuSize.section">
        <source>Panel Size</source>
        <translation>Panel Size</translation>
    </message>
    <message id="settings.menuSize.sliderLabel">
        <source>Size</source>
        <translation>Size</translation>
    </message>
    <message id="settings.menuSize.small">
        <source>Small</source>
        <translation>Small</translation>
    </message>
    <message id="settings.tab.about">
        <source>About</source>
        <translation>About</translation>
    </message>
    <message id="settings.tab.appearance">
        <source>Appearance</source>
        <translation>Appearance</translation>
    </message>
    <message id="settings.tab.general">
        <source>General</source>
        <translation>General</translation>
    </message>
    <message id="settings.theme.note">
        <source>“System” follows the light or dark mode of your desktop.</source>
        <translation>“System” follows the light or dark mode of your desktop.</translation>
    </message>
    <message id="settings.theme.picker">
        <source>Mode</source>
        <translation>Mode</translation>
    </message>
    <message id="settings.theme.section">
        <source>Theme</source>
        <translation>Theme</translation>
    </message>
    <message id="settings.timeframe.1month">
        <source>1 month</source>
        <translation>1 month</translation>
    </message>
    <message id="settings.timeframe.1year">
        <source>1 year</source>
        <translation>1 year</translation>
    </message>
    <message id="settings.timeframe.3months">
        <source>3 months</source>
        <translation>3 months</translation>
    </message>
    <message id="settings.timeframe.6months">
        <source>6 months</source>
        <translation>6 months</translation>
    </message>
    <message id="settings.timeframe.label">
        <source>Timeframe</source>
        <translation>Timeframe</translation>
    </message>
    <message id="settings.timeframe.unlimited">
        <source>No limit</source>
        <translation>No limit</translation>
    </message>
    <message id="settings.transparency.high">
        <source>High (more see-through)</source>
        <translation>High (more see-through)</translation>
    </message>
    <message id="settings.transparency.label">
        <source>Background</source>
        <translation>Background</translation>
    </message>
    <message id="settings.transparency.section">
        <source>Transparency</source>
        <translation>Transparency</translation>
    </message>
    <message id="settings.transparency.standard">
        <source>Standard (less see-through)</source>
        <translation>Standard (less see-through)</translation>
    </message>
    <message id="settings.window.title">
        <source>TolvikReminder Settings</source>
        <translation>TolvikReminder Settings</translation>
    </message>
    <message id="summary.count" numerus="yes">
        <source>%n open reminders</source>
        <translation>
            <numerusform>%n open reminder</numerusform>
            <numerusform>%n open reminders</numerusform>
        </translation>
    </message>
    <message id="summary.zero">
        <source>No open reminders</source>
        <translation>No open reminders</translation>
    </message>
    <!-- Alarms and desktop notifications -->
    <message id="alarms.action.complete">
        <source>Complete</source>
        <translation>Complete</translation>
    </message>
    <message id="alarms.action.open">
        <source>Show</source>
        <translation>Show</translation>
    </message>
    <message id="alarms.action.snooze">
        <source>Snooze 10 min</source>
        <translation>Snooze 10 min</translation>
    </message>
    <message id="alarms.action.snoozeHour">
        <source>Snooze 1 hour</source>
        <translation>Snooze 1 hour</translation>
    </message>
    <message id="alarms.error">
        <source>Could not update “%1”</source>
        <translation>Could not update “%1”</translation>
    </message>
    <message id="alarms.notification.due">
        <source>Due: %1</source>
        <translation>Due: %1</translation>
    </message>
    <message id="alarms.notification.group" numerus="yes">
        <source>%n reminders are due</source>
        <translation>
            <numerusform>%n reminder is due</numerusform>
            <numerusform>%n reminders are due</numerusform>
        </translation>
    </message>
    <message id="alarms.notification.more" numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>and %n more</numerusform>
            <numerusform>and %n more</numerusform>
        </translation>
    </message>
    <message id="settings.general.allDayTime">
        <source>All-day reminders at</source>
        <translation>All-day reminders at</translation>
    </message>
    <message id="settings.general.notify">
        <source>Notify when reminders are due</source>
        <translation>Notify when reminders are due</translation>
    </message>
    <!-- Command line, list management and undo -->
    <message id="cli.usage">
        <source>Usage: %1 [--help | --version | --quick-add]</source>
        <translation>Usage: %1 [--help | --version | --quick-add]</translation>
    </message>
    <message id="cli.description">
        <source>Shows your open reminders from the tray. Choose lists, timeframe and everything else in its settings window.</source>
        <translation>Shows your open reminders from the tray. Choose lists, timeframe and everything else in its settings window.</translation>
    </message>
    <message id="cli.option.help">
        <source>Print this help and exit</source>
        <translation>Print this help and exit</translation>
    </message>
    <message id="cli.option.version">
        <source>Print the version and exit</source>
        <translation>Print the version and exit</translation>
    </message>
    <message id="cli.version">
        <source>TolvikReminder %1 (build %2)</source>
        <translation>TolvikReminder %1 (build %2)</translation>
    </message>
    <message id="cli.unknownArgument">
        <source>Unknown argument “%1”. Try “%2 --help”.</source>
        <translation>Unknown argument “%1”. Try “%2 --help”.</translation>
    </message>
    <!-- Panel: keyboard use, accessibility, tray menu and form errors -->
    <message id="panel.a11y.addReminderTo">
        <source>Add reminder to %1</source>
        <translation>Add reminder to %1</translation>
    </message>
    <message id="panel.a11y.rowDue">
        <source>Due %1</source>
        <translation>Due %1</translation>
    </message>
    <message id="panel.a11y.rowNoDue">
        <source>No due date</source>
        <translation>No due date</translation>
    </message>
    <message id="panel.a11y.rowOverdue">
        <source>Overdue</source>
        <translation>Overdue</translation>
    </message>
    <message id="panel.a11y.rowPriority">
        <source>Priority: %1</source>
        <translation>Priority: %1</translation>
    </message>
    <message id="panel.a11y.rowRepeat">
        <source>Repeats: %1</source>
        <translation>Repeats: %1</translation>
    </message>
    <message id="panel.a11y.settingsHelp">
        <source>Choose lists, appearance and language</source>
        <translation>Choose lists, appearance and language</translation>
    </message>
    <message id="panel.form.saveFailed">
        <source>The reminder could not be saved.</source>
        <translation>The reminder could not be saved.</translation>
    </message>
    <message id="panel.tray.open">
        <source>Open</source>
        <translation>Open</translation>
    </message>
    <message id="panel.tray.quit">
        <source>Quit</source>
        <translation>Quit</translation>
    </message>
    <message id="panel.tray.settings">
        <source>Settings…</source>
        <translation>Settings…</translation>
    </message>
    <message id="button.newReminder">
        <source>New Reminder</source>
        <translation>New Reminder</translation>
    </message>
    <message id="button.openSettings">
        <source>Open Settings</source>
        <translation>Open Settings</translation>
    </message>
    <message id="account.onThisComputer">
        <source>On this computer</source>
        <translation>On this computer</translation>
    </message>
    <message id="settings.lists.new">
        <source>New List…</source>
        <translation>New List…</translation>
    </message>
    <message id="list.more">
        <source>List actions</source>
        <translation>List actions</translation>
    </message>
    <message id="list.rename">
        <source>Rename…</source>
        <translation>Rename…</translation>
    </message>
    <message id="list.color">
        <source>Colour</source>
        <translation>Colour</translation>
    </message>
    <message id="list.customColor">
        <source>Custom…</source>
        <translation>Custom…</translation>
    </message>
    <message id="list.delete">
        <source>Delete…</source>
        <translation>Delete…</translation>
    </message>
    <message id="list.colorFailed">
        <source>The colour could not be changed: %1</source>
        <translation>The colour could not be changed: %1</translation>
    </message>
    <message id="newList.title">
        <source>New List</source>
        <translation>New List</translation>
    </message>
    <message id="newList.name">
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message id="newList.color">
        <source>Colour</source>
        <translation>Colour</translation>
    </message>
    <message id="newList.account">
        <source>Account</source>
        <translation>Account</translation>
    </message>
    <message id="newList.create">
        <source>Create</source>
        <translation>Create</translation>
    </message>
    <message id="newList.nameTaken">
        <source>This account already has a list named “%1”.</source>
        <translation>This account already has a list named “%1”.</translation>
    </message>
    <message id="newList.failed">
        <source>The list could not be created: %1</source>
        <translation>The list could not be created: %1</translation>
    </message>
    <message id="renameList.title">
        <source>Rename List</source>
        <translation>Rename List</translation>
    </message>
    <message id="renameList.button">
        <source>Rename</source>
        <translation>Rename</translation>
    </message>
    <message id="renameList.failed">
        <source>The list could not be renamed: %1</source>
        <translation>The list could not be renamed: %1</translation>
    </message>
    <message id="deleteList.title">
        <source>Delete “%1”?</source>
        <translation>Delete “%1”?</translation>
    </message>
    <message id="deleteList.syncedNote">
        <source>The copy on the server is not deleted.</source>
        <translation>The copy on the server is not deleted.</translation>
    </message>
    <message id="deleteList.failed">
        <source>The list could not be deleted: %1</source>
        <translation>The list could not be deleted: %1</translation>
    </message>
    <message id="deleteList.message" numerus="yes">
        <source>The list and its %n reminders move to the trash, from where your file manager can restore them.</source>
        <translation>
            <numerusform>The list and its %n reminder move to the trash, from where your file manager can restore them.</numerusform>
            <numerusform>The list and its %n reminders move to the trash, from where your file manager can restore them.</numerusform>
        </translation>
    </message>
    <message id="deleteList.messageEmpty">
        <source>The list moves to the trash, from where your file manager can restore it.</source>
        <translation>The list moves to the trash, from where your file manager can restore it.</translation>
    </message>
    <!-- Quick add -->
    <message id="quickAdd.placeholder">
        <source>New reminder, e.g. “Dentist Fri 9am”</source>
        <translation>New reminder, e.g. “Dentist Fri 9am”</translation>
    </message>
    <message id="quickAdd.list.help">
        <source>List for new reminders</source>
        <translation>List for new reminders</translation>
    </message>
    <message id="quickAdd.list.none">
        <source>No list</source>
        <translation>No list</translation>
    </message>
    <message id="quickAdd.chip.keep">
        <source>Keep “%1” in the title</source>
        <translation>Keep “%1” in the title</translation>
    </message>
    <message id="quickAdd.shortcut.description">
        <source>Add a reminder with quick add</source>
        <translation>Add a reminder with quick add</translation>
    </message>
    <message id="cli.option.quickAdd">
        <source>Open the quick-add field of the running app</source>
        <translation>Open the quick-add field of the running app</translation>
    </message>
    <message id="quickAdd.addError">
        <source>Could not add the reminder: %1</source>
        <translation>Could not add the reminder: %1</translation>
    </message>
    <message id="settings.quickAdd.noShortcut">
        <source>This desktop offers no global shortcut service. To open quick add from anywhere, assign a shortcut to this command in your desktop’s keyboard settings: %1</source>
        <translation>This desktop offers no global shortcut service. To open quick add from anywhere, assign a shortcut to this command in your desktop’s keyboard settings: %1</translation>
    </message>
    <!-- Search -->
    <message id="search.placeholder">
        <source>Search reminders</source>
        <translation>Search reminders</translation>
    </message>
    <message id="search.button">
        <source>Search (Ctrl+F)</source>
        <translation>Search (Ctrl+F)</translation>
    </message>
    <message id="search.allLists">
        <source>All lists</source>
        <translation>All lists</translation>
    </message>
    <message id="search.allLists.help">
        <source>Also search the lists not shown and reminders outside the timeframe</source>
        <translation>Also search the lists not shown and reminders outside the timeframe</translation>
    </message>
    <message id="search.noMatches">
        <source>No reminders match “%1”</source>
        <translation>No reminders match “%1”</translation>
    </message>
    <message id="undo.completed">
        <source>Completed “%1”</source>
        <translation>Completed “%1”</translation>
    </message>
    <message id="undo.deleted">
        <source>Deleted “%1”</source>
        <translation>Deleted “%1”</translation>
    </message>
    <message id="undo.button">
        <source>Undo</source>
        <translation>Undo</translation>
    </message>
    <message id="undo.tooLate">
        <source>This can no longer be undone: the reminder has been changed since.</source>
        <translation>This can no longer be undone: the reminder has been changed since.</translation>
    </message>
    <message id="undo.failed">
        <source>Could not undo: %1</source>
        <translation>Could not undo: %1</translation>
    </message>
    <message id="undo.completeFailed">
        <source>Could not complete “%1”: %2</source>
        <translation>Could not complete “%1”: %2</translation>
    </message>
    <message id="undo.deleteFailed">
        <source>Could not delete “%1”: %2</source>
        <translation>Could not delete “%1”: %2</translation>
    </message>
    <message id="sync.account.add">
        <source>Add Account…</source>
        <translation>Add Account…</translation>
    </message>
    <message id="sync.account.reviewCertificate">
        <source>Review Certificate…</source>
        <translation>Review Certificate…</translation>
    </message>
    <message id="sync.account.signInAgain">
        <source>Sign In Again…</source>
        <translation>Sign In Again…</translation>
    </message>
    <message id="sync.account.syncNow">
        <source>Sync Now</source>
        <translation>Sync Now</translation>
    </message>
    <message id="sync.add.addressExample">
        <source>For example cloud.example.org or you@example.org</source>
        <translation>For example cloud.example.org or you@example.org</translation>
    </message>
    <message id="sync.add.addressLabel">
        <source>Server address or email</source>
        <translation>Server address or email</translation>
    </message>
    <message id="sync.add.back">
        <source>Back</source>
        <translation>Back</translation>
    </message>
    <message id="sync.add.continue">
        <source>Continue</source>
        <translation>Continue</translation>
    </message>
    <message id="sync.add.intro">
        <source>Sync reminders with a CalDAV server, and through it with your phone. The app finds the server from its address or your email address.</source>
        <translation>Sync reminders with a CalDAV server, and through it with your phone. The app finds the server from its address or your email address.</translation>
    </message>
    <message id="sync.add.looking">
        <source>Looking for the server…</source>
        <translation>Looking for the server…</translation>
    </message>
    <message id="sync.add.title">
        <source>Add Account</source>
        <translation>Add Account</translation>
    </message>
    <message id="sync.cert.advice">
        <source>Trust it only if you know this is your server's certificate, for example because you made it yourself. Checking stays on for every other certificate.</source>
        <translation>Trust it only if you know this is your server's certificate, for example because you made it yourself. Checking stays on for every other certificate.</translation>
    </message>
    <message id="sync.cert.changed">
        <source>The server now shows a different certificate from the one you trusted. Sync has stopped until you decide.</source>
        <translation>The server now shows a different certificate from the one you trusted. Sync has stopped until you decide.</translation>
    </message>
    <message id="sync.cert.fingerprint">
        <source>SHA-256 fingerprint:</source>
        <translation>SHA-256 fingerprint:</translation>
    </message>
    <message id="sync.cert.intro">
        <source>This computer does not trust the server's certificate.</source>
        <translation>This computer does not trust the server's certificate.</translation>
    </message>
    <message id="sync.cert.issuer">
        <source>Issued by:</source>
        <translation>Issued by:</translation>
    </message>
    <message id="sync.cert.reason">
        <source>Reason:</source>
        <translation>Reason:</translation>
    </message>
    <message id="sync.cert.subject">
        <source>Issued to:</source>
        <translation>Issued to:</translation>
    </message>
    <message id="sync.cert.trust">
        <source>Trust This Certificate</source>
        <translation>Trust This Certificate</translation>
    </message>
    <message id="sync.cert.valid">
        <source>Valid:</source>
        <translation>Valid:</translation>
    </message>
    <message id="sync.cert.validRange">
        <source>%1 to %2</source>
        <translation>%1 to %2</translation>
    </message>
    <message id="sync.footer.offline" numerus="yes">
        <source>Offline: %n changes wait</source>
        <translation>
            <numerusform>Offline: %n change waits</numerusform>
            <numerusform>Offline: %n changes wait</numerusform>
        </translation>
    </message>
    <message id="sync.footer.problem">
        <source>Sync needs attention: see Settings</source>
        <translation>Sync needs attention: see Settings</translation>
    </message>
    <message id="sync.keyring.fileFailed">
        <source>The password could not be saved: %1</source>
        <translation>The password could not be saved: %1</translation>
    </message>
    <message id="sync.keyring.missing">
        <source>No keyring answered, so the password cannot be kept safely (%1). You can start a keyring (for example GNOME Keyring or KWallet) and try again, or keep the password in a file that only you can read. Anyone with access to your user account could read that file.</source>
        <translation>No keyring answered, so the password cannot be kept safely (%1). You can start a keyring (for example GNOME Keyring or KWallet) and try again, or keep the password in a file that only you can read. Anyone with access to your user account could read that file.</translation>
    </message>
    <message id="sync.keyring.missingShort">
        <source>No keyring answered, so the password was not saved. Start a keyring and try again.</source>
        <translation>No keyring answered, so the password was not saved. Start a keyring and try again.</translation>
    </message>
    <message id="sync.keyring.title">
        <source>No Keyring</source>
        <translation>No Keyring</translation>
    </message>
    <message id="sync.keyring.useFile">
        <source>Keep in a File Only I Can Read</source>
        <translation>Keep in a File Only I Can Read</translation>
    </message>
    <message id="sync.lists.chooseOne">
        <source>Choose at least one list.</source>
        <translation>Choose at least one list.</translation>
    </message>
    <message id="sync.lists.finish">
        <source>Add Account</source>
        <translation>Add Account</translation>
    </message>
    <message id="sync.lists.intro">
        <source>Choose the lists to sync with this computer:</source>
        <translation>Choose the lists to sync with this computer:</translation>
    </message>
    <message id="sync.lists.makeFailed">
        <source>The server did not make the list.</source>
        <translation>The server did not make the list.</translation>
    </message>
    <message id="sync.lists.making">
        <source>Making the list on the server…</source>
        <translation>Making the list on the server…</translation>
    </message>
    <message id="sync.lists.new">
        <source>New List on the Server…</source>
        <translation>New List on the Server…</translation>
    </message>
    <message id="sync.lists.newName">
        <source>Name of the new list:</source>
        <translation>Name of the new list:</translation>
    </message>
    <message id="sync.lists.none">
        <source>This account has no lists for reminders yet. Make one on the server:</source>
        <translation>This account has no lists for reminders yet. Make one on the server:</translation>
    </message>
    <message id="sync.lists.readOnly">
        <source>read-only</source>
        <translation>read-only</translation>
    </message>
    <message id="sync.lists.saving">
        <source>Saving the account…</source>
        <translation>Saving the account…</translation>
    </message>
    <message id="sync.problem.certificate">
        <source>This computer does not trust the server's certificate.</source>
        <translation>This computer does not trust the server's certificate.</translation>
    </message>
    <message id="sync.problem.certificateChanged">
        <source>The server's certificate changed. Review it before sync goes on.</source>
        <translation>The server's certificate changed. Review it before sync goes on.</translation>
    </message>
    <message id="sync.problem.conflicts">
        <source>Some reminders changed on two devices. Both versions are kept; sync goes on.</source>
        <translation>Some reminders changed on two devices. Both versions are kept; sync goes on.</translation>
    </message>
    <message id="sync.problem.engineMissing">
        <source>Sync needs vdirsyncer. Install it (Debian package vdirsyncer) and sync again.</source>
        <translation>Sync needs vdirsyncer. Install it (Debian package vdirsyncer) and sync again.</translation>
    </message>
    <message id="sync.problem.hostNotFound">
        <source>No server with this name was found. Check the address.</source>
        <translation>No server with this name was found. Check the address.</translation>
    </message>
    <message id="sync.problem.keyring">
        <source>The keyring is locked or did not answer. Unlock it, then sync again.</source>
        <translation>The keyring is locked or did not answer. Unlock it, then sync again.</translation>
    </message>
    <message id="sync.problem.listGone">
        <source>The list “%1” is no longer on the server. Your reminders in it stay on this computer.</source>
        <translation>The list “%1” is no longer on the server. Your reminders in it stay on this computer.</translation>
    </message>
    <message id="sync.problem.noCalDav">
        <source>No calendar server answered at this address. Check the address, or ask your provider for the CalDAV address.</source>
        <translation>No calendar server answered at this address. Check the address, or ask your provider for the CalDAV address.</translation>
    </message>
    <message id="sync.problem.offline" numerus="yes">
        <source>Offline: %n changes wait and sync when the network is back.</source>
        <translation>
            <numerusform>Offline: %n change waits and syncs when the network is back.</numerusform>
            <numerusform>Offline: %n changes wait and sync when the network is back.</numerusform>
        </translation>
    </message>
    <message id="sync.problem.serverEmptied">
        <source>The server shows the list “%1” as empty. Nothing was deleted here; check the server before syncing this list again.</source>
        <translation>The server shows the list “%1” as empty. Nothing was deleted here; check the server before syncing this list again.</translation>
    </message>
    <message id="sync.problem.serverTrouble">
        <source>The server has trouble right now. Nothing was deleted; sync tries again later.</source>
        <translation>The server has trouble right now. Nothing was deleted; sync tries again later.</translation>
    </message>
    <message id="sync.problem.signInAgain">
        <source>The server did not accept the password. Sign in again.</source>
        <translation>The server did not accept the password. Sign in again.</translation>
    </message>
    <message id="sync.problem.signInRejected">
        <source>The user name or password is wrong. With two-factor authentication, use an app password.</source>
        <translation>The user name or password is wrong. With two-factor authentication, use an app password.</translation>
    </message>
    <message id="sync.problem.timedOut">
        <source>The server took too long to answer. Sync tries again later.</source>
        <translation>The server took too long to answer. Sync tries again later.</translation>
    </message>
    <message id="sync.problem.unknown">
        <source>Sync did not finish. Nothing was deleted; sync tries again later.</source>
        <translation>Sync did not finish. Nothing was deleted; sync tries again later.</translation>
    </message>
    <message id="sync.problem.unreachable">
        <source>The server cannot be reached. Check the network or whether the server is running.</source>
        <translation>The server cannot be reached. Check the network or whether the server is running.</translation>
    </message>
    <message id="sync.signIn.appPasswordNote">
        <source>If two-factor authentication is on for this account, use an app password made in the server's settings.</source>
        <translation>If two-factor authentication is on for this account, use an app password made in the server's settings.</translation>
    </message>
    <message id="sync.signIn.busy">
        <source>Signing in…</source>
        <translation>Signing in…</translation>
    </message>
    <message id="sync.signIn.button">
        <source>Sign In</source>
        <translation>Sign In</translation>
    </message>
    <message id="sync.signIn.password">
        <source>Password:</source>
        <translation>Password:</translation>
    </message>
    <message id="sync.signIn.server">
        <source>Sign in to %1</source>
        <translation>Sign in to %1</translation>
    </message>
    <message id="sync.signIn.user">
        <source>User name:</source>
        <translation>User name:</translation>
    </message>
    <message id="sync.status.hoursAgo" numerus="yes">
        <source>%n hours ago</source>
        <translation>
            <numerusform>%n hour ago</numerusform>
            <numerusform>%n hours ago</numerusform>
        </translation>
    </message>
    <message id="sync.status.justNow">
        <source>just now</source>
        <translation>just now</translation>
    </message>
    <message id="sync.status.minutesAgo" numerus="yes">
        <source>%n minutes ago</source>
        <translation>
            <numerusform>%n minute ago</numerusform>
            <numerusform>%n minutes ago</numerusform>
        </translation>
    </message>
    <message id="sync.status.never">
        <source>Not synced yet</source>
        <translation>Not synced yet</translation>
    </message>
    <message id="sync.status.onDate">
        <source>on %1</source>
        <translation>on %1</translation>
    </message>
    <message id="sync.status.synced">
        <source>Synced %1</source>
        <translation>Synced %1</translation>
    </message>
    <message id="sync.status.syncing">
        <source>Syncing…</source>
        <translation>Syncing…</translation>
    </message>
    <message id="sync.status.syncingCount" numerus="yes">
        <source>Syncing… %n changes so far</source>
        <translation>
            <numerusform>Syncing… %n change so far</numerusform>
            <numerusform>Syncing… %n changes so far</numerusform>
        </translation>
    </message>
    <message id="sync.notify.failing">
        <source>Sync of “%1” has not worked for a day</source>
        <translation>Sync of “%1” has not worked for a day</translation>
    </message>
    <message id="sync.account.remove">
        <source>Remove…</source>
        <translation>Remove…</translation>
    </message>
    <message id="sync.account.removeFailed">
        <source>The account was removed, but its lists could not be moved to the trash; they are still on this computer.</source>
        <translation>The account was removed, but its lists could not be moved to the trash; they are still on this computer.</translation>
    </message>
    <message id="sync.account.removeKeep">
        <source>Keep Lists Here</source>
        <translation>Keep Lists Here</translation>
    </message>
    <message id="sync.account.removeQuestion">
        <source>Stop syncing “%1”? Its password, settings and sync state are removed from this computer. The lists on the server stay. Keep the account's lists on this computer, or move them to the trash?</source>
        <translation>Stop syncing “%1”? Its password, settings and sync state are removed from this computer. The lists on the server stay. Keep the account's lists on this computer, or move them to the trash?</translation>
    </message>
    <message id="sync.account.removeTitle">
        <source>Remove Account</source>
        <translation>Remove Account</translation>
    </message>
    <message id="sync.account.removeTrash">
        <source>Move Lists to Trash</source>
        <translation>Move Lists to Trash</translation>
    </message>
    <message id="sync.held.wouldRemove" numerus="yes">
        <source>The server would remove %n reminders from “%1”. Nothing was deleted here: restore them on the server, or delete them here too.</source>
        <translation>
            <numerusform>The server would remove %n reminder from “%1”. Nothing was deleted here: restore it on the server, or delete it here too.</numerusform>
            <numerusform>The server would remove %n reminders from “%1”. Nothing was deleted here: restore them on the server, or delete them here too.</numerusform>
        </translation>
    </message>
    <message id="sync.held.serverEmpty" numerus="yes">
        <source>The server shows “%1” as empty, but %n reminders are still here. Nothing was deleted: restore them on the server, or delete them here too.</source>
        <translation>
            <numerusform>The server shows “%1” as empty, but %n reminder is still here. Nothing was deleted: restore it on the server, or delete it here too.</numerusform>
            <numerusform>The server shows “%1” as empty, but %n reminders are still here. Nothing was deleted: restore them on the server, or delete them here too.</numerusform>
        </translation>
    </message>
    <message id="sync.held.removed" numerus="yes">
        <source>The server removed %n reminders from “%1”. A copy from before the sync still has them: restore them, or delete them.</source>
        <translation>
            <numerusform>The server removed %n reminder from “%1”. A copy from before the sync still has it: restore it, or delete it.</numerusform>
            <numerusform>The server removed %n reminders from “%1”. A copy from before the sync still has them: restore them, or delete them.</numerusform>
        </translation>
    </message>
    <message id="sync.account.restore">
        <source>Restore</source>
        <translation>Restore</translation>
    </message>
    <message id="sync.account.deleteHeld">
        <source>Delete Them</source>
        <translation>Delete Them</translation>
    </message>
    <message id="sync.account.restoreFailed">
        <source>Not every reminder could be restored. The question stays, so that you can try again.</source>
        <translation>Not every reminder could be restored. The question stays, so that you can try again.</translation>
    </message>
    <message id="sync.footer.held">
        <source>Sync waits for you: reminders removed on the server</source>
        <translation>Sync waits for you: reminders removed on the server</translation>
    </message>
    <message id="sync.problem.listNotMade">
        <source>The server did not let the app make the list “%1”. It stays on this computer and does not sync.</source>
        <translation>The server did not let the app make the list “%1”. It stays on this computer and does not sync.</translation>
    </message>
    <message id="sync.external.status">
        <source>Synced by your own vdirsyncer configuration (%1). The app leaves this folder to it and adds no second sync.</source>
        <translation>Synced by your own vdirsyncer configuration (%1). The app leaves this folder to it and adds no second sync.</translation>
    </message>
    <message id="subtasks.progress">
        <source>%1 of %2</source>
        <translation>%1 of %2</translation>
    </message>
    <message id="subtasks.hint.missing">
        <source>Sub-task of a reminder that is missing</source>
        <translation>Sub-task of a reminder that is missing</translation>
    </message>
    <message id="subtasks.hint.otherList">
        <source>Sub-task of “%1” in another list</source>
        <translation>Sub-task of “%1” in another list</translation>
    </message>
    <message id="subtasks.hint.notShown">
        <source>Sub-task of “%1”, which is not shown</source>
        <translation>Sub-task of “%1”, which is not shown</translation>
    </message>
    <message id="subtasks.hint.loop">
        <source>Its sub-task links go round in a circle</source>
        <translation>Its sub-task links go round in a circle</translation>
    </message>
    <message id="subtasks.a11y.fold">
        <source>Hide the sub-tasks of %1</source>
        <translation>Hide the sub-tasks of %1</translation>
    </message>
    <message id="subtasks.a11y.unfold">
        <source>Show the sub-tasks of %1</source>
        <translation>Show the sub-tasks of %1</translation>
    </message>
    <message id="subtasks.a11y.subtaskOf">
        <source>sub-task of %1</source>
        <translation>sub-task of %1</translation>
    </message>
    <message id="subtasks.a11y.folded">
        <source>sub-tasks hidden</source>
        <translation>sub-tasks hidden</translation>
    </message>
    <message id="subtasks.menu.add">
        <source>Add Sub-task</source>
        <translation>Add Sub-task</translation>
    </message>
    <message id="subtasks.menu.makeSubtaskOf">
        <source>Make Sub-task of…</source>
        <translation>Make Sub-task of…</translation>
    </message>
    <message id="subtasks.menu.moveToTopLevel">
        <source>Move to Top Level</source>
        <translation>Move to Top Level</translation>
    </message>
    <message id="subtasks.question" numerus="yes">
        <source>“%1” has %n open sub-tasks. Complete them too?</source>
        <translation>
            <numerusform>“%1” has %n open sub-task. Complete it too?</numerusform>
            <numerusform>“%1” has %n open sub-tasks. Complete them too?</numerusform>
        </translation>
    </message>
    <message id="subtasks.question.all">
        <source>Complete All</source>
        <translation>Complete All</translation>
    </message>
    <message id="subtasks.question.onlyThis">
        <source>Only This One</source>
        <translation>Only This One</translation>
    </message>
    <message id="subtasks.question.cancel">
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message id="subtasks.undoCompleted" numerus="yes">
        <source>Completed “%1” and %n sub-tasks</source>
        <translation>
            <numerusform>Completed “%1” and %n sub-task</numerusform>
            <numerusform>Completed “%1” and %n sub-tasks</numerusform>
        </translation>
    </message>
    <message id="form.alert">
        <source>Alert</source>
        <translation>Alert</translation>
    </message>
    <message id="alert.atDueTime">
        <source>At due time</source>
        <translation>At due time</translation>
    </message>
    <message id="alert.custom">
        <source>Custom…</source>
        <translation>Custom…</translation>
    </message>
    <message id="alert.none">
        <source>None</source>
        <translation>None</translation>
    </message>
    <message id="alert.customDate">
        <source>At a date and time</source>
        <translation>At a date and time</translation>
    </message>
    <message id="alert.customOffset">
        <source>Before the due time</source>
        <translation>Before the due time</translation>
    </message>
    <message id="alert.customKind">
        <source>Kind of custom alert</source>
        <translation>Kind of custom alert</translation>
    </message>
    <message id="alert.customAmount">
        <source>How long before</source>
        <translation>How long before</translation>
    </message>
    <message id="alert.customUnit">
        <source>Unit</source>
        <translation>Unit</translation>
    </message>
    <message id="alert.unit.minutes">
        <source>minutes</source>
        <translation>minutes</translation>
    </message>
    <message id="alert.unit.hours">
        <source>hours</source>
        <translation>hours</translation>
    </message>
    <message id="alert.unit.days">
        <source>days</source>
        <translation>days</translation>
    </message>
    <message id="alert.morePreserved">
        <source>The other alerts stay as they are.</source>
        <translation>The other alerts stay as they are.</translation>
    </message>
    <message id="alert.atStart">
        <source>At the start</source>
        <translation>At the start</translation>
    </message>
    <message id="alert.relativeToStart">
        <source>%1 (start)</source>
        <translation>%1 (start)</translation>
    </message>
    <message id="alert.joined">
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message id="alert.ownSound">
        <source>own sound</source>
        <translation>own sound</translation>
    </message>
    <message id="alert.notShownHere">
        <source>not shown on this computer</source>
        <translation>not shown on this computer</translation>
    </message>
    <message id="alert.silenced">
        <source>No alert</source>
        <translation>No alert</translation>
    </message>
    <message id="row.a11y.alert">
        <source>Alert: %1</source>
        <translation>Alert: %1</translation>
    </message>
    <message id="form.tags">
        <source>Tags</source>
        <translation>Tags</translation>
    </message>
    <message id="form.tags.placeholder">
        <source>Tags, separated by commas</source>
        <translation>Tags, separated by commas</translation>
    </message>
    <message id="row.a11y.tags">
        <source>Tags: %1</source>
        <translation>Tags: %1</translation>
    </message>
    <message id="alert.minutesBefore" numerus="yes">
        <source>%n minutes before</source>
        <translation>
            <numerusform>%n minute before</numerusform>
            <numerusform>%n minutes before</numerusform>
        </translation>
    </message>
    <message id="alert.hoursBefore" numerus="yes">
        <source>%n hours before</source>
        <translation>
            <numerusform>%n hour before</numerusform>
            <numerusform>%n hours before</numerusform>
        </translation>
    </message>
    <message id="alert.daysBefore" numerus="yes">
        <source>%n days before</source>
        <translation>
            <numerusform>%n day before</numerusform>
            <numerusform>%n days before</numerusform>
        </translation>
    </message>
    <message id="alert.minutesAfter" numerus="yes">
        <source>%n minutes after</source>
        <translation>
            <numerusform>%n minute after</numerusform>
            <numerusform>%n minutes after</numerusform>
        </translation>
    </message>
    <message id="alert.hoursAfter" numerus="yes">
        <source>%n hours after</source>
        <translation>
            <numerusform>%n hour after</numerusform>
            <numerusform>%n hours after</numerusform>
        </translation>
    </message>
    <message id="alert.daysAfter" numerus="yes">
        <source>%n days after</source>
        <translation>
            <numerusform>%n day after</numerusform>
            <numerusform>%n days after</numerusform>
        </translation>
    </message>
    <message id="alert.more" numerus="yes">
        <source>+%n more</source>
        <translation>
            <numerusform>+%n more</numerusform>
            <numerusform>+%n more</numerusform>
        </translation>
    </message>
    <message id="alert.repeats" numerus="yes">
        <source>repeats %n times</source>
        <translation>
            <numerusform>repeats %n time</numerusform>
            <numerusform>repeats %n times</numerusform>
        </translation>
    </message>
    <message id="tags.more" numerus="yes">
        <source>+%n</source>
        <translation>
            <numerusform>+%n</numerusform>
            <numerusform>+%n</numerusform>
        </translation>
    </message>
    <!-- Completed reminders -->
    <message id="menu.more">
        <source>More</source>
        <translation>More</translation>
    </message>
    <message id="menu.showCompleted">
        <source>Show Completed</source>
        <translation>Show Completed</translation>
    </message>
    <message id="button.markNotCompleted">
        <source>Mark as Not Completed</source>
        <translation>Mark as Not Completed</translation>
    </message>
    <message id="completed.today">
        <source>Completed today, %1</source>
        <translation>Completed today, %1</translation>
    </message>
    <message id="completed.yesterday">
        <source>Completed yesterday, %1</source>
        <translation>Completed yesterday, %1</translation>
    </message>
    <message id="completed.onDate">
        <source>Completed %1</source>
        <translation>Completed %1</translation>
    </message>
    <message id="completed.a11y.check">
        <source>Mark “%1” as not completed</source>
        <translation>Mark “%1” as not completed</translation>
    </message>
    <message id="undo.reopenFailed">
        <source>Could not mark “%1” as not completed: %2</source>
        <translation>Could not mark “%1” as not completed: %2</translation>
    </message>
    <message id="twoDevices.badge">
        <source>Changed on two devices; the menu shows the other version</source>
        <translation>Changed on two devices; the menu shows the other version</translation>
    </message>
    <message id="twoDevices.menu">
        <source>Changed on Two Devices</source>
        <translation>Changed on Two Devices</translation>
    </message>
    <message id="twoDevices.other">
        <source>Other version: %1</source>
        <translation>Other version: %1</translation>
    </message>
    <message id="twoDevices.otherNotes">
        <source>Notes: %1</source>
        <translation>Notes: %1</translation>
    </message>
    <message id="twoDevices.otherCompleted">
        <source>Completed there</source>
        <translation>Completed there</translation>
    </message>
    <message id="twoDevices.otherOpen">
        <source>Not completed there</source>
        <translation>Not completed there</translation>
    </message>
    <message id="twoDevices.keepThis">
        <source>Keep This Version</source>
        <translation>Keep This Version</translation>
    </message>
    <message id="twoDevices.useOther">
        <source>Use the Other Version</source>
        <translation>Use the Other Version</translation>
    </message>
    <message id="twoDevices.failed">
        <source>Could not change “%1”: %2</source>
        <translation>Could not change “%1”: %2</translation>
    </message>
    <message id="sync.lists.exists">
        <source>“%1” is on the server already; it is ticked now.</source>
        <translation>“%1” is on the server already; it is ticked now.</translation>
    </message>
    <message id="sync.browser.button">
        <source>Sign In with Browser…</source>
        <translation>Sign In with Browser…</translation>
    </message>
    <message id="sync.browser.starting">
        <source>Asking the server for a sign-in page…</source>
        <translation>Asking the server for a sign-in page…</translation>
    </message>
    <message id="sync.browser.waiting">
        <source>Finish signing in in your browser. If no browser opened, go to %1</source>
        <translation>Finish signing in in your browser. If no browser opened, go to %1</translation>
    </message>
    <message id="sync.browser.failed">
        <source>The server did not start a sign-in in the browser. Sign in with your user name and an app password instead.</source>
        <translation>The server did not start a sign-in in the browser. Sign in with your user name and an app password instead.</translation>
    </message>
    <message id="sync.browser.timedOut">
        <source>The sign-in in the browser was not finished. Try again, or sign in with your user name and an app password.</source>
        <translation>The sign-in in the browser was not finished. Try again, or sign in with your user name and an app password.</translation>
    </message>
</context>
</TS>
