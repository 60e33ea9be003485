#include "locale.h"

namespace tabulo::vbs {

Locale Locale::italian() {
    Locale l;
    l.decimalSeparator = u',';
    l.groupSeparator = u'.';
    l.currencySymbol = u"€";
    l.currencyPositiveFormat = 2;  // "€ 1,50"
    l.currencyNegativeFormat = 9;  // "-€ 1,50"
    l.dateOrder = DateOrder::DayMonthYear;
    l.shortDateFormat = u"dd/MM/yyyy";
    l.longDateFormat = u"dddd d MMMM yyyy";
    l.shortTimeFormat = u"HH:mm";
    l.longTimeFormat = u"HH:mm:ss";
    l.monthNames = {u"gennaio", u"febbraio", u"marzo", u"aprile", u"maggio", u"giugno",
                    u"luglio", u"agosto", u"settembre", u"ottobre", u"novembre", u"dicembre"};
    l.monthAbbreviations = {u"gen", u"feb", u"mar", u"apr", u"mag", u"giu",
                            u"lug", u"ago", u"set", u"ott", u"nov", u"dic"};
    l.dayNames = {u"domenica", u"lunedì", u"martedì", u"mercoledì", u"giovedì", u"venerdì", u"sabato"};
    l.dayAbbreviations = {u"dom", u"lun", u"mar", u"mer", u"gio", u"ven", u"sab"};
    return l;
}

}  // namespace tabulo::vbs
