#include "vbs/interpreter.h"

#include <cmath>
#include <new>

#include "vbs/err_object.h"
#include "vbs/parser.h"
#include "vbs/script_object.h"

namespace tabulo::vbs {

namespace {
// Where the stack stands now. The frame's own address rather than a local's:
// AddressSanitizer may keep locals in a heap-allocated stand-in frame.
std::uintptr_t stackPosition()
{
    return reinterpret_cast<std::uintptr_t>(__builtin_frame_address(0));
}

// Marks the outermost entry into the interpreter: the clock and the stack measure
// start there, and only there, since host objects may call back into the engine.
class OuterCall
{
public:
    OuterCall(int &depth, std::uintptr_t &stackBase, std::function<void()> start)
        : m_depth(depth)
        , m_stackBase(stackBase)
    {
        if (m_depth++ == 0) {
            m_stackBase = stackPosition();
            start();
        }
    }
    ~OuterCall() { --m_depth; }

private:
    int &m_depth;
    std::uintptr_t &m_stackBase;
};
} // namespace

Interpreter::Interpreter(Locale locale)
    : m_locale(std::move(locale))
    , m_err(std::make_shared<ErrObject>())
    , m_alive(std::make_shared<bool>(true))
{
    for (const Library &library : allLibraries()) {
        for (const Builtin &b : library.functions)
            m_builtins.emplace(foldName(b.name), &b);
        for (const BuiltinConstant &c : library.constants)
            m_constants.emplace(foldName(c.name), c.make());
        for (const BuiltinClass &c : library.classes)
            m_newClasses.emplace(foldName(c.name), &c);
        for (const BuiltinClass &c : library.progIds)
            m_progIds.emplace(foldName(c.name), &c);
    }
}

Interpreter::~Interpreter()
{
    releaseGlobals();
    *m_alive = false;
    m_globals.clear();
}

// Objects the script still holds get their Class_Terminate before the code goes away,
// under the time limit like any other call. Whatever they leave behind is dropped
// without running script.
void Interpreter::releaseGlobals()
{
    OuterCall outer(m_outerCalls, m_stackBase, [this] { startClock(); });
    try {
        for (int slot = 0; slot < m_globals.size(); ++slot) {
            GlobalEntry &entry = m_globals[slot];
            if (entry.kind == GlobalEntry::Kind::Variable || entry.kind == GlobalEntry::Kind::Constant) {
                Value dropped = std::move(entry.value);
                entry.value = Value();
            }
        }
    } catch (...) {
        // Class_Terminate reports nothing; a failure here must not stop the reset.
    }
}

void Interpreter::reset()
{
    // A host object may ask for a reset while its script runs: the running code still
    // refers to the tables, so the reset waits until the outermost call returns.
    if (m_outerCalls > 0) {
        m_resetPending = true;
        return;
    }
    m_resetPending = false;
    releaseGlobals();
    // Objects dropped here may run Class_Terminate, which may run script: keep the old
    // tables alive until the new, empty ones are in place.
    GlobalTable old;
    std::swap(old, m_globals);
    auto oldPrograms = std::move(m_programs);
    m_programs.clear();
    m_classes.clear();
    m_optionExplicit = false;
    m_err->clear();
    *m_alive = false;
    m_alive = std::make_shared<bool>(true);
    old.clear();
    oldPrograms.clear();
}

void Interpreter::addObject(std::u16string_view name, std::shared_ptr<Object> object)
{
    GlobalEntry &entry = m_globals[m_globals.slotOf(name)];
    entry.kind = GlobalEntry::Kind::HostObject;
    entry.value = Value::object(std::move(object));
    entry.procedure = nullptr;
}

void Interpreter::startClock()
{
    m_aborting = false;
    m_abortNumber = 0;
    m_callDepth = 0;
    m_clockCountdown = 0;
    m_clockRunning = m_timeoutMs > 0;
    const auto now = std::chrono::steady_clock::now();
    if (m_clockRunning)
        m_deadline = now + std::chrono::milliseconds(m_timeoutMs);
    m_nextInterruptCheck = now + m_interruptInterval;
}

void Interpreter::checkTimeLimit()
{
    if (m_aborting)
        abort(m_abortNumber);
    if (!m_clockRunning && !m_interruptCheck)
        return;
    const auto now = std::chrono::steady_clock::now();
    if (m_clockRunning && now > m_deadline)
        abort(err::TimedOut);
    if (m_interruptCheck && now >= m_nextInterruptCheck) {
        // The host may paint its windows here, which takes time the script did not use.
        const bool stop = m_interruptCheck();
        const auto after = std::chrono::steady_clock::now();
        m_deadline += after - now;
        m_nextInterruptCheck = after + m_interruptInterval;
        if (stop)
            abort(err::Interrupted);
    }
}

void Interpreter::abort(int number)
{
    m_aborting = true;
    m_abortNumber = number;
    raise(number);
}

void Interpreter::enterCall()
{
    // The stack grows down.
    if (++m_callDepth > kMaxCallDepth || (m_stackBase && m_stackBase - stackPosition() > kMaxStackBytes)) {
        --m_callDepth;
        raise(err::OutOfStack);
    }
    tick();
}

Result Interpreter::failure(const ScriptException &e, bool syntax) const
{
    Result r;
    r.ok = false;
    r.error = e.error();
    if (r.error.source.empty())
        r.error.source = syntax ? u"Microsoft VBScript compilation error" : u"Microsoft VBScript runtime error";
    return r;
}

void Interpreter::runProgram(std::unique_ptr<Program> owned, Frame *scope)
{
    Program &program = *owned;
    m_programs.push_back(std::move(owned));
    // Code that declares no procedure or class is not needed once it has run: the
    // calculator's AddCode per keystroke and Execute in a loop must not pile up.
    struct Discard
    {
        std::vector<std::unique_ptr<Program>> &programs;
        Program *program;
        ~Discard()
        {
            if (!program->procedures.empty() || !program->classes.empty())
                return;
            for (auto it = programs.rbegin(); it != programs.rend(); ++it) {
                if (it->get() == program) {
                    programs.erase(std::next(it).base());
                    return;
                }
            }
        }
    } discard {m_programs, &program};
    resolve(program, scope ? scope->procedure : nullptr);
    if (program.optionExplicit)
        m_optionExplicit = true;
    for (auto &cls : program.classes)
        m_classes[foldName(cls->name)] = cls.get();
    if (scope) {
        // Execute inside a procedure: the code runs in that procedure's frame.
        if (scope->localCount < std::size_t(program.topLevel.slotCount))
            raise(err::InvalidCall);
        bool savedResume = scope->resumeNext;
        execBlock(program.statements, *scope);
        scope->resumeNext = savedResume;
        return;
    }
    Frame top;
    top.procedure = &program.topLevel;
    const auto current = running(top);
    execBlock(program.statements, top);
}

Result Interpreter::addCode(std::u16string_view code)
{
    Result r = addCodeNow(code);
    if (m_resetPending && m_outerCalls == 0)
        reset();
    return r;
}

Result Interpreter::evalExpression(std::u16string_view expression, Value &out)
{
    Result r = evalNow(expression, out);
    if (m_resetPending && m_outerCalls == 0)
        reset();
    return r;
}

Result Interpreter::addCodeNow(std::u16string_view code)
{
    OuterCall outer(m_outerCalls, m_stackBase, [this] { startClock(); });
    bool parsing = true;
    try {
        auto program = parseProgram(code);
        parsing = false;
        runProgram(std::move(program), nullptr);
        return {};
    } catch (const ScriptException &e) {
        return failure(e, parsing);
    } catch (const std::bad_alloc &) {
        return failure(ScriptException(ScriptError {err::OutOfMemory, u"Out of memory", {}, 0, 0}), false);
    } catch (...) {
        // A host object that throws something of its own: the call fails, the program goes on.
        return failure(ScriptException(ScriptError {51, u"Internal error", {}, 0, 0}), false);
    }
}

Result Interpreter::evalNow(std::u16string_view expression, Value &out)
{
    OuterCall outer(m_outerCalls, m_stackBase, [this] { startClock(); });
    try {
        out = evaluate(expression);
        return {};
    } catch (const ScriptException &e) {
        return failure(e, e.error().isSyntaxError());
    } catch (const std::bad_alloc &) {
        return failure(ScriptException(ScriptError {err::OutOfMemory, u"Out of memory", {}, 0, 0}), false);
    } catch (...) {
        // A host object that throws something of its own: the call fails, the program goes on.
        return failure(ScriptException(ScriptError {51, u"Internal error", {}, 0, 0}), false);
    }
}

Value Interpreter::evaluate(std::u16string_view expression)
{
    enterCall();
    struct Leave
    {
        Interpreter *i;
        ~Leave() { i->leaveCall(); }
    } leave {this};
    ExprPtr e = parseExpression(expression);
    Frame *scope = m_currentFrame;
    const Procedure *procedure = scope && scope->procedure && scope->procedure->slotCount ? scope->procedure : nullptr;
    resolveExpression(*e, procedure);
    // The tree must outlive its evaluation only: names it bound to new globals stay.
    if (scope)
        return eval(*e, *scope);
    Frame top;
    return eval(*e, top);
}

void Interpreter::execute(std::u16string_view code, bool global)
{
    enterCall();
    struct Leave
    {
        Interpreter *i;
        ~Leave() { i->leaveCall(); }
    } leave {this};
    auto program = parseProgram(code);
    Frame *scope = m_currentFrame;
    if (!global && scope && scope->procedure && scope->procedure->slotCount > 0) {
        runProgram(std::move(program), scope);
    } else {
        runProgram(std::move(program), nullptr);
    }
}

std::shared_ptr<Object> Interpreter::createObject(std::u16string_view progId)
{
    auto it = m_progIds.find(foldName(progId));
    if (it == m_progIds.end())
        raise(err::CannotCreateObject);
    return it->second->make(*this);
}

const Procedure *Interpreter::findProcedure(std::u16string_view name) const
{
    int slot = m_globals.find(foldName(name));
    if (slot < 0 || m_globals[slot].kind != GlobalEntry::Kind::Procedure)
        return nullptr;
    return m_globals[slot].procedure;
}

} // namespace tabulo::vbs
