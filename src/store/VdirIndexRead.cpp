#include "store/VdirIndexFile.h"

#include "store/VdirIndexFormat.h"

#include <QDataStream>
#include <QFile>

#include <cstring>
#include <type_traits>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tolvik::VdirIndexFile {

namespace {

// Reads what a QDataStream of the index's version and byte order wrote, from the file in large pieces: the index
// is read at every start, and a stream's call into its device for each field was much of what that cost.
class IndexReader
{
public:
    IndexReader(int fd, qint64 offset, qint64 length)
        : m_fd(fd)
        , m_next(offset)
        , m_end(offset + length)
        , m_buffer(qsizetype(qMin<qint64>(length, pieceSize)), Qt::Uninitialized)
    {}

    bool ok() const { return m_ok; }
    void fail() { m_ok = false; }
    bool atEnd() const { return m_at == m_filled && m_next == m_end; }

    template <typename T>
    requires(std::is_arithmetic_v<T> && !std::is_same_v<T, bool>) IndexReader& operator>>(T& value)
    {
        const char* data = take(sizeof(T));
        value = T();
        if (data != nullptr) {
            std::memcpy(&value, data, sizeof(T));
        }
        return *this;
    }

    IndexReader& operator>>(bool& value)
    {
        qint8 byte = 0;
        *this >> byte;
        value = byte != 0;
        return *this;
    }

    // As a stream reads them: a null string stays null, and an empty one is empty but not null.
    IndexReader& operator>>(QString& text)
    {
        quint32 bytes = 0;
        *this >> bytes;
        text = QString();
        if (!m_ok || bytes == nullLength) {
            return *this;
        }
        if (bytes % 2 != 0) {
            fail();
            return *this;
        }
        if (bytes == 0) {
            text = QString(QLatin1String(""));
            return *this;
        }
        if (const char* data = take(bytes)) {
            text.resize(qsizetype(bytes / 2));
            std::memcpy(text.data(), data, bytes);
        }
        return *this;
    }

    IndexReader& operator>>(QByteArray& bytes)
    {
        quint32 size = 0;
        *this >> size;
        bytes = QByteArray();
        if (!m_ok || size == nullLength) {
            return *this;
        }
        if (const char* data = take(size)) {
            bytes = QByteArray(data, qsizetype(size));
        }
        return *this;
    }

    IndexReader& operator>>(QStringList& list)
    {
        quint32 count = 0;
        *this >> count;
        list.clear();
        // Each string takes four bytes at least: a larger count is damage, and must not reserve that much.
        if (!m_ok || count > (m_end - m_next + m_filled - m_at) / 4) {
            fail();
            return *this;
        }
        list.reserve(qsizetype(count));
        for (quint32 i = 0; i < count && m_ok; ++i) {
            QString text;
            *this >> text;
            list.append(std::move(text));
        }
        if (!m_ok) {
            list.clear();
        }
        return *this;
    }

private:
    static constexpr qint64 pieceSize = 1 << 20;
    static constexpr quint32 nullLength = 0xffffffff;

    // The next `size` bytes, read from the file as needed; null past the end or when reading failed.
    const char* take(qint64 size)
    {
        if (!m_ok) {
            return nullptr;
        }
        if (m_filled - m_at < size) {
            const qint64 left = m_filled - m_at;
            if (size > left + (m_end - m_next)) {
                fail();
                return nullptr;
            }
            if (size > m_buffer.size()) {
                m_buffer.resize(qsizetype(size));
            }
            std::memmove(m_buffer.data(), m_buffer.constData() + m_at, size_t(left));
            const qint64 more = qMin<qint64>(m_buffer.size() - left, m_end - m_next);
            if (!readAt(m_fd, m_buffer.data() + left, more, m_next)) {
                fail();
                return nullptr;
            }
            m_next += more;
            m_at = 0;
            m_filled = left + more;
        }
        const char* data = m_buffer.constData() + m_at;
        m_at += size;
        return data;
    }

    int m_fd;
    qint64 m_next;
    qint64 m_end;
    QByteArray m_buffer;
    qint64 m_at = 0;
    qint64 m_filled = 0;
    bool m_ok = true;
};

QDateTime readMoment(IndexReader& in, ZoneNames& zones)
{
    quint8 kind = noMoment;
    in >> kind;
    qint64 value = 0;
    switch (kind) {
    case utcMoment:
        in >> value;
        return QDateTime::fromMSecsSinceEpoch(value, Qt::UTC);
    case offsetMoment: {
        qint32 offset = 0;
        in >> value >> offset;
        return QDateTime::fromMSecsSinceEpoch(value, Qt::OffsetFromUTC, offset);
    }
    case zoneMoment: {
        QByteArray id;
        in >> value >> id;
        return QDateTime::fromMSecsSinceEpoch(value, zones.zone(id));
    }
    case wallClockMoment: {
        qint32 ms = 0;
        in >> value >> ms;
        return QDateTime(QDate::fromJulianDay(value), QTime::fromMSecsSinceStartOfDay(ms));
    }
    case noMoment:
        return QDateTime();
    default:
        in.fail();
        return QDateTime();
    }
}

std::optional<QDateTime> readOptionalMoment(IndexReader& in, ZoneNames& zones)
{
    bool present = false;
    in >> present;
    return present ? std::optional<QDateTime>(readMoment(in, zones)) : std::nullopt;
}

std::optional<QString> readOptionalText(IndexReader& in)
{
    bool present = false;
    in >> present;
    if (!present) {
        return std::nullopt;
    }
    QString text;
    in >> text;
    return text;
}

std::optional<DueDateComponents> readComponents(IndexReader& in, ZoneNames& zones)
{
    bool present = false;
    in >> present;
    if (!present) {
        return std::nullopt;
    }
    qint64 day = 0;
    qint32 ms = -1;
    QByteArray zone;
    in >> day >> ms >> zone;
    DueDateComponents components{QDate::fromJulianDay(day), std::nullopt, zones.zone(zone)};
    if (ms >= 0) {
        components.time = QTime::fromMSecsSinceStartOfDay(ms);
    }
    return components;
}

StoreAlarm readAlarm(IndexReader& in, ZoneNames& zones)
{
    StoreAlarm alarm;
    qint32 action = 0;
    qint32 anchor = 0;
    qint32 days = 0;
    qint64 seconds = 0;
    in >> action >> anchor >> days >> seconds;
    if (action < 0 || action > qint32(AlarmAction::other) || anchor < 0 || anchor > qint32(AlarmAnchor::due)) {
        in.fail();
    }
    alarm.action = AlarmAction(action);
    alarm.anchor = AlarmAnchor(anchor);
    alarm.offsetDays = days;
    alarm.offsetSeconds = seconds;
    alarm.absoluteTime = readOptionalMoment(in, zones);
    qint32 repeat = 0;
    qint64 interval = 0;
    in >> repeat >> interval;
    alarm.repeat = repeat;
    alarm.repeatIntervalSeconds = interval;
    alarm.acknowledged = readOptionalMoment(in, zones);
    in >> alarm.hasAttachment;
    return alarm;
}

// A count that a file this size cannot hold is damage.
bool plausible(IndexReader& in, quint32 count)
{
    if (count > quint32(1) << 24) {
        in.fail();
        return false;
    }
    return true;
}

// Into `reminder`, a new record in its final place: a start then moves none.
void readReminder(IndexReader& in, ZoneNames& zones, StoreReminder& reminder)
{
    in >> reminder.title >> reminder.isCompleted;
    reminder.completionDate = readOptionalMoment(in, zones);
    reminder.due = readComponents(in, zones);
    reminder.notes = readOptionalText(in);
    qint32 priority = 0;
    in >> priority;
    reminder.priority = priority;
    reminder.start = readComponents(in, zones);
    quint32 alarms = 0;
    in >> alarms;
    for (quint32 i = 0; plausible(in, alarms) && i < alarms && in.ok(); ++i) {
        reminder.alarms.append(readAlarm(in, zones));
    }
    reminder.lastAcknowledged = readOptionalMoment(in, zones);
    reminder.snoozedUntil = readOptionalMoment(in, zones);
    quint32 snoozes = 0;
    in >> snoozes;
    for (quint32 i = 0; plausible(in, snoozes) && i < snoozes && in.ok(); ++i) {
        QString key;
        in >> key;
        reminder.occurrenceSnoozes.insert(key, readMoment(in, zones));
    }
    in >> reminder.uid >> reminder.categories;
    reminder.parentUID = readOptionalText(in);
    in >> reminder.childUIDs >> reminder.alertSilenced;
}

VdirFileKey readKey(IndexReader& in)
{
    VdirFileKey key;
    in >> key.size >> key.mtimeNs >> key.inode >> key.device >> key.ctimeNs;
    return key;
}

// An open index file whose header and CRC have been checked, positioned at its payload; nothing for anything but
// a regular file of a sane size with a matching header and CRC. A FIFO must not stall the start, and a link
// could lead anywhere. The payload is checked in pieces and then read from the file, never held whole.
class CheckedIndex
{
public:
    explicit CheckedIndex(const QString& path)
    {
        m_fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        struct stat info
        {
        };
        if (m_fd < 0 || ::fstat(m_fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_size < headerSize ||
            info.st_size > maximumSize) {
            return;
        }
        QByteArray header(headerSize, Qt::Uninitialized);
        if (!readAt(m_fd, header.data(), headerSize, 0)) {
            return;
        }
        QDataStream in(header);
        prepare(in);
        char seen[sizeof(magic)] = {};
        quint32 version = 0;
        qint64 length = 0;
        quint32 crc = 0;
        in.readRawData(seen, sizeof(seen));
        in >> version >> length >> crc;
        if (in.status() != QDataStream::Ok || std::memcmp(seen, magic, sizeof(magic)) != 0 ||
            version != formatVersion || length != info.st_size - headerSize) {
            return;
        }
        QByteArray piece(qsizetype(qMin<qint64>(length, 1 << 20)), Qt::Uninitialized);
        quint32 sum = 0;
        for (qint64 at = 0; at < length;) {
            const qint64 size = qMin<qint64>(piece.size(), length - at);
            if (!readAt(m_fd, piece.data(), size, headerSize + at)) {
                return;
            }
            sum = crcOf(piece.constData(), size, sum);
            at += size;
        }
        if (quint32(sum) == crc) {
            m_payload.emplace(m_fd, headerSize, length);
        }
    }
    ~CheckedIndex()
    {
        if (m_fd >= 0) {
            ::close(m_fd);
        }
    }
    CheckedIndex(const CheckedIndex&) = delete;
    CheckedIndex& operator=(const CheckedIndex&) = delete;

    /// The payload to read, or null when the index cannot be used.
    IndexReader* payload() { return m_payload ? &*m_payload : nullptr; }

private:
    int m_fd = -1;
    std::optional<IndexReader> m_payload;
};

} // namespace

std::optional<Folders> load(const QString& path, const QString& root)
{
    CheckedIndex index(path);
    if (index.payload() == nullptr) {
        return std::nullopt;
    }
    IndexReader& in = *index.payload();
    QString savedRoot;
    QByteArray context;
    quint32 folderCount = 0;
    in >> savedRoot >> context >> folderCount;
    if (!in.ok() || savedRoot != root || context != zoneContext() || !plausible(in, folderCount)) {
        return std::nullopt;
    }
    Folders folders;
    ZoneNames zones;
    for (quint32 f = 0; f < folderCount && in.ok(); ++f) {
        auto snapshot = std::make_shared<VdirFolderSnapshot>();
        quint32 fileCount = 0;
        in >> snapshot->listID >> snapshot->path >> fileCount;
        if (!plausible(in, fileCount)) {
            break;
        }
        // Records are read straight into their places, so that a start holds and touches each one once.
        QList<VdirFileEntry>& files = snapshot->files;
        files.reserve(fileCount);
        snapshot->run.reserve(fileCount);
        snapshot->byReminderID.reserve(fileCount);
        for (quint32 i = 0; i < fileCount && in.ok(); ++i) {
            VdirFileEntry entry;
            qint32 skipped = 0;
            qint32 others = 0;
            bool hasReminder = false;
            in >> entry.fileName;
            entry.key = readKey(in);
            in >> skipped >> entry.uid >> others >> hasReminder;
            if (skipped < 0 || skipped > qint32(VdirSkipReason::otherTodo) || others < 0 ||
                (!files.isEmpty() && !(files.constLast().fileName < entry.fileName))) {
                in.fail();
                break;
            }
            entry.skipped = VdirSkipReason(skipped);
            entry.otherTodos = others;
            if (hasReminder) {
                StoreReminder& reminder = snapshot->run.emplaceBack();
                readReminder(in, zones, reminder);
                reminder.id = vdirReminderID(snapshot->listID, entry.fileName);
                reminder.listID = snapshot->listID;
                if (reminder.uid == entry.uid) {
                    reminder.uid = entry.uid;
                }
                entry.reminderAt = snapshot->run.size() - 1;
                snapshot->byReminderID.insert(reminder.id, files.size());
            }
            files.append(std::move(entry));
        }
        if (snapshot->run.size() < snapshot->run.capacity()) {
            snapshot->run.squeeze();
        }
        snapshot->revision = vdirNewRevision();
        const QString id = snapshot->listID;
        folders.insert(id, std::move(snapshot));
    }
    if (!in.ok() || !in.atEnd()) {
        return std::nullopt;
    }
    return folders;
}

} // namespace tolvik::VdirIndexFile
