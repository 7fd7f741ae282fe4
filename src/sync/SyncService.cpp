#include "sync/SyncService.h"

#include "sync/DavXml.h"
#include "sync/EngineConfig.h"

#include <QDir>
#include <QDirIterator>
#include <QNetworkInformation>
#include <QPointer>

namespace tolvik {

namespace {

constexpr auto firstSyncLimit = std::chrono::minutes(15);
constexpr auto syncLimit = std::chrono::minutes(3);
constexpr auto discoverLimit = std::chrono::minutes(2);

bool isOffline()
{
    QNetworkInformation* information = QNetworkInformation::instance();
    return information && information->reachability() == QNetworkInformation::Reachability::Disconnected;
}

SyncProblem problemOfReply(const DavReply& reply)
{
    if (reply.status == 401 || reply.status == 403) {
        return SyncProblem::signInAgain;
    }
    if (reply.status >= 500) {
        return SyncProblem::serverTrouble;
    }
    switch (reply.failure) {
    case DavFailure::untrustedCertificate:
        return SyncProblem::certificateChanged;
    case DavFailure::hostNotFound:
        return isOffline() ? SyncProblem::offline : SyncProblem::hostNotFound;
    case DavFailure::refused:
    case DavFailure::network:
        return isOffline() ? SyncProblem::offline : SyncProblem::unreachable;
    case DavFailure::timeout:
        return SyncProblem::timedOut;
    case DavFailure::tooManyRedirects:
    case DavFailure::none:
        break;
    }
    return SyncProblem::none;
}

SyncService* sharedService = nullptr;

} // namespace

SyncService* SyncService::shared()
{
    return sharedService;
}

void SyncService::setShared(SyncService* service)
{
    sharedService = service;
}

SyncService::SyncService(QString storeRoot, QString program, QString engine, QObject* parent)
    : QObject(parent)
    , m_storeRoot(std::move(storeRoot))
    , m_program(std::move(program))
    , m_engine(std::move(engine))
    , m_accounts(SyncAccountRegistry::load())
{
    for (const SyncAccount& account : m_accounts) {
        AccountSyncState state = AccountSyncState::load(account.id);
        state.pendingChanges = countPending(account, state.lastSuccess);
        m_states.insert(account.id, state);
    }
}

bool SyncService::engineAvailable() const
{
    return EngineRunner::isAvailable(m_engine);
}

EngineRunner* SyncService::runner(const QString& accountID)
{
    EngineRunner*& runner = m_runners[accountID];
    if (!runner) {
        runner = new EngineRunner(accountID, m_engine, this);
        connect(runner, &EngineRunner::progressed, this, [this, accountID](const EngineOutput& output) {
            AccountSyncState state = m_states.value(accountID);
            state.progressCount = output.changes();
            m_states.insert(accountID, state);
            Q_EMIT stateChanged(accountID);
        });
    }
    return runner;
}

void SyncService::setState(const QString& accountID, const AccountSyncState& state)
{
    m_states.insert(accountID, state);
    state.save(accountID);
    Q_EMIT stateChanged(accountID);
}

bool SyncService::writeAccount(const SyncAccount& account)
{
    QList<SyncAccount> accounts = m_accounts;
    auto it = std::find_if(accounts.begin(), accounts.end(), [&](const auto& a) { return a.id == account.id; });
    if (it != accounts.end()) {
        *it = account;
    } else {
        accounts.append(account);
    }
    if (!EngineConfig::write(account, m_storeRoot, m_program) || !SyncAccountRegistry::save(accounts)) {
        return false;
    }
    m_accounts = accounts;
    Q_EMIT accountsChanged();
    return true;
}

QCoro::Task<SecretResult> SyncService::addAccount(SyncAccount account, QString password)
{
    SecretResult stored = co_await CredentialStore::write(account.id, password, account.secretInFile);
    if (stored.status != SecretStatus::ok) {
        co_return stored;
    }
    // The engine asks before creating a missing folder, and with stdin closed that question ends the run: the
    // folders are made first.
    for (const SyncedCollection& collection : account.collections) {
        QDir().mkpath(m_storeRoot + QLatin1Char('/') + account.id + QLatin1Char('/') + collection.name);
    }
    if (!writeAccount(account)) {
        co_await CredentialStore::remove(account.id);
        co_return SecretResult{SecretStatus::keyringUnavailable, {}, SyncPaths::configFolder()};
    }
    AccountSyncState state;
    state.save(account.id);
    m_states.insert(account.id, state);
    syncNow(account.id);
    co_return stored;
}

QCoro::Task<SecretResult> SyncService::changePassword(QString accountID, QString password)
{
    const auto account = SyncAccountRegistry::find(accountID);
    if (!account) {
        co_return SecretResult{SecretStatus::missing, {}, {}};
    }
    const SecretResult stored = co_await CredentialStore::write(accountID, password, account->secretInFile);
    if (stored.status == SecretStatus::ok) {
        // The engine keys its discovery cache on the password: a new one needs discovery again.
        AccountSyncState state = m_states.value(accountID);
        state.discovered = false;
        setState(accountID, state);
        syncNow(accountID);
    }
    co_return stored;
}

void SyncService::trustCertificate(const QString& accountID, const QString& sha256)
{
    for (SyncAccount account : m_accounts) {
        if (account.id == accountID) {
            account.pinnedFingerprint = sha256;
            if (writeAccount(account)) {
                AccountSyncState state = m_states.value(accountID);
                state.discovered = false;
                state.certificate.reset();
                setState(accountID, state);
                syncNow(accountID);
            }
            return;
        }
    }
}

void SyncService::syncNow(const QString& accountID, const QStringList& lists)
{
    QCoro::connect(sync(accountID, lists), this, [](bool) {});
}

QCoro::Task<bool> SyncService::removeAccount(QString accountID, bool keepLists)
{
    if (EngineRunner* engine = m_runners.value(accountID); engine && engine->isRunning()) {
        engine->cancel();
    }
    QList<SyncAccount> accounts = m_accounts;
    accounts.removeIf([&](const SyncAccount& account) { return account.id == accountID; });
    if (!SyncAccountRegistry::save(accounts)) {
        co_return false;
    }
    m_accounts = accounts;
    m_states.remove(accountID);
    m_followUps.remove(accountID);
    QFile::remove(SyncPaths::itemsConfig(accountID));
    QFile::remove(SyncPaths::metadataConfig(accountID));
    QDir(SyncPaths::stateFolder(accountID)).removeRecursively();
    co_await CredentialStore::remove(accountID);
    bool ok = true;
    const QString folder = m_storeRoot + QLatin1Char('/') + accountID;
    if (!keepLists && QFileInfo::exists(folder)) {
        ok = QFile::moveToTrash(folder);
    }
    Q_EMIT accountsChanged();
    co_return ok;
}

void SyncService::syncAllNow()
{
    for (const SyncAccount& account : m_accounts) {
        syncNow(account.id);
    }
}

int SyncService::countPending(const SyncAccount& account, const QDateTime& since) const
{
    int count = 0;
    for (const SyncedCollection& collection : account.collections) {
        QDirIterator files(m_storeRoot + QLatin1Char('/') + account.id + QLatin1Char('/') + collection.name,
                           {QStringLiteral("*.ics")}, QDir::Files);
        while (files.hasNext()) {
            files.next();
            if (!since.isValid() || files.fileInfo().lastModified() > since) {
                ++count;
            }
        }
    }
    return count;
}

QCoro::Task<bool> SyncService::sync(QString accountID, QStringList lists)
{
    const auto found =
        std::find_if(m_accounts.cbegin(), m_accounts.cend(), [&](const auto& a) { return a.id == accountID; });
    if (found == m_accounts.cend()) {
        co_return false;
    }
    SyncAccount account = *found;
    EngineRunner* engine = runner(accountID);
    if (engine->isRunning()) {
        QStringList& followUp = m_followUps[accountID];
        // An empty list stands for the whole account and covers any single list.
        followUp = lists.isEmpty() || (m_followUps.contains(accountID) && followUp.isEmpty()) ? QStringList()
                                                                                              : followUp + lists;
        co_return false;
    }
    QPointer<SyncService> self(this);
    AccountSyncState state = m_states.value(accountID);
    const bool first = !state.lastSuccess.isValid();
    state.running = true;
    state.progressCount = 0;
    state.lastAttempt = QDateTime::currentDateTimeUtc();
    setState(accountID, state);
    Q_EMIT runStarted(accountID, lists);

    // Read here first, so that a keyring that must be unlocked asks in this app, not in the engine's child.
    const SecretResult secret = co_await CredentialStore::read(accountID, account.secretInFile);
    if (!self) {
        co_return false;
    }
    EngineRun run;
    bool ok = false;
    GuardOutcome guard;
    QStringList refusedLists;
    // Questions already asked stay until the user answers them or a look at the list settles them.
    guard.held = state.held;
    if (secret.status == SecretStatus::ok) {
        const QString items = SyncPaths::itemsConfig(accountID);
        // Built with <<: GCC 12 miscompiles braced lists inside coroutines.
        QStringList discover;
        discover << QStringLiteral("-c") << items << QStringLiteral("discover") << QStringLiteral("--no-list")
                 << accountID;
        ok = true;
        if (!newListFolders(account).isEmpty()) {
            account = co_await pairNewLists(account, secret.secret, &refusedLists);
            if (!self) {
                co_return false;
            }
            // The engine learns of the new lists only through discovery.
            state.discovered = false;
        }
        if (!state.discovered) {
            run = co_await engine->run(discover, discoverLimit);
            ok = run.ok();
            state.discovered = ok;
        }
        if (ok) {
            guard = co_await guardLists(account, secret.secret, lists, state.held);
            if (!self) {
                co_return false;
            }
        }
        if (ok && !guard.allowed.isEmpty()) {
            QStringList syncArguments;
            syncArguments << QStringLiteral("-c") << items << QStringLiteral("sync");
            if (guard.allowed.size() == account.collections.size()) {
                syncArguments.append(accountID);
            } else {
                for (const QString& list : std::as_const(guard.allowed)) {
                    syncArguments.append(accountID + QLatin1Char('/') + list);
                }
            }
            run = co_await engine->run(syncArguments, first ? firstSyncLimit : syncLimit);
            if (run.output.needsDiscovery) {
                const EngineRun again = co_await engine->run(discover, discoverLimit);
                if (again.ok()) {
                    run = co_await engine->run(syncArguments, syncLimit);
                }
            }
            ok = run.ok();
            noteRemovals(account, run.output, guard);
        }
        if (ok && lists.isEmpty()) {
            QStringList metasync;
            metasync << QStringLiteral("-c") << SyncPaths::metadataConfig(accountID) << QStringLiteral("metasync")
                     << accountID;
            const EngineRun meta = co_await engine->run(metasync, syncLimit);
            ok = meta.ok();
            if (!ok) {
                run = meta;
            }
        }
    }
    if (!self) {
        co_return false;
    }
    state.running = false;
    state.held = guard.held;
    const bool engineOk = ok;
    ok = ok && !guard.failure && guard.held.isEmpty();
    if (ok) {
        state.lastSuccess = QDateTime::currentDateTimeUtc();
        state.problem = SyncProblem::none;
        state.problemList.clear();
        state.problemSince = {};
        state.certificate.reset();
        if (!refusedLists.isEmpty()) {
            state.problem = SyncProblem::listNotMade;
            state.problemList = refusedLists.first();
            state.problemSince = QDateTime::currentDateTimeUtc();
        }
    } else {
        const SyncProblem previous = state.problem;
        if (secret.status == SecretStatus::missing) {
            state.problem = SyncProblem::signInAgain;
        } else if (secret.status == SecretStatus::keyringUnavailable) {
            state.problem = SyncProblem::keyringUnavailable;
        } else if (!guard.held.isEmpty()) {
            state.problem = SyncProblem::deletionsHeld;
            state.problemList = guard.held.first().displayName;
        } else if (!engineOk) {
            state.problem = co_await diagnose(account, secret.secret, run, &state);
            if (!self) {
                co_return false;
            }
        } else {
            state.problemList = guard.failedList;
            state.certificate = guard.failure->certificate;
            state.problem = guard.failure->status == 404 || guard.failure->status == 410
                                ? SyncProblem::listGone
                                : problemOfReply(*guard.failure);
            if (state.problem == SyncProblem::none) {
                state.problem = SyncProblem::unknown;
            }
        }
        if (previous == SyncProblem::none || !state.problemSince.isValid()) {
            state.problemSince = QDateTime::currentDateTimeUtc();
        }
    }
    state.pendingChanges = countPending(account, state.lastSuccess);
    setState(accountID, state);

    if (m_followUps.contains(accountID)) {
        const QStringList followUp = m_followUps.take(accountID);
        syncNow(accountID, followUp);
    }
    co_return ok;
}

QCoro::Task<SyncProblem> SyncService::diagnose(SyncAccount account, QString password, EngineRun run,
                                               AccountSyncState* state)
{
    state->problemList.clear();
    if (!run.started) {
        co_return SyncProblem::engineMissing;
    }
    if (run.output.passwordHelperStatus == 3) {
        co_return SyncProblem::signInAgain;
    }
    if (run.output.passwordHelperStatus == 4) {
        co_return SyncProblem::keyringUnavailable;
    }
    if (!run.output.emptiedCollections.isEmpty()) {
        state->problemList = run.output.emptiedCollections.first();
        co_return SyncProblem::serverEmptied;
    }
    // The engine's text says little and in English only: the server itself says what is wrong.
    DavClient client;
    client.setCredentials(account.userName, password);
    client.setPinnedFingerprint(account.pinnedFingerprint);
    client.setTimeout(15000);
    const DavReply home = co_await client.send("PROPFIND", account.homeUrl, DavXml::principalRequest(), 0);
    if (const SyncProblem problem = problemOfReply(home); problem != SyncProblem::none) {
        state->certificate = home.certificate;
        co_return problem;
    }
    for (const QString& name : run.output.failedCollections) {
        for (const SyncedCollection& collection : account.collections) {
            if (collection.name != name) {
                continue;
            }
            const DavReply list = co_await client.send("PROPFIND", collection.url, DavXml::principalRequest(), 0);
            state->problemList = name;
            if (list.status == 404 || list.status == 410) {
                co_return SyncProblem::listGone;
            }
            if (const SyncProblem problem = problemOfReply(list); problem != SyncProblem::none) {
                co_return problem;
            }
        }
    }
    if (!run.output.conflictCollections.isEmpty()) {
        co_return SyncProblem::conflicts;
    }
    if (run.timedOut) {
        co_return SyncProblem::timedOut;
    }
    co_return SyncProblem::unknown;
}

} // namespace tolvik
