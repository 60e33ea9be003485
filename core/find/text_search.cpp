#include "core/find/text_search.h"

#include <algorithm>
#include <bitset>

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

namespace {

// Finds `searched` ignoring case. The characters that may begin a match are
// marked in a table of every UTF-16 unit, so the scan looks each character
// of the note up once instead of folding its case (as the library's own
// search does), which keeps a 10 MB note quick even for a common letter.
class CaseInsensitiveFinder
{
public:
    explicit CaseInsensitiveFinder(QStringView searched)
        : m_searched(searched)
    {
        const char32_t first = QChar::toCaseFolded(char32_t(searched.front().unicode()));
        for (char32_t unit = 0; unit <= 0xFFFF; ++unit) {
            if (QChar::toCaseFolded(unit) == first)
                m_starts.set(unit);
        }
    }

    qsizetype indexIn(QStringView text, qsizetype from) const
    {
        const qsizetype last = text.size() - m_searched.size();
        const QChar *units = text.data();
        for (qsizetype at = from; at <= last; ++at) {
            if (m_starts.test(units[at].unicode())
                && text.sliced(at, m_searched.size()).compare(m_searched, Qt::CaseInsensitive) == 0)
                return at;
        }
        return -1;
    }

private:
    QStringView m_searched;
    std::bitset<0x10000> m_starts;
};

qsizetype indexIn(QStringView text, QStringView searched, qsizetype from, Qt::CaseSensitivity sensitivity)
{
    if (sensitivity == Qt::CaseSensitive || searched.front().isSurrogate())
        return text.indexOf(searched, from, sensitivity);
    return CaseInsensitiveFinder(searched).indexIn(text, from);
}

} // namespace

qsizetype findWithWrap(QStringView text, QStringView searched, qsizetype from, Qt::CaseSensitivity sensitivity)
{
    if (searched.isEmpty() || searched.size() > text.size())
        return -1;
    from = std::clamp<qsizetype>(from, 0, text.size());
    const qsizetype after = indexIn(text, searched, from, sensitivity);
    if (after >= 0)
        return after;
    // Wrapping: only a match that starts before `from` is still unseen; it
    // may reach past `from`.
    const qsizetype end = std::min(text.size(), from + searched.size() - 1);
    return indexIn(text.first(end), searched, 0, sensitivity);
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
