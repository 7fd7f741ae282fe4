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
    <message id="recurrence.everyDays" numerus="yes">
        <source>Every %n Days</source>
        <translation>
            <numerusform>Var %n:e dag</numerusform>
            <numerusform>Var %n:e dag</numerusform>
        </translation>
    </message>
    <message id="recurrence.everyWeeks" numerus="yes">
        <source>Every %n Weeks</source>
        <translation>
            <numerusform>Var %n:e vecka</numerusform>
            <numerusform>Var %n:e vecka</numerusform>
        </translation>
    </message>
    <message id="recurrence.everyMonths" numerus="yes">
        <source>Every %n Months</source>
        <translation>
            <numerusform>Var %n:e månad</numerusform>
            <numerusform>Var %n:e månad</numerusform>
        </translation>
    </message>
    <message id="recurrence.everyYears" numerus="yes">
        <source>Every %n Years</source>
        <translation>
            <numerusform>Vart %n:e år</numerusform>
            <numerusform>Vart %n:e år</numerusform>
        </translation>
    </message>
    <message id="recurrence.everyOtherDays">
        <source>Every 2 Days</source>
        <translation>Varannan dag</translation>
    </message>
    <message id="recurrence.everyOtherWeeks">
        <source>Every 2 Weeks</source>
        <translation>Varannan vecka</translation>
    </message>
    <message id="recurrence.everyOtherMonths">
        <source>Every 2 Months</source>
        <translation>Varannan månad</translation>
    </message>
    <message id="recurrence.everyOtherYears">
        <source>Every 2 Years</source>
        <translation>Vartannat år</translation>
    </message>
    <message id="recurrence.onWeekdays">
        <source>%1 on %2</source>
        <translation>%1 på %2</translation>
    </message>
    <message id="recurrence.weekdays">
        <source>Weekdays</source>
        <translation>Vardagar</translation>
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
    <message id="settings.accounts.noneTicked">
        <source>No account is ticked, so the lists of every account are offered. Tick accounts to offer only their lists.</source>
        <translation>Inget konto är markerat, så listorna från alla konton visas. Markera konton för att bara visa deras listor.</translation>
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
    <!-- Search -->
    <message id="search.placeholder">
        <source>Search reminders</source>
        <translation>Sök bland påminnelser</translation>
    </message>
    <message id="search.button">
        <source>Search (Ctrl+F)</source>
        <translation>Sök (Ctrl+F)</translation>
    </message>
    <message id="search.allLists">
        <source>All lists</source>
        <translation>Alla listor</translation>
    </message>
    <message id="search.allLists.help">
        <source>Also search the lists not shown and reminders outside the timeframe</source>
        <translation>Sök även i dolda listor och bland påminnelser utanför tidsperioden</translation>
    </message>
    <message id="search.noMatches">
        <source>No reminders match “%1”</source>
        <translation>Inga påminnelser matchar ”%1”</translation>
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
    <message id="sync.account.add">
        <source>Add Account…</source>
        <translation>Lägg till konto…</translation>
    </message>
    <message id="sync.account.reviewCertificate">
        <source>Review Certificate…</source>
        <translation>Granska certifikat…</translation>
    </message>
    <message id="sync.account.signInAgain">
        <source>Sign In Again…</source>
        <translation>Logga in igen…</translation>
    </message>
    <message id="sync.account.syncNow">
        <source>Sync Now</source>
        <translation>Synka nu</translation>
    </message>
    <message id="sync.add.addressExample">
        <source>For example cloud.example.org or you@example.org</source>
        <translation>Till exempel cloud.example.org eller du@example.org</translation>
    </message>
    <message id="sync.add.addressLabel">
        <source>Server address or email</source>
        <translation>Serveradress eller e-post</translation>
    </message>
    <message id="sync.add.back">
        <source>Back</source>
        <translation>Tillbaka</translation>
    </message>
    <message id="sync.add.continue">
        <source>Continue</source>
        <translation>Fortsätt</translation>
    </message>
    <message id="sync.add.intro">
        <source>Sync reminders with a CalDAV server, and through it with your phone. The app finds the server from its address or your email address.</source>
        <translation>Synka påminnelser med en CalDAV-server, och genom den med din telefon. Appen hittar servern från dess adress eller din e-postadress.</translation>
    </message>
    <message id="sync.add.looking">
        <source>Looking for the server…</source>
        <translation>Letar efter servern…</translation>
    </message>
    <message id="sync.add.title">
        <source>Add Account</source>
        <translation>Lägg till konto</translation>
    </message>
    <message id="sync.cert.advice">
        <source>Trust it only if you know this is your server's certificate, for example because you made it yourself. Checking stays on for every other certificate.</source>
        <translation>Lita bara på det om du vet att det är din servers certifikat, till exempel för att du skapade det själv. Alla andra certifikat kontrolleras som vanligt.</translation>
    </message>
    <message id="sync.cert.changed">
        <source>The server now shows a different certificate from the one you trusted. Sync has stopped until you decide.</source>
        <translation>Servern visar nu ett annat certifikat än det du litade på. Synkningen har stoppats tills du bestämmer dig.</translation>
    </message>
    <message id="sync.cert.fingerprint">
        <source>SHA-256 fingerprint:</source>
        <translation>SHA-256-fingeravtryck:</translation>
    </message>
    <message id="sync.cert.intro">
        <source>This computer does not trust the server's certificate.</source>
        <translation>Den här datorn litar inte på serverns certifikat.</translation>
    </message>
    <message id="sync.cert.issuer">
        <source>Issued by:</source>
        <translation>Utfärdat av:</translation>
    </message>
    <message id="sync.cert.reason">
        <source>Reason:</source>
        <translation>Orsak:</translation>
    </message>
    <message id="sync.cert.subject">
        <source>Issued to:</source>
        <translation>Utfärdat till:</translation>
    </message>
    <message id="sync.cert.trust">
        <source>Trust This Certificate</source>
        <translation>Lita på det här certifikatet</translation>
    </message>
    <message id="sync.cert.valid">
        <source>Valid:</source>
        <translation>Giltigt:</translation>
    </message>
    <message id="sync.cert.validRange">
        <source>%1 to %2</source>
        <translation>%1 till %2</translation>
    </message>
    <message id="sync.footer.offline" numerus="yes">
        <source>Offline: %n changes wait</source>
        <translation>
            <numerusform>Offline: %n ändring väntar</numerusform>
            <numerusform>Offline: %n ändringar väntar</numerusform>
        </translation>
    </message>
    <message id="sync.footer.problem">
        <source>Sync needs attention: see Settings</source>
        <translation>Synkningen behöver åtgärdas: se Inställningar</translation>
    </message>
    <message id="sync.keyring.fileFailed">
        <source>The password could not be saved: %1</source>
        <translation>Lösenordet kunde inte sparas: %1</translation>
    </message>
    <message id="sync.keyring.missing">
        <source>No keyring answered, so the password cannot be kept safely (%1). You can start a keyring (for example GNOME Keyring or KWallet) and try again, or keep the password in a file that only you can read. Anyone with access to your user account could read that file.</source>
        <translation>Ingen nyckelring svarade, så lösenordet kan inte förvaras säkert (%1). Du kan starta en nyckelring (till exempel GNOME Keyring eller KWallet) och försöka igen, eller spara lösenordet i en fil som bara du kan läsa. Den som kommer åt ditt användarkonto kan läsa den filen.</translation>
    </message>
    <message id="sync.keyring.missingShort">
        <source>No keyring answered, so the password was not saved. Start a keyring and try again.</source>
        <translation>Ingen nyckelring svarade, så lösenordet sparades inte. Starta en nyckelring och försök igen.</translation>
    </message>
    <message id="sync.keyring.title">
        <source>No Keyring</source>
        <translation>Ingen nyckelring</translation>
    </message>
    <message id="sync.keyring.useFile">
        <source>Keep in a File Only I Can Read</source>
        <translation>Spara i en fil som bara jag kan läsa</translation>
    </message>
    <message id="sync.lists.chooseOne">
        <source>Choose at least one list.</source>
        <translation>Välj minst en lista.</translation>
    </message>
    <message id="sync.lists.finish">
        <source>Add Account</source>
        <translation>Lägg till konto</translation>
    </message>
    <message id="sync.lists.intro">
        <source>Choose the lists to sync with this computer:</source>
        <translation>Välj listorna som ska synkas med den här datorn:</translation>
    </message>
    <message id="sync.lists.makeFailed">
        <source>The server did not make the list.</source>
        <translation>Servern skapade inte listan.</translation>
    </message>
    <message id="sync.lists.making">
        <source>Making the list on the server…</source>
        <translation>Skapar listan på servern…</translation>
    </message>
    <message id="sync.lists.new">
        <source>New List on the Server…</source>
        <translation>Ny lista på servern…</translation>
    </message>
    <message id="sync.lists.newName">
        <source>Name of the new list:</source>
        <translation>Namn på den nya listan:</translation>
    </message>
    <message id="sync.lists.none">
        <source>This account has no lists for reminders yet. Make one on the server:</source>
        <translation>Det här kontot har inga listor för påminnelser än. Skapa en på servern:</translation>
    </message>
    <message id="sync.lists.readOnly">
        <source>read-only</source>
        <translation>skrivskyddad</translation>
    </message>
    <message id="sync.lists.saving">
        <source>Saving the account…</source>
        <translation>Sparar kontot…</translation>
    </message>
    <message id="sync.problem.certificate">
        <source>This computer does not trust the server's certificate.</source>
        <translation>Den här datorn litar inte på serverns certifikat.</translation>
    </message>
    <message id="sync.problem.certificateChanged">
        <source>The server's certificate changed. Review it before sync goes on.</source>
        <translation>Serverns certifikat har ändrats. Granska det innan synkningen fortsätter.</translation>
    </message>
    <message id="sync.problem.conflicts">
        <source>Some reminders changed on two devices. Both versions are kept; sync goes on.</source>
        <translation>Några påminnelser ändrades på två enheter. Båda versionerna sparas; synkningen fortsätter.</translation>
    </message>
    <message id="sync.problem.engineMissing">
        <source>Sync needs vdirsyncer. Install it (Debian package vdirsyncer) and sync again.</source>
        <translation>Synkningen behöver vdirsyncer. Installera det (Debian-paketet vdirsyncer) och synka igen.</translation>
    </message>
    <message id="sync.problem.hostNotFound">
        <source>No server with this name was found. Check the address.</source>
        <translation>Ingen server med det namnet hittades. Kontrollera adressen.</translation>
    </message>
    <message id="sync.problem.keyring">
        <source>The keyring is locked or did not answer. Unlock it, then sync again.</source>
        <translation>Nyckelringen är låst eller svarade inte. Lås upp den och synka igen.</translation>
    </message>
    <message id="sync.problem.listGone">
        <source>The list “%1” is no longer on the server. Your reminders in it stay on this computer.</source>
        <translation>Listan ”%1” finns inte längre på servern. Dina påminnelser i den finns kvar på den här datorn.</translation>
    </message>
    <message id="sync.problem.noCalDav">
        <source>No calendar server answered at this address. Check the address, or ask your provider for the CalDAV address.</source>
        <translation>Ingen kalenderserver svarade på den här adressen. Kontrollera adressen eller fråga din leverantör efter CalDAV-adressen.</translation>
    </message>
    <message id="sync.problem.offline" numerus="yes">
        <source>Offline: %n changes wait and sync when the network is back.</source>
        <translation>
            <numerusform>Offline: %n ändring väntar och synkas när nätverket är tillbaka.</numerusform>
            <numerusform>Offline: %n ändringar väntar och synkas när nätverket är tillbaka.</numerusform>
        </translation>
    </message>
    <message id="sync.problem.serverEmptied">
        <source>The server shows the list “%1” as empty. Nothing was deleted here; check the server before syncing this list again.</source>
        <translation>Servern visar listan ”%1” som tom. Inget togs bort här; kontrollera servern innan listan synkas igen.</translation>
    </message>
    <message id="sync.problem.serverTrouble">
        <source>The server has trouble right now. Nothing was deleted; sync tries again later.</source>
        <translation>Servern har problem just nu. Inget togs bort; synkningen försöker igen senare.</translation>
    </message>
    <message id="sync.problem.signInAgain">
        <source>The server did not accept the password. Sign in again.</source>
        <translation>Servern godtog inte lösenordet. Logga in igen.</translation>
    </message>
    <message id="sync.problem.signInRejected">
        <source>The user name or password is wrong. With two-factor authentication, use an app password.</source>
        <translation>Användarnamnet eller lösenordet är fel. Med tvåfaktorsautentisering behövs ett applösenord.</translation>
    </message>
    <message id="sync.problem.timedOut">
        <source>The server took too long to answer. Sync tries again later.</source>
        <translation>Servern tog för lång tid att svara. Synkningen försöker igen senare.</translation>
    </message>
    <message id="sync.problem.unknown">
        <source>Sync did not finish. Nothing was deleted; sync tries again later.</source>
        <translation>Synkningen blev inte klar. Inget togs bort; den försöker igen senare.</translation>
    </message>
    <message id="sync.problem.unreachable">
        <source>The server cannot be reached. Check the network or whether the server is running.</source>
        <translation>Servern går inte att nå. Kontrollera nätverket eller om servern är igång.</translation>
    </message>
    <message id="sync.signIn.appPasswordNote">
        <source>If two-factor authentication is on for this account, use an app password made in the server's settings.</source>
        <translation>Om tvåfaktorsautentisering är på för kontot, använd ett applösenord som skapats i serverns inställningar.</translation>
    </message>
    <message id="sync.signIn.busy">
        <source>Signing in…</source>
        <translation>Loggar in…</translation>
    </message>
    <message id="sync.signIn.button">
        <source>Sign In</source>
        <translation>Logga in</translation>
    </message>
    <message id="sync.signIn.password">
        <source>Password:</source>
        <translation>Lösenord:</translation>
    </message>
    <message id="sync.signIn.server">
        <source>Sign in to %1</source>
        <translation>Logga in på %1</translation>
    </message>
    <message id="sync.signIn.user">
        <source>User name:</source>
        <translation>Användarnamn:</translation>
    </message>
    <message id="sync.status.hoursAgo" numerus="yes">
        <source>%n hours ago</source>
        <translation>
            <numerusform>för %n timme sedan</numerusform>
            <numerusform>för %n timmar sedan</numerusform>
        </translation>
    </message>
    <message id="sync.status.justNow">
        <source>just now</source>
        <translation>nyss</translation>
    </message>
    <message id="sync.status.minutesAgo" numerus="yes">
        <source>%n minutes ago</source>
        <translation>
            <numerusform>för %n minut sedan</numerusform>
            <numerusform>för %n minuter sedan</numerusform>
        </translation>
    </message>
    <message id="sync.status.never">
        <source>Not synced yet</source>
        <translation>Inte synkad än</translation>
    </message>
    <message id="sync.status.onDate">
        <source>on %1</source>
        <translation>den %1</translation>
    </message>
    <message id="sync.status.synced">
        <source>Synced %1</source>
        <translation>Synkad %1</translation>
    </message>
    <message id="sync.status.syncing">
        <source>Syncing…</source>
        <translation>Synkar…</translation>
    </message>
    <message id="sync.status.syncingCount" numerus="yes">
        <source>Syncing… %n changes so far</source>
        <translation>
            <numerusform>Synkar… %n ändring hittills</numerusform>
            <numerusform>Synkar… %n ändringar hittills</numerusform>
        </translation>
    </message>
    <message id="sync.notify.failing">
        <source>Sync of “%1” has not worked for a day</source>
        <translation>Synkningen av ”%1” har inte fungerat på ett dygn</translation>
    </message>
    <message id="sync.account.remove">
        <source>Remove…</source>
        <translation>Ta bort…</translation>
    </message>
    <message id="sync.account.removeFailed">
        <source>The account was removed, but its lists could not be moved to the trash; they are still on this computer.</source>
        <translation>Kontot togs bort, men dess listor kunde inte flyttas till papperskorgen; de finns kvar på den här datorn.</translation>
    </message>
    <message id="sync.account.removeKeep">
        <source>Keep Lists Here</source>
        <translation>Behåll listorna här</translation>
    </message>
    <message id="sync.account.removeQuestion">
        <source>Stop syncing “%1”? Its password, settings and sync state are removed from this computer. The lists on the server stay. Keep the account's lists on this computer, or move them to the trash?</source>
        <translation>Sluta synka ”%1”? Lösenordet, inställningarna och synkstatusen tas bort från den här datorn. Listorna på servern finns kvar. Behålla kontots listor på den här datorn eller flytta dem till papperskorgen?</translation>
    </message>
    <message id="sync.account.removeTitle">
        <source>Remove Account</source>
        <translation>Ta bort konto</translation>
    </message>
    <message id="sync.account.removeTrash">
        <source>Move Lists to Trash</source>
        <translation>Flytta listorna till papperskorgen</translation>
    </message>
    <message id="sync.held.wouldRemove" numerus="yes">
        <source>The server would remove %n reminders from “%1”. Nothing was deleted here: restore them on the server, or delete them here too.</source>
        <translation>
            <numerusform>Servern skulle ta bort %n påminnelse från ”%1”. Inget har tagits bort här: återställ den på servern eller ta bort den här också.</numerusform>
            <numerusform>Servern skulle ta bort %n påminnelser från ”%1”. Inget har tagits bort här: återställ dem på servern eller ta bort dem här också.</numerusform>
        </translation>
    </message>
    <message id="sync.held.serverEmpty" numerus="yes">
        <source>The server shows “%1” as empty, but %n reminders are still here. Nothing was deleted: restore them on the server, or delete them here too.</source>
        <translation>
            <numerusform>Servern visar ”%1” som tom, men %n påminnelse finns kvar här. Inget har tagits bort: återställ den på servern eller ta bort den här också.</numerusform>
            <numerusform>Servern visar ”%1” som tom, men %n påminnelser finns kvar här. Inget har tagits bort: återställ dem på servern eller ta bort dem här också.</numerusform>
        </translation>
    </message>
    <message id="sync.held.removed" numerus="yes">
        <source>The server removed %n reminders from “%1”. A copy from before the sync still has them: restore them, or delete them.</source>
        <translation>
            <numerusform>Servern tog bort %n påminnelse från ”%1”. En kopia från före synkningen har den kvar: återställ den eller ta bort den.</numerusform>
            <numerusform>Servern tog bort %n påminnelser från ”%1”. En kopia från före synkningen har dem kvar: återställ dem eller ta bort dem.</numerusform>
        </translation>
    </message>
    <message id="sync.account.restore">
        <source>Restore</source>
        <translation>Återställ</translation>
    </message>
    <message id="sync.account.deleteHeld">
        <source>Delete Them</source>
        <translation>Ta bort dem</translation>
    </message>
    <message id="sync.account.restoreFailed">
        <source>Not every reminder could be restored. The question stays, so that you can try again.</source>
        <translation>Alla påminnelser kunde inte återställas. Frågan står kvar så att du kan försöka igen.</translation>
    </message>
    <message id="sync.footer.held">
        <source>Sync waits for you: reminders removed on the server</source>
        <translation>Synkningen väntar: påminnelser borttagna på servern</translation>
    </message>
    <message id="sync.problem.listNotMade">
        <source>The server did not let the app make the list “%1”. It stays on this computer and does not sync.</source>
        <translation>Servern lät inte appen skapa listan ”%1”. Den finns kvar på den här datorn och synkas inte.</translation>
    </message>
    <message id="sync.external.status">
        <source>Synced by your own vdirsyncer configuration (%1). The app leaves this folder to it and adds no second sync.</source>
        <translation>Synkas av din egen vdirsyncer-konfiguration (%1). Appen överlåter den här mappen åt den och lägger inte till någon andra synkning.</translation>
    </message>
    <message id="subtasks.progress">
        <source>%1 of %2</source>
        <translation>%1 av %2</translation>
    </message>
    <message id="subtasks.hint.missing">
        <source>Sub-task of a reminder that is missing</source>
        <translation>Deluppgift till en påminnelse som saknas</translation>
    </message>
    <message id="subtasks.hint.otherList">
        <source>Sub-task of “%1” in another list</source>
        <translation>Deluppgift till ”%1” i en annan lista</translation>
    </message>
    <message id="subtasks.hint.notShown">
        <source>Sub-task of “%1”, which is not shown</source>
        <translation>Deluppgift till ”%1”, som inte visas</translation>
    </message>
    <message id="subtasks.hint.loop">
        <source>Its sub-task links go round in a circle</source>
        <translation>Länkarna mellan deluppgifterna går runt i en cirkel</translation>
    </message>
    <message id="subtasks.a11y.fold">
        <source>Hide the sub-tasks of %1</source>
        <translation>Dölj deluppgifterna till %1</translation>
    </message>
    <message id="subtasks.a11y.unfold">
        <source>Show the sub-tasks of %1</source>
        <translation>Visa deluppgifterna till %1</translation>
    </message>
    <message id="subtasks.a11y.subtaskOf">
        <source>sub-task of %1</source>
        <translation>deluppgift till %1</translation>
    </message>
    <message id="subtasks.a11y.folded">
        <source>sub-tasks hidden</source>
        <translation>deluppgifter dolda</translation>
    </message>
    <message id="subtasks.menu.add">
        <source>Add Sub-task</source>
        <translation>Lägg till deluppgift</translation>
    </message>
    <message id="subtasks.menu.makeSubtaskOf">
        <source>Make Sub-task of…</source>
        <translation>Gör till deluppgift till…</translation>
    </message>
    <message id="subtasks.menu.moveToTopLevel">
        <source>Move to Top Level</source>
        <translation>Flytta till översta nivån</translation>
    </message>
    <message id="subtasks.question" numerus="yes">
        <source>“%1” has %n open sub-tasks. Complete them too?</source>
        <translation>
            <numerusform>”%1” har %n öppen deluppgift. Ska den också markeras som klar?</numerusform>
            <numerusform>”%1” har %n öppna deluppgifter. Ska de också markeras som klara?</numerusform>
        </translation>
    </message>
    <message id="subtasks.question.all">
        <source>Complete All</source>
        <translation>Markera alla som klara</translation>
    </message>
    <message id="subtasks.question.onlyThis">
        <source>Only This One</source>
        <translation>Bara den här</translation>
    </message>
    <message id="subtasks.question.cancel">
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message id="subtasks.undoCompleted" numerus="yes">
        <source>Completed “%1” and %n sub-tasks</source>
        <translation>
            <numerusform>Markerade ”%1” och %n deluppgift som klara</numerusform>
            <numerusform>Markerade ”%1” och %n deluppgifter som klara</numerusform>
        </translation>
    </message>
    <message id="form.alert">
        <source>Alert</source>
        <translation>Avisering</translation>
    </message>
    <message id="alert.atDueTime">
        <source>At due time</source>
        <translation>Vid förfallotiden</translation>
    </message>
    <message id="alert.custom">
        <source>Custom…</source>
        <translation>Anpassad…</translation>
    </message>
    <message id="alert.none">
        <source>None</source>
        <translation>Ingen</translation>
    </message>
    <message id="alert.customDate">
        <source>At a date and time</source>
        <translation>Vid datum och tid</translation>
    </message>
    <message id="alert.customOffset">
        <source>Before the due time</source>
        <translation>Före förfallotiden</translation>
    </message>
    <message id="alert.customKind">
        <source>Kind of custom alert</source>
        <translation>Typ av anpassad avisering</translation>
    </message>
    <message id="alert.customAmount">
        <source>How long before</source>
        <translation>Hur länge före</translation>
    </message>
    <message id="alert.customUnit">
        <source>Unit</source>
        <translation>Enhet</translation>
    </message>
    <message id="alert.unit.minutes">
        <source>minutes</source>
        <translation>minuter</translation>
    </message>
    <message id="alert.unit.hours">
        <source>hours</source>
        <translation>timmar</translation>
    </message>
    <message id="alert.unit.days">
        <source>days</source>
        <translation>dagar</translation>
    </message>
    <message id="alert.morePreserved">
        <source>The other alerts stay as they are.</source>
        <translation>De andra aviseringarna lämnas som de är.</translation>
    </message>
    <message id="alert.atStart">
        <source>At the start</source>
        <translation>Vid starten</translation>
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
        <translation>eget ljud</translation>
    </message>
    <message id="alert.notShownHere">
        <source>not shown on this computer</source>
        <translation>visas inte på den här datorn</translation>
    </message>
    <message id="alert.silenced">
        <source>No alert</source>
        <translation>Ingen avisering</translation>
    </message>
    <message id="row.a11y.alert">
        <source>Alert: %1</source>
        <translation>Avisering: %1</translation>
    </message>
    <message id="form.tags">
        <source>Tags</source>
        <translation>Taggar</translation>
    </message>
    <message id="form.tags.placeholder">
        <source>Tags, separated by commas</source>
        <translation>Taggar, åtskilda med komma</translation>
    </message>
    <message id="row.a11y.tags">
        <source>Tags: %1</source>
        <translation>Taggar: %1</translation>
    </message>
    <message id="alert.minutesBefore" numerus="yes">
        <source>%n minutes before</source>
        <translation>
            <numerusform>%n minut före</numerusform>
            <numerusform>%n minuter före</numerusform>
        </translation>
    </message>
    <message id="alert.hoursBefore" numerus="yes">
        <source>%n hours before</source>
        <translation>
            <numerusform>%n timme före</numerusform>
            <numerusform>%n timmar före</numerusform>
        </translation>
    </message>
    <message id="alert.daysBefore" numerus="yes">
        <source>%n days before</source>
        <translation>
            <numerusform>%n dag före</numerusform>
            <numerusform>%n dagar före</numerusform>
        </translation>
    </message>
    <message id="alert.minutesAfter" numerus="yes">
        <source>%n minutes after</source>
        <translation>
            <numerusform>%n minut efter</numerusform>
            <numerusform>%n minuter efter</numerusform>
        </translation>
    </message>
    <message id="alert.hoursAfter" numerus="yes">
        <source>%n hours after</source>
        <translation>
            <numerusform>%n timme efter</numerusform>
            <numerusform>%n timmar efter</numerusform>
        </translation>
    </message>
    <message id="alert.daysAfter" numerus="yes">
        <source>%n days after</source>
        <translation>
            <numerusform>%n dag efter</numerusform>
            <numerusform>%n dagar efter</numerusform>
        </translation>
    </message>
    <message id="alert.more" numerus="yes">
        <source>+%n more</source>
        <translation>
            <numerusform>+%n till</numerusform>
            <numerusform>+%n till</numerusform>
        </translation>
    </message>
    <message id="alert.repeats" numerus="yes">
        <source>repeats %n times</source>
        <translation>
            <numerusform>upprepas %n gång</numerusform>
            <numerusform>upprepas %n gånger</numerusform>
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
        <translation>Mer</translation>
    </message>
    <message id="menu.showCompleted">
        <source>Show Completed</source>
        <translation>Visa klara</translation>
    </message>
    <message id="button.markNotCompleted">
        <source>Mark as Not Completed</source>
        <translation>Markera som inte klar</translation>
    </message>
    <message id="completed.today">
        <source>Completed today, %1</source>
        <translation>Klar i dag, %1</translation>
    </message>
    <message id="completed.yesterday">
        <source>Completed yesterday, %1</source>
        <translation>Klar i går, %1</translation>
    </message>
    <message id="completed.onDate">
        <source>Completed %1</source>
        <translation>Klar %1</translation>
    </message>
    <message id="completed.a11y.check">
        <source>Mark “%1” as not completed</source>
        <translation>Markera ”%1” som inte klar</translation>
    </message>
    <message id="undo.reopenFailed">
        <source>Could not mark “%1” as not completed: %2</source>
        <translation>Det gick inte att markera ”%1” som inte klar: %2</translation>
    </message>
    <message id="twoDevices.badge">
        <source>Changed on two devices; the menu shows the other version</source>
        <translation>Ändrad på två enheter; menyn visar den andra versionen</translation>
    </message>
    <message id="twoDevices.menu">
        <source>Changed on Two Devices</source>
        <translation>Ändrad på två enheter</translation>
    </message>
    <message id="twoDevices.other">
        <source>Other version: %1</source>
        <translation>Andra versionen: %1</translation>
    </message>
    <message id="twoDevices.otherNotes">
        <source>Notes: %1</source>
        <translation>Anteckningar: %1</translation>
    </message>
    <message id="twoDevices.otherCompleted">
        <source>Completed there</source>
        <translation>Klar där</translation>
    </message>
    <message id="twoDevices.otherOpen">
        <source>Not completed there</source>
        <translation>Inte klar där</translation>
    </message>
    <message id="twoDevices.keepThis">
        <source>Keep This Version</source>
        <translation>Behåll den här versionen</translation>
    </message>
    <message id="twoDevices.useOther">
        <source>Use the Other Version</source>
        <translation>Använd den andra versionen</translation>
    </message>
    <message id="twoDevices.failed">
        <source>Could not change “%1”: %2</source>
        <translation>Det gick inte att ändra ”%1”: %2</translation>
    </message>
    <message id="sync.lists.exists">
        <source>“%1” is on the server already; it is ticked now.</source>
        <translation>”%1” finns redan på servern; den är nu markerad.</translation>
    </message>
    <message id="sync.browser.button">
        <source>Sign In with Browser…</source>
        <translation>Logga in med webbläsaren…</translation>
    </message>
    <message id="sync.browser.starting">
        <source>Asking the server for a sign-in page…</source>
        <translation>Ber servern om en inloggningssida…</translation>
    </message>
    <message id="sync.browser.waiting">
        <source>Finish signing in in your browser. If no browser opened, go to %1</source>
        <translation>Slutför inloggningen i webbläsaren. Om ingen webbläsare öppnades, gå till %1</translation>
    </message>
    <message id="sync.browser.failed">
        <source>The server did not start a sign-in in the browser. Sign in with your user name and an app password instead.</source>
        <translation>Servern startade ingen inloggning i webbläsaren. Logga in med ditt användarnamn och ett applösenord i stället.</translation>
    </message>
    <message id="sync.browser.timedOut">
        <source>The sign-in in the browser was not finished. Try again, or sign in with your user name and an app password.</source>
        <translation>Inloggningen i webbläsaren slutfördes inte. Försök igen, eller logga in med ditt användarnamn och ett applösenord.</translation>
    </message>
</context>
</TS>
