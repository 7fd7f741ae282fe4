// Undo of a completion or removal from the panel, on the real model and folder store: the file's exact old bytes
// come back under its old name, never over what someone else wrote since, and the bar says what happened.
#include "panel/UndoBar.h"
#include "PanelFixture.h"
#include "appearance/LocalizationManager.h"
#include "panel/QuickAddField.h"
#include "panel/ReminderListSection.h"
#include "rows/ReminderRow.h"
#include "store/VdirWriter.h"

#include <QApplication>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTimer>
#include <QToolButton>

using namespace tolvik;
using namespace tolvik::test;

namespace {

const QString inbox = QStringLiteral("home/inbox");

// Written as another client might: LF line ends, a folded line and a property the app does not know, so that any
// re-serialisation would show.
const QByteArray plainItem = "BEGIN:VCALENDAR\nVERSION:2.0\nPRODID:-//elsewhere//EN\nBEGIN:VTODO\nUID:milk\n"
                             "DTSTAMP:20240101T000000Z\nSUMMARY:Buy milk\nX-ELSEWHERE:kept exactly as wr\n itten\n"
                             "END:VTODO\nEND:VCALENDAR\n";
const QByteArray repeatingItem = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//elsewhere//EN\r\nBEGIN:VTODO\r\n"
                                 "UID:bins\r\nDTSTAMP:20240101T000000Z\r\nSUMMARY:Take out the bins\r\n"
                                 "DUE:20240318T070000\r\nRRULE:FREQ=WEEKLY\r\nEND:VTODO\r\nEND:VCALENDAR\r\n";

enum class Action
{
    complete,
    remove,
};

enum class Trigger
{
    ctrlZ,
    click,
};

} // namespace

Q_DECLARE_METATYPE(Action)
Q_DECLARE_METATYPE(Trigger)

class UndoBarTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<PanelFixture> m_fixture;
    std::unique_ptr<ContentView> m_view;

    QString path(const QString& fileName) const
    {
        return m_fixture->root() + QLatin1Char('/') + inbox + QLatin1Char('/') + fileName;
    }
    UndoBar* bar() const { return m_view->undoBar(); }

    ReminderRow* row(const QString& title) const
    {
        for (ReminderRow* candidate : m_view->rowsInOrder()) {
            if (candidate->reminder().title == title) {
                return candidate;
            }
        }
        return nullptr;
    }

    void showPanel()
    {
        m_fixture->preferences().setString(PreferenceKey::selectedListIDs, inbox);
        m_view = m_fixture->showView();
        m_view->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_view.get()));
    }

    /// Completes or deletes the row from the keyboard, as the user would, and waits until the panel shows the outcome.
    void act(const QString& title, Action action)
    {
        QTRY_VERIFY(row(title) != nullptr);
        QSignalSpy made(&m_fixture->model(), &RemindersViewModel::undoableChangeMade);
        QSignalSpy failed(&m_fixture->model(), &RemindersViewModel::changeFailed);
        m_view->focusRow(row(title));
        QTest::keyClick(row(title), action == Action::complete ? Qt::Key_Space : Qt::Key_Delete);
        QTRY_COMPARE(made.count() + failed.count(), 1);
        m_view->renderIfPending();
        QVERIFY(bar()->isVisible());
    }

    static void pressCtrlZ() { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, Qt::ControlModifier); }

private Q_SLOTS:
    void init()
    {
        m_fixture = std::make_unique<PanelFixture>();
        m_fixture->makeList(inbox, "Inbox");
    }
    void cleanup()
    {
        VdirWriter::setBeforeReplaceHook({});
        m_view.reset();
        m_fixture.reset();
    }

    void shouldPutBackTheExactBytesUnderTheOldName_data()
    {
        QTest::addColumn<QByteArray>("original");
        QTest::addColumn<QString>("title");
        QTest::addColumn<Action>("action");
        QTest::addColumn<Trigger>("trigger");
        QTest::addColumn<QString>("shown");
        QTest::newRow("complete") << plainItem << "Buy milk" << Action::complete << Trigger::ctrlZ
                                  << "Completed \u201cBuy milk\u201d";
        QTest::newRow("repeating complete") << repeatingItem << "Take out the bins" << Action::complete
                                            << Trigger::click << "Completed \u201cTake out the bins\u201d";
        QTest::newRow("delete") << plainItem << "Buy milk" << Action::remove << Trigger::ctrlZ
                                << "Deleted \u201cBuy milk\u201d";
    }
    void shouldPutBackTheExactBytesUnderTheOldName()
    {
        QFETCH(QByteArray, original);
        QFETCH(QString, title);
        QFETCH(Action, action);
        QFETCH(Trigger, trigger);
        QFETCH(QString, shown);
        const QString file = path(QStringLiteral("item.ics"));
        writeFile(file, original);
        QFile::setPermissions(file, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup);
        showPanel();
        QTRY_VERIFY(row(title) != nullptr);
        const std::optional<QDateTime> due = row(title)->reminder().dueDate;
        const QFileDevice::Permissions permissions = QFile::permissions(file);

        act(title, action);
        QTRY_COMPARE(bar()->message(), shown);
        QVERIFY(bar()->undoButton()->isVisible());
        QVERIFY(readFile(file) != original);

        if (trigger == Trigger::ctrlZ) {
            pressCtrlZ();
        } else {
            QTest::mouseClick(bar()->undoButton(), Qt::LeftButton);
        }
        QTRY_VERIFY(!bar()->isVisible());
        QCOMPARE(readFile(file), original);
        QCOMPARE(QFile::permissions(file), permissions);
        QCOMPARE(QDir(m_fixture->root() + QLatin1Char('/') + inbox).entryList({QStringLiteral("*.ics")}),
                 QStringList{QStringLiteral("item.ics")});
        // Back on its row, on the occurrence it was on, with the focus.
        QTRY_VERIFY(row(title) != nullptr && row(title)->reminder().dueDate == due);
        QTRY_COMPARE(m_view->focusedRow(), row(title));
    }

    void shouldRefuseWhenTheFileChangedSince_data()
    {
        QTest::addColumn<Action>("action");
        QTest::addColumn<QString>("change");
        QTest::newRow("rewritten after the completion") << Action::complete << "rewrite";
        QTest::newRow("removed after the completion") << Action::complete << "remove";
        QTest::newRow("rewritten during the completion") << Action::complete << "during";
        QTest::newRow("a new file under the deleted name") << Action::remove << "rewrite";
    }
    void shouldRefuseWhenTheFileChangedSince()
    {
        QFETCH(Action, action);
        QFETCH(QString, change);
        const QString file = path(QStringLiteral("item.ics"));
        const QByteArray elsewhere = todoFile("milk", "Buy oat milk");
        writeFile(file, plainItem);
        showPanel();
        const auto writeElsewhere = [&] {
            writeFile(file + QStringLiteral(".tmp"), elsewhere);
            QFile::remove(file);
            QFile::rename(file + QStringLiteral(".tmp"), file);
        };
        if (change == QStringLiteral("during")) {
            // Another client saves between our read and our rename: our edit lands on its version, and the old
            // bytes would throw its edit away.
            VdirWriter::setBeforeReplaceHook([&writeElsewhere, done = false](const QString&) mutable {
                if (!done) {
                    done = true;
                    writeElsewhere();
                }
            });
        }

        act(QStringLiteral("Buy milk"), action);
        if (change == QStringLiteral("rewrite")) {
            writeElsewhere();
        } else if (change == QStringLiteral("remove")) {
            QFile::remove(file);
        }
        const QByteArray before = readFile(file);
        pressCtrlZ();
        QTRY_COMPARE(bar()->message(), localizedString(QStringLiteral("undo.tooLate")));
        QVERIFY(bar()->isVisible());
        QVERIFY(!bar()->undoButton()->isVisible());
        QCOMPARE(readFile(file), before);
        QCOMPARE(QFile::exists(file), change != QStringLiteral("remove"));
        QVERIFY(readFile(file) != plainItem);
    }

    void shouldOfferOnlyTheLatestChangeAndOnlyForItsTime()
    {
        writeFile(path(QStringLiteral("a.ics")), todoFile("a", "Salt & pepper"));
        const QByteArray longTitle = "Call " + QByteArray(300, 'x');
        writeFile(path(QStringLiteral("b.ics")), todoFile("b", longTitle));
        writeFile(path(QStringLiteral("c.ics")), todoFile("c", "Water plants"));
        showPanel();

        act(QStringLiteral("Salt & pepper"), Action::remove);
        // Shown as typed: no "&" becomes a mnemonic.
        QTRY_COMPARE(bar()->message(), QStringLiteral("Deleted \u201cSalt & pepper\u201d"));
        QCOMPARE(bar()->hideTimer()->interval(), UndoBar::shownForMs);

        act(QString::fromLatin1(longTitle), Action::complete);
        // A long title is cut to fit, and the message still closes its quotes.
        QTRY_VERIFY(bar()->message().startsWith(QStringLiteral("Completed \u201cCall xxx")) &&
                    bar()->message().endsWith(QStringLiteral("\u2026\u201d")));
        QVERIFY(bar()->width() <= m_view->width());
        QVERIFY(bar()->hideTimer()->isActive());
        // Tab reaches the Undo button.
        m_view->sections().first()->addButton()->setFocus(Qt::TabFocusReason);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), bar()->undoButton());
        QTest::keyClick(bar()->undoButton(), Qt::Key_Space);
        QTRY_VERIFY(row(QString::fromLatin1(longTitle)) != nullptr);
        // The earlier removal was replaced by the completion and stays done.
        QVERIFY(!QFile::exists(path(QStringLiteral("a.ics"))));
        QVERIFY(row(QStringLiteral("Salt & pepper")) == nullptr);

        act(QStringLiteral("Water plants"), Action::complete);
        const QByteArray completed = readFile(path(QStringLiteral("c.ics")));
        bar()->hideTimer()->start(0);
        QTRY_VERIFY(!bar()->isVisible());
        QVERIFY(!bar()->canUndo());
        // An undo writes at once, before anything is awaited, so nothing can be pending here.
        pressCtrlZ();
        QCOMPARE(readFile(path(QStringLiteral("c.ics"))), completed);
    }

    void shouldLeaveCtrlZToAFocusedTextField()
    {
        const QString file = path(QStringLiteral("item.ics"));
        writeFile(file, plainItem);
        showPanel();
        act(QStringLiteral("Buy milk"), Action::complete);
        const QByteArray completed = readFile(file);

        QLineEdit* field = m_view->quickAddField()->edit();
        field->setFocus(Qt::OtherFocusReason);
        QTest::keyClicks(field, QStringLiteral("Tea"));
        QTest::keyClick(field, Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(field->text().isEmpty());
        QCOMPARE(readFile(file), completed);
        QVERIFY(bar()->canUndo());
    }

    void shouldShowAFailedChangeInTheBar()
    {
        // libical cannot read the due date; rewriting the file would lose it, so the store refuses.
        const QByteArray unreadable = todoFile("bad", "Broken", "DUE:not-a-date\r\n");
        writeFile(path(QStringLiteral("bad.ics")), unreadable);
        showPanel();
        act(QStringLiteral("Broken"), Action::complete);
        QVERIFY2(bar()->message().startsWith(QStringLiteral("Could not complete \u201cBroken\u201d: ")),
                 qPrintable(bar()->message()));
        QVERIFY2(bar()->message().contains(QStringLiteral("left unchanged")), qPrintable(bar()->message()));
        QVERIFY(!bar()->undoButton()->isVisible());
        QVERIFY(!bar()->canUndo());
        QCOMPARE(readFile(path(QStringLiteral("bad.ics"))), unreadable);
    }
};

QTEST_MAIN(UndoBarTest)
#include "UndoBarTest.moc"
