// Building dates (DateSerial, TimeSerial, DateValue, TimeValue) and showing them
// (FormatDateTime).
#include <cmath>

#include "vbs/lib/date_support.h"
#include "vbs/lib/libraries.h"
#include "vbs/lib/library_support.h"

namespace tabulo::vbs {
namespace {

// DateSerial(year, month, day): months and days outside their range roll over into
// the neighbouring months and years; years 0-29 are 2000-2029, 30-99 are 1930-1999.
Value DateSerial(CallContext &call)
{
    const Locale &locale = call.locale();
    int year = toInteger(call.arg(0), locale);
    int month = toInteger(call.arg(1), locale);
    int day = toInteger(call.arg(2), locale);
    std::optional<double> serial = serialFromDate(year, month, day);
    if (!serial)
        raise(err::InvalidCall);
    return Value::date(*serial);
}

// TimeSerial(hour, minute, second): the parts may overflow into each other and into
// the days before or after day zero.
Value TimeSerial(CallContext &call)
{
    const Locale &locale = call.locale();
    long long total = toInteger(call.arg(0), locale) * 3600LL + toInteger(call.arg(1), locale) * 60LL
        + toInteger(call.arg(2), locale);
    return Value::date(Moment::fromTotalSeconds(total).serial());
}

// DateValue(date): the date part; TimeValue(time): the time part.
Value DateValue(CallContext &call)
{
    if (call.isNull(0))
        return Value::null();
    return Value::date(double(Moment::fromSerial(call.date(0)).day));
}

Value TimeValue(CallContext &call)
{
    if (call.isNull(0))
        return Value::null();
    return Value::date(double(Moment::fromSerial(call.date(0)).second) / 86400.0);
}

// FormatDateTime(date[, namedformat]) with vbGeneralDate, vbLongDate, vbShortDate,
// vbLongTime or vbShortTime, in the engine's locale.
Value FormatDateTime(CallContext &call)
{
    std::int32_t format = call.longOr(1, 0);
    if (format < 0 || format > 4)
        raise(err::InvalidCall);
    if (call.isNull(0))
        return Value::null();
    double serial = call.date(0);
    const Locale &locale = call.locale();
    switch (format) {
    case 1:
        return Value::string(formatDatePattern(serial, locale.longDateFormat, locale));
    case 2:
        return Value::string(formatDatePattern(serial, locale.shortDateFormat, locale));
    case 3:
        return Value::string(formatDatePattern(serial, locale.longTimeFormat, locale));
    case 4:
        return Value::string(formatDatePattern(serial, locale.shortTimeFormat, locale));
    default:
        return Value::string(formatDate(serial, locale));
    }
}

constexpr Builtin kFunctions[] = {
    {u"DateSerial", DateSerial, 3, 3},
    {u"TimeSerial", TimeSerial, 3, 3},
    {u"DateValue", DateValue, 1, 1},
    {u"TimeValue", TimeValue, 1, 1},
    {u"FormatDateTime", FormatDateTime, 1, 2},
};

} // namespace

Library dateConstructionLibrary()
{
    return {kFunctions};
}

} // namespace tabulo::vbs
