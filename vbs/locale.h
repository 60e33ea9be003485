#pragma once
// The regional settings a script sees: how numbers, money and dates look as text.
// Every engine gets its own copy, so the calculator and a test can run a comma
// locale and a dot locale side by side.
#include <array>
#include <string>
#include <string_view>

namespace tabulo::vbs {

enum class DateOrder { MonthDayYear, DayMonthYear, YearMonthDay };

struct Locale
{
    char16_t decimalSeparator = u'.';
    char16_t groupSeparator = u',';
    int groupSize = 3;

    std::u16string currencySymbol = u"$";
    int currencyDigits = 2;
    // Where the symbol goes for positive amounts: 0 "$1", 1 "1$", 2 "$ 1", 3 "1 $".
    int currencyPositiveFormat = 0;
    // Negative amounts: 0 "($1)", 1 "-$1", 2 "$-1", 3 "$1-", 4 "(1$)", 5 "-1$",
    // 6 "1-$", 7 "1$-", 8 "-1 $", 9 "-$ 1".
    int currencyNegativeFormat = 0;

    DateOrder dateOrder = DateOrder::MonthDayYear;
    // Patterns use d dd ddd dddd M MM MMM MMMM yy yyyy h hh H HH m mm s ss tt.
    std::u16string shortDateFormat = u"M/d/yyyy";
    std::u16string longDateFormat = u"dddd, MMMM d, yyyy";
    std::u16string shortTimeFormat = u"HH:mm";
    std::u16string longTimeFormat = u"h:mm:ss tt";
    std::u16string amDesignator = u"AM";
    std::u16string pmDesignator = u"PM";

    std::array<std::u16string, 12> monthNames {u"January", u"February", u"March", u"April", u"May", u"June", u"July",
        u"August", u"September", u"October", u"November", u"December"};
    std::array<std::u16string, 12> monthAbbreviations {
        u"Jan", u"Feb", u"Mar", u"Apr", u"May", u"Jun", u"Jul", u"Aug", u"Sep", u"Oct", u"Nov", u"Dec"};
    // Sunday first, as Weekday() numbers them.
    std::array<std::u16string, 7> dayNames {
        u"Sunday", u"Monday", u"Tuesday", u"Wednesday", u"Thursday", u"Friday", u"Saturday"};
    std::array<std::u16string, 7> dayAbbreviations {u"Sun", u"Mon", u"Tue", u"Wed", u"Thu", u"Fri", u"Sat"};

    // The words CStr gives for True and False (a localised system says "Vero", "Falso").
    std::u16string trueName = u"True";
    std::u16string falseName = u"False";
    // Sets trueName and falseName to a language's words: "it" or "it_IT.UTF-8" give
    // Vero and Falso; a language the table does not hold keeps English.
    void setBooleanNamesFor(std::string_view language);

    // United States English: what tests assume unless they say otherwise.
    static Locale english() { return Locale {}; }
    // A typical comma locale (Italian): "1,5" is one and a half, dates are day first.
    static Locale italian();
};

} // namespace tabulo::vbs
