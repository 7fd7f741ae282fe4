<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name></name>
    <message id="TolvikReminder">
        <source>TolvikReminder</source>
        <translation>TolvikReminder</translation>
    </message>
    <message id="appTheme.day">
        <source>Light</source>
        <translation>浅色</translation>
    </message>
    <message id="appTheme.night">
        <source>Dark</source>
        <translation>深色</translation>
    </message>
    <message id="appTheme.system">
        <source>System</source>
        <translation>跟随系统</translation>
    </message>
    <message id="button.add">
        <source>Add</source>
        <translation>添加</translation>
    </message>
    <message id="button.cancel">
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message id="button.clear">
        <source>Deselect All</source>
        <translation>取消全选</translation>
    </message>
    <message id="button.complete">
        <source>Mark as Completed</source>
        <translation>标记为已完成</translation>
    </message>
    <message id="button.delete">
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message id="button.edit">
        <source>Edit…</source>
        <translation>编辑…</translation>
    </message>
    <message id="button.grantPermission">
        <source>Grant Access</source>
        <translation>授予访问权限</translation>
    </message>
    <message id="button.openSystemSettings">
        <source>Open Reminders Folder</source>
        <translation>打开提醒事项文件夹</translation>
    </message>
    <message id="button.save">
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message id="button.selectAll">
        <source>Select All</source>
        <translation>全选</translation>
    </message>
    <message id="color.red">
        <source>Red</source>
        <translation>红色</translation>
    </message>
    <message id="color.orange">
        <source>Orange</source>
        <translation>橙色</translation>
    </message>
    <message id="color.yellow">
        <source>Yellow</source>
        <translation>黄色</translation>
    </message>
    <message id="color.green">
        <source>Green</source>
        <translation>绿色</translation>
    </message>
    <message id="color.teal">
        <source>Teal</source>
        <translation>青色</translation>
    </message>
    <message id="color.blue">
        <source>Blue</source>
        <translation>蓝色</translation>
    </message>
    <message id="color.indigo">
        <source>Indigo</source>
        <translation>靛蓝色</translation>
    </message>
    <message id="color.purple">
        <source>Purple</source>
        <translation>紫色</translation>
    </message>
    <message id="color.pink">
        <source>Pink</source>
        <translation>粉色</translation>
    </message>
    <message id="color.brown">
        <source>Brown</source>
        <translation>棕色</translation>
    </message>
    <message id="color.olive">
        <source>Olive</source>
        <translation>橄榄绿</translation>
    </message>
    <message id="color.grey">
        <source>Grey</source>
        <translation>灰色</translation>
    </message>
    <message id="footer.quit">
        <source>Quit</source>
        <translation>退出</translation>
    </message>
    <message id="footer.settings">
        <source>Settings</source>
        <translation>设置</translation>
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
        <translation>备注</translation>
    </message>
    <message id="form.priority">
        <source>Priority</source>
        <translation>优先级</translation>
    </message>
    <message id="form.recurrence">
        <source>Repeat</source>
        <translation>重复</translation>
    </message>
    <message id="form.setDueDate">
        <source>Set a due date</source>
        <translation>设置截止日期</translation>
    </message>
    <message id="form.timeLabel">
        <source>Time</source>
        <translation>时间</translation>
    </message>
    <message id="form.title">
        <source>Title</source>
        <translation>标题</translation>
    </message>
    <message id="help.addReminder">
        <source>Add a reminder to this list</source>
        <translation>向此列表添加提醒事项</translation>
    </message>
    <message id="help.quitApp">
        <source>Quit TolvikReminder</source>
        <translation>退出 TolvikReminder</translation>
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
        <translation>跟随系统</translation>
    </message>
    <message id="menuSize.compact">
        <source>Compact</source>
        <translation>紧凑</translation>
    </message>
    <message id="menuSize.dimensions">
        <source>%1 px wide, as tall as the reminders need</source>
        <translation>宽 %1 像素，高度随提醒事项而定</translation>
    </message>
    <message id="menuSize.roomy">
        <source>Roomy</source>
        <translation>宽敞</translation>
    </message>
    <message id="menuSize.standard">
        <source>Standard</source>
        <translation>标准</translation>
    </message>
    <message id="placeholder.allCaughtUpMessage">
        <source>Your selected lists have no open reminders right now.</source>
        <translation>所选列表中暂时没有未完成的提醒事项。</translation>
    </message>
    <message id="placeholder.allCaughtUpTitle">
        <source>All Caught Up</source>
        <translation>全部完成</translation>
    </message>
    <message id="placeholder.noListsMessage">
        <source>Open Settings and choose the lists you want to see here.</source>
        <translation>打开设置，选择要在此处显示的列表。</translation>
    </message>
    <message id="placeholder.noListsTitle">
        <source>No Lists Selected</source>
        <translation>未选择列表</translation>
    </message>
    <message id="placeholder.permissionRequiredMessage">
        <source>TolvikReminder does not have read and write access to the folder that holds your reminders. Check the folder’s permissions, then open this panel again.</source>
        <translation>TolvikReminder 无法读写存放提醒事项的文件夹。请检查该文件夹的权限，然后重新打开此面板。</translation>
    </message>
    <message id="placeholder.permissionRequiredTitle">
        <source>No Access to Reminders</source>
        <translation>无法访问提醒事项</translation>
    </message>
    <message id="placeholder.readAccessMessage">
        <source>TolvikReminder can add reminders but cannot read them. Allow read access to the reminders folder to see your lists.</source>
        <translation>TolvikReminder 可以添加提醒事项，但无法读取。请允许读取提醒事项文件夹，以便查看你的列表。</translation>
    </message>
    <message id="placeholder.readAccessTitle">
        <source>Read Access Needed</source>
        <translation>需要读取权限</translation>
    </message>
    <message id="placeholder.requestAccessMessage">
        <source>TolvikReminder keeps your reminders in standard iCalendar files on this computer. Grant access to set up the reminders folder and show your lists.</source>
        <translation>TolvikReminder 将提醒事项保存在本机的标准 iCalendar 文件中。授予访问权限后，即可创建提醒事项文件夹并显示你的列表。</translation>
    </message>
    <message id="placeholder.requestAccessTitle">
        <source>Allow Access to Reminders</source>
        <translation>允许访问提醒事项</translation>
    </message>
    <message id="priority.none">
        <source>None</source>
        <translation>无</translation>
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
            <numerusform>每 %n 周</numerusform>
        </translation>
    </message>
    <message id="recurrence.everyMonths" numerus="yes">
        <source>Every %n Months</source>
        <translation>
            <numerusform>每 %n 个月</numerusform>
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
        <translation>每两天</translation>
    </message>
    <message id="recurrence.everyOtherWeeks">
        <source>Every 2 Weeks</source>
        <translation>每两周</translation>
    </message>
    <message id="recurrence.everyOtherMonths">
        <source>Every 2 Months</source>
        <translation>每两个月</translation>
    </message>
    <message id="recurrence.everyOtherYears">
        <source>Every 2 Years</source>
        <translation>每两年</translation>
    </message>
    <message id="recurrence.onWeekdays">
        <source>%1 on %2</source>
        <translation>%1的%2</translation>
    </message>
    <message id="recurrence.weekdays">
        <source>Weekdays</source>
        <translation>周一至周五</translation>
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
        <translation>每周</translation>
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
        <translation>没有提醒事项</translation>
    </message>
    <message id="settings.about.description">
        <source>TolvikReminder keeps your open reminders one click away in the system tray. It stores them as standard iCalendar files that other calendar and task apps can read too, so a CalDAV sync tool can keep them in step with your phone and your server.</source>
        <translation>TolvikReminder 让未完成的提醒事项常驻系统托盘，一键即可查看。它以标准 iCalendar 文件保存提醒事项，其他日历和待办应用也能读取；借助 CalDAV 同步工具，还能与手机和服务器保持同步。</translation>
    </message>
    <message id="settings.about.developer">
        <source>Developed by</source>
        <translation>开发者</translation>
    </message>
    <message id="settings.about.developerName">
        <source>The Tolvik Project</source>
        <translation>Tolvik 项目</translation>
    </message>
    <message id="settings.about.version">
        <source>Version %1 (%2)</source>
        <translation>版本 %1（%2）</translation>
    </message>
    <message id="settings.accounts.empty">
        <source>No accounts found.</source>
        <translation>未找到账户。</translation>
    </message>
    <message id="settings.accounts.noneTicked">
        <source>No account is ticked, so the lists of every account are offered. Tick accounts to offer only their lists.</source>
        <translation>未勾选任何账户，因此会列出所有账户的列表。勾选账户即可只列出这些账户的列表。</translation>
    </message>
    <message id="settings.accounts.section">
        <source>Accounts</source>
        <translation>账户</translation>
    </message>
    <message id="settings.general.autoRefresh">
        <source>Refresh automatically</source>
        <translation>自动刷新</translation>
    </message>
    <message id="settings.general.autoRefreshNote">
        <source>Updates the panel as soon as reminders change in another app or through sync.</source>
        <translation>当提醒事项在其他应用中或经同步发生变化时，立即更新面板。</translation>
    </message>
    <message id="settings.general.launch">
        <source>Start at login</source>
        <translation>登录时启动</translation>
    </message>
    <message id="settings.general.section">
        <source>General</source>
        <translation>通用</translation>
    </message>
    <message id="settings.language.picker">
        <source>Interface language</source>
        <translation>界面语言</translation>
    </message>
    <message id="settings.language.section">
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message id="settings.launchError">
        <source>Could not change “Start at login”: %1</source>
        <translation>无法更改“登录时启动”设置：%1</translation>
    </message>
    <message id="settings.lists.empty">
        <source>No lists to show.</source>
        <translation>没有可显示的列表。</translation>
    </message>
    <message id="settings.lists.section">
        <source>Lists</source>
        <translation>列表</translation>
    </message>
    <message id="settings.menuSize.current">
        <source>Current size: %1 (%2)</source>
        <translation>当前大小：%1（%2）</translation>
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
        <translation>关于</translation>
    </message>
    <message id="settings.tab.appearance">
        <source>Appearance</source>
        <translation>外观</translation>
    </message>
    <message id="settings.tab.general">
        <source>General</source>
        <translation>通用</translation>
    </message>
    <message id="settings.theme.note">
        <source>“System” follows the light or dark mode of your desktop.</source>
        <translation>“跟随系统”会随桌面的浅色或深色模式自动切换。</translation>
    </message>
    <message id="settings.theme.picker">
        <source>Mode</source>
        <translation>模式</translation>
    </message>
    <message id="settings.theme.section">
        <source>Theme</source>
        <translation>主题</translation>
    </message>
    <message id="settings.timeframe.1month">
        <source>1 month</source>
        <translation>1 个月</translation>
    </message>
    <message id="settings.timeframe.1year">
        <source>1 year</source>
        <translation>1 年</translation>
    </message>
    <message id="settings.timeframe.3months">
        <source>3 months</source>
        <translation>3 个月</translation>
    </message>
    <message id="settings.timeframe.6months">
        <source>6 months</source>
        <translation>6 个月</translation>
    </message>
    <message id="settings.timeframe.label">
        <source>Timeframe</source>
        <translation>时间范围</translation>
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
        <translation>标准（透明度较低）</translation>
    </message>
    <message id="settings.window.title">
        <source>TolvikReminder Settings</source>
        <translation>TolvikReminder 设置</translation>
    </message>
    <message id="summary.count" numerus="yes">
        <source>%n open reminders</source>
        <translation>
            <numerusform>%n 个未完成的提醒事项</numerusform>
        </translation>
    </message>
    <message id="summary.zero">
        <source>No open reminders</source>
        <translation>没有未完成的提醒事项</translation>
    </message>
    <!-- Alarms and desktop notifications -->
    <message id="alarms.action.complete">
        <source>Complete</source>
        <translation>完成</translation>
    </message>
    <message id="alarms.action.open">
        <source>Show</source>
        <translation>显示</translation>
    </message>
    <message id="alarms.action.snooze">
        <source>Snooze 10 min</source>
        <translation>10 分钟后提醒</translation>
    </message>
    <message id="alarms.action.snoozeHour">
        <source>Snooze 1 hour</source>
        <translation>1 小时后提醒</translation>
    </message>
    <message id="alarms.error">
        <source>Could not update “%1”</source>
        <translation>无法更新“%1”</translation>
    </message>
    <message id="alarms.notification.due">
        <source>Due: %1</source>
        <translation>截止：%1</translation>
    </message>
    <message id="alarms.notification.group" numerus="yes">
        <source>%n reminders are due</source>
        <translation>
            <numerusform>%n 个提醒事项已到期</numerusform>
        </translation>
    </message>
    <message id="alarms.notification.more" numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>还有 %n 个</numerusform>
        </translation>
    </message>
    <message id="settings.general.allDayTime">
        <source>All-day reminders at</source>
        <translation>全天提醒事项的提醒时间</translation>
    </message>
    <message id="settings.general.notify">
        <source>Notify when reminders are due</source>
        <translation>提醒事项到期时发送通知</translation>
    </message>
    <!-- Command line, list management and undo -->
    <message id="cli.usage">
        <source>Usage: %1 [--help | --version | --quick-add]</source>
        <translation>用法：%1 [--help | --version | --quick-add]</translation>
    </message>
    <message id="cli.description">
        <source>Shows your open reminders from the tray. Choose lists, timeframe and everything else in its settings window.</source>
        <translation>在托盘中显示未完成的提醒事项。列表、时间范围及其他选项均在设置窗口中选择。</translation>
    </message>
    <message id="cli.option.help">
        <source>Print this help and exit</source>
        <translation>显示此帮助并退出</translation>
    </message>
    <message id="cli.option.version">
        <source>Print the version and exit</source>
        <translation>显示版本并退出</translation>
    </message>
    <message id="cli.version">
        <source>TolvikReminder %1 (build %2)</source>
        <translation>TolvikReminder %1（内部版本 %2）</translation>
    </message>
    <message id="cli.unknownArgument">
        <source>Unknown argument “%1”. Try “%2 --help”.</source>
        <translation>未知参数“%1”。请尝试“%2 --help”。</translation>
    </message>
    <!-- Panel: keyboard use, accessibility, tray menu and form errors -->
    <message id="panel.a11y.addReminderTo">
        <source>Add reminder to %1</source>
        <translation>添加提醒事项到“%1”</translation>
    </message>
    <message id="panel.a11y.rowDue">
        <source>Due %1</source>
        <translation>截止时间 %1</translation>
    </message>
    <message id="panel.a11y.rowNoDue">
        <source>No due date</source>
        <translation>无截止日期</translation>
    </message>
    <message id="panel.a11y.rowOverdue">
        <source>Overdue</source>
        <translation>已逾期</translation>
    </message>
    <message id="panel.a11y.rowPriority">
        <source>Priority: %1</source>
        <translation>优先级：%1</translation>
    </message>
    <message id="panel.a11y.rowRepeat">
        <source>Repeats: %1</source>
        <translation>重复：%1</translation>
    </message>
    <message id="panel.a11y.settingsHelp">
        <source>Choose lists, appearance and language</source>
        <translation>选择列表、外观和语言</translation>
    </message>
    <message id="panel.form.saveFailed">
        <source>The reminder could not be saved.</source>
        <translation>无法保存提醒事项。</translation>
    </message>
    <message id="panel.tray.open">
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message id="panel.tray.quit">
        <source>Quit</source>
        <translation>退出</translation>
    </message>
    <message id="panel.tray.settings">
        <source>Settings…</source>
        <translation>设置…</translation>
    </message>
    <message id="button.newReminder">
        <source>New Reminder</source>
        <translation>新建提醒事项</translation>
    </message>
    <message id="button.openSettings">
        <source>Open Settings</source>
        <translation>打开设置</translation>
    </message>
    <message id="account.onThisComputer">
        <source>On this computer</source>
        <translation>本机</translation>
    </message>
    <message id="settings.lists.new">
        <source>New List…</source>
        <translation>新建列表…</translation>
    </message>
    <message id="list.more">
        <source>List actions</source>
        <translation>列表操作</translation>
    </message>
    <message id="list.rename">
        <source>Rename…</source>
        <translation>重命名…</translation>
    </message>
    <message id="list.color">
        <source>Colour</source>
        <translation>颜色</translation>
    </message>
    <message id="list.customColor">
        <source>Custom…</source>
        <translation>自定义…</translation>
    </message>
    <message id="list.delete">
        <source>Delete…</source>
        <translation>删除…</translation>
    </message>
    <message id="list.colorFailed">
        <source>The colour could not be changed: %1</source>
        <translation>无法更改颜色：%1</translation>
    </message>
    <message id="newList.title">
        <source>New List</source>
        <translation>新建列表</translation>
    </message>
    <message id="newList.name">
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message id="newList.color">
        <source>Colour</source>
        <translation>颜色</translation>
    </message>
    <message id="newList.account">
        <source>Account</source>
        <translation>账户</translation>
    </message>
    <message id="newList.create">
        <source>Create</source>
        <translation>创建</translation>
    </message>
    <message id="newList.nameTaken">
        <source>This account already has a list named “%1”.</source>
        <translation>此账户中已有名为“%1”的列表。</translation>
    </message>
    <message id="newList.failed">
        <source>The list could not be created: %1</source>
        <translation>无法创建列表：%1</translation>
    </message>
    <message id="renameList.title">
        <source>Rename List</source>
        <translation>重命名列表</translation>
    </message>
    <message id="renameList.button">
        <source>Rename</source>
        <translation>重命名</translation>
    </message>
    <message id="renameList.failed">
        <source>The list could not be renamed: %1</source>
        <translation>无法重命名列表：%1</translation>
    </message>
    <message id="deleteList.title">
        <source>Delete “%1”?</source>
        <translation>要删除“%1”吗？</translation>
    </message>
    <message id="deleteList.syncedNote">
        <source>The copy on the server is not deleted.</source>
        <translation>服务器上的副本不会被删除。</translation>
    </message>
    <message id="deleteList.failed">
        <source>The list could not be deleted: %1</source>
        <translation>无法删除列表：%1</translation>
    </message>
    <message id="deleteList.message" numerus="yes">
        <source>The list and its %n reminders move to the trash, from where your file manager can restore them.</source>
        <translation>
            <numerusform>该列表及其 %n 个提醒事项将移到回收站，你可以用文件管理器从中恢复。</numerusform>
        </translation>
    </message>
    <message id="deleteList.messageEmpty">
        <source>The list moves to the trash, from where your file manager can restore it.</source>
        <translation>该列表将移到回收站，你可以用文件管理器从中恢复。</translation>
    </message>
    <!-- Quick add -->
    <message id="quickAdd.placeholder">
        <source>New reminder, e.g. “Dentist Fri 9am”</source>
        <translation>新提醒事项，例如“周五上午9点看牙医”</translation>
    </message>
    <message id="quickAdd.list.help">
        <source>List for new reminders</source>
        <translation>新提醒事项所在的列表</translation>
    </message>
    <message id="quickAdd.list.none">
        <source>No list</source>
        <translation>无列表</translation>
    </message>
    <message id="quickAdd.chip.keep">
        <source>Keep “%1” in the title</source>
        <translation>将“%1”保留在标题中</translation>
    </message>
    <message id="quickAdd.shortcut.description">
        <source>Add a reminder with quick add</source>
        <translation>快速添加提醒事项</translation>
    </message>
    <message id="cli.option.quickAdd">
        <source>Open the quick-add field of the running app</source>
        <translation>打开正在运行的应用的快速添加栏</translation>
    </message>
    <message id="quickAdd.addError">
        <source>Could not add the reminder: %1</source>
        <translation>无法添加提醒事项：%1</translation>
    </message>
    <message id="settings.quickAdd.noShortcut">
        <source>This desktop offers no global shortcut service. To open quick add from anywhere, assign a shortcut to this command in your desktop’s keyboard settings: %1</source>
        <translation>此桌面未提供全局快捷键服务。若要在任何位置打开快速添加，请在桌面的键盘设置中为以下命令指定快捷键：%1</translation>
    </message>
    <!-- Search -->
    <message id="search.placeholder">
        <source>Search reminders</source>
        <translation>搜索提醒事项</translation>
    </message>
    <message id="search.button">
        <source>Search (Ctrl+F)</source>
        <translation>搜索 (Ctrl+F)</translation>
    </message>
    <message id="search.allLists">
        <source>All lists</source>
        <translation>所有列表</translation>
    </message>
    <message id="search.allLists.help">
        <source>Also search the lists not shown and reminders outside the timeframe</source>
        <translation>同时搜索未显示的列表和时间范围以外的提醒事项</translation>
    </message>
    <message id="search.noMatches">
        <source>No reminders match “%1”</source>
        <translation>没有与“%1”匹配的提醒事项</translation>
    </message>
    <message id="undo.completed">
        <source>Completed “%1”</source>
        <translation>已完成“%1”</translation>
    </message>
    <message id="undo.deleted">
        <source>Deleted “%1”</source>
        <translation>已删除“%1”</translation>
    </message>
    <message id="undo.button">
        <source>Undo</source>
        <translation>撤销</translation>
    </message>
    <message id="undo.tooLate">
        <source>This can no longer be undone: the reminder has been changed since.</source>
        <translation>已无法撤销：此提醒事项之后已被更改。</translation>
    </message>
    <message id="undo.failed">
        <source>Could not undo: %1</source>
        <translation>无法撤销：%1</translation>
    </message>
    <message id="undo.completeFailed">
        <source>Could not complete “%1”: %2</source>
        <translation>无法将“%1”标记为已完成：%2</translation>
    </message>
    <message id="undo.deleteFailed">
        <source>Could not delete “%1”: %2</source>
        <translation>无法删除“%1”：%2</translation>
    </message>
    <message id="sync.account.add">
        <source>Add Account…</source>
        <translation>添加账户…</translation>
    </message>
    <message id="sync.account.reviewCertificate">
        <source>Review Certificate…</source>
        <translation>检查证书…</translation>
    </message>
    <message id="sync.account.signInAgain">
        <source>Sign In Again…</source>
        <translation>重新登录…</translation>
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
        <translation>服务器地址或电子邮件</translation>
    </message>
    <message id="sync.add.back">
        <source>Back</source>
        <translation>返回</translation>
    </message>
    <message id="sync.add.continue">
        <source>Continue</source>
        <translation>继续</translation>
    </message>
    <message id="sync.add.intro">
        <source>Sync reminders with a CalDAV server, and through it with your phone. The app finds the server from its address or your email address.</source>
        <translation>与 CalDAV 服务器同步提醒事项，并通过它与手机同步。应用会根据服务器地址或你的电子邮件地址找到服务器。</translation>
    </message>
    <message id="sync.add.looking">
        <source>Looking for the server…</source>
        <translation>正在查找服务器…</translation>
    </message>
    <message id="sync.add.title">
        <source>Add Account</source>
        <translation>添加账户</translation>
    </message>
    <message id="sync.cert.advice">
        <source>Trust it only if you know this is your server's certificate, for example because you made it yourself. Checking stays on for every other certificate.</source>
        <translation>只有在确定这是你的服务器的证书时（例如证书由你自己创建）才信任它。其他所有证书仍会照常检查。</translation>
    </message>
    <message id="sync.cert.changed">
        <source>The server now shows a different certificate from the one you trusted. Sync has stopped until you decide.</source>
        <translation>服务器现在出示的证书与你信任的证书不同。在你做出决定之前，同步已停止。</translation>
    </message>
    <message id="sync.cert.fingerprint">
        <source>SHA-256 fingerprint:</source>
        <translation>SHA-256 指纹：</translation>
    </message>
    <message id="sync.cert.intro">
        <source>This computer does not trust the server's certificate.</source>
        <translation>此电脑不信任该服务器的证书。</translation>
    </message>
    <message id="sync.cert.issuer">
        <source>Issued by:</source>
        <translation>颁发者：</translation>
    </message>
    <message id="sync.cert.reason">
        <source>Reason:</source>
        <translation>原因：</translation>
    </message>
    <message id="sync.cert.subject">
        <source>Issued to:</source>
        <translation>颁发给：</translation>
    </message>
    <message id="sync.cert.trust">
        <source>Trust This Certificate</source>
        <translation>信任此证书</translation>
    </message>
    <message id="sync.cert.valid">
        <source>Valid:</source>
        <translation>有效期：</translation>
    </message>
    <message id="sync.cert.validRange">
        <source>%1 to %2</source>
        <translation>%1 至 %2</translation>
    </message>
    <message id="sync.footer.offline" numerus="yes">
        <source>Offline: %n changes wait</source>
        <translation>
            <numerusform>离线：%n 项更改等待同步</numerusform>
        </translation>
    </message>
    <message id="sync.footer.problem">
        <source>Sync needs attention: see Settings</source>
        <translation>同步需要处理：请查看设置</translation>
    </message>
    <message id="sync.keyring.fileFailed">
        <source>The password could not be saved: %1</source>
        <translation>无法保存密码：%1</translation>
    </message>
    <message id="sync.keyring.missing">
        <source>No keyring answered, so the password cannot be kept safely (%1). You can start a keyring (for example GNOME Keyring or KWallet) and try again, or keep the password in a file that only you can read. Anyone with access to your user account could read that file.</source>
        <translation>没有密钥环响应，因此无法安全地保存密码（%1）。你可以启动一个密钥环（例如 GNOME 密钥环或 KWallet）后重试，或者将密码保存在只有你能读取的文件中。能访问你的用户账户的任何人都能读取该文件。</translation>
    </message>
    <message id="sync.keyring.missingShort">
        <source>No keyring answered, so the password was not saved. Start a keyring and try again.</source>
        <translation>没有密钥环响应，因此密码未保存。请启动密钥环后重试。</translation>
    </message>
    <message id="sync.keyring.title">
        <source>No Keyring</source>
        <translation>没有密钥环</translation>
    </message>
    <message id="sync.keyring.useFile">
        <source>Keep in a File Only I Can Read</source>
        <translation>保存在只有我能读取的文件中</translation>
    </message>
    <message id="sync.lists.chooseOne">
        <source>Choose at least one list.</source>
        <translation>请至少选择一个列表。</translation>
    </message>
    <message id="sync.lists.finish">
        <source>Add Account</source>
        <translation>添加账户</translation>
    </message>
    <message id="sync.lists.intro">
        <source>Choose the lists to sync with this computer:</source>
        <translation>选择要与此电脑同步的列表：</translation>
    </message>
    <message id="sync.lists.makeFailed">
        <source>The server did not make the list.</source>
        <translation>服务器未能创建该列表。</translation>
    </message>
    <message id="sync.lists.making">
        <source>Making the list on the server…</source>
        <translation>正在服务器上创建列表…</translation>
    </message>
    <message id="sync.lists.new">
        <source>New List on the Server…</source>
        <translation>在服务器上新建列表…</translation>
    </message>
    <message id="sync.lists.newName">
        <source>Name of the new list:</source>
        <translation>新列表的名称：</translation>
    </message>
    <message id="sync.lists.none">
        <source>This account has no lists for reminders yet. Make one on the server:</source>
        <translation>此账户还没有用于提醒事项的列表。请在服务器上创建一个：</translation>
    </message>
    <message id="sync.lists.readOnly">
        <source>read-only</source>
        <translation>只读</translation>
    </message>
    <message id="sync.lists.saving">
        <source>Saving the account…</source>
        <translation>正在保存账户…</translation>
    </message>
    <message id="sync.problem.certificate">
        <source>This computer does not trust the server's certificate.</source>
        <translation>此电脑不信任该服务器的证书。</translation>
    </message>
    <message id="sync.problem.certificateChanged">
        <source>The server's certificate changed. Review it before sync goes on.</source>
        <translation>服务器的证书已更改。请先检查证书，然后同步才会继续。</translation>
    </message>
    <message id="sync.problem.conflicts">
        <source>Some reminders changed on two devices. Both versions are kept; sync goes on.</source>
        <translation>有些提醒事项在两台设备上都被更改。两个版本都已保留，同步继续进行。</translation>
    </message>
    <message id="sync.problem.engineMissing">
        <source>Sync needs vdirsyncer. Install it (Debian package vdirsyncer) and sync again.</source>
        <translation>同步需要 vdirsyncer。请安装它（Debian 软件包 vdirsyncer）后再同步。</translation>
    </message>
    <message id="sync.problem.hostNotFound">
        <source>No server with this name was found. Check the address.</source>
        <translation>找不到使用此名称的服务器。请检查地址。</translation>
    </message>
    <message id="sync.problem.keyring">
        <source>The keyring is locked or did not answer. Unlock it, then sync again.</source>
        <translation>密钥环已锁定或没有响应。请解锁后再同步。</translation>
    </message>
    <message id="sync.problem.listGone">
        <source>The list “%1” is no longer on the server. Your reminders in it stay on this computer.</source>
        <translation>服务器上已没有列表“%1”。其中的提醒事项仍保留在此电脑上。</translation>
    </message>
    <message id="sync.problem.noCalDav">
        <source>No calendar server answered at this address. Check the address, or ask your provider for the CalDAV address.</source>
        <translation>此地址没有日历服务器响应。请检查地址，或向服务提供商询问 CalDAV 地址。</translation>
    </message>
    <message id="sync.problem.offline" numerus="yes">
        <source>Offline: %n changes wait and sync when the network is back.</source>
        <translation>
            <numerusform>离线：%n 项更改正在等待，网络恢复后会同步。</numerusform>
        </translation>
    </message>
    <message id="sync.problem.serverEmptied">
        <source>The server shows the list “%1” as empty. Nothing was deleted here; check the server before syncing this list again.</source>
        <translation>服务器显示列表“%1”为空。此处没有删除任何内容；请先检查服务器，然后再同步此列表。</translation>
    </message>
    <message id="sync.problem.serverTrouble">
        <source>The server has trouble right now. Nothing was deleted; sync tries again later.</source>
        <translation>服务器当前出现问题。没有删除任何内容；稍后会再次尝试同步。</translation>
    </message>
    <message id="sync.problem.signInAgain">
        <source>The server did not accept the password. Sign in again.</source>
        <translation>服务器不接受该密码。请重新登录。</translation>
    </message>
    <message id="sync.problem.signInRejected">
        <source>The user name or password is wrong. With two-factor authentication, use an app password.</source>
        <translation>用户名或密码错误。如果启用了双重验证，请使用应用专用密码。</translation>
    </message>
    <message id="sync.problem.timedOut">
        <source>The server took too long to answer. Sync tries again later.</source>
        <translation>服务器响应时间过长。稍后会再次尝试同步。</translation>
    </message>
    <message id="sync.problem.unknown">
        <source>Sync did not finish. Nothing was deleted; sync tries again later.</source>
        <translation>同步未完成。没有删除任何内容；稍后会再次尝试。</translation>
    </message>
    <message id="sync.problem.unreachable">
        <source>The server cannot be reached. Check the network or whether the server is running.</source>
        <translation>无法连接到服务器。请检查网络或服务器是否正在运行。</translation>
    </message>
    <message id="sync.signIn.appPasswordNote">
        <source>If two-factor authentication is on for this account, use an app password made in the server's settings.</source>
        <translation>如果此账户启用了双重验证，请使用在服务器设置中创建的应用专用密码。</translation>
    </message>
    <message id="sync.signIn.busy">
        <source>Signing in…</source>
        <translation>正在登录…</translation>
    </message>
    <message id="sync.signIn.button">
        <source>Sign In</source>
        <translation>登录</translation>
    </message>
    <message id="sync.signIn.password">
        <source>Password:</source>
        <translation>密码：</translation>
    </message>
    <message id="sync.signIn.server">
        <source>Sign in to %1</source>
        <translation>登录到 %1</translation>
    </message>
    <message id="sync.signIn.user">
        <source>User name:</source>
        <translation>用户名：</translation>
    </message>
    <message id="sync.status.hoursAgo" numerus="yes">
        <source>%n hours ago</source>
        <translation>
            <numerusform>%n 小时前</numerusform>
        </translation>
    </message>
    <message id="sync.status.justNow">
        <source>just now</source>
        <translation>刚刚</translation>
    </message>
    <message id="sync.status.minutesAgo" numerus="yes">
        <source>%n minutes ago</source>
        <translation>
            <numerusform>%n 分钟前</numerusform>
        </translation>
    </message>
    <message id="sync.status.never">
        <source>Not synced yet</source>
        <translation>尚未同步</translation>
    </message>
    <message id="sync.status.onDate">
        <source>on %1</source>
        <translation>于 %1</translation>
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
            <numerusform>正在同步…已完成 %n 项更改</numerusform>
        </translation>
    </message>
    <message id="sync.notify.failing">
        <source>Sync of “%1” has not worked for a day</source>
        <translation>“%1”的同步已有一天未能完成</translation>
    </message>
    <message id="sync.account.remove">
        <source>Remove…</source>
        <translation>移除…</translation>
    </message>
    <message id="sync.account.removeFailed">
        <source>The account was removed, but its lists could not be moved to the trash; they are still on this computer.</source>
        <translation>账户已移除，但其列表无法移到回收站；它们仍在此电脑上。</translation>
    </message>
    <message id="sync.account.removeKeep">
        <source>Keep Lists Here</source>
        <translation>在此保留列表</translation>
    </message>
    <message id="sync.account.removeQuestion">
        <source>Stop syncing “%1”? Its password, settings and sync state are removed from this computer. The lists on the server stay. Keep the account's lists on this computer, or move them to the trash?</source>
        <translation>停止同步“%1”？其密码、设置和同步状态将从此电脑中移除。服务器上的列表保持不变。要在此电脑上保留该账户的列表，还是将它们移到回收站？</translation>
    </message>
    <message id="sync.account.removeTitle">
        <source>Remove Account</source>
        <translation>移除账户</translation>
    </message>
    <message id="sync.account.removeTrash">
        <source>Move Lists to Trash</source>
        <translation>将列表移到回收站</translation>
    </message>
    <message id="sync.held.wouldRemove" numerus="yes">
        <source>The server would remove %n reminders from “%1”. Nothing was deleted here: restore them on the server, or delete them here too.</source>
        <translation>
            <numerusform>服务器将从“%1”中移除 %n 条提醒。此处尚未删除任何内容：可在服务器上恢复它们，或在此处也删除它们。</numerusform>
        </translation>
    </message>
    <message id="sync.held.serverEmpty" numerus="yes">
        <source>The server shows “%1” as empty, but %n reminders are still here. Nothing was deleted: restore them on the server, or delete them here too.</source>
        <translation>
            <numerusform>服务器显示“%1”为空，但此处仍有 %n 条提醒。尚未删除任何内容：可在服务器上恢复它们，或在此处也删除它们。</numerusform>
        </translation>
    </message>
    <message id="sync.held.removed" numerus="yes">
        <source>The server removed %n reminders from “%1”. A copy from before the sync still has them: restore them, or delete them.</source>
        <translation>
            <numerusform>服务器从“%1”中移除了 %n 条提醒。同步前的副本中仍有它们：可以恢复，也可以删除。</numerusform>
        </translation>
    </message>
    <message id="sync.account.restore">
        <source>Restore</source>
        <translation>恢复</translation>
    </message>
    <message id="sync.account.deleteHeld">
        <source>Delete Them</source>
        <translation>删除它们</translation>
    </message>
    <message id="sync.account.restoreFailed">
        <source>Not every reminder could be restored. The question stays, so that you can try again.</source>
        <translation>并非所有提醒都能恢复。此问题会保留，以便您重试。</translation>
    </message>
    <message id="sync.footer.held">
        <source>Sync waits for you: reminders removed on the server</source>
        <translation>同步等待您的决定：服务器上的提醒已被移除</translation>
    </message>
    <message id="sync.problem.listNotMade">
        <source>The server did not let the app make the list “%1”. It stays on this computer and does not sync.</source>
        <translation>服务器不允许创建列表“%1”。该列表保留在此电脑上，不会同步。</translation>
    </message>
    <message id="sync.external.status">
        <source>Synced by your own vdirsyncer configuration (%1). The app leaves this folder to it and adds no second sync.</source>
        <translation>由您自己的 vdirsyncer 配置同步（%1）。应用将此文件夹交由它处理，不会再添加第二个同步。</translation>
    </message>
    <message id="subtasks.progress">
        <source>%1 of %2</source>
        <translation>已完成 %1/%2</translation>
    </message>
    <message id="subtasks.hint.missing">
        <source>Sub-task of a reminder that is missing</source>
        <translation>所属的上级提醒事项不存在</translation>
    </message>
    <message id="subtasks.hint.otherList">
        <source>Sub-task of “%1” in another list</source>
        <translation>另一个列表中“%1”的子任务</translation>
    </message>
    <message id="subtasks.hint.notShown">
        <source>Sub-task of “%1”, which is not shown</source>
        <translation>“%1”的子任务，该事项未显示</translation>
    </message>
    <message id="subtasks.hint.loop">
        <source>Its sub-task links go round in a circle</source>
        <translation>子任务的关联形成了循环</translation>
    </message>
    <message id="subtasks.a11y.fold">
        <source>Hide the sub-tasks of %1</source>
        <translation>隐藏“%1”的子任务</translation>
    </message>
    <message id="subtasks.a11y.unfold">
        <source>Show the sub-tasks of %1</source>
        <translation>显示“%1”的子任务</translation>
    </message>
    <message id="subtasks.a11y.subtaskOf">
        <source>sub-task of %1</source>
        <translation>“%1”的子任务</translation>
    </message>
    <message id="subtasks.a11y.folded">
        <source>sub-tasks hidden</source>
        <translation>子任务已隐藏</translation>
    </message>
    <message id="subtasks.menu.add">
        <source>Add Sub-task</source>
        <translation>添加子任务</translation>
    </message>
    <message id="subtasks.menu.makeSubtaskOf">
        <source>Make Sub-task of…</source>
        <translation>设为以下事项的子任务…</translation>
    </message>
    <message id="subtasks.menu.moveToTopLevel">
        <source>Move to Top Level</source>
        <translation>移到顶层</translation>
    </message>
    <message id="subtasks.question" numerus="yes">
        <source>“%1” has %n open sub-tasks. Complete them too?</source>
        <translation>
            <numerusform>“%1”还有 %n 个未完成的子任务。要一并完成吗？</numerusform>
        </translation>
    </message>
    <message id="subtasks.question.all">
        <source>Complete All</source>
        <translation>全部完成</translation>
    </message>
    <message id="subtasks.question.onlyThis">
        <source>Only This One</source>
        <translation>仅完成此项</translation>
    </message>
    <message id="subtasks.question.cancel">
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message id="subtasks.undoCompleted" numerus="yes">
        <source>Completed “%1” and %n sub-tasks</source>
        <translation>
            <numerusform>已完成“%1”及 %n 个子任务</numerusform>
        </translation>
    </message>
    <message id="form.alert">
        <source>Alert</source>
        <translation>提醒</translation>
    </message>
    <message id="alert.atDueTime">
        <source>At due time</source>
        <translation>截止时</translation>
    </message>
    <message id="alert.custom">
        <source>Custom…</source>
        <translation>自定…</translation>
    </message>
    <message id="alert.none">
        <source>None</source>
        <translation>无</translation>
    </message>
    <message id="alert.customDate">
        <source>At a date and time</source>
        <translation>在指定日期和时间</translation>
    </message>
    <message id="alert.customOffset">
        <source>Before the due time</source>
        <translation>截止前</translation>
    </message>
    <message id="alert.customKind">
        <source>Kind of custom alert</source>
        <translation>自定提醒类型</translation>
    </message>
    <message id="alert.customAmount">
        <source>How long before</source>
        <translation>提前多久</translation>
    </message>
    <message id="alert.customUnit">
        <source>Unit</source>
        <translation>单位</translation>
    </message>
    <message id="alert.unit.minutes">
        <source>minutes</source>
        <translation>分钟</translation>
    </message>
    <message id="alert.unit.hours">
        <source>hours</source>
        <translation>小时</translation>
    </message>
    <message id="alert.unit.days">
        <source>days</source>
        <translation>天</translation>
    </message>
    <message id="alert.morePreserved">
        <source>The other alerts stay as they are.</source>
        <translation>其他提醒保持不变。</translation>
    </message>
    <message id="alert.atStart">
        <source>At the start</source>
        <translation>开始时</translation>
    </message>
    <message id="alert.relativeToStart">
        <source>%1 (start)</source>
        <translation>%1（开始）</translation>
    </message>
    <message id="alert.joined">
        <source>%1, %2</source>
        <translation>%1，%2</translation>
    </message>
    <message id="alert.ownSound">
        <source>own sound</source>
        <translation>自定提示音</translation>
    </message>
    <message id="alert.notShownHere">
        <source>not shown on this computer</source>
        <translation>此电脑上不显示</translation>
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
        <translation>标签</translation>
    </message>
    <message id="form.tags.placeholder">
        <source>Tags, separated by commas</source>
        <translation>标签，用逗号分隔</translation>
    </message>
    <message id="row.a11y.tags">
        <source>Tags: %1</source>
        <translation>标签：%1</translation>
    </message>
    <message id="alert.minutesBefore" numerus="yes">
        <source>%n minutes before</source>
        <translation>
            <numerusform>提前 %n 分钟</numerusform>
        </translation>
    </message>
    <message id="alert.hoursBefore" numerus="yes">
        <source>%n hours before</source>
        <translation>
            <numerusform>提前 %n 小时</numerusform>
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
            <numerusform>%n 分钟后</numerusform>
        </translation>
    </message>
    <message id="alert.hoursAfter" numerus="yes">
        <source>%n hours after</source>
        <translation>
            <numerusform>%n 小时后</numerusform>
        </translation>
    </message>
    <message id="alert.daysAfter" numerus="yes">
        <source>%n days after</source>
        <translation>
            <numerusform>%n 天后</numerusform>
        </translation>
    </message>
    <message id="alert.more" numerus="yes">
        <source>+%n more</source>
        <translation>
            <numerusform>另有 %n 个</numerusform>
        </translation>
    </message>
    <message id="alert.repeats" numerus="yes">
        <source>repeats %n times</source>
        <translation>
            <numerusform>重复 %n 次</numerusform>
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
        <translation>显示已完成</translation>
    </message>
    <message id="button.markNotCompleted">
        <source>Mark as Not Completed</source>
        <translation>标记为未完成</translation>
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
        <translation>完成于 %1</translation>
    </message>
    <message id="completed.a11y.check">
        <source>Mark “%1” as not completed</source>
        <translation>将“%1”标记为未完成</translation>
    </message>
    <message id="undo.reopenFailed">
        <source>Could not mark “%1” as not completed: %2</source>
        <translation>无法将“%1”标记为未完成：%2</translation>
    </message>
    <message id="twoDevices.badge">
        <source>Changed on two devices; the menu shows the other version</source>
        <translation>已在两台设备上更改；菜单中可查看另一个版本</translation>
    </message>
    <message id="twoDevices.menu">
        <source>Changed on Two Devices</source>
        <translation>已在两台设备上更改</translation>
    </message>
    <message id="twoDevices.other">
        <source>Other version: %1</source>
        <translation>另一个版本：%1</translation>
    </message>
    <message id="twoDevices.otherNotes">
        <source>Notes: %1</source>
        <translation>备注：%1</translation>
    </message>
    <message id="twoDevices.otherCompleted">
        <source>Completed there</source>
        <translation>在那里已完成</translation>
    </message>
    <message id="twoDevices.otherOpen">
        <source>Not completed there</source>
        <translation>在那里未完成</translation>
    </message>
    <message id="twoDevices.keepThis">
        <source>Keep This Version</source>
        <translation>保留此版本</translation>
    </message>
    <message id="twoDevices.useOther">
        <source>Use the Other Version</source>
        <translation>使用另一个版本</translation>
    </message>
    <message id="twoDevices.failed">
        <source>Could not change “%1”: %2</source>
        <translation>无法更改“%1”：%2</translation>
    </message>
    <message id="sync.lists.exists">
        <source>“%1” is on the server already; it is ticked now.</source>
        <translation>“%1”已在服务器上，现已勾选。</translation>
    </message>
    <message id="sync.browser.button">
        <source>Sign In with Browser…</source>
        <translation>使用浏览器登录…</translation>
    </message>
    <message id="sync.browser.starting">
        <source>Asking the server for a sign-in page…</source>
        <translation>正在向服务器请求登录页面…</translation>
    </message>
    <message id="sync.browser.waiting">
        <source>Finish signing in in your browser. If no browser opened, go to %1</source>
        <translation>请在浏览器中完成登录。如果没有打开浏览器，请前往 %1</translation>
    </message>
    <message id="sync.browser.failed">
        <source>The server did not start a sign-in in the browser. Sign in with your user name and an app password instead.</source>
        <translation>服务器未启动浏览器登录。请改用用户名和应用专用密码登录。</translation>
    </message>
    <message id="sync.browser.timedOut">
        <source>The sign-in in the browser was not finished. Try again, or sign in with your user name and an app password.</source>
        <translation>浏览器登录未完成。请重试，或使用用户名和应用专用密码登录。</translation>
    </message>
</context>
</TS>
