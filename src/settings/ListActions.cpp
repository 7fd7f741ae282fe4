#include "settings/ListActions.h"

#include "appearance/LocalizationManager.h"
#include "model/RemindersViewModel.h"
#include "settings/ListNameDialog.h"

#include <QColorDialog>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>

#include <QCoro/QCoroTask>

namespace tolvik {

ListActions::ListActions(RemindersViewModel& model, QWidget* dialogParent)
    : QObject(dialogParent)
    , m_model(model)
    , m_dialogParent(dialogParent)
{}

QMenu* ListActions::menuFor(const ReminderList& list, QWidget* parent)
{
    auto* menu = new QMenu(parent);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    connect(menu->addAction(localizedString(QStringLiteral("list.rename"))), &QAction::triggered, this,
            [this, list] { rename(list); });
    QMenu* colors = menu->addMenu(localizedString(QStringLiteral("list.color")));
    for (const QColor& color : ListNameDialog::swatchColors()) {
        QAction* action = colors->addAction(ListNameDialog::swatchIcon(color), ListNameDialog::swatchName(color));
        action->setCheckable(true);
        action->setChecked(color == list.color);
        connect(action, &QAction::triggered, this, [this, list, color] { recolor(list, color); });
    }
    colors->addSeparator();
    connect(colors->addAction(localizedString(QStringLiteral("list.customColor"))), &QAction::triggered, this,
            [this, list] { chooseCustomColor(list); });
    menu->addSeparator();
    connect(menu->addAction(localizedString(QStringLiteral("list.delete"))), &QAction::triggered, this,
            [this, list] { confirmDelete(list); });
    return menu;
}

void ListActions::newList()
{
    m_dialog = ListNameDialog::forNewList(m_model, m_dialogParent);
    m_dialog->open();
}

void ListActions::rename(const ReminderList& list)
{
    m_dialog = ListNameDialog::forRename(m_model, list, m_dialogParent);
    m_dialog->open();
}

void ListActions::recolor(const ReminderList& list, const QColor& color)
{
    QCoro::connect(m_model.recolorList(list.id, color), this, [this](const WriteResult& result) {
        if (result.error) {
            showFailure(QStringLiteral("list.colorFailed"), *result.error);
        }
    });
}

void ListActions::chooseCustomColor(const ReminderList& list)
{
    auto* picker = new QColorDialog(list.color, m_dialogParent);
    picker->setAttribute(Qt::WA_DeleteOnClose);
    ListNameDialog::takeTheme(picker, m_dialogParent);
    connect(picker, &QColorDialog::colorSelected, this, [this, list](const QColor& color) { recolor(list, color); });
    picker->open();
}

void ListActions::confirmDelete(const ReminderList& list)
{
    QCoro::connect(m_model.reminderCountOfList(list.id), this, [this, list](int count) {
        auto* box = new QMessageBox(m_dialogParent);
        box->setAttribute(Qt::WA_DeleteOnClose);
        ListNameDialog::takeTheme(box, m_dialogParent);
        box->setIcon(QMessageBox::Warning);
        box->setTextFormat(Qt::PlainText);
        box->setText(localizedString(QStringLiteral("deleteList.title")).arg(list.name));
        // "and its 0 reminders" reads as a mistake: an empty list gets a sentence of its own.
        QString message = count == 0 ? localizedString(QStringLiteral("deleteList.messageEmpty"))
                                     : localizedString(QStringLiteral("deleteList.message"), count);
        // The app only moves the local folder; a sync tool does not delete the server's collection from that.
        if (list.accountID != builtInAccountID) {
            // Chinese sentences follow a full-width stop without a space.
            if (!message.endsWith(QChar(u'。'))) {
                message += QLatin1Char(' ');
            }
            message += localizedString(QStringLiteral("deleteList.syncedNote"));
        }
        box->setInformativeText(message);
        QPushButton* remove =
            box->addButton(localizedString(QStringLiteral("button.delete")), QMessageBox::DestructiveRole);
        box->addButton(localizedString(QStringLiteral("button.cancel")), QMessageBox::RejectRole);
        connect(remove, &QPushButton::clicked, this, [this, list] { deleteConfirmed(list); });
        m_message = box;
        box->open();
    });
}

void ListActions::deleteConfirmed(const ReminderList& list)
{
    QCoro::connect(m_model.deleteList(list.id), this, [this](const WriteResult& result) {
        if (result.error) {
            showFailure(QStringLiteral("deleteList.failed"), *result.error);
        }
    });
}

void ListActions::showFailure(const QString& key, const QString& error)
{
    auto* box = new QMessageBox(QMessageBox::Warning, QString(), localizedString(key).arg(error), QMessageBox::Ok,
                                m_dialogParent);
    box->setAttribute(Qt::WA_DeleteOnClose);
    ListNameDialog::takeTheme(box, m_dialogParent);
    box->setTextFormat(Qt::PlainText);
    m_message = box;
    box->open();
}

} // namespace tolvik
