#include "appearance/LocalizationManager.h"

#include "appearance/Preferences.h"

#include <QDir>
#include <QTranslator>

namespace tolvik {

namespace {

const QString systemRawValue = QStringLiteral("system");

/// Maps one BCP 47 tag from the user's language list onto a language we ship, if any.
std::optional<SupportedLanguage> languageForTag(const QString& tag)
{
    const QLocale locale(tag);
    switch (locale.language()) {
    case QLocale::English:
        return SupportedLanguage::english;
    case QLocale::German:
        return SupportedLanguage::german;
    case QLocale::Swedish:
        return SupportedLanguage::swedish;
    case QLocale::Chinese:
        if (locale.script() == QLocale::TraditionalHanScript) {
            return SupportedLanguage::chineseTraditional;
        }
        if (locale.script() == QLocale::SimplifiedHanScript) {
            return SupportedLanguage::chineseSimplified;
        }
        // A bare region without a script: Taiwan, Hong Kong and Macao write Traditional characters.
        switch (locale.territory()) {
        case QLocale::Taiwan:
        case QLocale::HongKong:
        case QLocale::Macao:
            return SupportedLanguage::chineseTraditional;
        default:
            return SupportedLanguage::chineseSimplified;
        }
    default:
        return std::nullopt;
    }
}

QString replaceCount(QString text, int count, const QLocale& locale)
{
    const QString number = locale.toString(count);
    text.replace(QLatin1String("%Ln"), number);
    text.replace(QLatin1String("%n"), number);
    return text;
}

} // namespace

LocalizationManager::LocalizationManager()
    : m_resourceRoot(defaultResourceRoot())
{
    Preferences::shared().registerDefaults({{PreferenceKey::languagePreference, systemRawValue}});
}

LocalizationManager::~LocalizationManager() = default;

LocalizationManager& LocalizationManager::shared()
{
    // A function-local static: created once, on first use, which is what registers the default.
    static LocalizationManager instance;
    return instance;
}

SupportedLanguage LocalizationManager::currentLanguage() const
{
    return supportedLanguageFromStored(Preferences::shared().string(PreferenceKey::languagePreference));
}

QString LocalizationManager::localizedString(const QString& key) const
{
    const QTranslator* translator = activeTable();
    if (!translator) {
        return key;
    }
    const QByteArray id = key.toUtf8();
    const QString text = translator->translate("", id.constData());
    return text.isEmpty() ? key : text;
}

QString LocalizationManager::localizedString(const QString& key, int count) const
{
    const QTranslator* translator = activeTable();
    if (!translator) {
        return key;
    }
    const QByteArray id = key.toUtf8();
    const QString text = translator->translate("", id.constData(), nullptr, count);
    if (text.isEmpty()) {
        return key;
    }
    // A translator that is not installed in the application leaves %n as it is.
    return replaceCount(text, count, QLocale(translator->language()));
}

QLocale LocalizationManager::textLocale() const
{
    const QTranslator* translator = activeTable();
    return translator ? QLocale(translator->language()) : QLocale::system();
}

QLocale LocalizationManager::displayLocale(const QString& storedLanguage)
{
    const SupportedLanguage language = supportedLanguageFromStored(storedLanguage);
    if (language == SupportedLanguage::system) {
        return QLocale::system();
    }
    return QLocale(rawValue(language));
}

QLocale LocalizationManager::displayLocale() const
{
    return displayLocale(Preferences::shared().string(PreferenceKey::languagePreference, systemRawValue));
}

QList<SupportedLanguage> LocalizationManager::availableLanguages() const
{
    QList<SupportedLanguage> result;
    for (SupportedLanguage language : allSupportedLanguages()) {
        if (language != SupportedLanguage::system && table(language)) {
            result.append(language);
        }
    }
    return result;
}

std::optional<SupportedLanguage> LocalizationManager::resolveSystemLanguage(const QStringList& uiLanguages,
                                                                            const QList<SupportedLanguage>& available)
{
    for (const QString& tag : uiLanguages) {
        const std::optional<SupportedLanguage> language = languageForTag(tag);
        if (language && available.contains(*language)) {
            return language;
        }
    }
    if (available.contains(SupportedLanguage::english)) {
        return SupportedLanguage::english;
    }
    return std::nullopt;
}

void LocalizationManager::setResourceRoot(const QString& root)
{
    m_resourceRoot = root.isEmpty() ? defaultResourceRoot() : root;
    m_tables.clear();
}

QString LocalizationManager::defaultResourceRoot()
{
    return QStringLiteral(":/");
}

const QTranslator* LocalizationManager::activeTable() const
{
    const SupportedLanguage language = currentLanguage();
    if (language != SupportedLanguage::system) {
        if (const QTranslator* chosen = table(language)) {
            return chosen;
        }
        // A language whose folder is missing falls back to the system's choice.
    }
    const std::optional<SupportedLanguage> resolved =
        resolveSystemLanguage(QLocale::system().uiLanguages(), availableLanguages());
    return resolved ? table(*resolved) : nullptr;
}

const QTranslator* LocalizationManager::table(SupportedLanguage language) const
{
    if (language == SupportedLanguage::system) {
        return nullptr;
    }
    auto found = m_tables.find(language);
    if (found == m_tables.end()) {
        auto translator = std::make_unique<QTranslator>();
        const QString folder = QDir(m_resourceRoot).filePath(rawValue(language) + QLatin1String(".lproj"));
        if (!translator->load(QStringLiteral("Localizable.qm"), folder)) {
            translator.reset();
        }
        found = m_tables.emplace(language, std::move(translator)).first;
    }
    return found->second.get();
}

QString localizedString(const QString& key)
{
    return LocalizationManager::shared().localizedString(key);
}

QString localizedString(const QString& key, int count)
{
    return LocalizationManager::shared().localizedString(key, count);
}

} // namespace tolvik
