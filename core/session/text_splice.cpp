#include "core/session/text_splice.h"

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

} // namespace tabulo
