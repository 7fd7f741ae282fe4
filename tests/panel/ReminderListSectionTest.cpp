// A list section on the real model and folder store: adding through its popover, drops that move reminders, the box
// with its separators, rows kept across refreshes, and the detail bubble following the shared hover state.
#include "panel/ReminderListSection.h"
#include "../rows/RowsFixture.h"
#include "FakeReminderStore.h"
#include "appearance/LocalizationManager.h"
#include "panel/HoverManager.h"
#include "panel/ReminderDetailBubble.h"
#include "rows/ElidedTextLabel.h"
#include "rows/PopoverWindow.h"
#include "rows/PriorityBadge.h"
#include "rows/ReminderFormView.h"
#include "rows/ReminderRow.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTextEdit>
#include <QTimeEdit>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

using namespace tolvik;
using namespace tolvik::test;
using tolvik::test::FakeReminderStore;

namespace {

constexpr int storeTimeoutMs = 10000;

void enter(QWidget* widget)
{
    const QPointF inside(4, 4);
    QEnterEvent event(inside, inside, widget->mapToGlobal(inside));
    QApplication::sendEvent(widget, &event);
}

void leave(QWidget* widget)
{
    QEvent event(QEvent::Leave);
    QApplication::sendEvent(widget, &event);
}

/// Drops `data` on the section as a drag from elsewhere would; returns whether the section accepted it.
bool drop(ReminderListSection* section, QMimeData* data)
{
    const QPointF point(section->width() / 2.0, section->height() - 2.0);
    QDragEnterEvent enterEvent(point.toPoint(), Qt::MoveAction, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(section, &enterEvent);
    QDropEvent dropEvent(point, Qt::MoveAction, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(section, &dropEvent);
    return dropEvent.isAccepted();
}

QList<ReminderItem> remindersOf(const RemindersViewModel& model, const QString& listID)
{
    QList<ReminderItem> result;
    for (const ReminderItem& reminder : model.reminders()) {
        if (reminder.listID == listID) {
            result.append(reminder);
        }
    }
    return result;
}

ReminderList listWithID(const RemindersViewModel& model, const QString& id)
{
    for (const ReminderList& list : model.lists()) {
        if (list.id == id) {
            return list;
        }
    }
    return {};
}

} // namespace

class ReminderListSectionTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<RowsFixture> m_fixture;
    std::unique_ptr<RemindersViewModel> m_model;
    std::unique_ptr<HoverManager> m_hover;
    std::unique_ptr<QWidget> m_panel;
    QHash<QString, ReminderListSection*> m_sections;
    const QString m_work = QStringLiteral("acct/work");
    const QString m_home = QStringLiteral("acct/home");

    /// A panel with one section per list, refreshed from the model as the real panel does.
    void showPanel()
    {
        m_model = m_fixture->makeModel();
        m_hover = std::make_unique<HoverManager>();
        m_panel = std::make_unique<QWidget>();
        auto* column = new QVBoxLayout(m_panel.get());
        for (const QString& id : {m_work, m_home}) {
            auto* section = new ReminderListSection(m_model.get(), m_hover.get(), m_fixture->clock(), m_panel.get());
            column->addWidget(section);
            m_sections.insert(id, section);
        }
        refreshSections();
        connect(m_model.get(), &RemindersViewModel::remindersChanged, m_panel.get(), [this] { refreshSections(); });
        m_panel->resize(360, 500);
        m_panel->show();
    }

    void refreshSections()
    {
        for (auto it = m_sections.cbegin(); it != m_sections.cend(); ++it) {
            it.value()->setContent(listWithID(*m_model, it.key()), remindersOf(*m_model, it.key()));
        }
    }

    ReminderListSection* section(const QString& id) const { return m_sections.value(id); }

private Q_SLOTS:
    void init()
    {
        m_fixture = std::make_unique<RowsFixture>();
        m_fixture->makeList(m_work, "Work", "#FF0000");
        m_fixture->makeList(m_home, "Home");
    }

    void cleanup()
    {
        m_sections.clear();
        m_panel.reset();
        m_hover.reset();
        m_model.reset();
        m_fixture.reset();
    }

    void shouldAddATrimmedReminderWithoutDueDateWhenTheSwitchIsOff()
    {
        showPanel();
        ReminderListSection* work = section(m_work);
        QTest::mouseClick(work->addButton(), Qt::LeftButton);
        QVERIFY(work->isPresentingAddPopover());
        QVERIFY(work->addPopover()->isVisible());
        QCOMPARE(work->addForm()->width(), ReminderFormView::minimumFormWidth);
        QCOMPARE(work->addState().dueDate, rowsNow());

        ReminderFormView* form = work->addForm();
        QTRY_VERIFY(form->titleField()->hasFocus());
        QTest::keyClicks(form->titleField(), QStringLiteral("  Buy milk \t"));
        QTest::keyClicks(form->notesField(), QStringLiteral("   "));
        // The date picker holds a value, but the switch is off.
        work->addState().dueDate = rowsNow().addDays(2);
        QTest::mouseClick(form->submitButton(), Qt::LeftButton);

        QTRY_VERIFY_WITH_TIMEOUT(!work->isPresentingAddPopover(), storeTimeoutMs);
        const QList<QByteArray> files = m_fixture->todoFiles(m_work);
        QCOMPARE(files.size(), 1);
        QCOMPARE(propertyLine(files.first(), "SUMMARY"), QByteArray("SUMMARY:Buy milk"));
        QVERIFY(propertyLine(files.first(), "DESCRIPTION").isEmpty());
        QVERIFY(propertyLine(files.first(), "DUE").isEmpty());
        QVERIFY(m_fixture->todoFiles(m_home).isEmpty());
        // The form was reset for the next add, and the new row is in the section.
        QVERIFY(work->addState().title.isEmpty());
        QTRY_COMPARE(work->rows().size(), 1);
        QCOMPARE(work->rows().first()->reminder().title, QStringLiteral("Buy milk"));
    }

    void shouldAddTheDueDateNotesPriorityAndRepeatAsPicked()
    {
        showPanel();
        ReminderListSection* home = section(m_home);
        home->beginAdd();
        ReminderFormView* form = home->addForm();
        QTest::keyClicks(form->titleField(), QStringLiteral("Dentist"));
        form->dueDateToggle()->click();
        form->calendar()->setSelectedDate(QDate(2024, 3, 18));
        form->timeField()->setTime(QTime(14, 30));
        QTest::keyClicks(form->notesField(), QStringLiteral("  Bring the card  "));
        QTest::keyClick(form->priorityPicker(), Qt::Key_Down);
        QTest::keyClick(form->recurrencePicker(), Qt::Key_Down);
        QTest::mouseClick(form->submitButton(), Qt::LeftButton);

        QTRY_VERIFY_WITH_TIMEOUT(!home->isPresentingAddPopover(), storeTimeoutMs);
        const QList<QByteArray> files = m_fixture->todoFiles(m_home);
        QCOMPARE(files.size(), 1);
        QCOMPARE(propertyLine(files.first(), "DUE"), QByteArray("DUE;TZID=Europe/Stockholm:20240318T143000"));
        QCOMPARE(propertyLine(files.first(), "DESCRIPTION"), QByteArray("DESCRIPTION:Bring the card"));
        QCOMPARE(propertyLine(files.first(), "PRIORITY"), QByteArray("PRIORITY:9"));
        QVERIFY(propertyLine(files.first(), "RRULE").startsWith("RRULE:FREQ=DAILY"));
    }

    void shouldResetTheAddFormOnEveryPressButKeepValuesOnCancel()
    {
        showPanel();
        ReminderListSection* work = section(m_work);
        work->beginAdd();
        QTest::keyClicks(work->addForm()->titleField(), QStringLiteral("Half"));
        work->addForm()->dueDateToggle()->click();
        m_fixture->setNow(rowsNow().addSecs(600));
        work->addForm()->cancelButton()->click();
        QVERIFY(!work->isPresentingAddPopover());
        QCOMPARE(work->addState().title, QStringLiteral("Half"));
        QVERIFY(work->addState().includeDueDate);

        QTest::mouseClick(work->addButton(), Qt::LeftButton);
        QVERIFY(work->addForm()->titleField()->text().isEmpty());
        QVERIFY(!work->addForm()->dueDateToggle()->isChecked());
        QCOMPARE(work->addState().dueDate, rowsNow().addSecs(600));

        // A title of spaces adds nothing and the popover stays open.
        QTest::keyClicks(work->addForm()->titleField(), QStringLiteral("   "));
        work->submitAdd();
        QTest::qWait(200);
        QVERIFY(work->isPresentingAddPopover());
        QVERIFY(m_fixture->todoFiles(m_work).isEmpty());
    }

    void shouldKeepThePopoverOpenUntilTheAddFinishesAndAddAgainOnASecondSubmit()
    {
        // Real files refresh too quickly to catch an add in flight; a store whose fetch is held open can.
        auto* store = new FakeReminderStore;
        store->addList(StoreList{QStringLiteral("inbox"), QStringLiteral("Inbox"), std::nullopt,
                                 StoreAccount{QStringLiteral("local"), QStringLiteral("On this computer")}});
        RemindersViewModel model(store, m_fixture->preferences(), m_fixture->clock());
        QSignalSpy refreshed(&model, &RemindersViewModel::lastRefreshDateChanged);
        QVERIFY(refreshed.wait(storeTimeoutMs));
        HoverManager hover;
        ReminderListSection inbox(&model, &hover, m_fixture->clock());
        inbox.setContent(model.lists().first(), {});
        inbox.show();

        store->holdFetches(true);
        inbox.beginAdd();
        QTest::keyClicks(inbox.addForm()->titleField(), QStringLiteral("Twice"));
        inbox.submitAdd();
        QCOMPARE(store->saveCount(), 1);
        QVERIFY(inbox.isPresentingAddPopover());
        QCOMPARE(inbox.addForm()->titleField()->text(), QStringLiteral("Twice"));

        inbox.submitAdd();
        QCOMPARE(store->saveCount(), 2);
        store->holdFetches(false);
        store->releaseFetches();
        QTRY_VERIFY(!inbox.isPresentingAddPopover());
        QVERIFY(inbox.addState().title.isEmpty());
        QCOMPARE(store->storedReminders().size(), 2);
    }

    void shouldSeparateRowsAndShowTheEmptyText()
    {
        for (const QString& uid : {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")}) {
            m_fixture->writeTodo(m_work, uid, uid.toUpper());
        }
        m_fixture->writeTodo(m_home, QStringLiteral("solo"), QStringLiteral("Solo"));
        showPanel();
        QCOMPARE(section(m_work)->rows().size(), 3);
        QCOMPARE(section(m_work)->separatorCount(), 2);
        QVERIFY(!section(m_work)->emptyLabel()->isVisibleTo(section(m_work)));
        QCOMPARE(section(m_home)->separatorCount(), 0);

        // The last separator follows the second row: none after the last.
        QWidget* lastRow = section(m_work)->rows().last();
        const QList<QWidget*> separators =
            section(m_work)->findChildren<QWidget*>(QStringLiteral("rowSeparator"), Qt::FindDirectChildrenOnly);
        for (QWidget* separator : separators) {
            QVERIFY(separator->y() < lastRow->y());
        }

        const QString solo = m_home + QStringLiteral("/solo.ics");
        QCoro::waitFor(m_model->deleteReminder(solo));
        QTRY_VERIFY(section(m_home)->rows().isEmpty());
        QVERIFY(section(m_home)->emptyLabel()->isVisibleTo(section(m_home)));
        QCOMPARE(section(m_home)->emptyLabel()->text(), localizedString(QStringLiteral("reminders.emptyList")));
        QCOMPARE(section(m_home)->separatorCount(), 0);

        // Rows that arrive while the panel is open show at once; rows that arrive while it is closed show with it.
        m_fixture->writeTodo(m_home, QStringLiteral("open"), QStringLiteral("While open"));
        QTRY_COMPARE(section(m_home)->rows().size(), 1);
        QVERIFY(section(m_home)->rows().first()->isVisible());
        m_panel->hide();
        m_fixture->writeTodo(m_home, QStringLiteral("closed"), QStringLiteral("While closed"));
        m_fixture->writeTodo(m_work, QStringLiteral("d"), QStringLiteral("D"));
        QTRY_COMPARE(section(m_home)->rows().size(), 2);
        QTRY_COMPARE(section(m_work)->rows().size(), 4);
        m_panel->show();
        for (ReminderListSection* shown : {section(m_home), section(m_work)}) {
            for (QWidget* row : shown->rows()) {
                QVERIFY(row->isVisible());
                QVERIFY(row->height() > 0);
            }
            QCOMPARE(shown->separatorCount(), shown->rows().size() - 1);
        }
        QVERIFY(!section(m_home)->emptyLabel()->isVisibleTo(section(m_home)));

        m_fixture->preferences().setString(PreferenceKey::languagePreference, QStringLiteral("sv"));
        QCOMPARE(section(m_home)->emptyLabel()->text(), localizedString(QStringLiteral("reminders.emptyList")));
        QCOMPARE(section(m_home)->addButton()->toolTip(), localizedString(QStringLiteral("help.addReminder")));
    }

    void shouldKeepTheFocusRingClearOfTheRowsText()
    {
        m_fixture->writeTodo(m_work, QStringLiteral("a"), QStringLiteral("Ring"), {QStringLiteral("PRIORITY:1")});
        showPanel();
        ReminderRow* row = section(m_work)->rows().value(0);
        QVERIFY(row != nullptr);
        row->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(row->showsFocusRing());
        // The ring is drawn just inside the row's edge; the text and the badge keep several pixels from it.
        for (QWidget* part : {static_cast<QWidget*>(row->titleLabel()), static_cast<QWidget*>(row->badge())}) {
            const QRect inRow(part->mapTo(row, QPoint(0, 0)), part->size());
            QVERIFY2(
                inRow.left() >= 6 && row->width() - 1 - inRow.right() >= 6,
                qPrintable(
                    QStringLiteral("%1..%2 in a row %3 wide").arg(inRow.left()).arg(inRow.right()).arg(row->width())));
        }
    }

    void shouldMoveADroppedReminderAndIgnoreForeignText()
    {
        const QString id = m_fixture->writeTodo(m_work, QStringLiteral("move"), QStringLiteral("Move me"));
        showPanel();
        const QByteArray original = m_fixture->readTodo(id);

        auto* data = new QMimeData;
        data->setText(id);
        std::unique_ptr<QMimeData> owned(data);
        QVERIFY(drop(section(m_home), data));
        QTRY_COMPARE_WITH_TIMEOUT(m_fixture->todoFiles(m_home).size(), 1, storeTimeoutMs);
        QVERIFY(m_fixture->todoFiles(m_work).isEmpty());
        QCOMPARE(propertyLine(m_fixture->todoFiles(m_home).first(), "UID"), propertyLine(original, "UID"));
        QTRY_COMPARE_WITH_TIMEOUT(section(m_home)->rows().size(), 1, storeTimeoutMs);
        QTRY_VERIFY(section(m_work)->rows().isEmpty());

        // Text that names no reminder, a path among them, is looked up and changes nothing.
        const QByteArray moved = m_fixture->todoFiles(m_home).first();
        QSignalSpy errors(m_model.get(), &RemindersViewModel::lastOperationErrorChanged);
        for (const QString& text : {QStringLiteral("hello"), QStringLiteral("../../work/move.ics"),
                                    m_fixture->listPath(m_home) + QStringLiteral("/move.ics")}) {
            QMimeData foreign;
            foreign.setText(text);
            QVERIFY(drop(section(m_work), &foreign));
        }
        QMimeData noText;
        noText.setData(QStringLiteral("application/octet-stream"), "x");
        QVERIFY(!drop(section(m_work), &noText));
        QTest::qWait(300);
        QCOMPARE(m_fixture->todoFiles(m_home), QList<QByteArray>{moved});
        QVERIFY(m_fixture->todoFiles(m_work).isEmpty());
        QCOMPARE(errors.count(), 0);
    }

    void shouldKeepAnOpenEditAndItsTextAcrossARefreshOfOtherReminders()
    {
        const QString id = m_fixture->writeTodo(m_work, QStringLiteral("edit"), QStringLiteral("Editing"));
        m_fixture->writeTodo(m_work, QStringLiteral("other"), QStringLiteral("Other"));
        showPanel();
        ReminderRow* row = section(m_work)->rowFor(id);
        row->edit();
        QTest::keyClicks(row->editForm()->titleField(), QStringLiteral(" typed"));
        QCOMPARE(m_hover->editingItemID(), std::optional<QString>(id));

        QSignalSpy refreshed(m_model.get(), &RemindersViewModel::remindersChanged);
        m_fixture->writeTodo(m_work, QStringLiteral("new"), QStringLiteral("Arrived elsewhere"));
        QCoro::waitFor(m_model->refresh());
        QVERIFY(refreshed.count() >= 1);
        QCOMPARE(section(m_work)->rows().size(), 3);
        QCOMPARE(section(m_work)->rowFor(id), row);
        QVERIFY(row->isEditPresented());
        QVERIFY(row->editPopover()->isVisible());
        QCOMPARE(row->editForm()->titleField()->text(), QStringLiteral("Editing typed"));
    }

    void shouldShowOneBubbleThatFollowsThePointerAcrossRows()
    {
        const QString firstID = m_fixture->writeTodo(
            m_work, QStringLiteral("first"), QStringLiteral("First"),
            {QStringLiteral("DUE;TZID=Europe/Stockholm:20240316T090000"), QStringLiteral("DESCRIPTION:Some notes")});
        const QString secondID = m_fixture->writeTodo(m_work, QStringLiteral("second"), QStringLiteral("Second"),
                                                      {QStringLiteral("RRULE:FREQ=WEEKLY")});
        const QString homeID = m_fixture->writeTodo(m_home, QStringLiteral("home"), QStringLiteral("Home task"));
        showPanel();
        ReminderListSection* work = section(m_work);
        ReminderRow* first = work->rowFor(firstID);
        ReminderRow* second = work->rowFor(secondID);

        enter(first);
        QVERIFY(work->bubbleWindow()->isPresented());
        QCOMPARE(work->bubbleWindow()->anchor(), first);
        ReminderDetailBubble* bubble = work->bubble();
        QCOMPARE(bubble->titleLabel()->text(), QStringLiteral("First"));
        QVERIFY(bubble->dateLine()->isVisibleTo(bubble));
        QVERIFY(!bubble->repeatLine()->isVisibleTo(bubble));
        QVERIFY(bubble->divider()->isVisibleTo(bubble));
        QCOMPARE(bubble->notesLabel()->text(), QStringLiteral("Some notes"));
        QVERIFY(bubble->width() <= ReminderDetailBubble::maximumWidth);

        // Row to row within the grace period: the same bubble moves on and never closes.
        QSignalSpy closed(work->bubbleWindow(), &PopoverWindow::closed);
        leave(first);
        // No event loop turn in between: on a busy machine even a short wait can outlast the grace period.
        QVERIFY(m_hover->hasPendingClear());
        enter(second);
        // Until every clear has run or been cancelled, a close could still follow.
        QTRY_VERIFY(m_hover->findChildren<QTimer*>().isEmpty());
        QCOMPARE(closed.count(), 0);
        QCOMPARE(work->bubbleWindow()->anchor(), second);
        QCOMPARE(bubble->titleLabel()->text(), QStringLiteral("Second"));
        QVERIFY(bubble->repeatLine()->isVisibleTo(bubble));
        QCOMPARE(bubble->repeatText()->text(), localizedString(QStringLiteral("recurrence.weekly")));
        QVERIFY(!bubble->divider()->isVisibleTo(bubble));

        // Into another section: this section's bubble goes at once, so only one shows.
        leave(second);
        enter(section(m_home)->rowFor(homeID));
        QVERIFY(!work->bubbleWindow()->isVisible());
        QVERIFY(section(m_home)->bubbleWindow()->isPresented());

        // Leaving every row closes the bubble, but only after the grace period.
        leave(section(m_home)->rowFor(homeID));
        QVERIFY(section(m_home)->bubbleWindow()->isPresented());
        QTRY_VERIFY(!section(m_home)->bubbleWindow()->isVisible());
        QCOMPARE(m_hover->hoveredItemID(), std::nullopt);
    }

    void shouldShowNoBubbleWhileAReminderIsEdited()
    {
        const QString firstID = m_fixture->writeTodo(m_work, QStringLiteral("first"), QStringLiteral("First"));
        const QString secondID = m_fixture->writeTodo(m_work, QStringLiteral("second"), QStringLiteral("Second"));
        showPanel();
        ReminderListSection* work = section(m_work);
        ReminderRow* first = work->rowFor(firstID);
        ReminderRow* second = work->rowFor(secondID);

        enter(first);
        QVERIFY(work->bubbleWindow()->isPresented());
        first->edit();
        // The bubble goes at once; the hover clears shortly after.
        QVERIFY(!work->bubbleWindow()->isVisible());
        QTRY_COMPARE(m_hover->hoveredItemID(), std::nullopt);

        enter(second);
        leave(second);
        enter(second);
        QTest::qWait(2 * HoverManager::clearDelayMs);
        QCOMPARE(m_hover->hoveredItemID(), std::nullopt);
        QVERIFY(!work->bubbleWindow()->isVisible());

        first->editForm()->cancelButton()->click();
        QCOMPARE(m_hover->editingItemID(), std::nullopt);
        QVERIFY(!work->bubbleWindow()->isVisible());
        enter(second);
        QVERIFY(work->bubbleWindow()->isPresented());
    }

    void shouldLeaveNoBubbleBehindWhenThePanelCloses()
    {
        const QString id = m_fixture->writeTodo(m_work, QStringLiteral("hover"), QStringLiteral("Hover"));
        showPanel();
        enter(section(m_work)->rowFor(id));
        QVERIFY(section(m_work)->bubbleWindow()->isPresented());

        m_panel->hide();
        QVERIFY(!section(m_work)->bubbleWindow()->isVisible());
        QCOMPARE(m_hover->hoveredItemID(), std::nullopt);
        m_panel->show();
        QVERIFY(!section(m_work)->bubbleWindow()->isVisible());
    }

    void shouldClearTheHoverShortlyAfterADragStarts()
    {
        const QString id = m_fixture->writeTodo(m_work, QStringLiteral("drag"), QStringLiteral("Drag"));
        showPanel();
        ReminderRow* row = section(m_work)->rowFor(id);
        enter(row);
        QElapsedTimer elapsed;
        elapsed.start();
        Q_EMIT row->dragStarted(id);
        QCOMPARE(m_hover->hoveredItemID(), std::optional<QString>(id));
        QTRY_COMPARE(m_hover->hoveredItemID(), std::nullopt);
        QVERIFY(elapsed.elapsed() >= ReminderListSection::dragHoverClearDelayMs);
        QTRY_VERIFY(!section(m_work)->bubbleWindow()->isVisible());
    }
};

QTEST_MAIN(ReminderListSectionTest)
#include "ReminderListSectionTest.moc"
