#pragma once
// Scripting.Dictionary: items by key, in the order the keys were added. Keys compare
// by value and kind (1 and "1" are different keys; Integer 1 and Double 1 are the
// same), strings binary or case-insensitively (CompareMode), objects by identity.
// A hash index over a list keeps Add, Exists, Item and Remove constant-time, so a
// script can fill one with hundreds of thousands of keys.
#include <list>
#include <string>
#include <unordered_map>

#include "vbs/builtins.h"

namespace tabulo::vbs {

class Dictionary : public Object
{
public:
    explicit Dictionary(Runtime &runtime)
        : m_runtime(runtime)
    {
    }

    std::u16string typeName() const override { return u"Dictionary"; }
    Value invoke(std::u16string_view name, Args args) override;
    void assign(std::u16string_view name, Args args, const Value &value, bool isSet) override;
    std::vector<Value> enumerate() override;

private:
    // What makes two keys the same key.
    struct KeyIdentity
    {
        enum class Kind : std::uint8_t { Empty, Null, Number, Boolean, Date, String, Object } kind = Kind::Empty;
        double number = 0;
        std::u16string text;
        const Object *object = nullptr;
        bool operator==(const KeyIdentity &other) const = default;
    };
    struct KeyHash
    {
        std::size_t operator()(const KeyIdentity &key) const;
    };
    struct Entry
    {
        Value key;
        Value item;
    };
    using Entries = std::list<Entry>;

    KeyIdentity identityOf(const Value &key) const;
    Entries::iterator find(const Value &key);
    Entries::iterator findOrRaise(const Value &key);
    void add(const Value &key, Value item);
    Value &itemFor(const Value &key); // adds the key with Empty when it is missing
    void rename(const Value &oldKey, const Value &newKey);
    void remove(const Value &key);
    void setCompareMode(const Value &mode);
    // The keys or the items, in order, for Keys, Items and For Each.
    std::vector<Value> column(Value Entry::*member) const;

    Runtime &m_runtime;
    Entries m_entries;
    std::unordered_map<KeyIdentity, Entries::iterator, KeyHash> m_index;
    int m_compareMode = 0;
};

} // namespace tabulo::vbs
