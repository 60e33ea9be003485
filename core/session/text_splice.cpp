#include "text_splice.h"

#include <algorithm>

namespace tabulo {

TextSplice spliceBetween(const QString &from, const QString &to)
{
    const qsizetype shorter = std::min(from.size(), to.size());
    const auto mismatch = std::mismatch(from.cbegin(), from.cbegin() + shorter, to.cbegin());
    qsizetype prefix = mismatch.first - from.cbegin();
    qsizetype suffix = 0;
    while (suffix < shorter - prefix && from[from.size() - 1 - suffix] == to[to.size() - 1 - suffix])
        ++suffix;
    // A splice never starts or ends between the CR and the LF of a line end,
    // so the lines on both sides of it stay whole.
    if (prefix > 0 && from[prefix - 1] == u'\r' && prefix < from.size() && from[prefix] == u'\n')
        --prefix;
    while (suffix > 0 && from[from.size() - suffix] == u'\n' && from.size() - suffix > prefix
           && from[from.size() - suffix - 1] == u'\r')
        --suffix;
    return {prefix, from.size() - prefix - suffix, to.mid(prefix, to.size() - prefix - suffix)};
}

namespace {

// True when every line end is already a CR LF pair.
bool hasOnlyCrLfLineEnds(QStringView text)
{
    const QChar *p = text.data();
    const QChar *end = p + text.size();
    for (; p != end; ++p) {
        if (p->unicode() > u'\r' || (p->unicode() != u'\r' && p->unicode() != u'\n'))
            continue;
        if (p->unicode() == u'\n' || p + 1 == end || p[1].unicode() != u'\n')
            return false;
        ++p;
    }
    return true;
}

} // namespace

QString withCrLfLineEnds(const QString &text)
{
    // A loaded note already has CR LF everywhere: it is kept, not copied.
    if (hasOnlyCrLfLineEnds(text))
        return text;
    QString out;
    out.reserve(text.size() + text.size() / 16 + 2);
    qsizetype lineStart = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c != u'\r' && c != u'\n')
            continue;
        out.append(QStringView(text).sliced(lineStart, i - lineStart));
        out += QLatin1String("\r\n");
        if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            ++i;
        lineStart = i + 1;
    }
    out.append(QStringView(text).sliced(lineStart));
    return out;
}

} // namespace tabulo
