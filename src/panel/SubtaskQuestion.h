#pragma once

#include <QString>
#include <QWidget>

class QToolButton;

namespace tolvik {

class ElidedTextLabel;

/// The question above the panel's footer when a reminder with open sub-tasks is completed: complete them too, only
/// the reminder, or nothing. It lives inside the panel, so it can never fall behind it; Escape cancels.
class SubtaskQuestion : public QWidget
{
    Q_OBJECT

public:
    explicit SubtaskQuestion(QWidget* parent = nullptr);

    /// Shows the question for the reminder and gives the keyboard to its first answer.
    void ask(const QString& reminderID, const QString& title, int openSubtasks);
    /// Hides the question without an answer.
    void cancel();
    bool isAsking() const { return !m_reminderID.isEmpty(); }
    QString reminderID() const { return m_reminderID; }
    QString message() const;

    QToolButton* allButton() const { return m_all; }
    QToolButton* onlyThisButton() const { return m_onlyThis; }
    QToolButton* cancelButton() const { return m_cancel; }

    void refreshTexts();

Q_SIGNALS:
    /// The user chose: complete the reminder, and with `withSubtasks` its open sub-tasks too.
    void answered(const QString& reminderID, bool withSubtasks);
    /// The user closed the question; nothing is completed.
    void cancelled(const QString& reminderID);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void answer(bool withSubtasks);
    void refreshColors();

    ElidedTextLabel* m_message;
    QToolButton* m_all;
    QToolButton* m_onlyThis;
    QToolButton* m_cancel;
    QString m_reminderID;
    QString m_title;
    int m_openSubtasks = 0;
};

} // namespace tolvik
