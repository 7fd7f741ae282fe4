#include "TestSupport.h"
#include "store/VdirStore.h"

#include <QCoro/QCoroTask>
#include <QTemporaryDir>
#include <QTest>

using namespace tolvik;
using tolvik::test::readFile;
using tolvik::test::writeFile;

namespace {

// Several CATEGORIES lines as clients write them: a list with an escaped comma, one with a parameter, a lone tag.
const QByteArray tagged = "CATEGORIES:Home,Work\\, office\r\nX-OTHER:keep\r\nCATEGORIES;LANGUAGE=de:Arbeit\r\n"
                          "CATEGORIES:Errands\r\n";

QList<QByteArray> categoryLines(const QByteArray& bytes)
{
    QList<QByteArray> lines;
    for (const QByteArray& line : bytes.split('\n')) {
        if (line.startsWith("CATEGORIES")) {
            lines.append(line.trimmed());
        }
    }
    return lines;
}

QByteArray withoutChangingLines(const QByteArray& bytes)
{
    QList<QByteArray> kept;
    for (const QByteArray& line : bytes.split('\n')) {
        if (!line.startsWith("CATEGORIES") && !line.startsWith("LAST-MODIFIED") && !line.startsWith("DTSTAMP") &&
            !line.startsWith("SEQUENCE")) {
            kept.append(line);
        }
    }
    return kept.join('\n');
}

} // namespace

class TagWriteTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // A tag edit rewrites only the CATEGORIES lines whose tags changed, keeping escapes and parameters; the rest of
    // the file stays byte for byte and the tags read back as saved.
    void shouldRewriteOnlyTheLinesWhoseTagsChanged_data()
    {
        QTest::addColumn<QByteArray>("lines");
        QTest::addColumn<QStringList>("tags");
        QTest::addColumn<QList<QByteArray>>("expected");
        const QByteArray first = "CATEGORIES:Home,Work\\, office";
        const QByteArray german = "CATEGORIES;LANGUAGE=de:Arbeit";
        QTest::newRow("remove the last line's tag")
            << tagged << QStringList{u"Home"_qs, u"Work, office"_qs, u"Arbeit"_qs} << QList<QByteArray>{first, german};
        QTest::newRow("remove a tag beside an escaped comma")
            << tagged << QStringList{u"Work, office"_qs, u"Arbeit"_qs, u"Errands"_qs}
            << QList<QByteArray>{"CATEGORIES:Work\\, office", german, "CATEGORIES:Errands"};
        QTest::newRow("add a tag with a comma to the last line")
            << tagged << QStringList{u"Home"_qs, u"Work, office"_qs, u"Arbeit"_qs, u"Errands"_qs, u"Garden, shed"_qs}
            << QList<QByteArray>{first, german, "CATEGORIES:Errands,Garden\\, shed"};
        QTest::newRow("add after a line with a parameter, on a line of its own")
            << QByteArray("CATEGORIES;LANGUAGE=de:Arbeit\r\n") << QStringList{u"Arbeit"_qs, u"Neu"_qs}
            << QList<QByteArray>{german, "CATEGORIES:Neu"};
        QTest::newRow("remove them all") << tagged << QStringList{} << QList<QByteArray>{};
        QTest::newRow("the first tags") << QByteArray() << QStringList{u"Garden"_qs, u"Call"_qs}
                                        << QList<QByteArray>{"CATEGORIES:Garden,Call"};
        QTest::newRow("reordered: one line in the new order")
            << tagged << QStringList{u"Errands"_qs, u"Home"_qs, u"Work, office"_qs, u"Arbeit"_qs}
            << QList<QByteArray>{"CATEGORIES:Errands,Home,Work\\, office,Arbeit"};
    }
    void shouldRewriteOnlyTheLinesWhoseTagsChanged()
    {
        QFETCH(QByteArray, lines);
        QFETCH(QStringList, tags);
        QFETCH(QList<QByteArray>, expected);
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("calendars/acc/list/a.ics"));
        const QByteArray original = test::todoFile("a", "A", lines + "X-LAST:1\r\n");
        writeFile(file, original);
        VdirStore store(dir.filePath(QStringLiteral("calendars")));
        const QString list = QCoro::waitFor(store.lists()).first().id;
        StoreReminder reminder = QCoro::waitFor(store.fetchReminders({list})).first();

        reminder.categories = tags;
        const WriteResult result = store.saveReminder(reminder);

        QVERIFY2(result.ok(), qPrintable(result.error.value_or(QString())));
        const QByteArray written = readFile(file);
        QCOMPARE(categoryLines(written), expected);
        QCOMPARE(withoutChangingLines(written), withoutChangingLines(original));
        VdirStore again(dir.filePath(QStringLiteral("calendars")));
        QCOMPARE(QCoro::waitFor(again.fetchReminders({list})).first().categories, tags);
    }
};

QTEST_GUILESS_MAIN(TagWriteTest)
#include "TagWriteTest.moc"
