#pragma once

#include <QByteArray>
#include <QHash>
#include <QTimeZone>
#include <QtGlobal>

class QDataStream;

// What the saving and the reading of the store's index share: the header, the time zone context and how moments
// are kept.
namespace tolvik::VdirIndexFile {

constexpr char magic[8] = {'T', 'V', 'K', 'I', 'N', 'D', 'E', 'X'};
// The header: magic, version, the payload's length and its CRC-32.
constexpr qint64 headerSize = sizeof(magic) + 4 + 8 + 4;
// Far above any real index (about 500 bytes a reminder); a larger file is not read at all.
constexpr qint64 maximumSize = qint64(2) << 30;

/// What the saved moments were computed with: a new time zone database or another system zone could make a file
/// read differently, so an index made under others is not used.
QByteArray zoneContext();

/// Zones are saved by name; a zone that its name does not give back exactly cannot be saved.
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

/// Sets the stream's version and byte order, those of every index.
void prepare(QDataStream& stream);

/// The CRC-32 of `data`, continued from `crc`.
quint32 crcOf(const char* data, qint64 size, quint32 crc = 0);

/// Reads exactly `size` bytes at `offset`.
bool readAt(int fd, char* data, qint64 size, qint64 offset);

} // namespace tolvik::VdirIndexFile
