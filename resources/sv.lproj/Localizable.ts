<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv" sourcelanguage="en">
<context>
    <name></name>
    <message id="TolvikReminder">
        <source>TolvikReminder</source>
        <translation>TolvikReminder</translation>
    </message>
    <message id="appTheme.day">
        <source>Light</source>
        <translation>Ljust</translation>
    </message>
    <message id="appTheme.night">
        <source>Dark</source>
        <translation>Mörkt</translation>
    </message>
    <message id="appTheme.system">
        <source>System</source>
        <translation>System</translation>
    </message>
    <message id="button.add">
        <source>Add</source>
        <translation>Lägg till</translation>
    </message>
    <message id="button.cancel">
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message id="button.clear">
        <source>Deselect All</source>
        <translation>Avmarkera alla</translation>
    </message>
    <message id="button.complete">
        <source>Mark as Completed</source>
        <translation>Markera som klar</translation>
    </message>
    <message id="button.delete">
        <source>Delete</source>
        <translation>Ta bort</translation>
    </message>
    <message id="button.edit">
        <source>Edit…</source>
        <translation>Redigera…</translation>
    </message>
    <message id="button.grantPermission">
        <source>Grant Access</source>
        <translation>Ge åtkomst</translation>
    </message>
    <message id="button.openSystemSettings">
        <source>Open Reminders Folder</source>
        <translation>Öppna påminnelsemappen</translation>
    </message>
    <message id="button.save">
        <source>Save</source>
        <translation>Spara</translation>
    </message>
    <message id="button.selectAll">
        <source>Select All</source>
        <translation>Markera alla</translation>
    </message>
    <message id="color.red">
        <source>Red</source>
        <translation>Röd</translation>
    </message>
    <message id="color.orange">
        <source>Orange</source>
        <translation>Orange</translation>
    </message>
    <message id="color.yellow">
        <source>Yellow</source>
        <translation>Gul</translation>
    </message>
    <message id="color.green">
        <source>Green</source>
        <translation>Grön</translation>
    </message>
    <message id="color.teal">
        <source>Teal</source>
        <translation>Blågrön</translation>
    </message>
    <message id="color.blue">
        <source>Blue</source>
        <translation>Blå</translation>
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
        <translation>Rosa</translation>
    </message>
    <message id="color.brown">
        <source>Brown</source>
        <translation>Brun</translation>
    </message>
    <message id="color.olive">
        <source>Olive</source>
        <translation>Olivgrön</translation>
    </message>
    <message id="color.grey">
        <source>Grey</source>
        <translation>Grå</translation>
    </message>
    <message id="footer.quit">
        <source>Quit</source>
        <translation>Avsluta</translation>
    </message>
    <message id="footer.settings">
        <source>Settings</source>
        <translation>Inställningar</translation>
    </message>
    <message id="form.dueLabel">
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message id="form.allDay">
        <source>All day</source>
        <translation>Heldag</translation>
    </message>
    <message id="form.notes">
        <source>Notes</source>
        <translation>Anteckningar</translation>
    </message>
    <message id="form.priority">
        <source>Priority</source>
        <translation>Prioritet</translation>
    </message>
    <message id="form.recurrence">
        <source>Repeat</source>
        <translation>Upprepa</translation>
    </message>
    <message id="form.setDueDate">
        <source>Set a due date</source>
        <translation>Ange förfallodatum</translation>
    </message>
    <message id="form.timeLabel">
        <source>Time</source>
        <translation>Tid</translation>
    </message>
    <message id="form.title">
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message id="help.addReminder">
        <source>Add a reminder to this list</source>
        <translation>Lägg till en påminnelse i den här listan</translation>
    </message>
    <message id="help.quitApp">
        <source>Quit TolvikReminder</source>
        <translation>Avsluta TolvikReminder</translation>
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
        <translation>Systemets språk</translation>
    </message>
    <message id="menuSize.compact">
        <source>Compact</source>
        <translation>Kompakt</translation>
    </message>
    <message id="menuSize.dimensions">
        <source>%1 px wide, as tall as the reminders need</source>
        <translation>%1 px bred, så hög som påminnelserna kräver</translation>
    </message>
    <message id="menuSize.roomy">
        <source>Roomy</source>
        <translation>Rymlig</translation>
    </message>
    <message id="menuSize.standard">
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message id="placeholder.allCaughtUpMessage">
        <source>Your selected lists have no open reminders right now.</source>
        <translation>De valda listorna har inga öppna påminnelser just nu.</translation>
    </message>
    <message id="placeholder.allCaughtUpTitle">
        <source>All Caught Up</source>
        <translation>Allt är klart</translation>
    </message>
    <message id="placeholder.noListsMessage">
        <source>Open Settings and choose the lists you want to see here.</source>
        <translation>Öppna Inställningar och välj de listor du vill se här.</translation>
    </message>
    <message id="placeholder.noListsTitle">
        <source>No Lists Selected</source>
        <translation>Inga listor valda</translation>
    </message>
    <message id="placeholder.permissionRequiredMessage">
        <source>TolvikReminder does not have read and write access to the folder that holds your reminders. Check the folder’s permissions, then open this panel again.</source>
        <translation>TolvikReminder saknar läs- och skrivåtkomst till mappen med dina påminnelser. Kontrollera mappens behörigheter och öppna sedan panelen igen.</translation>
    </message>
    <message id="placeholder.permissionRequiredTitle">
        <source>No Access to Reminders</source>
        <translation>Ingen åtkomst till påminnelser</translation>
    </message>
    <message id="placeholder.readAccessMessage">
        <source>TolvikReminder can add reminders but cannot read them. Allow read access to the reminders folder to see your lists.</source>
        <translation>TolvikReminder kan lägga till påminnelser men inte läsa dem. Tillåt läsåtkomst till påminnelsemappen för att se dina listor.</translation>
    </message>
    <message id="placeholder.readAccessTitle">
        <source>Read Access Needed</source>
        <translation>Läsåtkomst krävs</translation>
    </message>
    <message id="placeholder.requestAccessMessage">
        <source>TolvikReminder keeps your reminders in standard iCalendar files on this computer. Grant access to set up the reminders folder and show your lists.</source>
        <translation>TolvikReminder sparar dina påminnelser som filer i standardformatet iCalendar på den här datorn. Ge åtkomst så skapas påminnelsemappen och dina listor visas.</translation>
    </message>
    <message id="placeholder.requestAccessTitle">
        <source>Allow Access to Reminders</source>
        <translation>Tillåt åtkomst till påminnelser</translation>
    </message>
    <message id="priority.none">
        <source>None</source>
        <translation>Ingen</translation>
    </message>
    <message id="recurrence.daily">
        <source>Every Day</source>
        <translation>Varje dag</translation>
    </message>
    <message id="recurrence.monthly">
        <source>Every Month</source>
        <translation>Varje månad</translation>
    </message>
    <message id="recurrence.none">
        <source>Never</source>
        <translation>Aldrig</translation>
    </message>
    <message id="recurrence.weekly">
        <source>Every Week</source>
        <translation>Varje vecka</translation>
    </message>
    <message id="recurrence.yearly">
        <source>Every Year</source>
        <translation>Varje år</translation>
    </message>
    <message id="reminder.priority.high">
        <source>High</source>
        <translation>Hög</translation>
    </message>
    <message id="reminder.priority.low">
        <source>Low</source>
        <translation>Låg</translation>
    </message>
    <message id="reminder.priority.medium">
        <source>Medium</source>
        <translation>Medel</translation>
    </message>
    <message id="reminders.emptyList">
        <source>No reminders</source>
        <translation>Inga påminnelser</translation>
    </message>
    <message id="settings.about.description">
        <source>TolvikReminder keeps your open reminders one click away in the system tray. It stores them as standard iCalendar files that other calendar and task apps can read too, so a CalDAV sync tool can keep them in step with your phone and your server.</source>
        <translation>TolvikReminder har dina öppna påminnelser nära till hands i systemfältet – bara ett klick bort. De sparas som filer i standardformatet iCalendar, så även andra kalender- och uppgiftsappar kan läsa dem, och med ett verktyg för CalDAV-synkronisering hålls de synkroniserade med din telefon och din server.</translation>
    </message>
    <message id="settings.about.developer">
        <source>Developed by</source>
        <translation>Utvecklad av</translation>
    </message>
    <message id="settings.about.developerName">
        <source>The Tolvik Project</source>
        <translation>Tolvik-projektet</translation>
    </message>
    <message id="settings.about.version">
        <source>Version %1 (%2)</source>
        <translation>Version %1 (%2)</translation>
    </message>
    <message id="settings.accounts.empty">
        <source>No accounts found.</source>
        <translation>Inga konton hittades.</translation>
    </message>
    <message id="settings.accounts.section">
        <source>Accounts</source>
        <translation>Konton</translation>
    </message>
    <message id="settings.general.autoRefresh">
        <source>Refresh automatically</source>
        <translation>Uppdatera automatiskt</translation>
    </message>
    <message id="settings.general.autoRefreshNote">
        <source>Updates the panel as soon as reminders change in another app or through sync.</source>
        <translation>Uppdaterar panelen så fort påminnelser ändras i en annan app eller genom synkronisering.</translation>
    </message>
    <message id="settings.general.launch">
        <source>Start at login</source>
        <translation>Starta vid inloggning</translation>
    </message>
    <message id="settings.general.section">
        <source>General</source>
        <translation>Allmänt</translation>
    </message>
    <message id="settings.language.picker">
        <source>Interface language</source>
        <translation>Gränssnittsspråk</translation>
    </message>
    <message id="settings.language.section">
        <source>Language</source>
        <translation>Språk</translation>
    </message>
    <message id="settings.launchError">
        <source>Could not change “Start at login”: %1</source>
        <translation>Det gick inte att ändra inställningen för start vid inloggning: %1</translation>
    </message>
    <message id="settings.lists.empty">
        <source>No lists to show.</source>
        <translation>Det finns inga listor att visa.</translation>
    </message>
    <message id="settings.lists.section">
        <source>Lists</source>
        <translation>Listor</translation>
    </message>
    <message id="settings.menuSize.current">
        <source>Current size: %1 (%2)</source>
        <translation>Aktuell storlek: %1 (%2)</translation>
    </message>
    <message id="settings.menuSize.large">
        <source>Large</source>
        <translation>Stor</translation>
    </message>
    <message id="settings.menuSize.section">
        <source>Panel Size</source>
        <translation>Panelstorlek</translation>
    </message>
    <message id="settings.menuSize.sliderLabel">
        <source>Size</source>
        <translation>Storlek</translation>
    </message>
    <message id="settings.menuSize.small">
        <source>Small</source>
        <translation>Liten</translation>
    </message>
    <message id="settings.tab.about">
        <source>About</source>
        <translation>Om</translation>
    </message>
    <message id="settings.tab.appearance">
        <source>Appearance</source>
        <translation>Utseende</translation>
    </message>
    <message id="settings.tab.general">
        <source>General</source>
        <translation>Allmänt</translation>
    </message>
    <message id="settings.theme.note">
        <source>“System” follows the light or dark mode of your desktop.</source>
        <translation>”System” följer skrivbordets ljusa eller mörka läge.</translation>
    </message>
    <message id="settings.theme.picker">
        <source>Mode</source>
        <translation>Läge</translation>
    </message>
    <message id="settings.theme.section">
        <source>Theme</source>
        <translation>Tema</translation>
    </message>
    <message id="settings.timeframe.1month">
        <source>1 month</source>
        <translation>1 månad</translation>
    </message>
    <message id="settings.timeframe.1year">
        <source>1 year</source>
        <translation>1 år</translation>
    </message>
    <message id="settings.timeframe.3months">
        <source>3 months</source>
        <translation>3 månader</translation>
    </message>
    <message id="settings.timeframe.6months">
        <source>6 months</source>
        <translation>6 månader</translation>
    </message>
    <message id="settings.timeframe.label">
        <source>Timeframe</source>
        <translation>Tidsperiod</translation>
    </message>
    <message id="settings.timeframe.unlimited">
        <source>No limit</source>
        <translation>Ingen gräns</translation>
    </message>
    <message id="settings.transparency.high">
        <source>High (more see-through)</source>
        <translation>Hög (mer genomskinlig)</translation>
    </message>
    <message id="settings.transparency.label">
        <source>Background</source>
        <translation>Bakgrund</translation>
    </message>
    <message id="settings.transparency.section">
        <source>Transparency</source>
        <translation>Genomskinlighet</translation>
    </message>
    <message id="settings.transparency.standard">
        <source>Standard (less see-through)</source>
        <translation>Standard (mindre genomskinlig)</translation>
    </message>
    <message id="settings.window.title">
        <source>TolvikReminder Settings</source>
        <translation>Inställningar för TolvikReminder</translation>
    </message>
    <message id="summary.count" numerus="yes">
        <source>%n open reminders</source>
        <translation>
            <numerusform>%n öppen påminnelse</numerusform>
            <numerusform>%n öppna påminnelser</numerusform>
        </translation>
    </message>
    <message id="summary.zero">
        <source>No open reminders</source>
        <translation>Inga öppna påminnelser</translation>
    </message>
    <!-- Alarms and desktop notifications -->
    <message id="alarms.action.complete">
        <source>Complete</source>
        <translation>Klar</translation>
    </message>
    <message id="alarms.action.open">
        <source>Show</source>
        <translation>Visa</translation>
    </message>
    <message id="alarms.action.snooze">
        <source>Snooze 10 min</source>
        <translation>Om 10 min</translation>
    </message>
    <message id="alarms.action.snoozeHour">
        <source>Snooze 1 hour</source>
        <translation>Om 1 timme</translation>
    </message>
    <message id="alarms.error">
        <source>Could not update “%1”</source>
        <translation>Det gick inte att ändra ”%1”</translation>
    </message>
    <message id="alarms.notification.due">
        <source>Due: %1</source>
        <translation>Förfaller: %1</translation>
    </message>
    <message id="alarms.notification.group" numerus="yes">
        <source>%n reminders are due</source>
        <translation>
            <numerusform>%n påminnelse förfaller</numerusform>
            <numerusform>%n påminnelser förfaller</numerusform>
        </translation>
    </message>
    <message id="alarms.notification.more" numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>och %n till</numerusform>
            <numerusform>och %n till</numerusform>
        </translation>
    </message>
    <message id="settings.general.allDayTime">
        <source>All-day reminders at</source>
        <translation>Heldagspåminnelser kl.</translation>
    </message>
    <message id="settings.general.notify">
        <source>Notify when reminders are due</source>
        <translation>Meddela när påminnelser förfaller</translation>
    </message>
    <!-- Command line, list management and undo -->
    <message id="cli.usage">
        <source>Usage: %1 [--help | --version | --quick-add]</source>
        <translation>Användning: %1 [--help | --version | --quick-add]</translation>
    </message>
    <message id="cli.description">
        <source>Shows your open reminders from the tray. Choose lists, timeframe and everything else in its settings window.</source>
        <translation>Visar dina öppna påminnelser i systemfältet. Listor, tidsperiod och allt annat väljer du i inställningsfönstret.</translation>
    </message>
    <message id="cli.option.help">
        <source>Print this help and exit</source>
        <translation>Visa den här hjälpen och avsluta</translation>
    </message>
    <message id="cli.option.version">
        <source>Print the version and exit</source>
        <translation>Visa versionen och avsluta</translation>
    </message>
    <message id="cli.version">
        <source>TolvikReminder %1 (build %2)</source>
        <translation>TolvikReminder %1 (bygge %2)</translation>
    </message>
    <message id="cli.unknownArgument">
        <source>Unknown argument “%1”. Try “%2 --help”.</source>
        <translation>Okänt argument ”%1”. Prova ”%2 --help”.</translation>
    </message>
    <!-- Panel: keyboard use, accessibility, tray menu and form errors -->
    <message id="panel.a11y.addReminderTo">
        <source>Add reminder to %1</source>
        <translation>Lägg till påminnelse i %1</translation>
    </message>
    <message id="panel.a11y.rowDue">
        <source>Due %1</source>
        <translation>Förfaller %1</translation>
    </message>
    <message id="panel.a11y.rowNoDue">
        <source>No due date</source>
        <translation>Inget förfallodatum</translation>
    </message>
    <message id="panel.a11y.rowOverdue">
        <source>Overdue</source>
        <translation>Försenad</translation>
    </message>
    <message id="panel.a11y.rowPriority">
        <source>Priority: %1</source>
        <translation>Prioritet: %1</translation>
    </message>
    <message id="panel.a11y.rowRepeat">
        <source>Repeats: %1</source>
        <translation>Upprepas: %1</translation>
    </message>
    <message id="panel.a11y.settingsHelp">
        <source>Choose lists, appearance and language</source>
        <translation>Välj listor, utseende och språk</translation>
    </message>
    <message id="panel.form.saveFailed">
        <source>The reminder could not be saved.</source>
        <translation>Det gick inte att spara påminnelsen.</translation>
    </message>
    <message id="panel.tray.open">
        <source>Open</source>
        <translation>Öppna</translation>
    </message>
    <message id="panel.tray.quit">
        <source>Quit</source>
        <translation>Avsluta</translation>
    </message>
    <message id="panel.tray.settings">
        <source>Settings…</source>
        <translation>Inställningar…</translation>
    </message>
    <message id="button.newReminder">
        <source>New Reminder</source>
        <translation>Ny påminnelse</translation>
    </message>
    <message id="button.openSettings">
        <source>Open Settings</source>
        <translation>Öppna inställningar</translation>
    </message>
    <message id="account.onThisComputer">
        <source>On this computer</source>
        <translation>På den här datorn</translation>
    </message>
    <message id="settings.lists.new">
        <source>New List…</source>
        <translation>Ny lista…</translation>
    </message>
    <message id="list.more">
        <source>List actions</source>
        <translation>Liståtgärder</translation>
    </message>
    <message id="list.rename">
        <source>Rename…</source>
        <translation>Byt namn…</translation>
    </message>
    <message id="list.color">
        <source>Colour</source>
        <translation>Färg</translation>
    </message>
    <message id="list.customColor">
        <source>Custom…</source>
        <translation>Anpassad…</translation>
    </message>
    <message id="list.delete">
        <source>Delete…</source>
        <translation>Ta bort…</translation>
    </message>
    <message id="list.colorFailed">
        <source>The colour could not be changed: %1</source>
        <translation>Det gick inte att ändra färgen: %1</translation>
    </message>
    <message id="newList.title">
        <source>New List</source>
        <translation>Ny lista</translation>
    </message>
    <message id="newList.name">
        <source>Name</source>
        <translation>Namn</translation>
    </message>
    <message id="newList.color">
        <source>Colour</source>
        <translation>Färg</translation>
    </message>
    <message id="newList.account">
        <source>Account</source>
        <translation>Konto</translation>
    </message>
    <message id="newList.create">
        <source>Create</source>
        <translation>Skapa</translation>
    </message>
    <message id="newList.nameTaken">
        <source>This account already has a list named “%1”.</source>
        <translation>Det här kontot har redan en lista som heter ”%1”.</translation>
    </message>
    <message id="newList.failed">
        <source>The list could not be created: %1</source>
        <translation>Det gick inte att skapa listan: %1</translation>
    </message>
    <message id="renameList.title">
        <source>Rename List</source>
        <translation>Byt namn på listan</translation>
    </message>
    <message id="renameList.button">
        <source>Rename</source>
        <translation>Byt namn</translation>
    </message>
    <message id="renameList.failed">
        <source>The list could not be renamed: %1</source>
        <translation>Det gick inte att byta namn på listan: %1</translation>
    </message>
    <message id="deleteList.title">
        <source>Delete “%1”?</source>
        <translation>Ta bort ”%1”?</translation>
    </message>
    <message id="deleteList.syncedNote">
        <source>The copy on the server is not deleted.</source>
        <translation>Kopian på servern tas inte bort.</translation>
    </message>
    <message id="deleteList.failed">
        <source>The list could not be deleted: %1</source>
        <translation>Det gick inte att ta bort listan: %1</translation>
    </message>
    <message id="deleteList.message" numerus="yes">
        <source>The list and its %n reminders move to the trash, from where your file manager can restore them.</source>
        <translation>
            <numerusform>Listan och dess %n påminnelse flyttas till papperskorgen. Därifrån kan du återställa dem med filhanteraren.</numerusform>
            <numerusform>Listan och dess %n påminnelser flyttas till papperskorgen. Därifrån kan du återställa dem med filhanteraren.</numerusform>
        </translation>
    </message>
    <message id="deleteList.messageEmpty">
        <source>The list moves to the trash, from where your file manager can restore it.</source>
        <translation>Listan flyttas till papperskorgen. Därifrån kan du återställa den med filhanteraren.</translation>
    </message>
    <!-- Quick add -->
    <message id="quickAdd.placeholder">
        <source>New reminder, e.g. “Dentist Fri 9am”</source>
        <translation>T.ex. ”Tandläkare fredag kl 9”</translation>
    </message>
    <message id="quickAdd.list.help">
        <source>List for new reminders</source>
        <translation>Lista för nya påminnelser</translation>
    </message>
    <message id="quickAdd.list.none">
        <source>No list</source>
        <translation>Ingen lista</translation>
    </message>
    <message id="quickAdd.chip.keep">
        <source>Keep “%1” in the title</source>
        <translation>Behåll ”%1” i titeln</translation>
    </message>
    <message id="quickAdd.shortcut.description">
        <source>Add a reminder with quick add</source>
        <translation>Lägg till en påminnelse med snabbinmatning</translation>
    </message>
    <message id="cli.option.quickAdd">
        <source>Open the quick-add field of the running app</source>
        <translation>Öppna snabbinmatningen i appen som körs</translation>
    </message>
    <message id="quickAdd.addError">
        <source>Could not add the reminder: %1</source>
        <translation>Det gick inte att lägga till påminnelsen: %1</translation>
    </message>
    <message id="settings.quickAdd.noShortcut">
        <source>This desktop offers no global shortcut service. To open quick add from anywhere, assign a shortcut to this command in your desktop’s keyboard settings: %1</source>
        <translation>Skrivbordet erbjuder ingen tjänst för globala kortkommandon. Om du vill öppna snabbinmatningen varifrån som helst kan du koppla ett kortkommando till det här kommandot i skrivbordets tangentbordsinställningar: %1</translation>
    </message>
    <message id="undo.completed">
        <source>Completed “%1”</source>
        <translation>Markerade ”%1” som klar</translation>
    </message>
    <message id="undo.deleted">
        <source>Deleted “%1”</source>
        <translation>Tog bort ”%1”</translation>
    </message>
    <message id="undo.button">
        <source>Undo</source>
        <translation>Ångra</translation>
    </message>
    <message id="undo.tooLate">
        <source>This can no longer be undone: the reminder has been changed since.</source>
        <translation>Det går inte längre att ångra: påminnelsen har ändrats sedan dess.</translation>
    </message>
    <message id="undo.failed">
        <source>Could not undo: %1</source>
        <translation>Det gick inte att ångra: %1</translation>
    </message>
    <message id="undo.completeFailed">
        <source>Could not complete “%1”: %2</source>
        <translation>Det gick inte att markera ”%1” som klar: %2</translation>
    </message>
    <message id="undo.deleteFailed">
        <source>Could not delete “%1”: %2</source>
        <translation>Det gick inte att ta bort ”%1”: %2</translation>
    </message>
</context>
</TS>
