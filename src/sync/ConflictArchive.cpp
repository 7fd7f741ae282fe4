#include "sync/ConflictArchive.h"

#include "sync/ConflictResolver.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>

namespace tolvik {

namespace {

QString keyOf(const QString& accountID, const QString& uid)
{
    return accountID + QLatin1Char('\n') + uid;
}

/// A set-aside file is small; anything larger was not written by the resolver and is not read.
constexpr qint64 largestVersion = 1024 * 1024;

} // namespace

ConflictArchive::ConflictArchive(QObject* parent)
    : KeptVersions(parent)
{}

void ConflictArchive::reload(const QStringList& accountIDs)
{
    static const QRegularExpression fromServer(QStringLiteral("-server(-\\d+)?$"));
    QHash<QString, QList<Entry>> index;
    for (const QString& account : accountIDs) {
        const QDir folder(ConflictResolver::conflictsFolder(account));
        const QFileInfoList files = folder.entryInfoList({QStringLiteral("*.ics")}, QDir::Files, QDir::Name);
        for (const QFileInfo& file : files) {
            QFile reader(file.absoluteFilePath());
            if (file.size() > largestVersion || !reader.open(QIODevice::ReadOnly)) {
                continue;
            }
            const QString uid = ConflictResolver::uidOf(reader.readAll());
            if (uid.isEmpty()) {
                continue;
            }
            index[keyOf(account, uid)].append({file.absoluteFilePath(), file.lastModified().toUTC(),
                                               fromServer.match(file.completeBaseName()).hasMatch()});
        }
    }
    for (QList<Entry>& entries : index) {
        std::stable_sort(entries.begin(), entries.end(),
                         [](const Entry& a, const Entry& b) { return a.keptAt < b.keptAt; });
    }
    if (index != m_index) {
        m_index = std::move(index);
        Q_EMIT changed();
    }
}

bool ConflictArchive::contains(const QString& accountID, const QString& uid) const
{
    return m_index.contains(keyOf(accountID, uid));
}

std::optional<KeptVersion> ConflictArchive::newest(const QString& accountID, const QString& uid) const
{
    const auto found = m_index.constFind(keyOf(accountID, uid));
    if (found == m_index.constEnd() || found->isEmpty()) {
        return std::nullopt;
    }
    const Entry& entry = found->constLast();
    QFile file(entry.path);
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    return KeptVersion{entry.path, file.read(largestVersion), entry.keptAt, entry.fromServer};
}

bool ConflictArchive::discard(const KeptVersion& version)
{
    // Only a path this archive listed is ever removed.
    for (auto it = m_index.begin(); it != m_index.end(); ++it) {
        for (qsizetype i = 0; i < it->size(); ++i) {
            if (it->at(i).path != version.reference) {
                continue;
            }
            if (!QFile::remove(version.reference) && QFileInfo::exists(version.reference)) {
                return false;
            }
            it->removeAt(i);
            if (it->isEmpty()) {
                m_index.erase(it);
            }
            Q_EMIT changed();
            return true;
        }
    }
    return false;
}

} // namespace tolvik
