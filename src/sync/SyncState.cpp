#include "sync/SyncState.h"

#include "sync/SyncAccount.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

namespace tolvik {

AccountSyncState AccountSyncState::load(const QString& accountID)
{
    AccountSyncState state;
    QFile file(SyncPaths::stateFolder(accountID) + QStringLiteral("/state.json"));
    if (!file.open(QIODevice::ReadOnly)) {
        return state;
    }
    const QJsonObject object = QJsonDocument::fromJson(file.readAll()).object();
    state.discovered = object.value(QStringLiteral("discovered")).toBool();
    state.lastAttempt = QDateTime::fromString(object.value(QStringLiteral("lastAttempt")).toString(), Qt::ISODate);
    state.lastSuccess = QDateTime::fromString(object.value(QStringLiteral("lastSuccess")).toString(), Qt::ISODate);
    const int problem = object.value(QStringLiteral("problem")).toInt();
    if (problem >= 0 && problem <= int(SyncProblem::unknown)) {
        state.problem = SyncProblem(problem);
    }
    state.problemSince = QDateTime::fromString(object.value(QStringLiteral("problemSince")).toString(), Qt::ISODate);
    state.problemList = object.value(QStringLiteral("problemList")).toString();
    return state;
}

bool AccountSyncState::save(const QString& accountID) const
{
    const QString folder = SyncPaths::stateFolder(accountID);
    if (!QDir().mkpath(folder)) {
        return false;
    }
    const QJsonObject object{{QStringLiteral("discovered"), discovered},
                             {QStringLiteral("lastAttempt"), lastAttempt.toString(Qt::ISODate)},
                             {QStringLiteral("lastSuccess"), lastSuccess.toString(Qt::ISODate)},
                             {QStringLiteral("problem"), int(problem)},
                             {QStringLiteral("problemSince"), problemSince.toString(Qt::ISODate)},
                             {QStringLiteral("problemList"), problemList}};
    QSaveFile file(folder + QStringLiteral("/state.json"));
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    file.write(QJsonDocument(object).toJson());
    return file.commit();
}

} // namespace tolvik
