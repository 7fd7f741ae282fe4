#include "appearance/SupportedLanguage.h"

namespace tolvik {

QList<SupportedLanguage> allSupportedLanguages()
{
    return {SupportedLanguage::system,
            SupportedLanguage::english,
            SupportedLanguage::chineseSimplified,
            SupportedLanguage::chineseTraditional,
            SupportedLanguage::german,
            SupportedLanguage::swedish};
}

QString rawValue(SupportedLanguage language)
{
    switch (language) {
    case SupportedLanguage::system:
        return QStringLiteral("system");
    case SupportedLanguage::english:
        return QStringLiteral("en");
    case SupportedLanguage::chineseSimplified:
        return QStringLiteral("zh-Hans");
    case SupportedLanguage::chineseTraditional:
        return QStringLiteral("zh-Hant");
    case SupportedLanguage::german:
        return QStringLiteral("de");
    case SupportedLanguage::swedish:
        return QStringLiteral("sv");
    }
    return QStringLiteral("system");
}

QString labelKey(SupportedLanguage language)
{
    switch (language) {
    case SupportedLanguage::system:
        return QStringLiteral("language.option.system");
    case SupportedLanguage::english:
        return QStringLiteral("language.option.english");
    case SupportedLanguage::chineseSimplified:
        return QStringLiteral("language.option.chineseSimplified");
    case SupportedLanguage::chineseTraditional:
        return QStringLiteral("language.option.chineseTraditional");
    case SupportedLanguage::german:
        return QStringLiteral("language.option.german");
    case SupportedLanguage::swedish:
        return QStringLiteral("language.option.swedish");
    }
    return QStringLiteral("language.option.system");
}

std::optional<SupportedLanguage> supportedLanguageFromRawValue(const QString& raw)
{
    for (SupportedLanguage language : allSupportedLanguages()) {
        if (rawValue(language) == raw) {
            return language;
        }
    }
    return std::nullopt;
}

SupportedLanguage supportedLanguageFromStored(const std::optional<QString>& stored)
{
    if (!stored) {
        return SupportedLanguage::system;
    }
    return supportedLanguageFromRawValue(*stored).value_or(SupportedLanguage::system);
}

} // namespace tolvik
