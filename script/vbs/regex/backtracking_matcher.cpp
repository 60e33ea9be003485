#include "backtracking_matcher.h"

#include "case_folding.h"

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
    : program_(program)
    , subject_(subject)
    , maxStackSize_(limits.maxBacktrackEntries)
    , budget_(budget)
{
}

BacktrackingMatcher::Outcome BacktrackingMatcher::matchAt(std::size_t start)
{
    registers_.assign(program_.registerCount(), kUnset);
    stack_.clear();
    innermostLookahead_ = 0;
    limitHit_ = false;
    registers_[0] = start;
    pc_ = 0;
    pos_ = start;
    return run();
}

// The dispatch loop: each case either moves on (continue) or fails (break),
// and a failure resumes the most recent untried way.
BacktrackingMatcher::Outcome BacktrackingMatcher::run()
{
    const std::size_t length = subject_.size();
    while (true) {
        if (!budget_.spend(1))
            return Outcome::limitExceeded;
        const Instruction &in = program_.code[pc_];
        bool ok = true;
        switch (in.op) {
        case Op::unit:
        case Op::unitFolded:
        case Op::set:
            ok = pos_ < length && matchesOne(in.op, in.a, subject_[pos_]);
            if (ok) {
                ++pos_;
                ++pc_;
            }
            break;
        case Op::repeatOne: {
            const std::size_t limit = std::min<std::size_t>(length - pos_, in.maxCount);
            const std::size_t wanted = in.greedy ? limit : std::min<std::size_t>(limit, in.minCount);
            std::size_t count = 0;
            while (count < wanted && matchesOne(in.matcher, in.a, subject_[pos_ + count]))
                ++count;
            if (!budget_.spend(count))
                return Outcome::limitExceeded;
            ok = count >= in.minCount;
            if (!ok)
                break;
            if (in.greedy && count > in.minCount)
                ok = push({SavedState::giveBackOne, pc_, pos_ + count, pos_ + in.minCount});
            else if (!in.greedy && count < in.maxCount)
                ok = push({SavedState::takeOneMore, pc_, pos_ + count, count});
            pos_ += count;
            ++pc_;
            break;
        }
        case Op::split:
            ok = push({SavedState::resume, in.b, pos_, 0});
            pc_ = in.a;
            break;
        case Op::jump:
            pc_ = in.a;
            break;
        case Op::saveStart:
        case Op::saveEnd:
            ok = setRegister(in.a, pos_);
            ++pc_;
            break;
        case Op::clearGroups:
            ok = clearGroups(in.a, in.b);
            ++pc_;
            break;
        case Op::inputStart:
            ok = pos_ == 0;
            ++pc_;
            break;
        case Op::lineStart:
            ok = pos_ == 0 || isLineBreakAt(pos_ - 1);
            ++pc_;
            break;
        case Op::inputEnd:
            ok = pos_ == length;
            ++pc_;
            break;
        case Op::lineEnd:
            ok = pos_ == length || isLineBreakAt(pos_);
            ++pc_;
            break;
        case Op::wordBoundary:
            ok = atWordBoundary() != in.negated;
            ++pc_;
            break;
        case Op::backreference:
            ok = matchesBackreference(in.a);
            ++pc_;
            break;
        case Op::lookStart:
            ok = push({SavedState::lookahead, pc_, pos_, innermostLookahead_});
            innermostLookahead_ = stack_.size();
            ++pc_;
            break;
        case Op::lookEnd:
            ok = finishLookahead();
            break;
        case Op::loopInit:
            ok = setRegister(program_.loopCounterRegister(in.a), 0);
            ++pc_;
            break;
        case Op::loopHead: {
            const std::size_t count = registers_[program_.loopCounterRegister(in.a)];
            if (count < in.minCount) {
                ok = enterLoopBody(in);
            } else if (in.maxCount != kUnbounded && count >= in.maxCount) {
                pc_ = in.b;
            } else if (in.greedy) {
                ok = push({SavedState::resume, in.b, pos_, 0}) && enterLoopBody(in);
            } else {
                ok = push({SavedState::enterLoopBody, pc_, pos_, 0});
                pc_ = in.b;
            }
            break;
        }
        case Op::loopTail: {
            const std::size_t counter = program_.loopCounterRegister(in.a);
            const std::size_t count = registers_[counter];
            // Once the minimum is reached an iteration that consumed nothing
            // fails, or "(a?)*" would go round for ever.
            ok = !(count >= in.minCount && pos_ == registers_[program_.loopStartRegister(in.a)]);
            if (ok)
                ok = setRegister(counter, count + 1);
            pc_ = in.b;
            break;
        }
        case Op::match:
            registers_[1] = pos_;
            return Outcome::matched;
        }
        if (!ok && (limitHit_ || !backtrack()))
            return limitHit_ ? Outcome::limitExceeded : Outcome::failed;
    }
}

bool BacktrackingMatcher::backtrack()
{
    while (!stack_.empty()) {
        if (!budget_.spend(1)) {
            limitHit_ = true;
            return false;
        }
        if (resumeFrom(stack_.back()))
            return true;
        if (limitHit_)
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
        registers_[saved.pc] = saved.pos;
        stack_.pop_back();
        return false;
    case SavedState::resume:
        stack_.pop_back();
        pc_ = saved.pc;
        pos_ = saved.pos;
        return true;
    case SavedState::lookahead: {
        // The lookahead's body failed: (?= fails with it, (?! succeeds.
        stack_.pop_back();
        innermostLookahead_ = saved.extra;
        const Instruction &start = program_.code[saved.pc];
        if (!start.negated)
            return false;
        pc_ = start.b;
        pos_ = saved.pos;
        return true;
    }
    case SavedState::giveBackOne:
        pos_ = saved.pos - 1;
        if (pos_ == saved.extra)
            stack_.pop_back();
        else
            state.pos = pos_;
        pc_ = saved.pc + 1;
        return true;
    case SavedState::takeOneMore: {
        const Instruction &in = program_.code[saved.pc];
        stack_.pop_back();
        if (saved.pos >= subject_.size() || !matchesOne(in.matcher, in.a, subject_[saved.pos]))
            return false;
        pos_ = saved.pos + 1;
        pc_ = saved.pc + 1;
        return saved.extra + 1 >= in.maxCount || push({SavedState::takeOneMore, saved.pc, pos_, saved.extra + 1});
    }
    case SavedState::enterLoopBody:
        stack_.pop_back();
        pc_ = saved.pc;
        pos_ = saved.pos;
        return enterLoopBody(program_.code[saved.pc]); // fails only at the memory limit
    }
    return false;
}

bool BacktrackingMatcher::push(SavedState state)
{
    if (stack_.size() >= maxStackSize_) {
        limitHit_ = true;
        return false;
    }
    stack_.push_back(state);
    return true;
}

// Every change to a register is undone on the way back.
bool BacktrackingMatcher::setRegister(std::size_t index, std::size_t value)
{
    if (registers_[index] == value)
        return true;
    if (!push({SavedState::restoreRegister, std::uint32_t(index), registers_[index], 0}))
        return false;
    registers_[index] = value;
    return true;
}

bool BacktrackingMatcher::enterLoopBody(const Instruction &head)
{
    if (!setRegister(program_.loopStartRegister(head.a), pos_) || !clearGroups(head.firstGroup, head.groupCount))
        return false;
    ++pc_;
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
    const SavedState opened = stack_[innermostLookahead_ - 1];
    const Instruction &start = program_.code[opened.pc];
    if (!budget_.spend(stack_.size() - innermostLookahead_ + 1)) {
        limitHit_ = true;
        return false;
    }
    dropLookaheadScope(!start.negated);
    if (start.negated)
        return false;
    pc_ = start.b;
    pos_ = opened.pos;
    return true;
}

void BacktrackingMatcher::dropLookaheadScope(bool keepRegisterRestores)
{
    const std::size_t opened = innermostLookahead_ - 1;
    innermostLookahead_ = stack_[opened].extra;
    std::size_t kept = opened;
    for (std::size_t i = opened + 1; i < stack_.size(); ++i) {
        const SavedState &state = stack_[i];
        if (state.kind != SavedState::restoreRegister)
            continue;
        if (keepRegisterRestores)
            stack_[kept++] = state;
    }
    if (!keepRegisterRestores) { // undo, newest first
        for (std::size_t i = stack_.size(); i > opened + 1; --i) {
            if (stack_[i - 1].kind == SavedState::restoreRegister)
                registers_[stack_[i - 1].pc] = stack_[i - 1].pos;
        }
    }
    stack_.resize(kept);
}

bool BacktrackingMatcher::matchesOne(Op matcher, std::uint32_t operand, char16_t unit) const
{
    switch (matcher) {
    case Op::unit:
        return unit == operand;
    case Op::unitFolded:
        return canonicalCase(unit) == operand;
    default:
        return program_.sets[operand].contains(unit);
    }
}

// A group that did not take part matches the empty string.
bool BacktrackingMatcher::matchesBackreference(std::size_t group)
{
    const std::size_t start = registers_[2 * group];
    const std::size_t end = registers_[2 * group + 1];
    if (start == kUnset || end == kUnset || end < start)
        return true;
    const std::size_t length = end - start;
    if (length > subject_.size() - pos_)
        return false;
    if (!budget_.spend(length)) {
        limitHit_ = true;
        return false;
    }
    const bool folded = program_.code[pc_].folded;
    for (std::size_t i = 0; i < length; ++i) {
        const char16_t captured = subject_[start + i];
        const char16_t here = subject_[pos_ + i];
        if (captured != here && (!folded || canonicalCase(captured) != canonicalCase(here)))
            return false;
    }
    pos_ += length;
    return true;
}

bool BacktrackingMatcher::atWordBoundary() const
{
    const bool wordBefore = pos_ > 0 && isWordUnit(subject_[pos_ - 1]);
    const bool wordAfter = pos_ < subject_.size() && isWordUnit(subject_[pos_]);
    return wordBefore != wordAfter;
}

bool BacktrackingMatcher::isLineBreakAt(std::size_t index) const
{
    return subject_[index] == u'\n' || subject_[index] == u'\r';
}

} // namespace tabulo::vbs::regex
