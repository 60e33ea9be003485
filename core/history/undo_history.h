#pragma once

#include "core/history/text_versions.h"

#include <QString>

#include <optional>
#include <vector>

namespace tabulo {

// The note's undo history, `Cronologia`, with its position `PosCronologia`.
//
// It behaves as an array of texts indexed 0 to 99000: each recorded change
// is stored at the next position; the position is a signed 16-bit number, so
// once it reaches 32767 it stays there and every further change overwrites
// that entry. A change recorded after some Undo steps leaves the entries
// above it in place, so Redo can still bring them back. The texts themselves
// live in TextVersions, which keeps only the edits between them.
class UndoHistory
{
public:
    static constexpr int LastIndex = 99000;
    static constexpr int PositionCeiling = 32767;

    // Cronologia(index) = text
    void store(int index, const QString &text);
    // Cronologia(index); an entry never stored is the empty text.
    QString entry(int index);
    bool entryIsEmpty(int index) const;
    // Every entry becomes empty.
    void clear();

    int position() const { return m_position; }

    // A change of the note: the empty text is never recorded.
    void record(const QString &text);

    // The same change described as the edit that made it from the text the
    // history last stored, restored or was reset to (the caller guarantees
    // that); `resultIsEmpty` says the note is now empty, which is never
    // recorded.
    void recordEdit(qsizetype position, qsizetype removedLength, QStringView inserted, bool resultIsEmpty);

    // Re-bases the history on the note as it now is (after a load, a save,
    // a new note): position 0 holds `base`, everything else is empty.
    void reset(const QString &base);

    // The text Undo and Redo show, or nothing when they have nowhere to go.
    std::optional<QString> undo();
    std::optional<QString> redo();

    size_t storedBytes() const { return m_versions.storedBytes() + m_slots.capacity() * sizeof(int); }

private:
    TextVersions::Id slot(int index) const;

    TextVersions m_versions;
    std::vector<TextVersions::Id> m_slots; // index -> version, None when empty
    int m_position = 0;
};

} // namespace tabulo
