#pragma once

#include <QString>
#include <QTemporaryDir>

#include <memory>

namespace tolvik::test {

/// Points HOME and the XDG folders at a fresh temp folder for the life of the object, so that nothing a test
/// does reaches the real user's files.
class IsolatedHome
{
public:
    IsolatedHome();
    ~IsolatedHome();

    QString path() const { return m_dir.path(); }
    QString configHome() const;
    QString dataHome() const;

private:
    QTemporaryDir m_dir;
    QByteArray m_oldHome;
    QByteArray m_oldConfig;
    QByteArray m_oldData;
};

/// Writes `content` to `path`, creating folders as needed. Returns false on failure.
bool writeFile(const QString& path, const QByteArray& content);
/// The whole content of `path`, or an empty array.
QByteArray readFile(const QString& path);
/// The first line of `file` that starts with `prefix`, without its line end; empty when there is none.
QByteArray lineStarting(const QByteArray& file, const QByteArray& prefix);
/// A minimal iCalendar file with one VTODO; `extra` holds further content lines, each ending in CRLF.
QByteArray todoFile(const QByteArray& uid, const QByteArray& summary, const QByteArray& extra = {});

} // namespace tolvik::test
