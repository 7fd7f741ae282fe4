#include "FakeReminderStore.h"

#include <QCoro/QCoroTask>
#include <QSignalSpy>
#include <QTest>

using namespace tolvik;
using tolvik::test::FakeReminderStore;

class FakeReminderStoreTest : public QObject
{
    Q_OBJECT

private:
    static StoreList list(const QString& id)
    {
        return StoreList{id, id, std::nullopt, StoreAccount{QStringLiteral("acc"), QStringLiteral("Account")}};
    }

private Q_SLOTS:
    void shouldAnswerAccessAsScriptedAndLeaveTheStatusBehind()
    {
        FakeReminderStore store;
        store.setStatus(AuthorizationStatus::notDetermined);
        store.setAccessAnswer(AccessResult{false, QStringLiteral("no")}, AuthorizationStatus::denied);

        const AccessResult result = QCoro::waitFor(store.requestAccess());

        QVERIFY(!result.granted);
        QCOMPARE(result.error, std::optional<QString>(QStringLiteral("no")));
        QCOMPARE(store.authorizationStatus(), AuthorizationStatus::denied);
        QCOMPARE(store.accessRequestCount(), 1);
    }

    void shouldFetchOnlyTheAskedListsAndSaveNewAndChangedReminders()
    {
        FakeReminderStore store;
        store.addList(list(QStringLiteral("a")));
        store.addList(list(QStringLiteral("b")));
        StoreReminder first;
        first.title = QStringLiteral("first");
        first.listID = QStringLiteral("a");
        QVERIFY(store.saveReminder(first).ok());
        StoreReminder second = first;
        second.listID = QStringLiteral("b");
        QVERIFY(store.saveReminder(second).ok());

        std::optional<StoreReminder> stored = store.reminderWithID(store.storedReminders().first().id);
        QVERIFY(stored);
        stored->title = QStringLiteral("renamed");
        QVERIFY(store.saveReminder(*stored).ok());

        const QList<StoreReminder> fetched = QCoro::waitFor(store.fetchReminders({QStringLiteral("a")}));
        QCOMPARE(fetched.size(), 1);
        QCOMPARE(fetched.first().title, QStringLiteral("renamed"));
        QCOMPARE(store.storedReminders().size(), 2);
        QCOMPARE(store.saveCount(), 3);
    }

    void shouldFailWritesWithTheGivenTextUntilCleared()
    {
        FakeReminderStore store;
        store.addList(list(QStringLiteral("a")));
        StoreReminder reminder;
        reminder.listID = QStringLiteral("a");
        const QString id = store.addReminder(reminder);
        reminder.id = id;

        store.setSaveError(QStringLiteral("disk full"));
        store.setRemoveError(QStringLiteral("read-only"));
        QCOMPARE(store.saveReminder(reminder).error, std::optional<QString>(QStringLiteral("disk full")));
        QCOMPARE(store.removeReminder(reminder).error, std::optional<QString>(QStringLiteral("read-only")));
        QVERIFY(store.reminderWithID(id));

        store.setRemoveError(std::nullopt);
        QVERIFY(store.removeReminder(reminder).ok());
        QVERIFY(!store.reminderWithID(id));
        QCOMPARE(store.saveCount(), 1);
        QCOMPARE(store.removeCount(), 2);
    }

    void shouldHoldFetchesUntilReleasedAndDeliverTheContentOfThatMoment()
    {
        FakeReminderStore store;
        store.addList(list(QStringLiteral("a")));
        store.holdFetches(true);

        QCoro::Task<StoreReminderBatch> first = store.fetchReminders({QStringLiteral("a")});
        QCoro::Task<StoreReminderBatch> second = store.fetchReminders({QStringLiteral("a")});
        QVERIFY(!first.isReady());
        QCOMPARE(store.pendingFetchCount(), 2);

        StoreReminder late;
        late.listID = QStringLiteral("a");
        store.addReminder(late);
        store.releaseOldestFetch();

        QVERIFY(first.isReady());
        QVERIFY(!second.isReady());
        QCOMPARE(QCoro::waitFor(first).size(), 1);
        store.releaseFetches();
        QVERIFY(second.isReady());
        QCOMPARE(store.pendingFetchCount(), 0);
    }
};

QTEST_GUILESS_MAIN(FakeReminderStoreTest)
#include "FakeReminderStoreTest.moc"
