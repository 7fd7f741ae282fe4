#include "quickadd/PhraseParser.h"

#include <QTest>

using namespace tolvik;

namespace {

/// One phrase as a user types it, read in Berlin at one of these moments:
/// 'Y' Thursday 31 December 2026, 15:00, the last day of a month and of a year;
/// 'T' the same Thursday at 10:00;
/// 'F' Friday 1 January 2027, 10:00; 'A' Saturday 2 January, 10:00; 'U' Sunday 3 January, 10:00;
/// 'S' Friday 26 March 2027, 10:00, two days before the clocks go forward;
/// 'N' Saturday 27 March 2027, 23:30, the night the clocks go forward at 2:00.
/// `due` is "yyyy-MM-dd" for an all-day date, "yyyy-MM-dd HH:mm" with a time, empty for none. `repeat` is "-" or
/// 'd', 'w', 'm' or 'y', then the interval when it is not 1, then "@" and the weekdays (Monday 1) when there are any.
struct Phrase
{
    const char* language;
    char now;
    const char16_t* text;
    const char16_t* title;
    const char* due;
    int priority;
    const char* repeat;
};

const Phrase phrases[] = {
    {"en", 'Y', u"Call mum tomorrow 6pm !high every week", u"Call mum", "2027-01-01 18:00", 1, "w"},
    {"en", 'Y', u"Read Tomorrow's paper", u"Read Tomorrow's paper", "", 0, "-"},
    {"en", 'Y', u"Buy 3 apples", u"Buy 3 apples", "", 0, "-"},
    {"en", 'Y', u"Dentist Friday 9am", u"Dentist", "2027-01-01 09:00", 0, "-"},
    {"en", 'Y', u"Dentist next Friday 9am", u"Dentist", "2027-01-08 09:00", 0, "-"},
    {"en", 'Y', u"Submit report today", u"Submit report", "2026-12-31", 0, "-"},
    {"en", 'Y', u"Fireworks tonight", u"Fireworks", "2026-12-31 18:00", 0, "-"},
    {"en", 'Y', u"Take out the bins tonight at 9", u"Take out the bins", "2026-12-31 21:00", 0, "-"},
    {"en", 'Y', u"Brunch with Sam the day after tomorrow", u"Brunch with Sam", "2027-01-02", 0, "-"},
    {"en", 'Y', u"Renew passport in 3 days", u"Renew passport", "2027-01-03", 0, "-"},
    {"en", 'Y', u"Dentist checkup in two weeks", u"Dentist checkup", "2027-01-14", 0, "-"},
    {"en", 'Y', u"Cancel gym trial in a month", u"Cancel gym trial", "2027-01-31", 0, "-"},
    {"en", 'Y', u"Invoice clients in 2 months", u"Invoice clients", "2027-02-28", 0, "-"},
    {"en", 'Y', u"Water the plants every day", u"Water the plants", "", 0, "d"},
    {"en", 'Y', u"Standup 9:30 daily", u"Standup", "2027-01-01 09:30", 0, "d"},
    {"en", 'Y', u"Team sync every Monday 10am", u"Team sync", "2027-01-04 10:00", 0, "w"},
    {"en", 'Y', u"Call grandma at 5pm", u"Call grandma", "2026-12-31 17:00", 0, "-"},
    {"en", 'Y', u"Lunch with Priya at noon", u"Lunch with Priya", "2027-01-01 12:00", 0, "-"},
    {"en", 'Y', u"Book flights 21:30", u"Book flights", "2026-12-31 21:30", 0, "-"},
    {"en", 'Y', u"Pick up dry cleaning tomorrow morning", u"Pick up dry cleaning", "2027-01-01 08:00", 0, "-"},
    {"en", 'Y', u"Gym tomorrow evening", u"Gym", "2027-01-01 18:00", 0, "-"},
    {"en", 'Y', u"Quarterly taxes 1/15", u"Quarterly taxes", "2027-01-15", 0, "-"},
    {"en", 'Y', u"Dinner reservation 12/31 8pm", u"Dinner reservation", "2026-12-31 20:00", 0, "-"},
    {"en", 'Y', u"Anniversary Feb 14", u"Anniversary", "2027-02-14", 0, "-"},
    {"en", 'Y', u"Conference March 3rd, 2027", u"Conference", "2027-03-03", 0, "-"},
    {"en", 'Y', u"Mum's birthday 22 June yearly", u"Mum's birthday", "2027-06-22", 0, "y"},
    {"en", 'Y', u"Server renewal 2027-02-01", u"Server renewal", "2027-02-01", 0, "-"},
    {"en", 'Y', u"Deploy 2027-01-05T14:00", u"Deploy", "2027-01-05 14:00", 0, "-"},
    {"en", 'Y', u"Backup photos !!", u"Backup photos", "", 5, "-"},
    {"en", 'Y', u"Fix the leaking tap !!!", u"Fix the leaking tap", "", 1, "-"},
    {"en", 'Y', u"Return library books !", u"Return library books", "", 9, "-"},
    {"en", 'Y', u"Tax return high priority", u"Tax return", "", 1, "-"},
    {"en", 'Y', u"Clean the garage low priority", u"Clean the garage", "", 9, "-"},
    {"en", 'Y', u"Pay credit card monthly", u"Pay credit card", "", 0, "m"},
    {"en", 'Y', u"Check smoke alarms every year", u"Check smoke alarms", "", 0, "y"},
    {"en", 'Y', u"Call mum!", u"Call mum!", "", 0, "-"},
    {"en", 'Y', u"Meeting at 25:00", u"Meeting at 25:00", "", 0, "-"},
    {"en", 'Y', u"Cake for Feb 30", u"Cake for Feb 30", "", 0, "-"},
    {"en", 'Y', u"Email Jo about the 3 tickets tomorrow", u"Email Jo about the 3 tickets", "2027-01-01", 0, "-"},
    {"en", 'Y', u"Sign lease by Friday", u"Sign lease", "2027-01-01", 0, "-"},
    {"en", 'Y', u"Pick up Anna at 6:45pm tomorrow", u"Pick up Anna", "2027-01-01 18:45", 0, "-"},
    {"en", 'S', u"Brunch Sunday 11am", u"Brunch", "2027-03-28 11:00", 0, "-"},
    {"en", 'S', u"Call dad in 3 days at 9am", u"Call dad", "2027-03-29 09:00", 0, "-"},
    {"en", 'S', u"Yoga every Friday 7pm", u"Yoga", "2027-03-26 19:00", 0, "w"},
    {"en", 'S', u"Night shift Sunday 2:30am", u"Night shift", "2027-03-28 03:30", 0, "-"},

    {"de", 'Y', u"Zahnarzt morgen um 9", u"Zahnarzt", "2027-01-01 09:00", 0, "-"},
    {"de", 'Y', u"Mama anrufen heute Abend", u"Mama anrufen", "2026-12-31 18:00", 0, "-"},
    {"de", 'Y', u"Müll rausbringen morgen früh", u"Müll rausbringen", "2027-01-01 08:00", 0, "-"},
    {"de", 'Y', u"Steuererklärung bis Freitag", u"Steuererklärung", "2027-01-01", 0, "-"},
    {"de", 'Y', u"Friseur kommenden Dienstag 14 Uhr", u"Friseur", "2027-01-05 14:00", 0, "-"},
    {"de", 'Y', u"Elternabend nächsten Dienstag", u"Elternabend", "2027-01-05", 0, "-"},
    {"de", 'Y', u"Blumen gießen jeden Tag", u"Blumen gießen", "", 0, "d"},
    {"de", 'Y', u"Wochenbericht jeden Freitag um 16 Uhr", u"Wochenbericht", "2027-01-01 16:00", 0, "w"},
    {"de", 'Y', u"Yoga montags 18:30", u"Yoga", "2027-01-04 18:30", 0, "w"},
    {"de", 'Y', u"Versicherung kündigen in 3 Tagen", u"Versicherung kündigen", "2027-01-03", 0, "-"},
    {"de", 'Y', u"Reifenwechsel in zwei Wochen", u"Reifenwechsel", "2027-01-14", 0, "-"},
    {"de", 'Y', u"Rechnung prüfen in einem Monat", u"Rechnung prüfen", "2027-01-31", 0, "-"},
    {"de", 'Y', u"Geburtstag Oma 24.12.", u"Geburtstag Oma", "2027-12-24", 0, "-"},
    {"de", 'Y', u"Arzttermin 15.01.2027 10:30", u"Arzttermin", "2027-01-15 10:30", 0, "-"},
    {"de", 'Y', u"Elterngespräch am 7. Januar", u"Elterngespräch", "2027-01-07", 0, "-"},
    {"de", 'Y', u"Konzert 3. März 20 Uhr", u"Konzert", "2027-03-03 20:00", 0, "-"},
    {"de", 'Y', u"Abgabe Hausarbeit 2027-02-01", u"Abgabe Hausarbeit", "2027-02-01", 0, "-"},
    {"de", 'Y', u"Kaffee mit Jonas morgen um halb 8", u"Kaffee mit Jonas", "2027-01-01 07:30", 0, "-"},
    {"de", 'Y', u"Paket abholen wichtig", u"Paket abholen", "", 1, "-"},
    {"de", 'Y', u"Rasen mähen !", u"Rasen mähen", "", 9, "-"},
    {"de", 'Y', u"Bericht schreiben dringend", u"Bericht schreiben", "", 1, "-"},
    {"de", 'Y', u"Keller aufräumen niedrige Priorität", u"Keller aufräumen", "", 9, "-"},
    {"de", 'Y', u"Miete überweisen monatlich", u"Miete überweisen", "", 0, "m"},
    {"de", 'Y', u"Wasserfilter wechseln jährlich", u"Wasserfilter wechseln", "", 0, "y"},
    {"de", 'Y', u"Heizung entlüften wöchentlich !!", u"Heizung entlüften", "", 5, "w"},
    {"de", 'Y', u"Drei Äpfel kaufen", u"Drei Äpfel kaufen", "", 0, "-"},
    {"de", 'Y', u"3 Brötchen holen", u"3 Brötchen holen", "", 0, "-"},
    {"de", 'Y', u"Morgenmagazin aufnehmen", u"Morgenmagazin aufnehmen", "", 0, "-"},
    {"de", 'Y', u"Übermorgen Zugtickets buchen", u"Zugtickets buchen", "2027-01-02", 0, "-"},
    {"de", 'Y', u"Sekt kalt stellen heute 23:30", u"Sekt kalt stellen", "2026-12-31 23:30", 0, "-"},
    {"de", 'Y', u"Neujahrsgrüße verschicken morgen Nachmittag", u"Neujahrsgrüße verschicken", "2027-01-01 15:00", 0,
     "-"},
    {"de", 'Y', u"Elternabend Mittwoch 19:30", u"Elternabend", "2027-01-06 19:30", 0, "-"},
    {"de", 'Y', u"Heute Abend um 8 Essen kochen", u"Essen kochen", "2026-12-31 20:00", 0, "-"},
    {"de", 'Y', u"Projekt abschließen 24.12.2026", u"Projekt abschließen", "2026-12-24", 0, "-"},
    {"de", 'Y', u"Termin 31.02.", u"Termin 31.02.", "", 0, "-"},
    {"de", 'Y', u"Tomatensoße einkochen um 25 Uhr", u"Tomatensoße einkochen um 25 Uhr", "", 0, "-"},
    {"de", 'Y', u"Auto waschen Samstag", u"Auto waschen", "2027-01-02", 0, "-"},
    {"de", 'Y', u"Tagesgeld vergleichen", u"Tagesgeld vergleichen", "", 0, "-"},
    {"de", 'Y', u"Oma anrufen am Sonntag Vormittag", u"Oma anrufen", "2027-01-03 10:00", 0, "-"},
    {"de", 'Y', u"Weihnachtsbaum entsorgen 8.1.", u"Weihnachtsbaum entsorgen", "2027-01-08", 0, "-"},
    {"de", 'Y', u"Reifen wechseln, morgen", u"Reifen wechseln", "2027-01-01", 0, "-"},
    {"de", 'S', u"Brunch Sonntag 11 Uhr", u"Brunch", "2027-03-28 11:00", 0, "-"},
    {"de", 'S', u"Uhren umstellen Sonntag um 02:30", u"Uhren umstellen", "2027-03-28 03:30", 0, "-"},
    {"de", 'S', u"Zahnarzt in 3 Tagen um 9", u"Zahnarzt", "2027-03-29 09:00", 0, "-"},
    {"de", 'S', u"Laufen gehen jeden Samstag 8 Uhr", u"Laufen gehen", "2027-03-27 08:00", 0, "w"},

    {"sv", 'Y', u"Ring mamma imorgon kl 18", u"Ring mamma", "2027-01-01 18:00", 0, "-"},
    {"sv", 'Y', u"Tandläkare på fredag kl. 9", u"Tandläkare", "2027-01-01 09:00", 0, "-"},
    {"sv", 'Y', u"Handla mat i kväll", u"Handla mat", "2026-12-31 18:00", 0, "-"},
    {"sv", 'Y', u"Betala hyran den 1 februari", u"Betala hyran", "2027-02-01", 0, "-"},
    {"sv", 'Y', u"Möte nästa tisdag 10:00", u"Möte", "2027-01-05 10:00", 0, "-"},
    {"sv", 'Y', u"Vattna blommorna varje dag", u"Vattna blommorna", "", 0, "d"},
    {"sv", 'Y', u"Städa varje lördag", u"Städa", "2027-01-02", 0, "w"},
    {"sv", 'Y', u"Träna dagligen kl 7", u"Träna", "2027-01-01 07:00", 0, "d"},
    {"sv", 'Y', u"Byt däck om två veckor", u"Byt däck", "2027-01-14", 0, "-"},
    {"sv", 'Y', u"Förnya passet om 3 dagar", u"Förnya passet", "2027-01-03", 0, "-"},
    {"sv", 'Y', u"Deklarera om en månad", u"Deklarera", "2027-01-31", 0, "-"},
    {"sv", 'Y', u"Städa efter festen i övermorgon", u"Städa efter festen", "2027-01-02", 0, "-"},
    {"sv", 'Y', u"Julklappar 2027-12-20", u"Julklappar", "2027-12-20", 0, "-"},
    {"sv", 'Y', u"Mormors födelsedag 12 mars", u"Mormors födelsedag", "2027-03-12", 0, "-"},
    {"sv", 'Y', u"Konsert 5 januari kl 19.30", u"Konsert", "2027-01-05 19:30", 0, "-"},
    {"sv", 'Y', u"Lunch med Erik kl 12", u"Lunch med Erik", "2027-01-01 12:00", 0, "-"},
    {"sv", 'Y', u"Skicka fakturan viktigt", u"Skicka fakturan", "", 1, "-"},
    {"sv", 'Y', u"Boka tvättstugan !!", u"Boka tvättstugan", "", 5, "-"},
    {"sv", 'Y', u"Ring banken brådskande", u"Ring banken", "", 1, "-"},
    {"sv", 'Y', u"Rensa garaget låg prioritet", u"Rensa garaget", "", 9, "-"},
    {"sv", 'Y', u"Betala elräkningen månadsvis", u"Betala elräkningen", "", 0, "m"},
    {"sv", 'Y', u"Byt batterier i brandvarnaren årligen", u"Byt batterier i brandvarnaren", "", 0, "y"},
    {"sv", 'Y', u"Köp 3 äpplen", u"Köp 3 äpplen", "", 0, "-"},
    {"sv", 'Y', u"Läs Dagens Nyheter idag", u"Läs Dagens Nyheter", "2026-12-31", 0, "-"},
    {"sv", 'Y', u"Idag: skriv rapporten", u"skriv rapporten", "2026-12-31", 0, "-"},
    {"sv", 'Y', u"Middag hos Sara i morgon kväll", u"Middag hos Sara", "2027-01-01 18:00", 0, "-"},
    {"sv", 'Y', u"Möte kl 14 i dag", u"Möte", "2026-12-31 14:00", 0, "-"},
    {"sv", 'Y', u"Hämta paket imorgon på eftermiddagen", u"Hämta paket", "2027-01-01 15:00", 0, "-"},
    {"sv", 'Y', u"Tvätta bilen på lördag", u"Tvätta bilen", "2027-01-02", 0, "-"},
    {"sv", 'Y', u"Teatern 2027-01-02 19:00", u"Teatern", "2027-01-02 19:00", 0, "-"},
    {"sv", 'Y', u"Fika imorgon kl 15", u"Fika", "2027-01-01 15:00", 0, "-"},
    {"sv", 'Y', u"Veckomöte varje måndag kl 9", u"Veckomöte", "2027-01-04 09:00", 0, "w"},
    {"sv", 'Y', u"Betala räkningar senast fredag", u"Betala räkningar", "2027-01-01", 0, "-"},
    {"sv", 'Y', u"Ta ut soporna ikväll kl 9", u"Ta ut soporna", "2026-12-31 21:00", 0, "-"},
    {"sv", 'Y', u"Möte 31 februari", u"Möte 31 februari", "", 0, "-"},
    {"sv", 'Y', u"Nyårsfest i kväll kl 20", u"Nyårsfest", "2026-12-31 20:00", 0, "-"},
    {"sv", 'Y', u"Vecka 3 planering", u"Vecka 3 planering", "", 0, "-"},
    {"sv", 'Y', u"Hämta Ella på förskolan kl 16.15", u"Hämta Ella på förskolan", "2026-12-31 16:15", 0, "-"},
    {"sv", 'Y', u"Betala hyran den 25 december", u"Betala hyran", "2027-12-25", 0, "-"},
    {"sv", 'S', u"Brunch söndag kl 11", u"Brunch", "2027-03-28 11:00", 0, "-"},
    {"sv", 'S', u"Ring pappa om 3 dagar kl 9", u"Ring pappa", "2027-03-29 09:00", 0, "-"},
    {"sv", 'S', u"Ställ om klockan på söndag", u"Ställ om klockan", "2027-03-28", 0, "-"},

    // What a native reviewer found misread, and the phrases they found missing.
    {"en", 'T', u"Meet at 3", u"Meet", "2026-12-31 15:00", 0, "-"},
    {"en", 'T', u"Call Ana at 3:30", u"Call Ana", "2026-12-31 15:30", 0, "-"},
    {"en", 'T', u"Alarm at 03:00", u"Alarm", "2027-01-01 03:00", 0, "-"},
    {"en", 'T', u"Flight at 5am", u"Flight", "2027-01-01 05:00", 0, "-"},
    {"en", 'Y', u"Party tonight at 1", u"Party", "2027-01-01 01:00", 0, "-"},
    {"en", 'Y', u"Fireworks tonight at 12", u"Fireworks", "2027-01-01 00:00", 0, "-"},
    {"en", 'Y', u"Buy sun cream", u"Buy sun cream", "", 0, "-"},
    {"en", 'Y', u"Sat exam prep", u"Sat exam prep", "", 0, "-"},
    {"en", 'Y', u"Brunch Sun 11am", u"Brunch", "2027-01-03 11:00", 0, "-"},
    {"en", 'Y', u"Picnic on Sat", u"Picnic", "2027-01-02", 0, "-"},
    {"en", 'Y', u"Water plants every morning", u"Water plants", "2027-01-01 08:00", 0, "d"},
    {"en", 'Y', u"Fix bike this coming Friday", u"Fix bike", "2027-01-01", 0, "-"},
    {"en", 'Y', u"Dentist this Friday", u"Dentist", "2027-01-01", 0, "-"},
    {"en", 'Y', u"Gym tomorrow at midnight", u"Gym", "2027-01-02 00:00", 0, "-"},
    {"en", 'Y', u"Yoga on Mondays", u"Yoga", "2027-01-04", 0, "w"},
    {"en", 'Y', u"Yoga Mondays 6pm", u"Yoga", "2027-01-04 18:00", 0, "w"},
    {"en", 'Y', u"See doc Friday next week", u"See doc", "2027-01-08", 0, "-"},
    {"en", 'Y', u"Call Jo next Thursday", u"Call Jo", "2027-01-07", 0, "-"},
    {"en", 'Y', u"Book tickets next Monday", u"Book tickets", "2027-01-04", 0, "-"},
    {"en", 'U', u"Team lunch next Monday", u"Team lunch", "2027-01-04", 0, "-"},
    {"en", 'Y', u"Pay rent tmr", u"Pay rent", "2027-01-01", 0, "-"},
    {"en", 'Y', u"Call the bank tmw 9am", u"Call the bank", "2027-01-01 09:00", 0, "-"},
    {"en", 'Y', u"Finish essay before Friday", u"Finish essay", "2027-01-01", 0, "-"},
    {"en", 'Y', u"Return the drill until Saturday", u"Return the drill", "2027-01-02", 0, "-"},
    {"en", 'Y', u"Gym tues", u"Gym", "2027-01-05", 0, "-"},
    {"en", 'Y', u"Call Lee thurs 9am", u"Call Lee", "2027-01-07 09:00", 0, "-"},
    {"en", 'Y', u"Bins weds", u"Bins", "2027-01-06", 0, "-"},
    {"en", 'Y', u"Plan trip next week", u"Plan trip", "2027-01-04", 0, "-"},
    {"en", 'Y', u"Renew insurance next month", u"Renew insurance", "2027-01-01", 0, "-"},
    {"en", 'S', u"Book holiday next month", u"Book holiday", "2027-04-01", 0, "-"},
    {"en", 'Y', u"Paint the fence this weekend", u"Paint the fence", "2027-01-02", 0, "-"},
    {"en", 'U', u"Tidy up the weekend", u"Tidy up", "2027-01-03", 0, "-"},
    {"en", 'Y', u"Submit timesheet end of the week", u"Submit timesheet", "2027-01-01", 0, "-"},
    {"en", 'Y', u"Pay invoices end of the month", u"Pay invoices", "2026-12-31", 0, "-"},
    {"en", 'Y', u"Follow up in a fortnight", u"Follow up", "2027-01-14", 0, "-"},
    {"en", 'Y', u"Check results a week from today", u"Check results", "2027-01-07", 0, "-"},
    {"en", 'Y', u"Pay rent on the 1st", u"Pay rent", "2027-01-01", 0, "-"},
    {"en", 'Y', u"File taxes by the 15th", u"File taxes", "2027-01-15", 0, "-"},
    {"en", 'Y', u"Take the cake out in an hour", u"Take the cake out", "2026-12-31 16:00", 0, "-"},
    {"en", 'Y', u"Call back in 2 hours", u"Call back", "2026-12-31 17:00", 0, "-"},
    {"en", 'Y', u"Move the car in 30 minutes", u"Move the car", "2026-12-31 15:30", 0, "-"},
    {"en", 'Y', u"Stretch in half an hour", u"Stretch", "2026-12-31 15:30", 0, "-"},
    {"en", 'Y', u"Renew visa in eleven days", u"Renew visa", "2027-01-11", 0, "-"},
    {"en", 'Y', u"Call Ben in a couple of days", u"Call Ben", "2027-01-02", 0, "-"},
    {"en", 'Y', u"Standup half past 9", u"Standup", "2027-01-01 09:30", 0, "-"},
    {"en", 'Y', u"School run quarter past 5", u"School run", "2026-12-31 17:15", 0, "-"},
    {"en", 'Y', u"Leave quarter to 5", u"Leave", "2026-12-31 16:45", 0, "-"},
    {"en", 'Y', u"Lock up at night", u"Lock up", "2026-12-31 21:00", 0, "-"},
    {"en", 'Y', u"Call Sam lunchtime", u"Call Sam", "2027-01-01 12:00", 0, "-"},
    {"en", 'Y', u"Meet Kim at eight", u"Meet Kim", "2027-01-01 08:00", 0, "-"},
    {"en", 'Y', u"Journal every evening", u"Journal", "2026-12-31 18:00", 0, "d"},
    {"en", 'Y', u"Lock the door every night", u"Lock the door", "2026-12-31 21:00", 0, "d"},
    {"en", 'Y', u"Clean filters fortnightly", u"Clean filters", "", 0, "w2"},
    {"en", 'Y', u"Mow the lawn every other week", u"Mow the lawn", "", 0, "w2"},
    {"en", 'Y', u"Feed the fish every 2 days", u"Feed the fish", "", 0, "d2"},
    {"en", 'Y', u"Backup every three months", u"Backup", "", 0, "m3"},
    {"en", 'Y', u"Standup weekdays 9:30", u"Standup", "2027-01-01 09:30", 0, "w@12345"},
    {"en", 'A', u"Commute every weekday", u"Commute", "2027-01-04", 0, "w@12345"},
    {"en", 'Y', u"Piano every Monday and Thursday", u"Piano", "2026-12-31", 0, "w@14"},
    {"en", 'Y', u"Bins every other Tuesday", u"Bins", "2027-01-05", 0, "w2"},
    {"en", 'Y', u"Pay VAT every quarter", u"Pay VAT", "", 0, "m3"},
    {"en", 'Y', u"Renew passport important", u"Renew passport", "", 1, "-"},
    {"en", 'Y', u"Reply to Max !important", u"Reply to Max", "", 1, "-"},
    {"en", 'Y', u"Fix the leak asap", u"Fix the leak", "", 1, "-"},
    {"en", 'Y', u"Sort photos not urgent", u"Sort photos", "", 9, "-"},
    {"en", 'Y', u"Read about the urgency of things", u"Read about the urgency of things", "", 0, "-"},
    {"en", 'Y', u"Watch Sunday Bloody Sunday documentary", u"Watch Bloody Sunday documentary", "2027-01-03", 0, "-"},
    {"en", 'Y', u"Visit Marathon-Monday expo", u"Visit Marathon-Monday expo", "", 0, "-"},
    {"en", 'Y', u"Plan May trip", u"Plan May trip", "", 0, "-"},
    {"en", 'Y', u"Meet at a café", u"Meet at a café", "", 0, "-"},
    {"en", 'N', u"Check the boiler in 3 hours", u"Check the boiler", "2027-03-28 03:30", 0, "-"},
    {"en", 'N', u"Feed the baby in 2 hours", u"Feed the baby", "2027-03-28 01:30", 0, "-"},
    {"en", 'N', u"Watch the clocks change tonight at 2:30", u"Watch the clocks change", "2027-03-28 03:30", 0, "-"},
    {"en", 'N', u"Church tomorrow at 10", u"Church", "2027-03-28 10:00", 0, "-"},

    {"de", 'T', u"Kaffee um 3", u"Kaffee", "2026-12-31 15:00", 0, "-"},
    {"de", 'Y', u"Arzt heute Morgen", u"Arzt", "2026-12-31 08:00", 0, "-"},
    {"de", 'Y', u"Bier heute Nacht um 1", u"Bier", "2027-01-01 01:00", 0, "-"},
    {"de", 'Y', u"Früh ins Bett gehen", u"Früh ins Bett gehen", "", 0, "-"},
    {"de", 'Y', u"Morgen-Routine überarbeiten", u"Morgen-Routine überarbeiten", "", 0, "-"},
    {"de", 'Y', u"Rückruf in acht Tagen", u"Rückruf", "2027-01-07", 0, "-"},
    {"de", 'Y', u"Zahnreinigung in vierzehn Tagen", u"Zahnreinigung", "2027-01-14", 0, "-"},
    {"de", 'Y', u"Vortrag nächsten Freitag", u"Vortrag", "2027-01-01", 0, "-"},
    {"de", 'F', u"Termin nächsten Freitag", u"Termin", "2027-01-08", 0, "-"},
    {"de", 'Y', u"Lesung übernächsten Freitag", u"Lesung", "2027-01-08", 0, "-"},
    {"de", 'Y', u"Zahnarzt Fr 9 Uhr", u"Zahnarzt", "2027-01-01 09:00", 0, "-"},
    {"de", 'Y', u"Zahnarzt Fr. 9 Uhr", u"Zahnarzt", "2027-01-01 09:00", 0, "-"},
    {"de", 'Y', u"Wäsche Mo.", u"Wäsche", "2027-01-04", 0, "-"},
    {"de", 'Y', u"Post holen Di. 10 Uhr", u"Post holen", "2027-01-05 10:00", 0, "-"},
    {"de", 'Y', u"Meeting um 8 Uhr 30", u"Meeting", "2027-01-01 08:30", 0, "-"},
    {"de", 'Y', u"Müll rausbringen immer montags", u"Müll rausbringen", "2027-01-04", 0, "w"},
    {"de", 'Y', u"Sport dienstags und donnerstags", u"Sport", "2026-12-31", 0, "w@24"},
    {"de", 'Y', u"Müll jeden zweiten Dienstag", u"Müll", "2027-01-05", 0, "w2"},
    {"de", 'Y', u"Bericht heute Vormittag", u"Bericht", "2026-12-31 10:00", 0, "-"},
    {"de", 'Y', u"Kino Montagabend", u"Kino", "2027-01-04 18:00", 0, "-"},
    {"de", 'Y', u"Einkaufen Freitagnachmittag", u"Einkaufen", "2027-01-01 15:00", 0, "-"},
    {"de", 'Y', u"Joggen Sonntagmorgen", u"Joggen", "2027-01-03 08:00", 0, "-"},
    {"de", 'Y', u"Essen mit Lea Dienstagmittag", u"Essen mit Lea", "2027-01-05 12:00", 0, "-"},
    {"de", 'Y', u"Urlaub planen nächste Woche", u"Urlaub planen", "2027-01-04", 0, "-"},
    {"de", 'Y', u"Angebot schreiben kommende Woche", u"Angebot schreiben", "2027-01-04", 0, "-"},
    {"de", 'Y', u"Umzug übernächste Woche", u"Umzug", "2027-01-11", 0, "-"},
    {"de", 'S', u"Reifen nächsten Monat", u"Reifen", "2027-04-01", 0, "-"},
    {"de", 'S', u"Steuer nächstes Jahr", u"Steuer", "2028-01-01", 0, "-"},
    {"de", 'Y', u"Abrechnung Ende der Woche", u"Abrechnung", "2027-01-01", 0, "-"},
    {"de", 'Y', u"Fenster putzen am Wochenende", u"Fenster putzen", "2027-01-02", 0, "-"},
    {"de", 'Y', u"Frühjahrsputz Anfang März", u"Frühjahrsputz", "2027-03-01", 0, "-"},
    {"de", 'Y', u"Zwischenbericht Mitte März", u"Zwischenbericht", "2027-03-15", 0, "-"},
    {"de", 'Y', u"Abgabe Ende Februar", u"Abgabe", "2027-02-28", 0, "-"},
    {"de", 'Y', u"Miete Ende des Monats", u"Miete", "2026-12-31", 0, "-"},
    {"de", 'Y', u"Release KW 12", u"Release", "2027-03-22", 0, "-"},
    {"de", 'Y', u"Audit in KW 3", u"Audit", "2027-01-18", 0, "-"},
    {"de", 'Y', u"Steuer bis spätestens Freitag", u"Steuer", "2027-01-01", 0, "-"},
    {"de", 'Y', u"Antrag spätestens Montag", u"Antrag", "2027-01-04", 0, "-"},
    {"de", 'Y', u"Pass abholen in elf Tagen", u"Pass abholen", "2027-01-11", 0, "-"},
    {"de", 'Y', u"Treffen um acht", u"Treffen", "2027-01-01 08:00", 0, "-"},
    {"de", 'Y', u"Ofen aus in einer Stunde", u"Ofen aus", "2026-12-31 16:00", 0, "-"},
    {"de", 'Y', u"Rückruf in 2 Stunden", u"Rückruf", "2026-12-31 17:00", 0, "-"},
    {"de", 'Y', u"Nudeln abgießen in einer halben Stunde", u"Nudeln abgießen", "2026-12-31 15:30", 0, "-"},
    {"de", 'Y', u"Parkschein in 30 Minuten", u"Parkschein", "2026-12-31 15:30", 0, "-"},
    {"de", 'Y', u"Tee in 10 Min.", u"Tee", "2026-12-31 15:10", 0, "-"},
    {"de", 'Y', u"Bus Viertel nach 8", u"Bus", "2027-01-01 08:15", 0, "-"},
    {"de", 'Y', u"Zug Viertel vor 9", u"Zug", "2027-01-01 08:45", 0, "-"},
    {"de", 'Y', u"Frühstück Viertel 9", u"Frühstück", "2027-01-01 08:15", 0, "-"},
    {"de", 'Y', u"Abfahrt dreiviertel 9", u"Abfahrt", "2027-01-01 08:45", 0, "-"},
    {"de", 'Y', u"Essen 20h", u"Essen", "2026-12-31 20:00", 0, "-"},
    {"de", 'Y', u"Tabletten einmal am Tag", u"Tabletten", "", 0, "d"},
    {"de", 'Y', u"Putzen einmal pro Woche", u"Putzen", "", 0, "w"},
    {"de", 'Y', u"Zählerstand einmal im Monat", u"Zählerstand", "", 0, "m"},
    {"de", 'Y', u"Rauchmelder einmal im Jahr", u"Rauchmelder", "", 0, "y"},
    {"de", 'Y', u"Meditieren jeden Morgen", u"Meditieren", "2027-01-01 08:00", 0, "d"},
    {"de", 'Y', u"Tagebuch jeden Abend", u"Tagebuch", "2026-12-31 18:00", 0, "d"},
    {"de", 'Y', u"Zeiterfassung werktags", u"Zeiterfassung", "2026-12-31", 0, "w@12345"},
    {"de", 'A', u"Pendeln wochentags", u"Pendeln", "2027-01-04", 0, "w@12345"},
    {"de", 'Y', u"Bettwäsche alle zwei Wochen", u"Bettwäsche", "", 0, "w2"},
    {"de", 'Y', u"Friseur vierzehntägig", u"Friseur", "", 0, "w2"},
    {"de", 'Y', u"Gießen alle 3 Tage", u"Gießen", "", 0, "d3"},
    {"de", 'Y', u"Vertrag Prio hoch", u"Vertrag", "", 1, "-"},
    {"de", 'Y', u"Vertrag hohe Prio", u"Vertrag", "", 1, "-"},
    {"de", 'Y', u"Ablage Prio mittel", u"Ablage", "", 5, "-"},
    {"de", 'Y', u"Ablage Priorität mittel", u"Ablage", "", 5, "-"},
    {"de", 'Y', u"Keller Prio niedrig", u"Keller", "", 9, "-"},
    {"de", 'Y', u"Keller niedrige Prio", u"Keller", "", 9, "-"},
    {"de", 'Y', u"Antwort an Chef eilig", u"Antwort an Chef", "", 1, "-"},
    {"de", 'Y', u"Versicherung sehr wichtig", u"Versicherung", "", 1, "-"},
    {"de", 'Y', u"Fotos sortieren nicht dringend", u"Fotos sortieren", "", 9, "-"},
    {"de", 'Y', u"Jan 3 Äpfel mitbringen", u"Jan 3 Äpfel mitbringen", "", 0, "-"},
    {"de", 'Y', u"Sonntagszeitung kaufen", u"Sonntagszeitung kaufen", "", 0, "-"},
    {"de", 'Y', u"Morgen früh Brötchen holen", u"Brötchen holen", "2027-01-01 08:00", 0, "-"},
    {"de", 'Y', u"Abendessen kochen", u"Abendessen kochen", "", 0, "-"},
    {"de", 'U', u"Meeting nächsten Montag 9 Uhr", u"Meeting", "2027-01-04 09:00", 0, "-"},
    {"de", 'N', u"Uhren prüfen heute Nacht um 3", u"Uhren prüfen", "2027-03-28 03:00", 0, "-"},
    {"de", 'N', u"Bäcker morgen um 7", u"Bäcker", "2027-03-28 07:00", 0, "-"},

    {"sv", 'T', u"Fika fredag kl 3", u"Fika", "2027-01-01 15:00", 0, "-"},
    {"sv", 'Y', u"Ring mamma i morgon bitti", u"Ring mamma", "2027-01-01 08:00", 0, "-"},
    {"sv", 'Y', u"Ring mamma imorgon bitti", u"Ring mamma", "2027-01-01 08:00", 0, "-"},
    {"sv", 'Y', u"Gör det i mån av tid", u"Gör det i mån av tid", "", 0, "-"},
    {"sv", 'Y', u"Möte mån kl 9", u"Möte", "2027-01-04 09:00", 0, "-"},
    {"sv", 'Y', u"Fira i natt kl 1", u"Fira", "2027-01-01 01:00", 0, "-"},
    {"sv", 'Y', u"Fira inatt kl 2", u"Fira", "2027-01-01 02:00", 0, "-"},
    {"sv", 'Y', u"Ring Per imorgon eftermiddag", u"Ring Per", "2027-01-01 15:00", 0, "-"},
    {"sv", 'Y', u"Yoga måndagar kl 18", u"Yoga", "2027-01-04 18:00", 0, "w"},
    {"sv", 'Y', u"Bastu på torsdagar", u"Bastu", "2026-12-31", 0, "w"},
    {"sv", 'Y', u"Möte tor kl 9", u"Möte", "2027-01-07 09:00", 0, "-"},
    {"sv", 'Y', u"Hämta paketet imorron", u"Hämta paketet", "2027-01-01", 0, "-"},
    {"sv", 'Y', u"Hämta paketet i morron", u"Hämta paketet", "2027-01-01", 0, "-"},
    {"sv", 'Y', u"Hyra 5/3", u"Hyra", "2027-03-05", 0, "-"},
    {"sv", 'Y', u"Möte nästa torsdag", u"Möte", "2027-01-07", 0, "-"},
    {"sv", 'F', u"Lunch nästa fredag", u"Lunch", "2027-01-08", 0, "-"},
    {"sv", 'U', u"Träning nästa måndag", u"Träning", "2027-01-04", 0, "-"},
    {"sv", 'T', u"Ring kunden i eftermiddag", u"Ring kunden", "2026-12-31 15:00", 0, "-"},
    {"sv", 'Y', u"Ring kunden i förmiddag", u"Ring kunden", "2026-12-31 10:00", 0, "-"},
    {"sv", 'Y', u"Bio fredagskväll", u"Bio", "2027-01-01 18:00", 0, "-"},
    {"sv", 'Y', u"Veckomöte måndagsmorgon", u"Veckomöte", "2027-01-04 08:00", 0, "-"},
    {"sv", 'Y', u"Promenad söndagseftermiddag", u"Promenad", "2027-01-03 15:00", 0, "-"},
    {"sv", 'Y', u"Städa förrådet i helgen", u"Städa förrådet", "2027-01-02", 0, "-"},
    {"sv", 'Y', u"Besök mormor nästa helg", u"Besök mormor", "2027-01-09", 0, "-"},
    {"sv", 'Y', u"Boka resa nästa vecka", u"Boka resa", "2027-01-04", 0, "-"},
    {"sv", 'S', u"Byt däck nästa månad", u"Byt däck", "2027-04-01", 0, "-"},
    {"sv", 'S', u"Förnya avtal nästa år", u"Förnya avtal", "2028-01-01", 0, "-"},
    {"sv", 'Y', u"Tandläkare fredag nästa vecka", u"Tandläkare", "2027-01-08", 0, "-"},
    {"sv", 'Y', u"Tandläkare på fredag nästa vecka", u"Tandläkare", "2027-01-08", 0, "-"},
    {"sv", 'Y', u"Rapport i slutet av veckan", u"Rapport", "2027-01-01", 0, "-"},
    {"sv", 'Y', u"Fakturera i slutet av månaden", u"Fakturera", "2026-12-31", 0, "-"},
    {"sv", 'Y', u"Återbesök om fjorton dagar", u"Återbesök", "2027-01-14", 0, "-"},
    {"sv", 'Y', u"Lansering v. 12", u"Lansering", "2027-03-22", 0, "-"},
    {"sv", 'Y', u"Lansering v 12", u"Lansering", "2027-03-22", 0, "-"},
    {"sv", 'Y', u"Lansering v12", u"Lansering", "2027-03-22", 0, "-"},
    {"sv", 'Y', u"Planering vecka 12", u"Planering", "2027-03-22", 0, "-"},
    {"sv", 'Y', u"Semester i vecka 28", u"Semester", "2027-07-12", 0, "-"},
    {"sv", 'Y', u"Betala hyran den 5:e", u"Betala hyran", "2027-01-05", 0, "-"},
    {"sv", 'Y', u"Betala hyran den 5:e mars", u"Betala hyran", "2027-03-05", 0, "-"},
    {"sv", 'Y', u"Betala hyran den 1:a", u"Betala hyran", "2027-01-01", 0, "-"},
    {"sv", 'Y', u"Ring om en timme", u"Ring", "2026-12-31 16:00", 0, "-"},
    {"sv", 'Y', u"Ta ut kakan om en halvtimme", u"Ta ut kakan", "2026-12-31 15:30", 0, "-"},
    {"sv", 'Y', u"Flytta bilen om 20 minuter", u"Flytta bilen", "2026-12-31 15:20", 0, "-"},
    {"sv", 'Y', u"Ring tillbaka om 2 timmar", u"Ring tillbaka", "2026-12-31 17:00", 0, "-"},
    {"sv", 'Y', u"Förnya kortet om elva dagar", u"Förnya kortet", "2027-01-11", 0, "-"},
    {"sv", 'Y', u"Ring Eva om ett par dagar", u"Ring Eva", "2027-01-02", 0, "-"},
    {"sv", 'Y', u"Buss kvart över 8", u"Buss", "2027-01-01 08:15", 0, "-"},
    {"sv", 'Y', u"Tåg kvart i 9", u"Tåg", "2027-01-01 08:45", 0, "-"},
    {"sv", 'Y', u"Middag i morgon 19.30", u"Middag", "2027-01-01 19:30", 0, "-"},
    {"sv", 'Y', u"Medicin en gång om dagen", u"Medicin", "", 0, "d"},
    {"sv", 'Y', u"Städa en gång i veckan", u"Städa", "", 0, "w"},
    {"sv", 'Y', u"Läs mätaren en gång i månaden", u"Läs mätaren", "", 0, "m"},
    {"sv", 'Y', u"Meditera varje morgon", u"Meditera", "2027-01-01 08:00", 0, "d"},
    {"sv", 'Y', u"Dagbok varje kväll", u"Dagbok", "2026-12-31 18:00", 0, "d"},
    {"sv", 'Y', u"Byt lakan varannan vecka", u"Byt lakan", "", 0, "w2"},
    {"sv", 'A', u"Stå upp varje vardag kl 7", u"Stå upp", "2027-01-04 07:00", 0, "w@12345"},
    {"sv", 'Y', u"Vattna var tredje dag", u"Vattna", "", 0, "d3"},
    {"sv", 'Y', u"Deklarera högprio", u"Deklarera", "", 1, "-"},
    {"sv", 'Y', u"Rensa mejl lågprio", u"Rensa mejl", "", 9, "-"},
    {"sv", 'Y', u"Boka möte prio medel", u"Boka möte", "", 5, "-"},
    {"sv", 'Y', u"Boka möte medelprioritet", u"Boka möte", "", 5, "-"},
    {"sv", 'Y', u"Ring försäkringen viktig", u"Ring försäkringen", "", 1, "-"},
    {"sv", 'Y', u"Läcka i köket akut", u"Läcka i köket", "", 1, "-"},
    {"sv", 'Y', u"Sortera foton inte bråttom", u"Sortera foton", "", 9, "-"},
    {"sv", 'Y', u"Jan 3 äpplen", u"Jan 3 äpplen", "", 0, "-"},
    {"sv", 'Y', u"Vardagsrummet städas", u"Vardagsrummet städas", "", 0, "-"},
    {"sv", 'Y', u"Ring Per kl 3", u"Ring Per", "2027-01-01 15:00", 0, "-"},
    {"sv", 'N', u"Se klockan ställas om i natt kl 3", u"Se klockan ställas om", "2027-03-28 03:00", 0, "-"},
    {"sv", 'N', u"Bageri i morgon kl 7", u"Bageri", "2027-03-28 07:00", 0, "-"},

    {"zh-Hans", 'Y', u"明天下午3点开会", u"开会", "2027-01-01 15:00", 0, "-"},
    {"zh-Hans", 'Y', u"周五去看牙医", u"去看牙医", "2027-01-01", 0, "-"},
    {"zh-Hans", 'Y', u"下周五交报告", u"交报告", "2027-01-08", 0, "-"},
    {"zh-Hans", 'Y', u"今晚8点给妈妈打电话", u"给妈妈打电话", "2026-12-31 20:00", 0, "-"},
    {"zh-Hans", 'Y', u"后天早上9点半跑步", u"跑步", "2027-01-02 09:30", 0, "-"},
    {"zh-Hans", 'Y', u"每天吃药", u"吃药", "", 0, "d"},
    {"zh-Hans", 'Y', u"每周一开例会", u"开例会", "2027-01-04", 0, "w"},
    {"zh-Hans", 'Y', u"每月交房租", u"交房租", "", 0, "m"},
    {"zh-Hans", 'Y', u"每年体检", u"体检", "", 0, "y"},
    {"zh-Hans", 'Y', u"3天后续签证件", u"续签证件", "2027-01-03", 0, "-"},
    {"zh-Hans", 'Y', u"两周后复诊", u"复诊", "2027-01-14", 0, "-"},
    {"zh-Hans", 'Y', u"一个月后还信用卡", u"还信用卡", "2027-01-31", 0, "-"},
    {"zh-Hans", 'Y', u"1月15日缴税", u"缴税", "2027-01-15", 0, "-"},
    {"zh-Hans", 'Y', u"2027年2月1日提交申请", u"提交申请", "2027-02-01", 0, "-"},
    {"zh-Hans", 'Y', u"买3个苹果", u"买3个苹果", "", 0, "-"},
    {"zh-Hans", 'Y', u"12月24日买圣诞礼物", u"买圣诞礼物", "2027-12-24", 0, "-"},
    {"zh-Hans", 'Y', u"晚上健身", u"健身", "2026-12-31 18:00", 0, "-"},
    {"zh-Hans", 'Y', u"中午和同事吃饭", u"和同事吃饭", "2027-01-01 12:00", 0, "-"},
    {"zh-Hans", 'Y', u"重要 回复客户邮件", u"回复客户邮件", "", 1, "-"},
    {"zh-Hans", 'Y', u"紧急修电脑", u"修电脑", "", 1, "-"},
    {"zh-Hans", 'Y', u"整理书架 !", u"整理书架", "", 9, "-"},
    {"zh-Hans", 'Y', u"备份照片！！", u"备份照片", "", 5, "-"},
    {"zh-Hans", 'Y', u"交水电费 低优先级", u"交水电费", "", 9, "-"},
    {"zh-Hans", 'Y', u"21:30 关窗", u"关窗", "2026-12-31 21:30", 0, "-"},
    {"zh-Hans", 'Y', u"星期六去超市", u"去超市", "2027-01-02", 0, "-"},
    {"zh-Hans", 'Y', u"礼拜天去教堂", u"去教堂", "2027-01-03", 0, "-"},
    {"zh-Hans", 'Y', u"明天上午10点面试", u"面试", "2027-01-01 10:00", 0, "-"},
    {"zh-Hans", 'Y', u"今天把报告写完", u"把报告写完", "2026-12-31", 0, "-"},
    {"zh-Hans", 'Y', u"大后天去机场接人", u"去机场接人", "2027-01-03", 0, "-"},
    {"zh-Hans", 'Y', u"每周五下午4点交周报", u"交周报", "2027-01-01 16:00", 0, "w"},
    {"zh-Hans", 'Y', u"下午5点接孩子", u"接孩子", "2026-12-31 17:00", 0, "-"},
    {"zh-Hans", 'Y', u"明天9点取快递", u"取快递", "2027-01-01 09:00", 0, "-"},
    {"zh-Hans", 'Y', u"明晚看电影", u"看电影", "2027-01-01 18:00", 0, "-"},
    {"zh-Hans", 'Y', u"十点开会", u"开会", "2027-01-01 10:00", 0, "-"},
    {"zh-Hans", 'Y', u"2027-01-05 去银行", u"去银行", "2027-01-05", 0, "-"},
    {"zh-Hans", 'Y', u"2月30日交作业", u"2月30日交作业", "", 0, "-"},
    {"zh-Hans", 'Y', u"25点起床", u"25点起床", "", 0, "-"},
    {"zh-Hans", 'Y', u"每月还房贷 高优先级", u"还房贷", "", 1, "m"},
    {"zh-Hans", 'S', u"周日上午11点早午餐", u"早午餐", "2027-03-28 11:00", 0, "-"},
    {"zh-Hans", 'S', u"3天后上午9点给爸爸打电话", u"给爸爸打电话", "2027-03-29 09:00", 0, "-"},
    {"zh-Hans", 'S', u"周日凌晨2点半看流星雨", u"看流星雨", "2027-03-28 03:30", 0, "-"},

    {"zh-Hant", 'Y', u"明天下午3點開會", u"開會", "2027-01-01 15:00", 0, "-"},
    {"zh-Hant", 'Y', u"週五去看牙醫", u"去看牙醫", "2027-01-01", 0, "-"},
    {"zh-Hant", 'Y', u"下週五交報告", u"交報告", "2027-01-08", 0, "-"},
    {"zh-Hant", 'Y', u"今晚8點打電話給媽媽", u"打電話給媽媽", "2026-12-31 20:00", 0, "-"},
    {"zh-Hant", 'Y', u"後天早上9點半跑步", u"跑步", "2027-01-02 09:30", 0, "-"},
    {"zh-Hant", 'Y', u"每天吃藥", u"吃藥", "", 0, "d"},
    {"zh-Hant", 'Y', u"每週一開例會", u"開例會", "2027-01-04", 0, "w"},
    {"zh-Hant", 'Y', u"每個月繳房租", u"繳房租", "", 0, "m"},
    {"zh-Hant", 'Y', u"每年健康檢查", u"健康檢查", "", 0, "y"},
    {"zh-Hant", 'Y', u"3天後續約", u"續約", "2027-01-03", 0, "-"},
    {"zh-Hant", 'Y', u"兩週後回診", u"回診", "2027-01-14", 0, "-"},
    {"zh-Hant", 'Y', u"一個月後繳信用卡費", u"繳信用卡費", "2027-01-31", 0, "-"},
    {"zh-Hant", 'Y', u"1月15日報稅", u"報稅", "2027-01-15", 0, "-"},
    {"zh-Hant", 'Y', u"2027年2月1日送出申請", u"送出申請", "2027-02-01", 0, "-"},
    {"zh-Hant", 'Y', u"買3顆蘋果", u"買3顆蘋果", "", 0, "-"},
    {"zh-Hant", 'Y', u"12月24日買聖誕禮物", u"買聖誕禮物", "2027-12-24", 0, "-"},
    {"zh-Hant", 'Y', u"晚上去健身房", u"去健身房", "2026-12-31 18:00", 0, "-"},
    {"zh-Hant", 'Y', u"中午跟同事吃飯", u"跟同事吃飯", "2027-01-01 12:00", 0, "-"},
    {"zh-Hant", 'Y', u"重要 回覆客戶郵件", u"回覆客戶郵件", "", 1, "-"},
    {"zh-Hant", 'Y', u"緊急修電腦", u"修電腦", "", 1, "-"},
    {"zh-Hant", 'Y', u"整理書櫃 !", u"整理書櫃", "", 9, "-"},
    {"zh-Hant", 'Y', u"備份照片 !!", u"備份照片", "", 5, "-"},
    {"zh-Hant", 'Y', u"繳水電費 低優先級", u"繳水電費", "", 9, "-"},
    {"zh-Hant", 'Y', u"21:30 關窗戶", u"關窗戶", "2026-12-31 21:30", 0, "-"},
    {"zh-Hant", 'Y', u"星期六去大賣場", u"去大賣場", "2027-01-02", 0, "-"},
    {"zh-Hant", 'Y', u"禮拜天去教會", u"去教會", "2027-01-03", 0, "-"},
    {"zh-Hant", 'Y', u"明天上午10點面試", u"面試", "2027-01-01 10:00", 0, "-"},
    {"zh-Hant", 'Y', u"今天把報告寫完", u"把報告寫完", "2026-12-31", 0, "-"},
    {"zh-Hant", 'Y', u"大後天去機場接機", u"去機場接機", "2027-01-03", 0, "-"},
    {"zh-Hant", 'Y', u"每週五下午4點交週報", u"交週報", "2027-01-01 16:00", 0, "w"},
    {"zh-Hant", 'Y', u"下午5點接小孩", u"接小孩", "2026-12-31 17:00", 0, "-"},
    {"zh-Hant", 'Y', u"明天9點拿包裹", u"拿包裹", "2027-01-01 09:00", 0, "-"},
    {"zh-Hant", 'Y', u"明晚看電影", u"看電影", "2027-01-01 18:00", 0, "-"},
    {"zh-Hant", 'Y', u"十點開會", u"開會", "2027-01-01 10:00", 0, "-"},
    {"zh-Hant", 'Y', u"2027-01-05 去銀行", u"去銀行", "2027-01-05", 0, "-"},
    {"zh-Hant", 'Y', u"2月30日交作業", u"2月30日交作業", "", 0, "-"},
    {"zh-Hant", 'Y', u"25點起床", u"25點起床", "", 0, "-"},
    {"zh-Hant", 'Y', u"每月繳房貸 高優先級", u"繳房貸", "", 1, "m"},
    {"zh-Hant", 'S', u"週日上午11點吃早午餐", u"吃早午餐", "2027-03-28 11:00", 0, "-"},
    {"zh-Hant", 'S', u"3天後上午9點打給爸爸", u"打給爸爸", "2027-03-29 09:00", 0, "-"},
    {"zh-Hant", 'S', u"週日凌晨2點半看流星雨", u"看流星雨", "2027-03-28 03:30", 0, "-"},

    {"zh-Hans", 'F', u"下周五交报告", u"交报告", "2027-01-08", 0, "-"},
    {"zh-Hans", 'A', u"下周一开会", u"开会", "2027-01-04", 0, "-"},
    {"zh-Hans", 'U', u"下周日聚餐", u"聚餐", "2027-01-10", 0, "-"},
    {"zh-Hans", 'Y', u"下周四复诊", u"复诊", "2027-01-07", 0, "-"},
    {"zh-Hans", 'Y', u"准备重要文件", u"准备重要文件", "", 0, "-"},
    {"zh-Hans", 'Y', u"更新紧急联系人", u"更新紧急联系人", "", 0, "-"},
    {"zh-Hans", 'Y', u"看今日头条", u"看今日头条", "", 0, "-"},
    {"zh-Hans", 'Y', u"黑色星期五购物", u"黑色星期五购物", "", 0, "-"},
    {"zh-Hans", 'Y', u"每周三次健身", u"每周三次健身", "", 0, "-"},
    {"zh-Hans", 'Y', u"一周一次打扫", u"打扫", "", 0, "w"},
    {"zh-Hans", 'Y', u"周一至周五跑步", u"跑步", "2026-12-31", 0, "w@12345"},
    {"zh-Hans", 'Y', u"每日报表", u"每日报表", "", 0, "-"},
    {"zh-Hans", 'Y', u"中午1点吃饭", u"吃饭", "2027-01-01 13:00", 0, "-"},
    {"zh-Hans", 'Y', u"晚上12点睡觉", u"睡觉", "2027-01-01 00:00", 0, "-"},
    {"zh-Hans", 'Y', u"晚上1点收衣服", u"收衣服", "2027-01-01 01:00", 0, "-"},
    {"zh-Hans", 'T', u"明天3点开会", u"开会", "2027-01-01 15:00", 0, "-"},
    {"zh-Hans", 'Y', u"夜里11点关灯", u"关灯", "2026-12-31 23:00", 0, "-"},
    {"zh-Hans", 'Y', u"早晨7点跑步", u"跑步", "2027-01-01 07:00", 0, "-"},
    {"zh-Hans", 'Y', u"明天3点15开会", u"开会", "2027-01-01 15:15", 0, "-"},
    {"zh-Hans", 'Y', u"明天3点一刻开会", u"开会", "2027-01-01 15:15", 0, "-"},
    {"zh-Hans", 'Y', u"明天8点三刻出发", u"出发", "2027-01-01 08:45", 0, "-"},
    {"zh-Hans", 'Y', u"三点半开会", u"开会", "2026-12-31 15:30", 0, "-"},
    {"zh-Hans", 'Y', u"明天上午十点半面试", u"面试", "2027-01-01 10:30", 0, "-"},
    {"zh-Hans", 'Y', u"明早8点跑步", u"跑步", "2027-01-01 08:00", 0, "-"},
    {"zh-Hans", 'Y', u"今早9点打卡", u"打卡", "2026-12-31 09:00", 0, "-"},
    {"zh-Hans", 'Y', u"明天一早去机场", u"去机场", "2027-01-01 08:00", 0, "-"},
    {"zh-Hans", 'Y', u"这周五交报告", u"交报告", "2027-01-01", 0, "-"},
    {"zh-Hans", 'Y', u"本周五交报告", u"交报告", "2027-01-01", 0, "-"},
    {"zh-Hans", 'Y', u"这个星期六搬家", u"搬家", "2027-01-02", 0, "-"},
    {"zh-Hans", 'Y', u"周五前交报告", u"交报告", "2027-01-01", 0, "-"},
    {"zh-Hans", 'Y', u"周五之前交报告", u"交报告", "2027-01-01", 0, "-"},
    {"zh-Hans", 'Y', u"截止周五交报告", u"交报告", "2027-01-01", 0, "-"},
    {"zh-Hans", 'Y', u"明天前台取快递", u"前台取快递", "2027-01-01", 0, "-"},
    {"zh-Hans", 'Y', u"下下周三开会", u"开会", "2027-01-13", 0, "-"},
    {"zh-Hans", 'Y', u"3月后去旅行", u"3月后去旅行", "", 0, "-"},
    {"zh-Hans", 'Y', u"下周开会", u"开会", "2027-01-04", 0, "-"},
    {"zh-Hans", 'Y', u"下星期体检", u"体检", "2027-01-04", 0, "-"},
    {"zh-Hans", 'Y', u"下礼拜还书", u"还书", "2027-01-04", 0, "-"},
    {"zh-Hans", 'S', u"下个月续费", u"续费", "2027-04-01", 0, "-"},
    {"zh-Hans", 'S', u"明年换车", u"换车", "2028-01-01", 0, "-"},
    {"zh-Hans", 'Y', u"周末大扫除", u"大扫除", "2027-01-02", 0, "-"},
    {"zh-Hans", 'Y', u"这周末看电影", u"看电影", "2027-01-02", 0, "-"},
    {"zh-Hans", 'Y', u"下周末爬山", u"爬山", "2027-01-09", 0, "-"},
    {"zh-Hans", 'S', u"月底交房租", u"交房租", "2027-03-31", 0, "-"},
    {"zh-Hans", 'S', u"月初对账", u"对账", "2027-04-01", 0, "-"},
    {"zh-Hans", 'Y', u"3月底交报告", u"交报告", "2027-03-31", 0, "-"},
    {"zh-Hans", 'S', u"年底总结", u"总结", "2027-12-31", 0, "-"},
    {"zh-Hans", 'Y', u"15号交房租", u"交房租", "2027-01-15", 0, "-"},
    {"zh-Hans", 'Y', u"15日还款", u"还款", "2027-01-15", 0, "-"},
    {"zh-Hans", 'Y', u"3天内回复", u"回复", "2027-01-03", 0, "-"},
    {"zh-Hans", 'Y', u"两个礼拜后复查", u"复查", "2027-01-14", 0, "-"},
    {"zh-Hans", 'Y', u"2小时后关火", u"关火", "2026-12-31 17:00", 0, "-"},
    {"zh-Hans", 'Y', u"半小时后出门", u"出门", "2026-12-31 15:30", 0, "-"},
    {"zh-Hans", 'Y', u"30分钟后挪车", u"挪车", "2026-12-31 15:30", 0, "-"},
    {"zh-Hans", 'Y', u"天天背单词", u"背单词", "", 0, "d"},
    {"zh-Hans", 'Y', u"每天一次吃药", u"吃药", "", 0, "d"},
    {"zh-Hans", 'Y', u"工作日打卡", u"打卡", "2026-12-31", 0, "w@12345"},
    {"zh-Hans", 'Y', u"隔周开例会", u"开例会", "", 0, "w2"},
    {"zh-Hans", 'Y', u"每两周理发", u"理发", "", 0, "w2"},
    {"zh-Hans", 'Y', u"每3天浇花", u"浇花", "", 0, "d3"},
    {"zh-Hans", 'Y', u"每周二和周四游泳", u"游泳", "2026-12-31", 0, "w@24"},
    {"zh-Hans", 'Y', u"每月15号还信用卡", u"还信用卡", "2027-01-15", 0, "m"},
    {"zh-Hans", 'Y', u"每晚8点吃药", u"吃药", "2026-12-31 20:00", 0, "d"},
    {"zh-Hans", 'Y', u"很急 回电话", u"回电话", "", 1, "-"},
    {"zh-Hans", 'Y', u"加急处理合同", u"处理合同", "", 1, "-"},
    {"zh-Hans", 'Y', u"续签合同 非常重要", u"续签合同", "", 1, "-"},
    {"zh-Hans", 'Y', u"写周报 高优先", u"写周报", "", 1, "-"},
    {"zh-Hans", 'Y', u"整理相册 低优先", u"整理相册", "", 9, "-"},
    {"zh-Hans", 'Y', u"整理相册 不重要", u"整理相册", "", 9, "-"},
    {"zh-Hans", 'Y', u"这不重要的事", u"这不重要的事", "", 0, "-"},
    {"zh-Hans", 'N', u"凌晨2点半看日出", u"看日出", "2027-03-28 03:30", 0, "-"},
    {"zh-Hans", 'N', u"3小时后吃药", u"吃药", "2027-03-28 03:30", 0, "-"},
    {"zh-Hans", 'N', u"明天上午9点去教堂", u"去教堂", "2027-03-28 09:00", 0, "-"},

    {"zh-Hant", 'Y', u"周五交報告", u"交報告", "2027-01-01", 0, "-"},
    {"zh-Hant", 'Y', u"下周五交報告", u"交報告", "2027-01-08", 0, "-"},
    {"zh-Hant", 'F', u"下週五交報告", u"交報告", "2027-01-08", 0, "-"},
    {"zh-Hant", 'U', u"下週日聚餐", u"聚餐", "2027-01-10", 0, "-"},
    {"zh-Hant", 'Y', u"回覆信件 優先順序高", u"回覆信件", "", 1, "-"},
    {"zh-Hant", 'Y', u"高優先順序 回覆信件", u"回覆信件", "", 1, "-"},
    {"zh-Hant", 'Y', u"整理抽屜 優先順序低", u"整理抽屜", "", 9, "-"},
    {"zh-Hant", 'Y', u"兩個禮拜後回診", u"回診", "2027-01-14", 0, "-"},
    {"zh-Hant", 'Y', u"急件 送公文", u"送公文", "", 1, "-"},
    {"zh-Hant", 'Y', u"很急 回電話", u"回電話", "", 1, "-"},
    {"zh-Hant", 'Y', u"最優先 處理合約", u"處理合約", "", 1, "-"},
    {"zh-Hant", 'Y', u"整理照片 不重要", u"整理照片", "", 9, "-"},
    {"zh-Hant", 'Y', u"15號繳房租", u"繳房租", "2027-01-15", 0, "-"},
    {"zh-Hant", 'Y', u"夜裡11點關燈", u"關燈", "2026-12-31 23:00", 0, "-"},
    {"zh-Hant", 'Y', u"早晨7點跑步", u"跑步", "2027-01-01 07:00", 0, "-"},
    {"zh-Hant", 'Y', u"清晨6點出發", u"出發", "2027-01-01 06:00", 0, "-"},
    {"zh-Hant", 'Y', u"明天3點一刻開會", u"開會", "2027-01-01 15:15", 0, "-"},
    {"zh-Hant", 'Y', u"明天8點三刻出發", u"出發", "2027-01-01 08:45", 0, "-"},
    {"zh-Hant", 'Y', u"三點半開會", u"開會", "2026-12-31 15:30", 0, "-"},
    {"zh-Hant", 'Y', u"明天3點15開會", u"開會", "2027-01-01 15:15", 0, "-"},
    {"zh-Hant", 'Y', u"中午1點吃飯", u"吃飯", "2027-01-01 13:00", 0, "-"},
    {"zh-Hant", 'Y', u"晚上12點睡覺", u"睡覺", "2027-01-01 00:00", 0, "-"},
    {"zh-Hant", 'T', u"明天3點開會", u"開會", "2027-01-01 15:00", 0, "-"},
    {"zh-Hant", 'Y', u"準備重要文件", u"準備重要文件", "", 0, "-"},
    {"zh-Hant", 'Y', u"更新緊急聯絡人", u"更新緊急聯絡人", "", 0, "-"},
    {"zh-Hant", 'Y', u"看今日頭條", u"看今日頭條", "", 0, "-"},
    {"zh-Hant", 'Y', u"每週三次健身", u"每週三次健身", "", 0, "-"},
    {"zh-Hant", 'Y', u"一週一次打掃", u"打掃", "", 0, "w"},
    {"zh-Hant", 'Y', u"週一至週五跑步", u"跑步", "2026-12-31", 0, "w@12345"},
    {"zh-Hant", 'Y', u"明早8點跑步", u"跑步", "2027-01-01 08:00", 0, "-"},
    {"zh-Hant", 'Y', u"這週五交報告", u"交報告", "2027-01-01", 0, "-"},
    {"zh-Hant", 'Y', u"本週五交報告", u"交報告", "2027-01-01", 0, "-"},
    {"zh-Hant", 'Y', u"週五前交報告", u"交報告", "2027-01-01", 0, "-"},
    {"zh-Hant", 'Y', u"週五之前交報告", u"交報告", "2027-01-01", 0, "-"},
    {"zh-Hant", 'Y', u"下下週三開會", u"開會", "2027-01-13", 0, "-"},
    {"zh-Hant", 'Y', u"下週開會", u"開會", "2027-01-04", 0, "-"},
    {"zh-Hant", 'S', u"下個月續約", u"續約", "2027-04-01", 0, "-"},
    {"zh-Hant", 'Y', u"週末大掃除", u"大掃除", "2027-01-02", 0, "-"},
    {"zh-Hant", 'Y', u"下週末爬山", u"爬山", "2027-01-09", 0, "-"},
    {"zh-Hant", 'S', u"月底繳房租", u"繳房租", "2027-03-31", 0, "-"},
    {"zh-Hant", 'Y', u"3月底交報告", u"交報告", "2027-03-31", 0, "-"},
    {"zh-Hant", 'Y', u"3天內回覆", u"回覆", "2027-01-03", 0, "-"},
    {"zh-Hant", 'Y', u"2小時後關火", u"關火", "2026-12-31 17:00", 0, "-"},
    {"zh-Hant", 'Y', u"半小時後出門", u"出門", "2026-12-31 15:30", 0, "-"},
    {"zh-Hant", 'Y', u"天天背單字", u"背單字", "", 0, "d"},
    {"zh-Hant", 'Y', u"工作日打卡", u"打卡", "2026-12-31", 0, "w@12345"},
    {"zh-Hant", 'Y', u"隔週開例會", u"開例會", "", 0, "w2"},
    {"zh-Hant", 'Y', u"每兩週理髮", u"理髮", "", 0, "w2"},
    {"zh-Hant", 'Y', u"每週二和週四游泳", u"游泳", "2026-12-31", 0, "w@24"},
    {"zh-Hant", 'Y', u"截止週五交報告", u"交報告", "2027-01-01", 0, "-"},
    {"zh-Hant", 'N', u"凌晨2點半看日出", u"看日出", "2027-03-28 03:30", 0, "-"},
    {"zh-Hant", 'N', u"3小時後吃藥", u"吃藥", "2027-03-28 03:30", 0, "-"},
};

const QTimeZone berlin("Europe/Berlin");

QDateTime nowFor(char which)
{
    switch (which) {
    case 'T':
        return QDateTime(QDate(2026, 12, 31), QTime(10, 0), berlin);
    case 'F':
        return QDateTime(QDate(2027, 1, 1), QTime(10, 0), berlin);
    case 'A':
        return QDateTime(QDate(2027, 1, 2), QTime(10, 0), berlin);
    case 'U':
        return QDateTime(QDate(2027, 1, 3), QTime(10, 0), berlin);
    case 'S':
        return QDateTime(QDate(2027, 3, 26), QTime(10, 0), berlin);
    case 'N':
        return QDateTime(QDate(2027, 3, 27), QTime(23, 30), berlin);
    default:
        return QDateTime(QDate(2026, 12, 31), QTime(15, 0), berlin);
    }
}

QString dueText(const ParsedPhrase& parsed)
{
    if (!parsed.due) {
        return {};
    }
    const QDateTime local = parsed.due->toTimeZone(berlin);
    return parsed.dueHasTime ? local.toString(QStringLiteral("yyyy-MM-dd HH:mm"))
                             : local.toString(QStringLiteral("yyyy-MM-dd"));
}

QString repeatText(const ParsedPhrase& parsed)
{
    if (parsed.repeat == RecurrenceOption::none) {
        return QStringLiteral("-");
    }
    QString text = rawValue(parsed.repeat).left(1);
    if (parsed.repeatInterval != 1) {
        text += QString::number(parsed.repeatInterval);
    }
    if (!parsed.repeatWeekdays.isEmpty()) {
        text += QLatin1Char('@');
        for (int day : parsed.repeatWeekdays) {
            text += QString::number(day);
        }
    }
    return text;
}

/// Every character typed but spaces and joining commas is in the title or in a recognised span, once.
QString letters(QString text)
{
    text.remove(QRegularExpression(QStringLiteral("[\\s,，、;；:：]")));
    std::sort(text.begin(), text.end());
    return text;
}

} // namespace

class PhraseParserTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shouldReadPhrase_data()
    {
        QTest::addColumn<int>("index");
        for (int i = 0; i < int(std::size(phrases)); ++i) {
            QTest::newRow(QString(QString::fromLatin1(phrases[i].language) + QLatin1String(": ") +
                                  QString::fromUtf16(phrases[i].text))
                              .toUtf8()
                              .constData())
                << i;
        }
    }

    void shouldReadPhrase()
    {
        QFETCH(int, index);
        const Phrase& p = phrases[index];
        const PhraseParser parser({QLocale(QString::fromLatin1(p.language))}, berlin);
        const ParsedPhrase parsed = parser.parse(QString::fromUtf16(p.text), nowFor(p.now));
        QCOMPARE(parsed.title, QString::fromUtf16(p.title));
        QCOMPARE(dueText(parsed), QString::fromLatin1(p.due));
        QCOMPARE(parsed.priority, p.priority);
        QCOMPARE(repeatText(parsed), QString::fromLatin1(p.repeat));

        QString accounted = parsed.title;
        for (const PhraseSpan& span : parsed.spans) {
            QCOMPARE(QString::fromUtf16(p.text).mid(span.start, span.length), span.text);
            accounted += span.text;
        }
        QCOMPARE(letters(accounted), letters(QString::fromUtf16(p.text)));
    }

    void shouldKeepDismissedWordsInTitle()
    {
        const PhraseParser parser({QLocale(QLocale::English)}, berlin);
        const ParsedPhrase parsed = parser.parse(QStringLiteral("Watch Tomorrow Never Dies tomorrow !!"), nowFor('Y'),
                                                 {QStringLiteral("TOMORROW")});
        QCOMPARE(parsed.title, QStringLiteral("Watch Tomorrow Never Dies tomorrow"));
        QVERIFY(!parsed.due);
        QCOMPARE(parsed.priority, 5);
    }

    void shouldLetInterfaceLanguageWinOverSystemLanguage_data()
    {
        QTest::addColumn<QLocale>("first");
        QTest::addColumn<QLocale>("second");
        QTest::addColumn<QString>("title");
        QTest::newRow("German first") << QLocale(QLocale::German) << QLocale(QLocale::English)
                                      << QStringLiteral("Treffen");
        QTest::newRow("English first") << QLocale(QLocale::English) << QLocale(QLocale::German)
                                       << QStringLiteral("Treffen um");
    }

    void shouldLetInterfaceLanguageWinOverSystemLanguage()
    {
        QFETCH(QLocale, first);
        QFETCH(QLocale, second);
        QFETCH(QString, title);
        // "9 am" is a time in English; "um 9" and "am Freitag" are German. Both languages are read.
        const ParsedPhrase parsed =
            PhraseParser({first, second}, berlin).parse(QStringLiteral("Treffen um 9 am Freitag"), nowFor('Y'));
        QCOMPARE(parsed.title, title);
        QCOMPARE(dueText(parsed), QStringLiteral("2027-01-01 09:00"));
    }

    void shouldReadSystemLanguageBesideInterfaceLanguage()
    {
        const QList<QLocale> locales = PhraseParser::localesFor(QLocale(QLocale::English), QLocale(QLocale::Swedish));
        const ParsedPhrase parsed =
            PhraseParser(locales, berlin).parse(QStringLiteral("Tandläkare imorgon 9am"), nowFor('Y'));
        QCOMPARE(parsed.title, QStringLiteral("Tandläkare"));
        QCOMPARE(dueText(parsed), QStringLiteral("2027-01-01 09:00"));
    }

    void shouldReadDatesInSystemLocaleOrderWhenLanguagesAgree()
    {
        const QList<QLocale> locales =
            PhraseParser::localesFor(QLocale(QLocale::English), QLocale(QLocale::English, QLocale::UnitedKingdom));
        const ParsedPhrase parsed = PhraseParser(locales, berlin).parse(QStringLiteral("Party 1/2"), nowFor('Y'));
        QCOMPARE(dueText(parsed), QStringLiteral("2027-02-01"));
    }

    void shouldKeepEveryCharacterOfOddInput_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << QString();
        QTest::newRow("spaces") << QStringLiteral("   ");
        QTest::newRow("bangs only") << QStringLiteral("!!!!!!");
        QTest::newRow("dangling time") << QStringLiteral("at 12: tomorrow");
        QTest::newRow("huge numbers") << QStringLiteral("in 99999999999999999999 days 99:99");
        QTest::newRow("emoji and controls")
            << QString::fromUtf16(u"🎉 party\t") + QChar(0) + QString::fromUtf16(u" tomorrow 🎂");
        QTest::newRow("mixed scripts") << QString::fromUtf16(u"明天 Dentist 9am 下午3点 !!");
        QTest::newRow("long") << QStringLiteral("tomorrow 9am ").repeated(400);
    }

    void shouldKeepEveryCharacterOfOddInput()
    {
        QFETCH(QString, text);
        const PhraseParser parser({QLocale(QLocale::English), QLocale(QStringLiteral("zh-Hans"))}, berlin);
        const ParsedPhrase parsed = parser.parse(text, nowFor('Y'));
        QString accounted = parsed.title;
        for (const PhraseSpan& span : parsed.spans) {
            accounted += span.text;
        }
        QCOMPARE(letters(accounted), letters(text));
        QVERIFY(!parsed.due || parsed.due->isValid());
    }

    void shouldHaveFortyPhrasesPerLanguage()
    {
        for (const char* language : {"en", "de", "sv", "zh-Hans", "zh-Hant"}) {
            const auto count = std::count_if(std::begin(phrases), std::end(phrases),
                                             [&](const Phrase& p) { return qstrcmp(p.language, language) == 0; });
            QVERIFY2(count >= 40, language);
        }
    }
};

QTEST_GUILESS_MAIN(PhraseParserTest)
#include "PhraseParserTest.moc"
