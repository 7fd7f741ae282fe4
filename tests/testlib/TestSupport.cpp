#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtGlobal>

namespace tolvik::test {

IsolatedHome::IsolatedHome()
    : m_oldHome(qgetenv("HOME"))
    , m_oldConfig(qgetenv("XDG_CONFIG_HOME"))
    , m_oldData(qgetenv("XDG_DATA_HOME"))
{
    QDir(m_dir.path()).mkpath(QStringLiteral(".config"));
    QDir(m_dir.path()).mkpath(QStringLiteral(".local/share"));
    qputenv("HOME", m_dir.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", configHome().toUtf8());
    qputenv("XDG_DATA_HOME", dataHome().toUtf8());
}

IsolatedHome::~IsolatedHome()
{
    qputenv("HOME", m_oldHome);
    qputenv("XDG_CONFIG_HOME", m_oldConfig);
    qputenv("XDG_DATA_HOME", m_oldData);
}

QString IsolatedHome::configHome() const
{
    return m_dir.filePath(QStringLiteral(".config"));
}

QString IsolatedHome::dataHome() const
{
    return m_dir.filePath(QStringLiteral(".local/share"));
}

bool writeFile(const QString& path, const QByteArray& content)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        return false;
    }
    return file.write(content) == content.size();
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return file.readAll();
}

QByteArray lineStarting(const QByteArray& file, const QByteArray& prefix)
{
    for (const QByteArray& line : file.split('\n')) {
        if (line.startsWith(prefix)) {
            return line.trimmed();
        }
    }
    return {};
}

QByteArray todoFile(const QByteArray& uid, const QByteArray& summary, const QByteArray& extra)
{
    return "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//test//EN\r\nBEGIN:VTODO\r\nUID:" + uid +
           "\r\nDTSTAMP:20240101T000000Z\r\nSUMMARY:" + summary + "\r\n" + extra + "END:VTODO\r\nEND:VCALENDAR\r\n";
}

} // namespace tolvik::test
