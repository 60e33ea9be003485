#include "app/tabulo-vbs/system_locale.h"

#include <clocale>
#include <langinfo.h>
#include <string>

#include "vbs/value.h"

namespace tabulo::vbs {
namespace {

std::u16string text(nl_item item)
{
    const char *s = nl_langinfo(item);
    return s ? fromUtf8(s) : std::u16string();
}

// strftime patterns ("%d/%m/%Y") to ours ("dd/MM/yyyy").
std::u16string datePattern(const std::u16string &strftime, const std::u16string &fallback)
{
    std::u16string out;
    for (std::size_t i = 0; i < strftime.size(); ++i) {
        if (strftime[i] != u'%' || i + 1 >= strftime.size()) {
            out += strftime[i];
            continue;
        }
        char16_t c = strftime[++i];
        if (c == u'E' || c == u'O') { // alternative-digit modifiers
            if (i + 1 >= strftime.size())
                break;
            c = strftime[++i];
        }
        switch (c) {
        case u'd':
            out += u"dd";
            break;
        case u'e':
            out += u"d";
            break;
        case u'm':
            out += u"MM";
            break;
        case u'b':
        case u'h':
            out += u"MMM";
            break;
        case u'B':
            out += u"MMMM";
            break;
        case u'y':
            out += u"yy";
            break;
        case u'Y':
            out += u"yyyy";
            break;
        case u'a':
            out += u"ddd";
            break;
        case u'A':
            out += u"dddd";
            break;
        case u'H':
            out += u"HH";
            break;
        case u'I':
            out += u"hh";
            break;
        case u'l':
            out += u"h";
            break;
        case u'M':
            out += u"mm";
            break;
        case u'S':
            out += u"ss";
            break;
        case u'p':
            out += u"tt";
            break;
        case u'D':
            out += u"MM/dd/yy";
            break;
        case u'T':
            out += u"HH:mm:ss";
            break;
        case u'R':
            out += u"HH:mm";
            break;
        case u'r':
            out += u"hh:mm:ss tt";
            break;
        case u'%':
            out += u'%';
            break;
        default:
            return fallback; // something we cannot show: keep the default
        }
    }
    return out.empty() ? fallback : out;
}

// The C and POSIX locales mean "nothing chosen" for a category.
bool nothingChosen(int category)
{
    const char *name = std::setlocale(category, nullptr);
    const std::string chosen = name ? name : "C";
    return chosen == "C" || chosen == "POSIX" || chosen.rfind("C.", 0) == 0;
}

} // namespace

Locale systemLocale()
{
    std::setlocale(LC_ALL, "");
    Locale l;
    if (const lconv *c = std::localeconv()) {
        std::u16string decimal = fromUtf8(c->decimal_point ? c->decimal_point : ".");
        if (decimal.size() == 1)
            l.decimalSeparator = decimal[0];
        std::u16string group = fromUtf8(c->thousands_sep ? c->thousands_sep : "");
        std::u16string monetaryGroup = fromUtf8(c->mon_thousands_sep ? c->mon_thousands_sep : "");
        if (group.size() == 1)
            l.groupSeparator = group[0];
        else if (monetaryGroup.size() == 1)
            l.groupSeparator = monetaryGroup[0];
        else
            l.groupSeparator = l.decimalSeparator == u',' ? u'.' : u',';
        // The C locale has no currency at all ("not available" everywhere): the US
        // conventions stay, "$1,234.50".
        if (!nothingChosen(LC_MONETARY)) {
            if (c->currency_symbol && *c->currency_symbol)
                l.currencySymbol = fromUtf8(c->currency_symbol);
            if (c->frac_digits >= 0 && c->frac_digits <= 6)
                l.currencyDigits = c->frac_digits;
            bool before = c->p_cs_precedes == 1;
            bool space = c->p_sep_by_space == 1;
            l.currencyPositiveFormat = before ? (space ? 2 : 0) : (space ? 3 : 1);
            l.currencyNegativeFormat = before ? (space ? 9 : 1) : (space ? 8 : 5);
        }
    }
    // True and False follow the same regional settings as the decimal separator, as
    // they do on a system where the format and the display language differ.
    if (const char *numeric = std::setlocale(LC_NUMERIC, nullptr))
        l.setBooleanNamesFor(numeric);
    // With nothing chosen, two-digit-year dates would lose information, so the English
    // defaults stay.
    if (nothingChosen(LC_TIME))
        return l;
    l.shortDateFormat = datePattern(text(D_FMT), l.shortDateFormat);
    l.longTimeFormat = datePattern(text(T_FMT), l.longTimeFormat);
    std::size_t d = l.shortDateFormat.find(u'd'), m = l.shortDateFormat.find(u'M'), y = l.shortDateFormat.find(u'y');
    if (y < d && y < m)
        l.dateOrder = DateOrder::YearMonthDay;
    else if (d < m)
        l.dateOrder = DateOrder::DayMonthYear;
    else
        l.dateOrder = DateOrder::MonthDayYear;
    static const nl_item months[]
        = {MON_1, MON_2, MON_3, MON_4, MON_5, MON_6, MON_7, MON_8, MON_9, MON_10, MON_11, MON_12};
    static const nl_item shortMonths[] = {
        ABMON_1, ABMON_2, ABMON_3, ABMON_4, ABMON_5, ABMON_6, ABMON_7, ABMON_8, ABMON_9, ABMON_10, ABMON_11, ABMON_12};
    static const nl_item days[] = {DAY_1, DAY_2, DAY_3, DAY_4, DAY_5, DAY_6, DAY_7};
    static const nl_item shortDays[] = {ABDAY_1, ABDAY_2, ABDAY_3, ABDAY_4, ABDAY_5, ABDAY_6, ABDAY_7};
    for (int i = 0; i < 12; ++i) {
        if (auto name = text(months[i]); !name.empty())
            l.monthNames[std::size_t(i)] = name;
        if (auto name = text(shortMonths[i]); !name.empty())
            l.monthAbbreviations[std::size_t(i)] = name;
    }
    for (int i = 0; i < 7; ++i) {
        if (auto name = text(days[i]); !name.empty())
            l.dayNames[std::size_t(i)] = name;
        if (auto name = text(shortDays[i]); !name.empty())
            l.dayAbbreviations[std::size_t(i)] = name;
    }
    if (auto am = text(AM_STR); !am.empty())
        l.amDesignator = am;
    if (auto pm = text(PM_STR); !pm.empty())
        l.pmDesignator = pm;
    return l;
}

} // namespace tabulo::vbs
