#include "model/RemindersViewModel.h"

#include "model/ReminderLoading.h"
#include "model/ReminderTree.h"
#include "model/WorkerPriority.h"

#include <QCoro/QCoroFuture>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <QtConcurrent/QtConcurrentRun>

namespace tolvik {

namespace {

// The due-date rule shared by add and edit: the minute of the moment in the user's zone, its day alone for an
// all-day reminder, or nothing at all.
void applyDueDate(StoreReminder& reminder, const std::optional<QDateTime>& dueDate, bool allDay)
{
    if (dueDate && allDay) {
        reminder.due = DueDateComponents{dueDate->toLocalTime().date(), std::nullopt, QTimeZone()};
        return;
    }
    reminder.due = dueDate ? std::optional(DueDateComponents::fromDateTime(*dueDate)) : std::nullopt;
}

// The repeat rule shared by add and edit: the written rule replaces every rule the reminder had. A custom choice
// writes the rule that comes with it.
void applyRecurrence(StoreReminder& reminder, RecurrenceOption recurrence,
                     const std::optional<RecurrenceRule>& rule = std::nullopt)
{
    reminder.recurrenceRules.clear();
    if (recurrence == RecurrenceOption::custom && rule) {
        reminder.recurrenceRules.append(*rule);
    } else if (const std::optional<int> frequency = frequencyOf(recurrence)) {
        reminder.recurrenceRules.append(RecurrenceRule{*frequency, 1, false});
    }
}

} // namespace

QColor RemindersViewModel::fallbackListColor()
{
    return QColor(0x3B, 0x82, 0xF6);
}

RemindersViewModel::RemindersViewModel(ReminderStore* store, Preferences& preferences, Clock clock, QObject* parent)
    : QObject(parent)
    , m_store(store)
    , m_preferences(preferences)
    , m_clock(std::move(clock))
    , m_authorizationStatus(store->authorizationStatus())
{
    m_store->setParent(this);
    readStoredOptions();
    m_changeObserver = connect(m_store, &ReminderStore::changed, this, [this] { refreshAfterStoreChange(); });
    // The built-in account's name is the app's text: a new language renames it once the lists are read again.
    connect(&m_preferences, &Preferences::changed, this, [this](const QString& key) {
        if (key == PreferenceKey::languagePreference && !m_lists.isEmpty()) {
            loadCalendars();
        }
    });
    // Deferred to the event loop so that whoever creates the model can connect to it before anything loads.
    QTimer::singleShot(0, this, [this] { startUp(); });
}

RemindersViewModel::~RemindersViewModel()
{
    disconnect(m_changeObserver);
}

void RemindersViewModel::readStoredOptions()
{
    if (const std::optional<bool> stored = m_preferences.boolean(PreferenceKey::autoRefreshEnabled)) {
        m_isAutoRefreshEnabled = *stored;
    } else {
        m_isAutoRefreshEnabled = true;
        m_preferences.setBoolean(PreferenceKey::autoRefreshEnabled, true);
    }

    if (m_preferences.contains(PreferenceKey::reminderTimeframe)) {
        // An unknown number stays stored until the user picks a timeframe.
        m_reminderTimeframe = reminderTimeframeFromRawValue(m_preferences.integer(PreferenceKey::reminderTimeframe))
                                  .value_or(ReminderTimeframe::oneMonth);
    } else {
        m_reminderTimeframe = ReminderTimeframe::oneMonth;
        m_preferences.setInteger(PreferenceKey::reminderTimeframe, rawValue(ReminderTimeframe::oneMonth));
    }
}

void RemindersViewModel::setAutoRefreshEnabled(bool enabled)
{
    m_isAutoRefreshEnabled = enabled;
    m_preferences.setBoolean(PreferenceKey::autoRefreshEnabled, enabled);
    Q_EMIT isAutoRefreshEnabledChanged();
}

void RemindersViewModel::setReminderTimeframe(ReminderTimeframe timeframe)
{
    m_reminderTimeframe = timeframe;
    m_preferences.setInteger(PreferenceKey::reminderTimeframe, rawValue(timeframe));
    Q_EMIT reminderTimeframeChanged();
    refresh();
}

QCoro::Task<> RemindersViewModel::startUp()
{
    if (m_authorizationStatus == AuthorizationStatus::fullAccess) {
        co_await refresh();
    } else if (m_authorizationStatus == AuthorizationStatus::notDetermined) {
        co_await requestAccess();
    }
}

QCoro::Task<> RemindersViewModel::refreshAfterStoreChange()
{
    // The option is read when the task runs, so switching it off stops refreshes already signalled.
    if (m_isAutoRefreshEnabled) {
        co_await refresh();
    }
}

QCoro::Task<> RemindersViewModel::requestAccess()
{
    QPointer<RemindersViewModel> self(this);
    const AccessResult result = co_await m_store->requestAccess();
    if (!self) {
        co_return;
    }
    setAuthorizationStatus(m_store->authorizationStatus());
    // A failed request is dropped: the status just published tells the panel what to show.
    if (result.error || !result.granted || m_authorizationStatus != AuthorizationStatus::fullAccess) {
        co_return;
    }
    // A list the store just made for a new user is shown at once; an existing store keeps the user's choice.
    const std::optional<QString> created = m_store->listCreatedForAccess();
    if (created &&
        Preferences::decodeIDSet(m_preferences.string(PreferenceKey::selectedListIDs, QString())).isEmpty()) {
        m_preferences.setString(PreferenceKey::selectedListIDs, Preferences::encodeIDSet({*created}));
    }
    co_await refresh();
}

QCoro::Task<> RemindersViewModel::refresh()
{
    if (m_authorizationStatus != AuthorizationStatus::fullAccess) {
        co_return;
    }
    QPointer<RemindersViewModel> self(this);
    setIsSyncing(true);
    // One look at the folders serves both the lists and the fetch: each look costs a pass over the root.
    const QList<StoreList> storeLists = co_await m_store->lists();
    if (!self) {
        co_return;
    }
    publishCalendars(storeLists);
    co_await reloadReminders(storeLists);
    if (!self) {
        co_return;
    }
    m_lastRefreshDate = m_clock();
    Q_EMIT lastRefreshDateChanged();
    // A plain flag: when refreshes overlap, the first to finish clears it.
    setIsSyncing(false);
}

QCoro::Task<> RemindersViewModel::loadCalendars()
{
    QPointer<RemindersViewModel> self(this);
    const QList<StoreList> storeLists = co_await m_store->lists();
    if (self) {
        publishCalendars(storeLists);
    }
}

void RemindersViewModel::publishCalendars(const QList<StoreList>& storeLists)
{
    m_accounts = accountsOf(storeLists);
    m_lists = listsOf(storeLists, fallbackListColor());
    Q_EMIT accountsChanged();
    Q_EMIT listsChanged();
}

QCoro::Task<> RemindersViewModel::reloadReminders(QList<StoreList> storeLists)
{
    QPointer<RemindersViewModel> self(this);
    QStringList listIDs;
    listIDs.reserve(storeLists.size());
    for (const StoreList& list : std::as_const(storeLists)) {
        listIDs.append(list.id);
    }
    const quint64 fetch = ++m_fetchesStarted;
    StoreReminderBatch fetched = co_await m_store->fetchReminders(listIDs);
    if (!self || fetch < m_newestPublishedFetch) {
        co_return;
    }
    // The timeframe and the moment are read after the fetch, so a timeframe picked meanwhile applies. Filtering
    // and sorting thousands of reminders runs on a worker, which also frees the fetched records, so that the
    // panel keeps answering input meanwhile.
    QFuture<ArrangedReminders> sorting =
        QtConcurrent::run([fetched = std::move(fetched), timeframe = m_reminderTimeframe, now = m_clock()]() mutable {
            lowerWorkerPriority();
            ArrangedReminders arranged = arrangeReminders(fetched, timeframe, now);
            fetched = {};
            return arranged;
        });
    ArrangedReminders arranged = co_await sorting;
    // A newer fetch may have published while this one was sorted.
    if (!self || fetch < m_newestPublishedFetch) {
        co_return;
    }
    m_newestPublishedFetch = fetch;
    m_reminders = std::move(arranged.visible);
    m_openReminders = std::move(arranged.open);
    m_recentlyCompleted = std::move(arranged.recentlyCompleted);
    Q_EMIT remindersChanged();
}

QCoro::Task<bool> RemindersViewModel::addReminder(QString title, std::optional<QString> notes,
                                                  std::optional<QDateTime> dueDate, int priority,
                                                  RecurrenceOption recurrence, QString listID, bool dueIsAllDay,
                                                  std::optional<RecurrenceRule> customRule, ReminderAlert alert,
                                                  QStringList tags)
{
    const std::optional<StoreList> list = m_store->listWithID(listID);
    if (!list) {
        co_return false;
    }
    StoreReminder reminder = m_store->newReminder();
    reminder.listID = list->id;
    co_return co_await addToList(std::move(reminder), title, notes, dueDate, priority, recurrence, dueIsAllDay,
                                 customRule, alert, tags);
}

QCoro::Task<bool> RemindersViewModel::addToList(StoreReminder reminder, QString title, std::optional<QString> notes,
                                                std::optional<QDateTime> dueDate, int priority,
                                                RecurrenceOption recurrence, bool dueIsAllDay,
                                                std::optional<RecurrenceRule> customRule, ReminderAlert alert,
                                                QStringList tags)
{
    reminder.title = title;
    reminder.notes = notes;
    reminder.priority = priority;
    applyDueDate(reminder, dueDate, dueIsAllDay);
    applyRecurrence(reminder, recurrence, customRule);
    reminder.alertEdit = alertEditOf(alert);
    reminder.categories = tags;
    co_return co_await finish(m_store->saveReminder(reminder));
}

QCoro::Task<bool> RemindersViewModel::updateReminder(QString id, QString title, std::optional<QString> notes,
                                                     std::optional<QDateTime> dueDate, int priority,
                                                     RecurrenceOption recurrence,
                                                     std::optional<ReminderFields> openedWith, bool dueIsAllDay,
                                                     std::optional<ReminderAlert> alert,
                                                     std::optional<QStringList> tags)
{
    std::optional<StoreReminder> reminder = m_store->reminderWithID(id);
    if (!reminder) {
        co_return false;
    }
    // The reminder may have changed elsewhere while the form was open: a field the user left as it was shown
    // keeps what the store holds now, and the store writes only what differs.
    const auto touched = [&openedWith](auto ReminderFields::*field, const auto& value) {
        return !openedWith || (*openedWith).*field != value;
    };
    if (touched(&ReminderFields::title, title)) {
        reminder->title = title;
    }
    if (touched(&ReminderFields::notes, notes)) {
        reminder->notes = notes;
    }
    if (touched(&ReminderFields::priority, priority)) {
        reminder->priority = priority;
    }
    if (touched(&ReminderFields::dueDate, dueDate) || touched(&ReminderFields::dueIsAllDay, dueIsAllDay)) {
        applyDueDate(*reminder, dueDate, dueIsAllDay);
    }
    // The form offers the plain choices, and a custom rule only as the one the reminder has. When the choice is the
    // one the rules already read as, the user did not change it: keep the rules as they are, so an edit of the
    // title never turns "every second Monday until June" into "every week, forever".
    if (touched(&ReminderFields::recurrence, recurrence) && recurrence != recurrenceOptionOf(*reminder)) {
        applyRecurrence(*reminder, recurrence);
    }
    if (alert && touched(&ReminderFields::alert, *alert)) {
        reminder->alertEdit = alertEditOf(*alert);
    }
    if (tags && touched(&ReminderFields::tags, *tags)) {
        reminder->categories = *tags;
    }
    co_return co_await finish(m_store->saveReminder(*reminder));
}

QCoro::Task<> RemindersViewModel::moveReminder(QString id, QString toListID)
{
    std::optional<StoreReminder> reminder = m_store->reminderWithID(id);
    if (!reminder) {
        co_return;
    }
    const std::optional<StoreList> target = m_store->listWithID(toListID);
    if (!target || reminder->listID == target->id) {
        co_return;
    }
    reminder->listID = target->id;
    co_await finish(m_store->saveReminder(*reminder));
}

QCoro::Task<std::optional<UndoableChange>> RemindersViewModel::deleteReminder(QString id)
{
    const std::optional<StoreReminder> reminder = m_store->reminderWithID(id);
    if (!reminder) {
        co_return std::nullopt;
    }
    std::optional<ReminderSnapshot> snapshot = m_store->snapshotReminder(id);
    co_return co_await finishUndoable(UndoableChange::Kind::deleted, *reminder, std::move(snapshot),
                                      m_store->removeReminder(*reminder));
}

QCoro::Task<std::optional<UndoableChange>> RemindersViewModel::finishUndoable(UndoableChange::Kind kind,
                                                                              StoreReminder reminder,
                                                                              std::optional<ReminderSnapshot> snapshot,
                                                                              WriteResult result,
                                                                              QList<ReminderSnapshot> subtaskSnapshots)
{
    QPointer<RemindersViewModel> self(this);
    const bool written = co_await finish(result);
    if (!self) {
        co_return std::nullopt;
    }
    if (!written) {
        Q_EMIT changeFailed(kind, reminder.title, result.error.value_or(QString()));
        co_return std::nullopt;
    }
    // A store that keeps no record of what it wrote offers no undo.
    if (!snapshot || !result.written) {
        co_return std::nullopt;
    }
    snapshot->after = result.written;
    const UndoableChange change{kind, reminder.id, reminder.title, std::move(*snapshot), std::move(subtaskSnapshots)};
    Q_EMIT undoableChangeMade(change);
    co_return change;
}

QCoro::Task<bool> RemindersViewModel::finish(WriteResult result)
{
    if (!result.ok()) {
        setLastOperationError(result.error);
        co_return false;
    }
    setLastOperationError(std::nullopt);
    co_await refresh();
    co_return true;
}

void RemindersViewModel::setAuthorizationStatus(AuthorizationStatus status)
{
    m_authorizationStatus = status;
    Q_EMIT authorizationStatusChanged();
}

void RemindersViewModel::setIsSyncing(bool syncing)
{
    m_isSyncing = syncing;
    Q_EMIT isSyncingChanged();
}

void RemindersViewModel::setLastOperationError(std::optional<QString> error)
{
    m_lastOperationError = std::move(error);
    Q_EMIT lastOperationErrorChanged();
}

} // namespace tolvik
