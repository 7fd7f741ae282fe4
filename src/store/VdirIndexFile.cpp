#include "store/VdirIndexFile.h"

#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTimeZone>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <zlib.h>

namespace tolvik::VdirIndexFile {

namespace {

// What is saved of a record must grow with it: a field added to one of these changes its size and stops the build
// here, so that the field is saved and read below and `formatVersion` is bumped. A field that fills padding does
// not change the size: StoreAlarm::hasAttachment and StoreReminder::alertSilenced did so, and are saved all the same.
// StoreReminder::alertEdit is a request to the next write, never part of a loaded reminder, and is not saved.
static_assert(sizeof(void*) != 8 || sizeof(StoreReminder) == 432, "save the new field of StoreReminder");
static_assert(sizeof(void*) != 8 || sizeof(StoreAlarm) == 72, "save the new field of StoreAlarm");
static_assert(sizeof(void*) != 8 || sizeof(VdirFileEntry) == 104, "save the new field of VdirFileEntry");

constexpr char magic[8] = {'T', 'V', 'K', 'I', 'N', 'D', 'E', 'X'};
// The header: magic, version, the payload's length and its CRC-32.
constexpr qint64 headerSize = sizeof(magic) + 4 + 8 + 4;
// Far above any real index (about 500 bytes a reminder); a larger file is not read at all.
constexpr qint64 maximumSize = qint64(2) << 30;

// What the saved moments were computed with: a new time zone database or another system zone could make a
// file read differently, so an index made under others is not used.
QByteArray zoneContext()
{
    QByteArray context = QTimeZone::systemTimeZoneId() + '|' + qgetenv("TZ");
    struct stat info
    {
    };
    for (const char* path : {"/usr/share/zoneinfo/tzdata.zi", "/usr/share/zoneinfo", "/etc/localtime"}) {
        if (::stat(path, &info) == 0) {
            context += '|' + QByteArray::number(qint64(info.st_size)) + ':' +
                       QByteArray::number(qint64(info.st_mtim.tv_sec)) + '.' +
                       QByteArray::number(qint64(info.st_mtim.tv_nsec));
        }
    }
    return context;
}

// Zones are saved by name; a zone that its name does not give back exactly cannot be saved.
class ZoneNames
{
public:
    bool savable(const QTimeZone& zone)
    {
        if (!zone.isValid()) {
            return true;
        }
        const QByteArray id = zone.id();
        auto known = m_savable.constFind(id);
        if (known == m_savable.cend()) {
            const QTimeZone again(id);
            known = m_savable.insert(id, again.isValid() && again == zone);
        }
        return *known;
    }

    QTimeZone zone(const QByteArray& id)
    {
        if (id.isEmpty()) {
            return QTimeZone();
        }
        auto known = m_zones.constFind(id);
        if (known == m_zones.cend()) {
            known = m_zones.insert(id, QTimeZone(id));
        }
        return *known;
    }

private:
    QHash<QByteArray, bool> m_savable;
    QHash<QByteArray, QTimeZone> m_zones;
};

enum MomentKind : quint8
{
    noMoment = 0,
    utcMoment = 1,
    offsetMoment = 2,
    zoneMoment = 3,
    wallClockMoment = 4,
};

bool savable(const QDateTime& moment, ZoneNames& zones)
{
    return !moment.isValid() || moment.timeSpec() != Qt::TimeZone || zones.savable(moment.timeZone());
}

bool savable(const std::optional<QDateTime>& moment, ZoneNames& zones)
{
    return !moment || savable(*moment, zones);
}

bool savable(const std::optional<DueDateComponents>& components, ZoneNames& zones)
{
    return !components || zones.savable(components->timeZone);
}

// Whether the reminder can be saved and read back exactly; a repeating one keeps its parsed rules, which are not
// saved, so it is parsed again at the next start.
bool savable(const StoreReminder& reminder, ZoneNames& zones)
{
    if (reminder.series || !reminder.recurrenceRules.isEmpty()) {
        return false;
    }
    bool ok = savable(reminder.completionDate, zones) && savable(reminder.due, zones) &&
              savable(reminder.start, zones) && savable(reminder.lastAcknowledged, zones) &&
              savable(reminder.snoozedUntil, zones);
    for (const StoreAlarm& alarm : reminder.alarms) {
        ok = ok && savable(alarm.absoluteTime, zones) && savable(alarm.acknowledged, zones);
    }
    for (const QDateTime& snooze : reminder.occurrenceSnoozes) {
        ok = ok && savable(snooze, zones);
    }
    return ok;
}

void write(QDataStream& out, const QDateTime& moment)
{
    if (!moment.isValid()) {
        out << quint8(noMoment);
        return;
    }
    switch (moment.timeSpec()) {
    case Qt::UTC:
        out << quint8(utcMoment) << qint64(moment.toMSecsSinceEpoch());
        break;
    case Qt::OffsetFromUTC:
        out << quint8(offsetMoment) << qint64(moment.toMSecsSinceEpoch()) << qint32(moment.offsetFromUtc());
        break;
    case Qt::TimeZone:
        out << quint8(zoneMoment) << qint64(moment.toMSecsSinceEpoch()) << moment.timeZone().id();
        break;
    case Qt::LocalTime:
        // Local time is saved as the wall clock, which is what a file's floating time says.
        out << quint8(wallClockMoment) << qint64(moment.date().toJulianDay())
            << qint32(moment.time().msecsSinceStartOfDay());
        break;
    }
}

QDateTime readMoment(QDataStream& in, ZoneNames& zones)
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
        in.setStatus(QDataStream::ReadCorruptData);
        return QDateTime();
    }
}

void write(QDataStream& out, const std::optional<QDateTime>& moment)
{
    out << bool(moment);
    if (moment) {
        write(out, *moment);
    }
}

std::optional<QDateTime> readOptionalMoment(QDataStream& in, ZoneNames& zones)
{
    bool present = false;
    in >> present;
    return present ? std::optional<QDateTime>(readMoment(in, zones)) : std::nullopt;
}

void write(QDataStream& out, const std::optional<QString>& text)
{
    out << bool(text);
    if (text) {
        out << *text;
    }
}

std::optional<QString> readOptionalText(QDataStream& in)
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

void write(QDataStream& out, const std::optional<DueDateComponents>& components)
{
    out << bool(components);
    if (components) {
        out << qint64(components->date.toJulianDay())
            << qint32(components->time ? components->time->msecsSinceStartOfDay() : -1)
            << (components->timeZone.isValid() ? components->timeZone.id() : QByteArray());
    }
}

std::optional<DueDateComponents> readComponents(QDataStream& in, ZoneNames& zones)
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

void write(QDataStream& out, const StoreAlarm& alarm)
{
    out << qint32(alarm.action) << qint32(alarm.anchor) << qint32(alarm.offsetDays) << qint64(alarm.offsetSeconds);
    write(out, alarm.absoluteTime);
    out << qint32(alarm.repeat) << qint64(alarm.repeatIntervalSeconds);
    write(out, alarm.acknowledged);
    out << alarm.hasAttachment;
}

StoreAlarm readAlarm(QDataStream& in, ZoneNames& zones)
{
    StoreAlarm alarm;
    qint32 action = 0;
    qint32 anchor = 0;
    qint32 days = 0;
    qint64 seconds = 0;
    in >> action >> anchor >> days >> seconds;
    if (action < 0 || action > qint32(AlarmAction::other) || anchor < 0 || anchor > qint32(AlarmAnchor::due)) {
        in.setStatus(QDataStream::ReadCorruptData);
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

// The id and list of a reminder follow from where its file lies, and are not saved.
void write(QDataStream& out, const StoreReminder& reminder)
{
    out << reminder.title << reminder.isCompleted;
    write(out, reminder.completionDate);
    write(out, reminder.due);
    write(out, reminder.notes);
    out << qint32(reminder.priority);
    write(out, reminder.start);
    out << quint32(reminder.alarms.size());
    for (const StoreAlarm& alarm : reminder.alarms) {
        write(out, alarm);
    }
    write(out, reminder.lastAcknowledged);
    write(out, reminder.snoozedUntil);
    out << quint32(reminder.occurrenceSnoozes.size());
    for (auto snooze = reminder.occurrenceSnoozes.cbegin(); snooze != reminder.occurrenceSnoozes.cend(); ++snooze) {
        out << snooze.key();
        write(out, snooze.value());
    }
    out << reminder.uid << reminder.categories;
    write(out, reminder.parentUID);
    out << reminder.childUIDs << reminder.alertSilenced;
}

// A count that a file this size cannot hold is damage.
bool plausible(QDataStream& in, quint32 count)
{
    if (count > quint32(1) << 24) {
        in.setStatus(QDataStream::ReadCorruptData);
        return false;
    }
    return true;
}

StoreReminder readReminder(QDataStream& in, ZoneNames& zones)
{
    StoreReminder reminder;
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
    for (quint32 i = 0; plausible(in, alarms) && i < alarms && in.status() == QDataStream::Ok; ++i) {
        reminder.alarms.append(readAlarm(in, zones));
    }
    reminder.lastAcknowledged = readOptionalMoment(in, zones);
    reminder.snoozedUntil = readOptionalMoment(in, zones);
    quint32 snoozes = 0;
    in >> snoozes;
    for (quint32 i = 0; plausible(in, snoozes) && i < snoozes && in.status() == QDataStream::Ok; ++i) {
        QString key;
        in >> key;
        reminder.occurrenceSnoozes.insert(key, readMoment(in, zones));
    }
    in >> reminder.uid >> reminder.categories;
    reminder.parentUID = readOptionalText(in);
    in >> reminder.childUIDs >> reminder.alertSilenced;
    return reminder;
}

void write(QDataStream& out, const VdirFileKey& key)
{
    out << key.size << key.mtimeNs << key.inode << key.device << key.ctimeNs;
}

VdirFileKey readKey(QDataStream& in)
{
    VdirFileKey key;
    in >> key.size >> key.mtimeNs >> key.inode >> key.device >> key.ctimeNs;
    return key;
}

void prepare(QDataStream& stream)
{
    stream.setVersion(QDataStream::Qt_6_4);
    // The machine's own order: strings are then copied, not swapped unit by unit.
    stream.setByteOrder(QSysInfo::ByteOrder == QSysInfo::LittleEndian ? QDataStream::LittleEndian
                                                                      : QDataStream::BigEndian);
}

quint32 crcOf(const char* data, qint64 size, uLong crc = ::crc32(0L, nullptr, 0))
{
    while (size > 0) {
        const auto chunk = uInt(qMin<qint64>(size, qint64(1) << 30));
        crc = ::crc32(crc, reinterpret_cast<const Bytef*>(data), chunk);
        data += chunk;
        size -= chunk;
    }
    return quint32(crc);
}

// Passes what is written on to `target` in large pieces, keeping the CRC-32 and length of it, so that the payload
// goes to the file as it is made instead of being built in memory first: at many reminders that copy would be
// the largest thing the process ever holds.
class ChecksummingWriter : public QIODevice
{
public:
    explicit ChecksummingWriter(QIODevice* target)
        : m_target(target)
    {
        m_pending.reserve(pieceSize);
        open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    }

    /// Writes out what is pending; false when the target refused some of it.
    bool finish()
    {
        passOn();
        return m_ok;
    }
    quint32 crc() const { return m_crc; }
    qint64 length() const { return m_length; }

protected:
    qint64 readData(char* /*data*/, qint64 /*maxSize*/) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override
    {
        m_pending.append(data, qsizetype(size));
        if (m_pending.size() >= pieceSize) {
            passOn();
        }
        return m_ok ? size : -1;
    }

private:
    static constexpr qsizetype pieceSize = 256 * 1024;

    void passOn()
    {
        if (m_pending.isEmpty()) {
            return;
        }
        m_ok = m_ok && m_target->write(m_pending) == m_pending.size();
        m_crc = crcOf(m_pending.constData(), m_pending.size(), m_crc);
        m_length += m_pending.size();
        m_pending.resize(0);
    }

    QIODevice* m_target;
    QByteArray m_pending;
    quint32 m_crc = quint32(::crc32(0L, nullptr, 0));
    qint64 m_length = 0;
    bool m_ok = true;
};

void writePayload(QIODevice* device, const QString& root,
                  const QList<std::shared_ptr<const VdirFolderSnapshot>>& folders)
{
    QDataStream out(device);
    prepare(out);
    out << root << zoneContext() << quint32(folders.size());
    ZoneNames zones;
    for (const auto& folder : folders) {
        QList<const VdirFileEntry*> entries;
        entries.reserve(folder->files.size());
        for (const VdirFileEntry& entry : folder->files) {
            // An entry of unknown identity is to be read again anyway.
            const StoreReminder* reminder = folder->reminderOf(entry);
            if (entry.key.size >= 0 && (reminder == nullptr || savable(*reminder, zones))) {
                entries.append(&entry);
            }
        }
        out << folder->listID << folder->path << quint32(entries.size());
        for (const VdirFileEntry* entry : std::as_const(entries)) {
            out << entry->fileName;
            write(out, entry->key);
            const StoreReminder* reminder = folder->reminderOf(*entry);
            out << qint32(entry->skipped) << entry->uid << qint32(entry->otherTodos) << (reminder != nullptr);
            if (reminder != nullptr) {
                write(out, *reminder);
            }
        }
    }
}

// Reads exactly `size` bytes at `offset`.
bool readAt(int fd, char* data, qint64 size, qint64 offset)
{
    while (size > 0) {
        const ssize_t n = ::pread(fd, data, size_t(size), off_t(offset));
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        data += n;
        size -= n;
        offset += n;
    }
    return true;
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
        uLong sum = ::crc32(0L, nullptr, 0);
        for (qint64 at = 0; at < length;) {
            const qint64 size = qMin<qint64>(piece.size(), length - at);
            if (!readAt(m_fd, piece.data(), size, headerSize + at)) {
                return;
            }
            sum = crcOf(piece.constData(), size, sum);
            at += size;
        }
        m_file.emplace();
        m_ok = sum == crc && m_file->open(m_fd, QIODevice::ReadOnly, QFileDevice::DontCloseHandle) &&
               m_file->seek(headerSize);
    }
    ~CheckedIndex()
    {
        m_file.reset();
        if (m_fd >= 0) {
            ::close(m_fd);
        }
    }
    CheckedIndex(const CheckedIndex&) = delete;
    CheckedIndex& operator=(const CheckedIndex&) = delete;

    /// The payload to read, or null when the index cannot be used.
    QIODevice* payload() { return m_ok ? &*m_file : nullptr; }

private:
    int m_fd = -1;
    std::optional<QFile> m_file;
    bool m_ok = false;
};

} // namespace

bool save(const QString& path, const QString& root, const QList<std::shared_ptr<const VdirFolderSnapshot>>& folders)
{
    const auto headerOf = [](qint64 length, quint32 crc) {
        QByteArray header;
        QDataStream out(&header, QIODevice::WriteOnly);
        prepare(out);
        out.writeRawData(magic, sizeof(magic));
        out << formatVersion << length << crc;
        return header;
    };
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    file.setDirectWriteFallback(false);
    // The header's length and CRC are known only at the end: a placeholder first, written over once they are.
    // It holds every title and note: for the user's eyes only, like the files it was read from should be.
    if (!file.open(QIODevice::WriteOnly) || !file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner) ||
        file.write(headerOf(0, 0)) != headerSize) {
        return false;
    }
    ChecksummingWriter payload(&file);
    writePayload(&payload, root, folders);
    if (!payload.finish() || !file.seek(0)) {
        file.cancelWriting();
        return false;
    }
    return file.write(headerOf(payload.length(), payload.crc())) == headerSize && file.commit();
}

std::optional<Folders> load(const QString& path, const QString& root)
{
    CheckedIndex index(path);
    if (index.payload() == nullptr) {
        return std::nullopt;
    }
    QDataStream in(index.payload());
    prepare(in);
    QString savedRoot;
    QByteArray context;
    quint32 folderCount = 0;
    in >> savedRoot >> context >> folderCount;
    if (in.status() != QDataStream::Ok || savedRoot != root || context != zoneContext() ||
        !plausible(in, folderCount)) {
        return std::nullopt;
    }
    Folders folders;
    ZoneNames zones;
    for (quint32 f = 0; f < folderCount && in.status() == QDataStream::Ok; ++f) {
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
        for (quint32 i = 0; i < fileCount && in.status() == QDataStream::Ok; ++i) {
            VdirFileEntry entry;
            qint32 skipped = 0;
            qint32 others = 0;
            bool hasReminder = false;
            in >> entry.fileName;
            entry.key = readKey(in);
            in >> skipped >> entry.uid >> others >> hasReminder;
            if (skipped < 0 || skipped > qint32(VdirSkipReason::otherTodo) || others < 0 ||
                (!files.isEmpty() && !(files.constLast().fileName < entry.fileName))) {
                in.setStatus(QDataStream::ReadCorruptData);
                break;
            }
            entry.skipped = VdirSkipReason(skipped);
            entry.otherTodos = others;
            if (hasReminder) {
                StoreReminder& reminder = snapshot->run.emplaceBack(readReminder(in, zones));
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
    if (in.status() != QDataStream::Ok || !in.atEnd()) {
        return std::nullopt;
    }
    return folders;
}

} // namespace tolvik::VdirIndexFile
