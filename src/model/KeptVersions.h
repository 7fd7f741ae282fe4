#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QObject>
#include <QString>

#include <optional>

namespace tolvik {

/// A version of a reminder that a sync set aside when the reminder was changed on two devices at once: the newer
/// change went into the file, and this is the other one.
struct KeptVersion
{
    /// Where the keeper holds it; only the keeper reads it.
    QString reference;
    QByteArray bytes;
    QDateTime keptAt;
    /// It came from the server (another device's change); else it was this computer's.
    bool fromServer = false;
};

/// The versions set aside, by account and reminder UID. The sync keeps them; the model offers them on the rows.
class KeptVersions : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;
    ~KeptVersions() override = default;

    virtual bool isEmpty() const = 0;
    /// Whether a version of the reminder with `uid` in the account is set aside.
    virtual bool contains(const QString& accountID, const QString& uid) const = 0;
    /// The newest version of it set aside, with its bytes; nothing when none is or it cannot be read.
    virtual std::optional<KeptVersion> newest(const QString& accountID, const QString& uid) const = 0;
    /// Lets a version go; false when it could not be removed.
    virtual bool discard(const KeptVersion& version) = 0;

Q_SIGNALS:
    /// Versions were set aside or let go.
    void changed();
};

} // namespace tolvik
