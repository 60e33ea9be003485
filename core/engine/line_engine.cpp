#include "line_engine.h"

#include "note_lines.h"

namespace tabulo {

namespace {

// Replaces each run of `width` spaces by one space in a single left-to-right
// pass (so six spaces become two, not one).
QString collapseSpaceRuns(const QString &s, int width)
{
    QString out;
    out.reserve(s.size());
    qsizetype i = 0;
    while (i < s.size()) {
        int run = 0;
        while (run < width && i + run < s.size() && s[i + run] == u' ')
            ++run;
        if (run == width) {
            out += u' ';
            i += width;
        } else {
            out += s[i];
            ++i;
        }
    }
    return out;
}

// The normalisation of one (untrimmed) note line, appended to `out` as zero
// or more lines each ended by CR LF.
void normaliseLine(QStringView line, QString &out)
{
    const QStringView trimmed = trimSpaces(line);
    if (trimmed.isEmpty() || isCommentStart(trimmed.front()))
        return;

    QString s = trimmed.toString();
    s.replace(u'#', u'\'');

    // Every operator starts a line of its own; a line that begins with one
    // thus gets an empty line in front of it.
    QString split;
    split.reserve(s.size() + 8);
    for (QChar c : s) {
        if (isOperator(c))
            split += QStringLiteral("\r\n");
        split += c;
    }

    // Only the operator the line began with sheds the space after it.
    const QChar lead = trimmed.front();
    if (isOperator(lead))
        split.replace(QString(lead) + u' ', QString(lead));

    split = collapseSpaceRuns(split, 3);
    split = collapseSpaceRuns(split, 2);
    out += split;
    out += QStringLiteral("\r\n");
}

} // namespace

bool LineEngine::applyWord(QChar op, QStringView number, double &total) const
{
    const auto value = m_format.parse(number);
    if (!value)
        return false;
    switch (op.unicode()) {
    case u'+': total += *value; break;
    case u'-': total -= *value; break;
    case u'*': total *= *value; break;
    // A division by zero gives an infinite (or undefined) total, which the
    // following lines carry on with.
    case u'/': total /= *value; break;
    default: return false;
    }
    return true;
}

Evaluation LineEngine::evaluate(QStringView text, const RunningTotal &onCounted) const
{
    // This is the two passes fused into one: instead of building the
    // normalised lines, each operator of a line is looked at where it stands.
    // The first word of the operator line it would start is the operator
    // followed by everything up to the next space or operator; the leading
    // operator of the line skips one space first.
    Evaluation result;
    forEachLine(text, [&](QStringView rawLine) {
        const QStringView line = trimSpaces(rawLine);
        if (line.isEmpty() || isCommentStart(line.front()))
            return;
        const QChar lead = line.front();
        const qsizetype n = line.size();
        for (qsizetype i = 0; i < n; ++i) {
            const QChar op = line[i];
            if (!isOperator(op))
                continue;
            qsizetype wordStart = i + 1;
            if (op == lead && wordStart < n && line[wordStart] == u' ')
                ++wordStart;
            qsizetype wordEnd = wordStart;
            while (wordEnd < n && line[wordEnd] != u' ' && !isOperator(line[wordEnd]))
                ++wordEnd;
            if (applyWord(op, line.sliced(wordStart, wordEnd - wordStart), result.total)) {
                ++result.countedLines;
                if (onCounted)
                    onCounted(result.total);
            }
            i = wordEnd - 1;
        }
    });
    return result;
}

QString LineEngine::normalise(QStringView text)
{
    QString out;
    out.reserve(text.size() + text.size() / 8);
    forEachLine(text, [&](QStringView line) { normaliseLine(line, out); });
    return out;
}

Evaluation LineEngine::accumulate(QStringView normalisedText, const RunningTotal &onCounted) const
{
    Evaluation result;
    forEachLine(normalisedText, [&](QStringView rawLine) {
        const QStringView line = trimSpaces(rawLine);
        if (line.isEmpty() || isCommentStart(line.front()))
            return;
        const qsizetype space = line.indexOf(u' ');
        const QStringView word = space < 0 ? line : line.first(space);
        if (applyWord(word.front(), word.sliced(1), result.total)) {
            ++result.countedLines;
            if (onCounted)
                onCounted(result.total);
        }
    });
    return result;
}

} // namespace tabulo
