#include "sync/CredentialStore.h"

#include "sync/SyncAccount.h"

#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <QCoro/QCoroSignal>
#include <qt6keychain/keychain.h>

#include <memory>

namespace tolvik {

namespace {

SecretResult fromJob(const QKeychain::Job& job, QString secret = {})
{
    SecretResult result;
    result.error = job.errorString();
    switch (job.error()) {
    case QKeychain::NoError:
        result.status = SecretStatus::ok;
        result.secret = std::move(secret);
        break;
    case QKeychain::EntryNotFound:
        result.status = SecretStatus::missing;
        break;
    default:
        result.status = SecretStatus::keyringUnavailable;
    }
    return result;
}

SecretResult readFile(const QString& accountID)
{
    QFile file(SyncPaths::secretFile(accountID));
    if (!file.exists()) {
        return {SecretStatus::missing, {}, {}};
    }
    if (!file.open(QIODevice::ReadOnly)) {
        return {SecretStatus::keyringUnavailable, {}, file.errorString()};
    }
    return {SecretStatus::ok, QString::fromUtf8(file.readAll()), {}};
}

SecretResult writeFile(const QString& accountID, const QString& secret)
{
    const QString path = SyncPaths::secretFile(accountID);
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder)) {
        return {SecretStatus::keyringUnavailable, {}, QStringLiteral("cannot create ") + folder};
    }
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return {SecretStatus::keyringUnavailable, {}, file.errorString()};
    }
    file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    file.write(secret.toUtf8());
    if (!file.commit()) {
        return {SecretStatus::keyringUnavailable, {}, file.errorString()};
    }
    return {SecretStatus::ok, {}, {}};
}

/// Some backends finish inside start(), before an awaiter could connect; this catches both.
QCoro::Task<void> run(QKeychain::Job* job)
{
    bool done = false;
    const auto connection = QObject::connect(job, &QKeychain::Job::finished, job, [&done] { done = true; });
    job->start();
    if (!done) {
        co_await qCoro(job, &QKeychain::Job::finished);
    }
    QObject::disconnect(connection);
}

} // namespace

QCoro::Task<SecretResult> CredentialStore::read(QString accountID, bool inFile)
{
    if (inFile) {
        co_return readFile(accountID);
    }
    auto job = std::make_unique<QKeychain::ReadPasswordJob>(service());
    job->setAutoDelete(false);
    job->setKey(key(accountID));
    co_await run(job.get());
    co_return fromJob(*job, job->textData());
}

QCoro::Task<SecretResult> CredentialStore::write(QString accountID, QString secret, bool inFile)
{
    if (inFile) {
        co_return writeFile(accountID, secret);
    }
    auto job = std::make_unique<QKeychain::WritePasswordJob>(service());
    job->setAutoDelete(false);
    job->setKey(key(accountID));
    job->setTextData(secret);
    co_await run(job.get());
    co_return fromJob(*job);
}

QCoro::Task<SecretResult> CredentialStore::remove(QString accountID)
{
    QFile::remove(SyncPaths::secretFile(accountID));
    auto job = std::make_unique<QKeychain::DeletePasswordJob>(service());
    job->setAutoDelete(false);
    job->setKey(key(accountID));
    co_await run(job.get());
    SecretResult result = fromJob(*job);
    // Nothing to delete is what removal wanted.
    if (result.status == SecretStatus::missing) {
        result.status = SecretStatus::ok;
    }
    co_return result;
}

SecretResult CredentialStore::readNow(const QString& accountID, bool inFile)
{
    if (inFile) {
        return readFile(accountID);
    }
    QKeychain::ReadPasswordJob job(service());
    job.setAutoDelete(false);
    job.setKey(key(accountID));
    QEventLoop loop;
    bool done = false;
    QObject::connect(&job, &QKeychain::Job::finished, &loop, [&] {
        done = true;
        loop.quit();
    });
    job.start();
    if (!done) {
        loop.exec();
    }
    return fromJob(job, job.textData());
}

} // namespace tolvik
