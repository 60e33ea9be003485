// DateAdd, DateDiff and DatePart: dates by interval ("yyyy", "q", "m", "y", "d", "w",
// "ww", "h", "n", "s").
#include <limits>

#include "vbs/lib/date_support.h"
#include "vbs/lib/libraries.h"
#include "vbs/lib/library_support.h"

namespace tabulo::vbs {
namespace {

enum class Interval { Year, Quarter, Month, DayOfYear, Day, Weekday, Week, Hour, Minute, Second };

Interval intervalArgument(const CallContext &call)
{
    static constexpr struct
    {
        std::u16string_view name;
        Interval interval;
    } kIntervals[] = {
        {u"yyyy", Interval::Year},
        {u"q", Interval::Quarter},
        {u"m", Interval::Month},
        {u"y", Interval::DayOfYear},
        {u"d", Interval::Day},
        {u"w", Interval::Weekday},
        {u"ww", Interval::Week},
        {u"h", Interval::Hour},
        {u"n", Interval::Minute},
        {u"s", Interval::Second},
    };
    std::u16string name = call.string(0);
    for (const auto &entry : kIntervals)
        if (sameName(name, entry.name))
            return entry.interval;
    raise(err::InvalidCall);
}

// Moves a moment by whole months, keeping the time; the day is clamped to the end of
// the month (31 January + 1 month is 28 or 29 February).
Moment addMonths(Moment m, long long months)
{
    DateParts p = partsFromSerial(double(m.day));
    long long index = p.year * 12LL + (p.month - 1) + months;
    long long year = index >= 0 ? index / 12 : -1;
    if (year < 100 || year > 9999)
        raise(err::InvalidCall);
    int month = int(index % 12) + 1;
    int day = std::min(p.day, daysInMonth(int(year), month));
    m.day = (long long)*serialFromDate(int(year), month, day);
    return m;
}

// DateAdd(interval, number, date)
Value DateAdd(CallContext &call)
{
    Interval interval = intervalArgument(call);
    long long n = call.longValue(1);
    if (call.isNull(2))
        return Value::null();
    Moment m = Moment::fromSerial(call.date(2));
    switch (interval) {
    case Interval::Year:
        m = addMonths(m, 12 * n);
        break;
    case Interval::Quarter:
        m = addMonths(m, 3 * n);
        break;
    case Interval::Month:
        m = addMonths(m, n);
        break;
    // "w" adds days, like "d" and "y": the language defines it so.
    case Interval::DayOfYear:
    case Interval::Day:
    case Interval::Weekday:
        m.day += n;
        break;
    case Interval::Week:
        m.day += 7 * n;
        break;
    case Interval::Hour:
        m = Moment::fromTotalSeconds(m.totalSeconds() + 3600 * n);
        break;
    case Interval::Minute:
        m = Moment::fromTotalSeconds(m.totalSeconds() + 60 * n);
        break;
    case Interval::Second:
        m = Moment::fromTotalSeconds(m.totalSeconds() + n);
        break;
    }
    return Value::date(m.serial());
}

// DateDiff(interval, date1, date2[, firstdayofweek[, firstweekofyear]]): how many
// interval boundaries lie between the two dates (negative when date2 is earlier).
Value DateDiff(CallContext &call)
{
    Interval interval = intervalArgument(call);
    int firstDay = firstDayOfWeekArgument(call, 3);
    firstWeekOfYearArgument(call, 4); // checked; no interval here counts weeks of a year
    if (call.isNull(1) || call.isNull(2))
        return Value::null();
    Moment a = Moment::fromSerial(call.date(1)), b = Moment::fromSerial(call.date(2));
    DateParts pa = partsFromSerial(double(a.day)), pb = partsFromSerial(double(b.day));
    long long diff = 0;
    switch (interval) {
    case Interval::Year:
        diff = pb.year - pa.year;
        break;
    case Interval::Quarter:
        diff = (pb.year * 4LL + (pb.month - 1) / 3) - (pa.year * 4LL + (pa.month - 1) / 3);
        break;
    case Interval::Month:
        diff = (pb.year * 12LL + pb.month) - (pa.year * 12LL + pa.month);
        break;
    case Interval::DayOfYear:
    case Interval::Day:
        diff = b.day - a.day;
        break;
    case Interval::Weekday:
        diff = (b.day - a.day) / 7;
        break;
    // Calendar weeks: how many first days of the week are crossed.
    case Interval::Week:
        diff = floorDivide(b.day - firstDay, 7) - floorDivide(a.day - firstDay, 7);
        break;
    case Interval::Hour:
        diff = floorDivide(b.totalSeconds(), 3600) - floorDivide(a.totalSeconds(), 3600);
        break;
    case Interval::Minute:
        diff = floorDivide(b.totalSeconds(), 60) - floorDivide(a.totalSeconds(), 60);
        break;
    case Interval::Second:
        diff = b.totalSeconds() - a.totalSeconds();
        break;
    }
    if (diff < std::numeric_limits<std::int32_t>::min() || diff > std::numeric_limits<std::int32_t>::max())
        raise(err::Overflow);
    return Value::longValue(std::int32_t(diff));
}

// DatePart(interval, date[, firstdayofweek[, firstweekofyear]])
Value DatePart(CallContext &call)
{
    Interval interval = intervalArgument(call);
    int firstDay = firstDayOfWeekArgument(call, 2);
    int firstWeek = firstWeekOfYearArgument(call, 3);
    if (call.isNull(1))
        return Value::null();
    Moment m = Moment::fromSerial(call.date(1));
    DateParts p = partsFromSerial(double(m.day));
    long long part = 0;
    switch (interval) {
    case Interval::Year:
        part = p.year;
        break;
    case Interval::Quarter:
        part = (p.month - 1) / 3 + 1;
        break;
    case Interval::Month:
        part = p.month;
        break;
    case Interval::DayOfYear:
        part = m.day - firstDayOfYear(p.year) + 1;
        break;
    case Interval::Day:
        part = p.day;
        break;
    case Interval::Weekday:
        part = weekdayFrom(m.day, firstDay);
        break;
    case Interval::Week:
        part = weekOfYear(m.day, firstDay, firstWeek);
        break;
    case Interval::Hour:
        part = m.second / 3600;
        break;
    case Interval::Minute:
        part = m.second / 60 % 60;
        break;
    case Interval::Second:
        part = m.second % 60;
        break;
    }
    return Value::integer(std::int16_t(part));
}

constexpr Builtin kFunctions[] = {
    {u"DateAdd", DateAdd, 3, 3},
    {u"DateDiff", DateDiff, 3, 5},
    {u"DatePart", DatePart, 2, 4},
};

} // namespace

Library dateArithmeticLibrary()
{
    return {kFunctions};
}

} // namespace tabulo::vbs
