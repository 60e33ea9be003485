#include "text_search.h"

#include <algorithm>

namespace tabulo {

QString searchTextForNote(QStringView typed)
{
    QString text;
    text.reserve(typed.size());
    for (qsizetype i = 0; i < typed.size(); ++i) {
        const QChar c = typed[i];
        // A paragraph separator is how a text editor hands over a line break.
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n') || c == QChar::ParagraphSeparator) {
            if (c == QLatin1Char('\r') && i + 1 < typed.size() && typed[i + 1] == QLatin1Char('\n'))
                ++i;
            text += QStringLiteral("\r\n");
        } else {
            text += c;
        }
    }
    return text;
}

qsizetype findWithWrap(QStringView text, QStringView searched, qsizetype from, Qt::CaseSensitivity sensitivity)
{
    if (searched.isEmpty() || searched.size() > text.size())
        return -1;
    from = std::clamp<qsizetype>(from, 0, text.size());
    const qsizetype after = text.indexOf(searched, from, sensitivity);
    if (after >= 0)
        return after;
    // Wrapping: only a match that starts before `from` is still unseen; it
    // may reach past `from`.
    const qsizetype end = std::min(text.size(), from + searched.size() - 1);
    return text.first(end).indexOf(searched, 0, sensitivity);
}

ReplaceAllResult replaceAllOccurrences(QStringView text, QStringView searched, QStringView replacement)
{
    ReplaceAllResult result;
    if (searched.isEmpty())
        return result;
    qsizetype at = text.indexOf(searched, 0, Qt::CaseSensitive);
    if (at < 0)
        return result;
    result.splice.position = at;
    QString &inserted = result.splice.inserted;
    qsizetype copiedUpTo = at;
    while (at >= 0) {
        inserted += text.sliced(copiedUpTo, at - copiedUpTo);
        inserted += replacement;
        copiedUpTo = at + searched.size();
        ++result.count;
        at = text.indexOf(searched, copiedUpTo, Qt::CaseSensitive);
    }
    result.splice.removedLength = copiedUpTo - result.splice.position;
    return result;
}

} // namespace tabulo
