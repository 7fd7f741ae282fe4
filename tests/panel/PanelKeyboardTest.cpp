// The panel driven from the keyboard alone, on the real model and folder store: moving through the rows, the keys
// that edit, complete, delete and move a reminder (checked on disk), Escape from the inside out, the focused row's
// bubble, what assistive technology reads, and the tray icon's menu.
#include "PanelFixture.h"
#include "appearance/LocalizationManager.h"
#include "panel/HoverManager.h"
#include "panel/PanelFooter.h"
#include "panel/PanelHeader.h"
#include "panel/ReminderListSection.h"
#include "panel/TrayEntry.h"
#include "rows/PopoverWindow.h"
#include "rows/ReminderFormView.h"
#include "rows/ReminderRow.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSignalSpy>
#include <QToolButton>

using namespace tolvik;
using namespace tolvik::test;

namespace {

const QString inbox = QStringLiteral("home/inbox");
const QString errands = QStringLiteral("home/errands");

QString accessibleText(QObject* object, QAccessible::Text text)
{
    QAccessibleInterface* interface = QAccessible::queryAccessibleInterface(object);
    return interface != nullptr ? interface->text(text) : QString();
}

} // namespace

class PanelKeyboardTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<PanelFixture> m_fixture;
    std::unique_ptr<ContentView> m_view;

    QString path(const QString& listID, const QString& uid) const
    {
        return m_fixture->root() + QLatin1Char('/') + listID + QLatin1Char('/') + uid + QStringLiteral(".ics");
    }

    ReminderRow* row(const QString& title) const
    {
        for (ReminderRow* candidate : m_view->rowsInOrder()) {
            if (candidate->reminder().title == title) {
                return candidate;
            }
        }
        return nullptr;
    }

    QString focusedTitle() const
    {
        ReminderRow* focused = m_view->focusedRow();
        return focused != nullptr ? focused->reminder().title : QString();
    }

    /// Presses a key where the keyboard focus is, as the window system would deliver it.
    static void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QWidget* target = QApplication::activePopupWidget() != nullptr ? QApplication::activePopupWidget()
                                                                       : QApplication::focusWidget();
        if (target != nullptr && target->focusWidget() != nullptr) {
            target = target->focusWidget();
        }
        QTest::keyClick(target, static_cast<Qt::Key>(key), modifiers);
    }

private Q_SLOTS:
    void init()
    {
        m_fixture = std::make_unique<PanelFixture>();
        m_fixture->makeList(inbox, "Inbox");
        m_fixture->makeList(errands, "Errands");
        writeFile(path(inbox, QStringLiteral("a")),
                  todoFile("a", "Alpha", "DUE:20240316T090000\r\nPRIORITY:1\r\nRRULE:FREQ=WEEKLY\r\n"));
        writeFile(path(inbox, QStringLiteral("b")), todoFile("b", "Bravo", "DUE:20240317T090000\r\n"));
        writeFile(path(errands, QStringLiteral("c")), todoFile("c", "Charlie"));
        m_fixture->preferences().setString(PreferenceKey::selectedListIDs, inbox + QLatin1Char(',') + errands);
        m_view = m_fixture->showView();
        QTRY_COMPARE(m_view->rowsInOrder().size(), 3);
        // The panel's first list is the one the model orders first: "home/errands" before "home/inbox".
        m_view->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_view.get()));
        m_view->setFocus();
    }
    void cleanup()
    {
        m_view.reset();
        m_fixture.reset();
    }

    void shouldMoveThroughTheRowsOfAllSectionsInOrder()
    {
        const QStringList order = {QStringLiteral("Charlie"), QStringLiteral("Alpha"), QStringLiteral("Bravo")};
        press(Qt::Key_Down);
        QCOMPARE(focusedTitle(), order.at(0));
        QVERIFY(m_view->focusedRow()->showsFocusRing());
        // A click focuses the row without the keyboard's ring.
        QTest::mouseClick(m_view->focusedRow(), Qt::LeftButton);
        QVERIFY(!m_view->focusedRow()->showsFocusRing());
        press(Qt::Key_Down);
        QCOMPARE(focusedTitle(), order.at(1));
        press(Qt::Key_Down);
        press(Qt::Key_Down);
        QCOMPARE(focusedTitle(), order.at(2));
        press(Qt::Key_Up);
        QCOMPARE(focusedTitle(), order.at(1));
        press(Qt::Key_Home);
        QCOMPARE(focusedTitle(), order.at(0));
        press(Qt::Key_End);
        QCOMPARE(focusedTitle(), order.at(2));

        // Tab keeps to the buttons: each list's add button in turn, then the footer, then the search.
        m_view->setFocus();
        QList<QWidget*> expected;
        for (ReminderListSection* section : m_view->sections()) {
            expected.append(section->addButton());
        }
        expected << m_view->footer()->settingsButton() << m_view->footer()->quitButton()
                 << m_view->header()->searchButton();
        for (QWidget* next : expected) {
            press(Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), next);
        }
        // From a button the arrows still reach the rows.
        press(Qt::Key_Up);
        QCOMPARE(focusedTitle(), order.at(2));
    }

    void shouldChangeTheFocusedReminderOnDisk_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("expectedList");
        QTest::addColumn<QByteArray>("expectedLine");
        QTest::addColumn<QString>("focusAfter");
        const QString bravo = inbox;
        const QString moved = errands;
        QTest::newRow("Space completes") << int(Qt::Key_Space) << int(Qt::NoModifier) << bravo
                                         << QByteArray("STATUS:COMPLETED") << QStringLiteral("Alpha");
        QTest::newRow("Ctrl+Return completes") << int(Qt::Key_Return) << int(Qt::ControlModifier) << bravo
                                               << QByteArray("STATUS:COMPLETED") << QStringLiteral("Alpha");
        QTest::newRow("Delete deletes") << int(Qt::Key_Delete) << int(Qt::NoModifier) << QString() << QByteArray()
                                        << QStringLiteral("Alpha");
        QTest::newRow("Ctrl+Up moves to the list above") << int(Qt::Key_Up) << int(Qt::ControlModifier) << moved
                                                         << QByteArray("SUMMARY:Bravo") << QStringLiteral("Bravo");
    }
    void shouldChangeTheFocusedReminderOnDisk()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, expectedList);
        QFETCH(QByteArray, expectedLine);
        QFETCH(QString, focusAfter);
        m_view->focusRow(row(QStringLiteral("Bravo")));
        press(key, Qt::KeyboardModifiers(modifiers));
        if (expectedList.isEmpty()) {
            QTRY_VERIFY(!QFile::exists(path(inbox, QStringLiteral("b"))));
        } else {
            QTRY_VERIFY(readFile(path(expectedList, QStringLiteral("b"))).contains(expectedLine));
        }
        QTRY_VERIFY(row(QStringLiteral("Bravo")) == nullptr || focusAfter == QStringLiteral("Bravo"));
        QTRY_COMPARE(focusedTitle(), focusAfter);
        // Nothing else changed: the other reminders' files are as they were written.
        QCOMPARE(readFile(path(inbox, QStringLiteral("a"))),
                 todoFile("a", "Alpha", "DUE:20240316T090000\r\nPRIORITY:1\r\nRRULE:FREQ=WEEKLY\r\n"));
    }

    void shouldMoveNowhereFromTheLastListAndOpenEditorsAddsAndMenus()
    {
        // Ctrl+Down from the last list has nowhere to go.
        m_view->focusRow(row(QStringLiteral("Bravo")));
        press(Qt::Key_Down, Qt::ControlModifier);
        QTest::qWait(100);
        QVERIFY(QFile::exists(path(inbox, QStringLiteral("b"))));

        ReminderRow* alpha = row(QStringLiteral("Alpha"));
        for (int key : {int(Qt::Key_Return), int(Qt::Key_E)}) {
            m_view->focusRow(alpha);
            press(key);
            QTRY_VERIFY(alpha->isEditPresented());
            QTRY_VERIFY(alpha->editPopover()->isVisible());
            // Escape closes the innermost thing: the popover, and the panel stays.
            QSignalSpy closing(m_view.get(), &ContentView::closeRequested);
            press(Qt::Key_Escape);
            QTRY_VERIFY(!alpha->isEditPresented());
            QCOMPARE(closing.count(), 0);
        }

        for (const auto& [key, modifiers] :
             {std::pair{int(Qt::Key_Menu), Qt::NoModifier}, std::pair{int(Qt::Key_F10), Qt::ShiftModifier}}) {
            m_view->focusRow(alpha);
            press(key, modifiers);
            QTRY_VERIFY(qobject_cast<QMenu*>(QApplication::activePopupWidget()) != nullptr);
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            QCOMPARE(menu->activeAction(), menu->actions().first());
            menu->close();
        }

        // N adds to the focused row's list; from the panel itself, to the first list. (Ctrl+N belongs to quick add.)
        ReminderListSection* inboxSection = m_view->sectionFor(inbox);
        ReminderListSection* errandsSection = m_view->sectionFor(errands);
        m_view->focusRow(alpha);
        press(Qt::Key_N);
        QTRY_VERIFY(inboxSection->isPresentingAddPopover());
        inboxSection->setPresentingAddPopover(false);
        m_view->setFocus();
        press(Qt::Key_N);
        QTRY_VERIFY(errandsSection->isPresentingAddPopover());
        QTest::keyClicks(errandsSection->addForm()->titleField(), QStringLiteral("Delta"));
        errandsSection->setPresentingAddPopover(false);

        // Escape on the panel itself closes it.
        m_view->setFocus();
        QSignalSpy closing(m_view.get(), &ContentView::closeRequested);
        press(Qt::Key_Escape);
        QCOMPARE(closing.count(), 1);
    }

    void shouldShowTheFocusedRowsBubbleAndNameEveryRowAndButton()
    {
        ReminderRow* alpha = row(QStringLiteral("Alpha"));
        m_view->focusRow(alpha);
        QTRY_COMPARE(m_view->hoverManager()->hoveredItemID(), std::optional<QString>(alpha->reminder().id));
        QTRY_VERIFY(m_view->sectionFor(inbox)->bubbleWindow()->isVisible());
        press(Qt::Key_Down);
        QTRY_COMPARE(m_view->hoverManager()->hoveredItemID(),
                     std::optional<QString>(row(QStringLiteral("Bravo"))->reminder().id));

        QCOMPARE(accessibleText(alpha, QAccessible::Name), QStringLiteral("Alpha"));
        const QString description = accessibleText(alpha, QAccessible::Description);
        for (const QString& part :
             {alpha->dueLabel()->text(), localizedString(QStringLiteral("reminder.priority.high")),
              localizedString(QStringLiteral("recurrence.weekly"))}) {
            QVERIFY2(description.contains(part), qPrintable(description + QStringLiteral(" lacks ") + part));
        }
        QCOMPARE(accessibleText(row(QStringLiteral("Charlie")), QAccessible::Description),
                 localizedString(QStringLiteral("panel.a11y.rowNoDue")));
        QCOMPARE(accessibleText(m_view->sectionFor(inbox)->addButton(), QAccessible::Name),
                 localizedString(QStringLiteral("panel.a11y.addReminderTo")).arg(QStringLiteral("Inbox")));
        for (QWidget* button : {static_cast<QWidget*>(m_view->footer()->settingsButton()),
                                static_cast<QWidget*>(m_view->footer()->quitButton())}) {
            QVERIFY(!accessibleText(button, QAccessible::Name).isEmpty());
            QVERIFY(!accessibleText(button, QAccessible::Description).isEmpty());
        }
    }

    void shouldOfferOpenSettingsAndQuitOnTheTrayIconInEachLanguage()
    {
        TrayEntry entry(m_fixture->model(), m_fixture->launchAtLogin(), m_fixture->root());
        for (const QString& language : {QStringLiteral("en"), QStringLiteral("de"), QStringLiteral("zh-Hant")}) {
            m_fixture->preferences().setString(PreferenceKey::languagePreference, language);
            QStringList texts;
            for (const QAction* action : entry.contextMenu()->actions()) {
                if (!action->isSeparator()) {
                    texts.append(action->text());
                }
            }
            QCOMPARE(texts, (QStringList{localizedString(QStringLiteral("panel.tray.open")),
                                         localizedString(QStringLiteral("panel.tray.settings")),
                                         localizedString(QStringLiteral("panel.tray.quit"))}));
        }
        QCOMPARE(entry.contextMenu()->actions().first()->text(), QStringLiteral("開啟"));
    }
};

QTEST_MAIN(PanelKeyboardTest)
#include "PanelKeyboardTest.moc"
