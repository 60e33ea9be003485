#pragma once

#include "core/engine/note_lines.h"
#include "core/numbers/decimal_running_sum.h"
#include "core/numbers/number_format.h"

#include <QString>
#include <QStringView>

#include <functional>

namespace tabulo {

// One counted word of a line: an operator and the number after it.
struct CountedOperation
{
    Decimal value;
    char16_t op = u'+';

    // The running total after this operation. A division by zero gives an
    // infinite (or undefined) total, which the following lines carry on with.
    Decimal applyTo(const Decimal &total) const
    {
        switch (op) {
        case u'+':
            return total + value;
        case u'-':
            return total - value;
        case u'*':
            return total * value;
        default:
            return total / value;
        }
    }

    // The same on a running sum, which adds long columns of amounts faster.
    void applyTo(DecimalRunningSum &sum) const
    {
        if (op == u'+')
            sum.add(value);
        else if (op == u'-')
            sum.subtract(value);
        else
            sum = DecimalRunningSum(applyTo(sum.total()));
    }
};

struct Evaluation
{
    Decimal total; // the running total after the last counted line
    int countedLines = 0; // lines whose first word is an operator and a number
};

// Sums a note. Every line whose first word is an operator ("+", "-", "*",
// "/") followed by a number of the locale changes one running total, strictly
// from top to bottom with no precedence: "+10", "+5", "*2" give 30. Totals
// are exact decimals (see Decimal): "+0,1", "+0,2", "-0,3" give 0.
//
// Lines are cut into operator lines first (normalisation): a line "+4+6"
// reads as the two lines "+4" and "+6", and the sign with which a line begins
// absorbs one space after it ("+ 5" counts 5). Lines that are empty or start
// with "#" or "'" are comments. A line ends at CR LF, a lone CR or a lone LF.
class LineEngine
{
public:
    explicit LineEngine(const NumberFormat &format)
        : m_format(format)
    {
    }

    using RunningTotal = std::function<void(const Decimal &)>;

    // Evaluates the text; `onCounted`, when given, receives the running total
    // after each counted line.
    Evaluation evaluate(QStringView text, const RunningTotal &onCounted = {}) const;

    // The counted operations of one line (without its line end), in order.
    // evaluate() is the left fold of these over every line; the note session
    // keeps them per line so that an edit re-sums only the edited lines.
    template<typename Visit> void forEachCountedOperation(QStringView line, Visit &&visit) const
    {
        scanLine(line.data(), line.data() + line.size(), visit);
    }

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
    bool applyWord(QChar op, QStringView number, Decimal &total) const;
    // Visits the counted operations of the line that starts at `p`; returns
    // where the next line starts (past a CR LF, a lone CR or a lone LF).
    template<typename Visit> const QChar *scanLine(const QChar *p, const QChar *end, Visit &&visit) const;

    NumberFormat m_format;
};

template<typename Visit> const QChar *LineEngine::scanLine(const QChar *p, const QChar *end, Visit &&visit) const
{
    // This is the two passes fused into one: instead of building the
    // normalised lines, each operator of a line is looked at where it stands.
    // The first word of the operator line it would start is the operator
    // followed by everything up to the next space, operator or line end; the
    // leading operator of the line skips one space first. Spaces at the end
    // of a line end no word that would not end anyway, so only the leading
    // ones are skipped. Every character that matters here is below '0':
    // digits and letters cost one comparison each.
    auto isLineEnd = [](QChar c) { return c == u'\r' || c == u'\n'; };
    while (p != end && *p == u' ')
        ++p;
    if (p != end && isCommentStart(*p)) {
        while (p != end && !isLineEnd(*p))
            ++p;
    }
    const QChar lead = p != end ? *p : QChar();
    for (; p != end; ++p) {
        const QChar c = *p;
        if (c.unicode() > u'/')
            continue;
        if (isLineEnd(c))
            break;
        if (!isOperator(c))
            continue;
        const QChar *wordStart = p + 1;
        if (c == lead && wordStart != end && *wordStart == u' ')
            ++wordStart;
        const QChar *wordEnd = wordStart;
        while (wordEnd != end && *wordEnd != u' ' && !isLineEnd(*wordEnd) && !isOperator(*wordEnd))
            ++wordEnd;
        if (const auto value = m_format.parse(QStringView(wordStart, wordEnd)))
            visit(CountedOperation {*value, c.unicode()});
        p = wordEnd - 1;
    }
    if (p != end) {
        if (*p == u'\r' && p + 1 != end && p[1] == u'\n')
            ++p;
        ++p;
    }
    return p;
}

} // namespace tabulo
