// The saved index: a start-up from it shows exactly what the files hold, parses only what changed, and ignores an
// index it cannot trust.

#include "TestSupport.h"
#include "store/VdirIndexFile.h"
#include "store/VdirStore.h"

#include <QCoro/QCoroTask>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace tolvik;
using tolvik::test::readFile;
using tolvik::test::todoFile;
using tolvik::test::writeFile;

namespace {

const QString listID = QStringLiteral("acc/list");

QStringList titles(const StoreReminderBatch& reminders)
{
    QStringList result;
    for (const StoreReminder& reminder : reminders) {
        result.append(reminder.id + QLatin1Char('=') + reminder.title);
    }
    return result;
}

// Every field a record carries, as text, so that two records compare field by field with a readable difference.
QString describe(const StoreReminder& r)
{
    const auto moment = [](const std::optional<QDateTime>& t) {
        return t ? t->toString(Qt::ISODateWithMs) + QLatin1Char('@') + QString::number(int(t->timeSpec())) +
                       QString::fromLatin1(t->timeZone().id())
                 : QStringLiteral("-");
    };
    const auto components = [](const std::optional<DueDateComponents>& c) {
        return c ? c->date.toString(Qt::ISODate) + QLatin1Char('T') +
                       (c->time ? c->time->toString(Qt::ISODateWithMs) : QStringLiteral("day")) +
                       QString::fromLatin1(c->timeZone.id())
                 : QStringLiteral("-");
    };
    QStringList parts{r.id,
                      r.title,
                      r.listID.value_or(QStringLiteral("-")),
                      QString::number(r.isCompleted),
                      moment(r.completionDate),
                      components(r.due),
                      r.notes.value_or(QStringLiteral("-")),
                      QString::number(r.priority),
                      components(r.start),
                      moment(r.lastAcknowledged),
                      moment(r.snoozedUntil),
                      r.uid,
                      r.categories.join(QLatin1Char('|')),
                      r.parentUID.value_or(QStringLiteral("-")),
                      r.childUIDs.join(QLatin1Char('|'))};
    for (const StoreAlarm& a : r.alarms) {
        parts << QStringLiteral("alarm %1 %2 %3 %4 %5 %6 %7 %8")
                     .arg(int(a.action))
                     .arg(int(a.anchor))
                     .arg(a.offsetDays)
                     .arg(a.offsetSeconds)
                     .arg(moment(a.absoluteTime))
                     .arg(a.repeat)
                     .arg(a.repeatIntervalSeconds)
                     .arg(moment(a.acknowledged));
    }
    for (auto s = r.occurrenceSnoozes.cbegin(); s != r.occurrenceSnoozes.cend(); ++s) {
        parts << s.key() + QLatin1Char('>') + moment(s.value());
    }
    return parts.join(QLatin1Char('\n'));
}

void setTimes(const QString& path, const struct stat& info)
{
    const timespec times[2] = {info.st_atim, info.st_mtim};
    ::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0);
}

} // namespace

class VdirStoreIndexTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_root;
    QString m_index;

    QString item(const QString& name) const { return m_root + QLatin1Char('/') + listID + QLatin1Char('/') + name; }

    // A store that reads from the index (when it has one), with what it fetched and how many files it parsed.
    struct Start
    {
        StoreReminderBatch reminders;
        int parsed = 0;
    };
    Start start(bool saveAfter = true)
    {
        VdirStore store(m_root);
        store.setIndexPath(m_index);
        QCoro::waitFor(store.lists());
        Start result{QCoro::waitFor(store.fetchReminders({listID})), 0};
        result.parsed = store.parsedFileCount();
        if (saveAfter) {
            store.saveIndex();
        }
        return result;
    }

    // What a store without an index reads from the same files.
    StoreReminderBatch truth() const
    {
        VdirStore store(m_root);
        QCoro::waitFor(store.lists());
        return QCoro::waitFor(store.fetchReminders({listID}));
    }

    void writeItems(int count)
    {
        for (int i = 0; i < count; ++i) {
            QVERIFY(writeFile(item(QStringLiteral("item-%1.ics").arg(i)),
                              todoFile("uid-" + QByteArray::number(i), "Item " + QByteArray::number(i))));
        }
    }

private Q_SLOTS:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_root = m_dir->filePath(QStringLiteral("calendars"));
        m_index = m_dir->filePath(QStringLiteral("cache/Tolvik/index.bin"));
        QDir().mkpath(m_root + QLatin1Char('/') + listID);
    }

    void shouldReadBackEveryRecordAsParsed()
    {
        // Files as clients write them, and the odd ones the fuzzers start from: read through the index, each record
        // equals the one parsed from its file, field by field.
        const QString source = qEnvironmentVariable("TOLVIK_SOURCE_DIR");
        int copied = 0;
        for (const QString& folder : {QStringLiteral("/tests/data/ics"), QStringLiteral("/tests/fuzz/corpus/read"),
                                      QStringLiteral("/tests/fuzz/corpus/write")}) {
            const QDir dir(source + folder);
            for (const QString& name : dir.entryList({QStringLiteral("*.ics")}, QDir::Files)) {
                QVERIFY(writeFile(item(QStringLiteral("%1-%2").arg(copied++).arg(name)), readFile(dir.filePath(name))));
            }
        }
        QVERIFY(copied > 20);
        const Start first = start();
        QVERIFY(QFile::exists(m_index));
        // It holds every title and note, so only the user may read it.
        QCOMPARE(QFileInfo(m_index).permissions() &
                     ~(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser),
                 QFile::Permissions());
        const Start again = start();
        const StoreReminderBatch expected = truth();
        QCOMPARE(again.reminders.size(), expected.size());
        int repeating = 0;
        for (qsizetype i = 0; i < expected.size(); ++i) {
            QCOMPARE(describe(again.reminders.at(i)), describe(expected.at(i)));
            repeating += expected.at(i).series ? 1 : 0;
            QCOMPARE(bool(again.reminders.at(i).series), bool(expected.at(i).series));
        }
        // Only the repeating ones (whose rules are not saved) and the files that hold no reminder are read again.
        QVERIFY2(again.parsed <= repeating + (copied - expected.size()),
                 qPrintable(QStringLiteral("%1 parsed").arg(again.parsed)));
        QVERIFY(first.parsed == copied);
    }

    void shouldShowWhatChangedWhileClosed_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<int>("parsed");
        QTest::newRow("nothing") << "nothing" << 0;
        QTest::newRow("rewritten in place, size and times put back") << "in place" << 1;
        QTest::newRow("replaced by rename") << "replaced" << 1;
        QTest::newRow("added") << "added" << 1;
        QTest::newRow("removed") << "removed" << 0;
    }

    void shouldShowWhatChangedWhileClosed()
    {
        QFETCH(QString, change);
        QFETCH(int, parsed);
        writeItems(40);
        start();
        const QString path = item(QStringLiteral("item-7.ics"));
        struct stat before
        {
        };
        QCOMPARE(::stat(QFile::encodeName(path).constData(), &before), 0);
        if (change == QLatin1String("in place")) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadWrite));
            QByteArray bytes = file.readAll();
            bytes.replace("SUMMARY:Item 7", "SUMMARY:Itex 7");
            file.seek(0);
            QCOMPARE(file.write(bytes), bytes.size());
            file.close();
            setTimes(path, before);
            struct stat after
            {
            };
            QCOMPARE(::stat(QFile::encodeName(path).constData(), &after), 0);
            QCOMPARE(after.st_size, before.st_size);
            QCOMPARE(after.st_ino, before.st_ino);
        } else if (change == QLatin1String("replaced")) {
            QVERIFY(writeFile(path + QStringLiteral(".new"), todoFile("uid-7", "Replaced")));
            QCOMPARE(::rename(QFile::encodeName(path + QStringLiteral(".new")).constData(),
                              QFile::encodeName(path).constData()),
                     0);
            setTimes(path, before);
        } else if (change == QLatin1String("added")) {
            QVERIFY(writeFile(item(QStringLiteral("new.ics")), todoFile("uid-new", "New")));
        } else if (change == QLatin1String("removed")) {
            QVERIFY(QFile::remove(path));
        }
        const Start next = start();
        QCOMPARE(titles(next.reminders), titles(truth()));
        QCOMPARE(next.parsed, parsed);
    }

    void shouldIgnoreAnIndexItCannotTrust_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::newRow("a byte changed") << "byte";
        QTest::newRow("truncated") << "truncated";
        QTest::newRow("another version") << "version";
        QTest::newRow("a FIFO") << "fifo";
        QTest::newRow("a symlink") << "symlink";
        QTest::newRow("another time zone") << "zone";
        QTest::newRow("an unwritable cache folder") << "unwritable";
    }

    void shouldIgnoreAnIndexItCannotTrust()
    {
        QFETCH(QString, damage);
        writeItems(30);
        start();
        QByteArray bytes = readFile(m_index);
        QVERIFY(bytes.size() > 100);
        // What the index says but the files do not: a stale title, so that trusting the index would show.
        QVERIFY(writeFile(item(QStringLiteral("item-3.ics")), todoFile("uid-3", "Fresh")));
        const QByteArray oldTz = qgetenv("TZ");
        if (damage == QLatin1String("byte")) {
            bytes[bytes.size() / 2] = char(bytes.at(bytes.size() / 2) ^ 0x20);
            QVERIFY(writeFile(m_index, bytes));
        } else if (damage == QLatin1String("truncated")) {
            QVERIFY(writeFile(m_index, bytes.left(bytes.size() * 2 / 3)));
        } else if (damage == QLatin1String("version")) {
            bytes[8] = char(bytes.at(8) + 1);
            QVERIFY(writeFile(m_index, bytes));
        } else if (damage == QLatin1String("fifo")) {
            QVERIFY(QFile::remove(m_index));
            QCOMPARE(::mkfifo(QFile::encodeName(m_index).constData(), 0600), 0);
        } else if (damage == QLatin1String("symlink")) {
            QVERIFY(QFile::rename(m_index, m_index + QStringLiteral(".real")));
            QVERIFY(QFile::link(m_index + QStringLiteral(".real"), m_index));
        } else if (damage == QLatin1String("zone")) {
            qputenv("TZ", "Pacific/Auckland");
        } else if (damage == QLatin1String("unwritable")) {
            // The cache folder cannot be made: its parent is a file. A read-only folder would not stop root.
            QDir(m_dir->filePath(QStringLiteral("cache"))).removeRecursively();
            QVERIFY(writeFile(m_dir->filePath(QStringLiteral("cache")), "not a folder"));
        }
        const Start next = start(false);
        if (oldTz.isEmpty()) {
            qunsetenv("TZ");
        } else {
            qputenv("TZ", oldTz);
        }
        QVERIFY(titles(next.reminders).contains(listID + QStringLiteral("/item-3.ics=Fresh")));
        QCOMPARE(titles(next.reminders), titles(truth()));
        QCOMPARE(next.parsed, 30);
        if (damage == QLatin1String("unwritable")) {
            VdirStore store(m_root);
            store.setIndexPath(m_index);
            QCoro::waitFor(store.lists());
            QCoro::waitFor(store.fetchReminders({listID}));
            QVERIFY(!store.saveIndex());
        }
    }
};

QTEST_GUILESS_MAIN(VdirStoreIndexTest)
#include "VdirStoreIndexTest.moc"
