#include "quickadd/PhraseGrammar.h"

#include "model/RecurrenceOption.h"

namespace tolvik {

namespace {

constexpr int daily = int(RecurrenceOption::daily);
constexpr int weekly = int(RecurrenceOption::weekly);
constexpr int monthly = int(RecurrenceOption::monthly);
constexpr int yearly = int(RecurrenceOption::yearly);

constexpr int high = 1;
constexpr int medium = 5;
constexpr int low = 9;

QString s(const char16_t* text)
{
    return QString::fromUtf16(text);
}

QList<GrammarWord> words(std::initializer_list<std::pair<const char16_t*, int>> list)
{
    QList<GrammarWord> out;
    for (const auto& [text, value] : list) {
        out.append({s(text), value});
    }
    return out;
}

QStringList texts(std::initializer_list<const char16_t*> list)
{
    QStringList out;
    for (const char16_t* text : list) {
        out.append(s(text));
    }
    return out;
}

PhraseGrammar english()
{
    PhraseGrammar g;
    g.language = QStringLiteral("en");
    g.days = words(
        {{u"today", 0}, {u"tomorrow", 1}, {u"tmrw", 1}, {u"the day after tomorrow", 2}, {u"day after tomorrow", 2}});
    g.nights = words({{u"tonight", 0}, {u"tomorrow night", 1}});
    g.onWords = texts({u"on", u"by", u"due"});
    g.nextWords = texts({u"next"});
    g.inBefore = texts({u"in"});
    g.numbers = words({{u"a", 1},
                       {u"an", 1},
                       {u"one", 1},
                       {u"two", 2},
                       {u"three", 3},
                       {u"four", 4},
                       {u"five", 5},
                       {u"six", 6},
                       {u"seven", 7},
                       {u"eight", 8},
                       {u"nine", 9},
                       {u"ten", 10}});
    g.units = words({{u"day", 0},
                     {u"days", 0},
                     {u"week", 1},
                     {u"weeks", 1},
                     {u"month", 2},
                     {u"months", 2},
                     {u"year", 3},
                     {u"years", 3}});
    g.everyWords = texts({u"every", u"each"});
    g.repeats = words(
        {{u"daily", daily}, {u"weekly", weekly}, {u"monthly", monthly}, {u"yearly", yearly}, {u"annually", yearly}});
    g.atWords = texts({u"at", u"@"});
    g.hourWords = texts({u"o'clock", u"o’clock"});
    g.meridiemAfter = words({{u"am", 0}, {u"a.m.", 0}, {u"pm", 12}, {u"p.m.", 12}});
    g.periods = words({{u"noon", 12},
                       {u"midday", 12},
                       {u"in the morning", 9},
                       {u"morning", 9},
                       {u"in the afternoon", 15},
                       {u"afternoon", 15},
                       {u"in the evening", 18},
                       {u"evening", 18}});
    g.priorities = words({{u"!high", high},
                          {u"!medium", medium},
                          {u"!low", low},
                          {u"high priority", high},
                          {u"medium priority", medium},
                          {u"low priority", low},
                          {u"urgent", high}});
    return g;
}

PhraseGrammar german()
{
    PhraseGrammar g;
    g.language = QStringLiteral("de");
    g.days = words({{u"heute", 0}, {u"morgen", 1}, {u"übermorgen", 2}});
    g.nights = words({{u"heute abend", 0}, {u"heute nacht", 0}, {u"morgen abend", 1}});
    g.onWords = texts({u"am", u"bis", u"bis zum", u"kommenden", u"diesen"});
    g.nextWords = texts({u"nächsten", u"nächste"});
    g.inBefore = texts({u"in"});
    g.numbers = words({{u"einem", 1},
                       {u"einer", 1},
                       {u"zwei", 2},
                       {u"drei", 3},
                       {u"vier", 4},
                       {u"fünf", 5},
                       {u"sechs", 6},
                       {u"sieben", 7},
                       {u"acht", 8},
                       {u"neun", 9},
                       {u"zehn", 10}});
    g.units = words({{u"tag", 0},
                     {u"tagen", 0},
                     {u"woche", 1},
                     {u"wochen", 1},
                     {u"monat", 2},
                     {u"monaten", 2},
                     {u"jahr", 3},
                     {u"jahren", 3}});
    g.everyWords = texts({u"jeden", u"jede", u"jedes"});
    g.repeats = words({{u"täglich", daily}, {u"wöchentlich", weekly}, {u"monatlich", monthly}, {u"jährlich", yearly}});
    g.weeklyOn = words({{u"montags", 1},
                        {u"dienstags", 2},
                        {u"mittwochs", 3},
                        {u"donnerstags", 4},
                        {u"freitags", 5},
                        {u"samstags", 6},
                        {u"sonntags", 7}});
    g.atWords = texts({u"um", u"gegen"});
    g.hourWords = texts({u"uhr"});
    g.periods = words({{u"früh", 8},
                       {u"morgens", 8},
                       {u"vormittags", 10},
                       {u"am vormittag", 10},
                       {u"mittags", 12},
                       {u"am mittag", 12},
                       {u"nachmittags", 15},
                       {u"am nachmittag", 15},
                       {u"abends", 18},
                       {u"am abend", 18},
                       {u"abend", 18},
                       {u"vormittag", 10},
                       {u"mittag", 12},
                       {u"nachmittag", 15}});
    g.halfBefore = texts({u"halb"});
    g.priorities = words({{u"wichtig", high},
                          {u"dringend", high},
                          {u"hohe priorität", high},
                          {u"priorität hoch", high},
                          {u"mittlere priorität", medium},
                          {u"niedrige priorität", low},
                          {u"priorität niedrig", low},
                          {u"unwichtig", low}});
    return g;
}

PhraseGrammar swedish()
{
    PhraseGrammar g;
    g.language = QStringLiteral("sv");
    g.days = words({{u"idag", 0},
                    {u"i dag", 0},
                    {u"imorgon", 1},
                    {u"i morgon", 1},
                    {u"imorrn", 1},
                    {u"i morrn", 1},
                    {u"i övermorgon", 2},
                    {u"övermorgon", 2}});
    g.nights = words({{u"ikväll", 0}, {u"i kväll", 0}, {u"i natt", 0}, {u"i morgon kväll", 1}, {u"imorgon kväll", 1}});
    g.onWords = texts({u"på", u"den", u"till", u"senast"});
    g.nextWords = texts({u"nästa"});
    g.inBefore = texts({u"om"});
    g.numbers = words({{u"en", 1},
                       {u"ett", 1},
                       {u"två", 2},
                       {u"tre", 3},
                       {u"fyra", 4},
                       {u"fem", 5},
                       {u"sex", 6},
                       {u"sju", 7},
                       {u"åtta", 8},
                       {u"nio", 9},
                       {u"tio", 10}});
    g.units =
        words({{u"dag", 0}, {u"dagar", 0}, {u"vecka", 1}, {u"veckor", 1}, {u"månad", 2}, {u"månader", 2}, {u"år", 3}});
    g.everyWords = texts({u"varje"});
    g.repeats = words({{u"dagligen", daily},
                       {u"varje dag", daily},
                       {u"veckovis", weekly},
                       {u"varje vecka", weekly},
                       {u"månadsvis", monthly},
                       {u"varje månad", monthly},
                       {u"årligen", yearly},
                       {u"varje år", yearly}});
    g.atWords = texts({u"kl", u"kl.", u"klockan"});
    g.periods = words({{u"på morgonen", 8},
                       {u"i morgon bitti", 8},
                       {u"på förmiddagen", 10},
                       {u"vid lunch", 12},
                       {u"mitt på dagen", 12},
                       {u"på eftermiddagen", 15},
                       {u"på kvällen", 18},
                       {u"kväll", 18}});
    g.halfBefore = texts({u"halv"});
    g.priorities = words({{u"viktigt", high},
                          {u"brådskande", high},
                          {u"hög prioritet", high},
                          {u"medelhög prioritet", medium},
                          {u"låg prioritet", low},
                          {u"prio hög", high},
                          {u"prio låg", low}});
    return g;
}

/// Both Chinese scripts share one shape; `traditional` picks the characters.
PhraseGrammar chinese(bool traditional)
{
    PhraseGrammar g;
    g.language = traditional ? QStringLiteral("zh-Hant") : QStringLiteral("zh-Hans");
    g.spaced = false;
    const auto pick = [traditional](const char16_t* simplified, const char16_t* traditionalText) {
        return traditional ? traditionalText : simplified;
    };
    g.days = words({{u"今天", 0},
                    {u"今日", 0},
                    {u"明天", 1},
                    {u"明日", 1},
                    {pick(u"后天", u"後天"), 2},
                    {pick(u"大后天", u"大後天"), 3}});
    g.nights = words({{u"今晚", 0}, {u"明晚", 1}});
    g.nextWords = texts({u"下", pick(u"下个", u"下個")});
    const char16_t* prefixes[] = {u"星期", pick(u"周", u"週"), pick(u"礼拜", u"禮拜")};
    const char16_t* digits[] = {u"一", u"二", u"三", u"四", u"五", u"六", u"日", u"天"};
    for (const char16_t* prefix : prefixes) {
        for (int i = 0; i < 8; ++i) {
            g.extraWeekdays.append({s(prefix) + s(digits[i]), i < 7 ? i + 1 : 7});
        }
    }
    g.inAfter = texts({pick(u"后", u"後"), pick(u"以后", u"以後"), pick(u"之后", u"之後")});
    g.units = words({{u"天", 0},
                     {u"日", 0},
                     {pick(u"周", u"週"), 1},
                     {u"星期", 1},
                     {pick(u"个星期", u"個星期"), 1},
                     {pick(u"礼拜", u"禮拜"), 1},
                     {pick(u"个月", u"個月"), 2},
                     {u"月", 2},
                     {u"年", 3}});
    g.everyWords = texts({u"每", pick(u"每个", u"每個")});
    g.hourWords = texts({pick(u"点", u"點"), pick(u"点钟", u"點鐘"), pick(u"时", u"時")});
    g.minuteWord = s(u"分");
    g.meridiemBefore =
        words({{u"早上", 0}, {u"上午", 0}, {u"凌晨", 0}, {u"中午", 0}, {u"下午", 12}, {u"晚上", 12}, {u"傍晚", 12}});
    g.periods = words({{u"早上", 8}, {u"上午", 9}, {u"中午", 12}, {u"下午", 15}, {u"傍晚", 18}, {u"晚上", 18}});
    g.halfAfter = texts({u"半"});
    g.priorities = words({{u"重要", high},
                          {pick(u"紧急", u"緊急"), high},
                          {pick(u"高优先级", u"高優先級"), high},
                          {pick(u"优先级高", u"優先級高"), high},
                          {pick(u"中优先级", u"中優先級"), medium},
                          {pick(u"低优先级", u"低優先級"), low},
                          {pick(u"优先级低", u"優先級低"), low},
                          {u"不急", low}});
    return g;
}

} // namespace

const QList<PhraseGrammar>& phraseGrammars()
{
    static const QList<PhraseGrammar> grammars{english(), german(), swedish(), chinese(false), chinese(true)};
    return grammars;
}

} // namespace tolvik
