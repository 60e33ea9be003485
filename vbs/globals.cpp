#include "vbs/globals.h"

namespace tabulo::vbs {

int GlobalTable::slotOf(std::u16string_view name)
{
    std::u16string folded = foldName(name);
    auto it = m_index.find(folded);
    if (it != m_index.end())
        return it->second;
    const int slot = m_count;
    if (std::size_t(slot) >> kBlockBits >= m_blocks.size())
        m_blocks.push_back(std::make_unique<GlobalEntry[]>(kSlotMask + 1));
    (*this)[slot].name = std::u16string(name);
    m_index.emplace(std::move(folded), slot);
    ++m_count;
    return slot;
}

int GlobalTable::find(std::u16string_view folded) const
{
    auto it = m_index.find(std::u16string(folded));
    return it == m_index.end() ? -1 : it->second;
}

int ClassDecl::fieldIndex(std::u16string_view folded) const
{
    for (std::size_t i = 0; i < fields.size(); ++i)
        if (sameName(fields[i].name, folded))
            return int(i);
    return -1;
}

Procedure *ClassDecl::method(std::u16string_view folded) const
{
    for (const auto &[name, proc] : methods)
        if (name == folded)
            return proc;
    return nullptr;
}

const PropertySet *ClassDecl::property(std::u16string_view folded) const
{
    for (const auto &[name, accessors] : properties)
        if (name == folded)
            return &accessors;
    return nullptr;
}

} // namespace tabulo::vbs
