#pragma once
// The tree-walking interpreter behind Engine. Names are bound to slots before code
// runs (resolver.cpp), so a variable access is an index, not a lookup by text.
// Split by concern: interpreter.cpp (set-up, Runtime, limits), interpreter_exec.cpp
// (statements), interpreter_loops.cpp (For, For Each, Do, While),
// interpreter_declarations.cpp (Dim, ReDim, Const, Erase), interpreter_eval.cpp
// (expressions), interpreter_names.cpp (names, builtins, members, indexes, New),
// interpreter_calls.cpp (procedures), interpreter_classes.cpp (class instances),
// interpreter_assign.cpp (assignment), interpreter_append.cpp (s = s & more, in
// place). Arguments and locals live on a CallStack (call_stack.h).
#include <chrono>
#include <cstdint>
#include <memory>
#include <span>
#include <unordered_map>
#include <utility>
#include <vector>

#include "vbs/ast.h"
#include "vbs/builtins.h"
#include "vbs/call_stack.h"
#include "vbs/engine.h"
#include "vbs/globals.h"
#include "vbs/scope_exit.h"

namespace tabulo::vbs {

class ScriptObject;
class ErrObject;

// One running procedure (or the top level of a program).
struct Frame
{
    const Procedure *procedure = nullptr;
    CallCell *locals = nullptr;
    std::size_t localCount = 0;
    Value *local(std::size_t i) const { return locals[i].slot; }
    ScriptObject *me = nullptr;
    std::vector<Value> withObjects; // the objects of the enclosing With blocks
    bool resumeNext = false; // On Error Resume Next is in force
};

enum class Flow : std::uint8_t { Normal, ExitDo, ExitFor, ExitProcedure };

class Interpreter final : public Runtime
{
public:
    explicit Interpreter(Locale locale);
    ~Interpreter() override;

    // Engine operations.
    void reset();
    void addObject(std::u16string_view name, std::shared_ptr<Object> object);
    void setTimeout(int milliseconds) { m_timeoutMs = milliseconds; }
    int timeout() const { return m_timeoutMs; }
    Result addCode(std::u16string_view code);
    Result evalExpression(std::u16string_view expression, Value &out);
    void setUi(UiCallbacks callbacks) { m_ui = std::move(callbacks); }
    void setInterruptCheck(std::function<bool()> check, int intervalMs)
    {
        m_interruptCheck = std::move(check);
        m_interruptInterval = std::chrono::milliseconds(intervalMs > 0 ? intervalMs : 1);
    }
    void setLocale(Locale locale) { m_locale = std::move(locale); }

    // Runtime (what builtins see).
    const Locale &locale() const override { return m_locale; }
    const UiCallbacks &ui() const override { return m_ui; }
    void checkTimeLimit() override;
    std::shared_ptr<Object> createObject(std::u16string_view progId) override;
    Value evaluate(std::u16string_view expression) override;
    void execute(std::u16string_view code, bool global) override;
    RandomNumbers &randomNumbers() override { return m_random; }

    // Used by script class instances and function references.
    Value invokeMember(ScriptObject &self, std::u16string_view name, Args args, bool fromInside);
    void assignMember(
        ScriptObject &self, std::u16string_view name, Args args, const Value &value, bool isSet, bool fromInside);
    Value callWithValues(const Procedure &procedure, ScriptObject *me, Args args);
    void runTerminate(ScriptObject &self);
    const Procedure *findProcedure(std::u16string_view name) const;
    ErrObject &errObject() { return *m_err; }
    // Time spent waiting for the user in a dialog does not count against the limit.
    void extendDeadline(std::chrono::steady_clock::duration waited) { m_deadline += waited; }
    // Shared with the objects the interpreter makes: false once it is gone.
    const std::shared_ptr<bool> &alive() const { return m_alive; }

private:
    // Builtins and host objects called from here on see `frame` as the running one
    // (an Execute runs in it), until the returned guard goes.
    [[nodiscard]] auto running(Frame &frame)
    {
        Frame *saved = std::exchange(m_currentFrame, &frame);
        return OnScopeExit([this, saved] { m_currentFrame = saved; });
    }

    // interpreter.cpp
    void runProgram(std::unique_ptr<Program> program, Frame *scope);
    void releaseGlobals();
    Result addCodeNow(std::u16string_view code);
    Result evalNow(std::u16string_view expression, Value &out);
    void enterCall();
    // Loops call this once a pass: the clock is read every few passes, so a loop whose
    // passes are slow (big strings) still stops soon after the limit.
    void tick()
    {
        if (--m_clockCountdown <= 0) {
            m_clockCountdown = 64;
            checkTimeLimit();
        }
    }
    void leaveCall() { --m_callDepth; }
    // Ends the running call with `number`; nothing in the script can catch it.
    [[noreturn]] void abort(int number);
    void startClock();
    Result failure(const ScriptException &e, bool syntax) const;

    // resolver.cpp
    void resolve(Program &program, const Procedure *scope);
    void resolveExpression(Expr &e, const Procedure *scope);

    // interpreter_exec.cpp
    Flow execBlock(const Block &block, Frame &frame);
    Flow exec(const Stmt &s, Frame &frame);
    Flow execAssign(const struct AssignStmt &s, Frame &frame);
    // interpreter_append.cpp
    bool appendInPlace(const struct AssignStmt &s, Frame &frame);
    bool codeFree(const Expr &e, Frame &frame, bool outermost);
    const Value *peekVariable(const NameExpr &n, Frame &frame);
    Value *plainVariable(const NameExpr &n, Frame &frame);
    Flow execIf(const struct IfStmt &s, Frame &frame);
    Flow execSelect(const struct SelectStmt &s, Frame &frame);
    Flow execFor(const struct ForStmt &s, Frame &frame);
    Flow execForEach(const struct ForEachStmt &s, Frame &frame);
    Flow execDo(const struct DoStmt &s, Frame &frame);
    Flow execWhile(const struct WhileStmt &s, Frame &frame);
    void execCall(const struct CallStmt &s, Frame &frame);
    Flow execWith(const struct WithStmt &w, Frame &frame);
    void execRandomize(const struct RandomizeStmt &r, Frame &frame);
    // interpreter_declarations.cpp
    void execDim(const struct DimStmt &s, Frame &frame);
    void execReDim(const struct ReDimStmt &s, Frame &frame);
    void execConst(const struct ConstStmt &s, Frame &frame);
    void execErase(const struct EraseStmt &s, Frame &frame);
    bool truth(const Expr &condition, Frame &frame);
    void recordError(ScriptException &e, const Stmt &s);

    // interpreter_eval.cpp
    Value eval(const Expr &e, Frame &frame);
    Value evalName(const NameExpr &n, Frame &frame);
    Value evalMember(const MemberExpr &m, Frame &frame);
    Value evalBinary(const BinaryExpr &b, Frame &frame);
    Value evalIndex(const IndexExpr &ix, Frame &frame);
    Value evalUnary(const UnaryExpr &u, Frame &frame);
    Value evalNew(const NewExpr &n);
    Value index(const Value &target, const ArgList &args, Frame &frame);
    std::vector<Value> evalArgs(const ArgList &args, Frame &frame);
    Value *variableSlot(const NameExpr &n, Frame &frame); // null when not a plain variable
    // What reading a bare name gives when it is a local or a global variable or constant
    // in use, the case that needs none of evalName's rules; null otherwise.
    const Value *plainValue(const NameExpr &n, Frame &frame)
    {
        if (n.args.parens || !n.args.items.empty())
            return nullptr;
        if (n.scope == NameScope::Local) {
            if ((n.undeclared && m_optionExplicit) || std::size_t(n.slot) >= frame.localCount)
                return nullptr;
            return frame.local(std::size_t(n.slot));
        }
        if (n.scope == NameScope::Global || n.scope == NameScope::GlobalOrLocal) {
            const GlobalEntry &entry = m_globals[n.slot];
            if (entry.kind == GlobalEntry::Kind::Variable || entry.kind == GlobalEntry::Kind::Constant)
                return &entry.value;
            if (n.scope == NameScope::GlobalOrLocal && entry.kind == GlobalEntry::Kind::Unset && !m_optionExplicit
                && std::size_t(n.localSlot) < frame.localCount)
                return frame.local(std::size_t(n.localSlot));
        }
        return nullptr;
    }
    // For GlobalOrLocal names: whether the global exists by now.
    NameScope liveScope(const NameExpr &n) const
    {
        if (n.scope != NameScope::GlobalOrLocal)
            return n.scope;
        return m_globals[n.slot].kind == GlobalEntry::Kind::Unset ? NameScope::Local : NameScope::Global;
    }
    static int liveSlot(const NameExpr &n, NameScope scope)
    {
        return n.scope == NameScope::GlobalOrLocal && scope == NameScope::Local ? n.localSlot : n.slot;
    }
    Value meValue(Frame &frame) const;
    Value objectOf(const MemberExpr &m, Frame &frame);
    Value callBuiltin(const Builtin &b, const ArgList &args, Frame &frame);

    // interpreter_calls.cpp
    Value callProcedure(const Procedure &p, ScriptObject *me, const ArgList &args, Frame &caller);
    // arguments[i].slot is the variable (ByRef) or the value (ByVal) of parameter i;
    // locals, p.slotCount cells the caller took from the call stack, get the procedure's
    // variables. The caller gives them back (and so drops the locals) after the call.
    Value runProcedure(
        const Procedure &p, ScriptObject *me, const CallCell *arguments, std::size_t count, CallCell *locals);
    void assignTo(const Expr &target, Value value, bool isSet, Frame &frame);
    void storeVariable(Value &slot, Value value, bool isSet);
    std::shared_ptr<ScriptObject> instantiate(const ClassDecl &cls);
    // The Sub, Function or Property Get that reading `name` on an instance calls.
    const Procedure *readableMember(const ClassDecl &cls, const std::u16string &folded, bool fromInside) const;
    Value indexValue(const Value &target, Args indices);
    void assignElement(Value &slot, Args indices, Value value, bool isSet);
    Value *nestedElement(const IndexExpr &ix, Frame &frame);

    Locale m_locale;
    UiCallbacks m_ui;
    int m_timeoutMs = 10000;
    GlobalTable m_globals;
    std::vector<std::unique_ptr<Program>> m_programs; // code stays while procedures may run
    std::unordered_map<std::u16string, const ClassDecl *> m_classes; // folded name
    std::unordered_map<std::u16string, const Builtin *> m_builtins;
    std::unordered_map<std::u16string, Value> m_constants;
    std::unordered_map<std::u16string, const BuiltinClass *> m_newClasses;
    std::unordered_map<std::u16string, const BuiltinClass *> m_progIds;
    std::shared_ptr<ErrObject> m_err;
    std::shared_ptr<bool> m_alive;
    bool m_optionExplicit = false;
    bool m_resetPending = false;

    // Limits.
    std::chrono::steady_clock::time_point m_deadline {};
    bool m_clockRunning = false;
    bool m_aborting = false; // the time limit struck or the host stopped it: nothing may catch it
    int m_abortNumber = 0;
    std::function<bool()> m_interruptCheck;
    std::chrono::milliseconds m_interruptInterval {50};
    std::chrono::steady_clock::time_point m_nextInterruptCheck {};
    int m_clockCountdown = 0;
    int m_callDepth = 0;
    int m_outerCalls = 0; // nesting of Engine calls (a host object may call back)
    std::uintptr_t m_stackBase = 0;

    Frame *m_currentFrame = nullptr;
    // Arguments and locals of the calls in progress.
    CallStack m_callStack;
    RandomNumbers m_random;
};

bool isLiteral(const Expr &e);

inline constexpr int kMaxCallDepth = 3000;
// gcc says it builds with AddressSanitizer through __SANITIZE_ADDRESS__, clang
// through __has_feature.
#if defined(__SANITIZE_ADDRESS__)
#define TABULO_VBS_ADDRESS_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define TABULO_VBS_ADDRESS_SANITIZER 1
#endif
#endif

#if defined(TABULO_VBS_ADDRESS_SANITIZER)
// Instrumented frames are about three times larger, so the same scripts run
// as deep; the sanitizer build's tests run with a stack to match (dev/test).
inline constexpr std::size_t kMaxStackBytes = std::size_t(12) << 20;
#else
inline constexpr std::size_t kMaxStackBytes = std::size_t(4) << 20; // half of a main thread's 8 MB
#endif

} // namespace tabulo::vbs
