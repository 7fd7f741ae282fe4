#include "appearance/LocalizationManager.h"
#include "appearance/MenuSizeOption.h"
#include "appearance/Preferences.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

#include <memory>

using namespace tolvik;

namespace {

/// The text a compiled table holds for a key, read past the manager.
QString tableText(const QString& code, const QString& key, int count = -1)
{
    QTranslator translator;
    if (!translator.load(QStringLiteral(":/") + code + QStringLiteral(".lproj/Localizable.qm"))) {
        return {};
    }
    const QByteArray id = key.toUtf8();
    return translator.translate("", id.constData(), nullptr, count);
}

const QString settingsKey = QStringLiteral("footer.settings");

} // namespace

class LocalizationManagerTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<Preferences> m_preferences;
    LocalizationManager* m_manager = nullptr;

    void setLanguage(const QString& raw) { m_preferences->setString(PreferenceKey::languagePreference, raw); }

    /// A resource root on disk that holds only the named tables, copied from the embedded ones.
    QString rootWith(const QStringList& codes)
    {
        const QString root = m_dir->filePath(codes.join(QLatin1Char('+')));
        for (const QString& code : codes) {
            QDir().mkpath(root + QLatin1Char('/') + code + QStringLiteral(".lproj"));
            QFile::copy(QStringLiteral(":/") + code + QStringLiteral(".lproj/Localizable.qm"),
                        root + QLatin1Char('/') + code + QStringLiteral(".lproj/Localizable.qm"));
        }
        return root;
    }

private Q_SLOTS:
    void initTestCase()
    {
        // main() set LANGUAGE=de:sv, so the system's first choice among our languages is German.
        QVERIFY(QLocale::system().uiLanguages().first().startsWith(QLatin1String("de")));
        m_dir = std::make_unique<QTemporaryDir>();
        m_preferences = std::make_unique<Preferences>(m_dir->filePath(QStringLiteral("prefs.ini")));
        Preferences::setShared(m_preferences.get());
        m_manager = &LocalizationManager::shared();
    }

    void cleanup()
    {
        m_preferences->remove(PreferenceKey::languagePreference);
        m_manager->setResourceRoot({});
    }

    void cleanupTestCase() { Preferences::setShared(nullptr); }

    void shouldRegisterSystemAsAVolatileDefault()
    {
        QCOMPARE(m_preferences->string(PreferenceKey::languagePreference), std::optional<QString>(u"system"_qs));
        QVERIFY(!m_preferences->contains(PreferenceKey::languagePreference));
        m_preferences->sync();
        QFile file(m_preferences->fileName());
        QVERIFY(!file.open(QIODevice::ReadOnly) || !file.readAll().contains("languagePreference"));
    }

    void shouldFollowTheSystemLanguageWhenNothingIsStored()
    {
        QCOMPARE(m_manager->currentLanguage(), SupportedLanguage::system);
        QCOMPARE(m_manager->localizedString(settingsKey), tableText(QStringLiteral("de"), settingsKey));
    }

    void shouldUseTheChosenLanguageAndReadItAfreshOnEveryCall()
    {
        const QStringList codes = {QStringLiteral("en"), QStringLiteral("sv"), QStringLiteral("zh-Hans"),
                                   QStringLiteral("zh-Hant"), QStringLiteral("de")};
        for (const QString& code : codes) {
            setLanguage(code);
            QCOMPARE(m_manager->localizedString(settingsKey), tableText(code, settingsKey));
        }
        QVERIFY(tableText(QStringLiteral("zh-Hans"), settingsKey) != tableText(QStringLiteral("zh-Hant"), settingsKey));
    }

    void shouldTreatAnUnknownLanguageAsSystem()
    {
        for (const QString& unknown : {u"SV"_qs, u"sv-SE"_qs, u"Deutsch"_qs, QString()}) {
            setLanguage(unknown);
            QCOMPARE(m_manager->currentLanguage(), SupportedLanguage::system);
            QCOMPARE(m_manager->localizedString(settingsKey), tableText(QStringLiteral("de"), settingsKey));
            QCOMPARE(m_preferences->string(PreferenceKey::languagePreference), std::optional<QString>(unknown));
        }
    }

    void shouldFallBackToTheSystemLookupWhenTheFolderIsMissing()
    {
        setLanguage(QStringLiteral("sv"));
        m_manager->setResourceRoot(rootWith({QStringLiteral("en"), QStringLiteral("de")}));
        QCOMPARE(m_manager->localizedString(settingsKey), tableText(QStringLiteral("de"), settingsKey));

        // Neither the choice nor the system's languages have a table: English.
        m_manager->setResourceRoot(rootWith({QStringLiteral("en"), QStringLiteral("zh-Hant")}));
        QCOMPARE(m_manager->localizedString(settingsKey), tableText(QStringLiteral("en"), settingsKey));

        // No table at all: the key itself.
        m_manager->setResourceRoot(m_dir->filePath(QStringLiteral("nothing-here")));
        QCOMPARE(m_manager->localizedString(settingsKey), settingsKey);
        QCOMPARE(m_manager->localizedString(QStringLiteral("summary.count"), 3), u"summary.count"_qs);
    }

    void shouldShowAMissingKeyAsItself()
    {
        for (const QString& code : {u"de"_qs, u"zh-Hans"_qs, u"system"_qs}) {
            setLanguage(code);
            QCOMPARE(m_manager->localizedString(QStringLiteral("no.such.key")), u"no.such.key"_qs);
            QCOMPARE(m_manager->localizedString(QStringLiteral("no.such.count"), 2), u"no.such.count"_qs);
        }
    }

    void shouldChooseThePluralFormAndFillInTheCount()
    {
        const QString key = QStringLiteral("summary.count");
        for (const QString& code : {u"en"_qs, u"de"_qs, u"sv"_qs}) {
            setLanguage(code);
            const QString one = m_manager->localizedString(key, 1);
            const QString seven = m_manager->localizedString(key, 7);
            QVERIFY2(one.startsWith(QLatin1String("1 ")) && seven.startsWith(QLatin1String("7 ")), qPrintable(one));
            QVERIFY2(one.mid(1) != seven.mid(1), qPrintable(code + QStringLiteral(": one form for both counts")));
            QVERIFY(!one.contains(QLatin1Char('%')) && !seven.contains(QLatin1Char('%')));
            // The number is written the way the table's language writes it.
            QVERIFY(m_manager->localizedString(key, 12345).contains(QLocale(code).toString(12345)));
        }
        setLanguage(QStringLiteral("zh-Hant"));
        QCOMPARE(m_manager->localizedString(key, 1).mid(1), m_manager->localizedString(key, 7).mid(1));
    }

    void shouldFillTheDimensionsLabelInTheCurrentLanguage()
    {
        setLanguage(QStringLiteral("zh-Hans"));
        const QString label = dimensionsLabel(MenuSizeOption::roomy);
        QVERIFY2(label.contains(QLatin1String("420")) && label.contains(QStringLiteral("像素")), qPrintable(label));
        QVERIFY(!label.contains(QLatin1Char('%')));
        QVERIFY(label != dimensionsLabel(MenuSizeOption::compact));
    }

    void shouldResolveTheSystemLanguagesAgainstTheAvailableTables_data()
    {
        QTest::addColumn<QStringList>("uiLanguages");
        QTest::addColumn<QList<SupportedLanguage>>("available");
        QTest::addColumn<std::optional<SupportedLanguage>>("expected");
        const QList<SupportedLanguage> all = {SupportedLanguage::english, SupportedLanguage::chineseSimplified,
                                              SupportedLanguage::chineseTraditional, SupportedLanguage::german,
                                              SupportedLanguage::swedish};
        using L = SupportedLanguage;
        QTest::newRow("taiwan") << QStringList{u"zh-TW"_qs} << all << std::optional(L::chineseTraditional);
        QTest::newRow("hong kong") << QStringList{u"zh-HK"_qs} << all << std::optional(L::chineseTraditional);
        QTest::newRow("hant script") << QStringList{u"zh-Hant"_qs} << all << std::optional(L::chineseTraditional);
        QTest::newRow("china") << QStringList{u"zh-CN"_qs} << all << std::optional(L::chineseSimplified);
        QTest::newRow("bare zh") << QStringList{u"zh"_qs} << all << std::optional(L::chineseSimplified);
        QTest::newRow("first that exists")
            << QStringList{u"fr-FR"_qs, u"sv-SE"_qs, u"de"_qs} << all << std::optional(L::swedish);
        QTest::newRow("swiss german") << QStringList{u"de-CH"_qs} << all << std::optional(L::german);
        QTest::newRow("none matches") << QStringList{u"fr"_qs, u"ja"_qs} << all << std::optional(L::english);
        QTest::newRow("match missing") << QStringList{u"de-DE"_qs} << QList<L>{L::english, L::swedish}
                                       << std::optional(L::english);
        QTest::newRow("nothing at all") << QStringList{u"fr"_qs} << QList<L>{L::german}
                                        << std::optional<SupportedLanguage>();
    }

    void shouldResolveTheSystemLanguagesAgainstTheAvailableTables()
    {
        QFETCH(QStringList, uiLanguages);
        QFETCH(QList<SupportedLanguage>, available);
        QFETCH(std::optional<SupportedLanguage>, expected);
        QCOMPARE(LocalizationManager::resolveSystemLanguage(uiLanguages, available), expected);
    }

    void shouldGiveTheDisplayLocaleOfTheStoredLanguage()
    {
        QCOMPARE(m_manager->displayLocale(), QLocale::system());
        QCOMPARE(LocalizationManager::displayLocale(QStringLiteral("nonsense")), QLocale::system());
        QCOMPARE(LocalizationManager::displayLocale(QStringLiteral("zh-Hant")).script(), QLocale::TraditionalHanScript);
        QCOMPARE(LocalizationManager::displayLocale(QStringLiteral("zh-Hans")).script(), QLocale::SimplifiedHanScript);
        setLanguage(QStringLiteral("sv"));
        QCOMPARE(m_manager->displayLocale().language(), QLocale::Swedish);
    }
};

int main(int argc, char** argv)
{
    // The user's language list, as a desktop session would give it, before Qt reads the environment.
    qputenv("LANGUAGE", "de_DE:sv");
    QCoreApplication app(argc, argv);
    LocalizationManagerTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "LocalizationManagerTest.moc"
