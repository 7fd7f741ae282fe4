// What sync tools need from the files the app writes: a UID-safe name that is the UID, a name that survives
// edits, one file per UID in a list, and plain CRLF UTF-8 text folded at 75 octets without a byte-order mark.
#include "IcsText.h"
#include "ModelHarness.h"
#include "TestSupport.h"

#include <QDir>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

#include <memory>

using namespace tolvik;
using namespace tolvik::interop;

namespace {

const QString workList = QStringLiteral("local/work");
const QString homeList = QStringLiteral("local/home");

/// Per list folder, every UID and how many files carry it.
QHash<QString, int> uidCounts(const QString& folder)
{
    QHash<QString, int> counts;
    for (const QString& name : icsFiles(folder)) {
        ++counts[valueOf(masterTodo(test::readFile(folder + QLatin1Char('/') + name)), QStringLiteral("UID"))];
    }
    return counts;
}

} // namespace

class VdirFileRulesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void newFilesAreNamedByASafeUidAndWellFormed();
    void editsKeepTheNameAndTheFormat();
    void filesFromOtherClientsKeepNameUidAndTheirOwnForm();
    void movesLeaveOneFilePerUid();

private:
    QString folder(const QString& listID) const { return m_root + QLatin1Char('/') + listID; }
    /// Fails unless the file keeps every format rule.
    static bool wellFormed(const QString& path);

    std::unique_ptr<test::IsolatedHome> m_home;
    QString m_root;
    std::unique_ptr<ModelHarness> m_app;
};

void VdirFileRulesTest::init()
{
    m_home = std::make_unique<test::IsolatedHome>();
    m_root = m_home->dataHome() + QStringLiteral("/calendars");
    QVERIFY(QDir().mkpath(folder(workList)));
    QVERIFY(QDir().mkpath(folder(homeList)));
    m_app = std::make_unique<ModelHarness>(m_root, m_home->path() + QStringLiteral("/prefs.ini"));
    m_app->refresh();
    QCOMPARE(m_app->model().lists().size(), 2);
}

void VdirFileRulesTest::cleanup()
{
    m_app.reset();
    m_home.reset();
}

bool VdirFileRulesTest::wellFormed(const QString& path)
{
    const QStringList faults = formatFaults(test::readFile(path));
    if (!faults.isEmpty()) {
        qWarning("%s: %s", qPrintable(path), qPrintable(faults.join(QStringLiteral("; "))));
    }
    return faults.isEmpty();
}

void VdirFileRulesTest::newFilesAreNamedByASafeUidAndWellFormed()
{
    // Long texts in scripts whose characters take two to four octets, so that folds fall near and inside them.
    const QString notes = QStringLiteral("Überprüfen: 東京の会議室を予約する、午後三時から。 ") +
                          QStringLiteral("🧾📅✅ ").repeated(12) +
                          QStringLiteral("e\u0301 combining, tab\tand a new\nline; commas, too");
    const int count = 40;
    for (int index = 0; index < count; ++index) {
        const QString title =
            QStringLiteral("Réunion %1 — ").arg(index) + QStringLiteral("長い件名").repeated(index % 7 * 3);
        QCOMPARE(m_app->add(title, workList, QDateTime(QDate(2031, 1, 1 + index % 28), QTime(9, index)),
                            index % 2 ? std::optional(notes) : std::nullopt, index % 10),
                 QString());
    }

    static const QRegularExpression safeName(QStringLiteral("^[A-Za-z0-9_.+-]+\\.ics$"));
    const QStringList names = icsFiles(folder(workList));
    QCOMPARE(names.size(), count);
    QSet<QString> uids;
    bool sawFold = false;
    for (const QString& name : names) {
        QVERIFY2(safeName.match(name).hasMatch(), qPrintable(name));
        const QByteArray data = test::readFile(folder(workList) + QLatin1Char('/') + name);
        QVERIFY(wellFormed(folder(workList) + QLatin1Char('/') + name));
        const QString uid = valueOf(masterTodo(data), QStringLiteral("UID"));
        QCOMPARE(uid + QStringLiteral(".ics"), name);
        uids.insert(uid);
        sawFold = sawFold || data.contains("\r\n ");
    }
    QCOMPARE(uids.size(), count);
    QVERIFY(sawFold);

    // What was folded unfolds to the very text the app was given.
    for (const ReminderItem& item : m_app->model().reminders()) {
        if (item.notes) {
            QCOMPARE(*item.notes, notes);
        }
    }
}

void VdirFileRulesTest::editsKeepTheNameAndTheFormat()
{
    QCOMPARE(m_app->add(QStringLiteral("Plan trip"), workList, QDateTime(QDate(2031, 5, 1), QTime(8, 0)), std::nullopt,
                        0, RecurrenceOption::weekly),
             QString());
    const QString id = m_app->idOf(QStringLiteral("Plan trip"));
    const QStringList namesBefore = icsFiles(folder(workList));
    QCOMPARE(namesBefore.size(), 1);
    QByteArray previous = test::readFile(folder(workList) + QLatin1Char('/') + namesBefore.first());

    const auto checkUnchangedName = [&](const char* step) {
        const QStringList names = icsFiles(folder(workList));
        QVERIFY2(names == namesBefore, step);
        const QByteArray now = test::readFile(folder(workList) + QLatin1Char('/') + names.first());
        QVERIFY2(now != previous, step);
        QVERIFY2(wellFormed(folder(workList) + QLatin1Char('/') + names.first()), step);
        previous = now;
    };

    QCOMPARE(m_app->wait(m_app->model().updateReminder(
                 id, QStringLiteral("Plan trip to Åre ") + QStringLiteral("🏔").repeated(30), QStringLiteral("Skis"),
                 QDateTime(QDate(2031, 5, 2), QTime(8, 0)), 1, RecurrenceOption::weekly)),
             QString());
    checkUnchangedName("edit");
    if (QTest::currentTestFailed()) {
        return;
    }
    QCOMPARE(m_app->wait(m_app->model().completeReminder(id)), QString());
    checkUnchangedName("complete a repeating reminder");
    if (QTest::currentTestFailed()) {
        return;
    }
    QCOMPARE(m_app->wait(m_app->model().updateReminder(id, QStringLiteral("Plan trip"), std::nullopt, std::nullopt, 0,
                                                       RecurrenceOption::none)),
             QString());
    checkUnchangedName("clear");
    if (QTest::currentTestFailed()) {
        return;
    }
    QCOMPARE(m_app->wait(m_app->model().completeReminder(id)), QString());
    checkUnchangedName("complete");
}

void VdirFileRulesTest::filesFromOtherClientsKeepNameUidAndTheirOwnForm()
{
    // Another client's habits: a byte-order mark, LF line ends, an unfolded long line, a UID with '@' and
    // spaces, and a file name that is not the UID.
    const QString foreignName = QStringLiteral("Some Name@host.ics");
    const QByteArray foreign = "\xEF\xBB\xBF"
                               "BEGIN:VCALENDAR\nVERSION:2.0\nPRODID:-//Other//Client//EN\nBEGIN:VTODO\n"
                               "UID:odd uid@other.example\nDTSTAMP:20300101T000000Z\nSUMMARY:From elsewhere\n"
                               "DESCRIPTION:" +
                               QByteArray("0123456789").repeated(20) + "\nEND:VTODO\nEND:VCALENDAR\n";
    QVERIFY(test::writeFile(folder(workList) + QLatin1Char('/') + foreignName, foreign));
    m_app->refresh();
    const QString id = m_app->idOf(QStringLiteral("From elsewhere"));
    QVERIFY(!id.isEmpty());

    QCOMPARE(m_app->wait(m_app->model().updateReminder(id, QStringLiteral("From elsewhere, edited here"),
                                                       QStringLiteral("0123456789").repeated(20), std::nullopt, 0,
                                                       RecurrenceOption::none)),
             QString());
    QCOMPARE(icsFiles(folder(workList)), QStringList{foreignName});
    const QString path = folder(workList) + QLatin1Char('/') + foreignName;
    // The other client's own form stays: its byte-order mark, its line ends and its long line; only the edited
    // lines change, written with the file's line end.
    const QByteArray written = test::readFile(path);
    QVERIFY(written.startsWith(foreign.left(foreign.indexOf("DTSTAMP"))));
    QVERIFY(written.contains("\nSUMMARY:From elsewhere\\, edited here\n"));
    QVERIFY(written.contains("\nDESCRIPTION:" + QByteArray("0123456789").repeated(20) + "\n"));
    QVERIFY(!written.contains('\r'));
    QCOMPARE(valueOf(masterTodo(test::readFile(path)), QStringLiteral("UID")), QStringLiteral("odd uid@other.example"));
    QCOMPARE(m_app->reminder(QStringLiteral("From elsewhere, edited here"))->id, id);
}

void VdirFileRulesTest::movesLeaveOneFilePerUid()
{
    QCOMPARE(m_app->add(QStringLiteral("Wanderer"), workList), QString());
    QCOMPARE(m_app->add(QStringLiteral("Stayer"), workList), QString());
    const QString uid = valueOf(masterTodo(test::readFile(m_app->pathOf(m_app->idOf(QStringLiteral("Wanderer"))))),
                                QStringLiteral("UID"));

    for (const QString& target : {homeList, workList, homeList}) {
        QCOMPARE(m_app->wait(m_app->model().moveReminder(m_app->idOf(QStringLiteral("Wanderer")), target)), QString());
        const std::optional<ReminderItem> moved = m_app->reminder(QStringLiteral("Wanderer"));
        QVERIFY(moved);
        QCOMPARE(moved->listID, target);
        const QHash<QString, int> work = uidCounts(folder(workList));
        const QHash<QString, int> home = uidCounts(folder(homeList));
        for (const QHash<QString, int>& list : {work, home}) {
            for (auto it = list.begin(); it != list.end(); ++it) {
                QVERIFY2(it.value() == 1, qPrintable(it.key()));
            }
        }
        QCOMPARE(work.value(uid) + home.value(uid), 1);
        QCOMPARE((target == workList ? work : home).value(uid), 1);
        QVERIFY(wellFormed(m_app->pathOf(moved->id)));
        QCOMPARE(QFileInfo(m_app->pathOf(moved->id)).fileName(), uid + QStringLiteral(".ics"));
    }
    QCOMPARE(m_app->model().reminders().size(), 2);
}

QTEST_GUILESS_MAIN(VdirFileRulesTest)
#include "VdirFileRulesTest.moc"
