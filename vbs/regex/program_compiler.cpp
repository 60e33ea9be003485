#include "vbs/regex/program_compiler.h"

#include "vbs/regex/case_folding.h"

#include <utility>

namespace tabulo::vbs::regex {
namespace {

// Whether the node can match without consuming anything. Loops whose body
// cannot need no check against empty iterations.
bool canMatchEmpty(const PatternNode &node)
{
    using Kind = PatternNode::Kind;
    switch (node.kind) {
    case Kind::unit:
    case Kind::set:
        return false;
    case Kind::sequence:
        for (const PatternNode &child : node.children) {
            if (!canMatchEmpty(child))
                return false;
        }
        return true;
    case Kind::alternation:
        for (const PatternNode &child : node.children) {
            if (canMatchEmpty(child))
                return true;
        }
        return false;
    case Kind::group:
        return canMatchEmpty(node.children.front());
    case Kind::repeat:
        return node.minCount == 0 || canMatchEmpty(node.children.front());
    default:
        return true; // assertions, lookaheads, backreferences, empty
    }
}

class ProgramCompiler
{
public:
    ProgramCompiler(Program &program, Flags flags)
        : m_program(program)
        , m_flags(flags)
    {
    }

    void emitNode(const PatternNode &node)
    {
        using Kind = PatternNode::Kind;
        switch (node.kind) {
        case Kind::empty:
            break;
        case Kind::unit:
        case Kind::set:
            emitOneUnitMatcher(node);
            break;
        case Kind::sequence:
            for (const PatternNode &child : node.children)
                emitNode(child);
            break;
        case Kind::alternation:
            emitAlternation(node);
            break;
        case Kind::group:
            emitGroup(node);
            break;
        case Kind::lookahead:
            emitLookahead(node);
            break;
        case Kind::repeat:
            emitRepeat(node);
            break;
        case Kind::lineStart:
            emit({m_flags.multiline ? Op::lineStart : Op::inputStart});
            break;
        case Kind::lineEnd:
            emit({m_flags.multiline ? Op::lineEnd : Op::inputEnd});
            break;
        case Kind::wordBoundary: {
            Instruction boundary {Op::wordBoundary};
            boundary.negated = node.negated;
            emit(boundary);
            break;
        }
        case Kind::backreference: {
            Instruction reference {Op::backreference};
            reference.a = std::uint32_t(node.groupIndex);
            reference.folded = m_flags.ignoreCase;
            emit(reference);
            break;
        }
        }
    }

    std::uint32_t emit(Instruction instruction)
    {
        m_program.code.push_back(instruction);
        return here() - 1;
    }

private:
    std::uint32_t here() const { return std::uint32_t(m_program.code.size()); }

    // The unit and set nodes become one instruction; `matcher` and `a` are
    // also what a repeatOne uses to test one unit.
    Instruction oneUnitMatcher(const PatternNode &node)
    {
        if (node.kind == PatternNode::Kind::unit) {
            if (m_flags.ignoreCase)
                return Instruction {.op = Op::unitFolded, .a = canonicalCase(node.unit)};
            return Instruction {.op = Op::unit, .a = node.unit};
        }
        m_program.sets.push_back(unitsMatchedBy(node, m_flags.ignoreCase));
        return Instruction {.op = Op::set, .a = std::uint32_t(m_program.sets.size() - 1)};
    }

    void emitOneUnitMatcher(const PatternNode &node) { emit(oneUnitMatcher(node)); }

    // split L1, L2 / L1: first; jump end / L2: split ... / last / end:
    void emitAlternation(const PatternNode &node)
    {
        std::vector<std::uint32_t> jumpsToEnd;
        for (std::size_t i = 0; i + 1 < node.children.size(); ++i) {
            const std::uint32_t split = emit({Op::split});
            m_program.code[split].a = here();
            emitNode(node.children[i]);
            jumpsToEnd.push_back(emit({Op::jump}));
            m_program.code[split].b = here();
        }
        emitNode(node.children.back());
        for (std::uint32_t jump : jumpsToEnd)
            m_program.code[jump].a = here();
    }

    void emitGroup(const PatternNode &node)
    {
        Instruction start {Op::saveStart};
        start.a = std::uint32_t(2 * node.groupIndex);
        emit(start);
        emitNode(node.children.front());
        Instruction end {Op::saveEnd};
        end.a = std::uint32_t(2 * node.groupIndex + 1);
        emit(end);
    }

    void emitLookahead(const PatternNode &node)
    {
        Instruction start {Op::lookStart};
        start.negated = node.negated;
        const std::uint32_t startAt = emit(start);
        emitNode(node.children.front());
        emit({Op::lookEnd});
        m_program.code[startAt].b = here();
    }

    void emitRepeat(const PatternNode &node)
    {
        const PatternNode &body = node.children.front();
        if (node.maxCount == 0)
            return; // x{0} matches the empty string and never captures
        if (body.kind == PatternNode::Kind::unit || body.kind == PatternNode::Kind::set) {
            emitRepeatOne(node, body);
        } else if (node.maxCount == kUnbounded && node.minCount <= 1 && !canMatchEmpty(body)) {
            emitPlainLoop(node, body);
        } else if (node.minCount == 0 && node.maxCount == 1 && !canMatchEmpty(body)) {
            emitOptional(node, body);
        } else {
            emitCountedLoop(node, body);
        }
    }

    void emitRepeatOne(const PatternNode &node, const PatternNode &body)
    {
        const Instruction matcher = oneUnitMatcher(body);
        Instruction repeat {Op::repeatOne};
        repeat.matcher = matcher.op;
        repeat.a = matcher.a;
        repeat.greedy = node.greedy;
        repeat.minCount = node.minCount;
        repeat.maxCount = node.maxCount;
        emit(repeat);
    }

    // The order a split tries its two ways in: the loop body first when greedy.
    void setSplitOrder(std::uint32_t split, std::uint32_t body, std::uint32_t exit, bool greedy)
    {
        m_program.code[split].a = greedy ? body : exit;
        m_program.code[split].b = greedy ? exit : body;
    }

    void emitGroupClearing(const PatternNode &node)
    {
        if (node.groupsInside == 0)
            return;
        Instruction clear {Op::clearGroups};
        clear.a = std::uint32_t(node.firstGroup);
        clear.b = std::uint32_t(node.groupsInside);
        emit(clear);
    }

    // x* and x+ whose x always consumes, so no iteration can be empty and no
    // count is needed:  [split body, exit] body: clear; x; split body, exit / exit:
    void emitPlainLoop(const PatternNode &node, const PatternNode &body)
    {
        std::uint32_t entrySplit = 0;
        if (node.minCount == 0)
            entrySplit = emit({Op::split});
        const std::uint32_t bodyStart = here();
        emitGroupClearing(node);
        emitNode(body);
        const std::uint32_t loopSplit = emit({Op::split});
        const std::uint32_t exit = here();
        setSplitOrder(loopSplit, bodyStart, exit, node.greedy);
        if (node.minCount == 0)
            setSplitOrder(entrySplit, bodyStart, exit, node.greedy);
    }

    // x? whose x always consumes:  split body, exit / body: clear; x / exit:
    void emitOptional(const PatternNode &node, const PatternNode &body)
    {
        const std::uint32_t split = emit({Op::split});
        const std::uint32_t bodyStart = here();
        emitGroupClearing(node);
        emitNode(body);
        setSplitOrder(split, bodyStart, here(), node.greedy);
    }

    // Everything else keeps a count, and refuses an iteration that matched
    // nothing once the minimum is reached, so "(a*)*" cannot loop forever:
    //   loopInit; head: loopHead (exit); x; loopTail (head) / exit:
    void emitCountedLoop(const PatternNode &node, const PatternNode &body)
    {
        const std::uint32_t loop = std::uint32_t(m_program.loopCount++);
        Instruction init {Op::loopInit};
        init.a = loop;
        emit(init);
        Instruction head {Op::loopHead};
        head.a = loop;
        head.greedy = node.greedy;
        head.minCount = node.minCount;
        head.maxCount = node.maxCount;
        head.firstGroup = std::uint32_t(node.firstGroup);
        head.groupCount = std::uint32_t(node.groupsInside);
        const std::uint32_t headAt = emit(head);
        emitNode(body);
        Instruction tail {Op::loopTail};
        tail.a = loop;
        tail.b = headAt;
        tail.minCount = node.minCount;
        emit(tail);
        m_program.code[headAt].b = here();
    }

    Program &m_program;
    Flags m_flags;
};

} // namespace

Program compileProgram(const ParsedPattern &parsed, Flags flags)
{
    Program program;
    program.groupCount = parsed.groupCount;
    ProgramCompiler compiler(program, flags);
    compiler.emitNode(parsed.root);
    compiler.emit({Op::match});
    findSearchShortcuts(parsed.root, flags, program);
    return program;
}

} // namespace tabulo::vbs::regex
