// The model against the fake store, for what real files cannot produce: a restricted, denied or write-only
// status, scripted access answers, writes that fail, and fetches held open while refreshes overlap.
#include "FakeReminderStore.h"
#include "model/RemindersViewModel.h"

#include <QCoro/QCoroTask>
#include <QPointer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace tolvik;
using tolvik::test::FakeReminderStore;

namespace {

const QDateTime fixedNow(QDate(2024, 3, 15), QTime(10, 0), QTimeZone(QByteArrayLiteral("Europe/Stockholm")));

} // namespace

class RemindersViewModelFakeStoreTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<Preferences> m_preferences;

    // A store with one list holding one open reminder; the model takes it over.
    FakeReminderStore* makeStore(AuthorizationStatus status)
    {
        auto* store = new FakeReminderStore;
        store->setStatus(status);
        store->addList(StoreList{QStringLiteral("inbox"), QStringLiteral("Inbox"), std::nullopt,
                                 StoreAccount{QStringLiteral("local"), QStringLiteral("On this computer")}});
        store->addList(StoreList{QStringLiteral("work"), QStringLiteral("Work"), QColor(Qt::red),
                                 StoreAccount{QStringLiteral("local"), QStringLiteral("On this computer")}});
        StoreReminder reminder;
        reminder.title = QStringLiteral("Buy milk");
        reminder.listID = QStringLiteral("inbox");
        store->addReminder(reminder);
        return store;
    }

    std::unique_ptr<RemindersViewModel> makeModel(FakeReminderStore* store)
    {
        return std::make_unique<RemindersViewModel>(store, *m_preferences, [] { return fixedNow; });
    }

    // Runs the deferred start-up task; against this store it finishes without waiting.
    // The start-up refresh is queued, and its filtering runs on a worker: wait until it has published.
    static void settle(RemindersViewModel& model)
    {
        QCoreApplication::processEvents();
        QTRY_VERIFY(!model.isSyncing());
    }

private Q_SLOTS:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_preferences = std::make_unique<Preferences>(m_dir->filePath(QStringLiteral("prefs.ini")));
    }

    void cleanup()
    {
        m_preferences.reset();
        m_dir.reset();
    }

    void shouldAskOnceAtStartAndRefreshWhenGranted()
    {
        FakeReminderStore* store = makeStore(AuthorizationStatus::notDetermined);
        auto model = makeModel(store);
        QCOMPARE(model->authorizationStatus(), AuthorizationStatus::notDetermined);

        QTRY_VERIFY(model->lastRefreshDate().has_value());

        QCOMPARE(store->accessRequestCount(), 1);
        QCOMPARE(model->authorizationStatus(), AuthorizationStatus::fullAccess);
        QCOMPARE(model->lastRefreshDate(), std::optional<QDateTime>(fixedNow));
        QCOMPARE(model->reminders().size(), 1);
        QCOMPARE(model->lists().size(), 2);
        QCOMPARE(model->lists().first().color, RemindersViewModel::fallbackListColor());
        QCOMPARE(model->lists().last().color, QColor(Qt::red));
    }

    void shouldPublishTheStatusAndLoadNothingWhenAccessIsRefusedOrFails_data()
    {
        QTest::addColumn<bool>("granted");
        QTest::addColumn<bool>("fails");
        QTest::addColumn<AuthorizationStatus>("statusAfter");
        QTest::newRow("refused") << false << false << AuthorizationStatus::denied;
        QTest::newRow("failed") << false << true << AuthorizationStatus::restricted;
        // A grant that leaves write-only access still allows no reading.
        QTest::newRow("write only") << true << false << AuthorizationStatus::writeOnly;
    }

    void shouldPublishTheStatusAndLoadNothingWhenAccessIsRefusedOrFails()
    {
        QFETCH(bool, granted);
        QFETCH(bool, fails);
        QFETCH(AuthorizationStatus, statusAfter);
        FakeReminderStore* store = makeStore(AuthorizationStatus::notDetermined);
        store->setAccessAnswer(
            AccessResult{granted, fails ? std::optional<QString>(QStringLiteral("no broker")) : std::nullopt},
            statusAfter);
        auto model = makeModel(store);
        QSignalSpy statusSpy(model.get(), &RemindersViewModel::authorizationStatusChanged);

        QTRY_COMPARE(store->accessRequestCount(), 1);

        QCOMPARE(statusSpy.count(), 1);
        QCOMPARE(model->authorizationStatus(), statusAfter);
        QCOMPARE(store->fetchCount(), 0);
        QVERIFY(model->lists().isEmpty());
        QVERIFY(!model->lastOperationError());
    }

    void shouldNeverLoadWithoutFullAccess_data()
    {
        QTest::addColumn<AuthorizationStatus>("status");
        QTest::newRow("restricted") << AuthorizationStatus::restricted;
        QTest::newRow("denied") << AuthorizationStatus::denied;
        QTest::newRow("write only") << AuthorizationStatus::writeOnly;
    }

    void shouldNeverLoadWithoutFullAccess()
    {
        QFETCH(AuthorizationStatus, status);
        FakeReminderStore* store = makeStore(status);
        auto model = makeModel(store);
        QSignalSpy syncSpy(model.get(), &RemindersViewModel::isSyncingChanged);

        settle(*model);
        Q_EMIT store->changed();
        model->setReminderTimeframe(ReminderTimeframe::unlimited);
        QCoreApplication::processEvents();

        QCOMPARE(store->accessRequestCount(), 0);
        QCOMPARE(store->fetchCount(), 0);
        QCOMPARE(syncSpy.count(), 0);
        QVERIFY(!model->lastRefreshDate());
        QVERIFY(model->accounts().isEmpty());
    }

    void shouldPublishAFailedWriteWordForWordAndClearItOnTheNextSuccess()
    {
        FakeReminderStore* store = makeStore(AuthorizationStatus::fullAccess);
        auto model = makeModel(store);
        settle(*model);
        QCOMPARE(model->reminders().size(), 1);
        const QString id = model->reminders().first().id;
        const int fetchesBefore = store->fetchCount();

        store->setRemoveError(QStringLiteral("Could not remove “x.ics”: Permission denied"));
        QCoro::waitFor(model->deleteReminder(id));
        QCOMPARE(model->lastOperationError(),
                 std::optional<QString>(QStringLiteral("Could not remove “x.ics”: Permission denied")));
        QCOMPARE(store->fetchCount(), fetchesBefore);
        QCOMPARE(model->reminders().size(), 1);

        store->setSaveError(QStringLiteral("disk full"));
        QCoro::waitFor(model->addReminder(QStringLiteral("New"), std::nullopt, std::nullopt, 0, RecurrenceOption::none,
                                          QStringLiteral("inbox")));
        QCOMPARE(model->lastOperationError(), std::optional<QString>(QStringLiteral("disk full")));

        store->setSaveError(std::nullopt);
        QCoro::waitFor(model->completeReminder(id));
        QVERIFY(!model->lastOperationError());
        QVERIFY(model->reminders().isEmpty());
        QCOMPARE(store->reminderWithID(id)->completionDate, std::optional<QDateTime>(fixedNow));
    }

    void shouldEndSilentlyOnUnknownIdsAndOnAMoveOntoTheSameList()
    {
        FakeReminderStore* store = makeStore(AuthorizationStatus::fullAccess);
        auto model = makeModel(store);
        settle(*model);
        QCOMPARE(model->reminders().size(), 1);
        const QString id = model->reminders().first().id;
        store->setSaveError(QStringLiteral("earlier failure"));
        QCoro::waitFor(model->completeReminder(id));
        store->setSaveError(std::nullopt);
        const int savesBefore = store->saveCount();
        const int fetchesBefore = store->fetchCount();
        QSignalSpy errorSpy(model.get(), &RemindersViewModel::lastOperationErrorChanged);

        QCoro::waitFor(model->addReminder(QStringLiteral("x"), std::nullopt, std::nullopt, 0, RecurrenceOption::none,
                                          QStringLiteral("nowhere")));
        QCoro::waitFor(model->updateReminder(QStringLiteral("gone"), QStringLiteral("x"), std::nullopt, std::nullopt, 0,
                                             RecurrenceOption::none));
        QCoro::waitFor(model->moveReminder(QStringLiteral("gone"), QStringLiteral("work")));
        QCoro::waitFor(model->moveReminder(id, QStringLiteral("nowhere")));
        QCoro::waitFor(model->moveReminder(id, QStringLiteral("inbox")));
        QCoro::waitFor(model->completeReminder(QStringLiteral("gone")));
        store->dropReminder(id);
        QCoro::waitFor(model->deleteReminder(id));

        QCOMPARE(store->saveCount(), savesBefore);
        QCOMPARE(store->removeCount(), 0);
        QCOMPARE(store->fetchCount(), fetchesBefore);
        QCOMPARE(errorSpy.count(), 0);
        QCOMPARE(model->lastOperationError(), std::optional<QString>(QStringLiteral("earlier failure")));
    }

    void shouldLetOverlappingRefreshesRunAndClearSyncingWhenTheFirstEnds()
    {
        FakeReminderStore* store = makeStore(AuthorizationStatus::fullAccess);
        auto model = makeModel(store);
        settle(*model);
        store->holdFetches(true);

        QCoro::Task<> first = model->refresh();
        QVERIFY(model->isSyncing());
        // A timeframe picked while the first refresh waits starts a second one.
        model->setReminderTimeframe(ReminderTimeframe::threeMonths);
        QCOMPARE(store->pendingFetchCount(), 2);

        StoreReminder added;
        added.title = QStringLiteral("Arrived meanwhile");
        added.listID = QStringLiteral("work");
        store->addReminder(added);
        store->releaseOldestFetch();

        QTRY_VERIFY(first.isReady());
        QVERIFY(!model->isSyncing());
        QCOMPARE(store->pendingFetchCount(), 1);
        QCOMPARE(model->reminders().size(), 2);

        store->dropReminder(model->reminders().first().id);
        store->releaseFetches();
        // The newer refresh, finishing last, replaces what the older one showed.
        QTRY_COMPARE(model->reminders().size(), 1);
        QCOMPARE(model->reminders().first().title, QStringLiteral("Buy milk"));
    }

    void shouldNotLetAnOlderFetchFinishingLastBringBackWhatANewerOneReplaced()
    {
        FakeReminderStore* store = makeStore(AuthorizationStatus::fullAccess);
        auto model = makeModel(store);
        settle(*model);
        store->holdFetches(true);
        store->setSnapshotAtFetchStart(true);

        QCoro::Task<> older = model->refresh();
        StoreReminder added;
        added.title = QStringLiteral("Arrived meanwhile");
        added.listID = QStringLiteral("work");
        store->addReminder(added);
        QCoro::Task<> newer = model->refresh();

        store->releaseNewestFetch();
        QTRY_VERIFY(newer.isReady());
        QCOMPARE(model->reminders().size(), 2);

        QSignalSpy published(model.get(), &RemindersViewModel::remindersChanged);
        store->releaseFetches();
        QTRY_VERIFY(older.isReady());
        QCOMPARE(published.count(), 0);
        QCOMPARE(model->reminders().size(), 2);
        QVERIFY(!model->isSyncing());

        // A refresh started after both publishes again.
        store->setSnapshotAtFetchStart(false);
        store->dropReminder(model->reminders().first().id);
        QCoro::Task<> later = model->refresh();
        store->releaseFetches();
        QTRY_VERIFY(later.isReady());
        QCOMPARE(model->reminders().size(), 1);
    }

    void shouldSurviveItsOwnDestructionWhileAFetchIsOpen()
    {
        FakeReminderStore* store = makeStore(AuthorizationStatus::fullAccess);
        auto model = makeModel(store);
        settle(*model);
        store->holdFetches(true);
        QCoro::Task<> pending = model->refresh();
        QPointer<RemindersViewModel> watched(model.get());

        // Destroying the model destroys the store, which lets the held fetch end; the refresh must then stop
        // without touching the dead model.
        model.reset();

        QVERIFY(watched.isNull());
        QVERIFY(pending.isReady());
    }

    void shouldFollowStoreChangesOnlyWhileAutoRefreshIsOn()
    {
        FakeReminderStore* store = makeStore(AuthorizationStatus::fullAccess);
        auto model = makeModel(store);
        settle(*model);
        const int fetchesBefore = store->fetchCount();

        model->setAutoRefreshEnabled(false);
        Q_EMIT store->changed();
        Q_EMIT store->changed();
        QCOMPARE(store->fetchCount(), fetchesBefore);

        model->setAutoRefreshEnabled(true);
        QCOMPARE(store->fetchCount(), fetchesBefore);
        Q_EMIT store->changed();
        Q_EMIT store->changed();
        // Every signal starts its own refresh; coalescing is the store's business.
        QCOMPARE(store->fetchCount(), fetchesBefore + 2);
    }
};

QTEST_GUILESS_MAIN(RemindersViewModelFakeStoreTest)
#include "RemindersViewModelFakeStoreTest.moc"
