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

// Hours of the parts of the day, the same in every language.
constexpr int morning = 8;
constexpr int forenoon = 10;
constexpr int noon = 12;
constexpr int afternoon = 15;
constexpr int evening = 18;
constexpr int night = 21;
constexpr int midnight = 24;

/// A day offset and an hour as one `dayParts` value.
constexpr int at(int day, int hour)
{
    return day * 100 + hour;
}

namespace R = RelativeDate;

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
    g.monthFirst = true;
    g.days = words({{u"today", 0},
                    {u"tomorrow", 1},
                    {u"tmrw", 1},
                    {u"tmr", 1},
                    {u"tmw", 1},
                    {u"the day after tomorrow", 2},
                    {u"day after tomorrow", 2}});
    g.dayParts = words({{u"tonight", at(0, evening)},
                        {u"end of day", at(0, 17)},
                        {u"by end of day", at(0, 17)},
                        {u"by the end of the day", at(0, 17)},
                        {u"eod", at(0, 17)},
                        {u"by eod", at(0, 17)},
                        {u"tomorrow night", at(1, night)}});
    g.relativeDates = words({{u"next week", R::nextWeekStart},
                             {u"the week after next", R::weekAfterNextStart},
                             {u"next month", R::nextMonthStart},
                             {u"next year", R::nextYearStart},
                             {u"this weekend", R::thisWeekend},
                             {u"the weekend", R::thisWeekend},
                             {u"at the weekend", R::thisWeekend},
                             {u"on the weekend", R::thisWeekend},
                             {u"over the weekend", R::thisWeekend},
                             {u"next weekend", R::nextWeekend},
                             {u"end of the week", R::endOfWeek},
                             {u"end of week", R::endOfWeek},
                             {u"by the end of the week", R::endOfWeek},
                             {u"end of the month", R::endOfMonth},
                             {u"end of month", R::endOfMonth},
                             {u"by the end of the month", R::endOfMonth},
                             {u"end of the year", R::endOfYear},
                             {u"end of year", R::endOfYear},
                             {u"in a fortnight", 14},
                             {u"a week from today", 7},
                             {u"a week from tomorrow", 8},
                             {u"a week today", 7}});
    g.relativeMinutes = words({{u"in half an hour", 30},
                               {u"in a half hour", 30},
                               {u"in a quarter of an hour", 15},
                               {u"in a quarter hour", 15},
                               {u"in an hour and a half", 90}});
    g.onWords = texts({u"on", u"by", u"due", u"this", u"this coming", u"coming", u"before", u"until", u"till"});
    g.nextWords = texts({u"next"});
    g.nextWeekAfter = texts({u"next week"});
    g.extraWeekdays = words({{u"tues", 2}, {u"weds", 3}, {u"thur", 4}, {u"thurs", 4}});
    g.guardedWeekdays = texts({u"sun", u"sat"});
    g.inBefore = texts({u"in"});
    g.numbers = words({{u"a", 1},        {u"an", 1},       {u"one", 1},     {u"two", 2},         {u"three", 3},
                       {u"four", 4},     {u"five", 5},     {u"six", 6},     {u"seven", 7},       {u"eight", 8},
                       {u"nine", 9},     {u"ten", 10},     {u"eleven", 11}, {u"twelve", 12},     {u"fourteen", 14},
                       {u"fifteen", 15}, {u"twenty", 20},  {u"thirty", 30}, {u"forty-five", 45}, {u"a couple of", 2},
                       {u"a couple", 2}, {u"couple of", 2}});
    g.units = words({{u"day", 0},
                     {u"days", 0},
                     {u"week", 1},
                     {u"weeks", 1},
                     {u"month", 2},
                     {u"months", 2},
                     {u"year", 3},
                     {u"years", 3},
                     {u"hour", 4},
                     {u"hours", 4},
                     {u"hr", 4},
                     {u"hrs", 4},
                     {u"minute", 5},
                     {u"minutes", 5},
                     {u"min", 5},
                     {u"mins", 5}});
    g.everyWords = texts({u"every", u"each"});
    g.otherWords = texts({u"every other", u"every second", u"every 2nd"});
    g.repeats = words({{u"daily", daily},
                       {u"weekly", weekly},
                       {u"monthly", monthly},
                       {u"yearly", yearly},
                       {u"annually", yearly},
                       {u"once a day", daily},
                       {u"once a week", weekly},
                       {u"once a month", monthly},
                       {u"once a year", yearly}});
    g.intervalRepeats =
        words({{u"fortnightly", 20 + weekly}, {u"every fortnight", 20 + weekly}, {u"every quarter", 30 + monthly}});
    g.workdayRepeats = texts({u"weekdays", u"on weekdays", u"every weekday", u"each weekday", u"every workday",
                              u"workdays", u"on workdays", u"monday to friday", u"mon-fri", u"mon–fri"});
    g.dailyAt = words({{u"every morning", morning},
                       {u"each morning", morning},
                       {u"every afternoon", afternoon},
                       {u"every evening", evening},
                       {u"each evening", evening},
                       {u"every night", night},
                       {u"each night", night}});
    g.andWords = texts({u"and", u"&", u","});
    g.weeklyOnBefore = texts({u"on", u"every"});
    g.weeklyOn = words({{u"mondays", 1},
                        {u"tuesdays", 2},
                        {u"wednesdays", 3},
                        {u"thursdays", 4},
                        {u"fridays", 5},
                        {u"saturdays", 6},
                        {u"sundays", 7}});
    g.atWords = texts({u"at", u"@"});
    g.hourWords = texts({u"o'clock", u"o’clock"});
    g.meridiemAfter = words({{u"am", 0}, {u"a.m.", 0}, {u"pm", 12}, {u"p.m.", 12}});
    g.periods = words({{u"noon", noon},
                       {u"midday", noon},
                       {u"lunchtime", noon},
                       {u"at lunchtime", noon},
                       {u"in the morning", morning},
                       {u"morning", morning},
                       {u"in the afternoon", afternoon},
                       {u"afternoon", afternoon},
                       {u"in the evening", evening},
                       {u"evening", evening},
                       {u"at night", night},
                       {u"midnight", midnight}});
    g.quarters = words({{u"half past", 30},
                        {u"quarter past", 15},
                        {u"a quarter past", 15},
                        {u"quarter to", -15},
                        {u"a quarter to", -15},
                        {u"quarter of", -15}});
    // "the 3rd option" is no date: a day of the month needs a word before it.
    g.dayOfMonth =
        QStringLiteral("(?:on|by|due|before|until|till|from)\\s+the\\s+(\\d{1,2})(?:st|nd|rd|th)(?!\\s+of\\b)");
    g.priorities = words({{u"!high", high},
                          {u"!medium", medium},
                          {u"!low", low},
                          {u"!important", high},
                          {u"!urgent", high},
                          {u"high priority", high},
                          {u"medium priority", medium},
                          {u"low priority", low},
                          {u"urgent", high},
                          {u"important", high},
                          {u"asap", high},
                          {u"not urgent", low},
                          {u"not important", low}});
    return g;
}

PhraseGrammar german()
{
    PhraseGrammar g;
    g.language = QStringLiteral("de");
    g.days = words({{u"heute", 0}, {u"morgen", 1}, {u"übermorgen", 2}});
    g.dayParts = words({{u"heute morgen", at(0, morning)},
                        {u"heute früh", at(0, morning)},
                        {u"heute vormittag", at(0, forenoon)},
                        {u"heute mittag", at(0, noon)},
                        {u"heute nachmittag", at(0, afternoon)},
                        {u"heute abend", at(0, evening)},
                        {u"heute nacht", at(0, night)},
                        {u"morgen früh", at(1, morning)},
                        {u"morgen vormittag", at(1, forenoon)},
                        {u"morgen mittag", at(1, noon)},
                        {u"morgen nachmittag", at(1, afternoon)},
                        {u"morgen abend", at(1, evening)},
                        {u"morgen nacht", at(1, night)},
                        {u"übermorgen früh", at(2, morning)}});
    g.relativeDates = words({{u"nächste woche", R::nextWeekStart},
                             {u"nächster woche", R::nextWeekStart},
                             {u"kommende woche", R::nextWeekStart},
                             {u"kommender woche", R::nextWeekStart},
                             {u"übernächste woche", R::weekAfterNextStart},
                             {u"nächsten monat", R::nextMonthStart},
                             {u"kommenden monat", R::nextMonthStart},
                             {u"nächstes jahr", R::nextYearStart},
                             {u"nächsten jahres", R::nextYearStart},
                             {u"am wochenende", R::thisWeekend},
                             {u"dieses wochenende", R::thisWeekend},
                             {u"nächstes wochenende", R::nextWeekend},
                             {u"ende der woche", R::endOfWeek},
                             {u"zum wochenende", R::endOfWeek},
                             {u"ende des monats", R::endOfMonth},
                             {u"monatsende", R::endOfMonth},
                             {u"zum monatsende", R::endOfMonth},
                             {u"ende des jahres", R::endOfYear},
                             {u"jahresende", R::endOfYear},
                             {u"zum jahresende", R::endOfYear},
                             {u"in acht tagen", 7},
                             {u"in vierzehn tagen", 14},
                             {u"heute in einer woche", 7},
                             {u"heute in acht tagen", 7}});
    g.relativeMinutes = words({{u"in einer halben stunde", 30},
                               {u"in einer viertelstunde", 15},
                               {u"in einer dreiviertelstunde", 45},
                               {u"in anderthalb stunden", 90},
                               {u"in eineinhalb stunden", 90}});
    g.onWords = texts({u"am", u"bis", u"bis zum", u"bis spätestens", u"spätestens", u"spätestens am",
                       u"bis spätestens zum", u"kommenden", u"diesen"});
    g.nextWords = texts({u"nächsten", u"nächste", u"nächster"});
    g.nextRule = NextWeekday::coming;
    g.afterNextWords = texts({u"übernächsten", u"übernächste"});
    g.nextWeekAfter = texts({u"nächste woche", u"nächster woche", u"kommende woche"});
    g.extraWeekdays = words({{u"mo.", 1},
                             {u"di.", 2},
                             {u"mi.", 3},
                             {u"do.", 4},
                             {u"fr.", 5},
                             {u"sa.", 6},
                             {u"so.", 7},
                             {u"mo", 1},
                             {u"mi", 3},
                             {u"fr", 5},
                             {u"sa", 6}});
    g.weekdayParts = words({{u"morgen", morning},
                            {u"früh", morning},
                            {u"vormittag", forenoon},
                            {u"mittag", noon},
                            {u"nachmittag", afternoon},
                            {u"abend", evening},
                            {u"nacht", night}});
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
                       {u"zehn", 10},
                       {u"elf", 11},
                       {u"zwölf", 12},
                       {u"vierzehn", 14},
                       {u"fünfzehn", 15},
                       {u"zwanzig", 20},
                       {u"dreißig", 30},
                       {u"ein paar", 2}});
    g.units = words({{u"tag", 0},    {u"tage", 0},   {u"tagen", 0},   {u"woche", 1}, {u"wochen", 1},
                     {u"monat", 2},  {u"monate", 2}, {u"monaten", 2}, {u"jahr", 3},  {u"jahre", 3},
                     {u"jahren", 3}, {u"stunde", 4}, {u"stunden", 4}, {u"std.", 4},  {u"std", 4},
                     {u"h", 4},      {u"minute", 5}, {u"minuten", 5}, {u"min.", 5},  {u"min", 5}});
    g.everyWords = texts({u"jeden", u"jede", u"jedes", u"alle"});
    g.everyCountWords = texts({u"alle"});
    g.otherWords = texts({u"jeden zweiten", u"jede zweite", u"jedes zweite", u"alle zwei", u"alle 2"});
    g.repeats = words({{u"täglich", daily},
                       {u"wöchentlich", weekly},
                       {u"monatlich", monthly},
                       {u"jährlich", yearly},
                       {u"einmal am tag", daily},
                       {u"einmal täglich", daily},
                       {u"einmal pro tag", daily},
                       {u"einmal pro woche", weekly},
                       {u"einmal in der woche", weekly},
                       {u"einmal die woche", weekly},
                       {u"einmal im monat", monthly},
                       {u"einmal pro monat", monthly},
                       {u"einmal im jahr", yearly},
                       {u"einmal pro jahr", yearly}});
    g.intervalRepeats = words({{u"vierzehntägig", 20 + weekly},
                               {u"vierzehntäglich", 20 + weekly},
                               {u"zweiwöchentlich", 20 + weekly},
                               {u"alle vierzehn tage", 20 + weekly},
                               {u"alle 14 tage", 20 + weekly},
                               {u"vierteljährlich", 30 + monthly},
                               {u"halbjährlich", 60 + monthly}});
    g.workdayRepeats =
        texts({u"werktags", u"wochentags", u"an werktagen", u"jeden werktag", u"an wochentagen",
               u"montags bis freitags", u"montag bis freitag", u"mo-fr", u"mo–fr", u"mo.-fr.", u"mo.–fr.", u"mo.–fr"});
    g.dailyAt = words({{u"jeden morgen", morning},
                       {u"jeden vormittag", forenoon},
                       {u"jeden mittag", noon},
                       {u"jeden nachmittag", afternoon},
                       {u"jeden abend", evening},
                       {u"jede nacht", night}});
    g.andWords = texts({u"und", u"&", u","});
    g.weeklyOnBefore = texts({u"immer"});
    g.weeklyOn = words({{u"montags", 1},
                        {u"dienstags", 2},
                        {u"mittwochs", 3},
                        {u"donnerstags", 4},
                        {u"freitags", 5},
                        {u"samstags", 6},
                        {u"sonntags", 7}});
    g.atWords = texts({u"um", u"gegen", u"ab"});
    g.hourWords = texts({u"uhr", u"h"});
    g.minutesAfterHourWord = true;
    g.periods = words({{u"morgens", morning},
                       {u"am morgen", morning},
                       {u"vormittags", forenoon},
                       {u"am vormittag", forenoon},
                       {u"mittags", noon},
                       {u"am mittag", noon},
                       {u"nachmittags", afternoon},
                       {u"am nachmittag", afternoon},
                       {u"abends", evening},
                       {u"am abend", evening},
                       {u"abend", evening},
                       {u"vormittag", forenoon},
                       {u"mittag", noon},
                       {u"nachmittag", afternoon},
                       {u"nachts", night},
                       {u"in der nacht", night},
                       {u"mitternacht", midnight}});
    g.quarters = words({{u"halb", -30},
                        {u"viertel nach", 15},
                        {u"viertel vor", -15},
                        {u"viertel", -45},
                        {u"dreiviertel", -15},
                        {u"drei viertel", -15}});
    g.dayOfMonth = QStringLiteral("(?:am|zum|bis\\s+zum|bis\\s+spätestens\\s+zum|spätestens\\s+am)\\s+(\\d{1,2})\\.");
    g.weekNumber = QStringLiteral("(?:(?:in|bis)\\s+(?:der\\s+)?)?kw\\s*(\\d{1,2})");
    g.monthPartsBefore = words({{u"anfang", 1}, {u"mitte", 15}, {u"ende", 99}});
    g.priorities = words({{u"wichtig", high},
                          {u"sehr wichtig", high},
                          {u"dringend", high},
                          {u"eilig", high},
                          {u"hohe priorität", high},
                          {u"priorität hoch", high},
                          {u"hohe prio", high},
                          {u"prio hoch", high},
                          {u"mittlere priorität", medium},
                          {u"priorität mittel", medium},
                          {u"mittlere prio", medium},
                          {u"prio mittel", medium},
                          {u"niedrige priorität", low},
                          {u"priorität niedrig", low},
                          {u"niedrige prio", low},
                          {u"prio niedrig", low},
                          {u"unwichtig", low},
                          {u"nicht dringend", low},
                          {u"nicht wichtig", low}});
    return g;
}

PhraseGrammar swedish()
{
    PhraseGrammar g;
    g.language = QStringLiteral("sv");
    g.dotTime = true;
    g.slashDayMonth = true;
    g.days = words({{u"idag", 0},
                    {u"i dag", 0},
                    {u"imorgon", 1},
                    {u"i morgon", 1},
                    {u"imorrn", 1},
                    {u"i morrn", 1},
                    {u"imorron", 1},
                    {u"i morron", 1},
                    {u"i övermorgon", 2},
                    {u"övermorgon", 2}});
    g.dayParts = words({{u"ikväll", at(0, evening)},
                        {u"i kväll", at(0, evening)},
                        {u"i natt", at(0, night)},
                        {u"inatt", at(0, night)},
                        {u"i eftermiddag", at(0, afternoon)},
                        {u"i förmiddag", at(0, forenoon)},
                        {u"i morgon kväll", at(1, evening)},
                        {u"imorgon kväll", at(1, evening)},
                        {u"i morgon bitti", at(1, morning)},
                        {u"imorgon bitti", at(1, morning)},
                        {u"imorrn bitti", at(1, morning)},
                        {u"i morrn bitti", at(1, morning)},
                        {u"i morgon natt", at(1, night)}});
    g.relativeDates = words({{u"nästa vecka", R::nextWeekStart},
                             {u"i nästa vecka", R::nextWeekStart},
                             {u"nästa månad", R::nextMonthStart},
                             {u"nästa år", R::nextYearStart},
                             {u"i helgen", R::thisWeekend},
                             {u"nästa helg", R::nextWeekend},
                             {u"i slutet av veckan", R::endOfWeek},
                             {u"i slutet av månaden", R::endOfMonth},
                             {u"vid månadsskiftet", R::startOfMonth},
                             {u"i slutet av året", R::endOfYear},
                             {u"om fjorton dagar", 14},
                             {u"om en vecka", 7}});
    g.relativeMinutes = words(
        {{u"om en halvtimme", 30}, {u"om en halvtimma", 30}, {u"om en kvart", 15}, {u"om en och en halv timme", 90}});
    g.onWords = texts({u"på", u"den", u"till", u"senast", u"senast på", u"senast den", u"före", u"innan"});
    g.nextWords = texts({u"nästa"});
    g.afterNextWords = texts({u"nästnästa"});
    g.nextWeekAfter = texts({u"nästa vecka", u"i nästa vecka"});
    g.extraWeekdays = words({{u"tor", 4}});
    g.guardedWeekdays = texts({u"mån"});
    g.weekdayParts = words({{u"smorgon", morning},
                            {u"sförmiddag", forenoon},
                            {u"slunch", noon},
                            {u"seftermiddag", afternoon},
                            {u"skväll", evening},
                            {u"snatt", night}});
    g.inBefore = texts({u"om"});
    g.numbers = words({{u"en", 1},     {u"ett", 1},      {u"två", 2},     {u"tre", 3},      {u"fyra", 4},
                       {u"fem", 5},    {u"sex", 6},      {u"sju", 7},     {u"åtta", 8},     {u"nio", 9},
                       {u"tio", 10},   {u"elva", 11},    {u"tolv", 12},   {u"fjorton", 14}, {u"femton", 15},
                       {u"tjugo", 20}, {u"trettio", 30}, {u"ett par", 2}, {u"tredje", 3},   {u"fjärde", 4}});
    g.units = words({{u"dag", 0},
                     {u"dagar", 0},
                     {u"vecka", 1},
                     {u"veckor", 1},
                     {u"månad", 2},
                     {u"månader", 2},
                     {u"år", 3},
                     {u"timme", 4},
                     {u"timmar", 4},
                     {u"timma", 4},
                     {u"tim", 4},
                     {u"minut", 5},
                     {u"minuter", 5},
                     {u"min", 5}});
    g.everyWords = texts({u"varje", u"var"});
    g.everyCountWords = texts({u"var"});
    g.otherWords = texts({u"varannan", u"vartannat"});
    g.repeats = words({{u"dagligen", daily},
                       {u"varje dag", daily},
                       {u"veckovis", weekly},
                       {u"varje vecka", weekly},
                       {u"månadsvis", monthly},
                       {u"varje månad", monthly},
                       {u"årligen", yearly},
                       {u"varje år", yearly},
                       {u"en gång om dagen", daily},
                       {u"en gång per dag", daily},
                       {u"en gång i veckan", weekly},
                       {u"en gång per vecka", weekly},
                       {u"en gång i månaden", monthly},
                       {u"en gång per månad", monthly},
                       {u"en gång om året", yearly},
                       {u"en gång per år", yearly}});
    g.intervalRepeats = words({{u"var fjortonde dag", 20 + weekly}, {u"kvartalsvis", 30 + monthly}});
    g.workdayRepeats = texts({u"varje vardag", u"vardagar", u"på vardagar", u"alla vardagar", u"måndag till fredag",
                              u"mån-fre", u"mån–fre"});
    g.dailyAt = words({{u"varje morgon", morning},
                       {u"varje förmiddag", forenoon},
                       {u"varje eftermiddag", afternoon},
                       {u"varje kväll", evening},
                       {u"varje natt", night}});
    g.andWords = texts({u"och", u"&", u","});
    g.weeklyOnBefore = texts({u"på"});
    g.weeklyOn = words({{u"måndagar", 1},
                        {u"tisdagar", 2},
                        {u"onsdagar", 3},
                        {u"torsdagar", 4},
                        {u"fredagar", 5},
                        {u"lördagar", 6},
                        {u"söndagar", 7}});
    g.atWords = texts({u"kl", u"kl.", u"klockan"});
    g.periods = words({{u"på morgonen", morning},
                       {u"på förmiddagen", forenoon},
                       {u"förmiddag", forenoon},
                       {u"vid lunch", noon},
                       {u"mitt på dagen", noon},
                       {u"på eftermiddagen", afternoon},
                       {u"eftermiddag", afternoon},
                       {u"på kvällen", evening},
                       {u"kväll", evening},
                       {u"på natten", night},
                       {u"midnatt", midnight},
                       {u"vid midnatt", midnight}});
    g.quarters = words({{u"halv", -30}, {u"kvart över", 15}, {u"kvart i", -15}});
    g.dayOfMonth = QStringLiteral("(?:(?:senast\\s+|till\\s+)?den\\s+)?(\\d{1,2}):[ea]");
    g.weekNumber = QStringLiteral("(?:v\\.?\\s*|(?:(?:i|till|under|senast|före|från)\\s+)?vecka\\s+)(\\d{1,2})");
    g.priorities = words({{u"viktigt", high},
                          {u"viktig", high},
                          {u"brådskande", high},
                          {u"akut", high},
                          {u"hög prioritet", high},
                          {u"högprio", high},
                          {u"hög prio", high},
                          {u"prio hög", high},
                          {u"medelhög prioritet", medium},
                          {u"medelprioritet", medium},
                          {u"medelprio", medium},
                          {u"prio medel", medium},
                          {u"låg prioritet", low},
                          {u"lågprio", low},
                          {u"låg prio", low},
                          {u"prio låg", low},
                          {u"inte bråttom", low},
                          {u"inte viktigt", low}});
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
    // Taiwan writes both 週 and 周; the mainland only 周.
    QList<const char16_t*> weekWords{u"周"};
    if (traditional) {
        weekWords.prepend(u"週");
    }
    g.days = words({{u"今天", 0},
                    {u"今日", 0},
                    {u"明天", 1},
                    {u"明日", 1},
                    {pick(u"后天", u"後天"), 2},
                    {pick(u"大后天", u"大後天"), 3}});
    g.dayParts = words({{u"今晚", at(0, evening)},
                        {u"明晚", at(1, evening)},
                        {u"今早", at(0, morning)},
                        {u"明早", at(1, morning)},
                        {u"明晨", at(1, morning)},
                        {u"明天一早", at(1, morning)},
                        {u"今夜", at(0, night)}});
    for (const char16_t* week : weekWords) {
        const QString w = s(week);
        const auto add = [&g](const QString& text, int value) { g.relativeDates.append({text, value}); };
        add(s(u"下") + w, RelativeDate::nextWeekStart);
        add(s(u"下下") + w, RelativeDate::weekAfterNextStart);
        add(w + s(u"末"), RelativeDate::thisWeekend);
        add(s(pick(u"这", u"這")) + w + s(u"末"), RelativeDate::thisWeekend);
        add(s(u"本") + w + s(u"末"), RelativeDate::thisWeekend);
        add(s(pick(u"这个", u"這個")) + w + s(u"末"), RelativeDate::thisWeekend);
        add(s(u"下") + w + s(u"末"), RelativeDate::nextWeekend);
        add(s(pick(u"下个", u"下個")) + w + s(u"末"), RelativeDate::nextWeekend);
    }
    g.relativeDates += words({{u"下星期", RelativeDate::nextWeekStart},
                              {pick(u"下礼拜", u"下禮拜"), RelativeDate::nextWeekStart},
                              {pick(u"下个星期", u"下個星期"), RelativeDate::nextWeekStart},
                              {pick(u"下个礼拜", u"下個禮拜"), RelativeDate::nextWeekStart},
                              {pick(u"下个月", u"下個月"), RelativeDate::nextMonthStart},
                              {u"下月", RelativeDate::nextMonthStart},
                              {u"下月初", RelativeDate::nextMonthStart},
                              {u"明年", RelativeDate::nextYearStart},
                              {u"月底", RelativeDate::endOfMonth},
                              {u"月末", RelativeDate::endOfMonth},
                              {u"本月底", RelativeDate::endOfMonth},
                              {pick(u"这个月底", u"這個月底"), RelativeDate::endOfMonth},
                              {u"月初", RelativeDate::startOfMonth},
                              {u"年底", RelativeDate::endOfYear},
                              {u"年末", RelativeDate::endOfYear},
                              {pick(u"半个月后", u"半個月後"), 15},
                              {pick(u"半个月内", u"半個月內"), 15}});
    g.relativeMinutes = words({{pick(u"半小时后", u"半小時後"), 30},
                               {pick(u"半个小时后", u"半個小時後"), 30},
                               {pick(u"半个钟头后", u"半個鐘頭後"), 30},
                               {pick(u"半小时内", u"半小時內"), 30},
                               {pick(u"一刻钟后", u"一刻鐘後"), 15},
                               {pick(u"一个半小时后", u"一個半小時後"), 90}});
    g.onWords = texts({u"截止", u"截至", u"截止到"});
    g.nextWords = texts({u"下", pick(u"下个", u"下個")});
    g.afterNextWords = texts({u"下下", pick(u"下下个", u"下下個")});
    g.thisWords = texts({pick(u"这", u"這"), pick(u"这个", u"這個"), u"本"});
    g.deadlineAfter = texts({u"前", u"之前", u"以前"});
    QList<const char16_t*> prefixes{u"星期", pick(u"礼拜", u"禮拜")};
    prefixes += weekWords;
    const char16_t* digits[] = {u"一", u"二", u"三", u"四", u"五", u"六", u"日", u"天"};
    for (const char16_t* prefix : prefixes) {
        for (int i = 0; i < 8; ++i) {
            g.extraWeekdays.append({s(prefix) + s(digits[i]), i < 7 ? i + 1 : 7});
        }
    }
    g.inAfter = texts({pick(u"后", u"後"), pick(u"以后", u"以後"), pick(u"之后", u"之後"), pick(u"内", u"內"),
                       pick(u"以内", u"以內"), pick(u"之内", u"之內")});
    g.units = words({{u"天", 0},
                     {u"日", 0},
                     {u"星期", 1},
                     {pick(u"个星期", u"個星期"), 1},
                     {pick(u"礼拜", u"禮拜"), 1},
                     {pick(u"个礼拜", u"個禮拜"), 1},
                     {pick(u"个月", u"個月"), 2},
                     {u"年", 3},
                     {pick(u"小时", u"小時"), 4},
                     {pick(u"个小时", u"個小時"), 4},
                     {pick(u"钟头", u"鐘頭"), 4},
                     {pick(u"个钟头", u"個鐘頭"), 4},
                     {pick(u"分钟", u"分鐘"), 5}});
    for (const char16_t* week : weekWords) {
        g.units.append({s(week), 1});
    }
    g.everyWords = texts({u"每", pick(u"每个", u"每個")});
    g.otherWords = texts({u"隔"});
    g.repeats = words({{u"天天", daily},
                       {u"每月", monthly},
                       {u"每天一次", daily},
                       {u"一天一次", daily},
                       {u"每日一次", daily},
                       {pick(u"每星期一次", u"每星期一次"), weekly},
                       {pick(u"一个月一次", u"一個月一次"), monthly},
                       {u"每月一次", monthly},
                       {u"每年一次", yearly},
                       {u"一年一次", yearly}});
    for (const char16_t* week : weekWords) {
        g.repeats.append({s(u"每") + s(week) + s(u"一次"), weekly});
        g.repeats.append({s(u"一") + s(week) + s(u"一次"), weekly});
    }
    g.workdayRepeats = texts({u"工作日", pick(u"每个工作日", u"每個工作日"), u"每逢工作日"});
    for (const char16_t* week : weekWords) {
        for (const char16_t* to : {u"至", u"到"}) {
            g.workdayRepeats.append(s(week) + s(u"一") + s(to) + s(week) + s(u"五"));
            g.workdayRepeats.append(s(u"每") + s(week) + s(u"一") + s(to) + s(week) + s(u"五"));
        }
    }
    g.dailyAt = words({{u"每晚", evening}, {pick(u"每天晚上", u"每天晚上"), evening}, {u"每天早上", morning}});
    g.andWords = texts({u"和", u"、", u"及"});
    g.hourWords = texts({pick(u"点", u"點"), pick(u"点钟", u"點鐘"), pick(u"时", u"時")});
    g.minuteWord = s(u"分");
    g.minutesAfterHourWord = true;
    g.minuteWords = words({{u"一刻", 15}, {u"三刻", 45}});
    g.meridiemBefore = words({{u"早上", morning},
                              {u"早晨", morning},
                              {u"清晨", morning},
                              {u"上午", forenoon},
                              {u"凌晨", 0},
                              {u"中午", noon},
                              {u"午后", afternoon},
                              {u"下午", afternoon},
                              {u"傍晚", evening},
                              {u"晚上", evening},
                              {pick(u"夜里", u"夜裡"), night},
                              {u"深夜", night},
                              {u"半夜", night}});
    if (traditional) {
        g.meridiemBefore.append({s(u"午後"), afternoon});
    }
    g.periods = words({{u"早上", morning},
                       {u"早晨", morning},
                       {u"清晨", morning},
                       {u"上午", forenoon},
                       {u"中午", noon},
                       {pick(u"午后", u"午後"), afternoon},
                       {u"下午", afternoon},
                       {u"傍晚", evening},
                       {u"晚上", evening},
                       {pick(u"夜里", u"夜裡"), night},
                       {u"深夜", 23},
                       {u"半夜", midnight},
                       {u"午夜", midnight}});
    g.halfAfter = texts({u"半"});
    g.dayOfMonth = QStringLiteral("(?:截止|截至)?(?<![\\d一二三四五六七八九十]月)(\\d{1,2}(?=[号號日])|["
                                  "一二三四五六七八九十]{1,3}(?=[号號]))[号號日]");
    g.monthPartsAfter =
        words({{u"底", 99}, {u"末", 99}, {u"初", 1}, {u"上旬", 1}, {u"中旬", 15}, {u"中", 15}, {u"下旬", 21}});
    g.shyFollowers =
        traditional
            ? texts({u"頭條", u"新聞", u"報表", u"特價", u"推薦", u"要聞", u"一句", u"菜單", u"運勢", u"之星", u"話題"})
            : texts(
                  {u"头条", u"新闻", u"报表", u"特价", u"推荐", u"要闻", u"一句", u"菜单", u"运势", u"之星", u"话题"});
    g.priorities =
        traditional
            ? words({{u"重要", high},       {u"緊急", high},         {u"很急", high},         {u"加急", high},
                     {u"急件", high},       {u"特急", high},         {u"最優先", high},       {u"非常重要", high},
                     {u"高優先順序", high}, {u"優先順序高", high},   {u"高優先級", high},     {u"優先級高", high},
                     {u"高優先", high},     {u"中優先順序", medium}, {u"優先順序中", medium}, {u"中優先級", medium},
                     {u"低優先順序", low},  {u"優先順序低", low},    {u"低優先級", low},      {u"優先級低", low},
                     {u"低優先", low},      {u"不急", low},          {u"不重要", low}})
            : words({{u"重要", high},
                     {u"紧急", high},
                     {u"很急", high},
                     {u"加急", high},
                     {u"特急", high},
                     {u"非常重要", high},
                     {u"高优先级", high},
                     {u"优先级高", high},
                     {u"高优先", high},
                     {u"中优先级", medium},
                     {u"优先级中", medium},
                     {u"低优先级", low},
                     {u"优先级低", low},
                     {u"低优先", low},
                     {u"不急", low},
                     {u"不重要", low}});
    return g;
}

} // namespace

const QList<PhraseGrammar>& phraseGrammars()
{
    static const QList<PhraseGrammar> grammars{english(), german(), swedish(), chinese(false), chinese(true)};
    return grammars;
}

} // namespace tolvik
