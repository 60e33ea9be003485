// What the search loop can learn from a pattern before matching, so that a
// literal or a pattern with a known first unit scans a long subject without
// starting the matcher at every position.
#include "vbs/regex/program_compiler.h"

#include "vbs/regex/case_folding.h"

namespace tabulo::vbs::regex {
namespace {

// The units a match of a node can begin with. `unknown` means any unit
// (a backreference can start with anything); `canBeEmpty` means the node may
// consume nothing, so what follows it counts as well.
struct FirstUnits
{
    CharSet units;
    bool unknown = false;
    bool canBeEmpty = false;
};

FirstUnits firstUnitsOf(const PatternNode &node, bool ignoreCase);

FirstUnits firstUnitsOfSequence(const std::vector<PatternNode> &children, bool ignoreCase)
{
    FirstUnits result;
    for (const PatternNode &child : children) {
        FirstUnits first = firstUnitsOf(child, ignoreCase);
        result.units.addSet(first.units);
        result.unknown = result.unknown || first.unknown;
        if (!first.canBeEmpty)
            return result;
    }
    result.canBeEmpty = true;
    return result;
}

FirstUnits firstUnitsOf(const PatternNode &node, bool ignoreCase)
{
    using Kind = PatternNode::Kind;
    FirstUnits result;
    switch (node.kind) {
    case Kind::unit:
        result.units.add(node.unit);
        break;
    case Kind::set:
        result.units = unitsMatchedBy(node, ignoreCase);
        break;
    case Kind::sequence:
        return firstUnitsOfSequence(node.children, ignoreCase);
    case Kind::alternation:
        for (const PatternNode &child : node.children) {
            FirstUnits first = firstUnitsOf(child, ignoreCase);
            result.units.addSet(first.units);
            result.unknown = result.unknown || first.unknown;
            result.canBeEmpty = result.canBeEmpty || first.canBeEmpty;
        }
        break;
    case Kind::group:
        return firstUnitsOf(node.children.front(), ignoreCase);
    case Kind::repeat:
        if (node.maxCount == 0) {
            result.canBeEmpty = true;
            break;
        }
        result = firstUnitsOf(node.children.front(), ignoreCase);
        result.canBeEmpty = result.canBeEmpty || node.minCount == 0;
        break;
    case Kind::backreference:
        result.unknown = true;
        result.canBeEmpty = true;
        break;
    default: // assertions and lookaheads consume nothing
        result.canBeEmpty = true;
        break;
    }
    return result;
}

const PatternNode &leadingNode(const PatternNode &root)
{
    if (root.kind == PatternNode::Kind::sequence && !root.children.empty())
        return root.children.front();
    return root;
}

std::u16string literalPrefixOf(const PatternNode &root)
{
    std::u16string prefix;
    if (root.kind == PatternNode::Kind::unit)
        prefix.push_back(root.unit);
    if (root.kind != PatternNode::Kind::sequence)
        return prefix;
    for (const PatternNode &child : root.children) {
        if (child.kind != PatternNode::Kind::unit)
            break;
        prefix.push_back(child.unit);
    }
    return prefix;
}

} // namespace

void findSearchShortcuts(const PatternNode &root, Flags flags, Program &program)
{
    if (leadingNode(root).kind == PatternNode::Kind::lineStart) {
        program.anchoredAtInputStart = !flags.multiline;
        program.anchoredAtLineStart = flags.multiline;
    }
    if (!flags.ignoreCase)
        program.literalPrefix = literalPrefixOf(root);
    FirstUnits first = firstUnitsOf(root, flags.ignoreCase);
    if (first.unknown || first.canBeEmpty)
        return;
    // Sets are already folded; this folds the single units among them.
    if (flags.ignoreCase)
        first.units.closeUnderCaseFolding();
    else
        first.units.finish();
    program.firstUnits = std::move(first.units);
}

} // namespace tabulo::vbs::regex
