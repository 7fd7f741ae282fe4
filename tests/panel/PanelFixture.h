#pragma once

// Set-up for the panel's widget tests: a real vdir store in a temp folder, temp preferences made the shared ones,
// and a model and launch-at-login controller that live as long as the fixture.
#include "TestSupport.h"
#include "appearance/Preferences.h"
#include "model/RemindersViewModel.h"
#include "panel/ContentView.h"
#include "settings/LaunchAtLoginManager.h"
#include "store/VdirStore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace tolvik::test {

/// The shown row titled `title`, or null.
inline ReminderRow* rowTitled(const ContentView& view, const QString& title)
{
    for (ReminderRow* candidate : view.rowsInOrder()) {
        if (candidate->reminder().title == title) {
            return candidate;
        }
    }
    return nullptr;
}

/// The titles of the shown rows, top to bottom.
inline QStringList shownTitles(const ContentView& view)
{
    QStringList shown;
    for (ReminderRow* candidate : view.rowsInOrder()) {
        shown.append(candidate->reminder().title);
    }
    return shown;
}

inline QDateTime panelNow()
{
    return QDateTime(QDate(2024, 3, 15), QTime(10, 0));
}

inline QByteArray todo(const QString& uid, const QString& summary, const QString& due = QString())
{
    QString text = QStringLiteral("BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Tolvik tests//EN\r\nBEGIN:VTODO\r\n"
                                  "UID:%1\r\nDTSTAMP:20240101T000000Z\r\nSUMMARY:%2\r\n")
                       .arg(uid, summary);
    if (!due.isEmpty()) {
        text += QStringLiteral("DUE:%1\r\n").arg(due);
    }
    text += QStringLiteral("END:VTODO\r\nEND:VCALENDAR\r\n");
    return text.toUtf8();
}

class PanelFixture
{
public:
    PanelFixture()
        : m_root(m_dir.filePath(QStringLiteral("calendars")))
        , m_preferences(m_dir.filePath(QStringLiteral("prefs.ini")))
        , m_launchAtLogin(m_dir.filePath(QStringLiteral("autostart/app.desktop")), QStringLiteral("/bin/true"))
    {
        Preferences::setShared(&m_preferences);
    }
    ~PanelFixture()
    {
        m_model.reset();
        Preferences::setShared(nullptr);
    }

    QString root() const { return m_root; }
    Preferences& preferences() { return m_preferences; }
    LaunchAtLoginManager& launchAtLogin() { return m_launchAtLogin; }

    void makeList(const QString& listID, const QByteArray& displayName) const
    {
        QDir().mkpath(m_root + QLatin1Char('/') + listID);
        writeFile(m_root + QLatin1Char('/') + listID + QStringLiteral("/displayname"), displayName);
    }
    QString writeTodo(const QString& listID, const QString& uid, const QString& summary,
                      const QString& due = QString()) const
    {
        // As other clients do: a temp file renamed over the old one.
        const QString path = m_root + QLatin1Char('/') + listID + QLatin1Char('/') + uid + QStringLiteral(".ics");
        writeFile(path + QStringLiteral(".tmp"), todo(uid, summary, due));
        QFile::remove(path);
        QFile::rename(path + QStringLiteral(".tmp"), path);
        return listID + QLatin1Char('/') + uid + QStringLiteral(".ics");
    }

    /// The model over the real store, once its first refresh is done.
    RemindersViewModel& model()
    {
        if (!m_model) {
            m_model =
                std::make_unique<RemindersViewModel>(new VdirStore(m_root), m_preferences, [] { return panelNow(); });
            waitForRefresh();
        }
        return *m_model;
    }

    /// A model over any store (a fake one for states files cannot produce).
    RemindersViewModel& modelOn(ReminderStore* store)
    {
        m_model = std::make_unique<RemindersViewModel>(store, m_preferences, [] { return panelNow(); });
        return *m_model;
    }

    /// The panel's content on this fixture's model, shown at the panel's width, reading "now" from `clock`.
    std::unique_ptr<ContentView> showView(
        Clock clock = [] { return panelNow(); }, int height = 600)
    {
        auto view = std::make_unique<ContentView>(model(), m_launchAtLogin, m_root, std::move(clock));
        view->resize(view->panelWidth(), height);
        view->show();
        if (!QTest::qWaitForWindowExposed(view.get())) {
            qWarning("the panel did not show");
        }
        return view;
    }

    void waitForRefresh() { QTRY_VERIFY(m_model->lastRefreshDate().has_value() && !m_model->isSyncing()); }

private:
    QTemporaryDir m_dir;
    QString m_root;
    Preferences m_preferences;
    LaunchAtLoginManager m_launchAtLogin;
    std::unique_ptr<RemindersViewModel> m_model;
};

} // namespace tolvik::test
