#include "app/SingleInstance.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>
#include <QThread>

#include <unistd.h>

namespace tolvik {

namespace {

const QByteArray showRequest = "show\n";
const QByteArray quickAddRequest = "quick-add\n";
constexpr int connectAttemptMs = 200;
/// How long a later launch keeps trying to reach a first instance that is still starting up.
constexpr int reachDeadlineMs = 3000;

QString socketPath(const QString& basePath)
{
    return basePath + QLatin1String(".socket");
}

} // namespace

SingleInstance::SingleInstance(QString basePath, QObject* parent)
    : QObject(parent)
    , m_basePath(std::move(basePath))
{}

SingleInstance::~SingleInstance()
{
    if (m_server != nullptr) {
        m_server->close();
    }
}

QString SingleInstance::defaultBasePath()
{
    const QString name = QStringLiteral("org.tolvik.TolvikReminder");
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (!runtime.isEmpty() && QDir(runtime).exists()) {
        return QDir(runtime).filePath(name);
    }
    return QDir(QDir::tempPath()).filePath(name + QLatin1Char('-') + QString::number(::getuid()));
}

bool SingleInstance::claim(Request request)
{
    m_reachedRunning = false;
    auto lock = std::make_unique<QLockFile>(m_basePath + QLatin1String(".lock"));
    // A lock left by a process that died is stale: QLockFile checks the pid in it and takes it over.
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0)) {
        m_reachedRunning = notifyRunningInstance(request);
        return false;
    }
    m_lock = std::move(lock);

    // The lock is ours, so a socket file left behind belongs to a dead process.
    QLocalServer::removeServer(socketPath(m_basePath));
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = m_server->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                while (socket->canReadLine()) {
                    const QByteArray line = socket->readLine(64);
                    if (line == showRequest) {
                        Q_EMIT activationRequested();
                    } else if (line == quickAddRequest) {
                        Q_EMIT quickAddRequested();
                    }
                }
            });
        }
    });
    if (!m_server->listen(socketPath(m_basePath))) {
        // Still the one instance; a later launch just cannot bring it forward.
        qWarning("Cannot listen for later launches at %s: %s", qPrintable(socketPath(m_basePath)),
                 qPrintable(m_server->errorString()));
    }
    return true;
}

bool SingleInstance::notifyRunningInstance(Request request)
{
    const QDeadlineTimer deadline(reachDeadlineMs);
    while (!deadline.hasExpired()) {
        QLocalSocket socket;
        socket.connectToServer(socketPath(m_basePath));
        if (socket.waitForConnected(connectAttemptMs)) {
            socket.write(request == Request::quickAdd ? quickAddRequest : showRequest);
            const bool sent = socket.waitForBytesWritten(connectAttemptMs);
            socket.disconnectFromServer();
            return sent;
        }
        // The first instance holds the lock but may not listen yet.
        QThread::msleep(50);
    }
    return false;
}

} // namespace tolvik
