#pragma once

#include <QList>
#include <QString>
#include <QUrl>

#include <optional>

namespace tolvik {

/// One server list an account syncs: its folder name under the account (the last segment of its URL, as the
/// engine names it) and where it lives on the server.
struct SyncedCollection
{
    QString name;
    QUrl url;

    friend bool operator==(const SyncedCollection&, const SyncedCollection&) = default;
};

/// A CalDAV account the app set up. The password is not here: it lives in the keyring, or, when the user chose
/// so because no keyring answered, in a file only the user can read.
struct SyncAccount
{
    /// Letters, digits and '_' only: it names the account's folder, its config sections and its keyring entry.
    QString id;
    /// The calendar home set: the engine lists the collections under it.
    QUrl homeUrl;
    QString userName;
    QList<SyncedCollection> collections;
    /// SHA-256 of a certificate the user chose to trust ("AA:BB:..."); empty when the system's trust decides.
    QString pinnedFingerprint;
    bool secretInFile = false;

    friend bool operator==(const SyncAccount&, const SyncAccount&) = default;
};

/// Where the sync keeps its files. Every folder follows the XDG variables, so tests point them at a temp folder.
struct SyncPaths
{
    /// $XDG_CONFIG_HOME/tolvik-reminder/sync: the accounts file and the generated engine configs.
    static QString configFolder();
    /// $XDG_STATE_HOME/tolvik-reminder/sync/<id>: the engine's status, snapshots, the lock and the state file.
    static QString stateFolder(const QString& accountID);
    /// $XDG_DATA_HOME/tolvik-reminder/secrets/<id>: the password file of an account that uses one.
    static QString secretFile(const QString& accountID);
    static QString itemsConfig(const QString& accountID);
    static QString metadataConfig(const QString& accountID);
};

/// The accounts the app syncs, kept as JSON in the config folder and replaced atomically on each change.
class SyncAccountRegistry
{
public:
    static QList<SyncAccount> load();
    /// False when the file could not be written; the old file then stays as it was.
    static bool save(const QList<SyncAccount>& accounts);

    static std::optional<SyncAccount> find(const QString& accountID);
    /// An id for a new account from the server's host (and the user, when the host is taken), unique among
    /// `takenIDs`, the store's folders in `storeRoot` and the folders the user's own engine config pairs.
    static QString makeID(const QUrl& server, const QString& userName, const QStringList& takenIDs,
                          const QString& storeRoot);
};

} // namespace tolvik
