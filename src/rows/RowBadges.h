#pragma once

#include "model/ReminderItem.h"

#include <QWidget>

class QLabel;

namespace tolvik {

/// The small marks on a row's second line: a bell with the time the reminder's first alarm rings (a crossed-out
/// bell when the user chose no alert), its tags as chips, at most two and then "+N", and two squares when the
/// reminder was changed on two devices and the other version is kept.
class RowBadges : public QWidget
{
    Q_OBJECT

public:
    static constexpr int maximumChips = 2;

    explicit RowBadges(QWidget* parent = nullptr);

    /// Shows the reminder's alert and tags; hides itself when it has no mark at all.
    void setReminder(const ReminderItem& reminder, bool changedOnTwoDevices = false);
    /// The bell's text ("9:45", or a date and time on another day than the due); empty without an alarm.
    QString alertText() const;
    /// The chips' texts in order, "+N" last when there are more tags.
    QStringList chipTexts() const;
    /// What the marks say, for the row's accessible description; empty when it shows none.
    QString accessibleText() const;

    QLabel* bellIcon() const { return m_bell; }
    QLabel* twoDevicesMark() const { return m_twoDevices; }

    /// As wide as all the marks; it can shrink to the bell and its time, and chips that do not fit are left out.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void refresh();
    /// The marks the reminder has, in order, whether or not they fit.
    QList<QWidget*> wanted() const;
    void place();

    ReminderItem m_reminder;
    bool m_changedOnTwoDevices = false;
    QLabel* m_bell;
    QLabel* m_time;
    QList<QWidget*> m_chips;
    QLabel* m_twoDevices;
};

} // namespace tolvik
