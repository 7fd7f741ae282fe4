#pragma once

#include "model/ReminderList.h"
#include "settings/ListNameDialog.h"

#include <QMessageBox>
#include <QObject>
#include <QPointer>

class QMenu;
class QWidget;

namespace tolvik {

class RemindersViewModel;

/// What the settings window's Lists section does to lists: make one, and per list rename it, give it a colour or
/// delete it after asking. Dialogs and messages open over `dialogParent`; failures show there too.
class ListActions : public QObject
{
    Q_OBJECT

public:
    /// `model` must outlive the actions.
    ListActions(RemindersViewModel& model, QWidget* dialogParent);

    /// A new menu for one list (Rename…, Colour with its swatches and Custom…, Delete…), owned by `parent`.
    QMenu* menuFor(const ReminderList& list, QWidget* parent);

    void newList();
    void rename(const ReminderList& list);
    void recolor(const ReminderList& list, const QColor& color);
    void chooseCustomColor(const ReminderList& list);
    /// Counts the list's reminders, then asks before it moves the list to the trash.
    void confirmDelete(const ReminderList& list);

    /// The dialog or message opened last, while it is open.
    ListNameDialog* openDialog() const { return m_dialog; }
    QMessageBox* openMessage() const { return m_message; }

private:
    void deleteConfirmed(const ReminderList& list);
    void showFailure(const QString& key, const QString& error);

    RemindersViewModel& m_model;
    QWidget* m_dialogParent;
    QPointer<ListNameDialog> m_dialog;
    QPointer<QMessageBox> m_message;
};

} // namespace tolvik
