#pragma once

#include <QString>

#include <limits>
#include <optional>
#include <vector>

namespace tabulo::test {

// The undo history written the plain way: an array of 99001 entries, each
// a full text or nothing, and a signed 16-bit position. It is slow and
// memory-hungry on purpose, so that nothing in it can be clever; the real
// history must behave exactly like it.
class ReferenceHistory
{
public:
    static constexpr int LastIndex = 99000;

    qint16 position() const { return m_position; }
    QString entry(int index) const { return m_entries[size_t(index)].value_or(QString()); }
    bool holdsState(int index) const { return m_entries[size_t(index)].has_value(); }

    // Storing the empty text empties the entry, as the array's empty strings did.
    void store(int index, const QString &text)
    {
        if (index >= 0 && index <= LastIndex)
            m_entries[size_t(index)] = text.isEmpty() ? std::nullopt : std::optional(text);
    }

    // Every change is recorded, the emptied note included.
    void record(const QString &text)
    {
        // A 16-bit increment past 32767 fails and leaves the position as it was.
        if (!incrementFails())
            ++m_position;
        m_entries[size_t(m_position)] = text;
    }

    void reset(const QString &base)
    {
        m_position = 0;
        for (std::optional<QString> &entry : m_entries)
            entry.reset();
        m_entries[0] = base;
    }

    std::optional<QString> undo()
    {
        if (m_position == 0)
            return std::nullopt;
        --m_position; // one entry back, however long the history
        return entry(m_position);
    }

    std::optional<QString> redo()
    {
        // At the ceiling the increment fails, so the shown text would be the
        // current one: Redo has nowhere to go.
        if (m_position == LastIndex || incrementFails() || !holdsState(m_position + 1))
            return std::nullopt;
        ++m_position;
        return entry(m_position);
    }

private:
    bool incrementFails() const { return m_position == std::numeric_limits<qint16>::max(); }

    std::vector<std::optional<QString>> m_entries = std::vector<std::optional<QString>>(LastIndex + 1);
    qint16 m_position = 0;
};

} // namespace tabulo::test
