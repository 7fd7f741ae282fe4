// Another program that rewrites a reminder in place (open, read, write, close) while the store edits the same
// reminder by replacing the file: none of that program's writes may land in a file the store displaced.

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

constexpr int writes = 20000;
// Between reading and writing, and after closing: long enough that, without a fence, the store's swap lands
// inside many of the program's writes.
constexpr int pauseUs = 50;

} // namespace

class InPlaceWriterTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shouldLoseNoWriteOfAProgramThatRewritesInPlace()
    {
        QTemporaryDir dir;
        QProcess race;
        race.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        race.start(QStringLiteral(STRESS_WRITER_PATH),
                   {QStringLiteral("race"), dir.path() + QStringLiteral("/calendars"), QString::number(writes),
                    QString::number(pauseUs)});
        QVERIFY(race.waitForFinished(240000));
        const QByteArray report = race.readAllStandardOutput();
        qInfo("%s", report.trimmed().constData());
        QVERIFY2(race.exitCode() == 0, report.constData());
    }
};

QTEST_GUILESS_MAIN(InPlaceWriterTest)
#include "InPlaceWriterTest.moc"
