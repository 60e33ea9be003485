#pragma once

#include <QString>

#include <limits>
#include <optional>
#include <vector>

namespace tabulo::test {

// The undo history written the plain way: an array of 99001 full texts and a
// signed 16-bit position. It is slow and memory-hungry on purpose, so that
// nothing in it can be clever; the real history must behave exactly like it.
class ReferenceHistory
{
public:
    static constexpr int LastIndex = 99000;

    qint16 position() const { return m_position; }
    const QString &entry(int index) const { return m_entries[size_t(index)]; }

    void store(int index, const QString &text)
    {
        if (index >= 0 && index <= LastIndex)
            m_entries[size_t(index)] = text;
    }

    void record(const QString &text)
    {
        if (text.isEmpty())
            return;
        // A 16-bit increment past 32767 fails and leaves the position as it was.
        if (!incrementFails())
            ++m_position;
        m_entries[size_t(m_position)] = text;
    }

    void reset(const QString &base)
    {
        m_position = 0;
        for (QString &entry : m_entries)
            entry.clear();
        m_entries[0] = base;
    }

    std::optional<QString> undo()
    {
        if (m_position == 0)
            return std::nullopt;
        --m_position; // one entry back, however long the history
        return m_entries[size_t(m_position)];
    }

    std::optional<QString> redo()
    {
        // At the ceiling the increment fails, so the shown text would be the
        // current one: Redo has nowhere to go.
        if (m_position == LastIndex || incrementFails() || m_entries[size_t(m_position) + 1].isEmpty())
            return std::nullopt;
        ++m_position;
        return m_entries[size_t(m_position)];
    }

private:
    bool incrementFails() const { return m_position == std::numeric_limits<qint16>::max(); }

    std::vector<QString> m_entries = std::vector<QString>(LastIndex + 1);
    qint16 m_position = 0;
};

} // namespace tabulo::test
