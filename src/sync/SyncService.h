#pragma once

#include "sync/CredentialStore.h"
#include "sync/EngineRunner.h"
#include "sync/SyncAccount.h"
#include "sync/SyncState.h"

#include <QHash>
#include <QObject>
#include <QSet>

#include <QCoro/QCoroTask>

namespace tolvik {

/// The accounts the app syncs and their runs: sets an account up (password, engine config, local folders), runs
/// discover, sync and metasync for it one at a time, and after a failure asks the server itself what is wrong.
class SyncService : public QObject
{
    Q_OBJECT

public:
    /// `program` is this app's binary (the engine asks it for the password and for conflicts); `engine` the
    /// engine's binary.
    SyncService(QString storeRoot, QString program, QString engine = QStringLiteral("vdirsyncer"),
                QObject* parent = nullptr);

    /// The app's one service, once the app made it; nullptr in a process that syncs nothing.
    static SyncService* shared();
    static void setShared(SyncService* service);

    QList<SyncAccount> accounts() const { return m_accounts; }
    AccountSyncState state(const QString& accountID) const { return m_states.value(accountID); }
    QString storeRoot() const { return m_storeRoot; }
    bool engineAvailable() const;

    /// Stores the password, writes the engine's config and the local folders, then starts the first sync.
    /// The status of storing the password: nothing else happens unless it is ok.
    QCoro::Task<SecretResult> addAccount(SyncAccount account, QString password);
    /// Stores a new password and syncs again.
    QCoro::Task<SecretResult> changePassword(QString accountID, QString password);
    /// Trusts the certificate the server shows now and syncs again.
    void trustCertificate(const QString& accountID, const QString& sha256);
    /// Syncs the account, or only `lists` of it; a request during a run makes one more run after it.
    QCoro::Task<bool> sync(QString accountID, QStringList lists = {});
    /// Forgets the account: its keyring entry, engine configs and sync state. Its lists stay on this computer as
    /// they are, or go to the desktop's trash when `keepLists` is false. False when the trash refused them.
    QCoro::Task<bool> removeAccount(QString accountID, bool keepLists);
    /// Restore: puts the reminders a sync held back (or removed) where they were, from the snapshot taken before
    /// it, and has the engine upload them again; done when the sync after it ran. False while a sync runs or when
    /// a file could not be restored.
    QCoro::Task<bool> restoreHeld(QString accountID);
    /// "Delete them": removes the held reminders here as the server asks (the snapshot keeps them for a few days)
    /// and syncs; done when that sync ran. False while a sync runs.
    QCoro::Task<bool> deleteHeld(QString accountID);
    /// sync() without waiting.
    void syncNow(const QString& accountID, const QStringList& lists = {});
    /// Every account at once, as the tray menu's Sync Now asks.
    void syncAllNow();
    /// Folders under the account's folder that it does not pair yet: lists made here since it was set up. The next
    /// sync makes them on the server.
    QStringList newListFolders(const SyncAccount& account) const;
    /// The panel opened: a stale account syncs (the scheduler listens).
    void notePanelOpened() { Q_EMIT panelOpened(); }

Q_SIGNALS:
    void accountsChanged();
    void stateChanged(const QString& accountID);
    /// A run of the engine for the account (only `lists` of it, when not empty) starts.
    void runStarted(const QString& accountID, const QStringList& lists);
    void panelOpened();

private:
    /// The snapshot and the guard's look at each list before the engine runs.
    struct GuardOutcome
    {
        /// The lists the engine may sync now.
        QStringList allowed;
        QList<HeldDeletion> held;
        /// The first failed listing, and the list it was for.
        std::optional<DavReply> failure;
        QString failedList;
        QString snapshot;
        /// The reminders the engine knew on both sides, per list, before the run.
        QHash<QString, int> known;
    };

    QCoro::Task<GuardOutcome> guardLists(SyncAccount account, QString password, QStringList lists,
                                         QList<HeldDeletion> previous);
    /// Removals the engine made although the guard let the list through (the server listed less to it than to
    /// the app a moment before): too many of them become a question with Restore.
    void noteRemovals(const SyncAccount& account, const EngineOutput& output, GuardOutcome& guard) const;
    QString listFolder(const QString& accountID, const QString& list) const;
    /// Makes a list on the server for each new folder (MKCALENDAR with its name, colour and VTODO) and pairs it.
    /// The display names of folders the server refused go to `refused`; the account as it is now is returned.
    QCoro::Task<SyncAccount> pairNewLists(SyncAccount account, QString password, QStringList* refused);
    QCoro::Task<SyncProblem> diagnose(SyncAccount account, QString password, EngineRun run, AccountSyncState* state);
    EngineRunner* runner(const QString& accountID);
    void setState(const QString& accountID, const AccountSyncState& state);
    bool writeAccount(const SyncAccount& account);
    int countPending(const SyncAccount& account, const QDateTime& since) const;

    QString m_storeRoot;
    QString m_program;
    QString m_engine;
    QList<SyncAccount> m_accounts;
    QHash<QString, AccountSyncState> m_states;
    QHash<QString, EngineRunner*> m_runners;
    QHash<QString, QStringList> m_followUps;
};

} // namespace tolvik
