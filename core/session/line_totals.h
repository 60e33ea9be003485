#pragma once

#include "core/engine/line_engine.h"
#include "core/session/block_fold.h"

#include <QStringView>

#include <cstdint>
#include <vector>

namespace tabulo {

// The note's lines with their counted operations, and the running total
// after each line, kept up to date edit by edit in time that does not grow
// with the lines below the edit.
//
// Lines are kept in chunks of a few dozen, and the chunks are the leaves of
// a balanced tree whose every node sums up its lines: how many, how many
// characters, and what they do to the total (BlockFold). An edit re-reads
// only the lines it touched and re-sums its chunk and the nodes above it.
// The total is then a walk from the root: a node that only adds and
// subtracts is skipped whole with its exact sum; any other node is entered,
// unless the total entering it is the one it saw last time, whose result it
// keeps. The totals are exactly those of a full evaluation, bit for bit.
//
// The text's lines are separated by CR LF and by nothing else (the note
// session keeps it that way), so line i of the text is block i of the editor.
class LineTotals
{
public:
    // `linesPerChunk` only changes the speed (tests make it small, so that
    // few lines already build a deep tree).
    explicit LineTotals(const LineEngine &engine, int linesPerChunk = 64);

    void reset(QStringView text);
    // `newText` is the text after [position, position + removedLength) of the
    // previous text became `insertedLength` characters.
    void update(QStringView newText, qsizetype position, qsizetype removedLength, qsizetype insertedLength);

    int lineCount() const { return m_nodes[1].lines; }
    qsizetype lineStart(int line) const;
    // The line that holds `position` (a position at a line's end belongs to it).
    int lineAt(qsizetype position) const;

    // The running total after the last counted line; 0 when none counts.
    Decimal total() const { return totalThrough(1, Decimal()); }
    qsizetype countedOperations() const { return m_nodes[1].fold.operations; }
    bool lineCounts(int line) const;
    Decimal totalAfterLine(int line) const;

private:
    struct Chunk
    {
        std::vector<qsizetype> lengths; // each line's length, without its CR LF
        std::vector<std::uint32_t> opsEnd; // where each line's operations end in `operations`
        std::vector<CountedOperation> operations;
        // What the chunk's lines add up to, kept so that rebuilding the
        // tree after chunks split or merged re-reads none of them.
        BlockFold fold;
        qsizetype characters = 0;

        int lineCount() const { return int(lengths.size()); }
        std::uint32_t opsBegin(int line) const { return line > 0 ? opsEnd[size_t(line) - 1] : 0; }
        // Characters of the first `lines` lines, each with a CR LF.
        qsizetype span(int lines) const;
        void append(qsizetype length, std::span<const CountedOperation> lineOperations);
        void appendLines(const Chunk &from, int first, int end);
    };

    struct Node
    {
        int lines = 0;
        qsizetype characters = 0; // every line counted with a CR LF after it
        BlockFold fold;
        // The total that last entered this node and the one that left it.
        mutable bool remembered = false;
        mutable Decimal entered;
        mutable Decimal left;
    };

    // Parses the CR LF separated lines of `region` into `into`.
    void parseLines(QStringView region, Chunk &into) const;
    // Cuts `lines` into chunks of about the chunk size at the end of `into`.
    void appendChunked(Chunk &&lines, std::vector<Chunk> &into) const;
    void replaceLines(int first, int last, Chunk &&replacement);

    // ---- the tree (line_totals_tree.cpp)
    void rebuildTree();
    void chunkChanged(int chunk);
    static void summarise(Chunk &chunk);
    static Node leafOf(const Chunk &chunk);
    void combine(int node);
    // The total leaving `node` for the total entering it.
    Decimal totalThrough(int node, const Decimal &entering) const;
    Decimal foldChunk(int chunk, const Decimal &entering, int lines) const;
    // The chunk that holds `line`, and the line's place in it.
    int chunkOfLine(int line, int &lineInChunk) const;
    // The first line and the first character of `chunk`, and the total
    // entering it.
    void chunkStart(int chunk, int &firstLine, qsizetype &firstCharacter, Decimal *entering) const;

    const LineEngine &m_engine;
    const int m_linesPerChunk;
    std::vector<Chunk> m_chunks;
    std::vector<Node> m_nodes; // 1 is the root; node i has children 2i and 2i + 1
    int m_leaves = 1; // leaf j is node m_leaves + j

    // The running totals of the chunk asked for last: a repaint asks for
    // the few dozen lines on screen, which lie in one or two chunks.
    mutable int m_cachedChunk = -1;
    mutable std::vector<Decimal> m_cachedTotals;
};

} // namespace tabulo
