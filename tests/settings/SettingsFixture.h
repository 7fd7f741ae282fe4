#pragma once

// Shared set-up for the settings window tests: a temp calendar root with real list folders, a temp preferences file
// installed as the shared one, the real model on a real vdir store, and login controllers on temp paths.
#include "TestSupport.h"
#include "appearance/Preferences.h"
#include "model/RemindersViewModel.h"
#include "settings/LaunchAtLoginManager.h"
#include "store/VdirStore.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace tolvik::test {

class SettingsFixture
{
public:
    SettingsFixture()
        : m_root(m_dir.filePath(QStringLiteral("calendars")))
        , m_preferences(std::make_unique<Preferences>(m_dir.filePath(QStringLiteral("prefs.ini"))))
    {
        Preferences::setShared(m_preferences.get());
        // English texts, whatever the machine's language; tests that need another language pick it.
        m_preferences->setString(PreferenceKey::languagePreference, QStringLiteral("en"));
    }

    ~SettingsFixture() { Preferences::setShared(nullptr); }

    SettingsFixture(const SettingsFixture&) = delete;
    SettingsFixture& operator=(const SettingsFixture&) = delete;

    QString root() const { return m_root; }
    QString path(const QString& name) const { return m_dir.filePath(name); }
    Preferences& preferences() { return *m_preferences; }

    /// Makes the calendar root with no lists in it, so that access is granted and nothing is found.
    void makeEmptyRoot() const { QDir().mkpath(m_root); }

    /// Makes an account folder with a display name.
    void makeAccount(const QString& accountID, const QByteArray& displayName) const
    {
        QDir().mkpath(m_root + QLatin1Char('/') + accountID);
        writeFile(m_root + QLatin1Char('/') + accountID + QStringLiteral("/displayname"), displayName);
    }

    /// Makes a list folder with a display name, a colour and one open to-do, so that every client counts it as a
    /// reminder list.
    void makeList(const QString& listID, const QByteArray& displayName, const QByteArray& color) const
    {
        const QString folder = m_root + QLatin1Char('/') + listID;
        QDir().mkpath(folder);
        writeFile(folder + QStringLiteral("/displayname"), displayName);
        writeFile(folder + QStringLiteral("/color"), color);
        const QByteArray uid = QByteArray("todo-") + QByteArray::number(qHash(listID));
        writeFile(folder + QLatin1Char('/') + QString::fromLatin1(uid) + QStringLiteral(".ics"),
                  "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Tolvik tests//EN\r\nBEGIN:VTODO\r\nUID:" + uid +
                      "\r\nDTSTAMP:20240101T000000Z\r\nSUMMARY:Sample\r\nEND:VTODO\r\nEND:VCALENDAR\r\n");
    }

    void removeList(const QString& listID) const { QDir(m_root + QLatin1Char('/') + listID).removeRecursively(); }

    /// Two accounts: "Work" with the lists Inbox and Projects, "Home" with Groceries.
    void makeTwoAccounts() const
    {
        makeAccount(QStringLiteral("work"), "Work");
        makeAccount(QStringLiteral("home"), "Home");
        makeList(QStringLiteral("work/inbox"), "Inbox", "#0A84FF");
        makeList(QStringLiteral("work/projects"), "Projects", "#FF9F0A");
        makeList(QStringLiteral("home/groceries"), "Groceries", "#30D158");
    }

    /// The real model on a real store over the root, loaded.
    std::unique_ptr<RemindersViewModel> makeModel()
    {
        auto model = std::make_unique<RemindersViewModel>(new VdirStore(m_root), *m_preferences);
        RemindersViewModel* raw = model.get();
        if (!QTest::qWaitFor([raw] { return raw->lastRefreshDate().has_value(); }, 10000)) {
            qWarning("The model did not load");
        }
        return model;
    }

    /// A controller whose entry can be written.
    std::unique_ptr<LaunchAtLoginManager> makeLaunchAtLogin() const
    {
        return std::make_unique<LaunchAtLoginManager>(m_dir.filePath(QStringLiteral("autostart/app.desktop")),
                                                      QStringLiteral("/usr/bin/tolvik-reminder"));
    }

    /// A controller whose entry cannot be written, even as root: its folder's name is taken by a plain file.
    std::unique_ptr<LaunchAtLoginManager> makeFailingLaunchAtLogin() const
    {
        writeFile(m_dir.filePath(QStringLiteral("blocked")), "not a folder");
        return std::make_unique<LaunchAtLoginManager>(m_dir.filePath(QStringLiteral("blocked/app.desktop")),
                                                      QStringLiteral("/usr/bin/tolvik-reminder"));
    }

    QString stored(const QString& key) const { return m_preferences->string(key, QStringLiteral("<absent>")); }

private:
    QTemporaryDir m_dir;
    QString m_root;
    std::unique_ptr<Preferences> m_preferences;
};

} // namespace tolvik::test
