// Prints how long the quick-add parser takes per phrase, with two languages read as in the app.
#include "quickadd/PhraseParser.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <cstdio>

using namespace tolvik;

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QTimeZone zone("Europe/Berlin");
    const QDateTime now(QDate(2026, 12, 31), QTime(15, 0), zone);
    const struct
    {
        QLocale interfaceLocale;
        QLocale systemLocale;
        QStringList phrases;
    } cases[] = {
        {QLocale(QLocale::English),
         QLocale(QLocale::German),
         {QStringLiteral("Call mum tomorrow 6pm !high every week"), QStringLiteral("Buy 3 apples"),
          QStringLiteral("Dentist next Friday 9:30am"), QStringLiteral("Invoice clients in 2 months"),
          QStringLiteral("Conference March 3rd, 2027 at noon")}},
        {QLocale(QLocale::German),
         QLocale(QLocale::English),
         {QStringLiteral("Zahnarzt morgen um halb 10"), QStringLiteral("Wochenbericht jeden Freitag um 16 Uhr"),
          QStringLiteral("Geburtstag Oma 24.12. wichtig")}},
        {QLocale(QLocale::Swedish),
         QLocale(QLocale::English),
         {QStringLiteral("Ring mamma i morgon kväll kl 19"), QStringLiteral("Byt däck om två veckor")}},
        {QLocale(QStringLiteral("zh-Hans")),
         QLocale(QLocale::English),
         {QString::fromUtf16(u"明天下午3点开会"), QString::fromUtf16(u"每周五下午4点交周报 !!")}},
        {QLocale(QStringLiteral("zh-Hant")),
         QLocale(QLocale::English),
         {QString::fromUtf16(u"下週五交報告 重要"), QString::fromUtf16(u"3天後上午9點打給爸爸")}},
    };

    QElapsedTimer compile;
    compile.start();
    QList<PhraseParser> parsers;
    for (const auto& c : cases) {
        parsers.append(PhraseParser(PhraseParser::localesFor(c.interfaceLocale, c.systemLocale), zone));
    }
    std::printf("quickadd: compiling 5 grammar pairs: %.1f ms\n", double(compile.nsecsElapsed()) / 1e6);

    constexpr int rounds = 2000;
    qsizetype parsed = 0;
    qsizetype titleLength = 0;
    QElapsedTimer timer;
    timer.start();
    for (int round = 0; round < rounds; ++round) {
        for (qsizetype i = 0; i < parsers.size(); ++i) {
            for (const QString& phrase : cases[i].phrases) {
                titleLength += parsers[i].parse(phrase, now).title.size();
                ++parsed;
            }
        }
    }
    const double perPhraseMs = double(timer.nsecsElapsed()) / 1e6 / double(parsed);
    std::printf("quickadd: %lld phrases (%lld title characters), %.4f ms per phrase (target <= 0.2 ms)\n",
                static_cast<long long>(parsed), static_cast<long long>(titleLength), perPhraseMs);
    return perPhraseMs <= 0.2 ? 0 : 1;
}
