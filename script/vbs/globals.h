#pragma once
// The engine's global names: variables, constants, procedures and host objects, each
// in a slot that compiled code addresses by number. Slots live in a deque so a
// reference to one (a ByRef argument) stays valid while new globals are added.
#include <deque>
#include <string>
#include <unordered_map>

#include "ast.h"
#include "value.h"

namespace tabulo::vbs {

struct GlobalEntry {
    enum class Kind : std::uint8_t { Unset, Variable, Constant, Procedure, HostObject };
    std::u16string name;
    Kind kind = Kind::Unset;
    Value value;
    const Procedure* procedure = nullptr;
};

class GlobalTable {
public:
    // The slot of a name, created (Unset) when the name is new.
    int slotOf(std::u16string_view name);
    // -1 when the name has no slot.
    int find(std::u16string_view folded) const;
    GlobalEntry& operator[](int slot) { return entries_[std::size_t(slot)]; }
    const GlobalEntry& operator[](int slot) const { return entries_[std::size_t(slot)]; }
    void clear() { entries_.clear(); index_.clear(); }
    int size() const { return int(entries_.size()); }

private:
    std::deque<GlobalEntry> entries_;
    std::unordered_map<std::u16string, int> index_;  // folded name -> slot
};

}  // namespace tabulo::vbs
