// The form's tag field: what it reads from the text, completion from the tags in use, and an edit through the row
// that keeps a tag holding a comma whole.
#include "rows/TagField.h"
#include "RowsFixture.h"
#include "rows/ReminderFormView.h"
#include "rows/ReminderRow.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace tolvik;
using namespace tolvik::test;

class TagFieldTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<RowsFixture> m_fixture;

private Q_SLOTS:
    void init() { m_fixture = std::make_unique<RowsFixture>(); }
    void cleanup() { m_fixture.reset(); }

    void shouldReadTheTagsOfTheText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("tags");
        QTest::newRow("commas and spaces") << u" Home ,Work,, Home "_qs << QStringList{u"Home"_qs, u"Work"_qs};
        QTest::newRow("full-width and enumeration commas")
            << u"\u5BB6\uFF0C\u5DE5\u4F5C\u3001\u8CFC\u7269"_qs
            << QStringList{u"\u5BB6"_qs, u"\u5DE5\u4F5C"_qs, u"\u8CFC\u7269"_qs};
        QTest::newRow("a quoted tag keeps its comma")
            << u"\"Work, office\", Home"_qs << QStringList{u"Work, office"_qs, u"Home"_qs};
    }
    void shouldReadTheTagsOfTheText()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, tags);
        QCOMPARE(TagField::parse(text), tags);
        QCOMPARE(TagField::parse(TagField::format(tags)), tags);
    }

    void shouldCompleteTheTagBeingTypedFromThoseInUse()
    {
        ReminderFormState state = ReminderFormState::fresh(rowsNow());
        state.tags = {u"Home"_qs};
        state.knownTags = {u"Errands"_qs, u"Home"_qs, u"Work"_qs, u"workshop"_qs};
        ReminderFormView form(&state, QStringLiteral("button.add"));
        form.show();
        TagField* field = form.tagField();
        QCOMPARE(field->text(), u"Home"_qs);
        QCOMPARE(field->accessibleName(), u"Tags"_qs);

        field->setFocus();
        field->end(false);
        QTest::keyClicks(field, u", wo"_qs);
        QCompleter* completer = field->tagCompleter();
        QCOMPARE(completer->completionCount(), 2);
        Q_EMIT completer->activated(u"workshop"_qs);
        QCOMPARE(field->text(), u"Home, workshop, "_qs);
        QCOMPARE(state.tags, (QStringList{u"Home"_qs, u"workshop"_qs}));
    }

    // Adding a tag through the edit form keeps the file's own lines, escaped comma and all.
    void shouldAddATagAndKeepOneWithAComma()
    {
        const QString list = QStringLiteral("home/tasks");
        m_fixture->makeList(list, "Tasks");
        const QString id = m_fixture->writeTodo(
            list, QStringLiteral("t"), QStringLiteral("Plan"),
            {QStringLiteral("CATEGORIES:Work\\, office"), QStringLiteral("CATEGORIES;LANGUAGE=de:Arbeit")});
        m_fixture->writeTodo(list, QStringLiteral("u"), QStringLiteral("Other"), {QStringLiteral("CATEGORIES:arbeit")});
        auto model = m_fixture->makeModel();
        // Each tag once whatever its case, as first met, in order.
        QCOMPARE(model->tagsInUse().size(), 2);
        QVERIFY(model->tagsInUse().contains(u"Work, office"_qs));
        ReminderItem reminder;
        for (const ReminderItem& item : model->reminders()) {
            reminder = item.id == id ? item : reminder;
        }
        ReminderRow row(reminder, model.get(), m_fixture->clock());
        row.show();
        row.edit();
        TagField* field = row.editForm()->tagField();
        QCOMPARE(field->text(), u"\"Work, office\", Arbeit"_qs);

        field->setFocus();
        field->end(false);
        QTest::keyClicks(field, u", Garden"_qs);
        QTest::mouseClick(row.editForm()->submitButton(), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(!row.isEditPresented(), 10000);

        const QByteArray file = m_fixture->readTodo(id);
        QVERIFY(file.contains("CATEGORIES:Work\\, office\r\nCATEGORIES;LANGUAGE=de:Arbeit\r\n"));
        QVERIFY(file.contains("CATEGORIES:Garden\r\n"));
    }
};

QTEST_MAIN(TagFieldTest)
#include "TagFieldTest.moc"
