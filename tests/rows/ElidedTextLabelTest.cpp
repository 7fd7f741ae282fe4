// The wrapped, elided label under the row titles: its line count must match the line breaker for every width,
// including the widths where the one-line shortcut decides, and it must follow text and font changes at once.
#include "rows/ElidedTextLabel.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QTest>
#include <QTextLayout>

#include <cmath>

using namespace tolvik;

namespace {

// Lines the text takes at `width` by the text engine itself, at most `maximum`.
int linesByTextEngine(const QString& text, const QFont& font, int width, int maximum)
{
    QTextLayout layout(text, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.beginLayout();
    int lines = 0;
    while (lines < maximum) {
        QTextLine line = layout.createLine();
        if (!line.isValid()) {
            break;
        }
        line.setLineWidth(width);
        ++lines;
    }
    layout.endLayout();
    return lines;
}

} // namespace

class ElidedTextLabelTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void lineCountMatchesTheLineBreakerAtEveryWidth()
    {
        ElidedTextLabel label(3);
        const QString text = QStringLiteral("Call the plumber about the kitchen tap before Friday");
        label.setText(text);
        const int natural = static_cast<int>(std::ceil(QFontMetricsF(label.font()).horizontalAdvance(text)));
        // Ask in a scrambled order, so that earlier answers sit in the cache while later widths are asked.
        for (int offset : {0, 40, -3, 3, -1, 1, 2, -2, -40, 0, -120, -200}) {
            const int width = natural + offset;
            QCOMPARE(label.lineCountForWidth(width), linesByTextEngine(text, label.font(), width, 3));
        }
        QCOMPARE(label.lineCountForWidth(natural + 40), 1);
        QVERIFY(label.lineCountForWidth(natural / 2) >= 2);
    }

    void followsNewTextAndFontAtTheSameWidth()
    {
        ElidedTextLabel label(3);
        label.setText(QStringLiteral("Buy milk, bread, coffee, apples and a birthday card for Grandma"));
        const int width = 120;
        const int longLines = label.lineCountForWidth(width);
        QVERIFY(longLines >= 2);
        const int longHeight = label.heightForWidth(width);

        label.setText(QStringLiteral("Milk"));
        QCOMPARE(label.lineCountForWidth(width), 1);
        QVERIFY(label.heightForWidth(width) < longHeight);
        const int shortHint = label.sizeHint().width();

        label.setText(QStringLiteral("Buy milk, bread, coffee, apples and a birthday card for Grandma"));
        QCOMPARE(label.lineCountForWidth(width), longLines);
        QVERIFY(label.sizeHint().width() > shortHint);

        // A larger font takes more lines at the same width, and a taller line height.
        const int smallHeight = label.heightForWidth(width);
        QFont larger = label.font();
        larger.setPointSizeF(larger.pointSizeF() * 2);
        label.setFont(larger);
        QVERIFY(label.lineCountForWidth(width) >= longLines);
        QVERIFY(label.heightForWidth(width) > smallHeight);
        QCOMPARE(label.lineCountForWidth(width), linesByTextEngine(label.text(), larger, width, 3));
    }

    void cutsTheLastLineOnlyWhenTheTextDoesNotFit()
    {
        ElidedTextLabel label(1);
        label.setText(QStringLiteral("Renew the passport and book the appointment at the office"));
        label.resize(80, 20);
        QVERIFY(label.isElided());
        label.resize(2000, 20);
        QVERIFY(!label.isElided());
        label.setText(QStringLiteral("Short"));
        label.resize(80, 20);
        QVERIFY(!label.isElided());
    }

    void highlightsFollowTheWrappedAndElidedLines_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        // What the highlight shows, as drawn; a trailing "…" means the drawn part starts so and ends in the ellipsis.
        QTest::addColumn<QStringList>("shown");
        const QString longTitle = QStringLiteral("Renew the passport and book the appointment at the office today");
        QTest::newRow("after trimmed spaces") << QStringLiteral("   Buy milk") << 7 << 11 << QStringList{u"milk"_qs};
        QTest::newRow("on the second line") << longTitle << 23 << 27 << QStringList{u"book"_qs};
        QTest::newRow("past the ellipsis") << longTitle << 57 << 62 << QStringList();
        QTest::newRow("cut by the ellipsis") << longTitle << 32 << 62 << QStringList{u"app…"_qs};
    }

    void highlightsFollowTheWrappedAndElidedLines()
    {
        QFETCH(QString, text);
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(QStringList, shown);
        ElidedTextLabel label(2);
        label.setText(text);
        // Two lines: "Renew the passport and", then the rest cut short after "appointment" or inside it.
        const QFontMetricsF metrics(label.font());
        label.resize(static_cast<int>(std::ceil(metrics.horizontalAdvance(u"Renew the passport and"_qs))) + 2, 40);
        QCOMPARE(label.isElided(), text.size() > 20);
        label.setHighlights({{from, to}});
        const QStringList drawn = label.shownHighlights();
        QCOMPARE(drawn.size(), shown.size());
        for (qsizetype i = 0; i < shown.size(); ++i) {
            const QString& expected = shown.at(i);
            if (expected.endsWith(QChar(0x2026))) {
                QVERIFY2(drawn.at(i).startsWith(expected.chopped(1)) && drawn.at(i).endsWith(QChar(0x2026)),
                         qPrintable(drawn.at(i)));
            } else {
                QCOMPARE(drawn.at(i), expected);
            }
        }
        const QImage marked = label.grab().toImage();
        label.setHighlights({});
        QCOMPARE(marked == label.grab().toImage(), shown.isEmpty());
    }
};

QTEST_MAIN(ElidedTextLabelTest)
#include "ElidedTextLabelTest.moc"
