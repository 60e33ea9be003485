#include "vbs/call_stack.h"

#include <algorithm>

namespace tabulo::vbs {

namespace {
constexpr std::size_t kBlockCells = 1024;
}

void CallStack::nextBlock(std::size_t n)
{
    if (m_cells) {
        m_blocks[m_current].usedWhenLeft = m_used;
        ++m_current;
    }
    // Blocks above the current one hold nothing: one too small is replaced.
    if (m_current >= m_blocks.size())
        m_blocks.emplace_back();
    Block &block = m_blocks[m_current];
    if (block.capacity < n) {
        block.capacity = std::max(kBlockCells, n);
        block.cells = std::make_unique<CallCell[]>(block.capacity);
    }
    m_cells = block.cells.get();
    m_capacity = block.capacity;
    m_used = 0;
}

void CallStack::previousBlock()
{
    Block &block = m_blocks[--m_current];
    m_cells = block.cells.get();
    m_capacity = block.capacity;
    m_used = block.usedWhenLeft;
}

} // namespace tabulo::vbs
