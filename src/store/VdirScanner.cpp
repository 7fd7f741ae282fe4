#include "store/VdirScanner.h"

#include "store/TodoDocument.h"
#include "store/VdirWriter.h"

#include <optional>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

#include <dirent.h>
#include <sys/stat.h>

namespace tolvik {

namespace {

// Metadata files are a line or two; anything longer is not a name or a colour.
constexpr qint64 metadataLimit = 4096;

// Never blocks: a FIFO or device in place of a file is no file at all, and a larger file is not what it claims.
std::optional<QByteArray> readSmallFile(const QString& path, qint64 limit)
{
    VdirWriter::ReadResult result = VdirWriter::read(path, limit);
    if (result.error) {
        return std::nullopt;
    }
    return std::move(result.bytes);
}

struct Subfolders
{
    QStringList names;
    /// Folders left out: names that are not valid UTF-8 (no path built from a decoded name would reach them
    /// again), symlinks that loop or lead back to a folder already read (which would show lists twice, or
    /// endlessly), and folders that cannot be read.
    int skipped = 0;
};

struct FolderId
{
    dev_t device = 0;
    ino_t inode = 0;

    friend bool operator==(const FolderId&, const FolderId&) = default;
};

std::optional<FolderId> folderId(const QByteArray& path)
{
    struct stat info
    {
    };
    if (::stat(path.constData(), &info) != 0 || !S_ISDIR(info.st_mode)) {
        return std::nullopt;
    }
    return FolderId{info.st_dev, info.st_ino};
}

// Lists the raw names, as Qt would hand back a name that does not decode as one that names no folder at all.
// `taken` holds the folders already on the walk: the root, the account folder, and every account.
Subfolders subfolders(const QString& path, const QList<FolderId>& taken)
{
    Subfolders result;
    const QByteArray encodedPath = QFile::encodeName(path);
    DIR* dir = ::opendir(encodedPath.constData());
    if (dir == nullptr) {
        return result;
    }
    bool sawOwnTemp = false;
    while (const dirent* entry = ::readdir(dir)) {
        const QByteArray raw(entry->d_name);
        // Dot-folders (and "." and "..") are other programs' business; our own half-made lists are swept.
        if (raw.startsWith('.')) {
            sawOwnTemp = sawOwnTemp || VdirWriter::isOwnTempName(raw);
            continue;
        }
        bool isFolder = entry->d_type == DT_DIR;
        if (entry->d_type == DT_LNK || entry->d_type == DT_UNKNOWN) {
            // A link to a folder counts as the folder, unless it leads back to one already read.
            struct stat info
            {
            };
            const bool found = ::stat((encodedPath + '/' + raw).constData(), &info) == 0;
            if (!found && errno == ELOOP) {
                ++result.skipped;
                continue;
            }
            isFolder = found && S_ISDIR(info.st_mode);
            if (isFolder && taken.contains(FolderId{info.st_dev, info.st_ino})) {
                ++result.skipped;
                continue;
            }
        }
        if (!isFolder) {
            continue;
        }
        const QString name = QFile::decodeName(raw);
        if (QFile::encodeName(name) != raw) {
            ++result.skipped;
        } else if (VdirScanner::isFolderName(name)) {
            result.names.append(name);
        }
    }
    ::closedir(dir);
    if (sawOwnTemp) {
        VdirWriter::sweepStaleTemps(path);
    }
    std::sort(result.names.begin(), result.names.end());
    return result;
}

// Whether the folder can be listed at all; one that cannot is skipped and counted, not shown empty.
bool canList(const QString& path)
{
    DIR* dir = ::opendir(QFile::encodeName(path).constData());
    if (dir == nullptr) {
        return false;
    }
    ::closedir(dir);
    return true;
}

// The folders on the first level, and the ones each account holds, without loops.
struct Walk
{
    Subfolders firstLevel;
    QList<FolderId> taken;
};

Walk walkFirstLevel(const QString& root)
{
    Walk walk;
    if (const auto id = folderId(QFile::encodeName(root))) {
        walk.taken.append(*id);
    }
    walk.firstLevel = subfolders(root, walk.taken);
    for (const QString& first : std::as_const(walk.firstLevel.names)) {
        if (const auto id = folderId(QFile::encodeName(root + QLatin1Char('/') + first))) {
            walk.taken.append(*id);
        }
    }
    return walk;
}

// Whether the folder holds any item file; stops at the first, as a list folder may hold many thousands.
bool hasItemFiles(const QString& path)
{
    QDirIterator files(path, QDir::Files);
    while (files.hasNext()) {
        files.next();
        if (VdirScanner::isItemFileName(files.fileName())) {
            return true;
        }
    }
    return false;
}

bool containsComponent(const QByteArray& upperBytes, const char* name)
{
    return upperBytes.contains(QByteArray("BEGIN:") + name);
}

VdirListFolder makeList(const QString& path, const QString& id, const QString& folderName, const StoreAccount& account)
{
    StoreList list;
    list.id = id;
    list.title = VdirScanner::readDisplayName(path).value_or(folderName);
    list.color = VdirScanner::readColor(path);
    list.account = account;
    return VdirListFolder{list, path};
}

} // namespace

bool VdirFolderKinds::holdsOnlyOtherItems(const QString& folderPath)
{
    struct stat info
    {
    };
    if (::stat(QFile::encodeName(folderPath).constData(), &info) != 0) {
        return false;
    }
    const qint64 mtimeNs = qint64(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec;
    const auto cached = m_verdicts.constFind(folderPath);
    if (cached != m_verdicts.cend() && cached->mtimeNs == mtimeNs) {
        return cached->onlyOtherItems;
    }
    bool sawOther = false;
    bool sawTodo = false;
    // Unsorted and stopping at the first to-do: a list of many thousand files is decided by its first few.
    QDirIterator files(folderPath, QDir::Files);
    while (files.hasNext()) {
        const QString path = files.next();
        if (!VdirScanner::isItemFileName(files.fileName())) {
            continue;
        }
        if (QFileInfo(path).size() > TodoDocument::maximumFileSize) {
            continue;
        }
        const QByteArray upper = readSmallFile(path, TodoDocument::maximumFileSize).value_or(QByteArray()).toUpper();
        if (containsComponent(upper, "VTODO")) {
            sawTodo = true;
            break;
        }
        sawOther = sawOther || containsComponent(upper, "VEVENT") || containsComponent(upper, "VJOURNAL");
    }
    const bool onlyOther = sawOther && !sawTodo;
    m_verdicts.insert(folderPath, Verdict{mtimeNs, onlyOther});
    return onlyOther;
}

namespace VdirScanner {

QString encodeIdPart(const QString& name)
{
    if (!name.contains(QLatin1Char('%')) && !name.contains(QLatin1Char(','))) {
        return name;
    }
    QString encoded;
    encoded.reserve(name.size() + 4);
    for (const QChar c : name) {
        if (c == QLatin1Char('%')) {
            encoded += QLatin1String("%25");
        } else if (c == QLatin1Char(',')) {
            encoded += QLatin1String("%2C");
        } else {
            encoded += c;
        }
    }
    return encoded;
}

bool isItemFileName(const QString& name)
{
    return !name.startsWith(QLatin1Char('.')) && !name.endsWith(QLatin1String(".tmp"), Qt::CaseInsensitive) &&
           name.endsWith(QLatin1String(".ics"), Qt::CaseInsensitive);
}

bool isFolderName(const QString& name)
{
    return !name.isEmpty() && !name.startsWith(QLatin1Char('.'));
}

VdirScan scanLists(const QString& root, VdirFolderKinds& kinds)
{
    VdirScan scan;
    const StoreAccount local{localAccountID, localAccountName};
    if (QFileInfo(root).isDir()) {
        scan.watched.append(root);
    }
    const Walk walk = walkFirstLevel(root);
    scan.skippedFolders = walk.firstLevel.skipped;
    for (const QString& first : walk.firstLevel.names) {
        const QString firstPath = root + QLatin1Char('/') + first;
        const QString firstID = encodeIdPart(first);
        if (!canList(firstPath)) {
            ++scan.skippedFolders;
            continue;
        }
        scan.watched.append(firstPath);
        if (hasItemFiles(firstPath)) {
            if (!kinds.holdsOnlyOtherItems(firstPath)) {
                scan.lists.append(makeList(firstPath, firstID, first, local));
            }
            continue;
        }
        const StoreAccount account =
            first == localAccountID ? local : StoreAccount{firstID, readDisplayName(firstPath).value_or(first)};
        const Subfolders secondLevel = subfolders(firstPath, walk.taken);
        scan.skippedFolders += secondLevel.skipped;
        for (const QString& second : secondLevel.names) {
            const QString listPath = firstPath + QLatin1Char('/') + second;
            if (!canList(listPath)) {
                ++scan.skippedFolders;
                continue;
            }
            scan.watched.append(listPath);
            if (!kinds.holdsOnlyOtherItems(listPath)) {
                scan.lists.append(
                    makeList(listPath, firstID + QLatin1Char('/') + encodeIdPart(second), second, account));
            }
        }
    }
    std::sort(scan.lists.begin(), scan.lists.end(),
              [](const VdirListFolder& a, const VdirListFolder& b) { return a.list.id < b.list.id; });
    return scan;
}

QStringList watchFolders(const QString& root)
{
    if (!QFileInfo(root).isDir()) {
        return {};
    }
    QStringList folders{root};
    const Walk walk = walkFirstLevel(root);
    for (const QString& first : walk.firstLevel.names) {
        const QString firstPath = root + QLatin1Char('/') + first;
        folders.append(firstPath);
        if (hasItemFiles(firstPath)) {
            continue;
        }
        for (const QString& second : subfolders(firstPath, walk.taken).names) {
            folders.append(firstPath + QLatin1Char('/') + second);
        }
    }
    return folders;
}

std::optional<QString> readDisplayName(const QString& folderPath)
{
    const auto bytes = readSmallFile(folderPath + QLatin1String("/displayname"), metadataLimit);
    if (!bytes) {
        return std::nullopt;
    }
    QString name = QString::fromUtf8(*bytes);
    if (name.startsWith(QChar(0xFEFF))) {
        name.remove(0, 1);
    }
    name = name.trimmed();
    if (name.isEmpty()) {
        return std::nullopt;
    }
    return name;
}

std::optional<QColor> readColor(const QString& folderPath)
{
    const auto bytes = readSmallFile(folderPath + QLatin1String("/color"), metadataLimit);
    if (!bytes) {
        return std::nullopt;
    }
    return parseColor(QString::fromUtf8(*bytes).trimmed());
}

std::optional<QColor> parseColor(const QString& text)
{
    if ((text.size() != 7 && text.size() != 9) || !text.startsWith(QLatin1Char('#'))) {
        return std::nullopt;
    }
    int channels[4] = {0, 0, 0, 255};
    for (qsizetype i = 0; i < (text.size() - 1) / 2; ++i) {
        bool ok = false;
        channels[i] = text.mid(1 + 2 * i, 2).toInt(&ok, 16);
        // toInt accepts a sign; a colour channel is two hex digits and nothing else.
        if (!ok || !text.at(1 + 2 * i).isLetterOrNumber() || !text.at(2 + 2 * i).isLetterOrNumber()) {
            return std::nullopt;
        }
    }
    return QColor(channels[0], channels[1], channels[2], channels[3]);
}

} // namespace VdirScanner
} // namespace tolvik
