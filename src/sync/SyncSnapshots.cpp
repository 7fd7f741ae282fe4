#include "sync/SyncSnapshots.h"

#include "sync/SyncAccount.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QHash>

#include <sys/stat.h>
#include <unistd.h>

namespace tolvik {

namespace SyncSnapshots {

namespace {

const QString nameFormat = QStringLiteral("yyyyMMdd'T'HHmmss'Z'");

struct FileIdentity
{
    quint64 inode = 0;
    qint64 size = 0;
    qint64 mtimeNs = 0;

    /// A hard link has the same inode; a copy (another file system) the same size and time.
    bool sameAs(const FileIdentity& other) const
    {
        return inode == other.inode || (size == other.size && mtimeNs == other.mtimeNs);
    }
};

/// Relative path → identity of every regular file under `root`.
QHash<QString, FileIdentity> filesUnder(const QString& root)
{
    QHash<QString, FileIdentity> files;
    const QDir base(root);
    QDirIterator it(root, QDir::Files | QDir::Hidden | QDir::NoSymLinks, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        struct stat info = {};
        if (::lstat(QFile::encodeName(path).constData(), &info) != 0 || !S_ISREG(info.st_mode)) {
            continue;
        }
        files.insert(base.relativeFilePath(path), {quint64(info.st_ino), qint64(info.st_size),
                                                   qint64(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec});
    }
    return files;
}

bool sameFiles(const QHash<QString, FileIdentity>& a, const QHash<QString, FileIdentity>& b)
{
    if (a.size() != b.size()) {
        return false;
    }
    for (auto it = a.begin(); it != a.end(); ++it) {
        const auto other = b.constFind(it.key());
        if (other == b.constEnd() || !it.value().sameAs(other.value())) {
            return false;
        }
    }
    return true;
}

/// A link where the file system allows one, else a copy with the same modification time.
bool keep(const QString& from, const QString& to)
{
    if (::link(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0) {
        return true;
    }
    if (!QFile::copy(from, to)) {
        return false;
    }
    QFile copy(to);
    return copy.open(QIODevice::ReadWrite) &&
           copy.setFileTime(QFileInfo(from).lastModified(), QFileDevice::FileModificationTime);
}

QDateTime timeOf(const QString& name)
{
    QDateTime time = QDateTime::fromString(name.left(16), nameFormat);
    time.setTimeSpec(Qt::UTC);
    return time;
}

} // namespace

QString folder(const QString& accountID)
{
    return SyncPaths::stateFolder(accountID) + QStringLiteral("/snapshots");
}

QStringList names(const QString& accountID)
{
    QStringList found = QDir(folder(accountID)).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    found.removeIf([](const QString& name) { return !timeOf(name).isValid(); });
    return found;
}

QString take(const QString& accountID, const QString& accountFolder, const QDateTime& now)
{
    const QHash<QString, FileIdentity> live = filesUnder(accountFolder);
    const QStringList existing = names(accountID);
    if (!existing.isEmpty() && sameFiles(live, filesUnder(folder(accountID) + QLatin1Char('/') + existing.last()))) {
        return existing.last();
    }
    QString name = now.toUTC().toString(nameFormat);
    for (int n = 2; existing.contains(name) || QFileInfo::exists(folder(accountID) + QLatin1Char('/') + name); ++n) {
        name = now.toUTC().toString(nameFormat) + QLatin1Char('-') + QString::number(n);
    }
    // Built under a hidden name and renamed when whole: a half-made snapshot is never taken for a whole one.
    const QString building = folder(accountID) + QStringLiteral("/.building-") + name;
    QDir(building).removeRecursively();
    if (!QDir().mkpath(building)) {
        return {};
    }
    QFile::setPermissions(folder(accountID), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    for (auto it = live.begin(); it != live.end(); ++it) {
        const QString target = building + QLatin1Char('/') + it.key();
        if (!QDir().mkpath(QFileInfo(target).path()) || !keep(accountFolder + QLatin1Char('/') + it.key(), target)) {
            QDir(building).removeRecursively();
            return {};
        }
    }
    if (!QDir().rename(building, folder(accountID) + QLatin1Char('/') + name)) {
        QDir(building).removeRecursively();
        return {};
    }
    return name;
}

void prune(const QString& accountID, const QDateTime& now, const QStringList& keepNames, int keepDays)
{
    const QStringList all = names(accountID);
    for (const QString& name : all) {
        if (name != all.last() && !keepNames.contains(name) && timeOf(name).daysTo(now.toUTC()) >= keepDays) {
            QDir(folder(accountID) + QLatin1Char('/') + name).removeRecursively();
        }
    }
}

QStringList missingNow(const QString& accountID, const QString& name, const QString& list, const QString& listFolder)
{
    QStringList missing;
    const QDir snapshot(folder(accountID) + QLatin1Char('/') + name + QLatin1Char('/') + list);
    for (const QString& file : snapshot.entryList({QStringLiteral("*.ics")}, QDir::Files, QDir::Name)) {
        if (!QFileInfo::exists(listFolder + QLatin1Char('/') + file)) {
            missing.append(file);
        }
    }
    return missing;
}

bool restore(const QString& accountID, const QString& name, const QString& list, const QString& listFolder,
             const QStringList& fileNames)
{
    const QString from = folder(accountID) + QLatin1Char('/') + name + QLatin1Char('/') + list + QLatin1Char('/');
    if (!QDir().mkpath(listFolder)) {
        return false;
    }
    bool ok = true;
    for (const QString& file : fileNames) {
        // Only plain names: a file name from the state file never leads out of the list's folder.
        if (file.contains(QLatin1Char('/')) || file.startsWith(QLatin1Char('.'))) {
            ok = false;
            continue;
        }
        const QString target = listFolder + QLatin1Char('/') + file;
        if (QFileInfo::exists(target)) {
            continue;
        }
        // A copy, not a link: the restored file is the store's own again, and the snapshot stays as it was.
        ok = QFile::copy(from + file, target) && ok;
    }
    return ok;
}

} // namespace SyncSnapshots

} // namespace tolvik
