#include "store/VdirLoader.h"

#include "model/WorkerPriority.h"
#include "store/TodoDocument.h"
#include "store/VdirScanner.h"
#include "store/VdirWriter.h"

#include <QDateTime>
#include <QFile>
#include <QThread>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrentMap>
#include <QtConcurrent/QtConcurrentRun>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <dirent.h>
#include <fcntl.h>
#if defined(__GLIBC__)
#include <malloc.h>
#endif
#include <sys/stat.h>
#include <unistd.h>

namespace tolvik::VdirLoader {

namespace {

// Below this many files to read, handing them to other threads costs more than it saves.
constexpr qsizetype parallelThreshold = 64;
// About how many files to list and read before putting them into their snapshots, and how many a folder counts
// for at least, however few files it held when last read.
constexpr qsizetype batchFiles = 8192;
constexpr qsizetype unreadFolderFiles = 64;
// How often, and after how long at first (doubling each time), a file caught half written is read again.
constexpr int retryReads = 3;
constexpr unsigned long retryReadMs = 5;

struct Candidate
{
    QString name;
    /// The name as the file system holds it, where that is not the name's Latin-1 form: most names are plain
    /// ASCII, and a store of many files then holds no second copy of each.
    QByteArray rawName;

    QByteArray raw() const { return rawName.isEmpty() ? name.toLatin1() : rawName; }
    std::optional<VdirFileKey> key;
    /// What reading it found; held apart, since most files of a large store are not read at all.
    std::shared_ptr<VdirReadFile> entry;
    bool needsRead = false;
    /// Where the file is in the last read's snapshot, or -1: kept as it was when unchanged, and what the last
    /// read found, should this read catch the file half written.
    qsizetype knownAt = -1;
};

struct FolderPlan
{
    const VdirFolderRequest* request = nullptr;
    /// The last read of the same folder, or none.
    const VdirFolderSnapshot* previous = nullptr;
    int dirfd = -1;
    bool unchanged = false;
    /// Whether every file's status is taken, known or not: while the last read is still being loaded, it cannot
    /// yet tell which files it knows.
    bool statEveryFile = false;
    /// Whether the folder was listed already.
    bool planned = false;
    VdirFileKey folderKey;
    qint64 startedAtMs = 0;
    /// Whether only the files a watch named were looked at, so that the last full check still counts.
    bool partlyChecked = false;
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
    plan.previous = previous;
    if (previous && request.mayTrust && trusted(*previous, plan.folderKey, plan.startedAtMs)) {
        plan.unchanged = true;
        return;
    }
    // Only the files the watch names are looked at, as long as every file was looked at within the trust
    // period: a file written in place on a share that sends no events is still seen within it.
    const QSet<QString>* changedNames = previous && request.changedNames && previous->verifiedAtMs > 0 &&
                                                plan.startedAtMs - previous->verifiedAtMs < trustFolderMs &&
                                                plan.startedAtMs >= previous->verifiedAtMs
                                            ? &*request.changedNames
                                            : nullptr;
    plan.partlyChecked = changedNames != nullptr;
    const int ownFd = ::dup(plan.dirfd);
    DIR* dir = ownFd >= 0 ? ::fdopendir(ownFd) : nullptr;
    if (dir == nullptr) {
        if (ownFd >= 0) {
            ::close(ownFd);
        }
        return;
    }
    // What cannot be an item (a FIFO, device or socket, a folder or a broken link, or a name that is no valid text
    // here) is skipped, and counted with its reason so that the user learns something was left out.
    const auto skip = [&plan](const QString& name, const QByteArray& raw, VdirSkipReason reason) {
        plan.files.append(
            Candidate{name, raw, VdirFileKey{}, std::make_shared<VdirReadFile>(vdirSkipped(name, reason)), false, -1});
    };
    bool sawOwnTemp = false;
    while (const dirent* dirEntry = ::readdir(dir)) {
        // Not copied: most entries are looked at and left.
        const QByteArray raw = QByteArray::fromRawData(dirEntry->d_name, qsizetype(std::strlen(dirEntry->d_name)));
        sawOwnTemp = sawOwnTemp || VdirWriter::isOwnTempName(raw);
        if (raw.size() < 4 || qstrnicmp(raw.constData() + raw.size() - 4, ".ics", 4) != 0) {
            continue;
        }
        const bool ascii = std::all_of(raw.cbegin(), raw.cend(), [](char c) { return uchar(c) < 0x80; });
        const QString name = ascii ? QString::fromLatin1(raw) : QFile::decodeName(raw);
        if (!VdirScanner::isItemFileName(name)) {
            continue;
        }
        const QByteArray ownRaw = ascii ? QByteArray() : QByteArray(raw.constData(), raw.size());
        // A name that does not survive decoding could not be opened again by the writer.
        if (!ascii && QFile::encodeName(name) != raw) {
            skip(name, ownRaw, VdirSkipReason::undecodableName);
            continue;
        }
        const unsigned char type = dirEntry->d_type;
        if (type == DT_DIR) {
            skip(name, ownRaw, VdirSkipReason::folder);
            continue;
        }
        if (type != DT_REG && type != DT_UNKNOWN && type != DT_LNK) {
            skip(name, ownRaw, VdirSkipReason::notAFile);
            continue;
        }
        const VdirFileEntry* known = previous ? findEntry(previous->files, name) : nullptr;
        Candidate candidate{name, ownRaw, std::nullopt, nullptr, true, -1};
        if (known != nullptr) {
            candidate.knownAt = known - previous->files.constData();
        }
        if (changedNames != nullptr && known != nullptr && type == DT_REG && known->key.size >= 0 &&
            quint64(dirEntry->d_ino) == known->key.inode && !changedNames->contains(name)) {
            candidate.key = known->key;
            candidate.needsRead = false;
            plan.files.append(std::move(candidate));
            continue;
        }
        // A file never seen before is read anyway; its status comes with the read.
        if (known != nullptr || type != DT_REG || plan.statEveryFile) {
            struct stat fileInfo
            {
            };
            if (::fstatat(plan.dirfd, raw.constData(), &fileInfo, 0) != 0) {
                const int error = errno;
                struct stat link
                {
                };
                const bool isLink =
                    ::fstatat(plan.dirfd, raw.constData(), &link, AT_SYMLINK_NOFOLLOW) == 0 && S_ISLNK(link.st_mode);
                if (error == ELOOP) {
                    skip(name, ownRaw, VdirSkipReason::symlinkLoop);
                } else if (error == ENOENT && isLink) {
                    skip(name, ownRaw, VdirSkipReason::danglingLink);
                } else if (error != ENOENT) {
                    skip(name, ownRaw, VdirSkipReason::unreadable);
                }
                continue;
            }
            if (S_ISDIR(fileInfo.st_mode)) {
                skip(name, ownRaw, type == DT_DIR ? VdirSkipReason::folder : VdirSkipReason::linkToFolder);
                continue;
            }
            if (!S_ISREG(fileInfo.st_mode)) {
                skip(name, ownRaw, VdirSkipReason::notAFile);
                continue;
            }
            candidate.key = vdirKeyOf(fileInfo);
            // Unchanged: taken over from the last read when the snapshot is assembled, without copying it here.
            if (known != nullptr && known->key == *candidate.key) {
                candidate.needsRead = false;
            }
        }
        plan.files.append(std::move(candidate));
    }
    ::closedir(dir);
    if (sawOwnTemp) {
        // What a crash or a folder moved during a save left behind; at start-up every folder is listed.
        VdirWriter::sweepStaleTemps(request.path);
    }
    std::sort(plan.files.begin(), plan.files.end(),
              [](const Candidate& a, const Candidate& b) { return a.name < b.name; });
    plan.planned = true;
}

// Compares a folder listed with every file's status against its last read, once that is known: an unchanged file
// is taken over from it, as if the listing had known it from the start.
void matchPrevious(FolderPlan& plan, const VdirFolderSnapshot& previous)
{
    plan.previous = &previous;
    // Both are in name order: one walk along each matches them.
    const QList<VdirFileEntry>& known = previous.files;
    qsizetype at = 0;
    for (Candidate& file : plan.files) {
        while (at < known.size() && known.at(at).fileName < file.name) {
            ++at;
        }
        if (at < known.size() && !file.entry && known.at(at).fileName == file.name) {
            file.knownAt = at;
            file.needsRead = !file.key || !(known.at(at).key == *file.key);
        }
    }
}

// Reads and parses one file. Nothing when the file vanished.
std::optional<VdirReadFile> readOnce(const FolderPlan& plan, const Candidate& file, bool useKnownKey)
{
    const VdirFileKey known = file.key.value_or(VdirFileKey{});
    if (useKnownKey && file.key && (known.size == 0 || known.size > TodoDocument::maximumFileSize)) {
        return vdirSkipped(file.name, known.size == 0 ? VdirSkipReason::empty : VdirSkipReason::tooLarge, known);
    }
    // Non-blocking: a FIFO swapped in since the listing must not stall the worker.
    const int fd = ::openat(plan.dirfd, file.raw().constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT) {
            return std::nullopt;
        }
        // Unreadable for now: an invalid key makes the next refresh try again.
        return vdirSkipped(file.name, errno == ELOOP ? VdirSkipReason::symlinkLoop : VdirSkipReason::unreadable);
    }
    struct stat info
    {
    };
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return vdirSkipped(file.name, VdirSkipReason::notAFile);
    }
    const VdirFileKey key = vdirKeyOf(info);
    if (info.st_size > TodoDocument::maximumFileSize) {
        ::close(fd);
        return vdirSkipped(file.name, VdirSkipReason::tooLarge, key);
    }
    QByteArray bytes;
    if (info.st_size > 0) {
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
    return vdirEntryOf(file.name, key, bytes, plan.request->listID);
}

std::shared_ptr<VdirReadFile> held(std::optional<VdirReadFile> read)
{
    return read ? std::make_shared<VdirReadFile>(std::move(*read)) : nullptr;
}

// A file that read as a reminder last time and now as nothing, just after it changed, is most likely being
// rewritten in place by another program (truncated, then written). It is read again a few times; if it still
// reads as nothing, the reminder stays as it was, with a key that makes the next refresh read the file again,
// so that it does not vanish from the list meanwhile.
void readFile(const FolderPlan& plan, Candidate& file)
{
    std::optional<VdirReadFile> entry = readOnce(plan, file, true);
    const bool hadReminder = file.knownAt >= 0 && plan.previous->files.at(file.knownAt).reminderAt >= 0;
    if (!hadReminder || (entry && entry->reminder)) {
        file.entry = held(std::move(entry));
        return;
    }
    for (int attempt = 0; attempt < retryReads; ++attempt) {
        const qint64 nowMs = QDateTime::currentMSecsSinceEpoch();
        const qint64 changedMs = entry ? entry->key.mtimeNs / 1000000 : nowMs;
        if (entry && (entry->key.size < 0 || nowMs - changedMs > racyMarginMs)) {
            break;
        }
        QThread::msleep(retryReadMs << attempt);
        entry = readOnce(plan, file, false);
        if (!entry || entry->reminder) {
            file.entry = held(std::move(entry));
            return;
        }
    }
    if (entry && entry->key.size >= 0 &&
        QDateTime::currentMSecsSinceEpoch() - entry->key.mtimeNs / 1000000 <= racyMarginMs) {
        VdirReadFile kept = plan.previous->readFileAt(file.knownAt);
        kept.key = VdirFileKey{};
        file.entry = std::make_shared<VdirReadFile>(std::move(kept));
        return;
    }
    file.entry = held(std::move(entry));
}

// A copy of `text` of its own, made on this thread.
void ownCopy(QString& text)
{
    if (!text.isEmpty()) {
        text = QString(text.constData(), text.size());
    }
}

// Moves the texts of a file just read off the worker that parsed it. A worker's heap holds the records' texts
// scattered among the much larger pieces parsing used and freed, so that those pages stay in use; texts of their
// own, made here, let the workers' heaps be handed back whole.
void compact(VdirReadFile& file)
{
    ownCopy(file.fileName);
    if (!file.reminder) {
        return;
    }
    StoreReminder& reminder = *file.reminder;
    ownCopy(reminder.id);
    ownCopy(reminder.title);
    const bool sameUid = reminder.uid == file.uid;
    ownCopy(file.uid);
    if (sameUid) {
        reminder.uid = file.uid;
    } else {
        ownCopy(reminder.uid);
    }
    if (reminder.notes) {
        ownCopy(*reminder.notes);
    }
    for (QString& category : reminder.categories) {
        ownCopy(category);
    }
    if (reminder.parentUID) {
        ownCopy(*reminder.parentUID);
    }
    for (QString& child : reminder.childUIDs) {
        ownCopy(child);
    }
}

// Whether the folder holds just what the last read found: every file unchanged, none added or gone.
bool sameAsBefore(const FolderPlan& plan)
{
    const VdirFolderSnapshot* known = plan.previous;
    if (known == nullptr || plan.files.size() != known->files.size()) {
        return false;
    }
    for (const Candidate& file : plan.files) {
        if (file.needsRead) {
            return false;
        }
        if (file.knownAt < 0) {
            // Skipped without reading: the same only when it was skipped for the same reason last time.
            const VdirFileEntry* was = findEntry(known->files, file.name);
            if (was == nullptr || was->reminderAt >= 0 || !file.entry || was->skipped != file.entry->skipped) {
                return false;
            }
        }
    }
    return true;
}

// Whether the folder holds the files of its last read, by name and in order, and what changed in some of them was
// read with the same outcome as before: a reminder in place of a reminder.
bool changedInPlace(const FolderPlan& plan)
{
    const VdirFolderSnapshot* known = plan.previous;
    if (known == nullptr || plan.files.size() != known->files.size()) {
        return false;
    }
    for (qsizetype i = 0; i < plan.files.size(); ++i) {
        const Candidate& file = plan.files.at(i);
        if (file.knownAt != i ||
            (file.needsRead ? !file.entry || !file.entry->reminder || known->files.at(i).reminderAt < 0
                            : file.entry != nullptr)) {
            return false;
        }
    }
    return true;
}

// The last read's entries and records, taken over whole, with those of the files read now put in their places:
// an edit of one reminder in a large list then costs about what sharing the list costs, not rebuilding it.
void patchInPlace(FolderPlan& plan, VdirFolderSnapshot& snapshot)
{
    const VdirFolderSnapshot& known = *plan.previous;
    snapshot.files = known.files;
    snapshot.run = known.run;
    snapshot.byReminderID = known.byReminderID;
    for (qsizetype i = 0; i < plan.files.size(); ++i) {
        Candidate& file = plan.files[i];
        if (!file.needsRead) {
            continue;
        }
        VdirReadFile& read = *file.entry;
        compact(read);
        VdirFileEntry& entry = snapshot.files[i];
        const qsizetype at = entry.reminderAt;
        entry = std::move(static_cast<VdirFileEntry&>(read));
        entry.reminderAt = at;
        snapshot.run[at] = std::move(*read.reminder);
        file.entry.reset();
    }
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
        return vdirAssembled(std::move(snapshot), {});
    }
    snapshot->folderKey = plan.folderKey;
    snapshot->verifiedAtMs = plan.partlyChecked ? plan.previous->verifiedAtMs : plan.startedAtMs;
    if (sameAsBefore(plan)) {
        // Nothing in the folder changed: keep the revision and share the records, so that the reminder list
        // is shared too.
        snapshot->files = plan.previous->files;
        snapshot->revision = plan.previous->revision;
        snapshot->byReminderID = plan.previous->byReminderID;
        snapshot->run = plan.previous->run;
        return snapshot;
    }
    if (changedInPlace(plan)) {
        patchInPlace(plan, *snapshot);
        snapshot->revision = vdirNewRevision();
        return snapshot;
    }
    QList<VdirReadFile> files;
    files.reserve(plan.files.size());
    for (Candidate& file : plan.files) {
        if (file.entry) {
            // Let go of each read file as it moves into the snapshot, so that a large first read does not hold
            // every record twice at its peak.
            files.append(std::move(*file.entry));
            file.entry.reset();
            compact(files.last());
        } else if (!file.needsRead && file.knownAt >= 0) {
            files.append(plan.previous->readFileAt(file.knownAt));
        }
    }
    snapshot->revision = vdirNewRevision();
    return vdirAssembled(std::move(snapshot), std::move(files));
}

} // namespace

StoreReminderBatch collect(const QList<std::shared_ptr<const VdirFolderSnapshot>>& folders)
{
    StoreReminderBatch reminders;
    for (const auto& folder : folders) {
        reminders.appendRun(folder->run);
    }
    return reminders;
}

VdirFetchResult load(QList<VdirFolderRequest> requests, const std::function<SavedFolders()>& loadSaved)
{
    QList<FolderPlan> plans(requests.size());
    VdirFolderRequest* const request = requests.data();
    for (qsizetype i = 0; i < requests.size(); ++i) {
        plans[i].request = &request[i];
    }
    if (loadSaved) {
        // The saved last reads load on one thread while the others list the folders that have none yet and take
        // each file's status: at a start, both take about as long.
        QFuture<SavedFolders> saved = QtConcurrent::run(&parsePool(), [&loadSaved] {
            lowerWorkerPriority();
            return loadSaved();
        });
        for (FolderPlan& folder : plans) {
            folder.statEveryFile = !folder.request->previous;
        }
        QtConcurrent::blockingMap(&parsePool(), plans, [](FolderPlan& folder) {
            lowerWorkerPriority();
            if (folder.statEveryFile) {
                planFolder(folder);
            }
        });
        const SavedFolders folders = saved.result();
        for (qsizetype i = 0; i < plans.size(); ++i) {
            const auto found = folders.constFind(request[i].listID);
            if (plans[i].statEveryFile && found != folders.cend() && (*found)->path == request[i].path &&
                plans[i].dirfd >= 0) {
                request[i].previous = *found;
                request[i].mayTrust = false;
                matchPrevious(plans[i], **found);
            }
        }
    }
    const auto knownFiles = [](const FolderPlan& folder) {
        return folder.request->previous ? folder.request->previous->files.size() : 0;
    };
    const auto plan = [](FolderPlan& folder) {
        lowerWorkerPriority();
        if (!folder.planned) {
            planFolder(folder);
        }
    };
    const auto read = [](const ReadJob& job) {
        lowerWorkerPriority();
        readFile(*job.plan, *job.file);
    };
    VdirFetchResult result;
    result.folders.reserve(plans.size());
    // Folders are listed, read and assembled a batch at a time, so that what is listed or read but not yet in a
    // snapshot stays small however large the store: neither a first read nor a check of every file holds each
    // record or file name twice.
    for (qsizetype first = 0; first < plans.size();) {
        qsizetype last = first;
        qsizetype known = 0;
        qsizetype expected = 0;
        while (last < plans.size() && expected < batchFiles) {
            FolderPlan& folder = plans[last];
            if (!folder.planned && !folder.request->previous) {
                // Nothing is known of it, so listing it takes no file's status: listed here, it counts with the
                // files it really holds, and a first read of many folders still goes a batch at a time.
                plan(folder);
            }
            known += folder.planned ? 0 : knownFiles(folder);
            expected += folder.planned ? folder.files.size() : qMax<qsizetype>(knownFiles(folder), unreadFolderFiles);
            ++last;
        }
        // Checking each known file's identity is one status call per file: spread over the folders when there
        // are many, as at a start from the saved index.
        if (known >= parallelThreshold * 8 && last - first > 1) {
            QtConcurrent::blockingMap(&parsePool(), plans.begin() + first, plans.begin() + last, plan);
        } else {
            std::for_each(plans.begin() + first, plans.begin() + last, plan);
        }
        QList<ReadJob> jobs;
        for (qsizetype i = first; i < last; ++i) {
            for (Candidate& file : plans[i].files) {
                if (file.needsRead) {
                    jobs.append(ReadJob{&plans[i], &file});
                }
            }
        }
        if (jobs.size() >= parallelThreshold) {
            // A pool of its own: the load itself runs on a thread of the global pool, and a map there would find
            // no free thread on a two-core machine and parse on one core. The calling thread takes part as well.
            QtConcurrent::blockingMap(&parsePool(), jobs, read);
        } else {
            std::for_each(jobs.cbegin(), jobs.cend(), read);
        }
        result.parsedFiles += int(jobs.size());
        for (; first < last; ++first) {
            FolderPlan& folder = plans[first];
            result.folders.append(assemble(folder));
            folder.files = {};
            if (folder.dirfd >= 0) {
                ::close(folder.dirfd);
            }
        }
#if defined(__GLIBC__)
        // What parsing freed on the workers is handed back, now that the records it made live elsewhere.
        if (jobs.size() >= parallelThreshold) {
            ::malloc_trim(0);
        }
#endif
    }
    result.reminders = collect(result.folders);
    return result;
}

} // namespace tolvik::VdirLoader
