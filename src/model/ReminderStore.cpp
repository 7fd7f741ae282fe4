#include "model/ReminderStore.h"

namespace tolvik {

namespace {

QString unsupported()
{
    return QStringLiteral("This reminder store cannot change its lists.");
}

} // namespace

ListCreation ReminderStore::createList(const QString&, const QString&, const QColor&)
{
    return {unsupported(), {}};
}

std::optional<ReminderSnapshot> ReminderStore::snapshotReminder(const QString&)
{
    return std::nullopt;
}

WriteResult ReminderStore::restoreReminder(const ReminderSnapshot&)
{
    return {QStringLiteral("This reminder store cannot undo changes.")};
}

std::optional<StoredFile> ReminderStore::readReminderFile(const QString&)
{
    return std::nullopt;
}

WriteResult ReminderStore::replaceReminderFile(const StoredFile&, const QByteArray&)
{
    return {QStringLiteral("This reminder store keeps no files to replace.")};
}

std::optional<StoreReminder> ReminderStore::readReminderBytes(const QByteArray&) const
{
    return std::nullopt;
}

WriteResult ReminderStore::renameList(const QString&, const QString&)
{
    return {unsupported()};
}

WriteResult ReminderStore::recolorList(const QString&, const QColor&)
{
    return {unsupported()};
}

WriteResult ReminderStore::deleteList(const QString&)
{
    return {unsupported()};
}

} // namespace tolvik
