// Times the next-alarm computation over 10,000 reminders of mixed shapes (due times, whole days, VALARMs with
// repeats, acknowledged ones, completed ones), as read by the store's parser. The target is at most 5 ms.
#include "alarms/AlarmScheduler.h"
#include "alarms/AlarmTriggers.h"
#include "store/TodoDocument.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace tolvik;

namespace {

constexpr int reminderCount = 10000;
constexpr int rounds = 21;

QByteArray fileFor(int i, const QDateTime& now)
{
    const QDateTime due = now.addSecs(qint64(i % 500) * 3600 - 100 * 3600);
    const QByteArray stamp = due.toUTC().toString(QStringLiteral("yyyyMMddTHHmmssZ")).toLatin1();
    QByteArray lines;
    switch (i % 5) {
    case 0:
        lines = "DUE:" + stamp + "\r\n";
        break;
    case 1:
        lines = "DUE;VALUE=DATE:" + stamp.left(8) + "\r\n";
        break;
    case 2:
        lines = "DUE:" + stamp +
                "\r\nBEGIN:VALARM\r\nACTION:DISPLAY\r\nTRIGGER;RELATED=END:-PT15M\r\nREPEAT:3\r\nDURATION:PT5M\r\n"
                "END:VALARM\r\nBEGIN:VALARM\r\nACTION:AUDIO\r\nTRIGGER:-P1D\r\nEND:VALARM\r\n";
        break;
    case 3:
        lines = "DUE:" + stamp + "\r\nX-MOZ-LASTACK:" + stamp + "\r\nRRULE:FREQ=WEEKLY\r\n";
        break;
    default:
        lines = "DUE:" + stamp + "\r\nSTATUS:COMPLETED\r\n";
        break;
    }
    return "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//bench//EN\r\nBEGIN:VTODO\r\nUID:u" + QByteArray::number(i) +
           "\r\nSUMMARY:Reminder\r\n" + lines + "END:VTODO\r\nEND:VCALENDAR\r\n";
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QDateTime now = QDateTime::currentDateTime();
    QList<StoreReminder> reminders;
    for (int i = 0; i < reminderCount; ++i) {
        auto document = TodoDocument::parse(fileFor(i, now));
        if (!document) {
            std::fprintf(stderr, "bench file %d did not parse\n", i);
            return 1;
        }
        StoreReminder reminder = document->toReminder();
        reminder.id = QStringLiteral("bench/list/%1.ics").arg(i);
        reminders.append(reminder);
    }

    std::vector<double> next;
    std::vector<double> check;
    std::optional<QDateTime> found;
    AlarmScheduler scheduler([&] { return now; });
    for (int round = 0; round < rounds; ++round) {
        QElapsedTimer timer;
        timer.start();
        found = nextTriggerAfter(reminders, now, TriggerContext{});
        next.push_back(double(timer.nsecsElapsed()) / 1e6);
        timer.restart();
        scheduler.setReminders(reminders);
        check.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::printf("next alarm over %d reminders: median %.2f ms, first %.2f ms (target <= 5 ms)%s\n", reminderCount,
                median(next), next.front(), found ? "" : " [none found]");
    std::printf("scheduler check after a refresh (due alarms and the timer) over %d reminders: median %.2f ms, "
                "first %.2f ms\n",
                reminderCount, median(check), check.front());
    return 0;
}
