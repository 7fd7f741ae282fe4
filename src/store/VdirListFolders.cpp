#include "store/VdirListFolders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace tolvik::VdirListFolders {

namespace {

QString systemError(const QString& path, int error)
{
    return QStringLiteral("%1: %2").arg(path, QString::fromLocal8Bit(std::strerror(error)));
}

std::optional<QString> writeAtomically(const QString& path, const QByteArray& bytes)
{
    // QSaveFile writes a temp file beside the old one, syncs it and renames it over: the old text or the new one.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        return QStringLiteral("%1: %2").arg(path, file.errorString());
    }
    return std::nullopt;
}

QString slugOf(const QString& name)
{
    // Decomposed, so that "Einkäufe" keeps its letters as "einkaufe".
    const QString decomposed = name.normalized(QString::NormalizationForm_KD);
    QString slug;
    for (const QChar c : decomposed) {
        if (c.isMark()) {
            continue;
        }
        const char16_t u = c.toLower().unicode();
        if ((u >= u'a' && u <= u'z') || (u >= u'0' && u <= u'9')) {
            slug += QChar(u);
        } else if (!slug.isEmpty() && !slug.endsWith(QLatin1Char('-'))) {
            slug += QLatin1Char('-');
        }
    }
    while (slug.endsWith(QLatin1Char('-'))) {
        slug.chop(1);
    }
    slug.truncate(48);
    return slug.isEmpty() ? QStringLiteral("list") : slug;
}

} // namespace

QString uniqueFolderName(const QString& accountFolder, const QString& name)
{
    const QString base = slugOf(name);
    QString candidate = base;
    for (int n = 2; QFileInfo::exists(accountFolder + QLatin1Char('/') + candidate); ++n) {
        candidate = QStringLiteral("%1-%2").arg(base).arg(n);
    }
    return candidate;
}

Created create(const QString& accountFolder, const QString& name, const QColor& color)
{
    if (!QDir().mkpath(accountFolder)) {
        return {systemError(accountFolder, errno), {}};
    }
    const QString folderName = uniqueFolderName(accountFolder, name);
    // A dot-folder is skipped by every reader until the rename below gives it its name.
    const QString staging = accountFolder + QStringLiteral("/.new-") + folderName;
    const QString target = accountFolder + QLatin1Char('/') + folderName;
    QDir(staging).removeRecursively();
    // The staging name means nothing to the user: a failure names the list folder that was to be made.
    if (!QDir().mkdir(staging)) {
        return {systemError(target, errno), {}};
    }
    std::optional<QString> error = writeAtomically(staging + QStringLiteral("/displayname"), name.toUtf8());
    if (!error && color.isValid()) {
        error = writeAtomically(staging + QStringLiteral("/color"), color.name(QColor::HexRgb).toUpper().toLatin1());
    }
    if (!error) {
        const QByteArray from = QFile::encodeName(staging);
        const QByteArray to = QFile::encodeName(target);
        int result = ::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE);
        // A file system without exclusive renames: the name was free a moment ago, and rename keeps a full folder.
        if (result != 0 && errno == EINVAL && !QFileInfo::exists(target)) {
            result = ::rename(from.constData(), to.constData());
        }
        if (result != 0) {
            error = systemError(target, errno);
        }
    }
    if (error) {
        QDir(staging).removeRecursively();
        return {error, {}};
    }
    return {std::nullopt, target};
}

std::optional<QString> writeDisplayName(const QString& folder, const QString& name)
{
    return writeAtomically(folder + QStringLiteral("/displayname"), name.toUtf8());
}

std::optional<QString> writeColor(const QString& folder, const QColor& color)
{
    return writeAtomically(folder + QStringLiteral("/color"), color.name(QColor::HexRgb).toUpper().toLatin1());
}

std::optional<QString> moveToTrash(const QString& folder)
{
    QFile file(folder);
    if (!file.moveToTrash()) {
        // On a read-only file system the trash falls back to the home folder's, and the rename there fails as a
        // cross-device link; the folder that cannot be changed is the reason to name.
        const QString parent = QFileInfo(folder).absolutePath();
        if (::access(QFile::encodeName(parent).constData(), W_OK) != 0) {
            return systemError(folder, errno);
        }
        return QStringLiteral("%1: %2").arg(folder, file.errorString());
    }
    return std::nullopt;
}

} // namespace tolvik::VdirListFolders
