#include "sync/SyncState.h"

#include "sync/SyncAccount.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

namespace tolvik {

namespace {

QJsonArray toArray(const QStringList& values)
{
    return QJsonArray::fromStringList(values);
}

QStringList toStrings(const QJsonValue& value)
{
    QStringList strings;
    for (const QJsonValue& item : value.toArray()) {
        strings.append(item.toString());
    }
    return strings;
}

} // namespace

int AccountSyncState::heldCount() const
{
    int count = 0;
    for (const HeldDeletion& deletion : held) {
        count += int(deletion.files.size());
    }
    return count;
}

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
    if (problem >= 0 && problem <= int(SyncProblem::listNotMade)) {
        state.problem = SyncProblem(problem);
    }
    state.problemSince = QDateTime::fromString(object.value(QStringLiteral("problemSince")).toString(), Qt::ISODate);
    state.problemList = object.value(QStringLiteral("problemList")).toString();
    for (const QJsonValue& value : object.value(QStringLiteral("held")).toArray()) {
        const QJsonObject held = value.toObject();
        HeldDeletion deletion;
        deletion.list = held.value(QStringLiteral("list")).toString();
        deletion.displayName = held.value(QStringLiteral("displayName")).toString();
        deletion.serverEmpty = held.value(QStringLiteral("serverEmpty")).toBool();
        deletion.alreadyRemoved = held.value(QStringLiteral("alreadyRemoved")).toBool();
        deletion.snapshot = held.value(QStringLiteral("snapshot")).toString();
        deletion.files = toStrings(held.value(QStringLiteral("files")));
        deletion.idents = toStrings(held.value(QStringLiteral("idents")));
        if (!deletion.list.isEmpty()) {
            state.held.append(deletion);
        }
    }
    return state;
}

bool AccountSyncState::save(const QString& accountID) const
{
    const QString folder = SyncPaths::stateFolder(accountID);
    if (!QDir().mkpath(folder)) {
        return false;
    }
    QJsonArray heldArray;
    for (const HeldDeletion& deletion : held) {
        heldArray.append(QJsonObject{{QStringLiteral("list"), deletion.list},
                                     {QStringLiteral("displayName"), deletion.displayName},
                                     {QStringLiteral("serverEmpty"), deletion.serverEmpty},
                                     {QStringLiteral("alreadyRemoved"), deletion.alreadyRemoved},
                                     {QStringLiteral("snapshot"), deletion.snapshot},
                                     {QStringLiteral("files"), toArray(deletion.files)},
                                     {QStringLiteral("idents"), toArray(deletion.idents)}});
    }
    const QJsonObject object{{QStringLiteral("discovered"), discovered},
                             {QStringLiteral("held"), heldArray},
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
