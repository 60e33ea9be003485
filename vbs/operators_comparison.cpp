// Comparison: =, <>, <, >, <=, >= on Values (with the literal rule), string comparison, Is.
#include "vbs/operators.h"

#include "vbs/convert.h"
#include "vbs/error.h"
#include "vbs/object.h"
#include "vbs/operators_internal.h"

namespace tabulo::vbs {

int compareStrings(std::u16string_view a, std::u16string_view b, bool textCompare)
{
    std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        char16_t x = textCompare ? foldCase(a[i]) : a[i];
        char16_t y = textCompare ? foldCase(b[i]) : b[i];
        if (x != y)
            return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

namespace {
Ordering orderingOf(double a, double b)
{
    return a < b ? Ordering::Less : a > b ? Ordering::Greater : Ordering::Equal;
}
Ordering orderingOf(int c)
{
    return c < 0 ? Ordering::Less : c > 0 ? Ordering::Greater : Ordering::Equal;
}
} // namespace

Ordering compare(const Value &a, const Value &b, const Locale &locale, CompareHints hints)
{
    if (a.isObject() || b.isObject()) {
        Value x = a.isObject() ? valueOf(a) : a;
        Value y = b.isObject() ? valueOf(b) : b;
        return compare(x, y, locale, hints);
    }
    if (a.isNull() || b.isNull())
        return Ordering::Null;
    if (a.isArray() || b.isArray() || a.type() == Type::Error || b.type() == Type::Error)
        raise(err::TypeMismatch);
    bool sa = a.isString(), sb = b.isString();
    if (sa && sb)
        return orderingOf(compareStrings(a.rawString(), b.rawString(), hints.textCompare));
    if (!sa && !sb) {
        if (a.type() == Type::Integer && b.type() == Type::Integer)
            return orderingOf(a.rawInteger() - b.rawInteger());
        return orderingOf(doubleOf(toNumeric(a, locale)), doubleOf(toNumeric(b, locale)));
    }
    const Value &text = sa ? a : b;
    const Value &other = sa ? b : a;
    bool textIsLiteral = sa ? hints.leftIsLiteral : hints.rightIsLiteral;
    bool otherIsLiteral = sa ? hints.rightIsLiteral : hints.leftIsLiteral;
    Ordering textVsOther;
    if (other.isEmpty()) {
        textVsOther = orderingOf(compareStrings(text.rawString(), u"", false));
    } else if (textIsLiteral || otherIsLiteral) {
        double n;
        if (!parseNumber(text.rawString(), locale, n))
            raise(err::TypeMismatch);
        textVsOther = orderingOf(n, doubleOf(other));
    } else {
        textVsOther = Ordering::Greater; // a number is less than any string
    }
    if (sa)
        return textVsOther;
    if (textVsOther == Ordering::Less)
        return Ordering::Greater;
    if (textVsOther == Ordering::Greater)
        return Ordering::Less;
    return textVsOther;
}

bool sameObject(const Value &a, const Value &b)
{
    if (!a.isObject() || !b.isObject())
        raise(err::ObjectRequired);
    return a.rawObject() == b.rawObject();
}

} // namespace tabulo::vbs
