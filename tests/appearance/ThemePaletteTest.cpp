#include "appearance/AppTheme.h"

#include <QApplication>
#include <QLabel>
#include <QWidget>
#include <QtTest>

using namespace tolvik;

class ThemePaletteTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shouldApplyAThemeToAWindowAndItsPopups()
    {
        QWidget window;
        auto* label = new QLabel(QStringLiteral("text"), &window);
        auto* popup = new QWidget(&window, Qt::Popup);

        ThemePalette::apply(&window, AppTheme::night);
        for (QWidget* widget : {&window, static_cast<QWidget*>(label), popup}) {
            QCOMPARE(widget->palette().color(QPalette::Window), ThemePalette::dark().color(QPalette::Window));
            QCOMPARE(widget->palette().color(QPalette::WindowText), ThemePalette::dark().color(QPalette::WindowText));
        }

        ThemePalette::apply(&window, AppTheme::day);
        QCOMPARE(label->palette().color(QPalette::Text), ThemePalette::light().color(QPalette::Text));
        QCOMPARE(popup->palette().color(QPalette::Base), ThemePalette::light().color(QPalette::Base));
    }

    void shouldReturnToTheDesktopPaletteAndFollowItsChanges()
    {
        const QPalette original = QApplication::palette();
        QWidget window;
        auto* label = new QLabel(QStringLiteral("text"), &window);
        auto* popup = new QWidget(&window, Qt::Popup);
        ThemePalette::apply(&window, AppTheme::night);
        ThemePalette::apply(&window, AppTheme::system);
        for (QWidget* widget : {&window, static_cast<QWidget*>(label), popup}) {
            QCOMPARE(widget->palette().color(QPalette::Window), QApplication::palette().color(QPalette::Window));
        }
        QCOMPARE(ThemePalette::effective(AppTheme::system).color(QPalette::Window),
                 QApplication::palette().color(QPalette::Window));

        // The desktop switching its own scheme later reaches the window without any call of ours.
        QPalette desktopNow = original;
        desktopNow.setColor(QPalette::Window, QColor(0x12, 0x34, 0x56));
        QApplication::setPalette(desktopNow);
        QTRY_COMPARE(label->palette().color(QPalette::Window), QColor(0x12, 0x34, 0x56));
        QCOMPARE(popup->palette().color(QPalette::Window), QColor(0x12, 0x34, 0x56));
        QCOMPARE(ThemePalette::desktop().color(QPalette::Window), QColor(0x12, 0x34, 0x56));
        QApplication::setPalette(original);
        QTRY_COMPARE(label->palette().color(QPalette::Window), original.color(QPalette::Window));
    }
};

QTEST_MAIN(ThemePaletteTest)
#include "ThemePaletteTest.moc"
