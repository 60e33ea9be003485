#pragma once

#include "core/history/text_versions.h"

#include <QString>

#include <optional>
#include <vector>

namespace tabulo {

// The note's undo history, `Cronologia`, with its position `PosCronologia`.
//
// It behaves as an array of entries indexed 0 to 99000: each recorded change
// is stored at the next position; the position is a signed 16-bit number, so
// once it reaches 32767 it stays there and every further change overwrites
// that entry. A change recorded after some Undo steps leaves the entries
// above it in place, so Redo can still bring them back. An entry either holds
// a state of the note or nothing; the emptied note is a state like any other,
// so clearing a note can be undone and redone. The texts themselves live in
// TextVersions, which keeps only the edits between them.
class UndoHistory
{
public:
    static constexpr int LastIndex = 99000;
    static constexpr int PositionCeiling = 32767;

    // Cronologia(index) = text; storing the empty text empties the entry.
    void store(int index, const QString &text);
    // Cronologia(index); an entry that holds nothing reads as the empty text.
    QString entry(int index);
    // True when the entry holds a state of the note (the emptied note included).
    bool holdsState(int index) const;
    // Every entry holds nothing.
    void clear();

    int position() const { return m_position; }

    // A change of the note, the note emptied included.
    void record(const QString &text);

    // The same change described as the edit that made it from the text the
    // history last recorded, was reset to or restored from an entry that
    // holds a state (the caller guarantees that).
    void recordEdit(qsizetype position, qsizetype removedLength, QStringView inserted);

    // Re-bases the history on the note as it now is (after a load, a save,
    // a new note): position 0 holds `base`, every other entry nothing.
    void reset(const QString &base);

    // The text Undo and Redo show, or nothing when they have nowhere to go.
    std::optional<QString> undo();
    std::optional<QString> redo();

    size_t storedBytes() const { return m_versions.storedBytes() + m_slots.capacity() * sizeof(int); }

private:
    TextVersions::Id slot(int index) const;
    // The position of the next recorded change, with room for its entry.
    void advance();

    TextVersions m_versions;
    std::vector<TextVersions::Id> m_slots; // index -> version, None when empty
    int m_position = 0;
};

} // namespace tabulo
