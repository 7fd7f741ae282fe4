#pragma once

#include <QString>

#include <QCoro/QCoroTask>

namespace tolvik {

enum class SecretStatus
{
    ok,
    /// No entry: the account must sign in again.
    missing,
    /// No keyring answered, or it refused (locked, denied).
    keyringUnavailable,
};

struct SecretResult
{
    SecretStatus status = SecretStatus::keyringUnavailable;
    QString secret;
    QString error;
};

/// An account's password: in the desktop's keyring (Secret Service or KWallet, through QtKeychain), or, only when
/// the user chose it because no keyring answered, in a file only the user can read.
class CredentialStore
{
public:
    static QString service() { return QStringLiteral("org.tolvik.TolvikReminder"); }
    static QString key(const QString& accountID) { return QStringLiteral("caldav/") + accountID; }

    static QCoro::Task<SecretResult> read(QString accountID, bool inFile);
    static QCoro::Task<SecretResult> write(QString accountID, QString secret, bool inFile);
    static QCoro::Task<SecretResult> remove(QString accountID);

    /// read(), waiting in a local event loop: for the password helper, which runs without the app's loop.
    static SecretResult readNow(const QString& accountID, bool inFile);
};

} // namespace tolvik
