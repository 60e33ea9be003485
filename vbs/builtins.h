#pragma once
// How builtin functions, constants and objects plug into the interpreter.
//
// A builtin function is a plain C++ function `Value f(CallContext& call)` listed in a
// table of {name, function, minimum arguments, maximum arguments}. Each file of builtins
// exports one Library (its tables); lib/libraries.cpp lists the libraries. The
// interpreter checks the argument count before the call (error 450), so a function
// only reads its arguments. See README.md for a worked example.
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "vbs/convert.h"
#include "vbs/error.h"
#include "vbs/locale.h"
#include "vbs/object.h"
#include "vbs/random_numbers.h"
#include "vbs/ui.h"
#include "vbs/value.h"

namespace tabulo::vbs {

// What a running script offers the builtins. The interpreter implements it.
class Runtime
{
public:
    virtual ~Runtime() = default;
    virtual const Locale &locale() const = 0;
    virtual const UiCallbacks &ui() const = 0;
    // Raises the time-out error when the current call has run past the engine's time
    // limit. Builtins that may loop for long (a regular expression over a large text)
    // call it now and then.
    virtual void checkTimeLimit() = 0;
    // CreateObject: a builtin object by ProgID; raises 429 for any other name.
    virtual std::shared_ptr<Object> createObject(std::u16string_view progId) = 0;
    // Eval, Execute and ExecuteGlobal.
    virtual Value evaluate(std::u16string_view expression) = 0;
    virtual void execute(std::u16string_view code, bool global) = 0;
    // The generator of Rnd and Randomize, one per engine so two engines do not
    // disturb each other's sequences.
    virtual RandomNumbers &randomNumbers() = 0;
};

// One call of a builtin: its arguments and the runtime, with readers that convert an
// argument and raise the language's errors (13, 6, 94) when it does not fit.
class CallContext
{
public:
    CallContext(Runtime &runtime, Args args)
        : m_runtime(runtime)
        , m_args(args)
    {
    }

    Runtime &runtime() const { return m_runtime; }
    const Locale &locale() const { return m_runtime.locale(); }
    Args args() const { return m_args; }
    std::size_t count() const { return m_args.size(); }
    // True when argument i was given and not left out (`MsgBox "x", , "title"`).
    bool has(std::size_t i) const { return i < m_args.size() && !m_args[i].isMissing(); }
    // Argument i as it came (objects not yet reduced to their default value).
    Value &arg(std::size_t i) const { return m_args[i]; }
    // Argument i as a value: an object argument gives its default member's value.
    Value value(std::size_t i) const { return valueOf(m_args[i]); }

    std::u16string string(std::size_t i) const { return toString(m_args[i], locale()); }
    double number(std::size_t i) const { return toDouble(m_args[i], locale()); }
    std::int32_t longValue(std::size_t i) const { return toLong(m_args[i], locale()); }
    bool boolean(std::size_t i) const { return toBool(m_args[i], locale()); }
    double date(std::size_t i) const { return toDate(m_args[i], locale()); }
    // Optional arguments: the fallback when the argument was not given.
    std::int32_t longOr(std::size_t i, std::int32_t fallback) const { return has(i) ? longValue(i) : fallback; }
    std::u16string stringOr(std::size_t i, std::u16string_view fallback) const
    {
        return has(i) ? string(i) : std::u16string(fallback);
    }
    bool isNull(std::size_t i) const { return i < m_args.size() && valueOf(m_args[i]).isNull(); }

private:
    Runtime &m_runtime;
    Args m_args;
};

using BuiltinFunction = Value (*)(CallContext &call);

struct Builtin
{
    std::u16string_view name;
    BuiltinFunction function;
    std::uint8_t minArgs;
    std::uint8_t maxArgs;
    // Runs script code (Eval, Execute, ExecuteGlobal) or gives a procedure that runs
    // when its value is read (GetRef): the interpreter's shortcuts must not assume
    // that calling it leaves the script's variables as they were.
    bool runsScript = false;
};

// A named constant (vbCrLf, vbTextCompare). make() builds its value.
struct BuiltinConstant
{
    std::u16string_view name;
    Value (*make)();
};

// A builtin object type: `New RegExp` looks names up in Library::classes,
// `CreateObject("Scripting.Dictionary")` in Library::progIds.
struct BuiltinClass
{
    std::u16string_view name;
    std::shared_ptr<Object> (*make)(Runtime &runtime);
};

struct Library
{
    std::span<const Builtin> functions;
    std::span<const BuiltinConstant> constants = {};
    std::span<const BuiltinClass> classes = {};
    std::span<const BuiltinClass> progIds = {};
};

// Every library the interpreter knows, core and lib/ alike.
std::span<const Library> allLibraries();

} // namespace tabulo::vbs
