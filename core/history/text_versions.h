#pragma once

#include <QString>
#include <QStringView>

#include <vector>

namespace tabulo {

// Many versions of one text, stored as the edits between them rather than
// as full copies: memory grows with the size of the edits, not with the
// size of the text times the number of versions.
//
// Each version remembers the splice that turns its parent (the version that
// was current when it was added) into it, with the text it removed, so the
// splice can be applied either way. Reading a version walks the tree from the
// current version to it; reading the parent or a child of the current
// version, what Undo and Redo do, costs one splice.
class TextVersions
{
public:
    using Id = int;
    static constexpr Id None = -1;

    // Adds `text` as a child of the current version and makes it current.
    Id add(const QString &text);

    // The same when the caller knows the edit that turns the current
    // version's text into the new one: nothing is compared, so a keystroke in
    // a big text costs the size of the keystroke. There must be a current
    // version.
    Id addEdit(qsizetype position, qsizetype removedLength, QStringView inserted);

    // The text of a version, which becomes the current one.
    QString text(Id id);
    qsizetype length(Id id) const { return m_nodes[size_t(id)].length; }

    void clear();
    bool isEmpty() const { return m_nodes.empty(); }

    // Bytes held by the stored edits (the figure the benchmark reports).
    size_t storedBytes() const;

private:
    struct Node
    {
        Id parent = None;
        int depth = 0;
        qsizetype length = 0;
        // parent -> this: at `position`, `removed` was replaced by `inserted`.
        qsizetype position = 0;
        QString removed;
        QString inserted;
    };

    void moveTo(Id target);

    std::vector<Node> m_nodes;
    Id m_current = None;
    QString m_currentText; // the full text of m_current
};

} // namespace tabulo
