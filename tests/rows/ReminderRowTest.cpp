// A reminder row on the real model and folder store: its colours, badge, repeat mark and title lines; the context
// menu's commands and what they leave on disk; the edit popover's save, cancel and reload rules; the drag payload.
#include "rows/ReminderRow.h"
#include "RowsFixture.h"
#include "appearance/LocalizationManager.h"
#include "rows/ElidedTextLabel.h"
#include "rows/PopoverWindow.h"
#include "rows/PriorityBadge.h"
#include "rows/ReminderFormView.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTextEdit>
#include <QTimeEdit>

#include <functional>

using namespace tolvik;
using namespace tolvik::test;

namespace {

ReminderItem item(const QString& title, std::optional<QDateTime> due = std::nullopt, int priority = 0,
                  RecurrenceOption recurrence = RecurrenceOption::none)
{
    ReminderItem reminder;
    reminder.id = QStringLiteral("list/") + title + QStringLiteral(".ics");
    reminder.title = title;
    reminder.dueDate = due;
    reminder.priority = priority;
    reminder.recurrence = recurrence;
    return reminder;
}

std::optional<ReminderItem> findReminder(const RemindersViewModel& model, const QString& id)
{
    for (const ReminderItem& reminder : model.reminders()) {
        if (reminder.id == id) {
            return reminder;
        }
    }
    return std::nullopt;
}

/// Opens the row's context menu as a right click would and returns the shown menu.
QMenu* openContextMenu(ReminderRow& row)
{
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(4, 4), row.mapToGlobal(QPoint(4, 4)));
    QApplication::sendEvent(&row, &event);
    return qobject_cast<QMenu*>(QApplication::activePopupWidget());
}

} // namespace

class ReminderRowTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<RowsFixture> m_fixture;
    const QString m_list = QStringLiteral("home/tasks");

private Q_SLOTS:
    void init()
    {
        m_fixture = std::make_unique<RowsFixture>();
        m_fixture->makeList(m_list, "Tasks");
    }
    void cleanup() { m_fixture.reset(); }

    void shouldColourTheTitleByUrgencyAroundTheSixHourBoundary()
    {
        auto model = m_fixture->makeModel();
        const QDateTime now = rowsNow();
        const QPalette palette = QApplication::palette();
        struct Case
        {
            std::optional<QDateTime> due;
            Urgency urgency;
        };
        const QList<Case> cases = {
            {now.addSecs(-60), Urgency::overdue},       {now.addSecs(5 * 3600 + 59 * 60), Urgency::soon},
            {now.addSecs(6 * 3600 - 1), Urgency::soon}, {now.addSecs(6 * 3600), Urgency::normal},
            {now.addDays(2), Urgency::normal},          {std::nullopt, Urgency::normal},
        };
        for (const Case& testCase : cases) {
            ReminderRow row(item(QStringLiteral("Call"), testCase.due), model.get(), m_fixture->clock());
            QCOMPARE(row.urgency(), testCase.urgency);
            QCOMPARE(row.titleColor(), RowStyle::urgencyColor(testCase.urgency, palette));
            QCOMPARE(row.dueLabel()->isVisibleTo(&row), testCase.due.has_value());
        }
        QVERIFY(RowStyle::urgencyColor(Urgency::overdue, palette) != RowStyle::urgencyColor(Urgency::soon, palette));
        QCOMPARE(RowStyle::urgencyColor(Urgency::normal, palette), palette.color(QPalette::WindowText));

        // The colour follows "now" each time the row is drawn again.
        ReminderRow row(item(QStringLiteral("Later"), now.addSecs(7 * 3600)), model.get(), m_fixture->clock());
        QCOMPARE(row.urgency(), Urgency::normal);
        m_fixture->setNow(now.addSecs(2 * 3600));
        row.setReminder(row.reminder());
        QCOMPARE(row.urgency(), Urgency::soon);
    }

    void shouldShowTheBadgeOfThePriorityRange()
    {
        auto model = m_fixture->makeModel();
        const QPalette palette = QApplication::palette();
        struct Case
        {
            int priority;
            std::optional<PriorityLevel> level;
            QString key;
        };
        const QList<Case> cases = {
            {0, std::nullopt, {}},
            {1, PriorityLevel::high, QStringLiteral("reminder.priority.high")},
            {3, PriorityLevel::high, QStringLiteral("reminder.priority.high")},
            {4, PriorityLevel::medium, QStringLiteral("reminder.priority.medium")},
            {6, PriorityLevel::medium, QStringLiteral("reminder.priority.medium")},
            {7, PriorityLevel::low, QStringLiteral("reminder.priority.low")},
            {9, PriorityLevel::low, QStringLiteral("reminder.priority.low")},
        };
        for (const Case& testCase : cases) {
            ReminderRow row(item(QStringLiteral("Task"), std::nullopt, testCase.priority), model.get(),
                            m_fixture->clock());
            QCOMPARE(row.badge()->level(), testCase.level);
            QCOMPARE(row.badge()->isVisibleTo(&row), testCase.level.has_value());
            if (testCase.level) {
                QCOMPARE(row.badge()->text(), localizedString(testCase.key));
            }
        }
        QCOMPARE(RowStyle::priorityColor(PriorityLevel::high, palette), RowStyle::alertRed(palette));
        QCOMPARE(RowStyle::priorityColor(PriorityLevel::medium, palette), RowStyle::alertOrange(palette));
        QCOMPARE(RowStyle::priorityColor(PriorityLevel::low, palette), RowStyle::secondaryText(palette));
    }

    void shouldMarkRepeatsAndCutLongTitlesAtTwoLines()
    {
        auto model = m_fixture->makeModel();
        ReminderRow weekly(item(QStringLiteral("Sync"), std::nullopt, 0, RecurrenceOption::weekly), model.get());
        ReminderRow once(item(QStringLiteral("Once")), model.get());
        QVERIFY(weekly.repeatMark()->isVisibleTo(&weekly));
        QVERIFY(!once.repeatMark()->isVisibleTo(&once));

        const QString longTitle = QStringLiteral("word ").repeated(60).trimmed();
        ReminderRow row(item(longTitle), model.get());
        row.resize(240, row.heightForWidth(240) > 0 ? row.heightForWidth(240) : 80);
        row.show();
        ElidedTextLabel* title = row.titleLabel();
        QCOMPARE(title->lineCountForWidth(title->width()), 2);
        QVERIFY(title->isElided());
        QCOMPARE(title->heightForWidth(title->width()), 2 * title->fontMetrics().lineSpacing());
    }

    void shouldCompleteAndDeleteFromTheContextMenuInThatOrder()
    {
        const QString errandID = m_fixture->writeTodo(m_list, QStringLiteral("errand"), QStringLiteral("Errand"));
        const QString junkID = m_fixture->writeTodo(m_list, QStringLiteral("junk"), QStringLiteral("Junk"));
        auto model = m_fixture->makeModel();
        ReminderRow errand(*findReminder(*model, errandID), model.get(), m_fixture->clock());
        errand.show();

        QMenu* menu = openContextMenu(errand);
        QVERIFY(menu != nullptr);
        const QList<QAction*> actions = menu->actions();
        // The three commands come first; the sub-task commands follow after a separator.
        QVERIFY(actions.size() > 3);
        QVERIFY(actions.at(3)->isSeparator());
        QCOMPARE(actions.at(0)->text(), localizedString(QStringLiteral("button.complete")));
        QCOMPARE(actions.at(1)->text(), localizedString(QStringLiteral("button.delete")));
        QCOMPARE(actions.at(2)->text(), localizedString(QStringLiteral("button.edit")));
        QVERIFY(actions.at(1)->property("destructive").toBool());
        actions.at(0)->trigger();
        menu->close();

        QTRY_VERIFY_WITH_TIMEOUT(propertyLine(m_fixture->readTodo(errandID), "STATUS") == "STATUS:COMPLETED", 10000);
        QVERIFY(!propertyLine(m_fixture->readTodo(errandID), "COMPLETED").isEmpty());
        QTRY_VERIFY_WITH_TIMEOUT(!findReminder(*model, errandID), 10000);

        ReminderRow junk(*findReminder(*model, junkID), model.get(), m_fixture->clock());
        junk.show();
        menu = openContextMenu(junk);
        QVERIFY(menu != nullptr);
        // No confirmation: the file goes as soon as the command runs.
        menu->actions().at(1)->trigger();
        QTRY_VERIFY(!QFileInfo::exists(m_fixture->listPath(m_list) + QStringLiteral("/junk.ics")));
        QTRY_VERIFY_WITH_TIMEOUT(!findReminder(*model, junkID), 10000);
    }

    void shouldSaveTheEditClearingTheDueDateAndNotesAndKeepingPriorityThree()
    {
        const QString id = m_fixture->writeTodo(m_list, QStringLiteral("edit"), QStringLiteral("Old title"),
                                                {QStringLiteral("DUE;TZID=Europe/Stockholm:20240316T090000"),
                                                 QStringLiteral("DESCRIPTION:Old notes"), QStringLiteral("PRIORITY:3"),
                                                 QStringLiteral("CATEGORIES:Home")});
        auto model = m_fixture->makeModel();
        ReminderRow row(*findReminder(*model, id), model.get(), m_fixture->clock());
        row.show();
        QSignalSpy presented(&row, &ReminderRow::editPresentationChanged);

        QMenu* menu = openContextMenu(row);
        QVERIFY(menu != nullptr);
        menu->actions().at(2)->trigger();
        menu->close();
        QVERIFY(row.isEditPresented());
        QCOMPARE(presented.count(), 1);
        QVERIFY(row.editPopover()->isVisible());
        QCOMPARE(row.editForm()->width(), ReminderRow::editPopoverWidth);
        QCOMPARE(row.editForm()->titleField()->text(), QStringLiteral("Old title"));
        QVERIFY(row.editForm()->dueDateToggle()->isChecked());
        QCOMPARE(row.editForm()->priorityPicker()->currentIndex(), -1);

        row.editForm()->titleField()->selectAll();
        QTest::keyClicks(row.editForm()->titleField(), QStringLiteral("  New title  "));
        row.editForm()->dueDateToggle()->click();
        row.editForm()->notesField()->selectAll();
        QTest::keyClick(row.editForm()->notesField(), Qt::Key_Delete);
        QTest::keyClicks(row.editForm()->notesField(), QStringLiteral("   "));
        QTest::mouseClick(row.editForm()->submitButton(), Qt::LeftButton);

        QTRY_VERIFY_WITH_TIMEOUT(!row.isEditPresented(), 10000);
        QVERIFY(!row.editPopover()->isVisible());
        const QByteArray file = m_fixture->readTodo(id);
        QCOMPARE(propertyLine(file, "SUMMARY"), QByteArray("SUMMARY:New title"));
        QVERIFY(propertyLine(file, "DUE").isEmpty());
        QVERIFY(propertyLine(file, "DESCRIPTION").isEmpty());
        QCOMPARE(propertyLine(file, "PRIORITY"), QByteArray("PRIORITY:3"));
        QCOMPARE(propertyLine(file, "CATEGORIES"), QByteArray("CATEGORIES:Home"));
    }

    void shouldShowAnAllDayDueAsItsDateAndKeepItADayThroughEdits()
    {
        // As todoman writes a day without a time; today's all-day reminder is not overdue at ten in the morning.
        const QString id = m_fixture->writeTodo(m_list, QStringLiteral("allday"), QStringLiteral("Dentist"),
                                                {QStringLiteral("DUE;VALUE=DATE:20240315")});
        auto model = m_fixture->makeModel();
        ReminderRow row(*findReminder(*model, id), model.get(), m_fixture->clock());
        row.show();
        QVERIFY(row.dueLabel()->text().contains(QStringLiteral("2024")));
        QVERIFY2(!row.dueLabel()->text().contains(QLatin1Char(':')), qPrintable(row.dueLabel()->text()));
        QVERIFY(row.urgency() != Urgency::overdue);

        const auto editAndSave = [&](const std::function<void(ReminderFormView*)>& change) {
            row.edit();
            QVERIFY(row.editForm()->dueDateToggle()->isChecked());
            change(row.editForm());
            QSignalSpy reloaded(model.get(), &RemindersViewModel::remindersChanged);
            QTest::mouseClick(row.editForm()->submitButton(), Qt::LeftButton);
            QTRY_VERIFY_WITH_TIMEOUT(!row.isEditPresented() && !reloaded.isEmpty(), 10000);
            row.setReminder(*findReminder(*model, id));
        };
        editAndSave([](ReminderFormView* form) {
            QVERIFY(form->allDayToggle()->isChecked());
            QVERIFY(!form->timeField()->isEnabled());
            form->titleField()->setText(QStringLiteral("Dentist on Friday"));
        });
        QCOMPARE(propertyLine(m_fixture->readTodo(id), "DUE"), QByteArray("DUE;VALUE=DATE:20240315"));

        editAndSave([](ReminderFormView* form) {
            form->allDayToggle()->click();
            form->timeField()->setTime(QTime(12, 0));
            form->titleField()->setText(QStringLiteral("Dentist at noon"));
        });
        QCOMPARE(propertyLine(m_fixture->readTodo(id), "DUE"), QByteArray("DUE;TZID=Europe/Stockholm:20240315T120000"));
        editAndSave([](ReminderFormView* form) { form->timeField()->setTime(QTime(0, 0)); });
        QCOMPARE(propertyLine(m_fixture->readTodo(id), "DUE"), QByteArray("DUE;TZID=Europe/Stockholm:20240315T000000"));

        // The same minute, but a day without a time is another due.
        editAndSave([](ReminderFormView* form) {
            QVERIFY(!form->allDayToggle()->isChecked());
            form->allDayToggle()->click();
        });
        QCOMPARE(propertyLine(m_fixture->readTodo(id), "DUE"), QByteArray("DUE;VALUE=DATE:20240315"));
    }

    void shouldReloadTheEditAfterCancelAndRefuseABlankTitle()
    {
        const QString id = m_fixture->writeTodo(m_list, QStringLiteral("keep"), QStringLiteral("Keep me"));
        auto model = m_fixture->makeModel();
        ReminderRow row(*findReminder(*model, id), model.get(), m_fixture->clock());
        row.show();
        const QByteArray before = m_fixture->readTodo(id);

        row.edit();
        row.editForm()->titleField()->clear();
        QTest::keyClicks(row.editForm()->titleField(), QStringLiteral("Half typed"));
        row.editForm()->cancelButton()->click();
        QVERIFY(!row.isEditPresented());
        // Cancel keeps what was typed; the next edit command reloads the reminder's values.
        QCOMPARE(row.editState().title, QStringLiteral("Half typed"));
        row.edit();
        QCOMPARE(row.editForm()->titleField()->text(), QStringLiteral("Keep me"));

        // A title of spaces saves nothing and the popover stays open.
        row.editState().title = QStringLiteral("   ");
        row.save();
        QTest::qWait(200);
        QVERIFY(row.isEditPresented());
        QCOMPARE(m_fixture->readTodo(id), before);

        // A click outside closes it through the same flag.
        row.editPopover()->close();
        QVERIFY(!row.isEditPresented());
    }

    void shouldReloadTheEditStateOnlyWhenTheIdentityChanges()
    {
        auto model = m_fixture->makeModel();
        ReminderItem first = item(QStringLiteral("First"));
        ReminderRow row(first, model.get(), m_fixture->clock());
        row.editState().title = QStringLiteral("Typed");

        first.notes = QStringLiteral("changed elsewhere");
        row.setReminder(first);
        QCOMPARE(row.editState().title, QStringLiteral("Typed"));

        const QDateTime due = rowsNow().addDays(1);
        row.setReminder(item(QStringLiteral("Second"), due, 5));
        QCOMPARE(row.editState().title, QStringLiteral("Second"));
        QVERIFY(row.editState().includeDueDate);
        QCOMPARE(row.editState().dueDate, due);
        QCOMPARE(row.editState().priority, 5);
    }

    void shouldOfferTheIdAsOnePlainTextItemWhenDragged()
    {
        auto model = m_fixture->makeModel();
        ReminderRow row(item(QStringLiteral("Drag me")), model.get());
        std::unique_ptr<QMimeData> data(row.createDragData());
        QCOMPARE(data->formats(), QStringList{QStringLiteral("text/plain")});
        QCOMPARE(data->text(), row.reminder().id);
    }
};

QTEST_MAIN(ReminderRowTest)
#include "ReminderRowTest.moc"
