#pragma once
// The one interface behind every object a script reaches: the host's objects given to
// Engine::AddObject, builtin objects (Scripting.Dictionary, RegExp) and instances of
// script classes. Scripts reach members by name, case-insensitively.
#include <string>
#include <string_view>
#include <vector>

#include "vbs/value.h"

namespace tabulo::vbs {

class Object
{
public:
    virtual ~Object() = default;

    // What TypeName() says about the object ("Dictionary", "TextBox").
    virtual std::u16string typeName() const = 0;

    // Reads a property or calls a method: `x = obj.Name`, `x = obj.Name(1, 2)`,
    // `obj.Name 1, 2`, `Call obj.Name(1)`. The language does not tell a method call
    // from a property read, so both arrive here. An empty name is the default member:
    // `x = obj` (when a value is needed) and `obj(1)`.
    // Unknown names raise error 438; a wrong argument count raises 450.
    virtual Value invoke(std::u16string_view name, Args args);

    // Writes a property: `obj.Name(args) = value` (isSet false, a Let) or
    // `Set obj.Name(args) = value` (isSet true). An empty name is the default member,
    // so `TotX = 5` on a host text box arrives as assign(u"", {}, 5, false).
    virtual void assign(std::u16string_view name, Args args, const Value &value, bool isSet);

    // The elements For Each walks, in order. Objects that are not collections raise 451.
    virtual std::vector<Value> enumerate();

    // `obj.Name = obj.Name & more`, the way scripts build their output a line at a
    // time. An object that keeps Name as a string of its own answers true, and then
    // receives `more` in appendTo, to add where the text is with the effect of that
    // assignment; otherwise the interpreter reads the whole text, joins and assigns
    // it, a copy of all of it at every line. An empty name is the default member.
    virtual bool canAppendTo(std::u16string_view name) const;
    virtual void appendTo(std::u16string_view name, std::u16string_view more);
};

// Objects the host program hands to the engine implement the same interface.
using HostObject = Object;

} // namespace tabulo::vbs
