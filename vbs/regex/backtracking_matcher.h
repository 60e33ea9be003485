// Runs a Program against a subject at one start position.
//
// Backtracking uses an explicit stack on the heap instead of recursion, so
// a long subject cannot overflow the call stack. The stack holds the ways not
// yet tried and the register values to restore on the way back. Both the
// steps taken and the stack's size are limited (StepBudget, MatchLimits).
#pragma once

#include "vbs/regex/program.h"
#include "vbs/regex/regex.h"

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
        : m_remaining(steps)
    {
    }
    bool spend(std::uint64_t steps)
    {
        if (steps > m_remaining) {
            m_remaining = 0;
            return false;
        }
        m_remaining -= steps;
        return true;
    }

private:
    std::uint64_t m_remaining;
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
    const std::vector<std::size_t> &registers() const { return m_registers; }

private:
    struct SavedState
    {
        enum Kind : std::uint32_t {
            resume, // try again at (pc, pos)
            restoreRegister, // m_registers[pc] = pos
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

    const Program &m_program;
    std::u16string_view m_subject;
    std::size_t m_maxStackSize;
    StepBudget &m_budget;
    std::vector<std::size_t> m_registers;
    std::vector<SavedState> m_stack;
    std::size_t m_innermostLookahead = 0; // stack index + 1 of the open lookahead, 0 for none
    std::uint32_t m_pc = 0;
    std::size_t m_pos = 0;
    bool m_limitHit = false;
};

} // namespace tabulo::vbs::regex
