#include "vbs/regex/backtracking_matcher.h"

#include "vbs/regex/case_folding.h"

#include <algorithm>

namespace tabulo::vbs::regex {
namespace {

bool isWordUnit(char16_t unit)
{
    return (unit >= u'a' && unit <= u'z') || (unit >= u'A' && unit <= u'Z') || (unit >= u'0' && unit <= u'9')
        || unit == u'_';
}

} // namespace

BacktrackingMatcher::BacktrackingMatcher(
    const Program &program, std::u16string_view subject, const MatchLimits &limits, StepBudget &budget)
    : m_program(program)
    , m_subject(subject)
    , m_maxStackSize(limits.maxBacktrackEntries)
    , m_budget(budget)
{
}

BacktrackingMatcher::Outcome BacktrackingMatcher::matchAt(std::size_t start)
{
    m_registers.assign(m_program.registerCount(), kUnset);
    m_stack.clear();
    m_innermostLookahead = 0;
    m_limitHit = false;
    m_registers[0] = start;
    m_pc = 0;
    m_pos = start;
    return run();
}

// The dispatch loop: each case either moves on (continue) or fails (break),
// and a failure resumes the most recent untried way.
BacktrackingMatcher::Outcome BacktrackingMatcher::run()
{
    const std::size_t length = m_subject.size();
    while (true) {
        if (!m_budget.spend(1))
            return Outcome::limitExceeded;
        const Instruction &in = m_program.code[m_pc];
        bool ok = true;
        switch (in.op) {
        case Op::unit:
        case Op::unitFolded:
        case Op::set:
            ok = m_pos < length && matchesOne(in.op, in.a, m_subject[m_pos]);
            if (ok) {
                ++m_pos;
                ++m_pc;
            }
            break;
        case Op::repeatOne: {
            const std::size_t limit = std::min<std::size_t>(length - m_pos, in.maxCount);
            const std::size_t wanted = in.greedy ? limit : std::min<std::size_t>(limit, in.minCount);
            std::size_t count = 0;
            while (count < wanted && matchesOne(in.matcher, in.a, m_subject[m_pos + count]))
                ++count;
            if (!m_budget.spend(count))
                return Outcome::limitExceeded;
            ok = count >= in.minCount;
            if (!ok)
                break;
            if (in.greedy && count > in.minCount)
                ok = push({SavedState::giveBackOne, m_pc, m_pos + count, m_pos + in.minCount});
            else if (!in.greedy && count < in.maxCount)
                ok = push({SavedState::takeOneMore, m_pc, m_pos + count, count});
            m_pos += count;
            ++m_pc;
            break;
        }
        case Op::split:
            ok = push({SavedState::resume, in.b, m_pos, 0});
            m_pc = in.a;
            break;
        case Op::jump:
            m_pc = in.a;
            break;
        case Op::saveStart:
        case Op::saveEnd:
            ok = setRegister(in.a, m_pos);
            ++m_pc;
            break;
        case Op::clearGroups:
            ok = clearGroups(in.a, in.b);
            ++m_pc;
            break;
        case Op::inputStart:
            ok = m_pos == 0;
            ++m_pc;
            break;
        case Op::lineStart:
            ok = m_pos == 0 || isLineBreakAt(m_pos - 1);
            ++m_pc;
            break;
        case Op::inputEnd:
            ok = m_pos == length;
            ++m_pc;
            break;
        case Op::lineEnd:
            ok = m_pos == length || isLineBreakAt(m_pos);
            ++m_pc;
            break;
        case Op::wordBoundary:
            ok = atWordBoundary() != in.negated;
            ++m_pc;
            break;
        case Op::backreference:
            ok = matchesBackreference(in.a);
            ++m_pc;
            break;
        case Op::lookStart:
            ok = push({SavedState::lookahead, m_pc, m_pos, m_innermostLookahead});
            m_innermostLookahead = m_stack.size();
            ++m_pc;
            break;
        case Op::lookEnd:
            ok = finishLookahead();
            break;
        case Op::loopInit:
            ok = setRegister(m_program.loopCounterRegister(in.a), 0);
            ++m_pc;
            break;
        case Op::loopHead: {
            const std::size_t count = m_registers[m_program.loopCounterRegister(in.a)];
            if (count < in.minCount) {
                ok = enterLoopBody(in);
            } else if (in.maxCount != kUnbounded && count >= in.maxCount) {
                m_pc = in.b;
            } else if (in.greedy) {
                ok = push({SavedState::resume, in.b, m_pos, 0}) && enterLoopBody(in);
            } else {
                ok = push({SavedState::enterLoopBody, m_pc, m_pos, 0});
                m_pc = in.b;
            }
            break;
        }
        case Op::loopTail: {
            const std::size_t counter = m_program.loopCounterRegister(in.a);
            const std::size_t count = m_registers[counter];
            // Once the minimum is reached an iteration that consumed nothing
            // fails, or "(a?)*" would go round for ever.
            ok = !(count >= in.minCount && m_pos == m_registers[m_program.loopStartRegister(in.a)]);
            if (ok)
                ok = setRegister(counter, count + 1);
            m_pc = in.b;
            break;
        }
        case Op::match:
            m_registers[1] = m_pos;
            return Outcome::matched;
        }
        if (!ok && (m_limitHit || !backtrack()))
            return m_limitHit ? Outcome::limitExceeded : Outcome::failed;
    }
}

bool BacktrackingMatcher::backtrack()
{
    while (!m_stack.empty()) {
        if (!m_budget.spend(1)) {
            m_limitHit = true;
            return false;
        }
        if (resumeFrom(m_stack.back()))
            return true;
        if (m_limitHit)
            return false;
    }
    return false;
}

// Resumes from the newest saved state; returns false (having popped it) when
// it offers no way forward, so that backtracking goes on.
bool BacktrackingMatcher::resumeFrom(SavedState &state)
{
    const SavedState saved = state;
    switch (saved.kind) {
    case SavedState::restoreRegister:
        m_registers[saved.pc] = saved.pos;
        m_stack.pop_back();
        return false;
    case SavedState::resume:
        m_stack.pop_back();
        m_pc = saved.pc;
        m_pos = saved.pos;
        return true;
    case SavedState::lookahead: {
        // The lookahead's body failed: (?= fails with it, (?! succeeds.
        m_stack.pop_back();
        m_innermostLookahead = saved.extra;
        const Instruction &start = m_program.code[saved.pc];
        if (!start.negated)
            return false;
        m_pc = start.b;
        m_pos = saved.pos;
        return true;
    }
    case SavedState::giveBackOne:
        m_pos = saved.pos - 1;
        if (m_pos == saved.extra)
            m_stack.pop_back();
        else
            state.pos = m_pos;
        m_pc = saved.pc + 1;
        return true;
    case SavedState::takeOneMore: {
        const Instruction &in = m_program.code[saved.pc];
        m_stack.pop_back();
        if (saved.pos >= m_subject.size() || !matchesOne(in.matcher, in.a, m_subject[saved.pos]))
            return false;
        m_pos = saved.pos + 1;
        m_pc = saved.pc + 1;
        return saved.extra + 1 >= in.maxCount || push({SavedState::takeOneMore, saved.pc, m_pos, saved.extra + 1});
    }
    case SavedState::enterLoopBody:
        m_stack.pop_back();
        m_pc = saved.pc;
        m_pos = saved.pos;
        return enterLoopBody(m_program.code[saved.pc]); // fails only at the memory limit
    }
    return false;
}

bool BacktrackingMatcher::push(SavedState state)
{
    if (m_stack.size() >= m_maxStackSize) {
        m_limitHit = true;
        return false;
    }
    m_stack.push_back(state);
    return true;
}

// Every change to a register is undone on the way back.
bool BacktrackingMatcher::setRegister(std::size_t index, std::size_t value)
{
    if (m_registers[index] == value)
        return true;
    if (!push({SavedState::restoreRegister, std::uint32_t(index), m_registers[index], 0}))
        return false;
    m_registers[index] = value;
    return true;
}

bool BacktrackingMatcher::enterLoopBody(const Instruction &head)
{
    if (!setRegister(m_program.loopStartRegister(head.a), m_pos) || !clearGroups(head.firstGroup, head.groupCount))
        return false;
    ++m_pc;
    return true;
}

bool BacktrackingMatcher::clearGroups(std::uint32_t firstGroup, std::uint32_t count)
{
    for (std::size_t group = firstGroup; group < std::size_t(firstGroup) + count; ++group) {
        if (!setRegister(2 * group, kUnset) || !setRegister(2 * group + 1, kUnset))
            return false;
    }
    return true;
}

// The body of the innermost lookahead matched. A lookahead never gives back
// its match when what follows fails, so its untried ways are dropped; a (?=
// keeps the groups it set, a (?! unsets them and fails.
bool BacktrackingMatcher::finishLookahead()
{
    const SavedState opened = m_stack[m_innermostLookahead - 1];
    const Instruction &start = m_program.code[opened.pc];
    if (!m_budget.spend(m_stack.size() - m_innermostLookahead + 1)) {
        m_limitHit = true;
        return false;
    }
    dropLookaheadScope(!start.negated);
    if (start.negated)
        return false;
    m_pc = start.b;
    m_pos = opened.pos;
    return true;
}

void BacktrackingMatcher::dropLookaheadScope(bool keepRegisterRestores)
{
    const std::size_t opened = m_innermostLookahead - 1;
    m_innermostLookahead = m_stack[opened].extra;
    std::size_t kept = opened;
    for (std::size_t i = opened + 1; i < m_stack.size(); ++i) {
        const SavedState &state = m_stack[i];
        if (state.kind != SavedState::restoreRegister)
            continue;
        if (keepRegisterRestores)
            m_stack[kept++] = state;
    }
    if (!keepRegisterRestores) { // undo, newest first
        for (std::size_t i = m_stack.size(); i > opened + 1; --i) {
            if (m_stack[i - 1].kind == SavedState::restoreRegister)
                m_registers[m_stack[i - 1].pc] = m_stack[i - 1].pos;
        }
    }
    m_stack.resize(kept);
}

bool BacktrackingMatcher::matchesOne(Op matcher, std::uint32_t operand, char16_t unit) const
{
    switch (matcher) {
    case Op::unit:
        return unit == operand;
    case Op::unitFolded:
        return canonicalCase(unit) == operand;
    default:
        return m_program.sets[operand].contains(unit);
    }
}

// A group that did not take part matches the empty string.
bool BacktrackingMatcher::matchesBackreference(std::size_t group)
{
    const std::size_t start = m_registers[2 * group];
    const std::size_t end = m_registers[2 * group + 1];
    if (start == kUnset || end == kUnset || end < start)
        return true;
    const std::size_t length = end - start;
    if (length > m_subject.size() - m_pos)
        return false;
    if (!m_budget.spend(length)) {
        m_limitHit = true;
        return false;
    }
    const bool folded = m_program.code[m_pc].folded;
    for (std::size_t i = 0; i < length; ++i) {
        const char16_t captured = m_subject[start + i];
        const char16_t here = m_subject[m_pos + i];
        if (captured != here && (!folded || canonicalCase(captured) != canonicalCase(here)))
            return false;
    }
    m_pos += length;
    return true;
}

bool BacktrackingMatcher::atWordBoundary() const
{
    const bool wordBefore = m_pos > 0 && isWordUnit(m_subject[m_pos - 1]);
    const bool wordAfter = m_pos < m_subject.size() && isWordUnit(m_subject[m_pos]);
    return wordBefore != wordAfter;
}

bool BacktrackingMatcher::isLineBreakAt(std::size_t index) const
{
    return m_subject[index] == u'\n' || m_subject[index] == u'\r';
}

} // namespace tabulo::vbs::regex
