#include "store/VdirListFolders.h"

#include "store/VdirWriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

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

// Metadata files as sync tools make them: readable by every program of the user's.
constexpr unsigned metadataMode = 0644;

std::optional<QString> writeAtomically(const QString& path, const QByteArray& bytes)
{
    // The same writer as for items: every write's result is checked and the file synced before it replaces the
    // old one, so that a full disk leaves the old name or colour, not an empty file. (Qt's save file reports a
    // failed write as a success in some versions.)
    return VdirWriter::write(path, bytes, metadataMode).error;
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
    // A dot-folder is skipped by every reader until the rename below gives it its name; one that a crash left
    // behind is swept away by its name later.
    const QString staging = accountFolder + QLatin1Char('/') + VdirWriter::tempName();
    const QString target = accountFolder + QLatin1Char('/') + folderName;
    // The staging name means nothing to the user: a failure names the list folder that was to be made.
    if (!QDir().mkdir(staging)) {
        return {systemError(target, errno), {}};
    }
    std::optional<QString> error =
        VdirWriter::createExclusive(staging, QStringLiteral("displayname"), name.toUtf8(), metadataMode).error;
    if (!error && color.isValid()) {
        error = VdirWriter::createExclusive(staging, QStringLiteral("color"),
                                            color.name(QColor::HexRgb).toUpper().toLatin1(), metadataMode)
                    .error;
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
        // Name the list folder that was to be made, not the staging one, which means nothing to the user.
        error->replace(staging, target);
    }
    if (error) {
        QDir(staging).removeRecursively();
        return {error, {}};
    }
    // The rename lasts only once the account folder is on disk too.
    if (const int fd = ::open(QFile::encodeName(accountFolder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        fd >= 0) {
        ::fsync(fd);
        ::close(fd);
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
