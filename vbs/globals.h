#pragma once
// The engine's global names: variables, constants, procedures and host objects, each
// in a slot that compiled code addresses by number. Slots live in fixed blocks that
// never move, so a reference to one (a ByRef argument) stays valid while new globals
// are added; a block holds a power of two of them, so finding a slot costs a shift
// and a mask, not a division, on every access to a global.
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "vbs/ast.h"
#include "vbs/value.h"

namespace tabulo::vbs {

struct GlobalEntry
{
    enum class Kind : std::uint8_t { Unset, Variable, Constant, Procedure, HostObject };
    std::u16string name;
    Kind kind = Kind::Unset;
    Value value;
    const Procedure *procedure = nullptr;
};

class GlobalTable
{
public:
    // The slot of a name, created (Unset) when the name is new.
    int slotOf(std::u16string_view name);
    // -1 when the name has no slot.
    int find(std::u16string_view folded) const;
    GlobalEntry &operator[](int slot)
    {
        return m_blocks[std::size_t(slot) >> kBlockBits][std::size_t(slot) & kSlotMask];
    }
    const GlobalEntry &operator[](int slot) const
    {
        return m_blocks[std::size_t(slot) >> kBlockBits][std::size_t(slot) & kSlotMask];
    }
    void clear()
    {
        m_blocks.clear();
        m_count = 0;
        m_index.clear();
    }
    int size() const { return m_count; }

private:
    static constexpr std::size_t kBlockBits = 6;
    static constexpr std::size_t kSlotMask = (std::size_t(1) << kBlockBits) - 1;
    std::vector<std::unique_ptr<GlobalEntry[]>> m_blocks;
    int m_count = 0;
    std::unordered_map<std::u16string, int> m_index; // folded name -> slot
};

} // namespace tabulo::vbs
