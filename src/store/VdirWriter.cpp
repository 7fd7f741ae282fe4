#include "store/VdirWriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tolvik::VdirWriter {

namespace {

QString failure(const QString& action, const QString& path, int error)
{
    return QStringLiteral("Could not %1 \u201c%2\u201d: %3").arg(action, path, qt_error_string(error));
}

VdirFileKey keyOf(const struct stat& info)
{
    return vdirKeyOf(info);
}

// Writes everything and syncs it; returns 0 or the errno of the first failure. Closes the descriptor.
int writeSyncClose(int fd, const QByteArray& bytes, VdirFileKey& key)
{
    qsizetype done = 0;
    int error = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            error = n < 0 ? errno : EIO;
            break;
        }
        done += n;
    }
    if (error == 0 && ::fsync(fd) != 0) {
        error = errno;
    }
    struct stat info
    {
    };
    if (error == 0 && ::fstat(fd, &info) == 0) {
        key = keyOf(info);
    }
    // close() is where some file systems report a failed write.
    if (::close(fd) != 0 && error == 0) {
        error = errno;
    }
    return error;
}

// A rename or unlink is durable only once its folder is synced. Failing here loses nothing already done.
void syncFolder(const QString& folder)
{
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

QString tempName()
{
    // Leading dot and .tmp: every vdir reader, this one included, ignores the file while it is incomplete. The
    // name is short and of fixed length, so that it fits wherever the item's own name does.
    const QString random = QString::number(QRandomGenerator::global()->generate64() & 0xFFFFFFFFFFFFull, 36);
    return QStringLiteral(".tolvik-%1.tmp").arg(random, 10, QLatin1Char('0'));
}

std::function<void(const QString&)>& beforeReplaceHook()
{
    static std::function<void(const QString&)> hook;
    return hook;
}

std::function<void(const QString&)>& afterCheckHook()
{
    static std::function<void(const QString&)> hook;
    return hook;
}

// The file a write lands on: a symlink's final target, so that the link itself stays.
QString writtenPath(const QString& path)
{
    char* real = ::realpath(QFile::encodeName(path).constData(), nullptr);
    if (real == nullptr) {
        return path;
    }
    const QString resolved = QFile::decodeName(real);
    std::free(real);
    return resolved;
}

} // namespace

VdirFileResult createExclusive(const QString& folder, const QString& fileName, const QByteArray& bytes, unsigned mode)
{
    VdirFileResult result;
    const QString path = folder + QLatin1Char('/') + fileName;
    const QByteArray encoded = QFile::encodeName(path);
    const int fd = ::open(encoded.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode_t(mode));
    if (fd < 0) {
        const int error = errno;
        result.nameTaken = error == EEXIST;
        result.error = failure(QStringLiteral("create"), path, error);
        return result;
    }
    ::fchmod(fd, mode_t(mode));
    if (const int error = writeSyncClose(fd, bytes, result.key); error != 0) {
        ::unlink(encoded.constData());
        result.error = failure(QStringLiteral("write"), path, error);
        return result;
    }
    syncFolder(folder);
    return result;
}

namespace {

enum class Exchange
{
    done,
    changedSince,
    unsupported
};

// The same version of a file, as far as a rename leaves it: a rename stamps the moved file's change time.
bool sameVersion(const struct stat& info, const VdirFileKey& key)
{
    const VdirFileKey now = keyOf(info);
    return now.inode == key.inode && now.device == key.device && now.size == key.size && now.mtimeNs == key.mtimeNs;
}

// Puts the temp file in place by swapping it with the file there, and then looks at what it displaced: another
// program may have replaced the file between the last look and the rename. Its version is then swapped back and
// the temp file removed, so that the caller reads that version and makes the edit on it; only for that instant
// could a reader see the edit made on the older version. Where the file system cannot swap, the caller renames.
Exchange exchangeIfUnchanged(const QByteArray& temp, const QByteArray& target, const VdirFileKey& expected,
                             const VdirFileKey& written)
{
    if (::renameat2(AT_FDCWD, temp.constData(), AT_FDCWD, target.constData(), RENAME_EXCHANGE) != 0) {
        return Exchange::unsupported;
    }
    struct stat displaced
    {
    };
    if (::stat(temp.constData(), &displaced) != 0 || sameVersion(displaced, expected)) {
        ::unlink(temp.constData());
        return Exchange::done;
    }
    if (::renameat2(AT_FDCWD, temp.constData(), AT_FDCWD, target.constData(), RENAME_EXCHANGE) == 0) {
        struct stat back
        {
        };
        // Still ours unless yet another program wrote meanwhile; its version, the newest, then stays in place.
        if (::stat(temp.constData(), &back) == 0 && back.st_ino == written.inode && back.st_dev == written.device) {
            ::unlink(temp.constData());
        } else {
            ::rename(temp.constData(), target.constData());
        }
    }
    return Exchange::changedSince;
}

VdirFileResult replaceChecked(const QString& shownPath, const QByteArray& bytes, const VdirFileKey* expected)
{
    VdirFileResult result;
    const QString path = writtenPath(shownPath);
    const QByteArray encoded = QFile::encodeName(path);
    const QString folder = QFileInfo(path).absolutePath();
    struct stat old
    {
    };
    if (::stat(encoded.constData(), &old) != 0) {
        const int error = errno;
        result.error = failure(QStringLiteral("save"), shownPath, error);
        return result;
    }
    int fd = -1;
    int openError = 0;
    QByteArray temp;
    // A random temp name that is taken (even by a folder) only means another try with a fresh name.
    for (int attempt = 0; attempt < 8 && fd < 0; ++attempt) {
        temp = QFile::encodeName(folder + QLatin1Char('/') + tempName());
        fd = ::open(temp.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, old.st_mode & 07777);
        openError = fd < 0 ? errno : 0;
        if (openError != 0 && openError != EEXIST) {
            break;
        }
    }
    if (fd < 0) {
        result.error = failure(QStringLiteral("save"), shownPath, openError);
        return result;
    }
    ::fchmod(fd, old.st_mode & 07777);
    int error = writeSyncClose(fd, bytes, result.key);
    // The rename changes the file's change time, so the key our version has on disk is only known after it; this
    // descriptor keeps hold of our own file, whatever another program puts under the name afterwards.
    const int ours = error == 0 ? ::open(temp.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC) : -1;
    const auto release = [ours] {
        if (ours >= 0) {
            ::close(ours);
        }
    };
    if (error == 0 && beforeReplaceHook()) {
        beforeReplaceHook()(shownPath);
    }
    // The last look before the rename: another program's change since the read must not be written over.
    struct stat now
    {
    };
    if (error == 0 && expected != nullptr && (::stat(encoded.constData(), &now) != 0 || keyOf(now) != *expected)) {
        release();
        ::unlink(temp.constData());
        result.changedSince = true;
        result.error =
            QStringLiteral("\u201c%1\u201d was changed by another program while it was being saved.").arg(shownPath);
        return result;
    }
    if (error == 0 && afterCheckHook()) {
        afterCheckHook()(shownPath);
    }
    bool placed = false;
    if (error == 0 && expected != nullptr) {
        switch (exchangeIfUnchanged(temp, encoded, *expected, result.key)) {
        case Exchange::done:
            placed = true;
            break;
        case Exchange::changedSince:
            release();
            result.changedSince = true;
            result.error = QStringLiteral("\u201c%1\u201d was changed by another program while it was being saved.")
                               .arg(shownPath);
            return result;
        case Exchange::unsupported:
            break;
        }
    }
    if (error == 0 && !placed && ::rename(temp.constData(), encoded.constData()) != 0) {
        error = errno;
    }
    if (error != 0) {
        release();
        ::unlink(temp.constData());
        result.error = failure(QStringLiteral("save"), shownPath, error);
        return result;
    }
    if (struct stat renamed{}; ours >= 0 && ::fstat(ours, &renamed) == 0) {
        result.key = keyOf(renamed);
    }
    release();
    syncFolder(folder);
    return result;
}

} // namespace

VdirFileResult replace(const QString& path, const QByteArray& bytes)
{
    return replaceChecked(path, bytes, nullptr);
}

VdirFileResult replaceIfUnchanged(const QString& path, const QByteArray& bytes, const VdirFileKey& expected)
{
    return replaceChecked(path, bytes, &expected);
}

void setBeforeReplaceHook(std::function<void(const QString& path)> hook)
{
    beforeReplaceHook() = std::move(hook);
}

void setAfterCheckHook(std::function<void(const QString& path)> hook)
{
    afterCheckHook() = std::move(hook);
}

VdirFileResult moveExclusive(const QString& path, const QString& folder, const QString& fileName)
{
    VdirFileResult result;
    const QString target = folder + QLatin1Char('/') + fileName;
    const QByteArray from = QFile::encodeName(path);
    const QByteArray to = QFile::encodeName(target);
    if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) != 0) {
        const int error = errno;
        result.nameTaken = error == EEXIST;
        result.cannotMoveAtomically = error == EXDEV || error == EINVAL || error == ENOSYS;
        result.error = QStringLiteral("Could not move \u201c%1\u201d to \u201c%2\u201d: %3")
                           .arg(path, target, qt_error_string(error));
        return result;
    }
    struct stat info
    {
    };
    if (::stat(to.constData(), &info) == 0) {
        result.key = keyOf(info);
    }
    syncFolder(folder);
    syncFolder(QFileInfo(path).absolutePath());
    return result;
}

std::optional<QString> makeFolder(const QString& path)
{
    const QString clean = QDir::cleanPath(path);
    if (clean.isEmpty()) {
        return failure(QStringLiteral("create the folder"), path, ENOENT);
    }
    struct stat info
    {
    };
    if (::stat(QFile::encodeName(clean).constData(), &info) == 0) {
        return S_ISDIR(info.st_mode) ? std::nullopt
                                     : std::optional(failure(QStringLiteral("create the folder"), clean, ENOTDIR));
    }
    const QString parent = QFileInfo(clean).path();
    if (parent != clean) {
        if (auto error = makeFolder(parent)) {
            return error;
        }
    }
    if (::mkdir(QFile::encodeName(clean).constData(), 0700) != 0 && errno != EEXIST) {
        const int error = errno;
        return failure(QStringLiteral("create the folder"), clean, error);
    }
    return std::nullopt;
}

std::optional<QString> remove(const QString& path)
{
    if (::unlink(QFile::encodeName(path).constData()) != 0 && errno != ENOENT) {
        const int error = errno;
        return failure(QStringLiteral("remove"), path, error);
    }
    syncFolder(QFileInfo(path).absolutePath());
    return std::nullopt;
}

std::optional<VdirFileKey> currentKey(const QString& path)
{
    struct stat info
    {
    };
    if (::stat(QFile::encodeName(path).constData(), &info) != 0) {
        return std::nullopt;
    }
    return keyOf(info);
}

ReadResult read(const QString& path, qint64 limit)
{
    ReadResult result;
    // Non-blocking: a FIFO put where an item was must fail here, not wait for a writer that never comes.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        const int error = errno;
        result.error = failure(QStringLiteral("read"), path, error);
        return result;
    }
    struct stat info
    {
    };
    int error = ::fstat(fd, &info) != 0 ? errno : (S_ISREG(info.st_mode) ? 0 : EISDIR);
    if (error == 0 && info.st_size > limit) {
        error = EFBIG;
    }
    if (error == 0) {
        result.mode = info.st_mode & 07777;
        result.key = keyOf(info);
        result.bytes.resize(qsizetype(info.st_size));
        qsizetype done = 0;
        while (done < result.bytes.size()) {
            const ssize_t n = ::read(fd, result.bytes.data() + done, size_t(result.bytes.size() - done));
            if (n < 0 && errno == EINTR) {
                continue;
            }
            if (n < 0) {
                error = errno;
            }
            if (n <= 0) {
                break;
            }
            done += n;
        }
        result.bytes.truncate(done);
    }
    ::close(fd);
    if (error != 0) {
        result.error = failure(QStringLiteral("read"), path, error);
    }
    return result;
}

} // namespace tolvik::VdirWriter
