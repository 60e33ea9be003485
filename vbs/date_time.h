#pragma once
// Date serials (days since 30 December 1899, the time as a fraction of a day, as the
// Date subtype holds them) and their text forms in a Locale.
#include <optional>
#include <string>
#include <string_view>

#include "vbs/locale.h"

namespace tabulo::vbs {

struct DateParts
{
    int year = 1899, month = 12, day = 30;
    int hour = 0, minute = 0, second = 0;
    int weekday = 7; // 1 = Sunday ... 7 = Saturday
};

// DateSerial/TimeSerial arithmetic: months and days out of range roll over
// (month 13 is January of the next year, day 0 the last day of the month before).
// Nothing for dates outside the years 100 to 9999.
std::optional<double> serialFromDate(int year, int month, int day);
double serialFromTime(int hour, int minute, int second);
// Rounded to the second, as the language shows dates.
DateParts partsFromSerial(double serial);

// CStr of a date: the short date, the long time, or both ("1/5/2024 3:04:05 PM");
// the date part alone when the time is midnight, the time alone on day zero.
std::u16string formatDate(double serial, const Locale &locale);
// Pattern letters: d dd ddd dddd M MM MMM MMMM y yy yyyy h hh H HH m mm s ss t tt;
// text in single or double quotes is copied as it is.
std::u16string formatDatePattern(double serial, std::u16string_view pattern, const Locale &locale);

// Reads a date and/or a time the way CDate does: the locale's date order, "-", "/" or
// "." between the parts, month names, ISO year-first dates, 12- or 24-hour times.
bool parseDate(std::u16string_view text, const Locale &locale, double &serial);

} // namespace tabulo::vbs
