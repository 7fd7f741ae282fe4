#pragma once

#include <QByteArray>
#include <QJsonArray>
#include <QJsonObject>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <memory>
#include <optional>

namespace tolvik::interop {

/// What a finished peer program left behind.
struct ProcessResult
{
    bool started = false;
    bool timedOut = false;
    int exitCode = -1;
    QByteArray out;
    QByteArray err;

    bool ok() const { return started && !timedOut && exitCode == 0; }
    /// Both streams, for a failure message.
    QByteArray describe() const;
};

/// Runs `program` to completion with the current environment and `input` on its stdin. The event loop keeps
/// running meanwhile, so a server started from this process keeps having its output drained.
ProcessResult runProgram(const QString& program, const QStringList& arguments, const QByteArray& input = {},
                         int timeoutMs = 120000);

/// A CalDAV server on a free loopback port, with its own storage and a plain-text password file in `folder`.
/// Stopped by its PID when the object dies, and told to die with this process should the test crash.
class RadicaleServer
{
public:
    explicit RadicaleServer(QString folder);
    ~RadicaleServer();
    RadicaleServer(const RadicaleServer&) = delete;
    RadicaleServer& operator=(const RadicaleServer&) = delete;

    /// Starts the server and waits until it accepts requests. On failure, `error` says why.
    bool start(QString* error);
    /// Terminates the server (SIGTERM to its PID, SIGKILL if it lingers) and waits for it.
    void stop();
    bool isRunning() const;

    /// Serves HTTPS with this certificate and key (PEM files) from the next start on.
    void useTls(const QString& certificate, const QString& key);
    /// Starts again on the port of the last run, as a server that restarts does.
    void keepPortOnRestart() { m_keepPort = true; }

    /// http://127.0.0.1:<port>/ (https with TLS)
    QUrl baseUrl() const;
    /// The URL of a user's collection: http://127.0.0.1:<port>/<user>/<collection>/
    QUrl collectionUrl(const QString& collection) const;
    QString user() const { return QStringLiteral("tester"); }
    QString password() const { return QStringLiteral("s3cret-pass"); }
    /// The server's log so far.
    QByteArray log() const { return m_log; }

private:
    QString m_folder;
    std::unique_ptr<QProcess> m_process;
    int m_port = 0;
    int m_lastPort = 0;
    bool m_keepPort = false;
    QString m_certificate;
    QString m_key;
    QByteArray m_log;
};

/// vdirsyncer with its own config and status folder, pairing `localPath` (a folder under the store's root)
/// with a CalDAV server: collections from both sides, display name and colour synced.
class Vdirsyncer
{
public:
    Vdirsyncer(QString folder, QString localPath, QUrl serverUrl, QString user, QString password);

    QString configPath() const;
    /// `discover`, answering yes to every question, as a first set-up does.
    ProcessResult discover() const;
    /// `sync`; a first sync of thousands of items needs a longer `timeoutMs`.
    ProcessResult sync(int timeoutMs = 120000) const;
    ProcessResult metasync() const;

private:
    ProcessResult run(const QStringList& arguments, const QByteArray& input = {}, int timeoutMs = 120000) const;

    QString m_folder;
};

/// The todoman command line with its own config and cache, over the list folders `pathGlob` matches.
/// Dates are read as "%Y-%m-%d" and times as "%H:%M"; new tasks get no default due date.
class Todoman
{
public:
    Todoman(QString folder, const QString& pathGlob);

    ProcessResult run(const QStringList& arguments, const QByteArray& input = {}) const;
    /// The config file, for running todoman from a script.
    QString configPath() const { return m_configPath; }
    /// `--porcelain list --status ANY`: every task, open or not. Empty when todoman fails.
    QJsonArray listAll() const;
    /// The task whose summary is `summary`, from listAll(); nothing when there is none.
    std::optional<QJsonObject> taskWithSummary(const QString& summary) const;

private:
    QString m_configPath;
};

} // namespace tolvik::interop
