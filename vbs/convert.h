#pragma once
// The language's conversions between subtypes. Each raises the error a script would
// see: 13 (Type mismatch) for text that is not a number, 6 (Overflow) for a number out
// of range, 94 (Invalid use of Null) for Null, 91/438 for objects without a value.
// Text <-> number conversions follow the engine's Locale.
#include <cstdint>
#include <string>
#include <string_view>

#include "vbs/locale.h"
#include "vbs/value.h"

namespace tabulo::vbs {

// An object's default value (its default member read with no arguments); any other
// value is returned as it is. Nothing raises 91, an object without a default 438.
Value valueOf(const Value &v);

double toDouble(const Value &v, const Locale &locale);
float toSingle(const Value &v, const Locale &locale);
// Banker's rounding (2.5 -> 2, 3.5 -> 4), as CInt and CLng do.
std::int32_t toLong(const Value &v, const Locale &locale);
std::int16_t toInteger(const Value &v, const Locale &locale);
std::uint8_t toByte(const Value &v, const Locale &locale);
std::int64_t toCurrency(const Value &v, const Locale &locale); // scaled by 10,000
bool toBool(const Value &v, const Locale &locale);
double toDate(const Value &v, const Locale &locale); // date serial
// CStr: numbers in the general number format, True/False in the locale's words, dates in the locale's short
// date and long time. Null raises 94; Empty is "".
std::u16string toString(const Value &v, const Locale &locale);

// A number-typed copy for arithmetic: strings become Double, Empty becomes Integer 0,
// Boolean stays Boolean (callers decide), Null stays Null.
Value toNumeric(const Value &v, const Locale &locale);

// The general number format: up to 15 significant digits, the locale's decimal
// separator, no grouping, exponent form for magnitudes >= 1E15 or < 1E-4 ("1E+15",
// "1E-05", "1.23456789012346E+17"). Single values use 7 digits.
std::u16string formatNumber(double n, const Locale &locale, int significantDigits = 15);
std::u16string formatCurrency(std::int64_t scaled, const Locale &locale); // CStr of a Currency

// Reads text the way CDbl does: leading/trailing blanks, sign, the locale's decimal
// separator (and "." too when the locale's separator differs and has no other role),
// group separators, exponent, "&H" hex and "&O" octal. Returns false for anything else.
bool parseNumber(std::u16string_view text, const Locale &locale, double &out);

// Conversions to text for C++ callers that hold a plain number.
std::u16string toText(std::int64_t n);

} // namespace tabulo::vbs
