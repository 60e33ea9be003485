#pragma once

#include "numbers/number_format.h"

#include <QString>
#include <QStringView>

#include <functional>

namespace tabulo {

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

} // namespace tabulo
