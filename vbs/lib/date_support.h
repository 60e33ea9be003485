#pragma once
// Calendar arithmetic on date serials for the date builtins. A serial keeps the time of
// day as a fraction that counts *away* from zero (-1.25 is 29 December 1899, 06:00), so
// arithmetic goes through a Moment: a day number and a second of that day.
#include <cstdint>

#include "vbs/builtins.h"
#include "vbs/date_time.h"

namespace tabulo::vbs {

struct Moment
{
    long long day = 0; // the serial's day: 0 is 30 December 1899
    long long second = 0; // 0 to 86399

    // Seconds since the start of day 0; ordered as the dates are.
    long long totalSeconds() const { return day * 86400 + second; }
    static Moment fromSerial(double serial); // rounded to the second
    static Moment fromTotalSeconds(long long total);
    // The serial of this moment; raises 5 when it lies outside the years 100 to 9999.
    double serial() const;
};

// Division rounding toward minus infinity, for counting boundaries before day zero.
inline long long floorDivide(long long a, long long b)
{
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)));
}

// 1 = Sunday ... 7 = Saturday.
int weekdayOfDay(long long day);
// The weekday counted from `firstDayOfWeek` (1 to 7) as day 1.
int weekdayFrom(long long day, int firstDayOfWeek);
int daysInMonth(int year, int month);
// The day number of 1 January of `year` (99 to 10000, one year beyond each end of the
// range so a week can reach across it).
long long firstDayOfYear(int year);
// The week of the year of `day`, by the firstweekofyear rule (vb::FirstJan1 ...).
int weekOfYear(long long day, int firstDayOfWeek, int firstWeekRule);

} // namespace tabulo::vbs
