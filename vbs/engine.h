#pragma once
// The VBScript engine, as the program's windows and tabulo-vbs use it.
//
//   Engine engine(locale);
//   engine.AddObject(u"TotX", totalsBox);      // members reached as TotX.Text, default = text
//   engine.SetTimeout(10000);
//   Result r = engine.AddCode(u"TotX = 2 * 21");  // parses and runs at once
//   if (!r) show(r.error.number, r.error.description, r.error.line, r.error.column);
//
// Every engine is independent (no shared state), so the calculator and the script
// window each own one. No call lets a C++ exception escape.
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "vbs/error.h"
#include "vbs/locale.h"
#include "vbs/object.h"
#include "vbs/ui.h"
#include "vbs/value.h"

namespace tabulo::vbs {

class Interpreter;

struct Result
{
    bool ok = true;
    ScriptError error; // meaningful when !ok
    explicit operator bool() const { return ok; }
};

class Engine
{
public:
    explicit Engine(Locale locale = Locale::english());
    ~Engine();
    Engine(const Engine &) = delete;
    Engine &operator=(const Engine &) = delete;

    // Discards all code, variables and host objects added before.
    void Reset();
    // Makes `object` reachable under `name` (members are not made global). A plain
    // assignment to the name (`TotX = 5`) writes the object's default member.
    void AddObject(std::u16string_view name, std::shared_ptr<Object> object);
    // A call running longer than this many milliseconds ends with an ordinary script
    // error. 0 or less means no limit. The default is 10000.
    void SetTimeout(int milliseconds);
    int Timeout() const;
    // Parses the code and runs its top-level statements before returning. Procedures
    // and classes it declares stay for later calls, as do its global variables.
    Result AddCode(std::u16string_view code);
    Result AddCodeUtf8(std::string_view code);
    // Evaluates one expression in the global scope.
    Result Eval(std::u16string_view expression, Value &out);

    // While a call runs, `check` is called about every `intervalMs` milliseconds, from
    // the calling thread: the host can keep its windows painted there, and answer true
    // to stop the script, which then ends with error 7002 that nothing in the script
    // can catch. The time the check takes is not charged to the time limit.
    void SetInterruptCheck(std::function<bool()> check, int intervalMs = 50);

    void SetUiCallbacks(UiCallbacks callbacks);
    void SetLocale(Locale locale);
    const Locale &locale() const;
    // How the language shows a value as text (CStr), in this engine's locale; objects
    // give their default value, Null gives "Null", arrays and failures give "".
    std::u16string ToText(const Value &value) const;

private:
    std::unique_ptr<Interpreter> m_interpreter;
};

} // namespace tabulo::vbs
