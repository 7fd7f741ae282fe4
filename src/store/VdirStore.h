#pragma once

#include "model/ReminderStore.h"
#include "store/VdirFolderSnapshot.h"
#include "store/VdirLoader.h"
#include "store/VdirScanner.h"

#include <QFuture>
#include <QHash>
#include <QString>

#include <memory>
#include <optional>

class QTimer;

namespace tolvik {

class VdirWatcher;

/// The reminder store on iCalendar files in vdir folders: `<root>/<account>/<list>/<item>.ics`, shared with
/// other calendar clients and sync tools. Reads on a worker thread through a parse cache; writes atomically.
class VdirStore : public ReminderStore
{
    Q_OBJECT

public:
    /// A store on the folder `rootPath`, which need not exist yet.
    explicit VdirStore(QString rootPath, QObject* parent = nullptr);
    ~VdirStore() override;

    /// $XDG_DATA_HOME/calendars, or ~/.local/share/calendars; read from the environment on each call.
    static QString defaultRoot();
    /// The root folder this store reads.
    QString rootPath() const;

    /// Where the saved index of the store on `root` lives: a file under $XDG_CACHE_HOME (or ~/.cache) named
    /// after the root, so that stores on different roots keep their own.
    static QString defaultIndexPath(const QString& root);
    /// Keeps a saved index at `path` (empty: none, the default). The first fetch then starts from it, checking
    /// every file's identity and parsing only the files that changed; the store saves it again after a quiet
    /// spell following a change, and when it is destroyed.
    void setIndexPath(const QString& path);
    /// Saves the index now. False without an index path, or when it could not be written.
    bool saveIndex();

    AuthorizationStatus authorizationStatus() const override;
    QCoro::Task<AccessResult> requestAccess() override;
    std::optional<QString> listCreatedForAccess() const override { return m_listCreatedForAccess; }

    QCoro::Task<QList<StoreList>> lists() override;
    QCoro::Task<StoreReminderBatch> fetchReminders(QStringList listIDs) override;

    std::optional<StoreReminder> reminderWithID(const QString& id) override;
    std::optional<StoreList> listWithID(const QString& id) override;

    WriteResult saveReminder(const StoreReminder& reminder) override;
    WriteResult removeReminder(const StoreReminder& reminder) override;
    std::optional<ReminderSnapshot> snapshotReminder(const QString& reminderID) override;
    WriteResult restoreReminder(const ReminderSnapshot& snapshot) override;
    std::optional<StoredFile> readReminderFile(const QString& reminderID) override;
    WriteResult replaceReminderFile(const StoredFile& current, const QByteArray& bytes) override;
    std::optional<StoreReminder> readReminderBytes(const QByteArray& bytes) const override;

    ListCreation createList(const QString& accountID, const QString& name, const QColor& color) override;
    WriteResult renameList(const QString& listID, const QString& name) override;
    WriteResult recolorList(const QString& listID, const QColor& color) override;
    WriteResult deleteList(const QString& listID) override;

    /// How many files were read and parsed since the store was made; unchanged files are not read again.
    int parsedFileCount() const;
    /// How many files the last fetch skipped: too large, empty, binary, or not a readable to-do, and every
    /// further to-do of another UID inside a file.
    int skippedFileCount() const;
    /// What the last fetch skipped, as paths with the reason for each.
    QList<std::pair<QString, VdirSkipReason>> skippedFiles() const;
    /// How many account and list folders the last look at the lists skipped: those named in bytes that are not
    /// valid UTF-8, which stay untouched.
    int skippedFolderCount() const;

private:
    struct Located
    {
        std::shared_ptr<const VdirFolderSnapshot> folder;
        const VdirFileEntry* entry = nullptr;

        QString path() const;
        /// The located file's reminder; an entry is located only by its reminder's id, so there is one.
        const StoreReminder* reminder() const { return folder->reminderOf(*entry); }
    };

    /// Something the index holds changed: save it after a quiet spell.
    void indexChanged();
    void rescan();
    void adoptScan(VdirScan scan);
    QCoro::Task<> rewatchAndSignal();
    /// After a change to the list folders: read them again, watch the new ones, and tell the model.
    void listsChanged();
    /// The folder that holds the account's lists, or nothing for an account the store does not know.
    std::optional<QString> accountFolder(const QString& accountID);
    const VdirListFolder* findList(const QString& id);
    std::optional<Located> locate(const QString& reminderID) const;

    struct Rewritten
    {
        WriteResult result;
        VdirFileKey key;
        QByteArray bytes;
        /// The version of the file the write replaced, and its bytes.
        VdirFileKey replaced;
        QByteArray replacedBytes;
    };

    /// One version of an item as this store records it for undo: a snapshot (its key, exact bytes and permission
    /// bits) or what a change left (the key it wrote, or that it removed the name, and the version it replaced).
    struct Version : StoredVersion
    {
        QString root;
        QString listID;
        QString folderPath;
        QString fileName;
        VdirFileKey key;
        QByteArray bytes;
        unsigned mode = 0600;
        VdirFileKey replaced;
        bool removed = false;
    };
    /// A version of the item at `located`, naming where it lies; the caller fills in which version it is.
    std::shared_ptr<Version> versionAt(const Located& located) const;
    /// What a change of the item at `located` left: `key` written over `replaced`, or the name removed.
    std::shared_ptr<const StoredVersion> changeLeft(const Located& located, const VdirFileKey& key,
                                                    const VdirFileKey& replaced, bool removed) const;

    WriteResult createReminder(const StoreReminder& reminder);
    WriteResult updateReminder(const StoreReminder& reminder, const Located& located);
    /// Makes the edit from `base` to `changed` on the file as it is now, and retries on a concurrent change. A file
    /// that holds a reminder of another UID than `uid` is left alone.
    Rewritten rewrite(const QString& path, const QString& uid, const StoreReminder& base, const StoreReminder& changed);
    WriteResult moveReminder(const Located& located, const VdirListFolder& target, const StoreReminder& base,
                             const StoreReminder& changed);
    WriteResult copyReminder(const Located& located, const VdirListFolder& target, const StoreReminder& base,
                             const StoreReminder& changed);
    void recordWrite(const QString& listID, const QString& folderPath, const QString& fileName, const VdirFileKey& key,
                     const QByteArray& bytes);
    void recordRemoval(const QString& listID, const QString& fileName);

    QString m_root;
    VdirFolderKinds m_kinds;
    bool m_scanned = false;
    QList<VdirListFolder> m_lists;
    QHash<QString, qsizetype> m_listIndex;
    /// Index and parse cache of each loaded list, replaced whole by fetches and by own writes.
    QHash<QString, std::shared_ptr<const VdirFolderSnapshot>> m_folders;
    /// Per list, the write count at its last own write; a fetch that started earlier must not undo it.
    QHash<QString, quint64> m_writtenAt;
    quint64 m_writeCount = 0;
    /// Per list, the watcher's mark when its snapshot was last checked against the files.
    QHash<QString, quint64> m_verifiedMark;
    /// The last fetch, whose reminder list a fetch that finds nothing changed hands back as it is.
    VdirFetchResult m_lastFetch;
    VdirWatcher* m_watcher = nullptr;
    int m_parsedFiles = 0;
    int m_skippedFiles = 0;
    QList<std::pair<QString, VdirSkipReason>> m_skippedReasons;
    int m_skippedFolders = 0;
    std::optional<QString> m_listCreatedForAccess;
    QString m_indexPath;
    /// Whether a fetch has read the saved index; only the first one starts from it.
    bool m_indexRead = false;
    bool m_indexDirty = false;
    QTimer* m_indexTimer = nullptr;
    QFuture<bool> m_indexSaving;
};

} // namespace tolvik
