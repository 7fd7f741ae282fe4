// The global shortcut client on a private D-Bus session bus: with no shortcut service at all, and with a stand-in
// for KDE's shortcut service that records what it was asked and sends the key press back.
#include "app/GlobalShortcut.h"
#include "settings/GlobalShortcutStatus.h"
#include "settings/QuickAddShortcutNote.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QLabel>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>

using namespace tolvik;

namespace {

/// Stands in for org.kde.kglobalaccel: no real one runs outside a KDE session.
class FakeKGlobalAccel : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.KGlobalAccel")

public:
    QStringList registered;
    QList<int> keys;

public Q_SLOTS:
    void doRegister(const QStringList& actionID) { registered = actionID; }
    QList<int> setShortcut(const QStringList& actionID, const QList<int>& wanted, uint)
    {
        registered = actionID;
        keys = wanted;
        return wanted;
    }
};

} // namespace

class GlobalShortcutTest : public QObject
{
    Q_OBJECT

private:
    QProcess m_daemon;
    QString m_address;

    QDBusConnection connect(const QString& name) { return QDBusConnection::connectToBus(m_address, name); }

private Q_SLOTS:
    void initTestCase()
    {
        m_daemon.start(QStringLiteral("dbus-daemon"),
                       {QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--print-address")});
        QVERIFY(m_daemon.waitForStarted());
        QTRY_VERIFY(m_daemon.canReadLine());
        m_address = QString::fromUtf8(m_daemon.readLine()).trimmed();
    }

    void cleanupTestCase()
    {
        m_daemon.terminate();
        m_daemon.waitForFinished();
    }

    void shouldReportNoServiceAndShowCommandInSettings()
    {
        QuickAddShortcutNote note;
        GlobalShortcut shortcut(connect(QStringLiteral("bare")));
        QSignalSpy settled(&shortcut, &GlobalShortcut::backendChanged);
        shortcut.start();
        QTRY_COMPARE(settled.size(), 1);
        QCOMPARE(shortcut.backend(), GlobalShortcut::Backend::none);
        QCOMPARE(GlobalShortcutStatus::shared().state(), GlobalShortcutStatus::State::unavailable);
        QVERIFY(!note.isHidden());
        QVERIFY(note.label()->text().contains(QStringLiteral("tolvik-reminder --quick-add")));
    }

    void shouldRegisterWithKdeServiceAndFollowItsKeyPress()
    {
        QDBusConnection service = connect(QStringLiteral("kde"));
        FakeKGlobalAccel fake;
        QVERIFY(service.registerObject(QStringLiteral("/kglobalaccel"), &fake, QDBusConnection::ExportAllSlots));
        QVERIFY(service.registerService(QStringLiteral("org.kde.kglobalaccel")));

        QuickAddShortcutNote note;
        GlobalShortcut shortcut(connect(QStringLiteral("client")));
        QSignalSpy activated(&shortcut, &GlobalShortcut::activated);
        shortcut.start();
        QTRY_COMPARE(shortcut.backend(), GlobalShortcut::Backend::kglobalaccel);
        QCOMPARE(fake.registered.mid(0, 2),
                 (QStringList{GlobalShortcut::kdeComponent(), GlobalShortcut::shortcutID()}));
        QCOMPARE(fake.keys, QList<int>{QKeyCombination(Qt::META | Qt::SHIFT, Qt::Key_R).toCombined()});
        QVERIFY(note.isHidden());

        QDBusMessage press = QDBusMessage::createSignal(QStringLiteral("/component/tolvik_reminder"),
                                                        QStringLiteral("org.kde.kglobalaccel.Component"),
                                                        QStringLiteral("globalShortcutPressed"));
        press << GlobalShortcut::kdeComponent() << GlobalShortcut::shortcutID() << qlonglong(1);
        QVERIFY(service.send(press));
        QTRY_COMPARE(activated.size(), 1);
    }
};

QTEST_MAIN(GlobalShortcutTest)
#include "GlobalShortcutTest.moc"
