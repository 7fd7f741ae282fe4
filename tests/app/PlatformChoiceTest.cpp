#include "app/PlatformChoice.h"

#include <QTest>

using namespace tolvik;

class PlatformChoiceTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shouldPreferNativeWaylandOnlyWithLayerShell_data()
    {
        QTest::addColumn<QByteArray>("qpa");
        QTest::addColumn<QByteArray>("wayland");
        QTest::addColumn<QByteArray>("display");
        QTest::addColumn<QByteArray>("session");
        QTest::addColumn<bool>("layerShell");
        QTest::addColumn<QByteArray>("expected"); // empty: nothing chosen, Qt decides

        QTest::newRow("wayland with XWayland") << QByteArray() << QByteArray("wayland-1") << QByteArray(":0")
                                               << QByteArray("wayland") << false << QByteArray("xcb;wayland");
        QTest::newRow("layer shell and XWayland") << QByteArray() << QByteArray("wayland-1") << QByteArray(":0")
                                                  << QByteArray("wayland") << true << QByteArray("wayland;xcb");
        QTest::newRow("wayland socket, no session type") << QByteArray() << QByteArray("wayland-0") << QByteArray(":1")
                                                         << QByteArray() << false << QByteArray("xcb;wayland");
        QTest::newRow("wayland without XWayland") << QByteArray() << QByteArray("wayland-1") << QByteArray()
                                                  << QByteArray("wayland") << false << QByteArray();
        QTest::newRow("layer shell without XWayland")
            << QByteArray() << QByteArray("wayland-1") << QByteArray() << QByteArray("wayland") << true << QByteArray();
        QTest::newRow("the user's choice wins") << QByteArray("xcb") << QByteArray("wayland-1") << QByteArray(":0")
                                                << QByteArray("wayland") << true << QByteArray();
        QTest::newRow("an X11 session") << QByteArray() << QByteArray() << QByteArray(":0") << QByteArray("x11")
                                        << false << QByteArray();
    }

    void shouldPreferNativeWaylandOnlyWithLayerShell()
    {
        QFETCH(QByteArray, qpa);
        QFETCH(QByteArray, wayland);
        QFETCH(QByteArray, display);
        QFETCH(QByteArray, session);
        QFETCH(bool, layerShell);
        QFETCH(QByteArray, expected);
        const std::optional<QByteArray> chosen = chosenPlatform({qpa, wayland, display, session, layerShell});
        QCOMPARE(chosen.value_or(QByteArray()), expected);
    }
};

QTEST_GUILESS_MAIN(PlatformChoiceTest)
#include "PlatformChoiceTest.moc"
