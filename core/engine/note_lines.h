#pragma once

#include <QStringView>

namespace tabulo {

// Walks the lines of a text; a line ends at CR LF, a lone CR or a lone LF
// (notes made on Windows, on old Macs and on Linux all read the same way).
// A final line end does not start a further, empty line.
template<typename Visit> void forEachLine(QStringView text, Visit &&visit)
{
    const QChar *begin = text.data();
    const QChar *end = begin + text.size();
    const QChar *lineStart = begin;
    for (const QChar *p = begin; p != end; ++p) {
        const char16_t c = p->unicode();
        if (c != u'\n' && c != u'\r')
            continue;
        visit(QStringView(lineStart, p));
        if (c == u'\r' && p + 1 != end && p[1].unicode() == u'\n')
            ++p;
        lineStart = p + 1;
    }
    if (lineStart != end)
        visit(QStringView(lineStart, end));
}

// Only the space character is trimmed: tabs are part of a line's text.
inline QStringView trimSpaces(QStringView s)
{
    qsizetype first = 0;
    qsizetype last = s.size();
    while (first < last && s[first] == u' ')
        ++first;
    while (last > first && s[last - 1] == u' ')
        --last;
    return s.sliced(first, last - first);
}

inline bool isOperator(QChar c)
{
    const char16_t u = c.unicode();
    return u == u'+' || u == u'-' || u == u'*' || u == u'/';
}

inline bool isCommentStart(QChar c)
{
    return c == u'#' || c == u'\'';
}

} // namespace tabulo
