// The tree of LineTotals: how the chunks' summaries are kept and how a total
// walks through them.

#include "core/session/line_totals.h"

namespace tabulo {

void LineTotals::summarise(Chunk &chunk)
{
    chunk.characters = chunk.span(chunk.lineCount());
    chunk.fold = BlockFold::of(chunk.operations);
}

LineTotals::Node LineTotals::leafOf(const Chunk &chunk)
{
    Node node;
    node.lines = chunk.lineCount();
    node.characters = chunk.characters;
    node.fold = chunk.fold;
    return node;
}

void LineTotals::combine(int index)
{
    const Node &left = m_nodes[size_t(2 * index)];
    const Node &right = m_nodes[size_t(2 * index) + 1];
    Node &node = m_nodes[size_t(index)];
    node.lines = left.lines + right.lines;
    node.characters = left.characters + right.characters;
    node.fold = BlockFold::compose(left.fold, right.fold);
    // What this node remembered came from lines that are no longer all there.
    node.remembered = false;
}

void LineTotals::rebuildTree()
{
    m_leaves = 1;
    while (m_leaves < int(m_chunks.size()))
        m_leaves *= 2;
    m_nodes.assign(size_t(2 * m_leaves), Node {});
    for (size_t chunk = 0; chunk < m_chunks.size(); ++chunk)
        m_nodes[size_t(m_leaves) + chunk] = leafOf(m_chunks[chunk]);
    for (int node = m_leaves - 1; node >= 1; --node)
        combine(node);
    m_cachedChunk = -1;
}

void LineTotals::chunkChanged(int chunk)
{
    int node = m_leaves + chunk;
    m_nodes[size_t(node)] = leafOf(m_chunks[size_t(chunk)]);
    for (node /= 2; node >= 1; node /= 2)
        combine(node);
    m_cachedChunk = -1;
}

Decimal LineTotals::totalThrough(int index, const Decimal &entering) const
{
    const Node &node = m_nodes[size_t(index)];
    if (const auto skipped = node.fold.skip(entering))
        return *skipped;
    if (node.remembered && node.entered.isIdenticalTo(entering))
        return node.left;
    const Decimal leaving = index >= m_leaves ? foldChunk(index - m_leaves, entering, node.lines)
                                              : totalThrough(2 * index + 1, totalThrough(2 * index, entering));
    node.remembered = true;
    node.entered = entering;
    node.left = leaving;
    return leaving;
}

Decimal LineTotals::foldChunk(int chunkIndex, const Decimal &entering, int lines) const
{
    const Chunk &chunk = m_chunks[size_t(chunkIndex)];
    DecimalRunningSum total(entering);
    const std::uint32_t end = lines > 0 ? chunk.opsEnd[size_t(lines) - 1] : 0;
    for (std::uint32_t op = 0; op < end; ++op)
        chunk.operations[op].applyTo(total);
    return total.total();
}

int LineTotals::chunkOfLine(int line, int &lineInChunk) const
{
    line = std::clamp(line, 0, lineCount() - 1);
    int node = 1;
    while (node < m_leaves) {
        const int left = 2 * node;
        if (line < m_nodes[size_t(left)].lines) {
            node = left;
        } else {
            line -= m_nodes[size_t(left)].lines;
            node = left + 1;
        }
    }
    lineInChunk = line;
    return node - m_leaves;
}

void LineTotals::chunkStart(int chunk, int &firstLine, qsizetype &firstCharacter, Decimal *entering) const
{
    firstLine = 0;
    firstCharacter = 0;
    Decimal total;
    int node = 1;
    int low = 0;
    int high = m_leaves;
    while (node < m_leaves) {
        const int middle = (low + high) / 2;
        const int left = 2 * node;
        if (chunk < middle) {
            node = left;
            high = middle;
        } else {
            firstLine += m_nodes[size_t(left)].lines;
            firstCharacter += m_nodes[size_t(left)].characters;
            if (entering)
                total = totalThrough(left, total);
            node = left + 1;
            low = middle;
        }
    }
    if (entering)
        *entering = total;
}

} // namespace tabulo
