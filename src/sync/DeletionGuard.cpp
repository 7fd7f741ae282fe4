#include "sync/DeletionGuard.h"

#include "sync/DavXml.h"
#include "sync/SyncAccount.h"

#include <QFile>
#include <QFileInfo>

#include <sqlite3.h>
#include <sys/stat.h>

#include <memory>

namespace tolvik {

namespace DeletionGuard {

namespace {

struct Closer
{
    void operator()(sqlite3* db) const { sqlite3_close(db); }
};
using Database = std::unique_ptr<sqlite3, Closer>;

Database open(const QString& path, int flags)
{
    sqlite3* db = nullptr;
    const int rc = sqlite3_open_v2(QFile::encodeName(path).constData(), &db, flags, nullptr);
    Database owned(db);
    if (rc != SQLITE_OK) {
        return nullptr;
    }
    // The engine holds the file in an exclusive transaction while it syncs; wait a little rather than fail.
    sqlite3_busy_timeout(db, 5000);
    return owned;
}

QString column(sqlite3_stmt* statement, int index)
{
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, index));
    return text ? QString::fromUtf8(text) : QString();
}

QString decodedPath(const QString& path)
{
    return QUrl::fromPercentEncoding(path.toUtf8());
}

} // namespace

QString statusFile(const QString& accountID, const QString& list)
{
    return SyncPaths::stateFolder(accountID) + QStringLiteral("/status/") + accountID + QLatin1Char('/') + list +
           QStringLiteral(".items");
}

std::optional<QList<EngineStatusEntry>> readStatus(const QString& path)
{
    if (!QFileInfo::exists(path)) {
        return QList<EngineStatusEntry>();
    }
    const Database db = open(path, SQLITE_OPEN_READONLY);
    if (!db) {
        return std::nullopt;
    }
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(db.get(), "SELECT ident, href_a, href_b, etag_a FROM status", -1, &statement, nullptr) !=
        SQLITE_OK) {
        return std::nullopt;
    }
    QList<EngineStatusEntry> entries;
    int rc = SQLITE_ROW;
    while ((rc = sqlite3_step(statement)) == SQLITE_ROW) {
        entries.append({column(statement, 0), column(statement, 1), column(statement, 2), column(statement, 3)});
    }
    sqlite3_finalize(statement);
    if (rc != SQLITE_DONE) {
        return std::nullopt;
    }
    return entries;
}

bool forget(const QString& path, const QStringList& idents)
{
    if (idents.isEmpty() || !QFileInfo::exists(path)) {
        return true;
    }
    const Database db = open(path, SQLITE_OPEN_READWRITE);
    if (!db || sqlite3_exec(db.get(), "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr) != SQLITE_OK) {
        return false;
    }
    sqlite3_stmt* statement = nullptr;
    bool ok = sqlite3_prepare_v2(db.get(), "DELETE FROM status WHERE ident = ?", -1, &statement, nullptr) == SQLITE_OK;
    for (const QString& ident : idents) {
        if (!ok) {
            break;
        }
        const QByteArray utf8 = ident.toUtf8();
        sqlite3_reset(statement);
        sqlite3_bind_text(statement, 1, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
        ok = sqlite3_step(statement) == SQLITE_DONE;
    }
    sqlite3_finalize(statement);
    return sqlite3_exec(db.get(), ok ? "COMMIT" : "ROLLBACK", nullptr, nullptr, nullptr) == SQLITE_OK && ok;
}

QSet<QString> listedItems(const QByteArray& multistatus, const QUrl& collection)
{
    QSet<QString> paths;
    for (const DavResource& resource : DavXml::parseMultistatus(multistatus)) {
        if (!resource.isCollection && !resource.etag.isEmpty()) {
            paths.insert(collection.resolved(QUrl(resource.href)).path(QUrl::FullyDecoded));
        }
    }
    return paths;
}

bool unchangedHere(const EngineStatusEntry& entry, const QString& listFolder)
{
    if (entry.localHref.isEmpty() || entry.localHref.contains(QLatin1Char('/'))) {
        return false;
    }
    struct stat info = {};
    if (::stat(QFile::encodeName(listFolder + QLatin1Char('/') + entry.localHref).constData(), &info) != 0) {
        return false;
    }
    const qint64 mtimeNs = qint64(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec;
    // The engine formats the nanoseconds through a double: compared as one, they match its rounding.
    bool isNumber = false;
    const double nanoseconds = entry.localEtag.section(QLatin1Char(';'), 0, 0).toDouble(&isNumber);
    const QString inode = entry.localEtag.section(QLatin1Char(';'), 1);
    return isNumber && nanoseconds == double(mtimeNs) && inode == QString::number(quint64(info.st_ino));
}

QList<EngineStatusEntry> wouldDelete(const QList<EngineStatusEntry>& status, const QSet<QString>& listed,
                                     const QString& listFolder)
{
    QList<EngineStatusEntry> deleted;
    for (const EngineStatusEntry& entry : status) {
        if (!listed.contains(decodedPath(entry.remoteHref)) && unchangedHere(entry, listFolder)) {
            deleted.append(entry);
        }
    }
    return deleted;
}

bool tooMany(int removals, int known)
{
    return removals > 10 || (removals >= 3 && removals * 5 >= known);
}

QString displayName(const QString& listFolder, const QString& list)
{
    QFile file(listFolder + QStringLiteral("/displayname"));
    const QString name = file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.read(1024)).trimmed() : QString();
    return name.isEmpty() ? list : name;
}

QCoro::Task<ListCheck> check(DavClient& client, QString accountID, SyncedCollection collection, QString listFolder,
                             QString snapshot)
{
    ListCheck result;
    const DavReply listing = co_await client.send("PROPFIND", collection.url, DavXml::itemsRequest(), 1);
    if (!listing.isMultistatus()) {
        result.failure = listing;
        co_return result;
    }
    const std::optional<QList<EngineStatusEntry>> status = readStatus(statusFile(accountID, collection.name));
    if (!status) {
        // Without the engine's status nothing can be judged: the run goes ahead and the snapshot stands by.
        co_return result;
    }
    result.known = int(status->size());
    const QSet<QString> listed = listedItems(listing.body, collection.url);
    const QList<EngineStatusEntry> deleted = wouldDelete(*status, listed, listFolder);
    const bool serverEmpty = listed.isEmpty() && !status->isEmpty();
    if ((serverEmpty && !deleted.isEmpty()) || tooMany(int(deleted.size()), result.known)) {
        HeldDeletion held;
        held.list = collection.name;
        held.displayName = displayName(listFolder, collection.name);
        held.serverEmpty = serverEmpty;
        held.snapshot = snapshot;
        for (const EngineStatusEntry& entry : deleted) {
            held.files.append(entry.localHref);
            held.idents.append(entry.ident);
        }
        result.held = held;
    }
    co_return result;
}

} // namespace DeletionGuard

} // namespace tolvik
