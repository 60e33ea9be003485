#include "core/history/text_versions.h"

#include <algorithm>

namespace tabulo {

namespace {

// The common prefix and suffix of two texts, so that only the middle part
// differs. The suffix never overlaps the prefix.
struct Difference
{
    qsizetype position;
    qsizetype oldLength;
    qsizetype newLength;
};

Difference difference(const QString &from, const QString &to)
{
    const qsizetype shorter = std::min(from.size(), to.size());
    const auto mismatch = std::mismatch(from.cbegin(), from.cbegin() + shorter, to.cbegin());
    const qsizetype prefix = mismatch.first - from.cbegin();
    qsizetype suffix = 0;
    while (suffix < shorter - prefix && from[from.size() - 1 - suffix] == to[to.size() - 1 - suffix])
        ++suffix;
    return {prefix, from.size() - prefix - suffix, to.size() - prefix - suffix};
}

} // namespace

TextVersions::Id TextVersions::add(const QString &text)
{
    Node node;
    node.length = text.size();
    if (m_current == None) {
        // A root holds its whole text as one insertion into nothing.
        node.inserted = text;
    } else {
        const Difference d = difference(m_currentText, text);
        node.parent = m_current;
        node.depth = m_nodes[size_t(m_current)].depth + 1;
        node.position = d.position;
        node.removed = m_currentText.mid(d.position, d.oldLength);
        node.inserted = text.mid(d.position, d.newLength);
    }
    m_nodes.push_back(std::move(node));
    m_current = Id(m_nodes.size() - 1);
    m_currentText = text;
    return m_current;
}

TextVersions::Id TextVersions::addEdit(qsizetype position, qsizetype removedLength, QStringView inserted)
{
    Node node;
    node.parent = m_current;
    node.depth = m_nodes[size_t(m_current)].depth + 1;
    node.position = position;
    node.removed = m_currentText.mid(position, removedLength);
    node.inserted = inserted.toString();
    m_currentText.replace(position, removedLength, inserted.data(), inserted.size());
    node.length = m_currentText.size();
    m_nodes.push_back(std::move(node));
    m_current = Id(m_nodes.size() - 1);
    return m_current;
}

QString TextVersions::text(Id id)
{
    moveTo(id);
    return m_currentText;
}

void TextVersions::moveTo(Id target)
{
    if (target == m_current)
        return;
    // Undo the splices on the way up from the current version to the
    // common ancestor, then redo those on the way down to the target.
    Id up = m_current;
    Id down = target;
    std::vector<Id> descent;
    while (up != down) {
        if (up == None || (down != None && m_nodes[size_t(down)].depth > m_nodes[size_t(up)].depth)) {
            descent.push_back(down);
            down = m_nodes[size_t(down)].parent;
        } else {
            const Node &n = m_nodes[size_t(up)];
            if (n.parent == None)
                m_currentText.clear();
            else
                m_currentText.replace(n.position, n.inserted.size(), n.removed);
            up = n.parent;
        }
    }
    for (auto it = descent.rbegin(); it != descent.rend(); ++it) {
        const Node &n = m_nodes[size_t(*it)];
        if (n.parent == None)
            m_currentText = n.inserted;
        else
            m_currentText.replace(n.position, n.removed.size(), n.inserted);
    }
    m_current = target;
}

void TextVersions::clear()
{
    m_nodes.clear();
    m_current = None;
    m_currentText.clear();
}

size_t TextVersions::storedBytes() const
{
    size_t bytes = m_nodes.capacity() * sizeof(Node);
    for (const Node &n : m_nodes)
        bytes += size_t(n.removed.capacity() + n.inserted.capacity()) * sizeof(QChar);
    return bytes;
}

} // namespace tabulo
