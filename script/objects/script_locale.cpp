#include "script/objects/script_locale.h"

namespace tabulo {

namespace {

std::u16string utf16(const QString &text)
{
    return text.toStdU16String();
}

char16_t singleCharacter(const QString &text, char16_t fallback)
{
    return text.size() == 1 ? char16_t(text.at(0).unicode()) : fallback;
}

} // namespace

vbs::Locale scriptLocale(const QLocale &locale)
{
    vbs::Locale result;
    result.decimalSeparator = singleCharacter(locale.decimalPoint(), u'.');
    result.groupSeparator = singleCharacter(locale.groupSeparator(), result.decimalSeparator == u',' ? u'.' : u',');
    const QString symbol = locale.currencySymbol();
    if (!symbol.isEmpty())
        result.currencySymbol = utf16(symbol);
    // Where the symbol stands: the locale's own way of showing an amount.
    const QString sample = locale.toCurrencyString(1.0);
    const bool symbolFirst = sample.startsWith(symbol);
    const bool spaced = sample.contains(QChar(u' ')) || sample.contains(QChar(0xA0)) || sample.contains(QChar(0x202F));
    result.currencyPositiveFormat = symbolFirst ? (spaced ? 2 : 0) : (spaced ? 3 : 1);
    result.currencyNegativeFormat = symbolFirst ? (spaced ? 9 : 1) : (spaced ? 8 : 5);

    const QString shortDate = locale.dateFormat(QLocale::ShortFormat);
    const qsizetype d = shortDate.indexOf(u'd'), m = shortDate.indexOf(u'M'), y = shortDate.indexOf(u'y');
    if (d >= 0 && m >= 0 && y >= 0) {
        result.shortDateFormat = utf16(shortDate);
        if (y < d && y < m)
            result.dateOrder = vbs::DateOrder::YearMonthDay;
        else if (d < m)
            result.dateOrder = vbs::DateOrder::DayMonthYear;
        else
            result.dateOrder = vbs::DateOrder::MonthDayYear;
    }
    for (int month = 1; month <= 12; ++month) {
        result.monthNames[month - 1] = utf16(locale.monthName(month, QLocale::LongFormat));
        result.monthAbbreviations[month - 1] = utf16(locale.monthName(month, QLocale::ShortFormat));
    }
    for (int day = 0; day < 7; ++day) {
        const int qtDay = day == 0 ? 7 : day; // the language counts from Sunday, Qt from Monday
        result.dayNames[day] = utf16(locale.dayName(qtDay, QLocale::LongFormat));
        result.dayAbbreviations[day] = utf16(locale.dayName(qtDay, QLocale::ShortFormat));
    }
    result.setBooleanNamesFor(locale.name().toStdString());
    return result;
}

} // namespace tabulo
