#pragma once

#include "model/ReminderList.h"

#include <QColor>
#include <QDialog>
#include <QList>

#include <optional>

class QAbstractButton;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace tolvik {

class RemindersViewModel;

/// The small dialog that makes a list (name, colour and account) or renames one (name only). It checks the name,
/// runs the change through the model, and shows a failure inside itself; it closes only once the change is made.
class ListNameDialog : public QDialog
{
    Q_OBJECT

public:
    /// The colours offered as swatches, in order.
    static const QList<QColor>& swatchColors();
    /// A swatch colour's name in the interface language ("Red"); any other colour's hex code.
    static QString swatchName(const QColor& color);
    /// Gives a window of its own the theme of the widget it opens over; it would show the desktop's otherwise.
    static void takeTheme(QWidget* window, const QWidget* from);
    /// A round swatch of `color`, with a ring in `ring` when it is the chosen one.
    static QIcon swatchIcon(const QColor& color, bool chosen = false, const QColor& ring = QColor());

    /// A dialog that makes a new list. `model` must outlive it.
    static ListNameDialog* forNewList(RemindersViewModel& model, QWidget* parent);
    /// A dialog that renames `list`.
    static ListNameDialog* forRename(RemindersViewModel& model, const ReminderList& list, QWidget* parent);

    QLineEdit* nameField() const { return m_name; }
    QComboBox* accountPicker() const { return m_account; }
    QList<QToolButton*> swatches() const { return m_swatches; }
    QPushButton* customColorButton() const { return m_custom; }
    QPushButton* submitButton() const { return m_submit; }
    QLabel* errorLabel() const { return m_error; }
    QColor chosenColor() const { return m_color; }
    void chooseColor(const QColor& color);

    /// Checks the name and starts the change; the dialog accepts itself when it succeeded.
    void submit();

private:
    ListNameDialog(RemindersViewModel& model, std::optional<ReminderList> renamed, QWidget* parent);
    void buildColorRow(QWidget* holder);
    void showError(const QString& text);
    bool nameIsTaken(const QString& name, const QString& accountID) const;

    RemindersViewModel& m_model;
    std::optional<ReminderList> m_renamed;
    QColor m_color;
    QLineEdit* m_name = nullptr;
    QComboBox* m_account = nullptr;
    QList<QToolButton*> m_swatches;
    QPushButton* m_custom = nullptr;
    QPushButton* m_submit = nullptr;
    QLabel* m_error = nullptr;
};

} // namespace tolvik
