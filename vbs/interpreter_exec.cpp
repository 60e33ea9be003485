// Statements. Each returns how control leaves it: normally, or by Exit Do/For/Sub.
#include <cmath>

#include "vbs/err_object.h"
#include "vbs/interpreter.h"
#include "vbs/operators.h"
#include "vbs/script_object.h"

namespace tabulo::vbs {

void Interpreter::recordError(ScriptException &e, const Stmt &s)
{
    ScriptError &error = e.error();
    if (error.line == 0) {
        error.line = s.at.line;
        error.column = s.at.column;
    }
    if (error.source.empty())
        error.source = u"Microsoft VBScript runtime error";
}

Flow Interpreter::execBlock(const Block &block, Frame &frame)
{
    for (const StmtPtr &s : block) {
        try {
            Flow flow = exec(*s, frame);
            if (flow != Flow::Normal)
                return flow;
        } catch (ScriptException &e) {
            recordError(e, *s);
            // The time limit ends the script whatever On Error says.
            if (!frame.resumeNext || m_aborting || e.error().number == err::Stopped)
                throw;
            m_err->set(e.error());
        }
    }
    return Flow::Normal;
}

bool Interpreter::truth(const Expr &condition, Frame &frame)
{
    Value v = eval(condition, frame);
    if (v.type() == Type::Boolean)
        return v.rawBool();
    // If Null: the condition is not met.
    if (v.isNull())
        return false;
    return toBool(v, m_locale);
}

Flow Interpreter::exec(const Stmt &s, Frame &frame)
{
    switch (s.kind) {
    case StmtKind::Assign:
        return execAssign(static_cast<const AssignStmt &>(s), frame);
    case StmtKind::Call:
        execCall(static_cast<const CallStmt &>(s), frame);
        return Flow::Normal;
    case StmtKind::If:
        return execIf(static_cast<const IfStmt &>(s), frame);
    case StmtKind::Select:
        return execSelect(static_cast<const SelectStmt &>(s), frame);
    case StmtKind::For:
        return execFor(static_cast<const ForStmt &>(s), frame);
    case StmtKind::ForEach:
        return execForEach(static_cast<const ForEachStmt &>(s), frame);
    case StmtKind::Do:
        return execDo(static_cast<const DoStmt &>(s), frame);
    case StmtKind::While:
        return execWhile(static_cast<const WhileStmt &>(s), frame);
    case StmtKind::Exit:
        switch (static_cast<const ExitStmt &>(s).what) {
        case ExitKind::Do:
            return Flow::ExitDo;
        case ExitKind::For:
            return Flow::ExitFor;
        default:
            return Flow::ExitProcedure;
        }
    case StmtKind::Dim:
        execDim(static_cast<const DimStmt &>(s), frame);
        return Flow::Normal;
    case StmtKind::ReDim:
        execReDim(static_cast<const ReDimStmt &>(s), frame);
        return Flow::Normal;
    case StmtKind::Const:
        execConst(static_cast<const ConstStmt &>(s), frame);
        return Flow::Normal;
    case StmtKind::Erase:
        execErase(static_cast<const EraseStmt &>(s), frame);
        return Flow::Normal;
    case StmtKind::OnError:
        frame.resumeNext = static_cast<const OnErrorStmt &>(s).resumeNext;
        m_err->clear();
        return Flow::Normal;
    case StmtKind::With:
        return execWith(static_cast<const WithStmt &>(s), frame);
    case StmtKind::Randomize:
        execRandomize(static_cast<const RandomizeStmt &>(s), frame);
        return Flow::Normal;
    case StmtKind::OptionExplicit:
    case StmtKind::Nop:
        return Flow::Normal;
    }
    return Flow::Normal;
}

// A statement that is a call: a Sub, or (a name holding an object) its default member.
void Interpreter::execCall(const CallStmt &s, Frame &frame)
{
    const Expr &call = *s.call;
    if (call.kind == ExprKind::Name) {
        const auto &n = static_cast<const NameExpr &>(call);
        if (liveScope(n) == NameScope::Global) {
            const GlobalEntry &entry = m_globals[n.slot];
            if (entry.kind == GlobalEntry::Kind::Procedure) {
                callProcedure(*entry.procedure, nullptr, n.args, frame);
                return;
            }
            // A statement naming no procedure: an undefined Sub.
            if (entry.kind == GlobalEntry::Kind::Unset)
                raise(err::TypeMismatch);
        }
    }
    eval(call, frame);
}

Flow Interpreter::execWith(const WithStmt &w, Frame &frame)
{
    Value object = eval(*w.object, frame);
    if (!object.isObject())
        raise(err::ObjectRequired);
    if (frame.withObjects.size() <= std::size_t(w.depth))
        frame.withObjects.resize(std::size_t(w.depth) + 1);
    const std::size_t depth = std::size_t(w.depth);
    const OnScopeExit restore([&frame, depth, saved = std::move(frame.withObjects[depth])]() mutable {
        if (frame.withObjects.size() > depth)
            frame.withObjects[depth] = std::move(saved);
    });
    frame.withObjects[depth] = std::move(object);
    return execBlock(w.body, frame);
}

// Randomize alone is Randomize Timer: the seconds since midnight seed it.
void Interpreter::execRandomize(const RandomizeStmt &r, Frame &frame)
{
    if (r.seed) {
        m_random.randomize(toDouble(eval(*r.seed, frame), m_locale));
        return;
    }
    CallContext none(*this, {});
    m_random.randomize(toDouble(m_builtins.at(u"timer")->function(none), m_locale));
}

Flow Interpreter::execAssign(const AssignStmt &s, Frame &frame)
{
    if (!s.appendPieces.empty() && appendInPlace(s, frame))
        return Flow::Normal;
    Value value = eval(*s.value, frame);
    if (!s.isSet && !value.isObject() && s.target->kind == ExprKind::Name) {
        // The common case, a plain variable on the left: straight into its slot.
        if (Value *slot = plainVariable(static_cast<const NameExpr &>(*s.target), frame)) {
            *slot = std::move(value);
            return Flow::Normal;
        }
    }
    assignTo(*s.target, std::move(value), s.isSet, frame);
    return Flow::Normal;
}

// The slot of a name that is nothing but a variable already in use (a local, or a
// global variable): null for anything that needs the general rules of assignTo.
Value *Interpreter::plainVariable(const NameExpr &n, Frame &frame)
{
    if (n.args.parens || !n.args.items.empty())
        return nullptr;
    switch (n.scope) {
    case NameScope::Local:
        if (n.undeclared && m_optionExplicit)
            return nullptr;
        return std::size_t(n.slot) < frame.localCount ? frame.local(std::size_t(n.slot)) : nullptr;
    case NameScope::Global:
    case NameScope::GlobalOrLocal: {
        GlobalEntry &entry = m_globals[n.slot];
        if (entry.kind == GlobalEntry::Kind::Variable)
            return &entry.value;
        if (n.scope == NameScope::GlobalOrLocal && entry.kind == GlobalEntry::Kind::Unset && !m_optionExplicit)
            return std::size_t(n.localSlot) < frame.localCount ? frame.local(std::size_t(n.localSlot)) : nullptr;
        return nullptr;
    }
    default:
        return nullptr;
    }
}

Flow Interpreter::execIf(const IfStmt &s, Frame &frame)
{
    for (std::size_t i = 0; i < s.conditions.size(); ++i) {
        const Expr &condition = *s.conditions[i];
        bool met;
        try {
            met = truth(condition, frame);
        } catch (ScriptException &e) {
            // The error belongs to the line of its condition (an ElseIf has its own).
            ScriptError &error = e.error();
            if (error.line == 0) {
                error.line = condition.at.line;
                error.column = condition.at.column;
            }
            recordError(e, s);
            // Under On Error Resume Next the statement after the failed condition is the
            // first one of its block, as the language runs it.
            if (!frame.resumeNext || m_aborting || error.number == err::Stopped)
                throw;
            m_err->set(error);
            met = true;
        }
        if (met)
            return execBlock(s.blocks[i], frame);
    }
    return execBlock(s.elseBlock, frame);
}

Flow Interpreter::execSelect(const SelectStmt &s, Frame &frame)
{
    Value subject = eval(*s.subject, frame);
    auto test = [&](BinaryOp op, const Value &v, const Expr &source) {
        CompareHints hints;
        hints.leftIsLiteral = isLiteral(*s.subject);
        hints.rightIsLiteral = isLiteral(source);
        Ordering o = compare(subject, v, m_locale, hints);
        switch (op) {
        case BinaryOp::Equal:
            return o == Ordering::Equal;
        case BinaryOp::NotEqual:
            return o == Ordering::Less || o == Ordering::Greater;
        case BinaryOp::Less:
            return o == Ordering::Less;
        case BinaryOp::LessEqual:
            return o == Ordering::Less || o == Ordering::Equal;
        case BinaryOp::Greater:
            return o == Ordering::Greater;
        case BinaryOp::GreaterEqual:
            return o == Ordering::Greater || o == Ordering::Equal;
        default:
            return false;
        }
    };
    for (std::size_t i = 0; i < s.tests.size(); ++i) {
        for (const CaseTest &t : s.tests[i]) {
            bool match;
            if (t.kind == CaseTest::Range) {
                Value low = eval(*t.first, frame);
                Value high = eval(*t.second, frame);
                match = test(BinaryOp::GreaterEqual, low, *t.first) && test(BinaryOp::LessEqual, high, *t.second);
            } else {
                match = test(
                    t.kind == CaseTest::Comparison ? t.comparison : BinaryOp::Equal, eval(*t.first, frame), *t.first);
            }
            if (match)
                return execBlock(s.blocks[i], frame);
        }
    }
    return execBlock(s.elseBlock, frame);
}

} // namespace tabulo::vbs
