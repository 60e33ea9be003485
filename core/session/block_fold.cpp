#include "core/session/block_fold.h"

#include <algorithm>

namespace tabulo {

BlockFold BlockFold::of(std::span<const CountedOperation> operations)
{
    BlockFold fold;
    fold.operations = qsizetype(operations.size());
    bool first = true;
    for (const CountedOperation &operation : operations) {
        if ((operation.op != u'+' && operation.op != u'-') || !operation.value.isFinite()) {
            fold.additive = false;
            break;
        }
        // Subtracting is adding the negated operand, signs of zero included.
        const Decimal term = operation.op == u'-' ? -operation.value : operation.value;
        if (first) {
            fold.sum = term;
            first = false;
        } else if (const auto sum = fold.sum.exactSum(term)) {
            fold.sum = *sum;
        } else {
            fold.additive = false;
            break;
        }
        fold.reach = Decimal::larger(fold.reach, fold.sum.magnitude());
        fold.finestExponent = std::min(fold.finestExponent, operation.value.quantumExponent());
    }
    return fold;
}

BlockFold BlockFold::compose(const BlockFold &first, const BlockFold &second)
{
    if (first.operations == 0)
        return second;
    if (second.operations == 0)
        return first;
    BlockFold fold;
    fold.operations = first.operations + second.operations;
    fold.additive = first.additive && second.additive;
    if (!fold.additive)
        return fold;
    const auto sum = first.sum.exactSum(second.sum);
    if (!sum) {
        fold.additive = false;
        return fold;
    }
    fold.sum = *sum;
    // A partial sum of the second run is seen after the whole first one.
    fold.reach = Decimal::larger(first.reach, first.sum.magnitude().sumRoundedUp(second.reach));
    fold.finestExponent = std::min(first.finestExponent, second.finestExponent);
    return fold;
}

std::optional<Decimal> BlockFold::skip(const Decimal &entering) const
{
    if (operations == 0)
        return entering;
    if (!additive)
        return std::nullopt;
    // Adding finite numbers to an infinite or undefined total leaves it so.
    if (!entering.isFinite())
        return entering;
    // Every running total inside the run is a multiple of the finest
    // quantum and no larger than `bound`. When that takes at most 34 digits
    // no operation rounds, and below 1E+308 none leaves the double range.
    const Decimal bound = entering.magnitude().sumRoundedUp(reach);
    if (!bound.isZero()) {
        const int lead = bound.leadingExponent();
        const int finest = std::min(entering.quantumExponent(), finestExponent);
        if (lead > finest + 33 || lead >= 308)
            return std::nullopt;
    }
    return entering + sum;
}

} // namespace tabulo
