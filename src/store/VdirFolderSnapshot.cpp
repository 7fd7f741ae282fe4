#include "store/VdirFolderSnapshot.h"

#include "store/TodoDocument.h"
#include "store/VdirScanner.h"

#include <QFile>

#include <algorithm>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tolvik {

namespace {

VdirFileKey keyOf(const struct stat& info)
{
    return VdirFileKey{qint64(info.st_size), qint64(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec,
                       quint64(info.st_ino)};
}

struct FoundFile
{
    QString name;
    QByteArray rawName;
    VdirFileKey key;
};

// Reads the directory's candidate files with their keys, sorted by name. False when the folder cannot be read.
bool listFolder(int dirfd, QList<FoundFile>& found)
{
    const int ownFd = ::dup(dirfd);
    DIR* dir = ownFd >= 0 ? ::fdopendir(ownFd) : nullptr;
    if (dir == nullptr) {
        if (ownFd >= 0) {
            ::close(ownFd);
        }
        return false;
    }
    while (const dirent* entry = ::readdir(dir)) {
        const QByteArray raw(entry->d_name);
        if (raw.size() < 4 || !raw.right(4).toLower().endsWith(".ics")) {
            continue;
        }
        const QString name = QFile::decodeName(raw);
        // A name that does not survive decoding could not be opened again by the writer.
        if (!VdirScanner::isItemFileName(name) || QFile::encodeName(name) != raw) {
            continue;
        }
        if (entry->d_type != DT_REG && entry->d_type != DT_UNKNOWN && entry->d_type != DT_LNK) {
            continue;
        }
        struct stat info
        {
        };
        if (::fstatat(dirfd, raw.constData(), &info, 0) != 0 || !S_ISREG(info.st_mode)) {
            continue;
        }
        found.append(FoundFile{name, raw, keyOf(info)});
    }
    ::closedir(dir);
    std::sort(found.begin(), found.end(), [](const FoundFile& a, const FoundFile& b) { return a.name < b.name; });
    return true;
}

// Reads and parses one file. Nothing when it vanished; an entry without a reminder when it is skipped.
std::optional<VdirFileEntry> readEntry(int dirfd, const FoundFile& file, const QString& listID)
{
    VdirFileEntry entry{file.name, file.key, std::nullopt};
    if (file.key.size > TodoDocument::maximumFileSize || file.key.size == 0) {
        return entry;
    }
    const int fd = ::openat(dirfd, file.rawName.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT) {
            return std::nullopt;
        }
        entry.key = VdirFileKey{}; // unreadable now; an invalid key makes the next refresh try again
        return entry;
    }
    struct stat info
    {
    };
    QByteArray bytes;
    if (::fstat(fd, &info) == 0 && info.st_size <= TodoDocument::maximumFileSize) {
        entry.key = keyOf(info);
        bytes.resize(qsizetype(info.st_size));
        qsizetype done = 0;
        while (done < bytes.size()) {
            const ssize_t n = ::read(fd, bytes.data() + done, size_t(bytes.size() - done));
            if (n < 0 && errno == EINTR) {
                continue;
            }
            if (n <= 0) {
                break;
            }
            done += n;
        }
        bytes.truncate(done);
    }
    ::close(fd);
    if (bytes.isEmpty() || bytes.contains('\0')) {
        return entry;
    }
    entry.reminder = parseVdirItem(bytes, listID, file.name);
    return entry;
}

std::shared_ptr<VdirFolderSnapshot> finished(std::shared_ptr<VdirFolderSnapshot> snapshot)
{
    snapshot->byReminderID.clear();
    snapshot->byReminderID.reserve(snapshot->files.size());
    for (qsizetype i = 0; i < snapshot->files.size(); ++i) {
        if (const auto& reminder = snapshot->files.at(i).reminder) {
            snapshot->byReminderID.insert(reminder->id, i);
        }
    }
    return snapshot;
}

} // namespace

QString vdirReminderID(const QString& listID, const QString& fileName)
{
    return listID + QLatin1Char('/') + VdirScanner::encodeIdPart(fileName);
}

std::optional<StoreReminder> parseVdirItem(const QByteArray& bytes, const QString& listID, const QString& fileName)
{
    const auto document = TodoDocument::parse(bytes);
    if (!document) {
        return std::nullopt;
    }
    StoreReminder reminder = document->toReminder();
    reminder.id = vdirReminderID(listID, fileName);
    reminder.listID = listID;
    return reminder;
}

QList<StoreReminder> VdirFolderSnapshot::reminders() const
{
    QList<StoreReminder> result;
    result.reserve(byReminderID.size());
    for (const VdirFileEntry& entry : files) {
        if (entry.reminder) {
            result.append(*entry.reminder);
        }
    }
    return result;
}

int VdirFolderSnapshot::skippedCount() const
{
    return int(files.size() - byReminderID.size());
}

const VdirFileEntry* VdirFolderSnapshot::entryForReminder(const QString& reminderID) const
{
    const auto found = byReminderID.constFind(reminderID);
    return found == byReminderID.cend() ? nullptr : &files.at(*found);
}

std::shared_ptr<const VdirFolderSnapshot> VdirFolderSnapshot::with(VdirFileEntry entry) const
{
    auto copy = std::make_shared<VdirFolderSnapshot>(*this);
    const auto at = std::lower_bound(copy->files.begin(), copy->files.end(), entry.fileName,
                                     [](const VdirFileEntry& e, const QString& name) { return e.fileName < name; });
    if (at != copy->files.end() && at->fileName == entry.fileName) {
        *at = std::move(entry);
    } else {
        copy->files.insert(at, std::move(entry));
    }
    return finished(std::move(copy));
}

std::shared_ptr<const VdirFolderSnapshot> VdirFolderSnapshot::without(const QString& fileName) const
{
    auto copy = std::make_shared<VdirFolderSnapshot>(*this);
    copy->files.removeIf([&fileName](const VdirFileEntry& e) { return e.fileName == fileName; });
    return finished(std::move(copy));
}

VdirFolderLoad loadVdirFolder(const QString& listID, const QString& path,
                              const std::shared_ptr<const VdirFolderSnapshot>& previous)
{
    VdirFolderLoad load;
    auto snapshot = std::make_shared<VdirFolderSnapshot>();
    snapshot->listID = listID;
    snapshot->path = path;

    const int dirfd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    QList<FoundFile> found;
    if (dirfd < 0 || !listFolder(dirfd, found)) {
        if (dirfd >= 0) {
            ::close(dirfd);
        }
        load.snapshot = std::move(snapshot);
        return load;
    }

    const bool samePlace = previous && previous->listID == listID && previous->path == path;
    const QList<VdirFileEntry> none;
    const QList<VdirFileEntry>& old = samePlace ? previous->files : none;
    if (samePlace && old.size() == found.size() &&
        std::equal(found.cbegin(), found.cend(), old.cbegin(),
                   [](const FoundFile& f, const VdirFileEntry& e) { return f.name == e.fileName && f.key == e.key; })) {
        ::close(dirfd);
        load.snapshot = previous;
        return load;
    }

    // Both lists are sorted by name: walk them together and reuse what did not change.
    snapshot->files.reserve(found.size());
    auto oldEntry = old.cbegin();
    for (const FoundFile& file : found) {
        while (oldEntry != old.cend() && oldEntry->fileName < file.name) {
            ++oldEntry;
        }
        if (oldEntry != old.cend() && oldEntry->fileName == file.name && oldEntry->key == file.key) {
            snapshot->files.append(*oldEntry);
            continue;
        }
        ++load.parsedFiles;
        if (auto entry = readEntry(dirfd, file, listID)) {
            snapshot->files.append(std::move(*entry));
        }
    }
    ::close(dirfd);
    load.snapshot = finished(std::move(snapshot));
    return load;
}

} // namespace tolvik
