#include "store/VdirWatcher.h"

#include <QSet>

namespace tolvik {

VdirWatcher::VdirWatcher(QObject* parent)
    : QObject(parent)
{
    m_quiet.setSingleShot(true);
    m_quiet.setInterval(quietMs);
    connect(&m_quiet, &QTimer::timeout, this, &VdirWatcher::flush);
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, &VdirWatcher::noteChange);
}

void VdirWatcher::setFolders(const QStringList& folders)
{
    const QStringList current = m_watcher.directories();
    const QSet<QString> wanted(folders.cbegin(), folders.cend());
    QStringList gone;
    for (const QString& folder : current) {
        if (!wanted.contains(folder)) {
            gone.append(folder);
        }
    }
    if (!gone.isEmpty()) {
        m_watcher.removePaths(gone);
    }
    const QSet<QString> have(current.cbegin(), current.cend());
    QStringList added;
    for (const QString& folder : folders) {
        if (!have.contains(folder)) {
            added.append(folder);
        }
    }
    if (!added.isEmpty()) {
        m_watcher.addPaths(added);
    }
}

QStringList VdirWatcher::folders() const
{
    return m_watcher.directories();
}

void VdirWatcher::noteChange()
{
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
