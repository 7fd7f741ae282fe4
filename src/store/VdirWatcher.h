#pragma once

#include <QElapsedTimer>
#include <QHash>
#include <QObject>
#include <QSet>
#include <QStringList>
#include <QTimer>

#include <optional>

class QSocketNotifier;

namespace tolvik {

/// Watches the store's folders with inotify, for every kind of change to the entries in them (files rewritten
/// in place too), and turns a burst of changes into one `settled()` signal, sent once the folders have been
/// quiet for a short while (or, during an endless stream of changes, at least once a second).
class VdirWatcher : public QObject
{
    Q_OBJECT

public:
    /// Quiet time after the last change before `settled()` is sent.
    static constexpr int quietMs = 100;
    /// Longest delay between a first change and `settled()`, however long the burst lasts.
    static constexpr int longestDelayMs = 1000;

    explicit VdirWatcher(QObject* parent = nullptr);
    ~VdirWatcher() override;

    /// Watches exactly these folders from now on. Folders, not files: a rename over a watched file drops it.
    void setFolders(const QStringList& folders);
    /// The folders currently watched.
    QStringList folders() const;
    /// Counts a change that did not come through the watch, such as the store's own write.
    void noteChange();

    /// Takes in the changes the kernel has queued so far, without waiting for the event loop to report them.
    void poll() { readEvents(); }
    /// A number that grows with every change seen; take it before looking at the folders.
    quint64 currentMark() const { return m_mark; }
    /// True when the folder has been watched without a gap since `mark` and nothing in it changed since: only
    /// then may a reader skip looking at its files. False without inotify, for a folder it could not watch,
    /// and after the kernel dropped events.
    bool isQuietSince(const QString& folder, quint64 mark) const;
    /// The names of the entries of the folder that changed since `mark`, when the folder has been watched without
    /// a gap since then; nothing when that is not known.
    std::optional<QSet<QString>> changedSince(const QString& folder, quint64 mark) const;

Q_SIGNALS:
    /// The folders changed and have since been quiet.
    void settled();

private:
    /// How many changed names a folder keeps before it forgets them.
    static constexpr qsizetype maximumNames = 4096;

    void readEvents();
    void forget(const QString& folder);
    void flush();

    int m_fd = -1;
    QSocketNotifier* m_notifier = nullptr;
    QHash<QString, int> m_watches;
    QHash<int, QString> m_folderOf;
    /// Per folder, the mark of its last change, or of the moment its watch began.
    QHash<QString, quint64> m_changedAt;
    /// Per folder, the mark of the moment its watch began.
    QHash<QString, quint64> m_watchedSince;
    /// Per folder, the mark of each entry's last change; forgotten when it grows large, from the mark in
    /// `m_namesSince` on.
    QHash<QString, QHash<QString, quint64>> m_changedNames;
    QHash<QString, quint64> m_namesSince;
    quint64 m_mark = 1;
    quint64 m_overflowAt = 0;
    QTimer m_quiet;
    QElapsedTimer m_pendingSince;
};

} // namespace tolvik
