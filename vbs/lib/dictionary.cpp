#include "vbs/lib/dictionary.h"

#include <functional>

#include "vbs/lib/libraries.h"
#include "vbs/lib/library_support.h"

namespace tabulo::vbs {

std::size_t Dictionary::KeyHash::operator()(const KeyIdentity &key) const
{
    std::size_t h = std::size_t(key.kind) * 0x9E3779B97F4A7C15ull;
    switch (key.kind) {
    case KeyIdentity::Kind::String:
        return h ^ std::hash<std::u16string>()(key.text);
    case KeyIdentity::Kind::Object:
        return h ^ std::hash<const void *>()(key.object);
    default:
        return h ^ std::hash<double>()(key.number);
    }
}

Dictionary::KeyIdentity Dictionary::identityOf(const Value &key) const
{
    using Kind = KeyIdentity::Kind;
    KeyIdentity id;
    switch (key.type()) {
    case Type::Empty:
        id.kind = Kind::Empty;
        break;
    case Type::Null:
        id.kind = Kind::Null;
        break;
    case Type::Boolean:
        id.kind = Kind::Boolean;
        id.number = key.rawBool() ? -1 : 0;
        break;
    case Type::Date:
        id.kind = Kind::Date;
        id.number = key.rawDate();
        break;
    case Type::String:
        id.kind = Kind::String;
        id.text = m_compareMode == vb::BinaryCompare ? key.rawString() : lowerCase(key.rawString());
        break;
    case Type::Object:
        id.kind = Kind::Object;
        id.object = key.rawObject().get();
        break;
    case Type::Array:
    case Type::Error:
        raise(err::TypeMismatch);
    default:
        id.kind = Kind::Number;
        id.number = toDouble(key, m_runtime.locale());
        break;
    }
    if (id.number == 0)
        id.number = 0; // -0 and 0 are one key
    return id;
}

Dictionary::Entries::iterator Dictionary::find(const Value &key)
{
    auto it = m_index.find(identityOf(key));
    return it == m_index.end() ? m_entries.end() : it->second;
}

Dictionary::Entries::iterator Dictionary::findOrRaise(const Value &key)
{
    auto it = find(key);
    if (it == m_entries.end())
        raise(err::ElementNotFound);
    return it;
}

void Dictionary::add(const Value &key, Value item)
{
    KeyIdentity id = identityOf(key);
    if (m_index.count(id))
        raise(457); // This key is already associated with an element
    m_entries.push_back({key, std::move(item)});
    m_index.emplace(std::move(id), std::prev(m_entries.end()));
}

Value &Dictionary::itemFor(const Value &key)
{
    auto it = find(key);
    if (it != m_entries.end())
        return it->item;
    add(key, Value());
    return m_entries.back().item;
}

void Dictionary::rename(const Value &oldKey, const Value &newKey)
{
    auto it = findOrRaise(oldKey);
    KeyIdentity newId = identityOf(newKey);
    auto existing = m_index.find(newId);
    if (existing != m_index.end()) {
        if (existing->second == it) { // the same key in another spelling or subtype
            it->key = newKey;
            return;
        }
        raise(457);
    }
    m_index.erase(identityOf(it->key));
    it->key = newKey;
    m_index.emplace(std::move(newId), it);
}

void Dictionary::remove(const Value &key)
{
    auto it = findOrRaise(key);
    m_index.erase(identityOf(it->key));
    m_entries.erase(it);
}

// The comparison may only change while the dictionary is empty, as existing keys were
// indexed under the old one.
void Dictionary::setCompareMode(const Value &mode)
{
    std::int32_t m = toLong(mode, m_runtime.locale());
    if (m < 0 || !m_entries.empty())
        raise(err::InvalidCall);
    m_compareMode = m;
}

std::vector<Value> Dictionary::column(Value Entry::*member) const
{
    if (m_entries.size() > kMaxArrayElements)
        raise(err::OutOfMemory);
    std::vector<Value> out;
    out.reserve(m_entries.size());
    for (const Entry &e : m_entries)
        out.push_back(e.*member);
    return out;
}

namespace {
void expectArguments(Args args, std::size_t count)
{
    if (args.size() != count)
        raise(err::WrongArgumentCount);
}
} // namespace

Value Dictionary::invoke(std::u16string_view name, Args args)
{
    if (name.empty() || sameName(name, u"Item")) {
        expectArguments(args, 1);
        return itemFor(args[0]);
    }
    if (sameName(name, u"Add")) {
        expectArguments(args, 2);
        add(args[0], args[1]);
        return Value();
    }
    if (sameName(name, u"Exists")) {
        expectArguments(args, 1);
        return Value::boolean(find(args[0]) != m_entries.end());
    }
    if (sameName(name, u"Count")) {
        expectArguments(args, 0);
        return Value::longValue(std::int32_t(m_entries.size()));
    }
    if (sameName(name, u"Keys")) {
        expectArguments(args, 0);
        return Value::array(column(&Entry::key));
    }
    if (sameName(name, u"Items")) {
        expectArguments(args, 0);
        return Value::array(column(&Entry::item));
    }
    if (sameName(name, u"Remove")) {
        expectArguments(args, 1);
        remove(args[0]);
        return Value();
    }
    if (sameName(name, u"RemoveAll")) {
        expectArguments(args, 0);
        m_index.clear();
        m_entries.clear();
        return Value();
    }
    if (sameName(name, u"CompareMode")) {
        expectArguments(args, 0);
        return Value::longValue(m_compareMode);
    }
    raise(err::NoSuchMember);
}

void Dictionary::assign(std::u16string_view name, Args args, const Value &value, bool isSet)
{
    // A Let of an object stores its default value; Set stores the object itself.
    Value stored = isSet || !value.isObject() ? value : valueOf(value);
    if (name.empty() || sameName(name, u"Item")) {
        expectArguments(args, 1);
        itemFor(args[0]) = std::move(stored);
    } else if (sameName(name, u"Key")) {
        expectArguments(args, 1);
        rename(args[0], stored);
    } else if (sameName(name, u"CompareMode")) {
        expectArguments(args, 0);
        setCompareMode(stored);
    } else {
        raise(err::NoSuchMember);
    }
}

std::vector<Value> Dictionary::enumerate()
{
    return column(&Entry::key);
}

namespace {
std::shared_ptr<Object> makeDictionary(Runtime &runtime)
{
    return std::make_shared<Dictionary>(runtime);
}
constexpr BuiltinClass kProgIds[] = {{u"Scripting.Dictionary", makeDictionary}};
} // namespace

Library dictionaryLibrary()
{
    return {{}, {}, {}, kProgIds};
}

} // namespace tabulo::vbs
