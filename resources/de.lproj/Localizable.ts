<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name></name>
    <message id="TolvikReminder">
        <source>TolvikReminder</source>
        <translation>TolvikReminder</translation>
    </message>
    <message id="appTheme.day">
        <source>Light</source>
        <translation>Hell</translation>
    </message>
    <message id="appTheme.night">
        <source>Dark</source>
        <translation>Dunkel</translation>
    </message>
    <message id="appTheme.system">
        <source>System</source>
        <translation>System</translation>
    </message>
    <message id="button.add">
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message id="button.cancel">
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message id="button.clear">
        <source>Deselect All</source>
        <translation>Auswahl aufheben</translation>
    </message>
    <message id="button.complete">
        <source>Mark as Completed</source>
        <translation>Als erledigt markieren</translation>
    </message>
    <message id="button.delete">
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message id="button.edit">
        <source>Edit…</source>
        <translation>Bearbeiten …</translation>
    </message>
    <message id="button.grantPermission">
        <source>Grant Access</source>
        <translation>Zugriff erlauben</translation>
    </message>
    <message id="button.openSystemSettings">
        <source>Open Reminders Folder</source>
        <translation>Erinnerungsordner öffnen</translation>
    </message>
    <message id="button.save">
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message id="button.selectAll">
        <source>Select All</source>
        <translation>Alle auswählen</translation>
    </message>
    <message id="color.red">
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message id="color.orange">
        <source>Orange</source>
        <translation>Orange</translation>
    </message>
    <message id="color.yellow">
        <source>Yellow</source>
        <translation>Gelb</translation>
    </message>
    <message id="color.green">
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message id="color.teal">
        <source>Teal</source>
        <translation>Petrol</translation>
    </message>
    <message id="color.blue">
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message id="color.indigo">
        <source>Indigo</source>
        <translation>Indigo</translation>
    </message>
    <message id="color.purple">
        <source>Purple</source>
        <translation>Lila</translation>
    </message>
    <message id="color.pink">
        <source>Pink</source>
        <translation>Pink</translation>
    </message>
    <message id="color.brown">
        <source>Brown</source>
        <translation>Braun</translation>
    </message>
    <message id="color.olive">
        <source>Olive</source>
        <translation>Oliv</translation>
    </message>
    <message id="color.grey">
        <source>Grey</source>
        <translation>Grau</translation>
    </message>
    <message id="footer.quit">
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message id="footer.settings">
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message id="form.dueLabel">
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message id="form.allDay">
        <source>All day</source>
        <translation>Ganztägig</translation>
    </message>
    <message id="form.notes">
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
    <message id="form.priority">
        <source>Priority</source>
        <translation>Priorität</translation>
    </message>
    <message id="form.recurrence">
        <source>Repeat</source>
        <translation>Wiederholung</translation>
    </message>
    <message id="form.setDueDate">
        <source>Set a due date</source>
        <translation>Fälligkeitsdatum festlegen</translation>
    </message>
    <message id="form.timeLabel">
        <source>Time</source>
        <translation>Uhrzeit</translation>
    </message>
    <message id="form.title">
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message id="help.addReminder">
        <source>Add a reminder to this list</source>
        <translation>Erinnerung zu dieser Liste hinzufügen</translation>
    </message>
    <message id="help.quitApp">
        <source>Quit TolvikReminder</source>
        <translation>TolvikReminder beenden</translation>
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
        <translation>Systemsprache</translation>
    </message>
    <message id="menuSize.compact">
        <source>Compact</source>
        <translation>Kompakt</translation>
    </message>
    <message id="menuSize.dimensions">
        <source>%1 px wide, as tall as the reminders need</source>
        <translation>%1 px breit, so hoch wie die Erinnerungen es brauchen</translation>
    </message>
    <message id="menuSize.roomy">
        <source>Roomy</source>
        <translation>Geräumig</translation>
    </message>
    <message id="menuSize.standard">
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message id="placeholder.allCaughtUpMessage">
        <source>Your selected lists have no open reminders right now.</source>
        <translation>In den ausgewählten Listen gibt es gerade keine offenen Erinnerungen.</translation>
    </message>
    <message id="placeholder.allCaughtUpTitle">
        <source>All Caught Up</source>
        <translation>Alles erledigt</translation>
    </message>
    <message id="placeholder.noListsMessage">
        <source>Open Settings and choose the lists you want to see here.</source>
        <translation>Öffnen Sie die Einstellungen und wählen Sie die Listen aus, die hier erscheinen sollen.</translation>
    </message>
    <message id="placeholder.noListsTitle">
        <source>No Lists Selected</source>
        <translation>Keine Listen ausgewählt</translation>
    </message>
    <message id="placeholder.permissionRequiredMessage">
        <source>TolvikReminder does not have read and write access to the folder that holds your reminders. Check the folder’s permissions, then open this panel again.</source>
        <translation>TolvikReminder hat keinen vollen Lese- und Schreibzugriff auf den Ordner mit Ihren Erinnerungen. Prüfen Sie die Berechtigungen des Ordners und öffnen Sie die Übersicht dann erneut.</translation>
    </message>
    <message id="placeholder.permissionRequiredTitle">
        <source>No Access to Reminders</source>
        <translation>Kein Zugriff auf Erinnerungen</translation>
    </message>
    <message id="placeholder.readAccessMessage">
        <source>TolvikReminder can add reminders but cannot read them. Allow read access to the reminders folder to see your lists.</source>
        <translation>TolvikReminder kann Erinnerungen hinzufügen, aber nicht lesen. Erlauben Sie den Lesezugriff auf den Erinnerungsordner, um Ihre Listen zu sehen.</translation>
    </message>
    <message id="placeholder.readAccessTitle">
        <source>Read Access Needed</source>
        <translation>Lesezugriff erforderlich</translation>
    </message>
    <message id="placeholder.requestAccessMessage">
        <source>TolvikReminder keeps your reminders in standard iCalendar files on this computer. Grant access to set up the reminders folder and show your lists.</source>
        <translation>TolvikReminder speichert Ihre Erinnerungen in standardkonformen iCalendar-Dateien auf diesem Computer. Erlauben Sie den Zugriff, um den Erinnerungsordner einzurichten und Ihre Listen anzuzeigen.</translation>
    </message>
    <message id="placeholder.requestAccessTitle">
        <source>Allow Access to Reminders</source>
        <translation>Zugriff auf Erinnerungen erlauben</translation>
    </message>
    <message id="priority.none">
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message id="recurrence.daily">
        <source>Every Day</source>
        <translation>Täglich</translation>
    </message>
    <message id="recurrence.everyDays" numerus="yes">
        <source>Every %n Days</source>
        <translation>
            <numerusform>Alle %n Tage</numerusform>
            <numerusform>Alle %n Tage</numerusform>
        </translation>
    </message>
    <message id="recurrence.everyWeeks" numerus="yes">
        <source>Every %n Weeks</source>
        <translation>
            <numerusform>Alle %n Wochen</numerusform>
            <numerusform>Alle %n Wochen</numerusform>
        </translation>
    </message>
    <message id="recurrence.everyMonths" numerus="yes">
        <source>Every %n Months</source>
        <translation>
            <numerusform>Alle %n Monate</numerusform>
            <numerusform>Alle %n Monate</numerusform>
        </translation>
    </message>
    <message id="recurrence.everyYears" numerus="yes">
        <source>Every %n Years</source>
        <translation>
            <numerusform>Alle %n Jahre</numerusform>
            <numerusform>Alle %n Jahre</numerusform>
        </translation>
    </message>
    <message id="recurrence.everyOtherDays">
        <source>Every 2 Days</source>
        <translation>Alle 2 Tage</translation>
    </message>
    <message id="recurrence.everyOtherWeeks">
        <source>Every 2 Weeks</source>
        <translation>Alle 2 Wochen</translation>
    </message>
    <message id="recurrence.everyOtherMonths">
        <source>Every 2 Months</source>
        <translation>Alle 2 Monate</translation>
    </message>
    <message id="recurrence.everyOtherYears">
        <source>Every 2 Years</source>
        <translation>Alle 2 Jahre</translation>
    </message>
    <message id="recurrence.onWeekdays">
        <source>%1 on %2</source>
        <translation>%1 am %2</translation>
    </message>
    <message id="recurrence.weekdays">
        <source>Weekdays</source>
        <translation>Montag bis Freitag</translation>
    </message>
    <message id="recurrence.monthly">
        <source>Every Month</source>
        <translation>Monatlich</translation>
    </message>
    <message id="recurrence.none">
        <source>Never</source>
        <translation>Nie</translation>
    </message>
    <message id="recurrence.weekly">
        <source>Every Week</source>
        <translation>Wöchentlich</translation>
    </message>
    <message id="recurrence.yearly">
        <source>Every Year</source>
        <translation>Jährlich</translation>
    </message>
    <message id="reminder.priority.high">
        <source>High</source>
        <translation>Hoch</translation>
    </message>
    <message id="reminder.priority.low">
        <source>Low</source>
        <translation>Niedrig</translation>
    </message>
    <message id="reminder.priority.medium">
        <source>Medium</source>
        <translation>Mittel</translation>
    </message>
    <message id="reminders.emptyList">
        <source>No reminders</source>
        <translation>Keine Erinnerungen</translation>
    </message>
    <message id="settings.about.description">
        <source>TolvikReminder keeps your open reminders one click away in the system tray. It stores them as standard iCalendar files that other calendar and task apps can read too, so a CalDAV sync tool can keep them in step with your phone and your server.</source>
        <translation>TolvikReminder hält Ihre offenen Erinnerungen in der Systemleiste bereit – nur einen Klick entfernt. Es speichert sie als standardkonforme iCalendar-Dateien, die auch andere Kalender- und Aufgaben-Apps lesen können. Mit einem CalDAV-Synchronisierungswerkzeug bleiben sie auf Ihrem Smartphone und Ihrem Server auf demselben Stand.</translation>
    </message>
    <message id="settings.about.developer">
        <source>Developed by</source>
        <translation>Entwickelt von</translation>
    </message>
    <message id="settings.about.developerName">
        <source>The Tolvik Project</source>
        <translation>Das Tolvik-Projekt</translation>
    </message>
    <message id="settings.about.version">
        <source>Version %1 (%2)</source>
        <translation>Version %1 (%2)</translation>
    </message>
    <message id="settings.accounts.empty">
        <source>No accounts found.</source>
        <translation>Keine Konten gefunden.</translation>
    </message>
    <message id="settings.accounts.noneTicked">
        <source>No account is ticked, so the lists of every account are offered. Tick accounts to offer only their lists.</source>
        <translation>Kein Konto ist angehakt, daher werden die Listen aller Konten angeboten. Hake Konten an, um nur deren Listen anzubieten.</translation>
    </message>
    <message id="settings.accounts.section">
        <source>Accounts</source>
        <translation>Konten</translation>
    </message>
    <message id="settings.general.autoRefresh">
        <source>Refresh automatically</source>
        <translation>Automatisch aktualisieren</translation>
    </message>
    <message id="settings.general.autoRefreshNote">
        <source>Updates the panel as soon as reminders change in another app or through sync.</source>
        <translation>Aktualisiert die Übersicht, sobald sich Erinnerungen in einer anderen App oder durch eine Synchronisierung ändern.</translation>
    </message>
    <message id="settings.general.launch">
        <source>Start at login</source>
        <translation>Beim Anmelden starten</translation>
    </message>
    <message id="settings.general.section">
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message id="settings.language.picker">
        <source>Interface language</source>
        <translation>Sprache der Oberfläche</translation>
    </message>
    <message id="settings.language.section">
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message id="settings.launchError">
        <source>Could not change “Start at login”: %1</source>
        <translation>Die Einstellung für den Start beim Anmelden konnte nicht geändert werden: %1</translation>
    </message>
    <message id="settings.lists.empty">
        <source>No lists to show.</source>
        <translation>Keine Listen vorhanden.</translation>
    </message>
    <message id="settings.lists.section">
        <source>Lists</source>
        <translation>Listen</translation>
    </message>
    <message id="settings.menuSize.current">
        <source>Current size: %1 (%2)</source>
        <translation>Aktuelle Größe: %1 (%2)</translation>
    </message>
    <message id="settings.menuSize.large">
        <source>Large</source>
        <translation>Groß</translation>
    </message>
    <message id="settings.menuSize.section">
        <source>Panel Size</source>
        <translation>Größe der Übersicht</translation>
    </message>
    <message id="settings.menuSize.sliderLabel">
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message id="settings.menuSize.small">
        <source>Small</source>
        <translation>Klein</translation>
    </message>
    <message id="settings.tab.about">
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message id="settings.tab.appearance">
        <source>Appearance</source>
        <translation>Darstellung</translation>
    </message>
    <message id="settings.tab.general">
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message id="settings.theme.note">
        <source>“System” follows the light or dark mode of your desktop.</source>
        <translation>„System“ richtet sich nach dem hellen oder dunklen Modus Ihres Desktops.</translation>
    </message>
    <message id="settings.theme.picker">
        <source>Mode</source>
        <translation>Modus</translation>
    </message>
    <message id="settings.theme.section">
        <source>Theme</source>
        <translation>Farbschema</translation>
    </message>
    <message id="settings.timeframe.1month">
        <source>1 month</source>
        <translation>1 Monat</translation>
    </message>
    <message id="settings.timeframe.1year">
        <source>1 year</source>
        <translation>1 Jahr</translation>
    </message>
    <message id="settings.timeframe.3months">
        <source>3 months</source>
        <translation>3 Monate</translation>
    </message>
    <message id="settings.timeframe.6months">
        <source>6 months</source>
        <translation>6 Monate</translation>
    </message>
    <message id="settings.timeframe.label">
        <source>Timeframe</source>
        <translation>Zeitraum</translation>
    </message>
    <message id="settings.timeframe.unlimited">
        <source>No limit</source>
        <translation>Unbegrenzt</translation>
    </message>
    <message id="settings.transparency.high">
        <source>High (more see-through)</source>
        <translation>Hoch (stärker durchscheinend)</translation>
    </message>
    <message id="settings.transparency.label">
        <source>Background</source>
        <translation>Hintergrund</translation>
    </message>
    <message id="settings.transparency.section">
        <source>Transparency</source>
        <translation>Transparenz</translation>
    </message>
    <message id="settings.transparency.standard">
        <source>Standard (less see-through)</source>
        <translation>Standard (weniger durchscheinend)</translation>
    </message>
    <message id="settings.window.title">
        <source>TolvikReminder Settings</source>
        <translation>TolvikReminder – Einstellungen</translation>
    </message>
    <message id="summary.count" numerus="yes">
        <source>%n open reminders</source>
        <translation>
            <numerusform>%n offene Erinnerung</numerusform>
            <numerusform>%n offene Erinnerungen</numerusform>
        </translation>
    </message>
    <message id="summary.zero">
        <source>No open reminders</source>
        <translation>Keine offenen Erinnerungen</translation>
    </message>
    <!-- Alarms and desktop notifications -->
    <message id="alarms.action.complete">
        <source>Complete</source>
        <translation>Erledigt</translation>
    </message>
    <message id="alarms.action.open">
        <source>Show</source>
        <translation>Anzeigen</translation>
    </message>
    <message id="alarms.action.snooze">
        <source>Snooze 10 min</source>
        <translation>In 10 Min.</translation>
    </message>
    <message id="alarms.action.snoozeHour">
        <source>Snooze 1 hour</source>
        <translation>In 1 Std.</translation>
    </message>
    <message id="alarms.error">
        <source>Could not update “%1”</source>
        <translation>„%1“ konnte nicht geändert werden</translation>
    </message>
    <message id="alarms.notification.due">
        <source>Due: %1</source>
        <translation>Fällig: %1</translation>
    </message>
    <message id="alarms.notification.group" numerus="yes">
        <source>%n reminders are due</source>
        <translation>
            <numerusform>%n Erinnerung ist fällig</numerusform>
            <numerusform>%n Erinnerungen sind fällig</numerusform>
        </translation>
    </message>
    <message id="alarms.notification.more" numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>und %n weitere</numerusform>
            <numerusform>und %n weitere</numerusform>
        </translation>
    </message>
    <message id="settings.general.allDayTime">
        <source>All-day reminders at</source>
        <translation>Ganztägige Erinnerungen um</translation>
    </message>
    <message id="settings.general.notify">
        <source>Notify when reminders are due</source>
        <translation>Benachrichtigen, wenn Erinnerungen fällig sind</translation>
    </message>
    <!-- Command line, list management and undo -->
    <message id="cli.usage">
        <source>Usage: %1 [--help | --version | --quick-add]</source>
        <translation>Aufruf: %1 [--help | --version | --quick-add]</translation>
    </message>
    <message id="cli.description">
        <source>Shows your open reminders from the tray. Choose lists, timeframe and everything else in its settings window.</source>
        <translation>Zeigt Ihre offenen Erinnerungen in der Systemleiste. Listen, Zeitraum und alles Weitere wählen Sie im Einstellungsfenster.</translation>
    </message>
    <message id="cli.option.help">
        <source>Print this help and exit</source>
        <translation>Diese Hilfe anzeigen und beenden</translation>
    </message>
    <message id="cli.option.version">
        <source>Print the version and exit</source>
        <translation>Versionsinformationen anzeigen und beenden</translation>
    </message>
    <message id="cli.version">
        <source>TolvikReminder %1 (build %2)</source>
        <translation>TolvikReminder %1 (Build %2)</translation>
    </message>
    <message id="cli.unknownArgument">
        <source>Unknown argument “%1”. Try “%2 --help”.</source>
        <translation>Unbekanntes Argument „%1“. „%2 --help“ liefert weitere Informationen.</translation>
    </message>
    <!-- Panel: keyboard use, accessibility, tray menu and form errors -->
    <message id="panel.a11y.addReminderTo">
        <source>Add reminder to %1</source>
        <translation>Erinnerung zur Liste „%1“ hinzufügen</translation>
    </message>
    <message id="panel.a11y.rowDue">
        <source>Due %1</source>
        <translation>Fällig am %1</translation>
    </message>
    <message id="panel.a11y.rowNoDue">
        <source>No due date</source>
        <translation>Kein Fälligkeitsdatum</translation>
    </message>
    <message id="panel.a11y.rowOverdue">
        <source>Overdue</source>
        <translation>Überfällig</translation>
    </message>
    <message id="panel.a11y.rowPriority">
        <source>Priority: %1</source>
        <translation>Priorität: %1</translation>
    </message>
    <message id="panel.a11y.rowRepeat">
        <source>Repeats: %1</source>
        <translation>Wiederholung: %1</translation>
    </message>
    <message id="panel.a11y.settingsHelp">
        <source>Choose lists, appearance and language</source>
        <translation>Listen, Darstellung und Sprache wählen</translation>
    </message>
    <message id="panel.form.saveFailed">
        <source>The reminder could not be saved.</source>
        <translation>Die Erinnerung konnte nicht gespeichert werden.</translation>
    </message>
    <message id="panel.tray.open">
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message id="panel.tray.quit">
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message id="panel.tray.settings">
        <source>Settings…</source>
        <translation>Einstellungen …</translation>
    </message>
    <message id="button.newReminder">
        <source>New Reminder</source>
        <translation>Neue Erinnerung</translation>
    </message>
    <message id="button.openSettings">
        <source>Open Settings</source>
        <translation>Einstellungen öffnen</translation>
    </message>
    <message id="account.onThisComputer">
        <source>On this computer</source>
        <translation>Auf diesem Computer</translation>
    </message>
    <message id="settings.lists.new">
        <source>New List…</source>
        <translation>Neue Liste …</translation>
    </message>
    <message id="list.more">
        <source>List actions</source>
        <translation>Listenaktionen</translation>
    </message>
    <message id="list.rename">
        <source>Rename…</source>
        <translation>Umbenennen …</translation>
    </message>
    <message id="list.color">
        <source>Colour</source>
        <translation>Farbe</translation>
    </message>
    <message id="list.customColor">
        <source>Custom…</source>
        <translation>Eigene …</translation>
    </message>
    <message id="list.delete">
        <source>Delete…</source>
        <translation>Löschen …</translation>
    </message>
    <message id="list.colorFailed">
        <source>The colour could not be changed: %1</source>
        <translation>Die Farbe konnte nicht geändert werden: %1</translation>
    </message>
    <message id="newList.title">
        <source>New List</source>
        <translation>Neue Liste</translation>
    </message>
    <message id="newList.name">
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message id="newList.color">
        <source>Colour</source>
        <translation>Farbe</translation>
    </message>
    <message id="newList.account">
        <source>Account</source>
        <translation>Konto</translation>
    </message>
    <message id="newList.create">
        <source>Create</source>
        <translation>Erstellen</translation>
    </message>
    <message id="newList.nameTaken">
        <source>This account already has a list named “%1”.</source>
        <translation>In diesem Konto gibt es bereits eine Liste namens „%1“.</translation>
    </message>
    <message id="newList.failed">
        <source>The list could not be created: %1</source>
        <translation>Die Liste konnte nicht erstellt werden: %1</translation>
    </message>
    <message id="renameList.title">
        <source>Rename List</source>
        <translation>Liste umbenennen</translation>
    </message>
    <message id="renameList.button">
        <source>Rename</source>
        <translation>Umbenennen</translation>
    </message>
    <message id="renameList.failed">
        <source>The list could not be renamed: %1</source>
        <translation>Die Liste konnte nicht umbenannt werden: %1</translation>
    </message>
    <message id="deleteList.title">
        <source>Delete “%1”?</source>
        <translation>„%1“ löschen?</translation>
    </message>
    <message id="deleteList.syncedNote">
        <source>The copy on the server is not deleted.</source>
        <translation>Die Kopie auf dem Server wird nicht gelöscht.</translation>
    </message>
    <message id="deleteList.failed">
        <source>The list could not be deleted: %1</source>
        <translation>Die Liste konnte nicht gelöscht werden: %1</translation>
    </message>
    <message id="deleteList.message" numerus="yes">
        <source>The list and its %n reminders move to the trash, from where your file manager can restore them.</source>
        <translation>
            <numerusform>Die Liste und ihre %n Erinnerung werden in den Papierkorb verschoben. Dort können Sie sie mit Ihrem Dateimanager wiederherstellen.</numerusform>
            <numerusform>Die Liste und ihre %n Erinnerungen werden in den Papierkorb verschoben. Dort können Sie sie mit Ihrem Dateimanager wiederherstellen.</numerusform>
        </translation>
    </message>
    <message id="deleteList.messageEmpty">
        <source>The list moves to the trash, from where your file manager can restore it.</source>
        <translation>Die Liste wird in den Papierkorb verschoben. Dort können Sie sie mit Ihrem Dateimanager wiederherstellen.</translation>
    </message>
    <!-- Quick add -->
    <message id="quickAdd.placeholder">
        <source>New reminder, e.g. “Dentist Fri 9am”</source>
        <translation>Z. B. „Zahnarzt Freitag 9 Uhr“</translation>
    </message>
    <message id="quickAdd.list.help">
        <source>List for new reminders</source>
        <translation>Liste für neue Erinnerungen</translation>
    </message>
    <message id="quickAdd.list.none">
        <source>No list</source>
        <translation>Keine Liste</translation>
    </message>
    <message id="quickAdd.chip.keep">
        <source>Keep “%1” in the title</source>
        <translation>„%1“ im Titel behalten</translation>
    </message>
    <message id="quickAdd.shortcut.description">
        <source>Add a reminder with quick add</source>
        <translation>Erinnerung per Schnelleingabe hinzufügen</translation>
    </message>
    <message id="cli.option.quickAdd">
        <source>Open the quick-add field of the running app</source>
        <translation>Die Schnelleingabe der laufenden App öffnen</translation>
    </message>
    <message id="quickAdd.addError">
        <source>Could not add the reminder: %1</source>
        <translation>Die Erinnerung konnte nicht hinzugefügt werden: %1</translation>
    </message>
    <message id="settings.quickAdd.noShortcut">
        <source>This desktop offers no global shortcut service. To open quick add from anywhere, assign a shortcut to this command in your desktop’s keyboard settings: %1</source>
        <translation>Dieser Desktop bietet keinen Dienst für globale Tastenkürzel. Um die Schnelleingabe von überall zu öffnen, weisen Sie diesem Befehl in den Tastatureinstellungen Ihres Desktops ein Kürzel zu: %1</translation>
    </message>
    <!-- Search -->
    <message id="search.placeholder">
        <source>Search reminders</source>
        <translation>Erinnerungen durchsuchen</translation>
    </message>
    <message id="search.button">
        <source>Search (Ctrl+F)</source>
        <translation>Suchen (Strg+F)</translation>
    </message>
    <message id="search.allLists">
        <source>All lists</source>
        <translation>Alle Listen</translation>
    </message>
    <message id="search.allLists.help">
        <source>Also search the lists not shown and reminders outside the timeframe</source>
        <translation>Auch ausgeblendete Listen und Erinnerungen außerhalb des Zeitraums durchsuchen</translation>
    </message>
    <message id="search.noMatches">
        <source>No reminders match “%1”</source>
        <translation>Keine Erinnerung passt zu „%1“</translation>
    </message>
    <message id="undo.completed">
        <source>Completed “%1”</source>
        <translation>„%1“ erledigt</translation>
    </message>
    <message id="undo.deleted">
        <source>Deleted “%1”</source>
        <translation>„%1“ gelöscht</translation>
    </message>
    <message id="undo.button">
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message id="undo.tooLate">
        <source>This can no longer be undone: the reminder has been changed since.</source>
        <translation>Das lässt sich nicht mehr rückgängig machen: Die Erinnerung wurde inzwischen geändert.</translation>
    </message>
    <message id="undo.failed">
        <source>Could not undo: %1</source>
        <translation>Die Aktion konnte nicht rückgängig gemacht werden: %1</translation>
    </message>
    <message id="undo.completeFailed">
        <source>Could not complete “%1”: %2</source>
        <translation>„%1“ konnte nicht als erledigt markiert werden: %2</translation>
    </message>
    <message id="undo.deleteFailed">
        <source>Could not delete “%1”: %2</source>
        <translation>„%1“ konnte nicht gelöscht werden: %2</translation>
    </message>
    <message id="sync.account.add">
        <source>Add Account…</source>
        <translation>Konto hinzufügen …</translation>
    </message>
    <message id="sync.account.reviewCertificate">
        <source>Review Certificate…</source>
        <translation>Zertifikat prüfen …</translation>
    </message>
    <message id="sync.account.signInAgain">
        <source>Sign In Again…</source>
        <translation>Erneut anmelden …</translation>
    </message>
    <message id="sync.account.syncNow">
        <source>Sync Now</source>
        <translation>Jetzt synchronisieren</translation>
    </message>
    <message id="sync.add.addressExample">
        <source>For example cloud.example.org or you@example.org</source>
        <translation>Zum Beispiel cloud.example.org oder name@example.org</translation>
    </message>
    <message id="sync.add.addressLabel">
        <source>Server address or email</source>
        <translation>Serveradresse oder E-Mail</translation>
    </message>
    <message id="sync.add.back">
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message id="sync.add.continue">
        <source>Continue</source>
        <translation>Weiter</translation>
    </message>
    <message id="sync.add.intro">
        <source>Sync reminders with a CalDAV server, and through it with your phone. The app finds the server from its address or your email address.</source>
        <translation>Erinnerungen mit einem CalDAV-Server abgleichen und über ihn mit Ihrem Telefon. Die App findet den Server über seine Adresse oder Ihre E-Mail-Adresse.</translation>
    </message>
    <message id="sync.add.looking">
        <source>Looking for the server…</source>
        <translation>Server wird gesucht …</translation>
    </message>
    <message id="sync.add.title">
        <source>Add Account</source>
        <translation>Konto hinzufügen</translation>
    </message>
    <message id="sync.cert.advice">
        <source>Trust it only if you know this is your server's certificate, for example because you made it yourself. Checking stays on for every other certificate.</source>
        <translation>Vertrauen Sie ihm nur, wenn Sie wissen, dass es das Zertifikat Ihres Servers ist, etwa weil Sie es selbst erstellt haben. Alle anderen Zertifikate werden weiter geprüft.</translation>
    </message>
    <message id="sync.cert.changed">
        <source>The server now shows a different certificate from the one you trusted. Sync has stopped until you decide.</source>
        <translation>Der Server zeigt jetzt ein anderes Zertifikat als das, dem Sie vertraut haben. Die Synchronisierung ruht, bis Sie entscheiden.</translation>
    </message>
    <message id="sync.cert.fingerprint">
        <source>SHA-256 fingerprint:</source>
        <translation>SHA-256-Fingerabdruck:</translation>
    </message>
    <message id="sync.cert.intro">
        <source>This computer does not trust the server's certificate.</source>
        <translation>Dieser Computer vertraut dem Zertifikat des Servers nicht.</translation>
    </message>
    <message id="sync.cert.issuer">
        <source>Issued by:</source>
        <translation>Ausgestellt von:</translation>
    </message>
    <message id="sync.cert.reason">
        <source>Reason:</source>
        <translation>Grund:</translation>
    </message>
    <message id="sync.cert.subject">
        <source>Issued to:</source>
        <translation>Ausgestellt für:</translation>
    </message>
    <message id="sync.cert.trust">
        <source>Trust This Certificate</source>
        <translation>Diesem Zertifikat vertrauen</translation>
    </message>
    <message id="sync.cert.valid">
        <source>Valid:</source>
        <translation>Gültig:</translation>
    </message>
    <message id="sync.cert.validRange">
        <source>%1 to %2</source>
        <translation>%1 bis %2</translation>
    </message>
    <message id="sync.footer.offline" numerus="yes">
        <source>Offline: %n changes wait</source>
        <translation>
            <numerusform>Offline: %n Änderung wartet</numerusform>
            <numerusform>Offline: %n Änderungen warten</numerusform>
        </translation>
    </message>
    <message id="sync.footer.problem">
        <source>Sync needs attention: see Settings</source>
        <translation>Synchronisierung braucht Aufmerksamkeit: siehe Einstellungen</translation>
    </message>
    <message id="sync.keyring.fileFailed">
        <source>The password could not be saved: %1</source>
        <translation>Das Passwort konnte nicht gespeichert werden: %1</translation>
    </message>
    <message id="sync.keyring.missing">
        <source>No keyring answered, so the password cannot be kept safely (%1). You can start a keyring (for example GNOME Keyring or KWallet) and try again, or keep the password in a file that only you can read. Anyone with access to your user account could read that file.</source>
        <translation>Kein Schlüsselbund hat geantwortet, daher kann das Passwort nicht sicher aufbewahrt werden (%1). Sie können einen Schlüsselbund starten (etwa GNOME Keyring oder KWallet) und es erneut versuchen, oder das Passwort in einer Datei ablegen, die nur Sie lesen können. Wer Zugriff auf Ihr Benutzerkonto hat, könnte diese Datei lesen.</translation>
    </message>
    <message id="sync.keyring.missingShort">
        <source>No keyring answered, so the password was not saved. Start a keyring and try again.</source>
        <translation>Kein Schlüsselbund hat geantwortet, daher wurde das Passwort nicht gespeichert. Starten Sie einen Schlüsselbund und versuchen Sie es erneut.</translation>
    </message>
    <message id="sync.keyring.title">
        <source>No Keyring</source>
        <translation>Kein Schlüsselbund</translation>
    </message>
    <message id="sync.keyring.useFile">
        <source>Keep in a File Only I Can Read</source>
        <translation>In einer nur für mich lesbaren Datei ablegen</translation>
    </message>
    <message id="sync.lists.chooseOne">
        <source>Choose at least one list.</source>
        <translation>Wählen Sie mindestens eine Liste.</translation>
    </message>
    <message id="sync.lists.finish">
        <source>Add Account</source>
        <translation>Konto hinzufügen</translation>
    </message>
    <message id="sync.lists.intro">
        <source>Choose the lists to sync with this computer:</source>
        <translation>Wählen Sie die Listen, die mit diesem Computer synchronisiert werden:</translation>
    </message>
    <message id="sync.lists.makeFailed">
        <source>The server did not make the list.</source>
        <translation>Der Server hat die Liste nicht angelegt.</translation>
    </message>
    <message id="sync.lists.making">
        <source>Making the list on the server…</source>
        <translation>Liste wird auf dem Server angelegt …</translation>
    </message>
    <message id="sync.lists.new">
        <source>New List on the Server…</source>
        <translation>Neue Liste auf dem Server …</translation>
    </message>
    <message id="sync.lists.newName">
        <source>Name of the new list:</source>
        <translation>Name der neuen Liste:</translation>
    </message>
    <message id="sync.lists.none">
        <source>This account has no lists for reminders yet. Make one on the server:</source>
        <translation>Dieses Konto hat noch keine Listen für Erinnerungen. Legen Sie eine auf dem Server an:</translation>
    </message>
    <message id="sync.lists.readOnly">
        <source>read-only</source>
        <translation>schreibgeschützt</translation>
    </message>
    <message id="sync.lists.saving">
        <source>Saving the account…</source>
        <translation>Konto wird gespeichert …</translation>
    </message>
    <message id="sync.problem.certificate">
        <source>This computer does not trust the server's certificate.</source>
        <translation>Dieser Computer vertraut dem Zertifikat des Servers nicht.</translation>
    </message>
    <message id="sync.problem.certificateChanged">
        <source>The server's certificate changed. Review it before sync goes on.</source>
        <translation>Das Zertifikat des Servers hat sich geändert. Prüfen Sie es, bevor die Synchronisierung weiterläuft.</translation>
    </message>
    <message id="sync.problem.conflicts">
        <source>Some reminders changed on two devices. Both versions are kept; sync goes on.</source>
        <translation>Einige Erinnerungen wurden auf zwei Geräten geändert. Beide Fassungen bleiben erhalten; die Synchronisierung läuft weiter.</translation>
    </message>
    <message id="sync.problem.engineMissing">
        <source>Sync needs vdirsyncer. Install it (Debian package vdirsyncer) and sync again.</source>
        <translation>Die Synchronisierung braucht vdirsyncer. Installieren Sie es (Debian-Paket vdirsyncer) und synchronisieren Sie erneut.</translation>
    </message>
    <message id="sync.problem.hostNotFound">
        <source>No server with this name was found. Check the address.</source>
        <translation>Kein Server mit diesem Namen gefunden. Prüfen Sie die Adresse.</translation>
    </message>
    <message id="sync.problem.keyring">
        <source>The keyring is locked or did not answer. Unlock it, then sync again.</source>
        <translation>Der Schlüsselbund ist gesperrt oder hat nicht geantwortet. Entsperren Sie ihn und synchronisieren Sie erneut.</translation>
    </message>
    <message id="sync.problem.listGone">
        <source>The list “%1” is no longer on the server. Your reminders in it stay on this computer.</source>
        <translation>Die Liste „%1“ ist nicht mehr auf dem Server. Ihre Erinnerungen darin bleiben auf diesem Computer.</translation>
    </message>
    <message id="sync.problem.noCalDav">
        <source>No calendar server answered at this address. Check the address, or ask your provider for the CalDAV address.</source>
        <translation>An dieser Adresse hat kein Kalenderserver geantwortet. Prüfen Sie die Adresse oder fragen Sie Ihren Anbieter nach der CalDAV-Adresse.</translation>
    </message>
    <message id="sync.problem.offline" numerus="yes">
        <source>Offline: %n changes wait and sync when the network is back.</source>
        <translation>
            <numerusform>Offline: %n Änderung wartet und wird abgeglichen, sobald das Netz zurück ist.</numerusform>
            <numerusform>Offline: %n Änderungen warten und werden abgeglichen, sobald das Netz zurück ist.</numerusform>
        </translation>
    </message>
    <message id="sync.problem.serverEmptied">
        <source>The server shows the list “%1” as empty. Nothing was deleted here; check the server before syncing this list again.</source>
        <translation>Der Server zeigt die Liste „%1“ als leer. Hier wurde nichts gelöscht; prüfen Sie den Server, bevor diese Liste erneut abgeglichen wird.</translation>
    </message>
    <message id="sync.problem.serverTrouble">
        <source>The server has trouble right now. Nothing was deleted; sync tries again later.</source>
        <translation>Der Server hat gerade Probleme. Nichts wurde gelöscht; die Synchronisierung versucht es später erneut.</translation>
    </message>
    <message id="sync.problem.signInAgain">
        <source>The server did not accept the password. Sign in again.</source>
        <translation>Der Server hat das Passwort nicht angenommen. Melden Sie sich erneut an.</translation>
    </message>
    <message id="sync.problem.signInRejected">
        <source>The user name or password is wrong. With two-factor authentication, use an app password.</source>
        <translation>Benutzername oder Passwort ist falsch. Mit Zwei-Faktor-Authentifizierung brauchen Sie ein App-Passwort.</translation>
    </message>
    <message id="sync.problem.timedOut">
        <source>The server took too long to answer. Sync tries again later.</source>
        <translation>Der Server hat zu lange für eine Antwort gebraucht. Die Synchronisierung versucht es später erneut.</translation>
    </message>
    <message id="sync.problem.unknown">
        <source>Sync did not finish. Nothing was deleted; sync tries again later.</source>
        <translation>Die Synchronisierung wurde nicht abgeschlossen. Nichts wurde gelöscht; sie versucht es später erneut.</translation>
    </message>
    <message id="sync.problem.unreachable">
        <source>The server cannot be reached. Check the network or whether the server is running.</source>
        <translation>Der Server ist nicht erreichbar. Prüfen Sie das Netzwerk oder ob der Server läuft.</translation>
    </message>
    <message id="sync.signIn.appPasswordNote">
        <source>If two-factor authentication is on for this account, use an app password made in the server's settings.</source>
        <translation>Wenn für dieses Konto die Zwei-Faktor-Authentifizierung aktiv ist, verwenden Sie ein App-Passwort aus den Einstellungen des Servers.</translation>
    </message>
    <message id="sync.signIn.busy">
        <source>Signing in…</source>
        <translation>Anmeldung …</translation>
    </message>
    <message id="sync.signIn.button">
        <source>Sign In</source>
        <translation>Anmelden</translation>
    </message>
    <message id="sync.signIn.password">
        <source>Password:</source>
        <translation>Passwort:</translation>
    </message>
    <message id="sync.signIn.server">
        <source>Sign in to %1</source>
        <translation>Bei %1 anmelden</translation>
    </message>
    <message id="sync.signIn.user">
        <source>User name:</source>
        <translation>Benutzername:</translation>
    </message>
    <message id="sync.status.hoursAgo" numerus="yes">
        <source>%n hours ago</source>
        <translation>
            <numerusform>vor %n Stunde</numerusform>
            <numerusform>vor %n Stunden</numerusform>
        </translation>
    </message>
    <message id="sync.status.justNow">
        <source>just now</source>
        <translation>gerade eben</translation>
    </message>
    <message id="sync.status.minutesAgo" numerus="yes">
        <source>%n minutes ago</source>
        <translation>
            <numerusform>vor %n Minute</numerusform>
            <numerusform>vor %n Minuten</numerusform>
        </translation>
    </message>
    <message id="sync.status.never">
        <source>Not synced yet</source>
        <translation>Noch nicht synchronisiert</translation>
    </message>
    <message id="sync.status.onDate">
        <source>on %1</source>
        <translation>am %1</translation>
    </message>
    <message id="sync.status.synced">
        <source>Synced %1</source>
        <translation>Synchronisiert %1</translation>
    </message>
    <message id="sync.status.syncing">
        <source>Syncing…</source>
        <translation>Wird synchronisiert …</translation>
    </message>
    <message id="sync.status.syncingCount" numerus="yes">
        <source>Syncing… %n changes so far</source>
        <translation>
            <numerusform>Wird synchronisiert … bisher %n Änderung</numerusform>
            <numerusform>Wird synchronisiert … bisher %n Änderungen</numerusform>
        </translation>
    </message>
    <message id="sync.notify.failing">
        <source>Sync of “%1” has not worked for a day</source>
        <translation>Die Synchronisierung von „%1“ klappt seit einem Tag nicht</translation>
    </message>
    <message id="sync.account.remove">
        <source>Remove…</source>
        <translation>Entfernen …</translation>
    </message>
    <message id="sync.account.removeFailed">
        <source>The account was removed, but its lists could not be moved to the trash; they are still on this computer.</source>
        <translation>Das Konto wurde entfernt, aber seine Listen konnten nicht in den Papierkorb gelegt werden; sie sind noch auf diesem Computer.</translation>
    </message>
    <message id="sync.account.removeKeep">
        <source>Keep Lists Here</source>
        <translation>Listen hier behalten</translation>
    </message>
    <message id="sync.account.removeQuestion">
        <source>Stop syncing “%1”? Its password, settings and sync state are removed from this computer. The lists on the server stay. Keep the account's lists on this computer, or move them to the trash?</source>
        <translation>„%1“ nicht mehr synchronisieren? Passwort, Einstellungen und Synchronisierungsstand werden von diesem Computer entfernt. Die Listen auf dem Server bleiben. Die Listen des Kontos auf diesem Computer behalten oder in den Papierkorb legen?</translation>
    </message>
    <message id="sync.account.removeTitle">
        <source>Remove Account</source>
        <translation>Konto entfernen</translation>
    </message>
    <message id="sync.account.removeTrash">
        <source>Move Lists to Trash</source>
        <translation>Listen in den Papierkorb</translation>
    </message>
    <message id="sync.held.wouldRemove" numerus="yes">
        <source>The server would remove %n reminders from “%1”. Nothing was deleted here: restore them on the server, or delete them here too.</source>
        <translation>
            <numerusform>Der Server würde %n Erinnerung aus „%1“ entfernen. Hier wurde nichts gelöscht: Stellen Sie sie auf dem Server wieder her oder löschen Sie sie auch hier.</numerusform>
            <numerusform>Der Server würde %n Erinnerungen aus „%1“ entfernen. Hier wurde nichts gelöscht: Stellen Sie sie auf dem Server wieder her oder löschen Sie sie auch hier.</numerusform>
        </translation>
    </message>
    <message id="sync.held.serverEmpty" numerus="yes">
        <source>The server shows “%1” as empty, but %n reminders are still here. Nothing was deleted: restore them on the server, or delete them here too.</source>
        <translation>
            <numerusform>Der Server zeigt „%1“ als leer, hier ist aber noch %n Erinnerung. Nichts wurde gelöscht: Stellen Sie sie auf dem Server wieder her oder löschen Sie sie auch hier.</numerusform>
            <numerusform>Der Server zeigt „%1“ als leer, hier sind aber noch %n Erinnerungen. Nichts wurde gelöscht: Stellen Sie sie auf dem Server wieder her oder löschen Sie sie auch hier.</numerusform>
        </translation>
    </message>
    <message id="sync.held.removed" numerus="yes">
        <source>The server removed %n reminders from “%1”. A copy from before the sync still has them: restore them, or delete them.</source>
        <translation>
            <numerusform>Der Server hat %n Erinnerung aus „%1“ entfernt. Eine Kopie von vor der Synchronisierung enthält sie noch: Stellen Sie sie wieder her oder löschen Sie sie.</numerusform>
            <numerusform>Der Server hat %n Erinnerungen aus „%1“ entfernt. Eine Kopie von vor der Synchronisierung enthält sie noch: Stellen Sie sie wieder her oder löschen Sie sie.</numerusform>
        </translation>
    </message>
    <message id="sync.account.restore">
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message id="sync.account.deleteHeld">
        <source>Delete Them</source>
        <translation>Löschen</translation>
    </message>
    <message id="sync.account.restoreFailed">
        <source>Not every reminder could be restored. The question stays, so that you can try again.</source>
        <translation>Nicht alle Erinnerungen konnten wiederhergestellt werden. Die Frage bleibt, damit Sie es erneut versuchen können.</translation>
    </message>
    <message id="sync.footer.held">
        <source>Sync waits for you: reminders removed on the server</source>
        <translation>Synchronisierung wartet: Erinnerungen auf dem Server entfernt</translation>
    </message>
    <message id="sync.problem.listNotMade">
        <source>The server did not let the app make the list “%1”. It stays on this computer and does not sync.</source>
        <translation>Der Server hat die Liste „%1“ nicht angelegt. Sie bleibt auf diesem Computer und wird nicht synchronisiert.</translation>
    </message>
    <message id="sync.external.status">
        <source>Synced by your own vdirsyncer configuration (%1). The app leaves this folder to it and adds no second sync.</source>
        <translation>Wird von Ihrer eigenen vdirsyncer-Konfiguration synchronisiert (%1). Die App überlässt diesen Ordner ihr und richtet keine zweite Synchronisierung ein.</translation>
    </message>
    <message id="subtasks.progress">
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message id="subtasks.hint.missing">
        <source>Sub-task of a reminder that is missing</source>
        <translation>Unteraufgabe einer fehlenden Erinnerung</translation>
    </message>
    <message id="subtasks.hint.otherList">
        <source>Sub-task of “%1” in another list</source>
        <translation>Unteraufgabe von „%1“ in einer anderen Liste</translation>
    </message>
    <message id="subtasks.hint.notShown">
        <source>Sub-task of “%1”, which is not shown</source>
        <translation>Unteraufgabe von „%1“, das nicht angezeigt wird</translation>
    </message>
    <message id="subtasks.hint.loop">
        <source>Its sub-task links go round in a circle</source>
        <translation>Die Verknüpfungen der Unteraufgaben bilden einen Kreis</translation>
    </message>
    <message id="subtasks.a11y.fold">
        <source>Hide the sub-tasks of %1</source>
        <translation>Unteraufgaben von %1 ausblenden</translation>
    </message>
    <message id="subtasks.a11y.unfold">
        <source>Show the sub-tasks of %1</source>
        <translation>Unteraufgaben von %1 einblenden</translation>
    </message>
    <message id="subtasks.a11y.subtaskOf">
        <source>sub-task of %1</source>
        <translation>Unteraufgabe von %1</translation>
    </message>
    <message id="subtasks.a11y.folded">
        <source>sub-tasks hidden</source>
        <translation>Unteraufgaben ausgeblendet</translation>
    </message>
    <message id="subtasks.menu.add">
        <source>Add Sub-task</source>
        <translation>Unteraufgabe hinzufügen</translation>
    </message>
    <message id="subtasks.menu.makeSubtaskOf">
        <source>Make Sub-task of…</source>
        <translation>Als Unteraufgabe einordnen unter…</translation>
    </message>
    <message id="subtasks.menu.moveToTopLevel">
        <source>Move to Top Level</source>
        <translation>Auf oberste Ebene verschieben</translation>
    </message>
    <message id="subtasks.question" numerus="yes">
        <source>“%1” has %n open sub-tasks. Complete them too?</source>
        <translation>
            <numerusform>„%1“ hat %n offene Unteraufgabe. Soll sie auch erledigt werden?</numerusform>
            <numerusform>„%1“ hat %n offene Unteraufgaben. Sollen sie auch erledigt werden?</numerusform>
        </translation>
    </message>
    <message id="subtasks.question.all">
        <source>Complete All</source>
        <translation>Alle erledigen</translation>
    </message>
    <message id="subtasks.question.onlyThis">
        <source>Only This One</source>
        <translation>Nur diese</translation>
    </message>
    <message id="subtasks.question.cancel">
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message id="subtasks.undoCompleted" numerus="yes">
        <source>Completed “%1” and %n sub-tasks</source>
        <translation>
            <numerusform>„%1“ und %n Unteraufgabe erledigt</numerusform>
            <numerusform>„%1“ und %n Unteraufgaben erledigt</numerusform>
        </translation>
    </message>
    <message id="form.alert">
        <source>Alert</source>
        <translation>Hinweis</translation>
    </message>
    <message id="alert.atDueTime">
        <source>At due time</source>
        <translation>Zum Fälligkeitszeitpunkt</translation>
    </message>
    <message id="alert.custom">
        <source>Custom…</source>
        <translation>Eigener…</translation>
    </message>
    <message id="alert.none">
        <source>None</source>
        <translation>Keiner</translation>
    </message>
    <message id="alert.customDate">
        <source>At a date and time</source>
        <translation>Zu Datum und Uhrzeit</translation>
    </message>
    <message id="alert.customOffset">
        <source>Before the due time</source>
        <translation>Vor dem Fälligkeitszeitpunkt</translation>
    </message>
    <message id="alert.customKind">
        <source>Kind of custom alert</source>
        <translation>Art des eigenen Hinweises</translation>
    </message>
    <message id="alert.customAmount">
        <source>How long before</source>
        <translation>Wie lange vorher</translation>
    </message>
    <message id="alert.customUnit">
        <source>Unit</source>
        <translation>Einheit</translation>
    </message>
    <message id="alert.unit.minutes">
        <source>minutes</source>
        <translation>Minuten</translation>
    </message>
    <message id="alert.unit.hours">
        <source>hours</source>
        <translation>Stunden</translation>
    </message>
    <message id="alert.unit.days">
        <source>days</source>
        <translation>Tage</translation>
    </message>
    <message id="alert.morePreserved">
        <source>The other alerts stay as they are.</source>
        <translation>Die anderen Hinweise bleiben unverändert.</translation>
    </message>
    <message id="alert.atStart">
        <source>At the start</source>
        <translation>Zum Beginn</translation>
    </message>
    <message id="alert.relativeToStart">
        <source>%1 (start)</source>
        <translation>%1 (Beginn)</translation>
    </message>
    <message id="alert.joined">
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message id="alert.ownSound">
        <source>own sound</source>
        <translation>eigener Ton</translation>
    </message>
    <message id="alert.notShownHere">
        <source>not shown on this computer</source>
        <translation>auf diesem Computer nicht angezeigt</translation>
    </message>
    <message id="alert.silenced">
        <source>No alert</source>
        <translation>Kein Hinweis</translation>
    </message>
    <message id="row.a11y.alert">
        <source>Alert: %1</source>
        <translation>Hinweis: %1</translation>
    </message>
    <message id="form.tags">
        <source>Tags</source>
        <translation>Tags</translation>
    </message>
    <message id="form.tags.placeholder">
        <source>Tags, separated by commas</source>
        <translation>Tags, durch Kommas getrennt</translation>
    </message>
    <message id="row.a11y.tags">
        <source>Tags: %1</source>
        <translation>Tags: %1</translation>
    </message>
    <message id="alert.minutesBefore" numerus="yes">
        <source>%n minutes before</source>
        <translation>
            <numerusform>%n Minute vorher</numerusform>
            <numerusform>%n Minuten vorher</numerusform>
        </translation>
    </message>
    <message id="alert.hoursBefore" numerus="yes">
        <source>%n hours before</source>
        <translation>
            <numerusform>%n Stunde vorher</numerusform>
            <numerusform>%n Stunden vorher</numerusform>
        </translation>
    </message>
    <message id="alert.daysBefore" numerus="yes">
        <source>%n days before</source>
        <translation>
            <numerusform>%n Tag vorher</numerusform>
            <numerusform>%n Tage vorher</numerusform>
        </translation>
    </message>
    <message id="alert.minutesAfter" numerus="yes">
        <source>%n minutes after</source>
        <translation>
            <numerusform>%n Minute danach</numerusform>
            <numerusform>%n Minuten danach</numerusform>
        </translation>
    </message>
    <message id="alert.hoursAfter" numerus="yes">
        <source>%n hours after</source>
        <translation>
            <numerusform>%n Stunde danach</numerusform>
            <numerusform>%n Stunden danach</numerusform>
        </translation>
    </message>
    <message id="alert.daysAfter" numerus="yes">
        <source>%n days after</source>
        <translation>
            <numerusform>%n Tag danach</numerusform>
            <numerusform>%n Tage danach</numerusform>
        </translation>
    </message>
    <message id="alert.more" numerus="yes">
        <source>+%n more</source>
        <translation>
            <numerusform>+%n weiterer</numerusform>
            <numerusform>+%n weitere</numerusform>
        </translation>
    </message>
    <message id="alert.repeats" numerus="yes">
        <source>repeats %n times</source>
        <translation>
            <numerusform>wiederholt sich %n-mal</numerusform>
            <numerusform>wiederholt sich %n-mal</numerusform>
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
        <translation>Mehr</translation>
    </message>
    <message id="menu.showCompleted">
        <source>Show Completed</source>
        <translation>Erledigte anzeigen</translation>
    </message>
    <message id="button.markNotCompleted">
        <source>Mark as Not Completed</source>
        <translation>Als nicht erledigt markieren</translation>
    </message>
    <message id="completed.today">
        <source>Completed today, %1</source>
        <translation>Heute erledigt, %1</translation>
    </message>
    <message id="completed.yesterday">
        <source>Completed yesterday, %1</source>
        <translation>Gestern erledigt, %1</translation>
    </message>
    <message id="completed.onDate">
        <source>Completed %1</source>
        <translation>Erledigt am %1</translation>
    </message>
    <message id="completed.a11y.check">
        <source>Mark “%1” as not completed</source>
        <translation>„%1“ als nicht erledigt markieren</translation>
    </message>
    <message id="undo.reopenFailed">
        <source>Could not mark “%1” as not completed: %2</source>
        <translation>„%1“ konnte nicht als nicht erledigt markiert werden: %2</translation>
    </message>
    <message id="twoDevices.badge">
        <source>Changed on two devices; the menu shows the other version</source>
        <translation>Auf zwei Geräten geändert; das Menü zeigt die andere Fassung</translation>
    </message>
    <message id="twoDevices.menu">
        <source>Changed on Two Devices</source>
        <translation>Auf zwei Geräten geändert</translation>
    </message>
    <message id="twoDevices.other">
        <source>Other version: %1</source>
        <translation>Andere Fassung: %1</translation>
    </message>
    <message id="twoDevices.otherNotes">
        <source>Notes: %1</source>
        <translation>Notizen: %1</translation>
    </message>
    <message id="twoDevices.otherCompleted">
        <source>Completed there</source>
        <translation>Dort erledigt</translation>
    </message>
    <message id="twoDevices.otherOpen">
        <source>Not completed there</source>
        <translation>Dort nicht erledigt</translation>
    </message>
    <message id="twoDevices.keepThis">
        <source>Keep This Version</source>
        <translation>Diese Fassung behalten</translation>
    </message>
    <message id="twoDevices.useOther">
        <source>Use the Other Version</source>
        <translation>Die andere Fassung verwenden</translation>
    </message>
    <message id="twoDevices.failed">
        <source>Could not change “%1”: %2</source>
        <translation>„%1“ konnte nicht geändert werden: %2</translation>
    </message>
    <message id="sync.lists.exists">
        <source>“%1” is on the server already; it is ticked now.</source>
        <translation>„%1“ ist schon auf dem Server; sie ist jetzt ausgewählt.</translation>
    </message>
    <message id="sync.browser.button">
        <source>Sign In with Browser…</source>
        <translation>Im Browser anmelden …</translation>
    </message>
    <message id="sync.browser.starting">
        <source>Asking the server for a sign-in page…</source>
        <translation>Der Server wird um eine Anmeldeseite gebeten …</translation>
    </message>
    <message id="sync.browser.waiting">
        <source>Finish signing in in your browser. If no browser opened, go to %1</source>
        <translation>Schließen Sie die Anmeldung im Browser ab. Falls sich kein Browser geöffnet hat, rufen Sie %1 auf.</translation>
    </message>
    <message id="sync.browser.failed">
        <source>The server did not start a sign-in in the browser. Sign in with your user name and an app password instead.</source>
        <translation>Der Server hat keine Anmeldung im Browser gestartet. Melden Sie sich stattdessen mit Benutzername und App-Passwort an.</translation>
    </message>
    <message id="sync.browser.timedOut">
        <source>The sign-in in the browser was not finished. Try again, or sign in with your user name and an app password.</source>
        <translation>Die Anmeldung im Browser wurde nicht abgeschlossen. Versuchen Sie es erneut oder melden Sie sich mit Benutzername und App-Passwort an.</translation>
    </message>
</context>
</TS>
