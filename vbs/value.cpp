#include "vbs/value.h"

#include "vbs/error.h"
#include "vbs/object.h"

namespace tabulo::vbs {

Value &Value::assignManaged(const Value &other)
{
    if (this != &other) {
        // Take the new reference before dropping the old one: `a = a(0)` style
        // assignments may hold the only reference to what is being replaced.
        Value copy(other);
        *this = std::move(copy);
    }
    return *this;
}

Value &Value::moveManaged(Value &&other) noexcept
{
    if (this != &other) {
        Value old(std::move(*this)); // released after the move, see operator= above
        takePayload(other);
    }
    return *this;
}

void Value::copyFrom(const Value &other)
{
    m_type = other.m_type;
    m_missing = other.m_missing;
    switch (m_type) {
    case Type::Object:
        new (&m_u.object) std::shared_ptr<Object>(other.m_u.object);
        break;
    case Type::String:
        m_u.string = other.m_u.string;
        ++m_u.string->refs;
        break;
    case Type::Array:
        m_u.array = other.m_u.array;
        ++m_u.array->refs;
        break;
    default:
        m_u.i64 = other.m_u.i64;
        break;
    }
}

void Value::release() noexcept
{
    switch (m_type) {
    case Type::Object:
        m_u.object.~shared_ptr();
        break;
    case Type::String:
        if (--m_u.string->refs == 0)
            delete m_u.string;
        break;
    case Type::Array:
        if (--m_u.array->refs == 0)
            delete m_u.array;
        break;
    default:
        break;
    }
    m_type = Type::Empty;
    m_u.i64 = 0;
}

Value Value::string(std::u16string text)
{
    if (text.size() > kMaxStringLength)
        raise(err::OutOfMemory);
    Value v;
    v.m_type = Type::String;
    v.m_u.string = new StringData {1, std::move(text)};
    return v;
}

Value Value::fromUtf8(std::string_view utf8)
{
    return string(vbs::fromUtf8(utf8));
}

Value Value::object(std::shared_ptr<Object> object)
{
    Value v;
    v.m_type = Type::Object;
    new (&v.m_u.object) std::shared_ptr<Object>(std::move(object));
    return v;
}

Value Value::array(std::vector<Value> items)
{
    if (items.size() > kMaxArrayElements)
        raise(err::OutOfMemory);
    Value v;
    v.m_type = Type::Array;
    v.m_u.array = new ArrayData;
    v.m_u.array->dims.push_back({0, std::int32_t(items.size())});
    v.m_u.array->items = std::move(items);
    return v;
}

Value Value::array(std::span<const std::int32_t> upperBounds)
{
    auto data = std::make_unique<ArrayData>();
    std::size_t total = 1;
    for (std::int32_t upper : upperBounds) {
        // Dim a(-1) is a legal empty array; anything lower is not.
        if (upper < -1)
            raise(err::SubscriptOutOfRange);
        std::size_t count = std::size_t(std::int64_t(upper) + 1);
        data->dims.push_back({0, std::int32_t(count)});
        if (count != 0 && total > kMaxArrayElements / count)
            raise(err::OutOfMemory);
        total *= count;
    }
    if (total > kMaxArrayElements)
        raise(err::OutOfMemory);
    data->items.resize(upperBounds.empty() ? 0 : total);
    Value v;
    v.m_type = Type::Array;
    v.m_u.array = data.release();
    return v;
}

bool Value::isNumber() const
{
    switch (m_type) {
    case Type::Integer:
    case Type::Long:
    case Type::Single:
    case Type::Double:
    case Type::Currency:
    case Type::Byte:
    case Type::Date:
    case Type::Boolean:
        return true;
    default:
        return false;
    }
}

const std::u16string &Value::rawString() const
{
    return m_u.string->text;
}

ArrayData &Value::mutableArray()
{
    if (m_u.array->refs > 1) {
        auto *copy = new ArrayData {1, m_u.array->dims, m_u.array->items, m_u.array->fixedSize};
        --m_u.array->refs;
        m_u.array = copy;
    }
    return *m_u.array;
}

void Value::appendString(std::u16string_view tail)
{
    if (m_u.string->text.size() + tail.size() > kMaxStringLength)
        raise(err::OutOfMemory);
    if (m_u.string->refs == 1) {
        m_u.string->text.append(tail);
        return;
    }
    std::u16string joined;
    joined.reserve(m_u.string->text.size() + tail.size());
    joined.append(m_u.string->text).append(tail);
    *this = string(std::move(joined));
}

std::int64_t ArrayData::offsetOf(std::span<const std::int32_t> indices) const
{
    // A dynamic array not yet dimensioned (Dim a()) has no element at all.
    if (indices.size() != dims.size() || dims.empty())
        return -1;
    std::int64_t offset = 0;
    std::int64_t stride = 1;
    for (std::size_t i = 0; i < dims.size(); ++i) {
        std::int64_t k = std::int64_t(indices[i]) - dims[i].lower;
        if (k < 0 || k >= dims[i].count)
            return -1;
        offset += k * stride;
        stride *= dims[i].count;
    }
    return offset;
}

// --- Object defaults -----------------------------------------------------------------

Value Object::invoke(std::u16string_view, Args)
{
    raise(err::NoSuchMember);
}
void Object::assign(std::u16string_view, Args, const Value &, bool)
{
    raise(err::NoSuchMember);
}
std::vector<Value> Object::enumerate()
{
    raise(err::NotACollection);
}
bool Object::canAppendTo(std::u16string_view) const
{
    return false;
}
void Object::appendTo(std::u16string_view, std::u16string_view)
{
    raise(err::NoSuchMember);
}

} // namespace tabulo::vbs
