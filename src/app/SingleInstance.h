#pragma once

#include <QObject>
#include <QString>

#include <memory>

class QLocalServer;
class QLockFile;

namespace tolvik {

/// Keeps the app to one process per user. The first process holds a lock file and listens on a local socket next to
/// it; a later launch finds the lock taken, tells the first process to show itself, and ends.
class SingleInstance : public QObject
{
    Q_OBJECT

public:
    /// `basePath` names the lock (`<basePath>.lock`) and the socket (`<basePath>.socket`).
    explicit SingleInstance(QString basePath, QObject* parent = nullptr);
    ~SingleInstance() override;

    /// The per-user base path: in $XDG_RUNTIME_DIR when set, else in the temp folder with the user id in the name.
    static QString defaultBasePath();

    /// What a later launch asks of the running instance.
    enum class Request
    {
        show,
        quickAdd,
    };

    /// True when this process is now the one instance (and listens for later launches). False when another process
    /// holds it; that process has then been sent `request`, when it could be reached.
    bool claim(Request request = Request::show);
    /// Whether the running instance was reached by the last failed `claim`.
    bool reachedRunningInstance() const { return m_reachedRunning; }

Q_SIGNALS:
    /// A later launch asked this instance to show itself.
    void activationRequested();
    /// A later launch asked this instance to open the quick-add field.
    void quickAddRequested();

private:
    bool notifyRunningInstance(Request request);

    QString m_basePath;
    std::unique_ptr<QLockFile> m_lock;
    QLocalServer* m_server = nullptr;
    bool m_reachedRunning = false;
};

} // namespace tolvik
