#pragma once

#include "model/KeptVersions.h"

#include <QHash>
#include <QList>
#include <QStringList>

namespace tolvik {

/// The versions `ConflictResolver` set aside, read from each account's conflicts folder and offered to the model
/// by account and UID. `reload` reads the folders again (after a sync, which is when versions are set aside).
class ConflictArchive : public KeptVersions
{
    Q_OBJECT

public:
    explicit ConflictArchive(QObject* parent = nullptr);

    /// Reads the conflicts folders of these accounts; emits `changed` when what is set aside differs.
    void reload(const QStringList& accountIDs);

    bool isEmpty() const override { return m_index.isEmpty(); }
    bool contains(const QString& accountID, const QString& uid) const override;
    std::optional<KeptVersion> newest(const QString& accountID, const QString& uid) const override;
    bool discard(const KeptVersion& version) override;

private:
    struct Entry
    {
        QString path;
        QDateTime keptAt;
        bool fromServer = false;

        friend bool operator==(const Entry&, const Entry&) = default;
    };
    /// By account and UID, oldest first.
    QHash<QString, QList<Entry>> m_index;
};

} // namespace tolvik
