#include "settings/LaunchAtLoginManager.h"

#include "TestSupport.h"

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace tolvik;

class LaunchAtLoginManagerTest : public QObject
{
    Q_OBJECT

private:
    QString entryIn(const QTemporaryDir& dir) const { return dir.filePath(QStringLiteral("autostart/app.desktop")); }

private Q_SLOTS:
    void shouldStartTheBinaryByNameWhereThePathFindsIt_data()
    {
        QTest::addColumn<QString>("running");
        QTest::addColumn<QString>("searchPath");
        QTest::addColumn<QString>("expected");
        // "a" holds the binary, "b" a link to it, "c" another program of the same name; "d" is not searched.
        QTest::newRow("on the path") << QStringLiteral("a/tolvik-reminder") << QStringLiteral("b:a")
                                     << QStringLiteral("tolvik-reminder");
        QTest::newRow("through a link") << QStringLiteral("a/tolvik-reminder") << QStringLiteral("b")
                                        << QStringLiteral("tolvik-reminder");
        QTest::newRow("not on the path") << QStringLiteral("d/tolvik-reminder") << QStringLiteral("a:b")
                                         << QStringLiteral("d/tolvik-reminder");
        QTest::newRow("another of that name first")
            << QStringLiteral("a/tolvik-reminder") << QStringLiteral("c:a") << QStringLiteral("a/tolvik-reminder");
        QTest::newRow("replaced by an upgrade") << QStringLiteral("a/tolvik-reminder (deleted)") << QStringLiteral("a")
                                                << QStringLiteral("tolvik-reminder");
        QTest::newRow("no path") << QStringLiteral("a/tolvik-reminder") << QStringLiteral("")
                                 << QStringLiteral("a/tolvik-reminder");
    }
    void shouldStartTheBinaryByNameWhereThePathFindsIt()
    {
        QFETCH(QString, running);
        QFETCH(QString, searchPath);
        QFETCH(QString, expected);
        QTemporaryDir dir;
        const auto executable = [&](const QString& path) {
            QVERIFY(test::writeFile(dir.filePath(path), "#!/bin/sh\n"));
            QVERIFY(QFile::setPermissions(dir.filePath(path), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        };
        executable(QStringLiteral("a/tolvik-reminder"));
        executable(QStringLiteral("c/tolvik-reminder"));
        executable(QStringLiteral("d/tolvik-reminder"));
        QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("b")));
        QVERIFY(QFile::link(dir.filePath(QStringLiteral("a/tolvik-reminder")),
                            dir.filePath(QStringLiteral("b/tolvik-reminder"))));

        QStringList folders;
        for (const QString& folder : searchPath.split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
            folders.append(dir.filePath(folder));
        }
        const QString command =
            LaunchAtLoginManager::autostartCommand(dir.filePath(running), folders.join(QLatin1Char(':')));
        QCOMPARE(command, expected.contains(QLatin1Char('/')) ? dir.filePath(expected) : expected);
    }

    void shouldReadStatusOnceAtCreation()
    {
        QTemporaryDir dir;
        const QString entry = entryIn(dir);
        QVERIFY(!LaunchAtLoginManager(entry, QStringLiteral("/usr/bin/x")).isEnabled());

        QVERIFY(test::writeFile(entry, "[Desktop Entry]\nType=Application\nExec=x\n"));
        QVERIFY(LaunchAtLoginManager(entry, QStringLiteral("/usr/bin/x")).isEnabled());

        // A desktop that hides the entry does not start it.
        QVERIFY(test::writeFile(entry, "[Desktop Entry]\nType=Application\nHidden=true\nExec=x\n"));
        QVERIFY(!LaunchAtLoginManager(entry, QStringLiteral("/usr/bin/x")).isEnabled());

        // Hidden in another group does not count.
        QVERIFY(test::writeFile(entry, "[Desktop Entry]\nExec=x\n[Desktop Action a]\nHidden=true\n"));
        QVERIFY(LaunchAtLoginManager(entry, QStringLiteral("/usr/bin/x")).isEnabled());
    }

    void shouldWriteAValidEntryWhenEnabled()
    {
        QTemporaryDir dir;
        const QString entry = entryIn(dir);
        LaunchAtLoginManager manager(entry, QStringLiteral("/opt/my apps/tolvik\"reminder"));
        QSignalSpy enabledSpy(&manager, &LaunchAtLoginManager::isEnabledChanged);

        manager.setEnabled(true);

        QVERIFY(manager.isEnabled());
        QCOMPARE(enabledSpy.count(), 1);
        QVERIFY(!manager.lastErrorDescription());
        const QString content = QString::fromUtf8(test::readFile(entry));
        QVERIFY(content.startsWith(QStringLiteral("[Desktop Entry]\n")));
        QVERIFY(content.contains(QStringLiteral("\nType=Application\n")));
        QVERIFY(content.contains(QStringLiteral("\nX-GNOME-Autostart-enabled=true\n")));
        QVERIFY(content.contains(QStringLiteral("\nIcon=")));
        QVERIFY(content.contains(QStringLiteral("Exec=\"/opt/my apps/tolvik\\\\\"reminder\"\n")));
        QVERIFY(LaunchAtLoginManager::entryIsEnabled(entry));

        manager.setEnabled(false);
        QVERIFY(!manager.isEnabled());
        QVERIFY(!QFile::exists(entry));
    }

    void shouldKeepStateAndReportTheSystemReasonWhenEnablingFails()
    {
        QTemporaryDir dir;
        // A regular file where the folder belongs makes creating it fail, even for root.
        QVERIFY(test::writeFile(dir.filePath(QStringLiteral("autostart")), "not a folder"));
        LaunchAtLoginManager manager(entryIn(dir), QStringLiteral("/usr/bin/x"));
        QSignalSpy errorSpy(&manager, &LaunchAtLoginManager::lastErrorDescriptionChanged);

        manager.setEnabled(true);

        QVERIFY(!manager.isEnabled());
        QCOMPARE(errorSpy.count(), 1);
        QVERIFY(manager.lastErrorDescription());
        QVERIFY(manager.lastErrorDescription()->contains(dir.filePath(QStringLiteral("autostart"))));
        QVERIFY(manager.lastErrorDescription()->contains(QStringLiteral("exists"), Qt::CaseInsensitive) ||
                manager.lastErrorDescription()->contains(QStringLiteral("directory"), Qt::CaseInsensitive));
        QCOMPARE(test::readFile(dir.filePath(QStringLiteral("autostart"))), QByteArray("not a folder"));

        // The next success clears the text.
        QVERIFY(QFile::remove(dir.filePath(QStringLiteral("autostart"))));
        manager.setEnabled(true);
        QVERIFY(manager.isEnabled());
        QVERIFY(!manager.lastErrorDescription());
    }

    void shouldTreatDisablingANeverRegisteredItemAsSuccess()
    {
        QTemporaryDir dir;
        LaunchAtLoginManager manager(entryIn(dir), QStringLiteral("/usr/bin/x"));
        manager.setEnabled(false);
        QVERIFY(!manager.isEnabled());
        QVERIFY(!manager.lastErrorDescription());
    }

    void shouldReportWhenDisablingFails()
    {
        QTemporaryDir dir;
        const QString entry = entryIn(dir);
        // A non-empty folder in the entry's place cannot be removed.
        QVERIFY(test::writeFile(entry + QStringLiteral("/inside"), "x"));
        LaunchAtLoginManager manager(entry, QStringLiteral("/usr/bin/x"));
        QVERIFY(manager.isEnabled() == LaunchAtLoginManager::entryIsEnabled(entry));
        const bool before = manager.isEnabled();

        manager.setEnabled(false);

        QCOMPARE(manager.isEnabled(), before);
        QVERIFY(manager.lastErrorDescription());
        QVERIFY(manager.lastErrorDescription()->startsWith(entry));
    }

    void shouldDefaultToTheXdgAutostartFolder()
    {
        test::IsolatedHome home;
        QCOMPARE(LaunchAtLoginManager::defaultEntryPath(),
                 home.configHome() + QStringLiteral("/autostart/org.tolvik.TolvikReminder.desktop"));
    }
};

QTEST_GUILESS_MAIN(LaunchAtLoginManagerTest)
#include "LaunchAtLoginManagerTest.moc"
