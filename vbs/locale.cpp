#include "vbs/locale.h"

namespace tabulo::vbs {

namespace {
struct BooleanNames
{
    std::string_view language;
    std::u16string_view trueName;
    std::u16string_view falseName;
};
// The words a localised system shows for the two Boolean values.
constexpr BooleanNames kBooleanNames[] = {
    {"en", u"True", u"False"},
    {"it", u"Vero", u"Falso"},
    {"de", u"Wahr", u"Falsch"},
    {"fr", u"Vrai", u"Faux"},
    {"es", u"Verdadero", u"Falso"},
    {"pt", u"Verdadeiro", u"Falso"},
    {"nl", u"Waar", u"Onwaar"},
};
} // namespace

void Locale::setBooleanNamesFor(std::string_view language)
{
    // "it_IT.UTF-8", "it-IT" and "it" all name Italian.
    language = language.substr(0, language.find_first_of("_-.@"));
    for (const BooleanNames &names : kBooleanNames) {
        if (names.language == language) {
            trueName = names.trueName;
            falseName = names.falseName;
            return;
        }
    }
    trueName = u"True";
    falseName = u"False";
}

Locale Locale::italian()
{
    Locale l;
    l.decimalSeparator = u',';
    l.groupSeparator = u'.';
    l.currencySymbol = u"€";
    l.currencyPositiveFormat = 2; // "€ 1,50"
    l.currencyNegativeFormat = 9; // "-€ 1,50"
    l.dateOrder = DateOrder::DayMonthYear;
    l.shortDateFormat = u"dd/MM/yyyy";
    l.longDateFormat = u"dddd d MMMM yyyy";
    l.shortTimeFormat = u"HH:mm";
    l.longTimeFormat = u"HH:mm:ss";
    l.monthNames = {u"gennaio", u"febbraio", u"marzo", u"aprile", u"maggio", u"giugno", u"luglio", u"agosto",
        u"settembre", u"ottobre", u"novembre", u"dicembre"};
    l.monthAbbreviations
        = {u"gen", u"feb", u"mar", u"apr", u"mag", u"giu", u"lug", u"ago", u"set", u"ott", u"nov", u"dic"};
    l.dayNames = {u"domenica", u"lunedì", u"martedì", u"mercoledì", u"giovedì", u"venerdì", u"sabato"};
    l.dayAbbreviations = {u"dom", u"lun", u"mar", u"mer", u"gio", u"ven", u"sab"};
    l.setBooleanNamesFor("it");
    return l;
}

} // namespace tabulo::vbs
