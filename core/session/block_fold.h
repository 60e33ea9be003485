#pragma once

#include "core/engine/line_engine.h"
#include "core/numbers/decimal.h"

#include <climits>
#include <optional>
#include <span>

namespace tabulo {

// What a run of counted operations does to the running total that enters
// it, summed up so that the run can be skipped whole.
//
// Every operation rounds to 34 digits, so a run is in general a function
// of the total that only folding it computes. But a run that only adds and
// subtracts ("additive") needs no rounding at all while the numbers stay
// within 34 digits: then the total leaving it is the total entering it
// plus the run's exact sum, whatever the order of grouping. The summary
// keeps what it takes to know when that holds: the sum, a bound of every
// partial sum's magnitude and the finest digit any operand has. A total
// entering with digits that the run would push past 34 (say 1E+30 and an
// operand 0,001) does not take the shortcut; the run is then folded.
struct BlockFold
{
    qsizetype operations = 0;
    // Only "+" and "-" of finite numbers, and every partial sum exact.
    bool additive = true;
    Decimal sum; // the signed operands added up, exactly
    Decimal reach; // no partial sum is larger in magnitude
    int finestExponent = INT_MAX; // the quantum exponent of the finest operand

    static BlockFold of(std::span<const CountedOperation> operations);
    // The run `first` followed by the run `second`.
    static BlockFold compose(const BlockFold &first, const BlockFold &second);

    // The total leaving the run when it can be known without folding it:
    // always for a run with no operations, otherwise only for an additive
    // run that needs no rounding after `entering`.
    std::optional<Decimal> skip(const Decimal &entering) const;
};

} // namespace tabulo
