#include "sync/EngineRunner.h"

#include "sync/SyncAccount.h"

#include <QDir>
#include <QLockFile>
#include <QProcess>
#include <QStandardPaths>

#include <QCoro/QCoroProcess>

#include <memory>

namespace tolvik {

EngineRunner::EngineRunner(QString accountID, QString program, QObject* parent)
    : QObject(parent)
    , m_accountID(std::move(accountID))
    , m_program(std::move(program))
{}

bool EngineRunner::isAvailable(const QString& program)
{
    return QDir::isAbsolutePath(program) ? QFileInfo(program).isExecutable()
                                         : !QStandardPaths::findExecutable(program).isEmpty();
}

void EngineRunner::cancel()
{
    if (m_process && m_process->state() != QProcess::NotRunning) {
        m_process->terminate();
    }
}

QCoro::Task<EngineRun> EngineRunner::run(QStringList arguments, std::chrono::milliseconds limit)
{
    EngineRun result;
    const QString folder = SyncPaths::stateFolder(m_accountID);
    QDir().mkpath(folder);
    QLockFile lock(folder + QStringLiteral("/engine.lock"));
    // A dead holder's lock is taken over at once; a live one's only after longer than any run may last.
    lock.setStaleLockTime(std::chrono::minutes(20));
    if (m_running || !lock.tryLock(0)) {
        result.busy = true;
        co_return result;
    }
    m_running = true;

    auto process = std::make_unique<QProcess>();
    m_process = process.get();
    process->setProgram(m_program);
    process->setArguments(arguments);
    process->setStandardInputFile(QProcess::nullDevice());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    environment.insert(QStringLiteral("PYTHONDONTWRITEBYTECODE"), QStringLiteral("1"));
    process->setProcessEnvironment(environment);
    QByteArray pending;
    connect(process.get(), &QProcess::readyReadStandardError, this, [&] {
        const QByteArray chunk = m_process->readAllStandardError();
        result.log += chunk;
        pending += chunk;
        bool any = false;
        for (qsizetype end = pending.indexOf('\n'); end >= 0; end = pending.indexOf('\n')) {
            EngineOutputParser::addLine(result.output, QString::fromUtf8(pending.left(end)).trimmed(), m_accountID);
            pending.remove(0, end + 1);
            any = true;
        }
        if (any) {
            Q_EMIT progressed(result.output);
        }
    });

    // A missing program never says "started"; waiting for that would hold the run for the whole timeout.
    const bool available = isAvailable(m_program);
    if (available) {
        process->start();
    }
    const bool started = available && co_await qCoro(process.get()).waitForStarted(std::chrono::seconds(10));
    if (started) {
        result.started = true;
        bool finished = co_await qCoro(process.get()).waitForFinished(limit);
        if (!finished) {
            result.timedOut = true;
            process->terminate();
            finished = co_await qCoro(process.get()).waitForFinished(std::chrono::seconds(5));
            if (!finished) {
                process->kill();
                co_await qCoro(process.get()).waitForFinished(std::chrono::seconds(5));
            }
        }
        const QByteArray rest = process->readAllStandardError();
        result.log += rest;
        pending += rest;
    }
    result.exitCode = process->exitStatus() == QProcess::NormalExit ? process->exitCode() : -1;
    for (const QByteArray& line : pending.split('\n')) {
        EngineOutputParser::addLine(result.output, QString::fromUtf8(line).trimmed(), m_accountID);
    }
    disconnect(process.get(), nullptr, this, nullptr);
    m_process = nullptr;
    m_running = false;
    co_return result;
}

} // namespace tolvik
