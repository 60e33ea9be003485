#include "vbs/lib/date_support.h"

#include <cmath>

#include "vbs/lib/library_support.h"

namespace tabulo::vbs {
namespace {

// The serial range of the Date subtype: 1 January 100 to 31 December 9999.
constexpr long long kFirstDay = -657434;
constexpr long long kLastDay = 2958465;

} // namespace

Moment Moment::fromSerial(double serial)
{
    Moment m;
    if (!std::isfinite(serial))
        raise(err::InvalidCall);
    double dayPart = std::trunc(serial);
    m.day = (long long)dayPart;
    m.second = std::llround(std::fabs(serial - dayPart) * 86400.0);
    if (m.second >= 86400) {
        m.second -= 86400;
        m.day += serial < 0 ? -1 : 1;
    }
    return m;
}

Moment Moment::fromTotalSeconds(long long total)
{
    Moment m;
    m.day = floorDivide(total, 86400);
    m.second = total - m.day * 86400;
    return m;
}

double Moment::serial() const
{
    if (day < kFirstDay || day > kLastDay)
        raise(err::InvalidCall);
    double time = double(second) / 86400.0;
    return day < 0 ? double(day) - time : double(day) + time;
}

int weekdayOfDay(long long day)
{
    // Day 1, 31 December 1899, was a Sunday.
    return int(((day - 1) % 7 + 7) % 7) + 1;
}

int weekdayFrom(long long day, int firstDayOfWeek)
{
    return (weekdayOfDay(day) - firstDayOfWeek + 7) % 7 + 1;
}

int daysInMonth(int year, int month)
{
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : kDays[month - 1];
}

long long firstDayOfYear(int year)
{
    // serialFromDate reads years below 100 as two-digit years, and stops at 9999:
    // count from the neighbouring year instead (99 and 9999 are not leap years).
    if (year < 100)
        return firstDayOfYear(100) - 365;
    if (year > 9999)
        return firstDayOfYear(9999) + 365;
    return (long long)*serialFromDate(year, 1, 1);
}

namespace {
// The first day of week 1 of `year`.
long long startOfFirstWeek(int year, int firstDayOfWeek, int firstWeekRule)
{
    long long january1 = firstDayOfYear(year);
    long long weekStart = january1 - (weekdayFrom(january1, firstDayOfWeek) - 1);
    long long daysInYear = 7 - (january1 - weekStart);
    if (firstWeekRule == vb::FirstFourDays)
        return daysInYear >= 4 ? weekStart : weekStart + 7;
    if (firstWeekRule == vb::FirstFullWeek)
        return daysInYear == 7 ? weekStart : weekStart + 7;
    return weekStart;
}
} // namespace

int weekOfYear(long long day, int firstDayOfWeek, int firstWeekRule)
{
    int year = partsFromSerial(double(day)).year;
    long long start = startOfFirstWeek(year, firstDayOfWeek, firstWeekRule);
    if (day < start) {
        start = startOfFirstWeek(year - 1, firstDayOfWeek, firstWeekRule);
    } else if (firstWeekRule != vb::FirstJan1 && day >= startOfFirstWeek(year + 1, firstDayOfWeek, firstWeekRule)) {
        // The last days of December that belong to next year's first week.
        return 1;
    }
    return int((day - start) / 7) + 1;
}

} // namespace tabulo::vbs
