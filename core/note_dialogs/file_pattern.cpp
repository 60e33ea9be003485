#include "core/note_dialogs/file_pattern.h"

#include <QVarLengthArray>

#include <algorithm>

namespace tabulo {

QString nameFilterPattern(QStringView filterText)
{
    return filterText.toString() + QString(22, u'?') + QStringLiteral(".*");
}

FilePattern::FilePattern(QStringView pattern)
    : m_folded(pattern.toString().toCaseFolded())
{
    m_wildcardTail.resize(m_folded.size() + 1);
    m_wildcardTail[m_folded.size()] = true;
    for (qsizetype i = m_folded.size() - 1; i >= 0; --i) {
        const QChar c = m_folded[i];
        m_wildcardTail[i] = (c == u'*' || c == u'?') && m_wildcardTail[i + 1];
    }
}

bool FilePattern::matches(QStringView name) const
{
    // The set of name positions the pattern read so far can have reached,
    // advanced one pattern character at a time: linear in the name for each
    // pattern character, however many "*" the pattern holds.
    const qsizetype n = name.size();
    QVarLengthArray<char16_t, 256> folded(n);
    for (qsizetype j = 0; j < n; ++j)
        folded[j] = QChar::toCaseFolded(name[j].unicode());
    QVarLengthArray<char, 512> buffer(2 * (n + 1), 0);
    char *reached = buffer.data();
    char *next = reached + n + 1;
    reached[0] = 1;
    for (qsizetype p = 0; p < m_folded.size(); ++p) {
        const char16_t wanted = m_folded[p].unicode();
        std::fill(next, next + n + 1, 0);
        bool any = false;
        if (wanted == u'*') {
            char before = 0;
            for (qsizetype j = 0; j <= n; ++j) {
                before |= reached[j];
                next[j] = before;
            }
            any = before != 0;
        } else {
            auto mark = [&](qsizetype j) {
                next[j] = 1;
                any = true;
            };
            for (qsizetype j = 0; j <= n; ++j) {
                if (!reached[j])
                    continue;
                const bool atEnd = j == n;
                const bool atDot = !atEnd && folded[j] == u'.';
                if (wanted == u'?') {
                    mark(atEnd || atDot ? j : j + 1);
                } else if (wanted == u'.') {
                    if (atDot)
                        mark(j + 1);
                    else if (atEnd && m_wildcardTail[p + 1])
                        mark(j);
                } else if (!atEnd && folded[j] == wanted) {
                    mark(j + 1);
                }
            }
        }
        if (!any)
            return false;
        std::swap(reached, next);
    }
    return reached[n] != 0;
}

} // namespace tabulo
