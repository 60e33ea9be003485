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
        : type_(Type::Empty)
    {
        u_.i64 = 0;
    }
    // Numbers and other plain values copy as bits; only strings, arrays and objects
    // take the out-of-line path that counts references. The interpreter's inner loops
    // depend on these staying inline.
    Value(const Value &other)
        : type_(other.type_)
        , missing_(other.missing_)
    {
        if (other.managed())
            copyFrom(other);
        else
            u_.i64 = other.u_.i64;
    }
    Value(Value &&other) noexcept
        : type_(Type::Empty)
    {
        takePayload(other);
    }
    Value &operator=(const Value &other)
    {
        if (!managed() && !other.managed()) {
            type_ = other.type_;
            missing_ = other.missing_;
            u_.i64 = other.u_.i64;
            return *this;
        }
        return assignManaged(other);
    }
    Value &operator=(Value &&other) noexcept
    {
        if (!managed() && !other.managed()) {
            type_ = other.type_;
            missing_ = other.missing_;
            u_.i64 = other.u_.i64;
            other.type_ = Type::Empty;
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
        v.type_ = Type::Null;
        return v;
    }
    static Value boolean(bool b)
    {
        Value v;
        v.type_ = Type::Boolean;
        v.u_.b = b;
        return v;
    }
    static Value byte(std::uint8_t n)
    {
        Value v;
        v.type_ = Type::Byte;
        v.u_.u8 = n;
        return v;
    }
    static Value integer(std::int16_t n)
    {
        Value v;
        v.type_ = Type::Integer;
        v.u_.i16 = n;
        return v;
    }
    static Value longValue(std::int32_t n)
    {
        Value v;
        v.type_ = Type::Long;
        v.u_.i32 = n;
        return v;
    }
    static Value single(float n)
    {
        Value v;
        v.type_ = Type::Single;
        v.u_.f = n;
        return v;
    }
    static Value number(double n)
    {
        Value v;
        v.type_ = Type::Double;
        v.u_.d = n;
        return v;
    }
    // Currency is a 64-bit integer scaled by 10,000 (four decimals, exact).
    static Value currency(std::int64_t scaledBy10000)
    {
        Value v;
        v.type_ = Type::Currency;
        v.u_.i64 = scaledBy10000;
        return v;
    }
    // Dates are days since 30 December 1899, the time as the fraction of a day.
    static Value date(double serial)
    {
        Value v;
        v.type_ = Type::Date;
        v.u_.d = serial;
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
        v.type_ = Type::Error;
        v.u_.i32 = code;
        return v;
    }
    // An argument left out of a call, as in MsgBox "hi", , "title".
    static Value missing()
    {
        Value v = errorCode(0x80020004);
        v.missing_ = true;
        return v;
    }
    // A one-dimensional array with lower bound 0 holding these items.
    static Value array(std::vector<Value> items);
    // An array of Empty values with these upper bounds (lower bounds are 0).
    // Raises error 7 (Out of memory) when the element count is over the limit.
    static Value array(std::span<const std::int32_t> upperBounds);

    // --- Inspection ----------------------------------------------------------------
    Type type() const { return type_; }
    bool isEmpty() const { return type_ == Type::Empty; }
    bool isNull() const { return type_ == Type::Null; }
    bool isString() const { return type_ == Type::String; }
    bool isObject() const { return type_ == Type::Object; }
    bool isNothing() const { return type_ == Type::Object && !u_.object; }
    bool isArray() const { return type_ == Type::Array; }
    bool isMissing() const { return missing_; }
    // Holds no string, array or object: copying and dropping it are plain bit copies.
    bool isPlain() const { return !managed(); }
    // Integer, Long, Single, Double, Currency, Byte, Date and Boolean hold numbers.
    bool isNumber() const;

    // Raw access: only valid for the matching type().
    bool rawBool() const { return u_.b; }
    std::uint8_t rawByte() const { return u_.u8; }
    std::int16_t rawInteger() const { return u_.i16; }
    std::int32_t rawLong() const { return u_.i32; }
    float rawSingle() const { return u_.f; }
    double rawDouble() const { return u_.d; }
    std::int64_t rawCurrency() const { return u_.i64; }
    double rawDate() const { return u_.d; }
    const std::u16string &rawString() const;
    const std::shared_ptr<Object> &rawObject() const { return u_.object; }
    ArrayData &rawArray() const { return *u_.array; }
    // Array storage to write into: copied first when another Value shares it.
    ArrayData &mutableArray();
    std::int32_t rawError() const { return u_.i32; }

    // Appends to a string Value in place when this Value owns the only reference,
    // so a loop of s = s & "x" does not copy the whole string each time.
    void appendString(std::u16string_view tail);

private:
    bool managed() const { return type_ == Type::String || type_ == Type::Object || type_ == Type::Array; }
    // Moves other's payload into this Value, which holds nothing to release; other
    // becomes Empty.
    void takePayload(Value &other) noexcept
    {
        type_ = other.type_;
        missing_ = other.missing_;
        if (other.type_ == Type::Object) {
            new (&u_.object) std::shared_ptr<Object>(std::move(other.u_.object));
            other.u_.object.~shared_ptr();
        } else {
            u_.i64 = other.u_.i64;
        }
        other.type_ = Type::Empty;
        other.missing_ = false;
    }
    void release() noexcept;
    void copyFrom(const Value &other);
    Value &assignManaged(const Value &other);
    Value &moveManaged(Value &&other) noexcept;

    Type type_;
    bool missing_ = false;
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
    } u_;
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

// Text conversion between UTF-8 (files, the command line) and UTF-16 (scripts).
std::u16string fromUtf8(std::string_view utf8);
std::string toUtf8(std::u16string_view text);

// Case-insensitive comparison of names (identifiers, member names, ProgIDs).
bool sameName(std::u16string_view a, std::u16string_view b);
char16_t foldCase(char16_t c);
std::u16string foldName(std::u16string_view name);

} // namespace tabulo::vbs
