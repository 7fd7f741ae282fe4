#pragma once

// Shared set-up for the model tests that run against real folders: a temp calendar root, a temp preferences
// file, a fixed clock, and a way to write to-do files as another client would.
#include "TestSupport.h"
#include "appearance/Preferences.h"
#include "model/RemindersViewModel.h"
#include "store/VdirStore.h"

#include <QCoro/QCoroTask>
#include <QDir>
#include <QTemporaryDir>
#include <QTimeZone>

#include <memory>

namespace tolvik::test {

/// Friday 15 March 2024, 10:00 in Stockholm (UTC+1; summer time starts on 31 March).
inline QDateTime fixedNow()
{
    return QDateTime(QDate(2024, 3, 15), QTime(10, 0), QTimeZone(QByteArrayLiteral("Europe/Stockholm")));
}

/// A VCALENDAR with one VTODO; `lines` are extra content lines, each without its line end.
inline QByteArray todoFile(const QString& uid, const QString& summary, const QStringList& lines = {})
{
    QString text = QStringLiteral("BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Tolvik tests//EN\r\nBEGIN:VTODO\r\n"
                                  "UID:%1\r\nDTSTAMP:20240101T000000Z\r\nSUMMARY:%2\r\n")
                       .arg(uid, summary);
    for (const QString& line : lines) {
        text += line + QStringLiteral("\r\n");
    }
    text += QStringLiteral("END:VTODO\r\nEND:VCALENDAR\r\n");
    return text.toUtf8();
}

class ModelFixture
{
public:
    ModelFixture()
        : m_root(m_dir.filePath(QStringLiteral("calendars")))
        , m_preferences(std::make_unique<Preferences>(m_dir.filePath(QStringLiteral("prefs.ini"))))
    {}

    QString root() const { return m_root; }
    QString listPath(const QString& listID) const { return m_root + QLatin1Char('/') + listID; }
    Preferences& preferences() { return *m_preferences; }
    QString preferencesPath() const { return m_dir.filePath(QStringLiteral("prefs.ini")); }

    /// Makes a list folder with a display name (and a colour when given).
    void makeList(const QString& listID, const QByteArray& displayName, const QByteArray& color = {}) const
    {
        QDir().mkpath(listPath(listID));
        writeFile(listPath(listID) + QStringLiteral("/displayname"), displayName);
        if (!color.isEmpty()) {
            writeFile(listPath(listID) + QStringLiteral("/color"), color);
        }
    }

    /// Writes `<list>/<uid>.ics` and returns the reminder id the store gives it.
    QString writeTodo(const QString& listID, const QString& uid, const QString& summary,
                      const QStringList& lines = {}) const
    {
        writeFile(listPath(listID) + QLatin1Char('/') + uid + QStringLiteral(".ics"), todoFile(uid, summary, lines));
        return listID + QLatin1Char('/') + uid + QStringLiteral(".ics");
    }

    QByteArray readTodo(const QString& reminderID) const { return readFile(m_root + QLatin1Char('/') + reminderID); }

    /// A model on a real store over the root, with the fixed clock; the caller waits for it to settle.
    std::unique_ptr<RemindersViewModel> makeModel()
    {
        m_store = new VdirStore(m_root);
        return std::make_unique<RemindersViewModel>(m_store, *m_preferences, [] { return fixedNow(); });
    }

    /// The model's store (owned by the model).
    VdirStore* store() const { return m_store; }

    /// Everything on disk as a fresh store reads it, completed reminders included.
    QList<StoreReminder> readBack() const
    {
        VdirStore fresh(m_root);
        QStringList ids;
        for (const StoreList& list : QCoro::waitFor(fresh.lists())) {
            ids.append(list.id);
        }
        return QCoro::waitFor(fresh.fetchReminders(ids));
    }

    std::optional<StoreReminder> readBack(const QString& title) const
    {
        for (const StoreReminder& reminder : readBack()) {
            if (reminder.title == title) {
                return reminder;
            }
        }
        return std::nullopt;
    }

private:
    QTemporaryDir m_dir;
    QString m_root;
    std::unique_ptr<Preferences> m_preferences;
    VdirStore* m_store = nullptr;
};

} // namespace tolvik::test
