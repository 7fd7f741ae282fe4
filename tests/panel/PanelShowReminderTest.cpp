// "Show" on a notification, on the real model and folder store: the panel opens scrolled to the reminder that rang
// with its row focused, a settings window that is off screen stays away, and the row under the resting pointer shows
// no bubble until the pointer moves. And a panel cut mid-row says that more rows lie below.
#include "PanelFixture.h"
#include "panel/HoverManager.h"
#include "panel/PanelWindow.h"
#include "panel/ReminderListSection.h"
#include "panel/ScrollHint.h"
#include "panel/TrayEntry.h"
#include "rows/ReminderRow.h"
#include "settings/SettingsWindowPresenter.h"

#include <QApplication>
#include <QCursor>
#include <QEnterEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

using namespace tolvik;
using namespace tolvik::test;

namespace {

const QString inbox = QStringLiteral("home/inbox");

ReminderRow* rowTitled(ContentView* view, const QString& title)
{
    for (ReminderRow* row : view->rowsInOrder()) {
        if (row->reminder().title == title) {
            return row;
        }
    }
    return nullptr;
}

bool isInView(ContentView* view, QWidget* row)
{
    QWidget* viewport = view->scrollArea()->viewport();
    const QRect shown(row->mapTo(viewport, QPoint(0, 0)), row->size());
    return viewport->rect().contains(shown);
}

} // namespace

class PanelShowReminderTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<PanelFixture> m_fixture;

private Q_SLOTS:
    void init()
    {
        m_fixture = std::make_unique<PanelFixture>();
        m_fixture->makeList(inbox, "Inbox");
        for (int number = 10; number < 40; ++number) {
            const QString uid = QStringLiteral("r%1").arg(number);
            writeFile(m_fixture->root() + QLatin1Char('/') + inbox + QLatin1Char('/') + uid + QStringLiteral(".ics"),
                      todoFile(uid.toUtf8(), "Reminder " + QByteArray::number(number)));
        }
        m_fixture->preferences().setString(PreferenceKey::selectedListIDs, inbox);
        QTRY_COMPARE(m_fixture->model().reminders().size(), 30);
    }
    void cleanup() { m_fixture.reset(); }

    void shouldOpenAtTheReminderThatRangAndLeaveTheRestAlone()
    {
        TrayEntry tray(m_fixture->model(), m_fixture->launchAtLogin(), m_fixture->root());
        SettingsWindowPresenter::shared().show(m_fixture->model(), m_fixture->launchAtLogin());
        QTRY_VERIFY(SettingsWindowPresenter::shared().window() != nullptr &&
                    SettingsWindowPresenter::shared().window()->isVisible());
        SettingsWindowPresenter::shared().window()->hide();

        const QString rang = inbox + QStringLiteral("/r37.ics");
        tray.showReminder(rang);
        QVERIFY(tray.panel() != nullptr && tray.panel()->isVisible());
        ContentView* view = tray.panel()->contentView();
        QTRY_VERIFY(view->focusedRow() != nullptr && view->focusedRow()->reminder().id == rang);
        QTRY_VERIFY(isInView(view, view->focusedRow()));
        QVERIFY(view->scrollArea()->verticalScrollBar()->value() > 0);
        QTRY_VERIFY(SettingsWindowPresenter::shared().window() == nullptr);

        // The pointer rests over another row, as the panel opened beneath it: that row shows no bubble.
        ReminderRow* under = nullptr;
        for (ReminderRow* row : view->rowsInOrder()) {
            if (row->reminder().id != rang && isInView(view, row)) {
                under = row;
                break;
            }
        }
        QVERIFY(under != nullptr);
        const QPoint resting = under->mapToGlobal(under->rect().center());
        QCursor::setPos(resting);
        QEnterEvent enter(under->rect().center(), under->rect().center(), resting);
        QApplication::sendEvent(under, &enter);
        QTest::qWait(HoverManager::clearDelayMs * 3);
        QVERIFY(view->hoverManager()->hoveredItemID() != under->reminder().id);

        // Once the pointer moves, it hovers again.
        QCursor::setPos(resting + QPoint(0, 2));
        QMouseEvent move(QEvent::MouseMove, under->rect().center() + QPoint(0, 2), resting + QPoint(0, 2), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(under, &move);
        QApplication::sendEvent(under, &enter);
        QTRY_COMPARE(view->hoverManager()->hoveredItemID(), std::optional<QString>(under->reminder().id));
    }

    void shouldHintThatMoreRowsLieBeyondTheCut()
    {
        auto view = m_fixture->showView([] { return panelNow(); }, 360);
        QTRY_COMPARE(view->rowsInOrder().size(), 30);
        QScrollBar* bar = view->scrollArea()->verticalScrollBar();
        QTRY_VERIFY(bar->maximum() > 0);
        QVERIFY(view->moreBelowHint()->isVisible());
        QVERIFY(!view->moreAboveHint()->isVisible());
        // The hint lies on the viewport's lower edge.
        QCOMPARE(view->moreBelowHint()->geometry().bottom(), view->scrollArea()->viewport()->rect().bottom());

        bar->setValue(bar->maximum());
        QVERIFY(!view->moreBelowHint()->isVisible());
        QVERIFY(view->moreAboveHint()->isVisible());
        QVERIFY(isInView(view.get(), rowTitled(view.get(), QStringLiteral("Reminder 39"))));
    }
};

QTEST_MAIN(PanelShowReminderTest)
#include "PanelShowReminderTest.moc"
