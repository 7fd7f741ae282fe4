// The reminder form: every change lands in the owner's state at once, the submit rule, the pickers' values and
// order, the focus delay, Return, the focus ring, the time field, and texts that follow the interface language.
#include "rows/ReminderFormView.h"
#include "RowsFixture.h"
#include "appearance/LocalizationManager.h"
#include "rows/FormFields.h"
#include "rows/PopoverWindow.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QStyleOptionComboBox>
#include <QTest>
#include <QTextEdit>
#include <QTextLayout>
#include <QTimeEdit>

using namespace tolvik;
using namespace tolvik::test;

class ReminderFormViewTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<RowsFixture> m_fixture;

private Q_SLOTS:
    void init() { m_fixture = std::make_unique<RowsFixture>(); }
    void cleanup() { m_fixture.reset(); }

    void shouldWriteEveryKeystrokeAndPickerChangeIntoTheOwnersState()
    {
        ReminderFormState state = ReminderFormState::fresh(rowsNow());
        ReminderFormView form(&state, QStringLiteral("button.add"));
        form.show();
        QSignalSpy edited(&form, &ReminderFormView::edited);

        QTest::keyClicks(form.titleField(), QStringLiteral("Pay rent"));
        QCOMPARE(state.title, QStringLiteral("Pay rent"));
        QCOMPARE(edited.count(), 8);

        QVERIFY(!form.calendar()->isVisibleTo(&form));
        form.dueDateToggle()->click();
        QVERIFY(state.includeDueDate);
        QVERIFY(form.calendar()->isVisibleTo(&form));
        QCOMPARE(form.calendar()->selectedDate(), rowsNow().date());

        // The calendar changes the day and keeps the time; the time field changes the time and keeps the day.
        form.calendar()->setSelectedDate(QDate(2024, 3, 20));
        QCOMPARE(state.dueDate, QDateTime(QDate(2024, 3, 20), QTime(10, 0), rowsNow().timeZone()));
        form.timeField()->setTime(QTime(18, 45));
        QCOMPARE(state.dueDate, QDateTime(QDate(2024, 3, 20), QTime(18, 45), rowsNow().timeZone()));

        // Switching off hides the pickers and leaves the date; switching on again shows the same date.
        form.dueDateToggle()->click();
        QVERIFY(!state.includeDueDate);
        QVERIFY(!form.calendar()->isVisibleTo(&form));
        QCOMPARE(state.dueDate.date(), QDate(2024, 3, 20));
        form.dueDateToggle()->click();
        QCOMPARE(form.calendar()->selectedDate(), QDate(2024, 3, 20));
        QCOMPARE(form.timeField()->time(), QTime(18, 45));

        form.notesField()->setFocus();
        QTest::keyClicks(form.notesField(), QStringLiteral("line one"));
        QTest::keyClick(form.notesField(), Qt::Key_Return);
        QTest::keyClicks(form.notesField(), QStringLiteral("line two"));
        QCOMPARE(state.notes, QStringLiteral("line one\nline two"));
    }

    void shouldOfferThePrioritiesAndRepeatsInOrderAndWriteTheChosenValue()
    {
        ReminderFormState state = ReminderFormState::fresh(rowsNow());
        ReminderFormView form(&state, QStringLiteral("button.add"));
        QComboBox* priority = form.priorityPicker();
        QCOMPARE(priority->count(), 4);
        const QList<int> values = {0, 9, 5, 1};
        const QStringList keys = {QStringLiteral("priority.none"), QStringLiteral("reminder.priority.low"),
                                  QStringLiteral("reminder.priority.medium"), QStringLiteral("reminder.priority.high")};
        for (int index = 0; index < 4; ++index) {
            QCOMPARE(priority->itemData(index).toInt(), values.at(index));
            QCOMPARE(priority->itemText(index), localizedString(keys.at(index)));
        }
        QCOMPARE(form.recurrencePicker()->count(), allRecurrenceOptions().size());
        QCOMPARE(form.recurrencePicker()->itemText(2), localizedString(QStringLiteral("recurrence.weekly")));

        // Down from "none" goes low (9), medium (5), high (1).
        for (int expected : {9, 5, 1}) {
            QTest::keyClick(priority, Qt::Key_Down);
            QCOMPARE(state.priority, expected);
        }
        QTest::keyClick(form.recurrencePicker(), Qt::Key_Down);
        QTest::keyClick(form.recurrencePicker(), Qt::Key_Down);
        QCOMPARE(state.recurrence, RecurrenceOption::weekly);
    }

    // A repeat needs a date to count from: choosing one turns the due date on, and turning the date off ends it.
    void shouldKeepARepeatWithItsDueDate()
    {
        ReminderFormState state = ReminderFormState::fresh(rowsNow());
        ReminderFormView form(&state, QStringLiteral("button.add"));
        QVERIFY(!state.includeDueDate);
        QTest::keyClick(form.recurrencePicker(), Qt::Key_Down);
        QCOMPARE(state.recurrence, RecurrenceOption::daily);
        QVERIFY(state.includeDueDate);
        QVERIFY(form.dueDateToggle()->isChecked());

        form.dueDateToggle()->click();
        QVERIFY(!state.includeDueDate);
        QCOMPARE(state.recurrence, RecurrenceOption::none);
        QCOMPARE(form.recurrencePicker()->currentData().toString(), rawValue(RecurrenceOption::none));
    }

    void shouldShowNoSelectionForAPriorityFromElsewhereAndKeepIt()
    {
        ReminderItem item;
        item.title = QStringLiteral("From a phone");
        item.priority = 3;
        ReminderFormState state = ReminderFormState::from(item, rowsNow());
        ReminderFormView form(&state, QStringLiteral("button.save"));
        QCOMPARE(form.priorityPicker()->currentIndex(), -1);

        QTest::keyClicks(form.titleField(), QStringLiteral("!"));
        QTest::keyClick(form.recurrencePicker(), Qt::Key_Down);
        QCOMPARE(state.priority, 3);
        QCOMPARE(state.recurrence, RecurrenceOption::daily);
    }

    void shouldEnableSubmitOnlyForATitleWithMoreThanWhiteSpace()
    {
        ReminderFormState state = ReminderFormState::fresh(rowsNow());
        ReminderFormView form(&state, QStringLiteral("button.add"));
        QSignalSpy submitted(&form, &ReminderFormView::submitRequested);
        QVERIFY(!form.submitButton()->isEnabled());

        QTest::keyClicks(form.titleField(), QStringLiteral("   "));
        state.title += QStringLiteral("\n\t");
        form.reload();
        QVERIFY(!form.submitButton()->isEnabled());
        QTest::mouseClick(form.submitButton(), Qt::LeftButton);
        QCOMPARE(submitted.count(), 0);

        QTest::keyClicks(form.titleField(), QStringLiteral("a "));
        QVERIFY(form.submitButton()->isEnabled());
        QTest::mouseClick(form.submitButton(), Qt::LeftButton);
        QCOMPARE(submitted.count(), 1);
    }

    void shouldFocusTheTitleAndSubmitOnReturnThereButBreakLinesInTheNotes()
    {
        ReminderFormState state = ReminderFormState::fresh(rowsNow());
        QWidget anchor;
        anchor.resize(200, 40);
        anchor.show();
        PopoverWindow popover(PopoverWindow::Kind::popup, &anchor);
        auto* form = new ReminderFormView(&state, QStringLiteral("button.add"));
        popover.setContent(form);
        QSignalSpy submitted(form, &ReminderFormView::submitRequested);
        QSignalSpy cancelled(form, &ReminderFormView::cancelRequested);

        popover.present(&anchor, PopoverWindow::Side::trailing);
        QVERIFY(!form->titleField()->hasFocus());
        QTRY_VERIFY(form->titleField()->hasFocus());
        QVERIFY(form->submitButton()->isDefault());

        // Return on an empty title submits nothing; with a title, Return and the keypad's Enter submit.
        QTest::keyClick(popover.focusWidget(), Qt::Key_Return);
        QCOMPARE(submitted.count(), 0);
        QTest::keyClicks(popover.focusWidget(), QStringLiteral("Water plants"));
        QCOMPARE(state.title, QStringLiteral("Water plants"));
        QTest::keyClick(popover.focusWidget(), Qt::Key_Return);
        QCOMPARE(submitted.count(), 1);
        QTest::keyClick(popover.focusWidget(), Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(submitted.count(), 2);

        form->notesField()->setFocus();
        QTest::keyClicks(form->notesField(), QStringLiteral("one"));
        QTest::keyClick(form->notesField(), Qt::Key_Return);
        QTest::keyClicks(form->notesField(), QStringLiteral("two"));
        QCOMPARE(state.notes, QStringLiteral("one\ntwo"));
        QCOMPARE(submitted.count(), 2);

        // A focused button takes Return for itself.
        form->cancelButton()->setFocus();
        QTest::keyClick(form->cancelButton(), Qt::Key_Return);
        QCOMPARE(cancelled.count(), 1);
        QCOMPARE(submitted.count(), 2);
    }

    void shouldShowWhichButtonHasTheKeyboardFocus()
    {
        ReminderFormState state = ReminderFormState::fresh(rowsNow());
        state.title = QStringLiteral("Focus");
        QWidget anchor;
        anchor.show();
        PopoverWindow popover(PopoverWindow::Kind::popup, &anchor);
        auto* form = new ReminderFormView(&state, QStringLiteral("button.add"));
        popover.setContent(form);
        popover.present(&anchor, PopoverWindow::Side::trailing);
        QTRY_VERIFY(form->titleField()->hasFocus());

        for (QPushButton* button : {form->submitButton(), form->cancelButton()}) {
            const QImage unfocused = button->grab().toImage();
            button->setFocus(Qt::TabFocusReason);
            QVERIFY(button->hasFocus());
            QVERIFY2(button->grab().toImage() != unfocused, qPrintable(button->text()));
            form->titleField()->setFocus();
        }
    }

    void shouldTakeHoursAndMinutesTypedRightAfterAClick()
    {
        ReminderFormState state = ReminderFormState::fresh(rowsNow());
        QWidget anchor;
        anchor.show();
        PopoverWindow popover(PopoverWindow::Kind::popup, &anchor);
        auto* form = new ReminderFormView(&state, QStringLiteral("button.add"));
        popover.setContent(form);
        popover.present(&anchor, PopoverWindow::Side::trailing);
        form->dueDateToggle()->click();
        QTimeEdit* time = form->timeField();
        QTRY_VERIFY(time->isVisible());
        QVERIFY(time->displayedSections().testFlags(QDateTimeEdit::HourSection | QDateTimeEdit::MinuteSection));
        QVERIFY(!time->displayedSections().testAnyFlag(QDateTimeEdit::SecondSection));

        // A click into the hours, then digits: the hour changes at once.
        auto* text = time->findChild<QLineEdit*>();
        QVERIFY(text != nullptr);
        const int hourX = text->fontMetrics().horizontalAdvance(QStringLiteral("1")) / 2 + 3;
        QTest::mouseClick(text, Qt::LeftButton, {}, QPoint(hourX, text->height() / 2));
        QTest::keyClicks(text, QStringLiteral("07"));
        QCOMPARE(state.dueDate.time().hour(), 7);
        QCOMPARE(state.dueDate.time().minute(), 0);

        // And stepping still works.
        QTest::keyClick(text, Qt::Key_Up);
        QCOMPARE(state.dueDate.time().second(), 0);
        QVERIFY(state.dueDate.time() != QTime(7, 0));
    }

    void shouldHoldItsMinimumWidthAndGrowWithTheDatePickers()
    {
        ReminderFormState state = ReminderFormState::fresh(rowsNow());
        QWidget anchor;
        anchor.show();
        PopoverWindow popover(PopoverWindow::Kind::popup, &anchor);
        auto* form = new ReminderFormView(&state, QStringLiteral("button.add"));
        popover.setContent(form);
        popover.setContentWidth(260);
        popover.present(&anchor, PopoverWindow::Side::trailing);
        QCOMPARE(form->width(), ReminderFormView::minimumFormWidth);
        const int closedHeight = form->height();

        form->dueDateToggle()->click();
        QTRY_VERIFY(form->height() > closedHeight + form->calendar()->sizeHint().height());
        QCOMPARE(form->width(), ReminderFormView::minimumFormWidth);
        QCOMPARE(form->layout()->contentsMargins(), QMargins(32, 32, 32, 32));
    }

    void shouldShowTheNewLanguageAtOnce()
    {
        ReminderFormState state = ReminderFormState::fresh(rowsNow());
        ReminderFormView form(&state, QStringLiteral("button.save"));
        m_fixture->preferences().setString(PreferenceKey::languagePreference, QStringLiteral("en"));
        const QString english = form.submitButton()->text();
        QCOMPARE(english, localizedString(QStringLiteral("button.save")));

        m_fixture->preferences().setString(PreferenceKey::languagePreference, QStringLiteral("de"));
        QCOMPARE(form.submitButton()->text(), localizedString(QStringLiteral("button.save")));
        QVERIFY(form.submitButton()->text() != english);
        QCOMPARE(form.titleField()->placeholderText(), localizedString(QStringLiteral("form.title")));
        QCOMPARE(form.priorityPicker()->itemText(3), localizedString(QStringLiteral("reminder.priority.high")));
    }

    // Chinese glyphs come from a fallback font that stands taller than the interface font's metrics: each
    // drop-down's text field must hold its entries' full line with room above and below, in both Chinese scripts.
    void shouldCutALongCustomRepeatShortAndNameItWhole()
    {
        m_fixture->preferences().setString(PreferenceKey::languagePreference, QStringLiteral("sv"));
        ReminderFormState state = ReminderFormState::fresh(rowsNow());
        state.includeDueDate = true;
        state.recurrence = RecurrenceOption::custom;
        state.customRule = RecurrenceRule{1, 2, false, {1, 2, 3, 4}, false};
        ReminderFormView form(&state, QStringLiteral("button.save"));
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        auto* picker = dynamic_cast<FormPicker*>(form.recurrencePicker());
        QVERIFY(picker);
        const QString words = recurrenceWords(RecurrenceOption::custom, *state.customRule);
        QCOMPARE(picker->currentText(), words);
        QVERIFY2(picker->shownText().endsWith(QChar(0x2026)), qPrintable(picker->shownText()));
        QCOMPARE(picker->toolTip(), words);

        // A choice that fits is shown whole, with no tooltip to repeat it.
        picker->setCurrentIndex(picker->findData(rawValue(RecurrenceOption::daily)));
        QCOMPARE(picker->shownText(), picker->currentText());
        QVERIFY(picker->toolTip().isEmpty());
    }

    void shouldGiveChineseEntriesTheirFullHeight()
    {
        for (const char* language : {"zh-Hans", "zh-Hant"}) {
            m_fixture->preferences().setString(PreferenceKey::languagePreference, QString::fromLatin1(language));
            ReminderFormState state = ReminderFormState::fresh(rowsNow());
            ReminderFormView form(&state, QStringLiteral("button.add"));
            form.show();
            QVERIFY(QTest::qWaitForWindowExposed(&form));
            for (QComboBox* picker : {form.priorityPicker(), form.recurrencePicker()}) {
                QStyleOptionComboBox option;
                option.initFrom(picker);
                option.rect = picker->rect();
                const QRect field =
                    picker->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, picker);
                for (int index = 0; index < picker->count(); ++index) {
                    QTextLayout layout(picker->itemText(index), picker->font());
                    layout.beginLayout();
                    QTextLine text = layout.createLine();
                    text.setNumColumns(picker->itemText(index).size());
                    layout.endLayout();
                    const qreal line = text.height();
                    QVERIFY2(field.height() >= line + 4,
                             qPrintable(QLatin1String(language) + QLatin1Char(' ') + picker->itemText(index)));
                }
            }
        }
    }
};

QTEST_MAIN(ReminderFormViewTest)
#include "ReminderFormViewTest.moc"
