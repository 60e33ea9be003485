#pragma once

#include "core/engine/note_lines.h"
#include "core/numbers/number_format.h"

#include <QString>
#include <QStringView>

#include <functional>

namespace tabulo {

// One counted word of a line: an operator and the number after it.
struct CountedOperation
{
    char16_t op = u'+';
    double value = 0;

    // The running total after this operation. A division by zero gives an
    // infinite (or undefined) total, which the following lines carry on with.
    double applyTo(double total) const
    {
        switch (op) {
        case u'+': return total + value;
        case u'-': return total - value;
        case u'*': return total * value;
        default: return total / value;
        }
    }
};

struct Evaluation
{
    double total = 0;     // the running total after the last counted line
    int countedLines = 0; // lines whose first word is an operator and a number
};

// Sums a note. Every line whose first word is an operator ("+", "-", "*",
// "/") followed by a number of the locale changes one running total, strictly
// from top to bottom with no precedence: "+10", "+5", "*2" give 30.
//
// Lines are cut into operator lines first (normalisation): a line "+4+6"
// reads as the two lines "+4" and "+6", and the sign with which a line begins
// absorbs one space after it ("+ 5" counts 5). Lines that are empty or start
// with "#" or "'" are comments. A line ends at CR LF, a lone CR or a lone LF.
class LineEngine
{
public:
    explicit LineEngine(const NumberFormat &format) : m_format(format) {}

    using RunningTotal = std::function<void(double)>;

    // Evaluates the text; `onCounted`, when given, receives the running total
    // after each counted line.
    Evaluation evaluate(QStringView text, const RunningTotal &onCounted = {}) const;

    // The counted operations of one line (without its line end), in order.
    // evaluate() is the left fold of these over every line; the note session
    // keeps them per line so that an edit re-folds only from the edited line.
    template<typename Visit>
    void forEachCountedOperation(QStringView line, Visit &&visit) const;

    // The normalised lines of the text, each followed by CR LF: what the
    // working file holds after an evaluation.
    static QString normalise(QStringView text);
    // The same into a buffer the caller keeps, whose memory is reused.
    static void normaliseInto(QStringView text, QString &out);

    // The second pass on its own: sums already normalised lines. evaluate()
    // gives the same result as accumulate(normalise(text)) without building
    // the normalised text.
    Evaluation accumulate(QStringView normalisedText, const RunningTotal &onCounted = {}) const;

private:
    bool applyWord(QChar op, QStringView number, double &total) const;

    NumberFormat m_format;
};

template<typename Visit>
void LineEngine::forEachCountedOperation(QStringView rawLine, Visit &&visit) const
{
    // This is the two passes fused into one: instead of building the
    // normalised lines, each operator of a line is looked at where it stands.
    // The first word of the operator line it would start is the operator
    // followed by everything up to the next space or operator; the leading
    // operator of the line skips one space first.
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
        if (const auto value = m_format.parse(line.sliced(wordStart, wordEnd - wordStart)))
            visit(CountedOperation{op.unicode(), *value});
        i = wordEnd - 1;
    }
}

} // namespace tabulo
