#pragma once
// Room for the arguments and locals of running procedures. A call takes what it needs
// on entry and gives it back on return, so calls stop allocating once the stack has
// grown to the script's depth, and the C++ stack, which limits how deep scripts may
// recurse, holds none of it. Blocks never move: a ByRef argument points into its
// caller's locals.
#include <cstddef>
#include <memory>
#include <vector>

#include "vbs/value.h"

namespace tabulo::vbs {

// A local of a procedure (or an argument of a call) and the variable its name reaches:
// its own value, or the caller's variable for a ByRef parameter.
struct CallCell
{
    Value value;
    Value *slot = nullptr;
};

class CallStack
{
public:
    struct Mark
    {
        std::size_t block = 0;
        std::size_t used = 0;
    };

    Mark mark() const { return {m_current, m_used}; }

    // n contiguous cells. Their slots are null; their values hold nothing to drop but
    // may hold what an earlier call left (a number): the taker sets what it reads.
    CallCell *take(std::size_t n)
    {
        if (m_used + n > m_capacity)
            nextBlock(n);
        CallCell *taken = m_cells + m_used;
        m_used += n;
        return taken;
    }

    // Gives back everything taken since `m`, newest first.
    void release(Mark m)
    {
        while (m_current != m.block || m_used != m.used) {
            if (m_used == 0) {
                previousBlock();
                continue;
            }
            CallCell &cell = m_cells[m_used - 1];
            cell.slot = nullptr;
            if (cell.value.isPlain()) {
                --m_used;
            } else {
                // Dropping a string, array or object may run script (a Class_Terminate)
                // that takes room of its own: the cell is given back first.
                Value dropped = std::move(cell.value);
                --m_used;
            }
        }
    }

private:
    void nextBlock(std::size_t n);
    void previousBlock();

    struct Block
    {
        std::unique_ptr<CallCell[]> cells;
        std::size_t capacity = 0;
        std::size_t usedWhenLeft = 0;
    };
    std::vector<Block> m_blocks;
    std::size_t m_current = 0;
    // The current block's cells, cached for take and release.
    CallCell *m_cells = nullptr;
    std::size_t m_capacity = 0;
    std::size_t m_used = 0;
};

} // namespace tabulo::vbs
