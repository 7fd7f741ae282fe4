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
    /// sync() without waiting.
    void syncNow(const QString& accountID, const QStringList& lists = {});
    /// Every account at once, as the tray menu's Sync Now asks.
    void syncAllNow();
    /// The panel opened: a stale account syncs (the scheduler listens).
    void notePanelOpened() { Q_EMIT panelOpened(); }

Q_SIGNALS:
    void accountsChanged();
    void stateChanged(const QString& accountID);
    /// A run of the engine for the account (only `lists` of it, when not empty) starts.
    void runStarted(const QString& accountID, const QStringList& lists);
    void panelOpened();

private:
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
