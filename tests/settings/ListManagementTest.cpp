#include "SettingsFixture.h"
#include "settings/GeneralSettingsTab.h"
#include "settings/ListActions.h"
#include "settings/ListNameDialog.h"
#include "settings/ListToggleRow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoro/QCoroTask>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

using namespace tolvik;
using namespace tolvik::test;

// The Lists section's list management, through its dialogs, on real folders.
class ListManagementTest : public QObject
{
    Q_OBJECT

    struct Tab
    {
        IsolatedHome home; // the trash lives under it
        SettingsFixture fixture;
        std::unique_ptr<RemindersViewModel> model;
        std::unique_ptr<LaunchAtLoginManager> launch = fixture.makeLaunchAtLogin();
        std::unique_ptr<GeneralSettingsTab> tab;

        explicit Tab(bool twoAccounts = true)
        {
            if (twoAccounts) {
                fixture.makeTwoAccounts();
            } else {
                fixture.makeEmptyRoot();
            }
            model = fixture.makeModel();
            tab = std::make_unique<GeneralSettingsTab>(*model, *launch);
            tab->show();
        }
        QString file(const QString& relative) const { return fixture.root() + QLatin1Char('/') + relative; }
        ListNameDialog* openNewList() const
        {
            tab->newListButton()->click();
            return tab->listActions()->openDialog();
        }
    };

private Q_SLOTS:
    void shouldMakeAListFromTheDialogAndShowItAtOnce()
    {
        Tab t(false);
        ListNameDialog* dialog = t.openNewList();
        QVERIFY(dialog != nullptr && dialog->isVisible());
        QCOMPARE(dialog->swatches().size(), 12);
        QCOMPARE(dialog->accountPicker()->itemText(0), QStringLiteral("On this computer"));
        QVERIFY(!dialog->submitButton()->isEnabled());

        dialog->nameField()->setText(QStringLiteral("  Tom & Jerry  "));
        dialog->swatches().at(3)->click();
        dialog->submitButton()->click();
        QTRY_VERIFY(t.tab->listActions()->openDialog() == nullptr);
        QCOMPARE(readFile(t.file(QStringLiteral("local/tom-jerry/displayname"))), QByteArray("Tom & Jerry"));
        QCOMPARE(readFile(t.file(QStringLiteral("local/tom-jerry/color"))),
                 ListNameDialog::swatchColors().at(3).name().toUpper().toLatin1());
        QCOMPARE(t.fixture.stored(PreferenceKey::selectedListIDs), QStringLiteral("local/tom-jerry"));
        QTRY_VERIFY(t.tab->listRow(QStringLiteral("local/tom-jerry")) != nullptr);
        QCOMPARE(t.tab->listRow(QStringLiteral("local/tom-jerry"))->nameText(), QStringLiteral("Tom & Jerry"));
        QVERIFY(t.tab->listRow(QStringLiteral("local/tom-jerry"))->toggle()->isChecked());
    }

    void shouldShowWhyAListCannotBeMadeAndMakeNothing()
    {
        Tab t;
        // Names from the store are shown as written: a check box would read a lone "&" as a shortcut marker.
        writeFile(t.file(QStringLiteral("home/displayname")), "Tom & Jerry");
        QCoro::waitFor(t.model->refresh());
        QTRY_COMPARE(t.tab->accountToggle(QStringLiteral("home"))->text(), QStringLiteral("Tom && Jerry"));
        t.fixture.preferences().setString(PreferenceKey::selectedListIDs, QStringLiteral("work/inbox"));
        ListNameDialog* dialog = t.openNewList();
        const int work = dialog->accountPicker()->findData(QStringLiteral("work"));
        QVERIFY(work > 0);
        dialog->accountPicker()->setCurrentIndex(work);
        dialog->nameField()->setText(QStringLiteral("inbox"));
        dialog->submitButton()->click();
        QVERIFY(dialog->errorLabel()->isVisible());
        QCOMPARE(dialog->errorLabel()->text(), QStringLiteral("This account already has a list named “inbox”."));

        // A file where the built-in account's folder belongs: the store's reason shows, nothing is made.
        QVERIFY(writeFile(t.file(QStringLiteral("local")), "not a folder"));
        dialog->accountPicker()->setCurrentIndex(0);
        dialog->nameField()->setText(QStringLiteral("Errands"));
        QVERIFY(!dialog->errorLabel()->isVisible());
        dialog->submitButton()->click();
        QTRY_VERIFY(dialog->errorLabel()->isVisible());
        QVERIFY(dialog->errorLabel()->text().startsWith(QStringLiteral("The list could not be created: ")));
        QVERIFY(dialog->isVisible());
        QCOMPARE(t.fixture.stored(PreferenceKey::selectedListIDs), QStringLiteral("work/inbox"));
        QCOMPARE(t.model->lists().size(), 3);
        dialog->reject();
    }

    void shouldRenameRecolourAndDeleteFromTheListMenu()
    {
        Tab t;
        t.fixture.preferences().setString(PreferenceKey::selectedListIDs, QStringLiteral("home/groceries,work/inbox"));
        ListToggleRow* row = t.tab->listRow(QStringLiteral("work/inbox"));
        QVERIFY(row != nullptr && row->moreButton()->isVisible());
        QMenu* menu = t.tab->listActions()->menuFor(row->list(), row);
        const QList<QAction*> actions = menu->actions();
        QCOMPARE(actions.size(), 4); // Rename…, Colour, a separator, Delete…

        actions.at(0)->trigger();
        ListNameDialog* rename = t.tab->listActions()->openDialog();
        QCOMPARE(rename->nameField()->text(), QStringLiteral("Inbox"));
        rename->nameField()->setText(QStringLiteral("Projects"));
        rename->submitButton()->click();
        QVERIFY(rename->errorLabel()->isVisible());
        rename->nameField()->setText(QStringLiteral("Incoming"));
        rename->submitButton()->click();
        QTRY_VERIFY(t.tab->listActions()->openDialog() == nullptr);
        QCOMPARE(readFile(t.file(QStringLiteral("work/inbox/displayname"))), QByteArray("Incoming"));

        // Each colour is named, for the eye and for a screen reader, in the interface language.
        QCOMPARE(actions.at(1)->menu()->actions().at(0)->text(), QStringLiteral("Red"));
        QCOMPARE(actions.at(1)->menu()->actions().at(5)->text(), QStringLiteral("Blue"));
        actions.at(1)->menu()->actions().at(0)->trigger();
        QTRY_COMPARE(readFile(t.file(QStringLiteral("work/inbox/color"))),
                     ListNameDialog::swatchColors().at(0).name().toUpper().toLatin1());
        delete menu;

        // Synced account, one reminder: the question names both, and the server copy stays.
        t.tab->listActions()->confirmDelete(t.tab->listRow(QStringLiteral("work/inbox"))->list());
        QTRY_VERIFY(t.tab->listActions()->openMessage() != nullptr);
        QMessageBox* box = t.tab->listActions()->openMessage();
        QCOMPARE(box->text(), QStringLiteral("Delete “Incoming”?"));
        QVERIFY(box->informativeText().contains(QStringLiteral("its 1 reminder move to the trash")));
        QVERIFY(box->informativeText().endsWith(QStringLiteral("The copy on the server is not deleted.")));
        const QList<QAbstractButton*> buttons = box->buttons();
        const auto remove = std::find_if(buttons.cbegin(), buttons.cend(), [box](QAbstractButton* button) {
            return box->buttonRole(button) == QMessageBox::DestructiveRole;
        });
        QVERIFY(remove != buttons.cend());
        QCOMPARE((*remove)->text(), QStringLiteral("Delete"));
        (*remove)->click();
        QTRY_VERIFY(!QFileInfo::exists(t.file(QStringLiteral("work/inbox"))));
        QVERIFY(QFileInfo::exists(t.home.dataHome() + QStringLiteral("/Trash/files/inbox/displayname")));
        QCOMPARE(t.fixture.stored(PreferenceKey::selectedListIDs), QStringLiteral("home/groceries"));
        QTRY_VERIFY(t.tab->listRow(QStringLiteral("work/inbox")) == nullptr);
    }

    void shouldAskAboutAnEmptyListWithoutCountingItsReminders_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("message");
        QTest::newRow("en") << QStringLiteral("en")
                            << QStringLiteral("The list moves to the trash, from where your file manager can restore "
                                              "it. The copy on the server is not deleted.");
        // A Chinese sentence follows a full stop without a space.
        QTest::newRow("zh-Hans") << QStringLiteral("zh-Hans")
                                 << QString::fromUtf16(
                                        u"该列表将移到回收站，你可以用文件管理器从中恢复。服务器上的副本不会被删除。");
    }

    void shouldAskAboutAnEmptyListWithoutCountingItsReminders()
    {
        QFETCH(QString, language);
        QFETCH(QString, message);
        Tab t;
        t.fixture.preferences().setString(PreferenceKey::languagePreference, language);
        QDir projects(t.file(QStringLiteral("work/projects")));
        for (const QString& name : projects.entryList({QStringLiteral("*.ics")}, QDir::Files)) {
            QVERIFY(projects.remove(name));
        }
        t.tab->listActions()->confirmDelete(t.tab->listRow(QStringLiteral("work/projects"))->list());
        QTRY_VERIFY(t.tab->listActions()->openMessage() != nullptr);
        QCOMPARE(t.tab->listActions()->openMessage()->informativeText(), message);
    }
};

QTEST_MAIN(ListManagementTest)
#include "ListManagementTest.moc"
