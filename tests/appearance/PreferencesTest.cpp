#include "appearance/Preferences.h"
#include "TestSupport.h"

#include <QFile>

#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace tolvik;

class PreferencesTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    int m_fileNumber = 0;

    QString freshPath() { return m_dir.filePath(QStringLiteral("prefs-%1.ini").arg(++m_fileNumber)); }

private Q_SLOTS:
    void shouldEncodeIDSetsSortedByCodePointWithSingleCommas()
    {
        QCOMPARE(Preferences::encodeIDSet({QStringLiteral("B"), QStringLiteral("A")}), QStringLiteral("A,B"));
        QCOMPARE(Preferences::encodeIDSet({}), QString());
        QCOMPARE(Preferences::encodeIDSet({QStringLiteral("b"), QStringLiteral("Z"), QStringLiteral("a")}),
                 QStringLiteral("Z,a,b"));
        // U+1F600 needs two UTF-16 units starting at 0xD83D; code-unit order would put it before U+FF21.
        const QString emoji = QString::fromUcs4(U"\U0001F600");
        const QString fullwidthA = QString(QChar(0xFF21));
        QCOMPARE(Preferences::encodeIDSet({emoji, fullwidthA}), fullwidthA + QLatin1Char(',') + emoji);
    }

    void shouldDecodeIDSetsDroppingEmptyPiecesAndKeepingSpaces()
    {
        QCOMPARE(Preferences::decodeIDSet(QString()), QSet<QString>());
        QCOMPARE(Preferences::decodeIDSet(QStringLiteral(",")), QSet<QString>());
        QCOMPARE(Preferences::decodeIDSet(QStringLiteral(",X,,X,")), QSet<QString>{QStringLiteral("X")});
        QCOMPARE(Preferences::decodeIDSet(QStringLiteral("A,,B")),
                 (QSet<QString>{QStringLiteral("A"), QStringLiteral("B")}));
        QCOMPARE(Preferences::decodeIDSet(QStringLiteral(" a, b ")),
                 (QSet<QString>{QStringLiteral(" a"), QStringLiteral(" b ")}));
        // What one write stores, the next read gives back, commas percent-encoded inside ids included.
        const QSet<QString> ids{QStringLiteral("local/reminders"), QStringLiteral("work/a%2Cb"),
                                QStringLiteral("with space")};
        QCOMPARE(Preferences::decodeIDSet(Preferences::encodeIDSet(ids)), ids);
    }

    void shouldReadValuesWrittenByAnEarlierProcessWithTheirTypes()
    {
        const QString path = freshPath();
        {
            Preferences first(path);
            first.setBoolean(PreferenceKey::autoRefreshEnabled, false);
            first.setInteger(PreferenceKey::reminderTimeframe, 12);
            first.setString(PreferenceKey::selectedListIDs, QStringLiteral("A,B"));
            first.sync();
        }

        // QSettings caches a file's typed values per process; a copy under a new name is read from its text, as
        // a new process would read it.
        const QByteArray text = test::readFile(path);
        QVERIFY(text.contains("autoRefreshEnabled=false"));
        const QString copy = freshPath();
        QVERIFY(QFile::copy(path, copy));
        Preferences second(copy);
        QCOMPARE(second.boolean(PreferenceKey::autoRefreshEnabled), std::optional<bool>(false));
        QCOMPARE(second.integer(PreferenceKey::reminderTimeframe), 12);
        QCOMPARE(second.string(PreferenceKey::selectedListIDs), std::optional<QString>(QStringLiteral("A,B")));
    }

    void shouldTreatOnlyBooleanTextsAsBooleansAndUnconvertibleIntegersAsZero()
    {
        const QString path = freshPath();
        QVERIFY(test::writeFile(path, "[General]\nyes=yes\none=1\non=true\ntext=abc\nnumber=7\n"));

        Preferences preferences(path);
        QCOMPARE(preferences.boolean(QStringLiteral("yes")), std::nullopt);
        QCOMPARE(preferences.boolean(QStringLiteral("one")), std::nullopt);
        QCOMPARE(preferences.boolean(QStringLiteral("missing")), std::nullopt);
        QCOMPARE(preferences.boolean(QStringLiteral("on")), std::optional<bool>(true));
        QCOMPARE(preferences.integer(QStringLiteral("text")), 0);
        QCOMPARE(preferences.integer(QStringLiteral("missing")), 0);
        QCOMPARE(preferences.integer(QStringLiteral("number")), 7);
    }

    void shouldFallBackToRegisteredDefaultsWithoutStoringThem()
    {
        const QString path = freshPath();
        {
            Preferences preferences(path);
            preferences.registerDefaults({{PreferenceKey::languagePreference, QStringLiteral("system")}});

            QCOMPARE(preferences.string(PreferenceKey::languagePreference),
                     std::optional<QString>(QStringLiteral("system")));
            QVERIFY(!preferences.contains(PreferenceKey::languagePreference));
            QCOMPARE(preferences.string(PreferenceKey::themePreference, QStringLiteral("fallback")),
                     QStringLiteral("fallback"));

            preferences.setString(PreferenceKey::languagePreference, QStringLiteral("sv"));
            preferences.remove(PreferenceKey::languagePreference);
            QCOMPARE(preferences.string(PreferenceKey::languagePreference),
                     std::optional<QString>(QStringLiteral("system")));
        }
        QVERIFY(QSettings(path, QSettings::IniFormat).allKeys().isEmpty());
    }

    void shouldSignalEveryWriteWithItsKey()
    {
        Preferences preferences(freshPath());
        QSignalSpy spy(&preferences, &Preferences::changed);

        preferences.setString(PreferenceKey::themePreference, QStringLiteral("night"));
        preferences.setString(PreferenceKey::themePreference, QStringLiteral("night"));
        preferences.setBoolean(PreferenceKey::autoRefreshEnabled, true);
        preferences.remove(PreferenceKey::themePreference);

        QCOMPARE(spy.count(), 4);
        QCOMPARE(spy.at(0).at(0).toString(), PreferenceKey::themePreference);
        QCOMPARE(spy.at(2).at(0).toString(), PreferenceKey::autoRefreshEnabled);
        QCOMPARE(spy.at(3).at(0).toString(), PreferenceKey::themePreference);
    }
};

QTEST_GUILESS_MAIN(PreferencesTest)
#include "PreferencesTest.moc"
