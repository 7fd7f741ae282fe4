#pragma once

#include "settings/AddAccountDialog.h"

#include <QHash>
#include <QPointer>
#include <QWidget>

class QLabel;
class QPushButton;
class QTimer;
class QVBoxLayout;

namespace tolvik {

class LinkButton;
class SyncService;

/// The synced accounts in the settings' Accounts section: per account its name, when it last synced or what went
/// wrong with the next step, "Sync Now" and the action the problem calls for; and "Add Account…" below them.
class SyncAccountsPanel : public QWidget
{
    Q_OBJECT

public:
    explicit SyncAccountsPanel(SyncService& service, QWidget* parent = nullptr);

    QPushButton* addAccountButton() const;
    QStringList accountIDs() const { return m_rows.keys(); }
    QLabel* statusLabel(const QString& accountID) const;
    QPushButton* syncNowButton(const QString& accountID) const;
    /// "Sign in again…" or "Review Certificate…", shown while the problem calls for it.
    QPushButton* fixButton(const QString& accountID) const;
    QPushButton* removeButton(const QString& accountID) const;
    /// "Restore" and "Delete Them", shown while a sync holds back reminders the server would remove.
    QPushButton* restoreButton(const QString& accountID) const { return buttonOf(accountID, &Row::restore); }
    QPushButton* deleteHeldButton(const QString& accountID) const { return buttonOf(accountID, &Row::deleteHeld); }
    /// Store folders that the user's own vdirsyncer config syncs, each shown with a line that says so.
    QStringList externalFolders() const { return m_external.keys(); }
    QLabel* externalStatus(const QString& folder) const { return m_external.value(folder); }
    /// The open Add Account dialog, if any.
    AddAccountDialog* addDialog() const { return m_dialog; }

    void openAddAccount();

Q_SIGNALS:
    /// A new account's lists should show in the panel (ids as "<account>/<list>").
    void listsAdded(const QString& accountID, const QStringList& listIDs);

private:
    struct Row
    {
        QWidget* widget = nullptr;
        QLabel* name = nullptr;
        QLabel* status = nullptr;
        LinkButton* syncNow = nullptr;
        LinkButton* fix = nullptr;
        LinkButton* remove = nullptr;
        QWidget* heldActions = nullptr;
        LinkButton* restore = nullptr;
        LinkButton* deleteHeld = nullptr;
    };

    QPushButton* buttonOf(const QString& accountID, LinkButton* Row::*button) const;
    void answerHeld(const QString& accountID, bool restore);

    void rebuild();
    void rebuildExternal();
    void updateRow(const QString& accountID);
    void fixProblem(const QString& accountID);
    void confirmRemove(const QString& accountID);
    void retranslate();

    SyncService& m_service;
    QVBoxLayout* m_rowsLayout;
    LinkButton* m_add;
    QLabel* m_engineMissing;
    QHash<QString, Row> m_rows;
    QHash<QString, QLabel*> m_external;
    QList<QWidget*> m_externalRows;
    QTimer* m_clock;
    QPointer<AddAccountDialog> m_dialog;
};

} // namespace tolvik
