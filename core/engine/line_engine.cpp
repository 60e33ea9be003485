#include "core/engine/line_engine.h"

#include "core/engine/note_lines.h"

namespace tabulo {

namespace {

// Runs of spaces shrink in two single left-to-right passes: every "   "
// becomes " ", then every "  " becomes " " (so six spaces end up as two).
constexpr qsizetype collapsedSpaceRun(qsizetype run)
{
    const qsizetype afterTriples = run / 3 + run % 3;
    return afterTriples / 2 + afterTriples % 2;
}

// The normalisation of one (untrimmed) note line, written at `out` as zero
// or more lines each ended by CR LF; returns the end of what it wrote. At
// most 3 characters are written per character of the line, plus 2.
//
// Read as text transformations it is: "#" becomes "'"; every operator starts
// a line of its own (a line that begins with one thus gets an empty line in
// front of it); the operator the line began with sheds the one space that
// follows it; runs of spaces collapse as described above. Doing it in one
// pass keeps a keystroke in a big note cheap.
QChar *normaliseLine(QStringView line, QChar *out)
{
    const QStringView trimmed = trimSpaces(line);
    if (trimmed.isEmpty() || isCommentStart(trimmed.front()))
        return out;
    const QChar lead = trimmed.front();
    const bool leadIsOperator = isOperator(lead);
    const qsizetype n = trimmed.size();
    const QChar *in = trimmed.data();
    qsizetype spaces = 0;
    auto flushSpaces = [&] {
        for (qsizetype k = collapsedSpaceRun(spaces); k > 0; --k)
            *out++ = u' ';
        spaces = 0;
    };
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = in[i];
        if (c == u' ') {
            ++spaces;
            continue;
        }
        if (spaces)
            flushSpaces();
        if (isOperator(c)) {
            *out++ = u'\r';
            *out++ = u'\n';
            *out++ = c;
            if (leadIsOperator && c == lead && i + 1 < n && in[i + 1] == u' ')
                ++i;
            continue;
        }
        *out++ = c == u'#' ? QChar(u'\'') : c;
    }
    flushSpaces();
    *out++ = u'\r';
    *out++ = u'\n';
    return out;
}

} // namespace

bool LineEngine::applyWord(QChar op, QStringView number, Decimal &total) const
{
    const auto value = m_format.parse(number);
    if (!value || !isOperator(op))
        return false;
    total = CountedOperation {*value, op.unicode()}.applyTo(total);
    return true;
}

Evaluation LineEngine::evaluate(QStringView text, const RunningTotal &onCounted) const
{
    Evaluation result;
    DecimalRunningSum total;
    auto count = [&](const CountedOperation &operation) {
        operation.applyTo(total);
        ++result.countedLines;
        if (onCounted)
            onCounted(total.total());
    };
    const QChar *const end = text.data() + text.size();
    for (const QChar *p = text.data(); p != end;)
        p = scanLine(p, end, count);
    result.total = total.total();
    return result;
}

QString LineEngine::normalise(QStringView text)
{
    QString out;
    normaliseInto(text, out);
    return out;
}

void LineEngine::normaliseInto(QStringView text, QString &out)
{
    // Sized for the worst case, so the loop needs no checks; a buffer kept
    // from the previous keystroke is reused without touching new memory.
    out.resize(text.size() * 3 + 2);
    QChar *const begin = out.data();
    QChar *end = begin;
    forEachLine(text, [&](QStringView line) { end = normaliseLine(line, end); });
    out.resize(end - begin);
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
