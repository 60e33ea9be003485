#include "core/session/line_totals.h"

#include <algorithm>

namespace tabulo {

qsizetype LineTotals::Chunk::span(int lines) const
{
    qsizetype characters = 0;
    for (int i = 0; i < lines; ++i)
        characters += lengths[size_t(i)] + 2;
    return characters;
}

void LineTotals::Chunk::append(qsizetype length, std::span<const CountedOperation> lineOperations)
{
    lengths.push_back(length);
    operations.insert(operations.end(), lineOperations.begin(), lineOperations.end());
    opsEnd.push_back(std::uint32_t(operations.size()));
}

void LineTotals::Chunk::appendLines(const Chunk &from, int first, int end)
{
    for (int line = first; line < end; ++line) {
        const CountedOperation *begin = from.operations.data() + from.opsBegin(line);
        append(from.lengths[size_t(line)], std::span(begin, from.operations.data() + from.opsEnd[size_t(line)]));
    }
}

LineTotals::LineTotals(const LineEngine &engine, int linesPerChunk)
    : m_engine(engine)
    , m_linesPerChunk(std::max(1, linesPerChunk))
{
    reset({});
}

void LineTotals::parseLines(QStringView region, Chunk &into) const
{
    qsizetype from = 0;
    for (;;) {
        const qsizetype lineEnd = region.indexOf(u"\r\n", from);
        const qsizetype end = lineEnd < 0 ? region.size() : lineEnd;
        const QStringView line = region.sliced(from, end - from);
        m_engine.forEachCountedOperation(
            line, [&](const CountedOperation &operation) { into.operations.push_back(operation); });
        into.lengths.push_back(line.size());
        into.opsEnd.push_back(std::uint32_t(into.operations.size()));
        if (lineEnd < 0)
            return;
        from = lineEnd + 2;
    }
}

void LineTotals::appendChunked(Chunk &&lines, std::vector<Chunk> &into) const
{
    const int count = lines.lineCount();
    if (count <= 2 * m_linesPerChunk) {
        into.push_back(std::move(lines));
        summarise(into.back());
        return;
    }
    const int pieces = count / m_linesPerChunk;
    for (int piece = 0; piece < pieces; ++piece) {
        into.emplace_back();
        into.back().appendLines(lines, int(qint64(count) * piece / pieces), int(qint64(count) * (piece + 1) / pieces));
        summarise(into.back());
    }
}

void LineTotals::reset(QStringView text)
{
    Chunk all;
    parseLines(text, all);
    m_chunks.clear();
    appendChunked(std::move(all), m_chunks);
    rebuildTree();
}

void LineTotals::update(QStringView newText, qsizetype position, qsizetype removedLength, qsizetype insertedLength)
{
    const int first = std::max(0, lineAt(position));
    const int last = std::max(first, lineAt(position + removedLength));
    const qsizetype regionStart = lineStart(first);
    int lastInChunk = 0;
    const int lastChunk = chunkOfLine(last, lastInChunk);
    const qsizetype oldLastEnd = lineStart(last) + m_chunks[size_t(lastChunk)].lengths[size_t(lastInChunk)];
    const qsizetype delta = insertedLength - removedLength;

    Chunk replacement;
    parseLines(newText.sliced(regionStart, oldLastEnd + delta - regionStart), replacement);
    replaceLines(first, last, std::move(replacement));
}

void LineTotals::replaceLines(int first, int last, Chunk &&replacement)
{
    int firstInChunk = 0;
    int lastInChunk = 0;
    int from = chunkOfLine(first, firstInChunk);
    int to = chunkOfLine(last, lastInChunk) + 1;

    Chunk merged;
    merged.appendLines(m_chunks[size_t(from)], 0, firstInChunk);
    merged.appendLines(replacement, 0, replacement.lineCount());
    const Chunk &lastChunk = m_chunks[size_t(to) - 1];
    merged.appendLines(lastChunk, lastInChunk + 1, lastChunk.lineCount());

    // A chunk that shrank to a few lines takes in a neighbour, so that
    // deleting lines does not leave the tree full of tiny leaves.
    if (merged.lineCount() < m_linesPerChunk / 4 && to - from < int(m_chunks.size())) {
        if (to < int(m_chunks.size())) {
            merged.appendLines(m_chunks[size_t(to)], 0, m_chunks[size_t(to)].lineCount());
            ++to;
        } else {
            --from;
            Chunk before = std::move(m_chunks[size_t(from)]);
            before.appendLines(merged, 0, merged.lineCount());
            merged = std::move(before);
        }
    }

    std::vector<Chunk> pieces;
    appendChunked(std::move(merged), pieces);
    if (int(pieces.size()) == to - from) {
        for (size_t i = 0; i < pieces.size(); ++i) {
            m_chunks[size_t(from) + i] = std::move(pieces[i]);
            chunkChanged(from + int(i));
        }
        return;
    }
    m_chunks.erase(m_chunks.begin() + from, m_chunks.begin() + to);
    m_chunks.insert(
        m_chunks.begin() + from, std::make_move_iterator(pieces.begin()), std::make_move_iterator(pieces.end()));
    rebuildTree();
}

qsizetype LineTotals::lineStart(int line) const
{
    int lineInChunk = 0;
    const int chunk = chunkOfLine(line, lineInChunk);
    int firstLine = 0;
    qsizetype firstCharacter = 0;
    chunkStart(chunk, firstLine, firstCharacter, nullptr);
    return firstCharacter + m_chunks[size_t(chunk)].span(lineInChunk);
}

int LineTotals::lineAt(qsizetype position) const
{
    if (position < 0)
        return -1;
    int node = 1;
    int line = 0;
    while (node < m_leaves) {
        const int left = 2 * node;
        if (position < m_nodes[size_t(left)].characters || m_nodes[size_t(left) + 1].lines == 0) {
            node = left;
        } else {
            position -= m_nodes[size_t(left)].characters;
            line += m_nodes[size_t(left)].lines;
            node = left + 1;
        }
    }
    const Chunk &chunk = m_chunks[size_t(node - m_leaves)];
    const int count = chunk.lineCount();
    for (int k = 0; k + 1 < count; ++k) {
        const qsizetype span = chunk.lengths[size_t(k)] + 2;
        if (position < span)
            return line + k;
        position -= span;
    }
    return line + count - 1;
}

bool LineTotals::lineCounts(int line) const
{
    int lineInChunk = 0;
    const Chunk &chunk = m_chunks[size_t(chunkOfLine(line, lineInChunk))];
    return chunk.opsEnd[size_t(lineInChunk)] > chunk.opsBegin(lineInChunk);
}

Decimal LineTotals::totalAfterLine(int line) const
{
    int lineInChunk = 0;
    const int chunkIndex = chunkOfLine(line, lineInChunk);
    if (chunkIndex != m_cachedChunk) {
        int firstLine = 0;
        qsizetype firstCharacter = 0;
        Decimal entering;
        chunkStart(chunkIndex, firstLine, firstCharacter, &entering);
        const Chunk &chunk = m_chunks[size_t(chunkIndex)];
        m_cachedTotals.clear();
        DecimalRunningSum total(entering);
        std::uint32_t op = 0;
        for (int k = 0; k < chunk.lineCount(); ++k) {
            for (; op < chunk.opsEnd[size_t(k)]; ++op)
                chunk.operations[op].applyTo(total);
            m_cachedTotals.push_back(total.total());
        }
        m_cachedChunk = chunkIndex;
    }
    return m_cachedTotals[size_t(lineInChunk)];
}

} // namespace tabulo
