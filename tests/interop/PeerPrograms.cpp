#include "PeerPrograms.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QTimer>

#include <csignal>
#include <sys/prctl.h>

namespace tolvik::interop {

namespace {

const QString radicaleProgram = QStringLiteral("/usr/bin/radicale");
const QString vdirsyncerProgram = QStringLiteral("/usr/bin/vdirsyncer");
const QString todomanProgram = QStringLiteral("/usr/bin/todoman");

bool writeText(const QString& path, const QString& text)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        return false;
    }
    return file.write(text.toUtf8()) >= 0;
}

/// A TOML/Python string literal: both configs accept the same double-quoted form.
QString quoted(QString text)
{
    text.replace(QLatin1Char('\\'), QStringLiteral("\\\\")).replace(QLatin1Char('"'), QStringLiteral("\\\""));
    return QLatin1Char('"') + text + QLatin1Char('"');
}

/// A server left behind by a crashed test would hold its port and files: have the kernel end it with us.
void dieWithParent()
{
    ::prctl(PR_SET_PDEATHSIG, SIGTERM);
}

} // namespace

QByteArray ProcessResult::describe() const
{
    QByteArray text = "exit code " + QByteArray::number(exitCode);
    if (!started) {
        text += " (not started)";
    }
    if (timedOut) {
        text += " (timed out)";
    }
    return text + "\n--- stdout ---\n" + out + "\n--- stderr ---\n" + err;
}

ProcessResult runProgram(const QString& program, const QStringList& arguments, const QByteArray& input, int timeoutMs)
{
    ProcessResult result;
    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    QEventLoop loop;
    QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
    QObject::connect(&process, &QProcess::errorOccurred, &loop, [&loop](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart) {
            loop.quit();
        }
    });
    QTimer timeout;
    timeout.setSingleShot(true);
    QObject::connect(&timeout, &QTimer::timeout, &loop, [&] {
        result.timedOut = true;
        loop.quit();
    });
    process.start();
    if (!process.waitForStarted()) {
        result.err = process.errorString().toUtf8();
        return result;
    }
    result.started = true;
    process.write(input);
    process.closeWriteChannel();
    timeout.start(timeoutMs);
    if (process.state() != QProcess::NotRunning) {
        loop.exec();
    }
    if (result.timedOut) {
        process.kill();
        process.waitForFinished();
    }
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.out = process.readAllStandardOutput();
    result.err = process.readAllStandardError();
    return result;
}

RadicaleServer::RadicaleServer(QString folder)
    : m_folder(std::move(folder))
{}

RadicaleServer::~RadicaleServer()
{
    stop();
}

bool RadicaleServer::start(QString* error)
{
    const QString users = m_folder + QStringLiteral("/users");
    const QString config = m_folder + QStringLiteral("/config");
    // Port 0: the kernel picks a free port and the server logs which one, so two runs never collide.
    const bool written =
        writeText(users, user() + QLatin1Char(':') + password() + QLatin1Char('\n')) &&
        writeText(config,
                  QStringLiteral("[server]\nhosts = 127.0.0.1:%3\n%4"
                                 "[auth]\ntype = htpasswd\nhtpasswd_filename = %1\n"
                                 "htpasswd_encryption = plain\ndelay = 0\n"
                                 "[storage]\nfilesystem_folder = %2\n"
                                 "[web]\ntype = none\n"
                                 "[logging]\nlevel = info\n")
                      .arg(users, m_folder + QStringLiteral("/collections"))
                      .arg(m_keepPort ? m_lastPort : 0)
                      .arg(m_certificate.isEmpty()
                               ? QString()
                               : QStringLiteral("ssl = True\ncertificate = %1\nkey = %2\n").arg(m_certificate, m_key)));
    if (!written) {
        *error = QStringLiteral("cannot write the server's configuration in ") + m_folder;
        return false;
    }

    m_process = std::make_unique<QProcess>();
    m_process->setProgram(radicaleProgram);
    m_process->setArguments({QStringLiteral("--config"), config});
    m_process->setChildProcessModifier(dieWithParent);
    // The server logs to stderr. The log is drained whenever the event loop runs, so a busy server never
    // blocks on a full pipe.
    m_process->setProcessChannelMode(QProcess::MergedChannels);
    QObject::connect(m_process.get(), &QProcess::readyRead, m_process.get(), [this] { m_log += m_process->readAll(); });
    m_process->start();
    if (!m_process->waitForStarted()) {
        *error = QStringLiteral("cannot start %1: %2").arg(radicaleProgram, m_process->errorString());
        m_process.reset();
        return false;
    }

    static const QRegularExpression listening(QStringLiteral(R"(Listening on '\[?127\.0\.0\.1\]?:(\d+)')"));
    QDeadlineTimer deadline(30000);
    // Only this run's lines: a restarted server's log still holds the last run's.
    const qsizetype logStart = m_log.size();
    while (!deadline.hasExpired()) {
        const QByteArray runLog = m_log.mid(logStart);
        const QRegularExpressionMatch match = listening.match(QString::fromUtf8(runLog));
        if (match.hasMatch() && runLog.contains("Radicale server ready")) {
            m_port = match.captured(1).toInt();
            return true;
        }
        if (m_process->state() == QProcess::NotRunning) {
            break;
        }
        // Blocks until the server writes more; no fixed sleep.
        m_process->waitForReadyRead(int(qMax<qint64>(1, deadline.remainingTime())));
    }
    *error = QStringLiteral("the server did not become ready:\n") + QString::fromUtf8(m_log);
    stop();
    return false;
}

void RadicaleServer::stop()
{
    if (!m_process) {
        return;
    }
    if (m_process->state() != QProcess::NotRunning) {
        m_process->terminate();
        if (!m_process->waitForFinished(10000)) {
            m_process->kill();
            m_process->waitForFinished();
        }
    }
    m_log += m_process->readAll();
    m_process.reset();
    m_lastPort = m_port;
    m_port = 0;
}

bool RadicaleServer::isRunning() const
{
    return m_process && m_process->state() == QProcess::Running;
}

void RadicaleServer::useTls(const QString& certificate, const QString& key)
{
    m_certificate = certificate;
    m_key = key;
}

QUrl RadicaleServer::baseUrl() const
{
    return QUrl(QStringLiteral("%1://127.0.0.1:%2/")
                    .arg(m_certificate.isEmpty() ? QStringLiteral("http") : QStringLiteral("https"))
                    .arg(m_port));
}

QUrl RadicaleServer::collectionUrl(const QString& collection) const
{
    return baseUrl().resolved(QUrl(user() + QLatin1Char('/') + collection + QLatin1Char('/')));
}

Vdirsyncer::Vdirsyncer(QString folder, QString localPath, QUrl serverUrl, QString user, QString password)
    : m_folder(std::move(folder))
{
    if (!localPath.endsWith(QLatin1Char('/'))) {
        localPath += QLatin1Char('/');
    }
    const QString config = QStringLiteral("[general]\n"
                                          "status_path = %1\n\n"
                                          "[pair radicale]\n"
                                          "a = \"radicale_local\"\n"
                                          "b = \"radicale_remote\"\n"
                                          "collections = [\"from a\", \"from b\"]\n"
                                          "metadata = [\"displayname\", \"color\"]\n\n"
                                          "[storage radicale_local]\n"
                                          "type = \"filesystem\"\n"
                                          "path = %2\n"
                                          "fileext = \".ics\"\n\n"
                                          "[storage radicale_remote]\n"
                                          "type = \"caldav\"\n"
                                          "item_types = [\"VTODO\"]\n"
                                          "url = %3\n"
                                          "username = %4\n"
                                          "password = %5\n")
                               .arg(quoted(m_folder + QStringLiteral("/status/")), quoted(localPath),
                                    quoted(serverUrl.toString()), quoted(user), quoted(password));
    writeText(configPath(), config);
}

QString Vdirsyncer::configPath() const
{
    return m_folder + QStringLiteral("/config");
}

ProcessResult Vdirsyncer::discover() const
{
    return run({QStringLiteral("discover")}, QByteArray("y\n").repeated(50));
}

ProcessResult Vdirsyncer::sync(int timeoutMs) const
{
    return run({QStringLiteral("sync")}, {}, timeoutMs);
}

ProcessResult Vdirsyncer::metasync() const
{
    return run({QStringLiteral("metasync")});
}

ProcessResult Vdirsyncer::run(const QStringList& arguments, const QByteArray& input, int timeoutMs) const
{
    return runProgram(vdirsyncerProgram, QStringList{QStringLiteral("--config"), configPath()} + arguments, input,
                      timeoutMs);
}

Todoman::Todoman(QString folder, const QString& pathGlob)
    : m_configPath(folder + QStringLiteral("/config.py"))
{
    writeText(m_configPath, QStringLiteral("path = %1\n"
                                           "cache_path = %2\n"
                                           "date_format = \"%Y-%m-%d\"\n"
                                           "time_format = \"%H:%M\"\n"
                                           "default_due = 0\n"
                                           "humanize = False\n"
                                           "color = \"never\"\n")
                                .arg(quoted(pathGlob), quoted(folder + QStringLiteral("/cache.sqlite3"))));
}

ProcessResult Todoman::run(const QStringList& arguments, const QByteArray& input) const
{
    return runProgram(todomanProgram, QStringList{QStringLiteral("--config"), m_configPath} + arguments, input);
}

QJsonArray Todoman::listAll() const
{
    const ProcessResult result =
        run({QStringLiteral("--porcelain"), QStringLiteral("list"), QStringLiteral("--status"), QStringLiteral("ANY")});
    if (!result.ok()) {
        qWarning("todoman list failed: %s", result.describe().constData());
        return {};
    }
    return QJsonDocument::fromJson(result.out).array();
}

std::optional<QJsonObject> Todoman::taskWithSummary(const QString& summary) const
{
    const QJsonArray tasks = listAll();
    for (const QJsonValue& task : tasks) {
        if (task.toObject().value(QStringLiteral("summary")).toString() == summary) {
            return task.toObject();
        }
    }
    return std::nullopt;
}

} // namespace tolvik::interop
