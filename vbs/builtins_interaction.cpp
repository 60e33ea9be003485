// MsgBox, InputBox, CreateObject, Eval, Execute, ExecuteGlobal, GetRef and the
// ScriptEngine functions: the builtins that reach the host or the interpreter.
#include <chrono>

#include "vbs/core_builtins.h"
#include "vbs/interpreter.h"
#include "vbs/script_object.h"

namespace tabulo::vbs {
namespace {

Interpreter &interpreterOf(CallContext &call)
{
    return static_cast<Interpreter &>(call.runtime());
}

// Runs a dialog callback without charging its waiting time to the script.
template<typename F> auto waitForUser(CallContext &call, F &&show)
{
    auto started = std::chrono::steady_clock::now();
    auto result = show();
    interpreterOf(call).extendDeadline(std::chrono::steady_clock::now() - started);
    return result;
}

Value MsgBox(CallContext &call)
{
    MessageBoxRequest request;
    request.prompt = call.isNull(0) ? std::u16string(u"Null") : call.string(0);
    request.buttons = call.longOr(1, 0);
    request.title = call.stringOr(2, u"VBScript");
    const UiCallbacks &ui = call.runtime().ui();
    if (!ui.messageBox)
        return Value::integer(1);
    int answer = waitForUser(call, [&] { return ui.messageBox(request); });
    return Value::integer(std::int16_t(answer));
}

Value InputBox(CallContext &call)
{
    InputBoxRequest request;
    request.prompt = call.string(0);
    request.title = call.stringOr(1, u"VBScript");
    request.defaultText = call.stringOr(2, u"");
    const UiCallbacks &ui = call.runtime().ui();
    if (!ui.inputBox)
        return Value::string(request.defaultText);
    std::optional<std::u16string> answer = waitForUser(call, [&] { return ui.inputBox(request); });
    // A cancelled box gives an empty string, as the language's InputBox does.
    return Value::string(answer ? *answer : std::u16string());
}

Value CreateObject(CallContext &call)
{
    return Value::object(call.runtime().createObject(call.string(0)));
}

// Scripts may not reach running programs or files through GetObject.
Value GetObject(CallContext &)
{
    raise(err::CannotCreateObject);
}

Value Eval(CallContext &call)
{
    return call.runtime().evaluate(call.string(0));
}

Value Execute(CallContext &call)
{
    call.runtime().execute(call.string(0), false);
    return Value();
}

Value ExecuteGlobal(CallContext &call)
{
    call.runtime().execute(call.string(0), true);
    return Value();
}

Value GetRef(CallContext &call)
{
    Interpreter &interpreter = interpreterOf(call);
    const Procedure *procedure = interpreter.findProcedure(call.string(0));
    if (!procedure)
        raise(err::InvalidCall);
    return Value::object(std::make_shared<ProcedureReference>(interpreter, *procedure));
}

Value ScriptEngine(CallContext &)
{
    return Value::string(u"VBScript");
}
Value ScriptEngineMajorVersion(CallContext &)
{
    return Value::longValue(5);
}
Value ScriptEngineMinorVersion(CallContext &)
{
    return Value::longValue(8);
}
Value ScriptEngineBuildVersion(CallContext &)
{
    return Value::longValue(16384);
}

constexpr Builtin kFunctions[] = {
    {u"MsgBox", MsgBox, 1, 5},
    {u"InputBox", InputBox, 1, 7},
    {u"CreateObject", CreateObject, 1, 2},
    {u"GetObject", GetObject, 0, 2},
    {u"Eval", Eval, 1, 1, true},
    {u"Execute", Execute, 1, 1, true},
    {u"ExecuteGlobal", ExecuteGlobal, 1, 1, true},
    {u"GetRef", GetRef, 1, 1, true},
    {u"ScriptEngine", ScriptEngine, 0, 0},
    {u"ScriptEngineMajorVersion", ScriptEngineMajorVersion, 0, 0},
    {u"ScriptEngineMinorVersion", ScriptEngineMinorVersion, 0, 0},
    {u"ScriptEngineBuildVersion", ScriptEngineBuildVersion, 0, 0},
};

} // namespace

Library coreInteractionLibrary()
{
    return {kFunctions};
}

} // namespace tabulo::vbs
