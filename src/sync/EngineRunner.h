#pragma once

#include "sync/EngineOutput.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <QCoro/QCoroTask>

#include <chrono>

class QProcess;

namespace tolvik {

struct EngineRun
{
    bool started = false;
    /// Another run of this account held the lock.
    bool busy = false;
    bool timedOut = false;
    int exitCode = -1;
    EngineOutput output;
    QByteArray log;

    bool ok() const { return started && !busy && !timedOut && exitCode == 0; }
};

/// Runs the engine for one account, one run at a time: a lock file in the account's state folder keeps two runs
/// (from this app or a second copy) off the same status, stdin is closed so that a question ends the run instead
/// of hanging it, and a run past its time limit gets SIGTERM and, five seconds later, SIGKILL.
class EngineRunner : public QObject
{
    Q_OBJECT

public:
    /// `program` is the engine's binary ("vdirsyncer", or a stand-in in tests).
    EngineRunner(QString accountID, QString program, QObject* parent = nullptr);

    QCoro::Task<EngineRun> run(QStringList arguments, std::chrono::milliseconds limit);
    bool isRunning() const { return m_running; }
    /// Ends the current run as the time limit would.
    void cancel();

    /// Whether `program` can be started at all.
    static bool isAvailable(const QString& program);

Q_SIGNALS:
    /// The counts so far, as the engine logs them.
    void progressed(const tolvik::EngineOutput& output);

private:
    QString m_accountID;
    QString m_program;
    QProcess* m_process = nullptr;
    bool m_running = false;
};

} // namespace tolvik
