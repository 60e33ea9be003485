// The named constants of the language.
#include "vbs/core_builtins.h"

namespace tabulo::vbs {
namespace {

#define TEXT_CONSTANT(name, text)                                                                                      \
    {                                                                                                                  \
        u## #name, [] { return Value::string(text); }                                                                  \
    }
#define INT_CONSTANT(name, n)                                                                                          \
    {                                                                                                                  \
        u## #name, [] { return Value::integer(n); }                                                                    \
    }
#define LONG_CONSTANT(name, n)                                                                                         \
    {                                                                                                                  \
        u## #name, [] { return Value::longValue(n); }                                                                  \
    }

const BuiltinConstant kConstants[] = {
    TEXT_CONSTANT(vbCrLf, u"\r\n"),
    TEXT_CONSTANT(vbCr, u"\r"),
    TEXT_CONSTANT(vbLf, u"\n"),
    TEXT_CONSTANT(vbNewLine, u"\r\n"),
    TEXT_CONSTANT(vbTab, u"\t"),
    TEXT_CONSTANT(vbNullString, u""),
    {u"vbNullChar", [] { return Value::string(std::u16string(1, u'\0')); }},
    TEXT_CONSTANT(vbFormFeed, u"\f"),
    TEXT_CONSTANT(vbVerticalTab, u"\v"),
    LONG_CONSTANT(vbObjectError, -2147221504),
    INT_CONSTANT(vbBinaryCompare, 0),
    INT_CONSTANT(vbTextCompare, 1),
    INT_CONSTANT(vbDatabaseCompare, 2),
    INT_CONSTANT(vbEmpty, 0),
    INT_CONSTANT(vbNull, 1),
    INT_CONSTANT(vbInteger, 2),
    INT_CONSTANT(vbLong, 3),
    INT_CONSTANT(vbSingle, 4),
    INT_CONSTANT(vbDouble, 5),
    INT_CONSTANT(vbCurrency, 6),
    INT_CONSTANT(vbDate, 7),
    INT_CONSTANT(vbString, 8),
    INT_CONSTANT(vbObject, 9),
    INT_CONSTANT(vbError, 10),
    INT_CONSTANT(vbBoolean, 11),
    INT_CONSTANT(vbVariant, 12),
    INT_CONSTANT(vbDataObject, 13),
    INT_CONSTANT(vbDecimal, 14),
    INT_CONSTANT(vbByte, 17),
    INT_CONSTANT(vbArray, 8192),
    INT_CONSTANT(vbOKOnly, 0),
    INT_CONSTANT(vbOKCancel, 1),
    INT_CONSTANT(vbAbortRetryIgnore, 2),
    INT_CONSTANT(vbYesNoCancel, 3),
    INT_CONSTANT(vbYesNo, 4),
    INT_CONSTANT(vbRetryCancel, 5),
    INT_CONSTANT(vbCritical, 16),
    INT_CONSTANT(vbQuestion, 32),
    INT_CONSTANT(vbExclamation, 48),
    INT_CONSTANT(vbInformation, 64),
    INT_CONSTANT(vbDefaultButton1, 0),
    INT_CONSTANT(vbDefaultButton2, 256),
    INT_CONSTANT(vbDefaultButton3, 512),
    INT_CONSTANT(vbDefaultButton4, 768),
    INT_CONSTANT(vbApplicationModal, 0),
    INT_CONSTANT(vbSystemModal, 4096),
    INT_CONSTANT(vbOK, 1),
    INT_CONSTANT(vbCancel, 2),
    INT_CONSTANT(vbAbort, 3),
    INT_CONSTANT(vbRetry, 4),
    INT_CONSTANT(vbIgnore, 5),
    INT_CONSTANT(vbYes, 6),
    INT_CONSTANT(vbNo, 7),
    INT_CONSTANT(vbUseDefault, -2),
    INT_CONSTANT(vbTrue, -1),
    INT_CONSTANT(vbFalse, 0),
    INT_CONSTANT(vbGeneralDate, 0),
    INT_CONSTANT(vbLongDate, 1),
    INT_CONSTANT(vbShortDate, 2),
    INT_CONSTANT(vbLongTime, 3),
    INT_CONSTANT(vbShortTime, 4),
    INT_CONSTANT(vbUseSystemDayOfWeek, 0),
    INT_CONSTANT(vbSunday, 1),
    INT_CONSTANT(vbMonday, 2),
    INT_CONSTANT(vbTuesday, 3),
    INT_CONSTANT(vbWednesday, 4),
    INT_CONSTANT(vbThursday, 5),
    INT_CONSTANT(vbFriday, 6),
    INT_CONSTANT(vbSaturday, 7),
    INT_CONSTANT(vbUseSystem, 0),
    INT_CONSTANT(vbFirstJan1, 1),
    INT_CONSTANT(vbFirstFourDays, 2),
    INT_CONSTANT(vbFirstFullWeek, 3),
    LONG_CONSTANT(vbBlack, 0x000000),
    LONG_CONSTANT(vbRed, 0x0000FF),
    LONG_CONSTANT(vbGreen, 0x00FF00),
    LONG_CONSTANT(vbYellow, 0x00FFFF),
    LONG_CONSTANT(vbBlue, 0xFF0000),
    LONG_CONSTANT(vbMagenta, 0xFF00FF),
    LONG_CONSTANT(vbCyan, 0xFFFF00),
    LONG_CONSTANT(vbWhite, 0xFFFFFF),
};

#undef TEXT_CONSTANT
#undef INT_CONSTANT
#undef LONG_CONSTANT

} // namespace

Library coreConstantLibrary()
{
    return {{}, kConstants};
}

} // namespace tabulo::vbs
