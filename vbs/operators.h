#pragma once
// The language's operators on Values, with its typing rules: Integer results that
// overflow become Long, then Double; Null propagates; "+" on two strings joins them;
// And/Or/Xor/Not/Eqv/Imp are logical on Booleans and bitwise on numbers.
#include "vbs/locale.h"
#include "vbs/value.h"

namespace tabulo::vbs {

Value add(const Value &a, const Value &b, const Locale &locale);
Value subtract(const Value &a, const Value &b, const Locale &locale);
Value multiply(const Value &a, const Value &b, const Locale &locale);
Value divide(const Value &a, const Value &b, const Locale &locale); // /
Value integerDivide(const Value &a, const Value &b, const Locale &locale); // backslash
Value modulo(const Value &a, const Value &b, const Locale &locale); // Mod
Value power(const Value &a, const Value &b, const Locale &locale); // ^
Value concatenate(const Value &a, const Value &b, const Locale &locale); // &
Value negate(const Value &a, const Locale &locale);
Value logicalNot(const Value &a, const Locale &locale);
Value logicalAnd(const Value &a, const Value &b, const Locale &locale);
Value logicalOr(const Value &a, const Value &b, const Locale &locale);
Value logicalXor(const Value &a, const Value &b, const Locale &locale);
Value logicalEqv(const Value &a, const Value &b, const Locale &locale);
Value logicalImp(const Value &a, const Value &b, const Locale &locale);

// How two values compare. A literal in the source changes the rule: comparing a
// string with a number gives "number is less" unless one side is a literal, which
// then converts the other side to its own kind (so `"10" = 10` is True).
enum class Ordering { Less, Equal, Greater, Null };
struct CompareHints
{
    bool leftIsLiteral = false;
    bool rightIsLiteral = false;
    bool textCompare = false; // case-insensitive strings (vbTextCompare)
};
Ordering compare(const Value &a, const Value &b, const Locale &locale, CompareHints hints = {});

// Compares strings: binary (UTF-16 units) or text (case-insensitive).
int compareStrings(std::u16string_view a, std::u16string_view b, bool textCompare);

// Object identity for Is: both Nothing, or the same object.
bool sameObject(const Value &a, const Value &b);

} // namespace tabulo::vbs
