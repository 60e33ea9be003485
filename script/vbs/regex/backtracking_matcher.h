// Runs a Program against a subject at one start position.
//
// Backtracking uses an explicit stack on the heap instead of recursion, so
// a long subject cannot overflow the call stack. The stack holds the ways not
// yet tried and the register values to restore on the way back. Both the
// steps taken and the stack's size are limited (StepBudget, MatchLimits).
#pragma once

#include "program.h"
#include "regex.h"

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace tabulo::vbs::regex {

inline constexpr std::size_t kUnset = SIZE_MAX;

// Shared by all the searches one call makes (a Global Replace makes many).
class StepBudget
{
public:
    explicit StepBudget(std::uint64_t steps)
        : remaining_(steps)
    {
    }
    bool spend(std::uint64_t steps)
    {
        if (steps > remaining_) {
            remaining_ = 0;
            return false;
        }
        remaining_ -= steps;
        return true;
    }

private:
    std::uint64_t remaining_;
};

class BacktrackingMatcher
{
public:
    enum class Outcome { matched, failed, limitExceeded };

    BacktrackingMatcher(
        const Program &program, std::u16string_view subject, const MatchLimits &limits, StepBudget &budget);

    // After `matched`, registers() holds each group's start and end (kUnset
    // when it did not take part); register 0 and 1 are the whole match.
    Outcome matchAt(std::size_t start);
    const std::vector<std::size_t> &registers() const { return registers_; }

private:
    struct SavedState
    {
        enum Kind : std::uint32_t {
            resume, // try again at (pc, pos)
            restoreRegister, // registers_[pc] = pos
            lookahead, // a lookahead began at pc, pos; extra: the enclosing one + 1
            giveBackOne, // greedy repeatOne at pc now ends at pos; extra: its shortest end
            takeOneMore, // lazy repeatOne at pc now ends at pos; extra: its count
            enterLoopBody, // lazy loopHead at pc: try one more iteration from pos
        };
        std::uint32_t kind;
        std::uint32_t pc;
        std::size_t pos;
        std::size_t extra;
    };

    Outcome run();
    bool backtrack(); // false when every way has been tried
    bool resumeFrom(SavedState &state); // false when the state offers nothing more
    bool push(SavedState state);
    bool setRegister(std::size_t index, std::size_t value);
    bool enterLoopBody(const Instruction &head);
    bool clearGroups(std::uint32_t firstGroup, std::uint32_t count);
    bool finishLookahead();
    void dropLookaheadScope(bool keepRegisterRestores);
    bool matchesOne(Op matcher, std::uint32_t operand, char16_t unit) const;
    bool matchesBackreference(std::size_t group);
    bool atWordBoundary() const;
    bool isLineBreakAt(std::size_t index) const;

    const Program &program_;
    std::u16string_view subject_;
    std::size_t maxStackSize_;
    StepBudget &budget_;
    std::vector<std::size_t> registers_;
    std::vector<SavedState> stack_;
    std::size_t innermostLookahead_ = 0; // stack index + 1 of the open lookahead, 0 for none
    std::uint32_t pc_ = 0;
    std::size_t pos_ = 0;
    bool limitHit_ = false;
};

} // namespace tabulo::vbs::regex
