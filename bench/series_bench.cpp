// Measures what a repeating reminder costs where the user waits for it: reading its current occurrence (each
// refresh) and completing one occurrence (the save, on the main thread). Rules that never match, or match only
// rarely, at sub-daily frequencies are the worst case; a plain daily series is the reference. Prints
// "rule: read ms, complete ms" lines and the worst ratio to the reference.
//
//   series_bench [--repeat N]

#include "model/StoreRecords.h"
#include "store/TodoDocument.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QStringList>
#include <QTimeZone>

#include <algorithm>
#include <cstdio>

using namespace tolvik;

namespace {

struct Figures
{
    double readMs = 0;
    double completeMs = 0;
};

QByteArray fileWith(const QByteArray& rule)
{
    return "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//bench//EN\r\nBEGIN:VTODO\r\nUID:bench\r\nSUMMARY:Bench\r\n"
           "DTSTART:20240101T093000Z\r\nDUE:20240101T100000Z\r\nRRULE:" +
           rule + "\r\nEND:VTODO\r\nEND:VCALENDAR\r\n";
}

Figures measure(const QByteArray& rule, int repeat)
{
    const QDateTime now(QDate(2026, 12, 9), QTime(12, 0), Qt::UTC);
    Figures figures;
    for (int i = 0; i < repeat; ++i) {
        std::optional<TodoDocument> document = TodoDocument::parse(fileWith(rule));
        const StoreReminder base = document->toReminder();
        QElapsedTimer timer;
        timer.start();
        if (base.series) {
            (void)base.series->current(now);
        }
        figures.readMs += double(timer.nsecsElapsed()) / 1e6;
        StoreReminder changed = base;
        changed.isCompleted = true;
        changed.completionDate = now;
        timer.restart();
        document->applyChanges(base, changed, now);
        (void)document->editedBytes();
        figures.completeMs += double(timer.nsecsElapsed()) / 1e6;
    }
    figures.readMs /= repeat;
    figures.completeMs /= repeat;
    return figures;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const qsizetype at = args.indexOf(QStringLiteral("--repeat"));
    const int repeat = at >= 0 && at + 1 < args.size() ? std::max(1, args.at(at + 1).toInt()) : 3;

    const Figures reference = measure("FREQ=DAILY", repeat);
    std::printf("FREQ=DAILY (reference): read %.3f ms, complete %.3f ms\n", reference.readMs, reference.completeMs);
    double worst = 0;
    for (const QByteArray& rule :
         {QByteArray("FREQ=HOURLY;BYMONTH=2;BYMONTHDAY=30"), QByteArray("FREQ=MINUTELY;BYMONTH=2;BYMONTHDAY=31"),
          QByteArray("FREQ=SECONDLY;BYMONTH=4;BYMONTHDAY=31"),
          QByteArray("FREQ=MINUTELY;BYMONTH=2;BYMONTHDAY=29;BYHOUR=3"),
          QByteArray("FREQ=HOURLY;INTERVAL=7;BYDAY=MO;BYMONTH=1;BYMONTHDAY=1"),
          QByteArray("FREQ=DAILY;BYMONTH=2;BYMONTHDAY=30")}) {
        const Figures figures = measure(rule, repeat);
        std::printf("%s: read %.3f ms, complete %.3f ms\n", rule.constData(), figures.readMs, figures.completeMs);
        worst = std::max({worst, figures.readMs, figures.completeMs});
    }
    std::printf("worst never-matching read or complete (ms): %.1f\n", worst);
    std::printf("worst as ratio to the daily reference's complete: %.0f\n",
                worst / std::max(reference.completeMs, 1e-3));
    return 0;
}
