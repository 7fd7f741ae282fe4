#include "app/SyncHelper.h"

#include "sync/ConflictResolver.h"
#include "sync/CredentialStore.h"
#include "sync/SyncAccount.h"

#include <QRegularExpression>

#include <cstdio>

namespace tolvik {

std::optional<SyncHelperRequest> SyncHelperRequest::parse(const QStringList& arguments)
{
    if (arguments.size() < 2) {
        return std::nullopt;
    }
    SyncHelperRequest request;
    if (arguments.at(1) == QLatin1String("--sync-password")) {
        request.kind = Kind::password;
    } else if (arguments.at(1) == QLatin1String("--resolve-sync-conflict")) {
        request.kind = Kind::conflict;
    } else {
        return std::nullopt;
    }
    request.accountID = arguments.value(2);
    request.files = arguments.mid(3);
    return request;
}

int runSyncHelper(const SyncHelperRequest& request)
{
    static const QRegularExpression validID(QStringLiteral("^[A-Za-z0-9_]+$"));
    if (!validID.match(request.accountID).hasMatch()) {
        std::fputs("tolvik-reminder: no such sync account\n", stderr);
        return 2;
    }
    if (request.kind == SyncHelperRequest::Kind::conflict) {
        if (request.files.size() != 2) {
            std::fputs("tolvik-reminder: --resolve-sync-conflict ACCOUNT LOCAL REMOTE\n", stderr);
            return 2;
        }
        return ConflictResolver::resolve(request.accountID, request.files.at(0), request.files.at(1));
    }
    const auto account = SyncAccountRegistry::find(request.accountID);
    if (!account) {
        std::fputs("tolvik-reminder: no such sync account\n", stderr);
        return 3;
    }
    const SecretResult secret = CredentialStore::readNow(account->id, account->secretInFile);
    switch (secret.status) {
    case SecretStatus::ok: {
        const QByteArray bytes = secret.secret.toUtf8();
        std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
        return secret.secret.isEmpty() ? 3 : 0;
    }
    case SecretStatus::missing:
        std::fputs("tolvik-reminder: the keyring holds no password for this account\n", stderr);
        return 3;
    case SecretStatus::keyringUnavailable:
        std::fprintf(stderr, "tolvik-reminder: the keyring did not answer: %s\n", secret.error.toUtf8().constData());
        return 4;
    }
    return 4;
}

} // namespace tolvik
