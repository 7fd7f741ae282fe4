#pragma once

#include <QDateTime>
#include <QHash>
#include <QObject>
#include <QSet>
#include <QString>

class QFileSystemWatcher;
class QTimer;

namespace tolvik {

class SyncService;

/// When the accounts sync without being asked: a few seconds after a change in a synced list (that list only),
/// every 15 minutes, on resume, when the network comes back, and on opening the panel when the last sync is stale.
/// A failing account backs off (2, 4, 8 … up to 60 minutes) for all of these; Sync Now always runs at once.
class SyncScheduler : public QObject
{
    Q_OBJECT

public:
    static constexpr int quietMs = 3000;
    static constexpr int longestWaitMs = 30000;
    static constexpr int periodMs = 15 * 60 * 1000;
    static constexpr qint64 staleSeconds = 120;

    explicit SyncScheduler(SyncService& service, QObject* parent = nullptr);

    void resumed();
    void networkCameBack();
    void panelOpened();
    /// A file in a synced list folder changed (the watcher calls this; tests may too).
    void listChanged(const QString& accountID, const QString& listName);

    /// The earliest time an automatic sync of the account may run again; invalid when it may run now.
    QDateTime backedOffUntil(const QString& accountID) const { return m_backoffUntil.value(accountID); }

Q_SIGNALS:
    /// An account has failed for a day: time for one desktop notification.
    void failingForADay(const QString& accountID);

private:
    void syncAll(bool onlyStale);
    bool mayRunAutomatically(const QString& accountID) const;
    void startDue();
    void watchFolders();
    void onStateChanged(const QString& accountID);
    QByteArray fingerprint(const QString& accountID, const QString& listName) const;

    SyncService& m_service;
    QTimer* m_periodic;
    QTimer* m_quiet;
    QFileSystemWatcher* m_watcher;
    QDateTime m_firstPending;
    /// account → lists changed and waiting for the quiet timer.
    QHash<QString, QSet<QString>> m_pending;
    /// "account/list" → the folder as the last run of it started, to tell the engine's own writes from new ones.
    QHash<QString, QByteArray> m_seen;
    QHash<QString, int> m_failures;
    QHash<QString, QDateTime> m_backoffUntil;
    QSet<QString> m_notified;
};

} // namespace tolvik
