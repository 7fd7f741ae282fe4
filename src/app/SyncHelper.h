#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace tolvik {

/// The two questions the sync engine asks this binary: the password of an account, and how to settle a reminder
/// changed on both sides. Both are answered without a display, a tray or the single-instance guard.
struct SyncHelperRequest
{
    enum class Kind
    {
        password,
        conflict,
    };
    Kind kind = Kind::password;
    QString accountID;
    QStringList files;

    /// The request in the raw arguments (program name first), when they hold one.
    static std::optional<SyncHelperRequest> parse(const QStringList& arguments);
};

/// Answers `request` and returns the exit code. The password goes to stdout without a newline; 3 means the
/// keyring holds none for the account (sign in again), 4 that no keyring answered or it refused, 2 a bad request.
/// Needs a QCoreApplication.
int runSyncHelper(const SyncHelperRequest& request);

} // namespace tolvik
