// RemindersViewModel's choice between the two versions of a reminder changed on two devices at once.

#include "model/ReminderLoading.h"
#include "model/RemindersViewModel.h"

namespace tolvik {

void RemindersViewModel::setKeptVersions(KeptVersions* versions)
{
    if (m_keptVersions != nullptr) {
        disconnect(m_keptVersions, nullptr, this, nullptr);
    }
    m_keptVersions = versions;
    if (versions != nullptr) {
        connect(versions, &KeptVersions::changed, this, &RemindersViewModel::otherVersionsChanged);
    }
    Q_EMIT otherVersionsChanged();
}

QString RemindersViewModel::accountOfList(const QString& listID) const
{
    for (const ReminderList& list : m_lists) {
        if (list.id == listID) {
            return list.accountID;
        }
    }
    return {};
}

bool RemindersViewModel::hasOtherVersion(const ReminderItem& reminder) const
{
    // Asked by every row on every refresh: nearly always there is nothing set aside at all.
    if (m_keptVersions == nullptr || m_keptVersions->isEmpty() || reminder.uid.isEmpty()) {
        return false;
    }
    const QString account = accountOfList(reminder.listID);
    return !account.isEmpty() && m_keptVersions->contains(account, reminder.uid);
}

std::optional<ReminderItem> RemindersViewModel::otherVersion(const ReminderItem& reminder) const
{
    if (!hasOtherVersion(reminder)) {
        return std::nullopt;
    }
    const std::optional<KeptVersion> kept = m_keptVersions->newest(accountOfList(reminder.listID), reminder.uid);
    if (!kept) {
        return std::nullopt;
    }
    std::optional<StoreReminder> read = m_store->readReminderBytes(kept->bytes);
    if (!read || read->uid != reminder.uid) {
        return std::nullopt;
    }
    read->id = reminder.id;
    read->listID = reminder.listID;
    return reminderItemOf(*read, m_clock());
}

QCoro::Task<bool> RemindersViewModel::keepThisVersion(ReminderItem reminder)
{
    if (!hasOtherVersion(reminder)) {
        co_return false;
    }
    const std::optional<KeptVersion> kept = m_keptVersions->newest(accountOfList(reminder.listID), reminder.uid);
    if (!kept || !m_keptVersions->discard(*kept)) {
        Q_EMIT versionChoiceFailed(reminder.title, QStringLiteral("The other version could not be let go."));
        co_return false;
    }
    co_return true;
}

QCoro::Task<bool> RemindersViewModel::useOtherVersion(ReminderItem reminder)
{
    const auto failed = [&](const QString& error) {
        setLastOperationError(error);
        Q_EMIT versionChoiceFailed(reminder.title, error);
    };
    if (!hasOtherVersion(reminder)) {
        co_return false;
    }
    const QString account = accountOfList(reminder.listID);
    const std::optional<KeptVersion> kept = m_keptVersions->newest(account, reminder.uid);
    const std::optional<StoredFile> current = m_store->readReminderFile(reminder.id);
    if (!kept || !current) {
        failed(QStringLiteral("The reminder or its other version could not be read."));
        co_return false;
    }
    const WriteResult written = m_store->replaceReminderFile(*current, kept->bytes);
    if (!written.ok()) {
        failed(written.error.value_or(QString()));
        co_return false;
    }
    m_keptVersions->discard(*kept);
    co_return co_await finish(written);
}

} // namespace tolvik
