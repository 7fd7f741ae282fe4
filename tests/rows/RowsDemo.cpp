// A window for looking at the rows by eye and for the screenshots in docs/screenshots: three list sections (two
// with rows of every kind, one empty) in a panel-sized frame, on a real store in a temp folder.
//   rows-demo [--theme light|dark] [--show none|bubble|edit|add] [--language <code>]
// Prints "ready" once what was asked for is on screen.
#include "RowsFixture.h"
#include "appearance/AppTheme.h"
#include "appearance/MenuTransparencyOption.h"
#include "panel/HoverManager.h"
#include "panel/ReminderListSection.h"
#include "rows/PopoverSurface.h"
#include "rows/ReminderFormView.h"
#include "rows/ReminderRow.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

#include <cstdio>

using namespace tolvik;
using namespace tolvik::test;

namespace {

/// A colourful desktop behind the panel, so that its translucency shows.
class Wallpaper : public QWidget
{
public:
    Wallpaper()
        : QWidget(nullptr, Qt::FramelessWindowHint | Qt::WindowStaysOnBottomHint)
    {}

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        QLinearGradient gradient(0, 0, width(), height());
        gradient.setColorAt(0.0, QColor(0x3A, 0x6F, 0xD8));
        gradient.setColorAt(0.55, QColor(0x9B, 0x5D, 0xE5));
        gradient.setColorAt(1.0, QColor(0xF0, 0x8A, 0x5D));
        painter.fillRect(rect(), gradient);
    }
};

class DemoPanel : public QWidget
{
public:
    DemoPanel()
        : QWidget(nullptr, Qt::FramelessWindowHint | Qt::Tool)
    {
        setAttribute(Qt::WA_TranslucentBackground);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        QPainterPath path;
        path.addRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 12, 12);
        QColor fill = materialFill(Material::thin, palette());
        if (!PopoverSurface::hasCompositor()) {
            fill.setAlpha(255);
        }
        painter.fillPath(path, fill);
    }
};

QString dueLine(const QDateTime& when)
{
    return QStringLiteral("DUE;TZID=%1:%2")
        .arg(QString::fromUtf8(QTimeZone::systemTimeZoneId()), when.toString(QStringLiteral("yyyyMMdd'T'HHmmss")));
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addOption(
        {QStringLiteral("theme"), QStringLiteral("light or dark"), QStringLiteral("theme"), QStringLiteral("light")});
    parser.addOption({QStringLiteral("show"), QStringLiteral("none, bubble, edit or add"), QStringLiteral("what"),
                      QStringLiteral("none")});
    parser.addOption({QStringLiteral("language"), QStringLiteral("interface language"), QStringLiteral("code"),
                      QStringLiteral("system")});
    parser.process(app);

    RowsFixture fixture;
    fixture.preferences().setString(PreferenceKey::languagePreference, parser.value(QStringLiteral("language")));
    const QDateTime now = QDateTime::currentDateTime();
    fixture.setNow(now);
    fixture.makeList(QStringLiteral("work/projects"), "Projects", "#FF9500");
    fixture.makeList(QStringLiteral("home/errands"), "Errands", "#34C759");
    fixture.makeList(QStringLiteral("home/someday"), "Someday", "#AF52DE");
    writeFile(fixture.root() + QStringLiteral("/work/displayname"), "Work");
    writeFile(fixture.root() + QStringLiteral("/home/displayname"), "Home");
    fixture.writeTodo(QStringLiteral("work/projects"), QStringLiteral("overdue"),
                      QStringLiteral("Send the quarterly report"),
                      {dueLine(now.addSecs(-3 * 3600)), QStringLiteral("PRIORITY:1")});
    const QString weekly = fixture.writeTodo(
        QStringLiteral("work/projects"), QStringLiteral("weekly"), QStringLiteral("Team sync"),
        {dueLine(now.addSecs(2 * 3600)), QStringLiteral("RRULE:FREQ=WEEKLY"), QStringLiteral("PRIORITY:5"),
         QStringLiteral("DESCRIPTION:Bring the roadmap draft and the open questions from Monday.")});
    fixture.writeTodo(QStringLiteral("work/projects"), QStringLiteral("long"),
                      QStringLiteral("Review the design notes for the new onboarding flow and write up the "
                                     "comments for the whole team before the workshop"),
                      {dueLine(now.addDays(3)), QStringLiteral("PRIORITY:9")});
    fixture.writeTodo(QStringLiteral("home/errands"), QStringLiteral("milk"), QStringLiteral("Buy oat milk"));
    const QString plants =
        fixture.writeTodo(QStringLiteral("home/errands"), QStringLiteral("plants"), QStringLiteral("Water the plants"),
                          {dueLine(now.addDays(1)), QStringLiteral("RRULE:FREQ=DAILY"), QStringLiteral("PRIORITY:9")});
    fixture.writeTodo(QStringLiteral("home/errands"), QStringLiteral("dentist"), QStringLiteral("Call the dentist"),
                      {dueLine(now.addSecs(5 * 3600)), QStringLiteral("PRIORITY:3")});

    auto model = fixture.makeModel();
    Wallpaper wallpaper;
    wallpaper.setGeometry(wallpaper.screen()->geometry());
    wallpaper.show();
    HoverManager hover;
    DemoPanel panel;
    const bool dark = parser.value(QStringLiteral("theme")) == QStringLiteral("dark");
    ThemePalette::apply<QWidget>(&panel, dark ? AppTheme::night : AppTheme::day);
    auto* column = new QVBoxLayout(&panel);
    column->setContentsMargins(20, 20, 20, 20);
    column->setSpacing(12);
    QList<ReminderListSection*> sections;
    for (const ReminderList& list : model->lists()) {
        auto* section = new ReminderListSection(model.get(), &hover, fixture.clock(), &panel);
        QList<ReminderItem> reminders;
        for (const ReminderItem& item : model->reminders()) {
            if (item.listID == list.id) {
                reminders.append(item);
            }
        }
        section->setContent(list, reminders);
        column->addWidget(section);
        sections.append(section);
    }
    column->addStretch();
    panel.setFixedWidth(360);
    panel.adjustSize();
    const QRect screen = panel.screen()->availableGeometry();
    panel.move(screen.right() - panel.width() - 40, screen.top() + 30);
    panel.show();

    const QString show = parser.value(QStringLiteral("show"));
    QTimer::singleShot(400, &panel, [&] {
        ReminderRow* row = nullptr;
        for (ReminderListSection* section : sections) {
            if (ReminderRow* found = section->rowFor(show == QStringLiteral("edit") ? plants : weekly)) {
                row = found;
            }
        }
        if (show == QStringLiteral("bubble") && row != nullptr) {
            hover.beginHover(row->reminder().id);
        } else if (show == QStringLiteral("edit") && row != nullptr) {
            row->edit();
        } else if (show == QStringLiteral("add") && !sections.isEmpty()) {
            sections.first()->beginAdd();
            sections.first()->addState().title = QStringLiteral("Book the venue");
            sections.first()->addState().includeDueDate = true;
            sections.first()->addForm()->reload();
        }
        QTimer::singleShot(600, &panel, [] {
            std::puts("ready");
            std::fflush(stdout);
        });
    });
    return app.exec();
}
