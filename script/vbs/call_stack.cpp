#include "call_stack.h"

#include <algorithm>

namespace tabulo::vbs {

namespace {
constexpr std::size_t kBlockCells = 1024;
}

void CallStack::nextBlock(std::size_t n)
{
    if (cells_) {
        blocks_[current_].usedWhenLeft = used_;
        ++current_;
    }
    // Blocks above the current one hold nothing: one too small is replaced.
    if (current_ >= blocks_.size())
        blocks_.emplace_back();
    Block &block = blocks_[current_];
    if (block.capacity < n) {
        block.capacity = std::max(kBlockCells, n);
        block.cells = std::make_unique<CallCell[]>(block.capacity);
    }
    cells_ = block.cells.get();
    capacity_ = block.capacity;
    used_ = 0;
}

void CallStack::previousBlock()
{
    Block &block = blocks_[--current_];
    cells_ = block.cells.get();
    capacity_ = block.capacity;
    used_ = block.usedWhenLeft;
}

} // namespace tabulo::vbs
