// The clock (Now, Date, Time, Timer), the parts of a date (Year ... Second, Weekday) and
// the names of days and months.
#include <chrono>
#include <ctime>

#include "vbs/lib/date_support.h"
#include "vbs/lib/libraries.h"
#include "vbs/lib/library_support.h"

namespace tabulo::vbs {
namespace {

// The local wall clock: whole seconds as a Moment, plus the fraction of the second.
Moment localNow(double *fraction = nullptr)
{
    auto now = std::chrono::system_clock::now();
    std::time_t t = std::chrono::system_clock::to_time_t(now);
    std::tm local {};
    localtime_r(&t, &local);
    if (fraction) {
        auto sinceSecond = now - std::chrono::system_clock::from_time_t(t);
        *fraction = std::chrono::duration<double>(sinceSecond).count();
        if (*fraction < 0 || *fraction >= 1)
            *fraction = 0;
    }
    Moment m;
    m.day = (long long)*serialFromDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
    m.second = local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec;
    return m;
}

Value Now(CallContext &)
{
    return Value::date(localNow().serial());
}
Value Date(CallContext &)
{
    return Value::date(double(localNow().day));
}
Value Time(CallContext &)
{
    return Value::date(double(localNow().second) / 86400.0);
}

// Seconds since midnight, with the fraction of the current second.
Value Timer(CallContext &)
{
    double fraction = 0;
    Moment m = localNow(&fraction);
    return Value::single(float(double(m.second) + fraction));
}

// One part of a date argument, or Null for Null.
template<int (*part)(const DateParts &)> Value partOfDate(CallContext &call)
{
    if (call.isNull(0))
        return Value::null();
    return Value::integer(std::int16_t(part(partsFromSerial(call.date(0)))));
}
int yearOf(const DateParts &p)
{
    return p.year;
}
int monthOf(const DateParts &p)
{
    return p.month;
}
int dayOf(const DateParts &p)
{
    return p.day;
}
int hourOf(const DateParts &p)
{
    return p.hour;
}
int minuteOf(const DateParts &p)
{
    return p.minute;
}
int secondOf(const DateParts &p)
{
    return p.second;
}

// Weekday(date[, firstdayofweek])
Value Weekday(CallContext &call)
{
    int firstDay = firstDayOfWeekArgument(call, 1);
    if (call.isNull(0))
        return Value::null();
    return Value::integer(std::int16_t(weekdayFrom(Moment::fromSerial(call.date(0)).day, firstDay)));
}

// WeekdayName(weekday[, abbreviate[, firstdayofweek]]): weekday counts from firstdayofweek.
Value WeekdayName(CallContext &call)
{
    std::int32_t weekday = call.longValue(0);
    bool abbreviate = call.has(1) && call.boolean(1);
    int firstDay = firstDayOfWeekArgument(call, 2);
    if (weekday < 1 || weekday > 7)
        raise(err::InvalidCall);
    int index = (weekday - 1 + firstDay - 1) % 7;
    const Locale &locale = call.locale();
    return Value::string(abbreviate ? locale.dayAbbreviations[index] : locale.dayNames[index]);
}

// MonthName(month[, abbreviate])
Value MonthName(CallContext &call)
{
    std::int32_t month = call.longValue(0);
    bool abbreviate = call.has(1) && call.boolean(1);
    if (month < 1 || month > 12)
        raise(err::InvalidCall);
    const Locale &locale = call.locale();
    return Value::string(abbreviate ? locale.monthAbbreviations[month - 1] : locale.monthNames[month - 1]);
}

constexpr Builtin kFunctions[] = {
    {u"Now", Now, 0, 0},
    {u"Date", Date, 0, 0},
    {u"Time", Time, 0, 0},
    {u"Timer", Timer, 0, 0},
    {u"Year", partOfDate<yearOf>, 1, 1},
    {u"Month", partOfDate<monthOf>, 1, 1},
    {u"Day", partOfDate<dayOf>, 1, 1},
    {u"Hour", partOfDate<hourOf>, 1, 1},
    {u"Minute", partOfDate<minuteOf>, 1, 1},
    {u"Second", partOfDate<secondOf>, 1, 1},
    {u"Weekday", Weekday, 1, 2},
    {u"WeekdayName", WeekdayName, 1, 3},
    {u"MonthName", MonthName, 1, 2},
};

} // namespace

Library dateLibrary()
{
    return {kFunctions};
}

} // namespace tabulo::vbs
