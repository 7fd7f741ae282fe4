#pragma once

// A mount namespace of the test's own, for states that only a mount can make: a read-only folder that binds even
// root (whom permission bits do not stop), or a full disk. Everything mounted vanishes with the process.

#include <QByteArray>
#include <QFile>
#include <QString>

#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>

namespace tolvik::test {

inline bool writeProcFile(const char* path, const QByteArray& text)
{
    const int fd = ::open(path, O_WRONLY | O_CLOEXEC);
    const bool ok = fd >= 0 && ::write(fd, text.constData(), size_t(text.size())) == text.size();
    if (fd >= 0) {
        ::close(fd);
    }
    return ok;
}

/// Enters a mount namespace of the process's own. Must be called while the process has one thread: a namespace
/// entered later holds only the calling thread, not the store's workers.
inline bool enterOwnMountNamespace()
{
    if (::unshare(CLONE_NEWNS) != 0) {
        // Without the right to mount here, a user namespace of our own grants it; the user stays itself.
        const QByteArray uid = QByteArray::number(::geteuid());
        const QByteArray gid = QByteArray::number(::getegid());
        if (::unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0 || !writeProcFile("/proc/self/setgroups", "deny") ||
            !writeProcFile("/proc/self/uid_map", uid + ' ' + uid + " 1") ||
            !writeProcFile("/proc/self/gid_map", gid + ' ' + gid + " 1")) {
            return false;
        }
    }
    return ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
}

/// Binds `folder` onto itself read-only.
inline bool mountReadOnly(const QString& folder)
{
    const QByteArray path = QFile::encodeName(folder);
    return ::mount(path.constData(), path.constData(), nullptr, MS_BIND, nullptr) == 0 &&
           ::mount(nullptr, path.constData(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) == 0;
}

/// Mounts an empty file system in memory of `bytes` on `folder`.
inline bool mountSmallDisk(const QString& folder, qint64 bytes)
{
    const QByteArray options = "size=" + QByteArray::number(bytes) + ",mode=0700";
    return ::mount("tolvik-test", QFile::encodeName(folder).constData(), "tmpfs", 0, options.constData()) == 0;
}

inline void unmount(const QString& folder)
{
    ::umount2(QFile::encodeName(folder).constData(), MNT_DETACH);
}

} // namespace tolvik::test
