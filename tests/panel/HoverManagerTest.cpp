// The hover state's timing: an immediate hover, a clear after the grace period, the cancelled clear when the pointer
// reaches the next row, the id check of a stale clear, and a clear pending when the manager goes away.
#include "panel/HoverManager.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using namespace tolvik;

namespace {

// Every scheduled clear, cancelled or not, until it has run (or been cancelled) and deleted itself: waiting for
// none to be left, rather than for a fixed time, proves that a stale clear really ran and changed nothing.
QList<QTimer*> pendingClears(const HoverManager& manager)
{
    return manager.findChildren<QTimer*>();
}

} // namespace

class HoverManagerTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shouldHoverAtOnceAndClearOnlyAfterTheGracePeriod()
    {
        HoverManager manager;
        manager.beginHover(QStringLiteral("a"));
        QCOMPARE(manager.hoveredItemID(), std::optional<QString>(QStringLiteral("a")));

        QElapsedTimer elapsed;
        elapsed.start();
        manager.endHover(QStringLiteral("a"));
        QCOMPARE(manager.hoveredItemID(), std::optional<QString>(QStringLiteral("a")));
        QVERIFY(manager.hasPendingClear());
        QSignalSpy changed(&manager, &HoverManager::hoveredItemIDChanged);
        QVERIFY(changed.wait());
        QVERIFY(elapsed.elapsed() >= HoverManager::clearDelayMs);
        QCOMPARE(manager.hoveredItemID(), std::nullopt);
        QVERIFY(!manager.hasPendingClear());
    }

    void shouldMoveFromRowToRowWithoutClearingInBetween()
    {
        HoverManager manager;
        QList<std::optional<QString>> seen;
        connect(&manager, &HoverManager::hoveredItemIDChanged, &manager, [&] { seen.append(manager.hoveredItemID()); });
        const QStringList rows = {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"), QStringLiteral("d")};
        for (const QString& row : rows) {
            manager.beginHover(row);
            manager.endHover(row);
        }
        manager.beginHover(QStringLiteral("e"));
        // Each leave's clear was cancelled by the next enter; none may be left to run.
        QTRY_VERIFY(pendingClears(manager).isEmpty());
        QCOMPARE(manager.hoveredItemID(), std::optional<QString>(QStringLiteral("e")));
        QVERIFY(!seen.contains(std::nullopt));
        QCOMPARE(seen.size(), 5);
    }

    void shouldKeepTheHoverWhenThePointerComesBackToTheSameRow()
    {
        HoverManager manager;
        manager.beginHover(QStringLiteral("a"));
        manager.endHover(QStringLiteral("a"));
        manager.beginHover(QStringLiteral("a"));
        QVERIFY(!manager.hasPendingClear());
        QTRY_VERIFY(pendingClears(manager).isEmpty());
        QCOMPARE(manager.hoveredItemID(), std::optional<QString>(QStringLiteral("a")));
    }

    void shouldNotLetAStaleClearEndANewerHover()
    {
        HoverManager manager;
        manager.beginHover(QStringLiteral("b"));
        // A late leave of another row: its clear runs, finds "b" hovered and does nothing.
        manager.endHover(QStringLiteral("a"));
        // A second leave replaces the pending clear without cancelling the first; both run.
        manager.endHover(QStringLiteral("c"));
        QTRY_VERIFY(!manager.hasPendingClear());
        // The first clear is no longer tracked; wait until it has run too.
        QTRY_VERIFY(pendingClears(manager).isEmpty());
        QCOMPARE(manager.hoveredItemID(), std::optional<QString>(QStringLiteral("b")));
    }

    void shouldDoNothingWhenTheManagerIsGoneBeforeItsClear()
    {
        auto manager = std::make_unique<HoverManager>();
        manager->beginHover(QStringLiteral("a"));
        manager->endHover(QStringLiteral("a"));
        manager.reset();
        QTest::qWait(2 * HoverManager::clearDelayMs);
    }
};

QTEST_MAIN(HoverManagerTest)
#include "HoverManagerTest.moc"
