<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW" sourcelanguage="en">
<context>
    <name></name>
    <message id="TolvikReminder">
        <source>TolvikReminder</source>
        <translation>TolvikReminder</translation>
    </message>
    <message id="appTheme.day">
        <source>Light</source>
        <translation>淺色</translation>
    </message>
    <message id="appTheme.night">
        <source>Dark</source>
        <translation>深色</translation>
    </message>
    <message id="appTheme.system">
        <source>System</source>
        <translation>跟隨系統</translation>
    </message>
    <message id="button.add">
        <source>Add</source>
        <translation>新增</translation>
    </message>
    <message id="button.cancel">
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message id="button.clear">
        <source>Deselect All</source>
        <translation>取消全選</translation>
    </message>
    <message id="button.complete">
        <source>Mark as Completed</source>
        <translation>標示為已完成</translation>
    </message>
    <message id="button.delete">
        <source>Delete</source>
        <translation>刪除</translation>
    </message>
    <message id="button.edit">
        <source>Edit…</source>
        <translation>編輯…</translation>
    </message>
    <message id="button.grantPermission">
        <source>Grant Access</source>
        <translation>授予存取權限</translation>
    </message>
    <message id="button.openSystemSettings">
        <source>Open Reminders Folder</source>
        <translation>開啟提醒事項資料夾</translation>
    </message>
    <message id="button.save">
        <source>Save</source>
        <translation>儲存</translation>
    </message>
    <message id="button.selectAll">
        <source>Select All</source>
        <translation>全選</translation>
    </message>
    <message id="color.red">
        <source>Red</source>
        <translation>紅色</translation>
    </message>
    <message id="color.orange">
        <source>Orange</source>
        <translation>橙色</translation>
    </message>
    <message id="color.yellow">
        <source>Yellow</source>
        <translation>黃色</translation>
    </message>
    <message id="color.green">
        <source>Green</source>
        <translation>綠色</translation>
    </message>
    <message id="color.teal">
        <source>Teal</source>
        <translation>青色</translation>
    </message>
    <message id="color.blue">
        <source>Blue</source>
        <translation>藍色</translation>
    </message>
    <message id="color.indigo">
        <source>Indigo</source>
        <translation>靛藍色</translation>
    </message>
    <message id="color.purple">
        <source>Purple</source>
        <translation>紫色</translation>
    </message>
    <message id="color.pink">
        <source>Pink</source>
        <translation>粉紅色</translation>
    </message>
    <message id="color.brown">
        <source>Brown</source>
        <translation>棕色</translation>
    </message>
    <message id="color.olive">
        <source>Olive</source>
        <translation>橄欖綠</translation>
    </message>
    <message id="color.grey">
        <source>Grey</source>
        <translation>灰色</translation>
    </message>
    <message id="footer.quit">
        <source>Quit</source>
        <translation>結束</translation>
    </message>
    <message id="footer.settings">
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message id="form.dueLabel">
        <source>Date</source>
        <translation>日期</translation>
    </message>
    <message id="form.allDay">
        <source>All day</source>
        <translation>全天</translation>
    </message>
    <message id="form.notes">
        <source>Notes</source>
        <translation>備註</translation>
    </message>
    <message id="form.priority">
        <source>Priority</source>
        <translation>優先順序</translation>
    </message>
    <message id="form.recurrence">
        <source>Repeat</source>
        <translation>重複</translation>
    </message>
    <message id="form.setDueDate">
        <source>Set a due date</source>
        <translation>設定截止日期</translation>
    </message>
    <message id="form.timeLabel">
        <source>Time</source>
        <translation>時間</translation>
    </message>
    <message id="form.title">
        <source>Title</source>
        <translation>標題</translation>
    </message>
    <message id="help.addReminder">
        <source>Add a reminder to this list</source>
        <translation>新增提醒事項至此清單</translation>
    </message>
    <message id="help.quitApp">
        <source>Quit TolvikReminder</source>
        <translation>結束 TolvikReminder</translation>
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
        <translation>跟隨系統</translation>
    </message>
    <message id="menuSize.compact">
        <source>Compact</source>
        <translation>精簡</translation>
    </message>
    <message id="menuSize.dimensions">
        <source>%1 px wide, as tall as the reminders need</source>
        <translation>寬 %1 像素，高度隨提醒事項而定</translation>
    </message>
    <message id="menuSize.roomy">
        <source>Roomy</source>
        <translation>寬敞</translation>
    </message>
    <message id="menuSize.standard">
        <source>Standard</source>
        <translation>標準</translation>
    </message>
    <message id="placeholder.allCaughtUpMessage">
        <source>Your selected lists have no open reminders right now.</source>
        <translation>所選清單目前沒有未完成的提醒事項。</translation>
    </message>
    <message id="placeholder.allCaughtUpTitle">
        <source>All Caught Up</source>
        <translation>全部完成</translation>
    </message>
    <message id="placeholder.noListsMessage">
        <source>Open Settings and choose the lists you want to see here.</source>
        <translation>開啟設定，選擇要在此處顯示的清單。</translation>
    </message>
    <message id="placeholder.noListsTitle">
        <source>No Lists Selected</source>
        <translation>未選擇清單</translation>
    </message>
    <message id="placeholder.permissionRequiredMessage">
        <source>TolvikReminder does not have read and write access to the folder that holds your reminders. Check the folder’s permissions, then open this panel again.</source>
        <translation>TolvikReminder 無法讀寫存放提醒事項的資料夾。請檢查該資料夾的權限，然後重新開啟此面板。</translation>
    </message>
    <message id="placeholder.permissionRequiredTitle">
        <source>No Access to Reminders</source>
        <translation>無法存取提醒事項</translation>
    </message>
    <message id="placeholder.readAccessMessage">
        <source>TolvikReminder can add reminders but cannot read them. Allow read access to the reminders folder to see your lists.</source>
        <translation>TolvikReminder 可以新增提醒事項，但無法讀取。請允許讀取提醒事項資料夾，以便查看你的清單。</translation>
    </message>
    <message id="placeholder.readAccessTitle">
        <source>Read Access Needed</source>
        <translation>需要讀取權限</translation>
    </message>
    <message id="placeholder.requestAccessMessage">
        <source>TolvikReminder keeps your reminders in standard iCalendar files on this computer. Grant access to set up the reminders folder and show your lists.</source>
        <translation>TolvikReminder 會將提醒事項儲存在本機的標準 iCalendar 檔案中。授予存取權限後，即可建立提醒事項資料夾並顯示你的清單。</translation>
    </message>
    <message id="placeholder.requestAccessTitle">
        <source>Allow Access to Reminders</source>
        <translation>允許存取提醒事項</translation>
    </message>
    <message id="priority.none">
        <source>None</source>
        <translation>無</translation>
    </message>
    <message id="recurrence.daily">
        <source>Every Day</source>
        <translation>每天</translation>
    </message>
    <message id="recurrence.everyDays" numerus="yes">
        <source>Every %n Days</source>
        <translation>
            <numerusform>每 %n 天</numerusform>
        </translation>
    </message>
    <message id="recurrence.everyWeeks" numerus="yes">
        <source>Every %n Weeks</source>
        <translation>
            <numerusform>每 %n 週</numerusform>
        </translation>
    </message>
    <message id="recurrence.everyMonths" numerus="yes">
        <source>Every %n Months</source>
        <translation>
            <numerusform>每 %n 個月</numerusform>
        </translation>
    </message>
    <message id="recurrence.everyYears" numerus="yes">
        <source>Every %n Years</source>
        <translation>
            <numerusform>每 %n 年</numerusform>
        </translation>
    </message>
    <message id="recurrence.everyOtherDays">
        <source>Every 2 Days</source>
        <translation>每兩天</translation>
    </message>
    <message id="recurrence.everyOtherWeeks">
        <source>Every 2 Weeks</source>
        <translation>每兩週</translation>
    </message>
    <message id="recurrence.everyOtherMonths">
        <source>Every 2 Months</source>
        <translation>每兩個月</translation>
    </message>
    <message id="recurrence.everyOtherYears">
        <source>Every 2 Years</source>
        <translation>每兩年</translation>
    </message>
    <message id="recurrence.onWeekdays">
        <source>%1 on %2</source>
        <translation>%1的%2</translation>
    </message>
    <message id="recurrence.weekdays">
        <source>Weekdays</source>
        <translation>週一至週五</translation>
    </message>
    <message id="recurrence.monthly">
        <source>Every Month</source>
        <translation>每月</translation>
    </message>
    <message id="recurrence.none">
        <source>Never</source>
        <translation>永不</translation>
    </message>
    <message id="recurrence.weekly">
        <source>Every Week</source>
        <translation>每週</translation>
    </message>
    <message id="recurrence.yearly">
        <source>Every Year</source>
        <translation>每年</translation>
    </message>
    <message id="reminder.priority.high">
        <source>High</source>
        <translation>高</translation>
    </message>
    <message id="reminder.priority.low">
        <source>Low</source>
        <translation>低</translation>
    </message>
    <message id="reminder.priority.medium">
        <source>Medium</source>
        <translation>中</translation>
    </message>
    <message id="reminders.emptyList">
        <source>No reminders</source>
        <translation>沒有提醒事項</translation>
    </message>
    <message id="settings.about.description">
        <source>TolvikReminder keeps your open reminders one click away in the system tray. It stores them as standard iCalendar files that other calendar and task apps can read too, so a CalDAV sync tool can keep them in step with your phone and your server.</source>
        <translation>TolvikReminder 讓未完成的提醒事項常駐系統匣，一鍵即可查看。它以標準 iCalendar 檔案儲存提醒事項，其他行事曆和待辦應用程式也能讀取；透過 CalDAV 同步工具，還能與手機和伺服器保持同步。</translation>
    </message>
    <message id="settings.about.developer">
        <source>Developed by</source>
        <translation>開發者</translation>
    </message>
    <message id="settings.about.developerName">
        <source>The Tolvik Project</source>
        <translation>Tolvik 專案</translation>
    </message>
    <message id="settings.about.version">
        <source>Version %1 (%2)</source>
        <translation>版本 %1（%2）</translation>
    </message>
    <message id="settings.accounts.empty">
        <source>No accounts found.</source>
        <translation>找不到帳號。</translation>
    </message>
    <message id="settings.accounts.noneTicked">
        <source>No account is ticked, so the lists of every account are offered. Tick accounts to offer only their lists.</source>
        <translation>未勾選任何帳號，因此會列出所有帳號的清單。勾選帳號即可只列出這些帳號的清單。</translation>
    </message>
    <message id="settings.accounts.section">
        <source>Accounts</source>
        <translation>帳號</translation>
    </message>
    <message id="settings.general.autoRefresh">
        <source>Refresh automatically</source>
        <translation>自動重新整理</translation>
    </message>
    <message id="settings.general.autoRefreshNote">
        <source>Updates the panel as soon as reminders change in another app or through sync.</source>
        <translation>當提醒事項在其他應用程式中或經同步有所變更時，立即更新面板。</translation>
    </message>
    <message id="settings.general.launch">
        <source>Start at login</source>
        <translation>登入時啟動</translation>
    </message>
    <message id="settings.general.section">
        <source>General</source>
        <translation>一般</translation>
    </message>
    <message id="settings.language.picker">
        <source>Interface language</source>
        <translation>介面語言</translation>
    </message>
    <message id="settings.language.section">
        <source>Language</source>
        <translation>語言</translation>
    </message>
    <message id="settings.launchError">
        <source>Could not change “Start at login”: %1</source>
        <translation>無法變更「登入時啟動」設定：%1</translation>
    </message>
    <message id="settings.lists.empty">
        <source>No lists to show.</source>
        <translation>沒有可顯示的清單。</translation>
    </message>
    <message id="settings.lists.section">
        <source>Lists</source>
        <translation>清單</translation>
    </message>
    <message id="settings.menuSize.current">
        <source>Current size: %1 (%2)</source>
        <translation>目前大小：%1（%2）</translation>
    </message>
    <message id="settings.menuSize.large">
        <source>Large</source>
        <translation>大</translation>
    </message>
    <message id="settings.menuSize.section">
        <source>Panel Size</source>
        <translation>面板大小</translation>
    </message>
    <message id="settings.menuSize.sliderLabel">
        <source>Size</source>
        <translation>大小</translation>
    </message>
    <message id="settings.menuSize.small">
        <source>Small</source>
        <translation>小</translation>
    </message>
    <message id="settings.tab.about">
        <source>About</source>
        <translation>關於</translation>
    </message>
    <message id="settings.tab.appearance">
        <source>Appearance</source>
        <translation>外觀</translation>
    </message>
    <message id="settings.tab.general">
        <source>General</source>
        <translation>一般</translation>
    </message>
    <message id="settings.theme.note">
        <source>“System” follows the light or dark mode of your desktop.</source>
        <translation>「跟隨系統」會隨桌面的淺色或深色模式自動切換。</translation>
    </message>
    <message id="settings.theme.picker">
        <source>Mode</source>
        <translation>模式</translation>
    </message>
    <message id="settings.theme.section">
        <source>Theme</source>
        <translation>主題</translation>
    </message>
    <message id="settings.timeframe.1month">
        <source>1 month</source>
        <translation>1 個月</translation>
    </message>
    <message id="settings.timeframe.1year">
        <source>1 year</source>
        <translation>1 年</translation>
    </message>
    <message id="settings.timeframe.3months">
        <source>3 months</source>
        <translation>3 個月</translation>
    </message>
    <message id="settings.timeframe.6months">
        <source>6 months</source>
        <translation>6 個月</translation>
    </message>
    <message id="settings.timeframe.label">
        <source>Timeframe</source>
        <translation>時間範圍</translation>
    </message>
    <message id="settings.timeframe.unlimited">
        <source>No limit</source>
        <translation>不限</translation>
    </message>
    <message id="settings.transparency.high">
        <source>High (more see-through)</source>
        <translation>高（更透明）</translation>
    </message>
    <message id="settings.transparency.label">
        <source>Background</source>
        <translation>背景</translation>
    </message>
    <message id="settings.transparency.section">
        <source>Transparency</source>
        <translation>透明度</translation>
    </message>
    <message id="settings.transparency.standard">
        <source>Standard (less see-through)</source>
        <translation>標準（透明度較低）</translation>
    </message>
    <message id="settings.window.title">
        <source>TolvikReminder Settings</source>
        <translation>TolvikReminder 設定</translation>
    </message>
    <message id="summary.count" numerus="yes">
        <source>%n open reminders</source>
        <translation>
            <numerusform>%n 個未完成的提醒事項</numerusform>
        </translation>
    </message>
    <message id="summary.zero">
        <source>No open reminders</source>
        <translation>沒有未完成的提醒事項</translation>
    </message>
    <!-- Alarms and desktop notifications -->
    <message id="alarms.action.complete">
        <source>Complete</source>
        <translation>完成</translation>
    </message>
    <message id="alarms.action.open">
        <source>Show</source>
        <translation>顯示</translation>
    </message>
    <message id="alarms.action.snooze">
        <source>Snooze 10 min</source>
        <translation>10 分鐘後提醒</translation>
    </message>
    <message id="alarms.action.snoozeHour">
        <source>Snooze 1 hour</source>
        <translation>1 小時後提醒</translation>
    </message>
    <message id="alarms.error">
        <source>Could not update “%1”</source>
        <translation>無法更新「%1」</translation>
    </message>
    <message id="alarms.notification.due">
        <source>Due: %1</source>
        <translation>截止：%1</translation>
    </message>
    <message id="alarms.notification.group" numerus="yes">
        <source>%n reminders are due</source>
        <translation>
            <numerusform>%n 個提醒事項已到期</numerusform>
        </translation>
    </message>
    <message id="alarms.notification.more" numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>還有 %n 個</numerusform>
        </translation>
    </message>
    <message id="settings.general.allDayTime">
        <source>All-day reminders at</source>
        <translation>全天提醒事項的提醒時間</translation>
    </message>
    <message id="settings.general.notify">
        <source>Notify when reminders are due</source>
        <translation>提醒事項到期時傳送通知</translation>
    </message>
    <!-- Command line, list management and undo -->
    <message id="cli.usage">
        <source>Usage: %1 [--help | --version | --quick-add]</source>
        <translation>用法：%1 [--help | --version | --quick-add]</translation>
    </message>
    <message id="cli.description">
        <source>Shows your open reminders from the tray. Choose lists, timeframe and everything else in its settings window.</source>
        <translation>在系統匣中顯示未完成的提醒事項。清單、時間範圍及其他選項均在設定視窗中選擇。</translation>
    </message>
    <message id="cli.option.help">
        <source>Print this help and exit</source>
        <translation>顯示此說明並結束</translation>
    </message>
    <message id="cli.option.version">
        <source>Print the version and exit</source>
        <translation>顯示版本並結束</translation>
    </message>
    <message id="cli.version">
        <source>TolvikReminder %1 (build %2)</source>
        <translation>TolvikReminder %1（組建 %2）</translation>
    </message>
    <message id="cli.unknownArgument">
        <source>Unknown argument “%1”. Try “%2 --help”.</source>
        <translation>未知的引數「%1」。請執行「%2 --help」以取得說明。</translation>
    </message>
    <!-- Panel: keyboard use, accessibility, tray menu and form errors -->
    <message id="panel.a11y.addReminderTo">
        <source>Add reminder to %1</source>
        <translation>新增提醒事項到「%1」</translation>
    </message>
    <message id="panel.a11y.rowDue">
        <source>Due %1</source>
        <translation>截止時間 %1</translation>
    </message>
    <message id="panel.a11y.rowNoDue">
        <source>No due date</source>
        <translation>無截止日期</translation>
    </message>
    <message id="panel.a11y.rowOverdue">
        <source>Overdue</source>
        <translation>已逾期</translation>
    </message>
    <message id="panel.a11y.rowPriority">
        <source>Priority: %1</source>
        <translation>優先順序：%1</translation>
    </message>
    <message id="panel.a11y.rowRepeat">
        <source>Repeats: %1</source>
        <translation>重複：%1</translation>
    </message>
    <message id="panel.a11y.settingsHelp">
        <source>Choose lists, appearance and language</source>
        <translation>選擇清單、外觀和語言</translation>
    </message>
    <message id="panel.form.saveFailed">
        <source>The reminder could not be saved.</source>
        <translation>無法儲存提醒事項。</translation>
    </message>
    <message id="panel.tray.open">
        <source>Open</source>
        <translation>開啟</translation>
    </message>
    <message id="panel.tray.quit">
        <source>Quit</source>
        <translation>結束</translation>
    </message>
    <message id="panel.tray.settings">
        <source>Settings…</source>
        <translation>設定…</translation>
    </message>
    <message id="button.newReminder">
        <source>New Reminder</source>
        <translation>新增提醒事項</translation>
    </message>
    <message id="button.openSettings">
        <source>Open Settings</source>
        <translation>開啟設定</translation>
    </message>
    <message id="account.onThisComputer">
        <source>On this computer</source>
        <translation>本機</translation>
    </message>
    <message id="settings.lists.new">
        <source>New List…</source>
        <translation>新增清單…</translation>
    </message>
    <message id="list.more">
        <source>List actions</source>
        <translation>清單動作</translation>
    </message>
    <message id="list.rename">
        <source>Rename…</source>
        <translation>重新命名…</translation>
    </message>
    <message id="list.color">
        <source>Colour</source>
        <translation>顏色</translation>
    </message>
    <message id="list.customColor">
        <source>Custom…</source>
        <translation>自訂…</translation>
    </message>
    <message id="list.delete">
        <source>Delete…</source>
        <translation>刪除…</translation>
    </message>
    <message id="list.colorFailed">
        <source>The colour could not be changed: %1</source>
        <translation>無法變更顏色：%1</translation>
    </message>
    <message id="newList.title">
        <source>New List</source>
        <translation>新增清單</translation>
    </message>
    <message id="newList.name">
        <source>Name</source>
        <translation>名稱</translation>
    </message>
    <message id="newList.color">
        <source>Colour</source>
        <translation>顏色</translation>
    </message>
    <message id="newList.account">
        <source>Account</source>
        <translation>帳號</translation>
    </message>
    <message id="newList.create">
        <source>Create</source>
        <translation>建立</translation>
    </message>
    <message id="newList.nameTaken">
        <source>This account already has a list named “%1”.</source>
        <translation>此帳號中已有名為「%1」的清單。</translation>
    </message>
    <message id="newList.failed">
        <source>The list could not be created: %1</source>
        <translation>無法建立清單：%1</translation>
    </message>
    <message id="renameList.title">
        <source>Rename List</source>
        <translation>重新命名清單</translation>
    </message>
    <message id="renameList.button">
        <source>Rename</source>
        <translation>重新命名</translation>
    </message>
    <message id="renameList.failed">
        <source>The list could not be renamed: %1</source>
        <translation>無法重新命名清單：%1</translation>
    </message>
    <message id="deleteList.title">
        <source>Delete “%1”?</source>
        <translation>要刪除「%1」嗎？</translation>
    </message>
    <message id="deleteList.syncedNote">
        <source>The copy on the server is not deleted.</source>
        <translation>伺服器上的副本不會被刪除。</translation>
    </message>
    <message id="deleteList.failed">
        <source>The list could not be deleted: %1</source>
        <translation>無法刪除清單：%1</translation>
    </message>
    <message id="deleteList.message" numerus="yes">
        <source>The list and its %n reminders move to the trash, from where your file manager can restore them.</source>
        <translation>
            <numerusform>該清單及其 %n 個提醒事項將移到垃圾桶，你可以用檔案管理員從中還原。</numerusform>
        </translation>
    </message>
    <message id="deleteList.messageEmpty">
        <source>The list moves to the trash, from where your file manager can restore it.</source>
        <translation>此清單將移到垃圾桶，你可以用檔案管理員從中還原。</translation>
    </message>
    <!-- Quick add -->
    <message id="quickAdd.placeholder">
        <source>New reminder, e.g. “Dentist Fri 9am”</source>
        <translation>新提醒事項，例如「週五上午9點看牙醫」</translation>
    </message>
    <message id="quickAdd.list.help">
        <source>List for new reminders</source>
        <translation>新提醒事項要加入的清單</translation>
    </message>
    <message id="quickAdd.list.none">
        <source>No list</source>
        <translation>無清單</translation>
    </message>
    <message id="quickAdd.chip.keep">
        <source>Keep “%1” in the title</source>
        <translation>將「%1」保留在標題中</translation>
    </message>
    <message id="quickAdd.shortcut.description">
        <source>Add a reminder with quick add</source>
        <translation>快速新增提醒事項</translation>
    </message>
    <message id="cli.option.quickAdd">
        <source>Open the quick-add field of the running app</source>
        <translation>開啟執行中應用程式的快速新增欄位</translation>
    </message>
    <message id="quickAdd.addError">
        <source>Could not add the reminder: %1</source>
        <translation>無法新增提醒事項：%1</translation>
    </message>
    <message id="settings.quickAdd.noShortcut">
        <source>This desktop offers no global shortcut service. To open quick add from anywhere, assign a shortcut to this command in your desktop’s keyboard settings: %1</source>
        <translation>此桌面未提供全域快速鍵服務。若要在任何位置開啟快速新增，請在桌面的鍵盤設定中為以下指令指定快速鍵：%1</translation>
    </message>
    <!-- Search -->
    <message id="search.placeholder">
        <source>Search reminders</source>
        <translation>搜尋提醒事項</translation>
    </message>
    <message id="search.button">
        <source>Search (Ctrl+F)</source>
        <translation>搜尋 (Ctrl+F)</translation>
    </message>
    <message id="search.allLists">
        <source>All lists</source>
        <translation>所有清單</translation>
    </message>
    <message id="search.allLists.help">
        <source>Also search the lists not shown and reminders outside the timeframe</source>
        <translation>同時搜尋未顯示的清單和時間範圍以外的提醒事項</translation>
    </message>
    <message id="search.noMatches">
        <source>No reminders match “%1”</source>
        <translation>沒有符合「%1」的提醒事項</translation>
    </message>
    <message id="undo.completed">
        <source>Completed “%1”</source>
        <translation>已完成「%1」</translation>
    </message>
    <message id="undo.deleted">
        <source>Deleted “%1”</source>
        <translation>已刪除「%1」</translation>
    </message>
    <message id="undo.button">
        <source>Undo</source>
        <translation>復原</translation>
    </message>
    <message id="undo.tooLate">
        <source>This can no longer be undone: the reminder has been changed since.</source>
        <translation>已無法復原：此提醒事項之後已被變更。</translation>
    </message>
    <message id="undo.failed">
        <source>Could not undo: %1</source>
        <translation>無法復原：%1</translation>
    </message>
    <message id="undo.completeFailed">
        <source>Could not complete “%1”: %2</source>
        <translation>無法將「%1」標示為已完成：%2</translation>
    </message>
    <message id="undo.deleteFailed">
        <source>Could not delete “%1”: %2</source>
        <translation>無法刪除「%1」：%2</translation>
    </message>
    <message id="sync.account.add">
        <source>Add Account…</source>
        <translation>新增帳號…</translation>
    </message>
    <message id="sync.account.reviewCertificate">
        <source>Review Certificate…</source>
        <translation>檢查憑證…</translation>
    </message>
    <message id="sync.account.signInAgain">
        <source>Sign In Again…</source>
        <translation>重新登入…</translation>
    </message>
    <message id="sync.account.syncNow">
        <source>Sync Now</source>
        <translation>立即同步</translation>
    </message>
    <message id="sync.add.addressExample">
        <source>For example cloud.example.org or you@example.org</source>
        <translation>例如 cloud.example.org 或 you@example.org</translation>
    </message>
    <message id="sync.add.addressLabel">
        <source>Server address or email</source>
        <translation>伺服器位址或電子郵件</translation>
    </message>
    <message id="sync.add.back">
        <source>Back</source>
        <translation>返回</translation>
    </message>
    <message id="sync.add.continue">
        <source>Continue</source>
        <translation>繼續</translation>
    </message>
    <message id="sync.add.intro">
        <source>Sync reminders with a CalDAV server, and through it with your phone. The app finds the server from its address or your email address.</source>
        <translation>與 CalDAV 伺服器同步提醒事項，並透過它與手機同步。App 會依伺服器位址或你的電子郵件位址找到伺服器。</translation>
    </message>
    <message id="sync.add.looking">
        <source>Looking for the server…</source>
        <translation>正在尋找伺服器…</translation>
    </message>
    <message id="sync.add.title">
        <source>Add Account</source>
        <translation>新增帳號</translation>
    </message>
    <message id="sync.cert.advice">
        <source>Trust it only if you know this is your server's certificate, for example because you made it yourself. Checking stays on for every other certificate.</source>
        <translation>只有在確定這是你的伺服器的憑證時（例如憑證由你自己建立）才信任它。其他所有憑證仍會照常檢查。</translation>
    </message>
    <message id="sync.cert.changed">
        <source>The server now shows a different certificate from the one you trusted. Sync has stopped until you decide.</source>
        <translation>伺服器現在出示的憑證與你信任的憑證不同。在你做出決定之前，同步已停止。</translation>
    </message>
    <message id="sync.cert.fingerprint">
        <source>SHA-256 fingerprint:</source>
        <translation>SHA-256 指紋：</translation>
    </message>
    <message id="sync.cert.intro">
        <source>This computer does not trust the server's certificate.</source>
        <translation>這部電腦不信任該伺服器的憑證。</translation>
    </message>
    <message id="sync.cert.issuer">
        <source>Issued by:</source>
        <translation>簽發者：</translation>
    </message>
    <message id="sync.cert.reason">
        <source>Reason:</source>
        <translation>原因：</translation>
    </message>
    <message id="sync.cert.subject">
        <source>Issued to:</source>
        <translation>簽發給：</translation>
    </message>
    <message id="sync.cert.trust">
        <source>Trust This Certificate</source>
        <translation>信任此憑證</translation>
    </message>
    <message id="sync.cert.valid">
        <source>Valid:</source>
        <translation>有效期間：</translation>
    </message>
    <message id="sync.cert.validRange">
        <source>%1 to %2</source>
        <translation>%1 至 %2</translation>
    </message>
    <message id="sync.footer.offline" numerus="yes">
        <source>Offline: %n changes wait</source>
        <translation>
            <numerusform>離線：%n 項變更等待同步</numerusform>
        </translation>
    </message>
    <message id="sync.footer.problem">
        <source>Sync needs attention: see Settings</source>
        <translation>同步需要處理：請查看設定</translation>
    </message>
    <message id="sync.keyring.fileFailed">
        <source>The password could not be saved: %1</source>
        <translation>無法儲存密碼：%1</translation>
    </message>
    <message id="sync.keyring.missing">
        <source>No keyring answered, so the password cannot be kept safely (%1). You can start a keyring (for example GNOME Keyring or KWallet) and try again, or keep the password in a file that only you can read. Anyone with access to your user account could read that file.</source>
        <translation>沒有鑰匙圈回應，因此無法安全地保存密碼（%1）。你可以啟動一個鑰匙圈（例如 GNOME 鑰匙圈或 KWallet）後重試，或將密碼保存在只有你能讀取的檔案中。能存取你的使用者帳號的任何人都能讀取該檔案。</translation>
    </message>
    <message id="sync.keyring.missingShort">
        <source>No keyring answered, so the password was not saved. Start a keyring and try again.</source>
        <translation>沒有鑰匙圈回應，因此密碼未儲存。請啟動鑰匙圈後重試。</translation>
    </message>
    <message id="sync.keyring.title">
        <source>No Keyring</source>
        <translation>沒有鑰匙圈</translation>
    </message>
    <message id="sync.keyring.useFile">
        <source>Keep in a File Only I Can Read</source>
        <translation>保存在只有我能讀取的檔案中</translation>
    </message>
    <message id="sync.lists.chooseOne">
        <source>Choose at least one list.</source>
        <translation>請至少選擇一個清單。</translation>
    </message>
    <message id="sync.lists.finish">
        <source>Add Account</source>
        <translation>新增帳號</translation>
    </message>
    <message id="sync.lists.intro">
        <source>Choose the lists to sync with this computer:</source>
        <translation>選擇要與這部電腦同步的清單：</translation>
    </message>
    <message id="sync.lists.makeFailed">
        <source>The server did not make the list.</source>
        <translation>伺服器未能建立該清單。</translation>
    </message>
    <message id="sync.lists.making">
        <source>Making the list on the server…</source>
        <translation>正在伺服器上建立清單…</translation>
    </message>
    <message id="sync.lists.new">
        <source>New List on the Server…</source>
        <translation>在伺服器上新增清單…</translation>
    </message>
    <message id="sync.lists.newName">
        <source>Name of the new list:</source>
        <translation>新清單的名稱：</translation>
    </message>
    <message id="sync.lists.none">
        <source>This account has no lists for reminders yet. Make one on the server:</source>
        <translation>此帳號還沒有用於提醒事項的清單。請在伺服器上建立一個：</translation>
    </message>
    <message id="sync.lists.readOnly">
        <source>read-only</source>
        <translation>唯讀</translation>
    </message>
    <message id="sync.lists.saving">
        <source>Saving the account…</source>
        <translation>正在儲存帳號…</translation>
    </message>
    <message id="sync.problem.certificate">
        <source>This computer does not trust the server's certificate.</source>
        <translation>這部電腦不信任該伺服器的憑證。</translation>
    </message>
    <message id="sync.problem.certificateChanged">
        <source>The server's certificate changed. Review it before sync goes on.</source>
        <translation>伺服器的憑證已變更。請先檢查憑證，然後同步才會繼續。</translation>
    </message>
    <message id="sync.problem.conflicts">
        <source>Some reminders changed on two devices. Both versions are kept; sync goes on.</source>
        <translation>有些提醒事項在兩部裝置上都被變更。兩個版本都已保留，同步繼續進行。</translation>
    </message>
    <message id="sync.problem.engineMissing">
        <source>Sync needs vdirsyncer. Install it (Debian package vdirsyncer) and sync again.</source>
        <translation>同步需要 vdirsyncer。請安裝它（Debian 套件 vdirsyncer）後再同步。</translation>
    </message>
    <message id="sync.problem.hostNotFound">
        <source>No server with this name was found. Check the address.</source>
        <translation>找不到使用此名稱的伺服器。請檢查位址。</translation>
    </message>
    <message id="sync.problem.keyring">
        <source>The keyring is locked or did not answer. Unlock it, then sync again.</source>
        <translation>鑰匙圈已鎖定或沒有回應。請解鎖後再同步。</translation>
    </message>
    <message id="sync.problem.listGone">
        <source>The list “%1” is no longer on the server. Your reminders in it stay on this computer.</source>
        <translation>伺服器上已沒有清單「%1」。其中的提醒事項仍保留在這部電腦上。</translation>
    </message>
    <message id="sync.problem.noCalDav">
        <source>No calendar server answered at this address. Check the address, or ask your provider for the CalDAV address.</source>
        <translation>此位址沒有行事曆伺服器回應。請檢查位址，或向服務供應商詢問 CalDAV 位址。</translation>
    </message>
    <message id="sync.problem.offline" numerus="yes">
        <source>Offline: %n changes wait and sync when the network is back.</source>
        <translation>
            <numerusform>離線：%n 項變更正在等待，網路恢復後會同步。</numerusform>
        </translation>
    </message>
    <message id="sync.problem.serverEmptied">
        <source>The server shows the list “%1” as empty. Nothing was deleted here; check the server before syncing this list again.</source>
        <translation>伺服器顯示清單「%1」為空。此處沒有刪除任何內容；請先檢查伺服器，然後再同步此清單。</translation>
    </message>
    <message id="sync.problem.serverTrouble">
        <source>The server has trouble right now. Nothing was deleted; sync tries again later.</source>
        <translation>伺服器目前發生問題。沒有刪除任何內容；稍後會再次嘗試同步。</translation>
    </message>
    <message id="sync.problem.signInAgain">
        <source>The server did not accept the password. Sign in again.</source>
        <translation>伺服器不接受該密碼。請重新登入。</translation>
    </message>
    <message id="sync.problem.signInRejected">
        <source>The user name or password is wrong. With two-factor authentication, use an app password.</source>
        <translation>使用者名稱或密碼錯誤。如果啟用了雙重驗證，請使用 App 專用密碼。</translation>
    </message>
    <message id="sync.problem.timedOut">
        <source>The server took too long to answer. Sync tries again later.</source>
        <translation>伺服器回應時間過長。稍後會再次嘗試同步。</translation>
    </message>
    <message id="sync.problem.unknown">
        <source>Sync did not finish. Nothing was deleted; sync tries again later.</source>
        <translation>同步未完成。沒有刪除任何內容；稍後會再次嘗試。</translation>
    </message>
    <message id="sync.problem.unreachable">
        <source>The server cannot be reached. Check the network or whether the server is running.</source>
        <translation>無法連線到伺服器。請檢查網路或伺服器是否正在執行。</translation>
    </message>
    <message id="sync.signIn.appPasswordNote">
        <source>If two-factor authentication is on for this account, use an app password made in the server's settings.</source>
        <translation>如果此帳號啟用了雙重驗證，請使用在伺服器設定中建立的 App 專用密碼。</translation>
    </message>
    <message id="sync.signIn.busy">
        <source>Signing in…</source>
        <translation>正在登入…</translation>
    </message>
    <message id="sync.signIn.button">
        <source>Sign In</source>
        <translation>登入</translation>
    </message>
    <message id="sync.signIn.password">
        <source>Password:</source>
        <translation>密碼：</translation>
    </message>
    <message id="sync.signIn.server">
        <source>Sign in to %1</source>
        <translation>登入 %1</translation>
    </message>
    <message id="sync.signIn.user">
        <source>User name:</source>
        <translation>使用者名稱：</translation>
    </message>
    <message id="sync.status.hoursAgo" numerus="yes">
        <source>%n hours ago</source>
        <translation>
            <numerusform>%n 小時前</numerusform>
        </translation>
    </message>
    <message id="sync.status.justNow">
        <source>just now</source>
        <translation>剛剛</translation>
    </message>
    <message id="sync.status.minutesAgo" numerus="yes">
        <source>%n minutes ago</source>
        <translation>
            <numerusform>%n 分鐘前</numerusform>
        </translation>
    </message>
    <message id="sync.status.never">
        <source>Not synced yet</source>
        <translation>尚未同步</translation>
    </message>
    <message id="sync.status.onDate">
        <source>on %1</source>
        <translation>於 %1</translation>
    </message>
    <message id="sync.status.synced">
        <source>Synced %1</source>
        <translation>已同步（%1）</translation>
    </message>
    <message id="sync.status.syncing">
        <source>Syncing…</source>
        <translation>正在同步…</translation>
    </message>
    <message id="sync.status.syncingCount" numerus="yes">
        <source>Syncing… %n changes so far</source>
        <translation>
            <numerusform>正在同步…已完成 %n 項變更</numerusform>
        </translation>
    </message>
    <message id="sync.notify.failing">
        <source>Sync of “%1” has not worked for a day</source>
        <translation>「%1」的同步已有一天未能完成</translation>
    </message>
    <message id="sync.account.remove">
        <source>Remove…</source>
        <translation>移除…</translation>
    </message>
    <message id="sync.account.removeFailed">
        <source>The account was removed, but its lists could not be moved to the trash; they are still on this computer.</source>
        <translation>帳號已移除，但其清單無法移到垃圾桶；它們仍在這部電腦上。</translation>
    </message>
    <message id="sync.account.removeKeep">
        <source>Keep Lists Here</source>
        <translation>在此保留清單</translation>
    </message>
    <message id="sync.account.removeQuestion">
        <source>Stop syncing “%1”? Its password, settings and sync state are removed from this computer. The lists on the server stay. Keep the account's lists on this computer, or move them to the trash?</source>
        <translation>停止同步「%1」？其密碼、設定和同步狀態將從這部電腦中移除。伺服器上的清單保持不變。要在這部電腦上保留該帳號的清單，還是將它們移到垃圾桶？</translation>
    </message>
    <message id="sync.account.removeTitle">
        <source>Remove Account</source>
        <translation>移除帳號</translation>
    </message>
    <message id="sync.account.removeTrash">
        <source>Move Lists to Trash</source>
        <translation>將清單移到垃圾桶</translation>
    </message>
    <message id="sync.held.wouldRemove" numerus="yes">
        <source>The server would remove %n reminders from “%1”. Nothing was deleted here: restore them on the server, or delete them here too.</source>
        <translation>
            <numerusform>伺服器將從「%1」中移除 %n 則提醒。此處尚未刪除任何內容：可在伺服器上還原它們，或在此處也刪除它們。</numerusform>
        </translation>
    </message>
    <message id="sync.held.serverEmpty" numerus="yes">
        <source>The server shows “%1” as empty, but %n reminders are still here. Nothing was deleted: restore them on the server, or delete them here too.</source>
        <translation>
            <numerusform>伺服器顯示「%1」為空，但此處仍有 %n 則提醒。尚未刪除任何內容：可在伺服器上還原它們，或在此處也刪除它們。</numerusform>
        </translation>
    </message>
    <message id="sync.held.removed" numerus="yes">
        <source>The server removed %n reminders from “%1”. A copy from before the sync still has them: restore them, or delete them.</source>
        <translation>
            <numerusform>伺服器從「%1」中移除了 %n 則提醒。同步前的副本中仍有它們：可以還原，也可以刪除。</numerusform>
        </translation>
    </message>
    <message id="sync.account.restore">
        <source>Restore</source>
        <translation>還原</translation>
    </message>
    <message id="sync.account.deleteHeld">
        <source>Delete Them</source>
        <translation>刪除它們</translation>
    </message>
    <message id="sync.account.restoreFailed">
        <source>Not every reminder could be restored. The question stays, so that you can try again.</source>
        <translation>並非所有提醒都能還原。此問題會保留，以便您重試。</translation>
    </message>
    <message id="sync.footer.held">
        <source>Sync waits for you: reminders removed on the server</source>
        <translation>同步等待您的決定：伺服器上的提醒已被移除</translation>
    </message>
    <message id="sync.problem.listNotMade">
        <source>The server did not let the app make the list “%1”. It stays on this computer and does not sync.</source>
        <translation>伺服器不允許建立清單「%1」。該清單保留在這部電腦上，不會同步。</translation>
    </message>
    <message id="sync.external.status">
        <source>Synced by your own vdirsyncer configuration (%1). The app leaves this folder to it and adds no second sync.</source>
        <translation>由您自己的 vdirsyncer 設定同步（%1）。App 將此資料夾交由它處理，不會再加入第二個同步。</translation>
    </message>
    <message id="subtasks.progress">
        <source>%1 of %2</source>
        <translation>已完成 %1/%2</translation>
    </message>
    <message id="subtasks.hint.missing">
        <source>Sub-task of a reminder that is missing</source>
        <translation>所屬的上層提醒事項不存在</translation>
    </message>
    <message id="subtasks.hint.otherList">
        <source>Sub-task of “%1” in another list</source>
        <translation>另一個清單中「%1」的子任務</translation>
    </message>
    <message id="subtasks.hint.notShown">
        <source>Sub-task of “%1”, which is not shown</source>
        <translation>「%1」的子任務，該事項未顯示</translation>
    </message>
    <message id="subtasks.hint.loop">
        <source>Its sub-task links go round in a circle</source>
        <translation>子任務的關聯形成了循環</translation>
    </message>
    <message id="subtasks.a11y.fold">
        <source>Hide the sub-tasks of %1</source>
        <translation>隱藏「%1」的子任務</translation>
    </message>
    <message id="subtasks.a11y.unfold">
        <source>Show the sub-tasks of %1</source>
        <translation>顯示「%1」的子任務</translation>
    </message>
    <message id="subtasks.a11y.subtaskOf">
        <source>sub-task of %1</source>
        <translation>「%1」的子任務</translation>
    </message>
    <message id="subtasks.a11y.folded">
        <source>sub-tasks hidden</source>
        <translation>子任務已隱藏</translation>
    </message>
    <message id="subtasks.menu.add">
        <source>Add Sub-task</source>
        <translation>新增子任務</translation>
    </message>
    <message id="subtasks.menu.makeSubtaskOf">
        <source>Make Sub-task of…</source>
        <translation>設為以下事項的子任務…</translation>
    </message>
    <message id="subtasks.menu.moveToTopLevel">
        <source>Move to Top Level</source>
        <translation>移到最上層</translation>
    </message>
    <message id="subtasks.question" numerus="yes">
        <source>“%1” has %n open sub-tasks. Complete them too?</source>
        <translation>
            <numerusform>「%1」還有 %n 個未完成的子任務。要一併完成嗎？</numerusform>
        </translation>
    </message>
    <message id="subtasks.question.all">
        <source>Complete All</source>
        <translation>全部完成</translation>
    </message>
    <message id="subtasks.question.onlyThis">
        <source>Only This One</source>
        <translation>僅完成此項</translation>
    </message>
    <message id="subtasks.question.cancel">
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message id="subtasks.undoCompleted" numerus="yes">
        <source>Completed “%1” and %n sub-tasks</source>
        <translation>
            <numerusform>已完成「%1」及 %n 個子任務</numerusform>
        </translation>
    </message>
    <message id="form.alert">
        <source>Alert</source>
        <translation>提醒</translation>
    </message>
    <message id="alert.atDueTime">
        <source>At due time</source>
        <translation>截止時</translation>
    </message>
    <message id="alert.custom">
        <source>Custom…</source>
        <translation>自訂…</translation>
    </message>
    <message id="alert.none">
        <source>None</source>
        <translation>無</translation>
    </message>
    <message id="alert.customDate">
        <source>At a date and time</source>
        <translation>在指定日期和時間</translation>
    </message>
    <message id="alert.customOffset">
        <source>Before the due time</source>
        <translation>截止前</translation>
    </message>
    <message id="alert.customKind">
        <source>Kind of custom alert</source>
        <translation>自訂提醒類型</translation>
    </message>
    <message id="alert.customAmount">
        <source>How long before</source>
        <translation>提前多久</translation>
    </message>
    <message id="alert.customUnit">
        <source>Unit</source>
        <translation>單位</translation>
    </message>
    <message id="alert.unit.minutes">
        <source>minutes</source>
        <translation>分鐘</translation>
    </message>
    <message id="alert.unit.hours">
        <source>hours</source>
        <translation>小時</translation>
    </message>
    <message id="alert.unit.days">
        <source>days</source>
        <translation>天</translation>
    </message>
    <message id="alert.morePreserved">
        <source>The other alerts stay as they are.</source>
        <translation>其他提醒保持不變。</translation>
    </message>
    <message id="alert.atStart">
        <source>At the start</source>
        <translation>開始時</translation>
    </message>
    <message id="alert.relativeToStart">
        <source>%1 (start)</source>
        <translation>%1（開始）</translation>
    </message>
    <message id="alert.joined">
        <source>%1, %2</source>
        <translation>%1，%2</translation>
    </message>
    <message id="alert.ownSound">
        <source>own sound</source>
        <translation>自訂提示音</translation>
    </message>
    <message id="alert.notShownHere">
        <source>not shown on this computer</source>
        <translation>此電腦上不顯示</translation>
    </message>
    <message id="alert.silenced">
        <source>No alert</source>
        <translation>不提醒</translation>
    </message>
    <message id="row.a11y.alert">
        <source>Alert: %1</source>
        <translation>提醒：%1</translation>
    </message>
    <message id="form.tags">
        <source>Tags</source>
        <translation>標籤</translation>
    </message>
    <message id="form.tags.placeholder">
        <source>Tags, separated by commas</source>
        <translation>標籤，以逗號分隔</translation>
    </message>
    <message id="row.a11y.tags">
        <source>Tags: %1</source>
        <translation>標籤：%1</translation>
    </message>
    <message id="alert.minutesBefore" numerus="yes">
        <source>%n minutes before</source>
        <translation>
            <numerusform>提前 %n 分鐘</numerusform>
        </translation>
    </message>
    <message id="alert.hoursBefore" numerus="yes">
        <source>%n hours before</source>
        <translation>
            <numerusform>提前 %n 小時</numerusform>
        </translation>
    </message>
    <message id="alert.daysBefore" numerus="yes">
        <source>%n days before</source>
        <translation>
            <numerusform>提前 %n 天</numerusform>
        </translation>
    </message>
    <message id="alert.minutesAfter" numerus="yes">
        <source>%n minutes after</source>
        <translation>
            <numerusform>%n 分鐘後</numerusform>
        </translation>
    </message>
    <message id="alert.hoursAfter" numerus="yes">
        <source>%n hours after</source>
        <translation>
            <numerusform>%n 小時後</numerusform>
        </translation>
    </message>
    <message id="alert.daysAfter" numerus="yes">
        <source>%n days after</source>
        <translation>
            <numerusform>%n 天後</numerusform>
        </translation>
    </message>
    <message id="alert.more" numerus="yes">
        <source>+%n more</source>
        <translation>
            <numerusform>另有 %n 個</numerusform>
        </translation>
    </message>
    <message id="alert.repeats" numerus="yes">
        <source>repeats %n times</source>
        <translation>
            <numerusform>重複 %n 次</numerusform>
        </translation>
    </message>
    <message id="tags.more" numerus="yes">
        <source>+%n</source>
        <translation>
            <numerusform>+%n</numerusform>
        </translation>
    </message>
    <!-- Completed reminders -->
    <message id="menu.more">
        <source>More</source>
        <translation>更多</translation>
    </message>
    <message id="menu.showCompleted">
        <source>Show Completed</source>
        <translation>顯示已完成</translation>
    </message>
    <message id="button.markNotCompleted">
        <source>Mark as Not Completed</source>
        <translation>標示為未完成</translation>
    </message>
    <message id="completed.today">
        <source>Completed today, %1</source>
        <translation>今天完成，%1</translation>
    </message>
    <message id="completed.yesterday">
        <source>Completed yesterday, %1</source>
        <translation>昨天完成，%1</translation>
    </message>
    <message id="completed.onDate">
        <source>Completed %1</source>
        <translation>完成於 %1</translation>
    </message>
    <message id="completed.a11y.check">
        <source>Mark “%1” as not completed</source>
        <translation>將「%1」標示為未完成</translation>
    </message>
    <message id="undo.reopenFailed">
        <source>Could not mark “%1” as not completed: %2</source>
        <translation>無法將「%1」標示為未完成：%2</translation>
    </message>
    <message id="twoDevices.badge">
        <source>Changed on two devices; the menu shows the other version</source>
        <translation>已在兩部裝置上變更；選單中可查看另一個版本</translation>
    </message>
    <message id="twoDevices.menu">
        <source>Changed on Two Devices</source>
        <translation>已在兩部裝置上變更</translation>
    </message>
    <message id="twoDevices.other">
        <source>Other version: %1</source>
        <translation>另一個版本：%1</translation>
    </message>
    <message id="twoDevices.otherNotes">
        <source>Notes: %1</source>
        <translation>備註：%1</translation>
    </message>
    <message id="twoDevices.otherCompleted">
        <source>Completed there</source>
        <translation>在那裡已完成</translation>
    </message>
    <message id="twoDevices.otherOpen">
        <source>Not completed there</source>
        <translation>在那裡未完成</translation>
    </message>
    <message id="twoDevices.keepThis">
        <source>Keep This Version</source>
        <translation>保留此版本</translation>
    </message>
    <message id="twoDevices.useOther">
        <source>Use the Other Version</source>
        <translation>使用另一個版本</translation>
    </message>
    <message id="twoDevices.failed">
        <source>Could not change “%1”: %2</source>
        <translation>無法變更「%1」：%2</translation>
    </message>
    <message id="sync.lists.exists">
        <source>“%1” is on the server already; it is ticked now.</source>
        <translation>「%1」已在伺服器上，現已勾選。</translation>
    </message>
    <message id="sync.browser.button">
        <source>Sign In with Browser…</source>
        <translation>使用瀏覽器登入…</translation>
    </message>
    <message id="sync.browser.starting">
        <source>Asking the server for a sign-in page…</source>
        <translation>正在向伺服器要求登入頁面…</translation>
    </message>
    <message id="sync.browser.waiting">
        <source>Finish signing in in your browser. If no browser opened, go to %1</source>
        <translation>請在瀏覽器中完成登入。如果沒有開啟瀏覽器，請前往 %1</translation>
    </message>
    <message id="sync.browser.failed">
        <source>The server did not start a sign-in in the browser. Sign in with your user name and an app password instead.</source>
        <translation>伺服器未啟動瀏覽器登入。請改用使用者名稱和 App 專用密碼登入。</translation>
    </message>
    <message id="sync.browser.timedOut">
        <source>The sign-in in the browser was not finished. Try again, or sign in with your user name and an app password.</source>
        <translation>瀏覽器登入未完成。請再試一次，或使用使用者名稱和 App 專用密碼登入。</translation>
    </message>
</context>
</TS>
