#pragma once

// Shared set-up for the row and section tests: a real folder store in a temp root, temp preferences installed as
// the shared ones, a clock the test sets, and helpers that write and read to-do files as another client would.
#include "TestSupport.h"
#include "appearance/Preferences.h"
#include "model/RemindersViewModel.h"
#include "store/VdirStore.h"

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimeZone>

#include <memory>

namespace tolvik::test {

/// Friday 15 March 2024, 10:00 in Stockholm.
inline QDateTime rowsNow()
{
    return QDateTime(QDate(2024, 3, 15), QTime(10, 0), QTimeZone(QByteArrayLiteral("Europe/Stockholm")));
}

class RowsFixture
{
public:
    RowsFixture()
        : m_root(m_dir.filePath(QStringLiteral("calendars")))
        , m_preferences(std::make_unique<Preferences>(m_dir.filePath(QStringLiteral("prefs.ini"))))
    {
        Preferences::setShared(m_preferences.get());
    }
    ~RowsFixture() { Preferences::setShared(nullptr); }

    RowsFixture(const RowsFixture&) = delete;
    RowsFixture& operator=(const RowsFixture&) = delete;

    QString root() const { return m_root; }
    Preferences& preferences() { return *m_preferences; }
    QString listPath(const QString& listID) const { return m_root + QLatin1Char('/') + listID; }

    void makeList(const QString& listID, const QByteArray& displayName, const QByteArray& color = {}) const
    {
        QDir().mkpath(listPath(listID));
        writeFile(listPath(listID) + QStringLiteral("/displayname"), displayName);
        if (!color.isEmpty()) {
            writeFile(listPath(listID) + QStringLiteral("/color"), color);
        }
    }

    /// Writes `<list>/<uid>.ics` with one VTODO and returns the reminder id the store gives it.
    QString writeTodo(const QString& listID, const QString& uid, const QString& summary,
                      const QStringList& lines = {}) const
    {
        QString text = QStringLiteral("BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Tolvik tests//EN\r\n"
                                      "BEGIN:VTODO\r\nUID:%1\r\nDTSTAMP:20240101T000000Z\r\nSUMMARY:%2\r\n")
                           .arg(uid, summary);
        for (const QString& line : lines) {
            text += line + QStringLiteral("\r\n");
        }
        text += QStringLiteral("END:VTODO\r\nEND:VCALENDAR\r\n");
        writeFile(listPath(listID) + QLatin1Char('/') + uid + QStringLiteral(".ics"), text.toUtf8());
        return listID + QLatin1Char('/') + uid + QStringLiteral(".ics");
    }

    QByteArray readTodo(const QString& reminderID) const { return readFile(m_root + QLatin1Char('/') + reminderID); }

    /// The unfolded content lines of every .ics file in a list folder.
    QList<QByteArray> todoFiles(const QString& listID) const
    {
        QList<QByteArray> files;
        const QStringList names = QDir(listPath(listID)).entryList({QStringLiteral("*.ics")}, QDir::Files);
        for (const QString& name : names) {
            QByteArray content = readFile(listPath(listID) + QLatin1Char('/') + name);
            content.replace("\r\n ", "").replace("\r\n\t", "");
            files.append(content);
        }
        return files;
    }

    /// A model on a real store over the root, reading "now" from `m_now`, after its start-up refresh.
    std::unique_ptr<RemindersViewModel> makeModel()
    {
        auto model = std::make_unique<RemindersViewModel>(new VdirStore(m_root), *m_preferences, clock());
        QSignalSpy refreshed(model.get(), &RemindersViewModel::lastRefreshDateChanged);
        if (!refreshed.wait(10000)) {
            qWarning("the start-up refresh did not finish");
        }
        return model;
    }

    Clock clock()
    {
        return [this] { return m_now; };
    }
    void setNow(const QDateTime& now) { m_now = now; }

private:
    QTemporaryDir m_dir;
    QString m_root;
    std::unique_ptr<Preferences> m_preferences;
    QDateTime m_now = rowsNow();
};

/// The content line of a property of the file's VTODO ("DUE;TZID=...:2024..."), or empty when it has none.
inline QByteArray propertyLine(const QByteArray& file, const QByteArray& name)
{
    const QList<QByteArray> lines = file.mid(file.indexOf("BEGIN:VTODO")).split('\n');
    for (QByteArray line : lines) {
        line = line.trimmed();
        if (line.startsWith(name + ':') || line.startsWith(name + ';')) {
            return line;
        }
    }
    return {};
}

} // namespace tolvik::test
