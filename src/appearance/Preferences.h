#pragma once

#include <QObject>
#include <QSet>
#include <QSettings>
#include <QString>
#include <QVariantMap>

#include <memory>
#include <optional>

namespace tolvik {

/// The stored keys.
namespace PreferenceKey {
inline const QString selectedAccountIDs = QStringLiteral("selectedAccountIDs");
inline const QString selectedListIDs = QStringLiteral("selectedListIDs");
inline const QString menuSizePreference = QStringLiteral("menuSizePreference");
inline const QString menuTransparencyPreference = QStringLiteral("menuTransparencyPreference");
inline const QString themePreference = QStringLiteral("themePreference");
inline const QString languagePreference = QStringLiteral("languagePreference");
inline const QString autoRefreshEnabled = QStringLiteral("autoRefreshEnabled");
inline const QString reminderTimeframe = QStringLiteral("reminderTimeframe");
/// Whether due reminders ring as desktop notifications (absent means yes).
inline const QString notifyWhenDue = QStringLiteral("notifyWhenDue");
/// The time of day ("HH:mm") at which reminders due on a day without a time ring (absent means 09:00).
inline const QString allDayAlarmTime = QStringLiteral("allDayAlarmTime");
inline const QString quickAddListID = QStringLiteral("quickAddListID");
} // namespace PreferenceKey

/// The user's stored preferences: an INI file under $XDG_CONFIG_HOME, a volatile layer of registered defaults,
/// and one `changed(key)` signal for every write, whoever writes.
class Preferences : public QObject
{
    Q_OBJECT

public:
    /// Preferences in the user's standard settings file.
    explicit Preferences(QObject* parent = nullptr);
    /// Preferences in the INI file at `iniPath`; tests use a temp file.
    explicit Preferences(const QString& iniPath, QObject* parent = nullptr);
    ~Preferences() override;

    /// The process-wide instance every component shares.
    static Preferences& shared();
    /// Makes `preferences` the shared instance (or restores the standard one with nullptr). Not owned.
    static void setShared(Preferences* preferences);

    /// Whether a value is stored under the key (registered defaults do not count).
    bool contains(const QString& key) const;
    /// The stored text, else the registered default, else nothing.
    std::optional<QString> string(const QString& key) const;
    /// The stored text, else the registered default, else `fallback`.
    QString string(const QString& key, const QString& fallback) const;
    /// The stored value when it is a boolean (a bool, or the text "true" or "false"); otherwise nothing.
    std::optional<bool> boolean(const QString& key) const;
    /// The stored value converted to an integer; an absent or unconvertible value reads as 0.
    int integer(const QString& key) const;

    void setString(const QString& key, const QString& value);
    void setBoolean(const QString& key, bool value);
    void setInteger(const QString& key, int value);
    /// Removes the stored value, so that reads fall back to defaults.
    void remove(const QString& key);

    /// Adds volatile defaults that reads fall back to; they are never written to the file.
    void registerDefaults(const QVariantMap& defaults);

    /// Writes pending changes to disk.
    void sync();
    /// The path of the backing file.
    QString fileName() const;

    /// Reads an ID set: split at commas, empty pieces dropped, no trimming, repeats collapsed.
    static QSet<QString> decodeIDSet(const QString& stored);
    /// Writes an ID set: members sorted by code point and joined with single commas.
    static QString encodeIDSet(const QSet<QString>& ids);

Q_SIGNALS:
    void changed(const QString& key);

private:
    void write(const QString& key, const QVariant& value);

    std::unique_ptr<QSettings> m_settings;
    QVariantMap m_registered;
};

} // namespace tolvik
