#pragma once
// The Variant: every value a script handles. Small (24 bytes), cheap to copy:
// strings and arrays are shared and reference-counted, objects are shared_ptr.
//
// Strings are UTF-16 like VBScript's own (Len, Mid and AscW count UTF-16 units).
// Arrays behave as values in the language (b = a copies); sharing the storage and
// copying it only when a shared array is written keeps that cheap.
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "vbs/text.h"

namespace tabulo::vbs {

class Object;
struct StringData;
struct ArrayData;

// The numbers VarType() returns.
enum class Type : std::uint16_t {
    Empty = 0,
    Null = 1,
    Integer = 2,
    Long = 3,
    Single = 4,
    Double = 5,
    Currency = 6,
    Date = 7,
    String = 8,
    Object = 9,
    Error = 10,
    Boolean = 11,
    Byte = 17,
    Array = 8204, // vbArray + vbVariant: our arrays always hold Variants
};

class Value
{
public:
    Value() noexcept
        : m_type(Type::Empty)
    {
        m_u.i64 = 0;
    }
    // Numbers and other plain values copy as bits; only strings, arrays and objects
    // take the out-of-line path that counts references. The interpreter's inner loops
    // depend on these staying inline.
    Value(const Value &other)
        : m_type(other.m_type)
        , m_missing(other.m_missing)
    {
        if (other.managed())
            copyFrom(other);
        else
            m_u.i64 = other.m_u.i64;
    }
    Value(Value &&other) noexcept
        : m_type(Type::Empty)
    {
        takePayload(other);
    }
    Value &operator=(const Value &other)
    {
        if (!managed() && !other.managed()) {
            m_type = other.m_type;
            m_missing = other.m_missing;
            m_u.i64 = other.m_u.i64;
            return *this;
        }
        return assignManaged(other);
    }
    Value &operator=(Value &&other) noexcept
    {
        if (!managed() && !other.managed()) {
            m_type = other.m_type;
            m_missing = other.m_missing;
            m_u.i64 = other.m_u.i64;
            other.m_type = Type::Empty;
            return *this;
        }
        return moveManaged(std::move(other));
    }
    ~Value()
    {
        if (managed())
            release();
    }

    // --- Construction, one factory per subtype -------------------------------------
    static Value empty() { return Value(); }
    static Value null()
    {
        Value v;
        v.m_type = Type::Null;
        return v;
    }
    static Value boolean(bool b)
    {
        Value v;
        v.m_type = Type::Boolean;
        v.m_u.b = b;
        return v;
    }
    static Value byte(std::uint8_t n)
    {
        Value v;
        v.m_type = Type::Byte;
        v.m_u.u8 = n;
        return v;
    }
    static Value integer(std::int16_t n)
    {
        Value v;
        v.m_type = Type::Integer;
        v.m_u.i16 = n;
        return v;
    }
    static Value longValue(std::int32_t n)
    {
        Value v;
        v.m_type = Type::Long;
        v.m_u.i32 = n;
        return v;
    }
    static Value single(float n)
    {
        Value v;
        v.m_type = Type::Single;
        v.m_u.f = n;
        return v;
    }
    static Value number(double n)
    {
        Value v;
        v.m_type = Type::Double;
        v.m_u.d = n;
        return v;
    }
    // Currency is a 64-bit integer scaled by 10,000 (four decimals, exact).
    static Value currency(std::int64_t scaledBy10000)
    {
        Value v;
        v.m_type = Type::Currency;
        v.m_u.i64 = scaledBy10000;
        return v;
    }
    // Dates are days since 30 December 1899, the time as the fraction of a day.
    static Value date(double serial)
    {
        Value v;
        v.m_type = Type::Date;
        v.m_u.d = serial;
        return v;
    }
    static Value string(std::u16string text);
    static Value string(std::u16string_view text) { return string(std::u16string(text)); }
    static Value string(const char16_t *text) { return string(std::u16string(text)); }
    // Plain ASCII/UTF-8 text from C++ code; invalid UTF-8 becomes U+FFFD.
    static Value fromUtf8(std::string_view utf8);
    static Value object(std::shared_ptr<Object> object);
    static Value nothing() { return object(nullptr); }
    static Value errorCode(std::int32_t code)
    {
        Value v;
        v.m_type = Type::Error;
        v.m_u.i32 = code;
        return v;
    }
    // An argument left out of a call, as in MsgBox "hi", , "title".
    static Value missing()
    {
        Value v = errorCode(0x80020004);
        v.m_missing = true;
        return v;
    }
    // A one-dimensional array with lower bound 0 holding these items.
    static Value array(std::vector<Value> items);
    // An array of Empty values with these upper bounds (lower bounds are 0).
    // Raises error 7 (Out of memory) when the element count is over the limit.
    static Value array(std::span<const std::int32_t> upperBounds);

    // --- Inspection ----------------------------------------------------------------
    Type type() const { return m_type; }
    bool isEmpty() const { return m_type == Type::Empty; }
    bool isNull() const { return m_type == Type::Null; }
    bool isString() const { return m_type == Type::String; }
    bool isObject() const { return m_type == Type::Object; }
    bool isNothing() const { return m_type == Type::Object && !m_u.object; }
    bool isArray() const { return m_type == Type::Array; }
    bool isMissing() const { return m_missing; }
    // Holds no string, array or object: copying and dropping it are plain bit copies.
    bool isPlain() const { return !managed(); }
    // Integer, Long, Single, Double, Currency, Byte, Date and Boolean hold numbers.
    bool isNumber() const;

    // Raw access: only valid for the matching type().
    bool rawBool() const { return m_u.b; }
    std::uint8_t rawByte() const { return m_u.u8; }
    std::int16_t rawInteger() const { return m_u.i16; }
    std::int32_t rawLong() const { return m_u.i32; }
    float rawSingle() const { return m_u.f; }
    double rawDouble() const { return m_u.d; }
    std::int64_t rawCurrency() const { return m_u.i64; }
    double rawDate() const { return m_u.d; }
    const std::u16string &rawString() const;
    const std::shared_ptr<Object> &rawObject() const { return m_u.object; }
    ArrayData &rawArray() const { return *m_u.array; }
    // Array storage to write into: copied first when another Value shares it.
    ArrayData &mutableArray();
    std::int32_t rawError() const { return m_u.i32; }

    // Appends to a string Value in place when this Value owns the only reference,
    // so a loop of s = s & "x" does not copy the whole string each time.
    void appendString(std::u16string_view tail);

private:
    bool managed() const { return m_type == Type::String || m_type == Type::Object || m_type == Type::Array; }
    // Moves other's payload into this Value, which holds nothing to release; other
    // becomes Empty.
    void takePayload(Value &other) noexcept
    {
        m_type = other.m_type;
        m_missing = other.m_missing;
        if (other.m_type == Type::Object) {
            new (&m_u.object) std::shared_ptr<Object>(std::move(other.m_u.object));
            other.m_u.object.~shared_ptr();
        } else {
            m_u.i64 = other.m_u.i64;
        }
        other.m_type = Type::Empty;
        other.m_missing = false;
    }
    void release() noexcept;
    void copyFrom(const Value &other);
    Value &assignManaged(const Value &other);
    Value &moveManaged(Value &&other) noexcept;

    Type m_type;
    bool m_missing = false;
    union Payload {
        Payload()
            : i64(0)
        {
        }
        ~Payload() { }
        bool b;
        std::uint8_t u8;
        std::int16_t i16;
        std::int32_t i32;
        float f;
        double d;
        std::int64_t i64;
        StringData *string;
        ArrayData *array;
        std::shared_ptr<Object> object;
    } m_u;
};

using Args = std::span<Value>;

// Storage of a string Value.
struct StringData
{
    std::uint32_t refs = 1;
    std::u16string text;
};

// Storage of an array Value: dimensions (lower bound, element count) and the elements
// with the first index varying fastest. That order makes ReDim Preserve, which may
// only change the last dimension, a plain resize of items.
struct ArrayData
{
    struct Dimension
    {
        std::int32_t lower = 0;
        std::int32_t count = 0;
        std::int32_t upper() const { return lower + count - 1; }
    };
    std::uint32_t refs = 1;
    std::vector<Dimension> dims;
    std::vector<Value> items;
    bool fixedSize = false; // declared with bounds (Dim a(3)): ReDim refuses it

    // The position of an element in items, or -1 when an index is out of range.
    std::int64_t offsetOf(std::span<const std::int32_t> indices) const;
};

// Largest string and array we allocate before raising Out of memory (7): far below
// what would make the allocator fail, so a runaway script cannot take the program down.
inline constexpr std::size_t kMaxStringLength = std::size_t(1) << 25; // 32 Mi UTF-16 units (64 MB)
inline constexpr std::size_t kMaxArrayElements = std::size_t(1) << 24; // 16 Mi elements

} // namespace tabulo::vbs
