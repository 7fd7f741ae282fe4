#include "app/CommandLine.h"

#include "TestSupport.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTest>

using namespace tolvik;

namespace {

struct Run
{
    int exitCode = -1;
    QString out;
    QString err;
};

// The installed binary's behaviour matters most here, so these runs go through a real process.
Run runApp(const QStringList& arguments, const QStringList& extraEnvironment = {})
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    environment.insert(QStringLiteral("LANGUAGE"), QStringLiteral("en"));
    for (const QString& pair : extraEnvironment) {
        environment.insert(pair.section(QLatin1Char('='), 0, 0), pair.section(QLatin1Char('='), 1));
    }
    process.setProcessEnvironment(environment);
    process.start(qEnvironmentVariable("TOLVIK_APP_BINARY"), arguments);
    if (!process.waitForFinished(30000)) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromLocal8Bit(process.readAllStandardOutput()),
            QString::fromLocal8Bit(process.readAllStandardError())};
}

} // namespace

class CommandLineTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QVERIFY(QFile::exists(qEnvironmentVariable("TOLVIK_APP_BINARY"))); }

    void shouldAnswerOnlyHelpAndVersionBeforeTheDisplayOpens_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("answer");
        QTest::newRow("no arguments") << QStringList{} << QString();
        QTest::newRow("--help") << QStringList{QStringLiteral("--help")} << QStringLiteral("help");
        QTest::newRow("-h after a Qt option")
            << QStringList{QStringLiteral("-platform"), QStringLiteral("xcb"), QStringLiteral("-h")}
            << QStringLiteral("help");
        QTest::newRow("--version") << QStringList{QStringLiteral("--version")} << QStringLiteral("version");
        QTest::newRow("-v") << QStringList{QStringLiteral("-v")} << QStringLiteral("version");
        QTest::newRow("a Qt option") << QStringList{QStringLiteral("-style"), QStringLiteral("fusion")} << QString();
        QTest::newRow("after --") << QStringList{QStringLiteral("--"), QStringLiteral("--help")} << QString();
        QTest::newRow("--quick-add starts the app") << QStringList{QStringLiteral("--quick-add")} << QString();
    }
    void shouldAnswerOnlyHelpAndVersionBeforeTheDisplayOpens()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, answer);
        test::IsolatedHome home;
        const auto exit =
            CommandLine::answerInformational(QStringList{QStringLiteral("/usr/bin/tolvik-reminder")} + arguments);
        QCOMPARE(exit.has_value(), !answer.isEmpty());
        if (!exit) {
            return;
        }
        QCOMPARE(exit->exitCode, 0);
        QVERIFY(exit->error.isEmpty());
        if (answer == QLatin1String("help")) {
            QVERIFY(
                exit->output.startsWith(QStringLiteral("Usage: tolvik-reminder [--help | --version | --quick-add]\n")));
            QVERIFY(exit->output.contains(
                QRegularExpression(QStringLiteral("\n  -v, --version +Print the version and exit\n"))));
        } else {
            QVERIFY(exit->output.startsWith(QStringLiteral("TolvikReminder ")));
        }
    }

    void shouldRefuseWhatQtLeftOver()
    {
        test::IsolatedHome home;
        const QString program = QStringLiteral("tolvik-reminder");
        QVERIFY(!CommandLine::rejectUnknownOptions({program}));
        QVERIFY(!CommandLine::rejectUnknownOptions({program, QStringLiteral("--quick-add")}));
        for (const QString& stray : {QStringLiteral("--quiet"), QStringLiteral("notes.txt"), QString()}) {
            const auto exit = CommandLine::rejectUnknownOptions({program, stray});
            QVERIFY(exit);
            QCOMPARE(exit->exitCode, 2);
            QCOMPARE(exit->error, QStringLiteral("Unknown argument “%1”. Try “tolvik-reminder --help”.\n").arg(stray));
        }
    }

    void shouldShowAnEmDashForAMissingBuildNumber()
    {
        test::IsolatedHome home;
        QCOMPARE(CommandLine::versionText(QStringLiteral("0.3.0"), QString()),
                 QStringLiteral("TolvikReminder 0.3.0 (build —)"));
    }

    void shouldPrintAndExitWithoutADisplay()
    {
        test::IsolatedHome home;
        const Run version = runApp({QStringLiteral("--version")});
        QCOMPARE(version.exitCode, 0);
        QVERIFY2(QRegularExpression(QStringLiteral("^TolvikReminder \\d+\\.\\d+\\.\\d+ \\(build (\\d+|—)\\)\n$"))
                     .match(version.out)
                     .hasMatch(),
                 qPrintable(version.out));
        QVERIFY(version.err.isEmpty());

        const Run help = runApp({QStringLiteral("--help")});
        QCOMPARE(help.exitCode, 0);
        QVERIFY(help.out.contains(QStringLiteral("--version")));

        // The help follows the interface language chosen in the settings, like every other text.
        QVERIFY(test::writeFile(home.configHome() + QStringLiteral("/Tolvik/TolvikReminder.ini"),
                                "[General]\nlanguagePreference=de\n"));
        QVERIFY(runApp({QStringLiteral("--help")}).out.startsWith(QStringLiteral("Aufruf: tolvik-reminder")));
    }

    void shouldRefuseAnUnknownOptionOnceQtTookItsOwn()
    {
        test::IsolatedHome home;
        const Run run = runApp({QStringLiteral("-platform"), QStringLiteral("offscreen"), QStringLiteral("--bogus")});
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(run.err.contains(QStringLiteral("“--bogus”")), qPrintable(run.err));
    }
};

QTEST_GUILESS_MAIN(CommandLineTest)
#include "CommandLineTest.moc"
