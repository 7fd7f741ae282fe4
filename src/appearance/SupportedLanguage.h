#pragma once

#include <QList>
#include <QString>

#include <optional>

namespace tolvik {

/// The interface languages the user can pick. The raw value is what "languagePreference" stores and, for every case
/// but `system`, also the name of the string-table folder (`<raw>.lproj`) and the locale identifier.
enum class SupportedLanguage
{
    system,
    english,
    chineseSimplified,
    chineseTraditional,
    german,
    swedish,
};

/// Every case, in the order the language picker offers them.
QList<SupportedLanguage> allSupportedLanguages();
/// "system", "en", "zh-Hans", "zh-Hant", "de" or "sv".
QString rawValue(SupportedLanguage language);
/// The key that names the language in the picker ("language.option.german", ...).
QString labelKey(SupportedLanguage language);
/// The case whose raw value is exactly `raw` (case-sensitive), or nothing.
std::optional<SupportedLanguage> supportedLanguageFromRawValue(const QString& raw);
/// The case a stored preference means: an absent or unknown string means `system`.
SupportedLanguage supportedLanguageFromStored(const std::optional<QString>& stored);

} // namespace tolvik
