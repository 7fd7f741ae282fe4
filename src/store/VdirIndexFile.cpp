#include "store/VdirIndexFile.h"

#include "store/VdirIndexFormat.h"

#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>

#include <sys/stat.h>
#include <unistd.h>
#include <zlib.h>

namespace tolvik::VdirIndexFile {

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

void prepare(QDataStream& stream)
{
    stream.setVersion(QDataStream::Qt_6_4);
    // The machine's own order: strings are then copied, not swapped unit by unit.
    stream.setByteOrder(QSysInfo::ByteOrder == QSysInfo::LittleEndian ? QDataStream::LittleEndian
                                                                      : QDataStream::BigEndian);
}

quint32 crcOf(const char* data, qint64 size, quint32 start)
{
    uLong crc = start;
    while (size > 0) {
        const auto chunk = uInt(qMin<qint64>(size, qint64(1) << 30));
        crc = ::crc32(crc, reinterpret_cast<const Bytef*>(data), chunk);
        data += chunk;
        size -= chunk;
    }
    return quint32(crc);
}

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

namespace {

// What is saved of a record must grow with it: a field added to one of these changes its size and stops the build
// here, so that the field is saved and read below and `formatVersion` is bumped. A field that fills padding does
// not change the size: StoreAlarm::hasAttachment and StoreReminder::alertSilenced did so, and are saved all the same.
// StoreReminder::alertEdit is a request to the next write, never part of a loaded reminder, and is not saved.
static_assert(sizeof(void*) != 8 || sizeof(StoreReminder) == 432, "save the new field of StoreReminder");
static_assert(sizeof(void*) != 8 || sizeof(StoreAlarm) == 72, "save the new field of StoreAlarm");
static_assert(sizeof(void*) != 8 || sizeof(VdirFileEntry) == 104, "save the new field of VdirFileEntry");

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

void write(QDataStream& out, const std::optional<QDateTime>& moment)
{
    out << bool(moment);
    if (moment) {
        write(out, *moment);
    }
}

void write(QDataStream& out, const std::optional<QString>& text)
{
    out << bool(text);
    if (text) {
        out << *text;
    }
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

void write(QDataStream& out, const StoreAlarm& alarm)
{
    out << qint32(alarm.action) << qint32(alarm.anchor) << qint32(alarm.offsetDays) << qint64(alarm.offsetSeconds);
    write(out, alarm.absoluteTime);
    out << qint32(alarm.repeat) << qint64(alarm.repeatIntervalSeconds);
    write(out, alarm.acknowledged);
    out << alarm.hasAttachment;
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

void write(QDataStream& out, const VdirFileKey& key)
{
    out << key.size << key.mtimeNs << key.inode << key.device << key.ctimeNs;
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
    quint32 m_crc = 0;
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

} // namespace tolvik::VdirIndexFile
