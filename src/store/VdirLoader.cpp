#include "store/VdirLoader.h"

#include "model/WorkerPriority.h"
#include "store/TodoDocument.h"
#include "store/VdirScanner.h"

#include <QDateTime>
#include <QFile>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrentMap>

#include <algorithm>
#include <cerrno>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tolvik::VdirLoader {

namespace {

// Below this many files to read, handing them to other threads costs more than it saves.
constexpr qsizetype parallelThreshold = 64;

struct Candidate
{
    QString name;
    QByteArray rawName;
    std::optional<VdirFileKey> key;
    std::optional<VdirFileEntry> entry;
    bool needsRead = false;
};

struct FolderPlan
{
    const VdirFolderRequest* request = nullptr;
    int dirfd = -1;
    bool unchanged = false;
    VdirFileKey folderKey;
    qint64 startedAtMs = 0;
    QList<Candidate> files;
};

struct ReadJob
{
    const FolderPlan* plan;
    Candidate* file;
};

QThreadPool& parsePool()
{
    static QThreadPool pool;
    return pool;
}

const VdirFileEntry* findEntry(const QList<VdirFileEntry>& files, const QString& name)
{
    const auto at = std::lower_bound(files.cbegin(), files.cend(), name,
                                     [](const VdirFileEntry& e, const QString& n) { return e.fileName < n; });
    return at != files.cend() && at->fileName == name ? &*at : nullptr;
}

bool trusted(const VdirFolderSnapshot& previous, const VdirFileKey& folderKey, qint64 nowMs)
{
    const qint64 folderMtimeMs = folderKey.mtimeNs / 1000000;
    return previous.folderKey == folderKey && folderMtimeMs < previous.verifiedAtMs - racyMarginMs &&
           nowMs - previous.verifiedAtMs < trustFolderMs && nowMs >= previous.verifiedAtMs;
}

// Lists the folder and decides, file by file, what can be kept from the last read.
void planFolder(FolderPlan& plan)
{
    const VdirFolderRequest& request = *plan.request;
    plan.startedAtMs = QDateTime::currentMSecsSinceEpoch();
    plan.dirfd = ::open(QFile::encodeName(request.path).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    struct stat info
    {
    };
    if (plan.dirfd < 0 || ::fstat(plan.dirfd, &info) != 0) {
        return;
    }
    plan.folderKey = vdirKeyOf(info);
    const VdirFolderSnapshot* previous =
        request.previous && request.previous->listID == request.listID && request.previous->path == request.path
            ? request.previous.get()
            : nullptr;
    if (previous && request.mayTrust && trusted(*previous, plan.folderKey, plan.startedAtMs)) {
        plan.unchanged = true;
        return;
    }
    const int ownFd = ::dup(plan.dirfd);
    DIR* dir = ownFd >= 0 ? ::fdopendir(ownFd) : nullptr;
    if (dir == nullptr) {
        if (ownFd >= 0) {
            ::close(ownFd);
        }
        return;
    }
    // What cannot be an item (a FIFO, device or socket, or a name that is no valid text here) is skipped, and
    // counted so that the user learns something was left out.
    const auto skip = [&plan](const QString& name, const QByteArray& raw) {
        plan.files.append(Candidate{name, raw, VdirFileKey{}, VdirFileEntry{name, VdirFileKey{}, std::nullopt}, false});
    };
    while (const dirent* dirEntry = ::readdir(dir)) {
        const QByteArray raw(dirEntry->d_name);
        if (raw.size() < 4 || qstrnicmp(raw.constData() + raw.size() - 4, ".ics", 4) != 0) {
            continue;
        }
        const QString name = QFile::decodeName(raw);
        if (!VdirScanner::isItemFileName(name)) {
            continue;
        }
        // A name that does not survive decoding could not be opened again by the writer.
        if (QFile::encodeName(name) != raw) {
            skip(name, raw);
            continue;
        }
        const unsigned char type = dirEntry->d_type;
        if (type == DT_DIR) {
            continue;
        }
        if (type != DT_REG && type != DT_UNKNOWN && type != DT_LNK) {
            skip(name, raw);
            continue;
        }
        Candidate candidate{name, raw, std::nullopt, std::nullopt, true};
        const VdirFileEntry* known = previous ? findEntry(previous->files, name) : nullptr;
        // A file never seen before is read anyway; its status comes with the read.
        if (known != nullptr || type != DT_REG) {
            struct stat fileInfo
            {
            };
            if (::fstatat(plan.dirfd, raw.constData(), &fileInfo, 0) != 0 || S_ISDIR(fileInfo.st_mode)) {
                continue;
            }
            if (!S_ISREG(fileInfo.st_mode)) {
                skip(name, raw);
                continue;
            }
            candidate.key = vdirKeyOf(fileInfo);
            if (known != nullptr && known->key == *candidate.key) {
                candidate.entry = *known;
                candidate.needsRead = false;
            }
        }
        plan.files.append(std::move(candidate));
    }
    ::closedir(dir);
    std::sort(plan.files.begin(), plan.files.end(),
              [](const Candidate& a, const Candidate& b) { return a.name < b.name; });
}

// Reads and parses one file. Leaves no entry when the file vanished or is not a regular file.
void readFile(const FolderPlan& plan, Candidate& file)
{
    const VdirFileKey known = file.key.value_or(VdirFileKey{});
    if (file.key && (known.size == 0 || known.size > TodoDocument::maximumFileSize)) {
        file.entry = VdirFileEntry{file.name, known, std::nullopt};
        return;
    }
    // Non-blocking: a FIFO swapped in since the listing must not stall the worker.
    const int fd = ::openat(plan.dirfd, file.rawName.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        if (errno != ENOENT) {
            // Unreadable for now: an invalid key makes the next refresh try again.
            file.entry = VdirFileEntry{file.name, VdirFileKey{}, std::nullopt};
        }
        return;
    }
    struct stat info
    {
    };
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        file.entry = VdirFileEntry{file.name, VdirFileKey{}, std::nullopt};
        return;
    }
    VdirFileEntry entry{file.name, vdirKeyOf(info), std::nullopt};
    QByteArray bytes;
    if (info.st_size > 0 && info.st_size <= TodoDocument::maximumFileSize) {
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
    if (!bytes.isEmpty() && !bytes.contains('\0')) {
        entry.reminder = parseVdirItem(bytes, plan.request->listID, file.name);
    }
    file.entry = std::move(entry);
}

std::shared_ptr<const VdirFolderSnapshot> assemble(FolderPlan& plan)
{
    const auto& previous = plan.request->previous;
    if (plan.unchanged) {
        return previous;
    }
    auto snapshot = std::make_shared<VdirFolderSnapshot>();
    snapshot->listID = plan.request->listID;
    snapshot->path = plan.request->path;
    if (plan.dirfd < 0) {
        snapshot->revision = vdirNewRevision();
        return vdirIndexed(std::move(snapshot));
    }
    snapshot->folderKey = plan.folderKey;
    snapshot->verifiedAtMs = plan.startedAtMs;
    snapshot->files.reserve(plan.files.size());
    bool sameFiles = previous != nullptr && previous->path == snapshot->path;
    for (Candidate& file : plan.files) {
        if (file.entry) {
            snapshot->files.append(std::move(*file.entry));
            sameFiles = sameFiles && !file.needsRead;
        }
    }
    if (sameFiles && snapshot->files.size() == previous->files.size()) {
        // Nothing in the folder changed: keep the revision, so that the reminder list can be shared.
        snapshot->revision = previous->revision;
        snapshot->byReminderID = previous->byReminderID;
        return snapshot;
    }
    snapshot->revision = vdirNewRevision();
    return vdirIndexed(std::move(snapshot));
}

} // namespace

QList<StoreReminder> collect(const QList<std::shared_ptr<const VdirFolderSnapshot>>& folders,
                             const VdirFetchResult& previous)
{
    const bool same = std::equal(folders.cbegin(), folders.cend(), previous.folders.cbegin(), previous.folders.cend(),
                                 [](const auto& a, const auto& b) { return a->revision == b->revision; });
    if (same) {
        return previous.reminders;
    }
    QList<StoreReminder> reminders;
    qsizetype count = 0;
    for (const auto& folder : folders) {
        count += folder->byReminderID.size();
    }
    reminders.reserve(count);
    for (const auto& folder : folders) {
        for (const VdirFileEntry& entry : folder->files) {
            if (entry.reminder) {
                reminders.append(*entry.reminder);
            }
        }
    }
    return reminders;
}

VdirFetchResult load(const QList<VdirFolderRequest>& requests, const VdirFetchResult& previous)
{
    QList<FolderPlan> plans(requests.size());
    for (qsizetype i = 0; i < requests.size(); ++i) {
        plans[i].request = &requests.at(i);
        planFolder(plans[i]);
    }

    QList<ReadJob> jobs;
    for (FolderPlan& plan : plans) {
        for (Candidate& file : plan.files) {
            if (file.needsRead) {
                jobs.append(ReadJob{&plan, &file});
            }
        }
    }
    const auto read = [](const ReadJob& job) {
        lowerWorkerPriority();
        readFile(*job.plan, *job.file);
    };
    if (jobs.size() >= parallelThreshold) {
        // A pool of its own: the load itself runs on a thread of the global pool, and a map there would find no
        // free thread on a two-core machine and parse on one core. The calling thread takes part as well.
        QtConcurrent::blockingMap(&parsePool(), jobs, read);
    } else {
        std::for_each(jobs.cbegin(), jobs.cend(), read);
    }

    VdirFetchResult result;
    result.parsedFiles = int(jobs.size());
    result.folders.reserve(plans.size());
    for (FolderPlan& plan : plans) {
        result.folders.append(assemble(plan));
        if (plan.dirfd >= 0) {
            ::close(plan.dirfd);
        }
    }
    result.reminders = collect(result.folders, previous);
    return result;
}

} // namespace tolvik::VdirLoader
