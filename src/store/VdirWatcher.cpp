#include "store/VdirWatcher.h"

#include <QFile>
#include <QSet>
#include <QSocketNotifier>

#include <array>
#include <cerrno>

#include <sys/inotify.h>
#include <unistd.h>

namespace tolvik {

namespace {

// Every change to an entry of the folder, a write in place included, and the folder's own end.
constexpr uint32_t watchMask = IN_CLOSE_WRITE | IN_MODIFY | IN_ATTRIB | IN_CREATE | IN_DELETE | IN_MOVED_FROM |
                               IN_MOVED_TO | IN_DELETE_SELF | IN_MOVE_SELF | IN_ONLYDIR;

} // namespace

VdirWatcher::VdirWatcher(QObject* parent)
    : QObject(parent)
    , m_fd(::inotify_init1(IN_NONBLOCK | IN_CLOEXEC))
{
    m_quiet.setSingleShot(true);
    m_quiet.setInterval(quietMs);
    connect(&m_quiet, &QTimer::timeout, this, &VdirWatcher::flush);
    if (m_fd >= 0) {
        m_notifier = new QSocketNotifier(m_fd, QSocketNotifier::Read, this);
        connect(m_notifier, &QSocketNotifier::activated, this, &VdirWatcher::readEvents);
    }
}

VdirWatcher::~VdirWatcher()
{
    if (m_fd >= 0) {
        delete m_notifier;
        ::close(m_fd);
    }
}

void VdirWatcher::setFolders(const QStringList& folders)
{
    const QSet<QString> wanted(folders.cbegin(), folders.cend());
    for (auto it = m_watches.begin(); it != m_watches.end();) {
        if (wanted.contains(it.key())) {
            ++it;
            continue;
        }
        ::inotify_rm_watch(m_fd, it.value());
        m_folderOf.remove(it.value());
        forget(it.key());
        it = m_watches.erase(it);
    }
    if (m_fd < 0) {
        return;
    }
    for (const QString& folder : folders) {
        if (m_watches.contains(folder)) {
            continue;
        }
        const int wd = ::inotify_add_watch(m_fd, QFile::encodeName(folder).constData(), watchMask);
        // A second path to a watched folder (through a symlink) shares its watch, whose events name the first
        // path only: the second stays unwatched and is always looked at.
        if (wd < 0 || m_folderOf.contains(wd)) {
            continue;
        }
        m_watches.insert(folder, wd);
        m_folderOf.insert(wd, folder);
        // What happened before the watch began is unknown: the folder counts as changed now.
        m_changedAt.insert(folder, ++m_mark);
        m_watchedSince.insert(folder, m_mark);
    }
}

QStringList VdirWatcher::folders() const
{
    return m_watches.keys();
}

void VdirWatcher::forget(const QString& folder)
{
    m_changedAt.remove(folder);
    m_watchedSince.remove(folder);
    m_changedNames.remove(folder);
    m_namesSince.remove(folder);
}

std::optional<QSet<QString>> VdirWatcher::changedSince(const QString& folder, quint64 mark) const
{
    const auto since = m_watchedSince.constFind(folder);
    // A mark taken before the watch began is below the mark the watch began with.
    if (since == m_watchedSince.cend() || *since > mark || m_overflowAt >= mark || m_namesSince.value(folder) >= mark) {
        return std::nullopt;
    }
    QSet<QString> changed;
    const QHash<QString, quint64> names = m_changedNames.value(folder);
    for (auto it = names.cbegin(); it != names.cend(); ++it) {
        if (it.value() >= mark) {
            changed.insert(it.key());
        }
    }
    return changed;
}

bool VdirWatcher::isQuietSince(const QString& folder, quint64 mark) const
{
    const auto changed = m_changedAt.constFind(folder);
    return changed != m_changedAt.cend() && *changed < mark && m_overflowAt < mark;
}

void VdirWatcher::readEvents()
{
    alignas(inotify_event) std::array<char, 16384> buffer{};
    bool any = false;
    for (;;) {
        const ssize_t n = ::read(m_fd, buffer.data(), buffer.size());
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            break;
        }
        for (ssize_t at = 0; at < n;) {
            const auto* event = reinterpret_cast<const inotify_event*>(buffer.data() + at);
            at += ssize_t(sizeof(inotify_event) + event->len);
            any = true;
            if (event->mask & IN_Q_OVERFLOW) {
                // Events were lost: every folder must be looked at again.
                m_overflowAt = ++m_mark;
                continue;
            }
            const QString folder = m_folderOf.value(event->wd);
            if (folder.isEmpty()) {
                continue;
            }
            if (event->mask & (IN_IGNORED | IN_DELETE_SELF | IN_MOVE_SELF)) {
                // The watch is gone with the folder: it is no longer known to be complete.
                m_folderOf.remove(event->wd);
                m_watches.remove(folder);
                forget(folder);
                continue;
            }
            m_changedAt.insert(folder, ++m_mark);
            if (event->len > 0) {
                QHash<QString, quint64>& names = m_changedNames[folder];
                if (names.size() >= maximumNames) {
                    // A folder in constant change: which entries changed is no longer told, only that some did.
                    names.clear();
                    m_namesSince.insert(folder, m_mark);
                }
                names.insert(QFile::decodeName(event->name), m_mark);
            }
        }
    }
    if (any) {
        noteChange();
    }
}

void VdirWatcher::noteChange()
{
    ++m_mark;
    if (!m_pendingSince.isValid()) {
        m_pendingSince.start();
    }
    // Restarting the timer on every change coalesces a burst; the cap keeps a never-ending burst visible.
    const qint64 left = qMax<qint64>(0, longestDelayMs - m_pendingSince.elapsed());
    m_quiet.start(int(qMin<qint64>(quietMs, left)));
}

void VdirWatcher::flush()
{
    m_pendingSince.invalidate();
    Q_EMIT settled();
}

} // namespace tolvik
