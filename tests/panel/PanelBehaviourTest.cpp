// The panel as a user meets it, on the real model and folder store: long names and titles stay inside the panel,
// colours follow the clock, failed writes keep the typing, the form holds still, Escape closes only the innermost
// thing, the bubble follows what is under the pointer, popups take the panel's theme and the divider stays visible.
#include "PanelFixture.h"
#include "appearance/AppTheme.h"
#include "appearance/DateTexts.h"
#include "appearance/LocalizationManager.h"
#include "panel/HoverManager.h"
#include "panel/PanelHeader.h"
#include "panel/ReminderDetailBubble.h"
#include "panel/ReminderListSection.h"
#include "rows/ElidedTextLabel.h"
#include "rows/PopoverWindow.h"
#include "rows/PriorityBadge.h"
#include "rows/ReminderFormView.h"
#include "rows/ReminderRow.h"
#include "rows/RowStyle.h"

#include <QAbstractItemView>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTextEdit>
#include <QTimeEdit>
#include <QToolButton>

using namespace tolvik;
using namespace tolvik::test;

namespace {

const QString inbox = QStringLiteral("home/inbox");

/// The widget's rectangle in the coordinates of `view`.
QRect rectIn(const QWidget* widget, const QWidget* view)
{
    return QRect(widget->mapTo(view, QPoint(0, 0)), widget->size());
}

QString uidOf(const QString& reminderID)
{
    return reminderID.section(QLatin1Char('/'), -1).chopped(4);
}

} // namespace

class PanelBehaviourTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<PanelFixture> m_fixture;
    QDateTime m_now = panelNow();

    Clock clock()
    {
        return [this] { return m_now; };
    }

    /// The inbox list with the given reminders (uid, summary, extra content lines), selected and shown.
    std::unique_ptr<ContentView> openInbox(const QList<std::tuple<QByteArray, QByteArray, QByteArray>>& todos,
                                           int height = 600)
    {
        m_fixture->makeList(inbox, "Inbox");
        for (const auto& [uid, summary, extra] : todos) {
            writeFile(m_fixture->root() + QLatin1Char('/') + inbox + QLatin1Char('/') + QString::fromLatin1(uid) +
                          QStringLiteral(".ics"),
                      todoFile(uid, summary, extra));
        }
        m_fixture->preferences().setString(PreferenceKey::selectedListIDs, inbox);
        auto view = m_fixture->showView(clock(), height);
        [&] { QTRY_COMPARE(view->sections().size(), 1); }();
        return view;
    }

    static ReminderRow* rowTitled(ContentView& view, const QString& title)
    {
        for (ReminderListSection* section : view.sections()) {
            for (ReminderRow* row : section->rows()) {
                if (row->reminder().title == title) {
                    return row;
                }
            }
        }
        return nullptr;
    }

private Q_SLOTS:
    void init()
    {
        m_fixture = std::make_unique<PanelFixture>();
        m_now = panelNow();
    }
    void cleanup() { m_fixture.reset(); }

    void shouldKeepLongNamesAndTitlesInsideThePanelAtEverySize_data()
    {
        QTest::addColumn<QString>("size");
        QTest::addColumn<QString>("word");
        for (const QString& size : {QStringLiteral("compact"), QStringLiteral("standard"), QStringLiteral("roomy")}) {
            QTest::addRow("%s, words", qPrintable(size)) << size << QStringLiteral("Errand ");
            QTest::addRow("%s, one unbroken word", qPrintable(size)) << size << QStringLiteral("https://x.example/");
        }
    }
    void shouldKeepLongNamesAndTitlesInsideThePanelAtEverySize()
    {
        QFETCH(QString, size);
        QFETCH(QString, word);
        m_fixture->preferences().setString(PreferenceKey::menuSizePreference, size);
        const QString listName = word.repeated(20).left(60);
        const QString accountName = word.repeated(10).left(40);
        const QByteArray title = word.repeated(40).left(200).toUtf8();
        writeFile(m_fixture->root() + QStringLiteral("/far/displayname"), accountName.toUtf8());
        m_fixture->makeList(QStringLiteral("far/away"), listName.toUtf8());
        m_fixture->makeList(QStringLiteral("far/short"), "Short");
        for (const QString& list : {QStringLiteral("far/away"), QStringLiteral("far/short")}) {
            writeFile(m_fixture->root() + QLatin1Char('/') + list + QStringLiteral("/long.ics"),
                      todoFile("long", title, "PRIORITY:1\r\nDESCRIPTION:" + title + "\r\nDUE:20240316T090000\r\n"));
        }
        m_fixture->preferences().setString(PreferenceKey::selectedListIDs, QStringLiteral("far/away,far/short"));
        auto view = m_fixture->showView();
        QTRY_COMPARE(view->sections().size(), 2);
        QTRY_COMPARE(view->width(), view->panelWidth());
        const QRect inside = view->scrollArea()->viewport()->rect();

        for (ReminderListSection* section : view->sections()) {
            QTRY_VERIFY(rectIn(section, view->scrollArea()->viewport()).right() <= inside.right());
            const QRect addButton = rectIn(section->addButton(), view->scrollArea()->viewport());
            QVERIFY2(inside.contains(addButton), qPrintable(section->list().name));
            QVERIFY(!section->nameLabel()->text().isEmpty());
            QCOMPARE(section->rows().size(), 1);
            ReminderRow* row = section->rows().first();
            QVERIFY(inside.contains(rectIn(row->badge(), view->scrollArea()->viewport())));
            QVERIFY(row->titleLabel()->isElided());
        }
        // The long name ends in an ellipsis and its account gives way; the short one shows whole, with its account.
        ReminderListSection* away = view->sectionFor(QStringLiteral("far/away"));
        QVERIFY(away->nameLabel()->isElided());
        QVERIFY(away->accountLabel()->isHidden());
        QVERIFY(rectIn(away->nameLabel(), away).right() < rectIn(away->addButton(), away).left());
        ReminderListSection* brief = view->sectionFor(QStringLiteral("far/short"));
        QVERIFY(!brief->nameLabel()->isElided());
        QVERIFY(brief->accountLabel()->isVisible());
        QVERIFY(rectIn(brief->accountLabel(), brief).right() < rectIn(brief->addButton(), brief).left());

        // The bubble of a long unbroken title and notes wraps within its maximum width.
        view->hoverManager()->beginHover(away->rows().first()->reminder().id);
        QTRY_VERIFY(away->bubbleWindow()->isVisible());
        QVERIFY(away->bubble()->width() <= ReminderDetailBubble::maximumWidth);
        QVERIFY(away->bubble()->titleLabel()->lineCountForWidth(away->bubble()->titleLabel()->width()) > 2);
        QVERIFY(away->bubble()->notesLabel()->lineCountForWidth(away->bubble()->notesLabel()->width()) > 2);
    }

    void shouldColourByTheClockWhenShownOrPaintedAndShowTodayOnOpening()
    {
        auto view =
            openInbox({{"soon", "Soon", "DUE:20240315T103000\r\n"}, {"later", "Later", "DUE:20240315T180000\r\n"}});
        ReminderRow* soon = rowTitled(*view, QStringLiteral("Soon"));
        ReminderRow* later = rowTitled(*view, QStringLiteral("Later"));
        QVERIFY(soon != nullptr && later != nullptr);
        QVERIFY(soon->titleColor() != RowStyle::urgencyColor(Urgency::overdue, soon->palette()));

        // Time passes with the panel open: the next paint shows the passed due time.
        m_now = panelNow().addSecs(3600);
        view->grab();
        QCOMPARE(soon->titleColor(), RowStyle::urgencyColor(Urgency::overdue, soon->palette()));

        // Closed overnight and opened again: colours and the header's date are today's, with nothing painted yet.
        view->hide();
        m_now = QDateTime(QDate(2024, 3, 16), QTime(0, 5));
        view->show();
        QCOMPARE(later->titleColor(), RowStyle::urgencyColor(Urgency::overdue, later->palette()));
        QCOMPARE(view->header()->dateLabel()->text(),
                 DateTexts::headerDate(m_now, LocalizationManager::displayLocale(view->languageRaw())));
    }

    void shouldKeepTheTypingAndShowTheErrorWhenAnAddOrSaveFails()
    {
        auto view = openInbox({{"kept", "Kept", {}}});
        RemindersViewModel& model = m_fixture->model();
        // Nothing may reload the lists behind the test's back while the folder is broken.
        model.setAutoRefreshEnabled(false);
        ReminderListSection* section = view->sections().first();
        const QString folder = m_fixture->root() + QLatin1Char('/') + inbox;
        const QString aside = folder + QStringLiteral(".aside");
        const QString typed = QStringLiteral("Important thing I must not lose");

        QTest::mouseClick(section->addButton(), Qt::LeftButton);
        QTest::keyClicks(section->addForm()->titleField(), typed);
        // The folder is gone and a file stands in its place: no write can land there, even for root.
        QVERIFY(QDir().rename(folder, aside));
        QVERIFY(writeFile(folder, "not a folder"));
        QTest::mouseClick(section->addForm()->submitButton(), Qt::LeftButton);
        QTRY_VERIFY(!section->addForm()->errorText().isEmpty());
        QVERIFY(section->isPresentingAddPopover());
        QVERIFY(section->addForm()->errorLine()->isVisible());
        QCOMPARE(section->addForm()->titleField()->text(), typed);
        QCOMPARE(section->addState().title, typed);

        // Editing a field clears the error; with the folder back the same values are added and the form closes.
        QTest::keyClick(section->addForm()->titleField(), Qt::Key_Exclam);
        QVERIFY(section->addForm()->errorText().isEmpty());
        QVERIFY(QFile::remove(folder));
        QVERIFY(QDir().rename(aside, folder));
        QTest::mouseClick(section->addForm()->submitButton(), Qt::LeftButton);
        QTRY_VERIFY(!section->isPresentingAddPopover());
        QTRY_VERIFY(rowTitled(*view, typed + QLatin1Char('!')) != nullptr);

        // A failed save of an edit keeps the popover and its text the same way, and leaves the file as it was.
        ReminderRow* row = rowTitled(*view, QStringLiteral("Kept"));
        const QString path = m_fixture->root() + QLatin1Char('/') + row->reminder().id;
        const QByteArray before = readFile(path);
        row->edit();
        row->editForm()->titleField()->setText(QStringLiteral("Kept and renamed"));
        QVERIFY(QDir().rename(folder, aside));
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(QDir().mkpath(path));
        writeFile(path + QStringLiteral("/blocker"), "a folder where the file was");
        QTest::mouseClick(row->editForm()->submitButton(), Qt::LeftButton);
        QTRY_VERIFY(!row->editForm()->errorText().isEmpty());
        QVERIFY(row->isEditPresented());
        QCOMPARE(row->editState().title, QStringLiteral("Kept and renamed"));
        QVERIFY(QDir(folder).removeRecursively());
        QVERIFY(QDir().rename(aside, folder));
        QCOMPARE(readFile(path), before);
    }

    void shouldHoldTheFormStillAsItGrowsAndCloseOnlyTheDropDownOnEscape()
    {
        auto view = openInbox({}, 300);
        ReminderListSection* section = view->sections().first();
        // The add button sits where a re-centred form would move, with room below for the form to grow.
        const QRect screen = view->screen()->availableGeometry();
        view->move(screen.center().x() - view->width(),
                   screen.top() + screen.height() * 2 / 5 - section->addButton()->mapTo(view.get(), QPoint()).y());
        QTest::mouseClick(section->addButton(), Qt::LeftButton);
        ReminderFormView* form = section->addForm();
        QTRY_VERIFY(section->addPopover()->isVisible());
        const QPoint title = form->titleField()->mapToGlobal(QPoint(0, 0));
        const int shortHeight = section->addPopover()->height();
        form->dueDateToggle()->click();
        QTRY_VERIFY(section->addPopover()->height() > shortHeight + 100);
        QCOMPARE(form->titleField()->mapToGlobal(QPoint(0, 0)), title);
        const int dueHeight = section->addPopover()->height();
        form->notesField()->setPlainText(QStringLiteral("one\ntwo\nthree\nfour"));
        QTRY_VERIFY(section->addPopover()->height() > dueHeight);
        QCOMPARE(form->titleField()->mapToGlobal(QPoint(0, 0)), title);

        for (QComboBox* picker : {form->priorityPicker(), form->recurrencePicker()}) {
            picker->showPopup();
            QTRY_VERIFY(picker->view()->isVisible());
            QTest::keyClick(picker->view(), Qt::Key_Escape);
            QTRY_VERIFY(!picker->view()->isVisible());
            // On X11 the Escape that closed the drop-down reaches the form's window as well.
            QTest::keyClick(section->addPopover(), Qt::Key_Escape);
            QVERIFY(section->isPresentingAddPopover());
            QVERIFY(section->addPopover()->isVisible());
        }
        QCOMPARE(section->addState().notes, QStringLiteral("one\ntwo\nthree\nfour"));
    }

    void shouldShowTheFormsTimeAsTheRowsDo()
    {
        auto view = openInbox({{"timed", "Timed", "DUE:20240315T144100\r\n"}});
        ReminderRow* row = rowTitled(*view, QStringLiteral("Timed"));
        row->edit();
        const QString fieldText = row->editForm()->timeField()->text();
        const QString dueText = row->dueLabel()->text();
        // ICU may put a narrow space before the day period where the field has a plain one.
        QString normalised = dueText;
        normalised.replace(QChar(0x202F), QLatin1Char(' '));
        QVERIFY2(normalised.endsWith(fieldText), qPrintable(dueText + QStringLiteral(" / ") + fieldText));
    }

    void shouldFollowTheRowUnderTheRestingPointerAfterScrollingAndReordering()
    {
        QList<std::tuple<QByteArray, QByteArray, QByteArray>> todos;
        for (int index = 0; index < 12; ++index) {
            todos.append({"r" + QByteArray::number(index), "Reminder " + QByteArray::number(index),
                          "DUE:202403" + QByteArray::number(16 + index) + "T090000\r\n"});
        }
        auto view = openInbox(todos, 260);
        QScrollArea* area = view->scrollArea();
        ReminderRow* first = rowTitled(*view, QStringLiteral("Reminder 0"));
        QTRY_VERIFY(first->isVisible() && first->height() > 0);
        const QPoint pointer = first->mapToGlobal(first->rect().center());
        QCursor::setPos(pointer);
        view->hoverManager()->beginHover(first->reminder().id);

        const auto idUnderPointer = [&] {
            const QWidget* under = area->viewport()->childAt(area->viewport()->mapFromGlobal(pointer));
            for (; under != nullptr; under = under->parentWidget()) {
                if (const auto* row = qobject_cast<const ReminderRow*>(under)) {
                    return std::optional<QString>(row->reminder().id);
                }
            }
            return std::optional<QString>();
        };
        area->verticalScrollBar()->setValue(area->verticalScrollBar()->value() + 3 * first->height());
        QTRY_VERIFY(idUnderPointer().has_value());
        QTRY_COMPARE(view->hoverManager()->hoveredItemID(), idUnderPointer());
        QVERIFY(view->hoverManager()->hoveredItemID() != first->reminder().id);

        // Another client moves the hovered reminder to the end of the list: the pointer now rests on another one.
        const std::optional<QString> moved = view->hoverManager()->hoveredItemID();
        m_fixture->writeTodo(inbox, uidOf(*moved), QStringLiteral("Moved"), QStringLiteral("20240414T090000"));
        QTRY_VERIFY(rowTitled(*view, QStringLiteral("Moved")) != nullptr);
        // The new title may show before the rows are laid out in their new order: wait for the reorder itself.
        QTRY_VERIFY(idUnderPointer().has_value() && idUnderPointer() != moved);
        QTRY_COMPARE(view->hoverManager()->hoveredItemID(), idUnderPointer());
    }

    void shouldGiveEveryPopupThePanelsNightTheme()
    {
        m_fixture->preferences().setString(PreferenceKey::themePreference, QStringLiteral("night"));
        auto view = openInbox({{"one", "One", {}}});
        ReminderRow* row = rowTitled(*view, QStringLiteral("One"));
        QVERIFY(ThemePalette::isDark(row->palette()));
        std::unique_ptr<QMenu> menu(row->createContextMenu());
        QVERIFY(ThemePalette::isDark(menu->palette()));

        row->edit();
        ReminderFormView* form = row->editForm();
        form->dueDateToggle()->click();
        QComboBox* picker = form->priorityPicker();
        picker->showPopup();
        QTRY_VERIFY(picker->view()->isVisible());
        QVERIFY(ThemePalette::isDark(picker->view()->window()->palette()));
        QVERIFY(ThemePalette::isDark(picker->view()->palette()));
        picker->hidePopup();
        QVERIFY(ThemePalette::isDark(form->calendar()->palette()));
        const QList<QMenu*> calendarMenus = form->calendar()->findChildren<QMenu*>();
        QVERIFY(!calendarMenus.isEmpty());
        for (const QMenu* monthMenu : calendarMenus) {
            QVERIFY(ThemePalette::isDark(monthMenu->palette()));
        }
    }

    void shouldDrawAVisibleDividerInEveryThemeAndTransparency_data()
    {
        QTest::addColumn<QString>("theme");
        QTest::addColumn<QString>("transparency");
        for (const QString& theme : {QStringLiteral("system"), QStringLiteral("day"), QStringLiteral("night")}) {
            for (const QString& transparency : {QStringLiteral("standard"), QStringLiteral("high")}) {
                QTest::addRow("%s, %s", qPrintable(theme), qPrintable(transparency)) << theme << transparency;
            }
        }
    }
    void shouldDrawAVisibleDividerInEveryThemeAndTransparency()
    {
        QFETCH(QString, theme);
        QFETCH(QString, transparency);
        m_fixture->preferences().setString(PreferenceKey::themePreference, theme);
        m_fixture->preferences().setString(PreferenceKey::menuTransparencyPreference, transparency);
        auto view = openInbox({});
        // Over the desktop's darkest likely backdrop and its lightest, the line must stand out from the panel.
        for (const QColor backdrop : {QColor(Qt::black), QColor(Qt::white)}) {
            QImage picture(view->size(), QImage::Format_ARGB32_Premultiplied);
            picture.fill(backdrop);
            view->QWidget::render(&picture, QPoint(), QRegion(), QWidget::DrawWindowBackground | QWidget::DrawChildren);
            const QRect line = rectIn(view->divider(), view.get());
            const int x = line.center().x();
            const QColor on = picture.pixelColor(x, line.top());
            const QColor beside = picture.pixelColor(x, line.top() - 3);
            const int contrast = qAbs(qGray(on.rgb()) - qGray(beside.rgb()));
            QVERIFY2(contrast >= 18,
                     qPrintable(QStringLiteral("contrast %1 over %2").arg(contrast).arg(backdrop.name())));
        }
    }
};

QTEST_MAIN(PanelBehaviourTest)
#include "PanelBehaviourTest.moc"
