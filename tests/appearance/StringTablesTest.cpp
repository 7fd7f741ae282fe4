#include "appearance/AppTheme.h"
#include "appearance/LocalizationManager.h"
#include "appearance/MenuSizeOption.h"
#include "appearance/MenuTransparencyOption.h"
#include "appearance/SupportedLanguage.h"
#include "appearance/TextKeys.h"

#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

using namespace tolvik;

namespace {

struct Entry
{
    bool plural = false;
    bool finished = true;
    QStringList forms;
};

struct Table
{
    QString language;
    QMap<QString, Entry> entries;
};

QString sourceDir()
{
    return QString::fromLocal8Bit(qgetenv("TOLVIK_SOURCE_DIR"));
}

const QStringList languageCodes = {QStringLiteral("en"), QStringLiteral("de"), QStringLiteral("sv"),
                                   QStringLiteral("zh-Hans"), QStringLiteral("zh-Hant")};

Table readTable(const QString& code)
{
    Table table;
    QFile file(sourceDir() + QStringLiteral("/resources/") + code + QStringLiteral(".lproj/Localizable.ts"));
    if (!file.open(QIODevice::ReadOnly)) {
        return table;
    }
    QXmlStreamReader xml(&file);
    QString id;
    Entry entry;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == QLatin1String("TS")) {
            table.language = xml.attributes().value(QLatin1String("language")).toString();
        } else if (xml.isStartElement() && xml.name() == QLatin1String("message")) {
            id = xml.attributes().value(QLatin1String("id")).toString();
            entry = Entry{xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes"), true, {}};
        } else if (xml.isStartElement() && xml.name() == QLatin1String("translation")) {
            const QString type = xml.attributes().value(QLatin1String("type")).toString();
            entry.finished = type.isEmpty();
            if (!entry.plural) {
                entry.forms.append(xml.readElementText());
            }
        } else if (xml.isStartElement() && xml.name() == QLatin1String("numerusform")) {
            entry.forms.append(xml.readElementText());
        } else if (xml.isEndElement() && xml.name() == QLatin1String("message")) {
            table.entries.insert(id, entry);
        }
    }
    if (xml.hasError()) {
        table.entries.clear();
    }
    return table;
}

/// The placeholders of a text, sorted: %1 to %99, %L1, %n and %Ln.
QStringList placeholders(const QString& text)
{
    static const QRegularExpression pattern(QStringLiteral("%L?(?:[0-9]{1,2}|n)"));
    QStringList found;
    for (auto it = pattern.globalMatch(text); it.hasNext();) {
        found.append(it.next().captured());
    }
    found.sort();
    return found;
}

} // namespace

class StringTablesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shouldGiveEveryKeyAFinishedTextInEveryLanguage_data()
    {
        QTest::addColumn<QString>("code");
        for (const QString& code : languageCodes) {
            QTest::newRow(qPrintable(code)) << code;
        }
    }

    void shouldGiveEveryKeyAFinishedTextInEveryLanguage()
    {
        QFETCH(QString, code);
        const Table table = readTable(code);
        QVERIFY2(!table.entries.isEmpty(), "the table is missing or is not well-formed XML");
        for (const QString& key : allTextKeys()) {
            QVERIFY2(table.entries.contains(key), qPrintable(code + QStringLiteral(" lacks ") + key));
            const Entry& entry = table.entries[key];
            QVERIFY2(entry.finished, qPrintable(key));
            QVERIFY2(!entry.forms.isEmpty(), qPrintable(key));
            for (const QString& form : entry.forms) {
                QVERIFY2(!form.trimmed().isEmpty(), qPrintable(code + QStringLiteral(": empty ") + key));
            }
        }
        // A key only the table knows is a key the code lost track of.
        for (auto it = table.entries.cbegin(); it != table.entries.cend(); ++it) {
            QVERIFY2(allTextKeys().contains(it.key()), qPrintable(code + QStringLiteral(" has unknown ") + it.key()));
        }
    }

    void shouldKeepTheEnglishPlaceholdersInEveryTranslation()
    {
        const Table english = readTable(QStringLiteral("en"));
        for (const QString& code : languageCodes) {
            const Table table = readTable(code);
            for (const QString& key : allTextKeys()) {
                const QStringList expected = placeholders(english.entries.value(key).forms.value(0));
                for (const QString& form : table.entries.value(key).forms) {
                    QVERIFY2(placeholders(form) == expected,
                             qPrintable(code + QLatin1Char(' ') + key + QStringLiteral(": ") + form));
                }
            }
        }
    }

    void shouldUsePluralFormsExactlyForCountedTexts()
    {
        // Chinese has one form; English, German and Swedish have two.
        const QMap<QString, int> formCount = {{QStringLiteral("en"), 2},
                                              {QStringLiteral("de"), 2},
                                              {QStringLiteral("sv"), 2},
                                              {QStringLiteral("zh-Hans"), 1},
                                              {QStringLiteral("zh-Hant"), 1}};
        for (const QString& code : languageCodes) {
            const Table table = readTable(code);
            for (const QString& key : allTextKeys()) {
                const Entry& entry = table.entries[key];
                const bool counted = pluralTextKeys().contains(key);
                QCOMPARE(entry.plural, counted);
                if (counted) {
                    QCOMPARE(entry.forms.size(), formCount.value(code));
                    for (const QString& form : entry.forms) {
                        QVERIFY2(form.contains(QLatin1String("%n")), qPrintable(code + QLatin1Char(' ') + key));
                    }
                }
            }
        }
    }

    void shouldListEveryLabelKeyTheOptionsUse()
    {
        QStringList used;
        for (SupportedLanguage language : allSupportedLanguages()) {
            used.append(labelKey(language));
        }
        for (MenuSizeOption option : allMenuSizeOptions()) {
            used.append(labelKey(option));
        }
        for (MenuTransparencyOption option : allMenuTransparencyOptions()) {
            used.append(labelKey(option));
        }
        for (AppTheme theme : allAppThemes()) {
            used.append(labelKey(theme));
        }
        used.append(QStringLiteral("menuSize.dimensions"));
        for (const QString& key : used) {
            QVERIFY2(allTextKeys().contains(key), qPrintable(key));
        }
    }

    void shouldListEveryKeyWrittenInTheSources()
    {
        // Any literal that looks like a key in one of the key families must be a listed key, so that a mistyped
        // key in a view fails here rather than showing up raw on screen.
        QSet<QString> families;
        for (const QString& key : allTextKeys()) {
            families.insert(key.section(QLatin1Char('.'), 0, 0));
        }
        static const QRegularExpression literal(QStringLiteral("\"([a-zA-Z][A-Za-z0-9]*(?:\\.[A-Za-z0-9]+)+)\""));
        static const QRegularExpression fileName(QStringLiteral("\\.(ics|tmp|qm|ts|svg|desktop|png|ini)$"));
        QDirIterator files(sourceDir() + QStringLiteral("/src"), {QStringLiteral("*.cpp"), QStringLiteral("*.h")},
                           QDir::Files, QDirIterator::Subdirectories);
        int scanned = 0;
        while (files.hasNext()) {
            QFile file(files.next());
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QString text = QString::fromUtf8(file.readAll());
            ++scanned;
            for (auto it = literal.globalMatch(text); it.hasNext();) {
                const QString candidate = it.next().captured(1);
                if (families.contains(candidate.section(QLatin1Char('.'), 0, 0)) &&
                    !fileName.match(candidate).hasMatch()) {
                    QVERIFY2(allTextKeys().contains(candidate),
                             qPrintable(files.fileName() + QStringLiteral(" uses unlisted key ") + candidate));
                }
            }
        }
        QVERIFY(scanned > 0);
    }

    void shouldUseOneTermPerConcept_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("avoided");
        // Each language names a thing one way; these are the other names it once used as well.
        QTest::newRow("zh-Hans list") << QStringLiteral("zh-Hans") << QString::fromUtf16(u"清单");
        QTest::newRow("zh-Hans trash") << QStringLiteral("zh-Hans") << QString::fromUtf16(u"废纸篓");
        QTest::newRow("zh-Hant list") << QStringLiteral("zh-Hant") << QString::fromUtf16(u"列表");
        QTest::newRow("zh-Hant open") << QStringLiteral("zh-Hant") << QString::fromUtf16(u"打開");
        QTest::newRow("zh-Hant change") << QStringLiteral("zh-Hant") << QString::fromUtf16(u"更改");
        QTest::newRow("zh-Hant restore") << QStringLiteral("zh-Hant") << QString::fromUtf16(u"從中復原");
        QTest::newRow("sv delete") << QStringLiteral("sv") << QStringLiteral("\\brader");
        QTest::newRow("sv ellipsis") << QStringLiteral("sv") << QStringLiteral(" …");
        QTest::newRow("de window") << QStringLiteral("de") << QStringLiteral("\\bFenster");
        QTest::newRow("de desktop") << QStringLiteral("de") << QStringLiteral("Arbeitsfläche");
        QTest::newRow("de tray") << QStringLiteral("de") << QStringLiteral("Kontrollleiste");
        QTest::newRow("de appearance") << QStringLiteral("de") << QStringLiteral("Erscheinungsbild");
        QTest::newRow("de save") << QStringLiteral("de") << QStringLiteral("gesichert");
    }

    void shouldUseOneTermPerConcept()
    {
        QFETCH(QString, code);
        QFETCH(QString, avoided);
        const QRegularExpression pattern(avoided, QRegularExpression::CaseInsensitiveOption |
                                                      QRegularExpression::UseUnicodePropertiesOption);
        const Table table = readTable(code);
        QVERIFY(!table.entries.isEmpty());
        for (auto it = table.entries.cbegin(); it != table.entries.cend(); ++it) {
            for (const QString& form : it.value().forms) {
                QVERIFY2(!pattern.match(form).hasMatch(), qPrintable(it.key() + QStringLiteral(": ") + form));
            }
        }
    }

    void shouldNameEveryLanguageInItsOwnNameInEveryTable()
    {
        const QMap<QString, QString> names = {
            {QStringLiteral("language.option.english"), QStringLiteral("English")},
            {QStringLiteral("language.option.german"), QStringLiteral("Deutsch")},
            {QStringLiteral("language.option.swedish"), QStringLiteral("Svenska")},
            {QStringLiteral("language.option.chineseSimplified"), QString::fromUtf16(u"简体中文")},
            {QStringLiteral("language.option.chineseTraditional"), QString::fromUtf16(u"繁體中文")}};
        for (const QString& code : languageCodes) {
            const Table table = readTable(code);
            for (auto it = names.cbegin(); it != names.cend(); ++it) {
                QCOMPARE(table.entries.value(it.key()).forms, QStringList{it.value()});
            }
        }
    }

    void shouldEmbedCompiledTablesThatFindEveryKey()
    {
        for (const QString& code : languageCodes) {
            QTranslator translator;
            QVERIFY2(translator.load(QStringLiteral(":/") + code + QStringLiteral(".lproj/Localizable.qm")),
                     qPrintable(code));
            for (const QString& key : allTextKeys()) {
                const QByteArray id = key.toUtf8();
                QVERIFY2(!translator.translate("", id.constData()).isEmpty(),
                         qPrintable(code + QLatin1Char(' ') + key));
            }
        }
    }
};

QTEST_GUILESS_MAIN(StringTablesTest)
#include "StringTablesTest.moc"
