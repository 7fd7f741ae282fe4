// The global shortcut client on a private D-Bus session bus: with no shortcut service at all, and with stand-ins for
// the GlobalShortcuts portal and KDE's shortcut service that record what they were asked and send the key press back.
#include "app/GlobalShortcut.h"
#include "app/PortalShortcut.h"
#include "settings/GlobalShortcutStatus.h"
#include "settings/QuickAddShortcutNote.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QLabel>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

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

/// Stands in for the desktop portal's GlobalShortcuts interface, answering each call through a Request object as
/// the portal does.
class FakePortal : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.GlobalShortcuts")
    Q_PROPERTY(uint version READ version)

public:
    explicit FakePortal(QDBusConnection bus)
        : m_bus(std::move(bus))
    {}
    uint version() const { return 1; }

    const QString session = QStringLiteral("/org/freedesktop/portal/desktop/session/1/tolvik");
    QList<PortalShortcut> bound;

public Q_SLOTS:
    QDBusObjectPath CreateSession(const QVariantMap& options, const QDBusMessage& message)
    {
        return respond(options, message, {{QStringLiteral("session_handle"), session}});
    }
    QDBusObjectPath BindShortcuts(const QDBusObjectPath&, const QList<tolvik::PortalShortcut>& shortcuts,
                                  const QString&, const QVariantMap& options, const QDBusMessage& message)
    {
        bound = shortcuts;
        return respond(options, message, {});
    }

private:
    QDBusObjectPath respond(const QVariantMap& options, const QDBusMessage& message, const QVariantMap& results)
    {
        QString sender = message.service().mid(1);
        sender.replace(QLatin1Char('.'), QLatin1Char('_'));
        const QString path = QStringLiteral("/org/freedesktop/portal/desktop/request/") + sender + QLatin1Char('/') +
                             options.value(QStringLiteral("handle_token")).toString();
        QDBusMessage response = QDBusMessage::createSignal(path, QStringLiteral("org.freedesktop.portal.Request"),
                                                           QStringLiteral("Response"));
        response << uint(0) << results;
        QTimer::singleShot(0, this, [this, response] { m_bus.send(response); });
        return QDBusObjectPath(path);
    }

    QDBusConnection m_bus;
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

    void shouldBindThroughPortalAndFollowItsActivation()
    {
        qDBusRegisterMetaType<PortalShortcut>();
        qDBusRegisterMetaType<QList<PortalShortcut>>();
        QDBusConnection service = connect(QStringLiteral("portal"));
        FakePortal portal(service);
        QVERIFY(service.registerObject(QStringLiteral("/org/freedesktop/portal/desktop"), &portal,
                                       QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllProperties));
        QVERIFY(service.registerService(QStringLiteral("org.freedesktop.portal.Desktop")));

        GlobalShortcut shortcut(connect(QStringLiteral("portal-client")));
        QSignalSpy activated(&shortcut, &GlobalShortcut::activated);
        shortcut.start();
        QTRY_COMPARE(shortcut.backend(), GlobalShortcut::Backend::portal);
        QCOMPARE(portal.bound.size(), 1);
        QCOMPARE(portal.bound[0].id, GlobalShortcut::shortcutID());
        QCOMPARE(portal.bound[0].properties.value(QStringLiteral("preferred_trigger")), QStringLiteral("SHIFT+LOGO+r"));

        const auto activate = [&](const QString& session) {
            QDBusMessage signal = QDBusMessage::createSignal(QStringLiteral("/org/freedesktop/portal/desktop"),
                                                             QStringLiteral("org.freedesktop.portal.GlobalShortcuts"),
                                                             QStringLiteral("Activated"));
            signal << QVariant::fromValue(QDBusObjectPath(session)) << GlobalShortcut::shortcutID() << qulonglong(1)
                   << QVariantMap();
            QVERIFY(service.send(signal));
        };
        // Another app's session on the same portal is not ours.
        activate(QStringLiteral("/org/freedesktop/portal/desktop/session/1/other"));
        activate(portal.session);
        QTRY_COMPARE(activated.size(), 1);
        service.unregisterService(QStringLiteral("org.freedesktop.portal.Desktop"));
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
