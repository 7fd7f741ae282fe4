#pragma once

#include "rows/ReminderFormState.h"

#include <QString>
#include <QWidget>

#include <functional>
#include <utility>

class QCalendarWidget;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTextEdit;
class QTimeEdit;

namespace tolvik {

class AlertPicker;
class ElidedTextLabel;
class TagField;

/// The one form for adding and editing a reminder. It owns none of the values: every keystroke and every picker
/// change is written straight into the owner's `ReminderFormState`, and cancel and submit only tell the owner,
/// which reads the values it already holds. Texts are looked up at every update, so a language change shows at once.
class ReminderFormView : public QWidget
{
    Q_OBJECT

public:
    static constexpr int minimumFormWidth = 280;
    static constexpr int titleFocusDelayMs = 100;

    /// `state` must outlive the form; `primaryButtonKey` is the text key of the submit caption.
    ReminderFormView(ReminderFormState* state, QString primaryButtonKey, QWidget* parent = nullptr);

    /// Shows the owner's current values (after the owner reset or reloaded them).
    void reload();

    QLineEdit* titleField() const { return m_title; }
    QCheckBox* dueDateToggle() const { return m_dueToggle; }
    QCalendarWidget* calendar() const { return m_calendar; }
    QTimeEdit* timeField() const { return m_time; }
    QCheckBox* allDayToggle() const { return m_allDay; }
    QComboBox* priorityPicker() const { return m_priority; }
    QComboBox* recurrencePicker() const { return m_recurrence; }
    AlertPicker* alertPicker() const { return m_alertPicker; }
    TagField* tagField() const { return m_tags; }
    QTextEdit* notesField() const { return m_notes; }
    QPushButton* cancelButton() const { return m_cancel; }
    QPushButton* submitButton() const { return m_submit; }

    /// Shows why the last add or save failed, under the buttons; it goes when the user edits a field.
    void showError(const QString& text);
    void clearError();
    /// The error shown now; empty when none shows.
    QString errorText() const;
    QWidget* errorLine() const { return m_errorLine; }

Q_SIGNALS:
    void cancelRequested();
    void submitRequested();
    /// A value was written into the owner's state.
    void edited();

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void build();
    void bind();
    void retranslate();
    /// Offers the reminder's custom rule as one more repeat choice, in words, while the form has one.
    void showCustomRepeat();
    void applyColors();
    void updateMinimumWidth();
    void updateSubmitEnabled();
    void requestSubmit();
    void showDueDate();
    void writeDueDate(const QDateTime& dueDate);
    /// Tells the alert picker the due date the form holds now.
    void showAlertDue();

    ReminderFormState* m_state;
    QString m_primaryButtonKey;
    bool m_reloading = false;

    QLineEdit* m_title = nullptr;
    QCheckBox* m_dueToggle = nullptr;
    QWidget* m_dueGroup = nullptr;
    QLabel* m_dueLabel = nullptr;
    QCalendarWidget* m_calendar = nullptr;
    QLabel* m_timeLabel = nullptr;
    QCheckBox* m_allDay = nullptr;
    QTimeEdit* m_time = nullptr;
    AlertPicker* m_alertPicker = nullptr;
    TagField* m_tags = nullptr;
    QLabel* m_priorityCaption = nullptr;
    QComboBox* m_priority = nullptr;
    QLabel* m_recurrenceCaption = nullptr;
    QComboBox* m_recurrence = nullptr;
    QTextEdit* m_notes = nullptr;
    QPushButton* m_cancel = nullptr;
    QPushButton* m_submit = nullptr;
    QWidget* m_errorLine = nullptr;
    QLabel* m_errorIcon = nullptr;
    ElidedTextLabel* m_errorText = nullptr;
};

class PopoverWindow;
class RemindersViewModel;

/// What a form shows when its add or save failed: the store's own message, or a general one when it gave none.
QString failureText(const RemindersViewModel& model);

/// A popup holding a form on `state`, `width` wide and owned by `owner`; returns the popup and its form. The form's
/// cancel and a click outside both call `close`, which keeps what was typed; submit calls `submit`.
std::pair<PopoverWindow*, ReminderFormView*> makeFormPopover(QWidget* owner, ReminderFormState* state,
                                                             const QString& primaryButtonKey, int width,
                                                             const std::function<void()>& close,
                                                             const std::function<void()>& submit);

} // namespace tolvik
