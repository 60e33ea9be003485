#include "core/history/undo_history.h"

namespace tabulo {

TextVersions::Id UndoHistory::slot(int index) const
{
    if (index < 0 || size_t(index) >= m_slots.size())
        return TextVersions::None;
    return m_slots[size_t(index)];
}

void UndoHistory::store(int index, const QString &text)
{
    if (index < 0 || index > LastIndex)
        return;
    if (size_t(index) >= m_slots.size())
        m_slots.resize(size_t(index) + 1, TextVersions::None);
    m_slots[size_t(index)] = text.isEmpty() ? TextVersions::None : m_versions.add(text);
}

QString UndoHistory::entry(int index)
{
    const auto id = slot(index);
    return id == TextVersions::None ? QString() : m_versions.text(id);
}

bool UndoHistory::holdsState(int index) const
{
    return slot(index) != TextVersions::None;
}

void UndoHistory::clear()
{
    m_slots.clear();
    m_versions.clear();
}

void UndoHistory::record(const QString &text)
{
    advance();
    m_slots[size_t(m_position)] = m_versions.add(text);
}

void UndoHistory::recordEdit(qsizetype position, qsizetype removedLength, QStringView inserted)
{
    advance();
    m_slots[size_t(m_position)] = m_versions.addEdit(position, removedLength, inserted);
}

void UndoHistory::advance()
{
    // The 16-bit increment fails at the ceiling and the position stays.
    if (m_position < PositionCeiling)
        ++m_position;
    if (size_t(m_position) >= m_slots.size())
        m_slots.resize(size_t(m_position) + 1, TextVersions::None);
}

void UndoHistory::reset(const QString &base)
{
    m_position = 0;
    clear();
    // The base is a state even when empty: the next edit is recorded as an
    // edit of it.
    m_slots.push_back(m_versions.add(base));
}

std::optional<QString> UndoHistory::undo()
{
    if (m_position <= 0)
        return std::nullopt;
    --m_position;
    return entry(m_position);
}

std::optional<QString> UndoHistory::redo()
{
    // The position is a 16-bit number: at the ceiling its increment fails,
    // so an entry stored above 32767 is out of Redo's reach.
    if (m_position >= PositionCeiling || !holdsState(m_position + 1))
        return std::nullopt;
    ++m_position;
    return entry(m_position);
}

} // namespace tabulo
