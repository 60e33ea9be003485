#include "interpreter.h"

#include <cmath>
#include <cstring>
#include <new>

#include "err_object.h"
#include "parser.h"
#include "script_object.h"

namespace tabulo::vbs {

namespace {
// Marks the outermost entry into the interpreter: the clock and the stack measure
// start there, and only there, since host objects may call back into the engine.
class OuterCall
{
public:
    OuterCall(int &depth, const char *&stackBase, std::function<void()> start)
        : depth_(depth)
        , stackBase_(stackBase)
    {
        if (depth_++ == 0) {
            char marker;
            stackBase_ = &marker;
            start();
        }
    }
    ~OuterCall() { --depth_; }

private:
    int &depth_;
    const char *&stackBase_;
};
} // namespace

Interpreter::Interpreter(Locale locale)
    : locale_(std::move(locale))
    , err_(std::make_shared<ErrObject>())
    , alive_(std::make_shared<bool>(true))
{
    for (const Library &library : allLibraries()) {
        for (const Builtin &b : library.functions)
            builtins_.emplace(foldName(b.name), &b);
        for (const BuiltinConstant &c : library.constants)
            constants_.emplace(foldName(c.name), c.make());
        for (const BuiltinClass &c : library.classes)
            newClasses_.emplace(foldName(c.name), &c);
        for (const BuiltinClass &c : library.progIds)
            progIds_.emplace(foldName(c.name), &c);
    }
}

Interpreter::~Interpreter()
{
    releaseGlobals();
    *alive_ = false;
    globals_.clear();
}

// Objects the script still holds get their Class_Terminate before the code goes away,
// under the time limit like any other call. Whatever they leave behind is dropped
// without running script.
void Interpreter::releaseGlobals()
{
    OuterCall outer(outerCalls_, stackBase_, [this] { startClock(); });
    try {
        for (int slot = 0; slot < globals_.size(); ++slot) {
            GlobalEntry &entry = globals_[slot];
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
    if (outerCalls_ > 0) {
        resetPending_ = true;
        return;
    }
    resetPending_ = false;
    releaseGlobals();
    // Objects dropped here may run Class_Terminate, which may run script: keep the old
    // tables alive until the new, empty ones are in place.
    GlobalTable old;
    std::swap(old, globals_);
    auto oldPrograms = std::move(programs_);
    programs_.clear();
    classes_.clear();
    optionExplicit_ = false;
    err_->clear();
    *alive_ = false;
    alive_ = std::make_shared<bool>(true);
    old.clear();
    oldPrograms.clear();
}

void Interpreter::addObject(std::u16string_view name, std::shared_ptr<Object> object)
{
    GlobalEntry &entry = globals_[globals_.slotOf(name)];
    entry.kind = GlobalEntry::Kind::HostObject;
    entry.value = Value::object(std::move(object));
    entry.procedure = nullptr;
}

void Interpreter::startClock()
{
    aborting_ = false;
    abortNumber_ = 0;
    callDepth_ = 0;
    clockCountdown_ = 0;
    clockRunning_ = timeoutMs_ > 0;
    const auto now = std::chrono::steady_clock::now();
    if (clockRunning_)
        deadline_ = now + std::chrono::milliseconds(timeoutMs_);
    nextInterruptCheck_ = now + interruptInterval_;
}

void Interpreter::checkTimeLimit()
{
    if (aborting_)
        abort(abortNumber_);
    if (!clockRunning_ && !interruptCheck_)
        return;
    const auto now = std::chrono::steady_clock::now();
    if (clockRunning_ && now > deadline_)
        abort(err::TimedOut);
    if (interruptCheck_ && now >= nextInterruptCheck_) {
        // The host may paint its windows here, which takes time the script did not use.
        const bool stop = interruptCheck_();
        const auto after = std::chrono::steady_clock::now();
        deadline_ += after - now;
        nextInterruptCheck_ = after + interruptInterval_;
        if (stop)
            abort(err::Interrupted);
    }
}

void Interpreter::abort(int number)
{
    aborting_ = true;
    abortNumber_ = number;
    raise(number);
}

void Interpreter::enterCall()
{
    char marker;
    if (++callDepth_ > kMaxCallDepth || (stackBase_ && std::size_t(stackBase_ - &marker) > kMaxStackBytes)) {
        --callDepth_;
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
    programs_.push_back(std::move(owned));
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
    } discard {programs_, &program};
    resolve(program, scope ? scope->procedure : nullptr);
    if (program.optionExplicit)
        optionExplicit_ = true;
    for (auto &cls : program.classes)
        classes_[foldName(cls->name)] = cls.get();
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
    Frame *saved = currentFrame_;
    currentFrame_ = &top;
    struct Restore
    {
        Frame *&f;
        Frame *v;
        ~Restore() { f = v; }
    } restore {currentFrame_, saved};
    execBlock(program.statements, top);
}

Result Interpreter::addCode(std::u16string_view code)
{
    Result r = addCodeNow(code);
    if (resetPending_ && outerCalls_ == 0)
        reset();
    return r;
}

Result Interpreter::evalExpression(std::u16string_view expression, Value &out)
{
    Result r = evalNow(expression, out);
    if (resetPending_ && outerCalls_ == 0)
        reset();
    return r;
}

Result Interpreter::addCodeNow(std::u16string_view code)
{
    OuterCall outer(outerCalls_, stackBase_, [this] { startClock(); });
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
    OuterCall outer(outerCalls_, stackBase_, [this] { startClock(); });
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
    Frame *scope = currentFrame_;
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
    Frame *scope = currentFrame_;
    if (!global && scope && scope->procedure && scope->procedure->slotCount > 0) {
        runProgram(std::move(program), scope);
    } else {
        runProgram(std::move(program), nullptr);
    }
}

std::shared_ptr<Object> Interpreter::createObject(std::u16string_view progId)
{
    auto it = progIds_.find(foldName(progId));
    if (it == progIds_.end())
        raise(err::CannotCreateObject);
    return it->second->make(*this);
}

// Rnd is the language's own 24-bit generator, so a seeded sequence is repeatable.
double Interpreter::nextRandom()
{
    rndState_ = (rndState_ * 0x43FD43FDu + 0xC39EC3u) & 0xFFFFFFu;
    lastRandom_ = double(rndState_) / 16777216.0;
    return lastRandom_;
}

void Interpreter::seedRandom(double seed)
{
    std::uint64_t bits;
    std::memcpy(&bits, &seed, sizeof bits);
    std::uint32_t mixed = std::uint32_t(bits ^ (bits >> 32));
    rndState_ = ((mixed & 0xFFFFu) << 8 ^ (rndState_ & 0xFF) ^ (mixed >> 16)) & 0xFFFFFFu;
}

const Procedure *Interpreter::findProcedure(std::u16string_view name) const
{
    int slot = globals_.find(foldName(name));
    if (slot < 0 || globals_[slot].kind != GlobalEntry::Kind::Procedure)
        return nullptr;
    return globals_[slot].procedure;
}

} // namespace tabulo::vbs
