#include "sync/ConflictResolver.h"

#include "sync/SyncAccount.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>

namespace tolvik {

namespace ConflictResolver {

namespace {

/// "YYYYMMDDTHHMMSS" of the first property `name` (unfolded lines), empty when there is none.
QString stamp(const QByteArray& ics, const QString& name)
{
    const QRegularExpression pattern(QStringLiteral(R"((?:^|\n)%1(?:;[^:\r\n]*)?:(\d{8}T\d{6}))").arg(name));
    return pattern.match(QString::fromUtf8(ics)).captured(1);
}

bool readAll(const QString& path, QByteArray& into)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return false;
    }
    into = file.readAll();
    return true;
}

bool writeAll(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

/// A name in `folder` that nothing holds yet: two conflicts of one reminder within a second must not share one.
QString freePath(const QString& folder, const QString& base)
{
    QString path = folder + QLatin1Char('/') + base + QStringLiteral(".ics");
    for (int n = 2; QFileInfo::exists(path); ++n) {
        path = folder + QLatin1Char('/') + base + QStringLiteral("-%1.ics").arg(n);
    }
    return path;
}

} // namespace

QString uidOf(const QByteArray& ics)
{
    static const QRegularExpression folds(QStringLiteral("\r?\n[ \t]"));
    static const QRegularExpression uidLine(QStringLiteral(R"((?:^|\n)UID(?:;[^:\r\n]*)?:([^\r\n]+))"));
    QString text = QString::fromUtf8(ics);
    text.remove(folds);
    return uidLine.match(text).captured(1).trimmed();
}

QString conflictsFolder(const QString& accountID)
{
    return SyncPaths::stateFolder(accountID) + QStringLiteral("/conflicts");
}

int resolve(const QString& accountID, const QString& localPath, const QString& remotePath)
{
    QByteArray local;
    QByteArray remote;
    if (!readAll(localPath, local) || !readAll(remotePath, remote)) {
        return 1;
    }
    if (local == remote) {
        return 0;
    }
    bool localWins = false;
    for (const QString& property : {QStringLiteral("LAST-MODIFIED"), QStringLiteral("DTSTAMP")}) {
        const QString a = stamp(local, property);
        const QString b = stamp(remote, property);
        if (!a.isEmpty() && !b.isEmpty() && a != b) {
            localWins = a > b;
            break;
        }
    }
    const QByteArray& winner = localWins ? local : remote;
    const QByteArray& loser = localWins ? remote : local;
    const QString folder = conflictsFolder(accountID);
    if (!QDir().mkpath(folder)) {
        return 1;
    }
    QString uid = uidOf(loser);
    uid.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9._@-]")), QStringLiteral("_"));
    // The side comes before any number freePath adds, so that the name still says where the version came from.
    const QString base = QStringLiteral("%1-%2%3").arg(
        uid.left(100), QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMddTHHmmss")),
        localWins ? QStringLiteral("-server") : QStringLiteral("-here"));
    if (!writeAll(freePath(folder, base), loser)) {
        return 1;
    }
    return writeAll(localWins ? remotePath : localPath, winner) ? 0 : 1;
}

} // namespace ConflictResolver

} // namespace tolvik
