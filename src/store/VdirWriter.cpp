#include "store/VdirWriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <QElapsedTimer>
#include <QThread>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <mutex>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace tolvik::VdirWriter {

namespace {

QString failure(const QString& action, const QString& path, int error)
{
    return QStringLiteral("Could not %1 \u201c%2\u201d: %3").arg(action, path, qt_error_string(error));
}

// What a name that is no regular file is instead, for a reason that says so.
QString notAFile(const QString& action, const QString& path, mode_t mode)
{
    QString what = QStringLiteral("it is not a regular file");
    if (S_ISDIR(mode)) {
        what = QStringLiteral("it is a folder");
    } else if (S_ISFIFO(mode)) {
        what = QStringLiteral("it is a named pipe (FIFO), not a file");
    } else if (S_ISSOCK(mode)) {
        what = QStringLiteral("it is a socket, not a file");
    } else if (S_ISCHR(mode) || S_ISBLK(mode)) {
        what = QStringLiteral("it is a device, not a file");
    }
    return QStringLiteral("Could not %1 \u201c%2\u201d: %3").arg(action, path, what);
}

QString readOnlyText(const QString& path)
{
    return QStringLiteral("\u201c%1\u201d is read-only; it was left unchanged. Allow writing to it in the file "
                          "manager to change it here.")
        .arg(path);
}

// No write permission for anyone, or none for this user: the owner marked the file as not to be changed. Root
// passes every permission check, so the bits are what says so.
bool markedReadOnly(const QByteArray& path, const struct stat& info)
{
    return (info.st_mode & 0222) == 0 ||
           (::faccessat(AT_FDCWD, path.constData(), W_OK, AT_EACCESS) != 0 && (errno == EACCES || errno == EPERM));
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

const QByteArray tempPrefix = QByteArrayLiteral(".tolvik-");
constexpr qsizetype tempRandomLength = 10;

} // namespace

QString tempName()
{
    // Leading dot and .tmp: every vdir reader, this one included, ignores the file while it is incomplete. The
    // name is short and of fixed length, so that it fits wherever the item's own name does, and that a sweep
    // recognises it.
    const QString random = QString::number(QRandomGenerator::global()->generate64() & 0xFFFFFFFFFFFFull, 36);
    return QStringLiteral(".tolvik-%1.tmp").arg(random, int(tempRandomLength), QLatin1Char('0'));
}

namespace {

// Copies the old file's extended attributes (tags, labels, a sync tool's marks) and its owner and group to the
// temp file that replaces it. What the file system or the process's rights refuse is left out: it is no reason
// to refuse the user's edit.
void keepAttributes(const QByteArray& oldPath, int fd, const struct stat& old)
{
    if (::geteuid() == 0 && (old.st_uid != ::geteuid() || old.st_gid != ::getegid())) {
        (void)::fchown(fd, old.st_uid, old.st_gid);
    } else if (old.st_gid != ::getegid()) {
        (void)::fchown(fd, uid_t(-1), old.st_gid);
    }
    const ssize_t size = ::listxattr(oldPath.constData(), nullptr, 0);
    if (size <= 0) {
        return;
    }
    QByteArray names(size, '\0');
    const ssize_t listed = ::listxattr(oldPath.constData(), names.data(), size_t(names.size()));
    for (const QByteArray& name : names.left(qMax<ssize_t>(listed, 0)).split('\0')) {
        if (name.isEmpty()) {
            continue;
        }
        const ssize_t valueSize = ::getxattr(oldPath.constData(), name.constData(), nullptr, 0);
        if (valueSize < 0) {
            continue;
        }
        QByteArray value(valueSize, '\0');
        const ssize_t got = ::getxattr(oldPath.constData(), name.constData(), value.data(), size_t(value.size()));
        if (got >= 0) {
            (void)::fsetxattr(fd, name.constData(), value.constData(), size_t(got), 0);
        }
    }
}

std::atomic<quint64> fencedCount{0};
std::atomic<quint64> unfencedCount{0};
std::atomic<quint64> stoodBackCount{0};

// How long a replace waits for another program to close the file it is writing in place, and how long the
// fence stays up after the swap, so that a writer that looked the name up just before it reaches the fence.
constexpr int fenceWaitMs = 500;
constexpr int fenceGraceUs = 2000;

// A read lease on the file that is about to be replaced. While it is held, no other program can open that file
// for writing: its open waits until the lease is let go, and the lease shows that it waits. One that already has
// the file open for writing makes the lease fail, so the replace waits for it to close first. Writers that
// rewrite a file in place (open, write, close) would otherwise write into the displaced file after the swap,
// and their write would be lost with it.
class WriterFence
{
public:
    WriterFence(const QByteArray& path, const VdirFileKey& expected, const std::optional<QByteArray>& content)
    {
        static std::once_flag ignoreLeaseSignal;
        // The lease's owner gets SIGIO when a writer waits, which by default ends the process; the lease itself
        // is what is asked, so the signal is not needed.
        std::call_once(ignoreLeaseSignal, [] {
            struct sigaction current
            {
            };
            if (::sigaction(SIGIO, nullptr, &current) == 0 && current.sa_handler == SIG_DFL) {
                std::signal(SIGIO, SIG_IGN);
            }
        });
        m_fd = ::open(path.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOFOLLOW);
        struct stat info
        {
        };
        if (m_fd < 0 || ::fstat(m_fd, &info) != 0 || !S_ISREG(info.st_mode)) {
            return;
        }
        m_sameVersion = vdirKeyOf(info) == expected;
        // EAGAIN: someone has the file open for writing; a writer that rewrites it in place closes it within
        // microseconds, so it is asked often at first. Anything else (no lease on this file system, a file of
        // another user), or a writer that keeps it open, leaves the replace as it was without the fence.
        QElapsedTimer waited;
        waited.start();
        for (int attempt = 0; m_sameVersion; ++attempt) {
            if (::fcntl(m_fd, F_SETLEASE, F_RDLCK) == 0) {
                m_leased = true;
                // No one can write it now: what it holds is final until the swap, and is compared whole, since
                // a write within one timestamp tick leaves size and times as they were.
                m_sameVersion = !content || holds(*content);
                break;
            }
            if (errno != EAGAIN || waited.elapsed() >= fenceWaitMs) {
                break;
            }
            QThread::usleep(attempt < 200 ? 20 : 1000);
        }
        ++(m_leased ? fencedCount : unfencedCount);
    }
    ~WriterFence() { release(); }
    WriterFence(const WriterFence&) = delete;
    WriterFence& operator=(const WriterFence&) = delete;

    /// False when the file changed since it was read, found while putting the fence up.
    bool sameVersion() const { return m_sameVersion; }
    /// True when a writer waits to open the fenced (now displaced) file: its write would be lost.
    bool writerWaiting() const
    {
        if (!m_leased) {
            return false;
        }
        // The grace lets a writer that looked the name up just before the swap reach the fence.
        QThread::usleep(fenceGraceUs);
        return ::fcntl(m_fd, F_GETLEASE) == F_UNLCK;
    }
    void release()
    {
        if (m_fd >= 0) {
            ::close(m_fd);
            m_fd = -1;
        }
    }

private:
    bool holds(const QByteArray& content) const
    {
        QByteArray now(content.size() + 1, '\0');
        qsizetype done = 0;
        while (done < now.size()) {
            const ssize_t n = ::pread(m_fd, now.data() + done, size_t(now.size() - done), off_t(done));
            if (n < 0 && errno == EINTR) {
                continue;
            }
            if (n <= 0) {
                break;
            }
            done += n;
        }
        return done == content.size() && now.left(done) == content;
    }

    int m_fd = -1;
    bool m_leased = false;
    bool m_sameVersion = false;
};

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
                             const VdirFileKey& written, const WriterFence& fence)
{
    if (::renameat2(AT_FDCWD, temp.constData(), AT_FDCWD, target.constData(), RENAME_EXCHANGE) != 0) {
        return Exchange::unsupported;
    }
    struct stat displaced
    {
    };
    const bool gone = ::stat(temp.constData(), &displaced) != 0;
    if (gone || (sameVersion(displaced, expected) && !fence.writerWaiting())) {
        ::unlink(temp.constData());
        return Exchange::done;
    }
    if (sameVersion(displaced, expected)) {
        ++stoodBackCount;
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

VdirFileResult replaceChecked(const QString& shownPath, const QByteArray& bytes, const VdirFileKey* expected,
                              std::optional<unsigned> createMode = std::nullopt,
                              const std::optional<QByteArray>& expectedContent = std::nullopt)
{
    VdirFileResult result;
    const QString path = writtenPath(shownPath);
    const QByteArray encoded = QFile::encodeName(path);
    const QString folder = QFileInfo(path).absolutePath();
    struct stat old
    {
    };
    const bool exists = ::stat(encoded.constData(), &old) == 0;
    if (!exists && (errno != ENOENT || !createMode)) {
        const int error = errno;
        result.error = failure(QStringLiteral("save"), shownPath, error);
        return result;
    }
    if (exists && !S_ISREG(old.st_mode)) {
        result.error = notAFile(QStringLiteral("save"), shownPath, old.st_mode);
        return result;
    }
    if (exists && markedReadOnly(encoded, old)) {
        result.readOnly = true;
        result.error = readOnlyText(shownPath);
        return result;
    }
    const mode_t mode = exists ? old.st_mode & 07777 : mode_t(*createMode);
    int fd = -1;
    int openError = 0;
    QByteArray temp;
    // A random temp name that is taken (even by a folder) only means another try with a fresh name.
    for (int attempt = 0; attempt < 8 && fd < 0; ++attempt) {
        temp = QFile::encodeName(folder + QLatin1Char('/') + tempName());
        fd = ::open(temp.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        openError = fd < 0 ? errno : 0;
        if (openError != 0 && openError != EEXIST) {
            break;
        }
    }
    if (fd < 0) {
        result.error = failure(QStringLiteral("save"), shownPath, openError);
        return result;
    }
    if (exists) {
        keepAttributes(encoded, fd, old);
    }
    // After the owner: a change of owner clears the set-id bits.
    ::fchmod(fd, mode);
    int error = writeSyncClose(fd, bytes, result.key);
    // The rename changes the file's change time, so the key our version has on disk is only known after it; this
    // descriptor keeps hold of our own file, whatever another program puts under the name afterwards.
    const int ours = error == 0 ? ::open(temp.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC) : -1;
    const auto release = [ours] {
        if (ours >= 0) {
            ::close(ours);
        }
    };
    const auto changed = [&] {
        release();
        ::unlink(temp.constData());
        result.changedSince = true;
        result.error =
            QStringLiteral("\u201c%1\u201d was changed by another program while it was being saved.").arg(shownPath);
        return result;
    };
    if (error == 0 && beforeReplaceHook()) {
        beforeReplaceHook()(shownPath);
    }
    // The last look before the rename: another program's change since the read must not be written over.
    struct stat now
    {
    };
    if (error == 0 && expected != nullptr && (::stat(encoded.constData(), &now) != 0 || keyOf(now) != *expected)) {
        return changed();
    }
    std::optional<WriterFence> fence;
    if (error == 0 && expected != nullptr) {
        fence.emplace(encoded, *expected, expectedContent);
        if (!fence->sameVersion()) {
            return changed();
        }
    }
    if (error == 0 && afterCheckHook()) {
        afterCheckHook()(shownPath);
    }
    bool placed = false;
    if (error == 0 && expected != nullptr) {
        switch (exchangeIfUnchanged(temp, encoded, *expected, result.key, *fence)) {
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
    if (error == 0 && !placed && !exists) {
        // A new file takes a free name only: another program's file made meanwhile stays.
        if (::renameat2(AT_FDCWD, temp.constData(), AT_FDCWD, encoded.constData(), RENAME_NOREPLACE) != 0) {
            error = errno == EINVAL ? (::link(temp.constData(), encoded.constData()) == 0 ? 0 : errno) : errno;
            if (error == 0) {
                ::unlink(temp.constData());
            }
        }
        placed = error == 0;
    }
    if (error == 0 && !placed && ::rename(temp.constData(), encoded.constData()) != 0) {
        error = errno;
    }
    if (fence) {
        fence->release();
    }
    if (error != 0) {
        release();
        ::unlink(temp.constData());
        result.error = failure(QStringLiteral("save"), shownPath, error);
        // A failed save may be one of several, some of which a crash or a moved folder kept from cleaning up.
        sweepStaleTemps(folder);
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

VdirFileResult replaceIfUnchanged(const QString& path, const QByteArray& bytes, const VdirFileKey& expected,
                                  const std::optional<QByteArray>& expectedContent)
{
    return replaceChecked(path, bytes, &expected, std::nullopt, expectedContent);
}

VdirFileResult write(const QString& path, const QByteArray& bytes, unsigned mode)
{
    return replaceChecked(path, bytes, nullptr, mode);
}

FenceCounts fenceCounts()
{
    return FenceCounts{fencedCount, unfencedCount, stoodBackCount};
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

bool sameFileSystem(const QString& folder, const QString& otherFolder)
{
    struct stat one
    {
    };
    struct stat other
    {
    };
    return ::stat(QFile::encodeName(folder).constData(), &one) == 0 &&
           ::stat(QFile::encodeName(otherFolder).constData(), &other) == 0 && one.st_dev == other.st_dev;
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

VdirFileResult removeIfUnchanged(const QString& path, const VdirFileKey& expected)
{
    VdirFileResult result;
    const QByteArray encoded = QFile::encodeName(path);
    struct stat info
    {
    };
    if (::stat(encoded.constData(), &info) != 0) {
        // Already gone: removed is what the caller wanted.
        if (errno != ENOENT) {
            result.error = failure(QStringLiteral("remove"), path, errno);
        }
        return result;
    }
    if (keyOf(info) != expected) {
        result.changedSince = true;
        result.error =
            QStringLiteral("\u201c%1\u201d was changed by another program while it was being removed.").arg(path);
        return result;
    }
    if (markedReadOnly(encoded, info)) {
        result.readOnly = true;
        result.error = readOnlyText(path);
        return result;
    }
    result.error = remove(path);
    return result;
}

std::optional<QString> readOnlyReason(const QString& path)
{
    const QByteArray encoded = QFile::encodeName(writtenPath(path));
    struct stat info
    {
    };
    if (::stat(encoded.constData(), &info) != 0 || !markedReadOnly(encoded, info)) {
        return std::nullopt;
    }
    return readOnlyText(path);
}

bool isOwnTempName(const QByteArray& name)
{
    // ".tolvik-" and ten lower-case base-36 digits, then ".tmp": what `tempName` makes, and nothing a user or
    // another program would name a file.
    const qsizetype length = tempPrefix.size() + tempRandomLength + 4;
    if (name.size() != length || !name.startsWith(tempPrefix) || !name.endsWith(".tmp")) {
        return false;
    }
    for (qsizetype i = tempPrefix.size(); i < tempPrefix.size() + tempRandomLength; ++i) {
        const char c = name[i];
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'z'))) {
            return false;
        }
    }
    return true;
}

int sweepStaleTemps(const QString& folder, qint64 minimumAgeSeconds)
{
    const int dirfd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirfd < 0) {
        return 0;
    }
    const int ownFd = ::dup(dirfd);
    DIR* dir = ownFd >= 0 ? ::fdopendir(ownFd) : nullptr;
    if (dir == nullptr && ownFd >= 0) {
        ::close(ownFd);
    }
    int removed = 0;
    const time_t now = std::time(nullptr);
    while (const dirent* entry = dir != nullptr ? ::readdir(dir) : nullptr) {
        const QByteArray name(entry->d_name);
        struct stat info
        {
        };
        if (!isOwnTempName(name) || ::fstatat(dirfd, name.constData(), &info, AT_SYMLINK_NOFOLLOW) != 0 ||
            now - info.st_mtim.tv_sec < minimumAgeSeconds) {
            continue;
        }
        if (S_ISDIR(info.st_mode)) {
            // A list folder that was being built: only its metadata files, never anything deeper.
            const QByteArray sub = QFile::encodeName(folder) + '/' + name;
            for (const char* file : {"displayname", "color"}) {
                ::unlink((sub + '/' + file).constData());
            }
            removed += ::unlinkat(dirfd, name.constData(), AT_REMOVEDIR) == 0 ? 1 : 0;
        } else if (S_ISREG(info.st_mode)) {
            removed += ::unlinkat(dirfd, name.constData(), 0) == 0 ? 1 : 0;
        }
    }
    if (dir != nullptr) {
        ::closedir(dir);
    }
    ::close(dirfd);
    return removed;
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
    int error = ::fstat(fd, &info) != 0 ? errno : 0;
    if (error == 0 && !S_ISREG(info.st_mode)) {
        ::close(fd);
        result.error = notAFile(QStringLiteral("read"), path, info.st_mode);
        return result;
    }
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
