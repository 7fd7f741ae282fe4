// Takes the README's screenshots of the panel: several lists in light and dark at each size, each placeholder, and
// two languages. Run it on an X display with a compositor (tests/app/take_screenshots.sh does that); it draws a
// desktop backdrop, opens the real panel over it, and grabs what the screen shows.
#include "FakeReminderStore.h"
#include "appearance/Preferences.h"
#include "model/RemindersViewModel.h"
#include "panel/ContentView.h"
#include "panel/PanelHeader.h"
#include "panel/PanelWindow.h"
#include "panel/QuickAddField.h"
#include "panel/ReminderListSection.h"
#include "panel/SearchBar.h"
#include "panel/UndoBar.h"
#include "rows/AlertPicker.h"
#include "rows/FormFields.h"
#include "rows/PopoverWindow.h"
#include "rows/ReminderFormView.h"
#include "rows/ReminderRow.h"
#include "settings/LaunchAtLoginManager.h"
#include "store/VdirStore.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLinearGradient>
#include <QMenu>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeEdit>

#include <cstdio>
#include <functional>

using namespace tolvik;

namespace {

/// A soft two-colour backdrop, so that the panel's translucency shows as it would over a desktop.
class Backdrop : public QWidget
{
protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        QLinearGradient gradient(rect().topLeft(), rect().bottomRight());
        gradient.setColorAt(0, QColor(0x6a, 0x8c, 0xb8));
        gradient.setColorAt(1, QColor(0xc9, 0x8f, 0x7a));
        painter.fillRect(rect(), gradient);
    }
};

void writeFile(const QString& path, const QByteArray& content)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(content);
    }
}

void writeTodo(const QString& root, const QString& list, const QString& uid, const QString& summary,
               const QStringList& lines = {})
{
    QString text = QStringLiteral("BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//screenshots//EN\r\nBEGIN:VTODO\r\n"
                                  "UID:%1\r\nDTSTAMP:20240101T000000Z\r\nSUMMARY:%2\r\n")
                       .arg(uid, summary);
    for (const QString& line : lines) {
        text += line + QStringLiteral("\r\n");
    }
    text += QStringLiteral("END:VTODO\r\nEND:VCALENDAR\r\n");
    writeFile(root + QLatin1Char('/') + list + QLatin1Char('/') + uid + QStringLiteral(".ics"), text.toUtf8());
}

QString dueIn(int days, int hour)
{
    const QDateTime when(QDate::currentDate().addDays(days), QTime(hour, 0));
    return QStringLiteral("DUE:") + when.toString(QStringLiteral("yyyyMMdd'T'HHmmss"));
}

/// Three lists in two accounts, with due dates, priorities, a repeat and notes.
void writeSampleLists(const QString& root)
{
    writeFile(root + QStringLiteral("/personal/groceries/displayname"), "Groceries");
    writeFile(root + QStringLiteral("/personal/groceries/color"), "#34C759");
    writeFile(root + QStringLiteral("/personal/home/displayname"), "Home");
    writeFile(root + QStringLiteral("/personal/home/color"), "#FF9500");
    writeFile(root + QStringLiteral("/personal/displayname"), "Personal");
    writeFile(root + QStringLiteral("/work/projects/displayname"), "Projects");
    writeFile(root + QStringLiteral("/work/projects/color"), "#0A84FF");
    writeFile(root + QStringLiteral("/work/displayname"), "Work");
    writeTodo(root, QStringLiteral("personal/groceries"), QStringLiteral("milk"), QStringLiteral("Oat milk"),
              {dueIn(0, 18), QStringLiteral("PRIORITY:1")});
    writeTodo(root, QStringLiteral("personal/groceries"), QStringLiteral("bread"), QStringLiteral("Sourdough bread"),
              {dueIn(1, 9)});
    writeTodo(root, QStringLiteral("personal/groceries"), QStringLiteral("coffee"), QStringLiteral("Coffee beans"));
    writeTodo(root, QStringLiteral("personal/home"), QStringLiteral("plants"), QStringLiteral("Water the plants"),
              {dueIn(2, 8), QStringLiteral("RRULE:FREQ=WEEKLY"), QStringLiteral("DESCRIPTION:The fern needs less")});
    writeTodo(root, QStringLiteral("work/projects"), QStringLiteral("report"), QStringLiteral("Quarterly report"),
              {dueIn(-1, 17), QStringLiteral("PRIORITY:5")});
    writeTodo(root, QStringLiteral("work/projects"), QStringLiteral("review"), QStringLiteral("Review the design"),
              {dueIn(5, 11), QStringLiteral("PRIORITY:9")});
    // Due all day, as todoman writes it: shown as the date alone.
    writeTodo(
        root, QStringLiteral("personal/home"), QStringLiteral("dentist"), QStringLiteral("Dentist"),
        {QStringLiteral("DUE;VALUE=DATE:") + QDate::currentDate().addDays(3).toString(QStringLiteral("yyyyMMdd"))});
}

/// Alerts and tags on the groceries, as a phone writes them: the first rows show a bell and chips.
void writeAlertsAndTags(const QString& root)
{
    const QString groceries = QStringLiteral("personal/groceries");
    const QStringList alarm{QStringLiteral("BEGIN:VALARM"), QStringLiteral("ACTION:DISPLAY"),
                            QStringLiteral("DESCRIPTION:Oat milk"), QStringLiteral("TRIGGER;RELATED=END:-PT30M"),
                            QStringLiteral("END:VALARM")};
    writeTodo(root, groceries, QStringLiteral("milk"), QStringLiteral("Oat milk"),
              QStringList{dueIn(0, 18), QStringLiteral("PRIORITY:1"), QStringLiteral("CATEGORIES:Shop,Weekly")} +
                  alarm);
    writeTodo(root, groceries, QStringLiteral("bread"), QStringLiteral("Sourdough bread"),
              QStringList{dueIn(1, 9), QStringLiteral("CATEGORIES:Bakery,Errands\\, town,Weekend")} + alarm +
                  QStringList{QStringLiteral("BEGIN:VALARM"), QStringLiteral("ACTION:DISPLAY"),
                              QStringLiteral("TRIGGER;RELATED=END:-P1D"), QStringLiteral("END:VALARM")});
    writeTodo(root, groceries, QStringLiteral("coffee"), QStringLiteral("Coffee beans"),
              {dueIn(2, 10), QStringLiteral("X-TOLVIK-ALERT:NONE")});
}

/// More reminders than a compact panel holds, so that it is cut mid-row.
void writeManyReminders(const QString& root)
{
    for (int number = 1; number <= 12; ++number) {
        writeTodo(root, QStringLiteral("personal/home"), QStringLiteral("chore%1").arg(number),
                  QStringLiteral("Chore number %1").arg(number), {dueIn(number, 10)});
    }
}

/// A reminder with sub-tasks, one of them done yesterday and one with a sub-task of its own.
void writeSubtasks(const QString& root)
{
    const QString home = QStringLiteral("personal/home");
    const QString under = QStringLiteral("RELATED-TO;RELTYPE=PARENT:");
    writeTodo(root, home, QStringLiteral("paint"), QStringLiteral("Paint the bedroom"), {dueIn(4, 10)});
    writeTodo(root, home, QStringLiteral("tape"), QStringLiteral("Tape the edges"), {under + QStringLiteral("paint")});
    writeTodo(root, home, QStringLiteral("bed"), QStringLiteral("Move the bed"), {under + QStringLiteral("paint")});
    writeTodo(root, home, QStringLiteral("sam"), QStringLiteral("Ask Sam to help"), {under + QStringLiteral("bed")});
    const QString yesterday =
        QDateTime::currentDateTimeUtc().addDays(-1).toString(QStringLiteral("yyyyMMdd'T'HHmmss'Z'"));
    writeTodo(root, home, QStringLiteral("paintpot"), QStringLiteral("Buy paint"),
              {under + QStringLiteral("paint"), QStringLiteral("STATUS:COMPLETED"),
               QStringLiteral("COMPLETED:") + yesterday});
    // Its parent lives in another list: shown at the top level with a hint.
    writeTodo(root, QStringLiteral("personal/groceries"), QStringLiteral("rollers"), QStringLiteral("Paint rollers"),
              {under + QStringLiteral("paint")});
}

/// Groceries bought this morning and yesterday, for the completed rows under the open ones.
void writeCompleted(const QString& root)
{
    const QString groceries = QStringLiteral("personal/groceries");
    const auto completedAt = [](const QDateTime& when) {
        return QStringList{QStringLiteral("STATUS:COMPLETED"), QStringLiteral("PERCENT-COMPLETE:100"),
                           QStringLiteral("COMPLETED:") +
                               when.toUTC().toString(QStringLiteral("yyyyMMdd'T'HHmmss'Z'"))};
    };
    writeTodo(root, groceries, QStringLiteral("apples"), QStringLiteral("Apples"),
              completedAt(QDateTime(QDate::currentDate(), QTime(8, 15))));
    writeTodo(root, groceries, QStringLiteral("butter"), QStringLiteral("Butter"),
              completedAt(QDateTime(QDate::currentDate().addDays(-1), QTime(17, 40))));
    writeTodo(root, groceries, QStringLiteral("flour"), QStringLiteral("Flour"),
              completedAt(QDateTime(QDate::currentDate().addDays(-3), QTime(12, 5))));
}

struct Shot
{
    QString name;
    QMap<QString, QString> preferences;
    /// Makes the store; nullptr means the real store over the sample folders.
    std::function<ReminderStore*()> fakeStore;
    /// Adds to the sample folders before the model reads them.
    std::function<void(const QString& root)> prepare = {};
    /// Acts on the open panel before the picture is taken; returns what else must be in the picture.
    std::function<QRect(PanelWindow& panel, const QString& root)> stage = {};
    /// Typed into the quick-add field before the picture is taken.
    QString quickAddText = {};
};

QList<ReminderRow*> rowsOf(PanelWindow& panel)
{
    QList<ReminderRow*> rows;
    for (ReminderListSection* section : panel.contentView()->sections()) {
        rows.append(section->rows());
    }
    return rows;
}

void pressKey(QWidget* target, int key)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(target, &press);
}

/// A list whose name is 60 letters long, holding a reminder whose title is 200 characters without a space.
void writeLongNames(const QString& root)
{
    writeFile(root + QStringLiteral("/personal/long/displayname"),
              "Renovation of the summer house by the lake, second floor plan");
    writeTodo(root, QStringLiteral("personal/long"), QStringLiteral("url"),
              QStringLiteral("https://example.org/") + QStringLiteral("abcdefghij").repeated(18),
              {dueIn(3, 10), QStringLiteral("PRIORITY:1")});
}

/// Opens the first list's add form, types a title and submits it into a folder that cannot be written.
QRect showAddError(PanelWindow& panel, const QString& root)
{
    QPointer<ReminderListSection> section = panel.contentView()->sections().value(0);
    if (section == nullptr) {
        return {};
    }
    section->beginAdd();
    QTest::qWait(300);
    section->addForm()->titleField()->setText(QStringLiteral("Important thing I must not lose"));
    const QString folder = root + QLatin1Char('/') + section->list().id;
    QDir().rename(folder, folder + QStringLiteral(".aside"));
    writeFile(folder, "not a folder");
    section->addForm()->submitButton()->click();
    if (!QTest::qWaitFor([section] { return !section->addForm()->errorText().isEmpty(); }, 5000)) {
        std::fprintf(stderr, "the add form showed no error\n");
    }
    QTest::qWait(300);
    return section != nullptr ? section->addPopover()->geometry() : QRect();
}

QRect openContextMenu(PanelWindow& panel, const QString&)
{
    const QList<ReminderRow*> rows = rowsOf(panel);
    if (rows.size() < 2) {
        return {};
    }
    ReminderRow* row = rows.at(1);
    row->openContextMenu(row->mapToGlobal(QPoint(row->width() / 3, row->height() / 2)));
    QTest::qWait(400);
    QWidget* menu = QApplication::activePopupWidget();
    return menu != nullptr ? menu->geometry() : QRect();
}

/// Opens the search and types `text`, widened to every list and the whole timeframe when `wide`.
std::function<QRect(PanelWindow&, const QString&)> searchFor(const QString& text, bool wide)
{
    return [text, wide](PanelWindow& panel, const QString&) {
        ContentView* content = panel.contentView();
        content->openSearch();
        content->searchBar()->edit()->setText(text);
        content->searchBar()->wideSwitch()->setChecked(wide);
        content->searchBar()->edit()->setFocus();
        QTest::qWait(400);
        return QRect();
    };
}

QRect focusSecondRow(PanelWindow& panel, const QString&)
{
    ContentView* content = panel.contentView();
    pressKey(content, Qt::Key_Down);
    if (QWidget* focused = QApplication::focusWidget()) {
        pressKey(focused, Qt::Key_Down);
    }
    // The focused row's bubble opens after a short pause.
    QTest::qWait(600);
    for (ReminderListSection* section : content->sections()) {
        if (section->bubbleWindow()->isVisible()) {
            return section->bubbleWindow()->geometry();
        }
    }
    return {};
}

/// Completes the second row from the keyboard, so that the undo bar shows above the footer.
QRect completeForUndo(PanelWindow& panel, const QString&)
{
    const QList<ReminderRow*> rows = rowsOf(panel);
    if (rows.size() < 2) {
        return {};
    }
    rows.at(1)->setFocus(Qt::OtherFocusReason);
    pressKey(rows.at(1), Qt::Key_Space);
    if (!QTest::qWaitFor([&panel] { return panel.contentView()->undoBar()->isVisible(); }, 5000)) {
        std::fprintf(stderr, "the undo bar did not show\n");
    }
    // The panel grows for the bar; the picture waits for it.
    QTest::qWait(900);
    return panel.geometry().adjusted(-16, 0, 0, 16);
}

/// Opens the first row's edit form with its alert picker's list open, or with "Custom…" chosen and the tag field
/// in view.
std::function<QRect(PanelWindow&, const QString&)> editAlert(bool listOpen)
{
    return [listOpen](PanelWindow& panel, const QString&) -> QRect {
        const QList<ReminderRow*> rows = rowsOf(panel);
        if (rows.isEmpty()) {
            return {};
        }
        rows.first()->edit();
        QTest::qWait(400);
        QComboBox* picker = rows.first()->editForm()->alertPicker()->picker();
        if (listOpen) {
            picker->showPopup();
        } else {
            rows.first()->editForm()->dueDateToggle()->click();
            const int custom = picker->findData(AlertPicker::customEntry);
            picker->setCurrentIndex(custom);
            Q_EMIT picker->activated(custom);
        }
        QTest::qWait(500);
        const QRect form = rows.first()->editPopover()->geometry();
        return listOpen ? form.united(picker->view()->window()->geometry()) : form;
    };
}

const QString allLists = QStringLiteral("personal/groceries,personal/home,work/projects");

/// Opens the first list's add form with a title and a due date; `allDay` ticks "All day", `focusSubmit` gives the
/// default button the keyboard focus.
std::function<QRect(PanelWindow&, const QString&)> showAddForm(QString title, bool allDay, bool focusSubmit)
{
    return [title, allDay, focusSubmit](PanelWindow& panel, const QString&) -> QRect {
        QPointer<ReminderListSection> section = panel.contentView()->sections().value(0);
        if (section == nullptr) {
            return {};
        }
        section->beginAdd();
        QTest::qWait(300);
        ReminderFormView* form = section->addForm();
        form->titleField()->setText(title);
        form->dueDateToggle()->click();
        form->timeField()->setTime(QTime(14, 30));
        if (allDay) {
            form->allDayToggle()->click();
        }
        form->priorityPicker()->setCurrentIndex(3);
        form->recurrencePicker()->setCurrentIndex(2);
        if (focusSubmit) {
            form->submitButton()->setFocus(Qt::TabFocusReason);
        }
        QTest::qWait(500);
        return section != nullptr ? section->addPopover()->geometry() : QRect();
    };
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QString outDir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs/screenshots");
    QDir().mkpath(outDir);
    Backdrop backdrop;
    backdrop.setGeometry(QGuiApplication::primaryScreen()->geometry());
    backdrop.show();
    if (!QTest::qWaitForWindowExposed(&backdrop)) {
        return 1;
    }

    QList<Shot> shots;
    for (const QString& theme : {QStringLiteral("day"), QStringLiteral("night")}) {
        for (const QString& size : {QStringLiteral("compact"), QStringLiteral("standard"), QStringLiteral("roomy")}) {
            shots.append(
                {QStringLiteral("panel-lists-%1-%2")
                     .arg(theme == QLatin1String("day") ? QStringLiteral("light") : QStringLiteral("dark"), size),
                 {{PreferenceKey::themePreference, theme},
                  {PreferenceKey::menuSizePreference, size},
                  {PreferenceKey::selectedListIDs, allLists}},
                 nullptr});
        }
    }
    shots.append(
        {QStringLiteral("panel-zh-Hans"),
         {{PreferenceKey::languagePreference, QStringLiteral("zh-Hans")}, {PreferenceKey::selectedListIDs, allLists}},
         nullptr});
    shots.append({QStringLiteral("panel-sv"),
                  {{PreferenceKey::languagePreference, QStringLiteral("sv")},
                   {PreferenceKey::themePreference, QStringLiteral("night")},
                   {PreferenceKey::selectedListIDs, allLists}},
                  nullptr});
    shots.append(
        {QStringLiteral("panel-quickadd-en"),
         {{PreferenceKey::languagePreference, QStringLiteral("en")}, {PreferenceKey::selectedListIDs, allLists}},
         nullptr,
         {},
         {},
         QStringLiteral("Call mum tomorrow 6pm !high every week")});
    shots.append({QStringLiteral("panel-quickadd-zh-Hant"),
                  {{PreferenceKey::languagePreference, QStringLiteral("zh-Hant")},
                   {PreferenceKey::themePreference, QStringLiteral("night")},
                   {PreferenceKey::selectedListIDs, allLists}},
                  nullptr,
                  {},
                  {},
                  QString::fromUtf16(u"每週五下午3點看牙醫 重要")});
    shots.append({QStringLiteral("panel-placeholder-no-lists"), {}, nullptr});
    shots.append({QStringLiteral("panel-placeholder-all-caught-up"),
                  {{PreferenceKey::selectedListIDs, QStringLiteral("personal/empty")}},
                  nullptr});
    shots.append({QStringLiteral("panel-long-names-compact"),
                  {{PreferenceKey::menuSizePreference, QStringLiteral("compact")},
                   {PreferenceKey::selectedListIDs, QStringLiteral("personal/long,personal/groceries")}},
                  nullptr,
                  writeLongNames});
    shots.append(
        // Without auto refresh, so that the broken folder does not take its list out of the panel before the picture.
        {QStringLiteral("panel-add-error"),
         {{PreferenceKey::selectedListIDs, allLists}, {PreferenceKey::autoRefreshEnabled, QStringLiteral("false")}},
         nullptr,
         {},
         showAddError});
    shots.append(
        {QStringLiteral("panel-dark-context-menu"),
         {{PreferenceKey::themePreference, QStringLiteral("night")}, {PreferenceKey::selectedListIDs, allLists}},
         nullptr,
         {},
         openContextMenu});
    for (const QString& theme : {QStringLiteral("day"), QStringLiteral("night")}) {
        shots.append(
            {theme == QLatin1String("day") ? QStringLiteral("panel-undo-light") : QStringLiteral("panel-undo-dark"),
             {{PreferenceKey::themePreference, theme}, {PreferenceKey::selectedListIDs, allLists}},
             nullptr,
             {},
             completeForUndo});
    }
    for (const QString& theme : {QStringLiteral("day"), QStringLiteral("night")}) {
        const bool day = theme == QLatin1String("day");
        shots.append({day ? QStringLiteral("panel-form-light") : QStringLiteral("panel-form-dark"),
                      {{PreferenceKey::themePreference, theme}, {PreferenceKey::selectedListIDs, allLists}},
                      nullptr,
                      {},
                      showAddForm(QStringLiteral("Dentist"), !day, !day)});
        shots.append({day ? QStringLiteral("panel-scroll-hint-light") : QStringLiteral("panel-scroll-hint-dark"),
                      {{PreferenceKey::themePreference, theme},
                       {PreferenceKey::menuSizePreference, QStringLiteral("compact")},
                       {PreferenceKey::selectedListIDs, allLists}},
                      nullptr,
                      writeManyReminders});
        shots.append({day ? QStringLiteral("panel-focused-row") : QStringLiteral("panel-focused-row-dark"),
                      {{PreferenceKey::themePreference, theme}, {PreferenceKey::selectedListIDs, allLists}},
                      nullptr,
                      {},
                      focusSecondRow});
    }
    for (const QString& theme : {QStringLiteral("day"), QStringLiteral("night")}) {
        const QString shade = theme == QLatin1String("day") ? QStringLiteral("light") : QStringLiteral("dark");
        const QString homeAndGroceries = QStringLiteral("personal/home,personal/groceries");
        shots.append({QStringLiteral("panel-subtasks-open-") + shade,
                      {{PreferenceKey::themePreference, theme}, {PreferenceKey::selectedListIDs, homeAndGroceries}},
                      nullptr,
                      writeSubtasks});
        shots.append({QStringLiteral("panel-subtasks-folded-") + shade,
                      {{PreferenceKey::themePreference, theme}, {PreferenceKey::selectedListIDs, homeAndGroceries}},
                      nullptr,
                      writeSubtasks,
                      [](PanelWindow& panel, const QString& root) {
                          panel.contentView()->setFolded(QStringLiteral("personal/home/paint.ics"), true);
                          QTest::qWait(300);
                          Q_UNUSED(root);
                          return QRect();
                      }});
    }
    for (const QString& theme : {QStringLiteral("day"), QStringLiteral("night")}) {
        const QString shade = theme == QLatin1String("day") ? QStringLiteral("light") : QStringLiteral("dark");
        const QMap<QString, QString> preferences{{PreferenceKey::themePreference, theme},
                                                 {PreferenceKey::selectedListIDs, allLists}};
        shots.append(
            {QStringLiteral("panel-alerts-") + shade, preferences, nullptr, writeAlertsAndTags, focusSecondRow});
        shots.append(
            {QStringLiteral("panel-alert-picker-") + shade, preferences, nullptr, writeAlertsAndTags, editAlert(true)});
        shots.append({QStringLiteral("panel-alert-custom-") + shade, preferences, nullptr, writeAlertsAndTags,
                      editAlert(false)});
        shots.append({theme == QLatin1String("day") ? QStringLiteral("panel-completed-light")
                                                    : QStringLiteral("panel-completed-dark"),
                      {{PreferenceKey::themePreference, theme},
                       {PreferenceKey::showCompleted, QStringLiteral("true")},
                       {PreferenceKey::selectedListIDs, QStringLiteral("personal/groceries,work/projects")}},
                      nullptr,
                      writeCompleted});
    }
    shots.append({QStringLiteral("panel-search-light"),
                  {{PreferenceKey::selectedListIDs, allLists}},
                  nullptr,
                  {},
                  searchFor(QStringLiteral("the re"), false)});
    shots.append({QStringLiteral("panel-search-dark"),
                  {{PreferenceKey::themePreference, QStringLiteral("night")},
                   {PreferenceKey::selectedListIDs, QStringLiteral("personal/groceries")}},
                  nullptr,
                  {},
                  searchFor(QStringLiteral("re"), true)});
    shots.append(
        {QStringLiteral("panel-search-nothing-de"),
         {{PreferenceKey::languagePreference, QStringLiteral("de")}, {PreferenceKey::selectedListIDs, allLists}},
         nullptr,
         {},
         searchFor(QStringLiteral("Zahnarzttermin"), false)});
    shots.append(
        {QStringLiteral("panel-form-zh-Hans"),
         {{PreferenceKey::languagePreference, QStringLiteral("zh-Hans")}, {PreferenceKey::selectedListIDs, allLists}},
         nullptr,
         {},
         showAddForm(QString::fromUtf16(u"看牙医"), false, false)});
    shots.append({QStringLiteral("panel-form-zh-Hant-dark"),
                  {{PreferenceKey::languagePreference, QStringLiteral("zh-Hant")},
                   {PreferenceKey::themePreference, QStringLiteral("night")},
                   {PreferenceKey::selectedListIDs, allLists}},
                  nullptr,
                  {},
                  showAddForm(QString::fromUtf16(u"看牙醫"), true, false)});
    shots.append({QStringLiteral("panel-placeholder-all-caught-up-dark"),
                  {{PreferenceKey::selectedListIDs, QStringLiteral("personal/empty")},
                   {PreferenceKey::themePreference, QStringLiteral("night")}},
                  nullptr});
    const auto fakeWith = [](AuthorizationStatus status) {
        return [status]() -> ReminderStore* {
            auto* store = new test::FakeReminderStore;
            store->setStatus(status);
            store->setAccessAnswer(AccessResult{false, std::nullopt}, status);
            return store;
        };
    };
    shots.append(
        {QStringLiteral("panel-placeholder-request-access"), {}, fakeWith(AuthorizationStatus::notDetermined)});
    shots.append({QStringLiteral("panel-placeholder-read-access"), {}, fakeWith(AuthorizationStatus::writeOnly)});
    shots.append({QStringLiteral("panel-placeholder-permission-required"), {}, fakeWith(AuthorizationStatus::denied)});

    // A second argument takes only the shots whose names start with it.
    const QString only = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
    for (const Shot& shot : shots) {
        if (!shot.name.startsWith(only)) {
            continue;
        }
        QTemporaryDir dir;
        const QString root = dir.filePath(QStringLiteral("calendars"));
        writeSampleLists(root);
        writeFile(root + QStringLiteral("/personal/empty/displayname"), "Someday");
        if (shot.prepare) {
            shot.prepare(root);
        }
        Preferences preferences(dir.filePath(QStringLiteral("prefs.ini")));
        Preferences::setShared(&preferences);
        for (auto it = shot.preferences.cbegin(); it != shot.preferences.cend(); ++it) {
            preferences.setString(it.key(), it.value());
        }
        ReminderStore* store = shot.fakeStore ? shot.fakeStore() : new VdirStore(root);
        RemindersViewModel model(store, preferences);
        LaunchAtLoginManager launchAtLogin(dir.filePath(QStringLiteral("autostart.desktop")),
                                           QStringLiteral("/bin/true"));
        if (!shot.fakeStore && !QTest::qWaitFor([&] { return model.lastRefreshDate().has_value(); }, 10000)) {
            std::fprintf(stderr, "%s: the model did not load\n", qPrintable(shot.name));
            return 1;
        }
        QTest::qWait(100);
        {
            PanelWindow panel(model, launchAtLogin, root, PanelWindow::Mode::trayPanel);
            panel.present(std::nullopt, std::nullopt);
            if (!QTest::qWaitForWindowExposed(&panel)) {
                return 1;
            }
            if (!shot.quickAddText.isEmpty()) {
                QuickAddField* field = panel.contentView()->quickAddField();
                field->focusField();
                field->edit()->setText(shot.quickAddText);
            }
            QTest::qWait(900);
            QRect area = panel.geometry().adjusted(-16, 0, 0, 16);
            if (shot.stage) {
                area = area.united(shot.stage(panel, root)).intersected(panel.screen()->geometry());
            }
            const QPixmap picture = panel.screen()->grabWindow(0, area.x(), area.y(), area.width(), area.height());
            const QString path = outDir + QLatin1Char('/') + shot.name + QStringLiteral(".png");
            if (!picture.save(path)) {
                std::fprintf(stderr, "cannot save %s\n", qPrintable(path));
                return 1;
            }
            std::printf("%s %dx%d\n", qPrintable(path), panel.width(), panel.height());
        }
        Preferences::setShared(nullptr);
    }
    return 0;
}
