// The form's alert picker: its choices and what each writes into the form's state, a reminder without a due date,
// and alarms from other clients that it shows in words and leaves alone unless the user picks another.
#include "rows/AlertPicker.h"
#include "RowsFixture.h"
#include "rows/FormFields.h"
#include "rows/ReminderFormView.h"
#include "rows/ReminderRow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QTest>

using namespace tolvik;
using namespace tolvik::test;

namespace {

void choose(QComboBox* picker, int data)
{
    const int index = picker->findData(data);
    QVERIFY(index >= 0);
    picker->setCurrentIndex(index);
    Q_EMIT picker->activated(index);
}

QStringList entries(const QComboBox* picker)
{
    QStringList texts;
    for (int index = 0; index < picker->count(); ++index) {
        texts.append(picker->itemText(index));
    }
    return texts;
}

bool enabled(const QComboBox* picker, int data)
{
    return qobject_cast<QStandardItemModel*>(picker->model())->item(picker->findData(data))->isEnabled();
}

// The alarm blocks of a file, each whole with its line ends.
QList<QByteArray> alarmBlocks(const QByteArray& file)
{
    QList<QByteArray> blocks;
    for (qsizetype at = file.indexOf("BEGIN:VALARM"); at >= 0; at = file.indexOf("BEGIN:VALARM", at + 1)) {
        blocks.append(file.mid(at, file.indexOf("END:VALARM", at) + 12 - at));
    }
    return blocks;
}

} // namespace

class AlertPickerTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<RowsFixture> m_fixture;

private Q_SLOTS:
    void init() { m_fixture = std::make_unique<RowsFixture>(); }
    void cleanup() { m_fixture.reset(); }

    void shouldOfferTheChoicesInOrderAndWriteTheChosenAlert()
    {
        ReminderFormState state = ReminderFormState::fresh(rowsNow());
        state.includeDueDate = true;
        ReminderFormView form(&state, QStringLiteral("button.add"));
        form.show();
        AlertPicker* alert = form.alertPicker();
        QComboBox* picker = alert->picker();

        QCOMPARE(entries(picker), (QStringList{QStringLiteral("At due time"), QStringLiteral("5 minutes before"),
                                               QStringLiteral("15 minutes before"), QStringLiteral("30 minutes before"),
                                               QStringLiteral("1 hour before"), QStringLiteral("1 day before"),
                                               QStringLiteral("Custom…"), QStringLiteral("None")}));
        QCOMPARE(picker->accessibleName(), QStringLiteral("Alert"));
        QCOMPARE(picker->currentText(), QStringLiteral("At due time"));
        QCOMPARE(state.alert, ReminderAlert{});

        // The keyboard moves through the choices, as with every drop-down.
        picker->setFocus();
        QTest::keyClick(picker, Qt::Key_Down);
        QCOMPARE(state.alert, ReminderAlert::before(300));
        choose(picker, 86400);
        QCOMPARE(state.alert, ReminderAlert::before(86400));
        choose(picker, AlertPicker::noneEntry);
        QCOMPARE(state.alert, ReminderAlert::silenced());

        choose(picker, AlertPicker::customEntry);
        QVERIFY(alert->customRow()->isVisibleTo(&form));
        QCOMPARE(alert->customKind()->currentText(), QStringLiteral("Before the due time"));
        alert->customAmount()->setValue(2);
        alert->customUnit()->setCurrentIndex(1);
        Q_EMIT alert->customUnit()->activated(1);
        QCOMPARE(state.alert, ReminderAlert::before(2 * 3600));
        alert->customKind()->setCurrentIndex(0);
        Q_EMIT alert->customKind()->activated(0);
        QVERIFY(alert->customDate()->isVisibleTo(&form));
        const QDateTime moment(QDate(2024, 3, 15), QTime(8, 30));
        alert->customDate()->setDateTime(moment);
        QCOMPARE(state.alert, ReminderAlert::at(moment));

        choose(picker, 900);
        QVERIFY(!alert->customRow()->isVisibleTo(&form));
        QCOMPARE(state.alert, ReminderAlert::before(900));
    }

    void shouldOfferOnlyADateAndTimeOrNoneWithoutADueDate()
    {
        ReminderFormState state = ReminderFormState::fresh(rowsNow());
        ReminderFormView form(&state, QStringLiteral("button.add"));
        form.show();
        QComboBox* picker = form.alertPicker()->picker();

        QCOMPARE(picker->currentText(), QStringLiteral("None"));
        for (const qint64 preset : alertPresets()) {
            QVERIFY(!enabled(picker, int(preset)));
        }
        QVERIFY(enabled(picker, AlertPicker::customEntry) && enabled(picker, AlertPicker::noneEntry));
        choose(picker, AlertPicker::customEntry);
        QCOMPARE(form.alertPicker()->customKind()->currentText(), QStringLiteral("At a date and time"));
        QCOMPARE(state.alert.kind, ReminderAlert::Kind::absolute);

        form.dueDateToggle()->click();
        QVERIFY(enabled(picker, 900));
    }

    // A phone's sound that repeats, then an alarm before the start: the picker shows the first in words and
    // "+1 more", an edit of the title keeps both, and picking "1 hour before" replaces only the first.
    void shouldShowAnAlarmItCannotSetInWordsAndReplaceOnlyThatOne()
    {
        const QString list = QStringLiteral("home/tasks");
        m_fixture->makeList(list, "Tasks");
        const QString id = m_fixture->writeTodo(
            list, QStringLiteral("garden"), QStringLiteral("Water the garden"),
            {QStringLiteral("DUE:20240316T170000Z"), QStringLiteral("DTSTART:20240316T160000Z"),
             QStringLiteral("BEGIN:VALARM"), QStringLiteral("ACTION:AUDIO"),
             QStringLiteral("ATTACH;FMTTYPE=audio/ogg:https://example.com/bell.ogg"),
             QStringLiteral("TRIGGER;RELATED=END:-PT10M"), QStringLiteral("REPEAT:2"), QStringLiteral("DURATION:PT5M"),
             QStringLiteral("END:VALARM"), QStringLiteral("BEGIN:VALARM"), QStringLiteral("ACTION:DISPLAY"),
             QStringLiteral("DESCRIPTION:Garden"), QStringLiteral("TRIGGER;RELATED=START:-PT30M"),
             QStringLiteral("X-KEEP:me"), QStringLiteral("END:VALARM")});
        const QList<QByteArray> before = alarmBlocks(m_fixture->readTodo(id));
        auto model = m_fixture->makeModel();
        const auto open = [&] {
            for (const ReminderItem& reminder : model->reminders()) {
                if (reminder.id == id) {
                    return reminder;
                }
            }
            return ReminderItem{};
        };
        auto row = std::make_unique<ReminderRow>(open(), model.get(), m_fixture->clock());
        row->show();
        row->edit();
        AlertPicker* alert = row->editForm()->alertPicker();
        QCOMPARE(alert->picker()->currentText(), QStringLiteral("10 minutes before, own sound, repeats 2 times"));
        QVERIFY(alert->moreLabel()->isVisibleTo(row->editForm()));
        QCOMPARE(alert->moreLabel()->text(), QStringLiteral("+1 more"));

        row->editForm()->titleField()->setText(QStringLiteral("Water the whole garden"));
        QTest::mouseClick(row->editForm()->submitButton(), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(!row->isEditPresented(), 10000);
        QCOMPARE(alarmBlocks(m_fixture->readTodo(id)), before);

        row = std::make_unique<ReminderRow>(open(), model.get(), m_fixture->clock());
        row->show();
        row->edit();
        choose(row->editForm()->alertPicker()->picker(), 3600);
        QTest::mouseClick(row->editForm()->submitButton(), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(!row->isEditPresented(), 10000);
        const QList<QByteArray> after = alarmBlocks(m_fixture->readTodo(id));
        QCOMPARE(after.size(), 2);
        QVERIFY(after.first().contains("TRIGGER;RELATED=END:-PT1H\r\n"));
        QVERIFY(!after.first().contains("REPEAT") && !after.first().contains("ATTACH"));
        QCOMPARE(after.last(), before.last());
    }
};

QTEST_MAIN(AlertPickerTest)
#include "AlertPickerTest.moc"
