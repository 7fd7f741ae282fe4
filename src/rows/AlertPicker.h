#pragma once

#include "model/ReminderAlert.h"
#include "model/StoreRecords.h"

#include <QWidget>

#include <optional>

class QComboBox;
class QDateTimeEdit;
class QLabel;
class QSpinBox;

namespace tolvik {

class FormPicker;

/// The form's alert picker: "At due time", 5, 15 and 30 minutes, an hour or a day before, "Custom…" (a date and
/// time, or a time before the due) and "None". An alert it cannot set shows as one more entry, in words, and stays
/// unless the user picks another; "+N more" says that the reminder has further alarms, which stay as they are.
/// Without a due date only a date and time, or none, can be chosen.
class AlertPicker : public QWidget
{
    Q_OBJECT

public:
    explicit AlertPicker(QWidget* parent = nullptr);

    /// Shows an alert: `firstAlarm` is the reminder's first alarm (for the words of one the picker cannot set),
    /// `moreCount` how many alarms follow it, `dueDate` the due date the form holds, if it has one.
    void showAlert(const ReminderAlert& alert, const std::optional<StoreAlarm>& firstAlarm, int moreCount,
                   const std::optional<QDateTime>& dueDate);
    /// The form's due date changed, or was switched on or off.
    void setDueDate(const std::optional<QDateTime>& dueDate);
    ReminderAlert alert() const { return m_alert; }

    FormPicker* picker() const { return m_picker; }
    QLabel* moreLabel() const { return m_more; }
    QWidget* customRow() const { return m_customRow; }
    QComboBox* customKind() const { return m_customKind; }
    QDateTimeEdit* customDate() const { return m_customDate; }
    QSpinBox* customAmount() const { return m_customAmount; }
    QComboBox* customUnit() const { return m_customUnit; }

    /// The picker's entry data: a ready choice is its seconds before the due time; these mark the others.
    static constexpr int customEntry = -1;
    static constexpr int noneEntry = -2;
    static constexpr int shownEntry = -3;

Q_SIGNALS:
    /// The user chose an alert (not emitted by `showAlert`).
    void alertChosen(const tolvik::ReminderAlert& alert);

protected:
    void changeEvent(QEvent* event) override;

private:
    void build();
    void retranslate();
    void applyColors();
    void choose(int index);
    void openCustom();
    void writeCustom();
    void select();
    void updateEnabled();
    void updateMore();

    ReminderAlert m_alert;
    /// What `showAlert` showed, which choosing its own entry again goes back to.
    ReminderAlert m_shownAlert;
    std::optional<StoreAlarm> m_firstAlarm;
    int m_moreCount = 0;
    std::optional<QDateTime> m_dueDate;
    bool m_updating = false;

    QLabel* m_caption = nullptr;
    FormPicker* m_picker = nullptr;
    QLabel* m_more = nullptr;
    QWidget* m_customRow = nullptr;
    QComboBox* m_customKind = nullptr;
    QDateTimeEdit* m_customDate = nullptr;
    QSpinBox* m_customAmount = nullptr;
    QComboBox* m_customUnit = nullptr;
};

} // namespace tolvik
