#include "quickadd/PhraseParser.h"

#include <QTest>

using namespace tolvik;

namespace {

/// One phrase as a user types it. `now` is 'Y' (Thursday 31 December 2026, 15:00, the last day of a month and of a
/// year) or 'S' (Friday 26 March 2027, 10:00, two days before the clocks go forward). `due` is "yyyy-MM-dd" for an
/// all-day date, "yyyy-MM-dd HH:mm" with a time, empty for none; repeat is '-', 'd', 'w', 'm' or 'y'.
struct Phrase
{
    const char* language;
    char now;
    const char16_t* text;
    const char16_t* title;
    const char* due;
    int priority;
    char repeat;
};

const Phrase phrases[] = {
    {"en", 'Y', u"Call mum tomorrow 6pm !high every week", u"Call mum", "2027-01-01 18:00", 1, 'w'},
    {"en", 'Y', u"Read Tomorrow's paper", u"Read Tomorrow's paper", "", 0, '-'},
    {"en", 'Y', u"Buy 3 apples", u"Buy 3 apples", "", 0, '-'},
    {"en", 'Y', u"Dentist Friday 9am", u"Dentist", "2027-01-01 09:00", 0, '-'},
    {"en", 'Y', u"Dentist next Friday 9am", u"Dentist", "2027-01-08 09:00", 0, '-'},
    {"en", 'Y', u"Submit report today", u"Submit report", "2026-12-31", 0, '-'},
    {"en", 'Y', u"Fireworks tonight", u"Fireworks", "2026-12-31 18:00", 0, '-'},
    {"en", 'Y', u"Take out the bins tonight at 9", u"Take out the bins", "2026-12-31 21:00", 0, '-'},
    {"en", 'Y', u"Brunch with Sam the day after tomorrow", u"Brunch with Sam", "2027-01-02", 0, '-'},
    {"en", 'Y', u"Renew passport in 3 days", u"Renew passport", "2027-01-03", 0, '-'},
    {"en", 'Y', u"Dentist checkup in two weeks", u"Dentist checkup", "2027-01-14", 0, '-'},
    {"en", 'Y', u"Cancel gym trial in a month", u"Cancel gym trial", "2027-01-31", 0, '-'},
    {"en", 'Y', u"Invoice clients in 2 months", u"Invoice clients", "2027-02-28", 0, '-'},
    {"en", 'Y', u"Water the plants every day", u"Water the plants", "", 0, 'd'},
    {"en", 'Y', u"Standup 9:30 daily", u"Standup", "2027-01-01 09:30", 0, 'd'},
    {"en", 'Y', u"Team sync every Monday 10am", u"Team sync", "2027-01-04 10:00", 0, 'w'},
    {"en", 'Y', u"Call grandma at 5pm", u"Call grandma", "2026-12-31 17:00", 0, '-'},
    {"en", 'Y', u"Lunch with Priya at noon", u"Lunch with Priya", "2027-01-01 12:00", 0, '-'},
    {"en", 'Y', u"Book flights 21:30", u"Book flights", "2026-12-31 21:30", 0, '-'},
    {"en", 'Y', u"Pick up dry cleaning tomorrow morning", u"Pick up dry cleaning", "2027-01-01 09:00", 0, '-'},
    {"en", 'Y', u"Gym tomorrow evening", u"Gym", "2027-01-01 18:00", 0, '-'},
    {"en", 'Y', u"Quarterly taxes 1/15", u"Quarterly taxes", "2027-01-15", 0, '-'},
    {"en", 'Y', u"Dinner reservation 12/31 8pm", u"Dinner reservation", "2026-12-31 20:00", 0, '-'},
    {"en", 'Y', u"Anniversary Feb 14", u"Anniversary", "2027-02-14", 0, '-'},
    {"en", 'Y', u"Conference March 3rd, 2027", u"Conference", "2027-03-03", 0, '-'},
    {"en", 'Y', u"Mum's birthday 22 June yearly", u"Mum's birthday", "2027-06-22", 0, 'y'},
    {"en", 'Y', u"Server renewal 2027-02-01", u"Server renewal", "2027-02-01", 0, '-'},
    {"en", 'Y', u"Deploy 2027-01-05T14:00", u"Deploy", "2027-01-05 14:00", 0, '-'},
    {"en", 'Y', u"Backup photos !!", u"Backup photos", "", 5, '-'},
    {"en", 'Y', u"Fix the leaking tap !!!", u"Fix the leaking tap", "", 1, '-'},
    {"en", 'Y', u"Return library books !", u"Return library books", "", 9, '-'},
    {"en", 'Y', u"Tax return high priority", u"Tax return", "", 1, '-'},
    {"en", 'Y', u"Clean the garage low priority", u"Clean the garage", "", 9, '-'},
    {"en", 'Y', u"Pay credit card monthly", u"Pay credit card", "", 0, 'm'},
    {"en", 'Y', u"Check smoke alarms every year", u"Check smoke alarms", "", 0, 'y'},
    {"en", 'Y', u"Call mum!", u"Call mum!", "", 0, '-'},
    {"en", 'Y', u"Meeting at 25:00", u"Meeting at 25:00", "", 0, '-'},
    {"en", 'Y', u"Cake for Feb 30", u"Cake for Feb 30", "", 0, '-'},
    {"en", 'Y', u"Email Jo about the 3 tickets tomorrow", u"Email Jo about the 3 tickets", "2027-01-01", 0, '-'},
    {"en", 'Y', u"Sign lease by Friday", u"Sign lease", "2027-01-01", 0, '-'},
    {"en", 'Y', u"Pick up Anna at 6:45pm tomorrow", u"Pick up Anna", "2027-01-01 18:45", 0, '-'},
    {"en", 'S', u"Brunch Sunday 11am", u"Brunch", "2027-03-28 11:00", 0, '-'},
    {"en", 'S', u"Call dad in 3 days at 9am", u"Call dad", "2027-03-29 09:00", 0, '-'},
    {"en", 'S', u"Yoga every Friday 7pm", u"Yoga", "2027-03-26 19:00", 0, 'w'},
    {"en", 'S', u"Night shift Sunday 2:30am", u"Night shift", "2027-03-28 03:30", 0, '-'},

    {"de", 'Y', u"Zahnarzt morgen um 9", u"Zahnarzt", "2027-01-01 09:00", 0, '-'},
    {"de", 'Y', u"Mama anrufen heute Abend", u"Mama anrufen", "2026-12-31 18:00", 0, '-'},
    {"de", 'Y', u"Müll rausbringen morgen früh", u"Müll rausbringen", "2027-01-01 08:00", 0, '-'},
    {"de", 'Y', u"Steuererklärung bis Freitag", u"Steuererklärung", "2027-01-01", 0, '-'},
    {"de", 'Y', u"Friseur kommenden Dienstag 14 Uhr", u"Friseur", "2027-01-05 14:00", 0, '-'},
    {"de", 'Y', u"Elternabend nächsten Dienstag", u"Elternabend", "2027-01-12", 0, '-'},
    {"de", 'Y', u"Blumen gießen jeden Tag", u"Blumen gießen", "", 0, 'd'},
    {"de", 'Y', u"Wochenbericht jeden Freitag um 16 Uhr", u"Wochenbericht", "2027-01-01 16:00", 0, 'w'},
    {"de", 'Y', u"Yoga montags 18:30", u"Yoga", "2027-01-04 18:30", 0, 'w'},
    {"de", 'Y', u"Versicherung kündigen in 3 Tagen", u"Versicherung kündigen", "2027-01-03", 0, '-'},
    {"de", 'Y', u"Reifenwechsel in zwei Wochen", u"Reifenwechsel", "2027-01-14", 0, '-'},
    {"de", 'Y', u"Rechnung prüfen in einem Monat", u"Rechnung prüfen", "2027-01-31", 0, '-'},
    {"de", 'Y', u"Geburtstag Oma 24.12.", u"Geburtstag Oma", "2027-12-24", 0, '-'},
    {"de", 'Y', u"Arzttermin 15.01.2027 10:30", u"Arzttermin", "2027-01-15 10:30", 0, '-'},
    {"de", 'Y', u"Elterngespräch am 7. Januar", u"Elterngespräch", "2027-01-07", 0, '-'},
    {"de", 'Y', u"Konzert 3. März 20 Uhr", u"Konzert", "2027-03-03 20:00", 0, '-'},
    {"de", 'Y', u"Abgabe Hausarbeit 2027-02-01", u"Abgabe Hausarbeit", "2027-02-01", 0, '-'},
    {"de", 'Y', u"Kaffee mit Jonas morgen um halb 8", u"Kaffee mit Jonas", "2027-01-01 07:30", 0, '-'},
    {"de", 'Y', u"Paket abholen wichtig", u"Paket abholen", "", 1, '-'},
    {"de", 'Y', u"Rasen mähen !", u"Rasen mähen", "", 9, '-'},
    {"de", 'Y', u"Bericht schreiben dringend", u"Bericht schreiben", "", 1, '-'},
    {"de", 'Y', u"Keller aufräumen niedrige Priorität", u"Keller aufräumen", "", 9, '-'},
    {"de", 'Y', u"Miete überweisen monatlich", u"Miete überweisen", "", 0, 'm'},
    {"de", 'Y', u"Wasserfilter wechseln jährlich", u"Wasserfilter wechseln", "", 0, 'y'},
    {"de", 'Y', u"Heizung entlüften wöchentlich !!", u"Heizung entlüften", "", 5, 'w'},
    {"de", 'Y', u"Drei Äpfel kaufen", u"Drei Äpfel kaufen", "", 0, '-'},
    {"de", 'Y', u"3 Brötchen holen", u"3 Brötchen holen", "", 0, '-'},
    {"de", 'Y', u"Morgenmagazin aufnehmen", u"Morgenmagazin aufnehmen", "", 0, '-'},
    {"de", 'Y', u"Übermorgen Zugtickets buchen", u"Zugtickets buchen", "2027-01-02", 0, '-'},
    {"de", 'Y', u"Sekt kalt stellen heute 23:30", u"Sekt kalt stellen", "2026-12-31 23:30", 0, '-'},
    {"de", 'Y', u"Neujahrsgrüße verschicken morgen Nachmittag", u"Neujahrsgrüße verschicken", "2027-01-01 15:00", 0,
     '-'},
    {"de", 'Y', u"Elternabend Mittwoch 19:30", u"Elternabend", "2027-01-06 19:30", 0, '-'},
    {"de", 'Y', u"Heute Abend um 8 Essen kochen", u"Essen kochen", "2026-12-31 20:00", 0, '-'},
    {"de", 'Y', u"Projekt abschließen 24.12.2026", u"Projekt abschließen", "2026-12-24", 0, '-'},
    {"de", 'Y', u"Termin 31.02.", u"Termin 31.02.", "", 0, '-'},
    {"de", 'Y', u"Tomatensoße einkochen um 25 Uhr", u"Tomatensoße einkochen um 25 Uhr", "", 0, '-'},
    {"de", 'Y', u"Auto waschen Samstag", u"Auto waschen", "2027-01-02", 0, '-'},
    {"de", 'Y', u"Tagesgeld vergleichen", u"Tagesgeld vergleichen", "", 0, '-'},
    {"de", 'Y', u"Oma anrufen am Sonntag Vormittag", u"Oma anrufen", "2027-01-03 10:00", 0, '-'},
    {"de", 'Y', u"Weihnachtsbaum entsorgen 8.1.", u"Weihnachtsbaum entsorgen", "2027-01-08", 0, '-'},
    {"de", 'Y', u"Reifen wechseln, morgen", u"Reifen wechseln", "2027-01-01", 0, '-'},
    {"de", 'S', u"Brunch Sonntag 11 Uhr", u"Brunch", "2027-03-28 11:00", 0, '-'},
    {"de", 'S', u"Uhren umstellen Sonntag um 2:30", u"Uhren umstellen", "2027-03-28 03:30", 0, '-'},
    {"de", 'S', u"Zahnarzt in 3 Tagen um 9", u"Zahnarzt", "2027-03-29 09:00", 0, '-'},
    {"de", 'S', u"Laufen gehen jeden Samstag 8 Uhr", u"Laufen gehen", "2027-03-27 08:00", 0, 'w'},

    {"sv", 'Y', u"Ring mamma imorgon kl 18", u"Ring mamma", "2027-01-01 18:00", 0, '-'},
    {"sv", 'Y', u"Tandläkare på fredag kl. 9", u"Tandläkare", "2027-01-01 09:00", 0, '-'},
    {"sv", 'Y', u"Handla mat i kväll", u"Handla mat", "2026-12-31 18:00", 0, '-'},
    {"sv", 'Y', u"Betala hyran den 1 februari", u"Betala hyran", "2027-02-01", 0, '-'},
    {"sv", 'Y', u"Möte nästa tisdag 10:00", u"Möte", "2027-01-12 10:00", 0, '-'},
    {"sv", 'Y', u"Vattna blommorna varje dag", u"Vattna blommorna", "", 0, 'd'},
    {"sv", 'Y', u"Städa varje lördag", u"Städa", "2027-01-02", 0, 'w'},
    {"sv", 'Y', u"Träna dagligen kl 7", u"Träna", "2027-01-01 07:00", 0, 'd'},
    {"sv", 'Y', u"Byt däck om två veckor", u"Byt däck", "2027-01-14", 0, '-'},
    {"sv", 'Y', u"Förnya passet om 3 dagar", u"Förnya passet", "2027-01-03", 0, '-'},
    {"sv", 'Y', u"Deklarera om en månad", u"Deklarera", "2027-01-31", 0, '-'},
    {"sv", 'Y', u"Städa efter festen i övermorgon", u"Städa efter festen", "2027-01-02", 0, '-'},
    {"sv", 'Y', u"Julklappar 2027-12-20", u"Julklappar", "2027-12-20", 0, '-'},
    {"sv", 'Y', u"Mormors födelsedag 12 mars", u"Mormors födelsedag", "2027-03-12", 0, '-'},
    {"sv", 'Y', u"Konsert 5 januari kl 19.30", u"Konsert", "2027-01-05 19:30", 0, '-'},
    {"sv", 'Y', u"Lunch med Erik kl 12", u"Lunch med Erik", "2027-01-01 12:00", 0, '-'},
    {"sv", 'Y', u"Skicka fakturan viktigt", u"Skicka fakturan", "", 1, '-'},
    {"sv", 'Y', u"Boka tvättstugan !!", u"Boka tvättstugan", "", 5, '-'},
    {"sv", 'Y', u"Ring banken brådskande", u"Ring banken", "", 1, '-'},
    {"sv", 'Y', u"Rensa garaget låg prioritet", u"Rensa garaget", "", 9, '-'},
    {"sv", 'Y', u"Betala elräkningen månadsvis", u"Betala elräkningen", "", 0, 'm'},
    {"sv", 'Y', u"Byt batterier i brandvarnaren årligen", u"Byt batterier i brandvarnaren", "", 0, 'y'},
    {"sv", 'Y', u"Köp 3 äpplen", u"Köp 3 äpplen", "", 0, '-'},
    {"sv", 'Y', u"Läs Dagens Nyheter idag", u"Läs Dagens Nyheter", "2026-12-31", 0, '-'},
    {"sv", 'Y', u"Idag: skriv rapporten", u"skriv rapporten", "2026-12-31", 0, '-'},
    {"sv", 'Y', u"Middag hos Sara i morgon kväll", u"Middag hos Sara", "2027-01-01 18:00", 0, '-'},
    {"sv", 'Y', u"Möte kl 14 i dag", u"Möte", "2026-12-31 14:00", 0, '-'},
    {"sv", 'Y', u"Hämta paket imorgon på eftermiddagen", u"Hämta paket", "2027-01-01 15:00", 0, '-'},
    {"sv", 'Y', u"Tvätta bilen på lördag", u"Tvätta bilen", "2027-01-02", 0, '-'},
    {"sv", 'Y', u"Teatern 2027-01-02 19:00", u"Teatern", "2027-01-02 19:00", 0, '-'},
    {"sv", 'Y', u"Fika imorgon kl 15", u"Fika", "2027-01-01 15:00", 0, '-'},
    {"sv", 'Y', u"Veckomöte varje måndag kl 9", u"Veckomöte", "2027-01-04 09:00", 0, 'w'},
    {"sv", 'Y', u"Betala räkningar senast fredag", u"Betala räkningar", "2027-01-01", 0, '-'},
    {"sv", 'Y', u"Ta ut soporna ikväll kl 9", u"Ta ut soporna", "2026-12-31 21:00", 0, '-'},
    {"sv", 'Y', u"Möte 31 februari", u"Möte 31 februari", "", 0, '-'},
    {"sv", 'Y', u"Nyårsfest i kväll kl 20", u"Nyårsfest", "2026-12-31 20:00", 0, '-'},
    {"sv", 'Y', u"Vecka 3 planering", u"Vecka 3 planering", "", 0, '-'},
    {"sv", 'Y', u"Hämta Ella på förskolan kl 16.15", u"Hämta Ella på förskolan", "2026-12-31 16:15", 0, '-'},
    {"sv", 'Y', u"Betala hyran den 25 december", u"Betala hyran", "2027-12-25", 0, '-'},
    {"sv", 'S', u"Brunch söndag kl 11", u"Brunch", "2027-03-28 11:00", 0, '-'},
    {"sv", 'S', u"Ring pappa om 3 dagar kl 9", u"Ring pappa", "2027-03-29 09:00", 0, '-'},
    {"sv", 'S', u"Ställ om klockan på söndag", u"Ställ om klockan", "2027-03-28", 0, '-'},

    {"zh-Hans", 'Y', u"明天下午3点开会", u"开会", "2027-01-01 15:00", 0, '-'},
    {"zh-Hans", 'Y', u"周五去看牙医", u"去看牙医", "2027-01-01", 0, '-'},
    {"zh-Hans", 'Y', u"下周五交报告", u"交报告", "2027-01-08", 0, '-'},
    {"zh-Hans", 'Y', u"今晚8点给妈妈打电话", u"给妈妈打电话", "2026-12-31 20:00", 0, '-'},
    {"zh-Hans", 'Y', u"后天早上9点半跑步", u"跑步", "2027-01-02 09:30", 0, '-'},
    {"zh-Hans", 'Y', u"每天吃药", u"吃药", "", 0, 'd'},
    {"zh-Hans", 'Y', u"每周一开例会", u"开例会", "2027-01-04", 0, 'w'},
    {"zh-Hans", 'Y', u"每月交房租", u"交房租", "", 0, 'm'},
    {"zh-Hans", 'Y', u"每年体检", u"体检", "", 0, 'y'},
    {"zh-Hans", 'Y', u"3天后续签证件", u"续签证件", "2027-01-03", 0, '-'},
    {"zh-Hans", 'Y', u"两周后复诊", u"复诊", "2027-01-14", 0, '-'},
    {"zh-Hans", 'Y', u"一个月后还信用卡", u"还信用卡", "2027-01-31", 0, '-'},
    {"zh-Hans", 'Y', u"1月15日缴税", u"缴税", "2027-01-15", 0, '-'},
    {"zh-Hans", 'Y', u"2027年2月1日提交申请", u"提交申请", "2027-02-01", 0, '-'},
    {"zh-Hans", 'Y', u"买3个苹果", u"买3个苹果", "", 0, '-'},
    {"zh-Hans", 'Y', u"12月24日买圣诞礼物", u"买圣诞礼物", "2027-12-24", 0, '-'},
    {"zh-Hans", 'Y', u"晚上健身", u"健身", "2026-12-31 18:00", 0, '-'},
    {"zh-Hans", 'Y', u"中午和同事吃饭", u"和同事吃饭", "2027-01-01 12:00", 0, '-'},
    {"zh-Hans", 'Y', u"重要 回复客户邮件", u"回复客户邮件", "", 1, '-'},
    {"zh-Hans", 'Y', u"紧急修电脑", u"修电脑", "", 1, '-'},
    {"zh-Hans", 'Y', u"整理书架 !", u"整理书架", "", 9, '-'},
    {"zh-Hans", 'Y', u"备份照片！！", u"备份照片", "", 5, '-'},
    {"zh-Hans", 'Y', u"交水电费 低优先级", u"交水电费", "", 9, '-'},
    {"zh-Hans", 'Y', u"21:30 关窗", u"关窗", "2026-12-31 21:30", 0, '-'},
    {"zh-Hans", 'Y', u"星期六去超市", u"去超市", "2027-01-02", 0, '-'},
    {"zh-Hans", 'Y', u"礼拜天去教堂", u"去教堂", "2027-01-03", 0, '-'},
    {"zh-Hans", 'Y', u"明天上午10点面试", u"面试", "2027-01-01 10:00", 0, '-'},
    {"zh-Hans", 'Y', u"今天把报告写完", u"把报告写完", "2026-12-31", 0, '-'},
    {"zh-Hans", 'Y', u"大后天去机场接人", u"去机场接人", "2027-01-03", 0, '-'},
    {"zh-Hans", 'Y', u"每周五下午4点交周报", u"交周报", "2027-01-01 16:00", 0, 'w'},
    {"zh-Hans", 'Y', u"下午5点接孩子", u"接孩子", "2026-12-31 17:00", 0, '-'},
    {"zh-Hans", 'Y', u"明天9点取快递", u"取快递", "2027-01-01 09:00", 0, '-'},
    {"zh-Hans", 'Y', u"明晚看电影", u"看电影", "2027-01-01 18:00", 0, '-'},
    {"zh-Hans", 'Y', u"十点开会", u"开会", "2027-01-01 10:00", 0, '-'},
    {"zh-Hans", 'Y', u"2027-01-05 去银行", u"去银行", "2027-01-05", 0, '-'},
    {"zh-Hans", 'Y', u"2月30日交作业", u"2月30日交作业", "", 0, '-'},
    {"zh-Hans", 'Y', u"25点起床", u"25点起床", "", 0, '-'},
    {"zh-Hans", 'Y', u"每月还房贷 高优先级", u"还房贷", "", 1, 'm'},
    {"zh-Hans", 'S', u"周日上午11点早午餐", u"早午餐", "2027-03-28 11:00", 0, '-'},
    {"zh-Hans", 'S', u"3天后上午9点给爸爸打电话", u"给爸爸打电话", "2027-03-29 09:00", 0, '-'},
    {"zh-Hans", 'S', u"周日凌晨2点半看流星雨", u"看流星雨", "2027-03-28 03:30", 0, '-'},

    {"zh-Hant", 'Y', u"明天下午3點開會", u"開會", "2027-01-01 15:00", 0, '-'},
    {"zh-Hant", 'Y', u"週五去看牙醫", u"去看牙醫", "2027-01-01", 0, '-'},
    {"zh-Hant", 'Y', u"下週五交報告", u"交報告", "2027-01-08", 0, '-'},
    {"zh-Hant", 'Y', u"今晚8點打電話給媽媽", u"打電話給媽媽", "2026-12-31 20:00", 0, '-'},
    {"zh-Hant", 'Y', u"後天早上9點半跑步", u"跑步", "2027-01-02 09:30", 0, '-'},
    {"zh-Hant", 'Y', u"每天吃藥", u"吃藥", "", 0, 'd'},
    {"zh-Hant", 'Y', u"每週一開例會", u"開例會", "2027-01-04", 0, 'w'},
    {"zh-Hant", 'Y', u"每個月繳房租", u"繳房租", "", 0, 'm'},
    {"zh-Hant", 'Y', u"每年健康檢查", u"健康檢查", "", 0, 'y'},
    {"zh-Hant", 'Y', u"3天後續約", u"續約", "2027-01-03", 0, '-'},
    {"zh-Hant", 'Y', u"兩週後回診", u"回診", "2027-01-14", 0, '-'},
    {"zh-Hant", 'Y', u"一個月後繳信用卡費", u"繳信用卡費", "2027-01-31", 0, '-'},
    {"zh-Hant", 'Y', u"1月15日報稅", u"報稅", "2027-01-15", 0, '-'},
    {"zh-Hant", 'Y', u"2027年2月1日送出申請", u"送出申請", "2027-02-01", 0, '-'},
    {"zh-Hant", 'Y', u"買3顆蘋果", u"買3顆蘋果", "", 0, '-'},
    {"zh-Hant", 'Y', u"12月24日買聖誕禮物", u"買聖誕禮物", "2027-12-24", 0, '-'},
    {"zh-Hant", 'Y', u"晚上去健身房", u"去健身房", "2026-12-31 18:00", 0, '-'},
    {"zh-Hant", 'Y', u"中午跟同事吃飯", u"跟同事吃飯", "2027-01-01 12:00", 0, '-'},
    {"zh-Hant", 'Y', u"重要 回覆客戶郵件", u"回覆客戶郵件", "", 1, '-'},
    {"zh-Hant", 'Y', u"緊急修電腦", u"修電腦", "", 1, '-'},
    {"zh-Hant", 'Y', u"整理書櫃 !", u"整理書櫃", "", 9, '-'},
    {"zh-Hant", 'Y', u"備份照片 !!", u"備份照片", "", 5, '-'},
    {"zh-Hant", 'Y', u"繳水電費 低優先級", u"繳水電費", "", 9, '-'},
    {"zh-Hant", 'Y', u"21:30 關窗戶", u"關窗戶", "2026-12-31 21:30", 0, '-'},
    {"zh-Hant", 'Y', u"星期六去大賣場", u"去大賣場", "2027-01-02", 0, '-'},
    {"zh-Hant", 'Y', u"禮拜天去教會", u"去教會", "2027-01-03", 0, '-'},
    {"zh-Hant", 'Y', u"明天上午10點面試", u"面試", "2027-01-01 10:00", 0, '-'},
    {"zh-Hant", 'Y', u"今天把報告寫完", u"把報告寫完", "2026-12-31", 0, '-'},
    {"zh-Hant", 'Y', u"大後天去機場接機", u"去機場接機", "2027-01-03", 0, '-'},
    {"zh-Hant", 'Y', u"每週五下午4點交週報", u"交週報", "2027-01-01 16:00", 0, 'w'},
    {"zh-Hant", 'Y', u"下午5點接小孩", u"接小孩", "2026-12-31 17:00", 0, '-'},
    {"zh-Hant", 'Y', u"明天9點拿包裹", u"拿包裹", "2027-01-01 09:00", 0, '-'},
    {"zh-Hant", 'Y', u"明晚看電影", u"看電影", "2027-01-01 18:00", 0, '-'},
    {"zh-Hant", 'Y', u"十點開會", u"開會", "2027-01-01 10:00", 0, '-'},
    {"zh-Hant", 'Y', u"2027-01-05 去銀行", u"去銀行", "2027-01-05", 0, '-'},
    {"zh-Hant", 'Y', u"2月30日交作業", u"2月30日交作業", "", 0, '-'},
    {"zh-Hant", 'Y', u"25點起床", u"25點起床", "", 0, '-'},
    {"zh-Hant", 'Y', u"每月繳房貸 高優先級", u"繳房貸", "", 1, 'm'},
    {"zh-Hant", 'S', u"週日上午11點吃早午餐", u"吃早午餐", "2027-03-28 11:00", 0, '-'},
    {"zh-Hant", 'S', u"3天後上午9點打給爸爸", u"打給爸爸", "2027-03-29 09:00", 0, '-'},
    {"zh-Hant", 'S', u"週日凌晨2點半看流星雨", u"看流星雨", "2027-03-28 03:30", 0, '-'},
};

const QTimeZone berlin("Europe/Berlin");

QDateTime nowFor(char which)
{
    return which == 'S' ? QDateTime(QDate(2027, 3, 26), QTime(10, 0), berlin)
                        : QDateTime(QDate(2026, 12, 31), QTime(15, 0), berlin);
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

char repeatLetter(RecurrenceOption option)
{
    return option == RecurrenceOption::none ? '-' : rawValue(option).at(0).toLatin1();
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
        QCOMPARE(repeatLetter(parsed.repeat), p.repeat);

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
