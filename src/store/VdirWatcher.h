#pragma once

#include <QElapsedTimer>
#include <QFileSystemWatcher>
#include <QObject>
#include <QStringList>
#include <QTimer>

namespace tolvik {

/// Watches the store's folders and turns a burst of changes into one `settled()` signal, sent once the
/// folders have been quiet for a short while (or, during an endless stream of changes, at least once a second).
class VdirWatcher : public QObject
{
    Q_OBJECT

public:
    /// Quiet time after the last change before `settled()` is sent.
    static constexpr int quietMs = 100;
    /// Longest delay between a first change and `settled()`, however long the burst lasts.
    static constexpr int longestDelayMs = 1000;

    explicit VdirWatcher(QObject* parent = nullptr);

    /// Watches exactly these folders from now on. Folders, not files: a rename over a watched file drops it.
    void setFolders(const QStringList& folders);
    /// The folders currently watched.
    QStringList folders() const;
    /// Counts a change that did not come through the watch, such as the store's own write.
    void noteChange();

Q_SIGNALS:
    /// The folders changed and have since been quiet.
    void settled();

private:
    void flush();

    QFileSystemWatcher m_watcher;
    QTimer m_quiet;
    QElapsedTimer m_pendingSince;
};

} // namespace tolvik
