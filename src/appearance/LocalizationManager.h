#pragma once

#include "appearance/SupportedLanguage.h"

#include <QLocale>
#include <QString>
#include <QStringList>

#include <map>
#include <memory>
#include <optional>

class QTranslator;

namespace tolvik {

/// Turns text keys into the texts of the current interface language. The language is read from "languagePreference"
/// on every call, so a change in the settings shows on the next render; looked-up texts are never cached. Only the
/// loaded string tables are kept, one per language. Main thread only.
class LocalizationManager
{
public:
    /// The one instance. Creating it registers the volatile default "languagePreference" = "system".
    static LocalizationManager& shared();

    LocalizationManager(const LocalizationManager&) = delete;
    LocalizationManager& operator=(const LocalizationManager&) = delete;
    ~LocalizationManager();

    /// The language the stored preference names; absent or unknown means `system`.
    SupportedLanguage currentLanguage() const;

    /// The text of `key` in the current language; the key itself when no table has it.
    QString localizedString(const QString& key) const;
    /// The plural form of `key` for `count`, with every %n replaced by `count` in the table's number format.
    QString localizedString(const QString& key, int count) const;

    /// The locale of the table the texts come from, for words composed with them (weekday names); the system's
    /// locale when no table is loaded.
    QLocale textLocale() const;

    /// The locale for dates: the named language's locale, or the user's current locale for "system" and for a string
    /// that names no language.
    static QLocale displayLocale(const QString& storedLanguage);
    /// The display locale of the stored preference.
    QLocale displayLocale() const;

    /// The languages whose string table can be loaded from the current resource root, in picker order.
    QList<SupportedLanguage> availableLanguages() const;
    /// The language the system lookup uses: the first of the user's preferred languages (QLocale::uiLanguages
    /// form) that is available, otherwise English when available, otherwise nothing.
    static std::optional<SupportedLanguage> resolveSystemLanguage(const QStringList& uiLanguages,
                                                                  const QList<SupportedLanguage>& available);

    /// The folder that holds the `<code>.lproj` folders; ":/" (the embedded resources) unless a test points it
    /// elsewhere. Setting it drops the loaded tables.
    QString resourceRoot() const { return m_resourceRoot; }
    void setResourceRoot(const QString& root);
    static QString defaultResourceRoot();

private:
    LocalizationManager();

    /// The table the lookup reads for the current language, after the folder and system fallbacks.
    const QTranslator* activeTable() const;
    /// The loaded table of one language, or nullptr when its folder is missing or unreadable.
    const QTranslator* table(SupportedLanguage language) const;

    QString m_resourceRoot;
    mutable std::map<SupportedLanguage, std::unique_ptr<QTranslator>> m_tables;
};

/// Shorthands for LocalizationManager::shared().localizedString(...).
QString localizedString(const QString& key);
QString localizedString(const QString& key, int count);

} // namespace tolvik
